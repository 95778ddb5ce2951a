#include "tools/AmostraOC.h"

namespace amostra {

namespace {

unsigned short Dia(Gerador& g) { return static_cast<unsigned short>(40000 + g.Ate(8000)); }
unsigned short Hora(Gerador& g) { return static_cast<unsigned short>(g.Ate(24 * 60)); }

} // namespace

TCMOCRateio RateioOC(Gerador& g, int linhas)
{
    TCMOCRateio r;
    r.SetQuantidade(g.Valor(100));
    r.SetValor(g.Valor());
    r.SetValorFrete(g.Valor(300));
    r.SetValorSeguro(g.Valor(100));
    r.SetValorICMS(g.Valor(2000));
    r.SetValorIPI(g.Valor(1000));
    r.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    r.SetPonteiroRequisitante(static_cast<long>(1 + g.Ate(200)));
    r.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    r.SetDestino('C');
    r.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(90)));
    r.SetComplementoHistorico(g.Texto("rateio da compra ", 40));
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(g));
    return r;
}

TCMOCRecebimento RecebimentoOC(Gerador& g)
{
    TCMOCRecebimento r;
    r.SetQuantidade(g.Valor(100));
    r.SetQuantidadeTotal(g.Valor(500));
    r.SetPonteiroRE(static_cast<long>(1 + g.Ate(100000)));
    r.SetPonteiroTaxaConversao(static_cast<long>(g.Ate(5)));
    r.SetDataEntrega(Dia(g));
    r.SetHoraEntrega(Hora(g));
    r.SetPonteiroUnidadeCompra(static_cast<unsigned short>(1 + g.Ate(20)));
    r.SetUsuario(static_cast<unsigned short>(1 + g.Ate(50)));
    r.SetNumeroNotaFiscal(g.Texto("", 9));
    r.SetRecebimento(1);
    r.SetObservacao(g.Texto("recebido conforme nota ", 60));
    return r;
}

TCMOCProgramacao ProgramacaoOC(Gerador& g, int recebimentos)
{
    TCMOCProgramacao p;
    p.SetQuantidadeSolicitada(g.Valor(500));
    p.SetDataEntrega(Dia(g));
    p.SetHoraEntrega(Hora(g));
    p.SetDataEntregaAnterior(Dia(g));
    p.SetHoraEntregaAnterior(Hora(g));
    for (int k = 0; k < recebimentos; ++k)
        p.AdicionaRecebimento(RecebimentoOC(g));
    return p;
}

TCMOCItem ItemOC(Gerador& g, int i, const FormaItemOC& f)
{
    TCMOCItem it;
    it.SetIDItem(static_cast<unsigned long>(i + 1));
    it.SetPonteiroProdutoServico(static_cast<long>(10000 + g.Ate(90000)));
    it.SetPonteiroItemGrade1(static_cast<unsigned short>(g.Ate(12)));
    it.SetQuantidade(g.Valor(500));
    it.SetValorUnitarioV8(g.Valor(2000));
    it.SetDescontoUnitarioV8(g.Valor(20));
    it.SetValorTotal(g.Valor());
    it.SetValorIPI(g.Valor(1000));
    it.SetAliquotaIPI(JQCY(50000));
    it.SetValorICMS(g.Valor(20000));
    it.SetAliquotaICMS(JQCY(180000));
    it.SetPrecoUltimaCompra(g.Valor(2000));
    it.SetPonteiroUnidadeMedida(static_cast<unsigned short>(1 + g.Ate(20)));
    it.SetNumeroItemCotacao(static_cast<unsigned short>(i + 1));
    it.SetDataNecessidade(Dia(g));
    it.SetQtdCasasVlrUnitario(4);
    it.SetComplemento(g.Texto("complemento do item ", 80));
    for (int k = 0; k < f.rateios; ++k)
        it.AdicionaRateio(RateioOC(g, f.linhas));
    for (int k = 0; k < f.programacoes; ++k)
        it.AdicionaProgramacao(ProgramacaoOC(g, f.recebimentos));
    return it;
}

TCMOCParcela ParcelaOC(Gerador& g, int i)
{
    TCMOCParcela p;
    p.SetValorParcela(g.Valor());
    p.SetDataVencimento(Dia(g));
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    p.SetPonteiroTipoVencimento(static_cast<unsigned char>(1 + g.Ate(4)));
    p.SetPonteiroFormaPagamento(static_cast<unsigned char>(1 + g.Ate(6)));
    return p;
}

TCMOCAutorizacao AutorizacaoOC(Gerador& g)
{
    TCMOCAutorizacao a;
    a.SetAutorizarNaData(Dia(g));
    a.SetDataUltimaAlteracao(Dia(g));
    a.SetHoraUltimaAlteracao(Hora(g));
    a.SetUsuario(static_cast<unsigned short>(1 + g.Ate(50)));
    a.SetAutorizado(static_cast<unsigned char>(g.Ate(2)));
    return a;
}

void Ordem(TCMOCOrdemCompra& o, Gerador& g, const FormaOrdem& f)
{
    o.Limpar();
    _JQ_DMCPS chave{};
    for (int k = 0; k < 6; ++k)
        chave.bytes[k] = static_cast<BYTE>(g.Proximo());
    o.SetJQDMC(chave);
    o.SetRegDataCompetencia(g.Data());
    o.SetValorTotalProdutos(g.Valor(1000000));
    o.SetValorTotalOrdemCompra(g.Valor(1000000));
    o.SetValorTotalIPI(g.Valor(50000));
    o.SetValorTotalICMS(g.Valor(100000));
    o.SetValorFrete(g.Valor(5000));
    o.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    o.SetPonteiroTransportadora(static_cast<long>(1 + g.Ate(1000)));
    o.SetPonteiroEsteOC(static_cast<long>(1 + g.Ate(1000000)));
    o.SetPonteiroComprador(1 + g.Ate(50));
    o.SetPonteiroFilialEmitente(static_cast<unsigned short>(1 + g.Ate(9)));
    o.SetPonteiroFilialFaturamento(static_cast<unsigned short>(1 + g.Ate(9)));
    o.SetDataEmissao(Dia(g));
    o.SetDataEntrega(Dia(g));
    o.SetPonteiroCondicaoPagamento(static_cast<unsigned short>(1 + g.Ate(50)));
    o.SetNumeroDiasEntrega(static_cast<unsigned short>(g.Ate(60)));
    o.SetLocalEntrega(g.Texto("Rua das Entregas, ", 60));
    o.SetMensagemParaFornecedor(g.Texto("Favor confirmar o recebimento desta ordem. ", 300));
    o.SetComplementoHistorico(g.Texto("compra de material ", 60));
    o.SetCodigo(g.Texto("OC-", 12));
    o.SetMoeda("R$");
    o.SetPonteiroTipoPeriodo(3);
    o.SetSituacao('A');
    for (int i = 0; i < f.itens; ++i)
        o.AdicionaItem(ItemOC(g, i, f.item));
    for (int i = 0; i < f.parcelas; ++i)
        o.AdicionaParcela(ParcelaOC(g, i));
    for (int i = 0; i < f.logs; ++i)
        o.AdicionaLogs(g.Texto("registro da ordem ", 40));
    CIEVinculo v;
    v.SetChave(g.Texto("vinculo-", 16));
    o.SetVinculo(v);
}

void ListaAutorizacao(TCMOCListaAutorizacao& l, Gerador& g, int autorizacoes)
{
    l.Limpar();
    for (int i = 0; i < autorizacoes; ++i)
        l.AdicionaAutorizacao(AutorizacaoOC(g));
}

} // namespace amostra
