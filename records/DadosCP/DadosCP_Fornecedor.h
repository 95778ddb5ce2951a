// The suppliers taking part in a quotation, with their commercial terms.
#pragma once

#include <memory>

#include "core/Layout.h"
#include "core/Lista.h"
#include "core/Registro.h"
#include "records/DadosCP/DadosCP_Itens.h"
#include "records/DadosOC/DadosOC.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_COTACAOITEMFORNECEDORPS(F)                         \
    F(0,  CY,      Frete,                     RW)                             \
    F(8,  CY,      DescontoFornecedor,        RW)                             \
    F(16, LONG,    PonteiroFornecedor,        RW)                             \
    F(20, LONG,    PonteiroOC,                RW)                             \
    F(24, USHORT,  PonteiroCondPgto,          RW)                             \
    F(26, USHORT,  PrazoEntrega,              RW)                             \
    F(28, USHORT,  DataEntrega,               RW)                             \
    F(30, USHORT,  DataResposta,              RW)                             \
    F(32, USHORT,  PrazoValidadeProposta,     RW)                             \
    F(34, USHORT,  DataPrimeiroVencimento,    RW)                             \
    F(36, TXT(17), Moeda,                     RW)                             \
    F(54, CHAR,    SituacaoCotacao,           RW)                             \
    F(55, RES(1),  Reservado55,               NO)                             \
    F(56, UCHAR,   PonteiroTipoPeriodo,       RW)                             \
    F(57, UCHAR,   OrigemDados,               RW)                             \
    F(58, RES(16), Reservado58,               NO)                             \
    F(74, USHORT,  TamNomeFornecedor,         NO)                             \
    F(76, USHORT,  TamObservacao,             NO)                             \
    F(78, USHORT,  QtdParcela,                NO)                             \
    F(80, TXTP(TamNomeFornecedor), pNomeFornecedor, NO)                       \
    F(84, TXTP(TamObservacao),     pObservacao,     NO)                       \
    F(88, ARR(tagREG_COTACAOITEMFATURAPS, QtdParcela), pParcela, NO)          \
    F(92, RES(4),  Reservado92,               NO)
TOLV_ESTRUTURA(tagREG_COTACAOITEMFORNECEDORPS, 96)
// clang-format on

// One supplier taking part in the quotation. Its auxiliary purchase order is a
// working copy held in the object only: it never travels and is never
// compared.
class TOLV_API TCMCPCotacaoPrecoItemFornecedor : public TJQBaseParaDados {
    TOLV_PADRAO(TCMCPCotacaoPrecoItemFornecedor)
    TOLV_COMPARACAO(TCMCPCotacaoPrecoItemFornecedor)

public:
    TOLV_ACESSORES(tagREG_COTACAOITEMFORNECEDORPS)

    CString GetNomeFornecedor() const { return m_NomeFornecedor; }
    void SetNomeFornecedor(const CString& v) { m_NomeFornecedor = v; }
    CString GetObservacao() const { return m_Observacao; }
    void SetObservacao(const CString& v) { m_Observacao = v; }
    // A copy of the auxiliary order (an empty order when none was set).
    TCMOCOrdemCompra GetOCAuxiliar() const;
    // Setting the order leaves TemOCAuxiliar as it was.
    void SetOCAuxiliar(TCMOCOrdemCompra v);
    bool GetTemOCAuxiliar() const { return m_TemOCAuxiliar; }
    void SetTemOCAuxiliar(bool v) { m_TemOCAuxiliar = v; }

    void CopiarPara(tagREG_COTACAOITEMFORNECEDORPS* dst) const;
    TOLV_ESCRITA(TCMCPCotacaoPrecoItemFornecedor, tagREG_COTACAOITEMFORNECEDORPS)
    void CopiarDe(tagREG_COTACAOITEMFORNECEDORPS* src);
    TOLV_LEITURA(TCMCPCotacaoPrecoItemFornecedor, tagREG_COTACAOITEMFORNECEDORPS)

protected:
    tagREG_COTACAOITEMFORNECEDORPS m_ps;
    CString m_NomeFornecedor;
    CString m_Observacao;
    // The order is made when one is set: a null pointer stands for a cleared
    // order, so that offers read, copied or cleared without one do not pay for
    // a whole order.
    std::unique_ptr<TCMOCOrdemCompra> m_OCAuxiliar;
    bool m_TemOCAuxiliar = false;
    TOLV_LISTA(TCMCPCotacaoPrecoItemParcela, Parcela)
};
