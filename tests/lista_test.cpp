// The list container, the accessor family and the nested-array machinery.
#include <algorithm>
#include <condition_variable>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/CacheArmazenamento.h"
#include "tests/re_teste.h"
#include "tolvdata.h"

// clang-format off
#define TOLV_LAYOUT_tagTESTE_PAIPS(F)                                         \
    F(0,  LONG,   Chave,      RW)                                             \
    F(4,  USHORT, QtdLinhas,  NO)                                             \
    F(6,  RES(2), Reservado6, NO)                                             \
    F(8,  ARR(tagREG_CM_GERENCIALPS, QtdLinhas), pLinhas, NO)                 \
    F(12, ULONG,  TamTexto,   NO)                                             \
    F(16, TXTP(TamTexto), pTexto, NO)
TOLV_ESTRUTURA(tagTESTE_PAIPS, 20)

#define TOLV_LAYOUT_tagTESTE_AVOPS(F)                                         \
    F(0,  ULONG, QtdPais, NO)                                                 \
    F(4,  ARR(tagTESTE_PAIPS, QtdPais), pPais, NO)
TOLV_ESTRUTURA(tagTESTE_AVOPS, 8)

#define TOLV_LAYOUT_tagTESTE_SINALPS(F)                                       \
    F(0,  LONG, QtdPais, NO)                                                  \
    F(4,  ARR(tagTESTE_PAIPS, QtdPais), pPais, NO)
TOLV_ESTRUTURA(tagTESTE_SINALPS, 8)
// clang-format on

namespace {

using re_teste::LancaArgumentoInvalido;

// A small owner of one list, as the records declare them.
class Dono {
    TOLV_LISTA(TCMGerencial, Linhas)
};

TCMGerencial Linha(long conta)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(conta);
    return g;
}

class ListaTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (long c : {1, 2, 3})
            d.AdicionaLinhas(Linha(c));
    }
    void EsperaContas(std::initializer_list<long> contas)
    {
        ASSERT_EQ(d.GetQuantidadeLinhas(), static_cast<int>(contas.size()));
        int i = 0;
        for (long c : contas) {
            EXPECT_EQ(d.GetLinhas(i).GetPonteiroGerencial(), c) << "element " << i;
            ++i;
        }
    }
    template <class F> void EsperaInvalido(F f, const char* o_que)
    {
        EXPECT_TRUE(LancaArgumentoInvalido(f)) << o_que;
        EsperaContas({1, 2, 3});
    }
    Dono d;
};

TEST_F(ListaTest, BadIndexesThrowAndChangeNothing)
{
    EsperaInvalido([&] { d.DeletarLinhas(3); }, "DeletarLinhas(3)");
    EsperaInvalido([&] { d.GetLinhas(-1); }, "GetLinhas(-1)");
    EsperaInvalido([&] { d.GetRefLinhas(3); }, "GetRefLinhas(3)");
    EsperaInvalido([&] { d.SetLinhas(3, Linha(9)); }, "SetLinhas(3)");
    EsperaInvalido([&] { d.TrocaLinhas(0, 5); }, "TrocaLinhas(0, 5)");
    EsperaInvalido([&] { d.TrocaLinhas(-1, 0); }, "TrocaLinhas(-1, 0)");
    EsperaInvalido([&] { d.GetListaLinhas().SetSize(-1); }, "SetSize(-1)");
}

TEST_F(ListaTest, SwapDeleteAndSelfAssignment)
{
    d.TrocaLinhas(1, 1);
    EsperaContas({1, 2, 3});
    d.TrocaLinhas(0, 2);
    EsperaContas({3, 2, 1});
    d.SetListaLinhas(d.GetListaLinhas());
    EsperaContas({3, 2, 1});
    Dono outro;
    outro.SetListaLinhas(d.GetListaLinhas());
    d.DeletarLinhas(0);
    EsperaContas({2, 1});
    EXPECT_EQ(outro.GetQuantidadeLinhas(), 3) << "the copy owns its elements";
    EXPECT_EQ(outro.GetLinhas(0).GetPonteiroGerencial(), 3);
}

