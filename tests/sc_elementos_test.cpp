// What holds for every record of the purchase requisition: whole structures
// written, list elements as sent alone, and the fields each comparison sees.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraSC.h"

namespace {

TEST(SolicitacaoCampos, EveryFieldOfTheHeaderIsComparedOrExcluded)
{
    amostra::Gerador g(11);
    amostra::FormaSolicitacao f;
    f.itens = 2;
    TCMSCSolicitacaoCompra r;
    amostra::Solicitacao(r, g, f);
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<TCMSCSolicitacaoCompra, tagREG_SOLICITACAO_COMPRAPS>(r, n);
    const std::set<std::string> excluidos = {"JQDMC",          "RegDataUltimaAlteracao", "RegDataHoraInclusao",
                                             "PonteiroEsteSC", "HoraUltimaAlteracao",    "Usuario",
                                             "Incompleta"};
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), excluidos);
    EXPECT_EQ(erros.size(), excluidos.size());
    EXPECT_GT(n, 0);
}

// The date slots: the getter gives the 4-byte date, the setter zeroes the 4
// bytes after it; only the date is compared.
TEST(SolicitacaoCampos, DateSlotTailIsZeroedBySetterAndNotCompared)
{
    tagREG_SOLICITACAO_COMPRA_ITEMPS ps{};
    std::memset(&ps.RegDataNecessidade, 0x7E, 8);
    TCMSCItem a;
    a.CopiarDe(&ps);
    TCMSCItem b(a);
    b.SetRegDataNecessidade(a.GetRegDataNecessidade());
    tagREG_SOLICITACAO_COMPRA_ITEMPS pa, pb;
    a.CopiarPara(&pa);
    b.CopiarPara(&pb);
    EXPECT_TRUE(re_teste::Bytes(pa, 20, 24, 0x7E)) << "loaded tail kept";
    EXPECT_TRUE(re_teste::Bytes(pb, 20, 24, 0)) << "setter zeroes the tail";
    EXPECT_TRUE(a == b);
}

} // namespace
