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
    return std::memcmp(&m_ps, &outro.m_ps, offsetof(tagREG_ITEM_TOTAIS_ENTRADAPS, Reservado312)) == 0;
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
    // amounts
    IGUAL(CombustivelBaseST); IGUAL(CombustivelICMSSubstituicaoARepassar);
    IGUAL(CombustivelICMSSubstituicaoComplementar); IGUAL(CombustivelBaseCalcRetencao);
    IGUAL(CombustivelICMSRetido); IGUAL(Quantidade); IGUAL(NEWQuantidadeEquivalente);
    IGUAL(QuantidadeEquivalente_deprecated); IGUAL(ValorUnitarioV8); IGUAL(ValorDescontoUnitarioV8);
    IGUAL(ValorDescontoTotalItem); IGUAL(ValorICMSST); IGUAL(BaseICMSST); IGUAL(ValorIPI); IGUAL(ValorTotal);
    IGUAL(BasePISNaoCumulativo); IGUAL(BaseCOFINSNaoCumulativo); IGUAL(ValorPISNaoCumulativo);
    IGUAL(ValorCOFINSNaoCumulativo); IGUAL(AliquotaAcrescimoICMSST); IGUAL(ValorAcrescimoICMSST);
    IGUAL(CreditoPresumidoICMS); IGUAL(CreditoPresumidoIPI); IGUAL(ValorPorItemPISNaoCumulativo);
    IGUAL(ValorPorItemCOFINSNaoCumulativo); IGUAL(PrecoTabelado); IGUAL(ValorIPIEmbutido); IGUAL(ValorDIFA);
    IGUAL(ValorRetencaoBC); IGUAL(ValorRetencaoParcelaImposto); IGUAL(PesoLiquido); IGUAL(AliquotaICMS);
    IGUAL(AliquotaICMSST); IGUAL(AliquotaIPI); IGUAL(ValorPorItemIPI); IGUAL(AliquotaRedAcrescimoICMS);
    IGUAL(AliquotaReducaoIPI); IGUAL(AliquotaReducaoICMSST); IGUAL(PrecoUltimaCompra);
    IGUAL(AliquotaPISNaoCumulativo); IGUAL(AliquotaCOFINSNaoCumulativo); IGUAL(BaseIPI);
    IGUAL(AliquotaCreditoPresumido); IGUAL(BCCreditoPresumido); IGUAL(ReducaoBCICMSOpInterna); IGUAL(BaseICMS);
    IGUAL(ValorICMS);
    // keys
    IGUAL(ChaveRecebimentoProduto); IGUAL(PonteiroEmbalagem); IGUAL(PonteiroSituacaoTributaria);
    IGUAL(PonteiroCSOSN); IGUAL(PonteiroProduto); IGUAL(PonteiroClassificacaoSPED); IGUAL(PonteiroCodigoCliente);
    // dates, units and grade
    IGUAL(RegDataValidadeLote); IGUAL(PonteiroUnidadeMedidaCompra); IGUAL(RegDataFabricacao);
    IGUAL(NumeroDeDiaValidade); IGUAL(PonteiroCFOPProduto); IGUAL(CodigoTributacaoIPI); IGUAL(PonteiroItemGrade1);
    IGUAL(PonteiroItemGrade2); IGUAL(PonteiroItemGrade3); IGUAL(PonteiroTaxaConversao); IGUAL(TipoIncidenciaPIS);
    IGUAL(TipoIncidenciaCOFINS);
    // flags
    IGUAL(TipoReducaoAcrescimoICMS); IGUAL(AproveitarCreditoIPI_deprecated); IGUAL(Combustiveis);
    IGUAL(Substituido); IGUAL(CFOPEntrada); IGUAL(IndicadorMovimentacao); IGUAL(ArmaFogoTipo);
    IGUAL(TipoReferencia); IGUAL(LivreCobranca); IGUAL(IPIInclusoNoICMS); IGUAL(QtdCasasVlrUnitario);
    IGUAL(PosicaoBCCredito); IGUAL(TipoOperacaoVeiculo); IGUAL(InformarValorIPI); IGUAL(InformarBaseIPI);
    IGUAL(InformarValorICMSST); IGUAL(InformarBaseICMSST); IGUAL(InformarValorICMS); IGUAL(InformarBaseICMS);
    IGUAL(InformarValorPISNC); IGUAL(InformarBasePISNC); IGUAL(InformarValorCOFINSNC); IGUAL(InformarBaseCOFINSNC);
    IGUAL(InformarValorDIFA); IGUAL(CreditoPresumidoSimplesNacional);
    // texts, exact
    IGUAL(ComplementoProduto); IGUAL(ArmaFogoDescricao); IGUAL(Lote); IGUAL(ClassificacaoFiscal);
    IGUAL(ArmaFogoSerie); IGUAL(ArmaFogoCano); IGUAL(Volume); IGUAL(ChassiVeiculo); IGUAL(CFOPnaNFEmitente);
    // EFD adjustment
    IGUAL(ChaveAjusteEFD);
    // import declaration
    IGUAL(DI_VlrBC); IGUAL(DI_VlrDespesaAduaneira); IGUAL(DI_VlrIOF); IGUAL(DI_VlrImpostoImportacao);
    IGUAL(DI_AdicaoVlrDesconto); IGUAL(DI_ValorPIS_Importacao); IGUAL(DI_ValorCOFINS_Importacao);
    IGUAL(DI_DataRegistro); IGUAL(DI_DesembaracoData); IGUAL(DI_CodigoExportador); IGUAL(DI_DesembaracoLocal);
    IGUAL(DI_AdicaoCodigoFabricante); IGUAL(DI_NumeroDI_DSI_DA); IGUAL(DI_DesembaracoUF); IGUAL(DI_AdicaoNr);
    IGUAL(DI_DeclaracaoSimplificadaImportacao);
    // FCI
    IGUAL(FCI_ParcelaImportada); IGUAL(FCI_PercentualConteudoImportacao); IGUAL(FCI_NrControleFCI);
    // clang-format on
    return true;
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
    // amounts
    IGUAL(ValorBaixado); IGUAL(Quantidade); IGUAL(ValorUnitarioV8); IGUAL(ValorDescontoUnitarioV8);
    IGUAL(ValorDescontoTotal); IGUAL(ValorTotal); IGUAL(ValorLiquido); IGUAL(BasePISNaoCumulativo);
    IGUAL(BaseCOFINSNaoCumulativo); IGUAL(ValorPISNaoCumulativo); IGUAL(ValorCOFINSNaoCumulativo);
    IGUAL(ValorPorItemPISNaoCumulativo); IGUAL(ValorPorItemCOFINSNaoCumulativo);
    // unit
    IGUAL(PonteiroUnidadeMedida);
    // rates
    IGUAL(AliquotaPISNaoCumulativo); IGUAL(AliquotaCOFINSNaoCumulativo);
    // the rest
    IGUAL(LivreCobranca); IGUAL(ComplementoServico); IGUAL(PonteiroServico); IGUAL(QtdCasasVlrUnitario);
    IGUAL(PonteiroTipoRecolhimento); IGUAL(PonteiroClassificacaoSPED); IGUAL(PonteiroGerencialSPED);
    IGUAL(PonteiroTaxaConversao); IGUAL(PosicaoBCCredito); IGUAL(TipoIncidenciaPIS); IGUAL(TipoIncidenciaCOFINS);
    IGUAL(InformarValorPISNC); IGUAL(InformarBasePISNC); IGUAL(InformarValorCOFINSNC); IGUAL(InformarBaseCOFINSNC);
    // clang-format on
    return true;
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
