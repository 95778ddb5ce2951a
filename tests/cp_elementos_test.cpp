// What holds for every record of the price quotation: whole structures
// written, list elements as sent alone, and the fields each comparison sees.
#include <cstring>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCP.h"

namespace {

TEST(CotacaoCampos, EveryFieldOfTheHeaderIsComparedOrExcluded)
{
    amostra::Gerador g(12);
    amostra::FormaCotacao f;
    f.produtos = 2;
    TCMCPCotacaoPreco c;
    amostra::Cotacao(c, g, f);
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<TCMCPCotacaoPreco, tagREG_COTACAOPS>(c, n);
    const std::set<std::string> excluidos = {"JQDMC",
                                             "PonteiroEsteCP",
                                             "NaoConsistirArquivoAlterado",
                                             "DataUltimaAlteracao",
                                             "HoraUltimaAlteracao",
                                             "Usuario",
                                             "WEB"};
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), excluidos);
    EXPECT_EQ(erros.size(), excluidos.size());
    EXPECT_GT(n, 0);
}

// The apportionment's one table, registered under both names.
TEST(CotacaoCampos, BothPurchaseApportionmentsAreRegistered)
{
    for (const char* nome : {"tagREG_SOLICITACAO_RATEIO_COMPRAPS", "tagREG_COTACAOITEMRATEIOPS"}) {
        const tolv::EstruturaDesc* d = tolv::EstruturaPorNome(nome);
        ASSERT_NE(d, nullptr) << nome;
        EXPECT_EQ(d->tamanho, 568u) << nome;
        EXPECT_EQ(d->nAninhados, 1u) << nome;
    }
}

// No record of either document has a run-time class of its own.
TEST(CotacaoCampos, RecordsReportTheirRegisteredBasesClass)
{
    EXPECT_EQ(TCMSCRateio().GetRuntimeClass(), RUNTIME_CLASS(TCMRateioBase));
    EXPECT_EQ(TCMCPCotacaoPrecoRateio().GetRuntimeClass(), RUNTIME_CLASS(TCMRateioBase));
    const CRuntimeClass* base = RUNTIME_CLASS(TJQBaseParaDados);
    EXPECT_EQ(TCMSCSolicitacaoCompra().GetRuntimeClass(), base);
    EXPECT_EQ(TCMSCItem().GetRuntimeClass(), base);
    EXPECT_EQ(TCMSCFornecedor().GetRuntimeClass(), base);
    EXPECT_EQ(TCMCPCotacaoPreco().GetRuntimeClass(), base);
    EXPECT_EQ(TCMCPCotacaoPrecoItemProduto().GetRuntimeClass(), base);
    EXPECT_EQ(TCMCPCotacaoPrecoItemFornecedor().GetRuntimeClass(), base);
    EXPECT_EQ(TCMCPCotacaoPrecoItemParcela().GetRuntimeClass(), base);
    EXPECT_EQ(TCMCPCotacaoPrecoItemAcompanhamento().GetRuntimeClass(), base);
}

} // namespace
