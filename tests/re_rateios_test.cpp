// Apportionments of the entry register: title, service and product lines.
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "companions/TOLVSVCUtil.h"
#include "tolvdata.h"

namespace {

tagCY Cy(long long v) { return JQCY(v); }

TCMGerencial Linha(long conta, long long valor)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    g.SetPonteiroClassificacao(conta * 10);
    g.SetValor(Cy(valor));
    g.SetQuantidade(Cy(valor / 2));
    return g;
}

template <class S> bool BytesZero(const S& s, size_t de, size_t ate)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&s);
    for (size_t k = de; k < ate; ++k)
        if (b[k] != 0)
            return false;
    return true;
}

template <class S> bool BytesIguais(const S& s, size_t de, size_t ate, unsigned char v)
{
    const unsigned char* b = reinterpret_cast<const unsigned char*>(&s);
    for (size_t k = de; k < ate; ++k)
        if (b[k] != v)
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

// Records the arguments of every history-complement comparison.
class ObservaComplemento {
public:
    ObservaComplemento() { CTOLVSVCUtil::SetObservadorComplemento(&Anota, this); }
    ~ObservaComplemento() { CTOLVSVCUtil::SetObservadorComplemento(nullptr, nullptr); }
    std::vector<std::pair<std::string, std::string>> chamadas;

private:
    static void Anota(const char* a, const char* b, void* ctx)
    {
        static_cast<ObservaComplemento*>(ctx)->chamadas.emplace_back(a ? a : "", b ? b : "");
    }
};

// --- Title apportionment -------------------------------------------------------------

TCMRERateioTitulo RateioTitulo(int linhas)
{
    TCMRERateioTitulo r;
    r.SetValor(Cy(250000));
    r.SetPonteiroClassificacao(31);
    r.SetFilial(2);
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(10 + k, 100 * (k + 1)));
    return r;
}

class RateioTituloTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_TITULO_RATEIO_ENTRADAPS ps{};
};

TEST_F(RateioTituloTest, WithoutLinesSendsZeroCountAndNullPointer)
{
    std::memset(&ps, 0xFF, sizeof ps);
    RateioTitulo(0).CopiarPara(&ps);
    EXPECT_EQ(ps.QtdGerencial, 0);
    EXPECT_EQ(ps.pGerencial, nullptr);
    EXPECT_TRUE(BytesZero(ps, 14, 30)) << "reserved at 14";
    EXPECT_TRUE(BytesZero(ps, 36, 40)) << "reserved at 36";
    EXPECT_EQ(ps.Filial, 2);
}

TEST_F(RateioTituloTest, LinesTravelRawAndComeBackInOrder)
{
    TCMRERateioTitulo original = RateioTitulo(3);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdGerencial, 3);
    ASSERT_NE(ps.pGerencial, nullptr);
    EXPECT_EQ(ps.pGerencial[2].PonteiroGerencial, 12);
    EXPECT_EQ(ps.pGerencial[2].Quantidade.int64, 150);

    std::memset(ps.Reservado14, 0x11, sizeof ps.Reservado14);
    TCMRERateioTitulo lido = RateioTitulo(1);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    tagREG_TITULO_RATEIO_ENTRADAPS volta;
    std::memset(&volta, 0xFF, sizeof volta);
    lido.CopiarPara(&volta);
    EXPECT_TRUE(BytesIguais(volta, 14, 30, 0x11)) << "reserved bytes travel unchanged";
    tolv::LiberaAninhados(&volta, tolv::Liberacao::Delete);
}

TEST_F(RateioTituloTest, NullLinesReadAsEmptyAndOversizeIsRefused)
{
    ps.QtdGerencial = 12;
    TCMRERateioTitulo r = RateioTitulo(2);
    r.CopiarDe(&ps);
    EXPECT_EQ(r.GetQuantidadeGerencial(), 0);

    TCMGerencial g = Linha(1, 1);
    for (int k = 0; k < 65536; ++k)
        r.AdicionaGerencial(g);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { r.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdGerencial, 0) << "no truncated count";
    EXPECT_EQ(ps.pGerencial, nullptr);
}

