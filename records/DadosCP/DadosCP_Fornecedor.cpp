#include "records/DadosCP/DadosCP_Fornecedor.h"

#include <new>

#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosCP"

TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOITEMFORNECEDORPS)

namespace {

// A new order holding a copy of src; the memory exception when there is no room.
std::unique_ptr<TCMOCOrdemCompra> NovaOrdem(const TCMOCOrdemCompra& src)
{
    auto* p = new (std::nothrow) TCMOCOrdemCompra(src);
    if (!p)
        AfxThrowMemoryException();
    return std::unique_ptr<TCMOCOrdemCompra>(p);
}

} // namespace

TOLV_PADRAO_IMPL(TCMCPCotacaoPrecoItemFornecedor, TJQBaseParaDados)

TCMOCOrdemCompra TCMCPCotacaoPrecoItemFornecedor::GetOCAuxiliar() const
{
    if (m_OCAuxiliar)
        return *m_OCAuxiliar;
    return TCMOCOrdemCompra();
}

void TCMCPCotacaoPrecoItemFornecedor::SetOCAuxiliar(TCMOCOrdemCompra v)
{
    if (m_OCAuxiliar)
        *m_OCAuxiliar = v;
    else
        m_OCAuxiliar = NovaOrdem(v);
}

void TCMCPCotacaoPrecoItemFornecedor::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_NomeFornecedor.Empty();
    m_Observacao.Empty();
    m_OCAuxiliar.reset();
    m_TemOCAuxiliar = false;
    m_Parcela.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMCPCotacaoPrecoItemFornecedor::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCPCotacaoPrecoItemFornecedor*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_NomeFornecedor = s->m_NomeFornecedor;
    m_Observacao = s->m_Observacao;
    // Through a copy of the source's order, made before this one is replaced.
    if (s->m_OCAuxiliar)
        m_OCAuxiliar = NovaOrdem(*s->m_OCAuxiliar);
    else
        m_OCAuxiliar.reset();
    m_TemOCAuxiliar = s->m_TemOCAuxiliar;
    if (s != this)
        m_Parcela.Copia(s->m_Parcela);
    TJQBaseParaDados::OnCopiar(src);
}

// Neither the auxiliary order nor its flag is compared; PonteiroTipoPeriodo
// is compared as it stands.
bool TCMCPCotacaoPrecoItemFornecedor::operator==(const TCMCPCotacaoPrecoItemFornecedor& o) const
{
    // clang-format off
    IGUAL(Frete);
    IGUAL(PonteiroOC); IGUAL(PonteiroFornecedor);
    IGUAL(PonteiroCondPgto); IGUAL(PrazoEntrega); IGUAL(DataEntrega); IGUAL(PrazoValidadeProposta);
    IGUAL(SituacaoCotacao);
    // clang-format on
    if (m_NomeFornecedor != o.m_NomeFornecedor || m_Observacao != o.m_Observacao)
        return false;
    // clang-format off
    IGUAL(Moeda);
    IGUAL(OrigemDados); IGUAL(PonteiroTipoPeriodo);
    IGUAL(DataPrimeiroVencimento);
    IGUAL(DescontoFornecedor);
    IGUAL(DataResposta);
    // clang-format on
    return tolv::ListasIguais(m_Parcela, o.m_Parcela);
}

void TCMCPCotacaoPrecoItemFornecedor::CopiarPara(tagREG_COTACAOITEMFORNECEDORPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMCPCotacaoPrecoItemFornecedor::EscreveAninhados(tagREG_COTACAOITEMFORNECEDORPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_NomeFornecedor, dst->TamNomeFornecedor, dst->pNomeFornecedor);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveLista(m_Parcela, dst->QtdParcela, dst->pParcela);
}

void TCMCPCotacaoPrecoItemFornecedor::CopiarDe(tagREG_COTACAOITEMFORNECEDORPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCPCotacaoPrecoItemFornecedor::LeDe(tagREG_COTACAOITEMFORNECEDORPS* src)
{
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    // The caller's lengths, count and pointers stay in m_ps while they are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeTexto(m_NomeFornecedor, s.TamNomeFornecedor, s.pNomeFornecedor);
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
    tolv::LeLista(m_Parcela, s.QtdParcela, s.pParcela);
}
