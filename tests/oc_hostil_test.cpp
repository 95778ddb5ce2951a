// Bad input for the purchase order: missing, unreadable and oversize arrays
// and texts, arbitrary trees; and the authorization list, whose caller's
// structure is the library's only in its count and pointer.
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/re_teste.h"
#include "tolvdata.h"
#include "tools/AmostraOC.h"
#include "tools/Amostras.h"

namespace {

using re_teste::Bytes;
using re_teste::LancaArgumentoInvalido;

TCMOCOrdemCompra Exemplo()
{
    amostra::Gerador g(2323);
    amostra::FormaOrdem f;
    f.itens = 3;
    TCMOCOrdemCompra o;
    amostra::Ordem(o, g, f);
    return o;
}

// The library's one text rule: a length that is not 0 only says a text is
// there; the text runs to its NUL, or to the end of the readable memory.
TEST(HostilOC, ReceiptTextIsReadToItsNulWhateverItsLength)
{
    const size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    auto* b = static_cast<char*>(mmap(nullptr, 2 * pagina, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(b, MAP_FAILED);
    ASSERT_EQ(mprotect(b + pagina, pagina, PROT_NONE), 0);
    std::memcpy(b, "completo", 9);
    std::memcpy(b + pagina - 5, "final", 5); // no NUL before the dead page
    struct Caso {
        const char* nome;
        unsigned short tamanho;
        const char* texto;
        const char* esperado;
    };
    const Caso casos[] = {
        {"length 2 over a longer text", 2, b, "completo"},
        {"length 200 over a shorter text", 200, b, "completo"},
        {"length 0", 0, b, ""},
        {"null text", 9, nullptr, ""},
        {"a text running into a dead page", 6, b + pagina - 5, "final"},
        {"a text in a dead page", 6, b + pagina, ""},
    };
    for (const Caso& c : casos) {
        tagREG_RECEBIMENTO_COMPRAPS ps{};
        ps.TamObservacao = c.tamanho;
        ps.pObservacao = const_cast<char*>(c.texto);
        TCMOCRecebimento r;
        r.SetObservacao("anterior");
        r.CopiarDe(&ps);
        EXPECT_EQ(std::string(r.GetObservacao().GetString()), c.esperado) << c.nome;
        tagREG_RECEBIMENTO_COMPRAPS w;
        r.CopiarPara(&w);
        EXPECT_EQ(w.TamObservacao, c.esperado[0] ? std::strlen(c.esperado) + 1 : 0) << c.nome << ": sent back";
        delete[] w.pObservacao;
    }
    munmap(b, 2 * pagina);
}

// A list too long for its 16-bit count, or a text too long for its 16-bit
// length, is refused before its block is taken; what was written before is
// still released by ZerarDelete (the sanitizers check it).
TEST(HostilOC, OversizeListsAndTextsAreRefusedAndTheRestReleases)
{
    struct Caso {
        const char* nome;
        void (*muda)(TCMOCOrdemCompra&);
        bool itemFalha; // the failure is inside item 1
    };
    const Caso casos[] = {
        {"65536 management lines",
         [](TCMOCOrdemCompra& o) { o.GetRefItem(1).GetRefRateio(1).GetListaGerencial().SetSize(65536); }, true},
        {"65536 receipts",
         [](TCMOCOrdemCompra& o) { o.GetRefItem(1).GetRefProgramacao(0).GetListaRecebimento().SetSize(65536); }, true},
        {"an observation of 65535 characters",
         [](TCMOCOrdemCompra& o) {
             o.GetRefItem(1).GetRefProgramacao(1).GetRefRecebimento(0).SetObservacao(
                 CString(std::string(65535, 'o').c_str()));
         },
         true},
        {"65536 instalments", [](TCMOCOrdemCompra& o) { o.GetListaParcela().SetSize(65536); }, false},
    };
    for (const Caso& c : casos) {
        TCMOCOrdemCompra o = Exemplo();
        c.muda(o);
        tagREG_ORDEMPS ps;
        std::memset(&ps, 0xFF, sizeof ps);
        EXPECT_TRUE(LancaArgumentoInvalido([&] { o.CopiarPara(&ps); })) << c.nome;
        ASSERT_EQ(ps.QtdItem, 3) << c.nome;
        EXPECT_EQ(ps.QtdParcela, 0) << c.nome << ": no truncated count, nothing after the failure";
        EXPECT_EQ(ps.pParcela, nullptr) << c.nome;
        const tagREG_ITENS_ORDEMPS& falho = ps.pItem[1];
        if (c.itemFalha) {
            EXPECT_TRUE(Bytes(ps.pItem[2], 0, sizeof ps.pItem[2])) << c.nome << ": the items after it are zero";
            EXPECT_EQ(falho.QtdRateio, 2) << c.nome;
        } else {
            EXPECT_EQ(ps.pItem[2].QtdProgramacao, 2) << c.nome << ": the items are whole";
        }
        std::vector<int> contagens;
        for (int k = 0; k < falho.QtdRateio; ++k)
            contagens.push_back(falho.pRateio[k].QtdGerencial);
        for (int k = 0; k < falho.QtdProgramacao; ++k) {
            contagens.push_back(falho.pProgramacao[k].QtdRecebimento);
            for (int j = 0; j < falho.pProgramacao[k].QtdRecebimento; ++j)
                contagens.push_back(falho.pProgramacao[k].pRecebimento[j].TamObservacao);
        }
        for (int n : contagens)
            EXPECT_TRUE(n == 0 || n == 1 || n == 2 || n == 61) << c.nome << ": count or length " << n;
        TCMOCOrdemCompra::ZerarDelete(&ps);
    }
    // The largest that fit.
    TCMOCRecebimento r;
    r.SetObservacao(CString(std::string(65534, 'o').c_str()));
    tagREG_RECEBIMENTO_COMPRAPS w;
    r.CopiarPara(&w);
    EXPECT_EQ(w.TamObservacao, 65535);
    delete[] w.pObservacao;
    TCMOCRateio rateio;
    rateio.GetListaGerencial().SetSize(65535);
    tagREG_RATEIO_COMPRAPS wr;
    rateio.CopiarPara(&wr);
    EXPECT_EQ(wr.QtdGerencial, 65535);
    delete[] wr.pGerencial;
}

// --- The authorization list -------------------------------------------------------

// The caller's structure, longer than the library's 28 bytes, 0xAB outside
// the count and the pointer.
struct Chamador {
    unsigned char b[64];
    Chamador() { std::memset(b, 0xAB, sizeof b); }
    tagREG_LISTAAUTORIZACAO_COMPRAPS* ps() { return reinterpret_cast<tagREG_LISTAAUTORIZACAO_COMPRAPS*>(b); }
    bool Intocado() const { return Bytes(b, 0, 22, 0xAB) && Bytes(b, 28, sizeof b, 0xAB); }
};

TEST(ListaAutorizacao, OnlyTheCountAndPointerAreWrittenReadAndFreed)
{
    amostra::Gerador g(9);
    TCMOCListaAutorizacao l;
    amostra::ListaAutorizacao(l, g, 3);
    Chamador c;
    l.CopiarPara(c.ps());
    EXPECT_TRUE(c.Intocado()) << "sending";
    ASSERT_EQ(c.ps()->QtdAutorizacao, 3);
    for (int k = 0; k < 3; ++k) {
        tagREG_AUTORIZACAO_COMPRAPS so;
        l.GetAutorizacao(k).CopiarPara(&so);
        EXPECT_EQ(std::memcmp(&c.ps()->pAutorizacao[k], &so, sizeof so), 0) << "authorization " << k;
    }
    TCMOCListaAutorizacao lido;
    lido.AdicionaAutorizacao(TCMOCAutorizacao());
    lido.CopiarDe(c.ps());
    EXPECT_TRUE(c.Intocado()) << "reading";
    ASSERT_EQ(lido.GetQuantidadeAutorizacao(), 3);
    EXPECT_EQ(lido.GetAutorizacao(2).GetUsuario(), l.GetAutorizacao(2).GetUsuario());
    TCMOCListaAutorizacao::ZerarDelete(c.ps());
    EXPECT_TRUE(c.Intocado()) << "ZerarDelete";
    EXPECT_EQ(c.ps()->QtdAutorizacao, 0);
    EXPECT_EQ(c.ps()->pAutorizacao, nullptr);
    TCMOCListaAutorizacao::ZerarDelete(c.ps());

    // A block of the other side, with a count of 0: still released.
    auto* bloco = static_cast<tagREG_AUTORIZACAO_COMPRAPS*>(CoTaskMemAlloc(2 * sizeof(tagREG_AUTORIZACAO_COMPRAPS)));
    c.ps()->QtdAutorizacao = 0;
    c.ps()->pAutorizacao = bloco;
    lido.CopiarDe(c.ps());
    EXPECT_EQ(lido.GetQuantidadeAutorizacao(), 0);
    TCMOCListaAutorizacao::ZerarGlobalAlloc(c.ps());
    EXPECT_TRUE(c.Intocado()) << "ZerarGlobalAlloc";
    EXPECT_EQ(c.ps()->QtdAutorizacao, 0);
    EXPECT_EQ(c.ps()->pAutorizacao, nullptr);

    // A count without its block.
    c.ps()->QtdAutorizacao = 7;
    lido.CopiarDe(c.ps());
    EXPECT_EQ(lido.GetQuantidadeAutorizacao(), 0);
    TCMOCListaAutorizacao::ZerarGlobalAlloc(c.ps());
    EXPECT_EQ(c.ps()->QtdAutorizacao, 0);
}

TEST(ListaAutorizacao, EmptyAndOversizeListsSendNoBlock)
{
    Chamador c;
    TCMOCListaAutorizacao l;
    l.CopiarPara(c.ps());
    EXPECT_EQ(c.ps()->QtdAutorizacao, 0);
    EXPECT_EQ(c.ps()->pAutorizacao, nullptr);
    l.GetListaAutorizacao().SetSize(65536);
    Chamador d;
    EXPECT_TRUE(LancaArgumentoInvalido([&] { l.CopiarPara(d.ps()); }));
    EXPECT_TRUE(d.Intocado());
    EXPECT_EQ(d.ps()->QtdAutorizacao, 0) << "no truncated count";
    EXPECT_EQ(d.ps()->pAutorizacao, nullptr);
    TCMOCListaAutorizacao copia(l);
    EXPECT_EQ(copia.GetQuantidadeAutorizacao(), 65536);
    copia.Limpar();
    EXPECT_EQ(copia.GetQuantidadeAutorizacao(), 0);
}

} // namespace
