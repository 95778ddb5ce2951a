// Purchase contracts, second generation: the contract with its amendments,
// readjustments, invoices, apportionment lines, execution stages, instalments
// and authorised users.
#pragma once

#include "companions/IEVinculo.h"
#include "core/JQCurrency.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "platform/afxstr.h"

// clang-format off
// One authorised user. The first generation holds it as a record of its own;
// the second carries a plain reference in the same 8-byte entry.
#define TOLV_LAYOUT_tagREG_CM_USUARIO_CONTRATO_COMPRAPS(F)                    \
    F(0,   LONG,     PonteiroUsuario,                RW)                      \
    F(4,   RES(4),   Reservado4,                     NO)
TOLV_ESTRUTURA(tagREG_CM_USUARIO_CONTRATO_COMPRAPS, 8)

// One apportionment line; both generations send it with this layout.
#define TOLV_LAYOUT_tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS(F)                 \
    F(0,   CY,       PercRateio,                     RW)                      \
    F(8,   LONG,     PonteiroClassificacao,          RW)                      \
    F(12,  LONG,     PonteiroGerencial,              RW)                      \
    F(16,  RES(16),  Reservado16,                    NO)
TOLV_ESTRUTURA(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS, 32)

#define TOLV_LAYOUT_tagREG_ADITIVO_CONTRATO_COMPRAPS(F)                       \
    F(0,   DATA,     RegDataAditivo,                 RW)                      \
    F(8,   CY,       ValorAditivo,                   RW)                      \
    F(16,  USHORT,   TamDescricao,                   NO)                      \
    F(18,  RES(2),   Reservado18,                    NO)                      \
    F(20,  TXTP(TamDescricao), pDescricao,           NO)                      \
    F(24,  RES(24),  Reservado24,                    NO)
TOLV_ESTRUTURA(tagREG_ADITIVO_CONTRATO_COMPRAPS, 48)

#define TOLV_LAYOUT_tagREG_REAJUSTE_CONTRATO_COMPRAPS(F)                      \
    F(0,   DATA,     RegDataReajuste,                RW)                      \
    F(8,   DATA,     RegDataGravacao,                RW)                      \
    F(16,  CY,       SaldoAnterior,                  RW)                      \
    F(24,  CY,       SaldoReajustado,                RW)                      \
    F(32,  CY,       IndiceReajuste,                 RW)                      \
    F(40,  USHORT,   PonteiroUsuario,                RW)                      \
    F(42,  TXT(23),  NomeIndice,                     RW)                      \
    F(66,  RES(22),  Reservado66,                    NO)
TOLV_ESTRUTURA(tagREG_REAJUSTE_CONTRATO_COMPRAPS, 88)

#define TOLV_LAYOUT_tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS(F)                   \
    F(0,   DMC,      RegPonteiroRE,                  RW)                      \
    F(8,   DATA,     RegDataEntrada,                 RW)                      \
    F(16,  CY,       ValorTotal,                     RW)                      \
    F(24,  LONG,     PonteiroFornecedor,             RW)                      \
    F(28,  TXT(15),  NumeroNotaFiscal,               RW)                      \
    F(44,  RES(20),  Reservado44,                    NO)
TOLV_ESTRUTURA(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS, 64)

#define TOLV_LAYOUT_tagREG_EXECUCAO_CONTRATO_COMPRAPS(F)                      \
    F(0,   DATA,     RegDataInicio,                  RW)                      \
    F(8,   DATA,     RegDataTermino,                 RW)                      \
    F(16,  CY,       PercConcluido,                  RW)                      \
    F(24,  USHORT,   TamDescricao,                   NO)                      \
    F(26,  RES(2),   Reservado26,                    NO)                      \
    F(28,  TXTP(TamDescricao), pDescricao,           NO)                      \
    F(32,  TXT(51),  Nome,                           RW)                      \
    F(84,  RES(20),  Reservado84,                    NO)
TOLV_ESTRUTURA(tagREG_EXECUCAO_CONTRATO_COMPRAPS, 104)

