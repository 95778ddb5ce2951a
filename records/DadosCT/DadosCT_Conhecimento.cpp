#include "records/DadosCT/DadosCT_Conhecimento.h"

#include "companions/JQDFConx.h"
#include "core/Aninhados.h"
#include "core/Comparacao.h"

#define ARQ "DadosCT"

TOLV_REGISTRA_ESTRUTURA(tagREG_CONHECIMENTOPS)

IMPLEMENT_DYNAMIC(TCMCTConhecimentoTransporte, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TCMCTConhecimentoTransporte, TJQBaseParaDados)

void TCMCTConhecimentoTransporte::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Vinculo.Limpa();
    m_Rateio.RemoveAll();
    m_Parcela.RemoveAll();
    m_NotaFiscal.RemoveAll();
    m_Logs.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMCTConhecimentoTransporte::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMCTConhecimentoTransporte*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_Vinculo = s->m_Vinculo;
    if (s != this) {
        m_Rateio.Copia(s->m_Rateio);
        m_Parcela.Copia(s->m_Parcela);
        m_NotaFiscal.Copia(s->m_NotaFiscal);
        m_Logs.Copia(s->m_Logs);
    }
    TJQBaseParaDados::OnCopiar(src);
}

namespace {

// 255 in the transport status counts as 0.
unsigned char Status(unsigned char s) { return s == 255 ? 0 : s; }

// The order key as the number part and the valid 16-bit part rebuild it.
REG_JQDMC Refeita(const REG_JQDMC& k) { return JQDMC_Monta(JQDMC_Numero(k), JQDMC_Parte16(k)); }

} // namespace

// Not compared: RegPonteiroEsteCT, RegDataUltimaAlteracao, Usuario,
// PonteiroMunicipio, the four states, VersaoGravacao, Vinculo and Logs.
bool TCMCTConhecimentoTransporte::operator==(const TCMCTConhecimentoTransporte& o) const
{
    // clang-format off
    IGUAL(ValorConhecimentoTransporte); IGUAL(ValorBaseCalculoICMS); IGUAL(ValorICMS); IGUAL(ValorIsentasICMS);
    IGUAL(ValorOutrasICMS); IGUAL(ValorBaseCalculoICMSSubstituicao); IGUAL(ValorICMSSubtituicao);
    IGUAL(BasePISNaoCumulativo); IGUAL(BaseCOFINSNaoCumulativo); IGUAL(ValorPISNaoCumulativo);
    IGUAL(ValorCOFINSNaoCumulativo); IGUAL(BaseDif); IGUAL(ValorDif);
    IGUAL(PonteiroTransportadora); IGUAL(PonteiroClassificacao); IGUAL(NrDctoContabil);
    IGUAL(PonteiroHistorico); IGUAL(AliquotaICMS); IGUAL(PonteiroFilial); IGUAL(PonteiroCFOP);
    IGUAL(RegDataEntrada); IGUAL(RegDataEmissao); IGUAL(PonteiroTipoDocumento); IGUAL(PonteiroCondicaoPagamento);
    IGUAL(LivreCobranca);
    // clang-format on
    if (Status(m_ps.StatusViaTransp) != Status(o.m_ps.StatusViaTransp))
        return false;
    // clang-format off
    IGUAL(PonteiroTipoPeriodo); IGUAL(FretePorConta);
    IGUAL(NumeroConhecimentoTransporte); IGUAL(SerieConhecimentoTransporte);
    // clang-format on
    if (!tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico))
        return false;
    // clang-format off
    IGUAL(PlacaVeiculo1); IGUAL(PlacaVeiculo2); IGUAL(PlacaVeiculo3);
    // clang-format on
    if (m_NotaFiscal.GetSize() != o.m_NotaFiscal.GetSize() || m_Parcela.GetSize() != o.m_Parcela.GetSize() ||
        m_Rateio.GetSize() != o.m_Rateio.GetSize())
        return false;
    // clang-format off
    IGUAL(AliquotaPISNaoCumulativo); IGUAL(AliquotaCOFINSNaoCumulativo);
    // clang-format on
    if (m_ps.RegCTe != o.m_ps.RegCTe || m_ps.RegCTeReferencia != o.m_ps.RegCTeReferencia)
        return false;
    // clang-format off
    IGUAL(NatFreteContratado); IGUAL(IndicadorTipoFrete); IGUAL(PonteiroClassificacaoSPED);
    IGUAL(PonteiroSituacaoTributaria); IGUAL(PonteiroOperacao); IGUAL(TipoIncidenciaPIS); IGUAL(TipoIncidenciaCOFINS);
    IGUAL(PosicaoBCCredito); IGUAL(Incompleta); IGUAL(CTeInvalida);
    IGUAL(RegQuemGerou);
    // clang-format on
    if (Refeita(m_ps.RegPonteiroOC) != Refeita(o.m_ps.RegPonteiroOC))
        return false;
    IGUAL(Observacao);
    return tolv::ListasIguais(m_Rateio, o.m_Rateio) && tolv::ListasIguais(m_Parcela, o.m_Parcela) &&
           tolv::ListasIguais(m_NotaFiscal, o.m_NotaFiscal);
}

void TCMCTConhecimentoTransporte::CopiarPara(tagREG_CONHECIMENTOPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // The three counts and pointers: zero from here on, so the structure can
    // be released whatever stops the writing below.
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
    tolv::EscreveLista(m_Parcela, dst->QtdParcela, dst->pParcela);
    tolv::EscreveLista(m_NotaFiscal, dst->QtdNotaFiscal, dst->pNotaFiscal);
}

void TCMCTConhecimentoTransporte::CopiarDe(tagREG_CONHECIMENTOPS* src)
{
    Limpar();
    if (!tolv::LeBloco(m_ps, src, ARQ))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read;
    // all six slots of the record are zero at the end.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, s.QtdRateio, s.pRateio);
    tolv::LeLista(m_Parcela, s.QtdParcela, s.pParcela);
    tolv::LeLista(m_NotaFiscal, s.QtdNotaFiscal, s.pNotaFiscal);
}

// Each apportionment line's management array whose pointer is set, then the
// three arrays whatever their counts; a null array is skipped.
void TCMCTConhecimentoTransporte::ZerarGlobalAlloc(tagREG_CONHECIMENTOPS* ps)
{
    tolv::LiberaAninhados(ps, tolv::Liberacao::CoTaskMem);
}

void TCMCTConhecimentoTransporte::ZerarDelete(tagREG_CONHECIMENTOPS* ps)
{
    tolv::LiberaAninhados(ps, tolv::Liberacao::Delete);
}
