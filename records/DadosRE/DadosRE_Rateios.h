// Entry apportionments: of a product line, of a service line and of a tax title.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_TITULO_RATEIO_ENTRADAPS(F)                         \
    F(0,  CY,      Valor,                 RW)                                 \
    F(8,  LONG,    PonteiroClassificacao, RW)                                 \
    F(12, USHORT,  Filial,                RW)                                 \
    F(14, RES(16), Reservado14,           NO)                                 \
    F(30, USHORT,  QtdGerencial,          NO)                                 \
    F(32, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)           \
    F(36, RES(4),  Reservado36,           NO)
TOLV_ESTRUTURA(tagREG_TITULO_RATEIO_ENTRADAPS, 40)

#define TOLV_LAYOUT_tagREG_RATEIOSERVICO_ENTRADAPS(F)                         \
    F(0,   CY,       NEWQuantidade,                RW)                        \
    F(8,   CY,       NEWValor,                     RW)                        \
    F(16,  CY,       ValorDescontoNoItem,          RW)                        \
    F(24,  CY,       ValorDescontoNaNota,          RW)                        \
    F(32,  CY,       BaseCSLLRetido_Bruto,         RW)                        \
    F(40,  CY,       BasePISRetido_Bruto,          RW)                        \
    F(48,  CY,       BaseCOFINSRetido_Bruto,       RW)                        \
    F(56,  CY,       ValorCSLLRetido_Bruto,        RW)                        \
    F(64,  CY,       ValorPISRetido_Bruto,         RW)                        \
    F(72,  CY,       ValorCOFINSRetido_Bruto,      RW)                        \
    F(80,  CY,       ValorCSLLRetido_Liq,          RW)                        \
    F(88,  CY,       ValorPISRetido_Liq,           RW)                        \
    F(96,  CY,       ValorCOFINSRetido_Liq,        RW)                        \
    F(104, CY,       CalcValorPISNaoCumulativo,    RW)                        \
    F(112, CY,       CalcValorCOFINSNaoCumulativo, RW)                        \
    F(120, CY,       CalcBasePISNaoCumulativo,     RW)                        \
    F(128, CY,       CalcBaseCOFINSNaoCumulativo,  RW)                        \
    F(136, CY,       CalcBaseIRRF,                 RW)                        \
    F(144, CY,       CalcValorIRRF,                RW)                        \
    F(152, CY,       CalcBaseISS,                  RW)                        \
    F(160, CY,       CalcValorISS,                 RW)                        \
    F(168, CY,       CalcBaseINSS,                 RW)                        \
    F(176, CY,       CalcValorINSS,                RW)                        \
    F(184, CY,       CalcValorTotalNF,             RW)                        \
    F(192, CY,       CalcValorTotalNFLiquido,      RW)                        \
    F(200, RES(16),  Reservado200,                 NO)                        \
    F(216, CY,       InfValorPISNaoCumulativo,     RW)                        \
    F(224, CY,       InfValorCOFINSNaoCumulativo,  RW)                        \
    F(232, CY,       InfBasePISNaoCumulativo,      RW)                        \
    F(240, CY,       InfBaseCOFINSNaoCumulativo,   RW)                        \
    F(248, CY,       InfBaseIRRF,                  RW)                        \
    F(256, CY,       InfValorIRRF,                 RW)                        \
    F(264, CY,       InfBaseISS,                   RW)                        \
    F(272, CY,       InfValorISS,                  RW)                        \
    F(280, CY,       InfBaseINSS,                  RW)                        \
    F(288, CY,       InfValorINSS,                 RW)                        \
    F(296, CY,       InfValorTotalNF,              RW)                        \
    F(304, CY,       InfValorTotalNFLiquido,       RW)                        \
    F(312, RES(16),  Reservado312,                 NO)                        \
    F(328, LONG,     PonteiroClassificacao,        RW)                        \
    F(332, LONG,     PonteiroDepartamento,         RW)                        \
    F(336, LONG,     PonteiroRequisitante,         RW)                        \
    F(340, USHORT,   PonteiroSitServicoRateio,     RW)                        \
    F(342, USHORT,   PonteiroFilial,               RW)                        \
    F(344, CHAR,     Destino,                      RW)                        \
    F(345, CHAR,     AlterouValoresCalculados,     RW)                        \
    F(346, USHORT,   PonteiroHistorico,            RW)                        \
    F(348, TXT(511), ComplementoHistorico,         RW)                        \
    F(860, USHORT,   QtdGerencial,                 NO)                        \
    F(862, RES(2),   Reservado862,                 NO)                        \
    F(864, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)          \
    F(868, USHORT,   QtdGerencialFilialClassificacao, NO)                     \
    F(870, RES(2),   Reservado870,                 NO)                        \
    F(872, ARR(tagREG_CM_GERENCIALPS, QtdGerencialFilialClassificacao),       \
           pGerencialFilialClassificacao, NO)                                 \
    F(876, RES(20),  Reservado876,                 NO)
TOLV_ESTRUTURA(tagREG_RATEIOSERVICO_ENTRADAPS, 896)
// clang-format on

// Apportionment of a tax title: its value by classification and branch, with
// the management lines of the base.
class TOLV_API TCMRERateioTitulo : public TCMRateioBase {
    TOLV_PADRAO(TCMRERateioTitulo)
    TOLV_COMPARACAO(TCMRERateioTitulo)

public:
    TOLV_ACESSORES(tagREG_TITULO_RATEIO_ENTRADAPS)

    void CopiarPara(tagREG_TITULO_RATEIO_ENTRADAPS* dst) const;
    TOLV_ESCRITA(TCMRERateioTitulo, tagREG_TITULO_RATEIO_ENTRADAPS)
    void CopiarDe(tagREG_TITULO_RATEIO_ENTRADAPS* src);

protected:
    tagREG_TITULO_RATEIO_ENTRADAPS m_ps;
};

// Apportionment of a service line with its withholdings.
class TOLV_API TCMRERateioServico : public TCMRateioBase {
    DECLARE_DYNAMIC(TCMRERateioServico)
    TOLV_PADRAO(TCMRERateioServico)
    TOLV_COMPARACAO(TCMRERateioServico)

public:
    TOLV_ACESSORES(tagREG_RATEIOSERVICO_ENTRADAPS)

    void CopiarPara(tagREG_RATEIOSERVICO_ENTRADAPS* dst) const;
    TOLV_ESCRITA(TCMRERateioServico, tagREG_RATEIOSERVICO_ENTRADAPS)
    void CopiarDe(tagREG_RATEIOSERVICO_ENTRADAPS* src);

protected:
    tagREG_RATEIOSERVICO_ENTRADAPS m_ps;
    TOLV_LISTA(TCMGerencial, GerencialFilialClassificacao)
};