TEST_F(ListaTest, AppendingAnElementOfTheListItself)
{
    for (int k = 0; k < 97; ++k)
        d.AdicionaLinhas(Linha(10 + k));
    ASSERT_EQ(d.GetListaLinhas().GetCapacidade(), 100);
    d.AdicionaLinhas(d.GetLinhas(0)); // grows while the argument lives in the old storage
    EXPECT_EQ(d.GetLinhas(100).GetPonteiroGerencial(), 1);
}

TEST(Lista, GrowsInStepsOfOneHundred)
{
    T_Lista<long> l;
    EXPECT_EQ(l.GetCapacidade(), 0);
    l.Add(1);
    EXPECT_EQ(l.GetCapacidade(), 100);
    for (long k = 1; k < 101; ++k)
        l.Add(k);
    EXPECT_EQ(l.GetCapacidade(), 200);
    l.RemoveAt(0);
    EXPECT_EQ(l.GetCapacidade(), 200) << "deleting never shrinks";
    l.SetSize(450);
    EXPECT_EQ(l.GetCapacidade(), 450) << "larger of n and capacity + 100";
    EXPECT_EQ(l[449], 0) << "new slots are zero";
    l.RemoveAll();
    EXPECT_EQ(l.GetCapacidade(), 0);
}

// A caller may hold an element's address across appends, deletions and list
// assignments while the count stays within the capacity.
TEST_F(ListaTest, ElementAddressesHoldWithinTheCapacity)
{
    TCMGerencial* primeiro = d.GetPtrLinhas(0);
    const TCMGerencial* terceiro = &d.GetLinhas(2);
    for (int k = 3; k < 100; ++k) {
        d.AdicionaLinhas(Linha(10 + k));
        ASSERT_EQ(d.GetPtrLinhas(0), primeiro) << "append " << k;
    }
    EXPECT_EQ(&d.GetRefLinhas(2), terceiro);
    d.DeletarLinhas(50);
    d.DeletarLinhas(0);
    EXPECT_EQ(d.GetPtrLinhas(0), primeiro) << "deletion moves the later elements down, in place";
    EXPECT_EQ(primeiro->GetPonteiroGerencial(), 2);

    Dono curto;
    curto.AdicionaLinhas(Linha(7));
    d.SetListaLinhas(curto.GetListaLinhas());
    EXPECT_EQ(d.GetPtrLinhas(0), primeiro) << "an assignment that leaves an element";
    EXPECT_EQ(primeiro->GetPonteiroGerencial(), 7);

    for (int k = 1; k < 100; ++k)
        d.AdicionaLinhas(Linha(k));
    ASSERT_EQ(d.GetQuantidadeLinhas(), 100);
    EXPECT_EQ(d.GetPtrLinhas(0), primeiro) << "the hundredth element still fits";
    d.AdicionaLinhas(Linha(101));
    EXPECT_EQ(d.GetListaLinhas().GetCapacidade(), 200);
    EXPECT_EQ(d.GetLinhas(0).GetPonteiroGerencial(), 7) << "moved whole past the capacity";
    EXPECT_EQ(d.GetLinhas(100).GetPonteiroGerencial(), 101);
}

TEST(Lista, ReadingAndAssignmentTakeTheCapacityOfTheirAppends)
{
    T_Lista<long> l;
    l.Prepara(150);
    EXPECT_EQ(l.GetCapacidade(), 200) << "150 appends from empty";
    EXPECT_EQ(l.GetSize(), 0);
    T_Lista<long> fonte;
    fonte.SetSize(250);
    T_Lista<long> c;
    c = fonte;
    EXPECT_EQ(c.GetCapacidade(), 250) << "a resize to the source's count";
}

// The reservation reaches the capacity the appends would, under a step set
// and under the framework's own step, which grows with the size.
TEST(Lista, ReservationMatchesAppendsOneByOne)
{
    for (int passo : {0, 3, 100})
        for (int inicio : {0, 1, 4, 37, 9000})
            for (int n : {1, 2, 5, 33, 400, 12000}) {
                CArray<long> um, outro;
                if (passo)
                    um.SetSize(0, passo), outro.SetSize(0, passo);
                for (int k = 0; k < inicio; ++k)
                    um.Add(k), outro.Add(k);
                for (int k = 0; k < n; ++k)
                    um.Add(k);
                outro.ReservaParaAcrescimos(n);
                EXPECT_EQ(outro.GetCapacity(), um.GetCapacity())
                    << "step " << passo << ", " << inicio << " then " << n << " appends";
            }
}

