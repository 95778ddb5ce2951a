// Realistic operations for the tool, the benchmarks and the tests.
#pragma once

#include "tools/AmostraRE.h"

namespace amostra {

// What one operation carries.
struct FormaOperacao {
    int relacionamentos = 3; // each with `rateios` apportionments
    int rateios = 2;         // each with `linhas` management splits
    int linhas = 2;
};

// The same number of elements in every list of the tree.
inline FormaOperacao FormaOperacaoDe(int itens) { return FormaOperacao{itens, itens, itens}; }

TCMOPRateio RateioOP(Gerador& g, int linhas = 2);
TCMOPRelacionamento Relacionamento(Gerador& g, int rateios = 2, int linhas = 2);

void Operacao(TCMOPOperacao& o, Gerador& g, const FormaOperacao& f = FormaOperacao());

} // namespace amostra
