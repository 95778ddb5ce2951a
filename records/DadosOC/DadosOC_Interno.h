// Helpers shared by the sources of DadosOC (not installed).
#pragma once

#include "core/Comparacao.h"
#include "core/JQMem.h"

namespace tolv::oc {

template <class S> inline bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, "DadosOC"); }

} // namespace tolv::oc
