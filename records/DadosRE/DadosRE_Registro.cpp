#include "records/DadosRE/DadosRE_Registro.h"

#include <cstddef>

#include "companions/JQDFConx.h"
#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_RE_ASSOCIACAO_OCPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_ENTRADAPS)

IMPLEMENT_DYNAMIC(TCMRERegistroEntrada, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TCMRERegistroEntrada, TJQBaseParaDados)

namespace {

CString Cortada(const CString& s)
{
    return s.GetLength() > TCMRERegistroEntrada::kMaxObservacao ? s.Left(TCMRERegistroEntrada::kMaxObservacao) : s;
}

} // namespace

void TCMRERegistroEntrada::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Vinculo.Limpa();
    m_ObservacaoGeral.Empty();
    m_ObservacaoFisco.Empty();
    m_Produto.RemoveAll();
    m_Servico.RemoveAll();
    m_AssociacaoREOC.RemoveAll();
    m_Referidas.RemoveAll();
    m_Logs.RemoveAll();
    m_ObservacoesCFOP.RemoveAll();
    CondicaoPgto.Limpar();
    m_LiberouAlteracaoVlrUnitOC = false;
    TJQBaseParaDados::OnLimpar();
}

void TCMRERegistroEntrada::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMRERegistroEntrada*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Vinculo = s->m_Vinculo;
    if (s != this) {
        m_Produto.Copia(s->m_Produto);
        m_Servico.Copia(s->m_Servico);
        m_AssociacaoREOC.Copia(s->m_AssociacaoREOC);
        m_Referidas.Copia(s->m_Referidas);
        m_Logs.Copia(s->m_Logs);
        m_ObservacoesCFOP.Copia(s->m_ObservacoesCFOP);
    }
    CondicaoPgto = s->CondicaoPgto;
    m_ObservacaoGeral = Cortada(s->m_ObservacaoGeral);
    m_ObservacaoFisco = Cortada(s->m_ObservacaoFisco);
    m_LiberouAlteracaoVlrUnitOC = s->m_LiberouAlteracaoVlrUnitOC;
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMRERegistroEntrada::operator==(const TCMRERegistroEntrada& o) const
{
    if (!tolv::ListasIguais(m_Produto, o.m_Produto) || !tolv::ListasIguais(m_Servico, o.m_Servico))
        return false;
    if (!tolv::ListasIguais(m_AssociacaoREOC, o.m_AssociacaoREOC) || !tolv::ListasIguais(m_Referidas, o.m_Referidas) ||
        !tolv::ListasIguais(m_ObservacoesCFOP, o.m_ObservacoesCFOP))
        return false;
    if (!(CondicaoPgto == o.CondicaoPgto))
        return false;
    if (m_ps.RegNFe != o.m_ps.RegNFe)
        return false;
    if (m_ObservacaoGeral != o.m_ObservacaoGeral || m_ObservacaoFisco != o.m_ObservacaoFisco)
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMRERegistroEntrada,
        // the 33 amounts from offset 104 to 360
        ValorConhecimentoTransporte, ValorTotalDescontoProdutos, ValorTotalProdutos, ValorBaseCalculoICMS,
        ValorICMS, ValorBaseCalculoICMSSubstituicaoTributaria, ValorTotalICMSSubstituicaoTributria,
        ValorDeducaoICMSSuframa, ValorTotalIPI, ValorFunrural, ValorTotalDescontoServicos, ValorTotalServicos,
        ValorTotalIRRF, ValorTotalINSS, ValorLiquidoServicos, ValorTotalDescontos, ValorTotalNotaFiscal,
        ValorTotalLiquidoNotaFiscal, ValorFrete, ValorSeguro, ValorDespesasAcessorias, IPIEmbutidoNF, BaseCalcIPI,
        IsentasICMS, OutrasICMS, IsentasIPI, OutrasIPI, PesoBrutoTotal, PesoLiquidoTotal, TotalAPagar,
        ConsumoTotalKWh, CreditoFinanceiro, ValorAVP,
        // keys and counts
        NSU, PonteiroFornecedor, PonteiroFornecedorSugestao, PonteiroTransportadora, PonteiroClassificacao,
        NrDctoContabil, PonteiroLocalEstocagemSugestao, PonteiroDepartamento, PonteiroRequisitante, QtdVolumes,
        PonteiroComprador, ChaveContratoCompra, ChaveRecebimentoProduto, PonteiroHistorico, PonteiroFilial,
        PonteiroTipoDocumento, PonteiroCFOPPrincipal, PonteiroSitServicoPrincipal, PonteiroMunicipio,
        PonteiroGerencialSugestao, PonteiroOperacao,
        // dates
        RegDataEntrada, RegDataEmissao, RegDataEscrituracao,
        // texts
        EstadoOrigem, NumeroConhecimentoTransporte, NumeroNotaFiscal, EspecieVolume, SerieNotaFiscal,
        PlacaVeiculo1, PlacaVeiculo2, PlacaVeiculo3, Estado1, Estado2, Estado3, MarcaVolume, NumeroInicialVolume,
        ChaveNFSe,
        // flags
        StatusViaTransp, StatusNFPropria, StatusRementente, Incompleta, FretePorConta, NFeInvalida, Situacao,
        CanceladoNaInclusao);
    // clang-format on
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // Last, and its answer is the comparison's: the other register's text first.
    // Both texts are read within their fields.
    return tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico);
}

