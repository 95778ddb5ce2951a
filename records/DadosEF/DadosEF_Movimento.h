// The fiscal-bookkeeping movement: one fiscal document as entered into the tax
// books, handed on as one structure with its nested arrays plus a caller-owned
// array of further ICMS rates. It converts outwards only.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Rateio.h"
#include "core/Registro.h"
#include "platform/afxstr.h"
#include "platform/afxtempl.h"
#include "records/DadosEF/DadosEF_Anexos.h"
#include "records/DadosEF/DadosEF_Item.h"

// clang-format off
#define TOLV_LAYOUT__REG_ALIQUOTASICMSPS(F)                                   \
    F(0,   CY,       ValorBaseCalculoICMS,          RW)                       \
    F(8,   CY,       ValorICMS,                     RW)                       \
    F(16,  USHORT,   PercentualAliquotaICMS,        RW)                       \
    F(18,  USHORT,   PonteiroCFOP,                  RW)                       \
    F(20,  RES(20),  Reservado20,                   NO)
TOLV_ESTRUTURA(_REG_ALIQUOTASICMSPS, 40)

// Texts fill their whole field: no terminator byte of their own. The slot at
// 1008 pairs with QtdAtivoImobilizado but is never filled here.
#define TOLV_LAYOUT__REG_ESCRITAFISCALPS(F)                                                  \
    F(0,    NFE,       RegNFe,                             RW)                           \
    F(24,   NFE,       RegCTeReferencia,                   RW)                           \
    F(48,   U64,       NumeroDocumentoInicial,             RW)                           \
    F(56,   U64,       NumeroDocumentoFinal,               RW)                           \
    F(64,   CY,        ValorTotal,                         RW)                           \
    F(72,   CY,        ValorICMS,                          NO)                           \
    F(80,   CY,        ValorBaseCalculoICMS,               NO)                           \
    F(88,   CY,        ValorIsentasICMSCFOP,               RW)                           \
    F(96,   CY,        ValorOutrasICMSCFOP,                RW)                           \
    F(104,  CY,        ValorIPICFOP,                       RW)                           \
    F(112,  CY,        ValorBaseIPICFOP,                   RW)                           \
    F(120,  CY,        ValorIsentasIPICFOP,                RW)                           \
    F(128,  CY,        ValorOutrasIPICFOP,                 RW)                           \
    F(136,  CY,        ValorReducaoIPICFOP,                RW)                           \
    F(144,  CY,        ValorSubsTributCFOP,                RW)                           \
    F(152,  CY,        ValorBaseSubstTribCFOP,             RW)                           \
    F(160,  CY,        ValorISSCFOP,                       RW)                           \
    F(168,  CY,        ValorINSSCFOP,                      RW)                           \
    F(176,  CY,        ValorIRRFCFOP,                      RW)                           \
    F(184,  CY,        ValorServicoCFOP,                   RW)                           \
    F(192,  CY,        ValorAcrescimoCFOP,                 RW)                           \
    F(200,  CY,        ValorDescontoCFOP,                  RW)                           \
    F(208,  CY,        ValorBaseCalcDifAliquotaCFOP,       RW)                           \
    F(216,  CY,        ValorDiferencaAliquotaCFOP,         RW)                           \
    F(224,  CY,        ValorIPIEmbutido,                   RW)                           \
    F(232,  CY,        BCAntecipacaoParcialICMS,           RW)                           \
    F(240,  CY,        ValorAntecipacaoParcialICMS,        RW)                           \
    F(248,  CY,        ValorDeducaoICMSSUFRAMA,            RW)                           \
    F(256,  CY,        ValorBCIRRFCFOP,                    RW)                           \
    F(264,  CY,        ValorCreditoPresumido,              RW)                           \
    F(272,  CY,        BCCreditoPresumido,                 RW)                           \
    F(280,  CY,        AliquotaCreditoPresumido,           RW)                           \
    F(288,  LONG,      PonteiroNotaFiscal,                 RW)                           \
    F(292,  LONG,      PonteiroClienteEmpresaCFRT,         RW)                           \
    F(296,  LONG,      CodMunicipio,                       RW)                           \
    F(300,  USHORT,    PonteiroCFOP,                       RW)                           \
    F(302,  USHORT,    Filial,                             RW)                           \
    F(304,  USHORT,    DataEmissao,                        RW)                           \
    F(306,  USHORT,    DataEntrada,                        RW)                           \
    F(308,  USHORT,    DataVencimento,                     RW)                           \
    F(310,  USHORT,    PercentualAliquotaICMS,             NO)                           \
    F(312,  USHORT,    QtdAliquotasICMS,                   NO)                           \
    F(314,  USHORT,    TipoLancamento,                     RW)                           \
    F(316,  USHORT,    Origem,                             RW)                           \
    F(318,  USHORT,    CupomFiscalReferenciado,            RW)                           \
    F(320,  USHORT,    SituacaoPE,                         RW)                           \
    F(322,  UCHAR,     CreditoPresumidoSimplesNacional,    RW)                           \
    F(323,  UCHAR,     ReinMensal,                         RW)                           \
    F(324,  TXTX(4),   Serie,                              RW)                           \
    F(328,  TXTX(22),  CodigoFiscal,                       RW)                           \
    F(350,  TXTX(4),   Especie,                            RW)                           \
    F(354,  TXTX(4),   EstadoDestino,                      RW)                           \
    F(358,  TXTX(4),   EstadoOrigem,                       RW)                           \
    F(362,  TXTX(4),   ModeloDocumentoFiscalNovo,          RW)                           \
    F(366,  TXTX(130), Observacao,                         RW)                           \
    F(496,  TXTX(6),   CFOPnaNFEmitente,                   RW)                           \
    F(502,  CHAR,      PossuiReducaoBaseCalculoICMS,       RW)                           \
    F(503,  CHAR,      ClienteContribuinteICMS,            RW)                           \
    F(504,  CHAR,      Cancelado,                          RW)                           \
    F(505,  CHAR,      FormaAcessoNatureza,                RW)                           \
    F(506,  CHAR,      FormaAcessoCliente,                 RW)                           \
    F(507,  CHAR,      QuemPagaFrete,                      RW)                           \
    F(508,  CHAR,      TipoPagamento,                      RW)                           \
    F(509,  UCHAR,     DocumentoImportacao,                RW)                           \
    F(510,  U64,       NrDI,                               RW)                           \
    F(518,  CY,        PesoBruto,                          RW)                           \
    F(526,  CY,        PesoLiquido,                        RW)                           \
    F(534,  LONG,      PonteiroTransportadora,             RW)                           \
    F(538,  LONG,      PonteiroCliForLocalSaida,           RW)                           \
    F(542,  LONG,      PonteiroCliForLocalEntrega,         RW)                           \
    F(546,  ULONG,     QuantidadeVolumes,                  RW)                           \
    F(550,  TXTX(46),  ChaveNFSe,                          RW)                           \
    F(596,  TXTX(22),  MarcaVolume,                        RW)                           \
    F(618,  TXTX(22),  NumeroInicialVolume,                RW)                           \
    F(640,  TXTX(10),  EspecieVolumes,                     RW)                           \
    F(650,  TXTX(16),  PlacaVeiculo1,                      RW)                           \
    F(666,  TXTX(4),   EstadoVeiculo1,                     RW)                           \
    F(670,  TXTX(16),  PlacaVeiculo2,                      RW)                           \
    F(686,  TXTX(4),   EstadoVeiculo2,                     RW)                           \
    F(690,  TXTX(16),  PlacaVeiculo3,                      RW)                           \
    F(706,  TXTX(4),   EstadoVeiculo3,                     RW)                           \
    F(710,  UCHAR,     StatusViaTransporte,                RW)                           \
    F(711,  CHAR,      NFPropria,                          RW)                           \
    F(712,  ULONG,     NrReducaoZ,                         RW)                           \
    F(716,  CY,        ValorGTini,                         RW)                           \
    F(724,  CY,        ValorGTfim,                         RW)                           \
    F(732,  CY,        ValorCancel,                        RW)                           \
    F(740,  CY,        ValorDescon,                        RW)                           \
    F(748,  CY,        ValorISSQN,                         RW)                           \
    F(756,  CY,        ValorVendaBruta,                    RW)                           \
    F(764,  ULONG,     CupomIni,                           RW)                           \
    F(768,  ULONG,     CupomFim,                           RW)                           \
    F(772,  USHORT,    ContReiniOperacao,                  RW)                           \
    F(774,  USHORT,    SitDocFiscal,                       RW)                           \
    F(776,  USHORT,    NumeroECF,                          RW)                           \
    F(778,  CY,        ValorFrete,                         RW)                           \
    F(786,  CY,        ValorSeguro,                        RW)                           \
    F(794,  CY,        ValorDespesasAcessorias,            RW)                           \
    F(802,  CY,        ConsumoTotalKWh,                    RW)                           \
    F(810,  CY,        ValorCobradoTerceiros,              RW)                           \
    F(818,  CY,        ValorISSRetido,                     RW)                           \
    F(826,  CY,        ValorBaseISSRetido,                 RW)                           \
    F(834,  CY,        ValorTotalFornecidoConsumido,       RW)                           \
    F(842,  CY,        ValorBCFUNRURAL,                    RW)                           \
    F(850,  CY,        ValorValorFUNRURAL,                 RW)                           \
    F(858,  CY,        PercReducaoICMS,                    RW)                           \
    F(866,  U64,       NSU,                                RW)                           \
    F(874,  U64,       CodigoObra,                         RW)                           \
    F(882,  LONG,      PonteiroTipoRecolhimento,           RW)                           \
    F(886,  USHORT,    CodigoConsumoComunicacao,           RW)                           \
    F(888,  USHORT,    NatFreteContratado,                 RW)                           \
    F(890,  USHORT,    IndicadorTipoFrete,                 RW)                           \
    F(892,  USHORT,    DataEscrituracao,                   RW)                           \
    F(894,  USHORT,    QtdNotasReferidas,                  RW)                           \
    F(896,  USHORT,    QtdNotasFiscais,                    RW)                           \
    F(898,  USHORT,    QtdAtivoImobilizado,                RW)                           \
    F(900,  USHORT,    TamanhoDadosAdicionaisComBarraZero, RW)                           \
    F(902,  USHORT,    TamanhoFinanceiro,                  RW)                           \
    F(904,  USHORT,    TamanhoGerencial,                   RW)                           \
    F(906,  USHORT,    QtdDadosDI,                         RW)                           \
    F(908,  UCHAR,     IndTipoNF,                          RW)                           \
    F(909,  RES(91),   Reservado909,                       NO)                           \
    F(1000, ARR(_REG_EF_NF_REFERIDA_PS, QtdNotasReferidas), pReferida, NO)               \
    F(1004, ARR(_REG_NOTAS_FISCIASPS, QtdNotasFiscais), pTransporte, NO)                 \
    F(1008, RES(4),    Reservado1008,                      NO)                           \
    F(1012, TXTP(TamanhoDadosAdicionaisComBarraZero), pDadosAdicionais, NO)              \
    F(1016, ARR(_REG_EF_NF_FINANCEIRO_PS, TamanhoFinanceiro), pParcela, NO)              \
    F(1020, ARR(_REG_EF_NF_GERENCIAL_PS, TamanhoGerencial), pGerencial, NO)              \
    F(1024, ARR(_REG_DADOS_DIPS, QtdDadosDI), pDI, NO)                                   \
    F(1028, RES(4),    Reservado1028,                      NO)
