#include "records/DadosRE/DadosRE_Referencias.h"

#include "companions/JQDFConx.h"
#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_RE_NF_REFERIDA_PS)
TOLV_REGISTRA_ESTRUTURA(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ASSOCIACAO_ITEM_RE_OCPS)

using tolv::re::LeBloco;

// --- TCMRENFReferidas ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMRENFReferidas, TJQBaseParaDados)

void TCMRENFReferidas::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMRENFReferidas::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMRENFReferidas*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMRENFReferidas::operator==(const TCMRENFReferidas& o) const
{
    // clang-format off
    IGUAL(RegDataEmissaoNotaFiscalOrigem); IGUAL(ValorTotalNotaFiscalOrigem);
    // clang-format on
    if (m_ps.RegNFe != o.m_ps.RegNFe)
        return false;
    // clang-format off
    IGUAL(PonteiroNF); IGUAL(PonteiroECF); IGUAL(TipoNota);
    IGUAL(NumeroNotaFiscalOrigem); IGUAL(SerieNotaFiscalOrigem); IGUAL(SubserieNotaFiscalOrigem);
    IGUAL(ModeloNotaFiscalOrigem);
    // clang-format on
    return true;
}

void TCMRENFReferidas::CopiarPara(tagREG_RE_NF_REFERIDA_PS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMRENFReferidas::CopiarDe(tagREG_RE_NF_REFERIDA_PS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}

// --- TCMREObservacaoCFOP ---------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREObservacaoCFOP, TJQBaseParaDados)

void TCMREObservacaoCFOP::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Observacao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMREObservacaoCFOP::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREObservacaoCFOP*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Observacao = s->m_Observacao;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREObservacaoCFOP::operator==(const TCMREObservacaoCFOP& o) const
{
    IGUAL(PonteiroCFOP);
    return m_Observacao == o.m_Observacao;
}

void TCMREObservacaoCFOP::CopiarPara(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMREObservacaoCFOP::EscreveAninhados(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
}

void TCMREObservacaoCFOP::CopiarDe(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    if (s.TamObservacao != 0)
        tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
}

// --- TCMREItemAssociacaoREOC -----------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemAssociacaoREOC, TJQBaseParaDados)

void TCMREItemAssociacaoREOC::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_CancelarItem = false;
    TJQBaseParaDados::OnLimpar();
}

void TCMREItemAssociacaoREOC::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREItemAssociacaoREOC*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_CancelarItem = s->m_CancelarItem;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREItemAssociacaoREOC::operator==(const TCMREItemAssociacaoREOC& o) const
{
    // clang-format off
    IGUAL(TaxaConversao_deprecated); IGUAL(Baixado); IGUAL(Ordem); IGUAL(SequenciaItem); IGUAL(CancelarItem);
    // clang-format on
    return true;
}

void TCMREItemAssociacaoREOC::CopiarPara(tagREG_ASSOCIACAO_ITEM_RE_OCPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREItemAssociacaoREOC::CopiarDe(tagREG_ASSOCIACAO_ITEM_RE_OCPS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}
