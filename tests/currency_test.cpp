#include "core/JQCurrency.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

LONGLONG V(const CJQCurrencyEx& c) { return c.GetValor().int64; }

TEST(CJQCurrencyEx, Defaults)
{
    CJQCurrencyEx c;
    EXPECT_EQ(V(c), 0) << "value";
    EXPECT_EQ(c.GetDecimais(), 4) << "decimals";
    EXPECT_EQ(c.GetModoArredondamento(), 1) << "rounding mode";
}

TEST(CJQCurrencyEx, FromDoubleNormalisesToDecimals)
{
    EXPECT_EQ(V(CJQCurrencyEx(1.239, 2, 1)), 12300) << "1.239, 2 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.239, 2, 0)), 12400) << "1.239, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-1.235, 2, 0)), -12400) << "-1.235, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-1.239, 2, 1)), -12300) << "-1.239, 2 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.2345, 2, 0)), 12300) << "1.2345, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(2.5, 0, 0)), 30000) << "2.5, 0 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-2.5, 0, 0)), -30000) << "-2.5, 0 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(2.9999, 0, 1)), 20000) << "2.9999, 0 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.2345)), 12345) << "4 decimals keep the value";
}

TEST(CJQCurrencyEx, FromDoubleOutsideRangeIsZero)
{
    EXPECT_EQ(V(CJQCurrencyEx(1e20)), 0);
    EXPECT_EQ(V(CJQCurrencyEx(std::numeric_limits<double>::quiet_NaN())), 0);
}

TEST(CJQCurrencyEx, EveryStoreNormalises)
{
    CJQCurrencyEx c(JQCY(12399));
    EXPECT_EQ(V(c), 12399) << "from CY";
    c.SetDecimais(2);
    EXPECT_EQ(V(c), 12300) << "after SetDecimais(2)";
    c = JQCY(-56789);
    EXPECT_EQ(V(c), -56700) << "after assigning a CY";
    c.SetModoArredondamento(0);
    c = 0.125;
    EXPECT_EQ(V(c), 1300) << "after assigning a double in mode 0";
    c.SetDecimais(0);
    EXPECT_EQ(V(c), 0) << "after SetDecimais(0)";
    EXPECT_EQ(V(CJQCurrencyEx(JQCY(15000), 0, 0)), 20000) << "from CY, 0 decimals, round";
}

TEST(CJQCurrencyEx, CopyKeepsDecimalsAndMode)
{
    CJQCurrencyEx a(1.0, 2, 0);
    CJQCurrencyEx b = a;
    b = JQCY(12350);
    EXPECT_EQ(V(b), 12400) << "copy rounds like its source";
    EXPECT_EQ(b.GetDecimais(), 2) << "decimals";
    EXPECT_EQ(b.GetModoArredondamento(), 0) << "rounding mode";
}

TEST(CJQCurrencyEx, DecimalsOutsideRangeAreClamped)
{
    CJQCurrencyEx c(JQCY(12345), 9);
    EXPECT_EQ(c.GetDecimais(), 4);
    EXPECT_EQ(V(c), 12345);
    c.SetDecimais(-3);
    EXPECT_EQ(c.GetDecimais(), 0);
    EXPECT_EQ(V(c), 10000);
}

TEST(CJQCurrencyEx, RoundingAtTheEndOfTheRangeDoesNotWrap)
{
    const LONGLONG max = std::numeric_limits<LONGLONG>::max();
    const LONGLONG min = std::numeric_limits<LONGLONG>::min();
    EXPECT_EQ(V(CJQCurrencyEx(JQCY(max), 0, 0)), max / 10000 * 10000);
    EXPECT_EQ(V(CJQCurrencyEx(JQCY(min), 0, 0)), min / 10000 * 10000);
}

TEST(JQCurrencyZero, IsTheZeroAmount)
{
    EXPECT_EQ(V(JQCurrencyZero), 0) << "value";
    EXPECT_EQ(JQCurrencyZero.GetDecimais(), 4) << "decimals";
    EXPECT_EQ(JQCurrencyZero.GetModoArredondamento(), 1) << "rounding mode";
    EXPECT_TRUE(JQCurrencyZero == CJQCurrencyEx(0.0));
    EXPECT_TRUE(JQCurrencyZero != CJQCurrencyEx(0.0001));
}

TEST(JQCyOperations, SumAndProductOfCurrency)
{
    EXPECT_EQ(JQCySoma(JQCY(15000), JQCY(-2500)).int64, 12500);
    EXPECT_EQ(JQCyMultiplica(JQCY(15000), JQCY(20000)).int64, 30000);
    EXPECT_EQ(JQCyMultiplica(JQCY(3), JQCY(5000)).int64, 2) << "0.00015 to even";
}

TEST(JQCyOperations, OverflowGivesZero)
{
    const LONGLONG max = std::numeric_limits<LONGLONG>::max();
    EXPECT_EQ(JQCySoma(JQCY(max), JQCY(1)).int64, 0) << "sum";
    EXPECT_EQ(JQCyMultiplica(JQCY(max), JQCY(20000)).int64, 0) << "currency product";
    EXPECT_EQ(JQCyMultiplica(JQCY(max), 2.0).int64, 0) << "product by a double";
    EXPECT_EQ(JQCyDivide(JQCY(max), JQCY(1)).int64, 0) << "quotient";
}

TEST(JQCyOperations, ThroughDecimal)
{
    EXPECT_EQ(JQCyMultiplica(JQCY(25000), 100.0).int64, 2500000) << "2.5 x 100.0";
    EXPECT_EQ(JQCyDivide(JQCY(100000), JQCY(30000)).int64, 33333) << "10 / 3";
    EXPECT_EQ(JQCyDivide(JQCY(200000), JQCY(30000)).int64, 66667) << "20 / 3";
    EXPECT_EQ(JQCyDivide(JQCY(-200000), 3.0).int64, -66667) << "-20 / 3.0";
    EXPECT_EQ(JQCyMultiplica(JQCY(10000), 0.00015).int64, 2) << "1 x 0.00015";
    // A percentage and back: 25 of 200 is 12.5%.
    tagCY pct = JQCyDivide(JQCyMultiplica(JQCY(250000), 100.0), JQCY(2000000));
    EXPECT_EQ(pct.int64, 125000) << "percentage";
    EXPECT_EQ(JQCyDivide(JQCyMultiplica(pct, JQCY(2000000)), 100.0).int64, 250000) << "value";
}

TEST(JQCyOperations, FailedStepGivesZero)
{
    EXPECT_EQ(JQCyDivide(JQCY(15000), JQCY(0)).int64, 0) << "1.5 / 0";
    EXPECT_EQ(JQCyDivide(JQCY(15000), 0.0).int64, 0) << "1.5 / 0.0";
    EXPECT_EQ(JQCyDivide(JQCY(15000), 1e-30).int64, 0) << "divisor below the decimal range";
    EXPECT_EQ(JQCyMultiplica(JQCY(15000), std::numeric_limits<double>::infinity()).int64, 0) << "x infinity";
    EXPECT_EQ(JQCyDivide(JQCY(15000), std::numeric_limits<double>::quiet_NaN()).int64, 0) << "/ NaN";
}

TEST(JQCyOperations, EqualityIsExact)
{
    EXPECT_TRUE(JQCY(10000) == CJQCurrencyEx(1.0).GetValor()) << "1.0 and 1.0000";
    EXPECT_TRUE(JQCY(10001) != JQCY(10000)) << "1.0001 and 1.0";
}

} // namespace