// Records that are their structure alone are copied by their bytes: the copy
// is a whole, independent record list under the same capacity rule, into an
// empty list or over a longer one.
TEST(Lista, RecordsCopiedByTheirBytesAreWholeIndependentCopies)
{
    static_assert(tolv::kCopiaPorBytes<TCMGerencial> && !tolv::kCopiaPorBytes<TCMRERateioProduto>);
    T_Lista<TCMGerencial> fonte;
    for (int k = 0; k < 130; ++k)
        fonte.Add(re_teste::Linha(k + 1, 100 * k));
    T_Lista<TCMGerencial> copia(fonte);
    ASSERT_EQ(copia.GetSize(), 130);
    EXPECT_EQ(copia.GetCapacidade(), 130) << "an empty list takes max(n, 100)";
    EXPECT_TRUE(tolv::ListasIguais(copia, fonte));
    copia.ElementAt(129).SetValor(JQCY(-1));
    EXPECT_EQ(fonte.GetAt(129).GetValor(), JQCY(12900)) << "the source keeps its own lines";
    tagREG_CM_GERENCIALPS ps;
    copia.GetAt(7).CopiarPara(&ps);
    EXPECT_EQ(ps.PonteiroGerencial, 8) << "a copied element is a working record";

    T_Lista<TCMGerencial> curta;
    curta.Add(re_teste::Linha(900, 9));
    copia = curta;
    ASSERT_EQ(copia.GetSize(), 1);
    EXPECT_EQ(copia.GetAt(0).GetPonteiroGerencial(), 900);
    copia = T_Lista<TCMGerencial>();
    EXPECT_EQ(copia.GetCapacidade(), 0) << "a copy of an empty list releases the storage";
}

// Lists of plain values go by their bytes as well, and integers compare by
// them; floating values and texts keep their own copy and comparison.
TEST(Lista, PlainValuesCopiedAndComparedByTheirBytes)
{
    static_assert(tolv::kCopiaPorBytes<long> && tolv::kCopiaPorBytes<unsigned short> && tolv::kCopiaPorBytes<double>);
    static_assert(!tolv::kCopiaPorBytes<CString>);
    static_assert(tolv::kIgualPorBytes<long> && !tolv::kIgualPorBytes<double> && !tolv::kIgualPorBytes<CString>);
    T_Lista<unsigned short> fonte;
    for (int k = 0; k < 250; ++k)
        fonte.Add(static_cast<unsigned short>(k * 7));
    T_Lista<unsigned short> copia(fonte);
    ASSERT_EQ(copia.GetSize(), 250);
    EXPECT_EQ(copia.GetCapacidade(), 250);
    EXPECT_EQ(copia.GetAt(249), 249 * 7);
    EXPECT_TRUE(tolv::ListasIguais(copia, fonte));
    copia.ElementAt(249) = 1;
    EXPECT_FALSE(tolv::ListasIguais(copia, fonte)) << "a difference in the last value";
    T_Lista<unsigned short> curta;
    curta.Add(5);
    copia = curta;
    ASSERT_EQ(copia.GetSize(), 1);
    EXPECT_EQ(copia.GetAt(0), 5);

    // NaN is not equal to itself, whatever its bytes; zero equals minus zero.
    T_Lista<double> a, b;
    a.Add(std::numeric_limits<double>::quiet_NaN());
    b = a;
    EXPECT_FALSE(tolv::ListasIguais(a, b));
    a.ElementAt(0) = 0.0;
    b.ElementAt(0) = -0.0;
    EXPECT_TRUE(tolv::ListasIguais(a, b));
}

