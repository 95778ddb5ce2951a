// OLE Automation currency and decimal arithmetic, CJQCurrencyEx and the
// currency operations of the records.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "tolvdata.h"

namespace {

// The decimal as text: sign, digits, point at its scale.
std::string Texto(const DECIMAL& d)
{
    unsigned long long lo = d.Lo64;
    unsigned long hi = d.Hi32;
    std::string dig;
    while (hi || lo) {
        // Divide the 96-bit value by 10.
        unsigned long long r = hi % 10;
        hi /= 10;
        unsigned long long alto = (r << 32) | (lo >> 32);
        unsigned long long qa = alto / 10;
        r = alto % 10;
        unsigned long long baixo = (r << 32) | (lo & 0xFFFFFFFFull);
        lo = (qa << 32) | (baixo / 10);
        dig.insert(dig.begin(), static_cast<char>('0' + baixo % 10));
    }
    while (dig.size() <= d.scale)
        dig.insert(dig.begin(), '0');
    if (d.scale)
        dig.insert(dig.end() - d.scale, '.');
    return ((d.sign & DECIMAL_NEG) ? "-" : "") + dig;
}

DECIMAL DeR8(double x)
{
    DECIMAL d;
    EXPECT_EQ(VarDecFromR8(x, &d), S_OK) << x;
    return d;
}

LONGLONG CyDeR8(double x)
{
    CY c;
    c.int64 = 0x5A5A;
    EXPECT_EQ(VarCyFromR8(x, &c), S_OK) << x;
    return c.int64;
}

TEST(OleAuto, CurrencyFromDoubleRoundsHalfToEven)
{
    EXPECT_EQ(CyDeR8(1.5), 15000);
    EXPECT_EQ(CyDeR8(0.00005), 0);
    EXPECT_EQ(CyDeR8(0.00015), 1) << "the product is 1.4999999999999998";
    EXPECT_EQ(CyDeR8(0.00025), 2);
    EXPECT_EQ(CyDeR8(0.00035), 4);
    EXPECT_EQ(CyDeR8(-0.00035), -4);
    EXPECT_EQ(CyDeR8(-2.71828), -27183);
    CY c;
    EXPECT_EQ(VarCyFromR8(1e15, &c), DISP_E_OVERFLOW);
    EXPECT_EQ(VarCyFromR8(0.0 / 0.0, &c), DISP_E_OVERFLOW);
}

TEST(OleAuto, DecimalFromDoubleKeepsFifteenDigits)
{
    EXPECT_EQ(Texto(DeR8(0.1)), "0.1");
    EXPECT_EQ(Texto(DeR8(1.23456789012345678)), "1.23456789012346");
    EXPECT_EQ(Texto(DeR8(-2.5)), "-2.5");
    EXPECT_EQ(Texto(DeR8(1e15)), "1000000000000000");
    EXPECT_EQ(Texto(DeR8(100.0)), "100");
    EXPECT_EQ(Texto(DeR8(1e-30)), "0");
    DECIMAL d;
    EXPECT_EQ(VarDecFromR8(1e29, &d), DISP_E_OVERFLOW);
}

TEST(OleAuto, DecimalDivisionKeepsTwentyEightDigits)
{
    DECIMAL dez = DeR8(10), tres = DeR8(3), q;
    ASSERT_EQ(VarDecDiv(&dez, &tres, &q), S_OK);
    EXPECT_EQ(Texto(q), "3.3333333333333333333333333333");
    DECIMAL dois = DeR8(2);
    ASSERT_EQ(VarDecDiv(&dois, &tres, &q), S_OK);
    EXPECT_EQ(Texto(q), "0.6666666666666666666666666667") << "last digit rounded";
    DECIMAL um = DeR8(1), quatro = DeR8(-4);
    ASSERT_EQ(VarDecDiv(&um, &quatro, &q), S_OK);
    EXPECT_EQ(Texto(q), "-0.25") << "exact quotients stop early";
    DECIMAL zero = DeR8(0);
    EXPECT_EQ(VarDecDiv(&um, &zero, &q), DISP_E_DIVBYZERO);
    DECIMAL grande = DeR8(7e28), milesimo = DeR8(0.001);
    EXPECT_EQ(VarDecDiv(&grande, &milesimo, &q), DISP_E_OVERFLOW);
}

TEST(OleAuto, DecimalProductScalesDownWhenTooLong)
{
    DECIMAL a = DeR8(1.5), b = DeR8(-2.25), p;
    ASSERT_EQ(VarDecMul(&a, &b, &p), S_OK);
    EXPECT_EQ(Texto(p), "-3.375");
    DECIMAL t = DeR8(10), tres = DeR8(3), terco;
    VarDecDiv(&t, &tres, &terco);
    ASSERT_EQ(VarDecMul(&terco, &terco, &p), S_OK);
    EXPECT_EQ(Texto(p), "11.111111111111111111111111111");
    DECIMAL g = DeR8(7e28), dois = DeR8(2);
    EXPECT_EQ(VarDecMul(&g, &dois, &p), DISP_E_OVERFLOW);
}

TEST(OleAuto, CurrencyFromDecimalAndCurrencyOperations)
{
    DECIMAL d = DeR8(2.00005);
    CY c;
    ASSERT_EQ(VarCyFromDec(&d, &c), S_OK);
    EXPECT_EQ(c.int64, 20000) << "half to even";
    d = DeR8(2.00015);
    VarCyFromDec(&d, &c);
    EXPECT_EQ(c.int64, 20002);
    CY x = JQCY(25000), y = JQCY(-40000), r;
    ASSERT_EQ(VarCyMul(x, y, &r), S_OK);
    EXPECT_EQ(r.int64, -100000);
    EXPECT_EQ(VarCyAdd(JQCY(0x7FFFFFFFFFFFFFFFll), JQCY(1), &r), DISP_E_OVERFLOW);
    EXPECT_EQ(VarCyMul(JQCY(0x7FFFFFFFFFFFFFFFll), JQCY(20000), &r), DISP_E_OVERFLOW);
    DECIMAL m;
    VarDecFromCy(JQCY(-12345), &m);
    EXPECT_EQ(Texto(m), "-1.2345");
}

TEST(Moeda, RecordOperations)
{
    EXPECT_EQ(JQCyDivide(JQCY(15000), JQCY(0)).int64, 0) << "1.5 / 0";
    EXPECT_EQ(JQCyDivide(JQCY(100000), JQCY(30000)).int64, 33333) << "10 / 3";
    EXPECT_EQ(JQCyMultiplica(JQCY(25000), 100.0).int64, 2500000) << "2.5 * 100.0";
    EXPECT_EQ(JQCyDivide(JQCY(2500000), 100.0).int64, 25000);
    EXPECT_EQ(JQCyDivide(JQCY(2500000), 0.0).int64, 0);
    EXPECT_EQ(JQCyMultiplica(JQCY(25000), JQCY(-20000)).int64, -50000);
    EXPECT_EQ(JQCySoma(JQCY(10000), JQCY(5)).int64, 10005);
    EXPECT_TRUE(JQCY(10000) == JQCY(10000)) << "1.0 and 1.0000";
    EXPECT_FALSE(JQCY(10001) == JQCY(10000));
}

TEST(Moeda, CurrencyValueNormalisesEveryStore)
{
    EXPECT_EQ(CJQCurrencyEx(1.239, 2, 1).GetValor().int64, 12300);
    EXPECT_EQ(CJQCurrencyEx(1.239, 2, 0).GetValor().int64, 12400);
    EXPECT_EQ(CJQCurrencyEx(-1.235, 2, 0).GetValor().int64, -12400);
    EXPECT_EQ(CJQCurrencyEx(-1.239, 2, 1).GetValor().int64, -12300) << "truncates toward zero";
    EXPECT_EQ(CJQCurrencyEx(7.5, 0, 0).GetValor().int64, 80000);
    EXPECT_EQ(CJQCurrencyEx(1.2345).GetValor().int64, 12345) << "4 decimals keep the value";

    CJQCurrencyEx c(JQCY(19999), 4, 1);
    c.SetDecimais(2);
    EXPECT_EQ(c.GetValor().int64, 19900) << "change of decimals";
    c.SetValor(JQCY(55555));
    EXPECT_EQ(c.GetValor().int64, 55500);
    CJQCurrencyEx d;
    d = c;
    EXPECT_EQ(d.GetDecimais(), 2);
    EXPECT_EQ(JQCurrencyZero.GetValor().int64, 0);
    EXPECT_EQ(JQCurrencyZero.GetDecimais(), 4);
    EXPECT_EQ(JQCurrencyZero.GetArredondamento(), 1);
}

} // namespace
