// Entry items: the item base, the product item with its totals, the service item.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosRE/DadosRE_Estoque.h"
#include "records/DadosRE/DadosRE_ItemImposto.h"
#include "records/DadosRE/DadosRE_Margens.h"
#include "records/DadosRE/DadosRE_RateioProduto.h"
#include "records/DadosRE/DadosRE_Rateios.h"
#include "records/DadosRE/DadosRE_Referencias.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_ITEM_TOTAIS_ENTRADAPS(F)                           \
    F(0,   CY, ValorDescontoNoItem,      RW)                                  \
    F(8,   CY, ValorDescontoNaNota,      RW)                                  \
    F(16,  CY, ValorFrete,               RW)                                  \
    F(24,  CY, ValorFreteCT,             RW)                                  \
    F(32,  CY, ValorSeguro,              RW)                                  \
    F(40,  CY, ValorDespesas,            RW)                                  \
    F(48,  CY, ValorFUNRURAL,            RW)                                  \
    F(56,  CY, ValorSUFRAMA,             RW)                                  \
    F(64,  CY, ValorTotalNF,             RW)                                  \
    F(72,  CY, ValorTotalNFLiquido,      RW)                                  \
    F(80,  CY, ValorCustoAquisicao,      RW)                                  \
    F(88,  CY, BaseIPI,                  RW)                                  \
    F(96,  CY, ValorReducaoBaseIPI,      RW)                                  \
    F(104, CY, ValorIPI,                 RW)                                  \
    F(112, CY, ValorIsentasIPI,          RW)                                  \
    F(120, CY, ValorOutrasIPI,           RW)                                  \
    F(128, CY, BaseICMS,                 RW)                                  \
    F(136, CY, ValorICMS,                RW)                                  \
    F(144, CY, BaseICMSST,               RW)                                  \
    F(152, CY, ValorICMSST,              RW)                                  \
    F(160, CY, BaseDifAliquota,          RW)                                  \
    F(168, CY, ValorDifAliquota,         RW)                                  \
    F(176, CY, ValorIPIEmbutido,         RW)                                  \
    F(184, CY, ValorIsentasICMS,         RW)                                  \
    F(192, CY, ValorOutrasICMS,          RW)                                  \
    F(200, CY, ValorICMSImportacao,      RW)                                  \
    F(208, CY, ValorReducaoBaseICMS,     RW)                                  \
    F(216, CY, BasePISRetido,            RW)                                  \
    F(224, CY, ValorPISRetido,           RW)                                  \
    F(232, CY, BaseCOFINSRetido,         RW)                                  \
    F(240, CY, ValorCOFINSRetido,        RW)                                  \
    F(248, CY, BaseCSLLRetido,           RW)                                  \
    F(256, CY, ValorCSLLRetido,          RW)                                  \
    F(264, CY, BaseIRRF,                 RW)                                  \
    F(272, CY, ValorIRRF,                RW)                                  \
    F(280, CY, ValorPISNaoCumulativo,    RW)                                  \
    F(288, CY, ValorCOFINSNaoCumulativo, RW)                                  \
    F(296, CY, BasePISNaoCumulativo,     RW)                                  \
    F(304, CY, BaseCOFINSNaoCumulativo,  RW)                                  \
    F(312, RES(24), Reservado312,        NO)
TOLV_ESTRUTURA(tagREG_ITEM_TOTAIS_ENTRADAPS, 336)
// clang-format on

// Computed totals of one product line.
class TOLV_API TCMREItemProdutoTotais : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREItemProdutoTotais)
    TOLV_COMPARACAO(TCMREItemProdutoTotais)

public:
    TOLV_ACESSORES(tagREG_ITEM_TOTAIS_ENTRADAPS)

    void CopiarPara(tagREG_ITEM_TOTAIS_ENTRADAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMREItemProdutoTotais, tagREG_ITEM_TOTAIS_ENTRADAPS)
    void CopiarDe(tagREG_ITEM_TOTAIS_ENTRADAPS* src);
    TOLV_LEITURA_SIMPLES(TCMREItemProdutoTotais, tagREG_ITEM_TOTAIS_ENTRADAPS)

