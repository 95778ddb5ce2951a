// Helpers shared by the item sources of DadosRE (not installed).
#pragma once

#include "core/Comparacao.h"
#include "core/JQMem.h"

namespace tolv::re {

template <class S> inline bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, "DadosRE"); }

using tolv::ListasIguais;

} // namespace tolv::re
