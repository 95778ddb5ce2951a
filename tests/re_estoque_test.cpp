// Stock entry, fixed asset and composition of the entry register.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

_REG_POSICAO_PRODUTOPS Posicao(long produto)
{
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = produto;
    p.PonteiroItemGrade1 = 1;
    p.PonteiroItemGrade2 = 2;
    p.PonteiroItemGrade3 = 3;
    return p;
}

// --- Fixed asset --------------------------------------------------------------------

TCMREAtivoImobilizado Ativo()
{
    TCMREAtivoImobilizado a;
    a.SetValorCredito(JQCY(5000000));
    a.SetNumeroLivro(12);
    a.SetNumeroFolha(340);
    a.SetDescricao("Empilhadeira");
    a.SetPlaqueta("PL-0042");
    return a;
}

TEST(AtivoImobilizado, RawBlockTravelsBothWaysAndEveryFieldIsCompared)
{
    tagREG_ATIVO_IMOBILIZADO_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Ativo().CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 100, 120)) << "reserved at 100";
    EXPECT_STREQ(ps.Plaqueta, "PL-0042");
    TCMREAtivoImobilizado lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Ativo());
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREAtivoImobilizado, tagREG_ATIVO_IMOBILIZADO_ENTRADAPS>(Ativo(), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 5);
    TCMREAtivoImobilizado b = Ativo();
    b.SetDescricao("empilhadeira");
    EXPECT_TRUE(b != Ativo()) << "Descricao case-sensitive";
}

TEST(AtivoImobilizado, TextLimitsAndClassRecord)
{
    TCMREAtivoImobilizado a;
    a.SetDescricao(CString(std::string(60, 'd').c_str()));
    EXPECT_EQ(a.GetDescricao().GetLength(), 51);
    a.SetPlaqueta(CString(std::string(40, 'p').c_str()));
    EXPECT_EQ(a.GetPlaqueta().GetLength(), 31);
    EXPECT_EQ(a.GetDescricao().GetLength(), 51) << "neighbour untouched";

    const CRuntimeClass* c = a.GetRuntimeClass();
    EXPECT_EQ(c, RUNTIME_CLASS(TCMREAtivoImobilizado));
    EXPECT_STREQ(c->m_lpszClassName, "TCMREAtivoImobilizado");
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(TCMREAtivoImobilizado)));
    EXPECT_EQ(c->m_wSchema, 0xFFFFu);
    EXPECT_EQ(c->GetBaseClass(), RUNTIME_CLASS(TJQBaseParaDados));
}

// --- Composition --------------------------------------------------------------------

TCMREComposicao Composicao(long produto)
{
    TCMREComposicao c;
    c.SetRegPosProduto(Posicao(produto));
    c.SetRegPosProdutoSubstituido(Posicao(produto + 1));
    c.SetQuantidade(JQCY(20000));
    c.SetQuantidadeTotal(JQCY(40000));
    c.SetValor4PIUnitaria(JQCY(1500));
    c.SetPonteiroMovimentoOrigem(0x80000001ul);
    c.SetPonteiroFilial(7);
    c.SetPonteiroLote(11);
    c.SetPonteiroForLote(12);
    c.SetPonteiroForEPTETPE(13);
    c.SetPonteiroCliEPTETPE(14);
    c.SetPonteiroVolume(15);
    c.SetPonteiroControleFCI(16);
    c.SetPonteiroLocal(17);
    c.SetTipoProducao(1);
    c.SetTipoEstoque(2);
    c.SetQuantidadeTotalAlterada(1);
    c.SetConteudoImportado('S');
    c.SetCasasDecimais(4);
    return c;
}

TEST(Composicao, OwnFormIsARawCopyBothWays)
{
    _REG_ITEM_ENTRADA_COMPOSICAOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Composicao(500).CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 95, 112)) << "reserved at 95";
    TCMREComposicao lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Composicao(500));
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREComposicao, _REG_ITEM_ENTRADA_COMPOSICAOPS>(Composicao(500), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 19);
}

