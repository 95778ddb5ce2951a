// Guarded memory routines: an access violation inside them stops the operation
// and the routine returns null; what was written before the fault stays written.
// The file name and line identify the call site only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/wintypes.h"

TOLV_API void* JQMemCpy(void* dst, const void* src, size_t n, const char* arquivo, int linha);
TOLV_API void* JQMemSet(void* dst, int valor, size_t n, const char* arquivo, int linha);
TOLV_API char* JQStrCpy(char* dst, const char* src, const char* arquivo, int linha);

namespace tolv {
// Length of the NUL-terminated text at p, at most max bytes; -1 when p is not
// readable up to its end (or the limit).
TOLV_API long JQStrNLenGuardado(const char* p, size_t max);
// Length of the text at p up to its NUL, or up to the first byte that cannot be
// read; 0 for a null p.
TOLV_API size_t JQStrLenLegivel(const char* p);
// How many of the n bytes from p can be read, from p on (whole pages: a block
// that ends inside an unreadable page gives the bytes before that page).
TOLV_API size_t JQMemLegivel(const void* p, size_t n);
} // namespace tolv

// CRC-32, reflected polynomial 0xEDB88320, seed 0 unless given, no final inversion.
TOLV_API unsigned long JQCRC32(const void* dados, long tamanho, const unsigned long* semente = NULL);

namespace tolv {

// Reads n bytes of the caller's memory at src into dst, through a guarded copy
// unless they lie in the block a list reading has found readable (see
// BlocoLegivel): an unreadable source leaves dst zeroed and answers false.
TOLV_API bool LeBytes(void* dst, const void* src, size_t n, const char* arquivo) noexcept;

template <class S> inline bool LeBloco(S& dst, const S* src, const char* arquivo)
{
    return LeBytes(&dst, src, sizeof(S), arquivo);
}

// While it lives, the calling thread's reads of the n bytes at p (an array
// whose readability the list reading has just checked, page by page) go by a
// plain copy; the block of an enclosing reading comes back when it ends.
class TOLV_API BlocoLegivel {
public:
    BlocoLegivel(const void* p, size_t n) noexcept;
    ~BlocoLegivel();
    BlocoLegivel(const BlocoLegivel&) = delete;
    BlocoLegivel& operator=(const BlocoLegivel&) = delete;

private:
    const char* m_inicio;
    const char* m_fim;
};

// True when the two blocks share a byte.
inline bool Sobrepoe(const void* a, size_t na, const void* b, size_t nb) noexcept
{
    auto x = reinterpret_cast<uintptr_t>(a);
    auto y = reinterpret_cast<uintptr_t>(b);
    return x < y + nb && y < x + na;
}

// Copies n blocks of tamanho bytes from src, passoOrigem bytes apart, to dst,
// passoDestino bytes apart (the structures inside a list's records to or from
// an array of them), by the widest moves the processor has. Unguarded: the
// caller has checked both sides; the blocks do not overlap. Nothing outside
// the blocks is read or written.
TOLV_API void CopiaElementos(void* dst, size_t passoDestino, const void* src, size_t passoOrigem, size_t n,
                             size_t tamanho) noexcept;

// Fills n blocks of passo bytes at dst, each with the desloc bytes at modelo
// followed by the tamanho bytes from src, passoOrigem bytes apart (the
// records of a list read from an array of their structures, made as copies
// of one model record), in one pass. Only for the shape of such records: a
// head of 4 or 8 bytes and a structure of at least 8 bytes up to the end;
// false, with nothing written, for any other shape or where the processor
// lacks the moves. Unguarded, like CopiaElementos.
TOLV_API bool MontaElementos(void* dst, size_t passo, const void* modelo, size_t desloc, const void* src,
                             size_t passoOrigem, size_t n, size_t tamanho) noexcept;

// Copies n bytes between blocks that do not overlap, unguarded: blocks of 32
// bytes to 32 KiB by 32-byte moves where the processor has them (the C
// library's copy on this ABI moves 16 bytes a step, and realigns when the two
// blocks differ in alignment, as a structure inside an object and an array
// element do), the rest by the C library's copy.
TOLV_API void CopiaBytes(void* dst, const void* src, size_t n) noexcept;

// A structure's copy between blocks known good that do not overlap: short
// ones by inline moves, the rest by CopiaBytes.
template <size_t N> inline void CopiaEstrutura(void* dst, const void* src) noexcept
{
    if constexpr (N <= 128)
        std::memcpy(dst, src, N);
    else
        CopiaBytes(dst, src, N);
}

// True when the n bytes at a and at b are the same (the comparisons of whole
// runs of fields and of lists), by the widest loads the processor has.
TOLV_API bool BytesIguais(const void* a, const void* b, size_t n) noexcept;

// Zero fill of a record's own structure, inside the object: nothing there can
// fault, so the guard is left out.
template <class S> inline void ZeraPropria(S& s) noexcept { std::memset(static_cast<void*>(&s), 0, sizeof(S)); }

// Copy of another record's structure into this one's: both lie inside live
// objects, so the guard is left out too.
template <class S> inline void CopiaPropria(S& dst, const S& src) noexcept
{
    if (&dst != &src)
        CopiaEstrutura<sizeof(S)>(static_cast<void*>(&dst), static_cast<const void*>(&src));
}

} // namespace tolv
