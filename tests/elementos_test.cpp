// What holds for every record that travels as an element of a nested array,
// in every document: sending writes the whole structure, a list element holds
// what sending the record alone writes, every byte read comes back, and each
// comparison sees every field but those it leaves out, and no reserved byte.
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"

namespace {

template <class R, class E> struct Elemento {
    using Registro = R;
    using Estrutura = E;
};

template <class P> class ElementoTodosTest : public testing::Test {
};

template <class... T> struct Lista {
};

using Todos = Lista<
    // entry register, and the freight bill's elements
    Elemento<TCMGerencial, tagREG_CM_GERENCIALPS>, Elemento<TCMRERateioProduto, tagREG_RATEIOPRODUTO_ENTRADAPS>,
    Elemento<TCMRERateioServico, tagREG_RATEIOSERVICO_ENTRADAPS>,
    Elemento<TCMRERateioTitulo, tagREG_TITULO_RATEIO_ENTRADAPS>,
    Elemento<TCMREAtivoImobilizado, tagREG_ATIVO_IMOBILIZADO_ENTRADAPS>,
    Elemento<TCMREItemProduto, tagREG_ITEM_ENTRADA_PRODUTOPS>,
    Elemento<TCMREItemServico, tagREG_ITEM_ENTRADA_SERVICOPS>, Elemento<TCMREItemImposto, tagREG_ITEM_IMPOSTOPS>,
    Elemento<TCMREServicoDeducao, tagREG_DEDUCOES_PS>, Elemento<TCMREEntradaEstoque, _REG_ENTRADA_ESTOQUE_ENTRADAPS>,
    Elemento<TCMREComposicao, _REG_ITEM_ENTRADA_COMPOSICAOPS>,
    Elemento<TCMREItemProdutoTotais, tagREG_ITEM_TOTAIS_ENTRADAPS>, Elemento<TCMREMargemLucro, tagREG_MARGEMLUCROPS>,
    Elemento<TCMREItemAssociacaoREOC, tagREG_ASSOCIACAO_ITEM_RE_OCPS>, Elemento<TCMREParcela, tagREG_FATURA_ENTRADAPS>,
    Elemento<TCMRETituloImposto, tagREG_TITULO_IMPOSTOS_ENTRADAPS>,
    Elemento<TCMRENFReferidas, tagREG_RE_NF_REFERIDA_PS>,
    Elemento<TCMREObservacaoCFOP, tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS>,
    Elemento<TCMCTRateio, tagREG_RATEIO_CONHECIMENTOPS>, Elemento<TCMCTParcela, tagREG_FATURA_CONHECIMENTOPS>,
    Elemento<TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS>,
    // purchase order
    Elemento<TCMOCItem, tagREG_ITENS_ORDEMPS>, Elemento<TCMOCRateio, tagREG_RATEIO_COMPRAPS>,
    Elemento<TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS>, Elemento<TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS>,
    Elemento<TCMOCParcela, tagREG_FATURA_COMPRAPS>, Elemento<TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS>,
    // requisition and quotation
    Elemento<TCMSCRateio, tagREG_SOLICITACAO_RATEIO_COMPRAPS>, Elemento<TCMSCItem, tagREG_SOLICITACAO_COMPRA_ITEMPS>,
    Elemento<TCMSCFornecedor, tagREG_SOLICITACAO_COMPRA_FORNECEDORPS>,
    Elemento<TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS>,
    Elemento<TCMCPCotacaoPrecoItemProduto, tagREG_COTACAOITEMPRODUTOPS>,
    Elemento<TCMCPCotacaoPrecoItemFornecedor, tagREG_COTACAOITEMFORNECEDORPS>,
    Elemento<TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS>,
    Elemento<TCMCPCotacaoPrecoItemAcompanhamento, tagREG_COTACAOITEMACOMPANHAMENTOPS>,
    // contracts, both generations
    Elemento<TCMCC2Aditivo, tagREG_ADITIVO_CONTRATO_COMPRAPS>,
    Elemento<TCMCC2Reajuste, tagREG_REAJUSTE_CONTRATO_COMPRAPS>,
    Elemento<TCMCC2NotaFiscal, tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS>,
    Elemento<TCMCC2Classificacao, tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS>,
    Elemento<TCMCC2Execucao, tagREG_EXECUCAO_CONTRATO_COMPRAPS>,
    Elemento<TCMCC2Parcela, tagREG_PARCELA_CONTRATO_COMPRAPS>,
    Elemento<TCMCCAditivo, tagREG_CM_ADITIVO_CONTRATO_COMPRAPS>,
    Elemento<TCMCCReajuste, tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS>,
    Elemento<TCMCCNotaFiscal, tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS>,
    Elemento<TCMCCUsuario, tagREG_CM_USUARIO_CONTRATO_COMPRAPS>,
    Elemento<TCMCCClassificacao, tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS>,
    Elemento<TCMCCExecucao, tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS>,
    Elemento<TCMCCParcela, tagREG_CM_PARCELA_CONTRATO_COMPRAPS>,
    // fiscal movement (outwards only)
    Elemento<TEFMovimentoAliquotaICMS, _REG_ALIQUOTASICMSPS>, Elemento<TEFMovimentoItem, _REG_ITENS_NF_PS>,
    Elemento<TEFMovimentoDI, _REG_DADOS_DIPS>, Elemento<TEFMovimentoParcela, _REG_EF_NF_FINANCEIRO_PS>,
    Elemento<TEFMovimentoReferida, _REG_EF_NF_REFERIDA_PS>, Elemento<TEFMovimentoTransporte, _REG_NOTAS_FISCIASPS>,
    // inventory movement, operations, master lists
    Elemento<TESMovimentoContabil, _REG_ES_CONTABILIZACAOPS>,
    Elemento<TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS>,
    Elemento<TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS>,
    Elemento<TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS>, Elemento<TCMOPRateio, REG_CM_RATEIO_OPPS>,
    Elemento<TCMMestreAutorizacoes, tagREG_CM_AUTORIZACOESPS>, Elemento<TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS>,
    Elemento<TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS>>;

template <class R, class S> constexpr bool kLe = requires(R r, S* p) { r.CopiarDe(p); };
template <class R> constexpr bool kCompara = requires(const R& a) { a == a; };

template <class E> struct Lido : std::bool_constant<kLe<typename E::Registro, typename E::Estrutura>> {
};
template <class E> struct Comparado : std::bool_constant<Lido<E>::value && kCompara<typename E::Registro>> {
};

// The elements of a list that satisfy P, as gtest's type list.
template <template <class> class P, class Feitos, class... Resto> struct Filtra;
template <template <class> class P, class... F> struct Filtra<P, Lista<F...>> {
    using tipo = testing::Types<F...>;
};
template <template <class> class P, class... F, class E, class... Resto> struct Filtra<P, Lista<F...>, E, Resto...> {
    using tipo = typename std::conditional_t<P<E>::value, Filtra<P, Lista<F..., E>, Resto...>,
                                             Filtra<P, Lista<F...>, Resto...>>::tipo;
};
template <class L> struct ParaTipos;
template <class... E> struct ParaTipos<Lista<E...>> {
    using todos = testing::Types<E...>;
    using lidos = typename Filtra<Lido, Lista<>, E...>::tipo;
    using comparados = typename Filtra<Comparado, Lista<>, E...>::tipo;
};

TYPED_TEST_SUITE(ElementoTodosTest, ParaTipos<Todos>::todos);

template <class P> class ElementoComparadoTest : public testing::Test {
};
TYPED_TEST_SUITE(ElementoComparadoTest, ParaTipos<Todos>::comparados);

template <class P> class ElementoLidoTest : public testing::Test {
};
TYPED_TEST_SUITE(ElementoLidoTest, ParaTipos<Todos>::lidos);

// The fields each element's comparison leaves out, by structure.
const std::map<std::string, std::vector<std::string>> kExcluidos = {
    {"tagREG_ITEM_ENTRADA_PRODUTOPS", {"IDItem"}},
    {"tagREG_ITEM_ENTRADA_SERVICOPS", {"IDItem"}},
    {"tagREG_RATEIO_CONHECIMENTOPS", {"PonteiroHistorico"}},
    {"tagREG_NOTAFISCAL_CONHECIMENTOPS", {"RegNFe", "TipoNota"}},
    // the bar code block compares its text up to the NUL
    {"tagREG_FATURA_ENTRADAPS", {"RegCodBarras+1"}},
    {"tagREG_ITENS_ORDEMPS",
     {"QuantidadeUltimaCompra", "PrecoUltimaCompra", "IDItem", "DataUltimaCompra", "GerarAcompanhamento"}},
    {"tagREG_RATEIO_COMPRAPS", {"ValorICMS"}},
    {"tagREG_PROGRAMACAO_COMPRAPS", {"DataEntregaAnterior", "HoraEntregaAnterior"}},
    {"tagREG_RECEBIMENTO_COMPRAPS", {"PonteiroRE"}},
    {"tagREG_SOLICITACAO_COMPRA_ITEMPS", {"Integrado"}},
    {"tagREG_COTACAOITEMPRODUTOPS", {"IDItem"}},
    {"tagREG_COTACAOITEMACOMPANHAMENTOPS", {"RegDataHoraEntrega"}},
    {"tagREG_CM_RELACIONAMENTO_OPPS", {"IDRelacionamento", "CST_IPI_xml"}},
};

TYPED_TEST(ElementoTodosTest, SendingWritesEveryByteOfTheStructure)
{
    using S = typename TypeParam::Estrutura;
    S ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro().CopiarPara(&ps);
    EXPECT_TRUE(re_teste::Bytes(ps, 0, sizeof ps)) << tolv::Layout<S>::desc.nome;
}

// Every byte of the structure, reserved ones included, goes both ways, alone
// and as list elements.
TYPED_TEST(ElementoLidoTest, ImageTravelsWholeAndAsAListElement)
{
    using R = typename TypeParam::Registro;
    using S = typename TypeParam::Estrutura;
    const char* nome = tolv::Layout<S>::desc.nome;
    static_assert(tolv::EscritaPropria<R>);
    S padrao;
    auto* b = reinterpret_cast<unsigned char*>(&padrao);
    for (size_t k = 0; k < sizeof padrao; ++k)
        b[k] = static_cast<unsigned char>(k * 7 + 1);
    tolv::ZeraAninhados(&padrao);
    R r;
    r.CopiarDe(&padrao);
    S so;
    r.CopiarPara(&so);
    // The product apportionment rebuilds its fixed-asset slot from its list;
    // the service apportionment's reading zeroes two reserved words.
    const std::set<std::string> kRefeitos = {"tagREG_RATEIOPRODUTO_ENTRADAPS", "tagREG_RATEIOSERVICO_ENTRADAPS"};
    if (!kRefeitos.count(nome)) {
        EXPECT_EQ(std::memcmp(&so, &padrao, sizeof so), 0) << nome << ": every byte travels";
    }

    T_Lista<R> l;
    l.Add(r);
    l.Add(r);
    unsigned short n = 0;
    S* p = nullptr;
    tolv::EscreveLista(l, n, p);
    ASSERT_EQ(n, 2) << nome;
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(std::memcmp(&p[k], &so, sizeof so), 0) << nome << " element " << k;
    T_Lista<R> lidos;
    tolv::LeLista(lidos, n, p);
    ASSERT_EQ(lidos.GetSize(), 2) << nome;
    S de_novo;
    lidos.GetAt(1).CopiarPara(&de_novo);
    EXPECT_EQ(std::memcmp(&de_novo, &so, sizeof so), 0) << nome << ": read by the list reading";
    delete[] p;
}

// Flipping any field alone makes two records unequal, but for the fields the
// comparison leaves out; reserved bytes never do.
TYPED_TEST(ElementoComparadoTest, EveryFieldIsComparedAndNoReservedByte)
{
    using R = typename TypeParam::Registro;
    using S = typename TypeParam::Estrutura;
    const char* nome = tolv::Layout<S>::desc.nome;
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<R, S>(R(), n);
    auto i = kExcluidos.find(nome);
    EXPECT_EQ(erros, i == kExcluidos.end() ? std::vector<std::string>() : i->second) << nome;
    EXPECT_GT(n, 0) << nome;
}

} // namespace
