#include "records/DadosMestre/DadosMestre.h"

#include <cstddef>

#include "core/Aninhados.h"
#include "core/JQMem.h"

#define ARQ "DadosMestre"

TOLV_REGISTRA_ESTRUTURA(tagREG_CM_NUMERO_USUARIOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_AUTORIZACOES_USUARIOSPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_AUTORIZACOESPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_RECEBIMENTOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_LEIAUTEOCMESTREPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS)

namespace {

using tolv::Liberacao;

template <class S> bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, ARQ); }

// The counts of these lists are signed: zero or less is an empty list.
inline unsigned long Contagem(long n) { return n > 0 ? static_cast<unsigned long>(n) : 0; }

// Count and pointer of a table, read from bytes 4 to 11 of the caller's
// structure (the rest of it is not the library's).
template <class L, class E> bool LeSlots(const L* ps, long& count, E*& ptr)
{
    struct {
        long count;
        E* ptr;
    } slots;
    static_assert(sizeof slots == 8);
    if (!ps || !JQMemCpy(&slots, reinterpret_cast<const unsigned char*>(ps) + 4, 8, ARQ, __LINE__))
        return false;
    count = slots.count;
    ptr = slots.ptr;
    return true;
}

// Zeroes the count and pointer of a table; false when they cannot be written.
template <class L> bool ZeraSlots(L* ps)
{
    return ps && JQMemSet(reinterpret_cast<unsigned char*>(ps) + 4, 0, 8, ARQ, __LINE__);
}

template <class E> void Solta(E*& p, Liberacao modo)
{
    tolv::LiberaLista(p, 0, modo);
    p = nullptr;
}

// The freeing of a table whose elements own nothing: the array, then its
// pointer and count to zero. Serves both tables of plain elements.
template <class C, class E> void LiberaTabela(C& count, E*& ptr, Liberacao modo)
{
    Solta(ptr, modo);
    count = 0;
}

} // namespace

// --- TCMMestreAutorizacoesUsuarios ---------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreAutorizacoesUsuarios, TJQBaseParaDados)

