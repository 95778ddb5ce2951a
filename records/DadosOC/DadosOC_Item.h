// Purchase order item and its children: apportionments, delivery schedule
// lines and the receipts recorded against each schedule line.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Rateio.h"
#include "core/Registro.h"
#include "platform/afxstr.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_RECEBIMENTO_COMPRAPS(F)                            \
    F(0,  CY,      Quantidade,                       RW)                      \
    F(8,  CY,      QuantidadeEquivalente_deprecated, RW)                      \
    F(16, CY,      QuantidadeTotal,                  RW)                      \
    F(24, LONG,    PonteiroRE,                       RW)                      \
    F(28, LONG,    PonteiroTaxaConversao,            RW)                      \
    F(32, USHORT,  DataEntrega,                      RW)                      \
    F(34, USHORT,  HoraEntrega,                      RW)                      \
    F(36, USHORT,  PonteiroUnidadeCompra,            RW)                      \
    F(38, USHORT,  Usuario,                          RW)                      \
    F(40, TXT(15), NumeroNotaFiscal,                 RW)                      \
    F(56, UCHAR,   Recebimento,                      RW)                      \
    F(57, RES(21), Reservado57,                      NO)                      \
    F(78, USHORT,  TamObservacao,                    NO)                      \
    F(80, TXTP(TamObservacao), pObservacao,          NO)                      \
    F(84, RES(4),  Reservado84,                      NO)
TOLV_ESTRUTURA(tagREG_RECEBIMENTO_COMPRAPS, 88)

#define TOLV_LAYOUT_tagREG_PROGRAMACAO_COMPRAPS(F)                            \
    F(0,  CY,      QuantidadeSolicitada, RW)                                  \
    F(8,  USHORT,  DataEntrega,          RW)                                  \
    F(10, USHORT,  HoraEntrega,          RW)                                  \
    F(12, USHORT,  DataEntregaAnterior,  RW)                                  \
    F(14, USHORT,  HoraEntregaAnterior,  RW)                                  \
    F(16, UCHAR,   EmailAtrasado,        RW)                                  \
    F(17, RES(21), Reservado17,          NO)                                  \
    F(38, USHORT,  QtdRecebimento,       NO)                                  \
    F(40, ARR(tagREG_RECEBIMENTO_COMPRAPS, QtdRecebimento), pRecebimento, NO) \
    F(44, RES(4),  Reservado44,          NO)
TOLV_ESTRUTURA(tagREG_PROGRAMACAO_COMPRAPS, 48)

#define TOLV_LAYOUT_tagREG_RATEIO_COMPRAPS(F)                                 \
    F(0,   CY,       Quantidade,             RW)                              \
    F(8,   CY,       Valor,                  RW)                              \
    F(16,  CY,       ValorFrete,             RW)                              \
    F(24,  CY,       ValorSeguro,            RW)                              \
    F(32,  CY,       ValorDespesas,          RW)                              \
    F(40,  CY,       ValorDescontoTotalOC,   RW)                              \
    F(48,  CY,       ValorICMSST,            RW)                              \
    F(56,  CY,       ValorICMS,              RW)                              \
    F(64,  CY,       ValorIPI,               RW)                              \
    F(72,  LONG,     PonteiroDepartamento,   RW)                              \
    F(76,  LONG,     PonteiroRequisitante,   RW)                              \
    F(80,  LONG,     PonteiroClassificacao,  RW)                              \
    F(84,  RES(2),   Reservado84,            NO)                              \
    F(86,  CHAR,     Destino,                RW)                              \
    F(87,  CHAR,     InformarGerencialAgora, RW)                              \
    F(88,  USHORT,   PonteiroHistorico,      RW)                              \
    F(90,  TXT(511), ComplementoHistorico,   RW)                              \
    F(602, RES(20),  Reservado602,           NO)                              \
    F(622, USHORT,   QtdGerencial,           NO)                              \
    F(624, ARR(tagREG_CM_GERENCIALPS, QtdGerencial), pGerencial, NO)          \
    F(628, RES(4),   Reservado628,           NO)
TOLV_ESTRUTURA(tagREG_RATEIO_COMPRAPS, 632)

