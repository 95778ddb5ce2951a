// Payment condition, instalments and tax titles of the entry register.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "companions/TOLVSVCUtil.h"
#include "tolvdata.h"

namespace {

tagCY Cy(long long v) { return JQCY(v); }

REG_JQDMA Data(unsigned char d)
{
    REG_JQDMA r{};
    r.bytes[0] = d;
    r.bytes[2] = 0x07;
    return r;
}

REG_CODBARRAS CodBarras(const char* texto, unsigned char codigo, unsigned char complemento)
{
    REG_CODBARRAS c;
    std::memset(&c, 0, sizeof c);
    std::memcpy(c.Texto, texto, std::min(std::strlen(texto), sizeof c.Texto));
    c.Codigo = codigo;
    c.Complemento = complemento;
    return c;
}

TCMREParcela Parcela(unsigned char numero)
{
    TCMREParcela p;
    p.SetRegCodBarras(CodBarras("23790001192110001210", 7, 9));
    p.SetRegDataVencimento(Data(numero));
    p.SetValorLiquido(Cy(950000));
    p.SetValorBruto(Cy(1000000));
    p.SetValorCSLLRetido(Cy(10000));
    p.SetValorPISRetido(Cy(6500));
    p.SetValorCOFINSRetido(Cy(30000));
    p.SetValorIRRF(Cy(15000));
    p.SetNumeroDocumento("NF 1234/A");
    p.SetNumeroDaParcela(numero);
    p.SetPonteiroTipoVencimento(2);
    p.SetPonteiroFormaPagamento(3);
    return p;
}

TCMGerencial Linha(long conta, long long valor)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    g.SetPonteiroClassificacao(conta * 10);
    g.SetValor(Cy(valor));
    g.SetQuantidade(Cy(valor / 2));
    return g;
}

TCMRERateioTitulo RateioTitulo(int linhas, long classificacao)
{
    TCMRERateioTitulo r;
    r.SetValor(Cy(500000));
    r.SetPonteiroClassificacao(classificacao);
    r.SetFilial(4);
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(100 + k, 1000 * (k + 1)));
    return r;
}

TCMRETituloImposto Titulo(int rateios)
{
    TCMRETituloImposto t;
    t.SetValor(Cy(123400));
    t.SetCedente(77);
    t.SetCodigoReceita(5952);
    t.SetPonteiroHistorico(12);
    t.SetPonteiroTipoDocumento(3);
    t.SetFilial(4);
    t.SetRegDataVencimento(Data(20));
    t.SetParcela(2);
    t.SetNumeroDocumento("DARF-01");
    t.SetComplementoHistorico("retencao pis/cofins/csll");
    t.SetPrevisao(1);
    t.SetTipoImposto(5);
    for (int k = 0; k < rateios; ++k)
        t.AdicionaRateio(RateioTitulo(k + 1, 900 + k));
    return t;
}

TCMRECondicaoPgto Condicao()
{
    TCMRECondicaoPgto c;
    c.SetPonteiroTipoCobranca(5);
    c.SetRegDataPrimeiroVencimento(Data(15));
    c.SetPonteiroCondicaoPagamento(30);
    c.SetPonteiroTipoPeriodo(1);
    c.AdicionaParcela(Parcela(1));
    c.AdicionaParcela(Parcela(2));
    c.AdicionaTitulo(Titulo(1));
    return c;
}

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

// --- Instalments -------------------------------------------------------------------

TEST(Parcela, BarCodeReadsBackItsTwentySixBytes)
{
    TCMREParcela p;
    REG_CODBARRAS c = CodBarras("123456789012345678901234", 0xA5, 0x5A);
    p.SetRegCodBarras(c);
    REG_CODBARRAS lido = p.GetRegCodBarras();
    EXPECT_EQ(std::memcmp(&lido, &c, sizeof c), 0);
}

TEST(Parcela, BarCodeSetterZeroesTheSixBytesAfterTheValue)
{
    tagREG_FATURA_ENTRADAPS ps;
    std::memset(&ps, 0, sizeof ps);
    std::memset(&ps.RegCodBarras, 0xEE, sizeof ps.RegCodBarras);
    TCMREParcela p;
    p.CopiarDe(&ps);
    p.SetRegCodBarras(CodBarras("1", 1, 2));
    std::memset(&ps, 0xFF, sizeof ps);
    p.CopiarPara(&ps);
    EXPECT_TRUE(BytesZero(ps, 26, 32)) << "bytes 26 to 31 of RegCodBarras";
    EXPECT_EQ(ps.RegCodBarras.Valor.Codigo, 1);
    EXPECT_EQ(ps.RegCodBarras.Valor.Complemento, 2);
}

