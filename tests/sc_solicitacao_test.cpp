// The purchase requisition: its road to the server and back, the observation's
// cut, texts, the comparison, bad input and the freeing of received trees.

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <list>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraSC.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

const tolv::EstruturaDesc& DescSC() { return tolv::Layout<tagREG_SOLICITACAO_COMPRAPS>::desc; }

CString Repete(char c, size_t n) { return CString(std::string(n, c).c_str()); }

// A requisition in which every list and text is filled somewhere and empty
// somewhere else: item 1 has no texts and no apportionments, the second
// apportionment of item 0 no management lines, supplier 1 no texts.
TCMSCSolicitacaoCompra Exemplo()
{
    amostra::Gerador g(2026);
    amostra::FormaSolicitacao f;
    f.itens = 3;
    f.fornecedores = 2;
    TCMSCSolicitacaoCompra r;
    amostra::Solicitacao(r, g, f);
    TCMSCItem& vazio = r.GetRefItem(1);
    vazio.SetComplemento("");
    vazio.SetObservacao("");
    vazio.RemoveTodosRateio();
    r.GetRefItem(0).GetRefRateio(1).RemoveTodosGerencial();
    r.GetRefFornecedor(1).SetNomeFornecedor("");
    r.GetRefFornecedor(1).SetObservacao("");
    return r;
}

class SolicitacaoTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (tagREG_SOLICITACAO_COMPRAPS& ps : enviados)
            TCMSCSolicitacaoCompra::ZerarDelete(&ps);
        if (servidor) {
            TCMSCSolicitacaoCompra::ZerarGlobalAlloc(servidor);
            CoTaskMemFree(servidor);
        }
    }
    // Sends r into a 0xFF-filled structure released at the end.
    tagREG_SOLICITACAO_COMPRAPS& Envia(TCMSCSolicitacaoCompra& r)
    {
        enviados.emplace_back();
        std::memset(&enviados.back(), 0xFF, sizeof enviados.back());
        r.CopiarPara(&enviados.back());
        return enviados.back();
    }
    // The server's tree for r: every block from the task allocator.
    tagREG_SOLICITACAO_COMPRAPS* DoServidor(TCMSCSolicitacaoCompra& r)
    {
        tagREG_SOLICITACAO_COMPRAPS feito;
        r.CopiarPara(&feito);
        servidor = static_cast<tagREG_SOLICITACAO_COMPRAPS*>(CoTaskMemAlloc(sizeof feito));
        amostra::ClonaComTaskMem(DescSC(), &feito, servidor);
        TCMSCSolicitacaoCompra::ZerarDelete(&feito);
        return servidor;
    }
    std::list<tagREG_SOLICITACAO_COMPRAPS> enviados;
    tagREG_SOLICITACAO_COMPRAPS* servidor = nullptr;
};

template <class T> T Em(const void* ps, size_t off)
{
    T v;
    std::memcpy(&v, static_cast<const unsigned char*>(ps) + off, sizeof v);
    return v;
}

TEST_F(SolicitacaoTest, SentTreeHasItsCountsLengthsAndBlocksWhereTheReaderLooks)
{
    TCMSCSolicitacaoCompra r = Exemplo();
    tagREG_SOLICITACAO_COMPRAPS& ps = Envia(r);
    EXPECT_EQ(Em<unsigned short>(&ps, 146), 2) << "supplier count";
    EXPECT_EQ(Em<unsigned short>(&ps, 148), 3) << "item count";
    EXPECT_EQ(Em<unsigned short>(&ps, 150), 301) << "observation length + 1";
    EXPECT_EQ(Em<void*>(&ps, 152), ps.pFornecedor);
    EXPECT_EQ(Em<void*>(&ps, 156), ps.pItem);
    EXPECT_EQ(Em<char*>(&ps, 160), ps.pObservacao);
    EXPECT_EQ(std::strlen(ps.pObservacao), 300u);
    EXPECT_TRUE(Bytes(ps, 164, 168)) << "alignment";

    const tagREG_SOLICITACAO_COMPRA_ITEMPS& i0 = ps.pItem[0];
    EXPECT_EQ(Em<unsigned short>(&i0, 90), 61);
    EXPECT_EQ(Em<unsigned short>(&i0, 92), 121);
    EXPECT_EQ(Em<unsigned short>(&i0, 94), 2);
    EXPECT_STREQ(i0.pComplemento, r.GetItem(0).GetComplemento().GetString());
    EXPECT_EQ(i0.pRateio[0].QtdGerencial, 2);
    EXPECT_EQ(i0.pRateio[0].pGerencial[1].PonteiroGerencial,
              r.GetItem(0).GetRateio(0).GetGerencial(1).GetPonteiroGerencial());
    EXPECT_EQ(i0.pRateio[1].QtdGerencial, 0) << "apportionment without lines";
    EXPECT_EQ(i0.pRateio[1].pGerencial, nullptr);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&ps.pItem[2]) - reinterpret_cast<const unsigned char*>(ps.pItem),
              224)
        << "item stride";

    const tagREG_SOLICITACAO_COMPRA_ITEMPS& i1 = ps.pItem[1];
    EXPECT_TRUE(Bytes(i1, 90, 112)) << "empty texts and list: lengths, count and pointers zero";
    EXPECT_EQ(ps.pItem[2].IDItem, 3u);
    EXPECT_STREQ(ps.pFornecedor[0].pNomeFornecedor, r.GetFornecedor(0).GetNomeFornecedor().GetString());
    EXPECT_TRUE(Bytes(ps.pFornecedor[1], 4, 8)) << "empty supplier texts";
    EXPECT_EQ(ps.pFornecedor[1].pNomeFornecedor, nullptr);
    EXPECT_EQ(ps.pFornecedor[1].pObservacao, nullptr);
}

