// Apportionment lines of the freight bill and their management lines.
#include <cstring>

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

TEST(CTRateio, SendsItsLinesAsWholeImagesOverAnyDestination)
{
    const TCMCTRateio r = Exemplo();
    tagREG_RATEIO_CONHECIMENTOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    r.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdGerencial, 3);
    EXPECT_TRUE(re_teste::Bytes(ps, 528, 550)) << "reserved bytes from the record";
    EXPECT_TRUE(re_teste::Bytes(ps, 556, 560));
    EXPECT_EQ(ps.pGerencial[2].Quantidade.int64, r.GetGerencial(2).GetQuantidade().int64);
    TCMCTRateio lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == r);
    delete[] ps.pGerencial;

    TCMCTRateio vazio;
    std::memset(&ps, 0xFF, sizeof ps);
    vazio.CopiarPara(&ps);
    EXPECT_TRUE(re_teste::Bytes(ps, 0, sizeof ps)) << "count and pointer zeroed";
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
