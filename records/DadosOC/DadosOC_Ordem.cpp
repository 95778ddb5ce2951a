#include "records/DadosOC/DadosOC_Ordem.h"

#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosOC/DadosOC_Interno.h"

#define ARQ "DadosOC"

TOLV_REGISTRA_ESTRUTURA(tagREG_ORDEMPS)

using tolv::ListasIguais;
using tolv::oc::LeBloco;

TOLV_PADRAO_IMPL(TCMOCOrdemCompra, TJQBaseParaDados)

void TCMOCOrdemCompra::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Item.RemoveAll();
    m_Parcela.RemoveAll();
    m_Logs.RemoveAll();
    m_Vinculo.Limpa();
    TJQBaseParaDados::OnLimpar();
}

void TCMOCOrdemCompra::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOCOrdemCompra*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this) {
        m_Item.Copia(s->m_Item);
        m_Parcela.Copia(s->m_Parcela);
        m_Logs.Copia(s->m_Logs);
    }
    m_Vinculo = s->m_Vinculo;
    TJQBaseParaDados::OnCopiar(src);
}

// Not compared: PonteiroEsteOC, DataUltimaAlteracao, HoraUltimaAlteracao,
// Usuario, OrcamentoExcedente, VersaoGravacao, EmailOrcamentoExcedentePendente,
// reserved bytes, Logs, Vinculo.
bool TCMOCOrdemCompra::operator==(const TCMOCOrdemCompra& o) const
{
    // clang-format off
    IGUAL(ValorTotalProdutos); IGUAL(ValorDescontoTotalProdutos); IGUAL(ValorTotalServicos);
    IGUAL(ValorDescontoTotalServicos); IGUAL(ValorTotalIPI); IGUAL(ValorDescontoTotalOrdemCompra);
    IGUAL(ValorTotalOrdemCompra); IGUAL(ValorFrete); IGUAL(ValorSeguro); IGUAL(ValorDespesasAcessorias);
    IGUAL(ValorTotalICMSST); IGUAL(ValorTotalICMS);
    IGUAL(PonteiroFornecedor); IGUAL(PonteiroClassificacao); IGUAL(PonteiroTransportadora); IGUAL(PonteiroContato);
    // clang-format on
    // The key's first six bytes: its 32-bit word and the 16-bit word after it.
    if (std::memcmp(&m_ps.JQDMC, &o.m_ps.JQDMC, 6) != 0)
        return false;
    // clang-format off
    IGUAL(PonteiroFilialEmitente); IGUAL(PonteiroFilialFaturamento); IGUAL(DataEmissao); IGUAL(DataEntrega);
    IGUAL(NumeroDiasEntrega); IGUAL(PonteiroCondicaoPagamento);
    IGUAL(Impresso); IGUAL(Situacao); IGUAL(Incompleta);
    IGUAL(LocalEntrega); IGUAL(MensagemParaFornecedor); IGUAL(Codigo);
    IGUAL(FretePorConta); IGUAL(FixarDataVcto);
    // clang-format on
    if (m_Item.GetSize() != o.m_Item.GetSize() || m_Parcela.GetSize() != o.m_Parcela.GetSize())
        return false;
    // clang-format off
    IGUAL(PonteiroDepartamento); IGUAL(PonteiroRequisitante); IGUAL(PonteiroComprador);
    IGUAL(PonteiroControleQualidade);
    IGUAL(Frete); IGUAL(PonteiroHistorico); IGUAL(Moeda);
    IGUAL(RegDataCompetencia);
    // clang-format on
    // This order's complement first.
    if (!tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico,
                                                              tolv::PrimeiroComplemento::Deste))
        return false;
    // 255 on either side stands for "not set" and matches anything.
    const unsigned char a = m_ps.PonteiroTipoPeriodo;
    const unsigned char b = o.m_ps.PonteiroTipoPeriodo;
    if (a != 255 && b != 255 && a != b)
        return false;
    return ListasIguais(m_Item, o.m_Item) && ListasIguais(m_Parcela, o.m_Parcela);
}

void TCMOCOrdemCompra::CopiarPara(tagREG_ORDEMPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // Only the slots: the alignment words after the counts stay as copied.
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Item, dst->QtdItem, dst->pItem);
    tolv::EscreveLista(m_Parcela, dst->QtdParcela, dst->pParcela);
}

void TCMOCOrdemCompra::CopiarDe(tagREG_ORDEMPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Item, s.QtdItem, s.pItem);
    tolv::LeLista(m_Parcela, s.QtdParcela, s.pParcela);
}

// Items (their apportionments' lines, the apportionments, the receipts'
// texts, the receipts, the schedule lines), the item array, then the
// instalments: the walk of the tables, each array after its elements' blocks.
void TCMOCOrdemCompra::ZerarGlobalAlloc(tagREG_ORDEMPS* ps) { tolv::LiberaAninhados(ps, tolv::Liberacao::CoTaskMem); }

void TCMOCOrdemCompra::ZerarDelete(tagREG_ORDEMPS* ps) { tolv::LiberaAninhados(ps, tolv::Liberacao::Delete); }
