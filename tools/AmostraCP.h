// Realistic price quotations for the tool, the benchmarks and the tests.
#pragma once

#include "tolvdata.h"
#include "tools/AmostraRE.h"

namespace amostra {

// What a whole quotation carries: every supplier answers for every product
// (one follow-up line per pair).
struct FormaCotacao {
    int produtos = 25;
    int fornecedores = 3;
    int rateios = 2; // per product, each with `linhas` management lines
    int linhas = 2;
    int parcelas = 3; // per supplier
    int logs = 2;
    // Items of the auxiliary order each supplier holds (none: no order). The
    // order never travels.
    int itensOrdemAuxiliar = 0;
};

TCMCPCotacaoPrecoRateio RateioCP(Gerador& g, int linhas = 2);
TCMCPCotacaoPrecoItemProduto ProdutoCP(Gerador& g, int i, const FormaCotacao& f = FormaCotacao());
TCMCPCotacaoPrecoItemFornecedor FornecedorCP(Gerador& g, const FormaCotacao& f = FormaCotacao());
TCMCPCotacaoPrecoItemParcela ParcelaCP(Gerador& g, int i);
TCMCPCotacaoPrecoItemAcompanhamento AcompanhamentoCP(Gerador& g, int fornecedor, int produto);

void Cotacao(TCMCPCotacaoPreco& c, Gerador& g, const FormaCotacao& f = FormaCotacao());

} // namespace amostra