#define TOLV_LAYOUT_tagREG_ITENS_ORDEMPS(F)                                   \
    F(0,   LONG,     PonteiroProdutoServico,   RW)                            \
    F(4,   USHORT,   PonteiroItemGrade1,       RW)                            \
    F(6,   USHORT,   PonteiroItemGrade2,       RW)                            \
    F(8,   USHORT,   PonteiroItemGrade3,       RW)                            \
    F(10,  RES(6),   Reservado10,              NO)                            \
    F(16,  CY,       ValorUnitarioV8,          RW)                            \
    F(24,  CY,       DescontoUnitarioV8,       RW)                            \
    F(32,  CY,       ValorDescontoTotalItem,   RW)                            \
    F(40,  CY,       ValorTotal,               RW)                            \
    F(48,  CY,       ValorIPI,                 RW)                            \
    F(56,  CY,       ValorINSS,                RW)                            \
    F(64,  CY,       ValorIRRF,                RW)                            \
    F(72,  CY,       Quantidade,               RW)                            \
    F(80,  CY,       Atendido,                 RW)                            \
    F(88,  CY,       QuantidadeUltimaCompra,   RW)                            \
    F(96,  CY,       PrecoUltimaCompra,        RW)                            \
    F(104, CY,       ValorICMS,                RW)                            \
    F(112, CY,       AliquotaICMS,             RW)                            \
    F(120, CY,       AliqRedAcrescimoICMS,     RW)                            \
    F(128, CY,       ValorICMSST,              RW)                            \
    F(136, CY,       AliquotaICMSST,           RW)                            \
    F(144, CY,       AliquotaAcrescimoICMSST,  RW)                            \
    F(152, CY,       ValorAcrescimoICMSST,     RW)                            \
    F(160, CY,       AliquotaReducaoICMSST,    RW)                            \
    F(168, CY,       ReducaoBCICMSOpInterna,   RW)                            \
    F(176, CY,       ValorPorItemIPI,          RW)                            \
    F(184, CY,       AliquotaIPI,              RW)                            \
    F(192, CY,       AliquotaISSRentecao,      RW)                            \
    F(200, CY,       ValorISSRentecao,         RW)                            \
    F(208, ULONG,    IDItem,                   RW)                            \
    F(212, LONG,     PonteiroTabelaPreco,      RW)                            \
    F(216, LONG,     PonteiroTaxaConversao,    RW)                            \
    F(220, USHORT,   PonteiroUnidadeMedida,    RW)                            \
    F(222, USHORT,   NumeroItemCotacao,        RW)                            \
    F(224, USHORT,   NumeroAcompanhamento,     RW)                            \
    F(226, USHORT,   DataNecessidade,          RW)                            \
    F(228, USHORT,   DataUltimaCompra,         RW)                            \
    F(230, CHAR,     ItemEhServico,            RW)                            \
    F(231, TXT(501), Complemento,              RW)                            \
    F(733, CHAR,     LivreCobranca,            RW)                            \
    F(734, UCHAR,    TipoReducaoAcrescimoICMS, RW)                            \
    F(735, UCHAR,    QtdCasasVlrUnitario,      RW)                            \
    F(736, UCHAR,    Status,                   RW)                            \
    F(737, UCHAR,    GerarAcompanhamento,      RW)                            \
    F(738, UCHAR,    Frete,                    RW)                            \
    F(739, UCHAR,    BCIncluiIPI,              RW)                            \
    F(740, USHORT,   QtdRateio,                NO)                            \
    F(742, RES(2),   Reservado742,             NO)                            \
    F(744, ARR(tagREG_RATEIO_COMPRAPS, QtdRateio), pRateio, NO)               \
    F(748, USHORT,   QtdProgramacao,           NO)                            \
    F(750, RES(2),   Reservado750,             NO)                            \
    F(752, ARR(tagREG_PROGRAMACAO_COMPRAPS, QtdProgramacao), pProgramacao, NO) \
    F(756, RES(20),  Reservado756,             NO)
TOLV_ESTRUTURA(tagREG_ITENS_ORDEMPS, 776)
// clang-format on

// One receipt recorded against a delivery schedule line, with a free
// observation of any length kept outside the structure.
class TOLV_API TCMOCRecebimento : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCRecebimento)
    TOLV_COMPARACAO(TCMOCRecebimento)

public:
    TOLV_ACESSORES(tagREG_RECEBIMENTO_COMPRAPS)

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    // The observation travels as its length plus one and a new[] block with
    // the text and its NUL; a text too long for the 16-bit length is refused.
    void CopiarPara(tagREG_RECEBIMENTO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS)
    void CopiarDe(tagREG_RECEBIMENTO_COMPRAPS* src);
    TOLV_LEITURA(TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS)

protected:
    tagREG_RECEBIMENTO_COMPRAPS m_ps;
    CString m_Observacao;
};

// One line of an item's delivery schedule, with its receipts.
class TOLV_API TCMOCProgramacao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCProgramacao)
    TOLV_COMPARACAO(TCMOCProgramacao)

public:
    TOLV_ACESSORES(tagREG_PROGRAMACAO_COMPRAPS)

    void CopiarPara(tagREG_PROGRAMACAO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS)
    void CopiarDe(tagREG_PROGRAMACAO_COMPRAPS* src);
    TOLV_LEITURA(TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS)

protected:
    tagREG_PROGRAMACAO_COMPRAPS m_ps;
    TOLV_LISTA(TCMOCRecebimento, Recebimento)
};

// Apportionment of an order item, split among management accounts by the
// lines of the base.
class TOLV_API TCMOCRateio : public TCMRateioBase {
    TOLV_PADRAO(TCMOCRateio)
    TOLV_COMPARACAO(TCMOCRateio)

public:
    TOLV_ACESSORES(tagREG_RATEIO_COMPRAPS)

    void CopiarPara(tagREG_RATEIO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMOCRateio, tagREG_RATEIO_COMPRAPS)
    void CopiarDe(tagREG_RATEIO_COMPRAPS* src);
    TOLV_LEITURA(TCMOCRateio, tagREG_RATEIO_COMPRAPS)

protected:
    tagREG_RATEIO_COMPRAPS m_ps;
};

// One product or service line of a purchase order.
class TOLV_API TCMOCItem : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCItem)
    TOLV_COMPARACAO(TCMOCItem)

public:
    TOLV_ACESSORES(tagREG_ITENS_ORDEMPS)

    // Screen state only: never sent, never compared.
    bool GetExpandirGrid() const { return m_ExpandirGrid; }
    void SetExpandirGrid(bool v) { m_ExpandirGrid = v; }

    void CopiarPara(tagREG_ITENS_ORDEMPS* dst) const;
    TOLV_ESCRITA(TCMOCItem, tagREG_ITENS_ORDEMPS)
    void CopiarDe(tagREG_ITENS_ORDEMPS* src);
    TOLV_LEITURA(TCMOCItem, tagREG_ITENS_ORDEMPS)

protected:
    tagREG_ITENS_ORDEMPS m_ps;
    bool m_ExpandirGrid = false;
    TOLV_LISTA(TCMOCRateio, Rateio)
    TOLV_LISTA(TCMOCProgramacao, Programacao)
};
