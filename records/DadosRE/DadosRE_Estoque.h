// Stock side of a product item: the stock entry with its lot and weapon data,
// and the item's composition lines.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Rateio.h"
#include "core/Registro.h"
#include "platform/afxstr.h"
#include "records/DadosRE/DadosRE_ComposicaoES.h"

// clang-format off
#define TOLV_LAYOUT__REG_ITEM_ENTRADA_COMPOSICAOPS(F)                         \
    F(0,  POS,     RegPosProduto,            RW)                              \
    F(16, POS,     RegPosProdutoSubstituido, RW)                              \
    F(32, CY,      Quantidade,               RW)                              \
    F(40, CY,      QuantidadeTotal,          RW)                              \
    F(48, CY,      Valor4PIUnitaria,         RW)                              \
    F(56, ULONG,   PonteiroMovimentoOrigem,  RW)                              \
    F(60, ULONG,   PonteiroFilial,           RW)                              \
    F(64, LONG,    PonteiroLote,             RW)                              \
    F(68, LONG,    PonteiroForLote,          RW)                              \
    F(72, LONG,    PonteiroForEPTETPE,       RW)                              \
    F(76, LONG,    PonteiroCliEPTETPE,       RW)                              \
    F(80, LONG,    PonteiroVolume,           RW)                              \
    F(84, LONG,    PonteiroControleFCI,      RW)                              \
    F(88, USHORT,  PonteiroLocal,            RW)                              \
    F(90, UCHAR,   TipoProducao,             RW)                              \
    F(91, UCHAR,   TipoEstoque,              RW)                              \
    F(92, UCHAR,   QuantidadeTotalAlterada,  RW)                              \
    F(93, CHAR,    ConteudoImportado,        RW)                              \
    F(94, UCHAR,   CasasDecimais,            RW)                              \
    F(95, RES(17), Reservado95,              NO)
TOLV_ESTRUTURA(_REG_ITEM_ENTRADA_COMPOSICAOPS, 112)

#define TOLV_LAYOUT__REG_ENTRADA_ESTOQUE_ENTRADAPS(F)                         \
    F(0,   POS,      RegPosProduto,                  RW)                      \
    F(16,  DATA,     LoteESDataFabricacao,           RW)                      \
    F(24,  DATA,     LoteESDataValidade,             RW)                      \
    F(32,  CY,       Quantidade,                     RW)                      \
    F(40,  CY,       LotePrecoTabelado,              RW)                      \
    F(48,  LONG,     PonteiroClassificacaoSaida,     RW)                      \
    F(52,  LONG,     PonteiroClassificacao,          RW)                      \
    F(56,  LONG,     PonteiroMovimentoOrigemEstoque, RW)                      \
    F(60,  LONG,     PonteiroLocalSaida,             RW)                      \
    F(64,  LONG,     PonteiroLocal,                  RW)                      \
    F(68,  LONG,     PonteiroCFRT,                   RW)                      \
    F(72,  ULONG,    TamArmaFogo_Descricao,      NO)                      \
    F(76,  USHORT,   QtdGerencialSaida,              NO)                      \
    F(78,  USHORT,   QtdGerencial,                   NO)                      \
    F(80,  USHORT,   QtdComposicao,                  NO)                      \
    F(82,  USHORT,   LoteESNumeroDeDiaValidade,      RW)                      \
    F(84,  RES(258), Reservado84,                    NO)                      \
    F(342, TXT(35),  LoteESNumero,                   RW)                      \
    F(378, TXT(35),  LoteESVolume,                   RW)                      \
    F(414, TXT(20),  ArmaFogo_Serie,                 RW)                      \
    F(435, RES(1),   Reservado435,                   NO)                      \
    F(436, TXT(20),  ArmaFogo_Cano,                  RW)                      \
    F(457, RES(1),   Reservado457,                   NO)                      \
    F(458, UCHAR,    LoteIndicadorMovimentacao,      RW)                      \
    F(459, UCHAR,    ArmaFogo_Tipo,                  RW)                      \
    F(460, UCHAR,    LoteTipoReferencia,             RW)                      \
    F(461, UCHAR,    Tipo,                           RW)                      \
    F(462, RES(14),  Reservado462,                   NO)                      \
    F(476, TXTP(TamArmaFogo_Descricao),          pArmaFogo_Descricao, NO) \
    F(480, ARR(tagREG_CM_GERENCIALPS, QtdGerencialSaida), pGerencialSaida, NO) \
    F(484, ARR(tagREG_CM_GERENCIALPS, QtdGerencial),      pGerencial,      NO) \
    F(488, ARR(_REG_ITEM_ENTRADA_COMPOSICAOPS, QtdComposicao), pComposicao, NO) \
    F(492, RES(4),   Reservado492,                   NO)
TOLV_ESTRUTURA(_REG_ENTRADA_ESTOQUE_ENTRADAPS, 496)
// clang-format on

// One component (or substitute) of an entry item, with quantities and origin.
// Converts with its own 112-byte form and with the inventory movement's line.
class TOLV_API TCMREComposicao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREComposicao)
    TOLV_COMPARACAO(TCMREComposicao)

public:
    TOLV_ACESSORES(_REG_ITEM_ENTRADA_COMPOSICAOPS)

    void CopiarPara(_REG_ITEM_ENTRADA_COMPOSICAOPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMREComposicao, _REG_ITEM_ENTRADA_COMPOSICAOPS)
    void CopiarDe(_REG_ITEM_ENTRADA_COMPOSICAOPS* src);
    // Every byte the line does not name (lot, volume, reserved) is written zero.
    void CopiarPara(_REG_ES_COMPOSICAO_PRODUTOPS* dst) const;
    void CopiarDe(_REG_ES_COMPOSICAO_PRODUTOPS* src);

protected:
    _REG_ITEM_ENTRADA_COMPOSICAOPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMREComposicao, _REG_ITEM_ENTRADA_COMPOSICAOPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMREComposicao)

// Stock entry of a product item: quantity, locations, lot and weapon data, the
// outgoing management lines and the composition (the base holds the entry's
// own management lines).
class TOLV_API TCMREEntradaEstoque : public TCMRateioBase {
    DECLARE_DYNAMIC(TCMREEntradaEstoque)
    TOLV_PADRAO(TCMREEntradaEstoque)
    TOLV_COMPARACAO(TCMREEntradaEstoque)

public:
    TOLV_ACESSORES(_REG_ENTRADA_ESTOQUE_ENTRADAPS)

    CString GetArmaFogo_Descricao() const { return m_ArmaFogo_Descricao; }
    void SetArmaFogo_Descricao(const CString& v) { m_ArmaFogo_Descricao = v; }

    // Arrays and the description are new[] blocks owned by the receiver. A list
    // or text too long for its count is refused; on any failure the blocks
    // already written are released and their slots left zero.
    void CopiarPara(_REG_ENTRADA_ESTOQUE_ENTRADAPS* dst) const;
    TOLV_ESCRITA(TCMREEntradaEstoque, _REG_ENTRADA_ESTOQUE_ENTRADAPS)
    void CopiarDe(_REG_ENTRADA_ESTOQUE_ENTRADAPS* src);
    TOLV_LEITURA(TCMREEntradaEstoque, _REG_ENTRADA_ESTOQUE_ENTRADAPS)

protected:
    CString m_ArmaFogo_Descricao;
    _REG_ENTRADA_ESTOQUE_ENTRADAPS m_ps;
    TOLV_LISTA(TCMGerencial, GerencialSaida)
    TOLV_LISTA(TCMREComposicao, Composicao)
};
