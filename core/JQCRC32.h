// How JQCRC32 computes (not installed).
#pragma once

#include "platform/wintypes.h"

namespace tolv {

// The methods of JQCRC32, each faster than the one before: slicing by 8 over
// tables; folding 64-byte blocks by carry-less multiplication (PCLMULQDQ and
// SSE4.1); the same folding 128 bytes at a time in 256-bit registers (AVX2 and
// VPCLMULQDQ). All give the same values.
enum class MetodoCRC32 : int { Tabela = 0, Dobra = 1, DobraLarga = 2 };

// The method in use: the fastest the processor has, chosen once; the tables
// when TOLVDATA_CRC32_TABELA is set (read once, "0" ignored); never beyond the
// limit below.
TOLV_API MetodoCRC32 JQCRC32Metodo() noexcept;

// Uses no method beyond maximo (DobraLarga gives the choice back), so that
// every method can be checked on one machine.
TOLV_API void JQCRC32Limita(MetodoCRC32 maximo) noexcept;

} // namespace tolv
