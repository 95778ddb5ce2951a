// Quotation items: the products quoted with their apportionments, the supplier
// instalments and the follow-up lines of offered prices.
#pragma once

#include "core/DadosCore.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosSC/DadosSC_Rateio.h"

// clang-format off
// The quotation's apportionment travels in the purchase apportionment's layout.
#define TOLV_LAYOUT_tagREG_COTACAOITEMRATEIOPS(F) TOLV_LAYOUT_RATEIO_COMPRA(F)
TOLV_ESTRUTURA(tagREG_COTACAOITEMRATEIOPS, 568)

#define TOLV_LAYOUT_tagREG_COTACAOITEMPRODUTOPS(F)                            \
    F(0,   LONG,    PonteiroProdutoServico,    RW)                            \
    F(4,   USHORT,  PonteiroItemGrade1,        RW)                            \
    F(6,   USHORT,  PonteiroItemGrade2,        RW)                            \
    F(8,   USHORT,  PonteiroItemGrade3,        RW)                            \
    F(10,  RES(6),  Reservado10,               NO)                            \
    F(16,  CY,      SaldoEmEstoque,            RW)                            \
    F(24,  CY,      PontoDeReposicao,          RW)                            \
    F(32,  CY,      EstoqueMinimo,             RW)                            \
    F(40,  CY,      QuantidadeUltimaCompra,    RW)                            \
    F(48,  CY,      PrecoUltimaCompra,         RW)                            \
    F(56,  CY,      QuantidadeCotada,          RW)                            \
    F(64,  CY,      v8CustoMedio,              RW)                            \
    F(72,  ULONG,   IDItem,                    RW)                            \
    F(76,  USHORT,  PonteiroUnidadeMedida,     RW)                            \
    F(78,  USHORT,  DataNecessidade,           RW)                            \
    F(80,  CHAR,    StatusProdutoServico,      RW)                            \
    F(81,  RES(17), Reservado81,               NO)                            \
    F(98,  USHORT,  TamComplemento,            NO)                            \
    F(100, USHORT,  TamObservacao,             NO)                            \
    F(102, USHORT,  QtdRateio,                 NO)                            \
    F(104, TXTP(TamComplemento), pComplemento, NO)                            \
    F(108, TXTP(TamObservacao),  pObservacao,  NO)                            \
    F(112, ARR(tagREG_COTACAOITEMRATEIOPS, QtdRateio), pRateio, NO)           \
    F(116, RES(4),  Reservado116,              NO)
TOLV_ESTRUTURA(tagREG_COTACAOITEMPRODUTOPS, 120)

#define TOLV_LAYOUT_tagREG_COTACAOITEMFATURAPS(F)                             \
    F(0,   CY,      Valor,                     RW)                            \
    F(8,   USHORT,  DataVencimento,            RW)                            \
    F(10,  UCHAR,   NumeroDaParcela,           RW)                            \
    F(11,  UCHAR,   PonteiroTipoVencimento,    RW)                            \
    F(12,  RES(20), Reservado12,               NO)
TOLV_ESTRUTURA(tagREG_COTACAOITEMFATURAPS, 32)

#define TOLV_LAYOUT_tagREG_COTACAOITEMACOMPANHAMENTOPS(F)                     \
    F(0,   DMAHMS,  RegDataHoraEntrega,        RW)                            \
    F(8,   CY,      PrecoUnitario,             RW)                            \
    F(16,  CY,      DescontoUnitario,          RW)                            \
    F(24,  CY,      DescontoTotal,             RW)                            \
    F(32,  CY,      PrecoTotal,                RW)                            \
    F(40,  CY,      ValorIPI,                  RW)                            \
    F(48,  CY,      ValorICMS,                 RW)                            \
    F(56,  CY,      AliqRedAcrescimoICMS,      RW)                            \
    F(64,  CY,      AliquotaICMSST,            RW)                            \
    F(72,  CY,      AliquotaAcrescimoICMSST,   RW)                            \
    F(80,  CY,      ValorAcrescimoICMSST,      RW)                            \
    F(88,  CY,      AliqReducaoICMSST,         RW)                            \
    F(96,  CY,      ValorICMSST,               RW)                            \
    F(104, CY,      ValorPorItemIPI,           RW)                            \
    F(112, CY,      AliquotaIPI,               RW)                            \
    F(120, CY,      AliquotaICMS,              RW)                            \
    F(128, CY,      ReducaoBCICMSOpInterna,    RW)                            \
    F(136, USHORT,  IndiceFornecedor,          RW)                            \
    F(138, USHORT,  IndiceProduto,             RW)                            \
    F(140, CHAR,    Situacao,                  RW)                            \
    F(141, UCHAR,   TipoReducaoAcrescimoICMS,  RW)                            \
    F(142, UCHAR,   IPIBCICMS,                 RW)                            \
    F(143, RES(1),  Reservado143,              NO)                            \
    F(144, USHORT,  TamObservacao,             NO)                            \
    F(146, RES(22), Reservado146,              NO)                            \
    F(168, TXTP(TamObservacao), pObservacao,   NO)                            \
    F(172, RES(4),  Reservado172,              NO)
