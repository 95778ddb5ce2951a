// Referred invoices, CFOP notes and order associations of the entry register.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

TCMRENFReferidas Referida()
{
    TCMRENFReferidas r;
    r.SetRegDataEmissaoNotaFiscalOrigem(REG_JQDMA{{12, 7, 0xE8, 0x07}});
    _JQ_NFE_ps nfe;
    for (int k = 0; k < 24; ++k)
        nfe.bytes[k] = static_cast<BYTE>(k + 1);
    r.SetRegNFe(nfe);
    r.SetValorTotalNotaFiscalOrigem(JQCY(1234500));
    r.SetPonteiroNF(77);
    r.SetNumeroNotaFiscalOrigem("000123");
    r.SetSerieNotaFiscalOrigem("U");
    return r;
}

TEST(NFReferidas, RawBlockTravelsAndTheDateTailIsNotCompared)
{
    tagREG_RE_NF_REFERIDA_PS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Referida().CopiarPara(&ps);
    TCMRENFReferidas lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Referida());

    reinterpret_cast<unsigned char*>(&ps)[5] = 9;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Referida()) << "only the 4-byte date is compared";
    lido.SetSerieNotaFiscalOrigem("u");
    EXPECT_TRUE(lido != Referida()) << "SerieNotaFiscalOrigem case-sensitive";
}

TEST(NFReferidas, TextsKeepTheirCapacityAndDropTheRest)
{
    TCMRENFReferidas r;
    r.SetNumeroNotaFiscalOrigem("123456789012345678");
    EXPECT_EQ(r.GetNumeroNotaFiscalOrigem(), CString("12345678901234567"));
    r.SetModeloNotaFiscalOrigem("5555");
    EXPECT_EQ(r.GetModeloNotaFiscalOrigem(), CString("555"));
    EXPECT_EQ(r.GetSubserieNotaFiscalOrigem(), CString("")) << "neighbour untouched";
}

// --- CFOP note --------------------------------------------------------------------

class ObservacaoCFOPTest : public testing::Test {
protected:
    void TearDown() override { tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete); }
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS ps{};
};

TCMREObservacaoCFOP Nota(const char* texto)
{
    TCMREObservacaoCFOP o;
    o.SetPonteiroCFOP(1102);
    o.SetObservacao(texto);
    return o;
}

TEST_F(ObservacaoCFOPTest, NoteTravelsAsLengthPlusOneAndEmptyAsNothing)
{
    std::memset(&ps, 0xFF, sizeof ps);
    Nota("").CopiarPara(&ps);
    EXPECT_EQ(ps.TamObservacao, 0);
    EXPECT_EQ(ps.pObservacao, nullptr);

    Nota("frete").CopiarPara(&ps);
    ASSERT_EQ(ps.TamObservacao, 6);
    EXPECT_EQ(std::memcmp(ps.pObservacao, "frete", 6), 0);
    TCMREObservacaoCFOP lido = Nota("outra");
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Nota("frete"));
}

TEST_F(ObservacaoCFOPTest, NullTextReadsAsEmptyWhateverItsSize)
{
    ps.TamObservacao = 40;
    TCMREObservacaoCFOP lido = Nota("velha");
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetObservacao(), CString(""));
}

TEST_F(ObservacaoCFOPTest, NoteTooLongForItsSixteenBitSizeIsRefused)
{
    std::string longo(65534, 'x');
    Nota(longo.c_str()).CopiarPara(&ps);
    EXPECT_EQ(ps.TamObservacao, 65535);
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS outro;
    std::memset(&outro, 0xFF, sizeof outro);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { Nota((longo + "y").c_str()).CopiarPara(&outro); }));
    EXPECT_EQ(outro.TamObservacao, 0) << "no truncated size";
    EXPECT_EQ(outro.pObservacao, nullptr);
}

TEST(ObservacaoCFOP, ComparesCFOPThenTextExactlyAndCopiesTheText)
{
    EXPECT_TRUE(Nota("Frete") != Nota("frete")) << "Observacao case-sensitive";
    TCMREObservacaoCFOP b;
    b = Nota("nota");
    EXPECT_TRUE(b == Nota("nota"));
    b.Limpar();
    EXPECT_EQ(b.GetObservacao(), CString(""));
}

// --- Order association ------------------------------------------------------------

TCMREItemAssociacaoREOC Associacao(bool cancelar)
{
    TCMREItemAssociacaoREOC a;
    a.SetBaixado(JQCY(35000));
    a.SetOrdem(4411);
    a.SetSequenciaItem(3);
    a.SetCancelarItem(cancelar);
    return a;
}

TEST(ItemAssociacaoREOC, CancelarItemIsComparedButNeverTransferred)
{
    EXPECT_TRUE(Associacao(true) != Associacao(false)) << "CancelarItem";
    tagREG_ASSOCIACAO_ITEM_RE_OCPS com, sem;
    std::memset(&com, 0xFF, sizeof com);
    std::memset(&sem, 0x00, sizeof sem);
    Associacao(true).CopiarPara(&com);
    Associacao(false).CopiarPara(&sem);
    EXPECT_EQ(std::memcmp(&com, &sem, sizeof com), 0);
    TCMREItemAssociacaoREOC lido = Associacao(true);
    lido.CopiarDe(&com);
    EXPECT_TRUE(lido == Associacao(false));
}

TEST(ItemAssociacaoREOC, CopyAndClearCarryCancelarItem)
{
    TCMREItemAssociacaoREOC c;
    c = Associacao(true);
    EXPECT_TRUE(TCMREItemAssociacaoREOC(c).GetCancelarItem());
    c.Limpar();
    EXPECT_FALSE(c.GetCancelarItem());
}

} // namespace
