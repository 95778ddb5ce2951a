// Entry items: the item base, the product item and the service item.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tolvdata.h"

namespace {

using Produto = tagREG_ITEM_ENTRADA_PRODUTOPS;
using Servico = tagREG_ITEM_ENTRADA_SERVICOPS;

tagCY Cy(long long v) { return JQCY(v); }

template <class S> bool BytesZero(const S& s, size_t de, size_t ate)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&s);
    for (size_t k = de; k < ate; ++k)
        if (b[k] != 0)
            return false;
    return true;
}

template <class F> bool LancaArgumentoInvalido(F f)
{
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

// Count and pointer slots of the nested arrays.
bool Aninhado(const tolv::CampoDesc& c)
{
    std::string n = c.nome;
    return c.tipo == tolv::Tipo::Array || n.rfind("p", 0) == 0 ||
           (n.rfind("Qtd", 0) == 0 && n != "QtdCasasVlrUnitario");
}

// A record read from a zero block whose only non-zero byte is the first of field c.
template <class R, class S> R ComByte(const tolv::CampoDesc& c, unsigned char v = 1)
{
    S ps{};
    reinterpret_cast<unsigned char*>(&ps)[c.offset] = v;
    R r;
    r.CopiarDe(&ps);
    return r;
}

// A block where every byte outside the count and pointer slots is patterned.
template <class S> S Padronizado()
{
    S ps;
    unsigned char* b = reinterpret_cast<unsigned char*>(&ps);
    for (size_t k = 0; k < sizeof ps; ++k)
        b[k] = static_cast<unsigned char>(k * 7 + 1);
    const tolv::EstruturaDesc& d = tolv::Layout<S>::desc;
    for (unsigned k = 0; k < d.nCampos; ++k)
        if (Aninhado(d.campos[k]))
            std::memset(b + d.campos[k].offset, 0, d.campos[k].tamanho);
    return ps;
}

TCMREItemImposto Imposto(long long valor, int deducoes)
{
    TCMREItemImposto i;
    i.SetValor(Cy(valor));
    for (int k = 0; k < deducoes; ++k) {
        TCMREServicoDeducao d;
        d.SetValorDeducao(Cy(k + 1));
        d.SetDescricao("deducao");
        i.AdicionaDeducao(d);
    }
    return i;
}

TCMREItemProdutoTotais Totais(long long nf)
{
    TCMREItemProdutoTotais t;
    t.SetValorTotalNF(Cy(nf));
    return t;
}

// --- Item base ---------------------------------------------------------------------

TEST(ItemBase, KeepsTheZeroChecksumAndCopiesTheStoredOne)
{
    TCMREItemBase a;
    a.Set_CRC(1234);
    EXPECT_EQ(a.CalculaCRC(), 0ul);
    TCMREItemBase b(a);
    EXPECT_EQ(b.Get_CRC(), 1234ul);
    EXPECT_TRUE(b == &a) << "_CRC is not compared";
    EXPECT_FALSE(b == nullptr) << "a null item is unequal";
    b.Limpar();
    EXPECT_EQ(b.Get_CRC(), 0ul);
}

// --- Product item: accessors ---------------------------------------------------------

template <class T>
concept TemSetPosicao = requires(T t, _REG_POSICAO_PRODUTOPS p)
{
    t.SetRegPosicaoProduto(p);
};
template <class T>
concept TemSetContagem = requires(T t)
{
    t.SetQtdRateio(0);
};
static_assert(!TemSetPosicao<TCMREItemProduto>, "the whole position has no setter");
static_assert(!TemSetContagem<TCMREItemProduto>, "count slots have no accessors");
static_assert(std::is_same_v<decltype(TCMREItemProduto().GetQuantidade()), tagCY>, "Quantidade is the scalar");

TEST(ItemProduto, PositionIsReadWholeAndWrittenByParts)
{
    TCMREItemProduto p;
    p.SetPonteiroProduto(7);
    p.SetPonteiroItemGrade1(1);
    p.SetPonteiroItemGrade2(2);
    p.SetPonteiroItemGrade3(3);
    _REG_POSICAO_PRODUTOPS pos = p.GetRegPosicaoProduto();
    EXPECT_EQ(pos.PonteiroProduto, 7);
    EXPECT_EQ(pos.PonteiroItemGrade1, 1);
    EXPECT_EQ(pos.PonteiroItemGrade2, 2);
    EXPECT_EQ(pos.PonteiroItemGrade3, 3);
    EXPECT_TRUE(BytesZero(pos, 10, 16)) << "last six bytes of the position";
    Produto ps;
    p.CopiarPara(&ps);
    EXPECT_EQ(ps.RegPosicaoProduto.PonteiroItemGrade2, 2) << "grade item 2 at offset 794";
}

TEST(ItemProduto, DateSetterZeroesTheFourBytesAfterTheDate)
{
    Produto ps{};
    std::memset(&ps.RegDataValidadeLote, 0xEE, 8);
    TCMREItemProduto p;
    p.CopiarDe(&ps);
    Produto fora;
    p.CopiarPara(&fora);
    EXPECT_EQ(fora.RegDataValidadeLote.Zero[0], 0xEE) << "loaded bytes stay until the setter runs";
    p.SetRegDataValidadeLote(REG_JQDMA{{1, 2, 3, 4}});
    p.CopiarPara(&fora);
    EXPECT_TRUE(BytesZero(fora, 808, 812));
    EXPECT_EQ(fora.RegDataValidadeLote.Data.bytes[3], 4);
}

TEST(ItemProduto, TextsAreCutToTheirCapacity)
{
    TCMREItemProduto p;
    p.SetComplementoProduto(std::string(600, 'c').c_str());
    p.SetCFOPnaNFEmitente("1234567");
    EXPECT_EQ(p.GetComplementoProduto().GetLength(), 501);
    EXPECT_STREQ(p.GetCFOPnaNFEmitente().GetString(), "12345");
    Produto ps;
    p.CopiarPara(&ps);
    EXPECT_EQ(ps.ComplementoProduto[501], 0) << "terminator byte";
}

// --- Product item: transfer ------------------------------------------------------------

class ItemProdutoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }

    // An item with every list filled.
    static TCMREItemProduto Cheio()
    {
        Produto bloco = Padronizado<Produto>();
        TCMREItemProduto p;
        p.CopiarDe(&bloco);
        p.AdicionaImposto(Imposto(10, 2));
        p.AdicionaImposto(Imposto(20, 0));
        p.AdicionaTotais(Totais(5));
        p.AdicionaTotais(Totais(6));
        return p;
    }

    Produto ps{};
};

