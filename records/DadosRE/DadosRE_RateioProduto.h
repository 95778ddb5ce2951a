// Apportionment of a product line of the entry register.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosRE/DadosRE_AtivoImobilizado.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_RATEIOPRODUTO_ENTRADAPS(F)                         \
    F(0,    CY,       NEWQuantidade,                    RW) \
    F(8,    CY,       NEWValor,                         RW) \
    F(16,   CY,       QtdEquivalente,                   RW) \
    F(24,   CHAR,     TipoValorDoCusto,                 RW) \
    F(25,   RES(7),   Reservado25,                      NO) \
    F(32,   CY,       NEW8ValorCusto,                   RW) \
    F(40,   CY,       ValorDescontoNoItem,              RW) \
    F(48,   CY,       ValorDescontoNaNota,              RW) \
    F(56,   CY,       ValorFrete,                       RW) \
    F(64,   CY,       ValorFreteCT,                     RW) \
    F(72,   CY,       ValorSeguro,                      RW) \
    F(80,   CY,       ValorDespesas,                    RW) \
    F(88,   CY,       ValorFUNRURAL,                    RW) \
    F(96,   CY,       ValorSUFRAMA,                     RW) \
    F(104,  CY,       ValorDI_BaseCalculo,              RW) \
    F(112,  CY,       ValorDI_IOF,                      RW) \
    F(120,  CY,       ValorDI_DespesasAduaneiras,       RW) \
    F(128,  CY,       ValorDI_ImpostoImportacao,        RW) \
    F(136,  CY,       ValorPISImportacao,               RW) \
    F(144,  CY,       ValorCOFINSImportacao,            RW) \
    F(152,  CY,       CalcValorPISNaoCumulativo,        RW) \
    F(160,  CY,       CalcValorCOFINSNaoCumulativo,     RW) \
    F(168,  CY,       CalcBasePISNaoCumulativo,         RW) \
    F(176,  CY,       CalcBaseCOFINSNaoCumulativo,      RW) \
    F(184,  CY,       CalcBaseICMS,                     RW) \
    F(192,  CY,       CalcValorReducaoBaseICMS,         RW) \
    F(200,  CY,       CalcValorICMS,                    RW) \
    F(208,  CY,       CalcBaseICMSST,                   RW) \
    F(216,  CY,       CalcValorICMSST,                  RW) \
    F(224,  CY,       CalcBaseDifAliquota,              RW) \
    F(232,  CY,       CalcValorDifAliquota,             RW) \
    F(240,  CY,       CalcValorIPIEmbutido,             RW) \
    F(248,  CY,       CalcValorIsentasICMS,             RW) \
    F(256,  CY,       CalcValorOutrasICMS,              RW) \
    F(264,  CY,       CalcBaseIPI,                      RW) \
    F(272,  CY,       CalcValorReducaoBaseIPI,          RW) \
    F(280,  CY,       CalcValorIPI,                     RW) \
    F(288,  CY,       CalcValorIsentasIPI,              RW) \
    F(296,  CY,       CalcValorOutrasIPI,               RW) \
    F(304,  CY,       CalcValorICMSImportacao,          RW) \
    F(312,  CY,       CalcValorTotalNF,                 RW) \
    F(320,  CY,       CalcValorTotalNFLiquido,          RW) \
    F(328,  CY,       CalcCreditoPresumidoICMS,         RW) \
    F(336,  CY,       CalcCreditoPresumidoIPI,          RW) \
    F(344,  CY,       CalcBCAntecipacaoParcialICMS,     RW) \
    F(352,  CY,       CalcValorAntecipacaoParcialICMS,  RW) \
    F(360,  CY,       CalcBasePISRetido,                RW) \
    F(368,  CY,       CalcValorPISRetido,               RW) \
    F(376,  CY,       CalcBaseCOFINSRetido,             RW) \
    F(384,  CY,       CalcValorCOFINSRetido,            RW) \
    F(392,  CY,       CalcBaseCSLLRetido,               RW) \
    F(400,  CY,       CalcValorCSLLRetido,              RW) \
    F(408,  CY,       CalcValorRetencaoBC,              RW) \
    F(416,  CY,       CalcValorRetencaoParcelaImposto,  RW) \
    F(424,  CY,       CalcBaseIRRF,                     RW) \
    F(432,  CY,       CalcValorIRRF,                    RW) \
    F(440,  RES(16),  Reservado440,                     NO) \
    F(456,  CY,       InfValorPISNaoCumulativo,         RW) \
    F(464,  CY,       InfValorCOFINSNaoCumulativo,      RW) \
    F(472,  CY,       InfBasePISNaoCumulativo,          RW) \
    F(480,  CY,       InfBaseCOFINSNaoCumulativo,       RW) \
    F(488,  CY,       InfBaseICMS,                      RW) \
    F(496,  CY,       InfValorReducaoBaseICMS,          RW) \
    F(504,  CY,       InfValorICMS,                     RW) \
    F(512,  CY,       InfBaseICMSST,                    RW) \
    F(520,  CY,       InfValorICMSST,                   RW) \
    F(528,  CY,       InfBaseDifAliquota,               RW) \
    F(536,  CY,       InfValorDifAliquota,              RW) \
    F(544,  CY,       InfValorIPIEmbutido,              RW) \
    F(552,  CY,       InfValorIsentasICMS,              RW) \
    F(560,  CY,       InfValorOutrasICMS,               RW) \
    F(568,  CY,       InfBaseIPI,                       RW) \
    F(576,  CY,       InfValorReducaoBaseIPI,           RW) \
    F(584,  CY,       InfValorIPI,                      RW) \
    F(592,  CY,       InfValorIsentasIPI,               RW) \
    F(600,  CY,       InfValorOutrasIPI,                RW) \
    F(608,  CY,       InfValorICMSImportacao,           RW) \
    F(616,  CY,       InfValorTotalNF,                  RW) \
    F(624,  CY,       InfValorTotalNFLiquido,           RW) \
    F(632,  CY,       InfCreditoPresumidoICMS,          RW) \
    F(640,  CY,       InfCreditoPresumidoIPI,           RW) \
    F(648,  CY,       InfBCAntecipacaoParcialICMS,      RW) \
    F(656,  CY,       InfValorAntecipacaoParcialICMS,   RW) \
    F(664,  CY,       InfBasePISRetido,                 RW) \
    F(672,  CY,       InfValorPISRetido,                RW) \
    F(680,  CY,       InfBaseCOFINSRetido,              RW) \
    F(688,  CY,       InfValorCOFINSRetido,             RW) \
    F(696,  CY,       InfBaseCSLLRetido,                RW) \
    F(704,  CY,       InfValorCSLLRetido,               RW) \
    F(712,  CY,       InfValorRetencaoBC,               RW) \
    F(720,  CY,       InfValorRetencaoParcelaImposto,   RW) \
    F(728,  CY,       InfBaseIRRF,                      RW) \
    F(736,  CY,       InfValorIRRF,                     RW) \
    F(744,  RES(16),  Reservado744,                     NO) \
    F(760,  LONG,     PonteiroFornecedorOrigem,         RW) \
    F(764,  LONG,     PonteiroClienteDestino,           RW) \
    F(768,  LONG,     PonteiroFornecedorLote,           RW) \
    F(772,  LONG,     PonteiroLote,                     RW) \
    F(776,  CHAR,     TipoProducao,                     RW) \
    F(777,  RES(1),   Reservado777,                     NO) \
    F(778,  USHORT,   PonteiroLocalArmazenagemOrigem,   RW) \
    F(780,  USHORT,   PonteiroLocalArmazenagemDestino,  RW) \
    F(782,  RES(18),  Reservado782,                     NO) \
    F(800,  LONG,     PonteiroMovimentoOrigemEstoque,   RW) \
    F(804,  LONG,     PonteiroMovimentoOrigemComercial, RW) \
    F(808,  DATA,     RegDataMovimentoOrigemComercial,  RW) \
    F(816,  TXT(15),  NumeroNotaFiscalOrigem,           RW) \
    F(832,  TXT(5),   SerieNotaFiscalOrigem,            RW) \
    F(838,  RES(18),  Reservado838,                     NO) \
    F(856,  LONG,     PonteiroClassificacaoOrigem,      RW) \
    F(860,  LONG,     PonteiroClassificacaoDestino,     RW) \
    F(864,  LONG,     PonteiroDepartamento,             RW) \
    F(868,  LONG,     PonteiroRequisitante,             RW) \
    F(872,  USHORT,   PonteiroCFOPRateio,               RW) \
    F(874,  USHORT,   PonteiroFilial,                   RW) \
    F(876,  CHAR,     Destino,                          RW) \
    F(877,  CHAR,     AlterouValoresCalculados,         RW) \
    F(878,  CHAR,     IntegrouES,                       RW) \
    F(879,  RES(1),   Reservado879,                     NO) \
    F(880,  USHORT,   PonteiroHistorico,                RW) \
    F(882,  TXT(511), ComplementoHistorico,             RW) \
    F(1394, USHORT,   QtdGerencialOrigem,               NO) \
    F(1396, ARR(tagREG_CM_GERENCIALPS, QtdGerencialOrigem), pGerencialOrigem, NO) \
    F(1400, USHORT,   QtdGerencial,                     NO) \
    F(1402, RES(2),   Reservado1402,                    NO) \
    F(1404, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO) \
    F(1408, USHORT,   QtdGerencialFilialClassificacao,  NO) \
    F(1410, RES(2),   Reservado1410,                    NO) \
    F(1412, ARR(tagREG_CM_GERENCIALPS, QtdGerencialFilialClassificacao), \
            pGerencialFilialClassificacao, NO) \
    F(1416, USHORT,   QtdAtivoImobilizado,              NO) \
    F(1418, RES(2),   Reservado1418,                    NO) \
    F(1420, ARR(tagREG_ATIVO_IMOBILIZADO_ENTRADAPS, QtdAtivoImobilizado), pAtivoImobilizado, NO) \
    F(1424, RES(24),  Reservado1424,                    NO)
