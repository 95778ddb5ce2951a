#include "tools/AmostraEF.h"

namespace amostra {

namespace {

_JQ_NFE_ps Identificacao(Gerador& g)
{
    _JQ_NFE_ps id;
    for (auto& b : id.bytes)
        b = static_cast<BYTE>(g.Proximo());
    return id;
}

unsigned short Dia(Gerador& g) { return static_cast<unsigned short>(JQDia16(1 + g.Ate(28), 1 + g.Ate(12), 2026)); }

} // namespace

TEFMovimentoAliquotaICMS AliquotaEF(Gerador& g, unsigned short percentual)
{
    TEFMovimentoAliquotaICMS a;
    a.SetValorBaseCalculoICMS(g.Valor(50000));
    a.SetValorICMS(g.Valor(9000));
    a.SetPercentualAliquotaICMS(percentual);
    a.SetPonteiroCFOP(static_cast<unsigned short>(1102 + g.Ate(3)));
    return a;
}

TEFMovimentoItem ItemEF(Gerador& g, int i)
{
    TEFMovimentoItem it;
    _REG_POSICAO_PRODUTOPS pos{};
    pos.PonteiroProduto = static_cast<long>(10000 + g.Ate(90000));
    pos.PonteiroItemGrade1 = static_cast<unsigned short>(g.Ate(12));
    it.SetRegPosicaoProduto(pos);
    it.SetQtdProduto(g.Valor(500));
    it.SetVlrTotalProduto(g.Valor());
    it.SetBaseCalcICMS(g.Valor());
    it.SetVlrICMS(g.Valor(20000));
    it.SetBaseCalcIPI(g.Valor());
    it.SetVlrIPI(g.Valor(5000));
    it.SetBCPIS_NC(g.Valor());
    it.SetVlrPIS_NC(g.Valor(1000));
    it.SetBCCOFINS_NC(g.Valor());
    it.SetVlrCOFINS_NC(g.Valor(4000));
    it.SetNrItemNota(static_cast<unsigned short>(i + 1));
    it.SetAliquotaICMS(1800);
    it.SetPonteiroCFOP(1102);
    it.SetCodigoSituacaoTributaria(0);
    it.SetDescricaoComplementar(g.Texto("item da nota ", 60));
    it.SetNomeProduto(g.Texto("PRODUTO ", 30));
    it.SetNumeroLote(g.Texto("LOTE", 12));
    it.SetCodigoUnMedida("UN");
    it.SetClassificacaoFiscal("84713012");
    it.SetCodigoContaPISCOFIN(g.Texto("3.1.1.", 12));
    it.SetDataValidade(Dia(g));
    it.SetValorUnitario(g.Valor(2000));
    return it;
}

TEFMovimentoDI DIEF(Gerador& g)
{
    TEFMovimentoDI d;
    d.SetValorPIS(g.Valor(1000));
    d.SetValorCOFINS(g.Valor(4000));
    d.SetNumeroDrawback(g.Texto("DRW", 11));
    d.SetNumeroDI(g.Texto("", 10));
    d.SetTipoDocumento(static_cast<unsigned char>(g.Ate(2)));
    return d;
}

TEFMovimentoParcela ParcelaEF(Gerador& g, int i)
{
    TEFMovimentoParcela p;
    p.SetValorParcela(g.Valor(20000));
    p.SetPonteiroTipoCobranca(2);
    p.SetNumeroParcela(static_cast<unsigned short>(i + 1));
    p.SetDataVencimento(Dia(g));
    p.SetNumeroTitulo(g.Texto("DUP-", 12));
    return p;
}

TEFMovimentoReferida ReferidaEF(Gerador& g)
{
    TEFMovimentoReferida r;
    r.SetRegChaveAcessoNFeOrigem(Identificacao(g));
    r.SetValorNotaFiscalOrigem(g.Valor());
    r.SetDataEmissaoNotaFiscalOrigem(Dia(g));
    r.SetSerieNotaFiscalOrigem("1");
    r.SetModeloNotaFiscalOrigem("55");
    r.SetNumeroNotaFiscalOrigem(g.Texto("", 9));
    return r;
}

TEFMovimentoTransporte TransporteEF(Gerador& g)
{
    TEFMovimentoTransporte t;
    t.SetRegNFe(Identificacao(g));
    t.SetValorMercadorias(g.Valor(500000));
    t.SetValorDocumentoFiscal(g.Valor(600000));
    t.SetPesoBrutoTotal(g.Valor(9000));
    t.SetPesoLiquidoTotal(g.Valor(8000));
    t.SetQtdVolumes(g.Valor(300));
    t.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    t.SetPonteiroTipoDocumento(55);
    t.SetDataEmissao(Dia(g));
    t.SetMarcaVolume(g.Texto("MARCA ", 14));
    t.SetVolumes(g.Texto("VOL ", 10));
    t.SetNumeroVolumes(g.Texto("", 8));
    t.SetNumeroNF(g.Texto("", 9));
    t.SetNaturezaVolumes("CAIXAS");
    t.SetEspecieVolume("PALETE");
    t.SetSerieNF("1");
    t.SetStatusViaTransporte(1);
    return t;
}

void Movimento(TEFMovimento& m, Gerador& g, int n)
{
    m.Limpar();
    m.SetRegNFe(Identificacao(g));
    m.SetNumeroDocumentoInicial(100000 + g.Ate(900000));
    m.SetNumeroDocumentoFinal(m.GetNumeroDocumentoInicial());
    m.SetValorTotal(g.Valor(1000000));
    m.SetValorIPICFOP(g.Valor(50000));
    m.SetValorBaseIPICFOP(g.Valor(500000));
    m.SetValorFrete(g.Valor(3000));
    m.SetPonteiroNotaFiscal(static_cast<long>(1 + g.Ate(1000000)));
    m.SetPonteiroClienteEmpresaCFRT(static_cast<long>(1 + g.Ate(100000)));
    m.SetCodMunicipio(3550308);
    m.SetPonteiroCFOP(1102);
    m.SetFilial(static_cast<unsigned short>(1 + g.Ate(9)));
    m.SetDataEmissao(Dia(g));
    m.SetDataEntrada(Dia(g));
    m.SetDataEscrituracao(m.GetDataEntrada());
    m.SetSerie("1");
    m.SetCodigoFiscal("1.102");
    m.SetEspecie("NFE");
    m.SetEstadoOrigem("SP");
    m.SetEstadoDestino("PR");
    m.SetModeloDocumentoFiscalNovo("55");
    m.SetObservacao(g.Texto("escrituracao da entrada ", 100));
    m.SetCFOPnaNFEmitente("5102");
    m.SetQuemPagaFrete('1');
    m.SetNSU(0x0123456789ABCDEFull);
    m.SetPesoBruto(g.Valor(9000));
    m.SetPesoLiquido(g.Valor(8000));
    m.SetQuantidadeVolumes(g.Ate(500));
    m.SetMarcaVolume(g.Texto("MARCA ", 14));
    m.SetPlacaVeiculo1(g.Texto("ABC", 7));
    m.SetEstadoVeiculo1("SP");
    m.SetDadosAdicionais(g.Texto("dados adicionais da nota ", 300));
    for (int i = 0; i < n; ++i)
        m.AdicionaAliquotaICMS(AliquotaEF(g, static_cast<unsigned short>(700 + 100 * g.Ate(12))));
    for (int i = 0; i < n; ++i)
        m.AdicionaItem(ItemEF(g, i));
    for (int i = 0; i < n; ++i)
        m.AdicionaDI(DIEF(g));
    for (int i = 0; i < n; ++i)
        m.AdicionaParcela(ParcelaEF(g, i));
    for (int i = 0; i < n; ++i)
        m.AdicionaReferida(ReferidaEF(g));
    for (int i = 0; i < n; ++i)
        m.AdicionaTransporte(TransporteEF(g));
    TXGerencialComposto c;
    for (int k = 0; k < 2; ++k) {
        TXGerencialSimples s;
        for (int i = 0; i < n; ++i)
            s.AdicionaGerencial(Linha(g));
        c.AdicionaGerencial(s);
    }
    m.SetGerencialComposto(c);
}

} // namespace amostra
