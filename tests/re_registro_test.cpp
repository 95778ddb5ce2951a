// The entry register header: conversions, payment condition, observations,
// purchase-order links, comparison and bad input.
#include <cstring>
#include <list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

class RegistroTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (tagREG_ENTRADAPS* ps : enviados)
            TCMRERegistroEntrada::ZerarDelete(ps);
    }
    // Sends r into a 0xFF-filled structure; its arrays are released at the end.
    tagREG_ENTRADAPS& Envia(TCMRERegistroEntrada& r)
    {
        estruturas.emplace_back();
        tagREG_ENTRADAPS& ps = estruturas.back();
        std::memset(&ps, 0xFF, sizeof ps);
        r.CopiarPara(&ps);
        enviados.push_back(&ps);
        return ps;
    }
    static TCMRERegistroEntrada Exemplo()
    {
        TCMRERegistroEntrada r;
        r.SetNumeroNotaFiscal("123456");
        r.SetValorTotalNotaFiscal(JQCY(1234500));
        r.SetPonteiroFornecedor(42);
        r.SetComplementoHistorico("compra de material");
        TCMREItemProduto p;
        p.SetIDItem(1);
        p.SetQuantidade(JQCY(30000));
        r.AdicionaProduto(p);
        r.CondicaoPgto.AdicionaParcela(TCMREParcela());
        r.CondicaoPgto.SetPonteiroCondicaoPagamento(0x0102);
        r.CondicaoPgto.SetPonteiroTipoCobranca(0x0304);
        r.CondicaoPgto.SetPonteiroTipoPeriodo(0x05);
        r.CondicaoPgto.SetRegDataPrimeiroVencimento(REG_JQDMA{{1, 2, 3, 4}});
        r.SetObservacaoGeral("geral");
        r.SetObservacaoFisco("fisco");
        return r;
    }
    std::list<tagREG_ENTRADAPS> estruturas;
    std::vector<tagREG_ENTRADAPS*> enviados;
};

TEST_F(RegistroTest, EmptyRegisterSendsNoBlock)
{
    TCMRERegistroEntrada r;
    tagREG_ENTRADAPS& ps = Envia(r);
    EXPECT_TRUE(Bytes(ps, 0, sizeof ps)) << "an empty register is all zero, slots included";
}

TEST_F(RegistroTest, PaymentConditionScalarsTravelInTheHeader)
{
    TCMRERegistroEntrada r = Exemplo();
    tagREG_ENTRADAPS& ps = Envia(r);
    const auto* b = reinterpret_cast<const unsigned char*>(&ps);
    EXPECT_EQ(b[48], 1);
    EXPECT_EQ(b[51], 4);
    EXPECT_TRUE(Bytes(ps, 52, 56)) << "bytes after the first due date";
    EXPECT_EQ(b[442] | b[443] << 8, 0x0102) << "PonteiroCondicaoPagamento";
    EXPECT_EQ(b[448] | b[449] << 8, 0x0304) << "PonteiroTipoCobranca";
    EXPECT_EQ(b[1164], 0x05) << "PonteiroTipoPeriodo";
    TCMRERegistroEntrada lido;
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.CondicaoPgto.GetPonteiroTipoCobranca(), 0x0304);
    EXPECT_EQ(lido.CondicaoPgto.GetPonteiroTipoPeriodo(), 0x05);
}

TEST_F(RegistroTest, ObservationsAreCutTo7000InTheRecord)
{
    TCMRERegistroEntrada r;
    r.SetObservacaoGeral(CString(std::string(7000, 'g').c_str()));
    r.SetObservacaoFisco(CString(std::string(7001, 'f').c_str()));
    EXPECT_EQ(r.GetObservacaoFisco().GetLength(), 7001) << "the setter does not cut";
    tagREG_ENTRADAPS& ps = Envia(r);
    EXPECT_EQ(ps.TamObservacaoGeral, 7001);
    EXPECT_EQ(ps.TamObservacaoFisco, 7001);
    EXPECT_EQ(std::strlen(ps.pObservacaoFisco), 7000u);
    EXPECT_EQ(r.GetObservacaoFisco().GetLength(), 7000) << "cut in the record itself";

    TCMRERegistroEntrada vazio;
    vazio.SetObservacaoGeral("");
    tagREG_ENTRADAPS& pv = Envia(vazio);
    EXPECT_EQ(pv.TamObservacaoGeral, 0);
    EXPECT_EQ(pv.pObservacaoGeral, nullptr) << "no one-byte empty string";
}

