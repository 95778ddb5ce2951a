// The fiscal-bookkeeping movement: its structure, the ICMS rates split between
// header and caller's array, the management entries, the counts it overwrites,
// bad input and the freeing.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraEF.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;
using Aliquotas = CArray<_REG_ALIQUOTASICMSPS, const _REG_ALIQUOTASICMSPS&>;

TEFMovimentoAliquotaICMS Aliquota(unsigned short percentual, long long base, long long valor, unsigned short cfop)
{
    TEFMovimentoAliquotaICMS a;
    a.SetPercentualAliquotaICMS(percentual);
    a.SetValorBaseCalculoICMS(JQCY(base));
    a.SetValorICMS(JQCY(valor));
    a.SetPonteiroCFOP(cfop);
    return a;
}

_REG_ALIQUOTASICMSPS Imagem(const TEFMovimentoAliquotaICMS& a)
{
    _REG_ALIQUOTASICMSPS e;
    a.CopiarPara(&e);
    return e;
}

class MovimentoTest : public testing::Test {
protected:
    void TearDown() override { TEFMovimento::ZerarDelete(&ps); }
    // Sends m into the 0xFF-filled ps.
    void Envia(const TEFMovimento& m, Aliquotas* a)
    {
        std::memset(&ps, 0xFF, sizeof ps);
        m.CopiarPara(&ps, a);
    }
    _REG_ESCRITAFISCALPS ps;
    Aliquotas aliquotas;
};

TEST_F(MovimentoTest, KeptRatesSplitBetweenHeaderAndTheEndOfTheCallersArray)
{
    TEFMovimento m;
    m.SetPonteiroCFOP(1102);
    const TEFMovimentoAliquotaICMS linhas[] = {Aliquota(1800, 100000, 18000, 5101), Aliquota(0, 7, 7, 7),
                                               Aliquota(1200, 200000, 24000, 6101),
                                               Aliquota(1800, 300000, 54000, 6102)};
    for (const auto& a : linhas)
        m.AdicionaAliquotaICMS(a);
    const _REG_ALIQUOTASICMSPS antes[] = {Imagem(Aliquota(400, 1, 2, 3)), Imagem(Aliquota(700, 4, 5, 6))};
    for (const auto& a : antes)
        aliquotas.Add(a);

    Envia(m, &aliquotas);
    EXPECT_EQ(ps.QtdAliquotasICMS, 3);
    EXPECT_EQ(ps.PercentualAliquotaICMS, 1800);
    EXPECT_EQ(ps.ValorBaseCalculoICMS.int64, 100000) << "from the first 18";
    EXPECT_EQ(ps.ValorICMS.int64, 18000);
    EXPECT_EQ(ps.PonteiroCFOP, 1102) << "the rate's CFOP is not carried";
    ASSERT_EQ(aliquotas.GetSize(), 4);
    const _REG_ALIQUOTASICMSPS esperadas[] = {antes[0], antes[1], Imagem(linhas[2]), Imagem(linhas[3])};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(std::memcmp(&aliquotas[k], &esperadas[k], 40), 0) << "entry " << k;
}

TEST_F(MovimentoTest, NoKeptRateEndsOnlyTheRateStep)
{
    amostra::Gerador g(1001);
    TEFMovimento m;
    amostra::Movimento(m, g, 2);
    m.RemoveTodosAliquotaICMS();
    m.AdicionaAliquotaICMS(Aliquota(0, 500, 90, 5102));
    m.AdicionaAliquotaICMS(Aliquota(0, 600, 80, 5102));
    Envia(m, nullptr);
    EXPECT_EQ(ps.QtdAliquotasICMS, 0);
    EXPECT_EQ(ps.PercentualAliquotaICMS, 0);
    EXPECT_EQ(ps.ValorICMS.int64, 0);
    EXPECT_EQ(ps.ValorBaseCalculoICMS.int64, 0);
    EXPECT_EQ(ps.TamanhoGerencial, 4) << "the steps after the rates still run";
    EXPECT_EQ(ps.TamanhoFinanceiro, 2);
    EXPECT_EQ(ps.QtdDadosDI, 2);
    EXPECT_EQ(ps.QtdNotasReferidas, 2);
    EXPECT_EQ(ps.QtdNotasFiscais, 2);

    aliquotas.Add(Imagem(Aliquota(400, 1, 2, 3)));
    TEFMovimento::ZerarDelete(&ps);
    TEFMovimento um;
    um.AdicionaAliquotaICMS(Aliquota(0, 1, 1, 1));
    um.AdicionaAliquotaICMS(Aliquota(1700, 2, 2, 2));
    Envia(um, nullptr);
    EXPECT_EQ(ps.QtdAliquotasICMS, 1) << "one kept rate needs no array";
    Envia(um, &aliquotas);
    EXPECT_EQ(aliquotas.GetSize(), 1) << "the array is left alone";
}

