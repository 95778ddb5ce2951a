// What holds for every record of the inventory movement, the operations and
// the master lists that travels as an element of a nested array.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tolvdata.h"

namespace {

template <class R, class E> struct Elemento {
    using Registro = R;
    using Estrutura = E;
};

template <class P> class ElementoESOPTest : public testing::Test {
};

using Elementos =
    testing::Types<Elemento<TESMovimentoContabil, _REG_ES_CONTABILIZACAOPS>,
                   Elemento<TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS>,
                   Elemento<TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS>,
                   Elemento<TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS>,
                   Elemento<TCMOPRateio, REG_CM_RATEIO_OPPS>, Elemento<TCMMestreAutorizacoes, tagREG_CM_AUTORIZACOESPS>,
                   Elemento<TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS>,
                   Elemento<TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS>>;
TYPED_TEST_SUITE(ElementoESOPTest, Elementos);

TYPED_TEST(ElementoESOPTest, SendingWritesEveryByteOfTheStructure)
{
    typename TypeParam::Estrutura ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro().CopiarPara(&ps);
    std::vector<unsigned char> zero(sizeof ps, 0);
    EXPECT_EQ(std::memcmp(&ps, zero.data(), sizeof ps), 0) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
}

// An element that the list writing fills holds what sending the record on its
// own writes, and reads back into the same record.
TYPED_TEST(ElementoESOPTest, ListElementHoldsWhatSendingTheRecordWrites)
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
    EXPECT_EQ(std::memcmp(&so, &padrao, sizeof so), 0) << "every byte travels: " << tolv::Layout<S>::desc.nome;
    T_Lista<R> l;
    l.Add(r);
    l.Add(r);
    unsigned short n = 0;
    S* p = nullptr;
    tolv::EscreveLista(l, n, p);
    ASSERT_EQ(n, 2);
    for (int k = 0; k < 2; ++k)
        EXPECT_EQ(std::memcmp(&p[k], &so, sizeof so), 0) << tolv::Layout<S>::desc.nome << " element " << k;
    T_Lista<R> lidos;
    tolv::LeLista(lidos, n, p);
    ASSERT_EQ(lidos.GetSize(), 2);
    S de_novo;
    lidos.GetAt(1).CopiarPara(&de_novo);
    EXPECT_EQ(std::memcmp(&de_novo, &so, sizeof so), 0) << "read by the list reading: " << tolv::Layout<S>::desc.nome;
    delete[] p;
}

} // namespace
