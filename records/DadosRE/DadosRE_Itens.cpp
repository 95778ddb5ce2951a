#include "records/DadosRE/DadosRE_Itens.h"

#include <cstddef>
#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_ITEM_TOTAIS_ENTRADAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ITEM_ENTRADA_PRODUTOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ITEM_ENTRADA_SERVICOPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

// --- TCMREItemProdutoTotais --------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemProdutoTotais, TJQBaseParaDados)

void TCMREItemProdutoTotais::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREItemProdutoTotais::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREItemProdutoTotais*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

// The 39 amounts lie one after another from offset 0: comparing their bytes is
// comparing each exact 64-bit value in offset order.
bool TCMREItemProdutoTotais::operator==(const TCMREItemProdutoTotais& outro) const
{
    return tolv::BytesIguais(&m_ps, &outro.m_ps, offsetof(tagREG_ITEM_TOTAIS_ENTRADAPS, Reservado312));
}

void TCMREItemProdutoTotais::CopiarPara(tagREG_ITEM_TOTAIS_ENTRADAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREItemProdutoTotais::CopiarDe(tagREG_ITEM_TOTAIS_ENTRADAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMREItemProdutoTotais::LeDe(tagREG_ITEM_TOTAIS_ENTRADAPS* src) { LeBloco(m_ps, src); }

// --- TCMREItemBase -----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemBase, TJQCMBaseParaDados)

void TCMREItemBase::OnLimpar()
{
    m_ItemAssociacao.RemoveAll();
    TJQCMBaseParaDados::OnLimpar();
}

void TCMREItemBase::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREItemBase*>(src);
    if (s != this)
        m_ItemAssociacao.Copia(s->m_ItemAssociacao);
    TJQCMBaseParaDados::OnCopiar(src);
}

bool TCMREItemBase::operator==(const TCMREItemBase* outro) const
{
    return outro && ListasIguais(m_ItemAssociacao, outro->m_ItemAssociacao);
}

// --- TCMREItemProduto --------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemProduto, TCMREItemBase)

void TCMREItemProduto::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Rateio.RemoveAll();
    m_MargemLucro.RemoveAll();
    m_Imposto.RemoveAll();
    m_EntradaEstoque.RemoveAll();
    m_Totais.RemoveAll();
    TCMREItemBase::OnLimpar();
}

void TCMREItemProduto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREItemProduto*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this) {
        m_Rateio.Copia(s->m_Rateio);
        m_MargemLucro.Copia(s->m_MargemLucro);
        m_Imposto.Copia(s->m_Imposto);
        m_EntradaEstoque.Copia(s->m_EntradaEstoque);
        m_Totais.Copia(s->m_Totais);
    }
    TCMREItemBase::OnCopiar(src);
}

unsigned long TCMREItemProduto::OnCalculaCRC() const { return JQCRC32(&m_ps, sizeof m_ps); }

