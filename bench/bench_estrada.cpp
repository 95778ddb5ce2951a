// The document road of entry registers, each figure beside memcpy (or memcmp)
// of the same number of bytes in the same run.
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "tolvdata.h"
#include "tools/AmostraRE.h"
#include "tools/Amostras.h"

namespace {

const tolv::EstruturaDesc& DescRE() { return tolv::Layout<tagREG_ENTRADAPS>::desc; }

// Product items with two apportionments of two management lines, a tax, a
// stock entry and totals; nothing else in the register.
std::unique_ptr<TCMRERegistroEntrada> Novo(int itens)
{
    amostra::Gerador g(12345);
    amostra::FormaRegistro f;
    f.produtos = itens;
    f.servicos = f.parcelas = f.titulos = f.referidas = f.observacoesCFOP = f.associacoes = 0;
    f.produto.rateios = 2;
    f.produto.linhas = 2;
    f.produto.impostos = 1;
    f.produto.entradasEstoque = 1;
    f.produto.totais = 1;
    f.produto.margens = 0;
    f.produto.associacoes = 0;
    auto r = std::make_unique<TCMRERegistroEntrada>();
    amostra::Registro(*r, g, f);
    return r;
}

TCMRERegistroEntrada& Registro(int itens)
{
    static std::map<int, std::unique_ptr<TCMRERegistroEntrada>> cache;
    auto& r = cache[itens];
    if (!r)
        r = Novo(itens);
    return *r;
}

size_t BytesEscritos(int itens)
{
    static std::map<int, size_t> cache;
    auto it = cache.find(itens);
    if (it != cache.end())
        return it->second;
    tagREG_ENTRADAPS ps;
    Registro(itens).CopiarPara(&ps);
    size_t n = amostra::Mede(DescRE(), &ps).bytes;
    TCMRERegistroEntrada::ZerarDelete(&ps);
    return cache[itens] = n;
}

void Tamanhos(benchmark::internal::Benchmark* b)
{
    for (int n : {10, 100, 1000, 10000})
        b->Arg(n);
    b->Unit(benchmark::kMicrosecond);
}

void BM_CopiarParaZerarDelete(benchmark::State& st)
{
    TCMRERegistroEntrada& r = Registro(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        tagREG_ENTRADAPS ps;
        r.CopiarPara(&ps);
        benchmark::DoNotOptimize(ps.pProduto);
        TCMRERegistroEntrada::ZerarDelete(&ps);
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(static_cast<int>(st.range(0)))));
}
BENCHMARK(BM_CopiarParaZerarDelete)->Apply(Tamanhos);

void BM_CopiarDe(benchmark::State& st)
{
    int n = static_cast<int>(st.range(0));
    tagREG_ENTRADAPS ps;
    Registro(n).CopiarPara(&ps);
    for (auto _ : st) {
        TCMRERegistroEntrada r;
        r.CopiarDe(&ps);
        benchmark::DoNotOptimize(r.GetPtrProduto(0));
    }
    TCMRERegistroEntrada::ZerarDelete(&ps);
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(n)));
}
BENCHMARK(BM_CopiarDe)->Apply(Tamanhos);

void BM_IgualdadeRegistros(benchmark::State& st)
{
    int n = static_cast<int>(st.range(0));
    const TCMRERegistroEntrada& a = Registro(n);
    TCMRERegistroEntrada b(a);
    for (auto _ : st)
        benchmark::DoNotOptimize(a == b);
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(n)));
}
BENCHMARK(BM_IgualdadeRegistros)->Apply(Tamanhos);

// The blocks of the tree that CopiarPara writes for n items, written into ps.
amostra::Blocos BlocosEscritos(int n, tagREG_ENTRADAPS& ps)
{
    Registro(n).CopiarPara(&ps);
    amostra::Blocos b;
    amostra::ListaBlocos(DescRE(), &ps, b);
    return b;
}

