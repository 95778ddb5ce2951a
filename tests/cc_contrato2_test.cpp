// The second-generation contract: conversions with every list and text, the
// freeing functions, comparison and bad input.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCC.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;
using PS = tagREG_CONTRATO_COMPRAPS;

const tolv::EstruturaDesc& Desc() { return tolv::Layout<PS>::desc; }

template <class T> T Le(const void* ps, size_t off)
{
    T v;
    std::memcpy(&v, static_cast<const unsigned char*>(ps) + off, sizeof v);
    return v;
}

TCMCC2Contrato Amostra(int elementos = 3, uint32_t semente = 25)
{
    amostra::Gerador g(semente);
    TCMCC2Contrato c;
    amostra::ContratoCC2(c, g, elementos);
    return c;
}

// What the other side sends for c: every block from the task allocator.
PS* DoServidor(const TCMCC2Contrato& c)
{
    PS feito;
    c.CopiarPara(&feito);
    auto* ps = static_cast<PS*>(CoTaskMemAlloc(sizeof(PS)));
    amostra::ClonaComTaskMem(Desc(), &feito, ps);
    TCMCC2Contrato::ZerarDelete(&feito);
    return ps;
}

void Libera(PS* ps)
{
    TCMCC2Contrato::ZerarGlobalAlloc(ps);
    CoTaskMemFree(ps);
}

// Every length, count and pointer of ps is zero.
bool SlotsZerados(const PS& ps)
{
    for (unsigned i = 0; i < Desc().nAninhados; ++i) {
        const tolv::AninhadoDesc& a = Desc().aninhados[i];
        if (Le<uint32_t>(&ps, a.offsetPonteiro) != 0 || Le<uint16_t>(&ps, a.offsetContagem) != 0)
            return false;
    }
    return true;
}

class Contrato2Test : public testing::Test {
protected:
    void TearDown() override
    {
        for (PS* ps : enviados)
            TCMCC2Contrato::ZerarDelete(ps);
    }
    // Sends c into a 0xFF-filled structure; its blocks are released at the end.
    PS& Envia(const TCMCC2Contrato& c)
    {
        PS& ps = estruturas.emplace_back();
        std::memset(&ps, 0xFF, sizeof ps);
        enviados.push_back(&ps);
        c.CopiarPara(&ps);
        return ps;
    }
    std::list<PS> estruturas;
    std::vector<PS*> enviados;
};

TEST_F(Contrato2Test, RoundTripWithEveryListAndText)
{
    const TCMCC2Contrato c = Amostra();
    PS& ps = Envia(c);
    TCMCC2Contrato lido;
    lido.SetVinculo(c.GetVinculo());
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == c);
    EXPECT_TRUE(lido.GetVinculo().IsVazio()) << "cleared by the reading, never sent";
    EXPECT_EQ(lido.GetQuantidadeUsuario(), 3);
    EXPECT_EQ(lido.GetUsuario(2), c.GetUsuario(2));
    EXPECT_EQ(lido.GetParcela(1).GetValorJuros().int64, 0) << "object-only amounts are not sent";
    EXPECT_EQ(lido.GetClassificacao(0).GetValorRateio().int64, 0);

    // Sent again, the structure is the same tree.
    PS& de_novo = Envia(lido);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(Desc(), &ps, &de_novo, onde)) << onde;
}

