#include "platform/oleauto.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Unsigned integer of up to 256 bits in 32-bit limbs, least significant first
// (the build is 32-bit: no 128-bit integer type).
struct Grande {
    static constexpr int kLimbs = 8;
    uint32_t l[kLimbs] = {};

    bool Zero() const
    {
        for (uint32_t x : l)
            if (x)
                return false;
        return true;
    }
    // Fits in the given number of 32-bit limbs.
    bool CabeEm(int limbs) const
    {
        for (int i = limbs; i < kLimbs; ++i)
            if (l[i])
                return false;
        return true;
    }
    bool Impar() const { return l[0] & 1; }
    void MulPequeno(uint32_t m)
    {
        uint64_t vai = 0;
        for (uint32_t& x : l) {
            uint64_t t = static_cast<uint64_t>(x) * m + vai;
            x = static_cast<uint32_t>(t);
            vai = t >> 32;
        }
    }
    void SomaPequeno(uint32_t a)
    {
        uint64_t vai = a;
        for (int i = 0; i < kLimbs && vai; ++i) {
            uint64_t t = static_cast<uint64_t>(l[i]) + vai;
            l[i] = static_cast<uint32_t>(t);
            vai = t >> 32;
        }
    }
    // Divides by d and returns the remainder.
    uint32_t DivPequeno(uint32_t d)
    {
        uint64_t resto = 0;
        for (int i = kLimbs - 1; i >= 0; --i) {
            uint64_t t = (resto << 32) | l[i];
            l[i] = static_cast<uint32_t>(t / d);
            resto = t % d;
        }
        return static_cast<uint32_t>(resto);
    }
    int Compara(const Grande& o) const
    {
        for (int i = kLimbs - 1; i >= 0; --i)
            if (l[i] != o.l[i])
                return l[i] < o.l[i] ? -1 : 1;
        return 0;
    }
    void Subtrai(const Grande& o)
    {
        int64_t emprestimo = 0;
        for (int i = 0; i < kLimbs; ++i) {
            int64_t t = static_cast<int64_t>(l[i]) - o.l[i] - emprestimo;
            emprestimo = t < 0;
            l[i] = static_cast<uint32_t>(t);
        }
    }
    void Dobra()
    {
        uint32_t vai = 0;
        for (uint32_t& x : l) {
            uint32_t novo = x >> 31;
            x = (x << 1) | vai;
            vai = novo;
        }
    }
    int Bits() const
    {
        for (int i = kLimbs - 1; i >= 0; --i)
            if (l[i])
                return 32 * i + 32 - __builtin_clz(l[i]);
        return 0;
    }
    bool Bit(int b) const { return (l[b / 32] >> (b % 32)) & 1; }
};

Grande Multiplica(const Grande& a, const Grande& b)
{
    Grande r;
    for (int i = 0; i < Grande::kLimbs; ++i) {
        uint64_t vai = 0;
        for (int j = 0; i + j < Grande::kLimbs; ++j) {
            uint64_t t = static_cast<uint64_t>(a.l[i]) * b.l[j] + r.l[i + j] + vai;
            r.l[i + j] = static_cast<uint32_t>(t);
            vai = t >> 32;
        }
    }
    return r;
}

// Quotient and remainder of a / b (b not zero), bit by bit.
void DivMod(const Grande& a, const Grande& b, Grande& q, Grande& r)
{
    q = Grande();
    r = Grande();
    for (int bit = a.Bits() - 1; bit >= 0; --bit) {
        r.Dobra();
        r.l[0] |= a.Bit(bit) ? 1u : 0u;
        if (r.Compara(b) >= 0) {
            r.Subtrai(b);
            q.l[bit / 32] |= 1u << (bit % 32);
        }
    }
}

Grande De64(uint64_t v)
{
    Grande g;
    g.l[0] = static_cast<uint32_t>(v);
    g.l[1] = static_cast<uint32_t>(v >> 32);
    return g;
}

uint64_t Para64(const Grande& g) { return static_cast<uint64_t>(g.l[1]) << 32 | g.l[0]; }

