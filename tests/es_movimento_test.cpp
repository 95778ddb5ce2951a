// Inventory movement: the movement, its postings, composition lines and
// references, and the freeing of its structure.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tools/AmostraES.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

TCMGerencial Linha(long conta, long long valor)
{
    TCMGerencial g = re_teste::Linha(conta, valor);
    EXPECT_NE(g.GetQuantidade().int64, 0);
    return g;
}

TESMovimento Movimento()
{
    TESMovimento m;
    m.SetValorICMS(JQCY(18000));
    m.SetPonteiroCFOP(1102);
    m.SetNumeroLote("L-77");
    m.SetDocumento("NF 123");
    m.SetQuantidade(JQCY(40000));
    m.Setv8ValorUnitario(JQCY(125000));
    m.SetComposicao(1);
    m.SetPonteiroFilial(3);
    m.SetDataQuemGerou(55600);
    m.SetPercentualConteudoImportacao(40);
    m.SetControleSaldosIndEPT(9);
    _REG_POSICAO_PRODUTOPS pos{};
    pos.PonteiroProduto = 4711;
    pos.PonteiroItemGrade2 = 2;
    m.SetRegPosicaoProduto(pos);
    m.SetComplemento("lote");
    for (int k = 0; k < 2; ++k) {
        TESMovimentoContabil c;
        c.SetValor(JQCY(1000 * (k + 1)));
        c.SetPonteiroHistorico(static_cast<unsigned short>(10 + k));
        c.SetCompHistorico("historico");
        if (k == 0) {
            c.AdicionaGerencial(Linha(70, 5000));
            c.AdicionaGerencial(Linha(71, 7000));
        }
        m.AdicionaContabil(c);
    }
    TESMovimentoComposicao comp;
    comp.SetregPosProduto(pos);
    comp.Set4PIUnitaria(JQCY(333));
    comp.SetConteudoImportado(-2);
    m.AdicionaComposicao(comp);
    for (long k = 0; k < 3; ++k) {
        TESMovimentoReferencia r;
        r.SetPonteiroMovRef(900 + k);
        m.AdicionaReferencia(r);
    }
    return m;
}

class MovimentoESTest : public testing::Test {
protected:
    void TearDown() override
    {
        TESMovimento::ZerarDelete(&ps);
        TESMovimento::ZerarDelete(&volta);
    }
    _REG_ES_MOVIMENTOPS ps{};
    _REG_ES_MOVIMENTOPS volta{};
};

TEST_F(MovimentoESTest, TreeTravelsAndComesBackWhole)
{
    std::memset(&ps, 0xFF, sizeof ps);
    TESMovimento original = Movimento();
    original.SetComplemento("lote1");
    original.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdContabil, 2);
    EXPECT_EQ(ps.QtdComposicao, 1);
    EXPECT_EQ(ps.QtdReferencia, 3);
    ASSERT_EQ(ps.TamComplemento, 6ul);
    EXPECT_EQ(std::memcmp(ps.pComplemento, "lote1", 6), 0);
    EXPECT_TRUE(Bytes(ps, 532, 536) && Bytes(ps, 540, 544) && Bytes(ps, 548, 552) && Bytes(ps, 564, 568))
        << "reserved bytes come from the record";

    const _REG_ES_CONTABILIZACAOPS& c0 = ps.pContabil[0];
    ASSERT_EQ(c0.QtdGerencial, 2) << "count at 30";
    EXPECT_EQ(offsetof(_REG_ES_CONTABILIZACAOPS, QtdGerencial), 30u);
    EXPECT_EQ(c0.pGerencial[1].PonteiroGerencial, 71);
    EXPECT_EQ(c0.pGerencial[1].PonteiroClassificacao, 710);
    EXPECT_EQ(c0.pGerencial[1].Valor.int64, 7000);
    EXPECT_EQ(ps.pContabil[1].QtdGerencial, 0);
    EXPECT_EQ(ps.pContabil[1].pGerencial, nullptr);
    EXPECT_EQ(ps.pComposicao[0].Valor4PIUnitaria.int64, 333);
    EXPECT_EQ(ps.pReferencia[2].PonteiroMovRef, 902);

    TESMovimento lido = Movimento();
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetComplemento(), CString("lote1"));
    EXPECT_EQ(lido.GetComposicao(), 1) << "the field at 516";
    EXPECT_EQ(lido.GetComposicao(0).Get4PIUnitaria().int64, 333) << "the list";
    EXPECT_EQ(lido.GetQuantidade().int64, 40000);
    EXPECT_EQ(lido.GetQuantidadeContabil(), 2);
    EXPECT_EQ(lido.GetQuantidadeReferencia(), 3);
    const TESMovimentoContabil& c = lido.GetContabil(0);
    ASSERT_EQ(c.GetQuantidadeGerencial(), 2);
    EXPECT_EQ(c.GetGerencial(0).GetQuantidade().int64, 0) << "the 16-byte lines carry no quantity";
    EXPECT_EQ(c.GetGerencial(0).GetPonteiroClassificacao(), 700);
    EXPECT_EQ(c.GetCompHistorico(), CString("historico"));

    // Sent again, the tree is the same, byte for byte.
    lido.CopiarPara(&volta);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(tolv::Layout<_REG_ES_MOVIMENTOPS>::desc, &ps, &volta, onde)) << onde;
}