TEST(Composicao, InventoryFormPlacesEveryFieldAndZeroesTheRest)
{
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    std::memset(&es, 0xFF, sizeof es);
    Composicao(500).CopiarPara(&es);
    EXPECT_EQ(es.regPosProduto.PonteiroProduto, 500);
    EXPECT_EQ(es.regPosProdutoSubstituido.PonteiroProduto, 501);
    EXPECT_EQ(es.Quantidade.int64, 20000);
    EXPECT_EQ(es.QuantidadeTotal.int64, 40000);
    EXPECT_EQ(es.Valor4PIUnitaria.int64, 1500);
    EXPECT_EQ(es.lPonteiroFilial, 7ul) << "branch moves to 176";
    EXPECT_EQ(static_cast<unsigned long>(es.PonteiroMovimentoOrigem), 0x80000001ul) << "origin moves to 180";
    EXPECT_EQ(es.PonteiroControleFCI, 16);
    EXPECT_EQ(es.PonteiroLocal, 17);
    EXPECT_EQ(es.ConteudoImportado, 'S');
    EXPECT_EQ(es.CasasDecimais, 4);
    EXPECT_TRUE(Bytes(es, 0, 48)) << "lot block";
    EXPECT_TRUE(Bytes(es, 80, 120)) << "volume block";
    EXPECT_TRUE(Bytes(es, 144, 176)) << "reserved at 144";
    EXPECT_TRUE(Bytes(es, 208, 224)) << "reserved at 208";
    EXPECT_TRUE(Bytes(es, 226, 236)) << "reserved at 226";
    EXPECT_TRUE(Bytes(es, 241, 256)) << "reserved at 241";
    EXPECT_TRUE(Bytes(es.regPosProduto, 10, 16)) << "position tail travels";
}

TEST(Composicao, InventoryFormReadsBackAndDropsLotVolumeAndReserved)
{
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    Composicao(500).CopiarPara(&es);
    std::memset(&es.regLotePS, 0x33, sizeof es.regLotePS);
    std::memset(&es.regVolumePS, 0x44, sizeof es.regVolumePS);
    std::memset(es.Reservado241, 0x55, sizeof es.Reservado241);
    TCMREComposicao lido;
    lido.CopiarDe(&es);
    EXPECT_TRUE(lido == Composicao(500));
    _REG_ITEM_ENTRADA_COMPOSICAOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    lido.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 95, 112)) << "reserved of the own form come back zero";
    EXPECT_EQ(ps.PonteiroFilial, 7ul);
    EXPECT_EQ(ps.PonteiroMovimentoOrigem, 0x80000001ul);

    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREComposicao, _REG_ES_COMPOSICAO_PRODUTOPS>(Composicao(500), n);
    ASSERT_EQ(erros.size(), 2u) << "only the lot and volume blocks are not carried";
    EXPECT_EQ(erros[0], "regLotePS");
    EXPECT_EQ(erros[1], "regVolumePS");
}

TEST(Composicao, PositionsCompareWithoutTheirTail)
{
    TCMREComposicao b = Composicao(500);
    _REG_POSICAO_PRODUTOPS p = Posicao(501);
    std::memset(p.Reservado, 0x77, sizeof p.Reservado);
    b.SetRegPosProdutoSubstituido(p);
    EXPECT_TRUE(b == Composicao(500));
    p.PonteiroItemGrade3 = 9;
    b.SetRegPosProdutoSubstituido(p);
    EXPECT_TRUE(b != Composicao(500)) << "grade item 3 of the replaced product";
}

// --- Stock entry --------------------------------------------------------------------

TCMREEntradaEstoque Entrada(int saida, int linhas, int composicoes, const char* descricao)
{
    TCMREEntradaEstoque e;
    e.SetRegPosProduto(Posicao(300));
    e.SetLoteESDataFabricacao(REG_JQDMA{{1, 2, 0xE8, 0x07}});
    e.SetLoteESDataValidade(REG_JQDMA{{1, 2, 0xEA, 0x07}});
    e.SetQuantidade(JQCY(120000));
    e.SetLotePrecoTabelado(JQCY(99900));
    e.SetPonteiroClassificacaoSaida(21);
    e.SetPonteiroClassificacao(22);
    e.SetPonteiroMovimentoOrigemEstoque(23);
    e.SetPonteiroLocalSaida(24);
    e.SetPonteiroLocal(25);
    e.SetPonteiroCFRT(26);
    e.SetLoteESNumeroDeDiaValidade(730);
    e.SetLoteESNumero("L-2024-01");
    e.SetLoteESVolume("CX 12");
    e.SetArmaFogo_Serie("SER123");
    e.SetArmaFogo_Cano("CANO9");
    e.SetLoteIndicadorMovimentacao(1);
    e.SetArmaFogo_Tipo(2);
    e.SetLoteTipoReferencia(3);
    e.SetTipo(4);
    e.SetArmaFogo_Descricao(descricao);
    for (int k = 0; k < saida; ++k)
        e.AdicionaGerencialSaida(Linha(40 + k, 1000 * (k + 1)));
    for (int k = 0; k < linhas; ++k)
        e.AdicionaGerencial(Linha(60 + k, 700 * (k + 1)));
    for (int k = 0; k < composicoes; ++k)
        e.AdicionaComposicao(Composicao(800 + k));
    return e;
}

class EntradaEstoqueTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    _REG_ENTRADA_ESTOQUE_ENTRADAPS ps{};
};

