// Accounting apportionment line of a freight bill, with its management lines.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Rateio.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_RATEIO_CONHECIMENTOPS(F)                           \
    F(0,   CY,       Valor,                 RW)                               \
    F(8,   LONG,     PonteiroClassificacao, RW)                               \
    F(12,  USHORT,   PonteiroCFOP,          RW)                               \
    F(14,  USHORT,   PonteiroHistorico,     RW)                               \
    F(16,  TXT(511), ComplementoHistorico,  RW)                               \
    F(528, RES(22),  Reservado528,          NO)                               \
    F(550, USHORT,   QtdGerencial,          NO)                               \
    F(552, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)          \
    F(556, RES(4),   Reservado556,          NO)
TOLV_ESTRUTURA(tagREG_RATEIO_CONHECIMENTOPS, 560)
// clang-format on

// One accounting apportionment line of the freight value.
class TOLV_API TCMCTRateio : public TCMRateioBase {
    DECLARE_DYNAMIC(TCMCTRateio)
    TOLV_PADRAO(TCMCTRateio)
    TOLV_COMPARACAO(TCMCTRateio)

public:
    TOLV_ACESSORES(tagREG_RATEIO_CONHECIMENTOPS)

    void CopiarPara(tagREG_RATEIO_CONHECIMENTOPS* dst) const;
    TOLV_ESCRITA(TCMCTRateio, tagREG_RATEIO_CONHECIMENTOPS)
    void CopiarDe(tagREG_RATEIO_CONHECIMENTOPS* src);
    TOLV_LEITURA(TCMCTRateio, tagREG_RATEIO_CONHECIMENTOPS)

protected:
    tagREG_RATEIO_CONHECIMENTOPS m_ps;
};
