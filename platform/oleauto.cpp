// OLE Automation currency and decimal arithmetic on 32-bit limbs.
#include "platform/oleauto.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// Unsigned integer of up to 192 bits, least significant limb first.
struct Grande {
    static constexpr int N = 6;
    uint32_t w[N] = {};

    static Grande De64(uint64_t v)
    {
        Grande g;
        g.w[0] = static_cast<uint32_t>(v);
        g.w[1] = static_cast<uint32_t>(v >> 32);
        return g;
    }
    bool Zero() const
    {
        for (uint32_t x : w)
            if (x)
                return false;
        return true;
    }
    bool Cabe96() const { return w[3] == 0 && w[4] == 0 && w[5] == 0; }
    bool Cabe64() const { return w[2] == 0 && Cabe96(); }
    uint64_t Baixo64() const { return w[0] | (static_cast<uint64_t>(w[1]) << 32); }
    bool Bit(int i) const { return (w[i / 32] >> (i % 32)) & 1u; }
};

// n = n * m + soma; returns the carry out of the top limb.
uint32_t MulPeq(Grande& n, uint32_t m, uint32_t soma = 0)
{
    uint64_t c = soma;
    for (uint32_t& x : n.w) {
        uint64_t p = static_cast<uint64_t>(x) * m + c;
        x = static_cast<uint32_t>(p);
        c = p >> 32;
    }
    return static_cast<uint32_t>(c);
}

// n = n / d; returns the remainder.
uint32_t DivPeq(Grande& n, uint32_t d)
{
    uint64_t r = 0;
    for (int i = Grande::N - 1; i >= 0; --i) {
        uint64_t cur = (r << 32) | n.w[i];
        n.w[i] = static_cast<uint32_t>(cur / d);
        r = cur % d;
    }
    return static_cast<uint32_t>(r);
}

void Incrementa(Grande& n) { MulPeq(n, 1, 1); }

// n = n * 2^k (0 <= k, nothing shifted out of the top limb).
void DeslocaEsquerda(Grande& n, int k)
{
    Grande r;
    int limbs = k / 32, bits = k % 32;
    for (int i = Grande::N - 1; i >= limbs; --i) {
        uint64_t v = static_cast<uint64_t>(n.w[i - limbs]) << bits;
        if (bits && i - limbs - 1 >= 0)
            v |= n.w[i - limbs - 1] >> (32 - bits);
        r.w[i] = static_cast<uint32_t>(v);
    }
    n = r;
}

// n = n / 2^k rounded half to even (0 < k < 192).
void DivideDoisArredonda(Grande& n, int k)
{
    bool metade = n.Bit(k - 1), abaixo = false;
    for (int i = 0; i < k - 1 && !abaixo; ++i)
        abaixo = n.Bit(i);
    Grande q;
    int limbs = k / 32, bits = k % 32;
    for (int i = 0; i + limbs < Grande::N; ++i) {
        uint64_t v = n.w[i + limbs] >> bits;
        if (bits && i + limbs + 1 < Grande::N)
            v |= static_cast<uint64_t>(n.w[i + limbs + 1]) << (32 - bits);
        q.w[i] = static_cast<uint32_t>(v);
    }
    n = q;
    if (metade && (abaixo || (n.w[0] & 1u)))
        Incrementa(n);
}

int Compara(const Grande& a, const Grande& b)
{
    for (int i = Grande::N - 1; i >= 0; --i)
        if (a.w[i] != b.w[i])
            return a.w[i] < b.w[i] ? -1 : 1;
    return 0;
}

// a -= b (a >= b).
void Subtrai(Grande& a, const Grande& b)
{
    uint64_t emprestimo = 0;
    for (int i = 0; i < Grande::N; ++i) {
        uint64_t d = static_cast<uint64_t>(a.w[i]) - b.w[i] - emprestimo;
        a.w[i] = static_cast<uint32_t>(d);
        emprestimo = (d >> 32) & 1u;
    }
}

// Product of two values below 2^96.
Grande Multiplica(const Grande& a, const Grande& b)
{
    Grande p;
    for (int i = 0; i < 3; ++i) {
        uint64_t c = 0;
        for (int j = 0; j < 3; ++j) {
            uint64_t t = static_cast<uint64_t>(a.w[i]) * b.w[j] + p.w[i + j] + c;
            p.w[i + j] = static_cast<uint32_t>(t);
            c = t >> 32;
        }
        p.w[i + 3] = static_cast<uint32_t>(c);
    }
    return p;
}

// Shift-subtract division: q = n / d, r = n % d (d != 0).
void DivideResto(const Grande& n, const Grande& d, Grande& q, Grande& r)
{
    q = Grande();
    r = Grande();
    for (int i = Grande::N * 32 - 1; i >= 0; --i) {
        MulPeq(r, 2, n.Bit(i) ? 1u : 0u);
        if (Compara(r, d) >= 0) {
            Subtrai(r, d);
            q.w[i / 32] |= 1u << (i % 32);
        }
    }
}

