#include "records/DadosEF/DadosEF_Movimento.h"

#include <cstddef>
#include <cstring>
#include <limits>

#include <emmintrin.h>

#include "core/Aninhados.h"
#include "core/JQMem.h"

#define ARQ "DadosEF"

TOLV_REGISTRA_ESTRUTURA(_REG_ALIQUOTASICMSPS)
TOLV_REGISTRA_ESTRUTURA(_REG_ESCRITAFISCALPS)

// --- TEFMovimentoAliquotaICMS ----------------------------------------------------

IMPLEMENT_DYNAMIC(TEFMovimentoAliquotaICMS, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TEFMovimentoAliquotaICMS, TJQBaseParaDados)

void TEFMovimentoAliquotaICMS::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    TJQBaseParaDados::OnLimpar();
}

void TEFMovimentoAliquotaICMS::OnCopiar(const TJQBaseParaDados* src)
{
    tolv::CopiaPropria(m_ps, static_cast<const TEFMovimentoAliquotaICMS*>(src)->m_ps);
    TJQBaseParaDados::OnCopiar(src);
}

void TEFMovimentoAliquotaICMS::CopiarPara(_REG_ALIQUOTASICMSPS* dst) const
{
    JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__);
}

// --- TEFMovimento ----------------------------------------------------------------

IMPLEMENT_DYNAMIC(TEFMovimento, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TEFMovimento, TJQBaseParaDados)

void TEFMovimento::OnLimpar()
{
    tolv::ZeraPropria(m_ps);
    m_DadosAdicionais.Empty();
    m_GerencialComposto.Limpar();
    m_AliquotaICMS.RemoveAll();
    m_Item.RemoveAll();
    m_DI.RemoveAll();
    m_Parcela.RemoveAll();
    m_Referida.RemoveAll();
    m_Transporte.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TEFMovimento::OnCopiar(const TJQBaseParaDados* src)
{
    const auto* s = static_cast<const TEFMovimento*>(src);
    tolv::CopiaPropria(m_ps, s->m_ps);
    m_DadosAdicionais = s->m_DadosAdicionais;
    m_GerencialComposto = s->m_GerencialComposto;
    if (s != this) {
        m_AliquotaICMS.Copia(s->m_AliquotaICMS);
        m_Item.Copia(s->m_Item);
        m_DI.Copia(s->m_DI);
        m_Parcela.Copia(s->m_Parcela);
        m_Referida.Copia(s->m_Referida);
        m_Transporte.Copia(s->m_Transporte);
    }
    TJQBaseParaDados::OnCopiar(src);
}

namespace {

// Every count of the structure is 16 bits wide.
constexpr size_t kMaxContagem = std::numeric_limits<unsigned short>::max();

// The management lines of every group, in order.
template <class F> void ParaCadaLinha(const TXGerencialComposto& c, F f)
{
    const T_Lista<TXGerencialSimples>& grupos = c.GetListaGerencial();
    for (int k = 0; k < grupos.GetSize(); ++k) {
        const T_Lista<TCMGerencial>& linhas = grupos.GetPtr(k)->GetListaGerencial();
        for (int j = 0; j < linhas.GetSize(); ++j)
            f(*linhas.GetPtr(j));
    }
}

size_t ContaLinhas(const TXGerencialComposto& c)
{
    size_t n = 0;
    const T_Lista<TXGerencialSimples>& grupos = c.GetListaGerencial();
    for (int k = 0; k < grupos.GetSize(); ++k)
        n += static_cast<size_t>(grupos.GetPtr(k)->GetQuantidadeGerencial());
    return n;
}

// The lines of one group, each written whole in one pass: the value, eight
// zero bytes, the two accounts, the entry date, then zeros to the end.
__attribute__((target("sse2"))) _REG_EF_NF_GERENCIAL_PS* LinhasSse2(_REG_EF_NF_GERENCIAL_PS* p, const TCMGerencial* g,
                                                                    int n, unsigned short data) noexcept
{
    static_assert(sizeof(_REG_EF_NF_GERENCIAL_PS) == 56 && offsetof(_REG_EF_NF_GERENCIAL_PS, DataEntrada) == 24);
    static_assert(offsetof(tagREG_CM_GERENCIALPS, PonteiroClassificacao) == 16 &&
                  offsetof(tagREG_CM_GERENCIALPS, PonteiroGerencial) == 20);
    const __m128i zero = _mm_setzero_si128();
    const __m128i dia = _mm_cvtsi32_si128(data);
    for (; n > 0; --n, ++g, ++p) {
        const auto* s = reinterpret_cast<const unsigned char*>(TCMGerencial::ImagemParaEscrita(*g));
        auto* o = reinterpret_cast<unsigned char*>(p);
        const __m128i valor = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s));
        const __m128i contas = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + 16));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), valor);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 16), _mm_unpacklo_epi64(contas, dia));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 32), zero);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + 48), zero);
    }
    return p;
}

// The kept rates after the first, each structure moved as 16 + 16 + 8 bytes.
__attribute__((target("sse2"))) void AliquotasSse2(_REG_ALIQUOTASICMSPS* q, const TEFMovimentoAliquotaICMS* a, int n,
                                                   const TEFMovimentoAliquotaICMS* primeira) noexcept
{
    static_assert(sizeof(_REG_ALIQUOTASICMSPS) == 40);
    for (; n > 0; --n, ++a) {
        if (a == primeira || a->GetPercentualAliquotaICMS() == 0)
            continue;
        const auto* s = reinterpret_cast<const unsigned char*>(TEFMovimentoAliquotaICMS::ImagemParaEscrita(*a));
        auto* o = reinterpret_cast<unsigned char*>(q++);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 16), _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 16)));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(o + 32), _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + 32)));
    }
}

