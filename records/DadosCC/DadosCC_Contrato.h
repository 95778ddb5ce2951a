// Purchase contracts, first generation: the contract with its amendments,
// readjustments, invoices, authorised users, apportionment lines, execution
// stages and instalments. Every text is a fixed field; dates are 16-bit day
// numbers.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosCC/DadosCC_Contrato2.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_CM_ADITIVO_CONTRATO_COMPRAPS(F)                    \
    F(0,   CY,       ValorAditivo,                   RW)                      \
    F(8,   USHORT,   DataAditivo,                    RW)                      \
    F(10,  TXT(121), DescricaoAditivo,               RW)                      \
    F(132, UCHAR,    SemValor,                       RW)                      \
    F(133, RES(19),  Reservado133,                   NO)
TOLV_ESTRUTURA(tagREG_CM_ADITIVO_CONTRATO_COMPRAPS, 152)

#define TOLV_LAYOUT_tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS(F)                   \
    F(0,   CY,       SaldoAnterior,                  RW)                      \
    F(8,   CY,       SaldoReajustado,                RW)                      \
    F(16,  CY,       IndiceReajuste,                 RW)                      \
    F(24,  USHORT,   DataReajuste,                   RW)                      \
    F(26,  USHORT,   PonteiroUsuario,                RW)                      \
    F(28,  USHORT,   DataGravacao,                   RW)                      \
    F(30,  TXT(23),  NomeIndice,                     RW)                      \
    F(54,  RES(18),  Reservado54,                    NO)
TOLV_ESTRUTURA(tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS, 72)

#define TOLV_LAYOUT_tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS(F)                \
    F(0,   CY,       ValorTotal,                     RW)                      \
    F(8,   RES(8),   Reservado8,                     NO)                      \
    F(16,  ULONG,    ChaveRegistroEntrada,           RW)                      \
    F(20,  LONG,     PonteiroFornecedor,             RW)                      \
    F(24,  USHORT,   DataEntrada,                    RW)                      \
    F(26,  TXT(15),  NumeroNotaFiscal,               RW)                      \
    F(42,  RES(22),  Reservado42,                    NO)
TOLV_ESTRUTURA(tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS, 64)

// The same line as the second generation's.
#define TOLV_LAYOUT_tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS(F) TOLV_LAYOUT_tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS(F)
TOLV_ESTRUTURA(tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS, 32)

#define TOLV_LAYOUT_tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS(F)                   \
    F(0,   TXT(51),  Nome,                           RW)                      \
    F(52,  RES(4),   Reservado52,                    NO)                      \
    F(56,  CY,       PercConcluido,                  RW)                      \
    F(64,  USHORT,   DataInicio,                     RW)                      \
    F(66,  USHORT,   DataTermino,                    RW)                      \
    F(68,  TXT(513), Descricao,                      RW)                      \
    F(582, RES(26),  Reservado582,                   NO)
TOLV_ESTRUTURA(tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS, 608)

#define TOLV_LAYOUT_tagREG_CM_PARCELA_CONTRATO_COMPRAPS(F)                    \
    F(0,   CY,       ValorParcela,                   RW)                      \
    F(8,   USHORT,   DataCompetencia,                RW)                      \
    F(10,  USHORT,   PonteiroTipoVencto,             RW)                      \
    F(12,  USHORT,   DataVencto,                     RW)                      \
    F(14,  UCHAR,    FoiAlterada,                    RW)                      \
    F(15,  UCHAR,    SaldoRealizado,                 RW)                      \
    F(16,  UCHAR,    NumeroDaParcela,                RW)                      \
    F(17,  RES(23),  Reservado17,                    NO)
TOLV_ESTRUTURA(tagREG_CM_PARCELA_CONTRATO_COMPRAPS, 40)

// Seven 32-bit signed counts, then the seven pointers, readjustments first.
#define TOLV_LAYOUT_tagREG_CM_CONTRATO_COMPRAPS(F)                                          \
    F(0,   CY,       ValorContrato,                  RW)                                    \
    F(8,   CY,       ValorUltimoReajuste,            RW)                                    \
    F(16,  CY,       IndiceUltimoReajuste,           RW)                                    \
    F(24,  CY,       SaldoContrato,                  RW)                                    \
    F(32,  ULONG,    ChaveRegistro,                  RW)                                    \
    F(36,  LONG,     PonteiroFornecedor,             RW)                                    \
    F(40,  LONG,     PonteiroClassifEmp,             RW)                                    \
    F(44,  LONG,     PonteiroCentroCustos,           RW)                                    \
    F(48,  USHORT,   PonteiroFilial,                 RW)                                    \
    F(50,  USHORT,   DataPrimeiroVencimento,         RW)                                    \
    F(52,  USHORT,   PonteiroTipoPeriodo,            RW)                                    \
    F(54,  USHORT,   NumeroDiasTipoPeriodo,          RW)                                    \
    F(56,  USHORT,   PonteiroTipoCobranca,           RW)                                    \
    F(58,  USHORT,   DataReferencia,                 RW)                                    \
    F(60,  USHORT,   DataInicialVigencia,            RW)                                    \
    F(62,  USHORT,   DataFinalVigencia,              RW)                                    \
    F(64,  USHORT,   DataUltimoReajuste,             RW)                                    \
    F(66,  USHORT,   PonteiroUsuarioUltimaGravacao,  RW)                                    \
    F(68,  USHORT,   DataUltimaGravacao,             RW)                                    \
    F(70,  USHORT,   HoraUltimaGravacao,             RW)                                    \
    F(72,  TXT(21),  NumeroContrato,                 RW)                                    \
    F(94,  TXT(121), DescricaoContrato,              RW)                                    \
    F(216, TXT(25),  IndiceReajuste,                 RW)                                    \
    F(242, TXT(501), Observacao,                     RW)                                    \
    F(744, RES(1),   Reservado744,                   NO)                                    \
    F(745, UCHAR,    SituacaoCancelado,              RW)                                    \
    F(746, UCHAR,    ContratoExcluido,               RW)                                    \
    F(747, UCHAR,    GerarPrevisao,                  RW)                                    \
    F(748, UCHAR,    ControlarAcesso,                RW)                                    \
    F(749, RES(1),   Reservado749,                   NO)                                    \
    F(750, RES(22),  Reservado750,                   NO)                                    \
    F(772, LONG,     QtdReajuste,                    NO)                                    \
    F(776, LONG,     QtdAditivo,                     NO)                                    \
    F(780, LONG,     QtdNotaFiscal,                  NO)                                    \
    F(784, LONG,     QtdUsuario,                     NO)                                    \
    F(788, LONG,     QtdClassificacao,               NO)                                    \
    F(792, LONG,     QtdExecucao,                    NO)                                    \
    F(796, LONG,     QtdParcela,                     NO)                                    \
    F(800, ARR(tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS, QtdReajuste), pReajuste, NO)           \
    F(804, ARR(tagREG_CM_ADITIVO_CONTRATO_COMPRAPS, QtdAditivo), pAditivo, NO)              \
    F(808, ARR(tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS, QtdNotaFiscal), pNotaFiscal, NO)    \
    F(812, ARR(tagREG_CM_USUARIO_CONTRATO_COMPRAPS, QtdUsuario), pUsuario, NO)              \
    F(816, ARR(tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS, QtdClassificacao), pClassificacao, NO) \
    F(820, ARR(tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS, QtdExecucao), pExecucao, NO)           \
    F(824, ARR(tagREG_CM_PARCELA_CONTRATO_COMPRAPS, QtdParcela), pParcela, NO)              \
    F(828, RES(4),   Reservado828,                   NO)
