// The freight bill: its road from the server and back, the comparison's rules
// and exclusions, and bad input.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <list>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCT.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;
using CT = TCMCTConhecimentoTransporte;

const tolv::EstruturaDesc& DescCT() { return tolv::Layout<tagREG_CONHECIMENTOPS>::desc; }

CT Exemplo(int n = 2)
{
    amostra::Gerador g(926);
    CT c;
    amostra::Conhecimento(c, g, n, 3);
    return c;
}

// The server's structure for c: every nested block from CoTaskMemAlloc.
tagREG_CONHECIMENTOPS* DoServidor(const CT& c)
{
    tagREG_CONHECIMENTOPS feito;
    c.CopiarPara(&feito);
    auto* ps = static_cast<tagREG_CONHECIMENTOPS*>(CoTaskMemAlloc(sizeof(tagREG_CONHECIMENTOPS)));
    amostra::ClonaComTaskMem(DescCT(), &feito, ps);
    CT::ZerarDelete(&feito);
    return ps;
}

void Libera(tagREG_CONHECIMENTOPS* ps)
{
    CT::ZerarGlobalAlloc(ps);
    CoTaskMemFree(ps);
}

class ConhecimentoTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (tagREG_CONHECIMENTOPS& ps : enviados)
            CT::ZerarDelete(&ps);
    }
    // Sends c into a 0xFF-filled structure; its arrays are released at the end.
    tagREG_CONHECIMENTOPS& Envia(const CT& c)
    {
        enviados.emplace_back();
        std::memset(&enviados.back(), 0xFF, sizeof(tagREG_CONHECIMENTOPS));
        c.CopiarPara(&enviados.back());
        return enviados.back();
    }
    std::list<tagREG_CONHECIMENTOPS> enviados;
};

TEST_F(ConhecimentoTest, EveryListTravelsAndComesBackEqual)
{
    const CT c = Exemplo();
    tagREG_CONHECIMENTOPS& ps = Envia(c);
    ASSERT_EQ(ps.QtdRateio, 2);
    EXPECT_EQ(ps.QtdParcela, 2);
    EXPECT_EQ(ps.QtdNotaFiscal, 2);
    const tagREG_RATEIO_CONHECIMENTOPS& r0 = ps.pRateio[0];
    ASSERT_EQ(r0.QtdGerencial, 3) << "count at 550";
    EXPECT_TRUE(Bytes(r0, 556, 560)) << "reserved bytes after the pointer";
    for (int k = 0; k < 3; ++k) {
        tagREG_CM_GERENCIALPS esperado;
        c.GetRateio(0).GetGerencial(k).CopiarPara(&esperado);
        EXPECT_EQ(std::memcmp(&r0.pGerencial[k], &esperado, 24), 0) << "line " << k << ", Quantidade included";
    }
    EXPECT_TRUE(Bytes(ps, 992, 1010)) << "reserved bytes from the record";
    EXPECT_TRUE(Bytes(ps, 1028, 1032));

    CT lido;
    lido.AdicionaLogs(CString("velho"));
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == c);
    EXPECT_EQ(lido.GetQuantidadeLogs(), 0) << "the logs are not carried";
    EXPECT_EQ(lido.GetRateio(1).GetQuantidadeGerencial(), 3);

    tagREG_CONHECIMENTOPS& volta = Envia(lido);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescCT(), &ps, &volta, onde)) << onde;
}

TEST_F(ConhecimentoTest, ServerTreeIsReadAndReleasedWithTheTaskAllocator)
{
    const CT c = Exemplo(4);
    tagREG_CONHECIMENTOPS* srv = DoServidor(c);
    CT lido;
    lido.CopiarDe(srv);
    Libera(srv); // the sanitizers check that every block went back
    EXPECT_TRUE(lido == c);
    EXPECT_EQ(lido.GetQuantidadeNotaFiscal(), 4);
    EXPECT_EQ(lido.GetNotaFiscal(3).GetRegNFe().bytes[0], c.GetNotaFiscal(3).GetRegNFe().bytes[0]);
}

TEST_F(ConhecimentoTest, ListTooLongForItsCountIsRefusedAndWhatWasWrittenReleased)
{
    CT c = Exemplo();
    c.GetListaParcela().SetSize(65536);
    tagREG_CONHECIMENTOPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { c.CopiarPara(&ps); })) << "65536 instalments";
    EXPECT_EQ(ps.QtdRateio, 2);
    EXPECT_EQ(ps.QtdParcela, 0) << "no truncated count";
    EXPECT_EQ(ps.pParcela, nullptr);
    EXPECT_EQ(ps.QtdNotaFiscal, 0);
    EXPECT_EQ(ps.pNotaFiscal, nullptr);
    CT::ZerarDelete(&ps);

    CT d = Exemplo();
    d.GetRefRateio(1).GetListaGerencial().SetSize(65536);
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { d.CopiarPara(&ps); })) << "65536 management lines";
    ASSERT_EQ(ps.QtdRateio, 2);
    EXPECT_EQ(ps.pRateio[1].QtdGerencial, 0);
    EXPECT_EQ(ps.pRateio[1].pGerencial, nullptr);
    CT::ZerarDelete(&ps);
}

// The fuzzers' property over fixed inputs: any tree read in, written, read
// back and written again gives identical structures and equal records.
// --- Comparison -------------------------------------------------------------------

