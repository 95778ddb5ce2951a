// Checksums and list growth, each beside its physical baseline.
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/Documentos.h"
#include "core/JQCRC32.h"
#include "tolvdata.h"

namespace {

constexpr size_t k64K = 64 * 1024;

std::vector<unsigned char> Dados(size_t n)
{
    std::vector<unsigned char> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<unsigned char>(i * 2654435761u >> 13);
    return v;
}

void BM_Memcpy64K(benchmark::State& st)
{
    auto src = Dados(k64K);
    std::vector<unsigned char> dst(k64K);
    for (auto _ : st) {
        std::memcpy(dst.data(), src.data(), k64K);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * k64K);
}
BENCHMARK(BM_Memcpy64K)->ComputeStatistics("min", tolvbench::Minimo);

void BM_JQCRC32_64K(benchmark::State& st)
{
    auto src = Dados(k64K);
    for (auto _ : st)
        benchmark::DoNotOptimize(JQCRC32(src.data(), static_cast<long>(k64K)));
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * k64K);
}
BENCHMARK(BM_JQCRC32_64K)->ComputeStatistics("min", tolvbench::Minimo);

// A method below the best the processor has: the 128-bit folding, or the
// tables that processors without carry-less multiplication use.
void JQCRC32Limitado(benchmark::State& st, tolv::MetodoCRC32 m)
{
    auto src = Dados(k64K);
    tolv::JQCRC32Limita(m);
    for (auto _ : st)
        benchmark::DoNotOptimize(JQCRC32(src.data(), static_cast<long>(k64K)));
    tolv::JQCRC32Limita(tolv::MetodoCRC32::DobraLarga);
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * k64K);
}
void BM_JQCRC32Dobra_64K(benchmark::State& st) { JQCRC32Limitado(st, tolv::MetodoCRC32::Dobra); }
BENCHMARK(BM_JQCRC32Dobra_64K)->ComputeStatistics("min", tolvbench::Minimo);
void BM_JQCRC32Tabela_64K(benchmark::State& st) { JQCRC32Limitado(st, tolv::MetodoCRC32::Tabela); }
BENCHMARK(BM_JQCRC32Tabela_64K)->ComputeStatistics("min", tolvbench::Minimo);

// The plain table loop, one byte per step.
void BM_CRC32ByteLoop_64K(benchmark::State& st)
{
    static unsigned long tabela[256];
    for (unsigned i = 0; i < 256; ++i) {
        unsigned long c = i;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320ul & (0ul - (c & 1)));
        tabela[i] = c;
    }
    auto src = Dados(k64K);
    for (auto _ : st) {
        unsigned long crc = 0;
        for (unsigned char b : src)
            crc = (crc >> 8) ^ tabela[(crc ^ b) & 0xFF];
        benchmark::DoNotOptimize(crc);
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * k64K);
}
BENCHMARK(BM_CRC32ByteLoop_64K)->ComputeStatistics("min", tolvbench::Minimo);

constexpr int kElementos = 65535;

// Appending 65,535 management lines: growth in steps of 100 moves the elements.
void BM_ListaAdiciona65535(benchmark::State& st)
{
    TCMGerencial g;
    g.SetPonteiroGerencial(1);
    for (auto _ : st) {
        T_Lista<TCMGerencial> l;
        for (int k = 0; k < kElementos; ++k)
            l.Add(g);
        benchmark::DoNotOptimize(l.GetData());
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * kElementos * sizeof(TCMGerencial));
}
BENCHMARK(BM_ListaAdiciona65535)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", tolvbench::Minimo);

void BM_MemcpyLista65535(benchmark::State& st)
{
    const size_t n = kElementos * sizeof(TCMGerencial);
    auto src = Dados(n);
    std::vector<unsigned char> dst(n);
    for (auto _ : st) {
        std::memcpy(dst.data(), src.data(), n);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * n);
}
BENCHMARK(BM_MemcpyLista65535)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", tolvbench::Minimo);

} // namespace
