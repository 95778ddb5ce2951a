// Helpers shared by the sources of DadosCC (not installed).
#pragma once

#include "core/Comparacao.h"
#include "core/JQMem.h"

namespace tolv::cc {

template <class S> inline bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, "DadosCC"); }

} // namespace tolv::cc
