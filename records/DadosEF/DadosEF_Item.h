// One item of the fiscal document handed to fiscal bookkeeping.
#pragma once

#include "core/Layout.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT__REG_ITENS_NF_PS(F)                                                      \
    F(0,   CY,       RegAjusteICMS_Base,            RW)                                      \
    F(8,   CY,       RegAjusteICMS_Valor,           RW)                                      \
    F(16,  CY,       RegAjusteICMS_Aliquota,        RW)                                      \
    F(24,  TXT(10),  RegAjusteICMS_Codigo,          RW)                                      \
    F(35,  RES(13),  Reservado35,                   NO)                                      \
    F(48,  POS,      RegPosicaoProduto,             RW)                                      \
    F(64,  CY,       QtdProduto,                    RW)                                      \
    F(72,  CY,       DescontoProduto,               RW)                                      \
    F(80,  CY,       VlrTotalProduto,               RW)                                      \
    F(88,  CY,       BaseCalcICMS,                  RW)                                      \
    F(96,  CY,       VlrICMS,                       RW)                                      \
    F(104, CY,       BaseCalcICMSST,                RW)                                      \
    F(112, CY,       ValorCalcICMSST,               RW)                                      \
    F(120, CY,       BaseCalcIPI,                   RW)                                      \
    F(128, CY,       VlrIPI,                        RW)                                      \
    F(136, CY,       IsentasIPI,                    RW)                                      \
    F(144, CY,       OutrasIPI,                     RW)                                      \
    F(152, CY,       ICMSSTaRepassar,               RW)                                      \
    F(160, CY,       ICMSTComplementar,             RW)                                      \
    F(168, CY,       BaseCalcDaRetencao,            RW)                                      \
    F(176, CY,       ValorICMSRetido,               RW)                                      \
    F(184, CY,       PrecoTabelado,                 RW)                                      \
    F(192, CY,       ValorFrete,                    RW)                                      \
    F(200, CY,       ValorRetencaoBC,               RW)                                      \
    F(208, CY,       ValorRetencaoParcelaImposto,   RW)                                      \
    F(216, CY,       BCCOFINS_NC,                   RW)                                      \
    F(224, CY,       VlrCOFINS_NC,                  RW)                                      \
    F(232, CY,       BCPIS_NC,                      RW)                                      \
    F(240, CY,       VlrPIS_NC,                     RW)                                      \
    F(248, CY,       Al_ou_Vlr_COFINS_NC,           RW)                                      \
    F(256, CY,       Al_ou_Vlr_PIS_NC,              RW)                                      \
    F(264, CY,       QtdTaxaConversao,              RW)                                      \
    F(272, CY,       QtdCompra,                     RW)                                      \
    F(280, LONG,     PonteiroClassificacaoSPED,     RW)                                      \
    F(284, LONG,     PonteiroGerencialSPED,         RW)                                      \
    F(288, RES(4),   Reservado288,                  NO)                                      \
    F(292, LONG,     PonteiroCodigoCliente,         RW)                                      \
    F(296, USHORT,   PonteiroUnCompra,              RW)                                      \
    F(298, USHORT,   CodigoSituacaoTributaria,      RW)                                      \
    F(300, USHORT,   CodigoCSOSN,                   RW)                                      \
    F(302, USHORT,   NrItemNota,                    RW)                                      \
    F(304, USHORT,   AliquotaICMS,                  RW)                                      \
    F(306, USHORT,   AliquotaICMSST,                RW)                                      \
    F(308, USHORT,   AliquotaIPI,                   RW)                                      \
    F(310, USHORT,   PonteiroCFOP,                  RW)                                      \
    F(312, USHORT,   DataValidade,                  RW)                                      \
    F(314, USHORT,   DataFabricacao,                RW)                                      \
    F(316, USHORT,   CodigoTributacaoIPI,           RW)                                      \
    F(318, USHORT,   QtdSeloControleIPI,            RW)                                      \
    F(320, USHORT,   TipoIncidenciaPIS,             RW)                                      \
    F(322, USHORT,   TipoIncidenciaCOFINS,          RW)                                      \
    F(324, TXT(2),   NaturezaReceita,               RW)                                      \
    F(327, RES(1),   Reservado327,                  NO)                                      \
    F(328, TXT(254), DescricaoComplementar,         RW)                                      \
    F(583, RES(1),   Reservado583,                  NO)                                      \
    F(584, TXT(50),  NomeProduto,                   RW)                                      \
    F(635, RES(1),   Reservado635,                  NO)                                      \
    F(636, TXT(35),  NumeroLote,                    RW)                                      \
    F(672, TXT(20),  SerieArma,                     RW)                                      \
    F(693, RES(1),   Reservado693,                  NO)                                      \
    F(694, TXT(20),  SerieCano,                     RW)                                      \
    F(715, RES(1),   Reservado715,                  NO)                                      \
    F(716, TXT(20),  ChassiVeiculo,                 RW)                                      \
    F(737, RES(1),   Reservado737,                  NO)                                      \
    F(738, TXT(10),  CodigoUnMedida,                RW)                                      \
    F(749, RES(1),   Reservado749,                  NO)                                      \
    F(750, TXT(14),  ClassificacaoFiscal,           RW)                                      \
    F(765, RES(1),   Reservado765,                  NO)                                      \
    F(766, TXT(6),   CodigoSeloControleIPI,         RW)                                      \
    F(773, RES(1),   Reservado773,                  NO)                                      \
    F(774, TXT(59),  CodigoContaPISCOFIN,           RW)                                      \
    F(834, RES(1),   Reservado834,                  NO)                                      \
    F(835, UCHAR,    PosicaoBCCredito,              RW)                                      \
    F(836, UCHAR,    TipoReferencia,                RW)                                      \
    F(837, UCHAR,    TipoArma,                      RW)                                      \
    F(838, UCHAR,    IndicadorMovimentacao,         RW)                                      \
    F(839, UCHAR,    TipoOperacaoVeiculo,           RW)                                      \
    F(840, USHORT,   PercentualExclusaoCooperativa, RW)                                      \
    F(842, RES(14),  Reservado842,                  NO)                                      \
    F(856, DATAPS,   dmaDataRegistro,               RW)                                      \
    F(864, RES(104), Reservado864,                  NO)
TOLV_ESTRUTURA(_REG_ITENS_NF_PS, 968)
// clang-format on

// One item of the movement: product, quantities, tax bases and values, lot and
// control data. It travels on its own, not inside the movement's structure.
class TOLV_API TEFMovimentoItem : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoItem)
    TOLV_PADRAO(TEFMovimentoItem)

public:
    TOLV_ACESSORES(_REG_ITENS_NF_PS)

    // Kept in the record only; never travels in the structure.
    tagCY GetValorUnitario() const { return m_ValorUnitario; }
    void SetValorUnitario(tagCY v) { m_ValorUnitario = v; }

    void CopiarPara(_REG_ITENS_NF_PS* dst) const;

protected:
    _REG_ITENS_NF_PS m_ps;
    tagCY m_ValorUnitario;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoItem, _REG_ITENS_NF_PS, tagCY)
