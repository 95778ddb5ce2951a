// The movement's element records: each is its structure, sent whole; the item
// adds a value the structure never carries. And the class records of the
// freight bill and the movement in the module's class list.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraEF.h"

namespace {

template <class R, class S> void EscreveElemento(const R& r, S& so, S*& p)
{
    T_Lista<R> l;
    l.Add(r);
    unsigned short n = 0;
    tolv::EscreveLista(l, n, p);
    r.CopiarPara(&so);
}

TEST(EFElementos, ListWritingFormSendsWhatTheRecordSends)
{
    amostra::Gerador g(9);
    auto confere = [](const auto& r, auto so) {
        decltype(&so) p = nullptr;
        EscreveElemento(r, so, p);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(std::memcmp(p, &so, sizeof so), 0) << tolv::Layout<decltype(so)>::desc.nome;
        EXPECT_FALSE(re_teste::Bytes(so, 0, sizeof so)) << "a filled record";
        delete[] p;
    };
    confere(amostra::DIEF(g), _REG_DADOS_DIPS{});
    confere(amostra::ParcelaEF(g, 1), _REG_EF_NF_FINANCEIRO_PS{});
    confere(amostra::ReferidaEF(g), _REG_EF_NF_REFERIDA_PS{});
    confere(amostra::TransporteEF(g), _REG_NOTAS_FISCIASPS{});
}

// The texts of the elements have their terminator byte, which no setter writes.
TEST(EFElementos, TextKeepsItsTerminatorByte)
{
    TEFMovimentoDI d;
    d.SetNumeroDI("123456789012345");
    EXPECT_EQ(d.GetNumeroDI(), CString("123456789012"));
    _REG_DADOS_DIPS ps;
    std::memset(&ps, 0xFF, sizeof ps);
    d.CopiarPara(&ps);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&ps)[50], 0) << "byte 50 stays zero";
}

TEST(EFElementos, ItemKeepsItsUnitValueOutOfTheStructure)
{
    TEFMovimentoItem it;
    it.SetValorUnitario(JQCY(123456));
    REG_JQDMAPS d{{1, 2, 3, 4, 5, 6, 7, 8}};
    it.SetdmaDataRegistro(d);
    EXPECT_EQ(it.GetdmaDataRegistro(), d) << "the 8 bytes whole";
    it.SetRegAjusteICMS_Base(JQCY(-5));
    _REG_ITENS_NF_PS ps;
    it.CopiarPara(&ps);
    EXPECT_EQ(std::memcmp(&ps.dmaDataRegistro, &d, 8), 0);
    EXPECT_EQ(ps.RegAjusteICMS_Base.int64, -5);
    TEFMovimentoItem copia(it);
    EXPECT_EQ(copia.GetValorUnitario().int64, 123456) << "copied";
    _REG_ITENS_NF_PS sem;
    TEFMovimentoItem outro = it;
    outro.SetValorUnitario(JQCY(0));
    outro.CopiarPara(&sem);
    EXPECT_EQ(std::memcmp(&ps, &sem, sizeof ps), 0) << "never sent";
    it.Limpar();
    EXPECT_EQ(it.GetValorUnitario().int64, 0);
}

void Coleta(const CRuntimeClass* c, void* ctx)
{
    static_cast<std::vector<std::string>*>(ctx)->push_back(c->m_lpszClassName);
}

TEST(ClassesCTEF, NineClassRecordsAreInTheClassListWithTheirBases)
{
    std::vector<std::string> nomes;
    AfxDoForAllClasses(Coleta, &nomes);
    const struct {
        const CRuntimeClass* classe;
        const CRuntimeClass* base;
    } casos[] = {
        {RUNTIME_CLASS(TCMCTConhecimentoTransporte), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TCMCTRateio), RUNTIME_CLASS(TCMRateioBase)},
        {RUNTIME_CLASS(TEFMovimento), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoAliquotaICMS), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoItem), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoDI), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoParcela), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoReferida), RUNTIME_CLASS(TJQBaseParaDados)},
        {RUNTIME_CLASS(TEFMovimentoTransporte), RUNTIME_CLASS(TJQBaseParaDados)},
    };
    for (const auto& c : casos) {
        const char* nome = c.classe->m_lpszClassName;
        EXPECT_NE(std::find(nomes.begin(), nomes.end(), nome), nomes.end()) << nome;
        EXPECT_EQ(c.classe->m_pfnGetBaseClass(), c.base) << nome;
    }
    EXPECT_EQ(TEFMovimentoDI().GetRuntimeClass(), RUNTIME_CLASS(TEFMovimentoDI));
    EXPECT_EQ(TCMCTRateio().GetRuntimeClass(), RUNTIME_CLASS(TCMCTRateio));
    EXPECT_EQ(TCMCTParcela().GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados)) << "no class record of its own";
    EXPECT_EQ(TCMCTNotaFiscal().GetRuntimeClass(), RUNTIME_CLASS(TJQBaseParaDados));
}

} // namespace
