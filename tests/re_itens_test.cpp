// Entry items: the item base, the product item and the service item.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "re_teste.h"
#include "tolvdata.h"

namespace {

using re_teste::LancaArgumentoInvalido;
using Produto = tagREG_ITEM_ENTRADA_PRODUTOPS;
using Servico = tagREG_ITEM_ENTRADA_SERVICOPS;

tagCY Cy(long long v) { return JQCY(v); }

// A record read from a zero block whose only non-zero byte is byte `off`.
template <class R, class S> R ComByte(unsigned off)
{
    S ps{};
    reinterpret_cast<unsigned char*>(&ps)[off] = 1;
    R r;
    r.CopiarDe(&ps);
    return r;
}

// A block where every byte outside the count and pointer slots is patterned.
template <class S> S Padronizado()
{
    S ps;
    unsigned char* b = reinterpret_cast<unsigned char*>(&ps);
    for (size_t k = 0; k < sizeof ps; ++k)
        b[k] = static_cast<unsigned char>(k * 7 + 1);
    tolv::ZeraAninhados(&ps);
    return ps;
}

TCMREItemImposto Imposto(long long valor, int deducoes)
{
    TCMREItemImposto i;
    i.SetValor(Cy(valor));
    for (int k = 0; k < deducoes; ++k) {
        TCMREServicoDeducao d;
        d.SetValorDeducao(Cy(k + 1));
        i.AdicionaDeducao(d);
    }
    return i;
}

TCMREItemProdutoTotais Totais(long long nf)
{
    TCMREItemProdutoTotais t;
    t.SetValorTotalNF(Cy(nf));
    return t;
}

// --- Item base ---------------------------------------------------------------------

TEST(ItemBase, ComparesLinksThroughAPointerAndKeepsAZeroChecksum)
{
    TCMREItemBase a;
    TCMREItemBase b;
    a.AdicionaItemAssociacao(TCMREItemAssociacaoREOC());
    EXPECT_TRUE(a != &b) << "ItemAssociacao count";
    b.AdicionaItemAssociacao(TCMREItemAssociacaoREOC());
    b.Set_CRC(77);
    EXPECT_TRUE(a == &b) << "_CRC is not compared";
    EXPECT_TRUE(a != nullptr) << "a null item is unequal";
    EXPECT_EQ(b.CalculaCRC(), 0ul);
    TCMREItemBase c(b);
    EXPECT_EQ(c.Get_CRC(), 77ul);
    EXPECT_EQ(c.GetQuantidadeItemAssociacao(), 1);
}

// --- Product item --------------------------------------------------------------------

class ItemProdutoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }

    // An item with every list filled.
    static TCMREItemProduto Cheio()
    {
        Produto bloco = Padronizado<Produto>();
        TCMREItemProduto p;
        p.CopiarDe(&bloco);
        TCMRERateioProduto r;
        r.AdicionaGerencial(TCMGerencial());
        p.AdicionaRateio(r);
        p.AdicionaItemAssociacao(TCMREItemAssociacaoREOC());
        p.AdicionaMargemLucro(TCMREMargemLucro());
        p.AdicionaImposto(Imposto(10, 2));
        p.AdicionaImposto(Imposto(20, 0));
        p.AdicionaEntradaEstoque(TCMREEntradaEstoque());
        p.AdicionaTotais(Totais(5));
        p.AdicionaTotais(Totais(6));
        return p;
    }

    Produto ps{};
};

TEST_F(ItemProdutoTest, BlockAndChildrenComeBackEqual)
{
    const TCMREItemProduto original = Cheio();
    std::memset(&ps, 0xFF, sizeof ps);
    original.CopiarPara(&ps);
    Produto semListas = ps;
    tolv::ZeraAninhados(&semListas);
    Produto bloco = Padronizado<Produto>();
    EXPECT_EQ(std::memcmp(&semListas, &bloco, sizeof bloco), 0) << "every byte travels, reserved included";
    EXPECT_EQ(ps.QtdRateio, 1);
    EXPECT_EQ(ps.QtdItemAssociacao, 1);
    EXPECT_EQ(ps.QtdMargemLucro, 1);
    EXPECT_EQ(ps.QtdImposto, 2);
    EXPECT_EQ(ps.QtdEntradaEstoque, 1);
    EXPECT_EQ(ps.QtdTotais, 2);
    ASSERT_NE(ps.pImposto, nullptr);
    EXPECT_EQ(ps.pImposto[0].QtdDeducao, 2) << "deductions nested in the first tax";
    EXPECT_EQ(ps.pImposto[1].pDeducao, nullptr);
    EXPECT_EQ(ps.pTotais[1].ValorTotalNF.int64, 6);

    TCMREItemProduto lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.CalculaCRC(), original.CalculaCRC());
    EXPECT_EQ(lido.CalculaCRC(), JQCRC32(&bloco, sizeof bloco)) << "slots are zero inside the record";
    EXPECT_EQ(lido.GetQuantidadeTotais(), 2) << "totals are read though not compared";
}

