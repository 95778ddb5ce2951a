// Field-by-field comparison shared by the record sources (not installed).
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "companions/TOLVSVCUtil.h"
#include "core/JQMem.h"
#include "core/Layout.h"
#include "core/Lista.h"

namespace tolv {

// Which record's text the companion receives first.
enum class PrimeiroComplemento { DoOutro, Deste };

// The companion's comparison of two history complements (field kind C), each
// passed as its getter gives it.
template <class C>
bool ComplementosIguais(const typename C::storage& deste, const typename C::storage& doOutro,
                        PrimeiroComplemento primeiro = PrimeiroComplemento::DoOutro)
{
    char a[sizeof(typename C::storage) + 1];
    char b[sizeof(typename C::storage) + 1];
    const char* pa = C::copia(deste, a);
    const char* pb = C::copia(doOutro, b);
    return primeiro == PrimeiroComplemento::DoOutro ? CTOLVSVCUtil::ComparaComplementoHistorico(pb, pa)
                                                    : CTOLVSVCUtil::ComparaComplementoHistorico(pa, pb);
}

// --- Comparison plans ----------------------------------------------------------
// A record's list of compared fields, turned at compile time into steps over its
// structure: neighbouring fields whose kind compares them by their bytes make
// one run compared by memcmp (a date slot's 4 zero bytes and a position's
// reserved bytes end a run), every other field keeps its kind's comparison, and
// the fields left out of the list are skipped. Fields that lie next to one
// another form a block: equal bytes answer equal for every kind in a plan, so a
// block whose bytes are all equal is passed at once, and only a block with a
// difference is walked step by step. The answer is that of comparing the
// listed fields one by one.

struct PassoIgual {
    unsigned offset;
    unsigned tamanho;                        // bytes compared at once; 0 with igual
    unsigned fim;                            // end of the field (of the run)
    bool (*igual)(const void*, const void*); // the kind's comparison, with tamanho 0
    bool bastamBytes;                        // equal bytes make equal fields
};

struct BlocoIgual {
    unsigned offset;
    unsigned tamanho;
    unsigned primeiro; // its steps
    unsigned n;
};

template <class K> constexpr PassoIgual PassoDe(size_t offset)
{
    unsigned o = static_cast<unsigned>(offset);
    unsigned fim = o + static_cast<unsigned>(sizeof(typename K::storage));
    if constexpr (K::porBytes != 0)
        return {o, K::porBytes, fim, nullptr, true};
    else
        return {o, 0, fim, &CamposIguais<K>, K::bastamBytes};
}

template <class S, size_t N> struct PlanoIgual {
    std::array<PassoIgual, N> passos{};
    std::array<BlocoIgual, N> blocos{};
    unsigned nBlocos = 0;
    // Whole structures with the same bytes are equal at once: set when every
    // kind of the plan says so and its blocks are several and cover at least
    // half the structure, or the structure takes no more than two 32-byte
    // loads (a difference in a field left out costs one more run).
    bool inteira = false;

    bool operator()(const S& a, const S& b) const
    {
        const unsigned char* x = reinterpret_cast<const unsigned char*>(&a);
        const unsigned char* y = reinterpret_cast<const unsigned char*>(&b);
        if (inteira && BytesIguais(x, y, sizeof(S)))
            return true;
        for (unsigned i = 0; i < nBlocos; ++i) {
            const BlocoIgual& bl = blocos[i];
            if (bl.n > 1 && BytesIguais(x + bl.offset, y + bl.offset, bl.tamanho))
                continue;
            for (unsigned j = bl.primeiro; j < bl.primeiro + bl.n; ++j) {
                const PassoIgual& p = passos[j];
                if (p.igual ? !p.igual(x + p.offset, y + p.offset)
                            : !BytesIguais(x + p.offset, y + p.offset, p.tamanho))
                    return false;
            }
        }
        return true;
    }
};

template <class S, size_t N> consteval PlanoIgual<S, N> MontaPlano(std::array<PassoIgual, N> p)
{
    for (size_t i = 1; i < N; ++i)
        for (size_t j = i; j > 0 && p[j].offset < p[j - 1].offset; --j) {
            PassoIgual t = p[j];
            p[j] = p[j - 1];
            p[j - 1] = t;
        }
    PlanoIgual<S, N> r;
    unsigned n = 0;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0 && p[i].offset < p[i - 1].fim)
            throw "campo repetido na comparacao";
        if (p[i].fim > sizeof(S))
            throw "campo fora da estrutura";
        PassoIgual* u = n ? &r.passos[n - 1] : nullptr;
        bool junto = u && u->fim == p[i].offset && u->bastamBytes && p[i].bastamBytes;
        if (junto && u->tamanho != 0 && p[i].tamanho != 0 && u->offset + u->tamanho == p[i].offset) {
            // The run grows by this field.
            u->tamanho += p[i].tamanho;
            u->fim = p[i].fim;
        } else {
            if (!junto)
                r.blocos[r.nBlocos++] = BlocoIgual{p[i].offset, 0, n, 0};
            r.passos[n++] = p[i];
            ++r.blocos[r.nBlocos - 1].n;
        }
        BlocoIgual& bl = r.blocos[r.nBlocos - 1];
        bl.tamanho = p[i].fim - bl.offset;
    }
    size_t coberto = 0;
    bool bastam = true;
    for (unsigned i = 0; i < r.nBlocos; ++i)
        coberto += r.blocos[i].tamanho;
    for (unsigned i = 0; i < n; ++i)
        bastam = bastam && r.passos[i].bastamBytes;
    r.inteira = bastam && r.nBlocos > 1 && (2 * coberto >= sizeof(S) || sizeof(S) <= 64);
    return r;
}

} // namespace tolv