TEST_F(Contrato2Test, SlotsAndStridesAsTheStructureSays)
{
    TCMCC2Contrato c;
    c.SetDescricaoContrato("fornecimento");
    c.SetObservacao("obs");
    for (int k = 0; k < 3; ++k) {
        TCMCC2Aditivo a;
        a.SetValorAditivo(JQCY(10000 * (k + 1)));
        a.SetDescricao(k == 1 ? "" : "aditivo");
        c.AdicionaAditivo(a);
    }
    for (int k = 0; k < 2; ++k) {
        TCMCC2Parcela p;
        p.SetValorParcela(JQCY(500000 + k));
        p.SetNumeroDaParcela(static_cast<unsigned char>(k + 1));
        c.AdicionaParcela(p);
    }
    PS& ps = Envia(c);
    const auto* b = reinterpret_cast<const unsigned char*>(&ps);
    EXPECT_EQ(Le<uint16_t>(b, 152), 13) << "DescricaoContrato: length plus one";
    EXPECT_STREQ(Le<const char*>(b, 156), "fornecimento");
    EXPECT_EQ(Le<uint16_t>(b, 160), 4) << "Observacao";
    EXPECT_STREQ(Le<const char*>(b, 164), "obs");
    EXPECT_EQ(Le<uint16_t>(b, 168), 0) << "Reajuste: empty";
    EXPECT_EQ(Le<uint32_t>(b, 172), 0u);
    ASSERT_EQ(Le<uint16_t>(b, 176), 3) << "Aditivo";
    const auto* ad = Le<const unsigned char*>(b, 180);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(Le<int64_t>(ad + 48 * k, 8), 10000 * (k + 1)) << "amendment " << k;
    EXPECT_EQ(Le<uint16_t>(ad + 48, 16), 0) << "an empty description: length 0";
    EXPECT_EQ(Le<uint32_t>(ad + 48, 20), 0u) << "and no block";
    EXPECT_EQ(Le<uint16_t>(ad + 96, 16), 8);
    ASSERT_EQ(Le<uint16_t>(b, 216), 2) << "Parcela";
    const auto* pa = Le<const unsigned char*>(b, 220);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(Le<int64_t>(pa + 96 * k, 32), 500000 + k) << "instalment " << k;
        EXPECT_EQ(pa[96 * k + 68], k + 1);
    }
    EXPECT_TRUE(Bytes(ps, 184, 216)) << "the lists in between are empty";
    EXPECT_TRUE(Bytes(ps, 224, 248)) << "reserved tail as held";
}

TEST_F(Contrato2Test, UsersAreTheFirstFourBytesOfEightByteEntries)
{
    TCMCC2Contrato c;
    for (long u : {7L, -1L, 0x12345678L})
        c.AdicionaUsuario(u);
    PS& ps = Envia(c);
    ASSERT_EQ(ps.QtdUsuario, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(ps.pUsuario[k].PonteiroUsuario, c.GetUsuario(k)) << "user " << k;
        EXPECT_TRUE(Bytes(ps.pUsuario[k], 4, 8)) << "user " << k << ": the other 4 bytes are written as zeros";
    }

    tagREG_CM_USUARIO_CONTRATO_COMPRAPS entradas[3];
    std::memset(entradas, 0xEE, sizeof entradas);
    for (int k = 0; k < 3; ++k)
        entradas[k].PonteiroUsuario = 100 + k;
    PS s{};
    s.QtdUsuario = 3;
    s.pUsuario = entradas;
    TCMCC2Contrato lido;
    lido.CopiarDe(&s);
    ASSERT_EQ(lido.GetQuantidadeUsuario(), 3);
    EXPECT_EQ(lido.GetUsuario(0), 100);
    EXPECT_EQ(lido.GetUsuario(2), 102);
}

TEST_F(Contrato2Test, FreeingReleasesEveryBlockAndZeroesEverySlot)
{
    PS ps;
    Amostra().CopiarPara(&ps);
    PS antes = ps;
    TCMCC2Contrato::ZerarDelete(&ps); // the sanitizers check the texts of amendments and stages
    EXPECT_TRUE(SlotsZerados(ps));
    EXPECT_EQ(std::memcmp(&ps, &antes, 152), 0) << "the header block is left alone";
    TCMCC2Contrato::ZerarDelete(&ps);
    TCMCC2Contrato::ZerarDelete(nullptr);

    PS* s = DoServidor(Amostra(4));
    TCMCC2Contrato lido;
    lido.CopiarDe(s);
    TCMCC2Contrato::ZerarGlobalAlloc(s);
    EXPECT_TRUE(SlotsZerados(*s));
    TCMCC2Contrato::ZerarGlobalAlloc(s);
    CoTaskMemFree(s);
    EXPECT_TRUE(lido == Amostra(4)) << "the record owns what it read";
}

TEST_F(Contrato2Test, OversizeListIsRefusedWithoutTheCallersArrays)
{
    PS* s = DoServidor(Amostra());
    TCMCC2Contrato c;
    c.CopiarDe(s);
    c.GetListaUsuario().SetSize(65536);
    PS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { c.CopiarPara(&ps); })) << "65,536 users do not fit the count";
    EXPECT_EQ(ps.QtdNotaFiscal, 3) << "the lists before the users were written";
    EXPECT_EQ(ps.QtdUsuario, 0) << "no truncated count";
    EXPECT_EQ(ps.pUsuario, nullptr);
    for (unsigned i = 0; i < Desc().nAninhados; ++i) {
        const unsigned off = Desc().aninhados[i].offsetPonteiro;
        uint32_t p = Le<uint32_t>(&ps, off);
        EXPECT_TRUE(p == 0 || p != Le<uint32_t>(s, off)) << "slot at " << off << " holds the caller's block";
    }
    EXPECT_EQ(ps.pClassificacao, nullptr) << "the lists after the users were not written";
    EXPECT_EQ(ps.pParcela, nullptr);
    TCMCC2Contrato::ZerarDelete(&ps);
    Libera(s);

    c.GetListaUsuario().SetSize(65535);
    PS& cheio = Envia(c);
    EXPECT_EQ(cheio.QtdUsuario, 65535);
}

