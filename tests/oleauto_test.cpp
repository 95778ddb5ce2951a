#include "platform/oleauto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

CY Cy(LONGLONG v)
{
    CY c;
    c.int64 = v;
    return c;
}

// "-12.345" -> DECIMAL; digits must fit in 96 bits.
DECIMAL Dec(const std::string& texto)
{
    DECIMAL d = {};
    uint32_t w[3] = {};
    size_t i = 0;
    if (texto[0] == '-') {
        d.sign = DECIMAL_NEG;
        ++i;
    }
    bool ponto = false;
    for (; i < texto.size(); ++i) {
        if (texto[i] == '.') {
            ponto = true;
            continue;
        }
        uint64_t c = static_cast<uint64_t>(texto[i] - '0');
        for (uint32_t& x : w) {
            uint64_t p = static_cast<uint64_t>(x) * 10 + c;
            x = static_cast<uint32_t>(p);
            c = p >> 32;
        }
        if (ponto)
            ++d.scale;
    }
    d.Lo32 = w[0];
    d.Mid32 = w[1];
    d.Hi32 = w[2];
    return d;
}

// DECIMAL -> "-12.345", the scale kept as it stands.
std::string Texto(const DECIMAL& d)
{
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
    if (d.sign == DECIMAL_NEG)
        s.insert(s.begin(), '-');
    return s;
}

std::string DeR8(double v)
{
    DECIMAL d;
    HRESULT hr = VarDecFromR8(v, &d);
    return hr == S_OK ? Texto(d) : "hr=" + std::to_string(hr);
}

std::string Mul(const std::string& a, const std::string& b)
{
    DECIMAL da = Dec(a), db = Dec(b), r;
    HRESULT hr = VarDecMul(&da, &db, &r);
    return hr == S_OK ? Texto(r) : "hr=" + std::to_string(hr);
}

std::string Div(const std::string& a, const std::string& b)
{
    DECIMAL da = Dec(a), db = Dec(b), r;
    HRESULT hr = VarDecDiv(&da, &db, &r);
    return hr == S_OK ? Texto(r) : "hr=" + std::to_string(hr);
}

const std::string kOverflow = "hr=" + std::to_string(DISP_E_OVERFLOW);
const std::string kDivZero = "hr=" + std::to_string(DISP_E_DIVBYZERO);
const std::string kInvalido = "hr=" + std::to_string(E_INVALIDARG);
const std::string kMaxDec = "79228162514264337593543950335"; // 2^96 - 1
const LONGLONG kMaxCy = std::numeric_limits<LONGLONG>::max();
const LONGLONG kMinCy = std::numeric_limits<LONGLONG>::min();

TEST(VarCyAdd, ExactSumOfSignedValues)
{
    CY r = Cy(7);
    ASSERT_EQ(VarCyAdd(Cy(15000), Cy(-25001), &r), S_OK);
    EXPECT_EQ(r.int64, -10001);
    ASSERT_EQ(VarCyAdd(Cy(kMaxCy - 1), Cy(1), &r), S_OK);
    EXPECT_EQ(r.int64, kMaxCy);
    ASSERT_EQ(VarCyAdd(Cy(kMinCy + 1), Cy(-1), &r), S_OK);
    EXPECT_EQ(r.int64, kMinCy);
}

TEST(VarCyAdd, OverflowLeavesResultUntouched)
{
    CY r = Cy(7);
    EXPECT_EQ(VarCyAdd(Cy(kMaxCy), Cy(1), &r), DISP_E_OVERFLOW);
    EXPECT_EQ(VarCyAdd(Cy(kMinCy), Cy(-1), &r), DISP_E_OVERFLOW);
    EXPECT_EQ(r.int64, 7) << "result after overflow";
}

TEST(VarCyMul, RoundsHalfToEvenAtFourDecimals)
{
    CY r;
    ASSERT_EQ(VarCyMul(Cy(15000), Cy(15000), &r), S_OK);
    EXPECT_EQ(r.int64, 22500) << "1.5 x 1.5";
    ASSERT_EQ(VarCyMul(Cy(1), Cy(5000), &r), S_OK);
    EXPECT_EQ(r.int64, 0) << "0.0001 x 0.5 = 0.00005";
    ASSERT_EQ(VarCyMul(Cy(3), Cy(5000), &r), S_OK);
    EXPECT_EQ(r.int64, 2) << "0.0003 x 0.5 = 0.00015";
    ASSERT_EQ(VarCyMul(Cy(-3), Cy(5000), &r), S_OK);
    EXPECT_EQ(r.int64, -2) << "-0.0003 x 0.5";
    ASSERT_EQ(VarCyMul(Cy(3), Cy(5001), &r), S_OK);
    EXPECT_EQ(r.int64, 2) << "0.0003 x 0.5001 = 0.00015003";
    ASSERT_EQ(VarCyMul(Cy(-7), Cy(-7000), &r), S_OK);
    EXPECT_EQ(r.int64, 5) << "-0.0007 x -0.7 = 0.00049";
}

