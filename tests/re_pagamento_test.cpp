// Payment condition, instalments and tax titles of the entry register.
#include <algorithm>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

REG_JQDMA Data(unsigned char d) { return REG_JQDMA{{d, 0, 7, 0}}; }

REG_CODBARRAS CodBarras(const char* texto, unsigned char codigo, unsigned char complemento)
{
    REG_CODBARRAS c{};
    std::memcpy(c.Texto, texto, std::min(std::strlen(texto), sizeof c.Texto));
    c.Codigo = codigo;
    c.Complemento = complemento;
    return c;
}

TCMREParcela Parcela(unsigned char numero)
{
    TCMREParcela p;
    p.SetRegCodBarras(CodBarras("23790001192110001210", 7, 9));
    p.SetRegDataVencimento(Data(numero));
    p.SetValorBruto(JQCY(1000000));
    p.SetNumeroDocumento("NF 1234/A");
    p.SetNumeroDaParcela(numero);
    return p;
}

TCMRETituloImposto Titulo(int rateios)
{
    TCMRETituloImposto t;
    t.SetValor(JQCY(123400));
    t.SetCodigoReceita(5952);
    t.SetRegDataVencimento(Data(20));
    t.SetComplementoHistorico("retencao pis/cofins/csll");
    for (int k = 0; k < rateios; ++k) {
        TCMRERateioTitulo r;
        r.SetPonteiroClassificacao(900 + k);
        for (int j = 0; j <= k; ++j)
            r.AdicionaGerencial(Linha(100 + j, 1000));
        t.AdicionaRateio(r);
    }
    return t;
}

// --- Instalments -------------------------------------------------------------------

TEST(Parcela, BarCodeKeepsItsBytesAndZeroesTheSixAfterThem)
{
    tagREG_FATURA_ENTRADAPS ps;
    std::memset(&ps, 0xEE, sizeof ps);
    TCMREParcela p;
    p.CopiarDe(&ps);
    REG_CODBARRAS c = CodBarras("123456789012345678901234", 0xA5, 0x5A);
    p.SetRegCodBarras(c);
    REG_CODBARRAS lido = p.GetRegCodBarras();
    EXPECT_EQ(std::memcmp(&lido, &c, sizeof c), 0) << "the 26 bytes of RegCodBarras";
    p.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 26, 32)) << "bytes 26 to 31";
}

TEST(Parcela, RawBlockTravelsBothWaysWithItsReservedBytes)
{
    tagREG_FATURA_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Parcela(3).CopiarPara(&ps);
    std::memset(ps.Reservado153, 0x3C, sizeof ps.Reservado153);
    TCMREParcela lida = Parcela(9);
    lida.CopiarDe(&ps);
    EXPECT_TRUE(lida == Parcela(3));
    tagREG_FATURA_ENTRADAPS volta;
    lida.CopiarPara(&volta);
    EXPECT_EQ(std::memcmp(&volta, &ps, sizeof ps), 0);
}

TEST(Parcela, BarCodeComparesTextUpToItsNulAndByte24Only)
{
    TCMREParcela a = Parcela(1);
    TCMREParcela b = Parcela(1);
    b.SetRegCodBarras(CodBarras("23790001192110001210", 7, 0x42));
    EXPECT_TRUE(a == b) << "byte 25";
    b.SetRegCodBarras(CodBarras("23790001192110001210", 8, 9));
    EXPECT_FALSE(a == b) << "byte 24";
    REG_CODBARRAS c = CodBarras("23790001192110001210", 7, 9);
    c.Texto[22] = 'x';
    b.SetRegCodBarras(c);
    EXPECT_TRUE(a == b) << "bytes after the NUL of the text";
    a.SetRegCodBarras(CodBarras("123456789012345678901234", 7, 9));
    b.SetRegCodBarras(CodBarras("123456789012345678901234", 7, 1));
    EXPECT_TRUE(a == b) << "a full 24-byte text";
}

// --- Tax titles --------------------------------------------------------------------

class TituloImpostoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_TITULO_IMPOSTOS_ENTRADAPS ps{};
};

TEST_F(TituloImpostoTest, ApportionmentsWithTheirLinesComeBackEqual)
{
    TCMRETituloImposto original = Titulo(2);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdRateio, 2);
    ASSERT_EQ(ps.pRateio[1].QtdGerencial, 2);
    EXPECT_EQ(ps.pRateio[1].pGerencial[1].PonteiroGerencial, 101);
    TCMRETituloImposto lido = Titulo(1);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetRateio(1).GetQuantidadeGerencial(), 2);
}

TEST(TituloImposto, ComparesApportionmentsAndEveryFieldThenTheComplementLast)
{
    TCMRETituloImposto b = Titulo(1);
    b.GetRefRateio(0).SetFilial(9);
    EXPECT_FALSE(Titulo(1) == b) << "Rateio";
    int n = 0;
    ObservaComplemento obs;
    auto erros = CamposForaDaComparacao<TCMRETituloImposto, tagREG_TITULO_IMPOSTOS_ENTRADAPS>(Titulo(0), n, false);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 12);
    EXPECT_EQ(obs.chamadas.size(), 3u) << "only the complement and the two reserved runs reach the last test";

    obs.chamadas.clear();
    b = Titulo(0);
    b.SetComplementoHistorico("Retencao");
    EXPECT_FALSE(Titulo(0) == b) << "ComplementoHistorico, case-sensitive";
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Retencao") << "first argument: the other title's text";
    EXPECT_EQ(obs.chamadas[0].second, "retencao pis/cofins/csll");
}

// --- Payment condition --------------------------------------------------------------

TCMRECondicaoPgto Condicao()
{
    TCMRECondicaoPgto c;
    c.SetPonteiroTipoCobranca(5);
    c.SetRegDataPrimeiroVencimento(Data(15));
    c.SetPonteiroCondicaoPagamento(30);
    c.SetPonteiroTipoPeriodo(1);
    c.AdicionaParcela(Parcela(1));
    c.AdicionaParcela(Parcela(2));
    c.AdicionaTitulo(Titulo(1));
    return c;
}

TEST(CondicaoPgto, ComparesListsAndScalarsButNotThePeriodType)
{
    const TCMRECondicaoPgto base = Condicao();
    TCMRECondicaoPgto b = base;
    b.SetPonteiroTipoPeriodo(9);
    EXPECT_TRUE(base == b) << "PonteiroTipoPeriodo is not compared";
    void (*muda[])(TCMRECondicaoPgto&) = {
        [](TCMRECondicaoPgto& c) { c.TrocaParcela(0, 1); },
        [](TCMRECondicaoPgto& c) { c.GetRefTitulo(0).SetCedente(1); },
        [](TCMRECondicaoPgto& c) { c.SetPonteiroTipoCobranca(1); },
        [](TCMRECondicaoPgto& c) { c.SetRegDataPrimeiroVencimento(Data(1)); },
        [](TCMRECondicaoPgto& c) { c.SetPonteiroCondicaoPagamento(1); },
    };
    const char* campo[] = {"Parcela order", "Titulo", "PonteiroTipoCobranca", "RegDataPrimeiroVencimento",
                           "PonteiroCondicaoPagamento"};
    for (int k = 0; k < 5; ++k) {
        b = base;
        muda[k](b);
        EXPECT_TRUE(base != b) << campo[k];
    }
}

} // namespace
