// Helpers shared by the item sources of DadosRE (not installed).
#pragma once

#include <cstring>

#include "core/JQMem.h"
#include "core/Lista.h"

namespace tolv::re {

template <class S> inline bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, "DadosRE"); }

using tolv::ListasIguais;

} // namespace tolv::re

// Comparison of one field through its getters; the first difference ends it.
#define IGUAL(X)                                                                                                       \
    do {                                                                                                               \
        if (!(Get##X() == o.Get##X()))                                                                                 \
            return false;                                                                                              \
    } while (0)
