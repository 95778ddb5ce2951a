// The records of the purchase order that travel as elements of nested arrays:
// what sending writes, and what the comparisons look at.
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraOC.h"

namespace {

template <class R, class E> struct Elemento {
    using Registro = R;
    using Estrutura = E;
};

template <class P> class ElementoOCTest : public testing::Test {
};

using Elementos = testing::Types<
    Elemento<TCMOCItem, tagREG_ITENS_ORDEMPS>, Elemento<TCMOCRateio, tagREG_RATEIO_COMPRAPS>,
    Elemento<TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS>, Elemento<TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS>,
    Elemento<TCMOCParcela, tagREG_FATURA_COMPRAPS>, Elemento<TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS>>;
TYPED_TEST_SUITE(ElementoOCTest, Elementos);

TYPED_TEST(ElementoOCTest, SendingWritesEveryByteOfTheStructure)
{
    typename TypeParam::Estrutura ps;
    std::memset(&ps, 0xA5, sizeof ps);
    typename TypeParam::Registro r;
    r.CopiarPara(&ps);
    std::vector<unsigned char> zero(sizeof ps, 0);
    EXPECT_EQ(std::memcmp(&ps, zero.data(), sizeof ps), 0) << tolv::Layout<typename TypeParam::Estrutura>::desc.nome;
}

// An element of an array that the list writing allocates holds what sending
// the record on its own writes.
TYPED_TEST(ElementoOCTest, ListElementHoldsWhatSendingTheRecordWrites)
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
    EXPECT_EQ(std::memcmp(&so, &padrao, sizeof so), 0) << tolv::Layout<S>::desc.nome << ": every byte travels";
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
    // Read back as list elements (the reading form) they are the same records.
    T_Lista<R> lidos;
    tolv::LeLista(lidos, static_cast<unsigned short>(1), &padrao);
    ASSERT_EQ(lidos.GetSize(), 1);
    S de_novo;
    lidos.GetAt(0).CopiarPara(&de_novo);
    EXPECT_EQ(std::memcmp(&de_novo, &padrao, sizeof so), 0) << tolv::Layout<S>::desc.nome;
}

// --- What each comparison leaves out ------------------------------------------------

template <class R, class S> void ChecaExclusoes(const R& base, std::vector<std::string> esperados)
{
    int n = 0;
    auto fora = re_teste::CamposForaDaComparacao<R, S>(base, n);
    EXPECT_EQ(fora, esperados) << tolv::Layout<S>::desc.nome;
    EXPECT_GT(n, 0);
}

TEST(ElementoOC, EachComparisonLooksAtItsFieldsAndLeavesOutTheExcluded)
{
    amostra::Gerador g(5);
    ChecaExclusoes<TCMOCItem, tagREG_ITENS_ORDEMPS>(
        amostra::ItemOC(g, 0),
        {"QuantidadeUltimaCompra", "PrecoUltimaCompra", "IDItem", "DataUltimaCompra", "GerarAcompanhamento"});
    ChecaExclusoes<TCMOCRateio, tagREG_RATEIO_COMPRAPS>(amostra::RateioOC(g), {"ValorICMS"});
    ChecaExclusoes<TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS>(amostra::ProgramacaoOC(g),
                                                                  {"DataEntregaAnterior", "HoraEntregaAnterior"});
    ChecaExclusoes<TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS>(amostra::RecebimentoOC(g), {"PonteiroRE"});
    ChecaExclusoes<TCMOCParcela, tagREG_FATURA_COMPRAPS>(amostra::ParcelaOC(g, 0), {});
}

