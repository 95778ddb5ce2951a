// Field-by-field comparison shared by the record sources (not installed).
#pragma once

#include <cstddef>
#include <type_traits>

#include "companions/TOLVSVCUtil.h"
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

} // namespace tolv

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
