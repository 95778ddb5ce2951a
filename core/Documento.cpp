#include "core/Documento.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <new>

#include "core/Aninhados.h"
#include "platform/afx.h"
#include "platform/objbase.h"

namespace tolv {

static_assert(sizeof(void*) == 4, "the pointer slots of the transfer structures are 32-bit");

namespace {

const char Magia[8] = {'T', 'O', 'L', 'V', 'D', 'O', 'C', '\0'};
constexpr size_t Alinhamento = 8;
constexpr size_t MaxNome = 256;

// Roots that travel with a second root.
struct ParDeRaizes {
    const char* raiz;
    const char* segunda;
};
constexpr ParDeRaizes Pares[] = {{"_REG_ESCRITAFISCALPS", "_REG_ALIQUOTASICMSPS"}};

uint32_t Le32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void Grava32(unsigned char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}

// The count as the file holds it: whether it is above zero, and its value.
unsigned long ContagemBruta(const unsigned char* b, const AninhadoDesc& a, bool& negativa)
{
    negativa = false;
    unsigned long v = 0;
    for (unsigned i = 0; i < a.tamanhoContagem; ++i)
        v |= static_cast<unsigned long>(b[a.offsetContagem + i]) << (8 * i);
    if (a.contagemComSinal && (b[a.offsetContagem + a.tamanhoContagem - 1] & 0x80))
        negativa = true;
    return negativa ? 0 : v;
}

const char* NomeDoCampo(const EstruturaDesc& d, unsigned offset)
{
    for (unsigned i = 0; i < d.nCampos; ++i)
        if (d.campos[i].offset == offset)
            return d.campos[i].nome;
    return "?";
}

size_t TamanhoElemento(const AninhadoDesc& a) { return a.elemento ? a.elemento->tamanho : 1; }

Liberacao ModoDe(AlocadorDocumento a)
{
    return a == AlocadorDocumento::TaskMem ? Liberacao::CoTaskMem : Liberacao::Delete;
}

// --- Writing --------------------------------------------------------------------

class EscritorDocumento {
public:
    std::vector<unsigned char> f;

    // Appends n bytes at the next aligned offset; returns that offset.
    size_t Acrescenta(const void* src, size_t n)
    {
        size_t off = (f.size() + Alinhamento - 1) & ~(Alinhamento - 1);
        if (off > UINT32_MAX || n > UINT32_MAX - off)
            AfxThrowInvalidArgException();
        f.resize(off + n);
        if (n)
            std::memcpy(f.data() + off, src, n);
        return off;
    }

    // The nested blocks of the block of d at file offset off, whose pointers
    // still name the caller's memory.
    void Aninhados(const EstruturaDesc& d, size_t off)
    {
        for (unsigned i = 0; i < d.nAninhados; ++i) {
            const AninhadoDesc& a = d.aninhados[i];
            const void* ptr;
            std::memcpy(&ptr, f.data() + off + a.offsetPonteiro, sizeof ptr);
            const unsigned long n = ContagemDe(f.data() + off, a);
            Grava32(f.data() + off + a.offsetPonteiro, 0);
            if (!ptr || n == 0)
                continue;
            const size_t t = TamanhoElemento(a);
            if (n > UINT32_MAX / t)
                AfxThrowInvalidArgException();
            const size_t filho = Acrescenta(ptr, n * t);
            Grava32(f.data() + off + a.offsetPonteiro, static_cast<uint32_t>(filho));
            if (!a.elemento) {
                f[filho + n - 1] = 0; // a text ends in its NUL
                continue;
            }
            for (unsigned long k = 0; k < n; ++k)
                Aninhados(*a.elemento, filho + k * t);
        }
    }
};

// --- Verifying ------------------------------------------------------------------

class Verificador {
public:
    Verificador(const unsigned char* b, size_t n, size_t inicio, const OpcoesDocumento& o)
        : m_b(b), m_n(n), m_inicio(inicio), m_o(o)
    {
    }
    std::string erro;

    bool Falha(const std::string& caminho, size_t off, const char* oque)
    {
        erro = caminho + " at offset " + std::to_string(off) + ": " + oque;
        return false;
    }