TEST_F(EntradaEstoqueTest, EmptyListsAndTextSendZeroCountsAndNullPointers)
{
    std::memset(&ps, 0xFF, sizeof ps);
    Entrada(0, 0, 0, "").CopiarPara(&ps);
    EXPECT_EQ(ps.TamanhoArmaFogo_Descricao, 0ul);
    EXPECT_EQ(ps.pArmaFogo_Descricao, nullptr);
    EXPECT_EQ(ps.QtdGerencialSaida, 0);
    EXPECT_EQ(ps.pGerencialSaida, nullptr);
    EXPECT_EQ(ps.QtdGerencial, 0);
    EXPECT_EQ(ps.pGerencial, nullptr);
    EXPECT_EQ(ps.QtdComposicao, 0);
    EXPECT_EQ(ps.pComposicao, nullptr);
    EXPECT_TRUE(Bytes(ps, 84, 342)) << "reserved at 84";
    EXPECT_TRUE(Bytes(ps, 435, 436)) << "reserved at 435";
    EXPECT_TRUE(Bytes(ps, 457, 458)) << "reserved at 457";
    EXPECT_TRUE(Bytes(ps, 462, 476)) << "reserved at 462";
    EXPECT_TRUE(Bytes(ps, 492, 496)) << "reserved at 492";
    EXPECT_TRUE(Bytes(ps, 20, 24)) << "zero half of the date slot";
    EXPECT_EQ(ps.Tipo, 4);
}

TEST_F(EntradaEstoqueTest, ListsAndDescriptionTravelAndComeBackEqual)
{
    TCMREEntradaEstoque original = Entrada(2, 1, 2, "Pistola .9");
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.TamanhoArmaFogo_Descricao, 11ul);
    EXPECT_EQ(std::memcmp(ps.pArmaFogo_Descricao, "Pistola .9", 11), 0);
    ASSERT_EQ(ps.QtdGerencialSaida, 2);
    EXPECT_EQ(ps.pGerencialSaida[1].PonteiroGerencial, 41);
    ASSERT_EQ(ps.QtdGerencial, 1);
    EXPECT_EQ(ps.pGerencial[0].PonteiroGerencial, 60);
    ASSERT_EQ(ps.QtdComposicao, 2);
    EXPECT_EQ(ps.pComposicao[1].RegPosProduto.PonteiroProduto, 801);
    EXPECT_TRUE(Bytes(ps.pComposicao[0], 95, 112)) << "composition reserved";

    TCMREEntradaEstoque lido = Entrada(1, 1, 1, "velha");
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetArmaFogo_Descricao(), CString("Pistola .9"));
    EXPECT_EQ(lido.GetQuantidadeComposicao(), 2);

    _REG_ENTRADA_ESTOQUE_ENTRADAPS outro{};
    lido.RemoveTodosGerencialSaida();
    lido.RemoveTodosComposicao();
    lido.RemoveTodosGerencial();
    lido.SetArmaFogo_Descricao("");
    lido.CopiarPara(&outro);
    EXPECT_TRUE(Bytes(outro, 72, 82)) << "the record keeps no counts";
    EXPECT_TRUE(Bytes(outro, 476, 492)) << "the record keeps no pointers";
}

TEST_F(EntradaEstoqueTest, DescriptionSizeIsThirtyTwoBits)
{
    std::string longa(70000, 'a');
    Entrada(0, 0, 0, longa.c_str()).CopiarPara(&ps);
    EXPECT_EQ(ps.TamanhoArmaFogo_Descricao, 70001ul);
    TCMREEntradaEstoque lido;
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetArmaFogo_Descricao().GetLength(), 70000);
}

