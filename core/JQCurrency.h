// Currency value with a number of decimals and a rounding mode, and the
// currency operations of the records.
#pragma once

#include "core/JQTipos.h"
#include "platform/oleauto.h"
#include "platform/wintypes.h"

// Amount held as CY and kept at 4, 2 or 0 decimal places: every store
// (construction, assignment, change of decimals or mode) normalises it.
class TOLV_API CJQCurrencyEx {
public:
    enum {
        ModoArredondaMetade = 0, // halves away from zero
        ModoTrunca = 1,          // toward zero
    };

    constexpr CJQCurrencyEx() noexcept : m_Valor{}, m_nDecimais(4), m_nModoArredondamento(ModoTrunca) {}
    // Through VarCyFromR8; a double outside the CY range gives 0.
    explicit CJQCurrencyEx(double dValor, short nDecimais = 4, long nModo = ModoTrunca);
    explicit CJQCurrencyEx(const tagCY& cyValor, short nDecimais = 4, long nModo = ModoTrunca);
    CJQCurrencyEx(const CJQCurrencyEx&) = default;
    CJQCurrencyEx& operator=(const CJQCurrencyEx&) = default;
    virtual ~CJQCurrencyEx();

    // Store a new amount under the current decimals and mode.
    CJQCurrencyEx& operator=(const tagCY& cyValor);
    CJQCurrencyEx& operator=(double dValor);

    tagCY GetValor() const { return m_Valor; }
    void SetValor(const tagCY& cyValor);
    void SetValor(double dValor);
    double GetDouble() const { return static_cast<double>(m_Valor.int64) / 10000.0; }

    // 0 to 4; other values are brought into that range.
    short GetDecimais() const { return m_nDecimais; }
    void SetDecimais(short nDecimais);

    long GetModoArredondamento() const { return m_nModoArredondamento; }
    void SetModoArredondamento(long nModo);

    bool operator==(const CJQCurrencyEx& o) const { return m_Valor == o.m_Valor; }
    bool operator!=(const CJQCurrencyEx& o) const { return !(*this == o); }

private:
    void Normaliza();

    tagCY m_Valor;
    short m_nDecimais;
    long m_nModoArredondamento;
};

// The zero amount, CJQCurrencyEx(0.0); constant-initialised, so usable from
// the static initialisation of any translation unit.
extern TOLV_API const CJQCurrencyEx JQCurrencyZero;

// a + b and a x b through VarCyAdd / VarCyMul; 0 on overflow.
TOLV_API tagCY JQCySoma(tagCY a, tagCY b);
TOLV_API tagCY JQCyMultiplica(tagCY a, tagCY b);
// Through the decimal type, back to four decimals; 0 when any step fails,
// division by zero included.
TOLV_API tagCY JQCyMultiplica(tagCY a, double d);
TOLV_API tagCY JQCyDivide(tagCY a, tagCY b);
TOLV_API tagCY JQCyDivide(tagCY a, double d);
