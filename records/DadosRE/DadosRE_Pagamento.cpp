#include "records/DadosRE/DadosRE_Pagamento.h"

#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(REG_CODBARRAS)
TOLV_REGISTRA_ESTRUTURA(tagREG_FATURA_ENTRADAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_TITULO_IMPOSTOS_ENTRADAPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

// --- TCMREParcela ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREParcela, TJQBaseParaDados)

void TCMREParcela::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREParcela::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREParcela*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

// The bar code first: its text (up to a NUL, 24 bytes at most), then its code
// byte; the byte after the code is not compared.
bool TCMREParcela::operator==(const TCMREParcela& o) const
{
    REG_CODBARRAS a = GetRegCodBarras();
    REG_CODBARRAS b = o.GetRegCodBarras();
    if (std::strncmp(a.Texto, b.Texto, sizeof a.Texto) != 0 || a.Codigo != b.Codigo)
        return false;
    // clang-format off
    IGUAL(RegDataVencimento); IGUAL(ValorLiquido); IGUAL(ValorBruto); IGUAL(ValorCSLLRetido);
    IGUAL(ValorPISRetido); IGUAL(ValorCOFINSRetido); IGUAL(ValorIRRF); IGUAL(NumeroDaParcela);
    IGUAL(PonteiroTipoVencimento); IGUAL(PonteiroFormaPagamento); IGUAL(NumeroDocumento);
    // clang-format on
    return true;
}

void TCMREParcela::CopiarPara(tagREG_FATURA_ENTRADAPS* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }

void TCMREParcela::CopiarDe(tagREG_FATURA_ENTRADAPS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}

// --- TCMRETituloImposto ----------------------------------------------------------

TOLV_PADRAO_IMPL(TCMRETituloImposto, TJQBaseParaDados)

void TCMRETituloImposto::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Rateio.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMRETituloImposto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMRETituloImposto*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Rateio.Copia(s->m_Rateio);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMRETituloImposto::operator==(const TCMRETituloImposto& o) const
{
    if (!ListasIguais(m_Rateio, o.m_Rateio))
        return false;
    // clang-format off
    IGUAL(Valor); IGUAL(Cedente); IGUAL(CodigoReceita); IGUAL(PonteiroHistorico); IGUAL(PonteiroTipoDocumento);
    IGUAL(Filial); IGUAL(RegDataVencimento); IGUAL(NumeroDocumento); IGUAL(Parcela); IGUAL(Previsao);
    IGUAL(TipoImposto);
    // clang-format on
    // Last, the other title's complement first.
    return tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico);
}

void TCMRETituloImposto::CopiarPara(tagREG_TITULO_IMPOSTOS_ENTRADAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMRETituloImposto::EscreveAninhados(tagREG_TITULO_IMPOSTOS_ENTRADAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
}

void TCMRETituloImposto::CopiarDe(tagREG_TITULO_IMPOSTOS_ENTRADAPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
}

// --- TCMRECondicaoPgto -----------------------------------------------------------

TOLV_PADRAO_IMPL(TCMRECondicaoPgto, TJQBaseParaDados)

void TCMRECondicaoPgto::OnLimpar()
{
    m_PonteiroTipoCobranca = 0;
    std::memset(&m_RegDataPrimeiroVencimento, 0, sizeof m_RegDataPrimeiroVencimento);
    m_PonteiroCondicaoPagamento = 0;
    m_PonteiroTipoPeriodo = 0;
    m_Titulo.RemoveAll();
    m_Parcela.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMRECondicaoPgto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMRECondicaoPgto*>(src);
    m_PonteiroTipoCobranca = s->m_PonteiroTipoCobranca;
    m_RegDataPrimeiroVencimento = s->m_RegDataPrimeiroVencimento;
    m_PonteiroCondicaoPagamento = s->m_PonteiroCondicaoPagamento;
    m_PonteiroTipoPeriodo = s->m_PonteiroTipoPeriodo;
    if (s != this) {
        m_Titulo.Copia(s->m_Titulo);
        m_Parcela.Copia(s->m_Parcela);
    }
    TJQBaseParaDados::OnCopiar(src);
}

// PonteiroTipoPeriodo is not compared.
bool TCMRECondicaoPgto::operator==(const TCMRECondicaoPgto& o) const
{
    if (!ListasIguais(m_Parcela, o.m_Parcela) || !ListasIguais(m_Titulo, o.m_Titulo))
        return false;
    // clang-format off
    IGUAL(PonteiroTipoCobranca); IGUAL(RegDataPrimeiroVencimento); IGUAL(PonteiroCondicaoPagamento);
    // clang-format on
    return true;
}
