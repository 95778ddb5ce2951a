// The road of one entry register: a tree from the server (task-allocator
// blocks) read, released, kept, checksummed, edited, compared, sent and
// released; and bad input on the way.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <malloc.h>

#include <gtest/gtest.h>

#include "platform/CacheArmazenamento.h"
#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraRE.h"
#include "tools/Amostras.h"

namespace {

const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

// The server's structure for r: every nested block from CoTaskMemAlloc.
tagREG_ENTRADAPS* DoServidor(TCMRERegistroEntrada& r)
{
    tagREG_ENTRADAPS feito;
    r.CopiarPara(&feito);
    auto* ps = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof(tagREG_ENTRADAPS)));
    amostra::ClonaComTaskMem(DescRE(), &feito, ps);
    TCMRERegistroEntrada::ZerarDelete(&feito);
    return ps;
}

// What the caller does with a received structure: its arrays, then the block.
void Libera(tagREG_ENTRADAPS* ps)
{
    TCMRERegistroEntrada::ZerarGlobalAlloc(ps);
    CoTaskMemFree(ps);
}

// Bad input: from depth `corte` on (1 = the register's own lists) every array
// and text keeps its count or size but loses its block.
void TiraArrays(const tolv::EstruturaDesc& d, unsigned char* b, unsigned corte, unsigned nivel = 0)
{
    for (unsigned i = 0; i < d.nAninhados; ++i) {
        const tolv::AninhadoDesc& a = d.aninhados[i];
        unsigned char* e;
        unsigned long n = 0;
        std::memcpy(&e, b + a.offsetPonteiro, sizeof e);
        std::memcpy(&n, b + a.offsetContagem, a.tamanhoContagem);
        if (nivel + 1 >= corte) {
            tolv::LiberaArray(a, e, n, tolv::Liberacao::CoTaskMem);
            std::memset(b + a.offsetPonteiro, 0, sizeof(void*));
        } else if (e && a.elemento) {
            for (unsigned long k = 0; k < n; ++k)
                TiraArrays(*a.elemento, e + k * a.elemento->tamanho, corte, nivel + 1);
        }
    }
}

// The road's register in r (every list of the tree filled: two service and
// title apportionments, a fixed asset per product apportionment, weapon
// descriptions) and the tree the server sends for it.
tagREG_ENTRADAPS* Servidor(TCMRERegistroEntrada& r, unsigned corte = 0)
{
    amostra::Gerador g(2026);
    amostra::FormaRegistro f;
    f.produtos = 3;
    f.servicos = 2;
    f.associacoes = 3;
    f.produto.impostos = f.produto.entradasEstoque = f.produto.margens = f.produto.associacoes = 2;
    amostra::Registro(r, g, f);
    TCMRERateioServico rs;
    TCMRERateioTitulo rt;
    for (int k = 0; k < 2; ++k) {
        rs.AdicionaGerencial(amostra::Linha(g));
        rt.AdicionaGerencial(amostra::Linha(g));
    }
    for (int i = 0; i < 2; ++i) {
        r.GetRefServico(i).AdicionaRateio(rs);
        r.CondicaoPgto.GetRefTitulo(i).AdicionaRateio(rt);
    }
    TCMREAtivoImobilizado ativo;
    ativo.SetPlaqueta("PLQ-1");
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 2; ++k) {
            r.GetRefProduto(i).GetRefRateio(k).AdicionaAtivoImobilizado(ativo);
            r.GetRefProduto(i).GetRefEntradaEstoque(k).SetArmaFogo_Descricao(g.Texto("arma ", 30));
        }
    tagREG_ENTRADAPS* ps = DoServidor(r);
    if (corte)
        TiraArrays(DescRE(), reinterpret_cast<unsigned char*>(ps), corte);
    return ps;
}

