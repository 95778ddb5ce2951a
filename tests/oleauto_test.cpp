#include "platform/oleauto.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const LONGLONG kMaxCy = std::numeric_limits<LONGLONG>::max();
const LONGLONG kMinCy = std::numeric_limits<LONGLONG>::min();
const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const std::string kMaxDec = "79228162514264337593543950335"; // 2^96 - 1

CY Cy(LONGLONG v)
{
    CY c;
    c.int64 = v;
    return c;
}

// "-12.345" -> DECIMAL (the digits must fit in 96 bits).
DECIMAL Dec(const std::string& s)
{
    DECIMAL d = {};
    uint32_t w[3] = {};
    for (char ch : s) {
        if (ch < '0' || ch > '9')
            continue;
        uint64_t c = static_cast<uint64_t>(ch - '0');
        for (uint32_t& x : w) {
            uint64_t p = static_cast<uint64_t>(x) * 10 + c;
            x = static_cast<uint32_t>(p);
            c = p >> 32;
        }
    }
    size_t ponto = s.find('.');
    d.scale = ponto == std::string::npos ? 0 : static_cast<BYTE>(s.size() - ponto - 1);
    d.sign = s[0] == '-' ? DECIMAL_NEG : 0;
    d.Lo32 = w[0];
    d.Mid32 = w[1];
    d.Hi32 = w[2];
    return d;
}

// DECIMAL -> "-12.345" at its own scale, or the failure code.
std::string Texto(HRESULT hr, const DECIMAL& d)
{
    if (hr != S_OK)
        return hr == DISP_E_OVERFLOW ? "overflow" : hr == DISP_E_DIVBYZERO ? "divbyzero" : "hr " + std::to_string(hr);
    uint32_t w[3] = {d.Lo32, d.Mid32, d.Hi32};
    std::string s;
    while (w[0] || w[1] || w[2]) {
        uint64_t r = 0;
        for (int i = 2; i >= 0; --i) {
            uint64_t cur = (r << 32) | w[i];
            w[i] = static_cast<uint32_t>(cur / 10);
            r = cur % 10;
        }
        s.insert(s.begin(), static_cast<char>('0' + r));
    }
    while (s.size() <= d.scale)
        s.insert(s.begin(), '0');
    if (d.scale)
        s.insert(s.end() - d.scale, '.');
    return (d.sign == DECIMAL_NEG ? "-" : "") + s;
}

std::string DeR8(double v)
{
    DECIMAL d;
    return Texto(VarDecFromR8(v, &d), d);
}

std::string Mul(const std::string& a, const std::string& b)
{
    DECIMAL da = Dec(a), db = Dec(b), r;
    return Texto(VarDecMul(&da, &db, &r), r);
}

std::string Div(const std::string& a, const std::string& b)
{
    DECIMAL da = Dec(a), db = Dec(b), r;
    return Texto(VarDecDiv(&da, &db, &r), r);
}

// Currency result, or 99 left in place by a failure.
LONGLONG CyMul(LONGLONG a, LONGLONG b)
{
    CY r = Cy(99);
    return VarCyMul(Cy(a), Cy(b), &r) == S_OK ? r.int64 : 99;
}

LONGLONG CyDeR8(double d)
{
    CY r = Cy(99);
    HRESULT hr = VarCyFromR8(d, &r);
    EXPECT_TRUE(hr == S_OK || (hr == DISP_E_OVERFLOW && r.int64 == 99)) << "VarCyFromR8(" << d << ")";
    return r.int64;
}

LONGLONG CyDeDec(const std::string& s)
{
    DECIMAL d = Dec(s);
    CY r = Cy(99);
    HRESULT hr = VarCyFromDec(&d, &r);
    EXPECT_TRUE(hr == S_OK || (hr == DISP_E_OVERFLOW && r.int64 == 99)) << "VarCyFromDec(" << s << ")";
    return r.int64;
}

