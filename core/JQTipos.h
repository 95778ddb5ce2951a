// Value types of the transfer structures.
#pragma once

#include <cstring>
#include <type_traits>

#include "companions/JQDFConx.h"
#include "platform/wintypes.h"

// 4-byte date, opaque to this library.
struct REG_JQDMA {
    BYTE bytes[4];
};
// Transfer form of a date: the 8-byte slot taken whole.
struct REG_JQDMAPS {
    BYTE bytes[8];
};
// Date and time with time-zone reference, opaque.
struct REG_JQDMAHMSUTC {
    BYTE bytes[8];
};
// 8-byte record key (bit layout in JQDMC_*).
struct REG_JQDMC {
    BYTE bytes[8];
};
// Transfer form of REG_JQDMC.
struct _JQ_DMCPS {
    BYTE bytes[8];
};

#pragma pack(push, 1)
// Product position: product key and three grade items.
struct _REG_POSICAO_PRODUTOPS {
    long PonteiroProduto;
    unsigned short PonteiroItemGrade1;
    unsigned short PonteiroItemGrade2;
    unsigned short PonteiroItemGrade3;
    BYTE Reservado[6];
};
#pragma pack(pop)

// Date slot of a transfer structure: the date and 4 bytes that setters zero.
struct JQDataSlot {
    REG_JQDMA Data;
    BYTE Zero[4];
};

static_assert(sizeof(REG_JQDMA) == 4);
static_assert(sizeof(REG_JQDMAPS) == 8);
static_assert(sizeof(REG_JQDMAHMSUTC) == 8);
static_assert(sizeof(REG_JQDMC) == 8);
static_assert(sizeof(_JQ_DMCPS) == 8);
static_assert(sizeof(_JQ_NFE_ps) == 24);
static_assert(sizeof(_REG_POSICAO_PRODUTOPS) == 16);
static_assert(sizeof(JQDataSlot) == 8);
static_assert(std::is_trivially_copyable_v<REG_JQDMC> && std::is_trivially_copyable_v<_REG_POSICAO_PRODUTOPS>);

// Byte equality of the opaque values.
template <class T> inline bool JQBytesIguais(const T& a, const T& b) noexcept
{
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

inline bool operator==(const REG_JQDMA& a, const REG_JQDMA& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const REG_JQDMA& a, const REG_JQDMA& b) noexcept { return !(a == b); }
inline bool operator==(const REG_JQDMAPS& a, const REG_JQDMAPS& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const REG_JQDMAPS& a, const REG_JQDMAPS& b) noexcept { return !(a == b); }
inline bool operator==(const REG_JQDMAHMSUTC& a, const REG_JQDMAHMSUTC& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const REG_JQDMAHMSUTC& a, const REG_JQDMAHMSUTC& b) noexcept { return !(a == b); }
inline bool operator==(const REG_JQDMC& a, const REG_JQDMC& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const REG_JQDMC& a, const REG_JQDMC& b) noexcept { return !(a == b); }
inline bool operator==(const _JQ_DMCPS& a, const _JQ_DMCPS& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const _JQ_DMCPS& a, const _JQ_DMCPS& b) noexcept { return !(a == b); }
inline bool operator==(const tagCY& a, const tagCY& b) noexcept { return a.Lo == b.Lo && a.Hi == b.Hi; }
inline bool operator!=(const tagCY& a, const tagCY& b) noexcept { return !(a == b); }

// Positions compare by product key and grade items (reserved bytes ignored).
inline bool JQPosicaoIgual(const _REG_POSICAO_PRODUTOPS& a, const _REG_POSICAO_PRODUTOPS& b) noexcept
{
    return a.PonteiroProduto == b.PonteiroProduto && a.PonteiroItemGrade1 == b.PonteiroItemGrade1 &&
           a.PonteiroItemGrade2 == b.PonteiroItemGrade2 && a.PonteiroItemGrade3 == b.PonteiroItemGrade3;
}

// Currency built from its 64-bit integer (amount times 10,000).
inline tagCY JQCY(LONGLONG v) noexcept
{
    tagCY c;
    c.int64 = v;
    return c;
}

// --- REG_JQDMC bit layout ----------------------------------------------------

inline ULONGLONG JQDMC_Bits(const REG_JQDMC& k) noexcept
{
    ULONGLONG v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | k.bytes[i];
    return v;
}

// Number part, bits 14 to 45.
inline unsigned long JQDMC_Numero(const REG_JQDMC& k) noexcept
{
    return static_cast<unsigned long>((JQDMC_Bits(k) >> 14) & 0xFFFFFFFFull);
}

// 16-bit part, bits 46 to 61; 0 unless between 1 and 34440.
inline unsigned short JQDMC_Parte16(const REG_JQDMC& k) noexcept
{
    unsigned v = static_cast<unsigned>((JQDMC_Bits(k) >> 46) & 0xFFFFu);
    return (v >= 1 && v <= 34440) ? static_cast<unsigned short>(v) : 0;
}

inline REG_JQDMC JQDMC_Monta(unsigned long numero, unsigned short parte16) noexcept
{
    ULONGLONG v = (static_cast<ULONGLONG>(numero & 0xFFFFFFFFul) << 14) | (static_cast<ULONGLONG>(parte16) << 46);
    if (parte16 != 0)
        v |= 2;
    REG_JQDMC k;
    for (int i = 0; i < 8; ++i)
        k.bytes[i] = static_cast<BYTE>(v >> (8 * i));
    return k;
}

// 16-bit day number of d/m/y (0 for an all-zero date).
TOLV_API unsigned short JQDia16(int dia, int mes, int ano);
