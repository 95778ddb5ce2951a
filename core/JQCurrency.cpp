#include "core/JQCurrency.h"

namespace {

LONGLONG Divisor(long decimais) { return decimais == 0 ? 10000 : decimais == 2 ? 100 : 1; }

} // namespace

__attribute__((init_priority(101))) const CJQCurrencyEx JQCurrencyZero(0.0);

CJQCurrencyEx::CJQCurrencyEx() : m_Decimais(4), m_Arredondamento(Trunca) { m_Valor.int64 = 0; }

CJQCurrencyEx::CJQCurrencyEx(double valor, short decimais, int arredondamento)
    : m_Decimais(4), m_Arredondamento(arredondamento)
{
    m_Valor.int64 = 0;
    SetDecimais(decimais);
    tagCY c;
    if (SUCCEEDED(VarCyFromR8(valor, &c)))
        m_Valor = c;
    Normaliza();
}

CJQCurrencyEx::CJQCurrencyEx(tagCY valor, short decimais, int arredondamento)
    : m_Valor(valor), m_Decimais(4), m_Arredondamento(arredondamento)
{
    SetDecimais(decimais);
    Normaliza();
}

CJQCurrencyEx::CJQCurrencyEx(const CJQCurrencyEx& o)
    : m_Valor(o.m_Valor), m_Decimais(o.m_Decimais), m_Arredondamento(o.m_Arredondamento)
{
    Normaliza();
}

CJQCurrencyEx& CJQCurrencyEx::operator=(const CJQCurrencyEx& o)
{
    m_Valor = o.m_Valor;
    m_Decimais = o.m_Decimais;
    m_Arredondamento = o.m_Arredondamento;
    Normaliza();
    return *this;
}

CJQCurrencyEx& CJQCurrencyEx::operator=(tagCY valor)
{
    SetValor(valor);
    return *this;
}

CJQCurrencyEx::~CJQCurrencyEx() = default;

void CJQCurrencyEx::SetValor(tagCY valor)
{
    m_Valor = valor;
    Normaliza();
}

void CJQCurrencyEx::SetDecimais(short decimais)
{
    m_Decimais = (decimais == 0 || decimais == 2) ? decimais : 4;
    Normaliza();
}

void CJQCurrencyEx::SetArredondamento(int modo)
{
    m_Arredondamento = modo;
    Normaliza();
}

void CJQCurrencyEx::Normaliza()
{
    LONGLONG div = Divisor(m_Decimais);
    if (div == 1)
        return;
    LONGLONG v = m_Valor.int64;
    if (m_Arredondamento == MeioParaLonge) {
        LONGLONG meio = div / 2;
        LONGLONG ajustado;
        if (!__builtin_add_overflow(v, v < 0 ? -meio : meio, &ajustado))
            v = ajustado;
    }
    m_Valor.int64 = v / div * div;
}

tagCY JQCySoma(tagCY a, tagCY b)
{
    tagCY r;
    r.int64 = static_cast<LONGLONG>(static_cast<ULONGLONG>(a.int64) + static_cast<ULONGLONG>(b.int64));
    VarCyAdd(a, b, &r);
    return r;
}

tagCY JQCyMultiplica(tagCY a, tagCY b)
{
    tagCY r;
    r.int64 = 0;
    VarCyMul(a, b, &r);
    return r;
}

tagCY JQCyMultiplica(tagCY a, double d)
{
    tagCY r;
    r.int64 = 0;
    DECIMAL x, y, p;
    if (FAILED(VarDecFromCy(a, &x)) || FAILED(VarDecFromR8(d, &y)) || FAILED(VarDecMul(&x, &y, &p)))
        return r;
    tagCY c;
    if (SUCCEEDED(VarCyFromDec(&p, &c)))
        r = c;
    return r;
}

tagCY JQCyDivide(tagCY a, tagCY b)
{
    tagCY r;
    r.int64 = 0;
    DECIMAL x, y, q;
    if (FAILED(VarDecFromCy(a, &x)) || FAILED(VarDecFromCy(b, &y)) || FAILED(VarDecDiv(&x, &y, &q)))
        return r;
    tagCY c;
    if (SUCCEEDED(VarCyFromDec(&q, &c)))
        r = c;
    return r;
}

tagCY JQCyDivide(tagCY a, double d)
{
    tagCY r;
    r.int64 = 0;
    DECIMAL x, y, q;
    if (FAILED(VarDecFromCy(a, &x)) || FAILED(VarDecFromR8(d, &y)) || FAILED(VarDecDiv(&x, &y, &q)))
        return r;
    tagCY c;
    if (SUCCEEDED(VarCyFromDec(&q, &c)))
        r = c;
    return r;
}
