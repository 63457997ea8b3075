#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "store/numbers.h"
#include "store/vectors.h"

namespace kwarel {
namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(Numbers, IntegersStopAtTheFirstOtherCharacterAndClamp) {
    const struct { const char* text; int32_t value; } cases[] = {
        {"42", 42}, {"  -7xyz", -7}, {"+3", 3}, {"\t 12\n", 12}, {"2.9", 2}, {"YES", 0}, {"", 0},
        {"-", 0}, {"--5", 0}, {"- 5", 0}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"-2147483649", INT32_MIN}, {"99999999999999999999999999999", INT32_MAX}};
    for (const auto& c : cases) EXPECT_EQ(toInteger(c.text), c.value) << c.text;
    EXPECT_EQ(toInteger(nullptr), 0);
}

TEST(Numbers, DecimalsWithoutInfNanOrLocale) {
    const struct { const char* text; double value; } cases[] = {
        {"114.3", 114.3}, {"  -2.5abc", -2.5}, {"+.5", 0.5}, {"7.\n", 7.0}, {"1e3", 1000.0},
        {"1.5E-1", 0.15}, {"2e", 2.0}, {"6|7", 6.0}, {"12,5", 12.0}, {".", 0.0}, {"-", 0.0},
        {"+-1", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"", 0.0},
        // Out of range: infinity or zero, judged by the digits and exponent together.
        {"1e999", kInf}, {"-1e999", -kInf}, {"0.001e400", kInf}, {"1e-999", 0.0}, {"1000e-330", 0.0}};
    for (const auto& c : cases) EXPECT_EQ(toNumber(c.text), c.value) << c.text;
    EXPECT_EQ(toNumber(nullptr), 0.0);
    EXPECT_EQ(toNumber(("0." + std::string(400, '0') + "1e5").c_str()), 0.0);  // too small despite the exponent
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {  // a decimal-comma locale
        EXPECT_EQ(toNumber("2.5"), 2.5);
        std::setlocale(LC_NUMERIC, "C");
    }
    EXPECT_EQ(std::vector<int32_t>({truncateToInt32(1841.5), truncateToInt32(-762.9), truncateToInt32(1e12),
                                    truncateToInt32(-kInf), truncateToInt32(std::nan(""))}),
              std::vector<int32_t>({1841, -762, INT32_MAX, INT32_MIN, 0}));
}

TEST(Vectors, AnglesAndCrossProduct) {
    const double r3 = std::sqrt(3.0) / 2;
    const struct { double a[3], b[3]; int32_t degrees; } cases[] = {
        {{1, 0, 0}, {2, 0, 0}, 0}, {{1, 0, 0}, {-3, 0, 0}, 180}, {{1, 0, 0}, {0, 5, 0}, 90},
        {{1, 0, 0}, {1, 1, 0}, 45}, {{0, 0, 1}, {0, 1, 1}, 45},
        // x 57.2958, not 180 / pi: 60 and 120 degrees come out just above, not below.
        {{1, 0, 0}, {0.5, r3, 0}, 60}, {{1, 0, 0}, {-0.5, r3, 0}, 120},
        // A zero vector gives a not-a-number cosine, taken as -1.
        {{0, 0, 0}, {1, 0, 0}, 180}, {{1, 0, 0}, {0, 0, 0}, 180}};
    for (const auto& c : cases) EXPECT_EQ(vectorAngle(c.a[0], c.a[1], c.a[2], c.b[0], c.b[1], c.b[2]), c.degrees);
    double x, y, z;
    crossProduct(1, 2, 3, 4, 5, 6, x, y, z);
    EXPECT_EQ(std::vector<double>({x, y, z}), std::vector<double>({-3, 6, -3}));
}

}  // namespace
}  // namespace kwarel
