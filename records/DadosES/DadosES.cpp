#include "records/DadosES/DadosES.h"

#include "core/Aninhados.h"
#include "core/JQMem.h"

#define ARQ "DadosES"

// The composition line is registered with the entry register's sources.
TOLV_REGISTRA_ESTRUTURA(_REG_ES_CONTABILIZACAOPS)
TOLV_REGISTRA_ESTRUTURA(_REG_ES_MOV_REFERENCIAPS)
TOLV_REGISTRA_ESTRUTURA(_REG_ES_MOVIMENTOPS)

namespace {

template <class S> bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, ARQ); }

} // namespace

// --- TESMovimentoContabil ----------------------------------------------------------

IMPLEMENT_DYNAMIC(TESMovimentoContabil, TCMRateioBase)
TOLV_PADRAO_IMPL(TESMovimentoContabil, TCMRateioBase)

void TESMovimentoContabil::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TCMRateioBase::OnLimpar();
}

void TESMovimentoContabil::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TESMovimentoContabil*>(src)->m_ps);
    TCMRateioBase::OnCopiar(src);
}

void TESMovimentoContabil::CopiarPara(_REG_ES_CONTABILIZACAOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TESMovimentoContabil::EscreveAninhados(_REG_ES_CONTABILIZACAOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    // Each line by the 16-byte form: value, classification and account.
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
}

void TESMovimentoContabil::CopiarDe(_REG_ES_CONTABILIZACAOPS* src)
{
    Limpar();
    LeDe(src);
}

void TESMovimentoContabil::LeDe(_REG_ES_CONTABILIZACAOPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's count and pointer stay in m_ps while the lines are read.
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Gerencial, m_ps.QtdGerencial, m_ps.pGerencial);
}

// --- TESMovimentoComposicao --------------------------------------------------------

IMPLEMENT_DYNAMIC(TESMovimentoComposicao, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TESMovimentoComposicao, TJQBaseParaDados)

void TESMovimentoComposicao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TESMovimentoComposicao::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TESMovimentoComposicao*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TESMovimentoComposicao::CopiarPara(_REG_ES_COMPOSICAO_PRODUTOPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TESMovimentoComposicao::CopiarDe(_REG_ES_COMPOSICAO_PRODUTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TESMovimentoComposicao::LeDe(_REG_ES_COMPOSICAO_PRODUTOPS* src) { LeBloco(m_ps, src); }

// --- TESMovimentoReferencia --------------------------------------------------------

IMPLEMENT_DYNAMIC(TESMovimentoReferencia, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TESMovimentoReferencia, TJQBaseParaDados)

void TESMovimentoReferencia::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TESMovimentoReferencia::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TESMovimentoReferencia*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TESMovimentoReferencia::CopiarPara(_REG_ES_MOV_REFERENCIAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TESMovimentoReferencia::CopiarDe(_REG_ES_MOV_REFERENCIAPS* src)
{
    Limpar();
    LeDe(src);
}

void TESMovimentoReferencia::LeDe(_REG_ES_MOV_REFERENCIAPS* src) { LeBloco(m_ps, src); }

// --- TESMovimento ------------------------------------------------------------------

IMPLEMENT_DYNAMIC(TESMovimento, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TESMovimento, TJQBaseParaDados)

void TESMovimento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Complemento.Empty();
    m_Contabil.RemoveAll();
    m_Composicao.RemoveAll();
    m_Referencia.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TESMovimento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TESMovimento*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Complemento = s->m_Complemento;
    if (s != this) {
        m_Contabil.Copia(s->m_Contabil);
        m_Composicao.Copia(s->m_Composicao);
        m_Referencia.Copia(s->m_Referencia);
    }
    TJQBaseParaDados::OnCopiar(src);
}

void TESMovimento::CopiarPara(_REG_ES_MOVIMENTOPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // Every count and pointer of dst is consistent from here on, even if an
    // exception stops the writing below.
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Contabil, dst->QtdContabil, dst->pContabil);
    tolv::EscreveLista(m_Composicao, dst->QtdComposicao, dst->pComposicao);
    tolv::EscreveLista(m_Referencia, dst->QtdReferencia, dst->pReferencia);
    tolv::EscreveTexto(m_Complemento, dst->TamComplemento, dst->pComplemento);
}

void TESMovimento::CopiarDe(_REG_ES_MOVIMENTOPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Contabil, s.QtdContabil, s.pContabil);
    tolv::LeLista(m_Composicao, s.QtdComposicao, s.pComposicao);
    tolv::LeLista(m_Referencia, s.QtdReferencia, s.pReferencia);
    if (s.TamComplemento != 0 && s.pComplemento)
        tolv::LeTexto(m_Complemento, s.TamComplemento, s.pComplemento);
}

namespace {

using tolv::Liberacao;

template <class E> void Solta(E*& p, Liberacao modo)
{
    tolv::LiberaLista(p, 0, modo);
    p = nullptr;
}

// The postings' line arrays (whatever their counts), the postings, the
// compositions, the references and the complement; each released pointer is
// set to null, so a second call releases nothing.
void Libera(_REG_ES_MOVIMENTOPS* ps, Liberacao modo)
{
    if (!ps)
        return;
    if (ps->pContabil) {
        for (unsigned k = 0; k < ps->QtdContabil; ++k)
            Solta(ps->pContabil[k].pGerencial, modo);
        Solta(ps->pContabil, modo);
    }
    Solta(ps->pComposicao, modo);
    Solta(ps->pReferencia, modo);
    if (ps->pComplemento) {
        tolv::LiberaTexto(ps->pComplemento, modo);
        ps->pComplemento = nullptr;
        ps->TamComplemento = 0;
    }
}

} // namespace

void TESMovimento::ZerarGlobalAlloc(_REG_ES_MOVIMENTOPS* ps)
{
    Libera(ps, Liberacao::CoTaskMem);
    if (ps)
        ps->TamComplemento = 0;
}

void TESMovimento::ZerarDelete(_REG_ES_MOVIMENTOPS* ps) { Libera(ps, Liberacao::Delete); }