class EstradaTest : public testing::Test {
protected:
    void TearDown() override
    {
        if (servidor)
            Libera(servidor);
        for (tagREG_ENTRADAPS* ps : enviados)
            TCMRERegistroEntrada::ZerarDelete(ps);
        for (tagREG_ENTRADAPS* ps : enviados)
            delete ps;
    }
    // The server's tree, read into r.
    TCMRERegistroEntrada& Recebe(unsigned corte = 0)
    {
        servidor = Servidor(original, corte);
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
    TCMRERegistroEntrada original; // what the server wrote
    tagREG_ENTRADAPS* servidor = nullptr;
    TCMRERegistroEntrada r;
    std::vector<tagREG_ENTRADAPS*> enviados;
};

// Sending back (below) checks that nothing is lost; this checks where the
// register's lists and scalars land in the records.
TEST_F(EstradaTest, ReadPutsEveryListInItsRecord)
{
    Recebe();
    EXPECT_TRUE(r == original);
    const tagREG_ENTRADAPS& s = *servidor;
    ASSERT_EQ(r.GetQuantidadeProduto(), 3);
    const TCMREItemProduto& p = r.GetProduto(2);
    EXPECT_EQ(p.GetRateio(1).GetQuantidadeAtivoImobilizado(), 1);
    EXPECT_EQ(p.GetImposto(1).GetQuantidadeDeducao(), 2);
    EXPECT_EQ(p.GetEntradaEstoque(1).GetArmaFogo_Descricao(),
              CString(s.pProduto[2].pEntradaEstoque[1].pArmaFogo_Descricao));
    EXPECT_EQ(p.GetQuantidadeTotais(), 1);
    EXPECT_EQ(r.GetServico(1).GetRateio(0).GetQuantidadeGerencialFilialClassificacao(), 1);

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
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 400);
    EXPECT_EQ(r.GetObservacaoFisco(), CString(s.pObservacaoFisco));
    EXPECT_EQ(r.GetQuantidadeLogs(), 0) << "logs never travel";
}

TEST_F(EstradaTest, SendingBackRebuildsTheServerTreeByteForByte)
{
    Recebe();
    tagREG_ENTRADAPS& w = Envia(r);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescRE(), servidor, &w, onde)) << onde;
    EXPECT_EQ(amostra::Mede(DescRE(), &w).blocos, amostra::Mede(DescRE(), servidor).blocos);
    TCMRERegistroEntrada copia(r);
    EXPECT_TRUE(amostra::Iguais(DescRE(), &w, &Envia(copia), onde)) << "a copy sends the same bytes: " << onde;
    TCMRERegistroEntrada volta;
    volta.CopiarDe(&w);
    EXPECT_TRUE(volta == r);
}

TEST_F(EstradaTest, WhatTheComparisonIgnoresInTheWholeTree)
{
    Recebe();
    const TCMRERegistroEntrada a(r);
    auto igual = [&](auto muda, const char* o_que) {
        TCMRERegistroEntrada b(a);
        muda(b);
        EXPECT_TRUE(a == b) << o_que;
        EXPECT_FALSE(a != b) << o_que;
    };
    auto difere = [&](auto muda, const char* o_que) {
        TCMRERegistroEntrada b(a);
        muda(b);
        EXPECT_FALSE(a == b) << o_que;
        EXPECT_TRUE(a != b) << o_que;
    };
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).Set_CRC(12345); }, "stored checksum");
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).SetIDItem(999); }, "product IDItem");
    igual([](TCMRERegistroEntrada& b) { b.GetRefProduto(1).RemoveTodosTotais(); }, "product totals");
    igual([](TCMRERegistroEntrada& b) { b.AdicionaLogs("alterado"); }, "Logs");
    igual(
        [](TCMRERegistroEntrada& b) {
            CIEVinculo v;
            v.SetChave("doc");
            b.SetVinculo(v);
        },
        "Vinculo");
    igual([](TCMRERegistroEntrada& b) { b.SetUsuario(static_cast<unsigned short>(b.GetUsuario() + 1)); }, "Usuario");
    igual(
        [](TCMRERegistroEntrada& b) {
            b.SetRegDataUltimaAlteracao(REG_JQDMAHMSUTC{{1, 2, 3, 4, 5, 6, 7, 8}});
        },
        "RegDataUltimaAlteracao");
    igual([](TCMRERegistroEntrada& b) { b.SetLiberouAlteracaoVlrUnitOC(true); }, "LiberouAlteracaoVlrUnitOC");
    igual([](TCMRERegistroEntrada& b) { b.SetVersaoGravacao(3); }, "VersaoGravacao");

    difere([](TCMRERegistroEntrada& b) { b.GetRefReferidas(1).SetPonteiroNF(b.GetReferidas(1).GetPonteiroNF() + 1); },
           "referred invoice");
    difere([](TCMRERegistroEntrada& b) { b.GetRefObservacoesCFOP(1).SetObservacao("outra"); }, "CFOP note text");
    difere([](TCMRERegistroEntrada& b) { b.AdicionaObservacoesCFOP(TCMREObservacaoCFOP()); }, "CFOP notes count");
    difere([](TCMRERegistroEntrada& b) { b.CondicaoPgto.GetRefParcela(2).SetValorBruto(JQCY(1)); }, "instalment");
    difere([](TCMRERegistroEntrada& b) { b.CondicaoPgto.GetRefTitulo(1).GetRefRateio(1).RemoveTodosGerencial(); },
           "title apportionment line");
    difere([](TCMRERegistroEntrada& b) { b.SetAssociacaoREOC(0, b.GetAssociacaoREOC(0) + 1); }, "order link");
    difere([](TCMRERegistroEntrada& b) { b.GetRefProduto(2).GetRefEntradaEstoque(1).SetArmaFogo_Descricao("x"); },
           "weapon description");
    difere([](TCMRERegistroEntrada& b) { b.GetRefServico(0).GetRefImposto(0).RemoveTodosDeducao(); },
           "service tax deduction");
}

