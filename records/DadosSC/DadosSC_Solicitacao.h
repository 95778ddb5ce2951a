// The purchase requisition: header of the request that starts the purchasing
// chain, root of the subsystem's record tree.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosSC/DadosSC_Item.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_SOLICITACAO_COMPRAPS(F)                            \
    F(0,   DMCPS,   JQDMC,                      RW)                           \
    F(8,   DATA,    RegDataNecessidade,         RW)                           \
    F(16,  DATA,    RegDataUltimaAlteracao,     RW)                           \
    F(24,  DMAHMS,  RegDataHoraInclusao,        RW)                           \
    F(32,  LONG,    PonteiroDepartamento,       RW)                           \
    F(36,  LONG,    PonteiroRequisitante,       RW)                           \
    F(40,  LONG,    PonteiroEsteSC,             RW)                           \
    F(44,  RES(4),  Reservado44,                NO)                           \
    F(48,  ULONG,   PonteiroComprador,          RW)                           \
    F(52,  USHORT,  PonteiroFilial,             RW)                           \
    F(54,  USHORT,  PonteiroFilialRequisitante, RW)                           \
    F(56,  USHORT,  PonteiroFilialAtendente,    RW)                           \
    F(58,  USHORT,  HoraUltimaAlteracao,        RW)                           \
    F(60,  USHORT,  DataSolicitacao,            RW)                           \
    F(62,  USHORT,  NrDiasNecessidade,          RW)                           \
    F(64,  USHORT,  Usuario,                    RW)                           \
    F(66,  TXT(51), CodigoSolicitacao,          RW)                           \
    F(118, UCHAR,   Origem,                     RW)                           \
    F(119, CHAR,    Descartada,                 RW)                           \
    F(120, UCHAR,   Situacao,                   RW)                           \
    F(121, UCHAR,   Agrupado,                   RW)                           \
    F(122, UCHAR,   Incompleta,                 RW)                           \
    F(123, RES(23), Reservado123,               NO)                           \
    F(146, USHORT,  QtdFornecedor,              NO)                           \
    F(148, USHORT,  QtdItem,                    NO)                           \
    F(150, USHORT,  TamObservacao,              NO)                           \
    F(152, ARR(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS, QtdFornecedor), pFornecedor, NO) \
    F(156, ARR(tagREG_SOLICITACAO_COMPRA_ITEMPS, QtdItem), pItem, NO)         \
    F(160, TXTP(TamObservacao), pObservacao,    NO)                           \
    F(164, RES(4),  Reservado164,               NO)
TOLV_ESTRUTURA(tagREG_SOLICITACAO_COMPRAPS, 168)
// clang-format on

// The purchase requisition.
class TOLV_API TCMSCSolicitacaoCompra : public TJQBaseParaDados {
    TOLV_PADRAO(TCMSCSolicitacaoCompra)
    TOLV_COMPARACAO(TCMSCSolicitacaoCompra)

public:
    // The observation travels cut to this many characters.
    static constexpr int kMaxObservacao = 2500;

    TOLV_ACESSORES(tagREG_SOLICITACAO_COMPRAPS)

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }
    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(const CIEVinculo& v) { m_Vinculo = v; }

    // Cuts the record's own observation to kMaxObservacao before sending.
    void CopiarPara(tagREG_SOLICITACAO_COMPRAPS* dst);
    void CopiarDe(tagREG_SOLICITACAO_COMPRAPS* src);

    // Release the nested arrays of a structure received from the other side
    // (task allocator) or written by CopiarPara (array new). Counts and
    // pointers are left as they were.
    static void ZerarGlobalAlloc(tagREG_SOLICITACAO_COMPRAPS* ps);
    static void ZerarDelete(tagREG_SOLICITACAO_COMPRAPS* ps);

protected:
    tagREG_SOLICITACAO_COMPRAPS m_ps;
    CString m_Observacao;
    CIEVinculo m_Vinculo;

    TOLV_LISTA(TCMSCItem, Item)
    TOLV_LISTA(TCMSCFornecedor, Fornecedor)
};
