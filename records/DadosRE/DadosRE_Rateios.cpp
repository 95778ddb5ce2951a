#include "records/DadosRE/DadosRE_Rateios.h"

#include <cstddef>
#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_TITULO_RATEIO_ENTRADAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_RATEIOSERVICO_ENTRADAPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

namespace {

// Zeroes the bytes of s from field offset de up to (not including) ate.
template <class S> void ZeraFaixa(S& s, size_t de, size_t ate)
{
    std::memset(reinterpret_cast<char*>(&s) + de, 0, ate - de);
}

} // namespace

// --- TCMRERateioTitulo -----------------------------------------------------------

TOLV_PADRAO_IMPL(TCMRERateioTitulo, TCMRateioBase)

void TCMRERateioTitulo::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TCMRateioBase::OnLimpar();
}

void TCMRERateioTitulo::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMRERateioTitulo*>(src)->m_ps);
    TCMRateioBase::OnCopiar(src);
}

bool TCMRERateioTitulo::operator==(const TCMRERateioTitulo& o) const
{
    if (!TCMRateioBase::operator==(&o))
        return false;
    // clang-format off
    IGUAL(Filial); IGUAL(Valor); IGUAL(PonteiroClassificacao);
    // clang-format on
    return true;
}

void TCMRERateioTitulo::CopiarPara(tagREG_TITULO_RATEIO_ENTRADAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMRERateioTitulo::EscreveAninhados(tagREG_TITULO_RATEIO_ENTRADAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
}

void TCMRERateioTitulo::CopiarDe(tagREG_TITULO_RATEIO_ENTRADAPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
}

// --- TCMRERateioServico ----------------------------------------------------------

IMPLEMENT_DYNAMIC(TCMRERateioServico, TCMRateioBase)
TOLV_PADRAO_IMPL(TCMRERateioServico, TCMRateioBase)

void TCMRERateioServico::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_GerencialFilialClassificacao.RemoveAll();
    TCMRateioBase::OnLimpar();
}

void TCMRERateioServico::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMRERateioServico*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_GerencialFilialClassificacao.Copia(s->m_GerencialFilialClassificacao);
    TCMRateioBase::OnCopiar(src);
}

bool TCMRERateioServico::operator==(const TCMRERateioServico& o) const
{
    if (!TCMRateioBase::operator==(&o))
        return false;
    if (!ListasIguais(m_GerencialFilialClassificacao, o.m_GerencialFilialClassificacao))
        return false;
    // amounts
    // clang-format off
    IGUAL(NEWQuantidade); IGUAL(NEWValor); IGUAL(ValorDescontoNoItem); IGUAL(ValorDescontoNaNota);
    IGUAL(BasePISRetido_Bruto); IGUAL(BaseCOFINSRetido_Bruto); IGUAL(BaseCSLLRetido_Bruto);
    IGUAL(ValorPISRetido_Bruto); IGUAL(ValorCOFINSRetido_Bruto); IGUAL(ValorCSLLRetido_Bruto);
    IGUAL(ValorPISRetido_Liq); IGUAL(ValorCOFINSRetido_Liq); IGUAL(ValorCSLLRetido_Liq);
    IGUAL(CalcBaseIRRF); IGUAL(CalcBaseISS); IGUAL(CalcBaseINSS); IGUAL(CalcValorIRRF); IGUAL(CalcValorISS);
    IGUAL(CalcValorINSS); IGUAL(CalcValorTotalNF); IGUAL(CalcValorTotalNFLiquido);
    IGUAL(CalcValorPISNaoCumulativo); IGUAL(CalcValorCOFINSNaoCumulativo); IGUAL(CalcBasePISNaoCumulativo);
    IGUAL(CalcBaseCOFINSNaoCumulativo);
    IGUAL(InfBaseIRRF); IGUAL(InfBaseISS); IGUAL(InfBaseINSS); IGUAL(InfValorIRRF); IGUAL(InfValorISS);
    IGUAL(InfValorINSS); IGUAL(InfValorTotalNF); IGUAL(InfValorTotalNFLiquido);
    IGUAL(InfValorPISNaoCumulativo); IGUAL(InfValorCOFINSNaoCumulativo); IGUAL(InfBasePISNaoCumulativo);
    IGUAL(InfBaseCOFINSNaoCumulativo);
    // keys and flags
    IGUAL(PonteiroClassificacao); IGUAL(PonteiroDepartamento); IGUAL(PonteiroRequisitante);
    IGUAL(PonteiroSitServicoRateio); IGUAL(PonteiroFilial); IGUAL(Destino); IGUAL(AlterouValoresCalculados);
    IGUAL(PonteiroHistorico);
    // clang-format on
    return tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico);
}

void TCMRERateioServico::CopiarPara(tagREG_RATEIOSERVICO_ENTRADAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMRERateioServico::EscreveAninhados(tagREG_RATEIOSERVICO_ENTRADAPS* dst) const
{
    ZeraFaixa(*dst, offsetof(tagREG_RATEIOSERVICO_ENTRADAPS, QtdGerencial),
              offsetof(tagREG_RATEIOSERVICO_ENTRADAPS, Reservado876));
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
    tolv::EscreveLista(m_GerencialFilialClassificacao, dst->QtdGerencialFilialClassificacao,
                       dst->pGerencialFilialClassificacao);
}

void TCMRERateioServico::CopiarDe(tagREG_RATEIOSERVICO_ENTRADAPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] {
        ZeraFaixa(m_ps, offsetof(tagREG_RATEIOSERVICO_ENTRADAPS, QtdGerencial),
                  offsetof(tagREG_RATEIOSERVICO_ENTRADAPS, Reservado876));
    }};
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
    tolv::LeLista(m_GerencialFilialClassificacao, s.QtdGerencialFilialClassificacao, s.pGerencialFilialClassificacao);
}
