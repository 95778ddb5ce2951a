#include "records/DadosRE/DadosRE_ItemImposto.h"

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_DEDUCOES_PS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ITEM_IMPOSTOPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

// --- TCMREServicoDeducao ---------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREServicoDeducao, TJQBaseParaDados)

void TCMREServicoDeducao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREServicoDeducao::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREServicoDeducao*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREServicoDeducao::operator==(const TCMREServicoDeducao& outro) const
{
    return GetValorDeducao() == outro.GetValorDeducao() && Campo_Descricao::igual(m_ps.Descricao, outro.m_ps.Descricao);
}

void TCMREServicoDeducao::CopiarPara(tagREG_DEDUCOES_PS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREServicoDeducao::CopiarDe(tagREG_DEDUCOES_PS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}

// --- TCMREItemImposto ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemImposto, TJQBaseParaDados)

void TCMREItemImposto::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Deducao.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMREItemImposto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREItemImposto*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Deducao.Copia(s->m_Deducao);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREItemImposto::operator==(const TCMREItemImposto& outro) const
{
    return ListasIguais(m_Deducao, outro.m_Deducao) && GetBase() == outro.GetBase() && GetValor() == outro.GetValor() &&
           GetAliquota() == outro.GetAliquota() && GetCodigoReceita() == outro.GetCodigoReceita() &&
           GetCST() == outro.GetCST() && GetTipoImposto() == outro.GetTipoImposto();
}

void TCMREItemImposto::CopiarPara(tagREG_ITEM_IMPOSTOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMREItemImposto::EscreveAninhados(tagREG_ITEM_IMPOSTOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Deducao, dst->QtdDeducao, dst->pDeducao);
}

void TCMREItemImposto::CopiarDe(tagREG_ITEM_IMPOSTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMREItemImposto::LeDe(tagREG_ITEM_IMPOSTOPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Deducao, s.QtdDeducao, s.pDeducao);
}
