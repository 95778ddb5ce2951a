#include "tools/Amostras.h"

#include <algorithm>
#include <cstring>

#include "platform/objbase.h"

namespace amostra {

namespace {

// A negative signed count walks nothing, as the freeing walks do.
unsigned long LeContagem(const unsigned char* b, const tolv::AninhadoDesc& a) { return tolv::ContagemDe(b, a); }

void EscreveContagem(unsigned char* b, const tolv::AninhadoDesc& a, unsigned long v)
{
    std::memcpy(b + a.offsetContagem, &v, a.tamanhoContagem);
}

void* LePonteiro(const unsigned char* b, const tolv::AninhadoDesc& a)
{
    void* p;
    std::memcpy(&p, b + a.offsetPonteiro, sizeof p);
    return p;
}

void EscrevePonteiro(unsigned char* b, const tolv::AninhadoDesc& a, void* p)
{
    std::memcpy(b + a.offsetPonteiro, &p, sizeof p);
}

const char* NomeDoPonteiro(const tolv::EstruturaDesc& d, const tolv::AninhadoDesc& a)
{
    for (unsigned i = 0; i < d.nCampos; ++i)
        if (d.campos[i].offset == a.offsetPonteiro)
            return d.campos[i].nome;
    return "?";
}

bool EhPonteiro(const tolv::EstruturaDesc& d, unsigned off)
{
    for (unsigned i = 0; i < d.nAninhados; ++i)
        if (off >= d.aninhados[i].offsetPonteiro && off < d.aninhados[i].offsetPonteiro + sizeof(void*))
            return true;
    return false;
}

} // namespace

void Fonte::Bytes(void* dst, size_t n)
{
    size_t k = n < m_n ? n : m_n;
    std::memcpy(dst, m_p, k);
    std::memset(static_cast<unsigned char*>(dst) + k, 0, n - k);
    m_p += k;
    m_n -= k;
}

void Constroi(const tolv::EstruturaDesc& d, void* ps, Fonte& f, const Opcoes& o, unsigned nivel)
{
    unsigned char* b = static_cast<unsigned char*>(ps);
    f.Bytes(b, d.tamanho);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        EscrevePonteiro(b, a, nullptr);
        EscreveContagem(b, a, 0);
    }
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        uint8_t escolha = f.Byte();
        if (o.hostil && (escolha & 0xC0) == 0xC0) {
            // A count (or size) with no array behind it.
            EscreveContagem(b, a, f.U32());
            continue;
        }
        if (nivel >= o.profundidade)
            continue;
        if (!a.elemento) {
            unsigned n = o.maxTexto ? escolha % (o.maxTexto + 1) : 0;
            if (n == 0)
                continue;
            char* t = static_cast<char*>(CoTaskMemAlloc(n));
            f.Bytes(t, n);
            t[n - 1] = 0;
            EscrevePonteiro(b, a, t);
            EscreveContagem(b, a, n);
            continue;
        }
        unsigned n = o.maxElementos ? escolha % (o.maxElementos + 1) : 0;
        if (n == 0)
            continue;
        size_t t = a.elemento->tamanho;
        unsigned char* e = static_cast<unsigned char*>(CoTaskMemAlloc(n * t));
        EscrevePonteiro(b, a, e);
        EscreveContagem(b, a, n);
        for (unsigned k = 0; k < n; ++k)
            Constroi(*a.elemento, e + k * t, f, o, nivel + 1);
    }
}

bool Iguais(const tolv::EstruturaDesc& d, const void* pa, const void* pb, std::string& onde)
{
    const unsigned char* a = static_cast<const unsigned char*>(pa);
    const unsigned char* b = static_cast<const unsigned char*>(pb);
    for (unsigned i = 0; i < d.nCampos; ++i) {
        const tolv::CampoDesc& c = d.campos[i];
        if (EhPonteiro(d, c.offset))
            continue;
        if (std::memcmp(a + c.offset, b + c.offset, c.tamanho) != 0) {
            onde = std::string(d.nome) + "." + c.nome;
            return false;
        }
    }
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& an = d.aninhados[i];
        unsigned long n = LeContagem(a, an);
        const unsigned char* xa = static_cast<const unsigned char*>(LePonteiro(a, an));
        const unsigned char* xb = static_cast<const unsigned char*>(LePonteiro(b, an));
        if ((xa == nullptr) != (xb == nullptr)) {
            onde = std::string(d.nome) + "." + NomeDoPonteiro(d, an) + " (null on one side)";
            return false;
        }
        if (!xa)
            continue;
        if (!an.elemento) {
            if (std::memcmp(xa, xb, n) != 0) {
                onde = std::string(d.nome) + "." + NomeDoPonteiro(d, an);
                return false;
            }
            continue;
        }
        for (unsigned long k = 0; k < n; ++k) {
            size_t off = static_cast<size_t>(k) * an.elemento->tamanho;
            if (!Iguais(*an.elemento, xa + off, xb + off, onde)) {
                std::string caminho = std::string(d.nome) + "." + NomeDoPonteiro(d, an);
                caminho += '[';
                caminho += std::to_string(k);
                caminho += "].";
                caminho += onde;
                onde = caminho;
                return false;
            }
        }
    }
    return true;
}

