// The freight bill: transport document received for purchased goods, with its
// apportionment lines, instalments and the invoices it carries.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "platform/afxstr.h"
#include "records/DadosCT/DadosCT_Documentos.h"
#include "records/DadosCT/DadosCT_Rateio.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_CONHECIMENTOPS(F)                                                 \
    F(0,    NFE,      RegCTe,                            RW)                                 \
    F(24,   NFE,      RegCTeReferencia,                  RW)                                 \
    F(48,   DMC,      RegQuemGerou,                      RW)                                 \
    F(56,   DMC,      RegPonteiroOC,                     RW)                                 \
    F(64,   DMC,      RegPonteiroEsteCT,                 RW)                                 \
    F(72,   RES(8),   Reservado72,                       NO)                                 \
    F(80,   DMAHMS,   RegDataUltimaAlteracao,            RW)                                 \
    F(88,   CY,       ValorConhecimentoTransporte,       RW)                                 \
    F(96,   CY,       ValorBaseCalculoICMS,              RW)                                 \
    F(104,  CY,       ValorICMS,                         RW)                                 \
    F(112,  CY,       ValorIsentasICMS,                  RW)                                 \
    F(120,  CY,       ValorOutrasICMS,                   RW)                                 \
    F(128,  CY,       ValorBaseCalculoICMSSubstituicao,  RW)                                 \
    F(136,  CY,       ValorICMSSubtituicao,              RW)                                 \
    F(144,  CY,       BasePISNaoCumulativo,              RW)                                 \
    F(152,  CY,       BaseCOFINSNaoCumulativo,           RW)                                 \
    F(160,  CY,       ValorPISNaoCumulativo,             RW)                                 \
    F(168,  CY,       ValorCOFINSNaoCumulativo,          RW)                                 \
    F(176,  CY,       BaseDif,                           RW)                                 \
    F(184,  CY,       ValorDif,                          RW)                                 \
    F(192,  CY,       AliquotaPISNaoCumulativo,          RW)                                 \
    F(200,  CY,       AliquotaCOFINSNaoCumulativo,       RW)                                 \
    F(208,  LONG,     PonteiroTransportadora,            RW)                                 \
    F(212,  LONG,     PonteiroClassificacao,             RW)                                 \
    F(216,  LONG,     NrDctoContabil,                    RW)                                 \
    F(220,  LONG,     PonteiroClassificacaoSPED,         RW)                                 \
    F(224,  LONG,     PonteiroSituacaoTributaria,        RW)                                 \
    F(228,  LONG,     PonteiroOperacao,                  RW)                                 \
    F(232,  USHORT,   AliquotaICMS,                      RW)                                 \
    F(234,  USHORT,   PonteiroFilial,                    RW)                                 \
    F(236,  USHORT,   PonteiroCFOP,                      RW)                                 \
    F(238,  DATA,     RegDataEntrada,                    RW)                                 \
    F(246,  DATA,     RegDataEmissao,                    RW)                                 \
    F(254,  USHORT,   PonteiroTipoDocumento,             RW)                                 \
    F(256,  USHORT,   PonteiroCondicaoPagamento,         RW)                                 \
    F(258,  USHORT,   PonteiroHistorico,                 RW)                                 \
    F(260,  USHORT,   Usuario,                           RW)                                 \
    F(262,  USHORT,   PonteiroMunicipio,                 RW)                                 \
    F(264,  USHORT,   TipoIncidenciaPIS,                 RW)                                 \
    F(266,  USHORT,   TipoIncidenciaCOFINS,              RW)                                 \
    F(268,  USHORT,   NatFreteContratado,                RW)                                 \
    F(270,  USHORT,   IndicadorTipoFrete,                RW)                                 \
    F(272,  TXT(511), ComplementoHistorico,              RW)                                 \
    F(784,  TXT(15),  NumeroConhecimentoTransporte,      RW)                                 \
    F(800,  TXT(5),   SerieConhecimentoTransporte,       RW)                                 \
    F(806,  TXT(9),   PlacaVeiculo1,                     RW)                                 \
    F(816,  TXT(9),   PlacaVeiculo2,                     RW)                                 \
    F(826,  TXT(9),   PlacaVeiculo3,                     RW)                                 \
    F(836,  TXT(3),   Estado1,                           RW)                                 \
    F(840,  TXT(3),   Estado2,                           RW)                                 \
    F(844,  TXT(3),   Estado3,                           RW)                                 \
    F(848,  TXT(3),   EstadoOrigem,                      RW)                                 \
    F(852,  CHAR,     LivreCobranca,                     RW)                                 \
    F(853,  CHAR,     FretePorConta,                     RW)                                 \
    F(854,  UCHAR,    PonteiroTipoPeriodo,               RW)                                 \
    F(855,  UCHAR,    StatusViaTransp,                   RW)                                 \
    F(856,  UCHAR,    PosicaoBCCredito,                  RW)                                 \
    F(857,  UCHAR,    Incompleta,                        RW)                                 \
    F(858,  UCHAR,    CTeInvalida,                       RW)                                 \
    F(859,  UCHAR,    VersaoGravacao,                    RW)                                 \
    F(860,  TXT(131), Observacao,                        RW)                                 \
    F(992,  RES(18),  Reservado992,                      NO)                                 \
    F(1010, USHORT,   QtdRateio,                         NO)                                 \
    F(1012, USHORT,   QtdParcela,                        NO)                                 \
    F(1014, USHORT,   QtdNotaFiscal,                     NO)                                 \
    F(1016, ARR(tagREG_RATEIO_CONHECIMENTOPS, QtdRateio), pRateio, NO)                       \
    F(1020, ARR(tagREG_FATURA_CONHECIMENTOPS, QtdParcela), pParcela, NO)                     \
    F(1024, ARR(tagREG_NOTAFISCAL_CONHECIMENTOPS, QtdNotaFiscal), pNotaFiscal, NO)           \
    F(1028, RES(4),   Reservado1028,                     NO)
TOLV_ESTRUTURA(tagREG_CONHECIMENTOPS, 1032)
// clang-format on

// The freight bill.
class TOLV_API TCMCTConhecimentoTransporte : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TCMCTConhecimentoTransporte)
    TOLV_PADRAO(TCMCTConhecimentoTransporte)
    TOLV_COMPARACAO(TCMCTConhecimentoTransporte)

public:
    TOLV_ACESSORES(tagREG_CONHECIMENTOPS)

    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(CIEVinculo v) { m_Vinculo = v; }

    void CopiarPara(tagREG_CONHECIMENTOPS* dst) const;
    void CopiarDe(tagREG_CONHECIMENTOPS* src);

    // Release the nested arrays of a structure received from the other side
    // (task allocator) or written by CopiarPara (array new). Counts and
    // pointers are left as they were.
    static void ZerarGlobalAlloc(tagREG_CONHECIMENTOPS* ps);
    static void ZerarDelete(tagREG_CONHECIMENTOPS* ps);

protected:
    tagREG_CONHECIMENTOPS m_ps;
    CIEVinculo m_Vinculo;

    TOLV_LISTA(TCMCTRateio, Rateio)
    TOLV_LISTA(TCMCTParcela, Parcela)
    TOLV_LISTA(TCMCTNotaFiscal, NotaFiscal)
    TOLV_LISTA(CString, Logs)
};