TOLV_ESTRUTURA(_REG_ESCRITAFISCALPS, 1032)
// clang-format on

// One ICMS rate line of the document; a line whose rate is zero is not sent.
class TOLV_API TEFMovimentoAliquotaICMS : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoAliquotaICMS)
    TOLV_PADRAO(TEFMovimentoAliquotaICMS)

public:
    TOLV_ACESSORES(_REG_ALIQUOTASICMSPS)

    void CopiarPara(_REG_ALIQUOTASICMSPS* dst) const;
    // Written only into slots just allocated, never a null one:
    // NOLINTNEXTLINE(clang-analyzer-core.NonNullParamChecker)
    TOLV_ESCRITA_SIMPLES(TEFMovimentoAliquotaICMS, _REG_ALIQUOTASICMSPS)

protected:
    _REG_ALIQUOTASICMSPS m_ps;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoAliquotaICMS, _REG_ALIQUOTASICMSPS)

// The fiscal-bookkeeping movement.
class TOLV_API TEFMovimento : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimento)
    TOLV_PADRAO(TEFMovimento)

public:
    TOLV_ACESSORES(_REG_ESCRITAFISCALPS)

    CString GetDadosAdicionais() const { return m_DadosAdicionais; }
    void SetDadosAdicionais(const CString& v) { m_DadosAdicionais = v; }
    TXGerencialComposto GetGerencialComposto() const { return m_GerencialComposto; }
    void SetGerencialComposto(TXGerencialComposto v) { m_GerencialComposto = v; }

    // Fills dst with the record, its nested arrays and the first kept ICMS
    // rate, and appends the later kept rates to aliquotas (not emptied first).
    // A list, text or rate count too long for its 16-bit field, or two or more
    // kept rates with no array, is refused before anything is written.
    void CopiarPara(_REG_ESCRITAFISCALPS* dst,
                    CArray<_REG_ALIQUOTASICMSPS, const _REG_ALIQUOTASICMSPS&>* aliquotas) const;

    // Releases what CopiarPara allocated: each block's pointer nulled and its
    // count zeroed, QtdAliquotasICMS zeroed; a second call finds nothing.
    static void ZerarDelete(_REG_ESCRITAFISCALPS* ps);

protected:
    _REG_ESCRITAFISCALPS m_ps;
    CString m_DadosAdicionais;
    TXGerencialComposto m_GerencialComposto;

    TOLV_LISTA(TEFMovimentoAliquotaICMS, AliquotaICMS)
    TOLV_LISTA(TEFMovimentoItem, Item)
    TOLV_LISTA(TEFMovimentoDI, DI)
    TOLV_LISTA(TEFMovimentoParcela, Parcela)
    TOLV_LISTA(TEFMovimentoReferida, Referida)
    TOLV_LISTA(TEFMovimentoTransporte, Transporte)
};
