// Realistic freight bills for the tool, the benchmarks and the tests.
#pragma once

#include "tolvdata.h"
#include "tools/AmostraRE.h"

namespace amostra {

TCMCTRateio RateioCT(Gerador& g, int linhas = 3);
TCMCTParcela ParcelaCT(Gerador& g, int i);
TCMCTNotaFiscal NotaFiscalCT(Gerador& g);

// n elements in each list (apportionment lines, instalments, invoices), each
// apportionment line with `linhas` management lines.
void Conhecimento(TCMCTConhecimentoTransporte& c, Gerador& g, int n = 10, int linhas = 3);

} // namespace amostra