TEST(RateioTitulo, ComparesLinesThenBranchValueAndClassification)
{
    const TCMRERateioTitulo base = RateioTitulo(2);
    TCMRERateioTitulo outro = base;
    outro.TrocaGerencial(0, 1);
    EXPECT_TRUE(base != outro) << "Gerencial order";
    outro = base;
    outro.SetFilial(3);
    EXPECT_TRUE(base != outro) << "Filial";
    outro = base;
    outro.SetValor(Cy(1));
    EXPECT_TRUE(base != outro) << "Valor";
    outro = base;
    outro.SetPonteiroClassificacao(1);
    EXPECT_TRUE(base != outro) << "PonteiroClassificacao";
    outro = base;
    EXPECT_TRUE(base == outro);
}

TEST(RateioTitulo, ReportsTheApportionmentBaseClass)
{
    TCMRERateioTitulo r;
    EXPECT_EQ(r.GetRuntimeClass(), RUNTIME_CLASS(TCMRateioBase));
}

// --- Service apportionment -------------------------------------------------------------

TCMRERateioServico RateioServico(int linhas, int linhasFilial)
{
    TCMRERateioServico r;
    r.SetNEWQuantidade(Cy(10000));
    r.SetNEWValor(Cy(900000));
    r.SetValorPISRetido_Liq(Cy(5850));
    r.SetCalcBaseISS(Cy(900000));
    r.SetInfValorISS(Cy(45000));
    r.SetPonteiroClassificacao(8);
    r.SetPonteiroSitServicoRateio(4);
    r.SetDestino('C');
    r.SetAlterouValoresCalculados('S');
    r.SetPonteiroHistorico(44);
    r.SetComplementoHistorico("servico de manutencao");
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(20 + k, 10 * (k + 1)));
    for (int k = 0; k < linhasFilial; ++k)
        r.AdicionaGerencialFilialClassificacao(Linha(70 + k, 30 * (k + 1)));
    return r;
}

class RateioServicoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_RATEIOSERVICO_ENTRADAPS ps{};
};

TEST_F(RateioServicoTest, EmptyListsSendZeroSlotsOverAFilledDestination)
{
    std::memset(&ps, 0xFF, sizeof ps);
    RateioServico(0, 0).CopiarPara(&ps);
    EXPECT_TRUE(BytesZero(ps, 860, 876)) << "counts, pointers and the reserved bytes between them";
    EXPECT_TRUE(BytesZero(ps, 876, 896)) << "reserved at 876";
    EXPECT_TRUE(BytesZero(ps, 200, 216)) << "reserved at 200";
    EXPECT_EQ(ps.Destino, 'C');
    EXPECT_EQ(ps.AlterouValoresCalculados, 'S');
}

TEST_F(RateioServicoTest, BothListsTravelInTheirSlots)
{
    TCMRERateioServico original = RateioServico(2, 3);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdGerencial, 2);
    ASSERT_EQ(ps.QtdGerencialFilialClassificacao, 3);
    EXPECT_EQ(ps.pGerencial[1].PonteiroGerencial, 21);
    EXPECT_EQ(ps.pGerencialFilialClassificacao[2].PonteiroGerencial, 72);

    TCMRERateioServico lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    EXPECT_EQ(lido.GetQuantidadeGerencial(), 2);
    EXPECT_EQ(lido.GetGerencialFilialClassificacao(2).GetValor().int64, 90);
}

TEST_F(RateioServicoTest, RecordKeepsNoSlotsOfItsSource)
{
    RateioServico(1, 1).CopiarPara(&ps);
    ps.Reservado862[0] = 0x77;
    TCMRERateioServico lido;
    lido.CopiarDe(&ps);
    ps.Reservado862[0] = 0;
    tagREG_RATEIOSERVICO_ENTRADAPS volta;
    std::memset(&volta, 0xFF, sizeof volta);
    lido.RemoveTodosGerencial();
    lido.RemoveTodosGerencialFilialClassificacao();
    lido.CopiarPara(&volta);
    EXPECT_TRUE(BytesZero(volta, 860, 876)) << "slots 860 to 875";
}

TEST_F(RateioServicoTest, NullArraysReadAsEmptyAndOversizeIsRefused)
{
    ps.QtdGerencial = 3;
    ps.QtdGerencialFilialClassificacao = 4;
    TCMRERateioServico r = RateioServico(1, 1);
    r.CopiarDe(&ps);
    EXPECT_EQ(r.GetQuantidadeGerencial(), 0);
    EXPECT_EQ(r.GetQuantidadeGerencialFilialClassificacao(), 0);

    TCMGerencial g = Linha(1, 1);
    for (int k = 0; k < 65536; ++k)
        r.AdicionaGerencialFilialClassificacao(g);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { r.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdGerencialFilialClassificacao, 0) << "no truncated count";
}