protected:
    tagREG_ITEM_TOTAIS_ENTRADAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMREItemProdutoTotais, tagREG_ITEM_TOTAIS_ENTRADAPS)

// clang-format off
#define TOLV_LAYOUT_tagREG_ITEM_ENTRADA_PRODUTOPS(F)                                        \
    F(0,    DATA,     DI_DataRegistro,                         RW)                       \
    F(8,    DATA,     DI_DesembaracoData,                      RW)                       \
    F(16,   CY,       DI_VlrBC,                                RW)                       \
    F(24,   CY,       DI_VlrDespesaAduaneira,                  RW)                       \
    F(32,   CY,       DI_VlrIOF,                               RW)                       \
    F(40,   CY,       DI_VlrImpostoImportacao,                 RW)                       \
    F(48,   CY,       DI_ValorPIS_Importacao,                  RW)                       \
    F(56,   CY,       DI_ValorCOFINS_Importacao,               RW)                       \
    F(64,   CY,       DI_AdicaoVlrDesconto,                    RW)                       \
    F(72,   TXT(61),  DI_AdicaoCodigoFabricante,               RW)                       \
    F(134,  TXT(61),  DI_CodigoExportador,                     RW)                       \
    F(196,  TXT(61),  DI_DesembaracoLocal,                     RW)                       \
    F(258,  TXT(13),  DI_NumeroDI_DSI_DA,                      RW)                       \
    F(272,  TXT(3),   DI_DesembaracoUF,                        RW)                       \
    F(276,  TXT(3),   DI_AdicaoNr,                             RW)                       \
    F(280,  UCHAR,    DI_DeclaracaoSimplificadaImportacao,     RW)                       \
    F(281,  RES(23),  Reservado281,                            NO)                       \
    F(304,  CY,       FCI_ParcelaImportada,                    RW)                       \
    F(312,  CY,       FCI_PercentualConteudoImportacao,        RW)                       \
    F(320,  TXT(37),  FCI_NrControleFCI,                       RW)                       \
    F(358,  RES(18),  Reservado358,                            NO)                       \
    F(376,  CY,       Quantidade,                              RW)                       \
    F(384,  CY,       QuantidadeEquivalente_deprecated,        RW)                       \
    F(392,  CY,       NEWQuantidadeEquivalente,                RW)                       \
    F(400,  CY,       ValorUnitarioV8,                         RW)                       \
    F(408,  CY,       ValorDescontoUnitarioV8,                 RW)                       \
    F(416,  CY,       ValorDescontoTotalItem,                  RW)                       \
    F(424,  CY,       BaseICMSST,                              RW)                       \
    F(432,  CY,       ValorICMSST,                             RW)                       \
    F(440,  CY,       ValorIPI,                                RW)                       \
    F(448,  CY,       ValorTotal,                              RW)                       \
    F(456,  CY,       AliquotaAcrescimoICMSST,                 RW)                       \
    F(464,  CY,       ValorAcrescimoICMSST,                    RW)                       \
    F(472,  CY,       AliquotaReducaoICMSST,                   RW)                       \
    F(480,  CY,       BasePISNaoCumulativo,                    RW)                       \
    F(488,  CY,       BaseCOFINSNaoCumulativo,                 RW)                       \
    F(496,  CY,       ValorPISNaoCumulativo,                   RW)                       \
    F(504,  CY,       ValorCOFINSNaoCumulativo,                RW)                       \
    F(512,  CY,       CreditoPresumidoICMS,                    RW)                       \
    F(520,  CY,       CreditoPresumidoIPI,                     RW)                       \
    F(528,  CY,       CombustivelBaseST,                       RW)                       \
    F(536,  CY,       CombustivelICMSSubstituicaoARepassar,    RW)                       \
    F(544,  CY,       CombustivelICMSSubstituicaoComplementar, RW)                       \
    F(552,  CY,       CombustivelBaseCalcRetencao,             RW)                       \
    F(560,  CY,       CombustivelICMSRetido,                   RW)                       \
    F(568,  CY,       ValorPorItemCOFINSNaoCumulativo,         RW)                       \
    F(576,  CY,       ValorPorItemPISNaoCumulativo,            RW)                       \
    F(584,  CY,       PrecoTabelado,                           RW)                       \
    F(592,  CY,       ValorIPIEmbutido,                        RW)                       \
    F(600,  CY,       ValorDIFA,                               RW)                       \
    F(608,  CY,       ValorRetencaoBC,                         RW)                       \
    F(616,  CY,       ValorRetencaoParcelaImposto,             RW)                       \
    F(624,  CY,       AliquotaPISNaoCumulativo,                RW)                       \
    F(632,  CY,       AliquotaCOFINSNaoCumulativo,             RW)                       \
    F(640,  CY,       PesoLiquido,                             RW)                       \
    F(648,  CY,       AliquotaRedAcrescimoICMS,                RW)                       \
    F(656,  CY,       AliquotaIPI,                             RW)                       \
    F(664,  CY,       ValorPorItemIPI,                         RW)                       \
    F(672,  CY,       AliquotaICMS,                            RW)                       \
    F(680,  CY,       AliquotaICMSST,                          RW)                       \
    F(688,  CY,       AliquotaReducaoIPI,                      RW)                       \
    F(696,  CY,       PrecoUltimaCompra,                       RW)                       \
    F(704,  CY,       BaseIPI,                                 RW)                       \
    F(712,  CY,       AliquotaCreditoPresumido,                RW)                       \
    F(720,  CY,       BCCreditoPresumido,                      RW)                       \
    F(728,  CY,       ReducaoBCICMSOpInterna,                  RW)                       \
    F(736,  CY,       BaseICMS,                                RW)                       \
    F(744,  CY,       ValorICMS,                               RW)                       \
    F(752,  ULONG,    ChaveRecebimentoProduto,                 RW)                       \
    F(756,  ULONG,    IDItem,                                  RW)                       \
    F(760,  ULONG,    ChaveAjusteEFD,                          RW)                       \
    F(764,  LONG,     PonteiroCodigoCliente,                   RW)                       \
    F(768,  LONG,     PonteiroEmbalagem,                       RW)                       \
    F(772,  LONG,     PonteiroClassificacaoSPED,               RW)                       \
    F(776,  LONG,     PonteiroSituacaoTributaria,              RW)                       \
    F(780,  LONG,     PonteiroCSOSN,                           RW)                       \
    F(784,  LONG,     PonteiroTaxaConversao,                   RW)                       \
    F(788,  POS,      RegPosicaoProduto,                       RO)                       \
    F(804,  DATA,     RegDataValidadeLote,                     RW)                       \
    F(812,  USHORT,   PonteiroUnidadeMedidaCompra,             RW)                       \
    F(814,  USHORT,   PonteiroCFOPProduto,                     RW)                       \
    F(816,  DATA,     RegDataFabricacao,                       RW)                       \
    F(824,  USHORT,   NumeroDeDiaValidade,                     RW)                       \
    F(826,  USHORT,   CodigoTributacaoIPI,                     RW)                       \
    F(828,  USHORT,   TipoIncidenciaPIS,                       RW)                       \
    F(830,  USHORT,   TipoIncidenciaCOFINS,                    RW)                       \
    F(832,  UCHAR,    IndicadorMovimentacao,                   RW)                       \
    F(833,  UCHAR,    ArmaFogoTipo,                            RW)                       \
    F(834,  UCHAR,    TipoReferencia,                          RW)                       \
    F(835,  UCHAR,    QtdCasasVlrUnitario,                     RW)                       \
    F(836,  TXT(501), ComplementoProduto,                      RW)                       \
    F(1338, TXT(81),  ArmaFogoDescricao,                       RW)                       \
    F(1420, TXT(35),  Lote,                                    RW)                       \
    F(1456, TXT(21),  ArmaFogoSerie,                           RW)                       \
    F(1478, TXT(21),  ArmaFogoCano,                            RW)                       \
    F(1500, TXT(15),  ClassificacaoFiscal,                     RW)                       \
    F(1516, TXT(35),  Volume,                                  RW)                       \
    F(1552, TXT(5),   CFOPnaNFEmitente,                        RW)                       \
    F(1558, UCHAR,    LivreCobranca,                           RW)                       \
    F(1559, UCHAR,    IPIInclusoNoICMS,                        RW)                       \
    F(1560, UCHAR,    TipoReducaoAcrescimoICMS,                RW)                       \
    F(1561, UCHAR,    AproveitarCreditoIPI_deprecated,         RW)                       \
    F(1562, UCHAR,    Combustiveis,                            RW)                       \
    F(1563, UCHAR,    Substituido,                             RW)                       \
    F(1564, UCHAR,    PosicaoBCCredito,                        RW)                       \
    F(1565, UCHAR,    CFOPEntrada,                             RW)                       \
    F(1566, UCHAR,    InformarValorIPI,                        RW)                       \
    F(1567, UCHAR,    InformarBaseIPI,                         RW)                       \
    F(1568, UCHAR,    InformarValorICMSST,                     RW)                       \
    F(1569, UCHAR,    InformarBaseICMSST,                      RW)                       \
    F(1570, UCHAR,    InformarValorICMS,                       RW)                       \
    F(1571, UCHAR,    InformarBaseICMS,                        RW)                       \
    F(1572, UCHAR,    InformarValorPISNC,                      RW)                       \
    F(1573, UCHAR,    InformarBasePISNC,                       RW)                       \
    F(1574, UCHAR,    InformarValorCOFINSNC,                   RW)                       \
    F(1575, UCHAR,    InformarBaseCOFINSNC,                    RW)                       \
    F(1576, UCHAR,    InformarValorDIFA,                       RW)                       \
    F(1577, UCHAR,    CreditoPresumidoSimplesNacional,         RW)                       \
    F(1578, TXT(21),  ChassiVeiculo,                           RW)                       \
    F(1600, UCHAR,    TipoOperacaoVeiculo,                     RW)                       \
    F(1601, RES(23),  Reservado1601,                           NO)                       \
    F(1624, USHORT,   QtdRateio,                               NO)                       \
    F(1626, USHORT,   QtdItemAssociacao,                       NO)                       \
    F(1628, USHORT,   QtdMargemLucro,                          NO)                       \
    F(1630, USHORT,   QtdImposto,                              NO)                       \
    F(1632, USHORT,   QtdEntradaEstoque,                       NO)                       \
    F(1634, USHORT,   QtdTotais,                               NO)                       \
    F(1636, ARR(tagREG_RATEIOPRODUTO_ENTRADAPS, QtdRateio), pRateio, NO) \
    F(1640, ARR(tagREG_ASSOCIACAO_ITEM_RE_OCPS, QtdItemAssociacao), pItemAssociacao, NO) \
    F(1644, ARR(tagREG_MARGEMLUCROPS, QtdMargemLucro), pMargemLucro, NO) \
    F(1648, ARR(tagREG_ITEM_IMPOSTOPS, QtdImposto), pImposto, NO)                        \
    F(1652, ARR(_REG_ENTRADA_ESTOQUE_ENTRADAPS, QtdEntradaEstoque), pEntradaEstoque, NO) \
    F(1656, ARR(tagREG_ITEM_TOTAIS_ENTRADAPS, QtdTotais), pTotais, NO)                   \
    F(1660, RES(4),   Reservado1660,                           NO)
