#include "core/JQCRC32.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <immintrin.h>
#define TOLV_CRC_DOBRA 1
#endif

#include "core/JQMem.h"

namespace {

// --- Slicing by 8 over the reflected table of 0xEDB88320 ------------------------
// The same values as the byte-at-a-time recurrence, eight bytes per step.

using Tabelas = std::array<std::array<uint32_t, 256>, 8>;

constexpr Tabelas GeraTabelas()
{
    Tabelas t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        t[0][i] = c;
    }
    for (int s = 1; s < 8; ++s)
        for (uint32_t i = 0; i < 256; ++i)
            t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xFF];
    return t;
}

constexpr Tabelas kTab = GeraTabelas();
static_assert(kTab[0][1] == 0x77073096u && kTab[0][255] == 0x2D02EF8Du);

uint32_t PorTabela(uint32_t crc, const unsigned char* p, size_t n) noexcept
{
    while (n >= 8) {
        uint32_t a, b;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + 4, 4);
        a ^= crc;
        crc = kTab[7][a & 0xFF] ^ kTab[6][(a >> 8) & 0xFF] ^ kTab[5][(a >> 16) & 0xFF] ^ kTab[4][a >> 24] ^
              kTab[3][b & 0xFF] ^ kTab[2][(b >> 8) & 0xFF] ^ kTab[1][(b >> 16) & 0xFF] ^ kTab[0][b >> 24];
        p += 8;
        n -= 8;
    }
    while (n--)
        crc = (crc >> 8) ^ kTab[0][(crc ^ *p++) & 0xFF];
    return crc;
}

#ifdef TOLV_CRC_DOBRA

// --- Folding by carry-less multiplication -----------------------------------------
// The register, XORed into the first four bytes, lets the message be read with a
// zero register; four 128-bit accumulators then each fold 64 bytes ahead
// (multiplying by x^(512+64) and x^512 mod P, bit-reflected), are folded into one
// (by x^(128+64) and x^128) with every further 16-byte block, and the 16 bytes
// left are reduced by the tables with a zero register. Seven XMM registers at
// most are live, which 32-bit code has.

constexpr uint64_t kK1 = 0x154442bd4ull, kK2 = 0x1c6e41596ull; // 512 bits ahead
constexpr uint64_t kK3 = 0x1751997d0ull, kK4 = 0x0ccaa009eull; // 128 bits ahead

__attribute__((target("pclmul,sse4.1"))) inline __m128i Dobra(__m128i x, __m128i k, __m128i dados)
{
    __m128i lo = _mm_clmulepi64_si128(x, k, 0x00);
    __m128i hi = _mm_clmulepi64_si128(x, k, 0x11);
    return _mm_xor_si128(_mm_xor_si128(lo, hi), dados);
}

__attribute__((target("pclmul,sse4.1"))) inline __m128i Le(const unsigned char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// n at least 64; processes every whole 16 bytes and leaves the rest to the caller.
__attribute__((target("pclmul,sse4.1"))) uint32_t PorDobra(uint32_t crc, const unsigned char*& p, size_t& n) noexcept
{
    __m128i x1 = _mm_xor_si128(Le(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
    __m128i x2 = Le(p + 16);
    __m128i x3 = Le(p + 32);
    __m128i x4 = Le(p + 48);
    p += 64;
    n -= 64;
    __m128i k = _mm_set_epi64x(static_cast<long long>(kK2), static_cast<long long>(kK1));
    while (n >= 64) {
        x1 = Dobra(x1, k, Le(p));
        x2 = Dobra(x2, k, Le(p + 16));
        x3 = Dobra(x3, k, Le(p + 32));
        x4 = Dobra(x4, k, Le(p + 48));
        p += 64;
        n -= 64;
    }
    k = _mm_set_epi64x(static_cast<long long>(kK4), static_cast<long long>(kK3));
    x1 = Dobra(x1, k, x2);
    x1 = Dobra(x1, k, x3);
    x1 = Dobra(x1, k, x4);
    while (n >= 16) {
        x1 = Dobra(x1, k, Le(p));
        p += 16;
        n -= 16;
    }
    alignas(16) unsigned char resto[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(resto), x1);
    return PorTabela(0, resto, sizeof resto);
}

bool ProcessadorDobra() noexcept
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
}

#endif

// Below this length the tables are as fast.
constexpr size_t kMinimoDobra = 64;

// The method chosen once: the processor's feature bits and the environment.
bool DobraEscolhida() noexcept
{
    static const bool escolhida = [] {
#ifdef TOLV_CRC_DOBRA
        const char* e = std::getenv("TOLVDATA_CRC32_TABELA");
        return ProcessadorDobra() && !(e && *e && std::strcmp(e, "0") != 0);
#else
        return false;
#endif
    }();
    return escolhida;
}

std::atomic<bool> g_forcaTabela{false};

} // namespace

namespace tolv {

bool JQCRC32PorDobra() noexcept { return DobraEscolhida() && !g_forcaTabela.load(std::memory_order_relaxed); }

void JQCRC32ForcaTabela(bool forca) noexcept { g_forcaTabela.store(forca, std::memory_order_relaxed); }

} // namespace tolv

unsigned long JQCRC32(const void* dados, long tamanho, const unsigned long* semente)
{
    uint32_t crc = semente ? static_cast<uint32_t>(*semente) : 0u;
    if (tamanho <= 0 || !dados)
        return crc;
    const unsigned char* p = static_cast<const unsigned char*>(dados);
    size_t n = static_cast<size_t>(tamanho);
#ifdef TOLV_CRC_DOBRA
    if (n >= kMinimoDobra && tolv::JQCRC32PorDobra())
        crc = PorDobra(crc, p, n);
#endif
    return PorTabela(crc, p, n);
}