TEST_F(ItemProdutoTest, WithoutChildrenSendsZeroCountsNullPointersAndZeroReserves)
{
    std::memset(&ps, 0xFF, sizeof ps);
    TCMREItemProduto p;
    p.SetQuantidade(Cy(30000));
    p.CopiarPara(&ps);
    EXPECT_TRUE(BytesZero(ps, 1624, 1660)) << "six counts and six pointers";
    EXPECT_TRUE(BytesZero(ps, 281, 304)) << "reserved at 281";
    EXPECT_TRUE(BytesZero(ps, 358, 376)) << "reserved at 358";
    EXPECT_TRUE(BytesZero(ps, 1601, 1624)) << "reserved at 1601";
    EXPECT_TRUE(BytesZero(ps, 1660, 1664)) << "reserved at 1660";
    EXPECT_EQ(ps.Quantidade.int64, 30000);
}

TEST_F(ItemProdutoTest, EveryByteOfTheBlockTravelsBothWays)
{
    Produto bloco = Padronizado<Produto>();
    TCMREItemProduto p;
    p.CopiarDe(&bloco);
    std::memset(&ps, 0xFF, sizeof ps);
    p.CopiarPara(&ps);
    EXPECT_EQ(std::memcmp(&ps, &bloco, sizeof ps), 0) << "reserved bytes included";
    EXPECT_EQ(p.CalculaCRC(), JQCRC32(&bloco, sizeof bloco));
}

