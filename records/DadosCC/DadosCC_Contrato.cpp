#include "records/DadosCC/DadosCC_Contrato.h"

#include "core/Aninhados.h"
#include "records/DadosCC/DadosCC_Interno.h"

#define ARQ "DadosCC"

TOLV_REGISTRA_ESTRUTURA(tagREG_CM_ADITIVO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_PARCELA_CONTRATO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_CONTRATO_COMPRAPS)

using tolv::cc::LeBloco;

// The members an element shares with the others: its structure cleared,
// copied, sent and read whole.
#define TOLV_CC_ELEMENTO_IMPL(T, S)                                                                                    \
    TOLV_PADRAO_IMPL(T, TJQBaseParaDados)                                                                              \
    void T::OnLimpar()                                                                                                 \
    {                                                                                                                  \
        tolv::ZeraPropria(m_ps);                                                                                       \
        TJQBaseParaDados::OnLimpar();                                                                                  \
    }                                                                                                                  \
    void T::OnCopiar(const TJQBaseParaDados* src)                                                                      \
    {                                                                                                                  \
        tolv::CopiaPropria(m_ps, static_cast<const T*>(src)->m_ps);                                                    \
        TJQBaseParaDados::OnCopiar(src);                                                                               \
    }                                                                                                                  \
    void T::CopiarPara(S* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }                             \
    void T::CopiarDe(S* src)                                                                                           \
    {                                                                                                                  \
        Limpar();                                                                                                      \
        LeDe(src);                                                                                                     \
    }                                                                                                                  \
    void T::LeDe(S* src) { LeBloco(m_ps, src); }

// --- Elements ---------------------------------------------------------------------

TOLV_CC_ELEMENTO_IMPL(TCMCCAditivo, tagREG_CM_ADITIVO_CONTRATO_COMPRAPS)

bool TCMCCAditivo::operator==(const TCMCCAditivo& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCAditivo,
        ValorAditivo, DataAditivo, DescricaoAditivo, SemValor);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

TOLV_CC_ELEMENTO_IMPL(TCMCCReajuste, tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS)

bool TCMCCReajuste::operator==(const TCMCCReajuste& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCReajuste,
        SaldoAnterior, SaldoReajustado, IndiceReajuste, DataReajuste, PonteiroUsuario, DataGravacao, NomeIndice);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

TOLV_CC_ELEMENTO_IMPL(TCMCCNotaFiscal, tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS)

bool TCMCCNotaFiscal::operator==(const TCMCCNotaFiscal& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCNotaFiscal,
        ValorTotal, ChaveRegistroEntrada, PonteiroFornecedor, DataEntrada, NumeroNotaFiscal);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

TOLV_CC_ELEMENTO_IMPL(TCMCCUsuario, tagREG_CM_USUARIO_CONTRATO_COMPRAPS)

bool TCMCCUsuario::operator==(const TCMCCUsuario& o) const
{
    IGUAL(PonteiroUsuario);
    return true;
}

TOLV_CC_ELEMENTO_IMPL(TCMCCClassificacao, tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS)

bool TCMCCClassificacao::operator==(const TCMCCClassificacao& o) const
{
    static constexpr auto kIgual =
        TOLV_PLANO_IGUAL(TCMCCClassificacao, PonteiroClassificacao, PonteiroGerencial, PercRateio);
    return kIgual(m_ps, o.m_ps);
}

TOLV_CC_ELEMENTO_IMPL(TCMCCExecucao, tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS)

bool TCMCCExecucao::operator==(const TCMCCExecucao& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCExecucao,
        Nome, PercConcluido, DataInicio, DataTermino, Descricao);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

TOLV_CC_ELEMENTO_IMPL(TCMCCParcela, tagREG_CM_PARCELA_CONTRATO_COMPRAPS)

bool TCMCCParcela::operator==(const TCMCCParcela& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCParcela,
        ValorParcela, DataCompetencia, PonteiroTipoVencto, DataVencto, FoiAlterada, SaldoRealizado, NumeroDaParcela);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

// --- TCMCCContrato ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCCContrato, TJQBaseParaDados)

