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

template <class R, class E> struct Elemento {
    using Registro = R;
    using Estrutura = E;
};

template <class P> class ElementoSCTest : public testing::Test {
};

using ElementosSC = testing::Types<Elemento<TCMSCRateio, tagREG_SOLICITACAO_RATEIO_COMPRAPS>,
                                   Elemento<TCMSCItem, tagREG_SOLICITACAO_COMPRA_ITEMPS>,
                                   Elemento<TCMSCFornecedor, tagREG_SOLICITACAO_COMPRA_FORNECEDORPS>>;
TYPED_TEST_SUITE(ElementoSCTest, ElementosSC);

TYPED_TEST(ElementoSCTest, SendingWritesEveryByteOfTheStructure)
{
    typename TypeParam::Estrutura ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro r;
    r.CopiarPara(&ps);
    std::vector<unsigned char> zero(sizeof ps, 0);
    EXPECT_EQ(std::memcmp(&ps, zero.data(), sizeof ps), 0) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
}

TYPED_TEST(ElementoSCTest, ListElementHoldsWhatSendingTheRecordWrites)
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
// not; the item leaves Integrado out.
TYPED_TEST(ElementoSCTest, EveryFieldIsComparedAndNoReservedByte)
{
    using R = typename TypeParam::Registro;
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<R, typename TypeParam::Estrutura>(R(), n);
    std::vector<std::string> esperados;
    if constexpr (std::is_same_v<R, TCMSCItem>)
        esperados = {"Integrado"};
    EXPECT_EQ(erros, esperados) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
    EXPECT_GT(n, 0);
}

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
