// The currency value of the support code and the currency operations of the
// records.
#pragma once

#include "platform/oleauto.h"
#include "platform/wintypes.h"

// An amount kept to 4, 2 or 0 decimal places; every store normalises it.
class TOLV_API CJQCurrencyEx {
public:
    enum Arredondamento { MeioParaLonge = 0, Trunca = 1 };

    CJQCurrencyEx();
    CJQCurrencyEx(double valor, short decimais = 4, int arredondamento = Trunca);
    CJQCurrencyEx(tagCY valor, short decimais = 4, int arredondamento = Trunca);
    CJQCurrencyEx(const CJQCurrencyEx& o);
    CJQCurrencyEx& operator=(const CJQCurrencyEx& o);
    CJQCurrencyEx& operator=(tagCY valor);
    virtual ~CJQCurrencyEx();

    tagCY GetValor() const { return m_Valor; }
    void SetValor(tagCY valor);
    short GetDecimais() const { return static_cast<short>(m_Decimais); }
    // 4, 2 or 0; other values are taken as 4.
    void SetDecimais(short decimais);
    int GetArredondamento() const { return m_Arredondamento; }
    void SetArredondamento(int modo);

    bool operator==(const CJQCurrencyEx& o) const { return m_Valor.int64 == o.m_Valor.int64; }
    bool operator!=(const CJQCurrencyEx& o) const { return !(*this == o); }

private:
    void Normaliza();

    tagCY m_Valor;
    long m_Decimais; // a 16-bit value in a 32-bit slot
    long m_Arredondamento;
};

// The process-wide zero amount, built at load time.
extern TOLV_API const CJQCurrencyEx JQCurrencyZero;

// a + b and a * b: the platform's currency operations, their status unread.
TOLV_API tagCY JQCySoma(tagCY a, tagCY b);
TOLV_API tagCY JQCyMultiplica(tagCY a, tagCY b);
// Through the 96-bit decimal; 0 when any step fails (division by zero included).
TOLV_API tagCY JQCyMultiplica(tagCY a, double d);
TOLV_API tagCY JQCyDivide(tagCY a, tagCY b);
TOLV_API tagCY JQCyDivide(tagCY a, double d);