TEST(ConhecimentoComparacao, EveryFieldOfTheBlockIsComparedOrExcluded)
{
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<CT, tagREG_CONHECIMENTOPS>(Exemplo(), n);
    const std::set<std::string>
        excluidos = {"RegPonteiroEsteCT",
                     "RegDataUltimaAlteracao",
                     "Usuario",
                     "PonteiroMunicipio",
                     "Estado1",
                     "Estado2",
                     "Estado3",
                     "EstadoOrigem",
                     "VersaoGravacao",
                     "RegPonteiroOC"}; // the last only for its bit 0, a flag bit the key is rebuilt without
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), excluidos);
    EXPECT_EQ(erros.size(), excluidos.size());
}

TEST(ConhecimentoComparacao, StatusViaTranspOf255CountsAsZeroAndIsKept)
{
    const struct {
        unsigned char a, b;
        bool iguais;
    } casos[] = {{255, 0, true}, {0, 255, true}, {255, 255, true}, {255, 1, false}, {1, 0, false}, {254, 0, false}};
    for (const auto& k : casos) {
        CT a = Exemplo(1), b = a;
        a.SetStatusViaTransp(k.a);
        b.SetStatusViaTransp(k.b);
        EXPECT_EQ(a == b, k.iguais) << int(k.a) << " vs " << int(k.b);
        EXPECT_EQ(a != b, !k.iguais);
        EXPECT_EQ(a.GetStatusViaTransp(), k.a) << "the stored value stays";
    }
}

REG_JQDMC Bits(unsigned long long v)
{
    REG_JQDMC k;
    for (int i = 0; i < 8; ++i)
        k.bytes[i] = static_cast<BYTE>(v >> (8 * i));
    return k;
}

TEST(ConhecimentoComparacao, OrderKeyIsRebuiltFromItsNumberAndValid16BitPart)
{
    const unsigned long long chave = JQDMC_Bits(JQDMC_Monta(123456, 5));
    const struct {
        unsigned long long outra;
        bool iguais;
        const char* caso;
    } casos[] = {
        {chave ^ 0x3FFCull, true, "bits 2 to 13"},
        {chave ^ 0x3ull, true, "the two flag bits"},
        {chave ^ (3ull << 62), true, "bits 62 and 63"},
        {chave ^ (1ull << 14), false, "number part"},
        {JQDMC_Bits(JQDMC_Monta(123456, 6)), false, "16-bit parts 5 and 6"},
        {JQDMC_Bits(JQDMC_Monta(123456, 0)), false, "16-bit parts 5 and 0"},
    };
    for (const auto& k : casos) {
        CT a = Exemplo(1), b = a;
        a.SetRegPonteiroOC(Bits(chave));
        b.SetRegPonteiroOC(Bits(k.outra));
        EXPECT_EQ(a == b, k.iguais) << k.caso;
    }
    CT a = Exemplo(1), b = a;
    a.SetRegPonteiroOC(Bits(JQDMC_Bits(JQDMC_Monta(77, 0)) | (40000ull << 46)));
    b.SetRegPonteiroOC(Bits(JQDMC_Bits(JQDMC_Monta(77, 0)) | (50000ull << 46)));
    EXPECT_TRUE(a == b) << "two 16-bit parts out of range";
    a.SetRegQuemGerou(Bits(1));
    EXPECT_TRUE(a != b) << "RegQuemGerou counts in all 8 bytes";
}

TEST(ConhecimentoComparacao, ListsCountByContentAndOrderButLogsAndLinkDoNot)
{
    const CT a = Exemplo(2);
    CT b = a;
    b.TrocaRateio(0, 1);
    EXPECT_TRUE(a != b) << "Rateio order";
    b = a;
    b.DeletarNotaFiscal(1);
    EXPECT_TRUE(a != b) << "NotaFiscal size";
    b = a;
    b.GetRefParcela(1).SetNumeroDaParcela(9);
    EXPECT_TRUE(a != b) << "Parcela element";
    b = a;
    b.GetRefNotaFiscal(0).SetTipoNota(9);
    EXPECT_TRUE(a == b) << "TipoNota of an invoice";
    CString log("outro");
    b.AdicionaLogs(log);
    CIEVinculo v;
    v.SetChave("vinculo");
    b.SetVinculo(v);
    EXPECT_TRUE(a == b) << "Logs and Vinculo";
    EXPECT_EQ(b.GetVinculo().GetChave(), CString("vinculo"));
    CT c(b);
    EXPECT_EQ(c.GetVinculo().GetChave(), CString("vinculo")) << "copied with the record";
    EXPECT_EQ(c.GetQuantidadeLogs(), 2);
    c.Limpar();
    EXPECT_TRUE(c.GetVinculo().IsVazio());
    EXPECT_EQ(c.GetQuantidadeLogs(), 0);
}

TEST(ConhecimentoComparacao, HistoryComplementGoesWithTheOtherTextFirst)
{
    CT a = Exemplo(1), b = a;
    a.SetComplementoHistorico("deste");
    b.SetComplementoHistorico("do outro");
    re_teste::ObservaComplemento obs;
    EXPECT_FALSE(a == b);
    ASSERT_FALSE(obs.chamadas.empty());
    EXPECT_EQ(obs.chamadas.front().first, "do outro");
    EXPECT_EQ(obs.chamadas.front().second, "deste");
}

} // namespace
