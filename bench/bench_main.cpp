// Entry point of the benchmarks.
//
// Two allocator settings: the C library's defaults (on i386 every block above
// 512 KiB mapped and unmapped on each use, the heap top trimmed on release),
// and freed memory kept in the process (no trimming, no separate mappings),
// as a long-running server is often set up. The library itself never changes
// them. By default the console run measures both, each in a process of its
// own (a --benchmark_out file for each, named .padrao and .mantida), and ends
// with one table of targets beside both; --malloc_padrao or --malloc_mantida
// runs one setting in this process (needed with a machine-readable format on
// the standard output).
//
// Documents add their benchmarks in bench/Documentos.h (TOLV_BENCH_DOCUMENTO).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "bench/Documentos.h"
#include "bench/Metas.h"

namespace {

enum class Ajuste { Ambos, Padrao, Mantida };

// True where i386 programs run under qemu's user-mode emulator
// (scripts/i386-exec.sh): timings taken there say nothing about the library.
bool Emulado()
{
    FILE* f = std::fopen("/proc/sys/fs/binfmt_misc/qemu-i386", "r");
    if (!f)
        return false;
    char linha[16] = {};
    const bool ativo = std::fgets(linha, sizeof linha, f) && std::strncmp(linha, "enabled", 7) == 0;
    std::fclose(f);
    return ativo;
}

const char* NomeDo(Ajuste a) { return a == Ajuste::Padrao ? "C library defaults" : "freed memory kept"; }

// Runs the benchmarks named by argv under one setting, in this process.
// The console display keeps the results; with `tabela` it ends with the
// table of this setting alone.
int Executa(Ajuste a, int argc, char** argv, bool console, bool tabela, tolvbench::Resultados* obtidos)
{
    if (a == Ajuste::Mantida) {
        mallopt(M_MMAP_MAX, 0);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    benchmark::AddCustomContext("malloc", NomeDo(a));
    if (Emulado())
        benchmark::AddCustomContext("i386", "emulated by qemu-i386: these timings say nothing");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (console) {
        tolvbench::ReporterComMetas tela(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                               : benchmark::ConsoleReporter::OO_None,
                                         tabela ? NomeDo(a) : "");
        benchmark::RunSpecifiedBenchmarks(&tela);
        if (obtidos)
            *obtidos = tela.Obtidos();
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    tolvbench::Solta();
    benchmark::Shutdown();
    return 0;
}

// Runs one setting in a child process, which hands its results back through
// a pipe. False if the child failed.
bool EmOutroProcesso(Ajuste a, int argc, char** argv, tolvbench::Resultados& r)
{
    int fd[2];
    if (pipe(fd) != 0)
        return false;
    std::cout << "\n### malloc: " << NomeDo(a) << "\n" << std::flush;
    pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(fd[0]);
        // A file of results per setting: name.padrao.json, name.mantida.json.
        std::vector<std::string> args(argv, argv + argc);
        std::vector<char*> pa;
        for (std::string& x : args) {
            if (x.rfind("--benchmark_out=", 0) == 0) {
                size_t ponto = x.rfind('.');
                size_t k = ponto == std::string::npos || ponto < x.find_last_of("/=") ? x.size() : ponto;
                x.insert(k, a == Ajuste::Padrao ? ".padrao" : ".mantida");
            }
            pa.push_back(x.data());
        }
        pa.push_back(nullptr);
        tolvbench::Resultados obtidos;
        int rc = Executa(a, argc, pa.data(), true, false, &obtidos);
        std::cout << std::flush;
        std::string s = tolvbench::Serializa(obtidos);
        for (size_t k = 0; k < s.size();) {
            ssize_t w = write(fd[1], s.data() + k, s.size() - k);
            if (w <= 0)
                break;
            k += static_cast<size_t>(w);
        }
        close(fd[1]);
        std::exit(rc);
    }
    close(fd[1]);
    std::string s;
    char b[4096];
    for (ssize_t n; (n = read(fd[0], b, sizeof b)) > 0;)
        s.append(b, static_cast<size_t>(n));
    close(fd[0]);
    int estado = 0;
    waitpid(pid, &estado, 0);
    r = tolvbench::Desserializa(s);
    return WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    Ajuste ajuste = Ajuste::Ambos;
    bool console = true;
    bool umaVez = false; // listing or help: nothing is measured
    int n = 0;
    for (int k = 0; k < argc; ++k) {
        if (std::strcmp(argv[k], "--malloc_padrao") == 0) {
            ajuste = Ajuste::Padrao;
            continue;
        }
        if (std::strcmp(argv[k], "--malloc_mantida") == 0) {
            ajuste = Ajuste::Mantida;
            continue;
        }
        if (std::strncmp(argv[k], "--benchmark_format=", 19) == 0)
            console = std::strcmp(argv[k] + 19, "console") == 0;
        if (std::strncmp(argv[k], "--benchmark_list", 16) == 0 || std::strcmp(argv[k], "--help") == 0)
            umaVez = true;
        argv[n++] = argv[k];
    }
    argc = n;
    if (Emulado() && !umaVez)
        std::fprintf(stderr, "warning: i386 programs run under qemu-i386 here; these timings say nothing about "
                             "the library\n");
    if (ajuste == Ajuste::Ambos && (!console || umaVez)) {
        if (!console) {
            std::fprintf(stderr, "choose one allocator setting (--malloc_padrao or --malloc_mantida) with a "
                                 "machine-readable format\n");
            return 1;
        }
        ajuste = Ajuste::Mantida;
    }
    if (ajuste != Ajuste::Ambos)
        return Executa(ajuste, argc, argv, console, true, nullptr);

    tolvbench::PorAjuste r;
    for (Ajuste a : {Ajuste::Padrao, Ajuste::Mantida}) {
        r.emplace_back(NomeDo(a), tolvbench::Resultados());
        if (!EmOutroProcesso(a, argc, argv, r.back().second))
            return 1;
    }
    tolvbench::EscreveMetas(r, std::cout);
    return 0;
}
