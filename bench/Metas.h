// The targets of every document read off the figures of one run.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

namespace tolvbench {

// What one run gave: the best time (ns) of each benchmark, the minimum over
// its repetitions, and the benchmarks skipped with their reason.
struct Resultados {
    std::map<std::string, double> melhores;
    std::map<std::string, std::string> pulados;
};

// The runs of one table, each under its allocator setting ("C library
// defaults", "freed memory kept").
using PorAjuste = std::vector<std::pair<std::string, Resultados>>;

// Writes the table of targets for every document present: one line per
// target and size, each ratio to the document's floor in the same run, with
// met / not met under each setting.
void EscreveMetas(const PorAjuste& r, std::ostream& os);

// The results as lines of text, to pass from one process to another.
std::string Serializa(const Resultados& r);
Resultados Desserializa(const std::string& s);

// The console display, keeping the results of the run. Without a setting's
// name it only keeps them (Resultados()); with one it writes the table of
// targets after the last benchmark.
class ReporterComMetas : public benchmark::ConsoleReporter {
public:
    ReporterComMetas(OutputOptions o, std::string ajuste) : ConsoleReporter(o), m_ajuste(std::move(ajuste)) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    const Resultados& Obtidos() const { return m_resultados; }

private:
    std::string m_ajuste;
    Resultados m_resultados;
};

} // namespace tolvbench
