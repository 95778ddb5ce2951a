// Realistic fiscal-bookkeeping movements for the tool, the benchmarks and the
// tests.
#pragma once

#include "tolvdata.h"
#include "tools/AmostraRE.h"

namespace amostra {

TEFMovimentoAliquotaICMS AliquotaEF(Gerador& g, unsigned short percentual);
TEFMovimentoItem ItemEF(Gerador& g, int i);
TEFMovimentoDI DIEF(Gerador& g);
TEFMovimentoParcela ParcelaEF(Gerador& g, int i);
TEFMovimentoReferida ReferidaEF(Gerador& g);
TEFMovimentoTransporte TransporteEF(Gerador& g);

// n elements in each list (ICMS rates, all kept, items, import declarations,
// instalments, referred documents, transported invoices) and a management
// apportionment of two groups of n lines each.
void Movimento(TEFMovimento& m, Gerador& g, int n = 10);

} // namespace amostra
