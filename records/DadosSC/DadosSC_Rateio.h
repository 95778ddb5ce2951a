// Apportionment of a requisition item among departments and accounts.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"

// clang-format off
// The purchase apportionment: one table for the requisition's and the
// quotation's structures, which travel alike.
#define TOLV_LAYOUT_RATEIO_COMPRA(F)                                          \
    F(0,   DMC,      RegQuemGerou,          RW)                               \
    F(8,   CY,       Quantidade,            RW)                               \
    F(16,  LONG,     PonteiroClassificacao, RW)                               \
    F(20,  LONG,     PonteiroDepartamento,  RW)                               \
    F(24,  LONG,     PonteiroRequisitante,  RW)                               \
    F(28,  USHORT,   PonteiroHistorico,     RW)                               \
    F(30,  TXT(511), ComplementoHistorico,  RW)                               \
    F(542, RES(16),  Reservado542,          NO)                               \
    F(558, USHORT,   QtdGerencial,          NO)                               \
    F(560, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)          \
    F(564, RES(4),   Reservado564,          NO)

#define TOLV_LAYOUT_tagREG_SOLICITACAO_RATEIO_COMPRAPS(F) TOLV_LAYOUT_RATEIO_COMPRA(F)
TOLV_ESTRUTURA(tagREG_SOLICITACAO_RATEIO_COMPRAPS, 568)
// clang-format on

// One apportionment of a requisition item, with the management lines of the
// base.
class TOLV_API TCMSCRateio : public TCMRateioBase {
    TOLV_PADRAO(TCMSCRateio)
    TOLV_COMPARACAO(TCMSCRateio)

public:
    TOLV_ACESSORES(tagREG_SOLICITACAO_RATEIO_COMPRAPS)

    void CopiarPara(tagREG_SOLICITACAO_RATEIO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMSCRateio, tagREG_SOLICITACAO_RATEIO_COMPRAPS)
    void CopiarDe(tagREG_SOLICITACAO_RATEIO_COMPRAPS* src);
    TOLV_LEITURA(TCMSCRateio, tagREG_SOLICITACAO_RATEIO_COMPRAPS)

protected:
    tagREG_SOLICITACAO_RATEIO_COMPRAPS m_ps;
};
