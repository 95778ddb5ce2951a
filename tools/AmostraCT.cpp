#include "tools/AmostraCT.h"

namespace amostra {

namespace {

_JQ_NFE_ps Identificacao(Gerador& g)
{
    _JQ_NFE_ps id;
    for (auto& b : id.bytes)
        b = static_cast<BYTE>(g.Proximo());
    return id;
}

REG_JQDMC Chave(Gerador& g) { return JQDMC_Monta(g.Proximo(), static_cast<unsigned short>(1 + g.Ate(34440))); }

} // namespace

TCMCTRateio RateioCT(Gerador& g, int linhas)
{
    TCMCTRateio r;
    r.SetValor(g.Valor(20000));
    r.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    r.SetPonteiroCFOP(static_cast<unsigned short>(1352 + g.Ate(2)));
    r.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(90)));
    r.SetComplementoHistorico(g.Texto("frete sobre compras ", 48));
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(g));
    return r;
}

TCMCTParcela ParcelaCT(Gerador& g, int i)
{
    TCMCTParcela p;
    p.SetValorParcela(g.Valor(20000));
    p.SetRegDataVencimento(g.Data());
    p.SetNumeroDocumento(g.Texto("CTE-FAT-", 20));
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    p.SetPonteiroTipoVencimento(1);
    p.SetPonteiroFormaPagamento(static_cast<unsigned char>(1 + g.Ate(4)));
    return p;
}

TCMCTNotaFiscal NotaFiscalCT(Gerador& g)
{
    TCMCTNotaFiscal n;
    n.SetRegNFe(Identificacao(g));
    n.SetRegDataEmissao(g.Data());
    n.SetValorMercadorias(g.Valor(500000));
    n.SetValorDocumentoFiscal(g.Valor(600000));
    n.SetPesoBrutoTotal(g.Valor(9000));
    n.SetPesoLiquidoTotal(g.Valor(8000));
    n.SetQtdVolumes(g.Valor(300));
    n.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    n.SetPonteiroTipoDocumento(55);
    n.SetMarcaVolume(g.Texto("MARCA ", 16));
    n.SetVolumes(g.Texto("VOL ", 12));
    n.SetNumeroVolumes(g.Texto("", 8));
    n.SetNumeroNF(g.Texto("", 9));
    n.SetNaturezaVolumes("CAIXAS");
    n.SetEspecieVolume("PALETE");
    n.SetSerieNF("1");
    n.SetTipoNota(1);
    return n;
}

void Conhecimento(TCMCTConhecimentoTransporte& c, Gerador& g, int n, int linhas)
{
    c.Limpar();
    c.SetRegCTe(Identificacao(g));
    c.SetRegCTeReferencia(Identificacao(g));
    c.SetRegQuemGerou(Chave(g));
    c.SetRegPonteiroOC(Chave(g));
    c.SetRegPonteiroEsteCT(Chave(g));
    c.SetValorConhecimentoTransporte(g.Valor(90000));
    c.SetValorBaseCalculoICMS(g.Valor(90000));
    c.SetValorICMS(g.Valor(10000));
    c.SetValorPISNaoCumulativo(g.Valor(2000));
    c.SetValorCOFINSNaoCumulativo(g.Valor(8000));
    c.SetAliquotaPISNaoCumulativo(JQCY(16500));
    c.SetAliquotaCOFINSNaoCumulativo(JQCY(76000));
    c.SetPonteiroTransportadora(static_cast<long>(1 + g.Ate(5000)));
    c.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    c.SetNrDctoContabil(static_cast<long>(g.Ate(1000000)));
    c.SetPonteiroOperacao(static_cast<long>(1 + g.Ate(300)));
    c.SetAliquotaICMS(1200);
    c.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(9)));
    c.SetPonteiroCFOP(1352);
    c.SetRegDataEntrada(g.Data());
    c.SetRegDataEmissao(g.Data());
    c.SetPonteiroTipoDocumento(57);
    c.SetPonteiroCondicaoPagamento(static_cast<unsigned short>(1 + g.Ate(50)));
    c.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(90)));
    c.SetComplementoHistorico(g.Texto("conhecimento de transporte ", 60));
    c.SetNumeroConhecimentoTransporte(g.Texto("", 9));
    c.SetSerieConhecimentoTransporte("1");
    c.SetPlacaVeiculo1(g.Texto("ABC", 7));
    c.SetPlacaVeiculo2(g.Texto("DEF", 7));
    c.SetEstado1("SP");
    c.SetEstado2("PR");
    c.SetEstadoOrigem("MG");
    c.SetLivreCobranca('N');
    c.SetFretePorConta('1');
    c.SetStatusViaTransp(1);
    c.SetObservacao(g.Texto("observacao do frete ", 100));
    for (int i = 0; i < n; ++i)
        c.AdicionaRateio(RateioCT(g, linhas));
    for (int i = 0; i < n; ++i)
        c.AdicionaParcela(ParcelaCT(g, i));
    for (int i = 0; i < n; ++i)
        c.AdicionaNotaFiscal(NotaFiscalCT(g));
    CString log("recebido pelo exemplo");
    c.AdicionaLogs(log);
}

} // namespace amostra
