// What holds for every contract record that travels as an element of a nested
// array, in both generations.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"

namespace {

// --- Texts of the second generation's amendments and stages ----------------------

template <class R, class S> void DescricaoViaja(const char* nome)
{
    S ps;
    std::memset(&ps, 0xFF, sizeof ps);
    R r;
    r.SetDescricao("");
    r.CopiarPara(&ps);
    EXPECT_EQ(ps.TamDescricao, 0) << nome;
    EXPECT_EQ(ps.pDescricao, nullptr) << nome << ": an empty text is no block";
    r.SetDescricao("cinco");
    r.CopiarPara(&ps);
    ASSERT_EQ(ps.TamDescricao, 6) << nome;
    EXPECT_STREQ(ps.pDescricao, "cinco") << nome;
    R lido;
    lido.SetDescricao("velha");
    lido.CopiarDe(&ps);
    EXPECT_EQ(lido.GetDescricao(), CString("cinco")) << nome;
    EXPECT_TRUE(lido == r) << nome;
    lido.SetDescricao("Cinco");
    EXPECT_TRUE(lido != r) << nome << ": compared case included";
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);

    std::string longa(65534, 'd');
    r.SetDescricao(longa.c_str());
    r.CopiarPara(&ps);
    EXPECT_EQ(ps.TamDescricao, 65535) << nome;
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
    r.SetDescricao((longa + "d").c_str());
    std::memset(&ps, 0xFF, sizeof ps);
    EXPECT_TRUE(re_teste::LancaArgumentoInvalido([&] { r.CopiarPara(&ps); })) << nome;
    EXPECT_EQ(ps.TamDescricao, 0) << nome << ": no truncated length";
    EXPECT_EQ(ps.pDescricao, nullptr) << nome;
}

TEST(ElementosCC2, DescriptionTravelsAsLengthPlusOne)
{
    DescricaoViaja<TCMCC2Aditivo, tagREG_ADITIVO_CONTRATO_COMPRAPS>("TCMCC2Aditivo");
    DescricaoViaja<TCMCC2Execucao, tagREG_EXECUCAO_CONTRATO_COMPRAPS>("TCMCC2Execucao");
}

TEST(ElementosCC2, DateSettersZeroTheSlotTailAndOnlyTheDateIsCompared)
{
    tagREG_PARCELA_CONTRATO_COMPRAPS ps;
    std::memset(&ps, 0x11, sizeof ps);
    TCMCC2Parcela p;
    p.CopiarDe(&ps);
    TCMCC2Parcela q;
    q.CopiarDe(&ps);
    q.SetRegDataVencimento(p.GetRegDataVencimento());
    EXPECT_TRUE(p == q) << "the 4 bytes after the date are not compared";
    tagREG_PARCELA_CONTRATO_COMPRAPS w;
    q.CopiarPara(&w);
    const auto* b = reinterpret_cast<const unsigned char*>(&w);
    EXPECT_TRUE(re_teste::Bytes(w, 4, 8)) << "zeroed by the setter";
    EXPECT_EQ(b[12], 0x11) << "the next slot's tail is as read";
    q.SetPeriodoJuros('M');
    EXPECT_EQ(b[67], 0x11);
    EXPECT_EQ(q.GetPeriodoJuros(), 'M');
}

TEST(ElementosCC, FixedTextsAreCutByTheirSetters)
{
    TCMCCAditivo a;
    std::string d(121, 'a');
    a.SetDescricaoAditivo(d.c_str());
    EXPECT_EQ(a.GetDescricaoAditivo().GetLength(), 121);
    a.SetDescricaoAditivo((d + "bc").c_str());
    EXPECT_EQ(a.GetDescricaoAditivo(), CString(d.c_str()));
    TCMCCExecucao e;
    e.SetDescricao(CString(std::string(600, 'e').c_str()));
    EXPECT_EQ(e.GetDescricao().GetLength(), 513);
    e.SetNome(CString(std::string(60, 'n').c_str()));
    EXPECT_EQ(e.GetNome().GetLength(), 51);
    tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS ps;
    e.CopiarPara(&ps);
    EXPECT_TRUE(re_teste::Bytes(ps, 51, 56)) << "Nome's terminator and the reserved bytes after it";
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&ps)[581], 0) << "Descricao's terminator";
}

// Lists of elements compared by their plans: identical blocks answer at once,
// and blocks that differ only outside the compared fields are still equal.
TEST(ElementosCC, ParcelListsCompareByTheirPlans)
{
    TCMCCContrato a, b;
    for (int k = 0; k < 120; ++k) {
        tagREG_CM_PARCELA_CONTRATO_COMPRAPS ps;
        std::memset(&ps, 0, sizeof ps);
        ps.NumeroDaParcela = static_cast<unsigned char>(k);
        ps.ValorParcela = JQCY(100 * k);
        TCMCCParcela p;
        p.CopiarDe(&ps);
        a.AdicionaParcela(p);
        ps.Reservado17[5] = 0x5A; // not compared
        p.CopiarDe(&ps);
        b.AdicionaParcela(p);
    }
    EXPECT_TRUE(a == TCMCCContrato(a));
    EXPECT_TRUE(a == b) << "reserved bytes are not compared";
    TCMCCParcela ultima = b.GetParcela(119);
    ultima.SetNumeroDaParcela(0);
    b.SetParcela(119, ultima);
    EXPECT_FALSE(a == b) << "the number of the last parcel";
}

} // namespace
