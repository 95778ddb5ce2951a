#include "records/DadosRE/DadosRE_Itens.h"

#include <cstddef>
#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_ITEM_TOTAIS_ENTRADAPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;

// --- TCMREItemProdutoTotais --------------------------------------------------------

TOLV_PADRAO_IMPL(TCMREItemProdutoTotais, TJQBaseParaDados)

void TCMREItemProdutoTotais::OnLimpar()
{
    JQMemSet(&m_ps, 0, sizeof m_ps, ARQ, __LINE__);
    TJQBaseParaDados::OnLimpar();
}

void TCMREItemProdutoTotais::OnCopiar(const TJQBaseParaDados* src)
{
    JQMemCpy(&m_ps, &static_cast<const TCMREItemProdutoTotais*>(src)->m_ps, sizeof m_ps, ARQ, __LINE__);
    TJQBaseParaDados::OnCopiar(src);
}

// The 39 amounts lie one after another from offset 0: comparing their bytes is
// comparing each exact 64-bit value in offset order.
bool TCMREItemProdutoTotais::operator==(const TCMREItemProdutoTotais& outro) const
{
    return std::memcmp(&m_ps, &outro.m_ps, offsetof(tagREG_ITEM_TOTAIS_ENTRADAPS, Reservado312)) == 0;
}

void TCMREItemProdutoTotais::CopiarPara(tagREG_ITEM_TOTAIS_ENTRADAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMREItemProdutoTotais::CopiarDe(tagREG_ITEM_TOTAIS_ENTRADAPS* src)
{
    Limpar();
    LeBloco(m_ps, src);
}
