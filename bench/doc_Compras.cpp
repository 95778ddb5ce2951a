// The documents besides the entry register, each with its sample tree of n
// items (every nested level present). The fiscal movement goes outwards only
// (no reading); the first-generation contract has no freeing of its own (its
// arrays are released by the walk of its description).
#include <memory>
#include <vector>

#include "bench/Documentos.h"
#include "tools/AmostraCC.h"
#include "tools/AmostraCP.h"
#include "tools/AmostraCT.h"
#include "tools/AmostraEF.h"
#include "tools/AmostraES.h"
#include "tools/AmostraMestre.h"
#include "tools/AmostraOC.h"
#include "tools/AmostraOP.h"
#include "tools/AmostraSC.h"

namespace {

// Items with two apportionments of two management lines and two schedule
// lines with a receipt each; three instalments.
void Ordem(TCMOCOrdemCompra& o, int n)
{
    amostra::Gerador g(2301);
    amostra::FormaOrdem f;
    f.itens = n;
    amostra::Ordem(o, g, f);
}

// Items with two apportionments of two management lines; three suppliers.
void Solicitacao(TCMSCSolicitacaoCompra& s, int n)
{
    amostra::Gerador g(2401);
    amostra::FormaSolicitacao f;
    f.itens = n;
    amostra::Solicitacao(s, g, f);
}

// Products with two apportionments of two management lines; three offers with
// their instalments; the follow-ups.
void Cotacao(TCMCPCotacaoPreco& c, int n)
{
    amostra::Gerador g(2402);
    amostra::FormaCotacao f;
    f.produtos = n;
    amostra::Cotacao(c, g, f);
}

void Contrato(TCMCC2Contrato& c, int n)
{
    amostra::Gerador g(2501);
    amostra::ContratoCC2(c, g, n);
}

void ContratoPrimeiro(TCMCCContrato& c, int n)
{
    amostra::Gerador g(2502);
    amostra::ContratoCC(c, g, n);
}

// The fiscal movement goes out only. Its caller sends, beside the structure,
// the array of the ICMS rates that do not fit the header and each item in its
// own structure (the movement's conversion does not carry them): the writing
// and the floors take both.
class MovimentoEF : public TEFMovimento {
public:
    using Aliquotas = CArray<_REG_ALIQUOTASICMSPS, const _REG_ALIQUOTASICMSPS&>;

    void CopiarPara(_REG_ESCRITAFISCALPS* ps) const
    {
        Aliquotas aliquotas;
        TEFMovimento::CopiarPara(ps, &aliquotas);
        const std::unique_ptr<_REG_ITENS_NF_PS[]> itens = Itens();
        benchmark::DoNotOptimize(aliquotas.GetData());
        benchmark::DoNotOptimize(itens.get());
    }

    static void Acompanhantes(const MovimentoEF& m, std::vector<std::vector<unsigned char>>& blocos)
    {
        Aliquotas aliquotas;
        _REG_ESCRITAFISCALPS ps;
        m.TEFMovimento::CopiarPara(&ps, &aliquotas);
        TEFMovimento::ZerarDelete(&ps);
        const auto* a = reinterpret_cast<const unsigned char*>(aliquotas.GetData());
        if (aliquotas.GetSize() > 0)
            blocos.emplace_back(a, a + aliquotas.GetSize() * sizeof(_REG_ALIQUOTASICMSPS));
        const std::unique_ptr<_REG_ITENS_NF_PS[]> itens = m.Itens();
        if (itens) {
            const auto* i = reinterpret_cast<const unsigned char*>(itens.get());
            blocos.emplace_back(i, i + m.GetQuantidadeItem() * sizeof(_REG_ITENS_NF_PS));
        }
    }

private:
    // The items, each by its own CopiarPara, in an array of the caller's.
    std::unique_ptr<_REG_ITENS_NF_PS[]> Itens() const
    {
        const int n = GetQuantidadeItem();
        if (n == 0)
            return nullptr;
        std::unique_ptr<_REG_ITENS_NF_PS[]> p(new _REG_ITENS_NF_PS[n]);
        for (int k = 0; k < n; ++k)
            GetPtrItem(k)->CopiarPara(&p[k]);
        return p;
    }
};

void MovimentoFiscal(MovimentoEF& m, int n)
{
    amostra::Gerador g(2602);
    amostra::Movimento(m, g, n);
}

void Conhecimento(TCMCTConhecimentoTransporte& c, int n)
{
    amostra::Gerador g(2601);
    amostra::Conhecimento(c, g, n);
}

void Movimento(TESMovimento& m, int n)
{
    amostra::Gerador g(2701);
    amostra::Movimento(m, g, amostra::FormaMovimentoDe(n));
}

void Operacao(TCMOPOperacao& o, int n)
{
    amostra::Gerador g(2702);
    amostra::Operacao(o, g, amostra::FormaOperacaoDe(n));
}

void Autorizacoes(TCMMestreListaAutorizacoes& t, int n)
{
    amostra::Gerador g(2703);
    amostra::ListaAutorizacoes(t, g, amostra::FormaAutorizacoesDe(n));
}

void Recebimentos(TCMMestreListaRecebimento& t, int n)
{
    amostra::Gerador g(2704);
    amostra::ListaRecebimento(t, g, n);
}

void Leiautes(TCMMestreListaLeiauteOC& t, int n)
{
    amostra::Gerador g(2705);
    amostra::ListaLeiauteOC(t, g, n);
}

} // namespace

TOLV_BENCH_DOCUMENTO(OC, TCMOCOrdemCompra, tagREG_ORDEMPS, Ordem);
TOLV_BENCH_DOCUMENTO(SC, TCMSCSolicitacaoCompra, tagREG_SOLICITACAO_COMPRAPS, Solicitacao);
TOLV_BENCH_DOCUMENTO(CP, TCMCPCotacaoPreco, tagREG_COTACAOPS, Cotacao);
TOLV_BENCH_DOCUMENTO(CC2, TCMCC2Contrato, tagREG_CONTRATO_COMPRAPS, Contrato);
TOLV_BENCH_DOCUMENTO(CC, TCMCCContrato, tagREG_CM_CONTRATO_COMPRAPS, ContratoPrimeiro);
TOLV_BENCH_DOCUMENTO(CT, TCMCTConhecimentoTransporte, tagREG_CONHECIMENTOPS, Conhecimento);
TOLV_BENCH_DOCUMENTO(EF, MovimentoEF, _REG_ESCRITAFISCALPS, MovimentoFiscal);
TOLV_BENCH_DOCUMENTO(ES, TESMovimento, _REG_ES_MOVIMENTOPS, Movimento);
TOLV_BENCH_DOCUMENTO(OP, TCMOPOperacao, tagREG_CM_OPERACAO_OPPS, Operacao);
TOLV_BENCH_DOCUMENTO(MestreAutorizacoes, TCMMestreListaAutorizacoes, tagREG_CM_AUTORIZACOESMESTRE_LISTAPS,
                     Autorizacoes);
TOLV_BENCH_DOCUMENTO(MestreRecebimento, TCMMestreListaRecebimento, tagREG_CM_RECEBIMENTOMESTRE_LISTAPS, Recebimentos);
TOLV_BENCH_DOCUMENTO(MestreLeiauteOC, TCMMestreListaLeiauteOC, tagREG_CM_LEIAUTEOCMESTRE_LISTAPS, Leiautes);
