// The price quotation: its road to the server and back, the log lines, the
// marker, the auxiliary order of the offers, the comparison, bad input and the
// freeing of received trees.
#include <cstring>
#include <list>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCP.h"
#include "tools/AmostraOC.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

const tolv::EstruturaDesc& DescCP() { return tolv::Layout<tagREG_COTACAOPS>::desc; }

template <class T> T Em(const void* ps, size_t off)
{
    T v;
    std::memcpy(&v, static_cast<const unsigned char*>(ps) + off, sizeof v);
    return v;
}

// A quotation in which every list and text is filled somewhere and empty
// somewhere else: product 1 has no texts and no apportionments, the second
// apportionment of product 0 no lines, supplier 1 no texts and no
// instalments, follow-up 0 no observation.
TCMCPCotacaoPreco Exemplo()
{
    amostra::Gerador g(2026);
    amostra::FormaCotacao f;
    f.produtos = 3;
    f.fornecedores = 2;
    TCMCPCotacaoPreco c;
    amostra::Cotacao(c, g, f);
    TCMCPCotacaoPrecoItemProduto& p = c.GetRefItemProduto(1);
    p.SetComplemento("");
    p.SetObservacao("");
    p.RemoveTodosRateio();
    c.GetRefItemProduto(0).GetRefRateio(1).RemoveTodosGerencial();
    TCMCPCotacaoPrecoItemFornecedor& s = c.GetRefItemFornecedor(1);
    s.SetNomeFornecedor("");
    s.SetObservacao("");
    s.RemoveTodosParcela();
    c.GetRefItemAcompanhamento(0).SetObservacao("");
    return c;
}

// An order with items, as a buyer's working copy.
TCMOCOrdemCompra Ordem()
{
    amostra::Gerador g(7);
    amostra::FormaOrdem f;
    f.itens = 2;
    TCMOCOrdemCompra o;
    amostra::Ordem(o, g, f);
    return o;
}

class CotacaoTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (tagREG_COTACAOPS& ps : enviados)
            TCMCPCotacaoPreco::ZerarDelete(&ps);
        if (servidor) {
            TCMCPCotacaoPreco::ZerarGlobalAlloc(servidor);
            CoTaskMemFree(servidor);
        }
    }
    tagREG_COTACAOPS& Envia(const TCMCPCotacaoPreco& c)
    {
        enviados.emplace_back();
        std::memset(&enviados.back(), 0xFF, sizeof enviados.back());
        c.CopiarPara(&enviados.back());
        return enviados.back();
    }
    // The server's tree for c: every block from the task allocator.
    tagREG_COTACAOPS* DoServidor(const TCMCPCotacaoPreco& c)
    {
        tagREG_COTACAOPS feito;
        c.CopiarPara(&feito);
        servidor = static_cast<tagREG_COTACAOPS*>(CoTaskMemAlloc(sizeof feito));
        amostra::ClonaComTaskMem(DescCP(), &feito, servidor);
        TCMCPCotacaoPreco::ZerarDelete(&feito);
        return servidor;
    }
    std::list<tagREG_COTACAOPS> enviados;
    tagREG_COTACAOPS* servidor = nullptr;
};

