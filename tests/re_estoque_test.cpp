// Stock entry and composition of the entry register.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

_REG_POSICAO_PRODUTOPS Posicao(long produto)
{
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = produto;
    p.PonteiroItemGrade3 = 3;
    return p;
}

TCMREComposicao Composicao(long produto)
{
    TCMREComposicao c;
    c.SetRegPosProduto(Posicao(produto));
    c.SetRegPosProdutoSubstituido(Posicao(produto + 1));
    c.SetQuantidade(JQCY(20000));
    c.SetValor4PIUnitaria(JQCY(1500));
    c.SetPonteiroMovimentoOrigem(0x80000001ul);
    c.SetPonteiroFilial(7);
    c.SetPonteiroControleFCI(16);
    c.SetPonteiroLocal(17);
    c.SetConteudoImportado('S');
    c.SetCasasDecimais(4);
    return c;
}

// --- Composition --------------------------------------------------------------------

TEST(Composicao, OwnFormRoundTripIgnoresThePositionTail)
{
    _REG_ITEM_ENTRADA_COMPOSICAOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Composicao(500).CopiarPara(&ps);
    TCMREComposicao lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Composicao(500));
    _REG_POSICAO_PRODUTOPS p = Posicao(501);
    std::memset(p.Reservado, 0x77, sizeof p.Reservado);
    lido.SetRegPosProdutoSubstituido(p);
    EXPECT_TRUE(lido == Composicao(500)) << "trailing bytes of the position";
}

TEST(Composicao, InventoryFormPlacesTheFieldsAndZeroesEveryOtherByte)
{
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    std::memset(&es, 0xFF, sizeof es);
    Composicao(500).CopiarPara(&es);
    EXPECT_EQ(es.regPosProduto.PonteiroProduto, 500);
    EXPECT_EQ(es.lPonteiroFilial, 7ul) << "branch moves to 176";
    EXPECT_EQ(static_cast<unsigned long>(es.PonteiroMovimentoOrigem), 0x80000001ul) << "origin moves to 180";
    EXPECT_EQ(es.PonteiroLocal, 17);
    EXPECT_EQ(es.CasasDecimais, 4);
    EXPECT_TRUE(Bytes(es, 0, 48)) << "lot block";
    EXPECT_TRUE(Bytes(es, 80, 120)) << "volume block";
    EXPECT_TRUE(Bytes(es, 144, 176)) << "reserved at 144";
    EXPECT_TRUE(Bytes(es, 208, 224)) << "reserved at 208";
    EXPECT_TRUE(Bytes(es, 226, 236)) << "reserved at 226";
    EXPECT_TRUE(Bytes(es, 241, 256)) << "reserved at 241";
}

TEST(Composicao, InventoryFormReadsBackWithoutLotVolumeOrReserved)
{
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    Composicao(500).CopiarPara(&es);
    std::memset(es.Reservado144, 0x55, sizeof es.Reservado144);
    TCMREComposicao lido;
    lido.CopiarDe(&es);
    EXPECT_TRUE(lido == Composicao(500));
    _REG_ITEM_ENTRADA_COMPOSICAOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    lido.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 95, 112)) << "reserved of the own form come back zero";
    EXPECT_EQ(ps.PonteiroFilial, 7ul);

    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREComposicao, _REG_ES_COMPOSICAO_PRODUTOPS>(Composicao(500), n);
    ASSERT_EQ(erros.size(), 2u) << "only the lot and volume blocks are not carried";
    EXPECT_EQ(erros[0], "regLotePS");
    EXPECT_EQ(erros[1], "regVolumePS");
}

// --- Stock entry --------------------------------------------------------------------

