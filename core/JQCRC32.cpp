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
// (multiplying by x^(512+32) and x^(512-32) mod P, bit-reflected), are folded into
// one (by x^(128+32) and x^(128-32)) with every further 16-byte block, and the 16 bytes
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
__attribute__((target("pclmul,sse4.1"))) uint32_t PorDobra(uint32_t crc, const unsigned char*& ref,
                                                           size_t& nref) noexcept
{
    const unsigned char* p = ref;
    size_t n = nref;
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
    ref = p;
    nref = n;
    return PorTabela(0, resto, sizeof resto);
}

// The same folding over 256-bit registers, where the processor multiplies
// two pairs at once: four accumulators of 32 bytes each fold 128 bytes ahead
// (x^(1024+32) and x^(1024-32) mod P), then their eight 16-byte halves are
// folded in order into one. Seven YMM registers at most are live.
constexpr uint64_t kK1024a = 0x1e88ef372ull, kK1024b = 0x14a7fe880ull;

__attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1"))) inline __m256i DobraLarga(__m256i x, __m256i k, __m256i dados)
{
    __m256i lo = _mm256_clmulepi64_epi128(x, k, 0x00);
    __m256i hi = _mm256_clmulepi64_epi128(x, k, 0x11);
    return _mm256_xor_si256(_mm256_xor_si256(lo, hi), dados);
}

__attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1"))) inline __m256i LeLarga(const unsigned char* p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}

// n at least 256; processes every whole 16 bytes and leaves the rest to the caller.
__attribute__((target("avx2,vpclmulqdq,pclmul,sse4.1"))) uint32_t PorDobraLarga(uint32_t crc, const unsigned char*& ref,
                                                                                size_t& nref) noexcept
{
    const unsigned char* p = ref;
    size_t n = nref;
    __m256i x1 = _mm256_xor_si256(LeLarga(p), _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<int>(crc))));
    __m256i x2 = LeLarga(p + 32);
    __m256i x3 = LeLarga(p + 64);
    __m256i x4 = LeLarga(p + 96);
    p += 128;
    n -= 128;
    const __m256i k = _mm256_set_epi64x(static_cast<long long>(kK1024b), static_cast<long long>(kK1024a),
                                        static_cast<long long>(kK1024b), static_cast<long long>(kK1024a));
    while (n >= 128) {
        x1 = DobraLarga(x1, k, LeLarga(p));
        x2 = DobraLarga(x2, k, LeLarga(p + 32));
        x3 = DobraLarga(x3, k, LeLarga(p + 64));
        x4 = DobraLarga(x4, k, LeLarga(p + 96));
        p += 128;
        n -= 128;
    }
    const __m128i k128 = _mm_set_epi64x(static_cast<long long>(kK4), static_cast<long long>(kK3));
    __m128i x = _mm256_castsi256_si128(x1);
    x = Dobra(x, k128, _mm256_extracti128_si256(x1, 1));
    x = Dobra(x, k128, _mm256_castsi256_si128(x2));
    x = Dobra(x, k128, _mm256_extracti128_si256(x2, 1));
    x = Dobra(x, k128, _mm256_castsi256_si128(x3));
    x = Dobra(x, k128, _mm256_extracti128_si256(x3, 1));
    x = Dobra(x, k128, _mm256_castsi256_si128(x4));
    x = Dobra(x, k128, _mm256_extracti128_si256(x4, 1));
    while (n >= 16) {
        x = Dobra(x, k128, Le(p));
        p += 16;
        n -= 16;
    }
    alignas(16) unsigned char resto[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(resto), x);
    ref = p;
    nref = n;
    return PorTabela(0, resto, sizeof resto);
}

tolv::MetodoCRC32 MetodoDoProcessador() noexcept
{
    __builtin_cpu_init();
    if (!__builtin_cpu_supports("pclmul") || !__builtin_cpu_supports("sse4.1"))
        return tolv::MetodoCRC32::Tabela;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("vpclmulqdq"))
        return tolv::MetodoCRC32::DobraLarga;
    return tolv::MetodoCRC32::Dobra;
}

#endif

// Below these lengths the simpler method is as fast.
constexpr size_t kMinimoDobra = 64;
constexpr size_t kMinimoDobraLarga = 256;

// The method chosen once: the processor's feature bits and the environment.
tolv::MetodoCRC32 MetodoEscolhido() noexcept
{
    static const tolv::MetodoCRC32 escolhido = [] {
#ifdef TOLV_CRC_DOBRA
        const char* e = std::getenv("TOLVDATA_CRC32_TABELA");
        if (e && *e && std::strcmp(e, "0") != 0)
            return tolv::MetodoCRC32::Tabela;
        return MetodoDoProcessador();
#else
        return tolv::MetodoCRC32::Tabela;
#endif
    }();
    return escolhido;
}

std::atomic<int> g_limite{static_cast<int>(tolv::MetodoCRC32::DobraLarga)};

} // namespace

namespace tolv {

MetodoCRC32 JQCRC32Metodo() noexcept
{
    int escolhido = static_cast<int>(MetodoEscolhido());
    int limite = g_limite.load(std::memory_order_relaxed);
    return static_cast<MetodoCRC32>(escolhido < limite ? escolhido : limite);
}

void JQCRC32Limita(MetodoCRC32 maximo) noexcept { g_limite.store(static_cast<int>(maximo), std::memory_order_relaxed); }

} // namespace tolv

unsigned long JQCRC32(const void* dados, long tamanho, const unsigned long* semente)
{
    uint32_t crc = semente ? static_cast<uint32_t>(*semente) : 0u;
    if (tamanho <= 0 || !dados)
        return crc;
    const unsigned char* p = static_cast<const unsigned char*>(dados);
    size_t n = static_cast<size_t>(tamanho);
#ifdef TOLV_CRC_DOBRA
    if (n >= kMinimoDobra) {
        tolv::MetodoCRC32 m = tolv::JQCRC32Metodo();
        if (m == tolv::MetodoCRC32::DobraLarga && n >= kMinimoDobraLarga)
            crc = PorDobraLarga(crc, p, n);
        else if (m != tolv::MetodoCRC32::Tabela)
            crc = PorDobra(crc, p, n);
    }
#endif
    return PorTabela(crc, p, n);
}