    // A block of n elements of t bytes at off, for the path caminho.
    bool Bloco(const std::string& caminho, size_t off, unsigned long n, size_t t)
    {
        const uint64_t bytes = static_cast<uint64_t>(n) * t;
        if (bytes > UINT32_MAX)
            return Falha(caminho, off, "count times element size overflows");
        if (off % Alinhamento)
            return Falha(caminho, off, "block not aligned to 8 bytes");
        if (off < m_inicio)
            return Falha(caminho, off, "block inside the header");
        if (off > m_n || bytes > m_n - off)
            return Falha(caminho, off, "block past the end of the file");
        // No block reached twice and no two blocks overlapping.
        auto it = m_blocos.lower_bound(off);
        if (it != m_blocos.end() && it->first < off + bytes)
            return Falha(caminho, off, "block reached twice or overlapping another");
        if (it != m_blocos.begin() && std::prev(it)->second > off)
            return Falha(caminho, off, "block reached twice or overlapping another");
        m_blocos.emplace_hint(it, off, off + bytes);
        return true;
    }

    // The nested fields of the structure d at file offset off.
    bool Estrutura(const EstruturaDesc& d, size_t off, const std::string& caminho, unsigned nivel)
    {
        const unsigned char* b = m_b + off;
        for (unsigned i = 0; i < d.nAninhados; ++i) {
            const AninhadoDesc& a = d.aninhados[i];
            const uint32_t ptr = Le32(b + a.offsetPonteiro);
            bool negativa;
            const unsigned long n = ContagemBruta(b, a, negativa);
            if (ptr == 0)
                continue;
            const std::string sub = caminho + "." + NomeDoCampo(d, a.offsetPonteiro);
            if (n == 0)
                return Falha(sub, off + a.offsetPonteiro, "pointer with a count of 0 or less is not 0");
            if (nivel + 1 > m_o.profundidadeMaxima)
                return Falha(sub, ptr, "nesting deeper than the limit");
            const size_t t = TamanhoElemento(a);
            if (!Bloco(sub, ptr, n, t))
                return false;
            if (!a.elemento) {
                if (m_b[ptr + n - 1] != 0)
                    return Falha(sub, ptr, "text does not end in its NUL");
                continue;
            }
            if (a.elemento->nAninhados == 0)
                continue;
            for (unsigned long k = 0; k < n; ++k)
                if (!Estrutura(*a.elemento, ptr + k * t, sub + "[" + std::to_string(k) + "]", nivel + 1))
                    return false;
        }
        return true;
    }

private:
    const unsigned char* m_b;
    size_t m_n;
    size_t m_inicio;
    const OpcoesDocumento& m_o;
    std::map<size_t, size_t> m_blocos; // start -> end
};

void* Aloca(size_t n, AlocadorDocumento a)
{
    if (n == 0)
        n = 1;
    if (a == AlocadorDocumento::TaskMem) {
        void* p = CoTaskMemAlloc(n);
        if (!p)
            AfxThrowMemoryException();
        return p;
    }
    // What new E[n] asks for a trivial E, so that delete[] with the element type
    // releases it.
    void* p = ::operator new[](n, std::nothrow);
    if (!p)
        AfxThrowMemoryException();
    return p;
}

void Solta(void* p, AlocadorDocumento a) noexcept
{
    if (!p)
        return;
    if (a == AlocadorDocumento::TaskMem)
        CoTaskMemFree(p);
    else
        ::operator delete[](p);
}

// The pointer slots of n elements of d at p set to null (counts kept), so that a
// half-built tree can be released by its counts.
void AnulaPonteiros(const EstruturaDesc& d, unsigned char* p, unsigned long n)
{
    for (unsigned long k = 0; k < n; ++k)
        for (unsigned i = 0; i < d.nAninhados; ++i)
            std::memset(p + k * d.tamanho + d.aninhados[i].offsetPonteiro, 0, sizeof(void*));
}

// Builds the nested arrays of the block at ps (a copy of the file's block at
// off, pointer slots null) from the verified file.
void Constroi(const unsigned char* arq, const EstruturaDesc& d, size_t off, unsigned char* ps, AlocadorDocumento al)
{
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const AninhadoDesc& a = d.aninhados[i];
        const uint32_t ptr = Le32(arq + off + a.offsetPonteiro);
        if (ptr == 0)
            continue;
        bool negativa;
        const unsigned long n = ContagemBruta(arq + off, a, negativa);
        const size_t t = TamanhoElemento(a);
        unsigned char* x = static_cast<unsigned char*>(Aloca(n * t, al));
        std::memcpy(x, arq + ptr, n * t);
        if (a.elemento)
            AnulaPonteiros(*a.elemento, x, n);
        std::memcpy(ps + a.offsetPonteiro, &x, sizeof x);
        if (a.elemento && a.elemento->nAninhados)
            for (unsigned long k = 0; k < n; ++k)
                Constroi(arq, *a.elemento, ptr + k * t, x + k * t, al);
    }
}

} // namespace

