// How JQCRC32 computes (not installed).
#pragma once

#include "platform/wintypes.h"

namespace tolv {

// True when JQCRC32 folds 64-byte blocks by carry-less multiplication: the
// processor has PCLMULQDQ and SSE4.1, TOLVDATA_CRC32_TABELA is not set (read
// once) and the tables are not forced. Otherwise it slices by 8 over tables.
TOLV_API bool JQCRC32PorDobra() noexcept;

// Forces the table method (true) or gives the choice back (false), so that
// both methods can be checked on one machine.
TOLV_API void JQCRC32ForcaTabela(bool forca) noexcept;

} // namespace tolv