TEST_F(SolicitacaoTest, RoundTripThroughTheServerGivesAnEqualRecordAndTheSameBytes)
{
    TCMSCSolicitacaoCompra original = Exemplo();
    tagREG_SOLICITACAO_COMPRAPS* srv = DoServidor(original);
    TCMSCSolicitacaoCompra lido;
    lido.CopiarDe(srv);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetItem(2).GetRateio(1).GetComplementoHistorico(),
              original.GetItem(2).GetRateio(1).GetComplementoHistorico());
    EXPECT_TRUE(lido.GetItem(1).GetObservacao().IsEmpty());
    EXPECT_EQ(lido.GetFornecedor(0).GetObservacao(), CString(srv->pFornecedor[0].pObservacao));

    tagREG_SOLICITACAO_COMPRAPS& w = Envia(lido);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescSC(), srv, &w, onde)) << onde;
    EXPECT_EQ(amostra::Mede(DescSC(), &w).blocos, amostra::Mede(DescSC(), srv).blocos);
    TCMSCSolicitacaoCompra copia;
    copia = lido;
    EXPECT_TRUE(amostra::Iguais(DescSC(), &w, &Envia(copia), onde)) << "a copy sends the same bytes: " << onde;
}

// --- The observation's cut ------------------------------------------------------------

TEST_F(SolicitacaoTest, ObservationIsCutTo2500WhenSentCopiedOrAssignedOnly)
{
    TCMSCSolicitacaoCompra r;
    r.SetObservacao(Repete('o', 3000));
    EXPECT_EQ(r.GetObservacao().GetLength(), 3000) << "the setter keeps it whole";
    TCMSCSolicitacaoCompra copia(r);
    EXPECT_EQ(copia.GetObservacao().GetLength(), 2500) << "copy";
    TCMSCSolicitacaoCompra atribuida;
    atribuida = r;
    EXPECT_EQ(atribuida.GetObservacao().GetLength(), 2500) << "assignment";
    EXPECT_FALSE(r == copia);

    tagREG_SOLICITACAO_COMPRAPS& ps = Envia(r);
    EXPECT_EQ(ps.TamObservacao, 2501);
    EXPECT_EQ(std::strlen(ps.pObservacao), 2500u);
    EXPECT_EQ(r.GetObservacao().GetLength(), 2500) << "sending cuts the record's own text";
    EXPECT_TRUE(r == copia);

    TCMSCSolicitacaoCompra grande;
    grande.SetObservacao(Repete('g', 70000));
    tagREG_SOLICITACAO_COMPRAPS* pg = nullptr;
    EXPECT_FALSE(LancaArgumentoInvalido([&] { pg = &Envia(grande); })) << "cut before its length is written";
    ASSERT_NE(pg, nullptr);
    EXPECT_EQ(pg->TamObservacao, 2501);
}

// --- Comparison ---------------------------------------------------------------------

TEST(SolicitacaoComparacao, WhatTheComparisonSeesInTheWholeTree)
{
    const TCMSCSolicitacaoCompra a = Exemplo();
    auto compara = [&](bool iguais, auto muda, const char* o_que) {
        TCMSCSolicitacaoCompra b(a);
        muda(b);
        EXPECT_EQ(a == b, iguais) << o_que;
        EXPECT_EQ(a != b, !iguais) << o_que;
    };
    using R = TCMSCSolicitacaoCompra&;
    compara(
        true, [](R b) { b.SetUsuario(99); }, "Usuario");
    compara(
        true, [](R b) { b.SetHoraUltimaAlteracao(1); }, "HoraUltimaAlteracao");
    compara(
        true, [](R b) { b.SetIncompleta(1); }, "Incompleta");
    compara(
        true,
        [](R b) {
            CIEVinculo v;
            v.SetChave("doc");
            b.SetVinculo(v);
        },
        "Vinculo");
    compara(
        true, [](R b) { b.GetRefItem(0).SetIntegrado('S'); }, "item Integrado");
    compara(
        false, [](R b) { b.GetRefFornecedor(0).SetNomeFornecedor("Outro"); }, "supplier NomeFornecedor");
    compara(
        false, [](R b) { b.GetRefFornecedor(0).SetObservacao(""); }, "supplier Observacao");
    compara(
        false, [](R b) { b.TrocaFornecedor(0, 1); }, "supplier order");
    compara(
        false, [](R b) { b.DeletarItem(2); }, "item count");
    compara(
        false, [](R b) { b.GetRefItem(0).SetIDItem(77); }, "item IDItem");
    compara(
        false, [](R b) { b.GetRefItem(2).SetComplemento("x"); }, "item Complemento");
    compara(
        false, [](R b) { b.GetRefItem(2).SetObservacao("x"); }, "item Observacao");
    compara(
        false, [](R b) { b.GetRefItem(0).TrocaRateio(0, 1); }, "apportionment order");
    compara(
        false, [](R b) { b.GetRefItem(2).GetRefRateio(0).GetRefGerencial(1).SetValor(JQCY(1)); }, "management line");
    compara(
        false, [](R b) { b.SetObservacao(b.GetObservacao() + " "); }, "Observacao");
    compara(
        false, [](R b) { b.SetCodigoSolicitacao("sc-2"); }, "CodigoSolicitacao");
}

