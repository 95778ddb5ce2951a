// The inventory movement's composition line, the form in which an entry's
// composition is handed to inventory, with the movement's lot and volume blocks.
#pragma once

#include "core/Layout.h"

// Lot block of the inventory movement, taken and returned whole.
struct _REG_ES_LOTEPS {
    BYTE bytes[48];
};
// Volume block of the inventory movement, taken and returned whole.
struct _REG_ES_VOLUMEPS {
    BYTE bytes[40];
};
static_assert(sizeof(_REG_ES_LOTEPS) == 48);
static_assert(sizeof(_REG_ES_VOLUMEPS) == 40);

inline bool operator==(const _REG_ES_LOTEPS& a, const _REG_ES_LOTEPS& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const _REG_ES_LOTEPS& a, const _REG_ES_LOTEPS& b) noexcept { return !(a == b); }
inline bool operator==(const _REG_ES_VOLUMEPS& a, const _REG_ES_VOLUMEPS& b) noexcept { return JQBytesIguais(a, b); }
inline bool operator!=(const _REG_ES_VOLUMEPS& a, const _REG_ES_VOLUMEPS& b) noexcept { return !(a == b); }

// clang-format off
// The unit value at 136 has the accessor pair Get4PIUnitaria / Set4PIUnitaria,
// written by hand by its owner (a name cannot start with a digit).
#define TOLV_LAYOUT__REG_ES_COMPOSICAO_PRODUTOPS(F)                            \
    F(0,   BLOCO(_REG_ES_LOTEPS),   regLotePS,                RW)              \
    F(48,  POS,     regPosProduto,            RW)                              \
    F(64,  POS,     regPosProdutoSubstituido, RW)                              \
    F(80,  BLOCO(_REG_ES_VOLUMEPS), regVolumePS,              RW)              \
    F(120, CY,      Quantidade,               RW)                              \
    F(128, CY,      QuantidadeTotal,          RW)                              \
    F(136, CY,      Valor4PIUnitaria,         NO)                              \
    F(144, RES(32), Reservado144,             NO)                              \
    F(176, ULONG,   lPonteiroFilial,          RW)                              \
    F(180, LONG,    PonteiroMovimentoOrigem,  RW)                              \
    F(184, LONG,    PonteiroLote,             RW)                              \
    F(188, LONG,    PonteiroForLote,          RW)                              \
    F(192, LONG,    PonteiroForEPTETPE,       RW)                              \
    F(196, LONG,    PonteiroCliEPTETPE,       RW)                              \
    F(200, LONG,    PonteiroVolume,           RW)                              \
    F(204, LONG,    PonteiroControleFCI,      RW)                              \
    F(208, RES(16), Reservado208,             NO)                              \
    F(224, USHORT,  PonteiroLocal,            RW)                              \
    F(226, RES(10), Reservado226,             NO)                              \
    F(236, UCHAR,   TipoProducao,             RW)                              \
    F(237, UCHAR,   TipoEstoque,              RW)                              \
    F(238, UCHAR,   QuantidadeTotalAlterada,  RW)                              \
    F(239, CHAR,    ConteudoImportado,        RW)                              \
    F(240, UCHAR,   CasasDecimais,            RW)                              \
    F(241, RES(15), Reservado241,             NO)
TOLV_ESTRUTURA(_REG_ES_COMPOSICAO_PRODUTOPS, 256)
// clang-format on