#define TOLV_LAYOUT_tagREG_PARCELA_CONTRATO_COMPRAPS(F)                       \
    F(0,   DATA,     RegDataVencimento,              RW)                      \
    F(8,   DATA,     RegDataCompetencia,             RW)                      \
    F(16,  DATA,     RegDataInicioVigenciaMultas,    RW)                      \
    F(24,  DATA,     RegDataValidadeDescontos,       RW)                      \
    F(32,  CY,       ValorParcela,                   RW)                      \
    F(40,  CY,       PercentualJuros,                RW)                      \
    F(48,  CY,       PercentualMultas,               RW)                      \
    F(56,  CY,       PercentualDescontos,            RW)                      \
    F(64,  USHORT,   PonteiroTipoVencto,             RW)                      \
    F(66,  UCHAR,    SaldoRealizado,                 RW)                      \
    F(67,  CHAR,     PeriodoJuros,                   RW)                      \
    F(68,  UCHAR,    NumeroDaParcela,                RW)                      \
    F(69,  RES(27),  Reservado69,                    NO)
TOLV_ESTRUTURA(tagREG_PARCELA_CONTRATO_COMPRAPS, 96)

// The lists' slots lie in another order than the lists: readjustments first.
#define TOLV_LAYOUT_tagREG_CONTRATO_COMPRAPS(F)                                          \
    F(0,   DMAHMS,   RegDataHoraUltimaAlteracao,     RW)                                 \
    F(8,   DMC,      RegPonteiroHistoricoAnterior,   RW)                                 \
    F(16,  DMC,      RegPonteiroEsteCC,              RW)                                 \
    F(24,  DATA,     RegDataPrimeiroVencimento,      RW)                                 \
    F(32,  DATA,     RegDataReferencia,              RW)                                 \
    F(40,  DATA,     RegDataVigenciaInicial,         RW)                                 \
    F(48,  DATA,     RegDataVigenciaFinal,           RW)                                 \
    F(56,  CY,       ValorOriginalContrato,          RW)                                 \
    F(64,  CY,       SaldoContrato,                  RW)                                 \
    F(72,  CY,       ValorTotalContrato,             RW)                                 \
    F(80,  LONG,     PonteiroFornecedor,             RW)                                 \
    F(84,  LONG,     PonteiroClassifEmp,             RW)                                 \
    F(88,  LONG,     PonteiroGerencial,              RW)                                 \
    F(92,  USHORT,   PonteiroFilial,                 RW)                                 \
    F(94,  USHORT,   PonteiroTipoPeriodo,            RW)                                 \
    F(96,  USHORT,   PonteiroTipoCobranca,           RW)                                 \
    F(98,  USHORT,   PonteiroUsuarioUltimaAlteracao, RW)                                 \
    F(100, UCHAR,    Cancelado,                      RW)                                 \
    F(101, UCHAR,    Excluido,                       RW)                                 \
    F(102, UCHAR,    GerarPrevisao,                  RW)                                 \
    F(103, RES(1),   Reservado103,                   NO)                                 \
    F(104, UCHAR,    ControlarAcesso,                RW)                                 \
    F(105, TXT(23),  NomeIndice,                     RW)                                 \
    F(129, TXT(21),  NumeroContrato,                 RW)                                 \
    F(151, RES(1),   Reservado151,                   NO)                                 \
    F(152, USHORT,   TamDescricaoContrato,           NO)                                 \
    F(154, RES(2),   Reservado154,                   NO)                                 \
    F(156, TXTP(TamDescricaoContrato), pDescricaoContrato, NO)                           \
    F(160, USHORT,   TamObservacao,                  NO)                                 \
    F(162, RES(2),   Reservado162,                   NO)                                 \
    F(164, TXTP(TamObservacao), pObservacao,         NO)                                 \
    F(168, USHORT,   QtdReajuste,                    NO)                                 \
    F(170, RES(2),   Reservado170,                   NO)                                 \
    F(172, ARR(tagREG_REAJUSTE_CONTRATO_COMPRAPS, QtdReajuste), pReajuste, NO)           \
    F(176, USHORT,   QtdAditivo,                     NO)                                 \
    F(178, RES(2),   Reservado178,                   NO)                                 \
    F(180, ARR(tagREG_ADITIVO_CONTRATO_COMPRAPS, QtdAditivo), pAditivo, NO)              \
    F(184, USHORT,   QtdNotaFiscal,                  NO)                                 \
    F(186, RES(2),   Reservado186,                   NO)                                 \
    F(188, ARR(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS, QtdNotaFiscal), pNotaFiscal, NO)    \
    F(192, USHORT,   QtdUsuario,                     NO)                                 \
    F(194, RES(2),   Reservado194,                   NO)                                 \
    F(196, ARR(tagREG_CM_USUARIO_CONTRATO_COMPRAPS, QtdUsuario), pUsuario, NO)           \
    F(200, USHORT,   QtdClassificacao,               NO)                                 \
    F(202, RES(2),   Reservado202,                   NO)                                 \
    F(204, ARR(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS, QtdClassificacao), pClassificacao, NO) \
    F(208, USHORT,   QtdExecucao,                    NO)                                 \
    F(210, RES(2),   Reservado210,                   NO)                                 \
    F(212, ARR(tagREG_EXECUCAO_CONTRATO_COMPRAPS, QtdExecucao), pExecucao, NO)           \
    F(216, USHORT,   QtdParcela,                     NO)                                 \
    F(218, RES(2),   Reservado218,                   NO)                                 \
    F(220, ARR(tagREG_PARCELA_CONTRATO_COMPRAPS, QtdParcela), pParcela, NO)              \
    F(224, RES(24),  Reservado224,                   NO)
