// The entry register: header of an incoming invoice or goods receipt, root of
// the subsystem's record tree.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "records/DadosRE/DadosRE_Itens.h"
#include "records/DadosRE/DadosRE_Pagamento.h"
#include "records/DadosRE/DadosRE_Referencias.h"

// clang-format off
// One link of the register to a purchase order.
#define TOLV_LAYOUT_tagREG_RE_ASSOCIACAO_OCPS(F)                                             \
    F(0,    LONG,     PonteiroOrdemCompra,                         RW)                       \
    F(4,    RES(28),  Reservado4,                                  NO)
TOLV_ESTRUTURA(tagREG_RE_ASSOCIACAO_OCPS, 32)

#define TOLV_LAYOUT_tagREG_ENTRADAPS(F)                                                      \
    F(0,    DMAHMS,   RegDataUltimaAlteracao,                      RW)                       \
    F(8,    RES(8),   Reservado8,                                  NO)                       \
    F(16,   DMC,      RegPonteiroPreGravacao,                      RW)                       \
    F(24,   DMC,      RegPonteiroEsteRE,                           RW)                       \
    F(32,   DATA,     RegDataEntrada,                              RW)                       \
    F(40,   DATA,     RegDataEmissao,                              RW)                       \
    F(48,   DATA,     RegDataPrimeiroVencimento,                   NO)                       \
    F(56,   DATA,     RegDataEscrituracao,                         RW)                       \
    F(64,   DATA,     RegDataInclusaoRE,                           RW)                       \
    F(72,   NFE,      RegNFe,                                      RW)                       \
    F(96,   DMCPS,    JQDMC,                                       RW)                       \
    F(104,  CY,       ValorConhecimentoTransporte,                 RW)                       \
    F(112,  CY,       ValorTotalDescontoProdutos,                  RW)                       \
    F(120,  CY,       ValorTotalProdutos,                          RW)                       \
    F(128,  CY,       ValorBaseCalculoICMS,                        RW)                       \
    F(136,  CY,       ValorICMS,                                   RW)                       \
    F(144,  CY,       ValorBaseCalculoICMSSubstituicaoTributaria,  RW)                       \
    F(152,  CY,       ValorTotalICMSSubstituicaoTributria,         RW)                       \
    F(160,  CY,       ValorDeducaoICMSSuframa,                     RW)                       \
    F(168,  CY,       ValorTotalIPI,                               RW)                       \
    F(176,  CY,       ValorFunrural,                               RW)                       \
    F(184,  CY,       ValorTotalDescontoServicos,                  RW)                       \
    F(192,  CY,       ValorTotalServicos,                          RW)                       \
    F(200,  CY,       ValorTotalIRRF,                              RW)                       \
    F(208,  CY,       ValorTotalINSS,                              RW)                       \
    F(216,  CY,       ValorLiquidoServicos,                        RW)                       \
    F(224,  CY,       ValorTotalDescontos,                         RW)                       \
    F(232,  CY,       ValorTotalNotaFiscal,                        RW)                       \
    F(240,  CY,       ValorTotalLiquidoNotaFiscal,                 RW)                       \
    F(248,  CY,       ValorFrete,                                  RW)                       \
    F(256,  CY,       ValorSeguro,                                 RW)                       \
    F(264,  CY,       ValorDespesasAcessorias,                     RW)                       \
    F(272,  CY,       IPIEmbutidoNF,                               RW)                       \
    F(280,  CY,       BaseCalcIPI,                                 RW)                       \
    F(288,  CY,       IsentasICMS,                                 RW)                       \
    F(296,  CY,       OutrasICMS,                                  RW)                       \
    F(304,  CY,       IsentasIPI,                                  RW)                       \
    F(312,  CY,       OutrasIPI,                                   RW)                       \
    F(320,  CY,       PesoBrutoTotal,                              RW)                       \
    F(328,  CY,       PesoLiquidoTotal,                            RW)                       \
    F(336,  CY,       TotalAPagar,                                 RW)                       \
    F(344,  CY,       ConsumoTotalKWh,                             RW)                       \
    F(352,  CY,       CreditoFinanceiro,                           RW)                       \
    F(360,  CY,       ValorAVP,                                    RW)                       \
    F(368,  U64,      NSU,                                         RW)                       \
    F(376,  ULONG,    QtdVolumes,                                  RW)                       \
    F(380,  ULONG,    PonteiroComprador,                           RW)                       \
    F(384,  ULONG,    ChaveContratoCompra,                         RW)                       \
    F(388,  ULONG,    ChaveRecebimentoProduto,                     RW)                       \
    F(392,  LONG,     PonteiroFornecedor,                          RW)                       \
    F(396,  LONG,     PonteiroFornecedorSugestao,                  RW)                       \
    F(400,  LONG,     PonteiroTransportadora,                      RW)                       \
    F(404,  LONG,     PonteiroClassificacao,                       RW)                       \
    F(408,  LONG,     PonteiroGerencialSugestao,                   RW)                       \
    F(412,  LONG,     PonteiroLocalEstocagemSugestao,              RW)                       \
    F(416,  LONG,     NrDctoContabil,                              RW)                       \
    F(420,  LONG,     PonteiroDepartamento,                        RW)                       \
    F(424,  LONG,     PonteiroRequisitante,                        RW)                       \
    F(428,  LONG,     PonteiroOperacao,                            RW)                       \
    F(432,  USHORT,   PonteiroHistorico,                           RW)                       \
    F(434,  USHORT,   PonteiroFilial,                              RW)                       \
    F(436,  USHORT,   PonteiroTipoDocumento,                       RW)                       \
    F(438,  USHORT,   PonteiroCFOPPrincipal,                       RW)                       \
    F(440,  USHORT,   PonteiroSitServicoPrincipal,                 RW)                       \
    F(442,  USHORT,   PonteiroCondicaoPagamento,                   NO)                       \
    F(444,  USHORT,   Usuario,                                     RW)                       \
    F(446,  USHORT,   PonteiroMunicipio,                           RW)                       \
    F(448,  USHORT,   PonteiroTipoCobranca,                        NO)                       \
    F(450,  USHORT,   QtdTituloImposto,                            NO)                       \
    F(452,  USHORT,   QtdAssociacaoREOC,                           NO)                       \
    F(454,  USHORT,   QtdProduto,                                  NO)                       \
    F(456,  USHORT,   QtdServico,                                  NO)                       \
    F(458,  USHORT,   QtdParcela,                                  NO)                       \
    F(460,  USHORT,   QtdReferidas,                                NO)                       \
    F(462,  USHORT,   QtdObservacoesCFOP,                          NO)                       \
    F(464,  USHORT,   TamObservacaoGeral,                          NO)                       \
    F(466,  USHORT,   TamObservacaoFisco,                          NO)                       \
    F(468,  TXT(511), ComplementoHistorico,                        RW)                       \
    F(980,  TXT(45),  ChaveNFSe,                                   RW)                       \
    F(1026, TXT(21),  MarcaVolume,                                 RW)                       \
    F(1048, TXT(21),  NumeroInicialVolume,                         RW)                       \
    F(1070, TXT(15),  NumeroConhecimentoTransporte,                RW)                       \
    F(1086, TXT(15),  NumeroNotaFiscal,                            RW)                       \
    F(1102, TXT(9),   EspecieVolume,                               RW)                       \
    F(1112, TXT(9),   PlacaVeiculo1,                               RW)                       \
    F(1122, TXT(9),   PlacaVeiculo2,                               RW)                       \
    F(1132, TXT(9),   PlacaVeiculo3,                               RW)                       \
    F(1142, TXT(5),   SerieNotaFiscal,                             RW)                       \
    F(1148, TXT(3),   Estado1,                                     RW)                       \
    F(1152, TXT(3),   Estado2,                                     RW)                       \
    F(1156, TXT(3),   Estado3,                                     RW)                       \
    F(1160, TXT(3),   EstadoOrigem,                                RW)                       \
    F(1164, UCHAR,    PonteiroTipoPeriodo,                         NO)                       \
    F(1165, UCHAR,    StatusViaTransp,                             RW)                       \
    F(1166, UCHAR,    StatusNFPropria,                             RW)                       \
    F(1167, UCHAR,    StatusRementente,                            RW)                       \
    F(1168, UCHAR,    PodeUsarPCC,                                 RW)                       \
    F(1169, UCHAR,    VariasNotasDevolucaoRetorno,                 RW)                       \
    F(1170, UCHAR,    GravarMarkup,                                RW)                       \
    F(1171, UCHAR,    Incompleta,                                  RW)                       \
    F(1172, UCHAR,    VersaoGravacao,                              RW)                       \
    F(1173, UCHAR,    FretePorConta,                               RW)                       \
    F(1174, UCHAR,    NFeInvalida,                                 RW)                       \
    F(1175, UCHAR,    Situacao,                                    RW)                       \
    F(1176, UCHAR,    IndicadorTipoNF,                             RW)                       \
    F(1177, UCHAR,    RegistroGravadoSemIntegracao,                RW)                       \
    F(1178, UCHAR,    CanceladoNaInclusao,                         RW)                       \
    F(1179, RES(17),  Reservado1179,                               NO)                       \
    F(1196, ARR(tagREG_TITULO_IMPOSTOS_ENTRADAPS, QtdTituloImposto), pTituloImposto, NO)     \
    F(1200, ARR(tagREG_RE_ASSOCIACAO_OCPS, QtdAssociacaoREOC), pAssociacaoREOC, NO)          \
    F(1204, ARR(tagREG_ITEM_ENTRADA_PRODUTOPS, QtdProduto), pProduto, NO)                    \
    F(1208, ARR(tagREG_ITEM_ENTRADA_SERVICOPS, QtdServico), pServico, NO)                    \
    F(1212, ARR(tagREG_FATURA_ENTRADAPS, QtdParcela), pParcela, NO)                          \
    F(1216, ARR(tagREG_RE_NF_REFERIDA_PS, QtdReferidas), pReferidas, NO)                     \
    F(1220, ARR(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS, QtdObservacoesCFOP), pObservacoesCFOP, NO) \
    F(1224, TXTP(TamObservacaoGeral), pObservacaoGeral,            NO)                       \
    F(1228, TXTP(TamObservacaoFisco), pObservacaoFisco,            NO)