TEST_F(CotacaoTest, SentTreeHasItsCountsLengthsAndBlocksWhereTheReaderLooks)
{
    const TCMCPCotacaoPreco c = Exemplo();
    tagREG_COTACAOPS& ps = Envia(c);
    EXPECT_EQ(Em<unsigned short>(&ps, 126), 2) << "supplier count";
    EXPECT_EQ(Em<unsigned short>(&ps, 128), 3) << "product count";
    EXPECT_EQ(Em<unsigned short>(&ps, 130), 6) << "follow-up count";
    EXPECT_EQ(Em<unsigned short>(&ps, 132), 301) << "observation length + 1";
    EXPECT_EQ(Em<unsigned short>(&ps, 134), 81) << "delivery place length + 1";
    EXPECT_EQ(Em<void*>(&ps, 136), ps.pItemFornecedor);
    EXPECT_EQ(Em<void*>(&ps, 140), ps.pItemProduto);
    EXPECT_EQ(Em<void*>(&ps, 144), ps.pItemAcompanhamento);
    EXPECT_STREQ(Em<char*>(&ps, 148), c.GetObservacao().GetString());
    EXPECT_STREQ(Em<char*>(&ps, 152), c.GetLocalEntrega().GetString());
    EXPECT_TRUE(Bytes(ps, 156, 160)) << "alignment";

    const tagREG_COTACAOITEMPRODUTOPS& p0 = ps.pItemProduto[0];
    EXPECT_EQ(Em<unsigned short>(&p0, 98), 61);
    EXPECT_EQ(Em<unsigned short>(&p0, 102), 2);
    EXPECT_EQ(p0.pRateio[0].QtdGerencial, 2);
    EXPECT_EQ(p0.pRateio[1].pGerencial, nullptr) << "apportionment without lines";
    EXPECT_TRUE(Bytes(ps.pItemProduto[1], 98, 120)) << "empty texts and list";
    EXPECT_EQ(ps.pItemProduto[2].IDItem, 3u);

    const tagREG_COTACAOITEMFORNECEDORPS& f0 = ps.pItemFornecedor[0];
    ASSERT_EQ(f0.QtdParcela, 3);
    tagREG_COTACAOITEMFATURAPS parcela;
    c.GetItemFornecedor(0).GetParcela(2).CopiarPara(&parcela);
    EXPECT_EQ(std::memcmp(&f0.pParcela[2], &parcela, sizeof parcela), 0) << "instalments as raw copies";
    EXPECT_TRUE(Bytes(ps.pItemFornecedor[1], 74, 96)) << "supplier without texts and instalments";

    EXPECT_EQ(ps.pItemAcompanhamento[0].TamObservacao, 0) << "empty follow-up observation";
    EXPECT_EQ(ps.pItemAcompanhamento[0].pObservacao, nullptr);
    EXPECT_EQ(ps.pItemAcompanhamento[5].IndiceProduto, 2);
    EXPECT_EQ(ps.pItemAcompanhamento[5].IndiceFornecedor, 1);
}

TEST_F(CotacaoTest, RoundTripThroughTheServerGivesAnEqualRecordAndTheSameBytes)
{
    const TCMCPCotacaoPreco original = Exemplo();
    tagREG_COTACAOPS* srv = DoServidor(original);
    TCMCPCotacaoPreco lido;
    lido.CopiarDe(srv);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetItemAcompanhamento(3).GetObservacao(), CString(srv->pItemAcompanhamento[3].pObservacao));
    EXPECT_EQ(lido.GetItemProduto(2).GetRateio(1).GetComplementoHistorico(),
              original.GetItemProduto(2).GetRateio(1).GetComplementoHistorico());
    EXPECT_EQ(lido.GetItemFornecedor(0).GetParcela(1).GetValor(),
              original.GetItemFornecedor(0).GetParcela(1).GetValor());
    EXPECT_EQ(lido.GetQuantidadeLogs(), 0) << "log lines never travel";

    tagREG_COTACAOPS& w = Envia(lido);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescCP(), srv, &w, onde)) << onde;
    EXPECT_EQ(amostra::Mede(DescCP(), &w).blocos, amostra::Mede(DescCP(), srv).blocos);
    TCMCPCotacaoPreco copia;
    copia = lido;
    EXPECT_TRUE(amostra::Iguais(DescCP(), &w, &Envia(copia), onde)) << "a copy sends the same bytes: " << onde;
}

TEST_F(CotacaoTest, LogLinesSurviveClearingAndReadingAndFollowCopies)
{
    TCMCPCotacaoPreco c = Exemplo();
    ASSERT_EQ(c.GetQuantidadeLogs(), 2);
    const CString primeira = c.GetLogs(0);
    c.Limpar();
    EXPECT_EQ(c.GetQuantidadeLogs(), 2) << "after Limpar";
    EXPECT_EQ(c.GetQuantidadeItemProduto(), 0);
    c.CopiarDe(&Envia(Exemplo()));
    EXPECT_EQ(c.GetQuantidadeLogs(), 2) << "after CopiarDe";
    EXPECT_EQ(c.GetLogs(0), primeira);

    TCMCPCotacaoPreco outra;
    outra.AdicionaLogs("outra");
    outra = c;
    EXPECT_EQ(outra.GetQuantidadeLogs(), 2) << "assignment replaces the lines";
    EXPECT_EQ(outra.GetLogs(0), primeira);
    c.RemoveTodosLogs();
    TCMCPCotacaoPreco copia(c);
    EXPECT_EQ(copia.GetQuantidadeLogs(), 0);
    EXPECT_TRUE(copia == outra) << "the lines are not compared";
}

// --- The offers' auxiliary order ------------------------------------------------------