// The floor of the writing road on this format: every block of the same tree
// taken from array new and filled by memcpy in the order a walk meets them,
// then released by delete[], each array after its elements' blocks. No record
// is behind it and the walk is made once, outside the loop.
void BM_BlocosMesmosBytes(benchmark::State& st)
{
    int n = static_cast<int>(st.range(0));
    tagREG_ENTRADAPS ps;
    const amostra::Blocos b = BlocosEscritos(n, ps);
    std::vector<unsigned char*> p(b.blocos.size());
    tagREG_ENTRADAPS c;
    for (auto _ : st) {
        std::memcpy(&c, &ps, sizeof ps);
        for (size_t k = 0; k < b.blocos.size(); ++k) {
            p[k] = new unsigned char[b.blocos[k].tamanho];
            std::memcpy(p[k], b.blocos[k].origem, b.blocos[k].tamanho);
        }
        benchmark::DoNotOptimize(p.data());
        benchmark::DoNotOptimize(&c);
        for (size_t k : b.soltura)
            delete[] p[k];
    }
    TCMRERegistroEntrada::ZerarDelete(&ps);
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(n)));
}
BENCHMARK(BM_BlocosMesmosBytes)->Apply(Tamanhos);

// The same for the comparison: the blocks of a written tree and a copy of each
// of them, taken from array new one after another, compared pairwise by memcmp.
void BM_MemcmpMesmosBlocos(benchmark::State& st)
{
    int n = static_cast<int>(st.range(0));
    tagREG_ENTRADAPS ps;
    const amostra::Blocos b = BlocosEscritos(n, ps);
    std::vector<std::unique_ptr<unsigned char[]>> copia(b.blocos.size());
    for (size_t k = 0; k < b.blocos.size(); ++k) {
        copia[k].reset(new unsigned char[b.blocos[k].tamanho]);
        std::memcpy(copia[k].get(), b.blocos[k].origem, b.blocos[k].tamanho);
    }
    const tagREG_ENTRADAPS outro = ps;
    for (auto _ : st) {
        int r = std::memcmp(&ps, &outro, sizeof ps);
        for (size_t k = 0; k < b.blocos.size() && r == 0; ++k)
            r = std::memcmp(b.blocos[k].origem, copia[k].get(), b.blocos[k].tamanho);
        benchmark::DoNotOptimize(r);
    }
    TCMRERegistroEntrada::ZerarDelete(&ps);
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(n)));
}
BENCHMARK(BM_MemcmpMesmosBlocos)->Apply(Tamanhos);

// Baselines over the same number of bytes as the structures above.
void BM_MemcpyMesmosBytes(benchmark::State& st)
{
    size_t n = BytesEscritos(static_cast<int>(st.range(0)));
    std::vector<unsigned char> a(n, 1), b(n);
    for (auto _ : st) {
        std::memcpy(b.data(), a.data(), n);
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * n));
}
BENCHMARK(BM_MemcpyMesmosBytes)->Apply(Tamanhos);

void BM_MemcmpMesmosBytes(benchmark::State& st)
{
    size_t n = BytesEscritos(static_cast<int>(st.range(0)));
    std::vector<unsigned char> a(n, 1), b(n, 1);
    for (auto _ : st) {
        benchmark::DoNotOptimize(std::memcmp(a.data(), b.data(), n));
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * n));
}
BENCHMARK(BM_MemcmpMesmosBytes)->Apply(Tamanhos);

void BM_CopiaConstrucao(benchmark::State& st)
{
    const TCMRERegistroEntrada& a = Registro(1000);
    for (auto _ : st) {
        TCMRERegistroEntrada b(a);
        benchmark::DoNotOptimize(b.GetPtrProduto(0));
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(1000)));
}
BENCHMARK(BM_CopiaConstrucao)->Unit(benchmark::kMicrosecond);

void BM_Atribuicao(benchmark::State& st)
{
    const TCMRERegistroEntrada& a = Registro(1000);
    TCMRERegistroEntrada b;
    for (auto _ : st) {
        b = a;
        benchmark::DoNotOptimize(b.GetPtrProduto(0));
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * BytesEscritos(1000)));
}
BENCHMARK(BM_Atribuicao)->Unit(benchmark::kMicrosecond);

void BM_CalculaCRCProduto(benchmark::State& st)
{
    const TCMREItemProduto& p = Registro(10).GetProduto(0);
    for (auto _ : st)
        benchmark::DoNotOptimize(p.CalculaCRC());
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sizeof(tagREG_ITEM_ENTRADA_PRODUTOPS)));
}
BENCHMARK(BM_CalculaCRCProduto);

void BM_MemcpyProduto(benchmark::State& st)
{
    tagREG_ITEM_ENTRADA_PRODUTOPS a{}, b;
    for (auto _ : st) {
        std::memcpy(&b, &a, sizeof a);
        benchmark::DoNotOptimize(&b);
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sizeof a));
}
BENCHMARK(BM_MemcpyProduto);

} // namespace
