// The members of a purchase apportionment (not installed): the requisition's
// and the quotation's share their structure's table and all their behaviour.
#pragma once

#include "core/Aninhados.h"
#include "core/Comparacao.h"
#include "core/JQMem.h"

// Defines the standard members, the comparison and the conversions of class T
// (direct base TCMRateioBase, structure S); ARQ names the calling source.
// The comparison runs the base's first (the management lines), then the
// fields, and hands the history complements to the companion last, the other
// record's text first.
#define TOLV_RATEIO_COMPRA_IMPL(T, S, ARQ)                                                                             \
    TOLV_PADRAO_IMPL(T, TCMRateioBase)                                                                                 \
                                                                                                                       \
    void T::OnLimpar()                                                                                                 \
    {                                                                                                                  \
        tolv::ZeraPropria(m_ps);                                                                                       \
        TCMRateioBase::OnLimpar();                                                                                     \
    }                                                                                                                  \
                                                                                                                       \
    void T::OnCopiar(const TJQBaseParaDados* src)                                                                      \
    {                                                                                                                  \
        tolv::CopiaPropria(m_ps, static_cast<const T*>(src)->m_ps);                                                    \
        TCMRateioBase::OnCopiar(src);                                                                                  \
    }                                                                                                                  \
                                                                                                                       \
    bool T::operator==(const T& o) const                                                                               \
    {                                                                                                                  \
        if (!TCMRateioBase::operator==(&o))                                                                            \
            return false;                                                                                              \
        IGUAL(RegQuemGerou);                                                                                           \
        IGUAL(Quantidade);                                                                                             \
        IGUAL(PonteiroClassificacao);                                                                                  \
        IGUAL(PonteiroDepartamento);                                                                                   \
        IGUAL(PonteiroRequisitante);                                                                                   \
        IGUAL(PonteiroHistorico);                                                                                      \
        return tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico,                         \
                                                                    o.m_ps.ComplementoHistorico);                      \
    }                                                                                                                  \
                                                                                                                       \
    void T::CopiarPara(S* dst) const                                                                                   \
    {                                                                                                                  \
        if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))                                                          \
            EscreveAninhados(dst);                                                                                     \
    }                                                                                                                  \
                                                                                                                       \
    void T::EscreveAninhados(S* dst) const                                                                             \
    {                                                                                                                  \
        tolv::ZeraAninhados(dst);                                                                                      \
        tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);                                           \
    }                                                                                                                  \
                                                                                                                       \
    void T::CopiarDe(S* src)                                                                                           \
    {                                                                                                                  \
        Limpar();                                                                                                      \
        LeDe(src);                                                                                                     \
    }                                                                                                                  \
                                                                                                                       \
    void T::LeDe(S* src)                                                                                               \
    {                                                                                                                  \
        if (!tolv::LeBloco(m_ps, src, ARQ))                                                                            \
            return;                                                                                                    \
        /* The caller's count and pointer stay in m_ps while the lines are read. */                                    \
        const auto& s = m_ps;                                                                                          \
        tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};                                                     \
        tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);                                                      \
    }