TEST_F(CotacaoTest, OfferKeepsItsOrderThroughCopiesButNeverSendsIt)
{
    TCMCPCotacaoPrecoItemFornecedor oferta = Exemplo().GetItemFornecedor(0);
    const TCMCPCotacaoPrecoItemFornecedor sem(oferta);
    EXPECT_FALSE(oferta.GetTemOCAuxiliar());
    EXPECT_TRUE(oferta.GetOCAuxiliar() == TCMOCOrdemCompra()) << "no order: an empty one";

    const TCMOCOrdemCompra ordem = Ordem();
    oferta.SetOCAuxiliar(ordem);
    EXPECT_FALSE(oferta.GetTemOCAuxiliar()) << "setting the order leaves the flag";
    oferta.SetTemOCAuxiliar(true);
    EXPECT_TRUE(oferta.GetOCAuxiliar() == ordem);
    EXPECT_EQ(oferta.GetOCAuxiliar().GetQuantidadeItem(), 2);
    EXPECT_TRUE(oferta == sem) << "neither the order nor its flag is compared";

    TCMCPCotacaoPrecoItemFornecedor copia(oferta);
    TCMCPCotacaoPrecoItemFornecedor atribuida;
    atribuida = oferta;
    for (const auto* o : {&copia, &atribuida}) {
        EXPECT_TRUE(o->GetTemOCAuxiliar());
        EXPECT_TRUE(o->GetOCAuxiliar() == ordem);
    }
    oferta.SetOCAuxiliar(TCMOCOrdemCompra());
    EXPECT_EQ(copia.GetOCAuxiliar().GetQuantidadeItem(), 2) << "the copy holds its own order";

    TCMCPCotacaoPreco c = Exemplo();
    c.SetItemFornecedor(0, copia);
    TCMCPCotacaoPreco c2(c);
    EXPECT_EQ(c2.GetItemFornecedor(0).GetOCAuxiliar().GetQuantidadeItem(), 2) << "the quotation's copy";
    EXPECT_TRUE(c2 == Exemplo());

    TCMCPCotacaoPreco lido;
    lido.CopiarDe(&Envia(c));
    EXPECT_FALSE(lido.GetItemFornecedor(0).GetTemOCAuxiliar()) << "round trip";
    EXPECT_TRUE(lido.GetItemFornecedor(0).GetOCAuxiliar() == TCMOCOrdemCompra());
    EXPECT_EQ(lido.GetItemFornecedor(0).GetOCAuxiliar().GetQuantidadeItem(), 0);
    EXPECT_TRUE(lido == c);

    c.GetRefItemFornecedor(0).Limpar();
    EXPECT_FALSE(c.GetItemFornecedor(0).GetTemOCAuxiliar()) << "clearing";
    EXPECT_EQ(c.GetItemFornecedor(0).GetOCAuxiliar().GetQuantidadeItem(), 0);
}

// --- Comparison ---------------------------------------------------------------------

TEST(CotacaoComparacao, WhatTheComparisonSeesInTheWholeTree)
{
    const TCMCPCotacaoPreco a = Exemplo();
    auto compara = [&](bool iguais, auto muda, const char* o_que) {
        TCMCPCotacaoPreco b(a);
        muda(b);
        EXPECT_EQ(a == b, iguais) << o_que;
        EXPECT_EQ(a != b, !iguais) << o_que;
    };
    using R = TCMCPCotacaoPreco&;
    compara(
        true, [](R b) { b.SetUsuario(99); }, "Usuario");
    compara(
        true, [](R b) { b.SetWEB(1); }, "WEB");
    compara(
        true, [](R b) { b.SetDataUltimaAlteracao(1); }, "DataUltimaAlteracao");
    compara(
        true, [](R b) { b.AdicionaLogs("alterada"); }, "Logs");
    compara(
        true,
        [](R b) {
            CIEVinculo v;
            v.SetChave("doc");
            b.SetVinculo(v);
        },
        "Vinculo");
    compara(
        true, [](R b) { b.GetRefItemProduto(0).SetIDItem(77); }, "product IDItem");
    compara(
        true, [](R b) { b.GetRefItemAcompanhamento(2).SetRegDataHoraEntrega(REG_JQDMAHMSUTC{}); },
        "follow-up RegDataHoraEntrega");
    compara(
        false, [](R b) { b.TrocaItemAcompanhamento(0, 1); }, "follow-ups in another order");
    compara(
        false, [](R b) { b.DeletarItemAcompanhamento(5); }, "follow-up count");
    compara(
        false, [](R b) { b.GetRefItemAcompanhamento(1).SetObservacao("x"); }, "follow-up Observacao");
    compara(
        false, [](R b) { b.GetRefItemFornecedor(0).GetRefParcela(2).SetNumeroDaParcela(9); }, "instalment");
    compara(
        false, [](R b) { b.GetRefItemFornecedor(0).SetPonteiroTipoPeriodo(255); },
        "PonteiroTipoPeriodo, plain equality");
    compara(
        false, [](R b) { b.GetRefItemFornecedor(1).SetNomeFornecedor("x"); }, "supplier NomeFornecedor");
    compara(
        false, [](R b) { b.GetRefItemProduto(2).GetRefRateio(0).GetRefGerencial(0).SetValor(JQCY(1)); },
        "management line");
    compara(
        false, [](R b) { b.GetRefItemProduto(2).SetComplemento("x"); }, "product Complemento");
    compara(
        false, [](R b) { b.SetLocalEntrega(""); }, "LocalEntrega");
    compara(
        false, [](R b) { b.SetObservacao(b.GetObservacao() + " "); }, "Observacao");
}

