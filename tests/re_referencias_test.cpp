// Referred invoices, CFOP notes and order associations of the entry register.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "re_teste.h"

namespace {

using namespace re_teste;

REG_JQDMA Data(unsigned char d) { return REG_JQDMA{{d, 7, 0xE8, 0x07}}; }

// --- Referred invoice -------------------------------------------------------------

TCMRENFReferidas Referida()
{
    TCMRENFReferidas r;
    r.SetRegDataEmissaoNotaFiscalOrigem(Data(12));
    _JQ_NFE_ps nfe;
    for (int k = 0; k < 24; ++k)
        nfe.bytes[k] = static_cast<BYTE>(k + 1);
    r.SetRegNFe(nfe);
    r.SetValorTotalNotaFiscalOrigem(JQCY(1234500));
    r.SetPonteiroNF(77);
    r.SetPonteiroECF(3);
    r.SetTipoNota(2);
    r.SetNumeroNotaFiscalOrigem("000123");
    r.SetModeloNotaFiscalOrigem("55");
    r.SetSubserieNotaFiscalOrigem("1");
    r.SetSerieNotaFiscalOrigem("U");
    return r;
}

TEST(NFReferidas, RawBlockTravelsBothWaysWithReservedZero)
{
    tagREG_RE_NF_REFERIDA_PS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    Referida().CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 81, 104)) << "reserved at 81";
    EXPECT_TRUE(Bytes(ps, 4, 8)) << "zero half of the date slot";
    EXPECT_EQ(ps.PonteiroNF, 77);
    EXPECT_STREQ(ps.SerieNotaFiscalOrigem, "U");
    TCMRENFReferidas lido;
    lido.SetPonteiroNF(5);
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Referida());
}

TEST(NFReferidas, EveryFieldIsComparedButNotTheDateSlotTail)
{
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMRENFReferidas, tagREG_RE_NF_REFERIDA_PS>(Referida(), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 10);

    tagREG_RE_NF_REFERIDA_PS ps;
    Referida().CopiarPara(&ps);
    reinterpret_cast<unsigned char*>(&ps)[5] = 9;
    TCMRENFReferidas lido;
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Referida()) << "only the 4-byte date is compared";

    TCMRENFReferidas b = Referida();
    b.SetNumeroNotaFiscalOrigem("000123 ");
    EXPECT_TRUE(b != Referida()) << "NumeroNotaFiscalOrigem exact";
    b = Referida();
    b.SetSerieNotaFiscalOrigem("u");
    EXPECT_TRUE(b != Referida()) << "SerieNotaFiscalOrigem case-sensitive";
}

TEST(NFReferidas, TextsKeepTheirCapacityAndDropTheRest)
{
    TCMRENFReferidas r;
    r.SetNumeroNotaFiscalOrigem("12345678901234567");
    EXPECT_EQ(r.GetNumeroNotaFiscalOrigem(), CString("12345678901234567"));
    r.SetNumeroNotaFiscalOrigem("123456789012345678");
    EXPECT_EQ(r.GetNumeroNotaFiscalOrigem(), CString("12345678901234567"));
    r.SetModeloNotaFiscalOrigem("5555");
    EXPECT_EQ(r.GetModeloNotaFiscalOrigem(), CString("555"));
    r.SetSubserieNotaFiscalOrigem("1234567");
    EXPECT_EQ(r.GetSubserieNotaFiscalOrigem(), CString("12345"));
    EXPECT_EQ(r.GetSerieNotaFiscalOrigem(), CString("")) << "neighbour untouched";
}