TOLV_ESTRUTURA(tagREG_ITEM_ENTRADA_PRODUTOPS, 1664)

#define TOLV_LAYOUT_tagREG_ITEM_ENTRADA_SERVICOPS(F)                                       \
    F(0,   CY,       ValorBaixado,                     RW)                              \
    F(8,   CY,       Quantidade,                       RW)                              \
    F(16,  CY,       ValorUnitarioV8,                  RW)                              \
    F(24,  CY,       ValorDescontoUnitarioV8,          RW)                              \
    F(32,  CY,       ValorDescontoTotal,               RW)                              \
    F(40,  CY,       ValorTotal,                       RW)                              \
    F(48,  CY,       ValorLiquido,                     RW)                              \
    F(56,  CY,       BasePISNaoCumulativo,             RW)                              \
    F(64,  CY,       BaseCOFINSNaoCumulativo,          RW)                              \
    F(72,  CY,       ValorPISNaoCumulativo,            RW)                              \
    F(80,  CY,       ValorCOFINSNaoCumulativo,         RW)                              \
    F(88,  CY,       AliquotaPISNaoCumulativo,         RW)                              \
    F(96,  CY,       AliquotaCOFINSNaoCumulativo,      RW)                              \
    F(104, CY,       ValorPorItemPISNaoCumulativo,     RW)                              \
    F(112, CY,       ValorPorItemCOFINSNaoCumulativo,  RW)                              \
    F(120, ULONG,    IDItem,                           RW)                              \
    F(124, LONG,     PonteiroServico,                  RW)                              \
    F(128, LONG,     PonteiroTipoRecolhimento,         RW)                              \
    F(132, LONG,     PonteiroClassificacaoSPED,        RW)                              \
    F(136, LONG,     PonteiroGerencialSPED,            RW)                              \
    F(140, LONG,     PonteiroTaxaConversao,            RW)                              \
    F(144, USHORT,   PonteiroUnidadeMedida,            RW)                              \
    F(146, USHORT,   TipoIncidenciaPIS,                RW)                              \
    F(148, USHORT,   TipoIncidenciaCOFINS,             RW)                              \
    F(150, UCHAR,    LivreCobranca,                    RW)                              \
    F(151, UCHAR,    QtdCasasVlrUnitario,              RW)                              \
    F(152, UCHAR,    PosicaoBCCredito,                 RW)                              \
    F(153, UCHAR,    InformarValorPISNC,               RW)                              \
    F(154, UCHAR,    InformarBasePISNC,                RW)                              \
    F(155, UCHAR,    InformarValorCOFINSNC,            RW)                              \
    F(156, UCHAR,    InformarBaseCOFINSNC,             RW)                              \
    F(157, TXT(501), ComplementoServico,               RW)                              \
    F(659, RES(23),  Reservado659,                     NO)                              \
    F(682, USHORT,   QtdRateio,                        NO)                              \
    F(684, USHORT,   QtdItemAssociacao,                NO)                              \
    F(686, USHORT,   QtdImposto,                       NO)                              \
    F(688, ARR(tagREG_RATEIOSERVICO_ENTRADAPS, QtdRateio), pRateio, NO)                 \
    F(692, ARR(tagREG_ASSOCIACAO_ITEM_RE_OCPS, QtdItemAssociacao), pItemAssociacao, NO) \
    F(696, ARR(tagREG_ITEM_IMPOSTOPS, QtdImposto), pImposto, NO)                        \
    F(700, RES(4),   Reservado700,                     NO)