const bool g_sse2 = __builtin_cpu_supports("sse2");

template <class T> bool Cabe(const T_Lista<T>& l) { return static_cast<size_t>(l.GetSize()) <= kMaxContagem; }

} // namespace

void TEFMovimento::CopiarPara(_REG_ESCRITAFISCALPS* dst,
                              CArray<_REG_ALIQUOTASICMSPS, const _REG_ALIQUOTASICMSPS&>* aliquotas) const
{
    // The rates kept (those with a rate), the management lines and every list
    // are checked before anything is written: a refused movement leaves the
    // structure and the rate array as they were.
    size_t mantidas = 0;
    const TEFMovimentoAliquotaICMS* primeira = nullptr;
    for (int k = 0; k < m_AliquotaICMS.GetSize(); ++k) {
        const TEFMovimentoAliquotaICMS* a = m_AliquotaICMS.GetPtr(k);
        if (a->GetPercentualAliquotaICMS() == 0)
            continue;
        if (!primeira)
            primeira = a;
        ++mantidas;
    }
    const size_t linhas = ContaLinhas(m_GerencialComposto);
    if ((mantidas > 1 && !aliquotas) || mantidas > kMaxContagem || linhas > kMaxContagem ||
        static_cast<size_t>(m_DadosAdicionais.GetLength()) >= kMaxContagem || !Cabe(m_Parcela) || !Cabe(m_DI) ||
        !Cabe(m_Referida) || !Cabe(m_Transporte))
        AfxThrowInvalidArgException();

    if (!JQMemCpy(dst, &m_ps, sizeof m_ps, ARQ, __LINE__))
        return;
    // Every count and pointer of a block is zero from here on, so the
    // structure can be released whatever stops the writing below.
    tolv::ZeraAninhados(dst);

    tolv::EscreveTexto(m_DadosAdicionais, dst->TamanhoDadosAdicionaisComBarraZero, dst->pDadosAdicionais);

    // The first kept rate goes into the header (not its CFOP), the later ones
    // whole at the end of the caller's array; rates are neither merged nor
    // sorted. With none kept, the header figures keep the record's zero.
    dst->PercentualAliquotaICMS = 0;
    dst->QtdAliquotasICMS = 0;
    if (primeira) {
        dst->QtdAliquotasICMS = static_cast<unsigned short>(mantidas);
        dst->PercentualAliquotaICMS = primeira->GetPercentualAliquotaICMS();
        dst->ValorBaseCalculoICMS = primeira->GetValorBaseCalculoICMS();
        dst->ValorICMS = primeira->GetValorICMS();
        if (mantidas > 1) {
            // The storage the appends one by one would reach, then the rates
            // straight into their slots, each written once.
            aliquotas->ReservaParaAcrescimos(static_cast<int>(mantidas - 1));
            aliquotas->AcrescentaFeitos(static_cast<int>(mantidas - 1), [this, primeira](_REG_ALIQUOTASICMSPS* q, int) {
                if (g_sse2) {
                    AliquotasSse2(q, m_AliquotaICMS.GetPtr(0), m_AliquotaICMS.GetSize(), primeira);
                    return true;
                }
                for (int k = 0; k < m_AliquotaICMS.GetSize(); ++k) {
                    const TEFMovimentoAliquotaICMS* a = m_AliquotaICMS.GetPtr(k);
                    if (a != primeira && a->GetPercentualAliquotaICMS() != 0)
                        tolv::Escritor::Escreve(*a, q++);
                }
                return true;
            });
        }
    }

    // The management lines of all groups in one array, each stamped with the
    // entry date; lines of the same account are not merged.
    if (linhas > 0) {
        _REG_EF_NF_GERENCIAL_PS* p = tolv::NovoArrayBruto<_REG_EF_NF_GERENCIAL_PS>(linhas);
        dst->TamanhoGerencial = static_cast<unsigned short>(linhas);
        dst->pGerencial = p;
        const unsigned short data = m_ps.DataEntrada;
        if (g_sse2) {
            const T_Lista<TXGerencialSimples>& grupos = m_GerencialComposto.GetListaGerencial();
            for (int k = 0; k < grupos.GetSize(); ++k) {
                const T_Lista<TCMGerencial>& l = grupos.GetPtr(k)->GetListaGerencial();
                p = LinhasSse2(p, l.GetPtr(0), l.GetSize(), data);
            }
        } else {
            std::memset(static_cast<void*>(p), 0, linhas * sizeof *p);
            ParaCadaLinha(m_GerencialComposto, [&p, data](const TCMGerencial& g) {
                p->Valor = g.GetValor();
                p->PonteiroClassificacao = g.GetPonteiroClassificacao();
                p->PonteiroGerencial = g.GetPonteiroGerencial();
                p->DataEntrada = data;
                ++p;
            });
        }
    }

    tolv::EscreveLista(m_Parcela, dst->TamanhoFinanceiro, dst->pParcela);
    tolv::EscreveLista(m_DI, dst->QtdDadosDI, dst->pDI);
    tolv::EscreveLista(m_Referida, dst->QtdNotasReferidas, dst->pReferida);
    tolv::EscreveLista(m_Transporte, dst->QtdNotasFiscais, dst->pTransporte);
}

void TEFMovimento::ZerarDelete(_REG_ESCRITAFISCALPS* ps)
{
    if (!ps)
        return;
    tolv::LiberaAninhados(ps, tolv::Liberacao::Delete);
    tolv::ZeraAninhados(ps);
    ps->QtdAliquotasICMS = 0;
}