TOLV_ESTRUTURA(tagREG_CM_CONTRATO_COMPRAPS, 832)
// clang-format on

// Declares a first-generation element: its structure and nothing else.
#define TOLV_CC_ELEMENTO(T, S)                                                                                         \
    class TOLV_API T : public TJQBaseParaDados {                                                                       \
        TOLV_PADRAO(T)                                                                                                 \
        TOLV_COMPARACAO(T)                                                                                             \
                                                                                                                       \
    public:                                                                                                            \
        TOLV_ACESSORES(S)                                                                                              \
                                                                                                                       \
        void CopiarPara(S* dst) const;                                                                                 \
        TOLV_ESCRITA_SIMPLES(T, S)                                                                                     \
        void CopiarDe(S* src);                                                                                         \
        TOLV_LEITURA_SIMPLES(T, S)                                                                                     \
                                                                                                                       \
    protected:                                                                                                         \
        S m_ps;                                                                                                        \
    };                                                                                                                 \
    TOLV_COPIA_POR_BYTES(T, S)                                                                                         \
    TOLV_IGUAL_SE_MESMOS_BYTES(T)

// One amendment of the contract.
TOLV_CC_ELEMENTO(TCMCCAditivo, tagREG_CM_ADITIVO_CONTRATO_COMPRAPS)
// One readjustment of the contract's balance.
TOLV_CC_ELEMENTO(TCMCCReajuste, tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS)
// One invoice received under the contract.
TOLV_CC_ELEMENTO(TCMCCNotaFiscal, tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS)
// One user allowed to use the contract.
TOLV_CC_ELEMENTO(TCMCCUsuario, tagREG_CM_USUARIO_CONTRATO_COMPRAPS)
// One apportionment line.
TOLV_CC_ELEMENTO(TCMCCClassificacao, tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS)
// One execution stage.
TOLV_CC_ELEMENTO(TCMCCExecucao, tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS)
// One instalment.
TOLV_CC_ELEMENTO(TCMCCParcela, tagREG_CM_PARCELA_CONTRATO_COMPRAPS)

// The contract.
class TOLV_API TCMCCContrato : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCCContrato)
    TOLV_COMPARACAO(TCMCCContrato)

public:
    TOLV_ACESSORES(tagREG_CM_CONTRATO_COMPRAPS)

    // Import markers: kept in the record and compared, never sent.
    long GetLinhaImportacao() const { return m_LinhaImportacao; }
    void SetLinhaImportacao(long v) { m_LinhaImportacao = v; }
    bool GetEhImportacao() const { return m_EhImportacao; }
    void SetEhImportacao(bool v) { m_EhImportacao = v; }
    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(CIEVinculo v) { m_Vinculo = v; }

    // Each list goes as one array new block owned by the receiver, who
    // releases each with array delete; an empty list leaves count 0 and a null
    // pointer.
    void CopiarPara(tagREG_CM_CONTRATO_COMPRAPS* dst) const;
    // A count of zero or less reads no element.
    void CopiarDe(tagREG_CM_CONTRATO_COMPRAPS* src);

protected:
    tagREG_CM_CONTRATO_COMPRAPS m_ps;
    long m_LinhaImportacao = 0;
    bool m_EhImportacao = false;
    CIEVinculo m_Vinculo;

    TOLV_LISTA(TCMCCAditivo, Aditivo)
    TOLV_LISTA(TCMCCReajuste, Reajuste)
    TOLV_LISTA(TCMCCNotaFiscal, NotaFiscal)
    TOLV_LISTA(TCMCCUsuario, Usuario)
    TOLV_LISTA(TCMCCClassificacao, Classificacao)
    TOLV_LISTA(TCMCCExecucao, Execucao)
    TOLV_LISTA(TCMCCParcela, Parcela)
};