TEST_F(MovimentoESTest, ZerarDeleteNullsWhatItReleasesAndKeepsTheRest)
{
    Movimento().CopiarPara(&ps);
    _REG_ES_MOVIMENTOPS antes = ps;
    for (int vez = 0; vez < 2; ++vez) {
        TESMovimento::ZerarDelete(&ps);
        EXPECT_EQ(std::memcmp(&ps, &antes, 504), 0) << "bytes 0 to 503, call " << vez;
        EXPECT_EQ(ps.QtdContabil, 2);
        EXPECT_EQ(ps.QtdComposicao, 1);
        EXPECT_EQ(ps.QtdReferencia, 3);
        EXPECT_EQ(ps.pContabil, nullptr);
        EXPECT_EQ(ps.pComposicao, nullptr);
        EXPECT_EQ(ps.pReferencia, nullptr);
        EXPECT_EQ(ps.pComplemento, nullptr);
        EXPECT_EQ(ps.TamComplemento, 0ul) << "released with its text";
    }
    // No text to release: ZerarDelete keeps the length, ZerarGlobalAlloc clears it.
    ps.TamComplemento = 9;
    TESMovimento::ZerarDelete(&ps);
    EXPECT_EQ(ps.TamComplemento, 9ul);
    TESMovimento::ZerarGlobalAlloc(&ps);
    EXPECT_EQ(ps.TamComplemento, 0ul);
    TESMovimento::ZerarDelete(nullptr);
    TESMovimento::ZerarGlobalAlloc(nullptr);
}

// The other side's tree, every array from the task allocator, some of count 0.
TEST_F(MovimentoESTest, ZerarGlobalAllocReleasesTaskAllocatorTreesWhateverTheCounts)
{
    Movimento().CopiarPara(&ps);
    _REG_ES_MOVIMENTOPS servidor;
    amostra::ClonaComTaskMem(tolv::Layout<_REG_ES_MOVIMENTOPS>::desc, &ps, &servidor);
    // Arrays whose counts say 0: released all the same, walked not at all.
    servidor.pContabil[1].pGerencial = static_cast<_REG_ES_GERENCIALPS*>(CoTaskMemAlloc(16));
    servidor.QtdReferencia = 0;
    for (int vez = 0; vez < 2; ++vez) {
        TESMovimento::ZerarGlobalAlloc(&servidor);
        EXPECT_EQ(servidor.pContabil, nullptr);
        EXPECT_EQ(servidor.pReferencia, nullptr);
        EXPECT_EQ(servidor.pComplemento, nullptr);
        EXPECT_EQ(servidor.TamComplemento, 0ul);
        EXPECT_EQ(servidor.QtdContabil, 2);
    }
}