TEST(RateioServico, EveryFieldIsComparedBeforeTheComplement)
{
    const TCMRERateioServico base = RateioServico(1, 1);
    struct Caso {
        const char* campo;
        void (*muda)(TCMRERateioServico&);
    } casos[] = {
        {"Gerencial", [](TCMRERateioServico& r) { r.GetRefGerencial(0).SetValor(Cy(3)); }},
        {"GerencialFilialClassificacao", [](TCMRERateioServico& r) { r.RemoveTodosGerencialFilialClassificacao(); }},
        {"NEWQuantidade", [](TCMRERateioServico& r) { r.SetNEWQuantidade(Cy(1)); }},
        {"NEWValor", [](TCMRERateioServico& r) { r.SetNEWValor(Cy(1)); }},
        {"ValorDescontoNoItem", [](TCMRERateioServico& r) { r.SetValorDescontoNoItem(Cy(1)); }},
        {"ValorDescontoNaNota", [](TCMRERateioServico& r) { r.SetValorDescontoNaNota(Cy(1)); }},
        {"BasePISRetido_Bruto", [](TCMRERateioServico& r) { r.SetBasePISRetido_Bruto(Cy(1)); }},
        {"BaseCOFINSRetido_Bruto", [](TCMRERateioServico& r) { r.SetBaseCOFINSRetido_Bruto(Cy(1)); }},
        {"BaseCSLLRetido_Bruto", [](TCMRERateioServico& r) { r.SetBaseCSLLRetido_Bruto(Cy(1)); }},
        {"ValorPISRetido_Bruto", [](TCMRERateioServico& r) { r.SetValorPISRetido_Bruto(Cy(1)); }},
        {"ValorCOFINSRetido_Bruto", [](TCMRERateioServico& r) { r.SetValorCOFINSRetido_Bruto(Cy(1)); }},
        {"ValorCSLLRetido_Bruto", [](TCMRERateioServico& r) { r.SetValorCSLLRetido_Bruto(Cy(1)); }},
        {"ValorPISRetido_Liq", [](TCMRERateioServico& r) { r.SetValorPISRetido_Liq(Cy(1)); }},
        {"ValorCOFINSRetido_Liq", [](TCMRERateioServico& r) { r.SetValorCOFINSRetido_Liq(Cy(1)); }},
        {"ValorCSLLRetido_Liq", [](TCMRERateioServico& r) { r.SetValorCSLLRetido_Liq(Cy(1)); }},
        {"CalcBaseIRRF", [](TCMRERateioServico& r) { r.SetCalcBaseIRRF(Cy(1)); }},
        {"CalcBaseISS", [](TCMRERateioServico& r) { r.SetCalcBaseISS(Cy(1)); }},
        {"CalcBaseINSS", [](TCMRERateioServico& r) { r.SetCalcBaseINSS(Cy(1)); }},
        {"CalcValorIRRF", [](TCMRERateioServico& r) { r.SetCalcValorIRRF(Cy(1)); }},
        {"CalcValorISS", [](TCMRERateioServico& r) { r.SetCalcValorISS(Cy(1)); }},
        {"CalcValorINSS", [](TCMRERateioServico& r) { r.SetCalcValorINSS(Cy(1)); }},
        {"CalcValorTotalNF", [](TCMRERateioServico& r) { r.SetCalcValorTotalNF(Cy(1)); }},
        {"CalcValorTotalNFLiquido", [](TCMRERateioServico& r) { r.SetCalcValorTotalNFLiquido(Cy(1)); }},
        {"CalcValorPISNaoCumulativo", [](TCMRERateioServico& r) { r.SetCalcValorPISNaoCumulativo(Cy(1)); }},
        {"CalcValorCOFINSNaoCumulativo", [](TCMRERateioServico& r) { r.SetCalcValorCOFINSNaoCumulativo(Cy(1)); }},
        {"CalcBasePISNaoCumulativo", [](TCMRERateioServico& r) { r.SetCalcBasePISNaoCumulativo(Cy(1)); }},
        {"CalcBaseCOFINSNaoCumulativo", [](TCMRERateioServico& r) { r.SetCalcBaseCOFINSNaoCumulativo(Cy(1)); }},
        {"InfBaseIRRF", [](TCMRERateioServico& r) { r.SetInfBaseIRRF(Cy(1)); }},
        {"InfBaseISS", [](TCMRERateioServico& r) { r.SetInfBaseISS(Cy(1)); }},
        {"InfBaseINSS", [](TCMRERateioServico& r) { r.SetInfBaseINSS(Cy(1)); }},
        {"InfValorIRRF", [](TCMRERateioServico& r) { r.SetInfValorIRRF(Cy(1)); }},
        {"InfValorISS", [](TCMRERateioServico& r) { r.SetInfValorISS(Cy(1)); }},
        {"InfValorINSS", [](TCMRERateioServico& r) { r.SetInfValorINSS(Cy(1)); }},
        {"InfValorTotalNF", [](TCMRERateioServico& r) { r.SetInfValorTotalNF(Cy(1)); }},
        {"InfValorTotalNFLiquido", [](TCMRERateioServico& r) { r.SetInfValorTotalNFLiquido(Cy(1)); }},
        {"InfValorPISNaoCumulativo", [](TCMRERateioServico& r) { r.SetInfValorPISNaoCumulativo(Cy(1)); }},
        {"InfValorCOFINSNaoCumulativo", [](TCMRERateioServico& r) { r.SetInfValorCOFINSNaoCumulativo(Cy(1)); }},
        {"InfBasePISNaoCumulativo", [](TCMRERateioServico& r) { r.SetInfBasePISNaoCumulativo(Cy(1)); }},
        {"InfBaseCOFINSNaoCumulativo", [](TCMRERateioServico& r) { r.SetInfBaseCOFINSNaoCumulativo(Cy(1)); }},
        {"PonteiroClassificacao", [](TCMRERateioServico& r) { r.SetPonteiroClassificacao(1); }},
        {"PonteiroDepartamento", [](TCMRERateioServico& r) { r.SetPonteiroDepartamento(1); }},
        {"PonteiroRequisitante", [](TCMRERateioServico& r) { r.SetPonteiroRequisitante(1); }},
        {"PonteiroSitServicoRateio", [](TCMRERateioServico& r) { r.SetPonteiroSitServicoRateio(1); }},
        {"PonteiroFilial", [](TCMRERateioServico& r) { r.SetPonteiroFilial(1); }},
        {"Destino", [](TCMRERateioServico& r) { r.SetDestino('E'); }},
        {"AlterouValoresCalculados", [](TCMRERateioServico& r) { r.SetAlterouValoresCalculados('N'); }},
        {"PonteiroHistorico", [](TCMRERateioServico& r) { r.SetPonteiroHistorico(1); }},
    };
    ObservaComplemento obs;
    for (const Caso& c : casos) {
        TCMRERateioServico outro = base;
        c.muda(outro);
        EXPECT_FALSE(base == outro) << c.campo;
        EXPECT_TRUE(base != outro) << c.campo;
    }
    EXPECT_TRUE(obs.chamadas.empty()) << "the complement is compared last";
}

