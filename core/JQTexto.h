// Fixed-width text fields: capacity N in an N+1-byte field (or N bytes for the
// few fields without terminator).
#pragma once

#include <cstring>

#include "platform/afxstr.h"
#include "platform/mbstring.h"

namespace tolv {

// Bounded multibyte copy of at most N bytes; the byte after them is never written.
inline void SetTexto(char* campo, size_t capacidade, const CString& valor)
{
    _mbsnbcpy(reinterpret_cast<unsigned char*>(campo), reinterpret_cast<const unsigned char*>(valor.GetString()),
              capacidade);
}

// The bytes of the field up to its first NUL, limit bytes at most.
inline CString GetTexto(const char* campo, size_t limite)
{
    const void* nul = std::memchr(campo, 0, limite);
    size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - campo) : limite;
    return CString(campo, static_cast<int>(n));
}

} // namespace tolv
