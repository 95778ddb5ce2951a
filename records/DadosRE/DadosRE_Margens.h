// Sale-price updates of a product item: the profit margin of one price table and
// the same margin as placed on the sale-price formation screen.
#pragma once

#include "core/Layout.h"
#include "core/Registro.h"

// clang-format off
#define TOLV_LAYOUT_tagREG_MARGEMLUCROPS(F)                                   \
    F(0,  CY,      PrecoAnteriorV8,      RW)                                  \
    F(8,  CY,      CustoAquisicaoV8,     RW)                                  \
    F(16, CY,      PrecoNovoV8,          RW)                                  \
    F(24, CY,      PercentualLucroV8,    RW)                                  \
    F(32, LONG,    PonteiroTabela,       RW)                                  \
    F(36, UCHAR,   TodasReferencias,     RW)                                  \
    F(37, UCHAR,   Confirmado,           RW)                                  \
    F(38, UCHAR,   OpcaoMarkupNovoValor, RW)                                  \
    F(39, RES(17), Reservado39,          NO)
TOLV_ESTRUTURA(tagREG_MARGEMLUCROPS, 56)
// clang-format on

// Profit margin and new sale price of one price table.
class TOLV_API TCMREMargemLucro : public TJQBaseParaDados {
    TOLV_PADRAO(TCMREMargemLucro)
    TOLV_COMPARACAO(TCMREMargemLucro)

public:
    TOLV_ACESSORES(tagREG_MARGEMLUCROPS)

    void CopiarPara(tagREG_MARGEMLUCROPS* dst) const;
    TOLV_ESCRITA_SIMPLES(TCMREMargemLucro, tagREG_MARGEMLUCROPS)
    void CopiarDe(tagREG_MARGEMLUCROPS* src);

protected:
    tagREG_MARGEMLUCROPS m_ps;
};
TOLV_COPIA_POR_BYTES(TCMREMargemLucro, tagREG_MARGEMLUCROPS)
TOLV_IGUAL_SE_MESMOS_BYTES(TCMREMargemLucro)

// A margin with its place on the formation screen (indices of the product and
// of the margin, and the product position). Positions never travel.
class TOLV_API TCMREFormacaoPrecoVenda : public TCMREMargemLucro {
    TOLV_PADRAO(TCMREFormacaoPrecoVenda)
    TOLV_COMPARACAO(TCMREFormacaoPrecoVenda)

public:
    int GetPosicaoProduto() const { return m_PosicaoProduto; }
    void SetPosicaoProduto(int v) { m_PosicaoProduto = v; }
    int GetPosicaoMargemLucro() const { return m_PosicaoMargemLucro; }
    void SetPosicaoMargemLucro(int v) { m_PosicaoMargemLucro = v; }
    _REG_POSICAO_PRODUTOPS GetRegPosicaoProduto() const { return m_RegPosicaoProduto; }
    void SetRegPosicaoProduto(_REG_POSICAO_PRODUTOPS v) { m_RegPosicaoProduto = v; }

    // The margin part only: dst is cleared and receives the 56 margin bytes.
    void CopiarPara(TCMREMargemLucro* dst) const;
    // Clears this record (positions back to -1) and takes src's margin bytes.
    void CopiarDe(TCMREMargemLucro src);
    using TCMREMargemLucro::CopiarDe;
    using TCMREMargemLucro::CopiarPara;

protected:
    int m_PosicaoProduto;
    int m_PosicaoMargemLucro;
    _REG_POSICAO_PRODUTOPS m_RegPosicaoProduto;
};