TEST(RateioServico, ComplementDecidesLastWithTheOtherRecordFirst)
{
    TCMRERateioServico este = RateioServico(0, 0);
    TCMRERateioServico outro = RateioServico(0, 0);
    outro.SetComplementoHistorico("Servico de manutencao");
    ObservaComplemento obs;
    EXPECT_FALSE(este == outro) << "ComplementoHistorico, case-sensitive";
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Servico de manutencao") << "first argument: the other record's text";
    EXPECT_EQ(obs.chamadas[0].second, "servico de manutencao");
}

TEST(RateioServico, CopyAssignClearAndRuntimeClass)
{
    TCMRERateioServico a = RateioServico(2, 1);
    TCMRERateioServico b(a);
    EXPECT_TRUE(b == a);
    TCMRERateioServico& ref = b;
    b = ref;
    EXPECT_TRUE(b == a) << "self-assignment";
    b.Limpar();
    EXPECT_EQ(b.GetQuantidadeGerencial(), 0);
    EXPECT_EQ(b.GetQuantidadeGerencialFilialClassificacao(), 0);
    EXPECT_TRUE(b == TCMRERateioServico());

    const CRuntimeClass* c = a.GetRuntimeClass();
    EXPECT_EQ(c, RUNTIME_CLASS(TCMRERateioServico));
    EXPECT_STREQ(c->m_lpszClassName, "TCMRERateioServico");
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(TCMRERateioServico)));
    EXPECT_EQ(c->m_wSchema, 0xFFFFu);
    EXPECT_EQ(c->m_pfnCreateObject, nullptr);
    EXPECT_EQ(c->m_pfnGetBaseClass(), RUNTIME_CLASS(TCMRateioBase));
}

} // namespace
