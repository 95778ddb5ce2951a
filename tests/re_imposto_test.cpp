// Item taxes with their deductions, and the totals of a product line.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

tagCY Cy(long long v) { return JQCY(v); }

TCMREServicoDeducao Deducao(long long valor, const char* descricao)
{
    TCMREServicoDeducao d;
    d.SetValorDeducao(Cy(valor));
    d.SetDescricao(descricao);
    return d;
}

TCMREItemImposto Imposto(int deducoes)
{
    TCMREItemImposto i;
    i.SetBase(Cy(1000000));
    i.SetValor(Cy(180000));
    i.SetCodigoReceita(5952);
    i.SetTipoImposto(3);
    for (int k = 0; k < deducoes; ++k)
        i.AdicionaDeducao(Deducao(100 + k, ("ded " + std::to_string(k)).c_str()));
    return i;
}

TEST(ServicoDeducao, DescriptionIsCutTo251AndTheBlockTravelsRaw)
{
    std::string t(251, 'd');
    TCMREServicoDeducao d = Deducao(42, (t + "XYZ").c_str());
    EXPECT_EQ(std::string(d.GetDescricao().GetString()), t);

    tagREG_DEDUCOES_PS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Deducao(42, "iss").CopiarPara(&ps);
    std::memset(ps.Reservado260, 0x5A, sizeof ps.Reservado260);
    d.CopiarDe(&ps);
    EXPECT_TRUE(d == Deducao(42, "iss"));
    tagREG_DEDUCOES_PS volta;
    d.CopiarPara(&volta);
    EXPECT_EQ(std::memcmp(&volta, &ps, sizeof ps), 0) << "reserved bytes travel unchanged";

    EXPECT_TRUE(Deducao(1, "a") != Deducao(2, "a")) << "ValorDeducao";
    EXPECT_TRUE(Deducao(1, "a") != Deducao(1, "A")) << "Descricao, case-sensitive";
}

class ItemImpostoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_ITEM_IMPOSTOPS ps{};
};

TEST_F(ItemImpostoTest, DeductionsTravelAsAnArrayAndComeBackEqual)
{
    const TCMREItemImposto original = Imposto(3);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdDeducao, 3);
    EXPECT_EQ(ps.pDeducao[2].ValorDeducao.int64, 102);
    EXPECT_STREQ(ps.pDeducao[1].Descricao, "ded 1");

    TCMREItemImposto lido = Imposto(1);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetQuantidadeDeducao(), 3);
    tagREG_ITEM_IMPOSTOPS denovo{};
    lido.CopiarPara(&denovo);
    EXPECT_EQ(std::memcmp(&denovo, &ps, offsetof(tagREG_ITEM_IMPOSTOPS, QtdDeducao)), 0);
    tolv::LiberaAninhados(&denovo, tolv::Liberacao::Delete);
}

TEST(ItemImposto, DeductionsAreCompared)
{
    TCMREItemImposto b = Imposto(2);
    b.GetRefDeducao(1).SetDescricao("x");
    EXPECT_TRUE(b != Imposto(2)) << "Deducao element";
    b.DeletarDeducao(1);
    EXPECT_TRUE(b != Imposto(2)) << "Deducao count";
}

TEST(ItemProdutoTotais, RawBlockTravelsBothWays)
{
    tagREG_ITEM_TOTAIS_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    TCMREItemProdutoTotais t;
    t.SetBaseCOFINSNaoCumulativo(Cy(-5));
    t.CopiarPara(&ps);
    EXPECT_EQ(ps.BaseCOFINSNaoCumulativo.int64, -5);
    TCMREItemProdutoTotais lido;
    lido.SetValorIRRF(Cy(9));
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == t) << "CopiarDe clears first";
}

TEST(ItemProdutoTotais, ComparesEachAmountAndNotTheReservedBytes)
{
    const tolv::EstruturaDesc& d = tolv::Layout<tagREG_ITEM_TOTAIS_ENTRADAPS>::desc;
    int valores = 0;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        tagREG_ITEM_TOTAIS_ENTRADAPS ps{};
        reinterpret_cast<unsigned char*>(&ps)[d.campos[k].offset + d.campos[k].tamanho - 1] = 1;
        TCMREItemProdutoTotais t;
        t.CopiarDe(&ps);
        bool moeda = d.campos[k].tipo == tolv::Tipo::Moeda;
        valores += moeda;
        EXPECT_EQ(t == TCMREItemProdutoTotais(), !moeda) << d.campos[k].nome;
    }
    EXPECT_EQ(valores, 39);
}

} // namespace
