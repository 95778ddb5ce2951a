// The purchase order: its tree through both conversions, the freeing walks,
// the object-only members, the header's accessors and comparison.
#include <cstddef>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraOC.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;

const tolv::EstruturaDesc& DescOC() { return tolv::Layout<tagREG_ORDEMPS>::desc; }

// An order with two items, each with three apportionments of two management
// lines and two schedule lines with one receipt each (the first receipt with
// the observation "abc"), three instalments, log lines and a link.
TCMOCOrdemCompra Exemplo()
{
    amostra::Gerador g(23);
    amostra::FormaOrdem f;
    f.itens = 2;
    f.item.rateios = 3;
    f.item.linhas = 2;
    f.item.programacoes = 2;
    f.item.recebimentos = 1;
    TCMOCOrdemCompra o;
    amostra::Ordem(o, g, f);
    o.GetRefItem(0).GetRefProgramacao(0).GetRefRecebimento(0).SetObservacao("abc");
    o.GetRefItem(0).SetExpandirGrid(true);
    return o;
}

class OrdemTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (tagREG_ORDEMPS* ps : enviados)
            TCMOCOrdemCompra::ZerarDelete(ps);
    }
    // Sends o into a 0xFF-filled structure; its arrays are released at the end.
    tagREG_ORDEMPS& Envia(const TCMOCOrdemCompra& o)
    {
        estruturas.emplace_back();
        tagREG_ORDEMPS& ps = estruturas.back();
        std::memset(&ps, 0xFF, sizeof ps);
        o.CopiarPara(&ps);
        enviados.push_back(&ps);
        return ps;
    }
    std::list<tagREG_ORDEMPS> estruturas;
    std::vector<tagREG_ORDEMPS*> enviados;
};

TEST_F(OrdemTest, DeepTreeIsWrittenWithItsCountsStridesAndBlocks)
{
    const TCMOCOrdemCompra o = Exemplo();
    tagREG_ORDEMPS& ps = Envia(o);
    ASSERT_EQ(ps.QtdItem, 2);
    ASSERT_EQ(ps.QtdParcela, 3);
    ASSERT_NE(ps.pItem, nullptr);
    ASSERT_NE(ps.pParcela, nullptr);
    EXPECT_TRUE(Bytes(ps, 3470, 3472)) << "alignment word after the item count, as copied";
    EXPECT_TRUE(Bytes(ps, 3478, 3480)) << "alignment word after the instalment count, as copied";
    EXPECT_TRUE(Bytes(ps, 3484, 3512)) << "reserved tail, as copied";
    for (int i = 0; i < 2; ++i) {
        const tagREG_ITENS_ORDEMPS& it = ps.pItem[i];
        const TCMOCItem& fonte = o.GetConstRefItem(i);
        EXPECT_EQ(it.PonteiroProdutoServico, fonte.GetPonteiroProdutoServico()) << "item " << i << " at stride 776";
        ASSERT_EQ(it.QtdRateio, 3);
        ASSERT_EQ(it.QtdProgramacao, 2);
        for (int j = 0; j < 3; ++j) {
            const tagREG_RATEIO_COMPRAPS& r = it.pRateio[j];
            EXPECT_EQ(r.PonteiroDepartamento, fonte.GetRateio(j).GetPonteiroDepartamento()) << "stride 632";
            ASSERT_EQ(r.QtdGerencial, 2);
            for (int k = 0; k < 2; ++k)
                EXPECT_EQ(r.pGerencial[k].PonteiroGerencial, fonte.GetRateio(j).GetGerencial(k).GetPonteiroGerencial())
                    << "stride 24";
        }
        for (int j = 0; j < 2; ++j) {
            const tagREG_PROGRAMACAO_COMPRAPS& p = it.pProgramacao[j];
            EXPECT_EQ(p.DataEntrega, fonte.GetProgramacao(j).GetDataEntrega()) << "stride 48";
            ASSERT_EQ(p.QtdRecebimento, 1);
            EXPECT_EQ(p.pRecebimento[0].PonteiroRE, fonte.GetProgramacao(j).GetRecebimento(0).GetPonteiroRE());
        }
    }
    const tagREG_RECEBIMENTO_COMPRAPS& abc = ps.pItem[0].pProgramacao[0].pRecebimento[0];
    EXPECT_EQ(abc.TamObservacao, 4);
    ASSERT_NE(abc.pObservacao, nullptr);
    EXPECT_EQ(std::memcmp(abc.pObservacao, "abc", 4), 0) << "the text and its NUL";
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(ps.pParcela[k].NumeroDaParcela, k + 1) << "instalment " << k << " at stride 32";
}

