// What a fiscal movement carries besides its items: import declarations,
// financial instalments, referred documents and transported invoices.
#pragma once

#include "core/Layout.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT__REG_DADOS_DIPS(F)                                        \
    F(0,   CY,       ValorPIS,                      RW)                       \
    F(8,   CY,       ValorCOFINS,                   RW)                       \
    F(16,  TXT(20),  NumeroDrawback,                RW)                       \
    F(37,  RES(1),   Reservado37,                   NO)                       \
    F(38,  TXT(12),  NumeroDI,                      RW)                       \
    F(51,  RES(1),   Reservado51,                   NO)                       \
    F(52,  UCHAR,    TipoDocumento,                 RW)                       \
    F(53,  RES(51),  Reservado53,                   NO)
TOLV_ESTRUTURA(_REG_DADOS_DIPS, 104)

#define TOLV_LAYOUT__REG_EF_NF_FINANCEIRO_PS(F)                               \
    F(0,   CY,       ValorParcela,                  RW)                       \
    F(8,   USHORT,   PonteiroTipoCobranca,          RW)                       \
    F(10,  USHORT,   NumeroParcela,                 RW)                       \
    F(12,  USHORT,   DataVencimento,                RW)                       \
    F(14,  TXT(20),  NumeroTitulo,                  RW)                       \
    F(35,  RES(37),  Reservado35,                   NO)
TOLV_ESTRUTURA(_REG_EF_NF_FINANCEIRO_PS, 72)

#define TOLV_LAYOUT__REG_EF_NF_REFERIDA_PS(F)                                 \
    F(0,   NFE,      RegChaveAcessoNFeOrigem,       RW)                       \
    F(24,  CY,       ValorNotaFiscalOrigem,         RW)                       \
    F(32,  RES(28),  Reservado32,                   NO)                       \
    F(60,  USHORT,   DataEmissaoNotaFiscalOrigem,   RW)                       \
    F(62,  USHORT,   PonteiroECF,                   RW)                       \
    F(64,  RES(6),   Reservado64,                   NO)                       \
    F(70,  TXT(4),   SerieNotaFiscalOrigem,         RW)                       \
    F(75,  RES(1),   Reservado75,                   NO)                       \
    F(76,  TXT(4),   SubSerieNotaFiscalOrigem,      RW)                       \
    F(81,  RES(1),   Reservado81,                   NO)                       \
    F(82,  TXT(2),   ModeloNotaFiscalOrigem,        RW)                       \
    F(85,  RES(1),   Reservado85,                   NO)                       \
    F(86,  TXT(12),  NumeroNotaFiscalOrigem,        RW)                       \
    F(99,  RES(101), Reservado99,                   NO)
TOLV_ESTRUTURA(_REG_EF_NF_REFERIDA_PS, 200)

#define TOLV_LAYOUT__REG_NOTAS_FISCIASPS(F)                                   \
    F(0,   NFE,      RegNFe,                        RW)                       \
    F(24,  CY,       ValorMercadorias,              RW)                       \
    F(32,  CY,       ValorDocumentoFiscal,          RW)                       \
    F(40,  CY,       PesoBrutoTotal,                RW)                       \
    F(48,  CY,       PesoLiquidoTotal,              RW)                       \
    F(56,  CY,       QtdVolumes,                    RW)                       \
    F(64,  LONG,     PonteiroFornecedor,            RW)                       \
    F(68,  USHORT,   PonteiroTipoDocumento,         RW)                       \
    F(70,  USHORT,   DataEmissao,                   RW)                       \
    F(72,  TXT(20),  MarcaVolume,                   RW)                       \
    F(93,  RES(1),   Reservado93,                   NO)                       \
    F(94,  TXT(16),  Volumes,                       RW)                       \
    F(111, RES(1),   Reservado111,                  NO)                       \
    F(112, TXT(16),  NumeroVolumes,                 RW)                       \
    F(129, RES(1),   Reservado129,                  NO)                       \
    F(130, TXT(12),  NumeroNF,                      RW)                       \
    F(143, RES(1),   Reservado143,                  NO)                       \
    F(144, TXT(10),  NaturezaVolumes,               RW)                       \
    F(155, RES(1),   Reservado155,                  NO)                       \
    F(156, TXT(10),  EspecieVolume,                 RW)                       \
    F(167, RES(1),   Reservado167,                  NO)                       \
    F(168, TXT(4),   SerieNF,                       RW)                       \
    F(173, RES(1),   Reservado173,                  NO)                       \
    F(174, UCHAR,    StatusViaTransporte,           RW)                       \
    F(175, RES(33),  Reservado175,                  NO)
TOLV_ESTRUTURA(_REG_NOTAS_FISCIASPS, 208)
// clang-format on

// One import declaration of the document.
class TOLV_API TEFMovimentoDI : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoDI)
    TOLV_PADRAO(TEFMovimentoDI)

public:
    TOLV_ACESSORES(_REG_DADOS_DIPS)

    void CopiarPara(_REG_DADOS_DIPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TEFMovimentoDI, _REG_DADOS_DIPS)

protected:
    _REG_DADOS_DIPS m_ps;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoDI, _REG_DADOS_DIPS)

// One financial instalment of the document.
class TOLV_API TEFMovimentoParcela : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoParcela)
    TOLV_PADRAO(TEFMovimentoParcela)

public:
    TOLV_ACESSORES(_REG_EF_NF_FINANCEIRO_PS)

    void CopiarPara(_REG_EF_NF_FINANCEIRO_PS* dst) const;
    TOLV_ESCRITA_SIMPLES(TEFMovimentoParcela, _REG_EF_NF_FINANCEIRO_PS)

protected:
    _REG_EF_NF_FINANCEIRO_PS m_ps;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoParcela, _REG_EF_NF_FINANCEIRO_PS)

// One document the movement refers to.
class TOLV_API TEFMovimentoReferida : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoReferida)
    TOLV_PADRAO(TEFMovimentoReferida)

public:
    TOLV_ACESSORES(_REG_EF_NF_REFERIDA_PS)

    void CopiarPara(_REG_EF_NF_REFERIDA_PS* dst) const;
    TOLV_ESCRITA_SIMPLES(TEFMovimentoReferida, _REG_EF_NF_REFERIDA_PS)

protected:
    _REG_EF_NF_REFERIDA_PS m_ps;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoReferida, _REG_EF_NF_REFERIDA_PS)

// One invoice transported, when the movement is a freight document.
class TOLV_API TEFMovimentoTransporte : public TJQBaseParaDados {
    DECLARE_DYNAMIC(TEFMovimentoTransporte)
    TOLV_PADRAO(TEFMovimentoTransporte)

public:
    TOLV_ACESSORES(_REG_NOTAS_FISCIASPS)

    void CopiarPara(_REG_NOTAS_FISCIASPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TEFMovimentoTransporte, _REG_NOTAS_FISCIASPS)

protected:
    _REG_NOTAS_FISCIASPS m_ps;
};
TOLV_COPIA_POR_BYTES(TEFMovimentoTransporte, _REG_NOTAS_FISCIASPS)