TOLV_ESTRUTURA(tagREG_ENTRADAPS, 1232)
// clang-format on

// The entry register.
class TOLV_API TCMRERegistroEntrada : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TCMRERegistroEntrada)
    TOLV_PADRAO(TCMRERegistroEntrada)
    TOLV_COMPARACAO(TCMRERegistroEntrada)

public:
    // The observation texts travel cut to this many characters.
    static constexpr int kMaxObservacao = 7000;

    // Payment condition with its instalments and tax titles.
    TCMRECondicaoPgto CondicaoPgto;

    TOLV_ACESSORES(tagREG_ENTRADAPS)

    CString GetObservacaoGeral() const { return m_ObservacaoGeral; }
    void SetObservacaoGeral(const CString& v) { m_ObservacaoGeral = v; }
    CString GetObservacaoFisco() const { return m_ObservacaoFisco; }
    void SetObservacaoFisco(const CString& v) { m_ObservacaoFisco = v; }
    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(const CIEVinculo& v) { m_Vinculo = v; }
    bool GetLiberouAlteracaoVlrUnitOC() const { return m_LiberouAlteracaoVlrUnitOC; }
    void SetLiberouAlteracaoVlrUnitOC(bool v) { m_LiberouAlteracaoVlrUnitOC = v; }

    // Cuts the record's own observation texts to kMaxObservacao before sending.
    void CopiarPara(tagREG_ENTRADAPS* dst);
    void CopiarDe(tagREG_ENTRADAPS* src);

    // Release the nested arrays of a structure received from the other side
    // (task allocator) or written by CopiarPara (array new). Counts and
    // pointers are left as they were.
    static void ZerarGlobalAlloc(tagREG_ENTRADAPS* ps);
    static void ZerarDelete(tagREG_ENTRADAPS* ps);

protected:
    tagREG_ENTRADAPS m_ps;
    CString m_ObservacaoGeral;
    CString m_ObservacaoFisco;
    CIEVinculo m_Vinculo;

    TOLV_LISTA(TCMREItemProduto, Produto)
    TOLV_LISTA(TCMREItemServico, Servico)
    TOLV_LISTA(long, AssociacaoREOC)
    TOLV_LISTA(TCMRENFReferidas, Referidas)
    TOLV_LISTA(CString, Logs)
    TOLV_LISTA(TCMREObservacaoCFOP, ObservacoesCFOP)

protected:
    bool m_LiberouAlteracaoVlrUnitOC;
};