TEST_F(OrdemTest, RoundTripReproducesTheTreeAndDropsTheObjectOnlyMembers)
{
    const TCMOCOrdemCompra o = Exemplo();
    ASSERT_EQ(o.GetQuantidadeLogs(), 2);
    ASSERT_FALSE(o.GetVinculo().IsVazio());
    tagREG_ORDEMPS& ps = Envia(o);
    TCMOCOrdemCompra lido;
    lido.AdicionaLogs("velho");
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == o);
    EXPECT_EQ(lido.GetQuantidadeLogs(), 0);
    EXPECT_TRUE(lido.GetVinculo().IsVazio());
    EXPECT_FALSE(lido.GetItem(0).GetExpandirGrid());
    EXPECT_EQ(lido.GetItem(1).GetRateio(2).GetQuantidadeGerencial(), 2);
    EXPECT_EQ(lido.GetItem(0).GetProgramacao(0).GetRecebimento(0).GetObservacao(), "abc");
    tagREG_ORDEMPS& de_novo = Envia(lido);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescOC(), &ps, &de_novo, onde)) << onde;
    // The object's own slots stay zero: a copy of it sends the same tree.
    TCMOCOrdemCompra copia(lido);
    EXPECT_TRUE(copia == o);
}

// A tree from the other side (task allocator), one array with count 0 and a
// text with length 0: both are still released.
TEST_F(OrdemTest, TaskAllocatorTreeIsReleasedWhole)
{
    const TCMOCOrdemCompra o = Exemplo();
    tagREG_ORDEMPS& feito = Envia(o);
    tagREG_ORDEMPS srv;
    amostra::ClonaComTaskMem(DescOC(), &feito, &srv);
    srv.pItem[1].pRateio[0].QtdGerencial = 0;
    srv.pItem[0].pProgramacao[0].pRecebimento[0].TamObservacao = 0;
    TCMOCOrdemCompra lido;
    lido.CopiarDe(&srv);
    EXPECT_EQ(lido.GetItem(1).GetRateio(0).GetQuantidadeGerencial(), 0) << "count 0 is not followed";
    EXPECT_TRUE(lido.GetItem(0).GetProgramacao(0).GetRecebimento(0).GetObservacao().IsEmpty());
    TCMOCOrdemCompra::ZerarGlobalAlloc(&srv); // the sanitizers check that nothing leaks
    EXPECT_EQ(srv.QtdItem, 2) << "counts and pointers are left as they were";
    EXPECT_NE(srv.pItem, nullptr);
}

TEST_F(OrdemTest, AlignmentWordsTravelAsCopied)
{
    tagREG_ORDEMPS ps = Envia(Exemplo());
    ps.Reservado3470[0] = 0x12;
    ps.Reservado3478[1] = 0x34;
    ps.pItem[0].Reservado742[0] = 0x56;
    ps.pItem[0].Reservado750[1] = 0x78;
    TCMOCOrdemCompra lido;
    lido.CopiarDe(&ps);
    tagREG_ORDEMPS& w = Envia(lido);
    EXPECT_EQ(w.Reservado3470[0], 0x12);
    EXPECT_EQ(w.Reservado3478[1], 0x34);
    EXPECT_EQ(w.pItem[0].Reservado742[0], 0x56);
    EXPECT_EQ(w.pItem[0].Reservado750[1], 0x78);
    EXPECT_EQ(w.QtdItem, 2);
}

TEST(Ordem, CopiesCarryTheObjectOnlyMembersAndClearingResetsThem)
{
    TCMOCOrdemCompra o = Exemplo();
    TCMOCOrdemCompra copia(o);
    TCMOCOrdemCompra atribuida;
    atribuida = o;
    for (const TCMOCOrdemCompra* c : {&copia, &atribuida}) {
        EXPECT_TRUE(*c == o);
        EXPECT_EQ(c->GetQuantidadeLogs(), 2);
        EXPECT_EQ(c->GetLogs(1), o.GetLogs(1));
        EXPECT_EQ(c->GetVinculo(), o.GetVinculo());
        EXPECT_TRUE(c->GetItem(0).GetExpandirGrid());
    }
    TCMOCOrdemCompra& mesma = atribuida;
    atribuida = mesma;
    EXPECT_EQ(atribuida.GetQuantidadeItem(), 2) << "assignment to itself keeps the order";
    EXPECT_EQ(atribuida.GetQuantidadeLogs(), 2);
    o.Limpar();
    EXPECT_EQ(o.GetQuantidadeItem(), 0);
    EXPECT_EQ(o.GetQuantidadeParcela(), 0);
    EXPECT_EQ(o.GetQuantidadeLogs(), 0);
    EXPECT_TRUE(o.GetVinculo().IsVazio());
    EXPECT_TRUE(o == TCMOCOrdemCompra());
    TCMOCItem item = copia.GetItem(0);
    item.Limpar();
    EXPECT_FALSE(item.GetExpandirGrid());
}

// --- Comparison of the header -----------------------------------------------------