TEST(Parcela, RawBlockTravelsBothWays)
{
    tagREG_FATURA_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Parcela(3).CopiarPara(&ps);
    EXPECT_EQ(ps.ValorBruto.int64, 1000000);
    EXPECT_EQ(ps.NumeroDaParcela, 3);
    EXPECT_STREQ(ps.NumeroDocumento, "NF 1234/A");
    EXPECT_TRUE(BytesZero(ps, 36, 40)) << "the 4 bytes after RegDataVencimento";
    EXPECT_TRUE(BytesZero(ps, 153, 168)) << "reserved at 153";

    std::memset(ps.Reservado153, 0x3C, sizeof ps.Reservado153);
    TCMREParcela lida = Parcela(9);
    lida.CopiarDe(&ps);
    EXPECT_TRUE(lida == Parcela(3));
    tagREG_FATURA_ENTRADAPS volta;
    std::memset(&volta, 0xFF, sizeof volta);
    lida.CopiarPara(&volta);
    EXPECT_EQ(std::memcmp(&volta, &ps, sizeof ps), 0) << "reserved bytes travel unchanged";
}

TEST(Parcela, UnreadableSourceLeavesTheRecordCleared)
{
    TCMREParcela p = Parcela(1);
    p.CopiarDe(nullptr);
    EXPECT_TRUE(p == TCMREParcela());
}

TEST(Parcela, BarCodeComparisonTestsTextAndCodeByteOnly)
{
    TCMREParcela a = Parcela(1);
    TCMREParcela b = Parcela(1);
    b.SetRegCodBarras(CodBarras("23790001192110001210", 7, 0x42));
    EXPECT_TRUE(a == b) << "byte 25 is not compared";
    b.SetRegCodBarras(CodBarras("23790001192110001210", 8, 9));
    EXPECT_TRUE(a != b) << "byte 24 is compared";
    b.SetRegCodBarras(CodBarras("23790001192110001211", 7, 9));
    EXPECT_TRUE(a != b) << "bar-code text";

    REG_CODBARRAS c = CodBarras("ABC", 7, 9);
    c.Texto[10] = 'x';
    a.SetRegCodBarras(CodBarras("ABC", 7, 9));
    b.SetRegCodBarras(c);
    EXPECT_TRUE(a == b) << "bytes after the NUL of the text";

    a.SetRegCodBarras(CodBarras("123456789012345678901234", 7, 9));
    b.SetRegCodBarras(CodBarras("123456789012345678901234", 7, 1));
    EXPECT_TRUE(a == b) << "a full 24-byte text stops at byte 24";
}

TEST(Parcela, EveryOtherFieldIsCompared)
{
    const TCMREParcela base = Parcela(1);
    struct Caso {
        const char* campo;
        void (*muda)(TCMREParcela&);
    } casos[] = {
        {"RegDataVencimento", [](TCMREParcela& p) { p.SetRegDataVencimento(Data(2)); }},
        {"ValorLiquido", [](TCMREParcela& p) { p.SetValorLiquido(Cy(1)); }},
        {"ValorBruto", [](TCMREParcela& p) { p.SetValorBruto(Cy(1)); }},
        {"ValorCSLLRetido", [](TCMREParcela& p) { p.SetValorCSLLRetido(Cy(1)); }},
        {"ValorPISRetido", [](TCMREParcela& p) { p.SetValorPISRetido(Cy(1)); }},
        {"ValorCOFINSRetido", [](TCMREParcela& p) { p.SetValorCOFINSRetido(Cy(1)); }},
        {"ValorIRRF", [](TCMREParcela& p) { p.SetValorIRRF(Cy(1)); }},
        {"NumeroDaParcela", [](TCMREParcela& p) { p.SetNumeroDaParcela(9); }},
        {"PonteiroTipoVencimento", [](TCMREParcela& p) { p.SetPonteiroTipoVencimento(9); }},
        {"PonteiroFormaPagamento", [](TCMREParcela& p) { p.SetPonteiroFormaPagamento(9); }},
        {"NumeroDocumento (case)", [](TCMREParcela& p) { p.SetNumeroDocumento("NF 1234/a"); }},
    };
    for (const Caso& c : casos) {
        TCMREParcela outra = base;
        c.muda(outra);
        EXPECT_FALSE(base == outra) << c.campo;
        EXPECT_TRUE(base != outra) << c.campo;
    }
}

