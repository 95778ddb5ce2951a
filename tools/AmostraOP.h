// Realistic operations for the tool, the benchmarks and the tests.
#pragma once

#include <algorithm>

#include "tools/AmostraRE.h"

namespace amostra {

// What one operation carries.
struct FormaOperacao {
    int relacionamentos = 3; // each with `rateios` apportionments
    int rateios = 2;         // each with `linhas` management splits
    int linhas = 2;
};

// `itens` relationships; the lists below them hold as many, up to 10 each, so
// that a large operation grows with its relationships and still fits the
// address space at 10,000 (the same count at every level would make a
// thousand-relationship operation a billion lines).
inline FormaOperacao FormaOperacaoDe(int itens)
{
    return FormaOperacao{itens, std::min(itens, 10), std::min(itens, 10)};
}

TCMOPRateio RateioOP(Gerador& g, int linhas = 2);
TCMOPRelacionamento Relacionamento(Gerador& g, int rateios = 2, int linhas = 2);

void Operacao(TCMOPOperacao& o, Gerador& g, const FormaOperacao& f = FormaOperacao());

} // namespace amostra
