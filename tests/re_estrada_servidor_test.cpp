// The road of one entry register from a server tree built field by field
// (task-allocator blocks): read, released, kept, checksummed, edited, compared,
// sent and released; and bad input on the way.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_arvore.h"
#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/Amostras.h"

namespace {

const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

// Raw reads at the documented offsets, independent of the layout tables.
unsigned U16(const void* b, size_t off)
{
    unsigned short v;
    std::memcpy(&v, static_cast<const char*>(b) + off, 2);
    return v;
}
unsigned long U32(const void* b, size_t off)
{
    unsigned long v;
    std::memcpy(&v, static_cast<const char*>(b) + off, 4);
    return v;
}
const char* Ptr(const void* b, size_t off)
{
    const char* p;
    std::memcpy(&p, static_cast<const char*>(b) + off, 4);
    return p;
}

class EstradaServidorTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (servidor)
            re_arvore::Libera(servidor);
        for (tagREG_ENTRADAPS* ps : enviados)
            TCMRERegistroEntrada::ZerarDelete(ps);
        for (tagREG_ENTRADAPS* ps : enviados)
            delete ps;
    }
    // The server's tree of the current shape, read into r.
    TCMRERegistroEntrada& Recebe()
    {
        servidor = re_arvore::Constroi(forma);
        r.CopiarDe(servidor);
        return r;
    }
    tagREG_ENTRADAPS& Envia(TCMRERegistroEntrada& reg)
    {
        enviados.push_back(new tagREG_ENTRADAPS);
        std::memset(enviados.back(), 0xFF, sizeof(tagREG_ENTRADAPS));
        reg.CopiarPara(enviados.back());
        return *enviados.back();
    }
    re_arvore::Forma forma;
    tagREG_ENTRADAPS* servidor = nullptr;
    TCMRERegistroEntrada r;
    std::vector<tagREG_ENTRADAPS*> enviados;
};

// Sending back (below) checks that nothing is lost; this checks where the
// register's lists and scalars land in the records.
TEST_F(EstradaServidorTest, ReadPutsEveryListInItsRecord)
{
    Recebe();
    const tagREG_ENTRADAPS& s = *servidor;
    ASSERT_EQ(r.GetQuantidadeProduto(), 3);
    const TCMREItemProduto& p = r.GetProduto(2);
    EXPECT_EQ(p.GetRateio(1).GetQuantidadeAtivoImobilizado(), 1);
    EXPECT_EQ(p.GetImposto(1).GetQuantidadeDeducao(), 2);
    EXPECT_EQ(p.GetEntradaEstoque(1).GetArmaFogo_Descricao(),
              CString(s.pProduto[2].pEntradaEstoque[1].pArmaFogo_Descricao));
    EXPECT_EQ(p.GetQuantidadeTotais(), 1);
    EXPECT_EQ(r.GetServico(1).GetRateio(0).GetQuantidadeGerencialFilialClassificacao(), 2);

    EXPECT_EQ(r.CondicaoPgto.GetQuantidadeParcela(), 3) << "instalments go to the payment condition";
    ASSERT_EQ(r.CondicaoPgto.GetQuantidadeTitulo(), 2);
    EXPECT_EQ(r.CondicaoPgto.GetTitulo(1).GetRateio(1).GetQuantidadeGerencial(), 2);
    EXPECT_EQ(r.CondicaoPgto.GetPonteiroCondicaoPagamento(), s.PonteiroCondicaoPagamento);
    EXPECT_EQ(r.CondicaoPgto.GetPonteiroTipoCobranca(), s.PonteiroTipoCobranca);
    EXPECT_EQ(r.CondicaoPgto.GetPonteiroTipoPeriodo(), s.PonteiroTipoPeriodo);
    EXPECT_EQ(r.CondicaoPgto.GetRegDataPrimeiroVencimento(), s.RegDataPrimeiroVencimento.Data);

    ASSERT_EQ(r.GetQuantidadeAssociacaoREOC(), 3);
    EXPECT_EQ(r.GetAssociacaoREOC(2), s.pAssociacaoREOC[2].PonteiroOrdemCompra);
    EXPECT_EQ(r.GetObservacoesCFOP(1).GetObservacao(), CString(s.pObservacoesCFOP[1].pObservacao));
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 180);
    EXPECT_EQ(r.GetObservacaoFisco(), CString(s.pObservacaoFisco));
}