TEST(VarCy, SumIsExactAndOverflowIsReported)
{
    CY r = Cy(7);
    ASSERT_EQ(VarCyAdd(Cy(15000), Cy(-25001), &r), S_OK);
    EXPECT_EQ(r.int64, -10001);
    ASSERT_EQ(VarCyAdd(Cy(kMinCy + 1), Cy(-1), &r), S_OK);
    EXPECT_EQ(r.int64, kMinCy);
    EXPECT_EQ(VarCyAdd(Cy(kMaxCy), Cy(1), &r), DISP_E_OVERFLOW);
    EXPECT_EQ(VarCyAdd(Cy(kMinCy), Cy(-1), &r), DISP_E_OVERFLOW);
    EXPECT_EQ(r.int64, kMinCy) << "result after overflow";
}

TEST(VarCy, ProductRoundsHalfToEvenAtFourDecimals)
{
    EXPECT_EQ(CyMul(15000, 15000), 22500) << "1.5 x 1.5";
    EXPECT_EQ(CyMul(1, 5000), 0) << "0.00005";
    EXPECT_EQ(CyMul(3, 5000), 2) << "0.00015";
    EXPECT_EQ(CyMul(-3, 5000), -2) << "-0.00015";
    EXPECT_EQ(CyMul(-7, -7000), 5) << "0.00049";
    EXPECT_EQ(CyMul(10000000000LL, -10000000000LL), -10000000000000000LL) << "product wider than 64 bits";
    EXPECT_EQ(CyMul(kMinCy, 10000), kMinCy) << "minimum x 1";
    EXPECT_EQ(CyMul(kMinCy, -10000), 99) << "minimum x -1 overflows";
    EXPECT_EQ(CyMul(kMaxCy / 2 + 10000, 20000), 99) << "overflow";
}

