// The first-generation contract: conversions, the arrays the caller releases,
// signed counts, import markers, the link and comparison.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <list>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraCC.h"

namespace {

using re_teste::Bytes;
using PS = tagREG_CM_CONTRATO_COMPRAPS;

TCMCCContrato Amostra(int elementos = 3)
{
    amostra::Gerador g(8);
    TCMCCContrato c;
    amostra::ContratoCC(c, g, elementos);
    return c;
}

// What the caller of CopiarPara does: array delete of each of the seven.
void Apaga(PS& ps)
{
    delete[] ps.pAditivo;
    delete[] ps.pReajuste;
    delete[] ps.pNotaFiscal;
    delete[] ps.pUsuario;
    delete[] ps.pClassificacao;
    delete[] ps.pExecucao;
    delete[] ps.pParcela;
}

class ContratoTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (PS& ps : estruturas)
            Apaga(ps);
    }
    PS& Envia(const TCMCCContrato& c)
    {
        PS& ps = estruturas.emplace_back();
        std::memset(&ps, 0xFF, sizeof ps);
        c.CopiarPara(&ps);
        return ps;
    }
    std::list<PS> estruturas;
};

TEST_F(ContratoTest, RoundTripWithEveryList)
{
    const TCMCCContrato c = Amostra();
    PS& ps = Envia(c);
    for (long n : {ps.QtdAditivo, ps.QtdReajuste, ps.QtdNotaFiscal, ps.QtdUsuario, ps.QtdClassificacao, ps.QtdExecucao,
                   ps.QtdParcela})
        EXPECT_EQ(n, 3);
    TCMCCContrato lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == c);
    EXPECT_EQ(lido.GetExecucao(2).GetDescricao(), c.GetExecucao(2).GetDescricao());
    EXPECT_EQ(lido.GetUsuario(1).GetPonteiroUsuario(), c.GetUsuario(1).GetPonteiroUsuario());
    EXPECT_TRUE(lido.GetVinculo().IsVazio());
}

TEST_F(ContratoTest, CountsFirstThenPointersInTheirOwnOrder)
{
    TCMCCContrato c;
    for (int k = 0; k < 3; ++k) {
        TCMCCAditivo a;
        a.SetValorAditivo(JQCY(k + 1));
        a.SetDescricaoAditivo("aditivo");
        c.AdicionaAditivo(a);
    }
    for (int k = 0; k < 2; ++k) {
        TCMCCParcela p;
        p.SetNumeroDaParcela(static_cast<unsigned char>(k + 1));
        c.AdicionaParcela(p);
    }
    PS& ps = Envia(c);
    const auto* b = reinterpret_cast<const unsigned char*>(&ps);
    int32_t n;
    std::memcpy(&n, b + 776, 4);
    EXPECT_EQ(n, 3) << "Aditivo count at 776";
    std::memcpy(&n, b + 796, 4);
    EXPECT_EQ(n, 2) << "Parcela count at 796";
    EXPECT_TRUE(Bytes(ps, 772, 776)) << "Reajuste: no count";
    EXPECT_TRUE(Bytes(ps, 800, 804)) << "Reajuste: no pointer";
    EXPECT_TRUE(Bytes(ps, 828, 832)) << "reserved tail";
    const unsigned char* ad;
    std::memcpy(&ad, b + 804, 4);
    for (int k = 0; k < 3; ++k) {
        tagREG_CM_ADITIVO_CONTRATO_COMPRAPS e;
        c.GetAditivo(k).CopiarPara(&e);
        EXPECT_EQ(std::memcmp(ad + 152 * k, &e, 152), 0) << "amendment " << k;
    }
    const unsigned char* pa;
    std::memcpy(&pa, b + 824, 4);
    EXPECT_EQ(pa[16], 1);
    EXPECT_EQ(pa[40 + 16], 2) << "instalments 40 bytes apart";
}

TEST_F(ContratoTest, UsersTravelAsTheirWholeImage)
{
    tagREG_CM_USUARIO_CONTRATO_COMPRAPS u[2];
    std::memset(u, 0xEE, sizeof u);
    u[0].PonteiroUsuario = 11;
    u[1].PonteiroUsuario = 12;
    PS s{};
    s.QtdUsuario = 2;
    s.pUsuario = u;
    TCMCCContrato c;
    c.CopiarDe(&s);
    ASSERT_EQ(c.GetQuantidadeUsuario(), 2);
    EXPECT_EQ(c.GetUsuario(1).GetPonteiroUsuario(), 12);
    PS& ps = Envia(c);
    EXPECT_EQ(std::memcmp(ps.pUsuario, u, sizeof u), 0) << "reserved bytes as held";
}