void TCMCCContrato::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_LinhaImportacao = 0;
    m_EhImportacao = false;
    m_Vinculo.Limpa();
    m_Aditivo.RemoveAll();
    m_Reajuste.RemoveAll();
    m_NotaFiscal.RemoveAll();
    m_Usuario.RemoveAll();
    m_Classificacao.RemoveAll();
    m_Execucao.RemoveAll();
    m_Parcela.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMCCContrato::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCCContrato*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_LinhaImportacao = s->m_LinhaImportacao;
    m_EhImportacao = s->m_EhImportacao;
    m_Vinculo = s->m_Vinculo;
    if (s != this) {
        m_Aditivo.Copia(s->m_Aditivo);
        m_Reajuste.Copia(s->m_Reajuste);
        m_NotaFiscal.Copia(s->m_NotaFiscal);
        m_Usuario.Copia(s->m_Usuario);
        m_Classificacao.Copia(s->m_Classificacao);
        m_Execucao.Copia(s->m_Execucao);
        m_Parcela.Copia(s->m_Parcela);
    }
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCCContrato::operator==(const TCMCCContrato& o) const
{
    using tolv::ListasIguais;
    if (!ListasIguais(m_Aditivo, o.m_Aditivo) || !ListasIguais(m_Reajuste, o.m_Reajuste) ||
        !ListasIguais(m_NotaFiscal, o.m_NotaFiscal) || !ListasIguais(m_Usuario, o.m_Usuario) ||
        !ListasIguais(m_Classificacao, o.m_Classificacao) || !ListasIguais(m_Execucao, o.m_Execucao) ||
        !ListasIguais(m_Parcela, o.m_Parcela))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCCContrato,
        ValorContrato, ValorUltimoReajuste, IndiceUltimoReajuste, SaldoContrato, PonteiroFornecedor,
        PonteiroClassifEmp, PonteiroCentroCustos, PonteiroFilial, DataPrimeiroVencimento, PonteiroTipoPeriodo,
        NumeroDiasTipoPeriodo, PonteiroTipoCobranca, DataReferencia, DataInicialVigencia, DataFinalVigencia,
        DataUltimoReajuste, NumeroContrato, DescricaoContrato, IndiceReajuste, Observacao, SituacaoCancelado,
        ContratoExcluido, GerarPrevisao, ControlarAcesso);
    IGUAL(LinhaImportacao);
    IGUAL(EhImportacao);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return m_ps.Reservado749[0] == o.m_ps.Reservado749[0];
}

void TCMCCContrato::CopiarPara(tagREG_CM_CONTRATO_COMPRAPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // From here every count and pointer of dst is one this call wrote, even
    // when an exception stops the writing below.
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Aditivo, dst->QtdAditivo, dst->pAditivo);
    tolv::EscreveLista(m_Reajuste, dst->QtdReajuste, dst->pReajuste);
    tolv::EscreveLista(m_NotaFiscal, dst->QtdNotaFiscal, dst->pNotaFiscal);
    tolv::EscreveLista(m_Usuario, dst->QtdUsuario, dst->pUsuario);
    tolv::EscreveLista(m_Classificacao, dst->QtdClassificacao, dst->pClassificacao);
    tolv::EscreveLista(m_Execucao, dst->QtdExecucao, dst->pExecucao);
    tolv::EscreveLista(m_Parcela, dst->QtdParcela, dst->pParcela);
}

namespace {

// The counts are signed: zero or less reads nothing.
template <class R, class E> void LeContados(T_Lista<R>& l, long count, const E* ptr)
{
    if (count > 0)
        tolv::LeLista(l, count, ptr);
}

} // namespace

void TCMCCContrato::CopiarDe(tagREG_CM_CONTRATO_COMPRAPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read,
    // and are zeroed however the reading ends.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    LeContados(m_Aditivo, s.QtdAditivo, s.pAditivo);
    LeContados(m_Reajuste, s.QtdReajuste, s.pReajuste);
    LeContados(m_NotaFiscal, s.QtdNotaFiscal, s.pNotaFiscal);
    LeContados(m_Usuario, s.QtdUsuario, s.pUsuario);
    LeContados(m_Classificacao, s.QtdClassificacao, s.pClassificacao);
    LeContados(m_Execucao, s.QtdExecucao, s.pExecucao);
    LeContados(m_Parcela, s.QtdParcela, s.pParcela);
}