TEST_F(EntradaEstoqueTest, NullOrUnreadableArraysReadAsEmpty)
{
    ps.QtdGerencialSaida = 3;
    ps.QtdGerencial = 4;
    ps.QtdComposicao = 5;
    ps.TamanhoArmaFogo_Descricao = 9;
    ps.PonteiroLocal = 8;
    TCMREEntradaEstoque lido = Entrada(1, 1, 1, "x");
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetQuantidadeGerencialSaida(), 0);
    EXPECT_EQ(lido.GetQuantidadeGerencial(), 0);
    EXPECT_EQ(lido.GetQuantidadeComposicao(), 0);
    EXPECT_EQ(lido.GetArmaFogo_Descricao(), CString(""));
    EXPECT_EQ(lido.GetPonteiroLocal(), 8);

    // the second composition sits on an unreadable page: the list ends there
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    auto* base = static_cast<unsigned char*>(
        mmap(nullptr, 2 * pagina, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(base, MAP_FAILED);
    ASSERT_EQ(mprotect(base + pagina, pagina, PROT_NONE), 0);
    auto* c = reinterpret_cast<_REG_ITEM_ENTRADA_COMPOSICAOPS*>(base + pagina - sizeof(_REG_ITEM_ENTRADA_COMPOSICAOPS));
    Composicao(900).CopiarPara(c);
    ps.TamanhoArmaFogo_Descricao = 0;
    ps.QtdGerencialSaida = ps.QtdGerencial = 0;
    ps.QtdComposicao = 2;
    ps.pComposicao = c;
    lido.CopiarDe(&ps);
    ASSERT_EQ(lido.GetQuantidadeComposicao(), 1);
    EXPECT_TRUE(lido.GetComposicao(0) == Composicao(900));
    lido.CopiarDe(reinterpret_cast<_REG_ENTRADA_ESTOQUE_ENTRADAPS*>(base + pagina));
    EXPECT_TRUE(lido == TCMREEntradaEstoque()) << "unreadable structure leaves the entry cleared";
    munmap(base, 2 * pagina);
    std::memset(&ps, 0, sizeof ps);
}

TEST_F(EntradaEstoqueTest, OversizeListIsRefusedAndNothingIsLeftAllocated)
{
    TCMREEntradaEstoque e = Entrada(2, 1, 0, "descricao");
    e.GetListaComposicao().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { e.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdComposicao, 0) << "no truncated count";
    EXPECT_EQ(ps.pComposicao, nullptr);
    EXPECT_EQ(ps.QtdGerencialSaida, 0) << "arrays written before the failure are released";
    EXPECT_EQ(ps.pGerencialSaida, nullptr);
    EXPECT_EQ(ps.pGerencial, nullptr);
    EXPECT_EQ(ps.pArmaFogo_Descricao, nullptr);

    e.GetListaComposicao().SetSize(65535);
    e.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdComposicao, 65535);
}

TEST(EntradaEstoque, EveryFieldIsCompared)
{
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREEntradaEstoque, _REG_ENTRADA_ESTOQUE_ENTRADAPS>(Entrada(0, 0, 0, ""), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 20);
}

TEST(EntradaEstoque, ComparesListsInOrderTextsExactlyAndSkipsPositionTail)
{
    TCMREEntradaEstoque a = Entrada(2, 2, 2, "Rifle");
    TCMREEntradaEstoque b = a;
    b.TrocaGerencialSaida(0, 1);
    EXPECT_TRUE(b != a) << "GerencialSaida order";
    b = a;
    b.TrocaGerencial(0, 1);
    EXPECT_TRUE(b != a) << "Gerencial order";
    b = a;
    b.GetRefComposicao(1).SetCasasDecimais(2);
    EXPECT_TRUE(b != a) << "Composicao element";
    b = a;
    b.DeletarComposicao(1);
    EXPECT_TRUE(b != a) << "Composicao count";
    b = a;
    b.SetArmaFogo_Descricao("rifle");
    EXPECT_TRUE(b != a) << "ArmaFogo_Descricao case-sensitive";
    b = a;
    _REG_POSICAO_PRODUTOPS p = Posicao(300);
    std::memset(p.Reservado, 0x66, sizeof p.Reservado);
    b.SetRegPosProduto(p);
    EXPECT_TRUE(b == a) << "trailing 6 bytes of the position";
}

TEST(EntradaEstoque, CopyAssignAndClear)
{
    TCMREEntradaEstoque a = Entrada(2, 1, 2, "Espingarda");
    TCMREEntradaEstoque b(a);
    EXPECT_TRUE(b == a);
    TCMREEntradaEstoque c;
    c = a;
    TCMREEntradaEstoque& ref = c;
    c = ref;
    EXPECT_TRUE(c == a);
    EXPECT_EQ(c.GetQuantidadeGerencial(), 1);
    c.Limpar();
    EXPECT_EQ(c.GetArmaFogo_Descricao(), CString(""));
    EXPECT_EQ(c.GetQuantidadeGerencialSaida(), 0);
    EXPECT_EQ(c.GetQuantidadeGerencial(), 0);
    EXPECT_EQ(c.GetQuantidadeComposicao(), 0);
    EXPECT_TRUE(c == TCMREEntradaEstoque());

    EXPECT_EQ(c.GetRuntimeClass(), RUNTIME_CLASS(TCMREEntradaEstoque));
    EXPECT_EQ(RUNTIME_CLASS(TCMREEntradaEstoque)->GetBaseClass(), RUNTIME_CLASS(TCMRateioBase));
    EXPECT_STREQ(RUNTIME_CLASS(TCMREEntradaEstoque)->m_lpszClassName, "TCMREEntradaEstoque");
}

} // namespace
