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

TEST_F(RateioTituloTest, LinesComeBackInOrder)
{
    TCMRERateioTitulo original = RateioTitulo(3);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdGerencial, 3);
    EXPECT_EQ(ps.pGerencial[2].Quantidade.int64, 150);
    TCMRERateioTitulo lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
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

TEST_F(RateioServicoTest, BothListsTravelInTheirSlots)
{
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

TEST(RateioServico, ComparesListsAndTheComplementLast)
{
    TCMRERateioServico b = RateioServico(1, 1);
    b.GetRefGerencialFilialClassificacao(0).SetValor(JQCY(3));
    EXPECT_TRUE(RateioServico(1, 1) != b) << "GerencialFilialClassificacao";

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

// --- Product apportionment ------------------------------------------------------------

TEST(AtivoImobilizado, RawBlockTravelsAndPlaquetaIsCaseSensitive)
{
    TCMREAtivoImobilizado a;
    a.SetValorCredito(JQCY(77000));
    a.SetNumeroFolha(41);
    a.SetDescricao(std::string(60, 'd').c_str());
    a.SetPlaqueta("PLQ-9");
    EXPECT_EQ(a.GetDescricao().GetLength(), 51) << "Descricao holds 51 characters at most";
    tagREG_ATIVO_IMOBILIZADO_ENTRADAPS ps;
    a.CopiarPara(&ps);
    TCMREAtivoImobilizado b;
    b.CopiarDe(&ps);
    EXPECT_TRUE(a == b);
    b.SetPlaqueta("plq-9");
    EXPECT_TRUE(a != b) << "Plaqueta, case-sensitive";
}

TCMRERateioProduto RateioProduto(int ativos)
{
    TCMRERateioProduto r;
    r.SetNEWValor(JQCY(1500000));
    r.SetCalcValorICMS(JQCY(180000));
    r.SetNumeroNotaFiscalOrigem("000123456");
    r.SetComplementoHistorico("compra de material");
    r.AdicionaGerencialOrigem(Linha(1, 10));
    r.AdicionaGerencial(Linha(2, 20));
    r.AdicionaGerencial(Linha(3, 30));
    r.AdicionaGerencialFilialClassificacao(Linha(4, 40));
    for (int k = 0; k < ativos; ++k) {
        TCMREAtivoImobilizado a;
        a.SetPlaqueta(("PLQ-" + std::to_string(k)).c_str());
        r.AdicionaAtivoImobilizado(a);
    }
    return r;
}

class RateioProdutoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_RATEIOPRODUTO_ENTRADAPS ps{};
};

TEST_F(RateioProdutoTest, ListsAndOneFixedAssetTravelInTheirSlots)
{
    TCMRERateioProduto original = RateioProduto(1);
    std::memset(&ps, 0xFF, sizeof ps);
    original.CopiarPara(&ps);
    EXPECT_EQ(ps.pGerencialOrigem[0].PonteiroGerencial, 1);
    EXPECT_EQ(ps.pGerencial[1].PonteiroGerencial, 3);
    EXPECT_EQ(ps.pGerencialFilialClassificacao[0].PonteiroGerencial, 4);
    ASSERT_EQ(ps.QtdAtivoImobilizado, 1);
    EXPECT_STREQ(ps.pAtivoImobilizado[0].Plaqueta, "PLQ-0");
    TCMRERateioProduto lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetQuantidadeAtivoImobilizado(), 1);
    lido.DeletarAtivoImobilizado(0);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
    lido.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdAtivoImobilizado, 0) << "asset removed after reading";
    EXPECT_EQ(ps.pAtivoImobilizado, nullptr);
}

// Zero, one, two or three fixed assets: the structure is written whole, with
// the asset only when there is exactly one, and the record stays as it was.
TEST(RateioProduto, TheStructureCarriesOneFixedAssetAtMost)
{
    for (int ativos : {0, 1, 2, 3}) {
        SCOPED_TRACE(std::to_string(ativos) + " fixed assets");
        const TCMRERateioProduto original = RateioProduto(ativos);
        tagREG_RATEIOPRODUTO_ENTRADAPS ps;
        std::memset(&ps, 0x5C, sizeof ps);
        EXPECT_NO_THROW(original.CopiarPara(&ps));
        EXPECT_EQ(ps.NEWValor.int64, 1500000);
        EXPECT_STREQ(ps.ComplementoHistorico, "compra de material");
        EXPECT_EQ(ps.QtdGerencialOrigem + ps.QtdGerencial + ps.QtdGerencialFilialClassificacao, 4);
        if (ativos == 1) {
            ASSERT_EQ(ps.QtdAtivoImobilizado, 1);
            EXPECT_STREQ(ps.pAtivoImobilizado[0].Plaqueta, "PLQ-0");
        } else {
            EXPECT_EQ(ps.QtdAtivoImobilizado, 0);
            EXPECT_EQ(ps.pAtivoImobilizado, nullptr);
        }
        EXPECT_TRUE(original == RateioProduto(ativos)) << "the record is unchanged";
        TCMRERateioProduto lido;
        lido.CopiarDe(&ps);
        EXPECT_EQ(lido.GetQuantidadeAtivoImobilizado(), ativos == 1 ? 1 : 0);
        lido.RemoveTodosAtivoImobilizado();
        TCMRERateioProduto semAtivos = RateioProduto(0);
        EXPECT_TRUE(lido == semAtivos) << "everything else travelled";
        tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); // the sanitizers check that nothing leaks
    }
}