TEST(Parcela, DocumentNumberHoldsAtMost61Characters)
{
    TCMREParcela p;
    std::string t(61, 'n');
    p.SetNumeroDocumento((t + "OVER").c_str());
    EXPECT_EQ(std::string(p.GetNumeroDocumento().GetString()), t);
    tagREG_FATURA_ENTRADAPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    p.CopiarPara(&ps);
    EXPECT_EQ(ps.NumeroDocumento[61], 0) << "terminator of NumeroDocumento";
}

// --- Tax titles --------------------------------------------------------------------

class TituloImpostoTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_TITULO_IMPOSTOS_ENTRADAPS ps{};
};

TEST_F(TituloImpostoTest, WithoutApportionmentsSendsZeroCountAndNullPointer)
{
    std::memset(&ps, 0xFF, sizeof ps);
    Titulo(0).CopiarPara(&ps);
    EXPECT_EQ(ps.QtdRateio, 0);
    EXPECT_EQ(ps.pRateio, nullptr);
    EXPECT_TRUE(BytesZero(ps, 608, 630)) << "reserved at 608";
    EXPECT_TRUE(BytesZero(ps, 636, 640)) << "reserved at 636";
    EXPECT_EQ(ps.CodigoReceita, 5952ul);
    EXPECT_STREQ(ps.ComplementoHistorico, "retencao pis/cofins/csll");
}

TEST_F(TituloImpostoTest, DueDateSetterZeroesTheFourBytesAfterIt)
{
    std::memset(&ps, 0, sizeof ps);
    std::memset(&ps.RegDataVencimento, 0xAB, sizeof ps.RegDataVencimento);
    TCMRETituloImposto t;
    t.CopiarDe(&ps);
    std::memset(&ps, 0xFF, sizeof ps);
    t.CopiarPara(&ps);
    EXPECT_FALSE(BytesZero(ps, 26, 30)) << "loaded bytes stay until the setter runs";
    t.SetRegDataVencimento(Data(3));
    t.CopiarPara(&ps);
    EXPECT_TRUE(BytesZero(ps, 26, 30)) << "offsets 26 to 29";
    EXPECT_EQ(ps.RegDataVencimento.Data.bytes[0], 3);
}

TEST_F(TituloImpostoTest, ApportionmentsAndTheirLinesTravelAndComeBackEqual)
{
    TCMRETituloImposto original = Titulo(2);
    original.CopiarPara(&ps);
    ASSERT_EQ(ps.QtdRateio, 2);
    ASSERT_NE(ps.pRateio, nullptr);
    EXPECT_EQ(ps.pRateio[1].PonteiroClassificacao, 901);
    ASSERT_EQ(ps.pRateio[1].QtdGerencial, 2);
    ASSERT_NE(ps.pRateio[1].pGerencial, nullptr);
    EXPECT_EQ(ps.pRateio[1].pGerencial[1].PonteiroGerencial, 101);

    TCMRETituloImposto lido = Titulo(1);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == original);
    ASSERT_EQ(lido.GetQuantidadeRateio(), 2);
    EXPECT_EQ(lido.GetRateio(1).GetQuantidadeGerencial(), 2);
    EXPECT_EQ(ps.QtdRateio, 2) << "CopiarDe leaves its source alone";

    tagREG_TITULO_IMPOSTOS_ENTRADAPS denovo;
    std::memset(&denovo, 0xFF, sizeof denovo);
    lido.CopiarPara(&denovo);
    EXPECT_EQ(std::memcmp(&denovo, &ps, offsetof(tagREG_TITULO_IMPOSTOS_ENTRADAPS, QtdRateio)), 0)
        << "the record holds no count or pointer of its own";
    tolv::LiberaAninhados(&denovo, tolv::Liberacao::Delete);
}

TEST_F(TituloImpostoTest, NullArrayReadsAsEmptyWhateverItsCount)
{
    Titulo(0).CopiarPara(&ps);
    ps.QtdRateio = 40;
    TCMRETituloImposto t = Titulo(2);
    t.CopiarDe(&ps);
    EXPECT_EQ(t.GetQuantidadeRateio(), 0);
    ps.QtdRateio = 0;
}

TEST_F(TituloImpostoTest, NullLinesOfAnApportionmentReadAsEmpty)
{
    tagREG_TITULO_RATEIO_ENTRADAPS elem[1];
    std::memset(elem, 0, sizeof elem);
    elem[0].QtdGerencial = 7;
    elem[0].PonteiroClassificacao = 5;
    Titulo(0).CopiarPara(&ps);
    ps.QtdRateio = 1;
    ps.pRateio = elem;
    TCMRETituloImposto t;
    t.CopiarDe(&ps);
    ASSERT_EQ(t.GetQuantidadeRateio(), 1);
    EXPECT_EQ(t.GetRateio(0).GetPonteiroClassificacao(), 5);
    EXPECT_EQ(t.GetRateio(0).GetQuantidadeGerencial(), 0);
    ps.QtdRateio = 0;
    ps.pRateio = nullptr;
}