TEST_F(RegistroTest, RefillWithoutObservationsEmptiesThem)
{
    TCMRERegistroEntrada r = Exemplo();
    TCMRERegistroEntrada vazio;
    tagREG_ENTRADAPS& ps = Envia(vazio);
    r.CopiarDe(&ps);
    EXPECT_TRUE(r.GetObservacaoGeral().IsEmpty());
    EXPECT_EQ(r.GetQuantidadeProduto(), 0);
    EXPECT_EQ(r.CondicaoPgto.GetQuantidadeParcela(), 0);
}

TEST_F(RegistroTest, ObservationLengthOnlySaysATextIsThere)
{
    tagREG_ENTRADAPS ps{};
    char geral[] = "completo";
    std::string fisco(7500, 'f');
    ps.TamObservacaoGeral = 2;
    ps.pObservacaoGeral = geral;
    ps.TamObservacaoFisco = 1;
    ps.pObservacaoFisco = fisco.data();
    TCMRERegistroEntrada r;
    r.CopiarDe(&ps);
    EXPECT_STREQ(r.GetObservacaoGeral().GetString(), "completo");
    EXPECT_GE(r.GetObservacaoFisco().GetLength(), 7000) << "read to its NUL, not to the length field";
}

TEST_F(RegistroTest, ComparedFieldsMakeADifference)
{
    const TCMRERegistroEntrada a = Exemplo();
    auto difere = [&](auto muda, const char* campo) {
        TCMRERegistroEntrada b = a;
        muda(b);
        EXPECT_FALSE(a == b) << campo;
        EXPECT_TRUE(a != b) << campo;
    };
    difere(
        [](TCMRERegistroEntrada& b) {
            _JQ_NFE_ps n{};
            n.bytes[23] = 1;
            b.SetRegNFe(n);
        },
        "RegNFe");
    difere([](TCMRERegistroEntrada& b) { b.SetNSU(1ull << 32); }, "NSU high half");
    difere([](TCMRERegistroEntrada& b) { b.SetObservacaoFisco("x"); }, "ObservacaoFisco");
    difere([](TCMRERegistroEntrada& b) { b.CondicaoPgto.SetPonteiroTipoCobranca(9); }, "CondicaoPgto");
    difere([](TCMRERegistroEntrada& b) { b.SetComplementoHistorico("Compra de material"); }, "ComplementoHistorico");
}

TEST_F(RegistroTest, EveryFieldOfTheHeaderBlockIsComparedOrExcluded)
{
    int n = 0;
    auto erros = re_teste::CamposForaDaComparacao<TCMRERegistroEntrada, tagREG_ENTRADAPS>(Exemplo(), n);
    const std::set<std::string> excluidos = {"RegDataUltimaAlteracao",
                                             "RegPonteiroPreGravacao",
                                             "RegPonteiroEsteRE",
                                             "RegDataInclusaoRE",
                                             "JQDMC",
                                             "Usuario",
                                             "PodeUsarPCC",
                                             "VariasNotasDevolucaoRetorno",
                                             "GravarMarkup",
                                             "VersaoGravacao",
                                             "IndicadorTipoNF",
                                             "RegistroGravadoSemIntegracao",
                                             "PonteiroTipoPeriodo"}; // the last through CondicaoPgto
    EXPECT_EQ(std::set<std::string>(erros.begin(), erros.end()), excluidos);
    EXPECT_EQ(erros.size(), excluidos.size());
}

TEST_F(RegistroTest, HistoryComplementIsComparedLastWithTheOtherTextFirst)
{
    TCMRERegistroEntrada a = Exemplo();
    TCMRERegistroEntrada b = a;
    b.SetComplementoHistorico("outro texto");
    re_teste::ObservaComplemento obs;
    EXPECT_FALSE(a == b);
    ASSERT_FALSE(obs.chamadas.empty());
    EXPECT_EQ(obs.chamadas.back().first, "outro texto");
    EXPECT_EQ(obs.chamadas.back().second, "compra de material");
    obs.chamadas.clear();
    b.SetSituacao(1);
    EXPECT_FALSE(a == b);
    for (const auto& c : obs.chamadas)
        EXPECT_NE(c.first, "outro texto") << "not reached after an earlier difference";
}

TEST(RegistroTamanhos, ArraySizeThatOverflowsIsRefusedNotShortened)
{
    const size_t n = static_cast<size_t>(-1) / sizeof(tagREG_ITEM_ENTRADA_PRODUTOPS) + 1;
    bool recusou = false;
    try {
        delete[] tolv::NovoArray<tagREG_ITEM_ENTRADA_PRODUTOPS>(n);
    } catch (CMemoryException* e) {
        e->Delete();
        recusou = true;
    }
    EXPECT_TRUE(recusou) << n << " product elements";
}

} // namespace