TEST_F(ItemProdutoTest, ChildrenTravelAsArraysAndComeBackEqual)
{
    const TCMREItemProduto original = Cheio();
    original.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdImposto, 2);
    EXPECT_EQ(ps.QtdTotais, 2);
    EXPECT_EQ(sizeof *ps.pImposto, 56u);
    EXPECT_EQ(sizeof *ps.pTotais, 336u);
    ASSERT_NE(ps.pImposto, nullptr);
    EXPECT_EQ(ps.pImposto[0].QtdDeducao, 2);
    EXPECT_EQ(ps.pImposto[1].Valor.int64, 20);
    EXPECT_EQ(ps.pImposto[1].pDeducao, nullptr);
    EXPECT_EQ(ps.pTotais[1].ValorTotalNF.int64, 6);

    TCMREItemProduto lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.CalculaCRC(), original.CalculaCRC());
    EXPECT_EQ(lido.GetQuantidadeTotais(), 2);
    EXPECT_EQ(lido.GetTotais(1).GetValorTotalNF().int64, 6);
    EXPECT_EQ(lido.GetImposto(0).GetQuantidadeDeducao(), 2);
    EXPECT_EQ(ps.QtdTotais, 2) << "CopiarDe leaves its source alone";
}

TEST_F(ItemProdutoTest, NullArraysWithCountsReadAsEmpty)
{
    ps.QtdRateio = ps.QtdItemAssociacao = ps.QtdMargemLucro = 500;
    ps.QtdImposto = ps.QtdEntradaEstoque = ps.QtdTotais = 65535;
    TCMREItemProduto p = Cheio();
    p.CopiarDe(&ps);
    EXPECT_EQ(p.GetQuantidadeImposto(), 0);
    EXPECT_EQ(p.GetQuantidadeTotais(), 0);
    EXPECT_EQ(p.CalculaCRC(), 0ul) << "counts are not kept in the record";
    std::memset(&ps, 0, sizeof ps);
}

TEST_F(ItemProdutoTest, UnreadableSourceLeavesTheItemCleared)
{
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* m = mmap(nullptr, pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(m, MAP_FAILED);
    TCMREItemProduto p = Cheio();
    p.CopiarDe(static_cast<Produto*>(m));
    EXPECT_TRUE(p == TCMREItemProduto());
    EXPECT_EQ(p.CalculaCRC(), 0ul);
    munmap(m, pagina);
}

TEST_F(ItemProdutoTest, OversizeListIsRefusedAndThePartialStructureReleases)
{
    TCMREItemProduto p;
    p.AdicionaImposto(Imposto(1, 3));
    p.GetListaTotais().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { p.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdImposto, 1);
    EXPECT_EQ(ps.QtdTotais, 0) << "no truncated count";
    EXPECT_EQ(ps.pTotais, nullptr);
    // TearDown releases what was allocated.
}

// --- Product item: checksum --------------------------------------------------------------

TEST(ItemProdutoCRC, ClearedItemIsZeroAndChildrenDoNotEnter)
{
    TCMREItemProduto p;
    EXPECT_EQ(p.CalculaCRC(), 0ul);
    p.SetLote("L-1");
    unsigned long crc = p.CalculaCRC();
    EXPECT_NE(crc, 0ul);
    p.AdicionaImposto(Imposto(1, 1));
    p.AdicionaTotais(Totais(1));
    EXPECT_EQ(p.CalculaCRC(), crc) << "lists do not enter the checksum";
    p.Set_CRC(crc);
    p.SetIDItem(9);
    EXPECT_NE(p.CalculaCRC(), crc) << "IDItem enters the checksum";
    EXPECT_EQ(p.Get_CRC(), crc) << "CalculaCRC never stores";
    p.Limpar();
    EXPECT_EQ(p.Get_CRC(), 0ul);
}

TEST(ItemProdutoCRC, EveryFieldChangesIt)
{
    const tolv::EstruturaDesc& d = tolv::Layout<Produto>::desc;
    std::set<unsigned long> vistos;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        if (Aninhado(d.campos[k]))
            continue;
        TCMREItemProduto p = ComByte<TCMREItemProduto, Produto>(d.campos[k]);
        EXPECT_TRUE(vistos.insert(p.CalculaCRC()).second) << d.campos[k].nome;
    }
    EXPECT_EQ(vistos.count(0ul), 0u);
}

// --- Product item: comparison ------------------------------------------------------------