// n = n / 10^k rounded half to even.
void DivideArredonda(Grande& n, int k)
{
    if (k <= 0)
        return;
    uint32_t ultimo = 0;
    bool resto = false;
    for (int i = 0; i < k; ++i) {
        resto = resto || ultimo != 0;
        ultimo = DivPeq(n, 10);
    }
    if (ultimo > 5 || (ultimo == 5 && (resto || (n.w[0] & 1u))))
        Incrementa(n);
}

bool Valido(const DECIMAL* d) { return d && d->scale <= DEC_MAX_SCALE && (d->sign & ~DECIMAL_NEG) == 0; }

Grande Magnitude(const DECIMAL& d)
{
    Grande g;
    g.w[0] = d.Lo32;
    g.w[1] = d.Mid32;
    g.w[2] = d.Hi32;
    return g;
}

void Escreve(DECIMAL* out, const Grande& m, int escala, bool negativo)
{
    std::memset(out, 0, sizeof(DECIMAL));
    out->Lo32 = m.w[0];
    out->Mid32 = m.w[1];
    out->Hi32 = m.w[2];
    out->scale = static_cast<BYTE>(escala);
    out->sign = (negativo && !m.Zero()) ? DECIMAL_NEG : 0;
}

// Signed currency from a magnitude in units of 1/10,000.
bool ParaCY(const Grande& m, bool negativo, CY* out)
{
    if (!m.Cabe64())
        return false;
    uint64_t u = m.Baixo64();
    const uint64_t limite = 0x8000000000000000ull;
    if (negativo ? u > limite : u >= limite)
        return false;
    out->int64 = static_cast<LONGLONG>(negativo ? (0 - u) : u);
    return true;
}

uint64_t MagnitudeCY(const CY& c, bool& negativo)
{
    negativo = c.int64 < 0;
    uint64_t u = static_cast<uint64_t>(c.int64);
    return negativo ? 0 - u : u;
}

// Decimal digits and power of ten of a finite, non-negative double:
// valor = digitos * 10^expoente, rounded to precisao significant digits.
void Decompoe(double valor, int precisao, uint64_t& digitos, int& expoente)
{
    char buf[64];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::scientific, precisao - 1);
    digitos = 0;
    int casas = 0;
    bool depoisPonto = false;
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p == '.') {
            depoisPonto = true;
        } else {
            digitos = digitos * 10 + static_cast<uint64_t>(*p - '0');
            if (depoisPonto)
                ++casas;
        }
    }
    int e = 0;
    if (p < r.ptr) {
        ++p;
        if (*p == '+')
            ++p;
        std::from_chars(p, r.ptr, e);
    }
    expoente = e - casas;
    while (digitos != 0 && digitos % 10 == 0) {
        digitos /= 10;
        ++expoente;
    }
}

bool Finito(double v) { return v == v && v - v == 0; }

} // namespace