TOLV_ESTRUTURA(tagREG_CONTRATO_COMPRAPS, 248)
// clang-format on

// One amendment of the contract.
class TOLV_API TCMCC2Aditivo : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Aditivo)
    TOLV_COMPARACAO(TCMCC2Aditivo)

public:
    TOLV_ACESSORES(tagREG_ADITIVO_CONTRATO_COMPRAPS)

    CString GetDescricao() const { return m_Descricao; }
    void SetDescricao(const CString& v) { m_Descricao = v; }

    // The description travels as length plus one and a new[] block owned by
    // the receiver; one too long for the 16-bit length is refused.
    void CopiarPara(tagREG_ADITIVO_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMCC2Aditivo, tagREG_ADITIVO_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_ADITIVO_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA(TCMCC2Aditivo, tagREG_ADITIVO_CONTRATO_COMPRAPS)

protected:
    CString m_Descricao;
    tagREG_ADITIVO_CONTRATO_COMPRAPS m_ps;
};

// One readjustment of the contract's balance.
class TOLV_API TCMCC2Reajuste : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Reajuste)
    TOLV_COMPARACAO(TCMCC2Reajuste)

public:
    TOLV_ACESSORES(tagREG_REAJUSTE_CONTRATO_COMPRAPS)

    void CopiarPara(tagREG_REAJUSTE_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCC2Reajuste, tagREG_REAJUSTE_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_REAJUSTE_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMCC2Reajuste, tagREG_REAJUSTE_CONTRATO_COMPRAPS)

protected:
    tagREG_REAJUSTE_CONTRATO_COMPRAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMCC2Reajuste, tagREG_REAJUSTE_CONTRATO_COMPRAPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMCC2Reajuste)

// One invoice received under the contract.
class TOLV_API TCMCC2NotaFiscal : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2NotaFiscal)
    TOLV_COMPARACAO(TCMCC2NotaFiscal)

public:
    TOLV_ACESSORES(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)

    void CopiarPara(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCC2NotaFiscal, tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMCC2NotaFiscal, tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)

protected:
    tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMCC2NotaFiscal, tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMCC2NotaFiscal)

// One apportionment line: a percentage of the contract for one classification.
// Its amount is kept in the record only.
class TOLV_API TCMCC2Classificacao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Classificacao)
    TOLV_COMPARACAO(TCMCC2Classificacao)

public:
    TOLV_ACESSORES(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS)

    tagCY GetValorRateio() const { return m_ValorRateio; }
    void SetValorRateio(tagCY v) { m_ValorRateio = v; }

    // PercRateio = ValorRateio x 100 / base (nothing when the amount is zero).
    tagCY CalculaPercentual(CJQCurrencyEx base);
    // ValorRateio = PercRateio x base / 100 (nothing when the percentage is zero).
    tagCY CalculaValor(CJQCurrencyEx base);

    void CopiarPara(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCC2Classificacao, tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMCC2Classificacao, tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS)

protected:
    tagCY m_ValorRateio{};
    tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS m_ps;
};

// One execution stage of the contract.
class TOLV_API TCMCC2Execucao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Execucao)
    TOLV_COMPARACAO(TCMCC2Execucao)