// Past 65,535 entries the management lists are refused, the fixed assets are not.
TEST(RateioProduto, OnlyTheFixedAssetListIsNeverTooLong)
{
    TCMRERateioProduto r = RateioProduto(0);
    r.GetListaAtivoImobilizado().SetSize(65536);
    tagREG_RATEIOPRODUTO_ENTRADAPS ps;
    EXPECT_NO_THROW(r.CopiarPara(&ps));
    EXPECT_EQ(ps.QtdAtivoImobilizado, 0);
    EXPECT_EQ(ps.pAtivoImobilizado, nullptr);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);

    using Lista = T_Lista<TCMGerencial>& (TCMRERateioProduto::*)();
    const std::pair<const char*, Lista> listas[] = {
        {"GerencialOrigem", &TCMRERateioProduto::GetListaGerencialOrigem},
        {"Gerencial", &TCMRERateioProduto::GetListaGerencial},
        {"GerencialFilialClassificacao", &TCMRERateioProduto::GetListaGerencialFilialClassificacao},
    };
    for (const auto& [nome, lista] : listas) {
        TCMRERateioProduto longo = RateioProduto(2);
        (longo.*lista)().SetSize(65536);
        std::memset(&ps, 0x5C, sizeof ps);
        EXPECT_TRUE(LancaArgumentoInvalido([&] { longo.CopiarPara(&ps); })) << nome;
        EXPECT_EQ(ps.pAtivoImobilizado, nullptr) << nome;
        tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); // what was written is released
    }
}

TEST_F(RateioProdutoTest, OnlyACountOfOneBringsAnAssetAndNullArraysReadAsEmpty)
{
    TCMREAtivoImobilizado a;
    tagREG_ATIVO_IMOBILIZADO_ENTRADAPS bloco[2];
    a.CopiarPara(&bloco[0]);
    a.CopiarPara(&bloco[1]);
    ps.QtdAtivoImobilizado = 2;
    ps.pAtivoImobilizado = bloco;
    ps.QtdGerencialOrigem = ps.QtdGerencial = ps.QtdGerencialFilialClassificacao = 5;
    ps.Reservado1402[0] = 0x33;
    TCMRERateioProduto r = RateioProduto(1);
    r.CopiarDe(&ps);
    EXPECT_EQ(r.GetQuantidadeAtivoImobilizado(), 0) << "count 2";
    EXPECT_EQ(r.GetQuantidadeGerencialOrigem() + r.GetQuantidadeGerencial() +
                  r.GetQuantidadeGerencialFilialClassificacao(),
              0);
    ps.QtdAtivoImobilizado = 1;
    r.CopiarDe(&ps);
    EXPECT_EQ(r.GetQuantidadeAtivoImobilizado(), 1) << "count 1";
    ps = tagREG_RATEIOPRODUTO_ENTRADAPS{};
    r.RemoveTodosAtivoImobilizado();
    r.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 1394, 1424)) << "the record keeps no slot of its source";
}

TEST(RateioProduto, ComparesEveryListAndTheComplementLast)
{
    const TCMRERateioProduto base = RateioProduto(1);
    TCMRERateioProduto b = base;
    b.GetRefGerencialOrigem(0).SetValor(JQCY(1));
    EXPECT_TRUE(base != b) << "GerencialOrigem";
    b = base;
    b.AdicionaGerencialFilialClassificacao(Linha(9, 9));
    EXPECT_TRUE(base != b) << "GerencialFilialClassificacao";
    b = base;
    b.GetRefAtivoImobilizado(0).SetPlaqueta("plq-0");
    EXPECT_TRUE(base != b) << "AtivoImobilizado";

    b = base;
    b.SetComplementoHistorico("Compra de material");
    ObservaComplemento obs;
    EXPECT_FALSE(base == b) << "ComplementoHistorico, case-sensitive";
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Compra de material") << "first argument: the other record's text";
    b.SetNumeroNotaFiscalOrigem("000123456 ");
    EXPECT_FALSE(base == b) << "NumeroNotaFiscalOrigem";
    EXPECT_EQ(obs.chamadas.size(), 1u) << "an earlier difference ends the comparison";
}

TEST(RateioProduto, UnterminatedComplementReachesTheCompanionWhole)
{
    tagREG_RATEIOPRODUTO_ENTRADAPS ps{};
    std::memset(ps.ComplementoHistorico, 'x', sizeof ps.ComplementoHistorico);
    TCMRERateioProduto a;
    a.CopiarDe(&ps);
    ObservaComplemento obs;
    EXPECT_TRUE(a == TCMRERateioProduto(a));
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, std::string(512, 'x'));
    EXPECT_EQ(obs.chamadas[0].second, obs.chamadas[0].first);
}

} // namespace
