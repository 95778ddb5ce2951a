// Entry point of the benchmarks.
//
// By default the C library keeps freed memory in the process (no trimming of
// the heap top, no separate mapping per large block), as a long-running server
// is usually set up: every conversion then measures the library and not the
// kernel clearing fresh pages for it. --malloc_padrao keeps the C library's
// own settings, where on i386 every block above 512 KiB is mapped and unmapped
// on each use.
//
// On the console the run ends with the table of targets: each ratio to its
// baseline, from the best time of every benchmark in the run.
#include <cstring>

#include <malloc.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "bench/Metas.h"

int main(int argc, char** argv)
{
    bool padrao = false;
    bool console = true;
    int n = 0;
    for (int k = 0; k < argc; ++k) {
        if (std::strcmp(argv[k], "--malloc_padrao") == 0) {
            padrao = true;
            continue;
        }
        if (std::strncmp(argv[k], "--benchmark_format=", 19) == 0)
            console = std::strcmp(argv[k] + 19, "console") == 0;
        argv[n++] = argv[k];
    }
    argc = n;
    if (!padrao) {
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    benchmark::AddCustomContext("malloc", padrao ? "C library defaults" : "freed memory kept in the process");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (console) {
        tolvbench::ReporterComMetas tela(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                               : benchmark::ConsoleReporter::OO_None);
        benchmark::RunSpecifiedBenchmarks(&tela);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
