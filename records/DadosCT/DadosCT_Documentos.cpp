#include "records/DadosCT/DadosCT_Documentos.h"

#include "core/Comparacao.h"

#define ARQ "DadosCT"

TOLV_REGISTRA_ESTRUTURA(tagREG_FATURA_CONHECIMENTOPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_NOTAFISCAL_CONHECIMENTOPS)

// --- TCMCTParcela ----------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCTParcela, TJQBaseParaDados)

void TCMCTParcela::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMCTParcela::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCTParcela*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMCTParcela::operator==(const TCMCTParcela& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCTParcela,
        ValorParcela, RegDataVencimento, NumeroDaParcela, PonteiroTipoVencimento, NumeroDocumento,
        PonteiroFormaPagamento);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMCTParcela::CopiarPara(tagREG_FATURA_CONHECIMENTOPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCTParcela::CopiarDe(tagREG_FATURA_CONHECIMENTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCTParcela::LeDe(tagREG_FATURA_CONHECIMENTOPS* src) { tolv::LeBloco(m_ps, src, ARQ); }

// --- TCMCTNotaFiscal -------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMCTNotaFiscal, TJQBaseParaDados)

void TCMCTNotaFiscal::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TCMCTNotaFiscal::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TCMCTNotaFiscal*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

// RegNFe and TipoNota are not compared.
bool TCMCTNotaFiscal::operator==(const TCMCTNotaFiscal& o) const
{
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMCTNotaFiscal,
        ValorMercadorias, ValorDocumentoFiscal, PesoBrutoTotal, PesoLiquidoTotal, QtdVolumes, PonteiroFornecedor,
        PonteiroTipoDocumento, RegDataEmissao, MarcaVolume, Volumes, NumeroVolumes, NumeroNF, NaturezaVolumes,
        EspecieVolume, SerieNF);
    if (!kIgual(m_ps, o.m_ps))
        return false;
    // clang-format on
    return true;
}

void TCMCTNotaFiscal::CopiarPara(tagREG_NOTAFISCAL_CONHECIMENTOPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

void TCMCTNotaFiscal::CopiarDe(tagREG_NOTAFISCAL_CONHECIMENTOPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMCTNotaFiscal::LeDe(tagREG_NOTAFISCAL_CONHECIMENTOPS* src) { tolv::LeBloco(m_ps, src, ARQ); }
