#include "tools/AmostraSC.h"

namespace amostra {

TCMSCRateio RateioSC(Gerador& g, const FormaSolicitacao& f)
{
    TCMSCRateio r;
    r.SetRegQuemGerou(JQDMC_Monta(g.Proximo(), static_cast<unsigned short>(1 + g.Ate(34440))));
    r.SetQuantidade(g.Valor(100));
    r.SetPonteiroClassificacao(static_cast<long>(1 + g.Ate(40)));
    r.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    r.SetPonteiroRequisitante(static_cast<long>(1 + g.Ate(300)));
    r.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(90)));
    r.SetComplementoHistorico(g.Texto("rateio da solicitacao ", 40));
    for (int k = 0; k < f.linhas; ++k)
        r.AdicionaGerencial(Linha(g));
    return r;
}

TCMSCItem ItemSC(Gerador& g, int i, const FormaSolicitacao& f)
{
    TCMSCItem it;
    it.SetIDItem(static_cast<unsigned long>(i + 1));
    it.SetPonteiroProdutoServico(static_cast<long>(10000 + g.Ate(90000)));
    it.SetPonteiroItemGrade1(static_cast<unsigned short>(g.Ate(12)));
    it.SetPonteiroItemGrade2(static_cast<unsigned short>(g.Ate(6)));
    it.SetRegDataNecessidade(g.Data());
    it.SetSaldoEmEstoque(g.Valor(800));
    it.SetPontoDeReposicao(g.Valor(200));
    it.SetEstoqueMinimo(g.Valor(100));
    it.SetQuantidade(g.Valor(500));
    it.SetPonteiroUnidadeMedida(static_cast<unsigned short>(1 + g.Ate(20)));
    it.SetNrDiasNecessidade(static_cast<unsigned short>(g.Ate(60)));
    it.SetStatusProdutoServico('A');
    it.SetPrioridade(static_cast<char>('1' + g.Ate(3)));
    it.SetOpcao('N');
    it.SetTipoControleReposicao(static_cast<unsigned char>(g.Ate(3)));
    it.SetComplemento(g.Texto("complemento do item ", 60));
    it.SetObservacao(g.Texto("observacao do item ", 120));
    for (int k = 0; k < f.rateios; ++k)
        it.AdicionaRateio(RateioSC(g, f));
    return it;
}

TCMSCFornecedor FornecedorSC(Gerador& g)
{
    TCMSCFornecedor fo;
    fo.SetPonteiroFornecedor(static_cast<long>(1 + g.Ate(100000)));
    fo.SetNomeFornecedor(g.Texto("Fornecedor ", 40));
    fo.SetObservacao(g.Texto("sugerido por ", 60));
    return fo;
}

void Solicitacao(TCMSCSolicitacaoCompra& r, Gerador& g, const FormaSolicitacao& f)
{
    r.Limpar();
    r.SetRegDataNecessidade(g.Data());
    r.SetRegDataUltimaAlteracao(g.Data());
    r.SetPonteiroDepartamento(static_cast<long>(1 + g.Ate(30)));
    r.SetPonteiroRequisitante(static_cast<long>(1 + g.Ate(300)));
    r.SetPonteiroEsteSC(static_cast<long>(1 + g.Ate(1000000)));
    r.SetPonteiroComprador(1 + g.Ate(50));
    r.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(9)));
    r.SetPonteiroFilialRequisitante(static_cast<unsigned short>(1 + g.Ate(9)));
    r.SetPonteiroFilialAtendente(static_cast<unsigned short>(1 + g.Ate(9)));
    r.SetDataSolicitacao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    r.SetNrDiasNecessidade(static_cast<unsigned short>(g.Ate(60)));
    r.SetUsuario(static_cast<unsigned short>(1 + g.Ate(200)));
    r.SetCodigoSolicitacao(g.Texto("SC-", 12));
    r.SetOrigem(1);
    r.SetSituacao(static_cast<unsigned char>(g.Ate(4)));
    r.SetObservacao(g.Texto("observacao da solicitacao ", 300));
    for (int i = 0; i < f.itens; ++i)
        r.AdicionaItem(ItemSC(g, i, f));
    for (int i = 0; i < f.fornecedores; ++i)
        r.AdicionaFornecedor(FornecedorSC(g));
}

} // namespace amostra
