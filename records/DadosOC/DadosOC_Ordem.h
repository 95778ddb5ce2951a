// The purchase order: header of the document, root of the subsystem's record
// tree.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "platform/afxstr.h"
#include "records/DadosOC/DadosOC_Item.h"
#include "records/DadosOC/DadosOC_Parcela.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_ORDEMPS(F)                                                   \
    F(0,    DMCPS,     JQDMC,                           RW)                             \
    F(8,    DATA,      RegDataCompetencia,              RW)                             \
    F(16,   CY,        ValorTotalProdutos,              RW)                             \
    F(24,   CY,        ValorDescontoTotalProdutos,      RW)                             \
    F(32,   CY,        ValorTotalServicos,              RW)                             \
    F(40,   CY,        ValorDescontoTotalServicos,      RW)                             \
    F(48,   CY,        ValorTotalIPI,                   RW)                             \
    F(56,   CY,        ValorDescontoTotalOrdemCompra,   RW)                             \
    F(64,   CY,        ValorTotalOrdemCompra,           RW)                             \
    F(72,   CY,        ValorFrete,                      RW)                             \
    F(80,   CY,        ValorSeguro,                     RW)                             \
    F(88,   CY,        ValorDespesasAcessorias,         RW)                             \
    F(96,   CY,        ValorTotalICMS,                  RW)                             \
    F(104,  CY,        ValorTotalICMSST,                RW)                             \
    F(112,  LONG,      PonteiroFornecedor,              RW)                             \
    F(116,  LONG,      PonteiroClassificacao,           RW)                             \
    F(120,  LONG,      PonteiroTransportadora,          RW)                             \
    F(124,  LONG,      PonteiroDepartamento,            RW)                             \
    F(128,  LONG,      PonteiroRequisitante,            RW)                             \
    F(132,  LONG,      PonteiroEsteOC,                  RW)                             \
    F(136,  RES(4),    Reservado136,                    NO)                             \
    F(140,  LONG,      PonteiroContato,                 RW)                             \
    F(144,  ULONG,     PonteiroComprador,               RW)                             \
    F(148,  ULONG,     PonteiroControleQualidade,       RW)                             \
    F(152,  USHORT,    PonteiroFilialEmitente,          RW)                             \
    F(154,  USHORT,    PonteiroFilialFaturamento,       RW)                             \
    F(156,  USHORT,    PonteiroHistorico,               RW)                             \
    F(158,  USHORT,    DataEmissao,                     RW)                             \
    F(160,  USHORT,    DataEntrega,                     RW)                             \
    F(162,  USHORT,    PonteiroCondicaoPagamento,       RW)                             \
    F(164,  USHORT,    NumeroDiasEntrega,               RW)                             \
    F(166,  USHORT,    DataUltimaAlteracao,             RW)                             \
    F(168,  USHORT,    HoraUltimaAlteracao,             RW)                             \
    F(170,  USHORT,    Usuario,                         RW)                             \
    F(172,  TXT(201),  LocalEntrega,                    RW)                             \
    F(374,  TXT(2501), MensagemParaFornecedor,          RW)                             \
    F(2876, TXT(511),  ComplementoHistorico,            RW)                             \
    F(3388, TXT(51),   Codigo,                          RW)                             \
    F(3440, TXT(17),   Moeda,                           RW)                             \
    F(3458, UCHAR,     PonteiroTipoPeriodo,             RW)                             \
    F(3459, CHAR,      Impresso,                        RW)                             \
    F(3460, CHAR,      Situacao,                        RW)                             \
    F(3461, UCHAR,     Incompleta,                      RW)                             \
    F(3462, UCHAR,     FretePorConta,                   RW)                             \
    F(3463, UCHAR,     FixarDataVcto,                   RW)                             \
    F(3464, UCHAR,     Frete,                           RW)                             \
    F(3465, UCHAR,     OrcamentoExcedente,              RW)                             \
    F(3466, UCHAR,     VersaoGravacao,                  RW)                             \
    F(3467, UCHAR,     EmailOrcamentoExcedentePendente, RW)                             \
    F(3468, USHORT,    QtdItem,                         NO)                             \
    F(3470, RES(2),    Reservado3470,                   NO)                             \
    F(3472, ARR(tagREG_ITENS_ORDEMPS, QtdItem), pItem,  NO)                             \
    F(3476, USHORT,    QtdParcela,                      NO)                             \
    F(3478, RES(2),    Reservado3478,                   NO)                             \
    F(3480, ARR(tagREG_FATURA_COMPRAPS, QtdParcela), pParcela, NO)                      \
    F(3484, RES(28),   Reservado3484,                   NO)
TOLV_ESTRUTURA(tagREG_ORDEMPS, 3512)
// clang-format on

// The purchase order.
class TOLV_API TCMOCOrdemCompra : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCOrdemCompra)
    TOLV_COMPARACAO(TCMOCOrdemCompra)
    TOLV_LISTA(TCMOCItem, Item)
    TOLV_LISTA(TCMOCParcela, Parcela)
    TOLV_LISTA(CString, Logs)

public:
    TOLV_ACESSORES(tagREG_ORDEMPS)

    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(CIEVinculo v) { m_Vinculo = v; }

    void CopiarPara(tagREG_ORDEMPS* dst) const;
    void CopiarDe(tagREG_ORDEMPS* src);

    // Release the nested arrays of a structure received from the other side
    // (task allocator) or written by CopiarPara (array new). Counts and
    // pointers are left as they were: release a structure once.
    static void ZerarGlobalAlloc(tagREG_ORDEMPS* ps);
    static void ZerarDelete(tagREG_ORDEMPS* ps);

protected:
    tagREG_ORDEMPS m_ps;
    CIEVinculo m_Vinculo;
};
