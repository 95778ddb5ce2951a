// Realistic master tables for the tool, the benchmarks and the tests.
#pragma once

#include <algorithm>

#include "tools/AmostraRE.h"

namespace amostra {

// What the authorization table carries.
struct FormaAutorizacoes {
    int regras = 10; // each with `grupos` user groups
    int grupos = 2;  // each with `usuarios` user numbers
    int usuarios = 3;
};

// `itens` rules; the groups of a rule and the users of a group as many, up to
// 10 each, so that the table grows with its rules (see FormaOperacaoDe).
inline FormaAutorizacoes FormaAutorizacoesDe(int itens)
{
    return FormaAutorizacoes{itens, std::min(itens, 10), std::min(itens, 10)};
}

TCMMestreAutorizacoes Regra(Gerador& g, int grupos = 2, int usuarios = 3);

void ListaAutorizacoes(TCMMestreListaAutorizacoes& t, Gerador& g, const FormaAutorizacoes& f = FormaAutorizacoes());
void ListaRecebimento(TCMMestreListaRecebimento& t, Gerador& g, int itens = 10);
void ListaLeiauteOC(TCMMestreListaLeiauteOC& t, Gerador& g, int itens = 10);

} // namespace amostra