TEST_F(EstradaServidorTest, SendingBackRebuildsTheServerTreeByteForByte)
{
    Recebe();
    tagREG_ENTRADAPS& w = Envia(r);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescRE(), servidor, &w, onde)) << onde;
    EXPECT_EQ(amostra::Mede(DescRE(), &w).blocos, amostra::Mede(DescRE(), servidor).blocos);
    TCMRERegistroEntrada volta;
    volta.CopiarDe(&w);
    EXPECT_TRUE(volta == r);
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        EXPECT_EQ(volta.GetProduto(i).CalculaCRC(), r.GetProduto(i).CalculaCRC()) << "product " << i;
    for (int i = 0; i < r.GetQuantidadeServico(); ++i)
        EXPECT_EQ(volta.GetServico(i).CalculaCRC(), r.GetServico(i).CalculaCRC()) << "service " << i;
}

TEST_F(EstradaServidorTest, WhatTheComparisonIgnoresInTheWholeTree)
{
    Recebe();
    const TCMRERegistroEntrada a(r);
    auto igual = [&](auto muda, const char* o_que) {
        TCMRERegistroEntrada b(a);
        muda(b);
        EXPECT_TRUE(a == b) << o_que;
    };
    auto difere = [&](auto muda, const char* o_que) {
        TCMRERegistroEntrada b(a);
        muda(b);
        EXPECT_FALSE(a == b) << o_que;
    };
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).Set_CRC(12345); }, "stored checksum");
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).SetIDItem(999); }, "product IDItem");
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).RemoveTodosTotais(); }, "product totals");
    igual([](TCMRERegistroEntrada& b) { b.AdicionaLogs("alterado"); }, "Logs");
    igual([](TCMRERegistroEntrada& b) { b.SetUsuario(static_cast<unsigned short>(b.GetUsuario() + 1)); }, "Usuario");
    igual([](TCMRERegistroEntrada& b) { b.SetRegDataUltimaAlteracao(REG_JQDMAHMSUTC{}); }, "RegDataUltimaAlteracao");
    igual([](TCMRERegistroEntrada& b) { b.SetLiberouAlteracaoVlrUnitOC(true); }, "LiberouAlteracaoVlrUnitOC");

    difere([](TCMRERegistroEntrada& b) { b.GetRefReferidas(1).SetPonteiroNF(b.GetReferidas(1).GetPonteiroNF() + 1); },
           "referred invoice");
    difere([](TCMRERegistroEntrada& b) { b.GetRefObservacoesCFOP(1).SetObservacao("outra"); }, "CFOP note text");
    difere([](TCMRERegistroEntrada& b) { b.CondicaoPgto.GetRefParcela(2).SetValorBruto(JQCY(1)); }, "instalment");
    difere([](TCMRERegistroEntrada& b) { b.CondicaoPgto.GetRefTitulo(1).GetRefRateio(1).RemoveTodosGerencial(); },
           "title apportionment line");
    difere([](TCMRERegistroEntrada& b) { b.SetAssociacaoREOC(0, b.GetAssociacaoREOC(0) + 1); }, "order link");
    difere([](TCMRERegistroEntrada& b) { b.GetRefProduto(2).GetRefEntradaEstoque(1).SetArmaFogo_Descricao("x"); },
           "weapon description");
    difere([](TCMRERegistroEntrada& b) { b.GetRefServico(0).GetRefImposto(1).RemoveTodosDeducao(); },
           "service tax deduction");
}