Medida Mede(const tolv::EstruturaDesc& d, const void* ps)
{
    Medida m;
    m.blocos = 1;
    m.bytes = d.tamanho;
    const unsigned char* b = static_cast<const unsigned char*>(ps);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        const unsigned char* x = static_cast<const unsigned char*>(LePonteiro(b, a));
        if (!x)
            continue;
        unsigned long n = LeContagem(b, a);
        if (!a.elemento) {
            m.blocos += 1;
            m.bytes += n;
            continue;
        }
        for (unsigned long k = 0; k < n; ++k) {
            Medida e = Mede(*a.elemento, x + static_cast<size_t>(k) * a.elemento->tamanho);
            m.blocos += e.blocos;
            m.bytes += e.bytes;
        }
    }
    return m;
}

namespace {

void ColetaBlocos(const tolv::EstruturaDesc& d, const void* ps, std::vector<Bloco>& blocos)
{
    const unsigned char* p = static_cast<const unsigned char*>(ps);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        const unsigned char* x = static_cast<const unsigned char*>(LePonteiro(p, a));
        if (!x)
            continue;
        size_t t = a.elemento ? a.elemento->tamanho : 1;
        size_t n = LeContagem(p, a);
        blocos.push_back({x, n * t});
        if (a.elemento)
            for (size_t k = 0; k < n; ++k)
                ColetaBlocos(*a.elemento, x + k * t, blocos);
    }
}

} // namespace

void ListaBlocos(const tolv::EstruturaDesc& d, const void* ps, Blocos& b)
{
    const size_t antes = b.blocos.size();
    ColetaBlocos(d, ps, b.blocos);
    for (size_t k = b.blocos.size(); k-- > antes;)
        b.soltura.push_back(k);
}

void MedePorLista(const tolv::EstruturaDesc& d, const void* ps, MedidaPorLista& m, const std::string& prefixo)
{
    const unsigned char* b = static_cast<const unsigned char*>(ps);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        const unsigned char* x = static_cast<const unsigned char*>(LePonteiro(b, a));
        std::string nome = prefixo + NomeDoPonteiro(d, a);
        auto it = std::find_if(m.begin(), m.end(), [&](const auto& e) { return e.first == nome; });
        if (it == m.end()) {
            m.emplace_back(nome, Medida{});
            it = m.end() - 1;
        }
        if (!x)
            continue;
        unsigned long n = LeContagem(b, a);
        size_t t = a.elemento ? a.elemento->tamanho : 1;
        it->second.blocos += a.elemento ? n : 1;
        it->second.bytes += n * t;
        if (a.elemento)
            for (unsigned long k = 0; k < n; ++k)
                MedePorLista(*a.elemento, x + static_cast<size_t>(k) * t, m, nome + ".");
    }
}

void ClonaComTaskMem(const tolv::EstruturaDesc& d, const void* src, void* dst)
{
    std::memcpy(dst, src, d.tamanho);
    unsigned char* b = static_cast<unsigned char*>(dst);
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        const unsigned char* x = static_cast<const unsigned char*>(LePonteiro(b, a));
        if (!x)
            continue;
        unsigned long n = LeContagem(b, a);
        size_t t = a.elemento ? a.elemento->tamanho : 1;
        unsigned char* y = static_cast<unsigned char*>(CoTaskMemAlloc((n * t) != 0 ? n * t : 1));
        EscrevePonteiro(b, a, y);
        if (!a.elemento) {
            std::memcpy(y, x, n);
            continue;
        }
        for (unsigned long k = 0; k < n; ++k)
            ClonaComTaskMem(*a.elemento, x + k * t, y + k * t);
    }
}

} // namespace amostra
