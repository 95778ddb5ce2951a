#include "records/DadosSC/DadosSC_Solicitacao.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosSC"

TOLV_REGISTRA_ESTRUTURA(tagREG_SOLICITACAO_COMPRAPS)

TOLV_PADRAO_IMPL(TCMSCSolicitacaoCompra, TJQBaseParaDados)

namespace {

void Corta(CString& s)
{
    if (s.GetLength() > TCMSCSolicitacaoCompra::kMaxObservacao)
        s = s.Left(TCMSCSolicitacaoCompra::kMaxObservacao);
}

} // namespace

void TCMSCSolicitacaoCompra::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Vinculo.Limpa();
    m_Observacao.Empty();
    m_Item.RemoveAll();
    m_Fornecedor.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

// The copy holds the observation as it would travel.
void TCMSCSolicitacaoCompra::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMSCSolicitacaoCompra*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Vinculo = s->m_Vinculo;
    m_Observacao = s->m_Observacao;
    Corta(m_Observacao);
    if (s != this) {
        m_Item.Copia(s->m_Item);
        m_Fornecedor.Copia(s->m_Fornecedor);
    }
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: JQDMC, RegDataUltimaAlteracao, RegDataHoraInclusao,
// PonteiroEsteSC, HoraUltimaAlteracao, Usuario, Incompleta, the link.
bool TCMSCSolicitacaoCompra::operator==(const TCMSCSolicitacaoCompra& o) const
{
    if (!tolv::ListasIguais(m_Item, o.m_Item) || !tolv::ListasIguais(m_Fornecedor, o.m_Fornecedor))
        return false;
    // clang-format off
    IGUAL(PonteiroDepartamento); IGUAL(PonteiroRequisitante);
    IGUAL(PonteiroFilial); IGUAL(PonteiroFilialRequisitante); IGUAL(PonteiroFilialAtendente); IGUAL(DataSolicitacao);
    IGUAL(NrDiasNecessidade);
    IGUAL(RegDataNecessidade);
    IGUAL(Descartada);
    // clang-format on
    if (m_Observacao != o.m_Observacao)
        return false;
    // clang-format off
    IGUAL(CodigoSolicitacao);
    IGUAL(Situacao); IGUAL(Origem); IGUAL(Agrupado);
    IGUAL(PonteiroComprador);
    // clang-format on
    // The two counts close the comparison, as they opened it.
    return GetQuantidadeItem() == o.GetQuantidadeItem() && GetQuantidadeFornecedor() == o.GetQuantidadeFornecedor();
}

void TCMSCSolicitacaoCompra::CopiarPara(tagREG_SOLICITACAO_COMPRAPS* dst)
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // The record's own slots are zero, so every count and pointer of dst is
    // consistent from here on, even if an exception stops the writing below.
    tolv::ZeraAninhados(dst);
    Corta(m_Observacao);
    tolv::EscreveTexto(m_Observacao, dst->TamObservacao, dst->pObservacao);
    tolv::EscreveLista(m_Item, dst->QtdItem, dst->pItem);
    tolv::EscreveLista(m_Fornecedor, dst->QtdFornecedor, dst->pFornecedor);
}

// The observation is taken whole: only sending cuts it.
void TCMSCSolicitacaoCompra::CopiarDe(tagREG_SOLICITACAO_COMPRAPS* src)
{
    Limpar();
    tagREG_SOLICITACAO_COMPRAPS s;
    if (!JQMemCpy(&s, src, sizeof s, ARQ, __LINE__))
        return;
    m_ps = s;
    tolv::ZeraAninhados(&m_ps);
    tolv::LeLista(m_Item, s.QtdItem, s.pItem);
    tolv::LeLista(m_Fornecedor, s.QtdFornecedor, s.pFornecedor);
    tolv::LeTexto(m_Observacao, s.TamObservacao, s.pObservacao);
}

namespace {

using tolv::Liberacao;

// One block of the tree; its elements' own blocks are released by the caller.
template <class E> void Solta(E* p, Liberacao modo) { tolv::LiberaLista(p, 0, modo); }

void SoltaTexto(char* p, Liberacao modo) { tolv::LiberaTexto(p, modo); }

// Block by block, as the structure's readers expect: the header's text and the
// arrays go only with a nonzero length or count, the texts of the items and
// suppliers always. A null block is skipped whatever its count.
void Libera(tagREG_SOLICITACAO_COMPRAPS* ps, Liberacao modo)
{
    if (!ps)
        return;
    if (ps->TamObservacao != 0)
        SoltaTexto(ps->pObservacao, modo);
    if (tagREG_SOLICITACAO_COMPRA_ITEMPS* itens = ps->pItem) {
        for (unsigned k = 0; k < ps->QtdItem; ++k) {
            tagREG_SOLICITACAO_COMPRA_ITEMPS& item = itens[k];
            SoltaTexto(item.pComplemento, modo);
            SoltaTexto(item.pObservacao, modo);
            if (tagREG_SOLICITACAO_RATEIO_COMPRAPS* r = item.pRateio) {
                for (unsigned j = 0; j < item.QtdRateio; ++j)
                    if (r[j].QtdGerencial != 0)
                        Solta(r[j].pGerencial, modo);
            }
            if (item.QtdRateio != 0)
                Solta(item.pRateio, modo);
        }
    }
    if (ps->QtdItem != 0)
        Solta(ps->pItem, modo);
    if (tagREG_SOLICITACAO_COMPRA_FORNECEDORPS* f = ps->pFornecedor) {
        for (unsigned k = 0; k < ps->QtdFornecedor; ++k) {
            SoltaTexto(f[k].pNomeFornecedor, modo);
            SoltaTexto(f[k].pObservacao, modo);
        }
    }
    if (ps->QtdFornecedor != 0)
        Solta(ps->pFornecedor, modo);
}

} // namespace

void TCMSCSolicitacaoCompra::ZerarGlobalAlloc(tagREG_SOLICITACAO_COMPRAPS* ps) { Libera(ps, Liberacao::CoTaskMem); }

void TCMSCSolicitacaoCompra::ZerarDelete(tagREG_SOLICITACAO_COMPRAPS* ps) { Libera(ps, Liberacao::Delete); }