// Every compared field of the header, changed alone, makes two orders unequal;
// the excluded ones (reserved bytes included) do not, nor the last two bytes of
// the order's key.
TEST(Ordem, ComparisonCoversTheHeaderFieldsAndLeavesOutTheExcluded)
{
    int n = 0;
    auto fora = re_teste::CamposForaDaComparacao<TCMOCOrdemCompra, tagREG_ORDEMPS>(Exemplo(), n);
    std::vector<std::string> esperados = {
        "JQDMC+6", "PonteiroEsteOC",     "DataUltimaAlteracao", "HoraUltimaAlteracao",
        "Usuario", "OrcamentoExcedente", "VersaoGravacao",      "EmailOrcamentoExcedentePendente"};
    EXPECT_EQ(fora, esperados);
    EXPECT_EQ(n, 48) << "fields looked at";
}

TEST(Ordem, ComparisonRulesOfSingleFields)
{
    const TCMOCOrdemCompra base = Exemplo();
    struct Caso {
        const char* nome;
        void (*muda)(tagREG_ORDEMPS&);
        bool igual;
    };
    const Caso casos[] = {
        {"JQDMC byte 5", [](tagREG_ORDEMPS& p) { p.JQDMC.bytes[5] ^= 1; }, false},
        {"JQDMC byte 6", [](tagREG_ORDEMPS& p) { p.JQDMC.bytes[6] ^= 1; }, true},
        {"JQDMC byte 7", [](tagREG_ORDEMPS& p) { p.JQDMC.bytes[7] ^= 1; }, true},
        {"RegDataCompetencia byte 11", [](tagREG_ORDEMPS& p) { p.RegDataCompetencia.Data.bytes[3] ^= 1; }, false},
        {"RegDataCompetencia byte 12", [](tagREG_ORDEMPS& p) { p.RegDataCompetencia.Zero[0] ^= 1; }, true},
        {"PonteiroTipoPeriodo 255 against 3", [](tagREG_ORDEMPS& p) { p.PonteiroTipoPeriodo = 255; }, true},
        {"PonteiroTipoPeriodo 2 against 3", [](tagREG_ORDEMPS& p) { p.PonteiroTipoPeriodo = 2; }, false},
        {"Reservado136", [](tagREG_ORDEMPS& p) { p.Reservado136[3] ^= 1; }, true},
        {"Reservado3484", [](tagREG_ORDEMPS& p) { p.Reservado3484[27] ^= 1; }, true},
        {"Moeda past its NUL", [](tagREG_ORDEMPS& p) { p.Moeda[10] = 'x'; }, true},
        {"a receipt's NumeroNotaFiscal",
         [](tagREG_ORDEMPS& p) { p.pItem[1].pProgramacao[1].pRecebimento[0].NumeroNotaFiscal[0] ^= 1; }, false},
        {"an instalment's due date", [](tagREG_ORDEMPS& p) { p.pParcela[2].DataVencimento ^= 1; }, false},
        {"an instalment's reserved bytes", [](tagREG_ORDEMPS& p) { p.pParcela[2].Reservado17[0] ^= 1; }, true},
    };
    for (const Caso& c : casos) {
        tagREG_ORDEMPS ps;
        base.CopiarPara(&ps);
        TCMOCOrdemCompra a;
        a.CopiarDe(&ps);
        c.muda(ps);
        TCMOCOrdemCompra b;
        b.CopiarDe(&ps);
        TCMOCOrdemCompra::ZerarDelete(&ps);
        EXPECT_EQ(a == b, c.igual) << c.nome;
        EXPECT_EQ(b == a, c.igual) << c.nome << " (other side)";
        EXPECT_EQ(a != b, !c.igual) << c.nome;
    }
}

// The history complement is the twelfth test: it is asked (with this order's
// text first) only when every earlier test holds, whatever the later ones say.
TEST(Ordem, HistoryComplementIsAskedTwelfthWithThisOrdersTextFirst)
{
    TCMOCOrdemCompra a = Exemplo();
    TCMOCOrdemCompra b(a);
    a.SetComplementoHistorico("deste");
    b.SetComplementoHistorico("do outro");
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        ASSERT_EQ(obs.chamadas.size(), 1u);
        EXPECT_EQ(obs.chamadas[0].first, "deste");
        EXPECT_EQ(obs.chamadas[0].second, "do outro");
    }
    b.SetComplementoHistorico("deste");
    b.SetPonteiroTipoPeriodo(7);
    b.GetRefParcela(0).SetNumeroDaParcela(9);
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_EQ(obs.chamadas.size(), 1u) << "tests 13 to 15 come after the complement";
    }
    b = a;
    b.SetRegDataCompetencia(REG_JQDMA{{9, 9, 9, 9}});
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_TRUE(obs.chamadas.empty()) << "test 11 comes before the complement";
    }
    b = a;
    b.AdicionaParcela(TCMOCParcela());
    {
        re_teste::ObservaComplemento obs;
        EXPECT_FALSE(a == b);
        EXPECT_TRUE(obs.chamadas.empty()) << "the number of instalments is test 8";
    }
}

} // namespace
