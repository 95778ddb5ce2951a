// Apportionments of the entry register: title, service and product lines.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

// --- Title apportionment -------------------------------------------------------------

TCMRERateioTitulo RateioTitulo(int linhas)
{
    TCMRERateioTitulo r;
    r.SetValor(JQCY(250000));
    r.SetPonteiroClassificacao(31);
    r.SetFilial(2);
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(10 + k, 100 * (k + 1)));
    return r;
}

class RateioTituloTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_TITULO_RATEIO_ENTRADAPS ps{};
};

TEST_F(RateioTituloTest, WithoutLinesSendsZeroCountAndNullPointer)
{
    std::memset(&ps, 0xFF, sizeof ps);
    RateioTitulo(0).CopiarPara(&ps);
    EXPECT_EQ(ps.QtdGerencial, 0);
    EXPECT_EQ(ps.pGerencial, nullptr);
    EXPECT_TRUE(Bytes(ps, 14, 30)) << "reserved at 14";
    EXPECT_TRUE(Bytes(ps, 36, 40)) << "reserved at 36";
}

TEST_F(RateioTituloTest, LinesComeBackInOrderAndOversizeIsRefused)
{
    TCMRERateioTitulo original = RateioTitulo(3);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdGerencial, 3);
    EXPECT_EQ(ps.pGerencial[2].Quantidade.int64, 150);
    TCMRERateioTitulo lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);

    for (int k = 0; k < 65536; ++k)
        lido.AdicionaGerencial(Linha(1, 1));
    tagREG_TITULO_RATEIO_ENTRADAPS outro{};
    EXPECT_TRUE(LancaArgumentoInvalido([&] { lido.CopiarPara(&outro); }));
    EXPECT_EQ(outro.QtdGerencial, 0) << "no truncated count";
    EXPECT_EQ(outro.pGerencial, nullptr);
}

TEST(RateioTitulo, ComparesLinesInOrderAndEveryField)
{
    TCMRERateioTitulo b = RateioTitulo(2);
    b.TrocaGerencial(0, 1);
    EXPECT_TRUE(RateioTitulo(2) != b) << "Gerencial order";
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMRERateioTitulo, tagREG_TITULO_RATEIO_ENTRADAPS>(RateioTitulo(0), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 3);
    EXPECT_EQ(b.GetRuntimeClass(), RUNTIME_CLASS(TCMRateioBase)) << "reports its registered base";
}

// --- Service apportionment -------------------------------------------------------------

TCMRERateioServico RateioServico(int linhas, int linhasFilial)
{
    TCMRERateioServico r;
    r.SetNEWValor(JQCY(900000));
    r.SetDestino('C');
    r.SetComplementoHistorico("servico de manutencao");
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(20 + k, 10));
    for (int k = 0; k < linhasFilial; ++k)
        r.AdicionaGerencialFilialClassificacao(Linha(70 + k, 30));
    return r;
}

class RateioServicoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_RATEIOSERVICO_ENTRADAPS ps{};
};

TEST_F(RateioServicoTest, BothListsTravelInTheirSlotsOverAFilledDestination)
{
    std::memset(&ps, 0xFF, sizeof ps);
    RateioServico(0, 0).CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 860, 896)) << "slots 860 to 875 and reserved at 876";
    EXPECT_TRUE(Bytes(ps, 200, 216) && Bytes(ps, 312, 328)) << "reserved at 200 and 312";

    TCMRERateioServico original = RateioServico(2, 3);
    original.CopiarPara(&ps);
    EXPECT_EQ(ps.pGerencial[1].PonteiroGerencial, 21);
    EXPECT_EQ(ps.pGerencialFilialClassificacao[2].PonteiroGerencial, 72);
    ps.Reservado862[0] = 0x77;
    TCMRERateioServico lido;
    lido.CopiarDe(&ps);
    ps.Reservado862[0] = 0;
    EXPECT_TRUE(lido == original);
    lido.RemoveTodosGerencial();
    lido.RemoveTodosGerencialFilialClassificacao();
    tagREG_RATEIOSERVICO_ENTRADAPS volta;
    lido.CopiarPara(&volta);
    EXPECT_TRUE(Bytes(volta, 860, 876)) << "the record keeps no slot of its source";
}

TEST_F(RateioServicoTest, NullArraysReadAsEmpty)
{
    ps.QtdGerencial = 3;
    ps.QtdGerencialFilialClassificacao = 4;
    TCMRERateioServico r = RateioServico(1, 1);
    r.CopiarDe(&ps);
    EXPECT_EQ(r.GetQuantidadeGerencial() + r.GetQuantidadeGerencialFilialClassificacao(), 0);
}

TEST(RateioServico, ComparesListsEveryFieldAndTheComplementLast)
{
    TCMRERateioServico b = RateioServico(1, 1);
    b.GetRefGerencialFilialClassificacao(0).SetValor(JQCY(3));
    EXPECT_TRUE(RateioServico(1, 1) != b) << "GerencialFilialClassificacao";
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMRERateioServico, tagREG_RATEIOSERVICO_ENTRADAPS>(RateioServico(0, 0), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 46);

    b = RateioServico(0, 0);
    b.SetComplementoHistorico("Servico de manutencao");
    ObservaComplemento obs;
    EXPECT_FALSE(RateioServico(0, 0) == b) << "ComplementoHistorico, case-sensitive";
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Servico de manutencao") << "first argument: the other record's text";
    b.SetDestino('E');
    EXPECT_FALSE(RateioServico(0, 0) == b);
    EXPECT_EQ(obs.chamadas.size(), 1u) << "an earlier difference ends the comparison";
}

} // namespace