// Not compared: IDItem, the totals, _CRC, reserved bytes, counts and pointers.
bool TCMREItemProduto::operator==(const TCMREItemProduto& o) const
{
    if (!TCMREItemBase::operator==(&o))
        return false;
    if (!ListasIguais(m_Rateio, o.m_Rateio) || !ListasIguais(m_MargemLucro, o.m_MargemLucro) ||
        !ListasIguais(m_Imposto, o.m_Imposto) || !ListasIguais(m_EntradaEstoque, o.m_EntradaEstoque))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMREItemProduto,
        // amounts
        CombustivelBaseST, CombustivelICMSSubstituicaoARepassar,
        CombustivelICMSSubstituicaoComplementar, CombustivelBaseCalcRetencao,
        CombustivelICMSRetido, Quantidade, NEWQuantidadeEquivalente,
        QuantidadeEquivalente_deprecated, ValorUnitarioV8, ValorDescontoUnitarioV8,
        ValorDescontoTotalItem, ValorICMSST, BaseICMSST, ValorIPI, ValorTotal,
        BasePISNaoCumulativo, BaseCOFINSNaoCumulativo, ValorPISNaoCumulativo,
        ValorCOFINSNaoCumulativo, AliquotaAcrescimoICMSST, ValorAcrescimoICMSST,
        CreditoPresumidoICMS, CreditoPresumidoIPI, ValorPorItemPISNaoCumulativo,
        ValorPorItemCOFINSNaoCumulativo, PrecoTabelado, ValorIPIEmbutido, ValorDIFA,
        ValorRetencaoBC, ValorRetencaoParcelaImposto, PesoLiquido, AliquotaICMS,
        AliquotaICMSST, AliquotaIPI, ValorPorItemIPI, AliquotaRedAcrescimoICMS,
        AliquotaReducaoIPI, AliquotaReducaoICMSST, PrecoUltimaCompra,
        AliquotaPISNaoCumulativo, AliquotaCOFINSNaoCumulativo, BaseIPI,
        AliquotaCreditoPresumido, BCCreditoPresumido, ReducaoBCICMSOpInterna, BaseICMS,
        ValorICMS,
        // keys
        ChaveRecebimentoProduto, PonteiroEmbalagem, PonteiroSituacaoTributaria,
        PonteiroCSOSN, PonteiroClassificacaoSPED, PonteiroCodigoCliente,
        // product position: product key and grade items
        RegPosicaoProduto,
        // dates and units
        RegDataValidadeLote, PonteiroUnidadeMedidaCompra, RegDataFabricacao,
        NumeroDeDiaValidade, PonteiroCFOPProduto, CodigoTributacaoIPI,
        PonteiroTaxaConversao, TipoIncidenciaPIS,
        TipoIncidenciaCOFINS,
        // flags
        TipoReducaoAcrescimoICMS, AproveitarCreditoIPI_deprecated, Combustiveis,
        Substituido, CFOPEntrada, IndicadorMovimentacao, ArmaFogoTipo,
        TipoReferencia, LivreCobranca, IPIInclusoNoICMS, QtdCasasVlrUnitario,
        PosicaoBCCredito, TipoOperacaoVeiculo, InformarValorIPI, InformarBaseIPI,
        InformarValorICMSST, InformarBaseICMSST, InformarValorICMS, InformarBaseICMS,
        InformarValorPISNC, InformarBasePISNC, InformarValorCOFINSNC, InformarBaseCOFINSNC,
        InformarValorDIFA, CreditoPresumidoSimplesNacional,
        // texts, exact
        ComplementoProduto, ArmaFogoDescricao, Lote, ClassificacaoFiscal,
        ArmaFogoSerie, ArmaFogoCano, Volume, ChassiVeiculo, CFOPnaNFEmitente,
        // EFD adjustment
        ChaveAjusteEFD,
        // import declaration
        DI_VlrBC, DI_VlrDespesaAduaneira, DI_VlrIOF, DI_VlrImpostoImportacao,
        DI_AdicaoVlrDesconto, DI_ValorPIS_Importacao, DI_ValorCOFINS_Importacao,
        DI_DataRegistro, DI_DesembaracoData, DI_CodigoExportador, DI_DesembaracoLocal,
        DI_AdicaoCodigoFabricante, DI_NumeroDI_DSI_DA, DI_DesembaracoUF, DI_AdicaoNr,
        DI_DeclaracaoSimplificadaImportacao,
        // FCI
        FCI_ParcelaImportada, FCI_PercentualConteudoImportacao, FCI_NrControleFCI);
    // clang-format on
    return kIgual(m_ps, o.m_ps);
}

