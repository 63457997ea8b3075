#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>

#include "store/numbers.h"

namespace kwarel {
namespace {

TEST(ToInteger, StandardReading) {
    EXPECT_EQ(toInteger("42"), 42);
    EXPECT_EQ(toInteger("  -7xyz"), -7);
    EXPECT_EQ(toInteger("+3"), 3);
    EXPECT_EQ(toInteger("\t 12\n"), 12);
    EXPECT_EQ(toInteger("2.9"), 2);
    EXPECT_EQ(toInteger("YES"), 0);
    EXPECT_EQ(toInteger(""), 0);
    EXPECT_EQ(toInteger("-"), 0);
    EXPECT_EQ(toInteger("--5"), 0);
    EXPECT_EQ(toInteger("- 5"), 0);
    EXPECT_EQ(toInteger(nullptr), 0);
}

TEST(ToInteger, ClampsToInt32) {
    EXPECT_EQ(toInteger("2147483647"), INT32_MAX);
    EXPECT_EQ(toInteger("2147483648"), INT32_MAX);
    EXPECT_EQ(toInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(toInteger("-2147483649"), INT32_MIN);
    EXPECT_EQ(toInteger("99999999999999999999999999999"), INT32_MAX);
}

TEST(ToNumber, StandardReading) {
    EXPECT_EQ(toNumber("114.3"), 114.3);
    EXPECT_EQ(toNumber("  -2.5abc"), -2.5);
    EXPECT_EQ(toNumber("+.5"), 0.5);
    EXPECT_EQ(toNumber("7.\n"), 7.0);
    EXPECT_EQ(toNumber("1e3"), 1000.0);
    EXPECT_EQ(toNumber("1.5E-1"), 0.15);
    EXPECT_EQ(toNumber("2e"), 2.0);
    EXPECT_EQ(toNumber("6|7"), 6.0);
    EXPECT_EQ(toNumber("12,5"), 12.0);
    EXPECT_EQ(toNumber("."), 0.0);
    EXPECT_EQ(toNumber("-"), 0.0);
    EXPECT_EQ(toNumber("+-1"), 0.0);
    EXPECT_EQ(toNumber("inf"), 0.0);
    EXPECT_EQ(toNumber("nan"), 0.0);
    EXPECT_EQ(toNumber(""), 0.0);
    EXPECT_EQ(toNumber(nullptr), 0.0);
}

TEST(ToNumber, OutOfRangeAndLocale) {
    EXPECT_EQ(toNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(toNumber("0.001e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(toNumber("1e-999"), 0.0);
    EXPECT_EQ(toNumber("1000e-330"), 0.0);
    // A locale with a decimal comma does not change the reading.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(toNumber("2.5"), 2.5);
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(TruncateToInt32, TowardZeroAndClamped) {
    EXPECT_EQ(truncateToInt32(1841.5), 1841);
    EXPECT_EQ(truncateToInt32(-762.9), -762);
    EXPECT_EQ(truncateToInt32(1e12), INT32_MAX);
    EXPECT_EQ(truncateToInt32(-1e12), INT32_MIN);
    EXPECT_EQ(truncateToInt32(std::numeric_limits<double>::infinity()), INT32_MAX);
    EXPECT_EQ(truncateToInt32(std::nan("")), 0);
}

TEST(LowBits16, KeepsTheLowSixteenBits) {
    EXPECT_EQ(lowBits16(3), 3);
    EXPECT_EQ(lowBits16(-1), -1);
    EXPECT_EQ(lowBits16(65537), 1);
    EXPECT_EQ(lowBits16(40000), 40000 - 65536);
}

}  // namespace
}  // namespace kwarel
