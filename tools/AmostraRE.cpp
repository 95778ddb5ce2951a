#include "tools/AmostraRE.h"

#include <cstdio>
#include <string>

namespace amostra {

REG_JQDMA Gerador::Data()
{
    // Day, month and year as the base library packs them is its own business;
    // any four bytes serve as an opaque date here.
    uint32_t v = Proximo();
    REG_JQDMA d;
    for (int i = 0; i < 4; ++i)
        d.bytes[i] = static_cast<BYTE>(v >> (8 * i));
    return d;
}

CString Gerador::Texto(const char* prefixo, unsigned tamanho)
{
    std::string s = prefixo;
    while (s.size() < tamanho)
        s += static_cast<char>('A' + Ate(26));
    return CString(s.c_str());
}

TCMGerencial Linha(Gerador& g)
{
    TCMGerencial l;
    l.SetValor(g.Valor(5000));
    l.SetQuantidade(g.Valor(10));
    l.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    l.SetPonteiroGerencial(static_cast<long>(100 + g.Ate(900)));
    return l;
}

TCMREItemImposto Imposto(Gerador& g, int deducoes)
{
    TCMREItemImposto t;
    t.SetBase(g.Valor());
    t.SetAliquota(JQCY(180000));
    t.SetValor(g.Valor(20000));
    t.SetCodigoReceita(5952);
    t.SetCST(50);
    t.SetTipoImposto(static_cast<unsigned char>(1 + g.Ate(8)));
    for (int k = 0; k < deducoes; ++k) {
        TCMREServicoDeducao d;
        d.SetValorDeducao(g.Valor(100));
        d.SetDescricao(g.Texto("deducao ", 24));
        t.AdicionaDeducao(d);
    }
    return t;
}

TCMREItemProduto Produto(Gerador& g, int i, const FormaProduto& f)
{
    TCMREItemProduto p;
    p.SetIDItem(static_cast<unsigned long>(i + 1));
    p.SetPonteiroProduto(static_cast<long>(10000 + g.Ate(90000)));
    p.SetPonteiroItemGrade1(static_cast<unsigned short>(g.Ate(12)));
    p.SetQuantidade(g.Valor(500));
    p.SetValorUnitarioV8(g.Valor(2000));
    p.SetValorTotal(g.Valor());
    p.SetBaseICMS(g.Valor());
    p.SetAliquotaICMS(JQCY(180000));
    p.SetValorICMS(g.Valor(20000));
    p.SetDI_CodigoExportador(g.Texto("EXP", 20));
    for (int r = 0; r < f.rateios; ++r) {
        TCMRERateioProduto rp;
        rp.SetNEWQuantidade(g.Valor(100));
        rp.SetNEWValor(g.Valor());
        rp.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
        rp.SetComplementoHistorico(g.Texto("rateio ", 40));
        for (int k = 0; k < f.linhas; ++k)
            rp.AdicionaGerencial(Linha(g));
        p.AdicionaRateio(rp);
    }
    for (int k = 0; k < f.impostos; ++k)
        p.AdicionaImposto(Imposto(g));
    for (int k = 0; k < f.margens; ++k)
        p.AdicionaMargemLucro(Margem(g));
    for (int k = 0; k < f.entradasEstoque; ++k)
        p.AdicionaEntradaEstoque(EntradaEstoque(g));
    for (int k = 0; k < f.associacoes; ++k)
        p.AdicionaItemAssociacao(AssociacaoItem(g, k));
    for (int k = 0; k < f.totais; ++k) {
        TCMREItemProdutoTotais t;
        t.SetValorTotalNF(g.Valor());
        t.SetValorFrete(g.Valor(300));
        t.SetBaseIPI(g.Valor());
        p.AdicionaTotais(t);
    }
    return p;
}

TCMREItemServico Servico(Gerador& g, int i)
{
    TCMREItemServico s;
    s.SetIDItem(static_cast<unsigned long>(i + 1));
    s.SetPonteiroServico(static_cast<long>(500 + g.Ate(500)));
    s.SetQuantidade(g.Valor(10));
    s.SetValorUnitarioV8(g.Valor(5000));
    s.SetValorTotal(g.Valor());
    s.SetValorLiquido(g.Valor());
    TCMRERateioServico r;
    r.AdicionaGerencial(Linha(g));
    r.AdicionaGerencialFilialClassificacao(Linha(g));
    s.AdicionaRateio(r);
    s.AdicionaImposto(Imposto(g, 1));
    return s;
}

TCMREParcela Parcela(Gerador& g, int i)
{
    TCMREParcela p;
    REG_CODBARRAS cb{};
    std::snprintf(reinterpret_cast<char*>(cb.Texto), sizeof cb.Texto, "%010u%013u", g.Proximo() % 1000000000u,
                  g.Proximo() % 1000000000u);
    cb.Codigo = 1;
    p.SetRegCodBarras(cb);
    p.SetRegDataVencimento(g.Data());
    p.SetValorBruto(g.Valor());
    p.SetValorLiquido(g.Valor());
    p.SetNumeroDocumento(g.Texto("DUP-", 12));
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    return p;
}

TCMRETituloImposto Titulo(Gerador& g, int i)
{
    TCMRETituloImposto t;
    t.SetValor(g.Valor(3000));
    t.SetCedente(static_cast<long>(1 + g.Ate(500)));
    t.SetCodigoReceita(1708);
    t.SetParcela(static_cast<unsigned short>(i + 1));
    t.SetRegDataVencimento(g.Data());
    t.SetNumeroDocumento(g.Texto("DARF-", 12));
    t.SetComplementoHistorico(g.Texto("retencao ", 30));
    TCMRERateioTitulo r;
    r.SetValor(g.Valor(3000));
    r.AdicionaGerencial(Linha(g));
    t.AdicionaRateio(r);
    return t;
}

TCMREEntradaEstoque EntradaEstoque(Gerador& g)
{
    TCMREEntradaEstoque e;
    e.SetQuantidade(g.Valor(500));
    e.SetPonteiroLocal(static_cast<long>(1 + g.Ate(20)));
    e.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    e.SetLoteESNumero(g.Texto("L", 10));
    e.SetLoteESDataValidade(g.Data());
    e.AdicionaGerencial(Linha(g));
    for (int k = 0; k < 2; ++k) {
        TCMREComposicao c;
        c.SetQuantidade(g.Valor(50));
        c.SetQuantidadeTotal(g.Valor(500));
        c.SetPonteiroLocal(static_cast<unsigned short>(1 + g.Ate(20)));
        e.AdicionaComposicao(c);
    }
    return e;
}

TCMREMargemLucro Margem(Gerador& g)
{
    TCMREMargemLucro m;
    m.SetCustoAquisicaoV8(g.Valor(2000));
    m.SetPercentualLucroV8(JQCY(350000));
    m.SetPrecoNovoV8(g.Valor(3000));
    m.SetPonteiroTabela(static_cast<long>(1 + g.Ate(5)));
    return m;
}

TCMREItemAssociacaoREOC AssociacaoItem(Gerador& g, int i)
{
    TCMREItemAssociacaoREOC a;
    a.SetOrdem(static_cast<long>(5000 + g.Ate(1000)));
    a.SetSequenciaItem(static_cast<unsigned short>(i + 1));
    a.SetBaixado(g.Valor(100));
    return a;
}

TCMRENFReferidas Referida(Gerador& g)
{
    TCMRENFReferidas n;
    n.SetRegDataEmissaoNotaFiscalOrigem(g.Data());
    n.SetValorTotalNotaFiscalOrigem(g.Valor());
    n.SetNumeroNotaFiscalOrigem(g.Texto("", 9));
    n.SetSerieNotaFiscalOrigem("1");
    n.SetModeloNotaFiscalOrigem("55");
    return n;
}

TCMREObservacaoCFOP ObservacaoCFOP(Gerador& g)
{
    TCMREObservacaoCFOP o;
    o.SetPonteiroCFOP(static_cast<long>(1102 + g.Ate(5000)));
    o.SetObservacao(g.Texto("nota do CFOP: ", 80));
    return o;
}

void Registro(TCMRERegistroEntrada& r, Gerador& g, const FormaRegistro& f)
{
    r.Limpar();
    r.SetNumeroNotaFiscal(g.Texto("", 9));
    r.SetSerieNotaFiscal("1");
    r.SetRegDataEntrada(g.Data());
    r.SetRegDataEmissao(g.Data());
    r.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    r.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(9)));
    r.SetValorTotalProdutos(g.Valor(1000000));
    r.SetValorTotalNotaFiscal(g.Valor(1000000));
    r.SetValorICMS(g.Valor(100000));
    r.SetEstadoOrigem("SP");
    r.SetPlacaVeiculo1(g.Texto("ABC", 7));
    r.SetNSU(0x0123456789ABCDEFull);
    r.SetComplementoHistorico(g.Texto("entrada de mercadorias ", 60));
    r.SetObservacaoGeral(g.Texto("observacao geral ", 400));
    r.SetObservacaoFisco(g.Texto("observacao do fisco ", 200));
    for (int i = 0; i < f.produtos; ++i)
        r.AdicionaProduto(Produto(g, i, f.produto));
    for (int i = 0; i < f.servicos; ++i)
        r.AdicionaServico(Servico(g, i));
    for (int i = 0; i < f.associacoes; ++i)
        r.AdicionaAssociacaoREOC(static_cast<long>(7000 + g.Ate(1000)));
    for (int i = 0; i < f.referidas; ++i)
        r.AdicionaReferidas(Referida(g));
    for (int i = 0; i < f.observacoesCFOP; ++i)
        r.AdicionaObservacoesCFOP(ObservacaoCFOP(g));
    r.AdicionaLogs("criado pelo exemplo");
    r.CondicaoPgto.SetPonteiroCondicaoPagamento(static_cast<unsigned short>(1 + g.Ate(50)));
    r.CondicaoPgto.SetPonteiroTipoCobranca(2);
    r.CondicaoPgto.SetPonteiroTipoPeriodo(1);
    r.CondicaoPgto.SetRegDataPrimeiroVencimento(g.Data());
    for (int i = 0; i < f.parcelas; ++i)
        r.CondicaoPgto.AdicionaParcela(Parcela(g, i));
    for (int i = 0; i < f.titulos; ++i)
        r.CondicaoPgto.AdicionaTitulo(Titulo(g, i));
}

} // namespace amostra
