// Master lists: authorization rules with their user groups, receiving windows
// and order layouts, each table in the caller's list structure.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tools/AmostraMestre.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

TCMMestreAutorizacoesUsuarios Grupo(std::initializer_list<unsigned short> usuarios)
{
    TCMMestreAutorizacoesUsuarios g;
    for (unsigned short u : usuarios)
        g.AdicionaUsuarios(u);
    return g;
}

TCMMestreAutorizacoes Regra(long departamento)
{
    TCMMestreAutorizacoes r;
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = 900;
    p.PonteiroItemGrade3 = 3;
    r.SetPosicaoProduto(p);
    r.SetFaixaValorInicial(JQCY(10000));
    r.SetFaixaValorFinal(JQCY(990000));
    r.SetPonteiroDepartamento(departamento);
    r.SetPeriodoValidadeFinal(60000);
    r.SetUsuario(12);
    r.SetStatusProdutoServico('S');
    return r;
}

void* NovoTaskMem(size_t n)
{
    void* p = CoTaskMemAlloc(n);
    std::memset(p, 0, n);
    return p;
}

class AutorizacoesTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&ps, 0xAB, sizeof ps);
        ps.QtdAutorizacoes = 0;
        ps.pAutorizacoes = nullptr;
    }
    void TearDown() override { TCMMestreListaAutorizacoes::ZerarDelete(&ps); }
    tagREG_CM_AUTORIZACOESMESTRE_LISTAPS ps;
};

TEST_F(AutorizacoesTest, OneRuleOneGroupThreeUsersTravelAndComeBack)
{
    TCMMestreListaAutorizacoes t;
    TCMMestreAutorizacoes r = Regra(5);
    r.AdicionaUsuarios(Grupo({7, 9, 12}));
    t.AdicionaAutorizacoes(r);
    t.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB)) << "bytes 0 to 3 are the caller's";
    ASSERT_EQ(ps.QtdAutorizacoes, 1);
    const tagREG_CM_AUTORIZACOESPS& e = ps.pAutorizacoes[0];
    EXPECT_EQ(e.PonteiroDepartamento, 5);
    EXPECT_EQ(e.PosicaoProduto.PonteiroItemGrade3, 3);
    ASSERT_EQ(e.QtdUsuarios, 1);
    const tagREG_CM_AUTORIZACOES_USUARIOSPS& g = e.pUsuarios[0];
    EXPECT_TRUE(Bytes(g, 0, 6)) << "bytes 0 to 5 of a group in an array of ours go out zero";
    EXPECT_TRUE(Bytes(g, 12, 16));
    ASSERT_EQ(g.QtdUsuarios, 3);
    EXPECT_EQ(g.pUsuarios[0].NumeroUsuario, 7);
    EXPECT_EQ(g.pUsuarios[1].NumeroUsuario, 9);
    EXPECT_EQ(g.pUsuarios[2].NumeroUsuario, 12);

    TCMMestreListaAutorizacoes lido;
    lido.AdicionaAutorizacoes(Regra(1));
    lido.CopiarDe(&ps);
    ASSERT_EQ(lido.GetQuantidadeAutorizacoes(), 1);
    const TCMMestreAutorizacoes& lr = lido.GetAutorizacoes(0);
    EXPECT_EQ(lr.GetPonteiroDepartamento(), 5);
    EXPECT_EQ(lr.GetFaixaValorFinal().int64, 990000);
    EXPECT_EQ(lr.GetStatusProdutoServico(), 'S');
    ASSERT_EQ(lr.GetQuantidadeUsuarios(), 1);
    const TCMMestreAutorizacoesUsuarios& lg = lr.GetUsuarios(0);
    ASSERT_EQ(lg.GetQuantidadeUsuarios(), 3);
    const unsigned short& terceiro = lg.GetUsuarios(2);
    EXPECT_EQ(terceiro, 12);

    // Copies carry the whole tree.
    TCMMestreListaAutorizacoes copia(lido), atribuida;
    atribuida = lido;
    EXPECT_EQ(copia.GetAutorizacoes(0).GetUsuarios(0).GetUsuarios(1), 9);
    EXPECT_EQ(atribuida.GetAutorizacoes(0).GetUsuarios(0).GetQuantidadeUsuarios(), 3);
}

