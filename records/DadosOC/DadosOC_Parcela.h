// Small records of the purchase order: its instalments, and the authorization
// steps with the list that carries them on its own.
#pragma once

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_FATURA_COMPRAPS(F)                                 \
    F(0,  CY,      ValorParcela,           RW)                                \
    F(8,  RES(4),  Reservado8,             NO)                                \
    F(12, USHORT,  DataVencimento,         RW)                                \
    F(14, UCHAR,   NumeroDaParcela,        RW)                                \
    F(15, UCHAR,   PonteiroTipoVencimento, RW)                                \
    F(16, UCHAR,   PonteiroFormaPagamento, RW)                                \
    F(17, RES(15), Reservado17,            NO)
TOLV_ESTRUTURA(tagREG_FATURA_COMPRAPS, 32)

#define TOLV_LAYOUT_tagREG_AUTORIZACAO_COMPRAPS(F)                            \
    F(0, USHORT,  AutorizarNaData,     RW)                                    \
    F(2, USHORT,  DataUltimaAlteracao, RW)                                    \
    F(4, USHORT,  HoraUltimaAlteracao, RW)                                    \
    F(6, USHORT,  Usuario,             RW)                                    \
    F(8, UCHAR,   Autorizado,          RW)                                    \
    F(9, RES(23), Reservado9,          NO)
TOLV_ESTRUTURA(tagREG_AUTORIZACAO_COMPRAPS, 32)

// Only the count and the pointer are the library's; the caller's structure may
// be longer, and its other bytes are never read or written here.
#define TOLV_LAYOUT_tagREG_LISTAAUTORIZACAO_COMPRAPS(F)                       \
    F(0,  RES(22), Reservado0,     NO)                                        \
    F(22, USHORT,  QtdAutorizacao, NO)                                        \
    F(24, ARR(tagREG_AUTORIZACAO_COMPRAPS, QtdAutorizacao), pAutorizacao, NO)
TOLV_ESTRUTURA(tagREG_LISTAAUTORIZACAO_COMPRAPS, 28)
// clang-format on

// One instalment of the order's payment terms.
class TOLV_API TCMOCParcela : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCParcela)
    TOLV_COMPARACAO(TCMOCParcela)

public:
    TOLV_ACESSORES(tagREG_FATURA_COMPRAPS)

    void CopiarPara(tagREG_FATURA_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMOCParcela, tagREG_FATURA_COMPRAPS)
    void CopiarDe(tagREG_FATURA_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMOCParcela, tagREG_FATURA_COMPRAPS)

protected:
    tagREG_FATURA_COMPRAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMOCParcela, tagREG_FATURA_COMPRAPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMOCParcela)

// One authorization step of an order. Not compared.
class TOLV_API TCMOCAutorizacao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCAutorizacao)

public:
    TOLV_ACESSORES(tagREG_AUTORIZACAO_COMPRAPS)

    void CopiarPara(tagREG_AUTORIZACAO_COMPRAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS)
    void CopiarDe(tagREG_AUTORIZACAO_COMPRAPS* src);
    TOLV_LEITURA_SIMPLES(TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS)

protected:
    tagREG_AUTORIZACAO_COMPRAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS)

// The authorization steps of an order, exchanged on their own. Not compared.
class TOLV_API TCMOCListaAutorizacao : public TJQBaseParaDados {
    TOLV_PADRAO(TCMOCListaAutorizacao)
    TOLV_LISTA(TCMOCAutorizacao, Autorizacao)

public:
    // Only the count and the pointer of ps are written or read.
    void CopiarPara(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps) const;
    void CopiarDe(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps);

    // Release the array (task allocator or array new), then set the count to 0
    // and the pointer to null.
    static void ZerarGlobalAlloc(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps);
    static void ZerarDelete(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps);
};
