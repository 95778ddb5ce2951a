// Items and suggested suppliers of a purchase requisition.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosSC/DadosSC_Rateio.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_SOLICITACAO_COMPRA_ITEMPS(F)                       \
    F(0,   LONG,    PonteiroProdutoServico,     RW)                           \
    F(4,   USHORT,  PonteiroItemGrade1,         RW)                           \
    F(6,   USHORT,  PonteiroItemGrade2,         RW)                           \
    F(8,   USHORT,  PonteiroItemGrade3,         RW)                           \
    F(10,  RES(6),  Reservado10,                NO)                           \
    F(16,  DATA,    RegDataNecessidade,         RW)                           \
    F(24,  CY,      SaldoEmEstoque,             RW)                           \
    F(32,  CY,      PontoDeReposicao,           RW)                           \
    F(40,  CY,      EstoqueMinimo,              RW)                           \
    F(48,  CY,      Quantidade,                 RW)                           \
    F(56,  ULONG,   IDItem,                     RW)                           \
    F(60,  LONG,    PonteiroSolicitacaAgrupada, RW)                           \
    F(64,  USHORT,  PonteiroUnidadeMedida,      RW)                           \
    F(66,  USHORT,  NrDiasNecessidade,          RW)                           \
    F(68,  CHAR,    StatusProdutoServico,       RW)                           \
    F(69,  CHAR,    Prioridade,                 RW)                           \
    F(70,  CHAR,    Opcao,                      RW)                           \
    F(71,  CHAR,    Descartada,                 RW)                           \
    F(72,  CHAR,    Integrado,                  RW)                           \
    F(73,  UCHAR,   TipoControleReposicao,      RW)                           \
    F(74,  RES(16), Reservado74,                NO)                           \
    F(90,  USHORT,  TamComplemento,             NO)                           \
    F(92,  USHORT,  TamObservacao,              NO)                           \
    F(94,  USHORT,  QtdRateio,                  NO)                           \
    F(96,  TXTP(TamComplemento), pComplemento,  NO)                           \
    F(100, TXTP(TamObservacao),  pObservacao,   NO)                           \
    F(104, ARR(tagREG_SOLICITACAO_RATEIO_COMPRAPS, QtdRateio), pRateio, NO)   \
    F(108, RES(4),  Reservado108,               NO)
TOLV_ESTRUTURA(tagREG_SOLICITACAO_COMPRA_ITEMPS, 112)

#define TOLV_LAYOUT_tagREG_SOLICITACAO_COMPRA_FORNECEDORPS(F)                 \
    F(0,   LONG,    PonteiroFornecedor,         RW)                           \
    F(4,   USHORT,  TamNomeFornecedor,          NO)                           \
    F(6,   USHORT,  TamObservacao,              NO)                           \
    F(8,   RES(16), Reservado8,                 NO)                           \
    F(24,  TXTP(TamNomeFornecedor), pNomeFornecedor, NO)                      \
    F(28,  TXTP(TamObservacao),     pObservacao,     NO)
TOLV_ESTRUTURA(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS, 32)
// clang-format on

// One requested product or service, with its apportionments.
class TOLV_API TCMSCItem : public TJQBaseParaDados {
    TOLV_PADRAO(TCMSCItem)
    TOLV_COMPARACAO(TCMSCItem)

public:
    TOLV_ACESSORES(tagREG_SOLICITACAO_COMPRA_ITEMPS)

    CString GetComplemento() const { return m_Complemento; }
    void SetComplemento(const CString& v) { m_Complemento = v; }
    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    void CopiarPara(tagREG_SOLICITACAO_COMPRA_ITEMPS* dst) const;
    TOLV_ESCRITA(TCMSCItem, tagREG_SOLICITACAO_COMPRA_ITEMPS)
    void CopiarDe(tagREG_SOLICITACAO_COMPRA_ITEMPS* src);
    TOLV_LEITURA(TCMSCItem, tagREG_SOLICITACAO_COMPRA_ITEMPS)

protected:
    tagREG_SOLICITACAO_COMPRA_ITEMPS m_ps;
    CString m_Complemento;
    CString m_Observacao;
    TOLV_LISTA(TCMSCRateio, Rateio)
};

// A supplier suggested for the requisition.
class TOLV_API TCMSCFornecedor : public TJQBaseParaDados {
    TOLV_PADRAO(TCMSCFornecedor)
    TOLV_COMPARACAO(TCMSCFornecedor)

public:
    TOLV_ACESSORES(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS)

    CString GetNomeFornecedor() const { return m_NomeFornecedor; }
    void SetNomeFornecedor(const CString& v) { m_NomeFornecedor = v; }
    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    void CopiarPara(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* dst) const;
    TOLV_ESCRITA(TCMSCFornecedor, tagREG_SOLICITACAO_COMPRA_FORNECEDORPS)
    void CopiarDe(tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* src);
    TOLV_LEITURA(TCMSCFornecedor, tagREG_SOLICITACAO_COMPRA_FORNECEDORPS)

protected:
    tagREG_SOLICITACAO_COMPRA_FORNECEDORPS m_ps;
    CString m_NomeFornecedor;
    CString m_Observacao;
};
