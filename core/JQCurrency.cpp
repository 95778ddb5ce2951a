// Currency value and currency operations.
#include "core/JQCurrency.h"

constinit const CJQCurrencyEx JQCurrencyZero;

CJQCurrencyEx::CJQCurrencyEx(double dValor, short nDecimais, long nModo)
    : m_Valor{}, m_nDecimais(4), m_nModoArredondamento(nModo)
{
    SetDecimais(nDecimais);
    SetValor(dValor);
}

CJQCurrencyEx::CJQCurrencyEx(const tagCY& cyValor, short nDecimais, long nModo)
    : m_Valor(cyValor), m_nDecimais(4), m_nModoArredondamento(nModo)
{
    SetDecimais(nDecimais);
}

CJQCurrencyEx::~CJQCurrencyEx() = default;

CJQCurrencyEx& CJQCurrencyEx::operator=(const tagCY& cyValor)
{
    SetValor(cyValor);
    return *this;
}

CJQCurrencyEx& CJQCurrencyEx::operator=(double dValor)
{
    SetValor(dValor);
    return *this;
}

void CJQCurrencyEx::SetValor(const tagCY& cyValor)
{
    m_Valor = cyValor;
    Normaliza();
}

void CJQCurrencyEx::SetValor(double dValor)
{
    tagCY cy = JQCY(0);
    if (FAILED(VarCyFromR8(dValor, &cy)))
        cy = JQCY(0);
    SetValor(cy);
}

void CJQCurrencyEx::SetDecimais(short nDecimais)
{
    m_nDecimais = nDecimais < 0 ? 0 : (nDecimais > 4 ? 4 : nDecimais);
    Normaliza();
}

void CJQCurrencyEx::SetModoArredondamento(long nModo)
{
    m_nModoArredondamento = nModo;
    Normaliza();
}

void CJQCurrencyEx::Normaliza()
{
    static const LONGLONG divisores[] = {10000, 1000, 100, 10, 1};
    const LONGLONG divisor = divisores[m_nDecimais];
    if (divisor == 1)
        return;
    LONGLONG v = m_Valor.int64;
    LONGLONG q = v / divisor;
    if (m_nModoArredondamento == ModoArredondaMetade) {
        LONGLONG resto = v % divisor;
        LONGLONG metade = divisor / 2;
        // A rounded value beyond the CY range stays truncated.
        const LONGLONG limite = 0x7FFFFFFFFFFFFFFFll / divisor;
        if (resto >= metade && q < limite)
            ++q;
        else if (resto <= -metade && q > -limite)
            --q;
    }
    m_Valor.int64 = q * divisor;
}

tagCY JQCySoma(tagCY a, tagCY b)
{
    tagCY r = JQCY(0);
    if (FAILED(VarCyAdd(a, b, &r)))
        r = JQCY(0);
    return r;
}

tagCY JQCyMultiplica(tagCY a, tagCY b)
{
    tagCY r = JQCY(0);
    if (FAILED(VarCyMul(a, b, &r)))
        r = JQCY(0);
    return r;
}

namespace {

tagCY ViaDecimal(const tagCY& a, DECIMAL& b, bool divide)
{
    tagCY r = JQCY(0);
    DECIMAL da, dr;
    if (FAILED(VarDecFromCy(a, &da)))
        return JQCY(0);
    if (FAILED(divide ? VarDecDiv(&da, &b, &dr) : VarDecMul(&da, &b, &dr)))
        return JQCY(0);
    if (FAILED(VarCyFromDec(&dr, &r)))
        return JQCY(0);
    return r;
}

tagCY ComDouble(const tagCY& a, double d, bool divide)
{
    DECIMAL dd;
    if (FAILED(VarDecFromR8(d, &dd)))
        return JQCY(0);
    return ViaDecimal(a, dd, divide);
}

tagCY ComCY(const tagCY& a, const tagCY& b, bool divide)
{
    DECIMAL db;
    if (FAILED(VarDecFromCy(b, &db)))
        return JQCY(0);
    return ViaDecimal(a, db, divide);
}

} // namespace

tagCY JQCyMultiplica(tagCY a, double d) { return ComDouble(a, d, false); }

tagCY JQCyDivide(tagCY a, tagCY b) { return ComCY(a, b, true); }

tagCY JQCyDivide(tagCY a, double d) { return ComDouble(a, d, true); }
