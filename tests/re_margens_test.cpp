// Profit margins and sale-price formation of the entry register.
#include <cstring>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

TCMREMargemLucro Margem(long long novo)
{
    TCMREMargemLucro m;
    m.SetPrecoAnteriorV8(JQCY(100000));
    m.SetCustoAquisicaoV8(JQCY(70000));
    m.SetPrecoNovoV8(JQCY(novo));
    m.SetPercentualLucroV8(JQCY(300000));
    m.SetPonteiroTabela(4);
    m.SetTodasReferencias(1);
    m.SetConfirmado(1);
    m.SetOpcaoMarkupNovoValor(2);
    return m;
}

_REG_POSICAO_PRODUTOPS Posicao(long produto, unsigned short grade1)
{
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = produto;
    p.PonteiroItemGrade1 = grade1;
    p.PonteiroItemGrade2 = 2;
    p.PonteiroItemGrade3 = 3;
    return p;
}

TCMREFormacaoPrecoVenda Formacao(long long novo, int produto, int margem)
{
    TCMREFormacaoPrecoVenda f;
    f.CopiarDe(Margem(novo));
    f.SetPosicaoProduto(produto);
    f.SetPosicaoMargemLucro(margem);
    f.SetRegPosicaoProduto(Posicao(900, 1));
    return f;
}

// --- Margin -----------------------------------------------------------------------

TEST(MargemLucro, RawBlockTravelsBothWaysWithReservedZero)
{
    tagREG_MARGEMLUCROPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Margem(120000).CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 39, 56)) << "reserved at 39";
    EXPECT_EQ(ps.PrecoNovoV8.int64, 120000);
    EXPECT_EQ(ps.OpcaoMarkupNovoValor, 2);
    TCMREMargemLucro lido = Margem(1);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Margem(120000));
}

TEST(MargemLucro, EveryFieldIsCompared)
{
    EXPECT_TRUE(Margem(120000) != Margem(120001)) << "PrecoNovoV8";
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREMargemLucro, tagREG_MARGEMLUCROPS>(Margem(120000), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 8);
}

TEST(MargemLucro, CopyAssignAndClear)
{
    TCMREMargemLucro a = Margem(5);
    TCMREMargemLucro b;
    b = a;
    TCMREMargemLucro& ref = b;
    b = ref;
    EXPECT_TRUE(b == a);
    b.Limpar();
    EXPECT_TRUE(b == TCMREMargemLucro());
    EXPECT_EQ(b.GetPonteiroTabela(), 0);
}

// --- Sale-price formation ---------------------------------------------------------

TEST(FormacaoPrecoVenda, StartsAtPositionMinusOneWithZeroPosition)
{
    TCMREFormacaoPrecoVenda f;
    EXPECT_EQ(f.GetPosicaoProduto(), -1);
    EXPECT_EQ(f.GetPosicaoMargemLucro(), -1);
    _REG_POSICAO_PRODUTOPS zero{};
    _REG_POSICAO_PRODUTOPS p = f.GetRegPosicaoProduto();
    EXPECT_TRUE(JQBytesIguais(p, zero));
    f = Formacao(1, 3, 5);
    f.Limpar();
    EXPECT_EQ(f.GetPosicaoProduto(), -1) << "Limpar restores the default";
    EXPECT_EQ(f.GetPrecoNovoV8().int64, 0);
}

TEST(FormacaoPrecoVenda, ReadingAMarginDropsThePositions)
{
    TCMREFormacaoPrecoVenda f = Formacao(1, 3, 5);
    f.CopiarDe(Margem(120000));
    EXPECT_EQ(f.GetPosicaoProduto(), -1);
    EXPECT_EQ(f.GetPosicaoMargemLucro(), -1);
    EXPECT_EQ(f.GetRegPosicaoProduto().PonteiroProduto, 0);
    EXPECT_TRUE(static_cast<const TCMREMargemLucro&>(f) == Margem(120000));
}

TEST(FormacaoPrecoVenda, WritingGivesTheMarginPartOnly)
{
    TCMREFormacaoPrecoVenda f = Formacao(120000, 3, 5);
    TCMREMargemLucro m = Margem(1);
    f.CopiarPara(&m);
    EXPECT_TRUE(m == Margem(120000));

    TCMREFormacaoPrecoVenda destino = Formacao(7, 8, 9);
    f.CopiarPara(static_cast<TCMREMargemLucro*>(&destino));
    EXPECT_EQ(destino.GetPosicaoProduto(), -1) << "destination is cleared first";
    EXPECT_EQ(destino.GetPrecoNovoV8().int64, 120000);

    tagREG_MARGEMLUCROPS ps;
    f.CopiarPara(&ps);
    EXPECT_EQ(ps.PrecoNovoV8.int64, 120000) << "the margin's own form stays reachable";
}

TEST(FormacaoPrecoVenda, ComparesPositionsOnly)
{
    EXPECT_TRUE(Formacao(120000, 3, 5) == Formacao(999, 3, 5)) << "prices are not compared";
    EXPECT_TRUE(Formacao(1, 3, 5) != Formacao(1, 4, 5)) << "PosicaoProduto";
    EXPECT_TRUE(Formacao(1, 3, 5) != Formacao(1, 3, 6)) << "PosicaoMargemLucro";
    TCMREFormacaoPrecoVenda b = Formacao(1, 3, 5);
    b.SetRegPosicaoProduto(Posicao(900, 7));
    EXPECT_TRUE(b != Formacao(1, 3, 5)) << "grade item 1";
    b.SetRegPosicaoProduto(Posicao(901, 1));
    EXPECT_TRUE(b != Formacao(1, 3, 5)) << "product pointer";
    _REG_POSICAO_PRODUTOPS p = Posicao(900, 1);
    std::memset(p.Reservado, 0x5A, sizeof p.Reservado);
    b.SetRegPosicaoProduto(p);
    EXPECT_TRUE(b == Formacao(1, 3, 5)) << "trailing bytes of the position";
}

TEST(FormacaoPrecoVenda, CopyAndAssignCarryPositionsAndMargin)
{
    TCMREFormacaoPrecoVenda a = Formacao(120000, 3, 5);
    TCMREFormacaoPrecoVenda b(a);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.GetPrecoNovoV8().int64, 120000);
    TCMREFormacaoPrecoVenda c;
    c = a;
    EXPECT_EQ(c.GetPosicaoMargemLucro(), 5);
    EXPECT_EQ(c.GetRegPosicaoProduto().PonteiroProduto, 900);
    EXPECT_TRUE(static_cast<const TCMREMargemLucro&>(c) == Margem(120000));
}

} // namespace