public:
    TOLV_ACESSORES(tagREG_EXECUCAO_CONTRATO_COMPRAPS)

    CString GetDescricao() const { return m_Descricao; }
    void SetDescricao(const CString& v) { m_Descricao = v; }

    // As the amendment's: a new[] description owned by the receiver.
    void CopiarPara(tagREG_EXECUCAO_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA(TCMCC2Execucao, tagREG_EXECUCAO_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_EXECUCAO_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA(TCMCC2Execucao, tagREG_EXECUCAO_CONTRATO_COMPRAPS)

protected:
    CString m_Descricao;
    tagREG_EXECUCAO_CONTRATO_COMPRAPS m_ps;
};

// One instalment with its interest, fine and discount terms. The three
// amounts are kept in the record only.
class TOLV_API TCMCC2Parcela : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Parcela)
    TOLV_COMPARACAO(TCMCC2Parcela)

public:
    TOLV_ACESSORES(tagREG_PARCELA_CONTRATO_COMPRAPS)

    tagCY GetValorJuros() const { return m_ValorJuros; }
    void SetValorJuros(tagCY v) { m_ValorJuros = v; }
    tagCY GetValorMultas() const { return m_ValorMultas; }
    void SetValorMultas(tagCY v) { m_ValorMultas = v; }
    tagCY GetValorDescontos() const { return m_ValorDescontos; }
    void SetValorDescontos(tagCY v) { m_ValorDescontos = v; }

    // Percentage = amount x 100 / base; amount = percentage x base / 100. A
    // zero input returns zero and leaves the other of the pair as it was.
    tagCY CalculaPercentualJuros(CJQCurrencyEx base);
    tagCY CalculaValorJuros(CJQCurrencyEx base);
    tagCY CalculaPercentualMultas(CJQCurrencyEx base);
    tagCY CalculaValorMultas(CJQCurrencyEx base);
    tagCY CalculaPercentualDescontos(CJQCurrencyEx base);
    tagCY CalculaValorDescontos(CJQCurrencyEx base);

    void CopiarPara(tagREG_PARCELA_CONTRATO_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCC2Parcela, tagREG_PARCELA_CONTRATO_COMPRAPS)
    void CopiarDe(tagREG_PARCELA_CONTRATO_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMCC2Parcela, tagREG_PARCELA_CONTRATO_COMPRAPS)

protected:
    tagCY m_ValorJuros{};
    tagCY m_ValorMultas{};
    tagCY m_ValorDescontos{};
    tagREG_PARCELA_CONTRATO_COMPRAPS m_ps;
};

// The contract.
class TOLV_API TCMCC2Contrato : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCC2Contrato)
    TOLV_COMPARACAO(TCMCC2Contrato)

public:
    TOLV_ACESSORES(tagREG_CONTRATO_COMPRAPS)

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }
    CString GetDescricaoContrato() const { return m_DescricaoContrato; }
    void SetDescricaoContrato(const CString& v) { m_DescricaoContrato = v; }
    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(CIEVinculo v) { m_Vinculo = v; }

    // Texts and arrays are new[] blocks owned by the receiver. A list over
    // 65,535 elements or a text of 65,535 characters or more is refused; what
    // was written up to then is released by ZerarDelete.
    void CopiarPara(tagREG_CONTRATO_COMPRAPS* dst) const;
    void CopiarDe(tagREG_CONTRATO_COMPRAPS* src);

    // Release the texts and arrays of a structure written by CopiarPara (array
    // new) or received from the other side (task allocator), the amendments'
    // and stages' texts first; every pointer is left null and every count and
    // length 0, so a second call does nothing.
    static void ZerarDelete(tagREG_CONTRATO_COMPRAPS* ps);
    static void ZerarGlobalAlloc(tagREG_CONTRATO_COMPRAPS* ps);

protected:
    CString m_Observacao;
    CString m_DescricaoContrato;
    CIEVinculo m_Vinculo;
    tagREG_CONTRATO_COMPRAPS m_ps;

    TOLV_LISTA(TCMCC2Aditivo, Aditivo)
    TOLV_LISTA(TCMCC2Reajuste, Reajuste)
    TOLV_LISTA(TCMCC2NotaFiscal, NotaFiscal)
    TOLV_LISTA(TCMCC2Classificacao, Classificacao)
    TOLV_LISTA(TCMCC2Execucao, Execucao)
    TOLV_LISTA(TCMCC2Parcela, Parcela)
    TOLV_LISTA(long, Usuario)
};