// Released storage goes back to the thread's cache and is handed out again;
// what the thread keeps is bounded and can be released.
TEST(Lista, ReleasedStorageIsReused)
{
    tolv::EsvaziaArmazenamento();
    const TCMGerencial* antes;
    {
        T_Lista<TCMGerencial> l;
        l.Add(TCMGerencial());
        antes = l.GetPtr(0);
    }
    T_Lista<TCMGerencial> outra;
    outra.Add(TCMGerencial());
#ifndef TOLV_SEM_CACHE
    EXPECT_EQ(outra.GetPtr(0), antes);
#endif
    outra.RemoveAll();
    tolv::EsvaziaArmazenamento();
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
    (void)antes;
}

// A thread that has seen many sizes, or kept much, still reuses what it
// handles now: the sizes and blocks gone longest without use give way.
TEST(Lista, StorageCacheFollowsTheSizesInUse)
{
#ifndef TOLV_SEM_CACHE
    tolv::EsvaziaArmazenamento();
    for (size_t k = 1; k <= 2000; ++k)
        tolv::DevolveArmazenamento(std::malloc(16 * k), 16 * k);
    void* p = tolv::TomaArmazenamento(16 * 2000);
    void* q = tolv::TomaArmazenamento(16 * 1999);
    EXPECT_NE(p, nullptr);
    tolv::DevolveArmazenamento(p, 16 * 2000);
    EXPECT_EQ(tolv::TomaArmazenamento(16 * 2000), p) << "a recent size after 2,000 sizes";
    tolv::DevolveArmazenamento(p, 16 * 2000);
    tolv::DevolveArmazenamento(q, 16 * 1999);

    // Blocks of 15 MiB: the thread keeps 512 MiB at most.
    tolv::EsvaziaArmazenamento();
    constexpr size_t grande = size_t(15) << 20;
    std::vector<void*> blocos;
    for (int k = 0; k < 34; ++k)
        if (void* b = std::malloc(grande))
            blocos.push_back(b);
    for (void* b : blocos)
        tolv::DevolveArmazenamento(b, grande);
    EXPECT_LE(tolv::ArmazenamentoGuardado(), size_t(512) << 20);
    void* r = std::malloc(4096);
    tolv::DevolveArmazenamento(r, 4096);
    EXPECT_EQ(tolv::TomaArmazenamento(4096), r) << "a new size past the bound is kept, the oldest blocks go";
    std::free(r);
    tolv::EsvaziaArmazenamento();
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
#endif
}

// A document larger than the bound: the thread keeps the part that fits, of
// every size it releases, instead of trading one size for another; sizes left
// unused while the thread goes on with other work give way at the bound.
TEST(Lista, StorageCacheKeepsWhatFitsOfALargeDocument)
{
#ifndef TOLV_SEM_CACHE
    tolv::EsvaziaArmazenamento();
    constexpr size_t a = size_t(15) << 20, b = size_t(14) << 20;
    std::vector<std::pair<void*, size_t>> blocos;
    for (int k = 0; k < 20; ++k)
        for (size_t t : {a, b})
            if (void* p = std::malloc(t))
                blocos.emplace_back(p, t);
    ASSERT_EQ(blocos.size(), 40u);
    for (auto [p, t] : blocos)
        tolv::DevolveArmazenamento(p, t);
    EXPECT_GT(tolv::ArmazenamentoGuardado(), (size_t(512) << 20) - a) << "the bound filled";
    void* pa = tolv::TomaArmazenamento(a);
    void* pb = tolv::TomaArmazenamento(b);
    const auto guardado = [&](void* p) {
        return std::any_of(blocos.begin(), blocos.end(), [p](const auto& x) { return x.first == p; });
    };
    EXPECT_TRUE(guardado(pa)) << "15 MiB blocks kept";
    EXPECT_TRUE(guardado(pb)) << "14 MiB blocks kept";
    tolv::DevolveArmazenamento(pa, a);
    tolv::DevolveArmazenamento(pb, b);

    // Other work, then a size that does not fit: the idle sizes give way.
    for (int k = 0; k < 10000; ++k)
        tolv::DevolveArmazenamento(tolv::TomaArmazenamento(64), 64);
    constexpr size_t c = size_t(16) << 20;
    void* pc = std::malloc(c);
    ASSERT_NE(pc, nullptr);
    tolv::DevolveArmazenamento(pc, c);
    EXPECT_EQ(tolv::TomaArmazenamento(c), pc) << "a new size after the others went idle";
    std::free(pc);
    tolv::EsvaziaArmazenamento();
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
#endif
}

