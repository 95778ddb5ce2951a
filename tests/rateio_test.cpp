#include <gtest/gtest.h>

#include "tolvdata.h"

namespace {

TCMGerencial Linha(long conta, LONGLONG valor, LONGLONG qtd = 0, long classif = 1)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    g.SetPonteiroClassificacao(classif);
    g.SetValor(JQCY(valor));
    g.SetQuantidade(JQCY(qtd));
    return g;
}

TXGerencialSimples Simples(std::initializer_list<TCMGerencial> linhas)
{
    TXGerencialSimples s;
    for (const TCMGerencial& g : linhas)
        s.AdicionaGerencial(g);
    return s;
}

void EsperaLinha(const TXGerencialSimples& s, int i, long conta, LONGLONG valor, LONGLONG qtd)
{
    SCOPED_TRACE(testing::Message() << "line " << i);
    ASSERT_LT(i, s.GetQuantidadeGerencial());
    const TCMGerencial& g = s.GetConstRefGerencial(i);
    EXPECT_EQ(g.GetPonteiroGerencial(), conta) << "PonteiroGerencial";
    EXPECT_EQ(g.GetValor().int64, valor) << "Valor";
    EXPECT_EQ(g.GetQuantidade().int64, qtd) << "Quantidade";
}

TEST(GerencialSimples, AddMergesByAccountKeepingOrder)
{
    TXGerencialSimples a = Simples({Linha(10, 50000, 1), Linha(20, 10000, 2)});
    a + Simples({Linha(10, 20000, 3, 9)});
    ASSERT_EQ(a.GetQuantidadeGerencial(), 2);
    EsperaLinha(a, 0, 10, 70000, 4);
    EsperaLinha(a, 1, 20, 10000, 2);
    EXPECT_EQ(a.GetConstRefGerencial(0).GetPonteiroClassificacao(), 1) << "first line's classification survives";
}

TEST(GerencialSimples, AddingEmptyFoldsExistingDuplicates)
{
    TXGerencialSimples a = Simples({Linha(5, 1), Linha(6, 2), Linha(5, 3), Linha(5, 4)});
    a + TXGerencialSimples();
    ASSERT_EQ(a.GetQuantidadeGerencial(), 2);
    EsperaLinha(a, 0, 5, 8, 0);
    EsperaLinha(a, 1, 6, 2, 0);
}

TEST(GerencialSimples, AddToItselfDoubles)
{
    TXGerencialSimples a = Simples({Linha(1, 3, 5), Linha(2, 7, 11)});
    a + a;
    ASSERT_EQ(a.GetQuantidadeGerencial(), 2);
    EsperaLinha(a, 0, 1, 6, 10);
    EsperaLinha(a, 1, 2, 14, 22);
}

TEST(GerencialComposto, AddsPositionByPosition)
{
    TXGerencialComposto a;
    a.AdicionaGerencial(Simples({Linha(1, 1)}));
    a.AdicionaGerencial(Simples({Linha(2, 2)}));
    TXGerencialComposto b;
    b.AdicionaGerencial(Simples({Linha(3, 3)}));
    b.AdicionaGerencial(Simples({Linha(2, 5)}));
    b.AdicionaGerencial(Simples({Linha(4, 4), Linha(4, 6)}));
    a + b;
    ASSERT_EQ(a.GetQuantidadeGerencial(), 3);
    // The other operand's lines come first.
    EsperaLinha(a.GetConstRefGerencial(0), 0, 3, 3, 0);
    EsperaLinha(a.GetConstRefGerencial(0), 1, 1, 1, 0);
    ASSERT_EQ(a.GetConstRefGerencial(1).GetQuantidadeGerencial(), 1);
    EsperaLinha(a.GetConstRefGerencial(1), 0, 2, 7, 0);
    ASSERT_EQ(a.GetConstRefGerencial(2).GetQuantidadeGerencial(), 1);
    EsperaLinha(a.GetConstRefGerencial(2), 0, 4, 10, 0);
}

TEST(RateioBase, ComparesLinesInOrder)
{
    TCMRateioBase a, b;
    EXPECT_TRUE(a == &b) << "two empty apportionments";
    a.AdicionaGerencial(Linha(1, 1));
    a.AdicionaGerencial(Linha(2, 2));
    b.AdicionaGerencial(Linha(2, 2));
    b.AdicionaGerencial(Linha(1, 1));
    EXPECT_FALSE(a == &b) << "same lines, other order";
    EXPECT_TRUE(a != &b);
    b.TrocaGerencial(0, 1);
    EXPECT_TRUE(a == &b);
    b.RemoveTodosGerencial();
    EXPECT_FALSE(a == &b) << "counts differ";
}

TEST(Contabilizacao, AssignFromBaseZeroesSequences)
{
    TXContabilizacao base;
    base.SetValor(JQCY(123));
    base.SetDocumento(77);
    base.SetComplemento(CString(std::string(5000, 'x').c_str()));
    TXGerencialComposto deb;
    deb.AdicionaGerencial(Simples({Linha(8, 9)}));
    base.SetGerencialDebito(deb);

    TXContabilizacaoES es;
    es.SetSequenciaProduto(4);
    es.SetSequenciaRateio(5);
    es = base;
    EXPECT_EQ(es.GetSequenciaProduto(), 0);
    EXPECT_EQ(es.GetSequenciaRateio(), 0);
    EXPECT_EQ(es.GetValor().int64, 123);
    EXPECT_EQ(es.GetDocumento(), 77);
    EXPECT_EQ(es.GetComplemento().GetLength(), 5000) << "complement has no length limit";
    EXPECT_EQ(es.GetGerencialDebito().GetQuantidadeGerencial(), 1);

    TXContabilizacaoES outro;
    outro.SetSequenciaProduto(9);
    es = outro;
    EXPECT_EQ(es.GetSequenciaProduto(), 9) << "standard assignment copies sequences";
}

TEST(Companheiras, HistoryComplementComparisonTakesNullAsEmpty)
{
    EXPECT_TRUE(CTOLVSVCUtil::ComparaComplementoHistorico("abc", "abc"));
    EXPECT_FALSE(CTOLVSVCUtil::ComparaComplementoHistorico("abc", "abd"));
    EXPECT_TRUE(CTOLVSVCUtil::ComparaComplementoHistorico(nullptr, ""));
}

} // namespace