TEST_F(ItemProdutoTest, NullArraysReadAsEmptyAndOversizeListsAreRefused)
{
    ps.QtdRateio = ps.QtdItemAssociacao = ps.QtdMargemLucro = 500;
    ps.QtdImposto = ps.QtdEntradaEstoque = ps.QtdTotais = 65535;
    TCMREItemProduto p = Cheio();
    p.CopiarDe(&ps);
    EXPECT_TRUE(p == TCMREItemProduto());
    EXPECT_EQ(p.GetQuantidadeTotais(), 0);

    p.AdicionaRateio(TCMRERateioProduto());
    p.AdicionaImposto(Imposto(1, 3));
    p.GetListaTotais().SetSize(65536);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { p.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdImposto, 1) << "lists before the refused one are written";
    EXPECT_EQ(ps.QtdTotais, 0) << "no truncated count";
    EXPECT_EQ(ps.pTotais, nullptr);
    // TearDown releases the partly written structure.
}

TEST(ItemCRC, ClearedItemsAreZeroAndIDItemEnters)
{
    EXPECT_EQ(TCMREItemProduto().CalculaCRC(), 0ul);
    EXPECT_EQ(TCMREItemServico().CalculaCRC(), 0ul);
    TCMREItemProduto p;
    p.SetLote("L-1");
    unsigned long crc = p.CalculaCRC();
    p.SetIDItem(9);
    EXPECT_NE(p.CalculaCRC(), crc) << "IDItem enters the checksum though not the comparison";
}

TEST(ItemProdutoIgual, PositionPaddingAndBytesAfterATextNulAreNot)
{
    const TCMREItemProduto vazio;
    for (unsigned off = 788; off < 804; ++off)
        EXPECT_EQ((ComByte<TCMREItemProduto, Produto>(off) == vazio), off >= 798) << "position byte " << off;
    EXPECT_TRUE((ComByte<TCMREItemProduto, Produto>(820) == vazio)) << "RegDataFabricacao padding";
    EXPECT_TRUE((ComByte<TCMREItemProduto, Produto>(1421) == vazio)) << "Lote after its NUL";
}

TEST(ItemProdutoIgual, ListsCountButTotalsAndChecksumDoNot)
{
    const TCMREItemProduto vazio;
    struct Caso {
        const char* lista;
        void (*muda)(TCMREItemProduto&);
        bool conta;
    } casos[] = {
        {"ItemAssociacao", [](TCMREItemProduto& p) { p.AdicionaItemAssociacao(TCMREItemAssociacaoREOC()); }, true},
        {"Rateio", [](TCMREItemProduto& p) { p.AdicionaRateio(TCMRERateioProduto()); }, true},
        {"MargemLucro", [](TCMREItemProduto& p) { p.AdicionaMargemLucro(TCMREMargemLucro()); }, true},
        {"Imposto", [](TCMREItemProduto& p) { p.AdicionaImposto(TCMREItemImposto()); }, true},
        {"EntradaEstoque", [](TCMREItemProduto& p) { p.AdicionaEntradaEstoque(TCMREEntradaEstoque()); }, true},
        {"Totais", [](TCMREItemProduto& p) { p.AdicionaTotais(Totais(1)); }, false},
        {"_CRC", [](TCMREItemProduto& p) { p.Set_CRC(5); }, false},
    };
    for (const Caso& c : casos) {
        TCMREItemProduto p;
        c.muda(p);
        EXPECT_EQ(p == vazio, !c.conta) << c.lista;
    }
    TCMREItemProduto a;
    TCMREItemProduto b;
    a.AdicionaImposto(Imposto(1, 0));
    b.AdicionaImposto(Imposto(2, 0));
    EXPECT_TRUE(a != b) << "elements compared pairwise";
}