TCMREEntradaEstoque Entrada(int saida, int linhas, int composicoes, const char* descricao)
{
    TCMREEntradaEstoque e;
    e.SetRegPosProduto(Posicao(300));
    e.SetLoteESDataValidade(REG_JQDMA{{1, 2, 0xEA, 0x07}});
    e.SetQuantidade(JQCY(120000));
    e.SetPonteiroCFRT(26);
    e.SetLoteESNumero("L-2024-01");
    e.SetTipo(4);
    e.SetArmaFogo_Descricao(descricao);
    for (int k = 0; k < saida; ++k)
        e.AdicionaGerencialSaida(Linha(40 + k, 1000 * (k + 1)));
    for (int k = 0; k < linhas; ++k)
        e.AdicionaGerencial(Linha(60 + k, 700 * (k + 1)));
    for (int k = 0; k < composicoes; ++k)
        e.AdicionaComposicao(Composicao(800 + k));
    return e;
}

class EntradaEstoqueTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    _REG_ENTRADA_ESTOQUE_ENTRADAPS ps{};
};

TEST_F(EntradaEstoqueTest, ListsAndDescriptionTravelAndComeBackEqual)
{
    TCMREEntradaEstoque original = Entrada(2, 1, 2, "Pistola .9");
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.TamArmaFogo_Descricao, 11ul);
    EXPECT_EQ(std::memcmp(ps.pArmaFogo_Descricao, "Pistola .9", 11), 0);
    ASSERT_EQ(ps.QtdGerencialSaida, 2);
    EXPECT_EQ(ps.pGerencialSaida[1].PonteiroGerencial, 41);
    ASSERT_EQ(ps.QtdGerencial, 1);
    EXPECT_EQ(ps.pGerencial[0].PonteiroGerencial, 60);
    ASSERT_EQ(ps.QtdComposicao, 2);
    EXPECT_EQ(ps.pComposicao[1].RegPosProduto.PonteiroProduto, 801);
    TCMREEntradaEstoque lido = Entrada(1, 1, 1, "velha");
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetArmaFogo_Descricao(), CString("Pistola .9"));
}

TEST_F(EntradaEstoqueTest, DescriptionSizeIsThirtyTwoBits)
{
    Entrada(0, 0, 0, std::string(70000, 'a').c_str()).CopiarPara(&ps);
    EXPECT_EQ(ps.TamArmaFogo_Descricao, 70001ul);
    TCMREEntradaEstoque lido;
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetArmaFogo_Descricao().GetLength(), 70000);
}

TEST_F(EntradaEstoqueTest, OversizeListIsRefusedAndNothingIsLeftAllocated)
{
    TCMREEntradaEstoque e = Entrada(2, 1, 0, "descricao");
    e.GetListaComposicao().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { e.CopiarPara(&ps); }));
    EXPECT_TRUE(Bytes(ps, 72, 82)) << "no truncated count; earlier counts reset";
    EXPECT_TRUE(Bytes(ps, 476, 492)) << "arrays written before the failure are released";
}

TEST(EntradaEstoque, PositionTailIsNotCompared)
{
    TCMREEntradaEstoque b = Entrada(0, 0, 0, "");
    _REG_POSICAO_PRODUTOPS p = Posicao(300);
    std::memset(p.Reservado, 0x66, sizeof p.Reservado);
    b.SetRegPosProduto(p);
    EXPECT_TRUE(b == Entrada(0, 0, 0, "")) << "trailing 6 bytes of the position";
}

TEST(EntradaEstoque, ComparesEachListInOrderAndTheDescriptionExactly)
{
    const TCMREEntradaEstoque a = Entrada(2, 2, 2, "Rifle");
    struct Caso {
        const char* campo;
        void (*muda)(TCMREEntradaEstoque&);
    } casos[] = {
        {"GerencialSaida order", [](TCMREEntradaEstoque& e) { e.TrocaGerencialSaida(0, 1); }},
        {"Gerencial order", [](TCMREEntradaEstoque& e) { e.TrocaGerencial(0, 1); }},
        {"Composicao element", [](TCMREEntradaEstoque& e) { e.GetRefComposicao(1).SetCasasDecimais(2); }},
        {"ArmaFogo_Descricao case-sensitive", [](TCMREEntradaEstoque& e) { e.SetArmaFogo_Descricao("rifle"); }},
    };
    for (const Caso& c : casos) {
        TCMREEntradaEstoque b = a;
        c.muda(b);
        EXPECT_TRUE(b != a) << c.campo;
    }
}

} // namespace