TEST_F(MovimentoESTest, ListTooLongForItsCountIsRefusedAndTheRestStillReleased)
{
    TESMovimento m = Movimento();
    m.GetListaReferencia().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { m.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdContabil, 2) << "written before the refusal";
    EXPECT_EQ(ps.QtdReferencia, 0);
    EXPECT_EQ(ps.pReferencia, nullptr);
    EXPECT_EQ(ps.pComplemento, nullptr);
    TESMovimento::ZerarDelete(&ps); // releases the postings and compositions

    m.GetListaReferencia().SetSize(65535);
    m.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdReferencia, 65535);
    TESMovimento::ZerarDelete(&ps);

    // A posting's lines at the posting's level.
    TESMovimento n;
    TESMovimentoContabil c;
    c.GetListaGerencial().SetSize(65536);
    n.AdicionaContabil(TESMovimentoContabil());
    n.AdicionaContabil(c);
    n.AdicionaContabil(TESMovimentoContabil());
    EXPECT_TRUE(LancaArgumentoInvalido([&] { n.CopiarPara(&ps); }));
    ASSERT_EQ(ps.QtdContabil, 3);
    EXPECT_EQ(ps.pContabil[1].QtdGerencial, 0);
    EXPECT_EQ(ps.pContabil[1].pGerencial, nullptr);
    EXPECT_TRUE(Bytes(ps.pContabil[2], 0, sizeof(_REG_ES_CONTABILIZACAOPS))) << "the entries after it are zero";
}

TEST(MovimentoComposicao, EntryCompositionReadsBackFieldByField)
{
    _REG_POSICAO_PRODUTOPS pos{};
    pos.PonteiroProduto = 321;
    pos.PonteiroItemGrade1 = 4;
    TCMREComposicao re;
    re.SetRegPosProduto(pos);
    re.SetQuantidade(JQCY(20000));
    re.SetQuantidadeTotal(JQCY(60000));
    re.SetValor4PIUnitaria(JQCY(1500));
    re.SetPonteiroFilial(7);
    re.SetPonteiroMovimentoOrigem(0x80000001ul);
    re.SetPonteiroLote(11);
    re.SetPonteiroControleFCI(16);
    re.SetPonteiroLocal(17);
    re.SetTipoEstoque(2);
    re.SetConteudoImportado('S');
    re.SetCasasDecimais(4);
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    re.CopiarPara(&es);
    TESMovimentoComposicao c;
    c.CopiarDe(&es);
    EXPECT_EQ(c.GetregPosProduto().PonteiroProduto, 321);
    EXPECT_EQ(c.GetregPosProduto().PonteiroItemGrade1, 4);
    EXPECT_EQ(c.GetQuantidade().int64, 20000);
    EXPECT_EQ(c.GetQuantidadeTotal().int64, 60000);
    EXPECT_EQ(c.Get4PIUnitaria().int64, 1500);
    EXPECT_EQ(c.GetlPonteiroFilial(), 7ul);
    EXPECT_EQ(static_cast<unsigned long>(c.GetPonteiroMovimentoOrigem()), 0x80000001ul);
    EXPECT_EQ(c.GetPonteiroLote(), 11);
    EXPECT_EQ(c.GetPonteiroControleFCI(), 16);
    EXPECT_EQ(c.GetPonteiroLocal(), 17);
    EXPECT_EQ(c.GetTipoEstoque(), 2);
    EXPECT_EQ(c.GetConteudoImportado(), 'S');
    EXPECT_EQ(c.GetCasasDecimais(), 4);
    _REG_ES_COMPOSICAO_PRODUTOPS volta;
    c.CopiarPara(&volta);
    EXPECT_EQ(std::memcmp(&es, &volta, sizeof es), 0);
}

} // namespace
