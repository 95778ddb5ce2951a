#include "records/DadosEF/DadosEF_Item.h"

#include "core/JQMem.h"

#define ARQ "DadosEF"

TOLV_REGISTRA_ESTRUTURA(_REG_ITENS_NF_PS)

IMPLEMENT_DYNAMIC(TEFMovimentoItem, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TEFMovimentoItem, TJQBaseParaDados)

void TEFMovimentoItem::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_ValorUnitario = JQCY(0);
    TJQBaseParaDados::OnLimpar();
}

void TEFMovimentoItem::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TEFMovimentoItem*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_ValorUnitario = s->m_ValorUnitario;
    TJQBaseParaDados::OnCopiar(src);
}

void TEFMovimentoItem::CopiarPara(_REG_ITENS_NF_PS* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }
