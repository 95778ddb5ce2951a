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
    m.SetPrecoNovoV8(JQCY(novo));
    m.SetPonteiroTabela(4);
    m.SetOpcaoMarkupNovoValor(2);
    return m;
}

TCMREFormacaoPrecoVenda Formacao(long long novo, int produto, int margem, unsigned short grade1 = 1)
{
    TCMREFormacaoPrecoVenda f;
    f.CopiarDe(Margem(novo));
    f.SetPosicaoProduto(produto);
    f.SetPosicaoMargemLucro(margem);
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = 900;
    p.PonteiroItemGrade1 = grade1;
    f.SetRegPosicaoProduto(p);
    return f;
}

TEST(FormacaoPrecoVenda, CopiarDeResetsThePositions)
{
    TCMREFormacaoPrecoVenda f = Formacao(1, 3, 5);
    f.CopiarDe(Margem(120000));
    EXPECT_EQ(f.GetPosicaoProduto(), -1);
    EXPECT_EQ(f.GetPosicaoMargemLucro(), -1);
    EXPECT_EQ(f.GetRegPosicaoProduto().PonteiroProduto, 0);
    EXPECT_TRUE(static_cast<const TCMREMargemLucro&>(f) == Margem(120000));
}

TEST(FormacaoPrecoVenda, WritingGivesAClearedTargetWithTheMarginPartOnly)
{
    TCMREMargemLucro m = Margem(1);
    Formacao(120000, 3, 5).CopiarPara(&m);
    EXPECT_TRUE(m == Margem(120000));
    TCMREFormacaoPrecoVenda destino = Formacao(7, 8, 9);
    Formacao(120000, 3, 5).CopiarPara(static_cast<TCMREMargemLucro*>(&destino));
    EXPECT_EQ(destino.GetPosicaoProduto(), -1) << "destination is cleared first";
    EXPECT_EQ(destino.GetPrecoNovoV8().int64, 120000);
}

TEST(FormacaoPrecoVenda, ComparesPositionsOnly)
{
    EXPECT_TRUE(Formacao(120000, 3, 5) == Formacao(999, 3, 5)) << "prices are not compared";
    EXPECT_TRUE(Margem(120000) != Margem(999));
    EXPECT_TRUE(Formacao(1, 3, 5) != Formacao(1, 4, 5)) << "PosicaoProduto";
    EXPECT_TRUE(Formacao(1, 3, 5) != Formacao(1, 3, 6)) << "PosicaoMargemLucro";
    EXPECT_TRUE(Formacao(1, 3, 5) != Formacao(1, 3, 5, 7)) << "grade item 1";
    TCMREFormacaoPrecoVenda b = Formacao(1, 3, 5);
    _REG_POSICAO_PRODUTOPS p = b.GetRegPosicaoProduto();
    std::memset(p.Reservado, 0x5A, sizeof p.Reservado);
    b.SetRegPosicaoProduto(p);
    EXPECT_TRUE(b == Formacao(1, 3, 5)) << "trailing bytes of the position";
}

TEST(FormacaoPrecoVenda, CopyCarriesPositionsAndMargin)
{
    TCMREFormacaoPrecoVenda c;
    c = Formacao(120000, 3, 5);
    EXPECT_TRUE(c == Formacao(0, 3, 5));
    EXPECT_EQ(c.GetRegPosicaoProduto().PonteiroProduto, 900);
    EXPECT_TRUE(static_cast<const TCMREMargemLucro&>(TCMREFormacaoPrecoVenda(c)) == Margem(120000));
}

} // namespace
