// Apportionment lines of the freight bill and their management lines.
#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCT.h"

namespace {

TCMCTRateio Exemplo()
{
    amostra::Gerador g(552);
    return amostra::RateioCT(g, 3);
}

TEST(CTRateio, ComparesLinesWithQuantityButNotTheHistory)
{
    const TCMCTRateio a = Exemplo();
    TCMCTRateio b = a;
    b.SetPonteiroHistorico(static_cast<unsigned short>(a.GetPonteiroHistorico() + 1));
    EXPECT_TRUE(a == b) << "PonteiroHistorico";
    b.GetRefGerencial(1).SetQuantidade(JQCY(a.GetGerencial(1).GetQuantidade().int64 + 1));
    EXPECT_TRUE(a != b) << "Quantidade of a line";
    b = a;
    b.TrocaGerencial(0, 2);
    EXPECT_TRUE(a != b) << "order of the lines";
}

TEST(CTRateio, LineCountIsComparedBeforeTheComplement)
{
    const TCMCTRateio a = Exemplo();
    TCMCTRateio b = a;
    b.DeletarGerencial(0);
    re_teste::ObservaComplemento obs;
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(obs.chamadas.empty()) << "the companion is not asked";
    b = a;
    b.SetComplementoHistorico("outro");
    EXPECT_TRUE(a != b);
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "outro") << "the other record's text first";
}

} // namespace