// What lies outside the structures: lists, the receipt's text, the screen
// state of an item.
TEST(ElementoOC, MembersOutsideTheStructures)
{
    amostra::Gerador g(6);
    const TCMOCItem item = amostra::ItemOC(g, 0);
    struct Caso {
        const char* nome;
        void (*muda)(TCMOCItem&);
        bool igual;
    };
    const Caso casos[] = {
        {"ExpandirGrid", [](TCMOCItem& i) { i.SetExpandirGrid(true); }, true},
        {"one apportionment fewer", [](TCMOCItem& i) { i.DeletarRateio(1); }, false},
        {"one schedule line fewer", [](TCMOCItem& i) { i.DeletarProgramacao(0); }, false},
        {"a management line's value", [](TCMOCItem& i) { i.GetRefRateio(1).GetRefGerencial(1).SetValor(JQCY(1)); },
         false},
        {"one management line fewer", [](TCMOCItem& i) { i.GetRefRateio(0).DeletarGerencial(0); }, false},
        {"a receipt's observation",
         [](TCMOCItem& i) { i.GetRefProgramacao(1).GetRefRecebimento(0).SetObservacao("outra"); }, false},
        {"a receipt's NumeroNotaFiscal",
         [](TCMOCItem& i) { i.GetRefProgramacao(1).GetRefRecebimento(0).SetNumeroNotaFiscal("999"); }, false},
        {"a receipt's PonteiroRE", [](TCMOCItem& i) { i.GetRefProgramacao(1).GetRefRecebimento(0).SetPonteiroRE(1); },
         true},
        {"one receipt more", [](TCMOCItem& i) { i.GetRefProgramacao(0).AdicionaRecebimento(TCMOCRecebimento()); },
         false},
        {"a schedule line's DataEntregaAnterior",
         [](TCMOCItem& i) { i.GetRefProgramacao(0).SetDataEntregaAnterior(1); }, true},
        {"an apportionment's ValorICMS", [](TCMOCItem& i) { i.GetRefRateio(0).SetValorICMS(JQCY(1)); }, true},
    };
    for (const Caso& c : casos) {
        TCMOCItem outro(item);
        c.muda(outro);
        EXPECT_EQ(item == outro, c.igual) << c.nome;
        EXPECT_EQ(outro == item, c.igual) << c.nome << " (other side)";
        EXPECT_EQ(item != outro, !c.igual) << c.nome;
    }
}

// The apportionment asks the companion with its own text first, after its
// number of management lines and its fields, before the lines themselves.
TEST(ElementoOC, ApportionmentComplementIsAskedWithItsOwnTextFirst)
{
    amostra::Gerador g(7);
    TCMOCRateio a = amostra::RateioOC(g);
    TCMOCRateio b(a);
    a.SetComplementoHistorico("deste");
    b.SetComplementoHistorico("do outro");
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        ASSERT_EQ(obs.chamadas.size(), 1u);
        EXPECT_EQ(obs.chamadas[0].first, "deste");
        EXPECT_EQ(obs.chamadas[0].second, "do outro");
    }
    b = a;
    b.GetRefGerencial(0).SetPonteiroGerencial(1);
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_EQ(obs.chamadas.size(), 1u) << "the lines come after the complement";
    }
    b = a;
    b.AdicionaGerencial(TCMGerencial());
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_TRUE(obs.chamadas.empty()) << "the number of lines comes first";
    }
}

// The apportionment's lines are the base's one list: copied once, cleared once.
TEST(ElementoOC, ApportionmentKeepsOneListOfManagementLines)
{
    amostra::Gerador g(8);
    TCMOCRateio a = amostra::RateioOC(g, 3);
    TCMOCRateio b(a);
    EXPECT_EQ(b.GetQuantidadeGerencial(), 3);
    TCMOCRateio c;
    c.AdicionaGerencial(TCMGerencial());
    c = a;
    EXPECT_EQ(c.GetQuantidadeGerencial(), 3);
    EXPECT_TRUE(c == a);
    c.Limpar();
    EXPECT_EQ(c.GetQuantidadeGerencial(), 0);
    EXPECT_TRUE(c == TCMOCRateio());
    EXPECT_STREQ(a.GetRuntimeClass()->m_lpszClassName, "TCMRateioBase");
}

} // namespace
