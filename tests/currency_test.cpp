#include "core/JQCurrency.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const LONGLONG kMaxCy = std::numeric_limits<LONGLONG>::max();
const LONGLONG kMinCy = std::numeric_limits<LONGLONG>::min();

LONGLONG V(const CJQCurrencyEx& c) { return c.GetValor().int64; }

TEST(CJQCurrencyEx, DefaultsToFourDecimalsAndRoundingMode1)
{
    CJQCurrencyEx c;
    EXPECT_EQ(V(c), 0);
    EXPECT_EQ(c.GetDecimais(), 4);
    EXPECT_EQ(c.GetModoArredondamento(), 1);
    EXPECT_TRUE(JQCurrencyZero != CJQCurrencyEx(0.0001));
}

TEST(CJQCurrencyEx, FromDoubleNormalisesToDecimals)
{
    EXPECT_EQ(V(CJQCurrencyEx(1.239, 2, 1)), 12300) << "1.239, 2 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.239, 2, 0)), 12400) << "1.239, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-1.235, 2, 0)), -12400) << "-1.235, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-1.239, 2, 1)), -12300) << "-1.239, 2 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.2345, 2, 0)), 12300) << "1.2345, 2 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(-2.5, 0, 0)), -30000) << "-2.5, 0 decimals, round";
    EXPECT_EQ(V(CJQCurrencyEx(2.9999, 0, 1)), 20000) << "2.9999, 0 decimals, truncate";
    EXPECT_EQ(V(CJQCurrencyEx(1.2345)), 12345) << "4 decimals keep the value";
    EXPECT_EQ(V(CJQCurrencyEx(1e20)), 0) << "outside the range";
    EXPECT_EQ(V(CJQCurrencyEx(std::numeric_limits<double>::quiet_NaN())), 0) << "NaN";
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
    CJQCurrencyEx copia = c;
    copia = JQCY(12350);
    EXPECT_EQ(V(copia), 12400) << "a copy rounds like its source";
    c.SetDecimais(0);
    EXPECT_EQ(V(c), 0) << "after SetDecimais(0)";
}

TEST(CJQCurrencyEx, OutOfRangeDecimalsAndRoundingAreContained)
{
    CJQCurrencyEx c(JQCY(12345), 9);
    EXPECT_EQ(c.GetDecimais(), 4);
    c.SetDecimais(-3);
    EXPECT_EQ(c.GetDecimais(), 0);
    EXPECT_EQ(V(c), 10000);
    EXPECT_EQ(V(CJQCurrencyEx(JQCY(kMaxCy), 0, 0)), kMaxCy / 10000 * 10000) << "no wrap at the top";
    EXPECT_EQ(V(CJQCurrencyEx(JQCY(kMinCy), 0, 0)), kMinCy / 10000 * 10000) << "no wrap at the bottom";
}

TEST(JQCyOperations, SumAndProductOfCurrency)
{
    EXPECT_EQ(JQCySoma(JQCY(15000), JQCY(-2500)).int64, 12500);
    EXPECT_EQ(JQCyMultiplica(JQCY(15000), JQCY(20000)).int64, 30000);
    EXPECT_EQ(JQCySoma(JQCY(kMaxCy), JQCY(1)).int64, 0) << "sum overflow";
    EXPECT_EQ(JQCyMultiplica(JQCY(kMaxCy), JQCY(20000)).int64, 0) << "product overflow";
}

TEST(JQCyOperations, ThroughDecimal)
{
    EXPECT_EQ(JQCyMultiplica(JQCY(25000), 100.0).int64, 2500000) << "2.5 x 100.0";
    EXPECT_EQ(JQCyDivide(JQCY(100000), JQCY(30000)).int64, 33333) << "10 / 3";
    EXPECT_EQ(JQCyDivide(JQCY(-200000), 3.0).int64, -66667) << "-20 / 3.0";
    EXPECT_EQ(JQCyMultiplica(JQCY(10000), 0.00015).int64, 2) << "1 x 0.00015";
    // 25 of 200 is 12.5%, and back.
    tagCY pct = JQCyDivide(JQCyMultiplica(JQCY(250000), 100.0), JQCY(2000000));
    EXPECT_EQ(pct.int64, 125000) << "percentage";
    EXPECT_EQ(JQCyDivide(JQCyMultiplica(pct, JQCY(2000000)), 100.0).int64, 250000) << "value";
}

TEST(JQCyOperations, FailedStepGivesZero)
{
    EXPECT_EQ(JQCyDivide(JQCY(15000), JQCY(0)).int64, 0) << "1.5 / 0";
    EXPECT_EQ(JQCyDivide(JQCY(15000), 0.0).int64, 0) << "1.5 / 0.0";
    EXPECT_EQ(JQCyDivide(JQCY(15000), 1e-30).int64, 0) << "divisor below the decimal range";
    EXPECT_EQ(JQCyDivide(JQCY(kMaxCy), JQCY(1)).int64, 0) << "quotient overflow";
    EXPECT_EQ(JQCyMultiplica(JQCY(kMaxCy), 2.0).int64, 0) << "product overflow";
    EXPECT_EQ(JQCyMultiplica(JQCY(15000), std::numeric_limits<double>::infinity()).int64, 0) << "x infinity";
}

} // namespace
