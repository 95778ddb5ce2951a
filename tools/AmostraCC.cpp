#include "tools/AmostraCC.h"

#include <cstdio>

namespace amostra {

namespace {

// A 16-bit day number between 2015 and 2026.
unsigned short Dia(Gerador& g)
{
    return JQDia16(static_cast<int>(1 + g.Ate(28)), static_cast<int>(1 + g.Ate(12)),
                   static_cast<int>(2015 + g.Ate(12)));
}

REG_JQDMC Chave(Gerador& g) { return JQDMC_Monta(g.Proximo(), static_cast<unsigned short>(1 + g.Ate(34440))); }

REG_JQDMAHMSUTC DataHora(Gerador& g)
{
    REG_JQDMAHMSUTC d;
    for (int i = 0; i < 8; ++i)
        d.bytes[i] = static_cast<BYTE>(g.Proximo());
    return d;
}

// A percentage below 100 with two decimals.
tagCY Percentual(Gerador& g) { return JQCY(static_cast<LONGLONG>(g.Ate(10000)) * 100); }

CString Numero(const char* prefixo, Gerador& g)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%06u/%04u", prefixo, g.Ate(1000000), 2015 + g.Ate(12));
    return CString(buf);
}

int AoMenosUm(int n) { return n < 1 ? 1 : n; }

} // namespace

// --- Second generation ----------------------------------------------------------

TCMCC2Aditivo AditivoCC2(Gerador& g, int i)
{
    TCMCC2Aditivo a;
    a.SetRegDataAditivo(g.Data());
    a.SetValorAditivo(g.Valor(50000));
    char buf[32];
    std::snprintf(buf, sizeof buf, "aditivo %d: ", i + 1);
    a.SetDescricao(g.Texto(buf, 60));
    return a;
}

TCMCC2Reajuste ReajusteCC2(Gerador& g)
{
    TCMCC2Reajuste r;
    r.SetRegDataReajuste(g.Data());
    r.SetRegDataGravacao(g.Data());
    r.SetSaldoAnterior(g.Valor());
    r.SetSaldoReajustado(g.Valor());
    r.SetIndiceReajuste(JQCY(10000 + g.Ate(1500)));
    r.SetPonteiroUsuario(static_cast<unsigned short>(1 + g.Ate(200)));
    r.SetNomeIndice(g.Ate(2) ? "IGP-M" : "IPCA");
    return r;
}

TCMCC2NotaFiscal NotaFiscalCC2(Gerador& g, int i)
{
    TCMCC2NotaFiscal n;
    n.SetRegPonteiroRE(Chave(g));
    n.SetRegDataEntrada(g.Data());
    n.SetValorTotal(g.Valor());
    n.SetPonteiroFornecedor(static_cast<long>(1000 + g.Ate(9000)));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%09d", 100000 + i);
    n.SetNumeroNotaFiscal(buf);
    return n;
}

TCMCC2Classificacao ClassificacaoCC2(Gerador& g)
{
    TCMCC2Classificacao c;
    c.SetPercRateio(Percentual(g));
    c.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    c.SetPonteiroGerencial(static_cast<long>(100 + g.Ate(900)));
    c.SetValorRateio(g.Valor(50000));
    return c;
}

TCMCC2Execucao ExecucaoCC2(Gerador& g, int i)
{
    TCMCC2Execucao e;
    e.SetRegDataInicio(g.Data());
    e.SetRegDataTermino(g.Data());
    e.SetPercConcluido(Percentual(g));
    char buf[32];
    std::snprintf(buf, sizeof buf, "etapa %d", i + 1);
    e.SetNome(buf);
    e.SetDescricao(g.Texto("execucao: ", 120));
    return e;
}

TCMCC2Parcela ParcelaCC2(Gerador& g, int i)
{
    TCMCC2Parcela p;
    p.SetRegDataVencimento(g.Data());
    p.SetRegDataCompetencia(g.Data());
    p.SetRegDataInicioVigenciaMultas(g.Data());
    p.SetRegDataValidadeDescontos(g.Data());
    p.SetValorParcela(g.Valor(20000));
    p.SetPercentualJuros(JQCY(10000 + g.Ate(10000)));
    p.SetPercentualMultas(JQCY(20000));
    p.SetPercentualDescontos(JQCY(static_cast<LONGLONG>(g.Ate(5)) * 10000));
    p.SetPonteiroTipoVencto(static_cast<unsigned short>(1 + g.Ate(4)));
    p.SetSaldoRealizado(static_cast<unsigned char>(g.Ate(2)));
    p.SetPeriodoJuros(g.Ate(2) ? 'M' : 'D');
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    CJQCurrencyEx base(p.GetValorParcela());
    p.CalculaValorJuros(base);
    p.CalculaValorMultas(base);
    p.CalculaValorDescontos(base);
    return p;
}