// What all threads keep together is bounded too: a thread left holding a
// large document's storage leaves the rest of the bound to the others, and
// gives it back when it ends.
TEST(Lista, StorageCacheBoundIsSharedByTheThreads)
{
#ifndef TOLV_SEM_CACHE
    tolv::EsvaziaArmazenamento();
    constexpr size_t t = size_t(8) << 20, limite = size_t(512) << 20;
    const auto solta = [](int n) {
        for (int k = 0; k < n; ++k)
            if (void* p = std::malloc(t))
                tolv::DevolveArmazenamento(p, t);
    };
    std::mutex m;
    std::condition_variable cv;
    int fase = 0;
    size_t doOutro = 0;
    std::thread outro([&] {
        solta(48);
        std::unique_lock l(m);
        doOutro = tolv::ArmazenamentoGuardado();
        fase = 1;
        cv.notify_all();
        cv.wait(l, [&] { return fase == 2; });
    });
    {
        std::unique_lock l(m);
        cv.wait(l, [&] { return fase == 1; });
    }
    EXPECT_EQ(doOutro, 48 * t) << "the other thread kept its blocks";
    solta(32);
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), limite - doOutro) << "this thread, the rest of the bound";
    {
        std::lock_guard l(m);
        fase = 2;
    }
    cv.notify_all();
    outro.join();
    solta(16);
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), limite - doOutro + 16 * t) << "the ended thread's share given back";
    tolv::EsvaziaArmazenamento();
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
#endif
}

// Blocks come back last released first, but a large batch of one size goes
// out in rising address order, whatever the order it came back in.
TEST(Lista, StorageCacheHandsALargeBatchOutInAddressOrder)
{
#ifndef TOLV_SEM_CACHE
    tolv::EsvaziaArmazenamento();
    constexpr size_t t = 48;
    void* a = std::malloc(t);
    void* b = std::malloc(t);
    tolv::DevolveArmazenamento(a, t);
    tolv::DevolveArmazenamento(b, t);
    EXPECT_EQ(tolv::TomaArmazenamento(t), b) << "the last released first";
    EXPECT_EQ(tolv::TomaArmazenamento(t), a);
    std::free(a);
    std::free(b);

    std::vector<void*> lote;
    for (int k = 0; k < 3000; ++k)
        lote.push_back(std::malloc(t));
    // Released in a shuffled order, in two batches with takes in between.
    for (size_t k = 0; k < lote.size(); ++k)
        std::swap(lote[k], lote[(k * 7919) % lote.size()]);
    for (size_t k = 0; k < 1500; ++k)
        tolv::DevolveArmazenamento(lote[k], t);
    std::vector<void*> tomados;
    for (int k = 0; k < 500; ++k)
        tomados.push_back(tolv::TomaArmazenamento(t));
    for (size_t k = 1500; k < lote.size(); ++k)
        tolv::DevolveArmazenamento(lote[k], t);
    for (int k = 0; k < 2500; ++k)
        tomados.push_back(tolv::TomaArmazenamento(t));
    EXPECT_TRUE(std::is_sorted(tomados.begin(), tomados.begin() + 500, std::less<void*>()));
    EXPECT_TRUE(std::is_sorted(tomados.begin() + 500, tomados.end(), std::less<void*>()))
        << "the second batch, merged with what was left of the first";
    std::vector<void*> todos(tomados);
    std::sort(todos.begin(), todos.end());
    std::sort(lote.begin(), lote.end());
    EXPECT_EQ(todos, lote) << "every block handed out once";
    for (void* p : tomados)
        std::free(p);
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
#endif
}

TEST(Lista, TextElementsSurviveGrowthAndCopies)
{
    T_Lista<CString> l;
    for (int k = 0; k < 250; ++k)
        l.Add(CString(std::to_string(k).c_str()));
    EXPECT_STREQ(l[0].GetString(), "0");
    EXPECT_STREQ(l[249].GetString(), "249");
    T_Lista<CString> c(l);
    l.RemoveAll();
    EXPECT_STREQ(c[123].GetString(), "123");
}

