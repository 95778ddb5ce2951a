// Realistic entry-register pieces for the tool, the benchmarks and the tests.
#pragma once

#include <cstdint>

#include "tolvdata.h"

namespace amostra {

// Small deterministic generator (xorshift).
class Gerador {
public:
    explicit Gerador(uint32_t semente) : m_s(semente ? semente : 0x9E3779B9u) {}
    uint32_t Proximo()
    {
        m_s ^= m_s << 13;
        m_s ^= m_s >> 17;
        m_s ^= m_s << 5;
        return m_s;
    }
    uint32_t Ate(uint32_t n) { return n ? Proximo() % n : 0; }
    // An amount of up to `max` units with four decimals.
    tagCY Valor(uint32_t max = 100000) { return JQCY(static_cast<LONGLONG>(Ate(max)) * 10000 + Ate(10000)); }
    REG_JQDMA Data();
    CString Texto(const char* prefixo, unsigned tamanho);

private:
    uint32_t m_s;
};

// What one product item carries.
struct FormaProduto {
    int rateios = 2; // each with `linhas` management lines
    int linhas = 2;
    int impostos = 1; // each with two deductions
    int entradasEstoque = 1;
    int margens = 1;
    int totais = 1;
    int associacoes = 1;
};

TCMGerencial Linha(Gerador& g);
TCMREItemImposto Imposto(Gerador& g, int deducoes = 2);
TCMREItemProduto Produto(Gerador& g, int i, const FormaProduto& f = FormaProduto());
TCMREItemServico Servico(Gerador& g, int i);
TCMREParcela Parcela(Gerador& g, int i);
TCMRETituloImposto Titulo(Gerador& g, int i);
TCMREEntradaEstoque EntradaEstoque(Gerador& g);
TCMREMargemLucro Margem(Gerador& g);
TCMREItemAssociacaoREOC AssociacaoItem(Gerador& g, int i);
TCMRENFReferidas Referida(Gerador& g);
TCMREObservacaoCFOP ObservacaoCFOP(Gerador& g);

// What a whole register carries besides its items.
struct FormaRegistro {
    int produtos = 25;
    int servicos = 3;
    int parcelas = 3;
    int titulos = 2;
    int referidas = 2;
    int observacoesCFOP = 2;
    int associacoes = 2;
    FormaProduto produto;
};

void Registro(TCMRERegistroEntrada& r, Gerador& g, const FormaRegistro& f = FormaRegistro());

} // namespace amostra
