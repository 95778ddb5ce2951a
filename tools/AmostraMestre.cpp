#include "tools/AmostraMestre.h"

namespace amostra {

TCMMestreAutorizacoes Regra(Gerador& g, int grupos, int usuarios)
{
    TCMMestreAutorizacoes r;
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = static_cast<long>(10000 + g.Ate(90000));
    p.PonteiroItemGrade1 = static_cast<unsigned short>(g.Ate(12));
    r.SetPosicaoProduto(p);
    r.SetFaixaValorInicial(g.Valor(1000));
    r.SetFaixaValorFinal(g.Valor(100000));
    r.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    r.SetPeriodoValidadeInicial(static_cast<unsigned short>(55519 + g.Ate(9000)));
    r.SetPeriodoValidadeFinal(static_cast<unsigned short>(64519 + g.Ate(1000)));
    r.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
    r.SetDataUltimaAlteracao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    r.SetHoraUltimaAlteracao(static_cast<unsigned short>(g.Ate(1440)));
    r.SetUsuario(static_cast<unsigned short>(1 + g.Ate(500)));
    r.SetStatusProdutoServico('P');
    for (int k = 0; k < grupos; ++k) {
        TCMMestreAutorizacoesUsuarios u;
        for (int j = 0; j < usuarios; ++j) {
            unsigned short n = static_cast<unsigned short>(1 + g.Ate(500));
            u.AdicionaUsuarios(n);
        }
        r.AdicionaUsuarios(u);
    }
    return r;
}

void ListaAutorizacoes(TCMMestreListaAutorizacoes& t, Gerador& g, const FormaAutorizacoes& f)
{
    t.Limpar();
    for (int k = 0; k < f.regras; ++k)
        t.AdicionaAutorizacoes(Regra(g, f.grupos, f.usuarios));
}

void ListaRecebimento(TCMMestreListaRecebimento& t, Gerador& g, int itens)
{
    t.Limpar();
    for (int k = 0; k < itens; ++k) {
        TCMMestreRecebimento r;
        r.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
        r.SetHoraDe(static_cast<unsigned short>(360 + g.Ate(240)));
        r.SetHoraAte(static_cast<unsigned short>(960 + g.Ate(240)));
        r.SetDiaSemanaDe(static_cast<unsigned char>(1 + g.Ate(2)));
        r.SetDiaSemanaAte(static_cast<unsigned char>(5 + g.Ate(2)));
        r.SetExcetoFeriados(static_cast<unsigned char>(g.Ate(2)));
        t.AdicionaRecebimento(r);
    }
}

void ListaLeiauteOC(TCMMestreListaLeiauteOC& t, Gerador& g, int itens)
{
    t.Limpar();
    for (int k = 0; k < itens; ++k) {
        TCMMestreLeiauteOC l;
        l.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
        l.SetLeiaute(g.Texto("{cabecalho}{itens}{parcelas}{rodape} ", 200));
        t.AdicionaLeiauteOC(l);
    }
}

} // namespace amostra