// Text blocks come from the cache and go back at the size they were taken:
// with blocks of every size kept, making and dropping a text by any means
// leaves the cache as it was (a release under another size would move it).
TEST(Lista, TextBlocksGoBackAtTheSizeTheyWereTaken)
{
#ifndef TOLV_SEM_CACHE
    tolv::EsvaziaArmazenamento();
    std::string fonte(9000, 'x');
    const auto texto = [&](int n) { return CString(fonte.c_str(), n); };
    for (int n = 1; n <= 9000; ++n) {
        CString quatro[] = {texto(n), texto(n), texto(n), texto(n)};
        (void)quatro;
    }
    const size_t guardado = tolv::ArmazenamentoGuardado();
    EXPECT_GT(guardado, 0u);
    const std::function<CString(int)> formas[] = {
        [&](int n) { return texto(n); },
        [&](int n) { return CString(fonte.substr(0, static_cast<size_t>(n)).c_str()); },
        [&](int n) {
            CString a = texto(n / 2);
            a += texto(n - n / 2);
            return a;
        },
        [&](int n) {
            CString a = texto(n - 1);
            a += 'y';
            return a;
        },
        [&](int n) { return texto(n + 7).Left(n); },
        [&](int n) { return texto(n + 3).Mid(3, n); },
        [&](int n) {
            CString a = texto(1);
            a = texto(n);
            CString b(a);
            a.Empty();
            return b;
        },
        [&](int n) {
            CString a = texto(n);
            CString b = texto(2);
            b = std::move(a);
            return b;
        },
    };
    for (size_t f = 0; f < std::size(formas); ++f)
        for (int n = 1; n <= 9000; n += (n < 300 ? 1 : 37)) {
            {
                CString t = formas[f](n);
                ASSERT_EQ(t.GetLength(), n) << "form " << f;
            }
            ASSERT_EQ(tolv::ArmazenamentoGuardado(), guardado) << "form " << f << ", length " << n;
        }
    tolv::EsvaziaArmazenamento();
    EXPECT_EQ(tolv::ArmazenamentoGuardado(), 0u);
#endif
}

// Copies of a string share its bytes; changing or dropping one leaves the
// others as they were, in any order and from any thread.
TEST(Lista, CopiesOfATextShareItsBytesAndStayIndependent)
{
    CString a("historico da compra");
    CString b(a);
    CString c;
    c = b;
    EXPECT_EQ(b.GetString(), a.GetString()) << "a copy shares the bytes";
    EXPECT_EQ(c.GetString(), a.GetString()) << "an assignment shares the bytes";
    b += " 2";
    c.Empty();
    EXPECT_STREQ(a.GetString(), "historico da compra");
    EXPECT_STREQ(b.GetString(), "historico da compra 2");
    const CString& mesma = a;
    a = mesma;
    a += mesma;
    EXPECT_STREQ(a.GetString(), "historico da comprahistorico da compra");
    {
        CString d(b);
        b = "outro";
        EXPECT_STREQ(d.GetString(), "historico da compra 2");
    }
    CString e = b.Left(100);
    b.Empty();
    EXPECT_STREQ(e.GetString(), "outro");

    const CString comum("texto de todos os fios");
    std::vector<std::thread> fios;
    for (int t = 0; t < 4; ++t)
        fios.emplace_back([&comum] {
            std::vector<CString> copias;
            for (int k = 0; k < 20000; ++k) {
                copias.push_back(comum);
                if (k % 3 == 0)
                    copias.pop_back();
                if (copias.size() > 64)
                    copias.clear();
            }
        });
    for (std::thread& f : fios)
        f.join();
    EXPECT_STREQ(comum.GetString(), "texto de todos os fios");
}

// --- Nested arrays --------------------------------------------------------------

TEST(Aninhados, ListTooLongForItsCountIsRefused)
{
    T_Lista<TCMGerencial> l;
    l.SetSize(65536);
    tagTESTE_PAIPS ps{};
    EXPECT_TRUE(LancaArgumentoInvalido([&] { tolv::EscreveLista(l, ps.QtdLinhas, ps.pLinhas); }));
    EXPECT_EQ(ps.QtdLinhas, 0) << "no truncated count";
    EXPECT_EQ(ps.pLinhas, nullptr);
    l.SetSize(65535);
    tolv::EscreveLista(l, ps.QtdLinhas, ps.pLinhas);
    EXPECT_EQ(ps.QtdLinhas, 65535);
    tolv::LiberaAninhados(&ps, tolv::Liberacao::Delete);
}