TOLV_ESTRUTURA(tagREG_RATEIOPRODUTO_ENTRADAPS, 1448)
// clang-format on

// Apportionment of a product line: calculated and informed taxes, origin and
// destination, origin and branch/classification management lines, and the
// fixed asset the line generates (the structure carries one at most).
class TOLV_API TCMRERateioProduto : public TCMRateioBase {
    DECLARE_DYNAMIC(TCMRERateioProduto)
    TOLV_PADRAO(TCMRERateioProduto)
    TOLV_COMPARACAO(TCMRERateioProduto)

public:
    TOLV_ACESSORES(tagREG_RATEIOPRODUTO_ENTRADAPS)

    void CopiarPara(tagREG_RATEIOPRODUTO_ENTRADAPS* dst) const;
    TOLV_ESCRITA(TCMRERateioProduto, tagREG_RATEIOPRODUTO_ENTRADAPS)
    void CopiarDe(tagREG_RATEIOPRODUTO_ENTRADAPS* src);
    TOLV_LEITURA(TCMRERateioProduto, tagREG_RATEIOPRODUTO_ENTRADAPS)

protected:
    tagREG_RATEIOPRODUTO_ENTRADAPS m_ps;
    TOLV_LISTA(TCMGerencial, GerencialOrigem)
    TOLV_LISTA(TCMGerencial, GerencialFilialClassificacao)
    TOLV_LISTA(TCMREAtivoImobilizado, AtivoImobilizado)
};