TEST(NFReferidas, CopyAssignAndClear)
{
    TCMRENFReferidas a = Referida();
    TCMRENFReferidas b(a);
    EXPECT_TRUE(b == a);
    TCMRENFReferidas c;
    c = a;
    TCMRENFReferidas& ref = c;
    c = ref;
    EXPECT_TRUE(c == a);
    c.Limpar();
    EXPECT_TRUE(c == TCMRENFReferidas());
    tagREG_RE_NF_REFERIDA_PS ps;
    c.CopiarPara(&ps);
    EXPECT_TRUE(Bytes(ps, 0, sizeof ps));
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

TEST_F(ObservacaoCFOPTest, EmptyNoteSendsSizeZeroAndNullPointer)
{
    std::memset(&ps, 0xFF, sizeof ps);
    Nota("").CopiarPara(&ps);
    EXPECT_EQ(ps.PonteiroCFOP, 1102);
    EXPECT_EQ(ps.TamanhoObservacao, 0);
    EXPECT_EQ(ps.pObservacao, nullptr);
    EXPECT_TRUE(Bytes(ps, 6, 28)) << "reserved at 6";
}

TEST_F(ObservacaoCFOPTest, NoteTravelsAsLengthPlusOneAndComesBack)
{
    Nota("frete").CopiarPara(&ps);
    ASSERT_EQ(ps.TamanhoObservacao, 6);
    ASSERT_NE(ps.pObservacao, nullptr);
    EXPECT_EQ(std::memcmp(ps.pObservacao, "frete", 6), 0);
    TCMREObservacaoCFOP lido = Nota("outra");
    lido.CopiarDe(&ps);
    EXPECT_TRUE(lido == Nota("frete"));
    EXPECT_EQ(lido.GetObservacao(), CString("frete"));
    // the record keeps no size or pointer of its own
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS outro{};
    lido.SetObservacao("");
    lido.CopiarPara(&outro);
    EXPECT_EQ(outro.TamanhoObservacao, 0);
    EXPECT_EQ(outro.pObservacao, nullptr);
}

TEST_F(ObservacaoCFOPTest, NullOrUnreadableTextReadsAsEmpty)
{
    ps.PonteiroCFOP = 5;
    ps.TamanhoObservacao = 40;
    TCMREObservacaoCFOP lido = Nota("velha");
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetObservacao(), CString(""));
    EXPECT_EQ(lido.GetPonteiroCFOP(), 5);

    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    void* m = mmap(nullptr, pagina, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(m, MAP_FAILED);
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS ruim{};
    ruim.TamanhoObservacao = 10;
    ruim.pObservacao = static_cast<char*>(m);
    lido.CopiarDe(&ruim);
    EXPECT_EQ(lido.GetObservacao(), CString(""));
    lido.CopiarDe(static_cast<tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS*>(m));
    EXPECT_TRUE(lido == TCMREObservacaoCFOP()) << "unreadable structure leaves the note cleared";
    munmap(m, pagina);
}

TEST_F(ObservacaoCFOPTest, NoteTooLongForItsSizeIsRefused)
{
    std::string longo(65534, 'x');
    Nota(longo.c_str()).CopiarPara(&ps);
    EXPECT_EQ(ps.TamanhoObservacao, 65535);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);

    longo += 'y';
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS outro;
    std::memset(&outro, 0xFF, sizeof outro);
    EXPECT_TRUE(LancaArgumentoInvalido([&] { Nota(longo.c_str()).CopiarPara(&outro); }));
    EXPECT_EQ(outro.TamanhoObservacao, 0) << "no truncated size";
    EXPECT_EQ(outro.pObservacao, nullptr);
    std::memset(&ps, 0, sizeof ps);
}

TEST(ObservacaoCFOP, ComparesCFOPThenTextExactly)
{
    EXPECT_TRUE(Nota("Frete") == Nota("Frete"));
    EXPECT_TRUE(Nota("Frete") != Nota("frete")) << "Observacao case-sensitive";
    TCMREObservacaoCFOP b = Nota("Frete");
    b.SetPonteiroCFOP(1403);
    EXPECT_TRUE(b != Nota("Frete")) << "PonteiroCFOP";
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREObservacaoCFOP, tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS>(Nota(""), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 1);
}

TEST(ObservacaoCFOP, CopyAssignAndClear)
{
    TCMREObservacaoCFOP a = Nota("nota");
    TCMREObservacaoCFOP b;
    b = a;
    EXPECT_EQ(b.GetObservacao(), CString("nota"));
    EXPECT_TRUE(TCMREObservacaoCFOP(a) == a);
    b.Limpar();
    EXPECT_EQ(b.GetObservacao(), CString(""));
    EXPECT_EQ(b.GetPonteiroCFOP(), 0);
}

// --- Order association ------------------------------------------------------------

TCMREItemAssociacaoREOC Associacao(bool cancelar)
{
    TCMREItemAssociacaoREOC a;
    a.SetTaxaConversao_deprecated(JQCY(10000));
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
    EXPECT_TRUE(Bytes(com, 22, 40)) << "reserved at 22";
    TCMREItemAssociacaoREOC lido = Associacao(true);
    lido.CopiarDe(&com);
    EXPECT_FALSE(lido.GetCancelarItem());
    EXPECT_TRUE(lido == Associacao(false));
}

TEST(ItemAssociacaoREOC, EveryFieldIsCompared)
{
    int n = 0;
    auto erros = CamposForaDaComparacao<TCMREItemAssociacaoREOC, tagREG_ASSOCIACAO_ITEM_RE_OCPS>(Associacao(false), n);
    EXPECT_TRUE(erros.empty()) << erros.front();
    EXPECT_EQ(n, 4);
}

TEST(ItemAssociacaoREOC, CopyAssignAndClearCarryCancelarItem)
{
    TCMREItemAssociacaoREOC b(Associacao(true));
    EXPECT_TRUE(b.GetCancelarItem());
    TCMREItemAssociacaoREOC c;
    c = b;
    EXPECT_TRUE(c == Associacao(true));
    c.Limpar();
    EXPECT_FALSE(c.GetCancelarItem());
    EXPECT_EQ(c.GetOrdem(), 0);
}

} // namespace
