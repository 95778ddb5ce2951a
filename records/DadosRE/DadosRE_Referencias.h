// Small records of the entry register: referred invoices, CFOP notes and the
// association of an entry item with a purchase-order item.
#pragma once

#include "core/Layout.h"
#include "core/Registro.h"
#include "platform/afxstr.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_RE_NF_REFERIDA_PS(F)                               \
    F(0,  DATA,    RegDataEmissaoNotaFiscalOrigem, RW)                        \
    F(8,  NFE,     RegNFe,                         RW)                        \
    F(32, CY,      ValorTotalNotaFiscalOrigem,     RW)                        \
    F(40, LONG,    PonteiroNF,                     RW)                        \
    F(44, USHORT,  PonteiroECF,                    RW)                        \
    F(46, UCHAR,   TipoNota,                       RW)                        \
    F(47, TXT(17), NumeroNotaFiscalOrigem,         RW)                        \
    F(65, TXT(3),  ModeloNotaFiscalOrigem,         RW)                        \
    F(69, TXT(5),  SubserieNotaFiscalOrigem,       RW)                        \
    F(75, TXT(5),  SerieNotaFiscalOrigem,          RW)                        \
    F(81, RES(23), Reservado81,                    NO)
TOLV_ESTRUTURA(tagREG_RE_NF_REFERIDA_PS, 104)

#define TOLV_LAYOUT_tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS(F)              \
    F(0,  LONG,    PonteiroCFOP,       RW)                                    \
    F(4,  USHORT,  TamObservacao,  NO)                                    \
    F(6,  RES(22), Reservado6,         NO)                                    \
    F(28, TXTP(TamObservacao), pObservacao, NO)
TOLV_ESTRUTURA(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS, 32)

#define TOLV_LAYOUT_tagREG_ASSOCIACAO_ITEM_RE_OCPS(F)                         \
    F(0,  CY,      TaxaConversao_deprecated, RW)                              \
    F(8,  CY,      Baixado,                  RW)                              \
    F(16, LONG,    Ordem,                    RW)                              \
    F(20, USHORT,  SequenciaItem,            RW)                              \
    F(22, RES(18), Reservado22,              NO)
TOLV_ESTRUTURA(tagREG_ASSOCIACAO_ITEM_RE_OCPS, 40)
// clang-format on

// An invoice the entry refers to.
class TOLV_API TCMRENFReferidas : public TJQBaseParaDados {
    TOLV_PADRAO(TCMRENFReferidas)
    TOLV_COMPARACAO(TCMRENFReferidas)

public:
    TOLV_ACESSORES(tagREG_RE_NF_REFERIDA_PS)

    void CopiarPara(tagREG_RE_NF_REFERIDA_PS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMRENFReferidas, tagREG_RE_NF_REFERIDA_PS)
    void CopiarDe(tagREG_RE_NF_REFERIDA_PS* src);

protected:
    tagREG_RE_NF_REFERIDA_PS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMRENFReferidas, tagREG_RE_NF_REFERIDA_PS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMRENFReferidas)

// A free note attached to one CFOP of the entry.
class TOLV_API TCMREObservacaoCFOP : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREObservacaoCFOP)
    TOLV_COMPARACAO(TCMREObservacaoCFOP)

public:
    TOLV_ACESSORES(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS)

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    // The note travels as length plus one and a new[] block owned by the
    // receiver; a note too long for the 16-bit size is refused.
    void CopiarPara(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS* dst) const;
    TOLV_ESCRITA(TCMREObservacaoCFOP, tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS)
    void CopiarDe(tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS* src);

protected:
    CString m_Observacao;
    tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS m_ps;
};

// Link of an entry item to one purchase-order item.
class TOLV_API TCMREItemAssociacaoREOC : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREItemAssociacaoREOC)
    TOLV_COMPARACAO(TCMREItemAssociacaoREOC)

public:
    TOLV_ACESSORES(tagREG_ASSOCIACAO_ITEM_RE_OCPS)

    // Kept in the record only; never travels in the structure.
    bool GetCancelarItem() const { return m_CancelarItem; }
    void SetCancelarItem(bool v) { m_CancelarItem = v; }

    void CopiarPara(tagREG_ASSOCIACAO_ITEM_RE_OCPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMREItemAssociacaoREOC, tagREG_ASSOCIACAO_ITEM_RE_OCPS)
    void CopiarDe(tagREG_ASSOCIACAO_ITEM_RE_OCPS* src);

protected:
    tagREG_ASSOCIACAO_ITEM_RE_OCPS m_ps;
    bool m_CancelarItem;
};