TEST_F(EstradaServidorTest, WrittenCountsStridesAndPointersSitAtTheirOffsets)
{
    Recebe();
    const tagREG_ENTRADAPS& w = Envia(r);
    const void* b = &w;
    EXPECT_EQ(U16(b, 450), 2u) << "tax titles";
    EXPECT_EQ(U16(b, 452), 3u) << "order links";
    EXPECT_EQ(U16(b, 454), 3u) << "product items";
    EXPECT_EQ(U16(b, 456), 2u) << "service items";
    EXPECT_EQ(U16(b, 458), 3u) << "instalments";
    EXPECT_EQ(U16(b, 460), 2u) << "referred invoices";
    EXPECT_EQ(U16(b, 462), 2u) << "CFOP notes";
    EXPECT_EQ(U16(b, 464), 181u) << "general observation size";
    EXPECT_EQ(U16(b, 466), 61u) << "fiscal observation size";
    EXPECT_EQ(std::strlen(Ptr(b, 1224)), 180u);
    EXPECT_EQ(std::strlen(Ptr(b, 1228)), 60u);

    const char* ordens = Ptr(b, 1200);
    EXPECT_EQ(static_cast<long>(U32(ordens, 2 * 32)), r.GetAssociacaoREOC(2)) << "32-byte link stride";
    EXPECT_TRUE(std::all_of(ordens + 2 * 32 + 4, ordens + 3 * 32, [](char c) { return c == 0; })) << "link tail";

    const char* produto2 = Ptr(b, 1204) + 2 * 1664;
    EXPECT_EQ(U32(produto2, 0), U32(&servidor->pProduto[2], 0)) << "1664-byte product stride";
    EXPECT_EQ(U16(produto2, 1624), 2u) << "product apportionments";
    EXPECT_EQ(U16(produto2, 1632), 2u) << "stock entries";
    const char* rateio1 = Ptr(produto2, 1636) + 1448;
    EXPECT_EQ(U16(rateio1, 1400), 2u) << "management lines of the apportionment";
    EXPECT_EQ(U16(rateio1, 1416), 1u) << "fixed asset";
    EXPECT_NE(Ptr(rateio1, 1420), nullptr);
    const char* estoque1 = Ptr(produto2, 1652) + 496;
    EXPECT_EQ(U32(estoque1, 72), 31u) << "weapon description size";
    EXPECT_EQ(std::strlen(Ptr(estoque1, 476)), 30u);
    EXPECT_EQ(U16(estoque1, 80), 2u) << "compositions";
    EXPECT_EQ(U16(Ptr(produto2, 1648) + 56, 46), 2u) << "deductions of the second item tax";

    const char* servico1 = Ptr(b, 1208) + 704;
    EXPECT_EQ(U16(servico1, 682), 2u) << "service apportionments";
    EXPECT_EQ(U16(Ptr(servico1, 688) + 896, 860), 2u) << "896-byte service apportionment stride";

    const char* titulo1 = Ptr(b, 1196) + 640;
    EXPECT_EQ(U16(titulo1, 630), 2u) << "title apportionments";
    EXPECT_EQ(U16(Ptr(titulo1, 632) + 40, 30), 2u) << "40-byte title apportionment stride";
    const char* nota1 = Ptr(b, 1220) + 32;
    EXPECT_EQ(U16(nota1, 4), 41u) << "CFOP note size";
    EXPECT_EQ(std::strlen(Ptr(nota1, 28)), 40u);
    EXPECT_EQ(Ptr(b, 1212) + 168 * 2, reinterpret_cast<const char*>(&w.pParcela[2])) << "168-byte instalments";
    EXPECT_EQ(Ptr(b, 1216) + 104, reinterpret_cast<const char*>(&w.pReferidas[1])) << "104-byte referred invoices";
}

TEST_F(EstradaServidorTest, KeptCopyAndChecksumsFindTheEditedItem)
{
    Recebe();
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        r.GetRefProduto(i).Set_CRC(r.GetProduto(i).CalculaCRC());
    for (int i = 0; i < r.GetQuantidadeServico(); ++i)
        r.GetRefServico(i).Set_CRC(r.GetServico(i).CalculaCRC());
    TCMRERegistroEntrada guardado;
    guardado = r;
    ASSERT_TRUE(r == guardado);
    EXPECT_EQ(guardado.GetProduto(1).Get_CRC(), r.GetProduto(1).Get_CRC()) << "the copy keeps the stored values";

    TCMREItemServico& s = r.GetRefServico(1);
    s.SetQuantidade(JQCY(s.GetQuantidade().int64 + 10000));
    EXPECT_FALSE(r == guardado);
    std::vector<int> produtos, servicos;
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        if (r.GetProduto(i).CalculaCRC() != r.GetProduto(i).Get_CRC())
            produtos.push_back(i);
    for (int i = 0; i < r.GetQuantidadeServico(); ++i)
        if (r.GetServico(i).CalculaCRC() != r.GetServico(i).Get_CRC())
            servicos.push_back(i);
    EXPECT_TRUE(produtos.empty());
    EXPECT_EQ(servicos, std::vector<int>{1});

    s.SetQuantidade(guardado.GetServico(1).GetQuantidade());
    EXPECT_TRUE(r == guardado) << "undoing the edit makes the register equal again";
}

TEST_F(EstradaServidorTest, ChecksumDoesNotSeeTheItemsChildren)
{
    Recebe();
    TCMRERegistroEntrada guardado(r);
    TCMREItemProduto& p = r.GetRefProduto(0);
    unsigned long antes = p.CalculaCRC();
    p.GetRefRateio(0).AdicionaGerencial(TCMGerencial());
    EXPECT_EQ(p.CalculaCRC(), antes) << "only the item's own block enters its checksum";
    EXPECT_FALSE(r == guardado) << "the comparison does see the apportionment line";
}