TOLV_ESTRUTURA(tagREG_COTACAOITEMACOMPANHAMENTOPS, 176)
// clang-format on

// One apportionment of a quoted product, with the management lines of the
// base; it behaves as the requisition's.
class TOLV_API TCMCPCotacaoPrecoRateio : public TCMRateioBase {
    TOLV_PADRAO(TCMCPCotacaoPrecoRateio)
    TOLV_COMPARACAO(TCMCPCotacaoPrecoRateio)

public:
    TOLV_ACESSORES(tagREG_COTACAOITEMRATEIOPS)

    void CopiarPara(tagREG_COTACAOITEMRATEIOPS* dst) const;
    TOLV_ESCRITA(TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS)
    void CopiarDe(tagREG_COTACAOITEMRATEIOPS* src);
    TOLV_LEITURA(TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS)

protected:
    tagREG_COTACAOITEMRATEIOPS m_ps;
};

// One product or service being quoted.
class TOLV_API TCMCPCotacaoPrecoItemProduto : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCPCotacaoPrecoItemProduto)
    TOLV_COMPARACAO(TCMCPCotacaoPrecoItemProduto)

public:
    TOLV_ACESSORES(tagREG_COTACAOITEMPRODUTOPS)

    CString GetComplemento() const { return m_Complemento; }
    void SetComplemento(const CString& v) { m_Complemento = v; }
    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    void CopiarPara(tagREG_COTACAOITEMPRODUTOPS* dst) const;
    TOLV_ESCRITA(TCMCPCotacaoPrecoItemProduto, tagREG_COTACAOITEMPRODUTOPS)
    void CopiarDe(tagREG_COTACAOITEMPRODUTOPS* src);
    TOLV_LEITURA(TCMCPCotacaoPrecoItemProduto, tagREG_COTACAOITEMPRODUTOPS)

protected:
    tagREG_COTACAOITEMPRODUTOPS m_ps;
    CString m_Complemento;
    CString m_Observacao;
    TOLV_LISTA(TCMCPCotacaoPrecoRateio, Rateio)
};

// One instalment of a supplier's payment terms.
class TOLV_API TCMCPCotacaoPrecoItemParcela : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCPCotacaoPrecoItemParcela)
    TOLV_COMPARACAO(TCMCPCotacaoPrecoItemParcela)

public:
    TOLV_ACESSORES(tagREG_COTACAOITEMFATURAPS)

    void CopiarPara(tagREG_COTACAOITEMFATURAPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS)
    void CopiarDe(tagREG_COTACAOITEMFATURAPS* src);
    TOLV_LEITURA_SIMPLES(TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS)

protected:
    tagREG_COTACAOITEMFATURAPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMCPCotacaoPrecoItemParcela)

// One offered price of one supplier for one product: the two refer to their
// positions in the quotation's lists.
class TOLV_API TCMCPCotacaoPrecoItemAcompanhamento : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCPCotacaoPrecoItemAcompanhamento)
    TOLV_COMPARACAO(TCMCPCotacaoPrecoItemAcompanhamento)

public:
    TOLV_ACESSORES(tagREG_COTACAOITEMACOMPANHAMENTOPS)

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }

    void CopiarPara(tagREG_COTACAOITEMACOMPANHAMENTOPS* dst) const;
    TOLV_ESCRITA(TCMCPCotacaoPrecoItemAcompanhamento, tagREG_COTACAOITEMACOMPANHAMENTOPS)
    void CopiarDe(tagREG_COTACAOITEMACOMPANHAMENTOPS* src);
    TOLV_LEITURA(TCMCPCotacaoPrecoItemAcompanhamento, tagREG_COTACAOITEMACOMPANHAMENTOPS)

protected:
    tagREG_COTACAOITEMACOMPANHAMENTOPS m_ps;
    CString m_Observacao;
};
