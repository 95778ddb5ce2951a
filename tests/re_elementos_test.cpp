// What holds for every record that travels as an element of a nested array.
#include <cstring>
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

template <class P> class ElementoTest : public testing::Test {
};

using Elementos = testing::Types<
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
    Elemento<TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS>>;
TYPED_TEST_SUITE(ElementoTest, Elementos);

// Sending writes the whole structure: the arrays are not zeroed ahead of their
// elements.
TYPED_TEST(ElementoTest, SendingWritesEveryByteOfTheStructure)
{
    typename TypeParam::Estrutura ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro r;
    r.CopiarPara(&ps);
    std::vector<unsigned char> zero(sizeof ps, 0);
    EXPECT_EQ(std::memcmp(&ps, zero.data(), sizeof ps), 0) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
}

// An element of an array that the list writing allocates holds what sending
// the record on its own writes (every element record has its own form).
TYPED_TEST(ElementoTest, ListElementHoldsWhatSendingTheRecordWrites)
{
    using R = typename TypeParam::Registro;
    using S = typename TypeParam::Estrutura;
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

// A change to any byte a field's comparison reads makes the records unequal,
// one to reserved or ignored bytes does not; the items leave their IDItem out,
// a few elements the fields their comparison skips, and the bar code block of
// an instalment compares its text up to the NUL.
TYPED_TEST(ElementoTest, EveryFieldIsComparedAndNoReservedByte)
{
    using R = typename TypeParam::Registro;
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<R, typename TypeParam::Estrutura>(R(), n);
    std::vector<std::string> esperados;
    if constexpr (std::is_base_of_v<TCMREItemBase, R>)
        esperados = {"IDItem"};
    else if constexpr (std::is_same_v<R, TCMCTRateio>)
        esperados = {"PonteiroHistorico"};
    else if constexpr (std::is_same_v<R, TCMCTNotaFiscal>)
        esperados = {"RegNFe", "TipoNota"};
    else if constexpr (std::is_same_v<R, TCMREParcela>)
        esperados = {"RegCodBarras+1"};
    EXPECT_EQ(erros, esperados) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
    EXPECT_GT(n, 0);
}

} // namespace