TEST_F(EstradaServidorTest, EditsThroughTheListFamiliesTravel)
{
    Recebe();
    const unsigned long id0 = r.GetProduto(0).GetIDItem();
    const unsigned long id2 = r.GetProduto(2).GetIDItem();
    TCMREItemProduto novo;
    novo.SetIDItem(99);
    r.AdicionaProduto(novo);
    r.TrocaProduto(0, 2);
    r.DeletarServico(0);
    r.DeletarAssociacaoREOC(1);
    r.GetRefObservacoesCFOP(0).SetObservacao("");
    r.CondicaoPgto.DeletarParcela(2);
    r.SetNumeroNotaFiscal("000123");

    tagREG_ENTRADAPS& w = Envia(r);
    ASSERT_EQ(w.QtdProduto, 4);
    EXPECT_EQ(w.pProduto[0].IDItem, id2);
    EXPECT_EQ(w.pProduto[2].IDItem, id0);
    EXPECT_EQ(w.pProduto[3].IDItem, 99ul);
    EXPECT_EQ(w.QtdServico, 1);
    EXPECT_EQ(w.QtdAssociacaoREOC, 2);
    EXPECT_EQ(w.QtdParcela, 2);
    EXPECT_EQ(w.pObservacoesCFOP[0].TamanhoObservacao, 0) << "emptied note";
    EXPECT_EQ(w.pObservacoesCFOP[0].pObservacao, nullptr);
    TCMRERegistroEntrada volta;
    volta.CopiarDe(&w);
    EXPECT_TRUE(volta == r);
}

TEST_F(EstradaServidorTest, LongObservationIsTakenWholeAndCutByCopyOrSend)
{
    forma.obsGeral = 7001;
    Recebe();
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 7001) << "the read does not cut";
    TCMRERegistroEntrada guardado(r);
    EXPECT_EQ(guardado.GetObservacaoGeral().GetLength(), 7000) << "a copy cuts";
    EXPECT_FALSE(r == guardado);
    tagREG_ENTRADAPS& w = Envia(r);
    EXPECT_EQ(w.TamObservacaoGeral, 7001);
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 7000) << "sending cuts the record's own text";
    EXPECT_TRUE(r == guardado);
}

// --- Bad input on the road -------------------------------------------------------

TEST_F(EstradaServidorTest, CountsWithoutArraysBelowTheItemsReadAsEmpty)
{
    forma.nivelSemArrays = 2;
    Recebe();
    ASSERT_EQ(r.GetQuantidadeProduto(), 3);
    EXPECT_EQ(r.GetProduto(0).GetQuantidadeRateio(), 0) << "count 2, null array";
    EXPECT_EQ(r.GetProduto(0).GetQuantidadeEntradaEstoque(), 0);
    EXPECT_EQ(r.GetServico(1).GetQuantidadeImposto(), 0);
    EXPECT_EQ(r.CondicaoPgto.GetTitulo(0).GetQuantidadeRateio(), 0);
    EXPECT_TRUE(r.GetObservacoesCFOP(0).GetObservacao().IsEmpty()) << "size 41, null text";
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 180) << "the level above is whole";
    tagREG_ENTRADAPS& w = Envia(r);
    EXPECT_EQ(w.pProduto[0].QtdRateio, 0) << "what was read as empty is sent as empty";
}

TEST(EstradaServidorHostil, CountsWithoutArraysAtAnyDepthRoundTrip)
{
    for (unsigned nivel = 1; nivel <= 5; ++nivel) {
        re_arvore::Forma f;
        f.nivelSemArrays = nivel;
        tagREG_ENTRADAPS* srv = re_arvore::Constroi(f);
        TCMRERegistroEntrada r;
        r.CopiarDe(srv);
        re_arvore::Libera(srv);
        if (nivel == 1) {
            EXPECT_EQ(r.GetQuantidadeProduto() + r.CondicaoPgto.GetQuantidadeParcela(), 0);
            EXPECT_TRUE(r.GetObservacaoFisco().IsEmpty());
            EXPECT_FALSE(r.GetNumeroNotaFiscal().IsEmpty()) << "the header block is still read";
        }
        tagREG_ENTRADAPS w;
        r.CopiarPara(&w);
        TCMRERegistroEntrada volta;
        volta.CopiarDe(&w);
        EXPECT_TRUE(volta == r) << "depth " << nivel;
        TCMRERegistroEntrada::ZerarDelete(&w);
    }
}

