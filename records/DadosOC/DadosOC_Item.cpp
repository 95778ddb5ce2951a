#include "records/DadosOC/DadosOC_Item.h"

#include "core/Aninhados.h"
#include "records/DadosOC/DadosOC_Interno.h"

#define ARQ "DadosOC"

TOLV_REGISTRA_ESTRUTURA(tagREG_RECEBIMENTO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_PROGRAMACAO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_RATEIO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ITENS_ORDEMPS)

using tolv::ListasIguais;
using tolv::oc::LeBloco;

// --- TCMOCRecebimento ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCRecebimento, TJQBaseParaDados)

void TCMOCRecebimento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Observacao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMOCRecebimento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOCRecebimento*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Observacao = s->m_Observacao;
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: PonteiroRE, reserved bytes.
bool TCMOCRecebimento::operator==(const TCMOCRecebimento& o) const
{
    // Identical structures hold equal fields; nothing here has a side effect,
    // so the text may go first.
    if (m_Observacao != o.m_Observacao)
        return false;
    if (tolv::BytesIguais(&m_ps, &o.m_ps, sizeof m_ps))
        return true;
    // clang-format off
    IGUAL(Quantidade); IGUAL(QuantidadeEquivalente_deprecated); IGUAL(QuantidadeTotal); IGUAL(Recebimento);
    IGUAL(DataEntrega); IGUAL(HoraEntrega); IGUAL(PonteiroUnidadeCompra); IGUAL(PonteiroTaxaConversao);
    IGUAL(Usuario); IGUAL(NumeroNotaFiscal);
    // clang-format on
    return true;
}

void TCMOCRecebimento::CopiarPara(tagREG_RECEBIMENTO_COMPRAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMOCRecebimento::EscreveAninhados(tagREG_RECEBIMENTO_COMPRAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
}

void TCMOCRecebimento::CopiarDe(tagREG_RECEBIMENTO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOCRecebimento::LeDe(tagREG_RECEBIMENTO_COMPRAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    // The length only tells whether a text is there.
    if (s.TamObservacao != 0)
        tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
}

// --- TCMOCProgramacao ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCProgramacao, TJQBaseParaDados)

void TCMOCProgramacao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Recebimento.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMOCProgramacao::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOCProgramacao*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Recebimento.Copia(s->m_Recebimento);
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: DataEntregaAnterior, HoraEntregaAnterior, reserved bytes.
bool TCMOCProgramacao::operator==(const TCMOCProgramacao& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOCProgramacao,
        QuantidadeSolicitada, DataEntrega, HoraEntrega);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    if (m_Recebimento.GetSize() != o.m_Recebimento.GetSize())
        return false;
    IGUAL(EmailAtrasado);
    return ListasIguais(m_Recebimento, o.m_Recebimento);
}

void TCMOCProgramacao::CopiarPara(tagREG_PROGRAMACAO_COMPRAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMOCProgramacao::EscreveAninhados(tagREG_PROGRAMACAO_COMPRAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Recebimento, dst->QtdRecebimento, dst->pRecebimento);
}

void TCMOCProgramacao::CopiarDe(tagREG_PROGRAMACAO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOCProgramacao::LeDe(tagREG_PROGRAMACAO_COMPRAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Recebimento, s.QtdRecebimento, s.pRecebimento);
}

// --- TCMOCRateio -----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCRateio, TCMRateioBase)

// The management lines are the base's: its hooks clear and copy them.
void TCMOCRateio::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TCMRateioBase::OnLimpar();
}

void TCMOCRateio::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMOCRateio*>(src)->m_ps);
    TCMRateioBase::OnCopiar(src);
}

// The number of management lines first, the lines themselves last. Not
// compared: ValorICMS, reserved bytes.
bool TCMOCRateio::operator==(const TCMOCRateio& o) const
{
    if (m_Gerencial.GetSize() != o.m_Gerencial.GetSize())
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOCRateio,
        Quantidade, Valor, ValorFrete, ValorSeguro, ValorDespesas, ValorDescontoTotalOC, ValorICMSST, ValorIPI,
        PonteiroClassificacao, Destino, InformarGerencialAgora, PonteiroDepartamento, PonteiroRequisitante,
        PonteiroHistorico);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    // This apportionment's complement first.
    if (!tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico,
                                                              tolv::PrimeiroComplemento::Deste))
        return false;
    return ListasIguais(m_Gerencial, o.m_Gerencial);
}

void TCMOCRateio::CopiarPara(tagREG_RATEIO_COMPRAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMOCRateio::EscreveAninhados(tagREG_RATEIO_COMPRAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
}

void TCMOCRateio::CopiarDe(tagREG_RATEIO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOCRateio::LeDe(tagREG_RATEIO_COMPRAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
}

// --- TCMOCItem -------------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCItem, TJQBaseParaDados)

void TCMOCItem::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Rateio.RemoveAll();
    m_Programacao.RemoveAll();
    m_ExpandirGrid = false;
    TJQBaseParaDados::OnLimpar();
}

void TCMOCItem::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOCItem*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this) {
        m_Rateio.Copia(s->m_Rateio);
        m_Programacao.Copia(s->m_Programacao);
    }
    m_ExpandirGrid = s->m_ExpandirGrid;
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: IDItem, QuantidadeUltimaCompra, PrecoUltimaCompra,
// DataUltimaCompra, GerarAcompanhamento, ExpandirGrid, reserved bytes.
bool TCMOCItem::operator==(const TCMOCItem& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOCItem,
        ValorUnitarioV8, DescontoUnitarioV8, ValorDescontoTotalItem, ValorTotal,
        ValorIPI, ValorINSS, ValorIRRF, Quantidade, ValorICMSST,
        AliquotaICMSST, AliquotaAcrescimoICMSST, ValorAcrescimoICMSST, AliquotaReducaoICMSST,
        ReducaoBCICMSOpInterna, Atendido,
        PonteiroTabelaPreco, PonteiroTaxaConversao, PonteiroUnidadeMedida,
        ValorPorItemIPI, AliquotaIPI,
        ItemEhServico, LivreCobranca,
        PonteiroProdutoServico, PonteiroItemGrade1, PonteiroItemGrade2, PonteiroItemGrade3,
        QtdCasasVlrUnitario, NumeroItemCotacao, Status,
        Complemento,
        DataNecessidade, NumeroAcompanhamento,
        ValorICMS, AliquotaICMS, AliqRedAcrescimoICMS,
        TipoReducaoAcrescimoICMS, BCIncluiIPI, Frete,
        AliquotaISSRentecao, ValorISSRentecao);
    // clang-format on
    if (m_Rateio.GetSize() != o.m_Rateio.GetSize() || m_Programacao.GetSize() != o.m_Programacao.GetSize())
        return false;
    return kIgual(m_ps, o.m_ps) && ListasIguais(m_Rateio, o.m_Rateio) && ListasIguais(m_Programacao, o.m_Programacao);
}

void TCMOCItem::CopiarPara(tagREG_ITENS_ORDEMPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

// Apportionments first, then the schedule lines.
void TCMOCItem::EscreveAninhados(tagREG_ITENS_ORDEMPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
    tolv::EscreveLista(m_Programacao, dst->QtdProgramacao, dst->pProgramacao);
}

void TCMOCItem::CopiarDe(tagREG_ITENS_ORDEMPS* src)
{
    Limpar();
    LeDe(src);
}

// ExpandirGrid is false here: Limpar or the list reading's constructor set it.
void TCMOCItem::LeDe(tagREG_ITENS_ORDEMPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
    tolv::LeLista(m_Programacao, s.QtdProgramacao, s.pProgramacao);
}