TEST(Aninhados, NullPointersReadAsEmptyAndAreSkipped)
{
    tagTESTE_PAIPS ps{};
    ps.QtdLinhas = 500;
    ps.TamTexto = 1000;
    T_Lista<TCMGerencial> l;
    tolv::LeLista(l, ps.QtdLinhas, ps.pLinhas);
    CString t;
    tolv::LeTexto(t, ps.TamTexto, ps.pTexto);
    EXPECT_EQ(l.GetSize(), 0);
    EXPECT_TRUE(t.IsEmpty());

    tagTESTE_AVOPS avo{};
    avo.QtdPais = 0x7FFFFFFF; // null array: its count is never walked
    tolv::LiberaAninhados(&avo, tolv::Liberacao::CoTaskMem);
    tolv::LiberaAninhados(&avo, tolv::Liberacao::Delete);
}

TEST(Aninhados, NegativeSignedCountsCountNothing)
{
    tagREG_CM_GERENCIALPS linhas[1] = {};
    T_Lista<TCMGerencial> l;
    tolv::LeLista(l, -1L, linhas);
    tolv::LeLista(l, 0L, linhas);
    EXPECT_EQ(l.GetSize(), 0) << "read as empty";
    tagTESTE_SINALPS ps{};
    ps.QtdPais = -1;
    // The array is released, its elements are not walked (theirs would fault).
    ps.pPais = static_cast<tagTESTE_PAIPS*>(CoTaskMemAlloc(sizeof(tagTESTE_PAIPS)));
    std::memset(ps.pPais, 0xFF, sizeof(tagTESTE_PAIPS));
    tolv::LiberaAninhados(&ps, tolv::Liberacao::CoTaskMem);
    EXPECT_EQ(tolv::ContagemDe(&ps, tolv::Layout<tagTESTE_SINALPS>::desc.aninhados[0]), 0ul);
}