TEST(ItemProdutoIgual, EveryFieldButTheExcludedOnesMatters)
{
    const tolv::EstruturaDesc& d = tolv::Layout<Produto>::desc;
    const std::set<std::string> fora = {"IDItem", "Reservado281", "Reservado358", "Reservado1601", "Reservado1660"};
    const TCMREItemProduto vazio;
    int comparados = 0;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        if (Aninhado(d.campos[k]))
            continue;
        bool excluido = fora.count(d.campos[k].nome) > 0;
        TCMREItemProduto p = ComByte<TCMREItemProduto, Produto>(d.campos[k]);
        EXPECT_EQ(p == vazio, excluido) << d.campos[k].nome;
        EXPECT_EQ(p != vazio, !excluido) << d.campos[k].nome;
        comparados += !excluido;
    }
    EXPECT_EQ(comparados, 117) << "all named fields but IDItem (the position counts once)";
}

TEST(ItemProdutoIgual, PositionComparesKeyAndGradesOnly)
{
    const TCMREItemProduto vazio;
    for (unsigned off = 788; off < 804; ++off) {
        Produto ps{};
        reinterpret_cast<unsigned char*>(&ps)[off] = 1;
        TCMREItemProduto p;
        p.CopiarDe(&ps);
        EXPECT_EQ(p == vazio, off >= 798) << "position byte " << off;
    }
}

TEST(ItemProdutoIgual, DatePaddingAndBytesAfterATextNulAreNotCompared)
{
    Produto ps{};
    std::memset(&ps.RegDataFabricacao.Zero, 9, 4);
    ps.Lote[1] = 'x';
    TCMREItemProduto p;
    p.CopiarDe(&ps);
    EXPECT_TRUE(p == TCMREItemProduto());
}

TEST(ItemProdutoIgual, ListsCountButTotalsAndChecksumDoNot)
{
    const TCMREItemProduto vazio;
    struct Caso {
        const char* lista;
        void (*adiciona)(TCMREItemProduto&);
        bool conta;
    } casos[] = {
        {"Imposto", [](TCMREItemProduto& p) { p.AdicionaImposto(TCMREItemImposto()); }, true},
        {"Totais", [](TCMREItemProduto& p) { p.AdicionaTotais(Totais(1)); }, false},
        {"_CRC", [](TCMREItemProduto& p) { p.Set_CRC(5); }, false},
    };
    for (const Caso& c : casos) {
        TCMREItemProduto p;
        c.adiciona(p);
        EXPECT_EQ(p == vazio, !c.conta) << c.lista;
    }
    TCMREItemProduto a, b;
    a.AdicionaImposto(Imposto(1, 0));
    b.AdicionaImposto(Imposto(2, 0));
    EXPECT_TRUE(a != b) << "elements compared pairwise";
}

TEST(ItemProduto, CopyAssignAndClear)
{
    TCMREItemProduto a;
    a.SetLote("lote");
    a.AdicionaImposto(Imposto(3, 1));
    a.AdicionaTotais(Totais(4));
    a.Set_CRC(a.CalculaCRC());
    TCMREItemProduto b(a);
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.Get_CRC(), a.Get_CRC());
    EXPECT_EQ(b.GetQuantidadeTotais(), 1) << "totals are copied though not compared";
    const auto& mesmo = a;
    a = mesmo;
    EXPECT_TRUE(a == b) << "self-assignment";
    EXPECT_EQ(a.GetQuantidadeImposto(), 1);
    TCMREItemProduto c;
    c = b;
    b.Limpar();
    EXPECT_TRUE(c == a);
    EXPECT_EQ(b.GetQuantidadeImposto(), 0);
    EXPECT_EQ(b.GetQuantidadeTotais(), 0);
    EXPECT_EQ(b.CalculaCRC(), 0ul);
    EXPECT_EQ(b.Get_CRC(), 0ul);
}

// --- Service item --------------------------------------------------------------------

class ItemServicoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    Servico ps{};
};

TEST_F(ItemServicoTest, WithoutChildrenSendsZeroCountsAndNullPointers)
{
    std::memset(&ps, 0xFF, sizeof ps);
    TCMREItemServico s;
    s.SetComplementoServico("manutencao");
    s.CopiarPara(&ps);
    EXPECT_TRUE(BytesZero(ps, 682, 700)) << "counts at 682, 684, 686 and their pointers";
    EXPECT_TRUE(BytesZero(ps, 659, 682)) << "reserved at 659";
    EXPECT_TRUE(BytesZero(ps, 700, 704)) << "reserved at 700";
    EXPECT_STREQ(ps.ComplementoServico, "manutencao");
}

