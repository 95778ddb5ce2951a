// Helpers shared by the item sources of DadosRE (not installed).
#pragma once

#include <cstring>
#include <type_traits>

#include "companions/TOLVSVCUtil.h"
#include "core/JQMem.h"
#include "core/Lista.h"

namespace tolv::re {

template <class S> inline bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, "DadosRE"); }

using tolv::ListasIguais;

// The companion's comparison of two history complements (kind C), the other
// record's first, each passed as its getter gives it.
template <class C> bool ComplementosIguais(const typename C::storage& outro, const typename C::storage& este)
{
    char a[sizeof(typename C::storage) + 1];
    char b[sizeof(typename C::storage) + 1];
    const char* pa = C::copia(outro, a);
    return CTOLVSVCUtil::ComparaComplementoHistorico(pa, C::copia(este, b));
}

} // namespace tolv::re

// Comparison of one field through its getters; the first difference ends it.
// A field with generated accessors is compared by its kind, which gives the
// getters' answer without building their values (texts compared in place).
#define IGUAL(X)                                                                                                       \
    do {                                                                                                               \
        auto igual_ = [](const auto& a, const auto& b) {                                                               \
            using R_ = std::remove_cvref_t<decltype(a)>;                                                               \
            if constexpr (requires { typename R_::Campo_##X; })                                                        \
                return R_::Campo_##X::igual(a.m_ps.X, b.m_ps.X);                                                       \
            else                                                                                                       \
                return a.Get##X() == b.Get##X();                                                                       \
        };                                                                                                             \
        if (!igual_(*this, o))                                                                                         \
            return false;                                                                                              \
    } while (0)
