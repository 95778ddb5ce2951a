#include "records/DadosRE/DadosRE_Estoque.h"

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(_REG_ITEM_ENTRADA_COMPOSICAOPS)
TOLV_REGISTRA_ESTRUTURA(_REG_ENTRADA_ESTOQUE_ENTRADAPS)
TOLV_REGISTRA_ESTRUTURA(_REG_ES_COMPOSICAO_PRODUTOPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

// --- TCMREComposicao -------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREComposicao, TJQBaseParaDados)

void TCMREComposicao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREComposicao::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREComposicao*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREComposicao::operator==(const TCMREComposicao& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMREComposicao,
        Quantidade, QuantidadeTotal, Valor4PIUnitaria, PonteiroMovimentoOrigem, PonteiroFilial, PonteiroLote,
        PonteiroForLote, PonteiroForEPTETPE, PonteiroCliEPTETPE, PonteiroVolume, PonteiroControleFCI,
        PonteiroLocal, TipoProducao, TipoEstoque, QuantidadeTotalAlterada, ConteudoImportado, CasasDecimais,
        RegPosProduto, RegPosProdutoSubstituido);
    // clang-format on
    return kIgual(m_ps, o.m_ps);
}

void TCMREComposicao::CopiarPara(_REG_ITEM_ENTRADA_COMPOSICAOPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREComposicao::CopiarDe(_REG_ITEM_ENTRADA_COMPOSICAOPS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}

void TCMREComposicao::CopiarPara(_REG_ES_COMPOSICAO_PRODUTOPS* dst) const
{
    if (!JQMemSet(dst, 0, sizeof *dst, ARQ, __LINE__))
        return;
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    std::memset(&es, 0, sizeof es);
    es.regPosProduto = m_ps.RegPosProduto;
    es.regPosProdutoSubstituido = m_ps.RegPosProdutoSubstituido;
    es.Quantidade = m_ps.Quantidade;
    es.QuantidadeTotal = m_ps.QuantidadeTotal;
    es.Valor4PIUnitaria = m_ps.Valor4PIUnitaria;
    // origin and branch trade places between the two forms
    es.lPonteiroFilial = m_ps.PonteiroFilial;
    es.PonteiroMovimentoOrigem = static_cast<long>(m_ps.PonteiroMovimentoOrigem);
    es.PonteiroLote = m_ps.PonteiroLote;
    es.PonteiroForLote = m_ps.PonteiroForLote;
    es.PonteiroForEPTETPE = m_ps.PonteiroForEPTETPE;
    es.PonteiroCliEPTETPE = m_ps.PonteiroCliEPTETPE;
    es.PonteiroVolume = m_ps.PonteiroVolume;
    es.PonteiroControleFCI = m_ps.PonteiroControleFCI;
    es.PonteiroLocal = m_ps.PonteiroLocal;
    es.TipoProducao = m_ps.TipoProducao;
    es.TipoEstoque = m_ps.TipoEstoque;
    es.QuantidadeTotalAlterada = m_ps.QuantidadeTotalAlterada;
    es.ConteudoImportado = m_ps.ConteudoImportado;
    es.CasasDecimais = m_ps.CasasDecimais;
    JQMemCpy(dst, &es, sizeof es, ARQ, __LINE__);
}

void TCMREComposicao::CopiarDe(_REG_ES_COMPOSICAO_PRODUTOPS* src)
{
    Limpar();
    _REG_ES_COMPOSICAO_PRODUTOPS es;
    if (!LeBloco(es, src))
        return;
    m_ps.RegPosProduto = es.regPosProduto;
    m_ps.RegPosProdutoSubstituido = es.regPosProdutoSubstituido;
    m_ps.Quantidade = es.Quantidade;
    m_ps.QuantidadeTotal = es.QuantidadeTotal;
    m_ps.Valor4PIUnitaria = es.Valor4PIUnitaria;
    m_ps.PonteiroFilial = es.lPonteiroFilial;
    m_ps.PonteiroMovimentoOrigem = static_cast<unsigned long>(es.PonteiroMovimentoOrigem);
    m_ps.PonteiroLote = es.PonteiroLote;
    m_ps.PonteiroForLote = es.PonteiroForLote;
    m_ps.PonteiroForEPTETPE = es.PonteiroForEPTETPE;
    m_ps.PonteiroCliEPTETPE = es.PonteiroCliEPTETPE;
    m_ps.PonteiroVolume = es.PonteiroVolume;
    m_ps.PonteiroControleFCI = es.PonteiroControleFCI;
    m_ps.PonteiroLocal = es.PonteiroLocal;
    m_ps.TipoProducao = es.TipoProducao;
    m_ps.TipoEstoque = es.TipoEstoque;
    m_ps.QuantidadeTotalAlterada = es.QuantidadeTotalAlterada;
    m_ps.ConteudoImportado = es.ConteudoImportado;
    m_ps.CasasDecimais = es.CasasDecimais;
}

// --- TCMREEntradaEstoque ---------------------------------------------------------

IMPLEMENT_DYNAMIC(TCMREEntradaEstoque, TCMRateioBase)
TOLV_PADRAO_IMPL(TCMREEntradaEstoque, TCMRateioBase)

void TCMREEntradaEstoque::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_ArmaFogo_Descricao.Empty();
    m_GerencialSaida.RemoveAll();
    m_Composicao.RemoveAll();
    TCMRateioBase::OnLimpar();
}

