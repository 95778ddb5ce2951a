#include <array>
#include <cstdint>
#include <cstring>

#include "core/JQMem.h"

// Slicing by 8 over the reflected table of 0xEDB88320: the same values as the
// byte-at-a-time recurrence, eight bytes per step.
namespace {

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

} // namespace

unsigned long JQCRC32(const void* dados, long tamanho, const unsigned long* semente)
{
    uint32_t crc = semente ? static_cast<uint32_t>(*semente) : 0u;
    if (tamanho <= 0 || !dados)
        return crc;
    const unsigned char* p = static_cast<const unsigned char*>(dados);
    size_t n = static_cast<size_t>(tamanho);
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
