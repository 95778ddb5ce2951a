#include "tools/AmostraOP.h"

namespace amostra {

TCMOPRateio RateioOP(Gerador& g, int linhas)
{
    TCMOPRateio r;
    r.SetPonteiroContaEmpresarial(static_cast<long>(1000 + g.Ate(9000)));
    r.SetPercentual(JQCY(static_cast<LONGLONG>(1 + g.Ate(100)) * 10000));
    r.SetPonteiroLocal(static_cast<long>(1 + g.Ate(40)));
    r.SetDestino(static_cast<char>('A' + g.Ate(3)));
    for (int k = 0; k < linhas; ++k)
        r.AdicionaGerencial(Linha(g));
    return r;
}

TCMOPRelacionamento Relacionamento(Gerador& g, int rateios, int linhas)
{
    TCMOPRelacionamento r;
    r.SetIDRelacionamento(1 + g.Ate(100000));
    r.SetPonteiroCST_ICMS(static_cast<long>(g.Ate(90)));
    r.SetCodigoOrigemMercadoria_xml(static_cast<unsigned short>(g.Ate(8)));
    r.SetCST_ICMS_xml(static_cast<unsigned short>(g.Ate(90)));
    r.SetCST_IPI_xml(static_cast<unsigned short>(g.Ate(99)));
    r.SetCSOSN_ICMS_xml(static_cast<unsigned short>(101 + g.Ate(900)));
    r.SetPonteiroCFOPSitServico(static_cast<unsigned short>(1102 + g.Ate(5)));
    r.SetCodigoTributacaoIPI(static_cast<unsigned short>(g.Ate(5)));
    r.SetCodigoTributacaoISS(static_cast<unsigned short>(g.Ate(5)));
    r.SetDescricaoAnalitica(g.Texto("compra para industrializacao ", 50));
    r.SetCFOP_xml(g.Texto("1", 4));
    r.SetAlcanceOperacao(static_cast<unsigned char>(g.Ate(3)));
    r.SetContribuinte_ICMS(1);
    r.SetOptanteSN(static_cast<unsigned char>(g.Ate(2)));
    r.SetProdutoPossuiST(static_cast<unsigned char>(g.Ate(2)));
    r.SetStatusProdutoServico(static_cast<unsigned char>('P'));
    for (int k = 0; k < rateios; ++k)
        r.AdicionaRateio(RateioOP(g, linhas));
    return r;
}

void Operacao(TCMOPOperacao& o, Gerador& g, const FormaOperacao& f)
{
    o.Limpar();
    o.SetFilial(static_cast<unsigned short>(1 + g.Ate(20)));
    o.SetCodigo(g.Texto("OP", 8));
    o.SetTipoRelacionamento(static_cast<unsigned char>(1 + g.Ate(3)));
    o.SetDescricao(g.Texto("compra de materia-prima ", 50));
    for (int k = 0; k < f.relacionamentos; ++k)
        o.AdicionaRelacionamento(Relacionamento(g, f.rateios, f.linhas));
}

} // namespace amostra
