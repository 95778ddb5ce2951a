// Operations: the kinds of purchase with their fiscal relationships and the
// relationships' apportionments.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "platform/afxstr.h"

// clang-format off
#define TOLV_LAYOUT_REG_CM_RATEIO_OPPS(F)                                      \
    F(0,  LONG,    PonteiroContaEmpresarial, RW)                               \
    F(4,  RES(4),  Reservado4,               NO)                               \
    F(8,  CY,      Percentual,               RW)                               \
    F(16, LONG,    PonteiroLocal,            RW)                               \
    F(20, CHAR,    Destino,                  RW)                               \
    F(21, RES(21), Reservado21,              NO)                               \
    F(42, USHORT,  QtdGerencial,             NO)                               \
    F(44, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)
TOLV_ESTRUTURA(REG_CM_RATEIO_OPPS, 48)

#define TOLV_LAYOUT_tagREG_CM_RELACIONAMENTO_OPPS(F)                           \
    F(0,   ULONG,   IDRelacionamento,           RW)                            \
    F(4,   LONG,    PonteiroCST_ICMS,           RW)                            \
    F(8,   USHORT,  CodigoOrigemMercadoria_xml, RW)                            \
    F(10,  USHORT,  CST_ICMS_xml,               RW)                            \
    F(12,  USHORT,  CST_IPI_xml,                RW)                            \
    F(14,  USHORT,  CSOSN_ICMS_xml,             RW)                            \
    F(16,  USHORT,  PonteiroCFOPSitServico,     RW)                            \
    F(18,  USHORT,  CodigoTributacaoIPI,        RW)                            \
    F(20,  USHORT,  CodigoTributacaoISS,        RW)                            \
    F(22,  USHORT,  QtdRateio,                  NO)                            \
    F(24,  TXT(61), DescricaoAnalitica,         RW)                            \
    F(86,  TXT(5),  CFOP_xml,                   RW)                            \
    F(92,  UCHAR,   AlcanceOperacao,            RW)                            \
    F(93,  UCHAR,   Contribuinte_ICMS,          RW)                            \
    F(94,  UCHAR,   OptanteSN,                  RW)                            \
    F(95,  UCHAR,   ProdutoPossuiST,            RW)                            \
    F(96,  UCHAR,   StatusProdutoServico,       RW)                            \
    F(97,  RES(19), Reservado97,                NO)                            \
    F(116, ARR(REG_CM_RATEIO_OPPS, QtdRateio), pRateio, NO)
TOLV_ESTRUTURA(tagREG_CM_RELACIONAMENTO_OPPS, 120)

#define TOLV_LAYOUT_tagREG_CM_OPERACAO_OPPS(F)                                 \
    F(0,   RES(12), Reservado0,         NO)                                    \
    F(12,  USHORT,  Filial,             RW)                                    \
    F(14,  USHORT,  QtdRelacionamento,  NO)                                    \
    F(16,  RES(4),  Reservado16,        NO)                                    \
    F(20,  TXT(11), Codigo,             RW)                                    \
    F(32,  UCHAR,   TipoRelacionamento, RW)                                    \
    F(33,  UCHAR,   Inativo,            RW)                                    \
    F(34,  TXT(61), Descricao,          RW)                                    \
    F(96,  RES(20), Reservado96,        NO)                                    \
    F(116, ARR(tagREG_CM_RELACIONAMENTO_OPPS, QtdRelacionamento), pRelacionamento, NO)
TOLV_ESTRUTURA(tagREG_CM_OPERACAO_OPPS, 120)
// clang-format on

// One apportionment of a relationship: business account, percentage, place and
// destination, with its own management splits.
class TOLV_API TCMOPRateio : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOPRateio)
    TOLV_COMPARACAO(TCMOPRateio)

public:
    TOLV_ACESSORES(REG_CM_RATEIO_OPPS)

    // The split array is a new[] block owned by the receiver.
    void CopiarPara(REG_CM_RATEIO_OPPS* dst) const;
    TOLV_ESCRITA(TCMOPRateio, REG_CM_RATEIO_OPPS)
    void CopiarDe(REG_CM_RATEIO_OPPS* src);
    TOLV_LEITURA(TCMOPRateio, REG_CM_RATEIO_OPPS)

    TOLV_LISTA(TCMGerencial, Gerencial)

protected:
    REG_CM_RATEIO_OPPS m_ps;
};

// The fiscal classification that applies to an operation, with its
// apportionments.
class TOLV_API TCMOPRelacionamento : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOPRelacionamento)
    TOLV_COMPARACAO(TCMOPRelacionamento)

public:
    TOLV_ACESSORES(tagREG_CM_RELACIONAMENTO_OPPS)

    void CopiarPara(tagREG_CM_RELACIONAMENTO_OPPS* dst) const;
    TOLV_ESCRITA(TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS)
    void CopiarDe(tagREG_CM_RELACIONAMENTO_OPPS* src);
    TOLV_LEITURA(TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS)

    TOLV_LISTA(TCMOPRateio, Rateio)

protected:
    tagREG_CM_RELACIONAMENTO_OPPS m_ps;
};

// An operation: a kind of purchase with its relationships.
class TOLV_API TCMOPOperacao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOPOperacao)
    TOLV_COMPARACAO(TCMOPOperacao)

public:
    TOLV_ACESSORES(tagREG_CM_OPERACAO_OPPS)

    // Each count is written before its array is filled: after a failure (a
    // list too long for its count is refused), ZerarDelete releases what was
    // written.
    void CopiarPara(tagREG_CM_OPERACAO_OPPS* dst) const;
    void CopiarDe(tagREG_CM_OPERACAO_OPPS* src);

    // Release every array of the tree, whatever its count; counts and pointers
    // are left as they were.
    static void ZerarGlobalAlloc(tagREG_CM_OPERACAO_OPPS* ps);
    static void ZerarDelete(tagREG_CM_OPERACAO_OPPS* ps);

    TOLV_LISTA(TCMOPRelacionamento, Relacionamento)

protected:
    tagREG_CM_OPERACAO_OPPS m_ps;
};