TEST_F(ContratoTest, ImportMarkersAreComparedButNeverSent)
{
    TCMCCContrato c = Amostra(1);
    c.SetLinhaImportacao(42);
    c.SetEhImportacao(true);
    TCMCCContrato copia(c);
    EXPECT_EQ(copia.GetLinhaImportacao(), 42);
    EXPECT_TRUE(copia.GetEhImportacao());
    TCMCCContrato atribuido;
    atribuido = c;
    EXPECT_TRUE(atribuido == c);

    PS& ps = Envia(c);
    TCMCCContrato lido = c;
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetLinhaImportacao(), 0);
    EXPECT_FALSE(lido.GetEhImportacao());
    EXPECT_TRUE(lido != c) << "the round trip loses the markers";
    lido.SetLinhaImportacao(42);
    lido.SetEhImportacao(true);
    EXPECT_TRUE(lido == c);
}

// --- Comparison -------------------------------------------------------------------

TEST(ContratoComparacao, EveryFieldOfTheBlockIsComparedOrExcluded)
{
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<TCMCCContrato, PS>(Amostra(1), n);
    const std::set<std::string> esperados = {"ChaveRegistro", "PonteiroUsuarioUltimaGravacao", "DataUltimaGravacao",
                                             "HoraUltimaGravacao", "Reservado749"}; // the last is compared
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), esperados);
    EXPECT_EQ(erros.size(), esperados.size());
}

TEST(ContratoComparacao, ListsMarkersAndTheLinkAlone)
{
    const TCMCCContrato a = Amostra();
    struct Mudanca {
        const char* nome;
        bool difere;
        std::function<void(TCMCCContrato&)> muda;
    };
    const Mudanca mudancas[] = {
        {"Aditivo element", true, [](TCMCCContrato& b) { b.GetRefAditivo(1).SetSemValor(7); }},
        {"Reajuste size", true, [](TCMCCContrato& b) { b.DeletarReajuste(0); }},
        {"NotaFiscal element", true, [](TCMCCContrato& b) { b.GetRefNotaFiscal(2).SetNumeroNotaFiscal("x"); }},
        {"Usuario element", true, [](TCMCCContrato& b) { b.GetRefUsuario(0).SetPonteiroUsuario(-5); }},
        {"Classificacao order", true, [](TCMCCContrato& b) { b.TrocaClassificacao(0, 1); }},
        {"Execucao element", true, [](TCMCCContrato& b) { b.GetRefExecucao(0).SetDataTermino(1); }},
        {"Parcela FoiAlterada", true,
         [](TCMCCContrato& b) {
             b.GetRefParcela(0).SetFoiAlterada(static_cast<unsigned char>(b.GetParcela(0).GetFoiAlterada() ^ 1));
         }},
        {"LinhaImportacao", true, [](TCMCCContrato& b) { b.SetLinhaImportacao(1); }},
        {"EhImportacao", true, [](TCMCCContrato& b) { b.SetEhImportacao(true); }},
        {"Vinculo", false, [](TCMCCContrato& b) { b.SetVinculo(CIEVinculo()); }},
    };
    for (const Mudanca& m : mudancas) {
        TCMCCContrato b = a;
        m.muda(b);
        EXPECT_EQ(a == b, !m.difere) << m.nome;
        EXPECT_EQ(a != b, m.difere) << m.nome;
    }
}

TEST(ContratoComparacao, LinkIsClearedByLimparAndCarriedByCopies)
{
    TCMCCContrato a = Amostra(1);
    ASSERT_FALSE(a.GetVinculo().IsVazio());
    TCMCCContrato b(a);
    EXPECT_EQ(b.GetVinculo(), a.GetVinculo()) << "copy construction";
    TCMCCContrato d;
    d = a;
    EXPECT_EQ(d.GetVinculo(), a.GetVinculo()) << "assignment";
    d.Limpar();
    EXPECT_TRUE(d.GetVinculo().IsVazio()) << "Limpar";
    EXPECT_TRUE(d == TCMCCContrato());
}

} // namespace
