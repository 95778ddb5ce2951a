// Operations: the three-level tree, its comparison and its freeing.
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tools/AmostraOP.h"
#include "tools/Amostras.h"

namespace {

using re_teste::CamposForaDaComparacao;
using re_teste::LancaArgumentoInvalido;

TCMGerencial Split(long conta, long long valor)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    g.SetPonteiroClassificacao(conta + 1);
    g.SetValor(JQCY(valor));
    g.SetQuantidade(JQCY(valor * 3));
    return g;
}

TCMOPRateio Rateio(long conta, int splits)
{
    TCMOPRateio r;
    r.SetPonteiroContaEmpresarial(conta);
    r.SetPercentual(JQCY(250000));
    r.SetPonteiroLocal(8);
    r.SetDestino('D');
    for (int k = 0; k < splits; ++k)
        r.AdicionaGerencial(Split(conta * 10 + k, 100 * (k + 1)));
    return r;
}

TCMOPRelacionamento Relacionamento(unsigned long id, int rateios)
{
    TCMOPRelacionamento r;
    r.SetIDRelacionamento(id);
    r.SetPonteiroCST_ICMS(5);
    r.SetCodigoOrigemMercadoria_xml(1);
    r.SetCST_ICMS_xml(20);
    r.SetCST_IPI_xml(50);
    r.SetCSOSN_ICMS_xml(101);
    r.SetPonteiroCFOPSitServico(1102);
    r.SetCodigoTributacaoIPI(2);
    r.SetCodigoTributacaoISS(3);
    r.SetDescricaoAnalitica("compra para comercializacao");
    r.SetCFOP_xml("1102");
    r.SetAlcanceOperacao(1);
    r.SetContribuinte_ICMS(1);
    r.SetOptanteSN(1);
    r.SetProdutoPossuiST(1);
    r.SetStatusProdutoServico(1);
    for (int k = 0; k < rateios; ++k)
        r.AdicionaRateio(Rateio(40 + k, 2));
    return r;
}

TCMOPOperacao Operacao()
{
    TCMOPOperacao o;
    o.SetFilial(4);
    o.SetCodigo("CMP01");
    o.SetTipoRelacionamento(2);
    o.SetInativo(1);
    o.SetDescricao("compra de mercadorias");
    o.AdicionaRelacionamento(Relacionamento(1, 2));
    o.AdicionaRelacionamento(Relacionamento(2, 1));
    return o;
}

class OperacaoTest : public testing::Test {
protected:
    void TearDown() override
    {
        TCMOPOperacao::ZerarDelete(&ps);
        TCMOPOperacao::ZerarDelete(&volta);
    }
    tagREG_CM_OPERACAO_OPPS ps{};
    tagREG_CM_OPERACAO_OPPS volta{};
};

TEST_F(OperacaoTest, ThreeLevelsTravelAndCompareEqual)
{
    std::memset(&ps, 0xFF, sizeof ps);
    TCMOPOperacao original = Operacao();
    original.CopiarPara(&ps);
    EXPECT_TRUE(re_teste::Bytes(ps, 0, 12) && re_teste::Bytes(ps, 96, 116)) << "reserved bytes from the record";
    ASSERT_EQ(ps.QtdRelacionamento, 2) << "count at 14";
    const tagREG_CM_RELACIONAMENTO_OPPS& r0 = ps.pRelacionamento[0];
    ASSERT_EQ(r0.QtdRateio, 2) << "count at 22";
    EXPECT_EQ(r0.IDRelacionamento, 1ul);
    const REG_CM_RATEIO_OPPS& a1 = r0.pRateio[1];
    EXPECT_EQ(a1.PonteiroContaEmpresarial, 41);
    ASSERT_EQ(a1.QtdGerencial, 2) << "count at 42";
    EXPECT_EQ(a1.pGerencial[1].PonteiroGerencial, 411);
    EXPECT_EQ(a1.pGerencial[1].Quantidade.int64, 600) << "the splits travel whole";
    EXPECT_EQ(ps.pRelacionamento[1].QtdRateio, 1);

    TCMOPOperacao lido;
    lido.AdicionaRelacionamento(Relacionamento(9, 0));
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_FALSE(lido != original);
    EXPECT_EQ(lido.GetRelacionamento(0).GetRateio(1).GetGerencial(1).GetPonteiroClassificacao(), 412);
    EXPECT_EQ(lido.GetInativo(), 1);

    lido.CopiarPara(&volta);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(tolv::Layout<tagREG_CM_OPERACAO_OPPS>::desc, &ps, &volta, onde)) << onde;

    TCMOPOperacao copia(lido), atribuida;
    atribuida = lido;
    EXPECT_TRUE(copia == original && atribuida == original);
}

// Every field changed alone makes two records unequal but those left out of
// the comparison; reserved bytes never do.
TEST(OperacaoComparacao, EachFieldCountsButThoseLeftOut)
{
    int n = 0;
    EXPECT_EQ((CamposForaDaComparacao<TCMOPOperacao, tagREG_CM_OPERACAO_OPPS>(Operacao(), n)),
              std::vector<std::string>{"Inativo"});
    EXPECT_EQ((CamposForaDaComparacao<TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS>(Relacionamento(1, 1), n)),
              (std::vector<std::string>{"IDRelacionamento", "CST_IPI_xml"}));
    EXPECT_EQ((CamposForaDaComparacao<TCMOPRateio, REG_CM_RATEIO_OPPS>(Rateio(40, 1), n)), std::vector<std::string>{});
}

