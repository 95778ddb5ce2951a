// Inventory movement: the movement handed to inventory, with its accounting
// postings, composition lines and references to other movements.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Rateio.h"
#include "core/Registro.h"
#include "platform/afxstr.h"
#include "records/DadosRE/DadosRE_ComposicaoES.h"

// clang-format off
// One accounting posting; its management lines travel in the 16-byte form.
#define TOLV_LAYOUT__REG_ES_CONTABILIZACAOPS(F)                                \
    F(0,   CY,       Valor,                  RW)                               \
    F(8,   LONG,     PonteiroGerencial,      RW)                               \
    F(12,  LONG,     PonteiroContaCredito,   RW)                               \
    F(16,  LONG,     PonteiroContaDebito,    RW)                               \
    F(20,  LONG,     PonteiroCompHist,       RW)                               \
    F(24,  LONG,     PonteiroContabilizacao, RW)                               \
    F(28,  USHORT,   PonteiroHistorico,      RW)                               \
    F(30,  USHORT,   QtdGerencial,           NO)                               \
    F(32,  RES(16),  Reservado32,            NO)                               \
    F(48,  TXT(511), CompHistorico,          RW)                               \
    F(560, ARR(_REG_ES_GERENCIALPS, QtdGerencial), pGerencial, NO)             \
    F(564, RES(4),   Reservado564,           NO)
TOLV_ESTRUTURA(_REG_ES_CONTABILIZACAOPS, 568)

#define TOLV_LAYOUT__REG_ES_MOV_REFERENCIAPS(F)                                \
    F(0, LONG,   PonteiroMovRef, RW)                                           \
    F(4, RES(4), Reservado4,     NO)
TOLV_ESTRUTURA(_REG_ES_MOV_REFERENCIAPS, 8)

