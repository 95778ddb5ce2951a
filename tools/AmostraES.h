// Realistic inventory movements for the tool, the benchmarks and the tests.
#pragma once

#include "tools/AmostraRE.h"

namespace amostra {

// What one movement carries.
struct FormaMovimento {
    int contabeis = 3; // each with `linhas` management lines
    int linhas = 2;
    int composicoes = 4;
    int referencias = 2;
};

// The same number of elements in every list of the movement.
inline FormaMovimento FormaMovimentoDe(int itens) { return FormaMovimento{itens, 2, itens, itens}; }

TESMovimentoContabil Contabil(Gerador& g, int linhas = 2);
TESMovimentoComposicao ComposicaoES(Gerador& g);
TESMovimentoReferencia Referencia(Gerador& g);

void Movimento(TESMovimento& m, Gerador& g, const FormaMovimento& f = FormaMovimento());

} // namespace amostra
