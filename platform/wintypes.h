// Windows integer types, currency and decimal values, HRESULTs.
#pragma once

#include <cstddef>
#include <cstdint>

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned int UINT;
typedef int BOOL;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef long HRESULT;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef void* HINSTANCE;
typedef unsigned short USHORT;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

static_assert(sizeof(void*) == 4, "the transfer structures carry 32-bit pointers: build for i386");
static_assert(sizeof(long) == 4 && sizeof(DWORD) == 4, "ILP32 expected");

// Currency: 64-bit integer scaled by 10,000.
typedef union tagCY {
    struct {
        unsigned long Lo;
        long Hi;
    };
    LONGLONG int64;
} CY, *LPCY;
static_assert(sizeof(CY) == 8, "CY is 8 bytes");

// OLE Automation decimal: 96-bit magnitude, scale 0..28, sign.
typedef struct tagDEC {
    USHORT wReserved;
    union {
        struct {
            BYTE scale;
            BYTE sign;
        };
        USHORT signscale;
    };
    ULONG Hi32;
    union {
        struct {
            ULONG Lo32;
            ULONG Mid32;
        };
        ULONGLONG Lo64;
    };
} DECIMAL, *LPDECIMAL;
static_assert(sizeof(DECIMAL) == 16, "DECIMAL is 16 bytes");
static_assert(offsetof(DECIMAL, Hi32) == 4 && offsetof(DECIMAL, Lo32) == 8, "DECIMAL layout");

#define DECIMAL_NEG ((BYTE)0x80)

#define S_OK ((HRESULT)0L)
#define S_FALSE ((HRESULT)1L)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define DISP_E_OVERFLOW ((HRESULT)0x8002000AL)
#define DISP_E_DIVBYZERO ((HRESULT)0x80020012L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

// Export of the public API from the shared library.
#define TOLV_API __attribute__((visibility("default")))
// A member of an exported class kept for the library's own use.
#define TOLV_INTERNO __attribute__((visibility("hidden")))