TEST(ItemProduto, CopyCarriesWhatTheComparisonIgnoresAndLimparClearsIt)
{
    TCMREItemProduto a;
    a.AdicionaImposto(Imposto(3, 1));
    a.AdicionaTotais(Totais(4));
    a.Set_CRC(a.CalculaCRC());
    TCMREItemProduto b;
    b = a;
    EXPECT_EQ(b.Get_CRC(), a.Get_CRC());
    EXPECT_EQ(TCMREItemProduto(b).GetQuantidadeTotais(), 1);
    b.Limpar();
    EXPECT_EQ(b.GetQuantidadeImposto() + b.GetQuantidadeTotais(), 0);
    EXPECT_EQ(b.Get_CRC(), 0ul);
}

// The history-complement comparison that ends an apportionment's comparison
// shows the order: links first, then the lists in order, then the fields.
TEST(ItemProdutoIgual, LinksComeFirstThenTheListsThenTheFields)
{
    TCMREItemProduto a;
    TCMRERateioProduto r;
    r.SetComplementoHistorico("rateio");
    a.AdicionaRateio(r);
    struct Caso {
        const char* diferenca;
        void (*muda)(TCMREItemProduto&);
        size_t chamadas;
    } casos[] = {
        {"ItemAssociacao", [](TCMREItemProduto& p) { p.AdicionaItemAssociacao(TCMREItemAssociacaoREOC()); }, 0},
        {"MargemLucro", [](TCMREItemProduto& p) { p.AdicionaMargemLucro(TCMREMargemLucro()); }, 1},
        {"EntradaEstoque", [](TCMREItemProduto& p) { p.AdicionaEntradaEstoque(TCMREEntradaEstoque()); }, 1},
        {"CombustivelBaseST", [](TCMREItemProduto& p) { p.SetCombustivelBaseST(Cy(1)); }, 1},
    };
    for (const Caso& c : casos) {
        TCMREItemProduto b(a);
        c.muda(b);
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b) << c.diferenca;
        EXPECT_EQ(obs.chamadas.size(), c.chamadas) << c.diferenca;
    }
}

// --- Service item --------------------------------------------------------------------

TEST(ItemServico, BlockTravelsWholeBesideItsLists)
{
    Servico bloco = Padronizado<Servico>();
    TCMREItemServico s;
    s.CopiarDe(&bloco);
    s.AdicionaRateio(TCMRERateioServico());
    s.AdicionaImposto(Imposto(7, 2));
    Servico ps;
    std::memset(&ps, 0xFF, sizeof ps);
    s.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdRateio, 1);
    EXPECT_EQ(ps.pImposto[0].QtdDeducao, 2);
    TCMREItemServico lido;
    lido.CopiarDe(&ps);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(&ps);
    EXPECT_EQ(std::memcmp(&ps, &bloco, sizeof bloco), 0) << "reserved bytes travel unchanged";
    EXPECT_TRUE(lido == s);
    EXPECT_EQ(lido.CalculaCRC(), JQCRC32(&bloco, sizeof bloco));
}

TEST(ItemServicoIgual, ListsCountAndTheChecksumDoesNot)
{
    TCMREItemServico s[4];
    s[0].AdicionaRateio(TCMRERateioServico());
    s[1].AdicionaImposto(TCMREItemImposto());
    s[2].AdicionaItemAssociacao(TCMREItemAssociacaoREOC());
    s[3].Set_CRC(3);
    const char* nomes[] = {"Rateio", "Imposto", "ItemAssociacao", "_CRC"};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(s[k] == TCMREItemServico(), k == 3) << nomes[k];
}

TEST(ItemServicoIgual, LinksComeFirstThenTheListsThenTheFields)
{
    TCMREItemServico a;
    TCMRERateioServico r;
    r.SetComplementoHistorico("rateio");
    a.AdicionaRateio(r);
    TCMREItemServico b(a);
    b.AdicionaImposto(TCMREItemImposto());
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_EQ(obs.chamadas.size(), 1u) << "Rateio before Imposto";
    }
    b = a;
    b.SetValorBaixado(Cy(1));
    b.AdicionaItemAssociacao(TCMREItemAssociacaoREOC());
    re_teste::ObservaComplemento obs;
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(obs.chamadas.empty()) << "ItemAssociacao before Rateio";
}

} // namespace