TEST_F(MovimentoTest, TwoKeptRatesWithoutAnArrayAreRefusedBeforeAnythingIsWritten)
{
    TEFMovimento m;
    m.SetDadosAdicionais("texto");
    m.AdicionaParcela(TEFMovimentoParcela());
    m.AdicionaAliquotaICMS(Aliquota(1800, 1, 1, 1));
    m.AdicionaAliquotaICMS(Aliquota(1200, 2, 2, 2));
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { m.CopiarPara(&ps, nullptr); }));
    EXPECT_TRUE(Bytes(ps, 0, sizeof ps, 0xFF)) << "structure untouched";
    std::memset(&ps, 0, sizeof ps);
}

// What does not fit a 16-bit count is refused up front, structure and rate
// array as they were.
TEST_F(MovimentoTest, WhatDoesNotFitItsCountIsRefusedUpFront)
{
    struct Caso {
        const char* campo;
        void (*muda)(TEFMovimento&);
    };
    const Caso casos[] = {
        {"DadosAdicionais of 65535", [](TEFMovimento& m) { m.SetDadosAdicionais(std::string(65535, 'd').c_str()); }},
        {"Parcela", [](TEFMovimento& m) { m.GetListaParcela().SetSize(65536); }},
        {"DI", [](TEFMovimento& m) { m.GetListaDI().SetSize(65536); }},
        {"Referida", [](TEFMovimento& m) { m.GetListaReferida().SetSize(65536); }},
        {"Transporte", [](TEFMovimento& m) { m.GetListaTransporte().SetSize(65536); }},
        {"kept rates",
         [](TEFMovimento& m) {
             m.GetListaAliquotaICMS().SetSize(65536);
             for (int k = 0; k < 65536; ++k)
                 m.GetRefAliquotaICMS(k).SetPercentualAliquotaICMS(100);
         }},
        {"management lines",
         [](TEFMovimento& m) {
             TXGerencialComposto c;
             TXGerencialSimples s;
             s.GetListaGerencial().SetSize(40000);
             c.AdicionaGerencial(s);
             c.AdicionaGerencial(s);
             m.SetGerencialComposto(c);
         }},
    };
    for (const Caso& c : casos) {
        TEFMovimento m;
        m.AdicionaAliquotaICMS(Aliquota(1800, 1, 1, 1));
        m.AdicionaAliquotaICMS(Aliquota(1200, 2, 2, 2));
        m.AdicionaDI(TEFMovimentoDI());
        c.muda(m);
        Aliquotas a;
        std::memset(&ps, 0xFF, sizeof ps);
        EXPECT_TRUE(LancaArgumentoInvalido([&] { m.CopiarPara(&ps, &a); })) << c.campo;
        EXPECT_TRUE(Bytes(ps, 0, sizeof ps, 0xFF)) << c.campo;
        EXPECT_EQ(a.GetSize(), 0) << c.campo;
    }
    std::memset(&ps, 0, sizeof ps);
    TEFMovimento m;
    m.SetDadosAdicionais(std::string(65534, 'd').c_str());
    Envia(m, nullptr);
    EXPECT_EQ(ps.TamanhoDadosAdicionaisComBarraZero, 65535) << "the largest text that fits";
}

TEST_F(MovimentoTest, ManagementGroupsFlattenedInOrderAndStampedWithTheEntryDate)
{
    TEFMovimento m;
    m.SetDataEntrada(55700);
    TXGerencialComposto c;
    TXGerencialSimples a, b;
    for (long k = 1; k <= 2; ++k)
        a.AdicionaGerencial(re_teste::Linha(k, 1000 * k));
    for (long k = 1; k <= 3; ++k)
        b.AdicionaGerencial(re_teste::Linha(k, 7 * k)); // accounts repeated: not merged
    c.AdicionaGerencial(a);
    c.AdicionaGerencial(b);
    m.SetGerencialComposto(c);
    Envia(m, nullptr);
    ASSERT_EQ(ps.TamanhoGerencial, 5);
    const long contas[] = {1, 2, 1, 2, 3};
    const long long valores[] = {1000, 2000, 7, 14, 21};
    for (int k = 0; k < 5; ++k) {
        const _REG_EF_NF_GERENCIAL_PS& e = ps.pGerencial[k];
        EXPECT_EQ(e.PonteiroGerencial, contas[k]) << "entry " << k;
        EXPECT_EQ(e.PonteiroClassificacao, contas[k] * 10) << "entry " << k;
        EXPECT_EQ(e.Valor.int64, valores[k]) << "entry " << k;
        EXPECT_EQ(e.DataEntrada, 55700) << "entry " << k;
        EXPECT_TRUE(Bytes(e, 8, 16)) << "no quantity, entry " << k;
        EXPECT_TRUE(Bytes(e, 26, 56)) << "entry " << k;
    }
    EXPECT_EQ(m.GetGerencialComposto().GetQuantidadeGerencial(), 2) << "the record keeps its groups";
}

