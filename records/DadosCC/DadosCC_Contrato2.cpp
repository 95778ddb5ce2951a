#include "records/DadosCC/DadosCC_Contrato2.h"

#include <optional>

#include "core/Aninhados.h"
#include "records/DadosCC/DadosCC_Interno.h"

#define ARQ "DadosCC"

TOLV_REGISTRA_ESTRUTURA(tagREG_CM_USUARIO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ADITIVO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_REAJUSTE_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_EXECUCAO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_PARCELA_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CONTRATO_COMPRAPS)

using tolv::cc::LeBloco;

namespace {

bool Zero(const tagCY& v) { return v == JQCurrencyZero.GetValor(); }

// Percentage of `valor` in `base`, each step kept to four decimals; none for
// a zero amount.
std::optional<tagCY> Percentual(const tagCY& valor, const CJQCurrencyEx& base)
{
    if (Zero(valor))
        return std::nullopt;
    return JQCyDivide(JQCyMultiplica(valor, 100.0), base.GetValor());
}

// Amount of `percentual` of `base`; none for a zero percentage. A product
// beyond the currency range gives 0.
std::optional<tagCY> Valor(const tagCY& percentual, const CJQCurrencyEx& base)
{
    if (Zero(percentual))
        return std::nullopt;
    return JQCyDivide(JQCyMultiplica(percentual, base.GetValor()), 100.0);
}

// A calculation's result, stored by `guarda` when there is one; 0 otherwise,
// with nothing stored.
template <class G> tagCY Guarda(const std::optional<tagCY>& r, G guarda)
{
    if (!r)
        return JQCY(0);
    guarda(*r);
    return *r;
}

} // namespace

// --- TCMCC2Aditivo ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Aditivo, TJQBaseParaDados)

void TCMCC2Aditivo::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Descricao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Aditivo::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCC2Aditivo*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Descricao = s->m_Descricao;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Aditivo::operator==(const TCMCC2Aditivo& o) const
{
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCC2Aditivo, RegDataAditivo, ValorAditivo);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    return m_Descricao == o.m_Descricao;
}

void TCMCC2Aditivo::CopiarPara(tagREG_ADITIVO_CONTRATO_COMPRAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCC2Aditivo::EscreveAninhados(tagREG_ADITIVO_CONTRATO_COMPRAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Descricao, dst->TamDescricao, dst->pDescricao);
}

