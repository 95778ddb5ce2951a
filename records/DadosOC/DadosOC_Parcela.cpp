#include "records/DadosOC/DadosOC_Parcela.h"

#include <cstddef>

#include "core/Aninhados.h"
#include "records/DadosOC/DadosOC_Interno.h"

#define ARQ "DadosOC"

TOLV_REGISTRA_ESTRUTURA(tagREG_FATURA_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_AUTORIZACAO_COMPRAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_LISTAAUTORIZACAO_COMPRAPS)

using tolv::oc::LeBloco;

// --- TCMOCParcela ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCParcela, TJQBaseParaDados)

void TCMOCParcela::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMOCParcela::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMOCParcela*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: reserved bytes.
bool TCMOCParcela::operator==(const TCMOCParcela& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOCParcela,
        ValorParcela, DataVencimento, NumeroDaParcela, PonteiroTipoVencimento, PonteiroFormaPagamento);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMOCParcela::CopiarPara(tagREG_FATURA_COMPRAPS* dst) const { JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__); }

void TCMOCParcela::CopiarDe(tagREG_FATURA_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOCParcela::LeDe(tagREG_FATURA_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMOCAutorizacao ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCAutorizacao, TJQBaseParaDados)

void TCMOCAutorizacao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMOCAutorizacao::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMOCAutorizacao*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMOCAutorizacao::CopiarPara(tagREG_AUTORIZACAO_COMPRAPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMOCAutorizacao::CopiarDe(tagREG_AUTORIZACAO_COMPRAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOCAutorizacao::LeDe(tagREG_AUTORIZACAO_COMPRAPS* src) { LeBloco(m_ps, src); }

// --- TCMOCListaAutorizacao -------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOCListaAutorizacao, TJQBaseParaDados)

void TCMOCListaAutorizacao::OnLimpar()
{
    m_Autorizacao.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMOCListaAutorizacao::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOCListaAutorizacao*>(src);
    if (s != this)
        m_Autorizacao.Copia(s->m_Autorizacao);
    TJQBaseParaDados::OnCopiar(src);
}

namespace {

// The count and pointer slots of the caller's structure, as they lie there.
struct Slots {
    unsigned short qtd;
    tagREG_AUTORIZACAO_COMPRAPS* p;
} __attribute__((packed));
static_assert(sizeof(Slots) == 6);

constexpr size_t kSlots = offsetof(tagREG_LISTAAUTORIZACAO_COMPRAPS, QtdAutorizacao);
static_assert(offsetof(tagREG_LISTAAUTORIZACAO_COMPRAPS, pAutorizacao) == kSlots + 2);

} // namespace

void TCMOCListaAutorizacao::CopiarPara(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps) const
{
    // The slots are cleared first through the guard; a structure that cannot
    // be written gets nothing (and nothing is allocated for it).
    const Slots vazio{0, nullptr};
    if (!JQMemCpy(reinterpret_cast<char*>(ps) + kSlots, &vazio, sizeof vazio, ARQ, __LINE__))
        return;
    tolv::EscreveLista(m_Autorizacao, ps->QtdAutorizacao, ps->pAutorizacao);
}

void TCMOCListaAutorizacao::CopiarDe(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps)
{
    Limpar();
    Slots s;
    if (!JQMemCpy(&s, reinterpret_cast<const char*>(ps) + kSlots, sizeof s, ARQ, __LINE__))
        return;
    tolv::LeLista(m_Autorizacao, s.qtd, s.p);
}

void TCMOCListaAutorizacao::ZerarGlobalAlloc(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps)
{
    if (!ps)
        return;
    tolv::LiberaAninhados(ps, tolv::Liberacao::CoTaskMem);
    tolv::ZeraAninhados(ps);
}

void TCMOCListaAutorizacao::ZerarDelete(tagREG_LISTAAUTORIZACAO_COMPRAPS* ps)
{
    if (!ps)
        return;
    tolv::LiberaAninhados(ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(ps);
}