TOLV_ESTRUTURA(tagREG_ITEM_ENTRADA_SERVICOPS, 704)
// clang-format on

// Common part of the entry items: the caller-stored checksum and the links of
// the item to purchase-order items.
class TOLV_API TCMREItemBase : public TJQCMBaseParaDados {
    TOLV_PADRAO(TCMREItemBase)
    TOLV_LISTA(TCMREItemAssociacaoREOC, ItemAssociacao)

public:
    // Same links in the same order; _CRC is not compared. A null item is unequal.
    bool operator==(const TCMREItemBase* outro) const;
    bool operator!=(const TCMREItemBase* outro) const { return !(*this == outro); }
};

// Product line of an incoming invoice.
class TOLV_API TCMREItemProduto : public TCMREItemBase {
    TOLV_PADRAO(TCMREItemProduto)
    TOLV_COMPARACAO(TCMREItemProduto)

public:
    TOLV_ACESSORES(tagREG_ITEM_ENTRADA_PRODUTOPS)

    // The parts of the product position (RegPosicaoProduto).
    long GetPonteiroProduto() const { return m_ps.RegPosicaoProduto.PonteiroProduto; }
    void SetPonteiroProduto(long v) { m_ps.RegPosicaoProduto.PonteiroProduto = v; }
    unsigned short GetPonteiroItemGrade1() const { return m_ps.RegPosicaoProduto.PonteiroItemGrade1; }
    void SetPonteiroItemGrade1(unsigned short v) { m_ps.RegPosicaoProduto.PonteiroItemGrade1 = v; }
    unsigned short GetPonteiroItemGrade2() const { return m_ps.RegPosicaoProduto.PonteiroItemGrade2; }
    void SetPonteiroItemGrade2(unsigned short v) { m_ps.RegPosicaoProduto.PonteiroItemGrade2 = v; }
    unsigned short GetPonteiroItemGrade3() const { return m_ps.RegPosicaoProduto.PonteiroItemGrade3; }
    void SetPonteiroItemGrade3(unsigned short v) { m_ps.RegPosicaoProduto.PonteiroItemGrade3 = v; }

