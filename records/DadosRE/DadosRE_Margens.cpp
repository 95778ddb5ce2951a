#include "records/DadosRE/DadosRE_Margens.h"

#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_MARGEMLUCROPS)

// --- TCMREMargemLucro ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREMargemLucro, TJQBaseParaDados)

void TCMREMargemLucro::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMREMargemLucro::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMREMargemLucro*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMREMargemLucro::operator==(const TCMREMargemLucro& o) const
{
    // clang-format off
    IGUAL(PrecoAnteriorV8); IGUAL(CustoAquisicaoV8); IGUAL(PrecoNovoV8); IGUAL(PonteiroTabela);
    IGUAL(PercentualLucroV8); IGUAL(TodasReferencias); IGUAL(Confirmado); IGUAL(OpcaoMarkupNovoValor);
    // clang-format on
    return true;
}

void TCMREMargemLucro::CopiarPara(tagREG_MARGEMLUCROPS* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }

void TCMREMargemLucro::CopiarDe(tagREG_MARGEMLUCROPS* src)
{
    Limpar();
    tolv::re::LeBloco(m_ps, src);
}

// --- TCMREFormacaoPrecoVenda -----------------------------------------------------

TOLV_PADRAO_IMPL(TCMREFormacaoPrecoVenda, TCMREMargemLucro)

void TCMREFormacaoPrecoVenda::OnLimpar()
{
    m_PosicaoProduto = -1;
    m_PosicaoMargemLucro = -1;
    JQMemSet(&m_RegPosicaoProduto, 0, sizeof m_RegPosicaoProduto, ARQ, __LINE__);
    TCMREMargemLucro::OnLimpar();
}

void TCMREFormacaoPrecoVenda::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMREFormacaoPrecoVenda*>(src);
    m_PosicaoProduto = s->m_PosicaoProduto;
    m_PosicaoMargemLucro = s->m_PosicaoMargemLucro;
    JQMemCpy(&m_RegPosicaoProduto, &s->m_RegPosicaoProduto, sizeof m_RegPosicaoProduto, ARQ, __LINE__);
    TCMREMargemLucro::OnCopiar(src);
}

// Positions only: the margin values are not compared.
bool TCMREFormacaoPrecoVenda::operator==(const TCMREFormacaoPrecoVenda& o) const
{
    const _REG_POSICAO_PRODUTOPS& a = m_RegPosicaoProduto;
    const _REG_POSICAO_PRODUTOPS& b = o.m_RegPosicaoProduto;
    return m_PosicaoProduto == o.m_PosicaoProduto && m_PosicaoMargemLucro == o.m_PosicaoMargemLucro &&
           a.PonteiroItemGrade1 == b.PonteiroItemGrade1 && a.PonteiroItemGrade2 == b.PonteiroItemGrade2 &&
           a.PonteiroItemGrade3 == b.PonteiroItemGrade3 && a.PonteiroProduto == b.PonteiroProduto;
}

void TCMREFormacaoPrecoVenda::CopiarPara(TCMREMargemLucro* dst) const
{
    tagREG_MARGEMLUCROPS margem;
    JQMemCpy(&margem, &m_ps, sizeof margem, ARQ, __LINE__);
    dst->CopiarDe(&margem);
}

// NOLINTNEXTLINE(performance-unnecessary-value-param): the signature callers know
void TCMREFormacaoPrecoVenda::CopiarDe(TCMREMargemLucro src)
{
    Limpar();
    src.CopiarPara(&m_ps);
}