extern "C" {

HRESULT VarCyAdd(CY cyLeft, CY cyRight, LPCY pcyResult)
{
    if (!pcyResult)
        return E_INVALIDARG;
    LONGLONG soma;
    if (__builtin_add_overflow(cyLeft.int64, cyRight.int64, &soma))
        return DISP_E_OVERFLOW;
    pcyResult->int64 = soma;
    return S_OK;
}

HRESULT VarCyMul(CY cyLeft, CY cyRight, LPCY pcyResult)
{
    if (!pcyResult)
        return E_INVALIDARG;
    bool negA = false, negB = false;
    Grande p = Multiplica(Grande::De64(MagnitudeCY(cyLeft, negA)), Grande::De64(MagnitudeCY(cyRight, negB)));
    DivideArredonda(p, 4);
    CY r;
    if (!ParaCY(p, negA != negB, &r))
        return DISP_E_OVERFLOW;
    *pcyResult = r;
    return S_OK;
}

HRESULT VarCyFromR8(double dblIn, CY* pcyOut)
{
    if (!pcyOut)
        return E_INVALIDARG;
    if (!Finito(dblIn))
        return DISP_E_OVERFLOW;
    // The double's exact value, mantissa * 2^expoente, times 10,000: at most
    // 67 bits before the shift, so the product and its rounding are exact.
    const uint64_t bits = std::bit_cast<uint64_t>(dblIn);
    const int campo = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int expoente = -1074;
    if (campo != 0) {
        mantissa |= uint64_t{1} << 52;
        expoente = campo - 1075;
    }
    Grande m = Grande::De64(mantissa);
    MulPeq(m, 10000);
    if (expoente > 63) {
        return DISP_E_OVERFLOW;
    } else if (expoente > 0) {
        DeslocaEsquerda(m, expoente);
    } else if (expoente < -67) {
        // Less than half of one ten-thousandth.
        m = Grande();
    } else if (expoente < 0) {
        DivideDoisArredonda(m, -expoente);
    }
    CY r;
    if (!ParaCY(m, (bits >> 63) != 0, &r))
        return DISP_E_OVERFLOW;
    *pcyOut = r;
    return S_OK;
}

HRESULT VarCyFromDec(DECIMAL* pdecIn, CY* pcyOut)
{
    if (!Valido(pdecIn) || !pcyOut)
        return E_INVALIDARG;
    Grande m = Magnitude(*pdecIn);
    int escala = pdecIn->scale;
    if (escala <= 4) {
        for (int i = escala; i < 4; ++i)
            MulPeq(m, 10);
    } else {
        DivideArredonda(m, escala - 4);
    }
    CY r;
    if (!ParaCY(m, pdecIn->sign == DECIMAL_NEG, &r))
        return DISP_E_OVERFLOW;
    *pcyOut = r;
    return S_OK;
}

HRESULT VarDecFromCy(CY cyIn, DECIMAL* pdecOut)
{
    if (!pdecOut)
        return E_INVALIDARG;
    bool negativo = false;
    Grande m = Grande::De64(MagnitudeCY(cyIn, negativo));
    Escreve(pdecOut, m, 4, negativo);
    return S_OK;
}

HRESULT VarDecFromR8(double dblIn, DECIMAL* pdecOut)
{
    if (!pdecOut)
        return E_INVALIDARG;
    if (!Finito(dblIn))
        return DISP_E_OVERFLOW;
    if (dblIn == 0) {
        Escreve(pdecOut, Grande(), 0, false);
        return S_OK;
    }
    bool negativo = dblIn < 0;
    uint64_t digitos;
    int expoente;
    Decompoe(negativo ? -dblIn : dblIn, 15, digitos, expoente);
    Grande m = Grande::De64(digitos);
    int escala = 0;
    if (expoente >= 0) {
        if (expoente > DEC_MAX_SCALE)
            return DISP_E_OVERFLOW;
        for (int i = 0; i < expoente; ++i)
            MulPeq(m, 10);
        if (!m.Cabe96())
            return DISP_E_OVERFLOW;
    } else {
        escala = -expoente;
        if (escala > DEC_MAX_SCALE) {
            DivideArredonda(m, escala - DEC_MAX_SCALE);
            escala = DEC_MAX_SCALE;
            while (escala > 0 && !m.Zero() && m.w[0] % 10 == 0) {
                DivPeq(m, 10);
                --escala;
            }
            if (m.Zero())
                escala = 0;
        }
    }
    Escreve(pdecOut, m, escala, negativo);
    return S_OK;
}

HRESULT VarDecMul(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult)
{
    if (!Valido(pdecLeft) || !Valido(pdecRight) || !pdecResult)
        return E_INVALIDARG;
    Grande p = Multiplica(Magnitude(*pdecLeft), Magnitude(*pdecRight));
    int escala = pdecLeft->scale + pdecRight->scale;
    bool negativo = pdecLeft->sign != pdecRight->sign;
    // Drop as few decimals as make the product fit.
    for (int k = escala > DEC_MAX_SCALE ? escala - DEC_MAX_SCALE : 0; k <= escala; ++k) {
        Grande t = p;
        DivideArredonda(t, k);
        if (t.Cabe96()) {
            Escreve(pdecResult, t, escala - k, negativo);
            return S_OK;
        }
    }
    return DISP_E_OVERFLOW;
}

HRESULT VarDecDiv(LPDECIMAL pdecLeft, LPDECIMAL pdecRight, LPDECIMAL pdecResult)
{
    if (!Valido(pdecLeft) || !Valido(pdecRight) || !pdecResult)
        return E_INVALIDARG;
    Grande divisor = Magnitude(*pdecRight);
    if (divisor.Zero())
        return DISP_E_DIVBYZERO;
    Grande n = Magnitude(*pdecLeft);
    int escala = pdecLeft->scale - pdecRight->scale;
    for (; escala < 0; ++escala)
        MulPeq(n, 10);
    Grande q, r;
    DivideResto(n, divisor, q, r);
    if (!q.Cabe96())
        return DISP_E_OVERFLOW;
    // One more decimal at a time while the quotient is inexact and fits.
    while (escala < DEC_MAX_SCALE && !r.Zero()) {
        Grande q10 = q;
        MulPeq(q10, 10);
        Grande r10 = r;
        MulPeq(r10, 10);
        Grande digito, resto;
        DivideResto(r10, divisor, digito, resto);
        MulPeq(q10, 1, digito.w[0]);
        if (!q10.Cabe96())
            break;
        q = q10;
        r = resto;
        ++escala;
    }
    if (!r.Zero()) {
        Grande dobro = r;
        MulPeq(dobro, 2);
        int c = Compara(dobro, divisor);
        if (c > 0 || (c == 0 && (q.w[0] & 1u)))
            Incrementa(q);
        if (!q.Cabe96()) {
            if (escala == 0)
                return DISP_E_OVERFLOW;
            DivideArredonda(q, 1);
            --escala;
        }
    }
    Escreve(pdecResult, q, escala, pdecLeft->sign != pdecRight->sign);
    return S_OK;
}

} // extern "C"
