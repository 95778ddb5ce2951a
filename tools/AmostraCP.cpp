#include "tools/AmostraCP.h"

#include "tools/AmostraOC.h"

namespace amostra {

TCMCPCotacaoPrecoRateio RateioCP(Gerador& g, int linhas)
{
    TCMCPCotacaoPrecoRateio r;
    r.SetRegQuemGerou(JQDMC_Monta(g.Proximo(), static_cast<unsigned short>(1 + g.Ate(34440))));
    r.SetQuantidade(g.Valor(100));
    r.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    r.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    r.SetPonteiroRequisitante(static_cast<long>(1 + g.Ate(300)));
    r.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(90)));
    r.SetComplementoHistorico(g.Texto("rateio da cotacao ", 40));
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(g));
    return r;
}

TCMCPCotacaoPrecoItemProduto ProdutoCP(Gerador& g, int i, const FormaCotacao& f)
{
    TCMCPCotacaoPrecoItemProduto p;
    p.SetIDItem(static_cast<unsigned long>(i + 1));
    p.SetPonteiroProdutoServico(static_cast<long>(10000 + g.Ate(90000)));
    p.SetPonteiroItemGrade1(static_cast<unsigned short>(g.Ate(12)));
    p.SetSaldoEmEstoque(g.Valor(800));
    p.SetPontoDeReposicao(g.Valor(200));
    p.SetEstoqueMinimo(g.Valor(100));
    p.SetQuantidadeUltimaCompra(g.Valor(500));
    p.SetPrecoUltimaCompra(g.Valor(2000));
    p.SetQuantidadeCotada(g.Valor(500));
    p.Setv8CustoMedio(g.Valor(2000));
    p.SetPonteiroUnidadeMedida(static_cast<unsigned short>(1 + g.Ate(20)));
    p.SetDataNecessidade(static_cast<unsigned short>(55519 + g.Ate(9000)));
    p.SetStatusProdutoServico('A');
    p.SetComplemento(g.Texto("complemento do produto ", 60));
    p.SetObservacao(g.Texto("observacao do produto ", 120));
    for (int k = 0; k < f.rateios; ++k)
        p.AdicionaRateio(RateioCP(g, f.linhas));
    return p;
}

TCMCPCotacaoPrecoItemParcela ParcelaCP(Gerador& g, int i)
{
    TCMCPCotacaoPrecoItemParcela p;
    p.SetValor(g.Valor(20000));
    p.SetDataVencimento(static_cast<unsigned short>(55519 + g.Ate(9000)));
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    p.SetPonteiroTipoVencimento(static_cast<unsigned char>(1 + g.Ate(3)));
    return p;
}

TCMCPCotacaoPrecoItemFornecedor FornecedorCP(Gerador& g, const FormaCotacao& f)
{
    TCMCPCotacaoPrecoItemFornecedor s;
    s.SetFrete(g.Valor(3000));
    s.SetDescontoFornecedor(g.Valor(500));
    s.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    s.SetPonteiroCondPgto(static_cast<unsigned short>(1 + g.Ate(50)));
    s.SetPrazoEntrega(static_cast<unsigned short>(g.Ate(60)));
    s.SetDataEntrega(static_cast<unsigned short>(55519 + g.Ate(9000)));
    s.SetDataResposta(static_cast<unsigned short>(55519 + g.Ate(9000)));
    s.SetPrazoValidadeProposta(static_cast<unsigned short>(g.Ate(30)));
    s.SetDataPrimeiroVencimento(static_cast<unsigned short>(55519 + g.Ate(9000)));
    s.SetMoeda("R$");
    s.SetSituacaoCotacao('R');
    s.SetPonteiroTipoPeriodo(1);
    s.SetOrigemDados(static_cast<unsigned char>(g.Ate(3)));
    s.SetNomeFornecedor(g.Texto("Fornecedor ", 40));
    s.SetObservacao(g.Texto("proposta ", 80));
    for (int k = 0; k < f.parcelas; ++k)
        s.AdicionaParcela(ParcelaCP(g, k));
    if (f.itensOrdemAuxiliar > 0) {
        FormaOrdem fo;
        fo.itens = f.itensOrdemAuxiliar;
        TCMOCOrdemCompra o;
        Ordem(o, g, fo);
        s.SetOCAuxiliar(o);
        s.SetTemOCAuxiliar(true);
    }
    return s;
}

TCMCPCotacaoPrecoItemAcompanhamento AcompanhamentoCP(Gerador& g, int fornecedor, int produto)
{
    TCMCPCotacaoPrecoItemAcompanhamento a;
    a.SetRegDataHoraEntrega(REG_JQDMAHMSUTC{{1, 2, 3, 4, 5, 6, 7, static_cast<BYTE>(g.Ate(256))}});
    a.SetPrecoUnitario(g.Valor(2000));
    a.SetDescontoUnitario(g.Valor(50));
    a.SetDescontoTotal(g.Valor(500));
    a.SetPrecoTotal(g.Valor());
    a.SetValorIPI(g.Valor(1000));
    a.SetValorICMS(g.Valor(5000));
    a.SetAliquotaIPI(JQCY(50000));
    a.SetAliquotaICMS(JQCY(180000));
    a.SetAliquotaICMSST(JQCY(180000));
    a.SetValorICMSST(g.Valor(500));
    a.SetAliqReducaoICMSST(JQCY(100000));
    a.SetIndiceFornecedor(static_cast<unsigned short>(fornecedor));
    a.SetIndiceProduto(static_cast<unsigned short>(produto));
    a.SetSituacao('C');
    a.SetTipoReducaoAcrescimoICMS(static_cast<unsigned char>(g.Ate(3)));
    a.SetObservacao(g.Texto("oferta ", 50));
    return a;
}

void Cotacao(TCMCPCotacaoPreco& c, Gerador& g, const FormaCotacao& f)
{
    c.Limpar();
    c.RemoveTodosLogs();
    c.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    c.SetPonteiroRequisitante(static_cast<long>(1 + g.Ate(300)));
    c.SetPonteiroEsteCP(static_cast<long>(1 + g.Ate(1000000)));
    c.SetPonteiroComprador(1 + g.Ate(50));
    c.SetDataCotacao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    c.SetDataUltimaAlteracao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    c.SetDataSolicitacao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    c.SetHoraUltimaAlteracao(static_cast<unsigned short>(g.Ate(1440)));
    c.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(9)));
    c.SetUsuario(static_cast<unsigned short>(1 + g.Ate(200)));
    c.SetDataLimiteCotacao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    c.SetNrDiasNecessidade(static_cast<unsigned short>(g.Ate(60)));
    c.SetDataNecessidade(static_cast<unsigned short>(55519 + g.Ate(9000)));
    c.SetCodigoCotacao(g.Texto("CP-", 12));
    c.SetSituacao('A');
    c.SetAprovarMenorPreco('S');
    c.SetObservacao(g.Texto("observacao da cotacao ", 300));
    c.SetLocalEntrega(g.Texto("Rua das Entregas, ", 80));
    for (int i = 0; i < f.produtos; ++i)
        c.AdicionaItemProduto(ProdutoCP(g, i, f));
    for (int i = 0; i < f.fornecedores; ++i)
        c.AdicionaItemFornecedor(FornecedorCP(g, f));
    for (int i = 0; i < f.fornecedores; ++i)
        for (int p = 0; p < f.produtos; ++p)
            c.AdicionaItemAcompanhamento(AcompanhamentoCP(g, i, p));
    for (int i = 0; i < f.logs; ++i)
        c.AdicionaLogs(g.Texto("log ", 30));
}

} // namespace amostra