void TCMCC2Aditivo::CopiarDe(tagREG_ADITIVO_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2Aditivo::LeDe(tagREG_ADITIVO_CONTRATO_COMPRAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's length and pointer stay in m_ps while the text is read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    if (s.TamDescricao != 0)
        tolv::LeTexto(m_Descricao, s.TamDescricao, s.pDescricao);
}

// --- TCMCC2Reajuste ---------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Reajuste, TJQBaseParaDados)

void TCMCC2Reajuste::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Reajuste::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCC2Reajuste*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Reajuste::operator==(const TCMCC2Reajuste& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCC2Reajuste,
        RegDataReajuste, RegDataGravacao, SaldoAnterior, SaldoReajustado, IndiceReajuste, PonteiroUsuario,
        NomeIndice);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMCC2Reajuste::CopiarPara(tagREG_REAJUSTE_CONTRATO_COMPRAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCC2Reajuste::CopiarDe(tagREG_REAJUSTE_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2Reajuste::LeDe(tagREG_REAJUSTE_CONTRATO_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMCC2NotaFiscal -------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2NotaFiscal, TJQBaseParaDados)

void TCMCC2NotaFiscal::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2NotaFiscal::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCC2NotaFiscal*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2NotaFiscal::operator==(const TCMCC2NotaFiscal& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCC2NotaFiscal,
        RegPonteiroRE, RegDataEntrada, ValorTotal, PonteiroFornecedor, NumeroNotaFiscal);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMCC2NotaFiscal::CopiarPara(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCC2NotaFiscal::CopiarDe(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2NotaFiscal::LeDe(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMCC2Classificacao ----------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Classificacao, TJQBaseParaDados)

void TCMCC2Classificacao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_ValorRateio = JQCY(0);
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Classificacao::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCC2Classificacao*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_ValorRateio = s->m_ValorRateio;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Classificacao::operator==(const TCMCC2Classificacao& o) const
{
    static constexpr auto kIgual =
        TOLV_PLANO_IGUAL(TCMCC2Classificacao, PonteiroClassificacao, PonteiroGerencial, PercRateio);
    return kIgual(m_ps, o.m_ps);
}

tagCY TCMCC2Classificacao::CalculaPercentual(CJQCurrencyEx base)
{
    return Guarda(Percentual(m_ValorRateio, base), [this](const tagCY& v) { m_ps.PercRateio = v; });
}

tagCY TCMCC2Classificacao::CalculaValor(CJQCurrencyEx base)
{
    return Guarda(Valor(m_ps.PercRateio, base), [this](const tagCY& v) { m_ValorRateio = v; });
}

void TCMCC2Classificacao::CopiarPara(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCC2Classificacao::CopiarDe(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2Classificacao::LeDe(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMCC2Execucao ---------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Execucao, TJQBaseParaDados)

void TCMCC2Execucao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Descricao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Execucao::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCC2Execucao*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Descricao = s->m_Descricao;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Execucao::operator==(const TCMCC2Execucao& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCC2Execucao,
        RegDataInicio, RegDataTermino, PercConcluido, Nome);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return m_Descricao == o.m_Descricao;
}

void TCMCC2Execucao::CopiarPara(tagREG_EXECUCAO_CONTRATO_COMPRAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCC2Execucao::EscreveAninhados(tagREG_EXECUCAO_CONTRATO_COMPRAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Descricao, dst->TamDescricao, dst->pDescricao);
}

void TCMCC2Execucao::CopiarDe(tagREG_EXECUCAO_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2Execucao::LeDe(tagREG_EXECUCAO_CONTRATO_COMPRAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    if (s.TamDescricao != 0)
        tolv::LeTexto(m_Descricao, s.TamDescricao, s.pDescricao);
}

// --- TCMCC2Parcela ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Parcela, TJQBaseParaDados)

void TCMCC2Parcela::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_ValorJuros = JQCY(0);
    m_ValorMultas = JQCY(0);
    m_ValorDescontos = JQCY(0);
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Parcela::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCC2Parcela*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_ValorJuros = s->m_ValorJuros;
    m_ValorMultas = s->m_ValorMultas;
    m_ValorDescontos = s->m_ValorDescontos;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Parcela::operator==(const TCMCC2Parcela& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCC2Parcela,
        RegDataVencimento, RegDataCompetencia, ValorParcela, PonteiroTipoVencto, SaldoRealizado, NumeroDaParcela,
        RegDataInicioVigenciaMultas, RegDataValidadeDescontos, PercentualJuros, PercentualMultas, PercentualDescontos,
        PeriodoJuros);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

tagCY TCMCC2Parcela::CalculaPercentualJuros(CJQCurrencyEx base)
{
    return Guarda(Percentual(m_ValorJuros, base), [this](const tagCY& v) { m_ps.PercentualJuros = v; });
}

tagCY TCMCC2Parcela::CalculaValorJuros(CJQCurrencyEx base)
{
    return Guarda(Valor(m_ps.PercentualJuros, base), [this](const tagCY& v) { m_ValorJuros = v; });
}

tagCY TCMCC2Parcela::CalculaPercentualMultas(CJQCurrencyEx base)
{
    return Guarda(Percentual(m_ValorMultas, base), [this](const tagCY& v) { m_ps.PercentualMultas = v; });
}

tagCY TCMCC2Parcela::CalculaValorMultas(CJQCurrencyEx base)
{
    return Guarda(Valor(m_ps.PercentualMultas, base), [this](const tagCY& v) { m_ValorMultas = v; });
}

tagCY TCMCC2Parcela::CalculaPercentualDescontos(CJQCurrencyEx base)
{
    return Guarda(Percentual(m_ValorDescontos, base), [this](const tagCY& v) { m_ps.PercentualDescontos = v; });
}

tagCY TCMCC2Parcela::CalculaValorDescontos(CJQCurrencyEx base)
{
    return Guarda(Valor(m_ps.PercentualDescontos, base), [this](const tagCY& v) { m_ValorDescontos = v; });
}

void TCMCC2Parcela::CopiarPara(tagREG_PARCELA_CONTRATO_COMPRAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCC2Parcela::CopiarDe(tagREG_PARCELA_CONTRATO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCC2Parcela::LeDe(tagREG_PARCELA_CONTRATO_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMCC2Contrato ---------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCC2Contrato, TJQBaseParaDados)

void TCMCC2Contrato::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Observacao.Empty();
    m_DescricaoContrato.Empty();
    m_Vinculo.Limpa();
    m_Aditivo.RemoveAll();
    m_Reajuste.RemoveAll();
    m_NotaFiscal.RemoveAll();
    m_Classificacao.RemoveAll();
    m_Execucao.RemoveAll();
    m_Parcela.RemoveAll();
    m_Usuario.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMCC2Contrato::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCC2Contrato*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Observacao = s->m_Observacao;
    m_DescricaoContrato = s->m_DescricaoContrato;
    m_Vinculo = s->m_Vinculo;
    if (s != this) {
        m_Aditivo.Copia(s->m_Aditivo);
        m_Reajuste.Copia(s->m_Reajuste);
        m_NotaFiscal.Copia(s->m_NotaFiscal);
        m_Classificacao.Copia(s->m_Classificacao);
        m_Execucao.Copia(s->m_Execucao);
        m_Parcela.Copia(s->m_Parcela);
        m_Usuario.Copia(s->m_Usuario);
    }
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCC2Contrato::operator==(const TCMCC2Contrato& o) const
{
    using tolv::ListasIguais;
    if (!ListasIguais(m_Aditivo, o.m_Aditivo) || !ListasIguais(m_Reajuste, o.m_Reajuste) ||
        !ListasIguais(m_NotaFiscal, o.m_NotaFiscal) || !ListasIguais(m_Usuario, o.m_Usuario) ||
        !ListasIguais(m_Classificacao, o.m_Classificacao) || !ListasIguais(m_Execucao, o.m_Execucao) ||
        !ListasIguais(m_Parcela, o.m_Parcela))
        return false;
    // clang-format off
    IGUAL(RegDataReferencia); IGUAL(RegDataVigenciaInicial); IGUAL(RegDataVigenciaFinal);
    IGUAL(ValorOriginalContrato); IGUAL(ValorTotalContrato);
    IGUAL(PonteiroFornecedor); IGUAL(PonteiroClassifEmp); IGUAL(PonteiroGerencial); IGUAL(PonteiroFilial);
    IGUAL(PonteiroTipoCobranca); IGUAL(PonteiroUsuarioUltimaAlteracao);
    IGUAL(Cancelado); IGUAL(Excluido); IGUAL(GerarPrevisao);
    // clang-format on
    if (m_ps.Reservado103[0] != o.m_ps.Reservado103[0])
        return false;
    IGUAL(ControlarAcesso);
    IGUAL(NumeroContrato);
    return m_DescricaoContrato == o.m_DescricaoContrato && m_Observacao == o.m_Observacao;
}

void TCMCC2Contrato::CopiarPara(tagREG_CONTRATO_COMPRAPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // From here every length, count and pointer of dst is one this call wrote,
    // even when an exception stops the writing below.
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveTexto(m_DescricaoContrato, dst->TamDescricaoContrato, dst->pDescricaoContrato);
    tolv::EscreveLista(m_Aditivo, dst->QtdAditivo, dst->pAditivo);
    tolv::EscreveLista(m_Reajuste, dst->QtdReajuste, dst->pReajuste);
    tolv::EscreveLista(m_NotaFiscal, dst->QtdNotaFiscal, dst->pNotaFiscal);
    tolv::EscreveValores(m_Usuario, dst->QtdUsuario, dst->pUsuario,
                         [](long u, tagREG_CM_USUARIO_CONTRATO_COMPRAPS& e) { e.PonteiroUsuario = u; });
    tolv::EscreveLista(m_Classificacao, dst->QtdClassificacao, dst->pClassificacao);
    tolv::EscreveLista(m_Execucao, dst->QtdExecucao, dst->pExecucao);
    tolv::EscreveLista(m_Parcela, dst->QtdParcela, dst->pParcela);
}

void TCMCC2Contrato::CopiarDe(tagREG_CONTRATO_COMPRAPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's lengths, counts and pointers stay in m_ps while the texts
    // and lists are read, and are zeroed however the reading ends.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    if (s.TamObservacao != 0)
        tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
    if (s.TamDescricaoContrato != 0)
        tolv::LeTexto(m_DescricaoContrato, s.TamDescricaoContrato, s.pDescricaoContrato);
    tolv::LeLista(m_Aditivo, s.QtdAditivo, s.pAditivo);
    tolv::LeLista(m_Reajuste, s.QtdReajuste, s.pReajuste);
    tolv::LeLista(m_NotaFiscal, s.QtdNotaFiscal, s.pNotaFiscal);
    tolv::LeValores(m_Usuario, s.QtdUsuario, s.pUsuario,
                    [](const tagREG_CM_USUARIO_CONTRATO_COMPRAPS& e) { return e.PonteiroUsuario; });
    tolv::LeLista(m_Classificacao, s.QtdClassificacao, s.pClassificacao);
    tolv::LeLista(m_Execucao, s.QtdExecucao, s.pExecucao);
    tolv::LeLista(m_Parcela, s.QtdParcela, s.pParcela);
}

void TCMCC2Contrato::ZerarDelete(tagREG_CONTRATO_COMPRAPS* ps)
{
    if (!ps)
        return;
    tolv::LiberaAninhados(ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(ps);
}

void TCMCC2Contrato::ZerarGlobalAlloc(tagREG_CONTRATO_COMPRAPS* ps)
{
    if (!ps)
        return;
    tolv::LiberaAninhados(ps, tolv::Liberacao::CoTaskMem);
    tolv::ZeraAninhados(ps);
}
