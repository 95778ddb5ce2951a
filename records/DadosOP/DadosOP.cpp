#include "records/DadosOP/DadosOP.h"

#include "core/Aninhados.h"
#include "core/Comparacao.h"
#include "core/JQMem.h"

#define ARQ "DadosOP"

TOLV_REGISTRA_ESTRUTURA(REG_CM_RATEIO_OPPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_RELACIONAMENTO_OPPS)
TOLV_REGISTRA_ESTRUTURA(tagREG_CM_OPERACAO_OPPS)

namespace {

template <class S> bool LeBloco(S& dst, const S* src) { return tolv::LeBloco(dst, src, ARQ); }

} // namespace

// --- TCMOPRateio ---------------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOPRateio, TJQBaseParaDados)

void TCMOPRateio::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Gerencial.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMOPRateio::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOPRateio*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Gerencial.Copia(s->m_Gerencial);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMOPRateio::operator==(const TCMOPRateio& o) const
{
    int n = GetQuantidadeGerencial();
    if (n != o.GetQuantidadeGerencial())
        return false;
    // Of each split only the amount and the account count; lines whose bytes
    // are all the same are equal at once.
    const bool mesmosBytes =
        n > 0 && tolv::BytesIguais(GetPtrGerencial(0), o.GetPtrGerencial(0), sizeof(TCMGerencial) * size_t(n));
    for (int k = 0; !mesmosBytes && k < n; ++k) {
        const TCMGerencial& a = *GetPtrGerencial(k);
        const TCMGerencial& b = *o.GetPtrGerencial(k);
        if (a.GetValor() != b.GetValor() || a.GetPonteiroGerencial() != b.GetPonteiroGerencial())
            return false;
    }
    static constexpr auto kIgual =
        TOLV_PLANO_IGUAL(TCMOPRateio, PonteiroContaEmpresarial, Percentual, PonteiroLocal, Destino);
    return kIgual(m_ps, o.m_ps);
}

void TCMOPRateio::CopiarPara(REG_CM_RATEIO_OPPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMOPRateio::EscreveAninhados(REG_CM_RATEIO_OPPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
}

void TCMOPRateio::CopiarDe(REG_CM_RATEIO_OPPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOPRateio::LeDe(REG_CM_RATEIO_OPPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's count and pointer stay in m_ps while the splits are read.
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Gerencial, m_ps.QtdGerencial, m_ps.pGerencial);
}

// --- TCMOPRelacionamento -------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOPRelacionamento, TJQBaseParaDados)

void TCMOPRelacionamento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Rateio.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMOPRelacionamento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOPRelacionamento*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Rateio.Copia(s->m_Rateio);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMOPRelacionamento::operator==(const TCMOPRelacionamento& o) const
{
    // IDRelacionamento and CST_IPI_xml are left out. Nothing here has a side
    // effect, so the fields go before the apportionments.
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOPRelacionamento,
        DescricaoAnalitica, AlcanceOperacao, Contribuinte_ICMS, OptanteSN, ProdutoPossuiST, CFOP_xml,
        CodigoOrigemMercadoria_xml, CST_ICMS_xml, CSOSN_ICMS_xml, StatusProdutoServico,
        PonteiroCFOPSitServico, PonteiroCST_ICMS, CodigoTributacaoIPI, CodigoTributacaoISS);
    // clang-format on
    return kIgual(m_ps, o.m_ps) && tolv::ListasIguais(m_Rateio, o.m_Rateio);
}

void TCMOPRelacionamento::CopiarPara(tagREG_CM_RELACIONAMENTO_OPPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMOPRelacionamento::EscreveAninhados(tagREG_CM_RELACIONAMENTO_OPPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Rateio, dst->QtdRateio, dst->pRateio);
}

void TCMOPRelacionamento::CopiarDe(tagREG_CM_RELACIONAMENTO_OPPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMOPRelacionamento::LeDe(tagREG_CM_RELACIONAMENTO_OPPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Rateio, m_ps.QtdRateio, m_ps.pRateio);
}

// --- TCMOPOperacao -------------------------------------------------------------------

TOLV_PADRAO_IMPL(TCMOPOperacao, TJQBaseParaDados)

void TCMOPOperacao::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_Relacionamento.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMOPOperacao::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMOPOperacao*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this)
        m_Relacionamento.Copia(s->m_Relacionamento);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMOPOperacao::operator==(const TCMOPOperacao& o) const
{
    if (!tolv::ListasIguais(m_Relacionamento, o.m_Relacionamento))
        return false;
    // Inativo is left out.
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMOPOperacao, Codigo, Filial, TipoRelacionamento, Descricao);
    return kIgual(m_ps, o.m_ps);
}

void TCMOPOperacao::CopiarPara(tagREG_CM_OPERACAO_OPPS* dst) const
{
    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_Relacionamento, dst->QtdRelacionamento, dst->pRelacionamento);
}

void TCMOPOperacao::CopiarDe(tagREG_CM_OPERACAO_OPPS* src)
{
    Limpar();
    if (!LeBloco(m_ps, src))
        return;
    tolv::AoSair zera{[this] { tolv::ZeraAninhados(&m_ps); }};
    tolv::LeLista(m_Relacionamento, m_ps.QtdRelacionamento, m_ps.pRelacionamento);
}

void TCMOPOperacao::ZerarGlobalAlloc(tagREG_CM_OPERACAO_OPPS* ps)
{
    tolv::LiberaAninhados(ps, tolv::Liberacao::CoTaskMem);
}

void TCMOPOperacao::ZerarDelete(tagREG_CM_OPERACAO_OPPS* ps) { tolv::LiberaAninhados(ps, tolv::Liberacao::Delete); }
