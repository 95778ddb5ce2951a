#include "core/Rateio.h"

#include "core/JQCurrency.h"

// --- TCMRateioBase -----------------------------------------------------------

IMPLEMENT_DYNAMIC(TCMRateioBase, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TCMRateioBase, TJQBaseParaDados)

void TCMRateioBase::OnLimpar()
{
    m_Gerencial.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TCMRateioBase::OnCopiar(const TJQBaseParaDados* src)
{
    m_Gerencial.Copia(static_cast<const TCMRateioBase*>(src)->m_Gerencial);
    TJQBaseParaDados::OnCopiar(src);
}

bool TCMRateioBase::operator==(const TCMRateioBase* outro) const
{
    return tolv::ListasIguais(outro->GetListaGerencial(), GetListaGerencial());
}

// --- TXGerencialSimples --------------------------------------------------------

TOLV_PADRAO_IMPL(TXGerencialSimples, TJQBaseParaDados)

void TXGerencialSimples::OnLimpar()
{
    m_Gerencial.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TXGerencialSimples::OnCopiar(const TJQBaseParaDados* src)
{
    m_Gerencial.Copia(static_cast<const TXGerencialSimples*>(src)->m_Gerencial);
    TJQBaseParaDados::OnCopiar(src);
}

const TXGerencialSimples& TXGerencialSimples::operator+(const TXGerencialSimples& outro)
{
    // A copy first, so that a list can be added to itself.
    TXGerencialSimples copia(outro); // NOLINT(performance-unnecessary-copy-initialization)
    for (int k = 0; k < copia.GetQuantidadeGerencial(); ++k)
        AdicionaGerencial(copia.GetConstRefGerencial(k));

    for (int i = 0; i < GetQuantidadeGerencial(); ++i) {
        TCMGerencial a = GetConstRefGerencial(i);
        bool juntou = false;
        for (int j = i + 1; j < GetQuantidadeGerencial();) {
            const TCMGerencial& b = GetConstRefGerencial(j);
            if (b.GetPonteiroGerencial() == a.GetPonteiroGerencial()) {
                a.SetValor(JQCySoma(a.GetValor(), b.GetValor()));
                a.SetQuantidade(JQCySoma(a.GetQuantidade(), b.GetQuantidade()));
                juntou = true;
                DeletarGerencial(j);
            } else {
                ++j;
            }
        }
        if (juntou)
            SetGerencial(i, a);
    }
    return *this;
}

// --- TXGerencialComposto -------------------------------------------------------

TOLV_PADRAO_IMPL(TXGerencialComposto, TJQBaseParaDados)

void TXGerencialComposto::OnLimpar()
{
    m_Gerencial.RemoveAll();
    TJQBaseParaDados::OnLimpar();
}

void TXGerencialComposto::OnCopiar(const TJQBaseParaDados* src)
{
    m_Gerencial.Copia(static_cast<const TXGerencialComposto*>(src)->m_Gerencial);
    TJQBaseParaDados::OnCopiar(src);
}

const TXGerencialComposto& TXGerencialComposto::operator+(const TXGerencialComposto& outro)
{
    // Copies first: this object is cleared below and may be the other operand.
    TXGerencialComposto b(outro); // NOLINT(performance-unnecessary-copy-initialization)
    TXGerencialComposto a(*this);
    int nb = b.GetQuantidadeGerencial();
    int na = a.GetQuantidadeGerencial();
    int n = nb > na ? nb : na;
    Limpar();
    for (int k = 0; k < n; ++k) {
        TXGerencialSimples s;
        TXGerencialSimples t;
        if (k < nb)
            s = b.GetConstRefGerencial(k);
        if (k < na)
            t = a.GetConstRefGerencial(k);
        AdicionaGerencial(s + t);
    }
    return *this;
}

// --- TXContabilizacao ----------------------------------------------------------

IMPLEMENT_DYNAMIC(TXContabilizacao, TJQBaseParaDados)
TOLV_PADRAO_IMPL(TXContabilizacao, TJQBaseParaDados)

void TXContabilizacao::OnLimpar()
{
    m_Valor.int64 = 0;
    m_Documento = 0;
    m_Filial = 0;
    m_Data = 0;
    m_ContaDebito = 0;
    m_ContaCredito = 0;
    m_Historico = 0;
    m_GerencialVaiPara = 0;
    m_TipoContaDebito = 0;
    m_TipoContaCredito = 0;
    m_Complemento.Empty();
    m_GerencialDebito.Limpar();
    m_GerencialCredito.Limpar();
    TJQBaseParaDados::OnLimpar();
}

void TXContabilizacao::OnCopiar(const TJQBaseParaDados* src)
{
    const TXContabilizacao& s = *static_cast<const TXContabilizacao*>(src);
    m_Valor = s.m_Valor;
    m_Documento = s.m_Documento;
    m_Filial = s.m_Filial;
    m_Data = s.m_Data;
    m_ContaDebito = s.m_ContaDebito;
    m_ContaCredito = s.m_ContaCredito;
    m_Historico = s.m_Historico;
    m_GerencialVaiPara = s.m_GerencialVaiPara;
    m_TipoContaDebito = s.m_TipoContaDebito;
    m_TipoContaCredito = s.m_TipoContaCredito;
    m_Complemento = s.m_Complemento;
    m_GerencialDebito = s.m_GerencialDebito;
    m_GerencialCredito = s.m_GerencialCredito;
    TJQBaseParaDados::OnCopiar(src);
}

// --- TXContabilizacaoES --------------------------------------------------------

IMPLEMENT_DYNAMIC(TXContabilizacaoES, TXContabilizacao)
TOLV_PADRAO_IMPL(TXContabilizacaoES, TXContabilizacao)

void TXContabilizacaoES::OnLimpar()
{
    m_SequenciaProduto = 0;
    m_SequenciaRateio = 0;
    TXContabilizacao::OnLimpar();
}

void TXContabilizacaoES::OnCopiar(const TJQBaseParaDados* src)
{
    const TXContabilizacaoES& s = *static_cast<const TXContabilizacaoES*>(src);
    m_SequenciaProduto = s.m_SequenciaProduto;
    m_SequenciaRateio = s.m_SequenciaRateio;
    TXContabilizacao::OnCopiar(src);
}

const TXContabilizacaoES& TXContabilizacaoES::operator=(const TXContabilizacao& src)
{
    TXContabilizacao copia(src);
    Limpar();
    TXContabilizacao::OnCopiar(&copia);
    return *this;
}