TEST_F(EstradaTest, KeptCopyAndChecksumsFindTheEditedItems)
{
    Recebe();
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        r.GetRefProduto(i).Set_CRC(r.GetProduto(i).CalculaCRC());
    for (int i = 0; i < r.GetQuantidadeServico(); ++i)
        r.GetRefServico(i).Set_CRC(r.GetServico(i).CalculaCRC());
    TCMRERegistroEntrada guardado;
    guardado = r;
    ASSERT_TRUE(r == guardado);
    EXPECT_TRUE(r == original) << "stored checksums are not compared";
    EXPECT_EQ(guardado.GetProduto(1).Get_CRC(), r.GetProduto(1).Get_CRC()) << "the copy keeps the stored values";

    TCMREItemServico& s = r.GetRefServico(1);
    s.SetQuantidade(JQCY(s.GetQuantidade().int64 + 10000));
    TCMREItemProduto& p = r.GetRefProduto(2);
    p.SetValorTotal(JQCY(p.GetValorTotal().int64 + 1));
    EXPECT_FALSE(r == guardado);
    std::vector<int> produtos, servicos;
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        if (r.GetProduto(i).CalculaCRC() != r.GetProduto(i).Get_CRC())
            produtos.push_back(i);
    for (int i = 0; i < r.GetQuantidadeServico(); ++i)
        if (r.GetServico(i).CalculaCRC() != r.GetServico(i).Get_CRC())
            servicos.push_back(i);
    EXPECT_EQ(produtos, std::vector<int>{2});
    EXPECT_EQ(servicos, std::vector<int>{1});

    s.SetQuantidade(guardado.GetServico(1).GetQuantidade());
    p.SetValorTotal(guardado.GetProduto(2).GetValorTotal());
    EXPECT_TRUE(r == guardado) << "undoing the edits makes the register equal again";

    unsigned long antes = p.CalculaCRC();
    p.GetRefRateio(0).AdicionaGerencial(TCMGerencial());
    EXPECT_EQ(p.CalculaCRC(), antes) << "only the item's own block enters its checksum";
    EXPECT_FALSE(r == guardado) << "the comparison does see the apportionment line";
}

TEST_F(EstradaTest, EditsThroughTheListFamiliesTravel)
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
    EXPECT_EQ(w.pObservacoesCFOP[0].TamObservacao, 0) << "emptied note";
    EXPECT_EQ(w.pObservacoesCFOP[0].pObservacao, nullptr);
    TCMRERegistroEntrada volta;
    volta.CopiarDe(&w);
    EXPECT_TRUE(volta == r);
}

TEST_F(EstradaTest, LongObservationIsTakenWholeAndCutByCopyOrSend)
{
    servidor = Servidor(original);
    CoTaskMemFree(servidor->pObservacaoGeral);
    servidor->pObservacaoGeral = static_cast<char*>(CoTaskMemAlloc(7002));
    std::memset(servidor->pObservacaoGeral, 'g', 7001);
    servidor->pObservacaoGeral[7001] = 0;
    servidor->TamObservacaoGeral = 7002;
    r.CopiarDe(servidor);
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 7001) << "the read does not cut";
    TCMRERegistroEntrada guardado(r);
    EXPECT_EQ(guardado.GetObservacaoGeral().GetLength(), 7000) << "a copy cuts";
    EXPECT_FALSE(r == guardado);
    tagREG_ENTRADAPS& w = Envia(r);
    EXPECT_EQ(w.TamObservacaoGeral, 7001);
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 7000) << "sending cuts the record's own text";
    EXPECT_TRUE(r == guardado);
}

// Every list takes room for 100 records on its first append, so the 32-bit
// address space bounds a document: a product item of the road's shape takes
// about 280 KB of it. The road holds the register and the copy read back.
#ifdef TOLV_SEM_CACHE
#define SEM_ESPACO_SOB_SANITIZADOR GTEST_SKIP() << "the sanitizer's shadow takes the address space"
#else
#define SEM_ESPACO_SOB_SANITIZADOR (void)0
#endif

