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

template <class R, class E> struct Elemento {
    using Registro = R;
    using Estrutura = E;
};

template <class P> class ElementoCPTest : public testing::Test {
};

using ElementosCP = testing::Types<Elemento<TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS>,
                                   Elemento<TCMCPCotacaoPrecoItemProduto, tagREG_COTACAOITEMPRODUTOPS>,
                                   Elemento<TCMCPCotacaoPrecoItemFornecedor, tagREG_COTACAOITEMFORNECEDORPS>,
                                   Elemento<TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS>,
                                   Elemento<TCMCPCotacaoPrecoItemAcompanhamento, tagREG_COTACAOITEMACOMPANHAMENTOPS>>;
TYPED_TEST_SUITE(ElementoCPTest, ElementosCP);

TYPED_TEST(ElementoCPTest, SendingWritesEveryByteOfTheStructure)
{
    typename TypeParam::Estrutura ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro r;
    r.CopiarPara(&ps);
    std::vector<unsigned char> zero(sizeof ps, 0);
    EXPECT_EQ(std::memcmp(&ps, zero.data(), sizeof ps), 0) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
}

TYPED_TEST(ElementoCPTest, ListElementHoldsWhatSendingTheRecordWrites)
{
    using R = typename TypeParam::Registro;
    using S = typename TypeParam::Estrutura;
    static_assert(tolv::EscritaPropria<R> && tolv::LeituraPropria<R>);
    S padrao;
    auto* b = reinterpret_cast<unsigned char*>(&padrao);
    for (size_t k = 0; k < sizeof padrao; ++k)
        b[k] = static_cast<unsigned char>(k * 7 + 1);
    tolv::ZeraAninhados(&padrao);
    R r;
    r.CopiarDe(&padrao);
    S so;
    r.CopiarPara(&so);
    EXPECT_EQ(std::memcmp(&so, &padrao, sizeof so), 0) << "reserved bytes travel unchanged";
    T_Lista<R> l;
    l.Add(r);
    l.Add(r);
    unsigned short n = 0;
    S* p = nullptr;
    tolv::EscreveLista(l, n, p);
    ASSERT_EQ(n, 2);
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(std::memcmp(&p[k], &so, sizeof so), 0) << tolv::Layout<S>::desc.nome << " element " << k;
    delete[] p;
}

// A change to any field makes the records unequal, one to reserved bytes does
// not; the product leaves IDItem out, the follow-up its delivery date-time.
TYPED_TEST(ElementoCPTest, EveryFieldIsComparedAndNoReservedByte)
{
    using R = typename TypeParam::Registro;
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<R, typename TypeParam::Estrutura>(R(), n);
    std::vector<std::string> esperados;
    if constexpr (std::is_same_v<R, TCMCPCotacaoPrecoItemProduto>)
        esperados = {"IDItem"};
    if constexpr (std::is_same_v<R, TCMCPCotacaoPrecoItemAcompanhamento>)
        esperados = {"RegDataHoraEntrega"};
    EXPECT_EQ(erros, esperados) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
    EXPECT_GT(n, 0);
}

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