TEST(Aninhados, UnreadableElementsEndTheList)
{
    size_t pagina = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    char* base =
        static_cast<char*>(mmap(nullptr, 2 * pagina, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(base, MAP_FAILED);
    mprotect(base + pagina, pagina, PROT_NONE);
    auto* e = reinterpret_cast<tagREG_CM_GERENCIALPS*>(base + pagina - 2 * sizeof(tagREG_CM_GERENCIALPS));
    std::memset(e, 0, 2 * sizeof *e);
    e[0].PonteiroGerencial = 1;
    e[1].PonteiroGerencial = 2;
    T_Lista<TCMGerencial> l;
    tolv::LeLista(l, static_cast<unsigned short>(10), e);
    EXPECT_EQ(l.GetSize(), 2);
    CString t;
    std::memcpy(base + pagina - 3, "xyz", 3);
    tolv::LeTexto(t, 2ul, base + pagina - 3);
    EXPECT_STREQ(t.GetString(), "xyz") << "an unterminated text ends where the memory stops being readable";
    tolv::LeTexto(t, 50ul, base + pagina);
    EXPECT_TRUE(t.IsEmpty()) << "a text whose first byte cannot be read";
    munmap(base, 2 * pagina);
}

// A caller's array that lies in the list's own storage, where the elements
// being read are about to be made: read element by element, no fault.
TEST(Aninhados, ArrayInsideTheListsOwnStorageIsReadSafely)
{
    T_Lista<TCMGerencial> l;
    TCMGerencial g;
    g.SetPonteiroGerencial(7);
    l.Add(g);
    auto* livre = reinterpret_cast<tagREG_CM_GERENCIALPS*>(l.GetPtr(1));
    for (int k = 0; k < 3; ++k) {
        std::memset(&livre[k], 0, sizeof livre[k]);
        livre[k].PonteiroGerencial = 10 + k;
    }
    tolv::LeLista(l, static_cast<unsigned short>(3), livre);
    ASSERT_EQ(l.GetSize(), 4);
    EXPECT_EQ(l.GetPtr(0)->GetPonteiroGerencial(), 7);

    // Elsewhere, every line arrives whole and in order.
    std::vector<tagREG_CM_GERENCIALPS> fora(150);
    for (size_t k = 0; k < fora.size(); ++k) {
        std::memset(&fora[k], 0xA5, sizeof fora[k]);
        fora[k].PonteiroGerencial = static_cast<long>(k);
    }
    T_Lista<TCMGerencial> m;
    tolv::LeLista(m, static_cast<unsigned short>(fora.size()), fora.data());
    ASSERT_EQ(m.GetSize(), 150);
    for (int k = 0; k < 150; ++k) {
        tagREG_CM_GERENCIALPS e;
        m.GetPtr(k)->CopiarPara(&e);
        EXPECT_EQ(std::memcmp(&e, &fora[k], sizeof e), 0) << "line " << k;
    }
}

// Lists of lines compare by their whole blocks: every field of every line
// counts, and so does the number of lines.
TEST(Aninhados, LineListsCompareEveryFieldOfEveryLine)
{
    T_Lista<TCMGerencial> a, b;
    EXPECT_TRUE(tolv::ListasIguais(a, b)) << "two empty lists";
    for (int k = 0; k < 150; ++k) {
        TCMGerencial g;
        g.SetValor(JQCY(k * 100));
        g.SetQuantidade(JQCY(k));
        g.SetPonteiroClassificacao(k);
        g.SetPonteiroGerencial(1000 + k);
        a.Add(g);
        b.Add(g);
    }
    EXPECT_TRUE(tolv::ListasIguais(a, b));
    TCMGerencial ultima = b.GetAt(149);
    ultima.SetPonteiroGerencial(0);
    b.ElementAt(149) = ultima;
    EXPECT_FALSE(tolv::ListasIguais(a, b)) << "the last field of the last line";
    b.ElementAt(149) = a.GetAt(149);
    TCMGerencial primeira = b.GetAt(0);
    primeira.SetQuantidade(JQCY(7));
    b.ElementAt(0) = primeira;
    EXPECT_FALSE(tolv::ListasIguais(a, b)) << "the quantity of the first line";
    b.Copia(a);
    b.RemoveAt(149);
    EXPECT_FALSE(tolv::ListasIguais(a, b)) << "one line fewer";
}

TEST(Aninhados, PresentTextIsReadToItsNulWhateverItsLength)
{
    const char texto[] = "completo";
    struct Caso {
        unsigned long tamanho;
        const char* esperado;
    } casos[] = {{0, ""}, {1, "completo"}, {2, "completo"}, {9, "completo"}, {4000, "completo"}};
    for (const Caso& c : casos) {
        CString t("antes");
        tolv::LeTexto(t, c.tamanho, texto);
        EXPECT_STREQ(t.GetString(), c.esperado) << "length field " << c.tamanho;
    }
    // Longer than a page, across pages.
    std::string longo(10000, 'L');
    CString t;
    tolv::LeTexto(t, static_cast<unsigned short>(3), longo.c_str());
    EXPECT_EQ(t.GetLength(), 10000);
}

TEST(Aninhados, ReleasesElementsArraysFirstWithTheTaskAllocator)
{
    tagTESTE_AVOPS avo{};
    avo.QtdPais = 2;
    avo.pPais = static_cast<tagTESTE_PAIPS*>(CoTaskMemAlloc(2 * sizeof(tagTESTE_PAIPS)));
    std::memset(avo.pPais, 0, 2 * sizeof(tagTESTE_PAIPS));
    avo.pPais[1].QtdLinhas = 3;
    avo.pPais[1].pLinhas = static_cast<tagREG_CM_GERENCIALPS*>(CoTaskMemAlloc(3 * sizeof(tagREG_CM_GERENCIALPS)));
    avo.pPais[0].TamTexto = 2;
    avo.pPais[0].pTexto = static_cast<char*>(CoTaskMemAlloc(2));
    tolv::LiberaAninhados(&avo, tolv::Liberacao::CoTaskMem); // the leak checker sees the rest
    EXPECT_EQ(avo.QtdPais, 2ul) << "counts and pointers stay as they were";
}

} // namespace
