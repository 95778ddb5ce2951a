// The targets of the road, each a ratio to a baseline of the same run.
#include "bench/Metas.h"

#include <cstdio>

namespace tolvbench {

namespace {

constexpr int kTamanhos[] = {10, 100, 1000, 10000};

// A ratio of time to the baseline's: at most `limite` (a speed-up: at least).
struct Razao {
    const char* meta;
    const char* medida;
    const char* base;
    const char* piso; // the format's own floor over the same blocks, or null
    double limite;
    bool porTamanho;
    bool aceleracao;
};

constexpr Razao kRazoes[] = {
    {"CopiarPara + ZerarDelete <= 3x memcpy", "BM_CopiarParaZerarDelete", "BM_MemcpyMesmosBytes",
     "BM_BlocosMesmosBytes", 3.0, true, false},
    {"CopiarDe <= 6x memcpy", "BM_CopiarDe", "BM_MemcpyMesmosBytes", nullptr, 6.0, true, false},
    {"operator== <= 3x memcmp", "BM_IgualdadeRegistros", "BM_MemcmpMesmosBytes", "BM_MemcmpMesmosBlocos", 3.0, true,
     false},
    {"JQCRC32 >= 3x the byte loop", "BM_JQCRC32_64K", "BM_CRC32ByteLoop_64K", nullptr, 3.0, false, true},
};

// The growth from 1,000 to 10,000 items of each road, beside its baseline's.
struct Crescimento {
    const char* medida;
    const char* base;
};

constexpr Crescimento kCrescimentos[] = {
    {"BM_CopiarParaZerarDelete", "BM_MemcpyMesmosBytes"},
    {"BM_CopiarDe", "BM_MemcpyMesmosBytes"},
    {"BM_IgualdadeRegistros", "BM_MemcmpMesmosBytes"},
};
constexpr double kCrescimentoMaximo = 12.0;

std::string ComTamanho(const char* nome, int n) { return std::string(nome) + "/" + std::to_string(n); }

const double* Acha(const Melhores& m, const std::string& nome)
{
    auto it = m.find(nome);
    return it == m.end() || it->second <= 0 ? nullptr : &it->second;
}

void Linha(std::ostream& os, const char* meta, const char* tamanho, double razao, const double* piso, bool cumprida,
           int casas = 2)
{
    char b[224];
    char p[16] = "";
    if (piso)
        std::snprintf(p, sizeof p, "%.2fx", *piso);
    std::snprintf(b, sizeof b, "%-50s %7s %8.*fx %8s   %s\n", meta, tamanho, casas, razao, p,
                  cumprida ? "met" : "missed");
    os << b;
}

} // namespace

void EscreveMetas(const Melhores& m, std::ostream& os)
{
    bool cabecalho = false;
    auto abre = [&] {
        if (cabecalho)
            return;
        cabecalho = true;
        char b[160];
        std::snprintf(b, sizeof b, "%-50s %7s %9s %8s   %s\n", "target (best time of this run)", "N", "ratio", "floor",
                      "verdict");
        os << '\n' << b;
    };
    for (const Razao& r : kRazoes) {
        auto uma = [&](const std::string& medida, const std::string& base, const std::string& piso, const char* n) {
            const double* t = Acha(m, medida);
            const double* t0 = Acha(m, base);
            if (!t || !t0)
                return;
            abre();
            double razao = r.aceleracao ? *t0 / *t : *t / *t0;
            const double* tp = r.piso ? Acha(m, piso) : nullptr;
            double rp = tp ? *tp / *t0 : 0;
            Linha(os, r.meta, n, razao, tp ? &rp : nullptr, r.aceleracao ? razao >= r.limite : razao <= r.limite);
        };
        if (!r.porTamanho) {
            uma(r.medida, r.base, "", "");
            continue;
        }
        for (int n : kTamanhos)
            uma(ComTamanho(r.medida, n), ComTamanho(r.base, n), r.piso ? ComTamanho(r.piso, n) : "",
                std::to_string(n).c_str());
    }
    for (const Crescimento& c : kCrescimentos) {
        const double* a = Acha(m, ComTamanho(c.medida, 1000));
        const double* b = Acha(m, ComTamanho(c.medida, 10000));
        const double* a0 = Acha(m, ComTamanho(c.base, 1000));
        const double* b0 = Acha(m, ComTamanho(c.base, 10000));
        if (!a || !b)
            continue;
        abre();
        double g = *b / *a;
        char meta[96];
        std::snprintf(meta, sizeof meta, "%s 10000/1000 <= %.0fx", c.medida + 3, kCrescimentoMaximo);
        Linha(os, meta, "", g, nullptr, g <= kCrescimentoMaximo, 1);
        if (!a0 || !b0)
            continue;
        // The same rule read as a ratio to the baseline, whose own growth
        // includes the step out of the caches.
        double g0 = *b0 / *a0;
        std::snprintf(meta, sizeof meta, "  beside %s (grows %.1fx) <= %.1fx", c.base + 3, g0, kCrescimentoMaximo / 10);
        Linha(os, meta, "", g / g0, nullptr, g / g0 <= kCrescimentoMaximo / 10);
    }
}

void ReporterComMetas::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& r : runs) {
        if (r.error_occurred || r.run_type != Run::RT_Iteration)
            continue;
        double ns = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e9;
        auto [it, novo] = m_melhores.emplace(r.run_name.str(), ns);
        if (!novo && ns < it->second)
            it->second = ns;
    }
    ConsoleReporter::ReportRuns(runs);
}

void ReporterComMetas::Finalize()
{
    EscreveMetas(m_melhores, GetOutputStream());
    ConsoleReporter::Finalize();
}

} // namespace tolvbench