TEST_F(MovimentoTest, EveryCountIsOverwrittenButTheFixedAssetOne)
{
    TEFMovimento m;
    m.SetQtdNotasReferidas(77);
    m.SetQtdNotasFiscais(77);
    m.SetQtdAtivoImobilizado(77);
    m.SetTamanhoDadosAdicionaisComBarraZero(77);
    m.SetTamanhoFinanceiro(77);
    m.SetTamanhoGerencial(77);
    m.SetQtdDadosDI(77);
    m.AdicionaReferida(TEFMovimentoReferida());
    m.AdicionaReferida(TEFMovimentoReferida());
    m.AdicionaTransporte(TEFMovimentoTransporte());
    m.AdicionaParcela(TEFMovimentoParcela());
    m.AdicionaParcela(TEFMovimentoParcela());
    m.AdicionaParcela(TEFMovimentoParcela());
    m.AdicionaItem(TEFMovimentoItem()); // items are not carried
    m.SetDadosAdicionais("abc");
    Envia(m, nullptr);
    EXPECT_EQ(ps.QtdNotasReferidas, 2);
    EXPECT_EQ(ps.QtdNotasFiscais, 1);
    EXPECT_EQ(ps.QtdAtivoImobilizado, 77) << "carried as set";
    EXPECT_TRUE(Bytes(ps, 1008, 1012)) << "its slot stays zero";
    EXPECT_EQ(ps.TamanhoDadosAdicionaisComBarraZero, 4);
    ASSERT_NE(ps.pDadosAdicionais, nullptr);
    EXPECT_EQ(std::memcmp(ps.pDadosAdicionais, "abc", 4), 0);
    EXPECT_EQ(ps.TamanhoFinanceiro, 3);
    EXPECT_EQ(ps.TamanhoGerencial, 0);
    EXPECT_EQ(ps.pGerencial, nullptr);
    EXPECT_EQ(ps.QtdDadosDI, 0);
    EXPECT_EQ(ps.pDI, nullptr);
    EXPECT_TRUE(Bytes(ps, 909, 1000)) << "reserved bytes";
    EXPECT_TRUE(Bytes(ps, 1028, 1032));
    EXPECT_EQ(m.GetQtdNotasReferidas(), 77) << "the record keeps what was set";
}

TEST_F(MovimentoTest, ZerarDeleteReleasesNullsAndZeroesAndIsHarmlessTwice)
{
    amostra::Gerador g(77);
    TEFMovimento m;
    amostra::Movimento(m, g, 3);
    m.SetQtdAtivoImobilizado(5);
    Envia(m, &aliquotas);
    ASSERT_EQ(ps.QtdAliquotasICMS, 3);
    ASSERT_NE(ps.pDadosAdicionais, nullptr);
    const _REG_ESCRITAFISCALPS antes = ps;
    TEFMovimento::ZerarDelete(&ps);
    _REG_ESCRITAFISCALPS esperado = antes;
    tolv::ZeraAninhados(&esperado);
    esperado.QtdAliquotasICMS = 0;
    EXPECT_EQ(std::memcmp(&ps, &esperado, sizeof ps), 0) << "only the blocks' slots and the rate count change";
    EXPECT_EQ(ps.QtdAtivoImobilizado, 5);
    EXPECT_NE(ps.ValorICMS.int64, 0) << "the header ICMS figures stay";
    TEFMovimento::ZerarDelete(&ps);
    EXPECT_EQ(std::memcmp(&ps, &esperado, sizeof ps), 0);
    TEFMovimento::ZerarDelete(nullptr);
}

TEST_F(MovimentoTest, UnwritableDestinationEndsTheConversionWithNothingAllocated)
{
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* morto = mmap(nullptr, pagina, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(morto, MAP_FAILED);
    amostra::Gerador g(5);
    TEFMovimento m;
    amostra::Movimento(m, g, 3);
    m.CopiarPara(static_cast<_REG_ESCRITAFISCALPS*>(morto), &aliquotas); // the sanitizers see any block left
    EXPECT_EQ(aliquotas.GetSize(), 0);
    EXPECT_TRUE(Bytes(*static_cast<_REG_ESCRITAFISCALPS*>(morto), 0, sizeof ps));
    munmap(morto, pagina);
    std::memset(&ps, 0, sizeof ps);
}

} // namespace