TEST(VarCyFromR8, RoundsTheExactBinaryValueHalfToEven)
{
    struct Caso {
        double d;
        LONGLONG cy; // 99: overflow, result left in place
        const char* o_que;
    };
    const Caso casos[] = {
        {-461168601842738.81, -4611686018427388125LL, "-461168601842738.8125 exactly"},
        {0.00015, 1, "a little below 1.5"},
        {-0.00035, -3, "a little above -3.5"},
        {0.00005, 1, "a little above 0.5"},
        {0.00025, 3, "a little above 2.5"},
        {1.00005, 10001, "a little above 10000.5"},
        {1.23456, 12346, ""},
        {1.4999999999999998, 15000, ""},
        {1.2345, 12345, "a little below 12345"},
        {0.03125, 312, "exact tie"},
        {0.09375, 938, "exact tie"},
        {-0.03125, -312, "exact tie"},
        {-0.09375, -938, "exact tie"},
        {140737488355328.03125, 1407374883553280312LL, "exact tie, 2^47 + 1/32"},
        {140737488355328.09375, 1407374883553280938LL, "exact tie, 2^47 + 3/32"},
        {0.0, 0, ""},
        {-0.0, 0, ""},
        {5e-324, 0, "smallest subnormal"},
        {-5e-324, 0, "smallest subnormal"},
        {922337203685477.5, 9223372036854775000LL, "largest in range"},
        {-922337203685477.5, -9223372036854775000LL, "smallest in range"},
        {922337203685477.625, 99, "next double up"},
        {-922337203685477.625, 99, "next double down"},
        {1e15, 99, ""},
        {std::numeric_limits<double>::max(), 99, ""},
        {kInf, 99, ""},
        {-kInf, 99, ""},
        {kNaN, 99, ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(CyDeR8(c.d), c.cy) << std::hexfloat << c.d << " " << c.o_que;
}

// The x87 product of a double (53 significant bits) and 10,000 (625 x 2^4,
// 10 significant bits) fits the 64-bit mantissa of long double: it is the
// exact value, rounded here half to even by hand. false: outside the range.
static_assert(std::numeric_limits<long double>::digits >= 64, "needs the x87 extended format");

bool Referencia(double d, LONGLONG& cy)
{
    if (!std::isfinite(d))
        return false;
    long double p = static_cast<long double>(d) * 10000.0L;
    long double piso = std::floor(p);
    long double fracao = p - piso;
    if (fracao > 0.5L || (fracao == 0.5L && std::fmod(piso, 2.0L) != 0))
        piso += 1;
    if (piso < -9223372036854775808.0L || piso > 9223372036854775807.0L)
        return false;
    cy = static_cast<LONGLONG>(piso);
    return true;
}

TEST(VarCyFromR8, AgreesWithTheExactProductOverManyDoubles)
{
    std::vector<double> entradas;
    std::mt19937_64 gerador(22);
    for (int i = 0; i < 100000; ++i)
        entradas.push_back(std::bit_cast<double>(gerador()));
    // Random mantissas with exponents from 2^-20 to 2^55, where amounts live.
    for (int i = 0; i < 100000; ++i) {
        uint64_t b = gerador();
        uint64_t expoente = 1003 + b % 76;
        entradas.push_back(std::bit_cast<double>((b & 0x800FFFFFFFFFFFFFull) | (expoente << 52)));
    }
    // Around every power of ten: round amounts, amounts one or two
    // ten-thousandths or a half away, and the doubles next to each.
    for (int k = -6; k <= 15; ++k) {
        const double p = std::pow(10.0, k);
        for (double m : {1.0, 1.5, 2.5, 3.0, 5.0, 9.25}) {
            for (double desvio : {0.0, 0.00005, -0.00005, 0.0001, -0.0001, 0.00015, -0.00015}) {
                double x = m * p + desvio;
                for (int u = 0; u < 16; ++u) {
                    x = std::nextafter(x, 0.0);
                }
                for (int u = 0; u < 33; ++u, x = std::nextafter(x, kInf)) {
                    entradas.push_back(x);
                    entradas.push_back(-x);
                }
            }
        }
    }
    int falhas = 0;
    for (double d : entradas) {
        LONGLONG esperado = 99;
        bool cabe = Referencia(d, esperado);
        CY r = Cy(99);
        HRESULT hr = VarCyFromR8(d, &r);
        if ((cabe ? hr == S_OK : hr == DISP_E_OVERFLOW) && r.int64 == esperado)
            continue;
        if (++falhas <= 10)
            ADD_FAILURE() << "VarCyFromR8(" << std::hexfloat << d << " = " << std::defaultfloat << std::setprecision(17)
                          << d << ") gave hr " << hr << ", " << r.int64 << "; expected "
                          << (cabe ? std::to_string(esperado) : "overflow");
    }
    EXPECT_EQ(falhas, 0) << "of " << entradas.size() << " doubles";
}

TEST(VarDecFrom, CurrencyKeepsScaleFourAndDoublesFifteenDigits)
{
    DECIMAL d;
    EXPECT_EQ(Texto(VarDecFromCy(Cy(15000), &d), d), "1.5000");
    EXPECT_EQ(Texto(VarDecFromCy(Cy(kMinCy), &d), d), "-922337203685477.5808");
    EXPECT_EQ(DeR8(0.1), "0.1");
    EXPECT_EQ(DeR8(-2.5), "-2.5");
    EXPECT_EQ(DeR8(1e15), "1000000000000000");
    EXPECT_EQ(DeR8(1.23456789012345678), "1.23456789012346");
    EXPECT_EQ(DeR8(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(DeR8(0.0), "0");
    EXPECT_EQ(DeR8(1e28), "10000000000000000000000000000");
    EXPECT_EQ(DeR8(1.5e-28), "0.0000000000000000000000000002");
    EXPECT_EQ(DeR8(1e-30), "0");
    for (double d : {1e29, -8e28, kInf, kNaN})
        EXPECT_EQ(DeR8(d), "overflow") << d;
}

TEST(VarDecMul, KeepsTheScaleWhileItFitsThenScalesDownHalfToEven)
{
    EXPECT_EQ(Mul("2.5", "100"), "250.0");
    EXPECT_EQ(Mul("-1.5000", "0.1"), "-0.15000");
    EXPECT_EQ(Mul("-3", "-4"), "12");
    EXPECT_EQ(Mul("3.3333333333333333333333333333", "3.3333333333333333333333333333"),
              "11.111111111111111111111111111");
    EXPECT_EQ(Mul(kMaxDec, "0.5"), "39614081257132168796771975168") << "167.5";
    EXPECT_EQ(Mul("0.000000000000005", "0.00000000000003"), "0.0000000000000000000000000002") << "1.5e-28";
    EXPECT_EQ(Mul("0.000000000000005", "0.00000000000005"), "0.0000000000000000000000000002") << "2.5e-28";
    EXPECT_EQ(Mul("0.0000000000000001", "0.0000000000001"), "0.0000000000000000000000000000") << "1e-29";
    EXPECT_EQ(Mul(kMaxDec, "2"), "overflow");
    EXPECT_EQ(Mul("10000000000000000000000000000", "-10"), "overflow");
}

TEST(VarDecDiv, AsManyDecimalsAsFitAndExactQuotientsStopEarly)
{
    EXPECT_EQ(Div("10", "3"), "3.3333333333333333333333333333");
    EXPECT_EQ(Div("20", "3"), "6.6666666666666666666666666667");
    EXPECT_EQ(Div("-1", "3"), "-0.3333333333333333333333333333");
    EXPECT_EQ(Div("100", "3"), "33.333333333333333333333333333");
    EXPECT_EQ(Div("100000.0000", "30000.0000"), "3.3333333333333333333333333333");
    EXPECT_EQ(Div(kMaxDec, "2"), "39614081257132168796771975168");
    EXPECT_EQ(Div("1", "8"), "0.125");
    EXPECT_EQ(Div("10", "0.5"), "20");
    EXPECT_EQ(Div("1.5000", "-0.0003"), "-5000");
    EXPECT_EQ(Div("0", "7"), "0");
    EXPECT_EQ(Div("1.5", "0"), "divbyzero");
    EXPECT_EQ(Div("0", "0.000"), "divbyzero");
    EXPECT_EQ(Div(kMaxDec, "0.1"), "overflow");
    EXPECT_EQ(Div("70000000000000000000000000000", "-0.001"), "overflow");
}
TEST(VarCyFromDec, RoundsHalfToEvenAtFourDecimals)
{
    EXPECT_EQ(CyDeDec("0.3333333333333333333333333333"), 3333);
    EXPECT_EQ(CyDeDec("2.00005"), 20000);
    EXPECT_EQ(CyDeDec("2.00015"), 20002);
    EXPECT_EQ(CyDeDec("-0.00025"), -2);
    EXPECT_EQ(CyDeDec("0.000050000000000000000000001"), 1);
    EXPECT_EQ(CyDeDec("250.0"), 2500000);
    EXPECT_EQ(CyDeDec("922337203685477.5807"), kMaxCy);
    EXPECT_EQ(CyDeDec("-922337203685477.58085"), kMinCy);
    EXPECT_EQ(CyDeDec("922337203685477.5808"), 99) << "overflow";
    EXPECT_EQ(CyDeDec("-922337203685477.58086"), 99) << "overflow";
    EXPECT_EQ(CyDeDec(kMaxDec), 99) << "overflow";
}

TEST(DecimalOperands, MalformedOnesAreRejected)
{
    DECIMAL escala = Dec("1"), sinal = Dec("1"), um = Dec("1"), r;
    escala.scale = 29;
    sinal.sign = 1;
    CY cy;
    EXPECT_EQ(VarDecMul(&escala, &um, &r), E_INVALIDARG) << "scale 29";
    EXPECT_EQ(VarDecDiv(&um, &sinal, &r), E_INVALIDARG) << "sign 1";
    EXPECT_EQ(VarCyFromDec(&escala, &cy), E_INVALIDARG) << "scale 29";
    EXPECT_EQ(VarDecMul(&um, &um, nullptr), E_INVALIDARG) << "null result";
    EXPECT_EQ(VarCyFromR8(1.0, nullptr), E_INVALIDARG) << "null result";
}

} // namespace