void ContratoCC2(TCMCC2Contrato& c, Gerador& g, int elementos)
{
    const int n = AoMenosUm(elementos);
    c.Limpar();
    c.SetRegDataHoraUltimaAlteracao(DataHora(g));
    c.SetRegPonteiroHistoricoAnterior(Chave(g));
    c.SetRegPonteiroEsteCC(Chave(g));
    c.SetRegDataPrimeiroVencimento(g.Data());
    c.SetRegDataReferencia(g.Data());
    c.SetRegDataVigenciaInicial(g.Data());
    c.SetRegDataVigenciaFinal(g.Data());
    c.SetValorOriginalContrato(g.Valor(5000000));
    c.SetSaldoContrato(g.Valor(5000000));
    c.SetValorTotalContrato(g.Valor(5000000));
    c.SetPonteiroFornecedor(static_cast<long>(1000 + g.Ate(9000)));
    c.SetPonteiroClassifEmp(static_cast<long>(1 + g.Ate(40)));
    c.SetPonteiroGerencial(static_cast<long>(100 + g.Ate(900)));
    c.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
    c.SetPonteiroTipoPeriodo(static_cast<unsigned short>(1 + g.Ate(3)));
    c.SetPonteiroTipoCobranca(static_cast<unsigned short>(1 + g.Ate(5)));
    c.SetPonteiroUsuarioUltimaAlteracao(static_cast<unsigned short>(1 + g.Ate(200)));
    c.SetGerarPrevisao(1);
    c.SetControlarAcesso(1);
    c.SetNomeIndice("IGP-M");
    c.SetNumeroContrato(Numero("CT-", g));
    c.SetDescricaoContrato(g.Texto("contrato de fornecimento: ", 200));
    c.SetObservacao(g.Texto("observacao: ", 400));
    CIEVinculo v;
    v.SetChave(Numero("V", g));
    c.SetVinculo(v);
    for (int i = 0; i < n; ++i) {
        c.AdicionaAditivo(AditivoCC2(g, i));
        c.AdicionaReajuste(ReajusteCC2(g));
        c.AdicionaNotaFiscal(NotaFiscalCC2(g, i));
        long u = static_cast<long>(1 + g.Ate(500));
        c.AdicionaUsuario(u);
        c.AdicionaClassificacao(ClassificacaoCC2(g));
        c.AdicionaExecucao(ExecucaoCC2(g, i));
        c.AdicionaParcela(ParcelaCC2(g, i));
    }
}

// --- First generation -----------------------------------------------------------

TCMCCAditivo AditivoCC(Gerador& g, int i)
{
    TCMCCAditivo a;
    a.SetValorAditivo(g.Valor(50000));
    a.SetDataAditivo(Dia(g));
    char buf[32];
    std::snprintf(buf, sizeof buf, "aditivo %d: ", i + 1);
    a.SetDescricaoAditivo(g.Texto(buf, 80));
    a.SetSemValor(static_cast<unsigned char>(g.Ate(4) == 0));
    return a;
}

TCMCCReajuste ReajusteCC(Gerador& g)
{
    TCMCCReajuste r;
    r.SetSaldoAnterior(g.Valor());
    r.SetSaldoReajustado(g.Valor());
    r.SetIndiceReajuste(JQCY(10000 + g.Ate(1500)));
    r.SetDataReajuste(Dia(g));
    r.SetPonteiroUsuario(static_cast<unsigned short>(1 + g.Ate(200)));
    r.SetDataGravacao(Dia(g));
    r.SetNomeIndice(g.Ate(2) ? "IGP-M" : "IPCA");
    return r;
}

TCMCCNotaFiscal NotaFiscalCC(Gerador& g, int i)
{
    TCMCCNotaFiscal n;
    n.SetValorTotal(g.Valor());
    n.SetChaveRegistroEntrada(g.Proximo());
    n.SetPonteiroFornecedor(static_cast<long>(1000 + g.Ate(9000)));
    n.SetDataEntrada(Dia(g));
    char buf[16];
    std::snprintf(buf, sizeof buf, "%09d", 100000 + i);
    n.SetNumeroNotaFiscal(buf);
    return n;
}

