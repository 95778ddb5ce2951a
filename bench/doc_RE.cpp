// The entry register: the document benchmarks, and the checksum of one item.
#include <cstring>

#include <benchmark/benchmark.h>

#include "bench/Documentos.h"
#include "tools/AmostraRE.h"

namespace {

// Product items with two apportionments of two management lines, a tax with
// two deductions, a stock entry with two compositions and totals; nothing
// else in the register.
void Amostra(TCMRERegistroEntrada& r, int itens)
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
    amostra::Registro(r, g, f);
}

void BM_CalculaCRCProduto(benchmark::State& st)
{
    TCMRERegistroEntrada r;
    Amostra(r, 1);
    const TCMREItemProduto& p = r.GetProduto(0);
    for (auto _ : st)
        benchmark::DoNotOptimize(p.CalculaCRC());
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations() * sizeof(tagREG_ITEM_ENTRADA_PRODUTOPS)));
}
BENCHMARK(BM_CalculaCRCProduto)->ComputeStatistics("min", tolvbench::Minimo);

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
BENCHMARK(BM_MemcpyProduto)->ComputeStatistics("min", tolvbench::Minimo);

// Assignment goes through a temporary copy, as every record assigns.
void BM_AtribuicaoRE1000(benchmark::State& st)
{
    TCMRERegistroEntrada a, b;
    Amostra(a, 1000);
    for (auto _ : st) {
        b = a;
        benchmark::DoNotOptimize(&b);
    }
}
BENCHMARK(BM_AtribuicaoRE1000)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", tolvbench::Minimo);

} // namespace

TOLV_BENCH_DOCUMENTO(RE, TCMRERegistroEntrada, tagREG_ENTRADAPS, Amostra);
