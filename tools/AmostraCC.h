// Realistic purchase contracts of both generations for the tool, the
// benchmarks and the tests.
#pragma once

#include "tools/AmostraRE.h"

namespace amostra {

TCMCC2Aditivo AditivoCC2(Gerador& g, int i);
TCMCC2Reajuste ReajusteCC2(Gerador& g);
TCMCC2NotaFiscal NotaFiscalCC2(Gerador& g, int i);
TCMCC2Classificacao ClassificacaoCC2(Gerador& g);
TCMCC2Execucao ExecucaoCC2(Gerador& g, int i);
TCMCC2Parcela ParcelaCC2(Gerador& g, int i);

// A second-generation contract with `elementos` entries in each of its seven
// lists (at least one) and both texts.
void ContratoCC2(TCMCC2Contrato& c, Gerador& g, int elementos);

TCMCCAditivo AditivoCC(Gerador& g, int i);
TCMCCReajuste ReajusteCC(Gerador& g);
TCMCCNotaFiscal NotaFiscalCC(Gerador& g, int i);
TCMCCClassificacao ClassificacaoCC(Gerador& g);
TCMCCExecucao ExecucaoCC(Gerador& g, int i);
TCMCCParcela ParcelaCC(Gerador& g, int i);

// The same for the first generation.
void ContratoCC(TCMCCContrato& c, Gerador& g, int elementos);

} // namespace amostra
