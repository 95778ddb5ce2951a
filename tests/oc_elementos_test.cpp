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
