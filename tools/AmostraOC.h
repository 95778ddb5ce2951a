// Realistic purchase orders for the tool, the benchmarks and the tests.
#pragma once

#include "tools/AmostraRE.h"

namespace amostra {

// What one order item carries.
struct FormaItemOC {
    int rateios = 2; // each with `linhas` management lines
    int linhas = 2;
    int programacoes = 2; // each with `recebimentos` receipts
    int recebimentos = 1;
};

// What a whole order carries besides its items.
struct FormaOrdem {
    int itens = 25;
    int parcelas = 3;
    int logs = 2;
    FormaItemOC item;
};

TCMOCRateio RateioOC(Gerador& g, int linhas = 2);
TCMOCRecebimento RecebimentoOC(Gerador& g);
TCMOCProgramacao ProgramacaoOC(Gerador& g, int recebimentos = 1);
TCMOCItem ItemOC(Gerador& g, int i, const FormaItemOC& f = FormaItemOC());
TCMOCParcela ParcelaOC(Gerador& g, int i);
TCMOCAutorizacao AutorizacaoOC(Gerador& g);

void Ordem(TCMOCOrdemCompra& o, Gerador& g, const FormaOrdem& f = FormaOrdem());
void ListaAutorizacao(TCMOCListaAutorizacao& l, Gerador& g, int autorizacoes = 5);

} // namespace amostra