TEST(OperacaoComparacao, SplitsCountByValueAndAccountInOrder)
{
    const TCMOPRateio base = Rateio(40, 2);
    auto mudado = [&](auto muda) {
        TCMOPRateio r = base;
        muda(r.GetRefGerencial(1), r);
        return r;
    };
    const struct {
        const char* caso;
        TCMOPRateio r;
        bool igual;
    } casos[] = {
        {"quantity", mudado([](TCMGerencial& g, TCMOPRateio&) { g.SetQuantidade(JQCY(1)); }), true},
        {"classification", mudado([](TCMGerencial& g, TCMOPRateio&) { g.SetPonteiroClassificacao(-1); }), true},
        {"value", mudado([](TCMGerencial& g, TCMOPRateio&) { g.SetValor(JQCY(201)); }), false},
        {"account", mudado([](TCMGerencial& g, TCMOPRateio&) { g.SetPonteiroGerencial(7); }), false},
        {"order", mudado([](TCMGerencial&, TCMOPRateio& r) { r.TrocaGerencial(0, 1); }), false},
        {"one split less", mudado([](TCMGerencial&, TCMOPRateio& r) { r.DeletarGerencial(0); }), false},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(c.r == base, c.igual) << c.caso;
        EXPECT_EQ(c.r != base, !c.igual) << c.caso;
    }

    // A difference deep in the tree reaches the operation.
    TCMOPOperacao a = Operacao(), b = Operacao();
    b.GetRefRelacionamento(1).GetRefRateio(0).GetRefGerencial(1).SetValor(JQCY(5));
    EXPECT_FALSE(a == b);
    b = Operacao();
    b.GetRefRelacionamento(1).SetIDRelacionamento(77);
    b.GetRefRelacionamento(0).GetRefRateio(0).GetRefGerencial(0).SetQuantidade(JQCY(5));
    EXPECT_TRUE(a == b);
}

// The other side's tree: arrays of count 0 at every level are released all
// the same (under LeakSanitizer nothing may stay), counts and pointers stay.
TEST(OperacaoLiberacao, ReleasesEveryArrayWhateverItsCount)
{
    auto novo = [](size_t n) {
        void* p = CoTaskMemAlloc(n);
        std::memset(p, 0, n);
        return p;
    };
    tagREG_CM_OPERACAO_OPPS ps{};
    ps.QtdRelacionamento = 2;
    ps.pRelacionamento = static_cast<tagREG_CM_RELACIONAMENTO_OPPS*>(novo(2 * sizeof(tagREG_CM_RELACIONAMENTO_OPPS)));
    ps.pRelacionamento[0].pRateio = static_cast<REG_CM_RATEIO_OPPS*>(novo(sizeof(REG_CM_RATEIO_OPPS)));
    ps.pRelacionamento[1].QtdRateio = 1;
    ps.pRelacionamento[1].pRateio = static_cast<REG_CM_RATEIO_OPPS*>(novo(sizeof(REG_CM_RATEIO_OPPS)));
    ps.pRelacionamento[1].pRateio[0].pGerencial = static_cast<tagREG_CM_GERENCIALPS*>(novo(24));
    tagREG_CM_OPERACAO_OPPS antes = ps;
    TCMOPOperacao::ZerarGlobalAlloc(&ps);
    EXPECT_EQ(std::memcmp(&ps, &antes, sizeof ps), 0);

    tagREG_CM_OPERACAO_OPPS vazio{};
    vazio.QtdRelacionamento = 9; // null array: never walked
    TCMOPOperacao::ZerarDelete(&vazio);
    TCMOPOperacao::ZerarGlobalAlloc(nullptr);
}

TEST_F(OperacaoTest, ListsTooLongForTheirCountsAreRefused)
{
    TCMOPOperacao o = Operacao();
    o.GetRefRelacionamento(1).GetRefRateio(0).GetListaGerencial().SetSize(65536);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { o.CopiarPara(&ps); }));
    ASSERT_EQ(ps.QtdRelacionamento, 2);
    const REG_CM_RATEIO_OPPS& a = ps.pRelacionamento[1].pRateio[0];
    EXPECT_EQ(a.QtdGerencial, 0);
    EXPECT_EQ(a.pGerencial, nullptr);
    TCMOPOperacao::ZerarDelete(&ps);

    o.GetRefRelacionamento(1).GetRefRateio(0).GetListaGerencial().SetSize(65535);
    o.CopiarPara(&ps);
    EXPECT_EQ(ps.pRelacionamento[1].pRateio[0].QtdGerencial, 65535);
    TCMOPOperacao::ZerarDelete(&ps);

    o.GetListaRelacionamento().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { o.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdRelacionamento, 0);
    EXPECT_EQ(ps.pRelacionamento, nullptr);
}

} // namespace
