// Realistic purchase requisitions for the tool, the benchmarks and the tests.
#pragma once

#include "tolvdata.h"
#include "tools/AmostraRE.h"

namespace amostra {

// What a whole requisition carries.
struct FormaSolicitacao {
    int itens = 25;
    int rateios = 2; // per item, each with `linhas` management lines
    int linhas = 2;
    int fornecedores = 3;
};

TCMSCRateio RateioSC(Gerador& g, const FormaSolicitacao& f = FormaSolicitacao());
TCMSCItem ItemSC(Gerador& g, int i, const FormaSolicitacao& f = FormaSolicitacao());
TCMSCFornecedor FornecedorSC(Gerador& g);

void Solicitacao(TCMSCSolicitacaoCompra& r, Gerador& g, const FormaSolicitacao& f = FormaSolicitacao());

} // namespace amostra
