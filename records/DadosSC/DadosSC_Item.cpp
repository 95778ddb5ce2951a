#include "records/DadosSC/DadosSC_Item.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosSC"

TOLV_REGISTRA_ESTRUTURA(tagREG_SOLICITACAO_COMPRA_ITEMPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS)

// --- TCMSCItem -------------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMSCItem, TJQBaseParaDados)

void TCMSCItem::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Complemento.Empty();
    m_Observacao.Empty();
    m_Rateio.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMSCItem::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMSCItem*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Complemento = s->m_Complemento;
    m_Observacao = s->m_Observacao;
    if (s != this)
        m_Rateio.Copia(s->m_Rateio);
    TJQBaseParaDados::OnCopiar(src);
}

// Integrado is not compared.
bool TCMSCItem::operator==(const TCMSCItem& o) const
{
    if (!tolv::ListasIguais(m_Rateio, o.m_Rateio))
        return false;
    // clang-format off
    IGUAL(SaldoEmEstoque); IGUAL(PontoDeReposicao); IGUAL(EstoqueMinimo); IGUAL(Quantidade);
    IGUAL(PonteiroUnidadeMedida); IGUAL(StatusProdutoServico);
    // clang-format on
    if (m_Complemento != o.m_Complemento || m_Observacao != o.m_Observacao)
        return false;
    // clang-format off
    IGUAL(PonteiroProdutoServico); IGUAL(PonteiroItemGrade1); IGUAL(PonteiroItemGrade2); IGUAL(PonteiroItemGrade3);
    IGUAL(Prioridade); IGUAL(Opcao); IGUAL(Descartada); IGUAL(TipoControleReposicao);
    IGUAL(PonteiroSolicitacaAgrupada); IGUAL(IDItem); IGUAL(NrDiasNecessidade);
    IGUAL(RegDataNecessidade);
    // clang-format on
    // The apportionment count closes the comparison, as it opened it.
    return GetQuantidadeRateio() == o.GetQuantidadeRateio();
}

void TCMSCItem::CopiarPara(tagREG_SOLICITACAO_COMPRA_ITEMPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMSCItem::EscreveAninhados(tagREG_SOLICITACAO_COMPRA_ITEMPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Complemento, dst->TamComplemento, dst->pComplemento);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
}

void TCMSCItem::CopiarDe(tagREG_SOLICITACAO_COMPRA_ITEMPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMSCItem::LeDe(tagREG_SOLICITACAO_COMPRA_ITEMPS* src)
{
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    // The caller's lengths, count and pointers stay in m_ps while they are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeTexto(m_Complemento, s.TamComplemento, s.pComplemento);
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
}

// --- TCMSCFornecedor -------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMSCFornecedor, TJQBaseParaDados)

void TCMSCFornecedor::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_NomeFornecedor.Empty();
    m_Observacao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMSCFornecedor::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMSCFornecedor*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_NomeFornecedor = s->m_NomeFornecedor;
    m_Observacao = s->m_Observacao;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMSCFornecedor::operator==(const TCMSCFornecedor& o) const
{
    IGUAL(PonteiroFornecedor);
    return m_NomeFornecedor == o.m_NomeFornecedor && m_Observacao == o.m_Observacao;
}

void TCMSCFornecedor::CopiarPara(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMSCFornecedor::EscreveAninhados(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_NomeFornecedor, dst->TamNomeFornecedor, dst->pNomeFornecedor);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
}

void TCMSCFornecedor::CopiarDe(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMSCFornecedor::LeDe(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* src)
{
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeTexto(m_NomeFornecedor, s.TamNomeFornecedor, s.pNomeFornecedor);
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
}