void TCMREEntradaEstoque::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREEntradaEstoque*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_ArmaFogo_Descricao = s->m_ArmaFogo_Descricao;
    if (s != this) {
        m_GerencialSaida.Copia(s->m_GerencialSaida);
        m_Composicao.Copia(s->m_Composicao);
    }
    TCMRateioBase::OnCopiar(src);
}

bool TCMREEntradaEstoque::operator==(const TCMREEntradaEstoque& o) const
{
    if (!TCMRateioBase::operator==(&o))
        return false;
    if (!ListasIguais(m_GerencialSaida, o.m_GerencialSaida) || !ListasIguais(m_Composicao, o.m_Composicao))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMREEntradaEstoque,
        Quantidade, PonteiroClassificacaoSaida, PonteiroClassificacao, PonteiroMovimentoOrigemEstoque,
        PonteiroLocalSaida, PonteiroLocal, PonteiroCFRT, LoteESDataFabricacao, LoteESDataValidade,
        LotePrecoTabelado, LoteESNumeroDeDiaValidade, LoteESNumero, LoteESVolume,
        ArmaFogo_Serie, ArmaFogo_Cano, LoteIndicadorMovimentacao, ArmaFogo_Tipo, LoteTipoReferencia, Tipo,
        RegPosProduto);
    // clang-format on
    return kIgual(m_ps, o.m_ps) && m_ArmaFogo_Descricao == o.m_ArmaFogo_Descricao;
}

void TCMREEntradaEstoque::CopiarPara(_REG_ENTRADA_ESTOQUE_ENTRADAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMREEntradaEstoque::EscreveAninhados(_REG_ENTRADA_ESTOQUE_ENTRADAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    try {
        tolv::EscreveLista(m_GerencialSaida, dst->QtdGerencialSaida, dst->pGerencialSaida);
        tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
        tolv::EscreveLista(m_Composicao, dst->QtdComposicao, dst->pComposicao);
        tolv::EscreveTexto(m_ArmaFogo_Descricao, dst->TamArmaFogo_Descricao, dst->pArmaFogo_Descricao);
    } catch (...) {
        tolv::LiberaAninhados(dst, tolv::Liberacao::Delete);
        tolv::ZeraAninhados(dst);
        throw;
    }
}

void TCMREEntradaEstoque::CopiarDe(_REG_ENTRADA_ESTOQUE_ENTRADAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMREEntradaEstoque::LeDe(_REG_ENTRADA_ESTOQUE_ENTRADAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_GerencialSaida, s.QtdGerencialSaida, s.pGerencialSaida);
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
    tolv::LeLista(m_Composicao, s.QtdComposicao, s.pComposicao);
    if (s.TamArmaFogo_Descricao != 0)
        tolv::LeTexto(m_ArmaFogo_Descricao, s.TamArmaFogo_Descricao, s.pArmaFogo_Descricao);
}
