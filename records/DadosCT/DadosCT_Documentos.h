// Payment instalments of a freight bill and the invoices it transports.
#pragma once

#include "core/Layout.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_FATURA_CONHECIMENTOPS(F)                           \
    F(0,   CY,      ValorParcela,           RW)                               \
    F(8,   DATA,    RegDataVencimento,      RW)                               \
    F(16,  TXT(61), NumeroDocumento,        RW)                               \
    F(78,  UCHAR,   NumeroDaParcela,        RW)                               \
    F(79,  UCHAR,   PonteiroTipoVencimento, RW)                               \
    F(80,  UCHAR,   PonteiroFormaPagamento, RW)                               \
    F(81,  RES(15), Reservado81,            NO)
TOLV_ESTRUTURA(tagREG_FATURA_CONHECIMENTOPS, 96)

#define TOLV_LAYOUT_tagREG_NOTAFISCAL_CONHECIMENTOPS(F)                       \
    F(0,   NFE,     RegNFe,                 RW)                               \
    F(24,  DATA,    RegDataEmissao,         RW)                               \
    F(32,  CY,      ValorMercadorias,       RW)                               \
    F(40,  CY,      ValorDocumentoFiscal,   RW)                               \
    F(48,  CY,      PesoBrutoTotal,         RW)                               \
    F(56,  CY,      PesoLiquidoTotal,       RW)                               \
    F(64,  CY,      QtdVolumes,             RW)                               \
    F(72,  LONG,    PonteiroFornecedor,     RW)                               \
    F(76,  USHORT,  PonteiroTipoDocumento,  RW)                               \
    F(78,  TXT(21), MarcaVolume,            RW)                               \
    F(100, TXT(17), Volumes,                RW)                               \
    F(118, TXT(17), NumeroVolumes,          RW)                               \
    F(136, TXT(15), NumeroNF,               RW)                               \
    F(152, TXT(11), NaturezaVolumes,        RW)                               \
    F(164, TXT(11), EspecieVolume,          RW)                               \
    F(176, TXT(5),  SerieNF,                RW)                               \
    F(182, UCHAR,   TipoNota,               RW)                               \
    F(183, RES(17), Reservado183,           NO)
TOLV_ESTRUTURA(tagREG_NOTAFISCAL_CONHECIMENTOPS, 200)
// clang-format on

// One payment instalment of the freight.
class TOLV_API TCMCTParcela : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCTParcela)
    TOLV_COMPARACAO(TCMCTParcela)

public:
    TOLV_ACESSORES(tagREG_FATURA_CONHECIMENTOPS)

    void CopiarPara(tagREG_FATURA_CONHECIMENTOPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCTParcela, tagREG_FATURA_CONHECIMENTOPS)
    void CopiarDe(tagREG_FATURA_CONHECIMENTOPS* src);
    TOLV_LEITURA_SIMPLES(TCMCTParcela, tagREG_FATURA_CONHECIMENTOPS)

protected:
    tagREG_FATURA_CONHECIMENTOPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMCTParcela, tagREG_FATURA_CONHECIMENTOPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMCTParcela)

// One invoice carried under the freight bill.
class TOLV_API TCMCTNotaFiscal : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCTNotaFiscal)
    TOLV_COMPARACAO(TCMCTNotaFiscal)

public:
    TOLV_ACESSORES(tagREG_NOTAFISCAL_CONHECIMENTOPS)

    void CopiarPara(tagREG_NOTAFISCAL_CONHECIMENTOPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS)
    void CopiarDe(tagREG_NOTAFISCAL_CONHECIMENTOPS* src);
    TOLV_LEITURA_SIMPLES(TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS)

protected:
    tagREG_NOTAFISCAL_CONHECIMENTOPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMCTNotaFiscal)
