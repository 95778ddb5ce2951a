#include "records/DadosCP/DadosCP_Itens.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"
#include "records/DadosSC/DadosSC_RateioCompra.h"

#define ARQ "DadosCP"

TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOITEMRATEIOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOITEMPRODUTOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOITEMFATURAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOITEMACOMPANHAMENTOPS)

// --- TCMCPCotacaoPrecoRateio -----------------------------------------------------

TOLV_RATEIO_COMPRA_IMPL(TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS, ARQ)

// --- TCMCPCotacaoPrecoItemProduto ------------------------------------------------

TOLV_PADRAO_IMPL(TCMCPCotacaoPrecoItemProduto, TJQBaseParaDados)

void TCMCPCotacaoPrecoItemProduto::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Complemento.Empty();
    m_Observacao.Empty();
    m_Rateio.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMCPCotacaoPrecoItemProduto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCPCotacaoPrecoItemProduto*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Complemento = s->m_Complemento;
    m_Observacao = s->m_Observacao;
    if (s != this)
        m_Rateio.Copia(s->m_Rateio);
    TJQBaseParaDados::OnCopiar(src);
}

// IDItem is not compared.
bool TCMCPCotacaoPrecoItemProduto::operator==(const TCMCPCotacaoPrecoItemProduto& o) const
{
    if (!tolv::ListasIguais(m_Rateio, o.m_Rateio))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCPCotacaoPrecoItemProduto,
        SaldoEmEstoque, PontoDeReposicao, EstoqueMinimo, QuantidadeCotada,
        v8CustoMedio, QuantidadeUltimaCompra, PrecoUltimaCompra,
        PonteiroUnidadeMedida, StatusProdutoServico,
        DataNecessidade, PonteiroProdutoServico,
        PonteiroItemGrade1, PonteiroItemGrade2, PonteiroItemGrade3);
    // clang-format on
    return kIgual(m_ps, o.m_ps) && m_Complemento == o.m_Complemento && m_Observacao == o.m_Observacao;
}

void TCMCPCotacaoPrecoItemProduto::CopiarPara(tagREG_COTACAOITEMPRODUTOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCPCotacaoPrecoItemProduto::EscreveAninhados(tagREG_COTACAOITEMPRODUTOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Complemento, dst->TamComplemento, dst->pComplemento);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
}

void TCMCPCotacaoPrecoItemProduto::CopiarDe(tagREG_COTACAOITEMPRODUTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCPCotacaoPrecoItemProduto::LeDe(tagREG_COTACAOITEMPRODUTOPS* src)
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

// --- TCMCPCotacaoPrecoItemParcela ------------------------------------------------

TOLV_PADRAO_IMPL(TCMCPCotacaoPrecoItemParcela, TJQBaseParaDados)

void TCMCPCotacaoPrecoItemParcela::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMCPCotacaoPrecoItemParcela::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCPCotacaoPrecoItemParcela*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCPCotacaoPrecoItemParcela::operator==(const TCMCPCotacaoPrecoItemParcela& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCPCotacaoPrecoItemParcela,
        Valor, DataVencimento, NumeroDaParcela, PonteiroTipoVencimento);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMCPCotacaoPrecoItemParcela::CopiarPara(tagREG_COTACAOITEMFATURAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCPCotacaoPrecoItemParcela::CopiarDe(tagREG_COTACAOITEMFATURAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCPCotacaoPrecoItemParcela::LeDe(tagREG_COTACAOITEMFATURAPS* src) { tolv::LeBloco(m_ps, src, ARQ); }

// --- TCMCPCotacaoPrecoItemAcompanhamento -----------------------------------------

TOLV_PADRAO_IMPL(TCMCPCotacaoPrecoItemAcompanhamento, TJQBaseParaDados)

void TCMCPCotacaoPrecoItemAcompanhamento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Observacao.Empty();
    TJQBaseParaDados::OnLimpar();
}

void TCMCPCotacaoPrecoItemAcompanhamento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCPCotacaoPrecoItemAcompanhamento*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Observacao = s->m_Observacao;
    TJQBaseParaDados::OnCopiar(src);
}

// RegDataHoraEntrega is not compared.
bool TCMCPCotacaoPrecoItemAcompanhamento::operator==(const TCMCPCotacaoPrecoItemAcompanhamento& o) const
{
    // The fields by one plan (nothing here calls out, so the order of the
    // checks does not show), then the text.
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCPCotacaoPrecoItemAcompanhamento,
        PrecoUnitario, DescontoUnitario, DescontoTotal, PrecoTotal, ValorIPI,
        ValorICMS, AliquotaIPI, ValorPorItemIPI, AliquotaICMS,
        IndiceFornecedor, IndiceProduto,
        ValorICMSST, AliquotaICMSST,
        AliqRedAcrescimoICMS, AliquotaAcrescimoICMSST, ValorAcrescimoICMSST, AliqReducaoICMSST,
        TipoReducaoAcrescimoICMS, IPIBCICMS,
        ReducaoBCICMSOpInterna,
        Situacao);
    // clang-format on
    return kIgual(m_ps, o.m_ps) && m_Observacao == o.m_Observacao;
}

void TCMCPCotacaoPrecoItemAcompanhamento::CopiarPara(tagREG_COTACAOITEMACOMPANHAMENTOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCPCotacaoPrecoItemAcompanhamento::EscreveAninhados(tagREG_COTACAOITEMACOMPANHAMENTOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
}

void TCMCPCotacaoPrecoItemAcompanhamento::CopiarDe(tagREG_COTACAOITEMACOMPANHAMENTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCPCotacaoPrecoItemAcompanhamento::LeDe(tagREG_COTACAOITEMACOMPANHAMENTOPS* src)
{
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
}
