// Entry items: the item base, the product item with its totals, the service item.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosRE/DadosRE_ItemImposto.h"

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
    void CopiarDe(tagREG_ITEM_TOTAIS_ENTRADAPS* src);

protected:
    tagREG_ITEM_TOTAIS_ENTRADAPS m_ps;
};