TEST(VarCyMul, WideIntermediateProduct)
{
    CY r;
    // 1,000,000 x 1,000,000: the scaled product passes 2^64.
    ASSERT_EQ(VarCyMul(Cy(10000000000LL), Cy(-10000000000LL), &r), S_OK);
    EXPECT_EQ(r.int64, -10000000000000000LL);
    EXPECT_EQ(VarCyMul(Cy(kMaxCy / 2 + 10000), Cy(20000), &r), DISP_E_OVERFLOW);
    ASSERT_EQ(VarCyMul(Cy(kMinCy), Cy(10000), &r), S_OK);
    EXPECT_EQ(r.int64, kMinCy) << "minimum x 1";
    EXPECT_EQ(VarCyMul(Cy(kMinCy), Cy(-10000), &r), DISP_E_OVERFLOW) << "minimum x -1";
}

TEST(VarCyFromR8, TiesAtTheFourthDecimalGoToEven)
{
    const struct {
        double in;
        LONGLONG out;
    } casos[] = {
        {0.00005, 0},     {0.00015, 2},
        {0.00025, 2},     {0.00035, 4},
        {-0.00015, -2},   {1.5, 15000},
        {1.23456, 12346}, {1.00005, 10000},
        {2.00015, 20002}, {1.4999999999999998, 15000},
        {0.0, 0},         {-0.0, 0},
        {1e-300, 0},      {922337203685477.0, 922337203685477LL * 10000},
    };
    for (const auto& c : casos) {
        CY r = Cy(99);
        ASSERT_EQ(VarCyFromR8(c.in, &r), S_OK) << c.in;
        EXPECT_EQ(r.int64, c.out) << "VarCyFromR8(" << c.in << ")";
    }
}

TEST(VarCyFromR8, OutOfRangeAndNonFiniteOverflow)
{
    const double casos[] = {1e15,
                            -1e15,
                            922337203685477.625,
                            -922337203685477.625,
                            1e300,
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double d : casos) {
        CY r = Cy(99);
        EXPECT_EQ(VarCyFromR8(d, &r), DISP_E_OVERFLOW) << d;
        EXPECT_EQ(r.int64, 99) << "result after VarCyFromR8(" << d << ")";
    }
}

TEST(VarDecFromCy, KeepsScaleFour)
{
    DECIMAL d;
    ASSERT_EQ(VarDecFromCy(Cy(15000), &d), S_OK);
    EXPECT_EQ(Texto(d), "1.5000");
    ASSERT_EQ(VarDecFromCy(Cy(kMinCy), &d), S_OK);
    EXPECT_EQ(Texto(d), "-922337203685477.5808");
    EXPECT_EQ(d.wReserved, 0) << "wReserved";
}