TEST_F(AutorizacoesTest, GroupWritesOnlyBytesSixToFifteen)
{
    tagREG_CM_AUTORIZACOES_USUARIOSPS g;
    std::memset(&g, 0xAB, sizeof g);
    Grupo({}).CopiarPara(&g);
    EXPECT_TRUE(Bytes(g, 0, 6, 0xAB));
    EXPECT_TRUE(Bytes(g, 6, 16)) << "count, pointer and the reserved four";
    Grupo({3}).CopiarPara(&g);
    EXPECT_EQ(g.QtdUsuarios, 1);
    EXPECT_EQ(g.pUsuarios[0].NumeroUsuario, 3);
    delete[] g.pUsuarios;

    std::memset(&ps, 0xAB, sizeof ps);
    TCMMestreListaAutorizacoes().CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB));
    EXPECT_TRUE(Bytes(ps, 4, 12)) << "an empty table: count 0, null pointer";
}

TEST_F(AutorizacoesTest, NegativeCountsRebuildEmptyLists)
{
    tagREG_CM_AUTORIZACOESPS regras[2]{};
    tagREG_CM_AUTORIZACOES_USUARIOSPS grupo{};
    regras[0].QtdUsuarios = -5;
    regras[0].pUsuarios = &grupo;
    regras[1].QtdUsuarios = 1;
    regras[1].pUsuarios = &grupo;
    tagREG_CM_AUTORIZACOESMESTRE_LISTAPS s{};
    s.QtdAutorizacoes = 2;
    s.pAutorizacoes = regras;
    TCMMestreListaAutorizacoes t;
    t.CopiarDe(&s);
    ASSERT_EQ(t.GetQuantidadeAutorizacoes(), 2);
    EXPECT_EQ(t.GetAutorizacoes(0).GetQuantidadeUsuarios(), 0) << "group count -5";
    EXPECT_EQ(t.GetAutorizacoes(1).GetQuantidadeUsuarios(), 1);
    EXPECT_EQ(t.GetAutorizacoes(1).GetUsuarios(0).GetQuantidadeUsuarios(), 0) << "user count 0";
    for (long n : {0L, -1L, static_cast<long>(0x80000000ul)}) {
        s.QtdAutorizacoes = n;
        t.CopiarDe(&s);
        EXPECT_EQ(t.GetQuantidadeAutorizacoes(), 0) << "rule count " << n;
    }
    s.QtdAutorizacoes = 3;
    s.pAutorizacoes = nullptr;
    t.CopiarDe(&s);
    EXPECT_EQ(t.GetQuantidadeAutorizacoes(), 0) << "null array";
}

TEST_F(AutorizacoesTest, FreeingZeroesEveryCountAndPointer)
{
    TCMMestreListaAutorizacoes t;
    amostra::Gerador g(3);
    amostra::ListaAutorizacoes(t, g, amostra::FormaAutorizacoesDe(3));
    t.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdAutorizacoes, 3);
    ASSERT_EQ(ps.pAutorizacoes[2].pUsuarios[2].QtdUsuarios, 3);
    for (int vez = 0; vez < 2; ++vez) {
        TCMMestreListaAutorizacoes::ZerarDelete(&ps);
        EXPECT_EQ(ps.QtdAutorizacoes, 0);
        EXPECT_EQ(ps.pAutorizacoes, nullptr);
        EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB));
    }
}