TEST(SolicitacaoComparacao, ApportionmentComparesItsLinesFirstAndTheComplementLast)
{
    amostra::Gerador g(5);
    const TCMSCRateio a = amostra::RateioSC(g);
    TCMSCRateio b(a);
    REG_JQDMC quem = a.GetRegQuemGerou();
    quem.bytes[7] ^= 0x40;
    b.SetRegQuemGerou(quem);
    EXPECT_TRUE(a != b) << "RegQuemGerou, all 8 bytes";

    b = a;
    b.SetComplementoHistorico("Outro complemento");
    b.SetPonteiroHistorico(static_cast<unsigned short>(a.GetPonteiroHistorico() + 1));
    re_teste::ObservaComplemento obs;
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(obs.chamadas.empty()) << "an earlier difference ends the comparison";
    b.SetPonteiroHistorico(a.GetPonteiroHistorico());
    EXPECT_FALSE(a == b);
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Outro complemento") << "the other record's text first";
    EXPECT_EQ(obs.chamadas[0].second, std::string(a.GetComplementoHistorico().GetString()));

    obs.chamadas.clear();
    b = a;
    b.DeletarGerencial(0);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(obs.chamadas.empty()) << "the lines are compared first";
}

// --- Bad input and the freeing functions --------------------------------------------------

// Blocks go with their count or length where the structure says so: a block
// that a zero count disowns is not the structure's and is left alone.
TEST_F(SolicitacaoTest, FreeingLeavesBlocksThatAZeroCountDisowns)
{
    tagREG_CM_GERENCIALPS linhas[2] = {};
    tagREG_SOLICITACAO_RATEIO_COMPRAPS rateios[1] = {};
    char texto[] = "alheio";
    TCMSCSolicitacaoCompra r = Exemplo();
    tagREG_SOLICITACAO_COMPRAPS ps;
    r.CopiarPara(&ps);
    tagREG_SOLICITACAO_COMPRA_ITEMPS& i1 = ps.pItem[1];
    i1.pRateio = rateios;
    rateios[0].pGerencial = linhas;
    char* obs = ps.pObservacao;
    ps.TamObservacao = 0;
    ps.pObservacao = texto;
    TCMSCSolicitacaoCompra::ZerarDelete(&ps); // a release of the locals would be reported
    delete[] obs;
}

TEST(SolicitacaoLimites, TooLongListOrTextIsRefusedAndWhatWasWrittenReleases)
{
    TCMSCSolicitacaoCompra r = Exemplo();
    r.GetRefItem(2).GetRefRateio(0).GetListaGerencial().SetSize(65536);
    tagREG_SOLICITACAO_COMPRAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { r.CopiarPara(&ps); })) << "65536 lines";
    EXPECT_EQ(ps.QtdItem, 3);
    EXPECT_EQ(ps.pItem[2].pRateio[0].QtdGerencial, 0) << "no truncated count";
    EXPECT_EQ(ps.pItem[2].pRateio[1].pGerencial, nullptr) << "the elements after the failure are zero";
    EXPECT_EQ(ps.QtdFornecedor, 0) << "the suppliers were not written";
    TCMSCSolicitacaoCompra::ZerarDelete(&ps);

    r = Exemplo();
    r.GetRefFornecedor(1).SetObservacao(Repete('f', 65535));
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { r.CopiarPara(&ps); })) << "a text of 65535 characters";
    EXPECT_EQ(ps.QtdFornecedor, 2);
    EXPECT_EQ(ps.pFornecedor[1].TamObservacao, 0);
    EXPECT_EQ(ps.pFornecedor[1].pObservacao, nullptr);
    TCMSCSolicitacaoCompra::ZerarDelete(&ps);

    r = Exemplo();
    r.GetRefFornecedor(1).SetObservacao(Repete('f', 65534));
    r.CopiarPara(&ps);
    EXPECT_EQ(ps.pFornecedor[1].TamObservacao, 65535) << "the longest text that fits";
    TCMSCSolicitacaoCompra::ZerarDelete(&ps);
}

} // namespace
