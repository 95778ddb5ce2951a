#include "platform/mbstring.h"

namespace {
int g_codepage = 1252;
}

int _setmbcp(int codepage)
{
    if (codepage == _MB_CP_ANSI)
        codepage = 1252;
    switch (codepage) {
    case 0:
    case 1252:
    case 932: g_codepage = codepage; return 0;
    default: return -1;
    }
}

int _getmbcp() { return g_codepage; }

int _ismbblead(unsigned int c)
{
    if (g_codepage != 932)
        return 0;
    c &= 0xFF;
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

unsigned char* _mbsnbcpy(unsigned char* dst, const unsigned char* src, size_t count)
{
    size_t i = 0;
    while (i < count && src[i] != 0) {
        if (_ismbblead(src[i])) {
            if (i + 1 >= count || src[i + 1] == 0) {
                // Lead byte without room (or without trail byte): end the copy with NUL.
                dst[i++] = 0;
                break;
            }
            dst[i] = src[i];
            dst[i + 1] = src[i + 1];
            i += 2;
        } else {
            dst[i] = src[i];
            ++i;
        }
    }
    for (; i < count; ++i)
        dst[i] = 0;
    return dst;
}