// The other side's tree, with arrays of count 0 and of negative counts: all
// released (under LeakSanitizer nothing may stay), none walked.
TEST_F(AutorizacoesTest, TaskAllocatorTreesAreFreedWhateverTheirCounts)
{
    tagREG_CM_AUTORIZACOESMESTRE_LISTAPS s;
    std::memset(&s, 0xAB, sizeof s);
    s.QtdAutorizacoes = 2;
    auto* regras = static_cast<tagREG_CM_AUTORIZACOESPS*>(NovoTaskMem(2 * sizeof(tagREG_CM_AUTORIZACOESPS)));
    s.pAutorizacoes = regras;
    regras[0].QtdUsuarios = 2;
    auto* grupos = static_cast<tagREG_CM_AUTORIZACOES_USUARIOSPS*>(NovoTaskMem(2 * 16));
    regras[0].pUsuarios = grupos;
    grupos[0].QtdUsuarios = 0; // count 0, array present
    grupos[0].pUsuarios = static_cast<tagREG_CM_NUMERO_USUARIOPS*>(NovoTaskMem(2));
    grupos[1].QtdUsuarios = 2;
    grupos[1].pUsuarios = static_cast<tagREG_CM_NUMERO_USUARIOPS*>(NovoTaskMem(4));
    regras[1].QtdUsuarios = -3; // negative: released, not walked
    regras[1].pUsuarios = static_cast<tagREG_CM_AUTORIZACOES_USUARIOSPS*>(NovoTaskMem(16));

    TCMMestreListaAutorizacoes::ZerarGlobalAlloc(&s);
    EXPECT_EQ(s.QtdAutorizacoes, 0);
    EXPECT_EQ(s.pAutorizacoes, nullptr);
    EXPECT_TRUE(Bytes(s, 0, 4, 0xAB));
    TCMMestreListaAutorizacoes::ZerarGlobalAlloc(&s);

    // A negative table count releases the array and walks nothing in it.
    s.QtdAutorizacoes = -1;
    s.pAutorizacoes = static_cast<tagREG_CM_AUTORIZACOESPS*>(NovoTaskMem(sizeof(tagREG_CM_AUTORIZACOESPS)));
    s.pAutorizacoes[0].QtdUsuarios = 1000;
    TCMMestreListaAutorizacoes::ZerarGlobalAlloc(&s);
    EXPECT_EQ(s.QtdAutorizacoes, 0);
    EXPECT_EQ(s.pAutorizacoes, nullptr);
}

TEST_F(AutorizacoesTest, GroupOfMoreUsersThanItsCountHoldsIsRefused)
{
    TCMMestreAutorizacoesUsuarios grande;
    grande.GetListaUsuarios().SetSize(65536);
    TCMMestreAutorizacoes r = Regra(5);
    r.AdicionaUsuarios(Grupo({1}));
    r.AdicionaUsuarios(grande);
    r.AdicionaUsuarios(Grupo({2}));
    TCMMestreListaAutorizacoes t;
    t.AdicionaAutorizacoes(r);
    t.AdicionaAutorizacoes(Regra(6));
    EXPECT_TRUE(LancaArgumentoInvalido([&] { t.CopiarPara(&ps); }));
    ASSERT_EQ(ps.QtdAutorizacoes, 2);
    ASSERT_EQ(ps.pAutorizacoes[0].QtdUsuarios, 3);
    const tagREG_CM_AUTORIZACOES_USUARIOSPS* g = ps.pAutorizacoes[0].pUsuarios;
    EXPECT_EQ(g[0].QtdUsuarios, 1);
    EXPECT_EQ(g[1].QtdUsuarios, 0) << "no truncated count";
    EXPECT_EQ(g[1].pUsuarios, nullptr);
    EXPECT_TRUE(Bytes(g[2], 0, 16)) << "the groups after it are zero";
    EXPECT_TRUE(Bytes(ps.pAutorizacoes[1], 0, sizeof(tagREG_CM_AUTORIZACOESPS))) << "and so are the rules";
    TCMMestreListaAutorizacoes::ZerarDelete(&ps); // releases what was written

    t.GetRefAutorizacoes(0).GetRefUsuarios(1).GetListaUsuarios().SetSize(65535);
    t.CopiarPara(&ps);
    EXPECT_EQ(ps.pAutorizacoes[0].pUsuarios[1].QtdUsuarios, 65535);
}

