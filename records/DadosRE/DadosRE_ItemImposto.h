// Taxes of an entry item and their deductions.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_DEDUCOES_PS(F)                                     \
    F(0,   CY,      ValorDeducao,  RW)                                        \
    F(8,   TXT(251), Descricao,    RW)                                        \
    F(260, RES(20), Reservado260,  NO)
TOLV_ESTRUTURA(tagREG_DEDUCOES_PS, 280)

#define TOLV_LAYOUT_tagREG_ITEM_IMPOSTOPS(F)                                  \
    F(0,  CY,      Base,           RW)                                        \
    F(8,  CY,      Valor,          RW)                                        \
    F(16, CY,      Aliquota,       RW)                                        \
    F(24, ULONG,   CodigoReceita,  RW)                                        \
    F(28, ULONG,   CST,            RW)                                        \
    F(32, UCHAR,   TipoImposto,    RW)                                        \
    F(33, RES(13), Reservado33,    NO)                                        \
    F(46, USHORT,  QtdDeducao,     NO)                                        \
    F(48, ARR(tagREG_DEDUCOES_PS, QtdDeducao), pDeducao, NO)                  \
    F(52, RES(4),  Reservado52,    NO)
TOLV_ESTRUTURA(tagREG_ITEM_IMPOSTOPS, 56)
// clang-format on

// One deduction of an item tax: a value and its description.
class TOLV_API TCMREServicoDeducao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREServicoDeducao)
    TOLV_COMPARACAO(TCMREServicoDeducao)

public:
    TOLV_ACESSORES(tagREG_DEDUCOES_PS)

    void CopiarPara(tagREG_DEDUCOES_PS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMREServicoDeducao, tagREG_DEDUCOES_PS)
    void CopiarDe(tagREG_DEDUCOES_PS* src);

protected:
    tagREG_DEDUCOES_PS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMREServicoDeducao, tagREG_DEDUCOES_PS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMREServicoDeducao)

// One tax of an entry item (product or service) with its deductions.
class TOLV_API TCMREItemImposto : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREItemImposto)
    TOLV_COMPARACAO(TCMREItemImposto)
    TOLV_LISTA(TCMREServicoDeducao, Deducao)

public:
    TOLV_ACESSORES(tagREG_ITEM_IMPOSTOPS)

    void CopiarPara(tagREG_ITEM_IMPOSTOPS* dst) const;
    TOLV_ESCRITA(TCMREItemImposto, tagREG_ITEM_IMPOSTOPS)
    void CopiarDe(tagREG_ITEM_IMPOSTOPS* src);
    TOLV_LEITURA(TCMREItemImposto, tagREG_ITEM_IMPOSTOPS)

protected:
    tagREG_ITEM_IMPOSTOPS m_ps;
};