void TCMREItemProduto::CopiarPara(tagREG_ITEM_ENTRADA_PRODUTOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMREItemProduto::EscreveAninhados(tagREG_ITEM_ENTRADA_PRODUTOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
    tolv::EscreveLista(m_ItemAssociacao, dst->QtdItemAssociacao, dst->pItemAssociacao);
    tolv::EscreveLista(m_MargemLucro, dst->QtdMargemLucro, dst->pMargemLucro);
    tolv::EscreveLista(m_Imposto, dst->QtdImposto, dst->pImposto);
    tolv::EscreveLista(m_EntradaEstoque, dst->QtdEntradaEstoque, dst->pEntradaEstoque);
    tolv::EscreveLista(m_Totais, dst->QtdTotais, dst->pTotais);
}

void TCMREItemProduto::CopiarDe(tagREG_ITEM_ENTRADA_PRODUTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMREItemProduto::LeDe(tagREG_ITEM_ENTRADA_PRODUTOPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
    tolv::LeLista(m_ItemAssociacao, s.QtdItemAssociacao, s.pItemAssociacao);
    tolv::LeLista(m_MargemLucro, s.QtdMargemLucro, s.pMargemLucro);
    tolv::LeLista(m_Imposto, s.QtdImposto, s.pImposto);
    tolv::LeLista(m_EntradaEstoque, s.QtdEntradaEstoque, s.pEntradaEstoque);
    tolv::LeLista(m_Totais, s.QtdTotais, s.pTotais);
}

// --- TCMREItemServico --------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemServico, TCMREItemBase)

void TCMREItemServico::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Rateio.RemoveAll();
    m_Imposto.RemoveAll();
    TCMREItemBase::OnLimpar();
}

void TCMREItemServico::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREItemServico*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this) {
        m_Rateio.Copia(s->m_Rateio);
        m_Imposto.Copia(s->m_Imposto);
    }
    TCMREItemBase::OnCopiar(src);
}

unsigned long TCMREItemServico::OnCalculaCRC() const { return JQCRC32(&m_ps, sizeof m_ps); }

// Not compared: IDItem, _CRC, reserved bytes, counts and pointers.
bool TCMREItemServico::operator==(const TCMREItemServico& o) const
{
    if (!TCMREItemBase::operator==(&o))
        return false;
    if (!ListasIguais(m_Rateio, o.m_Rateio) || !ListasIguais(m_Imposto, o.m_Imposto))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMREItemServico,
        // amounts
        ValorBaixado, Quantidade, ValorUnitarioV8, ValorDescontoUnitarioV8,
        ValorDescontoTotal, ValorTotal, ValorLiquido, BasePISNaoCumulativo,
        BaseCOFINSNaoCumulativo, ValorPISNaoCumulativo, ValorCOFINSNaoCumulativo,
        ValorPorItemPISNaoCumulativo, ValorPorItemCOFINSNaoCumulativo,
        // unit
        PonteiroUnidadeMedida,
        // rates
        AliquotaPISNaoCumulativo, AliquotaCOFINSNaoCumulativo,
        // the rest
        LivreCobranca, ComplementoServico, PonteiroServico, QtdCasasVlrUnitario,
        PonteiroTipoRecolhimento, PonteiroClassificacaoSPED, PonteiroGerencialSPED,
        PonteiroTaxaConversao, PosicaoBCCredito, TipoIncidenciaPIS, TipoIncidenciaCOFINS,
        InformarValorPISNC, InformarBasePISNC, InformarValorCOFINSNC, InformarBaseCOFINSNC);
    // clang-format on
    return kIgual(m_ps, o.m_ps);
}

void TCMREItemServico::CopiarPara(tagREG_ITEM_ENTRADA_SERVICOPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMREItemServico::EscreveAninhados(tagREG_ITEM_ENTRADA_SERVICOPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
    tolv::EscreveLista(m_ItemAssociacao, dst->QtdItemAssociacao, dst->pItemAssociacao);
    tolv::EscreveLista(m_Imposto, dst->QtdImposto, dst->pImposto);
}

void TCMREItemServico::CopiarDe(tagREG_ITEM_ENTRADA_SERVICOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMREItemServico::LeDe(tagREG_ITEM_ENTRADA_SERVICOPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
    tolv::LeLista(m_ItemAssociacao, s.QtdItemAssociacao, s.pItemAssociacao);
    tolv::LeLista(m_Imposto, s.QtdImposto, s.pImposto);
}