    void CopiarPara(tagREG_ITEM_ENTRADA_PRODUTOPS* dst) const;
    TOLV_ESCRITA(TCMREItemProduto, tagREG_ITEM_ENTRADA_PRODUTOPS)
    void CopiarDe(tagREG_ITEM_ENTRADA_PRODUTOPS* src);
    TOLV_LEITURA(TCMREItemProduto, tagREG_ITEM_ENTRADA_PRODUTOPS)

protected:
    // CRC-32 of the 1664 bytes as held here (count and pointer slots zero).
    unsigned long OnCalculaCRC() const override;

    tagREG_ITEM_ENTRADA_PRODUTOPS m_ps;

    TOLV_LISTA(TCMRERateioProduto, Rateio)
    TOLV_LISTA(TCMREMargemLucro, MargemLucro)
    TOLV_LISTA(TCMREItemImposto, Imposto)
    TOLV_LISTA(TCMREEntradaEstoque, EntradaEstoque)
    TOLV_LISTA(TCMREItemProdutoTotais, Totais)
};

// Service line of an entry register.
class TOLV_API TCMREItemServico : public TCMREItemBase {
    TOLV_PADRAO(TCMREItemServico)
    TOLV_COMPARACAO(TCMREItemServico)

public:
    TOLV_ACESSORES(tagREG_ITEM_ENTRADA_SERVICOPS)

    void CopiarPara(tagREG_ITEM_ENTRADA_SERVICOPS* dst) const;
    TOLV_ESCRITA(TCMREItemServico, tagREG_ITEM_ENTRADA_SERVICOPS)
    void CopiarDe(tagREG_ITEM_ENTRADA_SERVICOPS* src);
    TOLV_LEITURA(TCMREItemServico, tagREG_ITEM_ENTRADA_SERVICOPS)

protected:
    // CRC-32 of the 704 bytes as held here (count and pointer slots zero).
    unsigned long OnCalculaCRC() const override;

    tagREG_ITEM_ENTRADA_SERVICOPS m_ps;

    TOLV_LISTA(TCMRERateioServico, Rateio)
    TOLV_LISTA(TCMREItemImposto, Imposto)
};