void TCMMestreAutorizacoesUsuarios::OnLimpar()
{
    m_Usuarios.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreAutorizacoesUsuarios::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMMestreAutorizacoesUsuarios*>(src);
    if (s != this)
        m_Usuarios.Copia(s->m_Usuarios);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreAutorizacoesUsuarios::CopiarPara(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst) const
{
    // Bytes 6 to 15: count, pointer and the reserved four.
    constexpr size_t kDe = offsetof(tagREG_CM_AUTORIZACOES_USUARIOSPS, QtdUsuarios);
    if (!dst || !JQMemSet(reinterpret_cast<unsigned char*>(dst) + kDe, 0, sizeof *dst - kDe, ARQ, __LINE__))
        return;
    EscreveNumeros(dst);
}

void TCMMestreAutorizacoesUsuarios::CopiarPara(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst, tolv::ParaEscrita) const
{
    std::memset(static_cast<void*>(dst), 0, sizeof *dst);
    EscreveNumeros(dst);
}

void TCMMestreAutorizacoesUsuarios::EscreveNumeros(tagREG_CM_AUTORIZACOES_USUARIOSPS* dst) const
{
    // Each entry is the number alone.
    static_assert(offsetof(tagREG_CM_NUMERO_USUARIOPS, NumeroUsuario) == 0);
    tolv::EscreveValoresPorBytes(m_Usuarios, dst->QtdUsuarios, dst->pUsuarios);
}

void TCMMestreAutorizacoesUsuarios::CopiarDe(tagREG_CM_AUTORIZACOES_USUARIOSPS* src)
{
    Limpar();
    // Only the count and the pointer, bytes 6 to 11, are read.
    constexpr size_t kDe = offsetof(tagREG_CM_AUTORIZACOES_USUARIOSPS, QtdUsuarios);
    constexpr size_t kAte = offsetof(tagREG_CM_AUTORIZACOES_USUARIOSPS, Reservado12);
    tagREG_CM_AUTORIZACOES_USUARIOSPS s{};
    if (!src || !JQMemCpy(reinterpret_cast<unsigned char*>(&s) + kDe, reinterpret_cast<const unsigned char*>(src) + kDe,
                          kAte - kDe, ARQ, __LINE__))
        return;
    tolv::LeValoresPorBytes(m_Usuarios, s.QtdUsuarios, s.pUsuarios);
}

// --- TCMMestreAutorizacoes -----------------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreAutorizacoes, TJQBaseParaDados)

void TCMMestreAutorizacoes::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Usuarios.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreAutorizacoes::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMMestreAutorizacoes*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Usuarios.Copia(s->m_Usuarios);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreAutorizacoes::CopiarPara(tagREG_CM_AUTORIZACOESPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMMestreAutorizacoes::EscreveAninhados(tagREG_CM_AUTORIZACOESPS* dst) const
{
    tolv::ZeraAninhados(dst);
    // Each entry zero but for the group's count and numbers.
    tolv::EscreveLista(m_Usuarios, dst->QtdUsuarios, dst->pUsuarios);
}

void TCMMestreAutorizacoes::CopiarDe(tagREG_CM_AUTORIZACOESPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMMestreAutorizacoes::LeDe(tagREG_CM_AUTORIZACOESPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Usuarios, Contagem(m_ps.QtdUsuarios), m_ps.pUsuarios);
}

// --- TCMMestreListaAutorizacoes ------------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreListaAutorizacoes, TJQBaseParaDados)

void TCMMestreListaAutorizacoes::OnLimpar()
{
    m_Autorizacoes.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreListaAutorizacoes::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMMestreListaAutorizacoes*>(src);
    if (s != this)
        m_Autorizacoes.Copia(s->m_Autorizacoes);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreListaAutorizacoes::CopiarPara(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps) const
{
    if (ZeraSlots(ps))
        tolv::EscreveLista(m_Autorizacoes, ps->QtdAutorizacoes, ps->pAutorizacoes);
}

void TCMMestreListaAutorizacoes::CopiarDe(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps)
{
    Limpar();
    long n;
    tagREG_CM_AUTORIZACOESPS* p;
    if (LeSlots(ps, n, p))
        tolv::LeLista(m_Autorizacoes, Contagem(n), p);
}

namespace {

void LiberaAutorizacoes(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps, Liberacao modo)
{
    if (!ps)
        return;
    if (tagREG_CM_AUTORIZACOESPS* regras = ps->pAutorizacoes) {
        for (unsigned long k = 0; k < Contagem(ps->QtdAutorizacoes); ++k) {
            tagREG_CM_AUTORIZACOESPS& r = regras[k];
            if (tagREG_CM_AUTORIZACOES_USUARIOSPS* grupos = r.pUsuarios) {
                for (unsigned long j = 0; j < Contagem(r.QtdUsuarios); ++j)
                    LiberaTabela(grupos[j].QtdUsuarios, grupos[j].pUsuarios, modo);
            }
            LiberaTabela(r.QtdUsuarios, r.pUsuarios, modo);
        }
    }
    LiberaTabela(ps->QtdAutorizacoes, ps->pAutorizacoes, modo);
}

} // namespace

void TCMMestreListaAutorizacoes::ZerarGlobalAlloc(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps)
{
    LiberaAutorizacoes(ps, Liberacao::CoTaskMem);
}

void TCMMestreListaAutorizacoes::ZerarDelete(tagREG_CM_AUTORIZACOESMESTRE_LISTAPS* ps)
{
    LiberaAutorizacoes(ps, Liberacao::Delete);
}

// --- TCMMestreRecebimento ------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreRecebimento, TJQBaseParaDados)

void TCMMestreRecebimento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreRecebimento::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMMestreRecebimento*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreRecebimento::CopiarPara(tagREG_CM_RECEBIMENTOPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMMestreRecebimento::CopiarDe(tagREG_CM_RECEBIMENTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMMestreRecebimento::LeDe(tagREG_CM_RECEBIMENTOPS* src) { LeBloco(m_ps, src); }

// --- TCMMestreLeiauteOC --------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreLeiauteOC, TJQBaseParaDados)

void TCMMestreLeiauteOC::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreLeiauteOC::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMMestreLeiauteOC*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreLeiauteOC::CopiarPara(tagREG_CM_LEIAUTEOCMESTREPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMMestreLeiauteOC::CopiarDe(tagREG_CM_LEIAUTEOCMESTREPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMMestreLeiauteOC::LeDe(tagREG_CM_LEIAUTEOCMESTREPS* src) { LeBloco(m_ps, src); }

// --- The receipt and layout tables ---------------------------------------------------

TOLV_PADRAO_IMPL(TCMMestreListaRecebimento, TJQBaseParaDados)

void TCMMestreListaRecebimento::OnLimpar()
{
    m_Recebimento.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreListaRecebimento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMMestreListaRecebimento*>(src);
    if (s != this)
        m_Recebimento.Copia(s->m_Recebimento);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreListaRecebimento::CopiarPara(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps) const
{
    if (ZeraSlots(ps))
        tolv::EscreveLista(m_Recebimento, ps->QtdRecebimento, ps->pRecebimento);
}

void TCMMestreListaRecebimento::CopiarDe(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps)
{
    Limpar();
    long n;
    tagREG_CM_RECEBIMENTOPS* p;
    if (LeSlots(ps, n, p))
        tolv::LeLista(m_Recebimento, Contagem(n), p);
}

void TCMMestreListaRecebimento::ZerarGlobalAlloc(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps)
{
    if (ps)
        LiberaTabela(ps->QtdRecebimento, ps->pRecebimento, Liberacao::CoTaskMem);
}

void TCMMestreListaRecebimento::ZerarDelete(tagREG_CM_RECEBIMENTOMESTRE_LISTAPS* ps)
{
    if (ps)
        LiberaTabela(ps->QtdRecebimento, ps->pRecebimento, Liberacao::Delete);
}

TOLV_PADRAO_IMPL(TCMMestreListaLeiauteOC, TJQBaseParaDados)

void TCMMestreListaLeiauteOC::OnLimpar()
{
    m_LeiauteOC.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMMestreListaLeiauteOC::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMMestreListaLeiauteOC*>(src);
    if (s != this)
        m_LeiauteOC.Copia(s->m_LeiauteOC);
    TJQBaseParaDados::OnCopiar(src);
}

void TCMMestreListaLeiauteOC::CopiarPara(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps) const
{
    if (ZeraSlots(ps))
        tolv::EscreveLista(m_LeiauteOC, ps->QtdLeiauteOC, ps->pLeiauteOC);
}

void TCMMestreListaLeiauteOC::CopiarDe(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps)
{
    Limpar();
    long n;
    tagREG_CM_LEIAUTEOCMESTREPS* p;
    if (LeSlots(ps, n, p))
        tolv::LeLista(m_LeiauteOC, Contagem(n), p);
}

void TCMMestreListaLeiauteOC::ZerarGlobalAlloc(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps)
{
    if (ps)
        LiberaTabela(ps->QtdLeiauteOC, ps->pLeiauteOC, Liberacao::CoTaskMem);
}

void TCMMestreListaLeiauteOC::ZerarDelete(tagREG_CM_LEIAUTEOCMESTRE_LISTAPS* ps)
{
    if (ps)
        LiberaTabela(ps->QtdLeiauteOC, ps->pLeiauteOC, Liberacao::Delete);
}
