#include "core/Aninhados.h"

#include <cstring>

namespace tolv {

void LiberaArray(const AninhadoDesc& a, void* ptr, unsigned long count, Liberacao modo)
{
    if (!ptr)
        return;
    if (a.elemento && a.elemento->nAninhados > 0) {
        unsigned char* e = static_cast<unsigned char*>(ptr);
        for (unsigned long k = count; k-- > 0;)
            LiberaAninhados(*a.elemento, e + static_cast<size_t>(k) * a.elemento->tamanho, modo);
    }
    if (modo == Liberacao::Delete)
        a.apagaArray(ptr);
    else
        CoTaskMemFree(ptr);
}

void LiberaAninhados(const EstruturaDesc& d, void* ps, Liberacao modo)
{
    unsigned char* b = static_cast<unsigned char*>(ps);
    for (unsigned i = d.nAninhados; i-- > 0;) {
        const AninhadoDesc& a = d.aninhados[i];
        void* ptr;
        std::memcpy(&ptr, b + a.offsetPonteiro, sizeof ptr);
        LiberaArray(a, ptr, ContagemDe(ps, a), modo);
    }
}

void LiberaAninhado(const EstruturaDesc& d, void* ps, unsigned offsetPonteiro, Liberacao modo)
{
    unsigned char* b = static_cast<unsigned char*>(ps);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const AninhadoDesc& a = d.aninhados[i];
        if (a.offsetPonteiro != offsetPonteiro)
            continue;
        void* ptr;
        std::memcpy(&ptr, b + a.offsetPonteiro, sizeof ptr);
        LiberaArray(a, ptr, ContagemDe(ps, a), modo);
        return;
    }
}

void ZeraAninhados(const EstruturaDesc& d, void* ps)
{
    unsigned char* b = static_cast<unsigned char*>(ps);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const AninhadoDesc& a = d.aninhados[i];
        std::memset(b + a.offsetPonteiro, 0, sizeof(void*));
        std::memset(b + a.offsetContagem, 0, a.tamanhoContagem);
    }
}

CString LeTextoGuardado(const char* ptr, unsigned long tamanho)
{
    // The length only says whether a text is there: the text runs to its NUL,
    // or to where the caller's memory stops being readable.
    if (!ptr || tamanho == 0)
        return CString();
    size_t n = JQStrLenLegivel(ptr);
    if (n == 0)
        return CString();
    if (n > static_cast<size_t>(std::numeric_limits<int>::max()) - 1)
        n = static_cast<size_t>(std::numeric_limits<int>::max()) - 1;
    // The guarded length has just read those bytes, up to the NUL.
    return CString::DeTrecho(ptr, static_cast<int>(n));
}

} // namespace tolv