TEST_F(EstradaServidorTest, UnreadableNestedArrayEndsThatListOnly)
{
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* morto = mmap(nullptr, pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(morto, MAP_FAILED);
    servidor = re_arvore::Constroi(forma);
    tagREG_ITEM_ENTRADA_PRODUTOPS& p1 = servidor->pProduto[1];
    tagREG_RATEIOPRODUTO_ENTRADAPS* rateios = p1.pRateio;
    p1.pRateio = static_cast<tagREG_RATEIOPRODUTO_ENTRADAPS*>(morto);
    char* nota = servidor->pObservacoesCFOP[0].pObservacao;
    servidor->pObservacoesCFOP[0].pObservacao = static_cast<char*>(morto);

    r.CopiarDe(servidor);
    EXPECT_EQ(r.GetProduto(1).GetQuantidadeRateio(), 0);
    EXPECT_EQ(r.GetProduto(1).GetQuantidadeEntradaEstoque(), 2) << "the item's other lists are read";
    EXPECT_EQ(r.GetProduto(2).GetQuantidadeRateio(), 2) << "the next item is read";
    EXPECT_TRUE(r.GetObservacoesCFOP(0).GetObservacao().IsEmpty());
    EXPECT_FALSE(r.GetObservacoesCFOP(1).GetObservacao().IsEmpty());

    p1.pRateio = rateios;
    servidor->pObservacoesCFOP[0].pObservacao = nota;
    munmap(morto, pagina);
}

TEST_F(EstradaServidorTest, TextsWithSizeZeroAreNotReleased)
{
    servidor = re_arvore::Constroi(forma);
    // Blocks that the sizes disown: the freeing functions must leave them alone.
    _REG_ENTRADA_ESTOQUE_ENTRADAPS& e = servidor->pProduto[0].pEntradaEstoque[0];
    e.TamanhoArmaFogo_Descricao = 0;
    servidor->TamObservacaoFisco = 0;
    servidor->pObservacoesCFOP[1].TamanhoObservacao = 0;
    std::vector<char*> proprios = {e.pArmaFogo_Descricao, servidor->pObservacaoFisco,
                                   servidor->pObservacoesCFOP[1].pObservacao};
    r.CopiarDe(servidor);
    EXPECT_TRUE(r.GetProduto(0).GetEntradaEstoque(0).GetArmaFogo_Descricao().IsEmpty());
    EXPECT_TRUE(r.GetObservacaoFisco().IsEmpty());
    EXPECT_TRUE(r.GetObservacoesCFOP(1).GetObservacao().IsEmpty());
    re_arvore::Libera(servidor);
    servidor = nullptr;
    for (char* p : proprios)
        CoTaskMemFree(p); // a second release would be reported by the sanitizers
}

TEST_F(EstradaServidorTest, ExceptionDeepInTheTreeLeavesAReleasableStructure)
{
    Recebe();
    r.GetRefProduto(1).GetRefRateio(0).GetListaGerencial().SetSize(65536);
    tagREG_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    bool recusou = re_teste::LancaArgumentoInvalido([&] { r.CopiarPara(&ps); });
    EXPECT_TRUE(recusou) << "65536 lines do not fit the 16-bit count";
    EXPECT_EQ(ps.QtdProduto, 3);
    EXPECT_EQ(ps.pProduto[1].QtdRateio, 2);
    EXPECT_EQ(ps.pProduto[1].pRateio[0].QtdGerencial, 0) << "no truncated count";
    EXPECT_EQ(ps.pProduto[2].QtdRateio, 0) << "the items after the failure are zero";
    EXPECT_EQ(ps.QtdServico, 0) << "lists after the products were not written";
    EXPECT_EQ(ps.pServico, nullptr);
    TCMRERegistroEntrada::ZerarDelete(&ps); // the sanitizers check that nothing leaks
}

TEST_F(EstradaServidorTest, TooLongCFOPNoteIsRefusedAfterTheItems)
{
    Recebe();
    r.GetRefObservacoesCFOP(1).SetObservacao(CString(std::string(65535, 'n').c_str()));
    tagREG_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    bool recusou = re_teste::LancaArgumentoInvalido([&] { r.CopiarPara(&ps); });
    EXPECT_TRUE(recusou) << "a size of 65536 does not fit";
    EXPECT_EQ(ps.QtdProduto, 3);
    EXPECT_EQ(ps.QtdObservacoesCFOP, 2);
    EXPECT_EQ(ps.pObservacoesCFOP[1].pObservacao, nullptr);
    EXPECT_EQ(ps.QtdParcela, 0);
    TCMRERegistroEntrada::ZerarDelete(&ps);
}

} // namespace