Grande Mantissa(const DECIMAL& d)
{
    Grande g;
    g.l[0] = d.Lo32;
    g.l[1] = d.Mid32;
    g.l[2] = d.Hi32;
    return g;
}

void Monta(DECIMAL& d, const Grande& m, int escala, bool negativo)
{
    d.wReserved = 0;
    d.scale = static_cast<BYTE>(escala);
    d.sign = negativo ? DECIMAL_NEG : 0;
    d.Lo32 = m.l[0];
    d.Mid32 = m.l[1];
    d.Hi32 = m.l[2];
}

// Removes `digitos` decimal digits from m, rounding half to even.
void ReduzArredondando(Grande& m, int digitos)
{
    if (digitos <= 0)
        return;
    uint32_t ultimo = 0;
    bool resto = false;
    for (int k = 0; k < digitos; ++k) {
        resto = resto || ultimo != 0;
        ultimo = m.DivPequeno(10);
    }
    if (ultimo > 5 || (ultimo == 5 && (resto || m.Impar())))
        m.SomaPequeno(1);
}

// Brings m / 10^escala into 96 bits and a scale of 28 at most, rounding half
// to even; false when it cannot fit.
bool Normaliza(Grande& m, int& escala)
{
    int reduzir = escala > 28 ? escala - 28 : 0;
    Grande t = m;
    ReduzArredondando(t, reduzir);
    int e = escala - reduzir;
    while (!t.CabeEm(3)) {
        if (e == 0)
            return false;
        ++reduzir;
        t = m;
        ReduzArredondando(t, reduzir);
        e = escala - reduzir;
    }
    m = t;
    escala = e;
    return true;
}

bool Negativo(const DECIMAL& d) { return (d.sign & DECIMAL_NEG) != 0; }

} // namespace

HRESULT VarCyAdd(CY a, CY b, LPCY r)
{
    LONGLONG s;
    if (__builtin_add_overflow(a.int64, b.int64, &s))
        return DISP_E_OVERFLOW;
    r->int64 = s;
    return S_OK;
}

HRESULT VarCyMul(CY a, CY b, LPCY r)
{
    bool neg = (a.int64 < 0) != (b.int64 < 0);
    uint64_t x = a.int64 < 0 ? 0 - static_cast<uint64_t>(a.int64) : static_cast<uint64_t>(a.int64);
    uint64_t y = b.int64 < 0 ? 0 - static_cast<uint64_t>(b.int64) : static_cast<uint64_t>(b.int64);
    Grande p = Multiplica(De64(x), De64(y));
    ReduzArredondando(p, 4);
    if (!p.CabeEm(2))
        return DISP_E_OVERFLOW;
    uint64_t v = Para64(p);
    if (v > (neg ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull))
        return DISP_E_OVERFLOW;
    r->int64 = neg ? static_cast<LONGLONG>(0 - v) : static_cast<LONGLONG>(v);
    return S_OK;
}

HRESULT VarCyFromR8(double d, CY* r)
{
    if (!std::isfinite(d))
        return DISP_E_OVERFLOW;
    // The product is rounded to a double first (x87 registers would keep more
    // bits), then half to even.
    volatile double produto = d * 10000.0;
    double x = produto;
    double inteiro = std::floor(x);
    double frac = x - inteiro;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(inteiro, 2.0) != 0.0))
        inteiro += 1.0;
    if (inteiro >= 9223372036854775808.0 || inteiro < -9223372036854775808.0)
        return DISP_E_OVERFLOW;
    r->int64 = static_cast<LONGLONG>(inteiro);
    return S_OK;
}

HRESULT VarCyFromDec(DECIMAL* d, CY* r)
{
    if (d->scale > 28)
        return E_INVALIDARG;
    Grande m = Mantissa(*d);
    if (d->scale <= 4) {
        for (int k = d->scale; k < 4; ++k)
            m.MulPequeno(10);
    } else {
        ReduzArredondando(m, d->scale - 4);
    }
    bool neg = Negativo(*d);
    if (!m.CabeEm(2))
        return DISP_E_OVERFLOW;
    uint64_t v = Para64(m);
    if (v > (neg ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull))
        return DISP_E_OVERFLOW;
    r->int64 = neg ? static_cast<LONGLONG>(0 - v) : static_cast<LONGLONG>(v);
    return S_OK;
}