TEST(VarDecFromR8, FifteenSignificantDigits)
{
    EXPECT_EQ(DeR8(0.1), "0.1");
    EXPECT_EQ(DeR8(-2.5), "-2.5");
    EXPECT_EQ(DeR8(1e15), "1000000000000000");
    EXPECT_EQ(DeR8(1.23456789012345678), "1.23456789012346");
    EXPECT_EQ(DeR8(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(DeR8(100.0), "100");
    EXPECT_EQ(DeR8(0.0), "0");
    EXPECT_EQ(DeR8(1e28), "10000000000000000000000000000");
    EXPECT_EQ(DeR8(1.5e-28), "0.0000000000000000000000000002");
    EXPECT_EQ(DeR8(1e-30), "0");
}

TEST(VarDecFromR8, BeyondRangeOverflows)
{
    EXPECT_EQ(DeR8(1e29), kOverflow);
    EXPECT_EQ(DeR8(-8e28), kOverflow);
    EXPECT_EQ(DeR8(std::numeric_limits<double>::infinity()), kOverflow);
    EXPECT_EQ(DeR8(std::numeric_limits<double>::quiet_NaN()), kOverflow);
}

TEST(VarDecMul, KeepsScaleWhileItFits)
{
    EXPECT_EQ(Mul("2.5", "100"), "250.0");
    EXPECT_EQ(Mul("-1.5000", "0.1"), "-0.15000");
    EXPECT_EQ(Mul("-3", "-4"), "12");
    EXPECT_EQ(Mul("0.0000000000000001", "0.0000000000001"), "0.0000000000000000000000000000") << "scale 29 rounds away";
}

TEST(VarDecMul, ScalesDownHalfToEven)
{
    EXPECT_EQ(Mul("0.3333333333333333333333333333", "0.3333333333333333333333333333"),
              "0.1111111111111111111111111111");
    EXPECT_EQ(Mul("3.3333333333333333333333333333", "3.3333333333333333333333333333"),
              "11.111111111111111111111111111");
    EXPECT_EQ(Mul(kMaxDec, "0.5"), "39614081257132168796771975168") << "167.5 -> 168";
    EXPECT_EQ(Mul("0.000000000000005", "0.00000000000003"), "0.0000000000000000000000000002") << "15e-29";
    EXPECT_EQ(Mul("0.000000000000005", "0.00000000000005"), "0.0000000000000000000000000002") << "25e-29";
    EXPECT_EQ(Mul("0.000000000000005", "0.00000000000007"), "0.0000000000000000000000000004") << "35e-29";
}

TEST(VarDecMul, OverflowWhenIntegerPartDoesNotFit)
{
    EXPECT_EQ(Mul(kMaxDec, "2"), kOverflow);
    EXPECT_EQ(Mul("10000000000000000000000000000", "-10"), kOverflow);
}

TEST(VarDecDiv, AsManyDecimalsAsFit)
{
    EXPECT_EQ(Div("10", "3"), "3.3333333333333333333333333333");
    EXPECT_EQ(Div("20", "3"), "6.6666666666666666666666666667");
    EXPECT_EQ(Div("1", "3"), "0.3333333333333333333333333333");
    EXPECT_EQ(Div("100", "3"), "33.333333333333333333333333333");
    EXPECT_EQ(Div("-1", "3"), "-0.3333333333333333333333333333");
    EXPECT_EQ(Div("1.5000", "-0.0003"), "-5000");
    EXPECT_EQ(Div("100000.0000", "30000.0000"), "3.3333333333333333333333333333");
}

TEST(VarDecDiv, ExactQuotientStopsEarly)
{
    EXPECT_EQ(Div("1", "4"), "0.25");
    EXPECT_EQ(Div("1", "8"), "0.125");
    EXPECT_EQ(Div("10", "0.5"), "20");
    EXPECT_EQ(Div("0.5", "2"), "0.25");
    EXPECT_EQ(Div("0", "7"), "0");
}

TEST(VarDecDiv, ErrorCodes)
{
    EXPECT_EQ(Div("1.5", "0"), kDivZero);
    EXPECT_EQ(Div("0", "0.000"), kDivZero);
    EXPECT_EQ(Div(kMaxDec, "0.1"), kOverflow);
    EXPECT_EQ(Div("70000000000000000000000000000", "-0.001"), kOverflow);
    EXPECT_EQ(Div(kMaxDec, "1"), kMaxDec);
    EXPECT_EQ(Div(kMaxDec, "2"), "39614081257132168796771975168") << "167.5 -> 168";
}

TEST(VarCyFromDec, RoundsHalfToEvenAtFourDecimals)
{
    const struct {
        const char* in;
        LONGLONG out;
    } casos[] = {
        {"0.3333333333333333333333333333", 3333},
        {"0.00005", 0},
        {"0.00015", 2},
        {"-0.00025", -2},
        {"2.00005", 20000},
        {"2.00015", 20002},
        {"0.000050000000000000000000001", 1},
        {"250.0", 2500000},
        {"922337203685477.5807", kMaxCy},
        {"-922337203685477.5808", kMinCy},
        {"-922337203685477.58085", kMinCy},
    };
    for (const auto& c : casos) {
        DECIMAL d = Dec(c.in);
        CY r;
        ASSERT_EQ(VarCyFromDec(&d, &r), S_OK) << c.in;
        EXPECT_EQ(r.int64, c.out) << "VarCyFromDec(" << c.in << ")";
    }
}

TEST(VarCyFromDec, OutOfRangeOverflows)
{
    for (const char* s : {"922337203685477.5808", "-922337203685477.58086", "79228162514264337593543950335"}) {
        DECIMAL d = Dec(s);
        CY r = Cy(99);
        EXPECT_EQ(VarCyFromDec(&d, &r), DISP_E_OVERFLOW) << s;
        EXPECT_EQ(r.int64, 99) << "result after VarCyFromDec(" << s << ")";
    }
}

TEST(DecimalOperands, MalformedOnesAreRejected)
{
    DECIMAL escala = Dec("1");
    escala.scale = 29;
    DECIMAL sinal = Dec("1");
    sinal.sign = 1;
    DECIMAL um = Dec("1"), r;
    CY cy;
    EXPECT_EQ(VarDecMul(&escala, &um, &r), E_INVALIDARG) << "scale 29";
    EXPECT_EQ(VarDecDiv(&um, &sinal, &r), E_INVALIDARG) << "sign 1";
    EXPECT_EQ(VarCyFromDec(&escala, &cy), E_INVALIDARG) << "scale 29";
    EXPECT_EQ(VarDecMul(&um, &um, nullptr), E_INVALIDARG) << "null result";
    EXPECT_EQ(VarCyFromR8(1.0, nullptr), E_INVALIDARG) << "null result";
}

} // namespace