TEST(CotacaoComparacao, ApportionmentHandsTheOtherComplementFirst)
{
    amostra::Gerador g(5);
    const TCMCPCotacaoPrecoRateio a = amostra::RateioCP(g);
    TCMCPCotacaoPrecoRateio b(a);
    b.SetComplementoHistorico("Outro complemento");
    re_teste::ObservaComplemento obs;
    EXPECT_FALSE(a == b);
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Outro complemento");
    obs.chamadas.clear();
    b = a;
    REG_JQDMC quem = a.GetRegQuemGerou();
    quem.bytes[0] ^= 1;
    b.SetRegQuemGerou(quem);
    EXPECT_FALSE(a == b) << "RegQuemGerou, all 8 bytes";
    EXPECT_TRUE(obs.chamadas.empty());
}

// --- Bad input and the freeing functions --------------------------------------------------

// The quotation releases its apportionment and management-line arrays
// whatever their counts; instalment arrays, the header's texts and its arrays
// only with a nonzero count or length.
TEST_F(CotacaoTest, FreeingGoesByTheCountsWhereTheStructureSaysSo)
{
    tagREG_COTACAOITEMFATURAPS parcelas[1] = {};
    char texto[] = "alheio";
    TCMCPCotacaoPreco c = Exemplo();
    tagREG_COTACAOPS ps;
    c.CopiarPara(&ps);
    ps.pItemFornecedor[1].pParcela = parcelas; // count 0: not the structure's
    char* local = ps.pLocalEntrega;
    ps.TamLocalEntrega = 0;
    ps.pLocalEntrega = texto;
    // Count 0 over blocks of the tree: released all the same (the sanitizers
    // would report them lost).
    ps.pItemProduto[1].pRateio = new tagREG_COTACAOITEMRATEIOPS[1]();
    ps.pItemProduto[0].pRateio[1].pGerencial = new tagREG_CM_GERENCIALPS[1]();
    TCMCPCotacaoPreco::ZerarDelete(&ps);
    delete[] local;
}

TEST(CotacaoLimites, TooLongListOrTextIsRefusedAndWhatWasWrittenReleases)
{
    TCMCPCotacaoPreco c = Exemplo();
    c.GetRefItemFornecedor(0).GetListaParcela().SetSize(65536);
    tagREG_COTACAOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { c.CopiarPara(&ps); })) << "65536 instalments";
    EXPECT_EQ(ps.QtdItemProduto, 3) << "the products were written first";
    EXPECT_EQ(ps.QtdItemFornecedor, 2);
    EXPECT_EQ(ps.pItemFornecedor[0].QtdParcela, 0) << "no truncated count";
    EXPECT_EQ(ps.pItemFornecedor[1].pNomeFornecedor, nullptr) << "the elements after the failure are zero";
    EXPECT_EQ(ps.QtdItemAcompanhamento, 0) << "the follow-ups were not written";
    TCMCPCotacaoPreco::ZerarDelete(&ps);

    c = Exemplo();
    c.GetRefItemAcompanhamento(4).SetObservacao(CString(std::string(65535, 'a').c_str()));
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { c.CopiarPara(&ps); })) << "a text of 65535 characters";
    EXPECT_EQ(ps.pItemAcompanhamento[4].TamObservacao, 0);
    TCMCPCotacaoPreco::ZerarDelete(&ps);
}

} // namespace
