#include "platform/oleauto.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

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

TEST(VarCyFromR8, TiesAtTheFourthDecimalGoToEvenAndOutOfRangeOverflows)
{
    EXPECT_EQ(CyDeR8(0.00005), 0);
    EXPECT_EQ(CyDeR8(0.00015), 2);
    EXPECT_EQ(CyDeR8(0.00025), 2);
    EXPECT_EQ(CyDeR8(-0.00035), -4);
    EXPECT_EQ(CyDeR8(1.00005), 10000);
    EXPECT_EQ(CyDeR8(1.23456), 12346);
    EXPECT_EQ(CyDeR8(1.4999999999999998), 15000);
    EXPECT_EQ(CyDeR8(-0.0), 0);
    EXPECT_EQ(CyDeR8(922337203685477.0), 9223372036854770000LL);
    for (double d : {1e15, -922337203685477.625, 1e300, kInf, -kInf, kNaN})
        EXPECT_EQ(CyDeR8(d), 99) << d;
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
