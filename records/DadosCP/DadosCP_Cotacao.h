// The price quotation: the buyer's request for prices to several suppliers for
// several products and the answers collected, root of the subsystem's tree.
#pragma once

#include "companions/IEVinculo.h"
#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosCP/DadosCP_Fornecedor.h"
#include "records/DadosCP/DadosCP_Itens.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_COTACAOPS(F)                                       \
    F(0,   DMCPS,   JQDMC,                       RW)                          \
    F(8,   LONG,    PonteiroDepartamento,        RW)                          \
    F(12,  LONG,    PonteiroRequisitante,        RW)                          \
    F(16,  LONG,    PonteiroEsteCP,              RW)                          \
    F(20,  LONG,    NaoConsistirArquivoAlterado, NO)                          \
    F(24,  ULONG,   PonteiroComprador,           RW)                          \
    F(28,  USHORT,  DataCotacao,                 RW)                          \
    F(30,  USHORT,  DataUltimaAlteracao,         RW)                          \
    F(32,  USHORT,  DataSolicitacao,             RW)                          \
    F(34,  USHORT,  HoraUltimaAlteracao,         RW)                          \
    F(36,  USHORT,  PonteiroFilial,              RW)                          \
    F(38,  USHORT,  Usuario,                     RW)                          \
    F(40,  USHORT,  DataLimiteCotacao,           RW)                          \
    F(42,  USHORT,  NrDiasNecessidade,           RW)                          \
    F(44,  USHORT,  DataNecessidade,             RW)                          \
    F(46,  TXT(51), CodigoCotacao,               RW)                          \
    F(98,  CHAR,    Situacao,                    RW)                          \
    F(99,  CHAR,    Cotado,                      RW)                          \
    F(100, CHAR,    AprovarMenorPreco,           RW)                          \
    F(101, UCHAR,   WEB,                         RW)                          \
    F(102, RES(24), Reservado102,                NO)                          \
    F(126, USHORT,  QtdItemFornecedor,           NO)                          \
    F(128, USHORT,  QtdItemProduto,              NO)                          \
    F(130, USHORT,  QtdItemAcompanhamento,       NO)                          \
    F(132, USHORT,  TamObservacao,               NO)                          \
    F(134, USHORT,  TamLocalEntrega,             NO)                          \
    F(136, ARR(tagREG_COTACAOITEMFORNECEDORPS, QtdItemFornecedor), pItemFornecedor, NO) \
    F(140, ARR(tagREG_COTACAOITEMPRODUTOPS, QtdItemProduto), pItemProduto, NO) \
    F(144, ARR(tagREG_COTACAOITEMACOMPANHAMENTOPS, QtdItemAcompanhamento),    \
           pItemAcompanhamento, NO)                                           \
    F(148, TXTP(TamObservacao),   pObservacao,   NO)                          \
    F(152, TXTP(TamLocalEntrega), pLocalEntrega, NO)                          \
    F(156, RES(4),  Reservado156,                NO)
TOLV_ESTRUTURA(tagREG_COTACAOPS, 160)
// clang-format on

// The price quotation.
class TOLV_API TCMCPCotacaoPreco : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCPCotacaoPreco)
    TOLV_COMPARACAO(TCMCPCotacaoPreco)

public:
    TOLV_ACESSORES(tagREG_COTACAOPS)

    // Marks the quotation so that the server does not check whether its file
    // changed meanwhile (all 32 bits of the marker set); clearing removes it.
    void SetNaoConsistirArquivoAlterado() { m_ps.NaoConsistirArquivoAlterado = -1; }

    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }
    CString GetLocalEntrega() const { return m_LocalEntrega; }
    void SetLocalEntrega(const CString& v) { m_LocalEntrega = v; }
    CIEVinculo GetVinculo() const { return m_Vinculo; }
    void SetVinculo(const CIEVinculo& v) { m_Vinculo = v; }

    void CopiarPara(tagREG_COTACAOPS* dst) const;
    // The log lines stay as they were.
    void CopiarDe(tagREG_COTACAOPS* src);

    // Release the nested arrays of a structure received from the other side
    // (task allocator) or written by CopiarPara (array new). Counts and
    // pointers are left as they were.
    static void ZerarGlobalAlloc(tagREG_COTACAOPS* ps);
    static void ZerarDelete(tagREG_COTACAOPS* ps);

protected:
    tagREG_COTACAOPS m_ps;
    CString m_Observacao;
    CString m_LocalEntrega;
    CIEVinculo m_Vinculo;

    TOLV_LISTA(TCMCPCotacaoPrecoItemProduto, ItemProduto)
    TOLV_LISTA(TCMCPCotacaoPrecoItemFornecedor, ItemFornecedor)
    TOLV_LISTA(TCMCPCotacaoPrecoItemAcompanhamento, ItemAcompanhamento)
    // Never sent, never compared, kept by clearing and reading.
    TOLV_LISTA(CString, Logs)
};
