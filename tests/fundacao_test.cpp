// Field types, guarded copies, CRC-32, day numbers, record keys, run-time
// classes and the record pattern on TCMGerencial.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"

namespace {

// --- Texts ---------------------------------------------------------------------

class TextoTest : public testing::Test {
protected:
    void SetUp() override { _setmbcp(1252); }
    void TearDown() override { _setmbcp(1252); }
};

TEST_F(TextoTest, LongValueIsCutAndTerminatorNeverWritten)
{
    char campo[4];
    std::memset(campo, 'z', sizeof campo);
    tolv::SetTexto(campo, 3, "ABCDE");
    EXPECT_EQ(std::string(campo, 4), "ABCz") << "byte N+1 untouched by the setter";
    campo[3] = 0;
    EXPECT_EQ(std::string(tolv::GetTexto(campo, 4).GetString()), "ABC");
    campo[3] = 'Z';
    EXPECT_EQ(std::string(tolv::GetTexto(campo, 4).GetString()), "ABCZ") << "the getter stops at the field's end";
}

TEST(TextoIgual, InPlaceAnswerIsTheGetters)
{
    using K = tolv::fk::Txt<9>; // 10 bytes: two words and a tail
    const char* pares[][2] = {
        {"abc\0XXXXXX", "abc\0YYYYYY"}, {"abcdefg\0XX", "abcdefg\0YY"}, {"abcdefghi\0", "abcdefghj\0"},
        {"abcdefghij", "abcdefghik"},   {"abcdefghij", "abcdefghij"},   {"abcd\0XXXXX", "abcdeXXXXX"},
        {"\0aaaaaaaaa", "\0bbbbbbbbb"},
    };
    for (auto& p : pares) {
        K::storage a, b;
        std::memcpy(a, p[0], sizeof a);
        std::memcpy(b, p[1], sizeof b);
        EXPECT_EQ(K::igual(a, b), K::get(a) == K::get(b)) << p[0] << " / " << p[1];
        EXPECT_EQ(K::igual(b, a), K::igual(a, b)) << p[0] << " / " << p[1];
    }
}

TEST_F(TextoTest, DoubleByteCharacterIsNeverSplit)
{
    ASSERT_EQ(_setmbcp(932), 0);
    EXPECT_TRUE(_ismbblead(0x82));
    EXPECT_FALSE(_ismbblead(0x41));
    char campo[4];
    std::memset(campo, 'z', sizeof campo);
    // "A" then a two-byte character: only its lead byte would fit at position 3.
    tolv::SetTexto(campo, 3, "AB\x82\xA0");
    EXPECT_EQ(std::string(campo, 4), std::string("AB\0z", 4));
    tolv::SetTexto(campo, 3, "A\x82\xA0");
    EXPECT_EQ(std::string(campo, 4), std::string("A\x82\xA0z", 4));

    ASSERT_EQ(_setmbcp(1252), 0);
    tolv::SetTexto(campo, 3, "AB\x82\xA0");
    EXPECT_EQ(std::string(campo, 3), std::string("AB\x82", 3)) << "single-byte code page copies the byte";
}

// --- Value types ---------------------------------------------------------------

TEST(Valores, DateSlotSetterZeroesTheFourBytesAfter)
{
    using K = tolv::fk::Data;
    JQDataSlot slot;
    std::memset(&slot, 0xAB, sizeof slot);
    EXPECT_EQ(K::get(slot).bytes[0], 0xAB) << "loaded bytes stay until the setter runs";
    REG_JQDMA d{{1, 2, 3, 4}};
    K::set(slot, d);
    EXPECT_TRUE(K::get(slot) == d);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(slot.Zero[i], 0) << "byte " << i + 4 << " of the slot";
}

TEST(Valores, DayNumbersFollowTheModuleCalendar)
{
    EXPECT_EQ(JQDia16(0, 0, 0), 0);
    EXPECT_EQ(JQDia16(31, 12, 1999), 55518);
    EXPECT_EQ(JQDia16(1, 1, 2000), 55519);
    EXPECT_EQ(JQDia16(1, 1, 1927), 28856);
    EXPECT_EQ(JQDia16(1, 3, 2024) - JQDia16(28, 2, 2024), 2) << "leap year has 29 February";
    EXPECT_EQ(JQDia16(1, 3, 2023) - JQDia16(28, 2, 2023), 1);
    EXPECT_EQ(JQDia16(29, 2, 2023), JQDia16(28, 2, 2023)) << "29 February of a common year is the 28th";
    EXPECT_EQ(JQDia16(31, 4, 2023), JQDia16(30, 4, 2023)) << "day cut to the month";
    EXPECT_EQ(JQDia16(1, 1, 2026) - JQDia16(31, 12, 2025), 1);
}

TEST(Valores, RecordKeyBits)
{
    REG_JQDMC k = JQDMC_Monta(0xDEADBEEF, 34440);
    EXPECT_EQ(JQDMC_Numero(k), 0xDEADBEEFul);
    EXPECT_EQ(JQDMC_Parte16(k), 34440);
    EXPECT_EQ(JQDMC_Bits(k) & 3, 2u) << "flag bit 1 set, bit 0 clear";
    EXPECT_EQ(JQDMC_Bits(k) >> 62, 0u);
    REG_JQDMC z = JQDMC_Monta(5, 0);
    EXPECT_EQ(JQDMC_Bits(z) & 2, 0u);
    EXPECT_EQ(JQDMC_Parte16(JQDMC_Monta(5, 34441)), 0) << "outside 1..34440 reads as 0";
}

// --- CRC-32 --------------------------------------------------------------------

TEST(CRC32, CheckValuesAndContinuation)
{
    EXPECT_EQ(JQCRC32("abc", 3), 0xCA6598D0ul);
    EXPECT_EQ(JQCRC32("123456789", 9), 0x2DFD2D88ul);
    unsigned long parte = JQCRC32("1234", 4);
    EXPECT_EQ(JQCRC32("56789", 5, &parte), 0x2DFD2D88ul);
    unsigned long semente = 0x12345678;
    EXPECT_EQ(JQCRC32("x", 0), 0ul);
    EXPECT_EQ(JQCRC32("x", -5, &semente), semente) << "negative length processes nothing";
}

// --- Guarded routines ----------------------------------------------------------

class GuardaTest : public testing::Test {
protected:
    void SetUp() override
    {
        pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        void* p = mmap(nullptr, 2 * pagina, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        ASSERT_NE(p, MAP_FAILED);
        base = static_cast<char*>(p);
        ASSERT_EQ(mprotect(base + pagina, pagina, PROT_NONE), 0);
    }
    void TearDown() override { munmap(base, 2 * pagina); }

    size_t pagina = 0;
    char* base = nullptr;
};

TEST_F(GuardaTest, CopyIntoUnwritablePageKeepsWhatWasWritten)
{
    std::vector<char> src(64, 'q');
    char* dst = base + pagina - 16;
    EXPECT_EQ(JQMemCpy(dst, src.data(), src.size(), "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(std::string(dst, 16), std::string(16, 'q')) << "bytes before the fault stay written";
}

TEST_F(GuardaTest, UnreadableSourceAndNullGiveNull)
{
    char dst[32];
    EXPECT_EQ(JQMemCpy(dst, base + pagina, sizeof dst, "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(JQMemCpy(dst, nullptr, 4, "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(JQMemSet(nullptr, 0, 4, "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(JQMemSet(base + pagina - 4, 0, 8, "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(JQStrCpy(dst, base + pagina, "DadosCore", __LINE__), nullptr);
    EXPECT_EQ(JQMemCpy(dst, "ok", 3, "DadosCore", __LINE__), dst) << "the guard is reusable after a fault";
    EXPECT_STREQ(dst, "ok");
}

TEST_F(GuardaTest, TextEndingAtUnreadablePageReadsUpToIt)
{
    char* fim = base + pagina - 3;
    std::memcpy(fim, "abc", 3);
    EXPECT_EQ(tolv::JQStrNLenGuardado(fim, 100), -1);
    EXPECT_EQ(tolv::JQStrNLenGuardado(fim, 3), 3);
    EXPECT_STREQ(tolv::LeTextoGuardado(fim, 3).GetString(), "abc");
}

TEST_F(GuardaTest, FaultMidwayKeepsEveryByteBeforeIt)
{
    // 191 bytes go as two 64-byte pieces (where the processor has them), three
    // 16-byte pieces, one of 8, one of 4 and three single bytes: every
    // distance from the fault falls inside each of them.
    constexpr size_t n = 191;
    for (size_t antes = 1; antes < n; ++antes) {
        char dst[n + 1];
        std::memset(dst, '.', sizeof dst);
        std::memset(base + pagina - antes, 'r', antes);
        EXPECT_EQ(JQMemCpy(dst, base + pagina - antes, n, "DadosCore", __LINE__), nullptr);
        EXPECT_EQ(std::string(dst, antes + 1), std::string(antes, 'r') + ".")
            << "copy from " << antes << " bytes before an unreadable page";
        std::memset(base + pagina - n, '.', n);
        EXPECT_EQ(JQMemCpy(base + pagina - antes, dst, n, "DadosCore", __LINE__), nullptr);
        EXPECT_EQ(std::string(base + pagina - n, n), std::string(n - antes, '.') + std::string(antes, 'r'))
            << "copy to " << antes << " bytes before an unwritable page";
    }
    // Fills under 512 bytes go by 4-byte pieces, longer ones by the string
    // instruction; only the low byte of the value counts.
    for (size_t total : {size_t(9), size_t(100), size_t(700)})
        for (int valor : {0, 0x5A, 0x1A5})
            for (size_t antes = 1; antes < 9; ++antes) {
                std::memset(base + pagina - 12, '.', 12);
                EXPECT_EQ(JQMemSet(base + pagina - antes, valor, total, "DadosCore", __LINE__), nullptr);
                EXPECT_EQ(std::string(base + pagina - 12, 12),
                          std::string(12 - antes, '.') + std::string(antes, static_cast<char>(valor & 0xFF)))
                    << "fill of " << total << " with " << valor << " from " << antes << " bytes before the page";
            }
    for (size_t n : {size_t(1), size_t(7), size_t(511), size_t(512), size_t(1000)}) {
        std::vector<unsigned char> b(n + 2, 0xEE);
        EXPECT_EQ(JQMemSet(b.data() + 1, 0x33, n, "DadosCore", __LINE__), b.data() + 1);
        EXPECT_EQ(b.front(), 0xEE);
        EXPECT_EQ(b.back(), 0xEE) << "fill of " << n << " stays inside";
        EXPECT_EQ(std::count(b.begin(), b.end(), 0x33), static_cast<long>(n)) << "fill of " << n;
    }
}

// A list's structures are read up to the end of the last one and no further:
// the source ends where the readable memory does.
TEST_F(GuardaTest, ElementCopiesReadNothingPastTheLastBlock)
{
    for (size_t tamanho : {size_t{8}, size_t{16}, size_t{20}, size_t{24}, size_t{40}})
        for (size_t folga : {size_t{0}, size_t{8}})
            for (size_t n = 1; n <= 9; ++n) {
                const size_t passo = tamanho + folga;
                const char* src = base + pagina - ((n - 1) * passo + tamanho);
                std::vector<char> dst(n * tamanho);
                tolv::CopiaElementos(dst.data(), tamanho, src, passo, n, tamanho);
                EXPECT_EQ(std::memcmp(dst.data() + (n - 1) * tamanho, base + pagina - tamanho, tamanho), 0)
                    << n << " blocks of " << tamanho << ", " << passo << " apart";
            }
}

TEST_F(GuardaTest, ReadableBytesStopAtTheUnreadablePage)
{
    EXPECT_EQ(tolv::JQMemLegivel(base + pagina - 10, 4), 4u);
    EXPECT_EQ(tolv::JQMemLegivel(base + pagina - 10, 100), 10u);
    EXPECT_EQ(tolv::JQMemLegivel(base, 2 * pagina), pagina);
    EXPECT_EQ(tolv::JQMemLegivel(base + pagina, 1), 0u);
    EXPECT_EQ(tolv::JQMemLegivel(nullptr, 8), 0u);
    EXPECT_EQ(tolv::JQMemLegivel(base, 0), 0u);
    EXPECT_EQ(tolv::JQMemLegivel(base + pagina - 1, static_cast<size_t>(-1)), 1u) << "a length past the address space";
}

// Every block size around the widths of the moves (plain, 16 and 32 bytes),
// with and without a gap between the source blocks: the blocks land one after
// another and nothing past them is written.
TEST(CopiaElementos, BlocksLandPackedAndNothingPastThem)
{
    for (size_t tamanho = 1; tamanho <= 100; ++tamanho)
        for (size_t folga : {size_t{0}, size_t{1}, size_t{8}, size_t{13}})
            for (size_t n : {size_t{1}, size_t{4}, size_t{5}, size_t{7}, size_t{8}, size_t{9}, size_t{13}}) {
                const size_t passo = tamanho + folga;
                std::vector<unsigned char> src(n * passo + 1);
                for (size_t i = 0; i < src.size(); ++i)
                    src[i] = static_cast<unsigned char>(i * 31 + 7);
                std::vector<unsigned char> dst(n * tamanho + 16, 0xEE);
                tolv::CopiaElementos(dst.data() + 1, tamanho, src.data() + 1, passo, n, tamanho);
                for (size_t k = 0; k < n; ++k)
                    ASSERT_EQ(std::memcmp(dst.data() + 1 + k * tamanho, src.data() + 1 + k * passo, tamanho), 0)
                        << "block " << k << " of " << n << ", " << tamanho << " bytes, " << passo << " apart";
                EXPECT_EQ(dst[0], 0xEE) << tamanho << " bytes";
                EXPECT_TRUE(
                    std::all_of(dst.begin() + 1 + n * tamanho, dst.end(), [](unsigned char c) { return c == 0xEE; }))
                    << tamanho << " bytes, " << passo << " apart";
            }
    tolv::CopiaElementos(nullptr, 40, nullptr, 48, 0, 40);
}

// Every length around the widths of the moves and the bound where the C
// library's copy takes over, at several alignments of either block: the bytes
// land and nothing around them is written.
TEST(CopiaBytes, EveryLengthAndAlignmentNothingOutside)
{
    std::vector<size_t> tamanhos;
    for (size_t n = 0; n <= 300; ++n)
        tamanhos.push_back(n);
    for (size_t n : {size_t{1448}, size_t{3512}, size_t{32767}, size_t{32768}, size_t{32769}, size_t{70001}})
        tamanhos.push_back(n);
    std::vector<unsigned char> src(70001 + 64);
    for (size_t i = 0; i < src.size(); ++i)
        src[i] = static_cast<unsigned char>(i * 31 + 7);
    for (size_t n : tamanhos)
        for (size_t ao : {size_t{0}, size_t{4}, size_t{13}})
            for (size_t ad : {size_t{0}, size_t{8}, size_t{31}}) {
                std::vector<unsigned char> dst(n + 64, 0xEE);
                tolv::CopiaBytes(dst.data() + ad, src.data() + ao, n);
                ASSERT_EQ(std::memcmp(dst.data() + ad, src.data() + ao, n), 0) << n << " bytes, " << ao << "/" << ad;
                ASSERT_TRUE(std::all_of(dst.begin(), dst.begin() + static_cast<std::ptrdiff_t>(ad),
                                        [](unsigned char c) { return c == 0xEE; }))
                    << n << " bytes, " << ao << "/" << ad;
                ASSERT_TRUE(std::all_of(dst.begin() + static_cast<std::ptrdiff_t>(ad + n), dst.end(),
                                        [](unsigned char c) { return c == 0xEE; }))
                    << n << " bytes, " << ao << "/" << ad;
            }
}

// Records of a head of 4 or 8 bytes and a structure up to their end are made
// whole, each head from the model and each structure from its source block;
// other shapes are refused with nothing written.
TEST(MontaElementos, HeadFromTheModelStructureFromTheSource)
{
    const unsigned char modelo[64] = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8};
    for (size_t cabeca : {size_t{4}, size_t{8}})
        for (size_t tamanho : {size_t{8}, size_t{9}, size_t{12}, size_t{15}, size_t{16}, size_t{17}, size_t{24},
                               size_t{40}, size_t{304}}) {
            const size_t passo = cabeca + tamanho, n = 5, passoOrigem = tamanho + 3;
            std::vector<unsigned char> src(n * passoOrigem);
            for (size_t i = 0; i < src.size(); ++i)
                src[i] = static_cast<unsigned char>(i * 29 + 3);
            std::vector<unsigned char> dst(n * passo + 16, 0xEE);
            ASSERT_TRUE(
                tolv::MontaElementos(dst.data() + 1, passo, modelo, cabeca, src.data(), passoOrigem, n, tamanho))
                << cabeca << "+" << tamanho;
            for (size_t k = 0; k < n; ++k) {
                const unsigned char* e = dst.data() + 1 + k * passo;
                ASSERT_EQ(std::memcmp(e, modelo, cabeca), 0)
                    << "head of record " << k << ", " << cabeca << "+" << tamanho;
                ASSERT_EQ(std::memcmp(e + cabeca, src.data() + k * passoOrigem, tamanho), 0)
                    << "structure of record " << k << ", " << cabeca << "+" << tamanho;
            }
            EXPECT_EQ(dst[0], 0xEE);
            EXPECT_TRUE(std::all_of(dst.begin() + 1 + n * passo, dst.end(), [](unsigned char c) { return c == 0xEE; }));
        }
    std::vector<unsigned char> src(64, 1), dst(64, 0xEE);
    EXPECT_FALSE(tolv::MontaElementos(dst.data(), 32, modelo, 16, src.data(), 16, 2, 16)) << "head of 16";
    EXPECT_FALSE(tolv::MontaElementos(dst.data(), 32, modelo, 8, src.data(), 16, 2, 16)) << "bytes after the structure";
    EXPECT_FALSE(tolv::MontaElementos(dst.data(), 11, modelo, 4, src.data(), 7, 2, 7)) << "structure of 7";
    EXPECT_TRUE(std::all_of(dst.begin(), dst.end(), [](unsigned char c) { return c == 0xEE; }));
}

// Packed structures of 8 to 72 bytes behind an 8-byte head, as the list
// readings send them, at every count up to 40 (past the count where the wide
// stores start, and several of their periods):
// each record whole, nothing written outside, and no byte read past the last
// structure (which ends where an unreadable page begins).
TEST_F(GuardaTest, MontaElementosPackedSourceEndingAtAnUnreadablePage)
{
    const unsigned char modelo[8] = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8};
    for (size_t tamanho = 8; tamanho <= 72; tamanho += 8)
        for (size_t n = 1; n <= 40; ++n) {
            const size_t passo = 8 + tamanho;
            auto* src = reinterpret_cast<unsigned char*>(base + pagina - n * tamanho);
            for (size_t i = 0; i < n * tamanho; ++i)
                src[i] = static_cast<unsigned char>(i * 29 + n);
            std::vector<unsigned char> dst(n * passo + 2, 0xEE);
            ASSERT_TRUE(tolv::MontaElementos(dst.data() + 1, passo, modelo, 8, src, tamanho, n, tamanho))
                << tamanho << " bytes, " << n << " records";
            for (size_t k = 0; k < n; ++k) {
                const unsigned char* e = dst.data() + 1 + k * passo;
                ASSERT_EQ(std::memcmp(e, modelo, 8), 0) << "head of record " << k << " of " << n << ", " << tamanho;
                ASSERT_EQ(std::memcmp(e + 8, src + k * tamanho, tamanho), 0)
                    << "structure of record " << k << " of " << n << ", " << tamanho;
            }
            ASSERT_EQ(dst.front(), 0xEE) << tamanho << " bytes, " << n << " records";
            ASSERT_EQ(dst.back(), 0xEE) << tamanho << " bytes, " << n << " records";
        }
}

// Every length around the widths of the loads (4, 16, 32 and 64 bytes, and
// the long blocks whose steps start aligned) at alignments that differ
// between the two blocks: equal blocks answer equal, and a single byte
// changed anywhere, at either end included, answers different.
TEST(BytesIguais, EveryLengthAndPositionOfADifference)
{
    std::vector<unsigned char> a(360 + 64), b(360 + 64);
    for (size_t inicio = 0; inicio < 32; inicio += 3)
        for (size_t n = 0; n <= 360; ++n) {
            const size_t outro = (inicio * 7 + 1) % 32;
            unsigned char* x = a.data() + inicio;
            unsigned char* y = b.data() + outro;
            for (size_t i = 0; i < n; ++i)
                x[i] = y[i] = static_cast<unsigned char>(i * 37 + 11);
            ASSERT_TRUE(tolv::BytesIguais(x, y, n)) << n << " bytes at " << inicio << " and " << outro;
            for (size_t k = 0; k < n; ++k) {
                y[k] ^= 0x40;
                const bool igual = tolv::BytesIguais(x, y, n);
                y[k] ^= 0x40;
                ASSERT_FALSE(igual) << "byte " << k << " of " << n << " at " << inicio << " and " << outro;
            }
        }
}

TEST(GuardaMorte, FaultOutsideGuardStillCrashes)
{
    EXPECT_DEATH(
        {
            volatile int* p = nullptr;
            *p = 1;
        },
        "");
}

// --- Run-time classes and the module's class list -------------------------------

void Coleta(const CRuntimeClass* c, void* ctx)
{
    static_cast<std::vector<std::string>*>(ctx)->push_back(c->m_lpszClassName);
}

TEST(Classes, RegisteredRecordsAndTheirBases)
{
    std::vector<std::string> nomes;
    AfxDoForAllClasses(Coleta, &nomes);
    auto tem = [&](const char* n) { return std::find(nomes.begin(), nomes.end(), n) != nomes.end(); };
    EXPECT_FALSE(tem("TJQBaseParaDados")) << "the base library's class is not this module's";
    EXPECT_FALSE(tem("TCMGerencial"));
    const struct {
        const CRuntimeClass* classe;
        const CRuntimeClass* base;
    } casos[] = {
        {RUNTIME_CLASS(TXContabilizacaoES), RUNTIME_CLASS(TXContabilizacao)},
        {RUNTIME_CLASS(TCMRERateioProduto), RUNTIME_CLASS(TCMRateioBase)},
        {RUNTIME_CLASS(TCMRERateioServico), RUNTIME_CLASS(TCMRateioBase)},
        {RUNTIME_CLASS(TCMREEntradaEstoque), RUNTIME_CLASS(TCMRateioBase)},
        {RUNTIME_CLASS(TCMREAtivoImobilizado), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TCMRERegistroEntrada), RUNTIME_CLASS(TJQBaseParaDados)},
    };
    for (const auto& c : casos) {
        EXPECT_TRUE(tem(c.classe->m_lpszClassName)) << c.classe->m_lpszClassName;
        EXPECT_EQ(c.classe->m_pfnGetBaseClass(), c.base) << c.classe->m_lpszClassName;
    }
    EXPECT_TRUE(tem("TCMRateioBase"));
    EXPECT_TRUE(RUNTIME_CLASS(TXContabilizacaoES)->IsDerivedFrom(RUNTIME_CLASS(TJQBaseParaDados)));
    EXPECT_EQ(TCMGerencial().GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados))
        << "unregistered class reports its base";
    EXPECT_EQ(TCMRERateioTitulo().GetRuntimeClass(), RUNTIME_CLASS(TCMRateioBase));
}

// --- TCMGerencial ---------------------------------------------------------------

TCMGerencial Exemplo()
{
    TCMGerencial g;
    g.SetValor(JQCY(15000));
    g.SetQuantidade(JQCY(-20000));
    g.SetPonteiroClassificacao(7);
    g.SetPonteiroGerencial(0x01020304);
    return g;
}

template <class S> void EnchePF(S& s) { std::memset(&s, 0xFF, sizeof s); }

TEST(Gerencial, FormsLeaveUnlistedBytesZero)
{
    _REG_EF_NF_GERENCIAL_PS ef;
    EnchePF(ef);
    Exemplo().CopiarPara(&ef);
    EXPECT_TRUE(re_teste::Bytes(ef, 8, 16)) << "bytes 8 to 15";
    EXPECT_TRUE(re_teste::Bytes(ef, 24, 56)) << "bytes 24 to 55";
    EXPECT_EQ(ef.Valor.int64, 15000);
    EXPECT_EQ(ef.PonteiroGerencial, 0x01020304);

    _REG_ES_GERENCIALPS es;
    EnchePF(es);
    Exemplo().CopiarPara(&es);
    EXPECT_EQ(es.PonteiroClassificacao, 7);
    TCMGerencial g = Exemplo();
    g.CopiarDe(&es);
    EXPECT_EQ(g.GetQuantidade().int64, 0) << "the clear runs first";
    EXPECT_EQ(g.GetValor().int64, 15000);

    tagRegGerencial_ps rg;
    EnchePF(rg);
    Exemplo().CopiarPara(&rg);
    TCMGerencial h;
    h.CopiarDe(&rg);
    EXPECT_TRUE(h == Exemplo());
}

TEST(Gerencial, ReadsOwnersApportionmentBlock)
{
    unsigned char bloco[40];
    std::memset(bloco, 0x11, sizeof bloco);
    auto* r = reinterpret_cast<_REG_RATEIO_CONTAS_GERENCIAISPS*>(bloco);
    r->Valor = JQCY(9);
    r->PonteiroClassificacao = 2;
    r->PonteiroGerencial = 3;
    TCMGerencial g = Exemplo();
    g.CopiarDe(r);
    EXPECT_EQ(g.GetValor().int64, 9);
    EXPECT_EQ(g.GetQuantidade().int64, 0);
    EXPECT_EQ(g.GetPonteiroClassificacao(), 2);
    EXPECT_EQ(g.GetPonteiroGerencial(), 3);
}

TEST(Gerencial, UnreadableSourceLeavesRecordCleared)
{
    TCMGerencial g = Exemplo();
    g.CopiarDe(static_cast<_REG_ES_GERENCIALPS*>(nullptr));
    EXPECT_TRUE(g == TCMGerencial());
    g = Exemplo();
    g.CopiarPara(static_cast<tagRegGerencial_ps*>(nullptr));
    EXPECT_TRUE(g == Exemplo());
}

TEST(Gerencial, ComparisonSeesWholeAmountsAndSelfAssignmentKeepsTheRecord)
{
    const TCMGerencial a = Exemplo();
    TCMGerencial b = a;
    b.SetQuantidade(JQCY(0x100000000ll - 20000));
    EXPECT_TRUE(a != b) << "Quantidade high half";
    b = a;
    TCMGerencial& r = b;
    b = r;
    EXPECT_TRUE(b == a) << "self-assignment";
    b.Limpar();
    EXPECT_TRUE(b == TCMGerencial());
}

} // namespace