#define TOLV_LAYOUT__REG_ES_MOVIMENTOPS(F)                                     \
    F(0,   CY,       ValorICMS,                      RW)                       \
    F(8,   CY,       ValorIPI,                       RW)                       \
    F(16,  CY,       PesoBrutoUnitario,              RW)                       \
    F(24,  CY,       PesoBrutoTotal,                 RW)                       \
    F(32,  CY,       PesoLiquidoUnitario,            RW)                       \
    F(40,  CY,       PesoLiquidoTotal,               RW)                       \
    F(48,  LONG,     PonteiroEmbalagem,              RW)                       \
    F(52,  USHORT,   PonteiroCFOP,                   RW)                       \
    F(54,  RES(2),   Reservado54,                    NO)                       \
    F(56,  CY,       ValorICMS_ST,                   RW)                       \
    F(64,  CY,       BCICMS_ST,                      RW)                       \
    F(72,  CY,       BCICMS,                         RW)                       \
    F(80,  TXTX(36), NumeroLote,                     RW)                       \
    F(116, USHORT,   DataFabricacao,                 RW)                       \
    F(118, USHORT,   DataValidade,                   RW)                       \
    F(120, USHORT,   DataEntrada,                    RW)                       \
    F(122, USHORT,   NumeroDias,                     RW)                       \
    F(124, RES(4),   Reservado124,                   NO)                       \
    F(128, POS,      RegPosicaoProduto,              RW)                       \
    F(144, RES(32),  Reservado144,                   NO)                       \
    F(176, TXT(36),  Volume,                         RW)                       \
    F(213, RES(3),   Reservado213,                   NO)                       \
    F(216, TXT(36),  NumeroControleFCI,              RW)                       \
    F(253, RES(3),   Reservado253,                   NO)                       \
    F(256, TXTX(16), Documento,                      RW)                       \
    F(272, CY,       Quantidade,                     RW)                       \
    F(280, CY,       v8ValorUnitario,                RW)                       \
    F(288, CY,       ValorTotal,                     RW)                       \
    F(296, RES(32),  Reservado296,                   NO)                       \
    F(328, CY,       ValorAVP,                       RW)                       \
    F(336, CY,       ParcelaImportada,               RW)                       \
    F(344, CY,       ParcelaImportadaUnitaria,       RW)                       \
    F(352, RES(16),  Reservado352,                   NO)                       \
    F(368, LONG,     PonteiroComplemento,            RW)                       \
    F(372, LONG,     PonteiroCompletaMovimento,      RW)                       \
    F(376, LONG,     PonteiroContabilizacao,         RW)                       \
    F(380, LONG,     PonteiroComposicao,             RW)                       \
    F(384, LONG,     PonteiroLote,                   RW)                       \
    F(388, LONG,     PonteiroForLote,                RW)                       \
    F(392, LONG,     PonteiroForEPTETPE,             RW)                       \
    F(396, LONG,     PonteiroCliEPTETPE,             RW)                       \
    F(400, LONG,     PonteiroFornecedorCliente,      RW)                       \
    F(404, LONG,     PonteiroContaEstoqueCusto,      RW)                       \
    F(408, LONG,     PonteiroContaProdutoElaboracao, RW)                       \
    F(412, LONG,     ChaveQuemGerou,                 RW)                       \
    F(416, LONG,     Posicao,                        RW)                       \
    F(420, LONG,     PonteiroMovimentoReferencia,    RW)                       \
    F(424, LONG,     PonteiroMovRefTransferencia,    RW)                       \
    F(428, LONG,     PonteiroReferencia,             RW)                       \
    F(432, RES(8),   Reservado432,                   NO)                       \
    F(440, LONG,     PonteiroVolume,                 RW)                       \
    F(444, LONG,     PonteiroDescricaoBarras,        RW)                       \
    F(448, LONG,     PonteiroMovOrigemIndEPT,        RW)                       \
    F(452, RES(4),   Reservado452,                   NO)                       \
    F(456, ULONG,    ComplementoQuemGerou,           RW)                       \
    F(460, ULONG,    PonteiroControleFCI,            RW)                       \
    F(464, ULONG,    PonteiroECF,                    RW)                       \
    F(468, RES(8),   Reservado468,                   NO)                       \
    F(476, USHORT,   PonteiroFilial,                 RW)                       \
    F(478, USHORT,   PonteiroLocalArmazenagem,       RW)                       \
    F(480, USHORT,   PonteiroLocalTransferido,       RW)                       \
    F(482, USHORT,   PonteiroTipoDocumento,          RW)                       \
    F(484, USHORT,   DataMovimento,                  RW)                       \
    F(486, USHORT,   HoraMovimento,                  RW)                       \
    F(488, USHORT,   DataInclusao,                   RW)                       \
    F(490, RES(2),   Reservado490,                   NO)                       \
    F(492, USHORT,   DataModificacao,                RW)                       \
    F(494, RES(6),   Reservado494,                   NO)                       \
    F(500, USHORT,   ModuloQuemGerou,                RW)                       \
    F(502, USHORT,   DataQuemGerou,                  RW)                       \
    F(504, USHORT,   QtdContabil,                    NO)                       \
    F(506, USHORT,   QtdComposicao,                  NO)                       \
    F(508, USHORT,   QtdReferencia,                  NO)                       \
    F(510, USHORT,   PercentualConteudoImportacao,   RW)                       \
    F(512, UCHAR,    TipoMovimento,                  RW)                       \
    F(513, UCHAR,    TipoEstoqueArmazenagem,         RW)                       \
    F(514, UCHAR,    TipoEstoqueTransferido,         RW)                       \
    F(515, UCHAR,    Estornado,                      RW)                       \
    F(516, UCHAR,    Composicao,                     RW)                       \
    F(517, UCHAR,    OrigemDocumento,                RW)                       \
    F(518, UCHAR,    AtivoFixo,                      RW)                       \
    F(519, UCHAR,    TipoProducao,                   RW)                       \
    F(520, UCHAR,    FormaValorizacao,               RW)                       \
    F(521, UCHAR,    QuemContabilizou,               RW)                       \
    F(522, UCHAR,    ValorEntradaProd,               RW)                       \
    F(523, UCHAR,    TipoValor,                      RW)                       \
    F(524, UCHAR,    TipoGerencial,                  RW)                       \
    F(525, UCHAR,    AjusteAutomatico,               RW)                       \
    F(526, RES(2),   Reservado526,                   NO)                       \
    F(528, UCHAR,    ConteudoImportado,              RW)                       \
    F(529, RES(1),   Reservado529,                   NO)                       \
    F(530, UCHAR,    TipoMovimentoIndEPT,            RW)                       \
    F(531, UCHAR,    ControleSaldosIndEPT,           RW)                       \
    F(532, RES(4),   Reservado532,                   NO)                       \
    F(536, ULONG,    TamComplemento,                 NO)                       \
    F(540, RES(4),   Reservado540,                   NO)                       \
    F(544, TXTP(TamComplemento), pComplemento,       NO)                       \
    F(548, RES(4),   Reservado548,                   NO)                       \
    F(552, ARR(_REG_ES_CONTABILIZACAOPS, QtdContabil),            pContabil,   NO) \
    F(556, ARR(_REG_ES_COMPOSICAO_PRODUTOPS, QtdComposicao),      pComposicao, NO) \
    F(560, ARR(_REG_ES_MOV_REFERENCIAPS, QtdReferencia),          pReferencia, NO) \
    F(564, RES(4),   Reservado564,                   NO)
