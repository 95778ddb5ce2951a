// Helpers shared by the item sources of DadosRE (not installed).
#pragma once

#include <cstring>

#include "core/JQMem.h"
#include "core/Lista.h"

namespace tolv::re {

// Reads the caller's block through a local copy: an unreadable source leaves
// dst untouched and answers false.
template <class S> inline bool LeBloco(S& dst, const S* src)
{
    S local;
    if (!JQMemCpy(&local, src, sizeof(S), "DadosRE", __LINE__))
        return false;
    std::memcpy(&dst, &local, sizeof(S));
    return true;
}

// Same number of entries and equal pairs at each index.
template <class T> inline bool ListasIguais(const T_Lista<T>& a, const T_Lista<T>& b)
{
    int n = a.GetSize();
    if (n != b.GetSize())
        return false;
    for (int k = 0; k < n; ++k)
        if (!(*a.GetPtr(k) == *b.GetPtr(k)))
            return false;
    return true;
}

} // namespace tolv::re