TCMCCClassificacao ClassificacaoCC(Gerador& g)
{
    TCMCCClassificacao c;
    c.SetPercRateio(Percentual(g));
    c.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    c.SetPonteiroGerencial(static_cast<long>(100 + g.Ate(900)));
    return c;
}

TCMCCExecucao ExecucaoCC(Gerador& g, int i)
{
    TCMCCExecucao e;
    char buf[32];
    std::snprintf(buf, sizeof buf, "etapa %d", i + 1);
    e.SetNome(buf);
    e.SetPercConcluido(Percentual(g));
    e.SetDataInicio(Dia(g));
    e.SetDataTermino(Dia(g));
    e.SetDescricao(g.Texto("execucao: ", 200));
    return e;
}

TCMCCParcela ParcelaCC(Gerador& g, int i)
{
    TCMCCParcela p;
    p.SetValorParcela(g.Valor(20000));
    p.SetDataCompetencia(Dia(g));
    p.SetPonteiroTipoVencto(static_cast<unsigned short>(1 + g.Ate(4)));
    p.SetDataVencto(Dia(g));
    p.SetFoiAlterada(static_cast<unsigned char>(g.Ate(2)));
    p.SetSaldoRealizado(static_cast<unsigned char>(g.Ate(2)));
    p.SetNumeroDaParcela(static_cast<unsigned char>(i + 1));
    return p;
}

void ContratoCC(TCMCCContrato& c, Gerador& g, int elementos)
{
    const int n = AoMenosUm(elementos);
    c.Limpar();
    c.SetValorContrato(g.Valor(5000000));
    c.SetValorUltimoReajuste(g.Valor(100000));
    c.SetIndiceUltimoReajuste(JQCY(10000 + g.Ate(1500)));
    c.SetSaldoContrato(g.Valor(5000000));
    c.SetChaveRegistro(g.Proximo());
    c.SetPonteiroFornecedor(static_cast<long>(1000 + g.Ate(9000)));
    c.SetPonteiroClassifEmp(static_cast<long>(1 + g.Ate(40)));
    c.SetPonteiroCentroCustos(static_cast<long>(1 + g.Ate(60)));
    c.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
    c.SetDataPrimeiroVencimento(Dia(g));
    c.SetPonteiroTipoPeriodo(static_cast<unsigned short>(1 + g.Ate(3)));
    c.SetNumeroDiasTipoPeriodo(30);
    c.SetPonteiroTipoCobranca(static_cast<unsigned short>(1 + g.Ate(5)));
    c.SetDataReferencia(Dia(g));
    c.SetDataInicialVigencia(Dia(g));
    c.SetDataFinalVigencia(Dia(g));
    c.SetDataUltimoReajuste(Dia(g));
    c.SetPonteiroUsuarioUltimaGravacao(static_cast<unsigned short>(1 + g.Ate(200)));
    c.SetDataUltimaGravacao(Dia(g));
    c.SetHoraUltimaGravacao(static_cast<unsigned short>(g.Ate(1440)));
    c.SetNumeroContrato(Numero("CT-", g));
    c.SetDescricaoContrato(g.Texto("contrato de fornecimento: ", 100));
    c.SetIndiceReajuste("IGP-M");
    c.SetObservacao(g.Texto("observacao: ", 300));
    c.SetGerarPrevisao(1);
    c.SetControlarAcesso(1);
    CIEVinculo v;
    v.SetChave(Numero("V", g));
    c.SetVinculo(v);
    for (int i = 0; i < n; ++i) {
        c.AdicionaAditivo(AditivoCC(g, i));
        c.AdicionaReajuste(ReajusteCC(g));
        c.AdicionaNotaFiscal(NotaFiscalCC(g, i));
        TCMCCUsuario u;
        u.SetPonteiroUsuario(static_cast<long>(1 + g.Ate(500)));
        c.AdicionaUsuario(u);
        c.AdicionaClassificacao(ClassificacaoCC(g));
        c.AdicionaExecucao(ExecucaoCC(g, i));
        c.AdicionaParcela(ParcelaCC(g, i));
    }
}

} // namespace amostra
