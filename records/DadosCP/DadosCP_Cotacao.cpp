#include "records/DadosCP/DadosCP_Cotacao.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosCP"

TOLV_REGISTRA_ESTRUTURA(tagREG_COTACAOPS)

TOLV_PADRAO_IMPL(TCMCPCotacaoPreco, TJQBaseParaDados)

// The log lines survive clearing.
void TCMCPCotacaoPreco::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Observacao.Empty();
    m_LocalEntrega.Empty();
    m_ItemProduto.RemoveAll();
    m_ItemFornecedor.RemoveAll();
    m_ItemAcompanhamento.RemoveAll();
    m_Vinculo.Limpa();
    TJQBaseParaDados::OnLimpar();
}

void TCMCPCotacaoPreco::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCPCotacaoPreco*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Observacao = s->m_Observacao;
    m_LocalEntrega = s->m_LocalEntrega;
    if (s != this) {
        m_ItemProduto.Copia(s->m_ItemProduto);
        m_ItemFornecedor.Copia(s->m_ItemFornecedor);
        m_ItemAcompanhamento.Copia(s->m_ItemAcompanhamento);
        m_Logs.Copia(s->m_Logs);
    }
    m_Vinculo = s->m_Vinculo;
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: JQDMC, PonteiroEsteCP, the marker, DataUltimaAlteracao,
// HoraUltimaAlteracao, Usuario, WEB, reserved bytes, Logs, the link. The
// follow-ups go pairwise by position: the same lines in another order differ.
bool TCMCPCotacaoPreco::operator==(const TCMCPCotacaoPreco& o) const
{
    if (!tolv::ListasIguais(m_ItemAcompanhamento, o.m_ItemAcompanhamento) ||
        !tolv::ListasIguais(m_ItemFornecedor, o.m_ItemFornecedor) ||
        !tolv::ListasIguais(m_ItemProduto, o.m_ItemProduto))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCPCotacaoPreco,
        DataCotacao, DataSolicitacao, PonteiroFilial, CodigoCotacao,
        Situacao, Cotado, AprovarMenorPreco, DataLimiteCotacao,
        PonteiroRequisitante, PonteiroDepartamento, PonteiroComprador,
        DataNecessidade, NrDiasNecessidade);
    // clang-format on
    return kIgual(m_ps, o.m_ps) && m_Observacao == o.m_Observacao && m_LocalEntrega == o.m_LocalEntrega;
}

void TCMCPCotacaoPreco::CopiarPara(tagREG_COTACAOPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // The record's own slots are zero, so every count and pointer of dst is
    // consistent from here on, even if an exception stops the writing below.
    tolv::ZeraAninhados(dst);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveTexto(m_LocalEntrega, dst->TamLocalEntrega, dst->pLocalEntrega);
    tolv::EscreveLista(m_ItemProduto, dst->QtdItemProduto, dst->pItemProduto);
    tolv::EscreveLista(m_ItemFornecedor, dst->QtdItemFornecedor, dst->pItemFornecedor);
    tolv::EscreveLista(m_ItemAcompanhamento, dst->QtdItemAcompanhamento, dst->pItemAcompanhamento);
}

void TCMCPCotacaoPreco::CopiarDe(tagREG_COTACAOPS* src)
{
    Limpar();
    tagREG_COTACAOPS s;
    if (!JQMemCpy(&s, src, sizeof s, ARQ, __LINE__))
        return;
    m_ps = s;
    tolv::ZeraAninhados(&m_ps);
    tolv::LeLista(m_ItemProduto, s.QtdItemProduto, s.pItemProduto);
    tolv::LeLista(m_ItemFornecedor, s.QtdItemFornecedor, s.pItemFornecedor);
    tolv::LeLista(m_ItemAcompanhamento, s.QtdItemAcompanhamento, s.pItemAcompanhamento);
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
    tolv::LeTexto(m_LocalEntrega, s.TamLocalEntrega, s.pLocalEntrega);
}

namespace {

using tolv::Liberacao;

// One block of the tree; its elements' own blocks are released by the caller.
template <class E> void Solta(E* p, Liberacao modo) { tolv::LiberaLista(p, 0, modo); }

void SoltaTexto(char* p, Liberacao modo) { tolv::LiberaTexto(p, modo); }

// Block by block, as the structure's readers expect: the header's texts and
// its arrays and the instalment arrays go only with a nonzero length or count;
// the apportionment and management-line arrays and the children's texts
// always. A null block is skipped whatever its count.
void Libera(tagREG_COTACAOPS* ps, Liberacao modo)
{
    if (!ps)
        return;
    if (ps->TamObservacao != 0)
        SoltaTexto(ps->pObservacao, modo);
    if (ps->TamLocalEntrega != 0)
        SoltaTexto(ps->pLocalEntrega, modo);
    if (tagREG_COTACAOITEMPRODUTOPS* p = ps->pItemProduto) {
        for (unsigned k = 0; k < ps->QtdItemProduto; ++k) {
            if (tagREG_COTACAOITEMRATEIOPS* r = p[k].pRateio)
                for (unsigned j = 0; j < p[k].QtdRateio; ++j)
                    Solta(r[j].pGerencial, modo);
            Solta(p[k].pRateio, modo);
            SoltaTexto(p[k].pComplemento, modo);
            SoltaTexto(p[k].pObservacao, modo);
        }
    }
    if (ps->QtdItemProduto != 0)
        Solta(ps->pItemProduto, modo);
    if (tagREG_COTACAOITEMFORNECEDORPS* f = ps->pItemFornecedor) {
        for (unsigned k = 0; k < ps->QtdItemFornecedor; ++k) {
            SoltaTexto(f[k].pNomeFornecedor, modo);
            SoltaTexto(f[k].pObservacao, modo);
            if (f[k].QtdParcela != 0)
                Solta(f[k].pParcela, modo);
        }
    }
    if (ps->QtdItemFornecedor != 0)
        Solta(ps->pItemFornecedor, modo);
    if (tagREG_COTACAOITEMACOMPANHAMENTOPS* a = ps->pItemAcompanhamento)
        for (unsigned k = 0; k < ps->QtdItemAcompanhamento; ++k)
            SoltaTexto(a[k].pObservacao, modo);
    if (ps->QtdItemAcompanhamento != 0)
        Solta(ps->pItemAcompanhamento, modo);
}

} // namespace

void TCMCPCotacaoPreco::ZerarGlobalAlloc(tagREG_COTACAOPS* ps) { Libera(ps, Liberacao::CoTaskMem); }

void TCMCPCotacaoPreco::ZerarDelete(tagREG_COTACAOPS* ps) { Libera(ps, Liberacao::Delete); }