TEST(Estrada, LargestRegisterOfTheRoad)
{
    SEM_ESPACO_SOB_SANITIZADOR;
    amostra::Gerador g(3);
    amostra::FormaRegistro f;
    f.produtos = 5000;
    TCMRERegistroEntrada r;
    amostra::Registro(r, g, f);
    tagREG_ENTRADAPS ps;
    r.CopiarPara(&ps);
    TCMRERegistroEntrada lido;
    lido.CopiarDe(&ps);
    TCMRERegistroEntrada::ZerarDelete(&ps);
    EXPECT_EQ(lido.GetQuantidadeProduto(), 5000);
    EXPECT_TRUE(lido == r);
    tolv::EsvaziaArmazenamento();
}

size_t EmUso()
{
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST(Estrada, RegisterBeyondTheAddressSpaceRaisesTheMemoryException)
{
    SEM_ESPACO_SOB_SANITIZADOR;
    tolv::EsvaziaArmazenamento();
    amostra::Gerador g(5);
    const TCMREItemProduto p = amostra::Produto(g, 0);
    const size_t antes = EmUso();
    TCMRERegistroEntrada r;
    int n = 0;
    bool memoria = false;
    try {
        for (; n < 100000; ++n)
            r.AdicionaProduto(p);
    } catch (CMemoryException* e) {
        e->Delete();
        memoria = true;
    }
    ASSERT_TRUE(memoria) << "the memory exception, not another";
    EXPECT_EQ(r.GetQuantidadeProduto(), n) << "the list keeps what it had";
    EXPECT_GT(n, 10000);
    EXPECT_TRUE(r.GetProduto(n - 1) == p);

    r.Limpar();
    r.AdicionaProduto(p);
    tagREG_ENTRADAPS ps;
    r.CopiarPara(&ps);
    TCMRERegistroEntrada lido;
    lido.CopiarDe(&ps);
    TCMRERegistroEntrada::ZerarDelete(&ps);
    EXPECT_TRUE(lido == r) << "still usable";
    r.Limpar();
    lido.Limpar();
    tolv::EsvaziaArmazenamento();
    EXPECT_LT(EmUso(), antes + (size_t(1) << 20)) << "nothing of the failed appends is left";
}

// --- Bad input on the road -------------------------------------------------------

TEST_F(EstradaTest, CountsWithoutArraysBelowTheItemsReadAsEmpty)
{
    Recebe(2);
    ASSERT_EQ(r.GetQuantidadeProduto(), 3);
    EXPECT_EQ(servidor->pProduto[0].QtdRateio, 2);
    EXPECT_EQ(r.GetProduto(0).GetQuantidadeRateio(), 0) << "count 2, null array";
    EXPECT_EQ(r.GetProduto(0).GetQuantidadeEntradaEstoque(), 0);
    EXPECT_EQ(r.GetServico(1).GetQuantidadeImposto(), 0);
    EXPECT_EQ(r.CondicaoPgto.GetTitulo(0).GetQuantidadeRateio(), 0);
    EXPECT_TRUE(r.GetObservacoesCFOP(0).GetObservacao().IsEmpty()) << "size 81, null text";
    EXPECT_EQ(r.GetObservacaoGeral().GetLength(), 400) << "the level above is whole";
    tagREG_ENTRADAPS& w = Envia(r);
    EXPECT_EQ(w.pProduto[0].QtdRateio, 0) << "what was read as empty is sent as empty";
}

TEST_F(EstradaTest, UnreadableNestedArrayEndsThatListOnly)
{
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* morto = mmap(nullptr, pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(morto, MAP_FAILED);
    servidor = Servidor(original);
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

TEST_F(EstradaTest, TextsWithSizeZeroAreNotReleased)
{
    servidor = Servidor(original);
    // Blocks that the sizes disown: the freeing functions must leave them alone.
    _REG_ENTRADA_ESTOQUE_ENTRADAPS& e = servidor->pProduto[0].pEntradaEstoque[0];
    e.TamArmaFogo_Descricao = 0;
    servidor->TamObservacaoFisco = 0;
    servidor->pObservacoesCFOP[1].TamObservacao = 0;
    std::vector<char*> proprios = {e.pArmaFogo_Descricao, servidor->pObservacaoFisco,
                                   servidor->pObservacoesCFOP[1].pObservacao};
    r.CopiarDe(servidor);
    EXPECT_TRUE(r.GetProduto(0).GetEntradaEstoque(0).GetArmaFogo_Descricao().IsEmpty());
    EXPECT_TRUE(r.GetObservacaoFisco().IsEmpty());
    EXPECT_TRUE(r.GetObservacoesCFOP(1).GetObservacao().IsEmpty());
    Libera(servidor);
    servidor = nullptr;
    for (char* p : proprios)
        CoTaskMemFree(p); // a second release would be reported by the sanitizers
}

TEST_F(EstradaTest, ExceptionDeepInTheTreeLeavesAReleasableStructure)
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

TEST_F(EstradaTest, TooLongCFOPNoteIsRefusedAfterTheItems)
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