TEST_F(ItemServicoTest, BlockAndChildrenComeBackEqual)
{
    Servico bloco = Padronizado<Servico>();
    TCMREItemServico s;
    s.CopiarDe(&bloco);
    TCMRERateioServico r;
    r.AdicionaGerencial(TCMGerencial());
    s.AdicionaRateio(r);
    s.AdicionaRateio(TCMRERateioServico());
    s.AdicionaImposto(Imposto(7, 2));
    s.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdRateio, 2);
    EXPECT_EQ(sizeof *ps.pRateio, 896u);
    EXPECT_EQ(ps.QtdImposto, 1);
    ASSERT_NE(ps.pImposto, nullptr);
    EXPECT_EQ(ps.pImposto[0].QtdDeducao, 2);
    Servico semListas = ps;
    std::memset(reinterpret_cast<char*>(&semListas) + 682, 0, 18);
    EXPECT_EQ(std::memcmp(&semListas, &bloco, sizeof bloco), 0) << "reserved bytes travel unchanged";

    TCMREItemServico lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == s);
    EXPECT_EQ(lido.CalculaCRC(), JQCRC32(&bloco, sizeof bloco));
}

TEST_F(ItemServicoTest, NullArraysReadAsEmptyAndOversizeIsRefused)
{
    ps.QtdRateio = ps.QtdItemAssociacao = ps.QtdImposto = 300;
    TCMREItemServico s;
    s.AdicionaImposto(Imposto(1, 0));
    s.CopiarDe(&ps);

    s.GetListaImposto().SetSize(65536);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { s.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdImposto, 0);
    EXPECT_EQ(ps.pImposto, nullptr);
}

TEST(ItemServicoIgual, EveryFieldButIDItemMattersAndIDItemChangesTheChecksum)
{
    const tolv::EstruturaDesc& d = tolv::Layout<Servico>::desc;
    const TCMREItemServico vazio;
    EXPECT_EQ(vazio.CalculaCRC(), 0ul);
    int comparados = 0;
    for (unsigned k = 0; k < d.nCampos; ++k) {
        if (Aninhado(d.campos[k]))
            continue;
        std::string nome = d.campos[k].nome;
        bool excluido = nome == "IDItem" || nome.rfind("Reservado", 0) == 0;
        TCMREItemServico s = ComByte<TCMREItemServico, Servico>(d.campos[k]);
        EXPECT_EQ(s == vazio, excluido) << nome;
        EXPECT_NE(s.CalculaCRC(), 0ul) << nome;
        comparados += !excluido;
    }
    EXPECT_EQ(comparados, 31);
}

TEST(ItemServicoIgual, ListsAndChecksum)
{
    const TCMREItemServico vazio;
    TCMREItemServico s;
    s.AdicionaRateio(TCMRERateioServico());
    EXPECT_TRUE(s != vazio) << "Rateio";
    s.Limpar();
    s.AdicionaImposto(TCMREItemImposto());
    EXPECT_TRUE(s != vazio) << "Imposto";
    s.Limpar();
    s.Set_CRC(3);
    EXPECT_TRUE(s == vazio) << "_CRC";
}

TEST(ItemServico, CopyAssignAndClear)
{
    TCMREItemServico a;
    a.SetPonteiroServico(12);
    a.AdicionaImposto(Imposto(1, 2));
    a.Set_CRC(a.CalculaCRC());
    TCMREItemServico b;
    b = a;
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.Get_CRC(), a.Get_CRC());
    const auto& mesmo = b;
    b = mesmo;
    EXPECT_EQ(b.GetImposto(0).GetQuantidadeDeducao(), 2) << "self-assignment";
    b.Limpar();
    EXPECT_EQ(b.GetQuantidadeImposto(), 0);
    EXPECT_EQ(b.Get_CRC(), 0ul);
    EXPECT_TRUE(TCMREItemServico(a) == a);
}

} // namespace