// --- Receipt and order-layout tables --------------------------------------------------

TEST(Recebimento, TableTravelsInItsSlotsAndIsFreed)
{
    TCMMestreListaRecebimento t;
    amostra::Gerador g(5);
    amostra::ListaRecebimento(t, g, 3);
    t.GetRefRecebimento(1).SetExcetoFeriados(1);
    tagREG_CM_RECEBIMENTOMESTRE_LISTAPS ps;
    std::memset(&ps, 0xAB, sizeof ps);
    t.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB));
    ASSERT_EQ(ps.QtdRecebimento, 3);
    EXPECT_EQ(ps.pRecebimento[1].ExcetoFeriados, 1);
    TCMMestreListaRecebimento lido;
    lido.CopiarDe(&ps);
    ASSERT_EQ(lido.GetQuantidadeRecebimento(), 3);
    for (int k = 0; k < 3; ++k) {
        tagREG_CM_RECEBIMENTOPS e;
        lido.GetRecebimento(k).CopiarPara(&e);
        EXPECT_EQ(std::memcmp(&e, &ps.pRecebimento[k], sizeof e), 0) << "element " << k;
    }
    for (int vez = 0; vez < 2; ++vez) {
        TCMMestreListaRecebimento::ZerarDelete(&ps);
        EXPECT_EQ(ps.QtdRecebimento, 0);
        EXPECT_EQ(ps.pRecebimento, nullptr);
        EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB));
    }
    ps.QtdRecebimento = -2;
    ps.pRecebimento = static_cast<tagREG_CM_RECEBIMENTOPS*>(NovoTaskMem(16));
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetQuantidadeRecebimento(), 0);
    TCMMestreListaRecebimento::ZerarGlobalAlloc(&ps);
    EXPECT_EQ(ps.QtdRecebimento, 0);
    EXPECT_EQ(ps.pRecebimento, nullptr);
}

TEST(LeiauteOC, LayoutKeepsItsCapacityAndTheTableTravels)
{
    TCMMestreLeiauteOC l;
    l.SetPonteiroFilial(2);
    l.SetLeiaute(std::string(400, 'x').c_str());
    EXPECT_EQ(l.GetLeiaute().GetLength(), 299);
    tagREG_CM_LEIAUTEOCMESTREPS e;
    std::memset(&e, 0xFF, sizeof e);
    l.CopiarPara(&e);
    EXPECT_TRUE(Bytes(e, 301, 304)) << "terminator and reserved";

    TCMMestreListaLeiauteOC t;
    t.AdicionaLeiauteOC(l);
    t.AdicionaLeiauteOC(TCMMestreLeiauteOC());
    tagREG_CM_LEIAUTEOCMESTRE_LISTAPS ps;
    std::memset(&ps, 0xAB, sizeof ps);
    t.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 0, 4, 0xAB));
    ASSERT_EQ(ps.QtdLeiauteOC, 2);
    TCMMestreListaLeiauteOC lido;
    lido.CopiarDe(&ps);
    ASSERT_EQ(lido.GetQuantidadeLeiauteOC(), 2);
    EXPECT_EQ(lido.GetLeiauteOC(0).GetLeiaute(), CString(std::string(299, 'x').c_str()));
    EXPECT_EQ(lido.GetLeiauteOC(0).GetPonteiroFilial(), 2);
    TCMMestreListaLeiauteOC::ZerarDelete(&ps);
    EXPECT_EQ(ps.QtdLeiauteOC, 0);
    EXPECT_EQ(ps.pLeiauteOC, nullptr);

    TCMMestreListaLeiauteOC().CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 4, 12)) << "an empty table";
}

} // namespace
