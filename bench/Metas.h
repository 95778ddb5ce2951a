// The targets of the road read off the figures of one run.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace tolvbench {

// The best time (ns) of each benchmark, the minimum over its repetitions.
using Melhores = std::map<std::string, double>;

// Writes the table of targets for the benchmarks present in m: each ratio
// beside its baseline (and the format's floor where there is one), the growth
// from 1,000 to 10,000 items beside the baseline's, and the verdict.
void EscreveMetas(const Melhores& m, std::ostream& os);

// The console display, keeping the best time of each benchmark and writing
// the targets after the last one.
class ReporterComMetas : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    Melhores m_melhores;
};

} // namespace tolvbench