void TCMRERegistroEntrada::CopiarPara(tagREG_ENTRADAPS* dst)
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // The record's own slots are zero, so every count and pointer of dst is
    // consistent from here on, even if an exception stops the writing below.
    tolv::ZeraAninhados(dst);

    m_ObservacaoGeral = Cortada(m_ObservacaoGeral);
    m_ObservacaoFisco = Cortada(m_ObservacaoFisco);
    tolv::EscreveTexto(m_ObservacaoGeral, dst->TamObservacaoGeral, dst->pObservacaoGeral);
    tolv::EscreveTexto(m_ObservacaoFisco, dst->TamObservacaoFisco, dst->pObservacaoFisco);

    tolv::EscreveLista(m_Produto, dst->QtdProduto, dst->pProduto);
    tolv::EscreveLista(m_Servico, dst->QtdServico, dst->pServico);
    tolv::EscreveLista(m_Referidas, dst->QtdReferidas, dst->pReferidas);
    tolv::EscreveLista(m_ObservacoesCFOP, dst->QtdObservacoesCFOP, dst->pObservacoesCFOP);
    tolv::EscreveLista(CondicaoPgto.GetListaParcela(), dst->QtdParcela, dst->pParcela);
    tolv::EscreveLista(CondicaoPgto.GetListaTitulo(), dst->QtdTituloImposto, dst->pTituloImposto);

    dst->PonteiroTipoPeriodo = CondicaoPgto.GetPonteiroTipoPeriodo();
    dst->PonteiroTipoCobranca = CondicaoPgto.GetPonteiroTipoCobranca();
    tolv::fk::Data::set(dst->RegDataPrimeiroVencimento, CondicaoPgto.GetRegDataPrimeiroVencimento());
    dst->PonteiroCondicaoPagamento = CondicaoPgto.GetPonteiroCondicaoPagamento();

    tolv::EscreveValores(m_AssociacaoREOC, dst->QtdAssociacaoREOC, dst->pAssociacaoREOC,
                         [](long chave, tagREG_RE_ASSOCIACAO_OCPS& e) { e.PonteiroOrdemCompra = chave; });
}

void TCMRERegistroEntrada::CopiarDe(tagREG_ENTRADAPS* src)
{
    Limpar();
    tagREG_ENTRADAPS s;
    if (!JQMemCpy(&s, src, sizeof s, ARQ, __LINE__))
        return;
    m_ps = s;
    tolv::ZeraAninhados(&m_ps);

    tolv::LeTexto(m_ObservacaoGeral, s.TamObservacaoGeral, s.pObservacaoGeral);
    tolv::LeTexto(m_ObservacaoFisco, s.TamObservacaoFisco, s.pObservacaoFisco);
    tolv::LeLista(m_Produto, s.QtdProduto, s.pProduto);
    tolv::LeLista(m_Servico, s.QtdServico, s.pServico);
    tolv::LeLista(CondicaoPgto.GetListaParcela(), s.QtdParcela, s.pParcela);
    tolv::LeLista(CondicaoPgto.GetListaTitulo(), s.QtdTituloImposto, s.pTituloImposto);
    tolv::LeLista(m_Referidas, s.QtdReferidas, s.pReferidas);
    tolv::LeLista(m_ObservacoesCFOP, s.QtdObservacoesCFOP, s.pObservacoesCFOP);

    CondicaoPgto.SetPonteiroTipoPeriodo(s.PonteiroTipoPeriodo);
    CondicaoPgto.SetPonteiroTipoCobranca(s.PonteiroTipoCobranca);
    CondicaoPgto.SetRegDataPrimeiroVencimento(s.RegDataPrimeiroVencimento.Data);
    CondicaoPgto.SetPonteiroCondicaoPagamento(s.PonteiroCondicaoPagamento);

    tolv::LeValores(m_AssociacaoREOC, s.QtdAssociacaoREOC, s.pAssociacaoREOC,
                    [](const tagREG_RE_ASSOCIACAO_OCPS& e) { return e.PonteiroOrdemCompra; });
}

