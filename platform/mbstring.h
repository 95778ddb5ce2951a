// Multibyte C runtime: code page selection and bounded multibyte copy.
#pragma once

#include <cstddef>

#include "platform/wintypes.h"

#define _MB_CP_SBCS 0
#define _MB_CP_ANSI (-3)

// Selects the multibyte code page (1252 single-byte, 932 double-byte, 0 single-byte).
// Returns 0, or -1 for an unknown code page (the current one stays).
TOLV_API int _setmbcp(int codepage);
TOLV_API int _getmbcp();
// Nonzero when c is a lead byte of a double-byte character in the current code page.
TOLV_API int _ismbblead(unsigned int c);
// Copies at most count bytes of src; pads with NUL when src is shorter; never splits
// a double-byte character (a lead byte that would end the copy is replaced by NUL).
TOLV_API unsigned char* _mbsnbcpy(unsigned char* dst, const unsigned char* src, size_t count);