// The comparison plan of the record class R over its m_ps, from the names of
// its compared fields (each with generated accessors):
//     static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMX, Valor, Quantidade, Nome);
//     return kIgual(m_ps, o.m_ps);
#define TOLV_PLANO_IGUAL(R, ...)                                                                                       \
    ::tolv::MontaPlano<decltype(R::m_ps)>(                                                                             \
        std::to_array<::tolv::PassoIgual>({TOLV_PARA_CADA_(TOLV_PASSO_IGUAL_, R, __VA_ARGS__)}))
#define TOLV_PASSO_IGUAL_(R, X) ::tolv::PassoDe<typename R::Campo_##X>(offsetof(decltype(R::m_ps), X)),

// m(a, x) for every x of the list (up to 256).
#define TOLV_PARENS_ ()
#define TOLV_EXPANDE_(...) TOLV_EXPANDE4_(TOLV_EXPANDE4_(TOLV_EXPANDE4_(TOLV_EXPANDE4_(__VA_ARGS__))))
#define TOLV_EXPANDE4_(...) TOLV_EXPANDE3_(TOLV_EXPANDE3_(TOLV_EXPANDE3_(TOLV_EXPANDE3_(__VA_ARGS__))))
#define TOLV_EXPANDE3_(...) TOLV_EXPANDE2_(TOLV_EXPANDE2_(TOLV_EXPANDE2_(TOLV_EXPANDE2_(__VA_ARGS__))))
#define TOLV_EXPANDE2_(...) TOLV_EXPANDE1_(TOLV_EXPANDE1_(TOLV_EXPANDE1_(TOLV_EXPANDE1_(__VA_ARGS__))))
#define TOLV_EXPANDE1_(...) __VA_ARGS__
#define TOLV_PARA_CADA_(m, a, ...) __VA_OPT__(TOLV_EXPANDE_(TOLV_PARA_CADA_AUX_(m, a, __VA_ARGS__)))
#define TOLV_PARA_CADA_AUX_(m, a, x, ...) m(a, x) __VA_OPT__(TOLV_PARA_CADA_DE_NOVO_ TOLV_PARENS_(m, a, __VA_ARGS__))
#define TOLV_PARA_CADA_DE_NOVO_() TOLV_PARA_CADA_AUX_

// Comparison of one field of *this and o through their getters; the first
// difference returns false. A field with generated accessors is compared by its
// kind, which gives the getters' answer without building their values (texts
// compared in place).
#define IGUAL(X)                                                                                                       \
    do {                                                                                                               \
        auto igual_ = [](const auto& a, const auto& b) {                                                               \
            using R_ = std::remove_cvref_t<decltype(a)>;                                                               \
            if constexpr (requires { typename R_::Campo_##X; })                                                        \
                return ::tolv::CamposIguais<typename R_::Campo_##X>(                                                   \
                    reinterpret_cast<const unsigned char*>(&a.m_ps) + offsetof(decltype(a.m_ps), X),                   \
                    reinterpret_cast<const unsigned char*>(&b.m_ps) + offsetof(decltype(b.m_ps), X));                  \
            else                                                                                                       \
                return a.Get##X() == b.Get##X();                                                                       \
        };                                                                                                             \
        if (!igual_(*this, o))                                                                                         \
            return false;                                                                                              \
    } while (0)
