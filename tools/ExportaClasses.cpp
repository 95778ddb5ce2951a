// The record classes that convert each transfer structure, for the reference
// pages. Each pair is checked by the compiler: the class must have a
// CopiarPara or a CopiarDe of that structure.
#include <cstring>

#include "tolvdata.h"
#include "tools/Exporta.h"

namespace ferramenta::exporta {

namespace {

// CopiarPara(S*), with the caller's rate array for the fiscal movement, or
// CopiarDe(S*).
template <class T, class S>
concept Converte = requires(const T& t, S* s)
{
    t.CopiarPara(s);
}
|| requires(const T& t, S* s) { t.CopiarPara(s, nullptr); }
|| requires(T& t, S* s) { t.CopiarDe(s); };

struct Par {
    const char* classe;
    const char* estrutura;
};

template <class T, class S> constexpr Par Classe(const char* classe, const char* estrutura)
{
    static_assert(Converte<T, S>, "the class converts no such structure");
    return Par{classe, estrutura};
}

#define TOLV_CLASSE(T, S) Classe<T, S>(#T, #S),

// clang-format off
const Par kPares[] = {
    TOLV_CLASSE(TCMGerencial, tagREG_CM_GERENCIALPS)
    TOLV_CLASSE(TCMGerencial, tagRegGerencial_ps)
    TOLV_CLASSE(TCMGerencial, _REG_ES_GERENCIALPS)
    TOLV_CLASSE(TCMGerencial, _REG_EF_NF_GERENCIAL_PS)
    TOLV_CLASSE(TCMGerencial, _REG_RATEIO_CONTAS_GERENCIAISPS)
    TOLV_CLASSE(TCMCCContrato, tagREG_CM_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCAditivo, tagREG_CM_ADITIVO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCReajuste, tagREG_CM_REAJUSTE_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCNotaFiscal, tagREG_CM_NOTA_FISCAL_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCUsuario, tagREG_CM_USUARIO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCClassificacao, tagREG_CM_CLASSIFICACAO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCExecucao, tagREG_CM_EXECUCAO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCCParcela, tagREG_CM_PARCELA_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Aditivo, tagREG_ADITIVO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Reajuste, tagREG_REAJUSTE_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2NotaFiscal, tagREG_NOTA_FISCAL_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Classificacao, tagREG_CLASSIFICACAO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Execucao, tagREG_EXECUCAO_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Parcela, tagREG_PARCELA_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCC2Contrato, tagREG_CONTRATO_COMPRAPS)
    TOLV_CLASSE(TCMCPCotacaoPreco, tagREG_COTACAOPS)
    TOLV_CLASSE(TCMCPCotacaoPrecoItemFornecedor, tagREG_COTACAOITEMFORNECEDORPS)
    TOLV_CLASSE(TCMCPCotacaoPrecoRateio, tagREG_COTACAOITEMRATEIOPS)
    TOLV_CLASSE(TCMCPCotacaoPrecoItemProduto, tagREG_COTACAOITEMPRODUTOPS)
    TOLV_CLASSE(TCMCPCotacaoPrecoItemParcela, tagREG_COTACAOITEMFATURAPS)
    TOLV_CLASSE(TCMCPCotacaoPrecoItemAcompanhamento, tagREG_COTACAOITEMACOMPANHAMENTOPS)
    TOLV_CLASSE(TCMCTConhecimentoTransporte, tagREG_CONHECIMENTOPS)
    TOLV_CLASSE(TCMCTParcela, tagREG_FATURA_CONHECIMENTOPS)
    TOLV_CLASSE(TCMCTNotaFiscal, tagREG_NOTAFISCAL_CONHECIMENTOPS)
    TOLV_CLASSE(TCMCTRateio, tagREG_RATEIO_CONHECIMENTOPS)
    TOLV_CLASSE(TEFMovimentoDI, _REG_DADOS_DIPS)
    TOLV_CLASSE(TEFMovimentoParcela, _REG_EF_NF_FINANCEIRO_PS)
    TOLV_CLASSE(TEFMovimentoReferida, _REG_EF_NF_REFERIDA_PS)
    TOLV_CLASSE(TEFMovimentoTransporte, _REG_NOTAS_FISCIASPS)
    TOLV_CLASSE(TEFMovimentoItem, _REG_ITENS_NF_PS)
    TOLV_CLASSE(TEFMovimentoAliquotaICMS, _REG_ALIQUOTASICMSPS)
    TOLV_CLASSE(TEFMovimento, _REG_ESCRITAFISCALPS)
    TOLV_CLASSE(TESMovimentoContabil, _REG_ES_CONTABILIZACAOPS)
    TOLV_CLASSE(TESMovimentoComposicao, _REG_ES_COMPOSICAO_PRODUTOPS)
    TOLV_CLASSE(TESMovimentoReferencia, _REG_ES_MOV_REFERENCIAPS)
    TOLV_CLASSE(TESMovimento, _REG_ES_MOVIMENTOPS)
    TOLV_CLASSE(TCMMestreAutorizacoesUsuarios, tagREG_CM_AUTORIZACOES_USUARIOSPS)
    TOLV_CLASSE(TCMMestreAutorizacoes, tagREG_CM_AUTORIZACOESPS)
    TOLV_CLASSE(TCMMestreListaAutorizacoes, tagREG_CM_AUTORIZACOESMESTRE_LISTAPS)
    TOLV_CLASSE(TCMMestreRecebimento, tagREG_CM_RECEBIMENTOPS)
    TOLV_CLASSE(TCMMestreLeiauteOC, tagREG_CM_LEIAUTEOCMESTREPS)
    TOLV_CLASSE(TCMMestreListaRecebimento, tagREG_CM_RECEBIMENTOMESTRE_LISTAPS)
    TOLV_CLASSE(TCMMestreListaLeiauteOC, tagREG_CM_LEIAUTEOCMESTRE_LISTAPS)
    TOLV_CLASSE(TCMOCRecebimento, tagREG_RECEBIMENTO_COMPRAPS)
    TOLV_CLASSE(TCMOCProgramacao, tagREG_PROGRAMACAO_COMPRAPS)
    TOLV_CLASSE(TCMOCRateio, tagREG_RATEIO_COMPRAPS)
    TOLV_CLASSE(TCMOCItem, tagREG_ITENS_ORDEMPS)
    TOLV_CLASSE(TCMOCOrdemCompra, tagREG_ORDEMPS)
    TOLV_CLASSE(TCMOCParcela, tagREG_FATURA_COMPRAPS)
    TOLV_CLASSE(TCMOCAutorizacao, tagREG_AUTORIZACAO_COMPRAPS)
    TOLV_CLASSE(TCMOCListaAutorizacao, tagREG_LISTAAUTORIZACAO_COMPRAPS)
    TOLV_CLASSE(TCMOPRateio, REG_CM_RATEIO_OPPS)
    TOLV_CLASSE(TCMOPRelacionamento, tagREG_CM_RELACIONAMENTO_OPPS)
    TOLV_CLASSE(TCMOPOperacao, tagREG_CM_OPERACAO_OPPS)
    TOLV_CLASSE(TCMREAtivoImobilizado, tagREG_ATIVO_IMOBILIZADO_ENTRADAPS)
    TOLV_CLASSE(TCMREComposicao, _REG_ITEM_ENTRADA_COMPOSICAOPS)
    TOLV_CLASSE(TCMREComposicao, _REG_ES_COMPOSICAO_PRODUTOPS)
    TOLV_CLASSE(TCMREEntradaEstoque, _REG_ENTRADA_ESTOQUE_ENTRADAPS)
    TOLV_CLASSE(TCMREServicoDeducao, tagREG_DEDUCOES_PS)
    TOLV_CLASSE(TCMREItemImposto, tagREG_ITEM_IMPOSTOPS)
    TOLV_CLASSE(TCMREItemProdutoTotais, tagREG_ITEM_TOTAIS_ENTRADAPS)
    TOLV_CLASSE(TCMREItemProduto, tagREG_ITEM_ENTRADA_PRODUTOPS)
    TOLV_CLASSE(TCMREItemServico, tagREG_ITEM_ENTRADA_SERVICOPS)
    TOLV_CLASSE(TCMREMargemLucro, tagREG_MARGEMLUCROPS)
    TOLV_CLASSE(TCMREParcela, tagREG_FATURA_ENTRADAPS)
    TOLV_CLASSE(TCMRETituloImposto, tagREG_TITULO_IMPOSTOS_ENTRADAPS)
    TOLV_CLASSE(TCMRERateioProduto, tagREG_RATEIOPRODUTO_ENTRADAPS)
    TOLV_CLASSE(TCMRERateioTitulo, tagREG_TITULO_RATEIO_ENTRADAPS)
    TOLV_CLASSE(TCMRERateioServico, tagREG_RATEIOSERVICO_ENTRADAPS)
    TOLV_CLASSE(TCMRENFReferidas, tagREG_RE_NF_REFERIDA_PS)
    TOLV_CLASSE(TCMREObservacaoCFOP, tagREG_REGISTRO_ENTRADA_OBSERVACAO_CFOPPS)
    TOLV_CLASSE(TCMREItemAssociacaoREOC, tagREG_ASSOCIACAO_ITEM_RE_OCPS)
    TOLV_CLASSE(TCMRERegistroEntrada, tagREG_ENTRADAPS)
    TOLV_CLASSE(TCMSCItem, tagREG_SOLICITACAO_COMPRA_ITEMPS)
    TOLV_CLASSE(TCMSCFornecedor, tagREG_SOLICITACAO_COMPRA_FORNECEDORPS)
    TOLV_CLASSE(TCMSCRateio, tagREG_SOLICITACAO_RATEIO_COMPRAPS)
    TOLV_CLASSE(TCMSCSolicitacaoCompra, tagREG_SOLICITACAO_COMPRAPS)
};
// clang-format on

} // namespace

std::vector<const char*> ClassesDe(const tolv::EstruturaDesc* d)
{
    std::vector<const char*> r;
    for (const Par& p : kPares)
        if (std::strcmp(p.estrutura, d->nome) == 0)
            r.push_back(p.classe);
    return r;
}

} // namespace ferramenta::exporta