struct MontaDocumento {
    static void Monta(DocumentoLido& doc, const unsigned char* arq, const EstruturaDesc& d, size_t raiz,
                      const EstruturaDesc* d2, size_t off2, unsigned long n2, AlocadorDocumento al)
    {
        DocumentoLido novo;
        novo.m_alocador = al;
        novo.m_d = &d;
        novo.m_raiz = new unsigned char[d.tamanho];
        std::memcpy(novo.m_raiz, arq + raiz, d.tamanho);
        AnulaPonteiros(d, novo.m_raiz, 1);
        Constroi(arq, d, raiz, novo.m_raiz, al);
        if (d2 && n2) {
            novo.m_dSegunda = d2;
            novo.m_segunda = static_cast<unsigned char*>(Aloca(n2 * d2->tamanho, al));
            std::memcpy(novo.m_segunda, arq + off2, n2 * d2->tamanho);
            AnulaPonteiros(*d2, novo.m_segunda, n2);
            novo.m_qtdSegunda = n2;
            for (unsigned long k = 0; k < n2; ++k)
                Constroi(arq, *d2, off2 + k * d2->tamanho, novo.m_segunda + k * d2->tamanho, al);
        }
        doc = std::move(novo);
    }
};

DocumentoLido::DocumentoLido(DocumentoLido&& o) noexcept { *this = std::move(o); }

DocumentoLido& DocumentoLido::operator=(DocumentoLido&& o) noexcept
{
    if (this == &o)
        return *this;
    Libera();
    m_d = o.m_d;
    m_raiz = o.m_raiz;
    m_dSegunda = o.m_dSegunda;
    m_segunda = o.m_segunda;
    m_qtdSegunda = o.m_qtdSegunda;
    m_alocador = o.m_alocador;
    o.m_d = o.m_dSegunda = nullptr;
    o.m_raiz = o.m_segunda = nullptr;
    o.m_qtdSegunda = 0;
    return *this;
}

void DocumentoLido::Libera() noexcept
{
    if (m_raiz) {
        LiberaArvore(*m_d, m_raiz, m_alocador);
        delete[] m_raiz;
    }
    if (m_segunda) {
        for (unsigned long k = 0; k < m_qtdSegunda; ++k)
            LiberaArvore(*m_dSegunda, m_segunda + k * m_dSegunda->tamanho, m_alocador);
        Solta(m_segunda, m_alocador);
    }
    m_d = m_dSegunda = nullptr;
    m_raiz = m_segunda = nullptr;
    m_qtdSegunda = 0;
}

void DocumentoLido::AninhadosLiberados() noexcept
{
    if (m_raiz)
        ZeraAninhados(*m_d, m_raiz);
}

void LiberaArvore(const EstruturaDesc& d, void* raiz, AlocadorDocumento a) noexcept
{
    if (!raiz)
        return;
    LiberaAninhados(d, raiz, ModoDe(a));
    ZeraAninhados(d, raiz);
}

bool EhDocumento(const void* dados, size_t tamanho) noexcept
{
    return dados && tamanho >= sizeof Magia && std::memcmp(dados, Magia, sizeof Magia) == 0;
}

const EstruturaDesc* SegundaRaizDe(const EstruturaDesc& d) noexcept
{
    for (const ParDeRaizes& p : Pares)
        if (std::strcmp(p.raiz, d.nome) == 0)
            return EstruturaPorNome(p.segunda);
    return nullptr;
}