TEST_F(TituloImpostoTest, MoreApportionmentsThanTheCountHoldsAreRefused)
{
    TCMRETituloImposto t;
    TCMRERateioTitulo r = RateioTitulo(0, 1);
    for (int k = 0; k < 65536; ++k)
        t.AdicionaRateio(r);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { t.CopiarPara(&ps); }));
    EXPECT_EQ(ps.QtdRateio, 0) << "no truncated count";
    EXPECT_EQ(ps.pRateio, nullptr);
    t.DeletarRateio(0);
    t.CopiarPara(&ps);
    EXPECT_EQ(ps.QtdRateio, 65535);
}

TEST(TituloImposto, ComparesApportionmentsFieldsThenComplementLast)
{
    const TCMRETituloImposto base = Titulo(1);
    struct Caso {
        const char* campo;
        void (*muda)(TCMRETituloImposto&);
    } casos[] = {
        {"Rateio", [](TCMRETituloImposto& t) { t.GetRefRateio(0).SetFilial(99); }},
        {"Rateio count", [](TCMRETituloImposto& t) { t.AdicionaRateio(RateioTitulo(0, 1)); }},
        {"Valor", [](TCMRETituloImposto& t) { t.SetValor(Cy(1)); }},
        {"Cedente", [](TCMRETituloImposto& t) { t.SetCedente(1); }},
        {"CodigoReceita", [](TCMRETituloImposto& t) { t.SetCodigoReceita(1); }},
        {"PonteiroHistorico", [](TCMRETituloImposto& t) { t.SetPonteiroHistorico(1); }},
        {"PonteiroTipoDocumento", [](TCMRETituloImposto& t) { t.SetPonteiroTipoDocumento(1); }},
        {"Filial", [](TCMRETituloImposto& t) { t.SetFilial(1); }},
        {"RegDataVencimento", [](TCMRETituloImposto& t) { t.SetRegDataVencimento(Data(1)); }},
        {"NumeroDocumento (case)", [](TCMRETituloImposto& t) { t.SetNumeroDocumento("darf-01"); }},
        {"Parcela", [](TCMRETituloImposto& t) { t.SetParcela(9); }},
        {"Previsao", [](TCMRETituloImposto& t) { t.SetPrevisao(0); }},
        {"TipoImposto", [](TCMRETituloImposto& t) { t.SetTipoImposto(1); }},
    };
    ObservaComplemento obs;
    for (const Caso& c : casos) {
        TCMRETituloImposto outro = base;
        c.muda(outro);
        EXPECT_FALSE(base == outro) << c.campo;
    }
    EXPECT_TRUE(obs.chamadas.empty()) << "the complement is compared only when every other field is equal";
}

TEST(TituloImposto, ComplementDecidesLastWithTheOtherTitleFirst)
{
    TCMRETituloImposto este = Titulo(1);
    TCMRETituloImposto outro = Titulo(1);
    outro.SetComplementoHistorico("Retencao");
    ObservaComplemento obs;
    EXPECT_FALSE(este == outro) << "ComplementoHistorico, case-sensitive";
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first, "Retencao") << "first argument: the other title's text";
    EXPECT_EQ(obs.chamadas[0].second, "retencao pis/cofins/csll");
    outro.SetComplementoHistorico("retencao pis/cofins/csll");
    EXPECT_TRUE(este == outro);
}

TEST(TituloImposto, ComplementWithoutTerminatorIsComparedWithinItsField)
{
    tagREG_TITULO_IMPOSTOS_ENTRADAPS ps;
    std::memset(&ps, 0, sizeof ps);
    std::memset(ps.ComplementoHistorico, 'c', sizeof ps.ComplementoHistorico);
    TCMRETituloImposto a;
    a.CopiarDe(&ps);
    TCMRETituloImposto b;
    b.CopiarDe(&ps);
    ObservaComplemento obs;
    EXPECT_TRUE(a == b);
    ASSERT_EQ(obs.chamadas.size(), 1u);
    EXPECT_EQ(obs.chamadas[0].first.size(), 512u) << "the field's 512 bytes and nothing beyond";
}