HRESULT VarDecFromCy(CY c, DECIMAL* d)
{
    bool neg = c.int64 < 0;
    uint64_t v = neg ? 0 - static_cast<uint64_t>(c.int64) : static_cast<uint64_t>(c.int64);
    Monta(*d, De64(v), 4, neg);
    return S_OK;
}

HRESULT VarDecFromR8(double x, DECIMAL* d)
{
    if (!std::isfinite(x) || std::fabs(x) >= 7.9228162514264337593543950335e28)
        return DISP_E_OVERFLOW;
    bool neg = std::signbit(x);
    if (x == 0.0) {
        Monta(*d, Grande(), 0, false);
        return S_OK;
    }
    // Fifteen significant digits: d.dddddddddddddde±x.
    char txt[40];
    std::snprintf(txt, sizeof txt, "%.14e", std::fabs(x));
    Grande m;
    const char* p = txt;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') {
            m.MulPequeno(10);
            m.SomaPequeno(static_cast<uint32_t>(*p - '0'));
        }
    int potencia = std::atoi(p + 1) - 14;
    while (potencia < 0 && !m.Zero()) {
        Grande t = m;
        if (t.DivPequeno(10) != 0)
            break;
        m = t;
        ++potencia;
    }
    int escala = 0;
    if (potencia >= 0) {
        for (int k = 0; k < potencia; ++k)
            m.MulPequeno(10);
        if (!m.CabeEm(3))
            return DISP_E_OVERFLOW;
    } else {
        escala = -potencia;
        if (!Normaliza(m, escala))
            return DISP_E_OVERFLOW;
    }
    if (m.Zero())
        escala = 0;
    Monta(*d, m, escala, neg && !m.Zero());
    return S_OK;
}

HRESULT VarDecMul(LPDECIMAL a, LPDECIMAL b, LPDECIMAL r)
{
    if (a->scale > 28 || b->scale > 28)
        return E_INVALIDARG;
    Grande p = Multiplica(Mantissa(*a), Mantissa(*b));
    int escala = a->scale + b->scale;
    if (!Normaliza(p, escala))
        return DISP_E_OVERFLOW;
    Monta(*r, p, escala, (Negativo(*a) != Negativo(*b)) && !p.Zero());
    return S_OK;
}

HRESULT VarDecDiv(LPDECIMAL a, LPDECIMAL b, LPDECIMAL r)
{
    if (a->scale > 28 || b->scale > 28)
        return E_INVALIDARG;
    Grande divisor = Mantissa(*b);
    if (divisor.Zero())
        return DISP_E_DIVBYZERO;
    Grande q, resto;
    DivMod(Mantissa(*a), divisor, q, resto);
    int escala = a->scale - b->scale;
    // More digits while the quotient is inexact (or the scale negative) and
    // another digit still fits.
    while (escala < 0 || (escala < 28 && !resto.Zero())) {
        Grande r10 = resto;
        r10.MulPequeno(10);
        Grande digito, r2;
        DivMod(r10, divisor, digito, r2);
        Grande prox = q;
        prox.MulPequeno(10);
        prox.SomaPequeno(digito.l[0]);
        if (!prox.CabeEm(3)) {
            if (escala < 0)
                return DISP_E_OVERFLOW;
            break;
        }
        q = prox;
        resto = r2;
        ++escala;
    }
    if (!resto.Zero()) {
        Grande dobro = resto;
        dobro.Dobra();
        int c = dobro.Compara(divisor);
        if (c > 0 || (c == 0 && q.Impar()))
            q.SomaPequeno(1);
        if (!Normaliza(q, escala))
            return DISP_E_OVERFLOW;
    }
    Monta(*r, q, escala, (Negativo(*a) != Negativo(*b)) && !q.Zero());
    return S_OK;
}