TOLV_ESTRUTURA(_REG_ES_MOVIMENTOPS, 568)
// clang-format on

// One accounting posting of a movement, with its management lines (the base's
// list, which travels as 16-byte lines without their quantity).
class TOLV_API TESMovimentoContabil : public TCMRateioBase {
    DECLARE_DYNAMIC(TESMovimentoContabil)
    TOLV_PADRAO(TESMovimentoContabil)

public:
    TOLV_ACESSORES(_REG_ES_CONTABILIZACAOPS)

    // The line array is a new[] block owned by the receiver; more lines than
    // its count holds are refused before anything is allocated.
    void CopiarPara(_REG_ES_CONTABILIZACAOPS* dst) const;
    TOLV_ESCRITA(TESMovimentoContabil, _REG_ES_CONTABILIZACAOPS)
    void CopiarDe(_REG_ES_CONTABILIZACAOPS* src);
    TOLV_LEITURA(TESMovimentoContabil, _REG_ES_CONTABILIZACAOPS)

protected:
    _REG_ES_CONTABILIZACAOPS m_ps;
};

// One composition line of a movement: a component or lot with its quantities.
class TOLV_API TESMovimentoComposicao : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TESMovimentoComposicao)
    TOLV_PADRAO(TESMovimentoComposicao)

public:
    TOLV_ACESSORES(_REG_ES_COMPOSICAO_PRODUTOPS)

    tagCY Get4PIUnitaria() const { return m_ps.Valor4PIUnitaria; }
    void Set4PIUnitaria(tagCY v) { m_ps.Valor4PIUnitaria = v; }

    void CopiarPara(_REG_ES_COMPOSICAO_PRODUTOPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS)
    void CopiarDe(_REG_ES_COMPOSICAO_PRODUTOPS* src);
    TOLV_LEITURA_SIMPLES(TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS)

protected:
    _REG_ES_COMPOSICAO_PRODUTOPS m_ps;
};
TOLV_COPIA_POR_BYTES(TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS)

// One movement referred to by the movement.
class TOLV_API TESMovimentoReferencia : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TESMovimentoReferencia)
    TOLV_PADRAO(TESMovimentoReferencia)

public:
    TOLV_ACESSORES(_REG_ES_MOV_REFERENCIAPS)

    void CopiarPara(_REG_ES_MOV_REFERENCIAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS)
    void CopiarDe(_REG_ES_MOV_REFERENCIAPS* src);
    TOLV_LEITURA_SIMPLES(TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS)

protected:
    _REG_ES_MOV_REFERENCIAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS)

// An inventory movement of a product, with its postings, composition lines,
// references and a free complement text.
class TOLV_API TESMovimento : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TESMovimento)
    TOLV_PADRAO(TESMovimento)

public:
    TOLV_ACESSORES(_REG_ES_MOVIMENTOPS)

    CString GetComplemento() const { return m_Complemento; }
    void SetComplemento(const CString& v) { m_Complemento = v; }

    // Arrays and the complement are new[] blocks owned by the receiver, each
    // count written before its array is filled: after a failure (a list too
    // long for its count is refused), ZerarDelete releases what was written.
    void CopiarPara(_REG_ES_MOVIMENTOPS* dst) const;
    void CopiarDe(_REG_ES_MOVIMENTOPS* src);

    // Release every array and the complement, each pointer set to null after
    // its release; the counts stay. The complement's length goes to 0 with its
    // text (ZerarGlobalAlloc: always).
    static void ZerarGlobalAlloc(_REG_ES_MOVIMENTOPS* ps);
    static void ZerarDelete(_REG_ES_MOVIMENTOPS* ps);

    TOLV_LISTA(TESMovimentoContabil, Contabil)
    TOLV_LISTA(TESMovimentoComposicao, Composicao)
    TOLV_LISTA(TESMovimentoReferencia, Referencia)

protected:
    _REG_ES_MOVIMENTOPS m_ps;
    CString m_Complemento;
};
