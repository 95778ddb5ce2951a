#include "core/DadosCore.h"

#include "core/JQMem.h"

#define ARQ "DadosCore"

TOLV_REGISTRA_ESTRUTURA(tagREG_CM_GERENCIALPS)
TOLV_REGISTRA_ESTRUTURA(tagRegGerencial_ps)
TOLV_REGISTRA_ESTRUTURA(_REG_ES_GERENCIALPS)
TOLV_REGISTRA_ESTRUTURA(_REG_EF_NF_GERENCIAL_PS)
TOLV_REGISTRA_ESTRUTURA(_REG_RATEIO_CONTAS_GERENCIAISPS)

// --- TCMGerencial ------------------------------------------------------------

void TCMGerencial::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMGerencial::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMGerencial*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

// All 24 bytes of a line are compared (lists of lines compare as one block).
bool TCMGerencial::operator==(const TCMGerencial& outro) const { return JQBytesIguais(m_ps, outro.m_ps); }

void TCMGerencial::CopiarPara(tagREG_CM_GERENCIALPS* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }

void TCMGerencial::CopiarPara(tagRegGerencial_ps* dst) const
{
    if (!JQMemSet(dst, 0, sizeof *dst, ARQ, __LINE__))
        return;
    dst->Valor = m_ps.Valor;
    dst->Quantidade = m_ps.Quantidade;
    dst->PonteiroClassificacao = m_ps.PonteiroClassificacao;
    dst->PonteiroGerencial = m_ps.PonteiroGerencial;
}

void TCMGerencial::CopiarPara(_REG_ES_GERENCIALPS* dst) const
{
    if (!JQMemSet(dst, 0, sizeof *dst, ARQ, __LINE__))
        return;
    dst->Valor = m_ps.Valor;
    dst->PonteiroClassificacao = m_ps.PonteiroClassificacao;
    dst->PonteiroGerencial = m_ps.PonteiroGerencial;
}

void TCMGerencial::CopiarPara(_REG_EF_NF_GERENCIAL_PS* dst) const
{
    if (!JQMemSet(dst, 0, sizeof *dst, ARQ, __LINE__))
        return;
    dst->Valor = m_ps.Valor;
    dst->PonteiroClassificacao = m_ps.PonteiroClassificacao;
    dst->PonteiroGerencial = m_ps.PonteiroGerencial;
}

void TCMGerencial::CopiarDe(tagREG_CM_GERENCIALPS* src)
{
    Limpar();
    JQMemCpy(&m_ps, src, sizeof m_ps, ARQ, __LINE__);
}

// The other forms are read through a guarded copy of the caller's block, so an
// unreadable source leaves the record cleared.
template <class S> static bool LeBloco(S& local, const S* src) { return tolv::LeBloco(local, src, ARQ); }

void TCMGerencial::CopiarDe(tagRegGerencial_ps* src)
{
    Limpar();
    tagRegGerencial_ps s;
    if (!LeBloco(s, src))
        return;
    m_ps.Valor = s.Valor;
    m_ps.Quantidade = s.Quantidade;
    m_ps.PonteiroClassificacao = s.PonteiroClassificacao;
    m_ps.PonteiroGerencial = s.PonteiroGerencial;
}

void TCMGerencial::CopiarDe(_REG_ES_GERENCIALPS* src)
{
    Limpar();
    _REG_ES_GERENCIALPS s;
    if (!LeBloco(s, src))
        return;
    m_ps.Valor = s.Valor;
    m_ps.PonteiroClassificacao = s.PonteiroClassificacao;
    m_ps.PonteiroGerencial = s.PonteiroGerencial;
}

void TCMGerencial::CopiarDe(_REG_EF_NF_GERENCIAL_PS* src)
{
    Limpar();
    _REG_EF_NF_GERENCIAL_PS s;
    if (!LeBloco(s, src))
        return;
    m_ps.Valor = s.Valor;
    m_ps.PonteiroClassificacao = s.PonteiroClassificacao;
    m_ps.PonteiroGerencial = s.PonteiroGerencial;
}

void TCMGerencial::CopiarDe(_REG_RATEIO_CONTAS_GERENCIAISPS* src)
{
    Limpar();
    _REG_RATEIO_CONTAS_GERENCIAISPS s;
    if (!LeBloco(s, src))
        return;
    m_ps.Valor = s.Valor;
    m_ps.PonteiroClassificacao = s.PonteiroClassificacao;
    m_ps.PonteiroGerencial = s.PonteiroGerencial;
}