TEST(TituloImposto, CopyAssignAndClear)
{
    TCMRETituloImposto a = Titulo(2);
    TCMRETituloImposto b(a);
    EXPECT_TRUE(b == a);
    b.GetRefRateio(0).SetValor(Cy(1));
    EXPECT_EQ(a.GetRateio(0).GetValor().int64, 500000) << "copies own their apportionments";
    TCMRETituloImposto& ref = a;
    a = ref;
    EXPECT_TRUE(a == Titulo(2)) << "self-assignment";
    b = a;
    EXPECT_TRUE(b == a);
    b.Limpar();
    EXPECT_EQ(b.GetQuantidadeRateio(), 0);
    EXPECT_TRUE(b == TCMRETituloImposto());
}

TEST(TituloImposto, ComplementHoldsAtMost511Characters)
{
    TCMRETituloImposto t;
    std::string s(511, 'h');
    t.SetComplementoHistorico((s + "XYZ").c_str());
    EXPECT_EQ(std::string(t.GetComplementoHistorico().GetString()), s);
}

// --- Payment condition --------------------------------------------------------------

TEST(CondicaoPgto, EqualDespiteDifferentPeriodType)
{
    TCMRECondicaoPgto a = Condicao();
    TCMRECondicaoPgto b = Condicao();
    b.SetPonteiroTipoPeriodo(9);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
}

TEST(CondicaoPgto, ComparesListsThenScalars)
{
    const TCMRECondicaoPgto base = Condicao();
    struct Caso {
        const char* campo;
        void (*muda)(TCMRECondicaoPgto&);
    } casos[] = {
        {"Parcela", [](TCMRECondicaoPgto& c) { c.GetRefParcela(1).SetValorIRRF(Cy(1)); }},
        {"Parcela order", [](TCMRECondicaoPgto& c) { c.TrocaParcela(0, 1); }},
        {"Titulo", [](TCMRECondicaoPgto& c) { c.GetRefTitulo(0).SetCedente(1); }},
        {"Titulo count", [](TCMRECondicaoPgto& c) { c.RemoveTodosTitulo(); }},
        {"PonteiroTipoCobranca", [](TCMRECondicaoPgto& c) { c.SetPonteiroTipoCobranca(1); }},
        {"RegDataPrimeiroVencimento", [](TCMRECondicaoPgto& c) { c.SetRegDataPrimeiroVencimento(Data(1)); }},
        {"PonteiroCondicaoPagamento", [](TCMRECondicaoPgto& c) { c.SetPonteiroCondicaoPagamento(1); }},
    };
    for (const Caso& c : casos) {
        TCMRECondicaoPgto outra = base;
        c.muda(outra);
        EXPECT_FALSE(base == outra) << c.campo;
        EXPECT_TRUE(base != outra) << c.campo;
    }
}

TEST(CondicaoPgto, CopyCarriesScalarsAndBothLists)
{
    TCMRECondicaoPgto a = Condicao();
    TCMRECondicaoPgto b(a);
    EXPECT_EQ(b.GetPonteiroTipoPeriodo(), 1) << "PonteiroTipoPeriodo is copied though not compared";
    EXPECT_EQ(b.GetQuantidadeParcela(), 2);
    EXPECT_EQ(b.GetQuantidadeTitulo(), 1);
    EXPECT_EQ(b.GetTitulo(0).GetRateio(0).GetQuantidadeGerencial(), 1);
    EXPECT_TRUE(b.GetRegDataPrimeiroVencimento() == a.GetRegDataPrimeiroVencimento());

    TCMRECondicaoPgto c;
    c = a;
    EXPECT_TRUE(c == a);
    TCMRECondicaoPgto& ref = c;
    c = ref;
    EXPECT_TRUE(c == a) << "self-assignment";
}

TEST(CondicaoPgto, ClearEmptiesEverything)
{
    TCMRECondicaoPgto c = Condicao();
    c.Limpar();
    EXPECT_EQ(c.GetPonteiroTipoCobranca(), 0);
    EXPECT_EQ(c.GetPonteiroCondicaoPagamento(), 0);
    EXPECT_EQ(c.GetPonteiroTipoPeriodo(), 0);
    EXPECT_TRUE(c.GetRegDataPrimeiroVencimento() == REG_JQDMA{}) << "RegDataPrimeiroVencimento";
    EXPECT_EQ(c.GetQuantidadeParcela(), 0);
    EXPECT_EQ(c.GetQuantidadeTitulo(), 0);
}

TEST(CondicaoPgto, ReportsTheBaseRuntimeClass)
{
    TCMRECondicaoPgto c;
    TCMREParcela p;
    TCMRETituloImposto t;
    EXPECT_EQ(c.GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados));
    EXPECT_EQ(p.GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados));
    EXPECT_EQ(t.GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados));
}

} // namespace