// --- Comparison -------------------------------------------------------------------

TEST(Contrato2Comparacao, EveryFieldOfTheBlockIsComparedOrExcluded)
{
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<TCMCC2Contrato, PS>(Amostra(1), n);
    const std::set<std::string> esperados = {"RegDataHoraUltimaAlteracao",
                                             "RegPonteiroHistoricoAnterior",
                                             "RegPonteiroEsteCC",
                                             "RegDataPrimeiroVencimento",
                                             "SaldoContrato",
                                             "PonteiroTipoPeriodo",
                                             "NomeIndice",
                                             "Reservado103"}; // the last: a reserved byte that is compared
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), esperados);
    EXPECT_EQ(erros.size(), esperados.size());
}

TEST(Contrato2Comparacao, ListsTextsAndTheLinkAlone)
{
    const TCMCC2Contrato a = Amostra();
    struct Mudanca {
        const char* nome;
        bool difere;
        std::function<void(TCMCC2Contrato&)> muda;
    };
    const Mudanca mudancas[] = {
        {"Aditivo size", true, [](TCMCC2Contrato& b) { b.DeletarAditivo(2); }},
        {"Aditivo element", true, [](TCMCC2Contrato& b) { b.GetRefAditivo(0).SetDescricao("x"); }},
        {"Reajuste element", true, [](TCMCC2Contrato& b) { b.GetRefReajuste(1).SetNomeIndice("INPC"); }},
        {"NotaFiscal size", true, [](TCMCC2Contrato& b) { b.AdicionaNotaFiscal(TCMCC2NotaFiscal()); }},
        {"Usuario element", true,
         [](TCMCC2Contrato& b) {
             long u = b.GetUsuario(1) + 1;
             b.SetUsuario(1, u);
         }},
        {"Usuario order", true, [](TCMCC2Contrato& b) { b.TrocaUsuario(0, 2); }},
        {"Classificacao element", true, [](TCMCC2Contrato& b) { b.GetRefClassificacao(2).SetPonteiroGerencial(-1); }},
        {"Execucao element", true, [](TCMCC2Contrato& b) { b.GetRefExecucao(2).SetDescricao(""); }},
        {"Parcela element", true, [](TCMCC2Contrato& b) { b.GetRefParcela(0).SetPeriodoJuros('X'); }},
        {"DescricaoContrato", true, [](TCMCC2Contrato& b) { b.SetDescricaoContrato(b.GetDescricaoContrato() + " "); }},
        {"Observacao case", true,
         [](TCMCC2Contrato& b) {
             b.SetObservacao("OBS" + b.GetObservacao().Mid(3, b.GetObservacao().GetLength() - 3));
         }},
        {"Vinculo", false, [](TCMCC2Contrato& b) { b.SetVinculo(CIEVinculo()); }},
        {"ValorRateio", false, [](TCMCC2Contrato& b) { b.GetRefClassificacao(0).SetValorRateio(JQCY(9)); }},
        {"ValorMultas", false, [](TCMCC2Contrato& b) { b.GetRefParcela(0).SetValorMultas(JQCY(9)); }},
    };
    for (const Mudanca& m : mudancas) {
        TCMCC2Contrato b = a;
        m.muda(b);
        EXPECT_EQ(a == b, !m.difere) << m.nome;
        EXPECT_EQ(a != b, m.difere) << m.nome;
    }
}

TEST(Contrato2Comparacao, LinkIsClearedByLimparAndCarriedByCopies)
{
    TCMCC2Contrato a = Amostra(1);
    ASSERT_FALSE(a.GetVinculo().IsVazio());
    TCMCC2Contrato b(a);
    EXPECT_EQ(b.GetVinculo(), a.GetVinculo());
    TCMCC2Contrato d;
    d = a;
    EXPECT_EQ(d.GetVinculo(), a.GetVinculo());
    TCMCC2Contrato& mesmo = d;
    d = mesmo;
    EXPECT_TRUE(d == a) << "self-assignment";
    d.Limpar();
    EXPECT_TRUE(d.GetVinculo().IsVazio());
    EXPECT_TRUE(d == TCMCC2Contrato());
}

} // namespace
