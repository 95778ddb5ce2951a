#include "records/DadosRE/DadosRE_RateioProduto.h"

#include <cstddef>
#include <cstring>

#include "core/Aninhados.h"
#include "records/DadosRE/DadosRE_ItensInterno.h"

#define ARQ "DadosRE"

TOLV_REGISTRA_ESTRUTURA(tagREG_RATEIOPRODUTO_ENTRADAPS)

using tolv::re::LeBloco;
using tolv::re::ListasIguais;
using PS = tagREG_RATEIOPRODUTO_ENTRADAPS;

namespace {

// Exact comparison of the amounts from offset de to offset ate (both fields
// included): equal amounts are equal 64-bit values, so their bytes compare
// equal, and the answer is that of comparing them one by one.
bool MoedasIguais(const PS& a, const PS& b, size_t de, size_t ate)
{
    return tolv::BytesIguais(reinterpret_cast<const char*>(&a) + de, reinterpret_cast<const char*>(&b) + de,
                             ate + sizeof(tagCY) - de);
}

// The count and pointer slots (1394 to 1423), reserved bytes between them included.
void ZeraSlots(PS& s)
{
    std::memset(reinterpret_cast<char*>(&s) + offsetof(PS, QtdGerencialOrigem), 0,
                offsetof(PS, Reservado1424) - offsetof(PS, QtdGerencialOrigem));
}

} // namespace

#define MOEDAS(A, B)                                                                                                   \
    do {                                                                                                               \
        if (!MoedasIguais(m_ps, o.m_ps, offsetof(PS, A), offsetof(PS, B)))                                             \
            return false;                                                                                              \
    } while (0)

IMPLEMENT_DYNAMIC(TCMRERateioProduto, TCMRateioBase)
TOLV_PADRAO_IMPL(TCMRERateioProduto, TCMRateioBase)

void TCMRERateioProduto::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_GerencialOrigem.RemoveAll();
    m_GerencialFilialClassificacao.RemoveAll();
    m_AtivoImobilizado.RemoveAll();
    TCMRateioBase::OnLimpar();
}

void TCMRERateioProduto::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TCMRERateioProduto*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    if (s != this) {
        m_GerencialOrigem.Copia(s->m_GerencialOrigem);
        m_GerencialFilialClassificacao.Copia(s->m_GerencialFilialClassificacao);
        m_AtivoImobilizado.Copia(s->m_AtivoImobilizado);
    }
    TCMRateioBase::OnCopiar(src);
}

bool TCMRERateioProduto::operator==(const TCMRERateioProduto& o) const
{
    if (!TCMRateioBase::operator==(&o))
        return false;
    if (!ListasIguais(m_GerencialOrigem, o.m_GerencialOrigem) ||
        !ListasIguais(m_GerencialFilialClassificacao, o.m_GerencialFilialClassificacao) ||
        !ListasIguais(m_AtivoImobilizado, o.m_AtivoImobilizado))
        return false;
    // clang-format off
    static constexpr auto kIgual = TOLV_PLANO_IGUAL(TCMRERateioProduto,
        NEWQuantidade, NEWValor, QtdEquivalente, TipoValorDoCusto, PonteiroFornecedorOrigem,
        PonteiroClienteDestino, PonteiroFornecedorLote, PonteiroLote, PonteiroDepartamento,
        PonteiroRequisitante, TipoProducao, PonteiroLocalArmazenagemOrigem, PonteiroLocalArmazenagemDestino,
        PonteiroMovimentoOrigemEstoque, PonteiroMovimentoOrigemComercial, RegDataMovimentoOrigemComercial,
        NumeroNotaFiscalOrigem, SerieNotaFiscalOrigem, PonteiroClassificacaoOrigem,
        PonteiroClassificacaoDestino, PonteiroCFOPRateio, PonteiroFilial, Destino, AlterouValoresCalculados,
        IntegrouES, PonteiroHistorico);
    // clang-format on
    // Identical structures hold equal amounts and fields (the complement is
    // still the companion's to compare).
    if (!tolv::BytesIguais(&m_ps, &o.m_ps, sizeof m_ps)) {
        // amounts
        MOEDAS(NEW8ValorCusto, ValorCOFINSImportacao);
        MOEDAS(CalcBaseICMS, CalcCreditoPresumidoIPI);
        MOEDAS(CalcValorPISNaoCumulativo, CalcBaseCOFINSNaoCumulativo);
        MOEDAS(CalcBCAntecipacaoParcialICMS, CalcValorIRRF);
        MOEDAS(InfBaseICMS, InfCreditoPresumidoIPI);
        MOEDAS(InfValorPISNaoCumulativo, InfBaseCOFINSNaoCumulativo);
        MOEDAS(InfBCAntecipacaoParcialICMS, InfValorIRRF);
        if (!kIgual(m_ps, o.m_ps))
            return false;
    }
    // Last, the other record's complement first.
    return tolv::ComplementosIguais<Campo_ComplementoHistorico>(m_ps.ComplementoHistorico, o.m_ps.ComplementoHistorico);
}

void TCMRERateioProduto::CopiarPara(tagREG_RATEIOPRODUTO_ENTRADAPS* dst) const
{
    if (JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        EscreveAninhados(dst);
}

void TCMRERateioProduto::EscreveAninhados(tagREG_RATEIOPRODUTO_ENTRADAPS* dst) const
{
    tolv::ZeraAninhados(dst);
    tolv::EscreveLista(m_GerencialOrigem, dst->QtdGerencialOrigem, dst->pGerencialOrigem);
    tolv::EscreveLista(m_Gerencial, dst->QtdGerencial, dst->pGerencial);
    tolv::EscreveLista(m_GerencialFilialClassificacao, dst->QtdGerencialFilialClassificacao,
                       dst->pGerencialFilialClassificacao);
    // The structure carries at most one fixed asset: with two or more, none.
    if (m_AtivoImobilizado.GetSize() == 1)
        tolv::EscreveLista(m_AtivoImobilizado, dst->QtdAtivoImobilizado, dst->pAtivoImobilizado);
}

void TCMRERateioProduto::CopiarDe(tagREG_RATEIOPRODUTO_ENTRADAPS* src)
{
    Limpar();
    LeDe(src);
}

void TCMRERateioProduto::LeDe(tagREG_RATEIOPRODUTO_ENTRADAPS* src)
{
    if (!LeBloco(m_ps, src))
        return;
    // The caller's counts and pointers stay in m_ps while the lists are read.
    const auto& s = m_ps;
    tolv::AoSair zera{[this] { ZeraSlots(m_ps); }};
    tolv::LeLista(m_GerencialOrigem, s.QtdGerencialOrigem, s.pGerencialOrigem);
    tolv::LeLista(m_Gerencial, s.QtdGerencial, s.pGerencial);
    tolv::LeLista(m_GerencialFilialClassificacao, s.QtdGerencialFilialClassificacao, s.pGerencialFilialClassificacao);
    if (s.QtdAtivoImobilizado == 1)
        tolv::LeLista(m_AtivoImobilizado, s.QtdAtivoImobilizado, s.pAtivoImobilizado);
}