namespace {

using tolv::Liberacao;

// A block whose elements own nothing, or whose elements' own blocks were
// already released (count 0 then).
template <class E, class C> void Solta(E* p, C count, Liberacao modo) { tolv::LiberaLista(p, count, modo); }

// A block whose elements own blocks: each element's by solta, the last
// element first, then the block. A null block is skipped whatever its count.
template <class E, class C, class F> void SoltaCada(E* p, C count, Liberacao modo, F solta)
{
    if (!p)
        return;
    for (size_t k = tolv::Elementos(count); k-- > 0;)
        solta(p[k]);
    Solta(p, 0, modo);
}

// A variable text travels with its size; with size 0 the pointer is not a
// block of the structure and is left alone.
template <class C> void SoltaTexto(char* p, C tamanho, Liberacao modo)
{
    if (tamanho != 0)
        tolv::LiberaTexto(p, modo);
}

// The blocks go back in the reverse of the order the writing takes them, the
// last one taken first, as a stack unwinds. The C library then keeps the last
// block apart from its heap top while the rest of the tree merges below it,
// and the next writing takes the same memory again; released in the writing's
// own order, a large register merged into the heap top, was given back to the
// system and had to be faulted in again by the next writing.

void SoltaTitulos(const tagREG_ENTRADAPS& ps, Liberacao modo)
{
    SoltaCada(ps.pTituloImposto, ps.QtdTituloImposto, modo, [modo](const tagREG_TITULO_IMPOSTOS_ENTRADAPS& t) {
        SoltaCada(t.pRateio, t.QtdRateio, modo, [modo](const auto& r) { Solta(r.pGerencial, r.QtdGerencial, modo); });
    });
}

void SoltaImpostos(tagREG_ITEM_IMPOSTOPS* p, unsigned n, Liberacao modo)
{
    SoltaCada(p, n, modo, [modo](const tagREG_ITEM_IMPOSTOPS& i) { Solta(i.pDeducao, i.QtdDeducao, modo); });
}

void SoltaProduto(const tagREG_ITEM_ENTRADA_PRODUTOPS& item, Liberacao modo)
{
    Solta(item.pTotais, item.QtdTotais, modo);
    SoltaCada(item.pEntradaEstoque, item.QtdEntradaEstoque, modo, [modo](const _REG_ENTRADA_ESTOQUE_ENTRADAPS& e) {
        SoltaTexto(e.pArmaFogo_Descricao, e.TamArmaFogo_Descricao, modo);
        Solta(e.pComposicao, e.QtdComposicao, modo);
        Solta(e.pGerencial, e.QtdGerencial, modo);
        Solta(e.pGerencialSaida, e.QtdGerencialSaida, modo);
    });
    SoltaImpostos(item.pImposto, item.QtdImposto, modo);
    Solta(item.pMargemLucro, item.QtdMargemLucro, modo);
    Solta(item.pItemAssociacao, item.QtdItemAssociacao, modo);
    SoltaCada(item.pRateio, item.QtdRateio, modo, [modo](const tagREG_RATEIOPRODUTO_ENTRADAPS& r) {
        Solta(r.pAtivoImobilizado, r.QtdAtivoImobilizado, modo);
        Solta(r.pGerencialFilialClassificacao, r.QtdGerencialFilialClassificacao, modo);
        Solta(r.pGerencial, r.QtdGerencial, modo);
        Solta(r.pGerencialOrigem, r.QtdGerencialOrigem, modo);
    });
}

void SoltaServico(const tagREG_ITEM_ENTRADA_SERVICOPS& item, Liberacao modo)
{
    SoltaImpostos(item.pImposto, item.QtdImposto, modo);
    Solta(item.pItemAssociacao, item.QtdItemAssociacao, modo);
    SoltaCada(item.pRateio, item.QtdRateio, modo, [modo](const tagREG_RATEIOSERVICO_ENTRADAPS& r) {
        Solta(r.pGerencialFilialClassificacao, r.QtdGerencialFilialClassificacao, modo);
        Solta(r.pGerencial, r.QtdGerencial, modo);
    });
}

// Every block of the tree, each array after its elements' blocks, last written
// first: the order links, the tax titles, the instalments, the CFOP notes (each
// note's text, which the receiver owns, before them), the referred invoices,
// the service items, the product items and the two texts. A null array is
// skipped whatever its count.
void Libera(tagREG_ENTRADAPS* ps, Liberacao modo)
{
    if (!ps)
        return;
    Solta(ps->pAssociacaoREOC, ps->QtdAssociacaoREOC, modo);
    SoltaTitulos(*ps, modo);
    Solta(ps->pParcela, ps->QtdParcela, modo);
    SoltaCada(ps->pObservacoesCFOP, ps->QtdObservacoesCFOP, modo,
              [modo](const tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS& o) {
                  SoltaTexto(o.pObservacao, o.TamObservacao, modo);
              });
    Solta(ps->pReferidas, ps->QtdReferidas, modo);
    SoltaCada(ps->pServico, ps->QtdServico, modo,
              [modo](const tagREG_ITEM_ENTRADA_SERVICOPS& i) { SoltaServico(i, modo); });
    SoltaCada(ps->pProduto, ps->QtdProduto, modo,
              [modo](const tagREG_ITEM_ENTRADA_PRODUTOPS& i) { SoltaProduto(i, modo); });
    SoltaTexto(ps->pObservacaoFisco, ps->TamObservacaoFisco, modo);
    SoltaTexto(ps->pObservacaoGeral, ps->TamObservacaoGeral, modo);
}

} // namespace

void TCMRERegistroEntrada::ZerarGlobalAlloc(tagREG_ENTRADAPS* ps) { Libera(ps, Liberacao::CoTaskMem); }

void TCMRERegistroEntrada::ZerarDelete(tagREG_ENTRADAPS* ps) { Libera(ps, Liberacao::Delete); }
