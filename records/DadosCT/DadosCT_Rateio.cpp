#include "records/DadosCT/DadosCT_Rateio.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosCT"

TOLV_REGISTRA_ESTRUTURA(tagREG_RATEIO_CONHECIMENTOPS)

IMPLEMENT_DYNAMIC(TCMCTRateio, TCMRateioBase)
TOLV_PADRAO_IMPL(TCMCTRateio, TCMRateioBase)

void TCMCTRateio::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TCMRateioBase::OnLimpar();
}

void TCMCTRateio::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCTRateio*>(src)->m_ps);
    TCMRateioBase::OnCopiar(src);
}

// PonteiroHistorico is not compared; the lines are, Quantidade included.
bool TCMCTRateio::operator==(const TCMCTRateio& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCTRateio,
        Valor, PonteiroClassificacao, PonteiroCFOP);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    if (m_Gerencial.GetSize() != o.m_Gerencial.GetSize())
        return false;
    if (!tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico))
        return false;
    return tolv::ListasIguais(m_Gerencial, o.m_Gerencial);
}

void TCMCTRateio::CopiarPara(tagREG_RATEIO_CONHECIMENTOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCTRateio::EscreveAninhados(tagREG_RATEIO_CONHECIMENTOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
}

void TCMCTRateio::CopiarDe(tagREG_RATEIO_CONHECIMENTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCTRateio::LeDe(tagREG_RATEIO_CONHECIMENTOPS* src)
{
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    // The caller's count and pointer stay in m_ps while the lines are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
}
