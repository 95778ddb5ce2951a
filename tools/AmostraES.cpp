#include "tools/AmostraES.h"

namespace amostra {

namespace {

_REG_POSICAO_PRODUTOPS Posicao(Gerador& g)
{
    _REG_POSICAO_PRODUTOPS p{};
    p.PonteiroProduto = static_cast<long>(10000 + g.Ate(90000));
    p.PonteiroItemGrade1 = static_cast<unsigned short>(g.Ate(12));
    p.PonteiroItemGrade2 = static_cast<unsigned short>(g.Ate(6));
    return p;
}

template <class B> B Bloco(Gerador& g)
{
    B b;
    for (auto& x : b.bytes)
        x = static_cast<BYTE>(g.Proximo());
    return b;
}

} // namespace

TESMovimentoContabil Contabil(Gerador& g, int linhas)
{
    TESMovimentoContabil c;
    c.SetValor(g.Valor());
    c.SetPonteiroGerencial(static_cast<long>(100 + g.Ate(900)));
    c.SetPonteiroContaCredito(static_cast<long>(1000 + g.Ate(9000)));
    c.SetPonteiroContaDebito(static_cast<long>(1000 + g.Ate(9000)));
    c.SetPonteiroCompHist(static_cast<long>(g.Ate(50)));
    c.SetPonteiroContabilizacao(static_cast<long>(1 + g.Ate(100000)));
    c.SetPonteiroHistorico(static_cast<unsigned short>(1 + g.Ate(300)));
    c.SetCompHistorico(g.Texto("entrada em estoque ", 60));
    for (int k = 0; k < linhas; ++k) {
        TCMGerencial l = Linha(g);
        l.SetQuantidade(JQCY(0)); // the 16-byte form carries no quantity
        c.AdicionaGerencial(l);
    }
    return c;
}

TESMovimentoComposicao ComposicaoES(Gerador& g)
{
    TESMovimentoComposicao c;
    c.SetregLotePS(Bloco<_REG_ES_LOTEPS>(g));
    c.SetregPosProduto(Posicao(g));
    c.SetregPosProdutoSubstituido(Posicao(g));
    c.SetregVolumePS(Bloco<_REG_ES_VOLUMEPS>(g));
    c.SetQuantidade(g.Valor(100));
    c.SetQuantidadeTotal(g.Valor(1000));
    c.Set4PIUnitaria(g.Valor(50));
    c.SetlPonteiroFilial(1 + g.Ate(20));
    c.SetPonteiroMovimentoOrigem(static_cast<long>(g.Ate(1000000)));
    c.SetPonteiroLote(static_cast<long>(g.Ate(5000)));
    c.SetPonteiroVolume(static_cast<long>(g.Ate(500)));
    c.SetPonteiroLocal(static_cast<unsigned short>(1 + g.Ate(40)));
    c.SetTipoEstoque(static_cast<unsigned char>(g.Ate(4)));
    c.SetCasasDecimais(4);
    return c;
}

TESMovimentoReferencia Referencia(Gerador& g)
{
    TESMovimentoReferencia r;
    r.SetPonteiroMovRef(static_cast<long>(1 + g.Ate(1000000)));
    return r;
}

void Movimento(TESMovimento& m, Gerador& g, const FormaMovimento& f)
{
    m.Limpar();
    m.SetValorICMS(g.Valor(2000));
    m.SetValorIPI(g.Valor(500));
    m.SetPesoBrutoUnitario(g.Valor(30));
    m.SetPesoLiquidoUnitario(g.Valor(25));
    m.SetPonteiroCFOP(static_cast<unsigned short>(1102 + g.Ate(5)));
    m.SetNumeroLote(g.Texto("LOTE-", 20));
    m.SetDataFabricacao(static_cast<unsigned short>(55519 + g.Ate(9000)));
    m.SetDataValidade(static_cast<unsigned short>(55519 + g.Ate(9000)));
    m.SetRegPosicaoProduto(Posicao(g));
    m.SetVolume(g.Texto("CX-", 12));
    m.SetDocumento(g.Texto("NF", 9));
    m.SetQuantidade(g.Valor(500));
    m.Setv8ValorUnitario(g.Valor(2000));
    m.SetValorTotal(g.Valor());
    m.SetPonteiroFornecedorCliente(static_cast<long>(1 + g.Ate(5000)));
    m.SetChaveQuemGerou(static_cast<long>(g.Proximo() & 0x7FFFFFFF));
    m.SetPonteiroFilial(static_cast<unsigned short>(1 + g.Ate(20)));
    m.SetPonteiroLocalArmazenagem(static_cast<unsigned short>(1 + g.Ate(40)));
    m.SetDataMovimento(static_cast<unsigned short>(55519 + g.Ate(9000)));
    m.SetHoraMovimento(static_cast<unsigned short>(g.Ate(1440)));
    m.SetModuloQuemGerou(3);
    m.SetTipoMovimento(static_cast<unsigned char>(1 + g.Ate(6)));
    m.SetComposicao(f.composicoes > 0 ? 1 : 0);
    m.SetComplemento(g.Texto("movimento gerado pela entrada ", 48));
    for (int k = 0; k < f.contabeis; ++k)
        m.AdicionaContabil(Contabil(g, f.linhas));
    for (int k = 0; k < f.composicoes; ++k)
        m.AdicionaComposicao(ComposicaoES(g));
    for (int k = 0; k < f.referencias; ++k)
        m.AdicionaReferencia(Referencia(g));
}

} // namespace amostra
