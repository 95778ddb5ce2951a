// The road of one document: a register from the server (task-allocator blocks),
// read, released, kept, checksummed, edited, compared, sent and released.
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tolvdata.h"
#include "tools/AmostraRE.h"
#include "tools/Amostras.h"

namespace {

const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

// The server's structure for r: every nested block from CoTaskMemAlloc.
tagREG_ENTRADAPS* DoServidor(TCMRERegistroEntrada& r)
{
    tagREG_ENTRADAPS feito;
    r.CopiarPara(&feito);
    auto* ps = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof(tagREG_ENTRADAPS)));
    amostra::ClonaComTaskMem(DescRE(), &feito, ps);
    TCMRERegistroEntrada::ZerarDelete(&feito);
    return ps;
}

TEST(Estrada, WholeRoadOfOneRegister)
{
    amostra::Gerador g(2024);
    amostra::FormaRegistro f;
    f.produtos = 12;
    TCMRERegistroEntrada original;
    amostra::Registro(original, g, f);

    tagREG_ENTRADAPS* srv = DoServidor(original);
    TCMRERegistroEntrada r;
    r.CopiarDe(srv);
    TCMRERegistroEntrada::ZerarGlobalAlloc(srv);
    CoTaskMemFree(srv);
    ASSERT_TRUE(r == original);
    ASSERT_EQ(r.GetQuantidadeProduto(), 12);
    EXPECT_EQ(r.GetProduto(3).GetQuantidadeRateio(), 2);
    EXPECT_EQ(r.GetProduto(3).GetRateio(1).GetQuantidadeGerencial(), 2);
    EXPECT_EQ(r.GetProduto(3).GetEntradaEstoque(0).GetQuantidadeComposicao(), 2);

    TCMRERegistroEntrada guardado(r);
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        r.GetRefProduto(i).Set_CRC(r.GetProduto(i).CalculaCRC());
    EXPECT_TRUE(r == guardado) << "stored checksums are not compared";

    TCMREItemProduto& p = r.GetRefProduto(7);
    p.SetValorTotal(JQCY(p.GetValorTotal().int64 + 1));
    EXPECT_FALSE(r == guardado);
    std::vector<int> mudados;
    for (int i = 0; i < r.GetQuantidadeProduto(); ++i)
        if (r.GetProduto(i).CalculaCRC() != r.GetProduto(i).Get_CRC())
            mudados.push_back(i);
    EXPECT_EQ(mudados, std::vector<int>{7});

    tagREG_ENTRADAPS enviado;
    std::memset(&enviado, 0xFF, sizeof enviado);
    r.CopiarPara(&enviado);
    TCMRERegistroEntrada volta;
    volta.CopiarDe(&enviado);
    EXPECT_TRUE(volta == r);
    TCMRERegistroEntrada::ZerarDelete(&enviado);
}

TEST(Estrada, SendingTwiceGivesTheSameBytes)
{
    amostra::Gerador g(7);
    TCMRERegistroEntrada r;
    amostra::Registro(r, g);
    tagREG_ENTRADAPS a, b;
    r.CopiarPara(&a);
    TCMRERegistroEntrada c(r);
    c.CopiarPara(&b);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescRE(), &a, &b, onde)) << onde;
    TCMRERegistroEntrada::ZerarDelete(&a);
    TCMRERegistroEntrada::ZerarDelete(&b);
}

// The fuzzers' property over fixed inputs: any tree read in, written, read back
// and written again gives identical structures and equal records.
void IdaEVolta(uint32_t semente, bool hostil)
{
    std::mt19937 gen(semente);
    std::vector<uint8_t> bytes(6000);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(gen());
    amostra::Fonte fonte(bytes.data(), bytes.size());
    amostra::Opcoes o;
    o.hostil = hostil;
    auto* srv = static_cast<tagREG_ENTRADAPS*>(CoTaskMemAlloc(sizeof(tagREG_ENTRADAPS)));
    amostra::Constroi(DescRE(), srv, fonte, o);
    TCMRERegistroEntrada r1;
    r1.CopiarDe(srv);
    TCMRERegistroEntrada::ZerarGlobalAlloc(srv);
    CoTaskMemFree(srv);

    tagREG_ENTRADAPS s1, s2;
    r1.CopiarPara(&s1);
    TCMRERegistroEntrada r2;
    r2.CopiarDe(&s1);
    EXPECT_TRUE(r1 == r2) << "seed " << semente;
    r2.CopiarPara(&s2);
    std::string onde;
    EXPECT_TRUE(amostra::Iguais(DescRE(), &s1, &s2, onde)) << "seed " << semente << ": " << onde;
    TCMRERegistroEntrada::ZerarDelete(&s1);
    TCMRERegistroEntrada::ZerarDelete(&s2);
}

TEST(Estrada, ArbitraryTreesRoundTrip)
{
    for (uint32_t s = 1; s <= 40; ++s)
        IdaEVolta(s, false);
}

TEST(Estrada, HostileTreesNeverCrashOrLeak)
{
    for (uint32_t s = 1; s <= 40; ++s)
        IdaEVolta(s, true);
}

} // namespace

namespace {

// Each product's lists keep the growth rule's capacity (room for 100 on the
// first append) without each holding storage for 100 large records, so a large
// register still fits the 32-bit address space.
TEST(Estrada, LargeRegisterFitsTheAddressSpace)
{
    amostra::Gerador g(3);
    amostra::FormaRegistro f;
    f.produtos = 20000;
    f.servicos = f.parcelas = f.titulos = f.referidas = f.observacoesCFOP = f.associacoes = 0;
    f.produto = amostra::FormaProduto{1, 1, 0, 0, 0, 0, 0};
    TCMRERegistroEntrada r;
    amostra::Registro(r, g, f);
    ASSERT_EQ(r.GetQuantidadeProduto(), 20000);
    EXPECT_EQ(r.GetProduto(0).GetListaRateio().GetCapacidade(), 100);
    tagREG_ENTRADAPS ps;
    r.CopiarPara(&ps);
    TCMRERegistroEntrada lido;
    lido.CopiarDe(&ps);
    TCMRERegistroEntrada::ZerarDelete(&ps);
    EXPECT_EQ(lido.GetQuantidadeProduto(), 20000);
    EXPECT_EQ(lido.GetProduto(19999).GetQuantidadeRateio(), 1);
}

} // namespace