std::vector<unsigned char> EscreveDocumento(const EstruturaDesc& d, const void* raiz, const EstruturaDesc* dSegunda,
                                            const void* segunda, unsigned long qtdSegunda)
{
    if (!raiz)
        AfxThrowInvalidArgException();
    EscritorDocumento e;
    e.f.resize(TamanhoCabecalhoDocumento);
    std::memcpy(e.f.data(), Magia, sizeof Magia);
    Grava32(e.f.data() + 8, VersaoDocumento);
    const size_t nome = e.Acrescenta(d.nome, std::strlen(d.nome) + 1);
    const size_t r = e.Acrescenta(raiz, d.tamanho);
    e.Aninhados(d, r);
    if (dSegunda && segunda && qtdSegunda) {
        if (qtdSegunda > UINT32_MAX / dSegunda->tamanho)
            AfxThrowInvalidArgException();
        const size_t s = e.Acrescenta(segunda, qtdSegunda * dSegunda->tamanho);
        for (unsigned long k = 0; k < qtdSegunda; ++k)
            e.Aninhados(*dSegunda, s + k * dSegunda->tamanho);
        Grava32(e.f.data() + 24, static_cast<uint32_t>(s));
        Grava32(e.f.data() + 28, static_cast<uint32_t>(qtdSegunda));
    }
    Grava32(e.f.data() + 12, static_cast<uint32_t>(r));
    Grava32(e.f.data() + 16, static_cast<uint32_t>(e.f.size()));
    Grava32(e.f.data() + 20, static_cast<uint32_t>(nome));
    return e.f;
}

bool LeDocumento(const void* dados, size_t tamanho, DocumentoLido& doc, std::string& erro,
                 const EstruturaDesc* esperada, const OpcoesDocumento& o)
{
    doc.Libera();
    erro.clear();
    const unsigned char* b = static_cast<const unsigned char*>(dados);
    auto falha = [&](size_t off, const char* oque) {
        erro = "header at offset " + std::to_string(off) + ": " + oque;
        return false;
    };
    if (!b || tamanho < TamanhoCabecalhoDocumento)
        return falha(0, "file shorter than the 32-byte header");
    if (std::memcmp(b, Magia, sizeof Magia) != 0)
        return falha(0, "not a whole-document file (bad magic)");
    if (Le32(b + 8) != VersaoDocumento)
        return falha(8, "unknown format version");
    if (tamanho > o.tamanhoMaximo)
        return falha(16, "file larger than the size limit");
    if (Le32(b + 16) != tamanho)
        return falha(16, Le32(b + 16) > tamanho ? "file truncated (shorter than its size field)"
                                                : "file size field does not match the file");
    // The root structure's name, right after the header.
    const uint32_t offNome = Le32(b + 20);
    if (offNome != TamanhoCabecalhoDocumento)
        return falha(20, "structure name not right after the header");
    const void* nul = std::memchr(b + offNome, 0, std::min<size_t>(tamanho - offNome, MaxNome));
    if (!nul)
        return falha(offNome, "structure name not terminated");
    const std::string nome(reinterpret_cast<const char*>(b + offNome));
    for (unsigned char c : nome)
        if (c < 0x20 || c > 0x7E)
            return falha(offNome, "structure name not ASCII");
    const EstruturaDesc* d = EstruturaPorNome(nome.c_str());
    if (!d) {
        erro = "header at offset " + std::to_string(offNome) + ": unknown structure " + nome;
        return false;
    }
    if (esperada && std::strcmp(esperada->nome, d->nome) != 0) {
        erro = "header at offset " + std::to_string(offNome) + ": file of " + nome + ", not of " + esperada->nome;
        return false;
    }
    const size_t inicio = offNome + nome.size() + 1;
    Verificador v(b, tamanho, inicio, o);
    const uint32_t raiz = Le32(b + 12);
    if (raiz == 0)
        return falha(12, "no root block");
    if (!v.Bloco(nome, raiz, 1, d->tamanho) || !v.Estrutura(*d, raiz, nome, 0)) {
        erro = v.erro;
        return false;
    }
    const uint32_t off2 = Le32(b + 24);
    const uint32_t n2 = Le32(b + 28);
    const EstruturaDesc* d2 = SegundaRaizDe(*d);
    if (off2 != 0 || n2 != 0) {
        if (!d2)
            return falha(24, "second root for a structure that has none");
        if (off2 == 0 || n2 == 0)
            return falha(24, "second root with an offset or a count of 0");
        const std::string caminho = std::string(d2->nome) + "[]";
        if (!v.Bloco(caminho, off2, n2, d2->tamanho)) {
            erro = v.erro;
            return false;
        }
        for (uint32_t k = 0; k < n2; ++k)
            if (!v.Estrutura(*d2, off2 + static_cast<size_t>(k) * d2->tamanho,
                             std::string(d2->nome) + "[" + std::to_string(k) + "]", 1)) {
                erro = v.erro;
                return false;
            }
    }
    MontaDocumento::Monta(doc, b, *d, raiz, d2, off2, n2, o.alocador);
    return true;
}

} // namespace tolv
