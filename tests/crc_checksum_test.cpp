// JQCRC32 by each of its methods against the byte-at-a-time definition.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "core/JQCRC32.h"
#include "core/JQMem.h"

namespace {

unsigned long PorByte(const unsigned char* p, size_t n, unsigned long crc)
{
    while (n--) {
        crc ^= *p++;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
    }
    return crc;
}

struct Metodo {
    const char* nome;
    tolv::MetodoCRC32 metodo;
};

class CRC32Metodos : public testing::TestWithParam<Metodo> {
protected:
    void SetUp() override
    {
        tolv::JQCRC32Limita(GetParam().metodo);
        if (tolv::JQCRC32Metodo() != GetParam().metodo)
            GTEST_SKIP() << "this processor does not have the method";
        std::mt19937 g(20261208);
        dados.resize(64 * 1024 + 16 + 300);
        for (auto& b : dados)
            b = static_cast<unsigned char>(g());
    }
    void TearDown() override { tolv::JQCRC32Limita(tolv::MetodoCRC32::DobraLarga); }

    std::vector<unsigned char> dados;
};

TEST_P(CRC32Metodos, EveryLengthAndAlignmentWithAndWithoutSeed)
{
    for (unsigned long semente : {0ul, 0xFFFFFFFFul, 0x9E3779B9ul}) {
        for (size_t al = 0; al < 16; ++al) {
            for (size_t n = 0; n <= 300; ++n) {
                const unsigned char* p = dados.data() + al + n; // a different stretch for every length
                unsigned long esperado = PorByte(p, n, semente);
                unsigned long obtido =
                    semente ? JQCRC32(p, static_cast<long>(n), &semente) : JQCRC32(p, static_cast<long>(n));
                ASSERT_EQ(obtido, esperado) << "length " << n << ", alignment " << al << ", seed " << semente;
            }
        }
    }
}

TEST_P(CRC32Metodos, LongBlocksAndContinuationAcrossBlockBoundaries)
{
    for (size_t n : {255u, 256u, 383u, 1023u, 1664u, 4096u + 15u, 65536u, 65536u + 16u + 7u}) {
        for (size_t al : {0u, 1u, 7u, 13u}) {
            unsigned long esperado = PorByte(dados.data() + al, n, 0x12345678ul);
            unsigned long semente = 0x12345678ul;
            EXPECT_EQ(JQCRC32(dados.data() + al, static_cast<long>(n), &semente), esperado)
                << "length " << n << ", alignment " << al;
            // Split anywhere, the second part seeded with the first's result.
            for (size_t corte : {size_t{1}, size_t{63}, size_t{64}, size_t{65}, n / 2, n - 17}) {
                unsigned long parte = JQCRC32(dados.data() + al, static_cast<long>(corte), &semente);
                EXPECT_EQ(JQCRC32(dados.data() + al + corte, static_cast<long>(n - corte), &parte), esperado)
                    << "length " << n << " cut at " << corte;
            }
        }
    }
}

TEST_P(CRC32Metodos, NothingToReadGivesTheSeed)
{
    unsigned long semente = 0xCAFEBABEul;
    EXPECT_EQ(JQCRC32(dados.data(), 0, &semente), semente);
    EXPECT_EQ(JQCRC32(dados.data(), -1, &semente), semente);
    EXPECT_EQ(JQCRC32(dados.data(), LONG_MIN, &semente), semente);
    EXPECT_EQ(JQCRC32(nullptr, 100, &semente), semente);
    EXPECT_EQ(JQCRC32(dados.data(), -64), 0ul);
}

INSTANTIATE_TEST_SUITE_P(Cada, CRC32Metodos,
                         testing::Values(Metodo{"DobraLarga", tolv::MetodoCRC32::DobraLarga},
                                         Metodo{"Dobra", tolv::MetodoCRC32::Dobra},
                                         Metodo{"Tabela", tolv::MetodoCRC32::Tabela}),
                         [](const auto& i) { return std::string(i.param.nome); });

TEST(CRC32Escolha, TheLimitHoldsAndGivesTheChoiceBack)
{
    tolv::MetodoCRC32 escolhido = tolv::JQCRC32Metodo();
    tolv::JQCRC32Limita(tolv::MetodoCRC32::Tabela);
    EXPECT_EQ(tolv::JQCRC32Metodo(), tolv::MetodoCRC32::Tabela);
    tolv::JQCRC32Limita(tolv::MetodoCRC32::DobraLarga);
    EXPECT_EQ(tolv::JQCRC32Metodo(), escolhido);
}

} // namespace
