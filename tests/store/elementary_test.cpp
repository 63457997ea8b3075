// The edges of the elementary functions; tests/store/mpfr checks their
// rounding against MPFR on many arguments, edges of the tables and huge
// arguments among them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <algorithm>
#include <random>
#include <vector>

#include "store/elementary.h"
#include "store/elementary_arguments.h"

namespace kwarel {
namespace {

namespace el = elementary;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Elementary, NotANumberAndInfinity) {
    for (double x : {kNaN, kInfinity, -kInfinity}) {
        EXPECT_TRUE(std::isnan(el::sin(x))) << x;
        EXPECT_TRUE(std::isnan(el::cos(x))) << x;
        EXPECT_TRUE(std::isnan(el::tan(x))) << x;
        EXPECT_TRUE(std::isnan(el::acos(x))) << x;
    }
    EXPECT_TRUE(std::isnan(el::atan(kNaN)));
    EXPECT_EQ(el::atan(kInfinity), 0x1.921fb54442d18p+0);
    EXPECT_EQ(el::atan(-kInfinity), -0x1.921fb54442d18p+0);
    EXPECT_TRUE(std::isnan(el::acos(1.0000000000000002)));
    EXPECT_TRUE(std::isnan(el::acos(-1.0000000000000002)));
}

TEST(Elementary, SignedZeroAndTinyArguments) {
    EXPECT_TRUE(sameBits(el::sin(-0.0), -0.0));
    EXPECT_TRUE(sameBits(el::tan(-0.0), -0.0));
    EXPECT_TRUE(sameBits(el::atan(-0.0), -0.0));
    EXPECT_EQ(el::cos(-0.0), 1.0);
    EXPECT_EQ(el::sin(0x1p-1074), 0x1p-1074);
    EXPECT_EQ(el::atan(-0x1p-30), -0x1p-30);
    EXPECT_EQ(el::cos(0x1p-28), 1.0);
    EXPECT_EQ(el::acos(1.0), 0.0);
    EXPECT_EQ(el::acos(-1.0), 0x1.921fb54442d18p+1);
    EXPECT_EQ(el::acos(0.0), 0x1.921fb54442d18p+0);
}

// Odd and even: the sign of the argument only moves the sign of the result.
TEST(Elementary, Symmetry) {
    for (double x : {0.3, 1.5708000000000002, 3.1416, 100.0, 1e7, 3e300}) {
        EXPECT_TRUE(sameBits(el::sin(-x), -el::sin(x))) << x;
        EXPECT_TRUE(sameBits(el::cos(-x), el::cos(x))) << x;
        EXPECT_TRUE(sameBits(el::tan(-x), -el::tan(x))) << x;
        EXPECT_TRUE(sameBits(el::atan(-x), -el::atan(x))) << x;
    }
}

// acos takes three forms by |x| (the asin series up to 1/2, rows by the
// binade of 1 - |x| down to 2^-4, a square root nearer to 1): no step
// backwards across the edges of the ranges and of the table rows, where a
// wrong row or a wrong base would show. (Correct rounding on both sides of
// each edge, as of huge arguments: the MPFR check.)
TEST(Elementary, AcosAcrossItsRanges) {
    std::vector<double> edges;
    for (int i = 0; i <= 64; ++i) edges.push_back((i + 0.5) / 128);                      // rows up to 1/2
    for (int e = -4; e <= -1; ++e) {
        for (int m = 0; m <= 64; ++m) edges.push_back(1.0 - std::ldexp(1.0 + m / 64.0, e));  // binade rows
    }
    for (int i = 0; i <= 23; ++i) edges.push_back(1.0 - 2.0 * ((i + 0.5) / 128) * ((i + 0.5) / 128));  // near 1
    for (const double edge : edges) {
        for (const double sign : {1.0, -1.0}) {
            double x = sign * edge;
            for (int k = 0; k < 8; ++k) x = std::nextafter(x, -1.0);
            double previous = el::acos(x);
            for (int k = 0; k < 16 && x < 1.0; ++k) {
                x = std::nextafter(x, 1.0);
                const double now = el::acos(x);
                EXPECT_LE(now, previous) << x;
                previous = now;
            }
        }
    }
}

// sinCos shares the work of sin and cos and must give their bits exactly:
// the planner's angles (whole and fractional degrees in radians, of either
// sign), the edges of the common path, large and special arguments, the
// neighbours of multiples of pi/2 (which the common path leaves to the
// accurate one), and random bit patterns.
TEST(Elementary, SinCosGivesTheBitsOfSinAndCos) {
    auto expectSame = [](double x) {
        double s = 0.0, c = 0.0;
        el::sinCos(x, s, c);
        const double sine = el::sin(x), cosine = el::cos(x);
        if (std::isnan(sine)) {
            EXPECT_TRUE(std::isnan(s) && std::isnan(c)) << x;
            return true;
        }
        const bool same = sameBits(s, sine) && sameBits(c, cosine);
        EXPECT_TRUE(same) << x;
        return same;
    };
    for (double x : {0.0, -0.0, 0x1p-1074, 0x1p-28, 0x1p-27, -0x1p-27, 0x1.921fb54442d18p-1, 0x1.921fb54442d19p-1,
                     1.5708, 3.1416, 6.2832, 0x1p20, 1e22, 0x1p1000, kInfinity, -kInfinity, kNaN}) {
        expectSame(x);
    }
    for (int degrees = -800; degrees <= 800; ++degrees) {
        expectSame(degrees * 6.2832 * 0.002777777777777778);
    }
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> angle(-400.0, 400.0);
    int failures = 0;
    for (int i = 0; i < 300000 && failures < 5; ++i) {
        failures += expectSame(angle(random) * 6.2832 * 0.002777777777777778) ? 0 : 1;
        const uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        failures += expectSame(any) ? 0 : 1;
        if (i < 2000) failures += expectSame(std::nextafter(i * 1.5707963267948966, 0.0)) ? 0 : 1;
    }
}

// Two or four at a time, every argument gives the single call's bits: the
// edges of both functions, arguments of every kind the accuracy checks draw
// (the simulation's angles and ratios, table edges, next to multiples of
// pi/2, huge ones) and random bit patterns, grouped in every combination of
// kinds and with an odd count left over. Four lanes are checked where the
// processor has them.
TEST(Elementary, ManyGiveTheBitsOfSingleCalls) {
    std::vector<double> values = {0.0,    -0.0,   0x1p-1074, 0x1p-28,     0x1p-27, -0x1p-27,
                                  1.0,    -1.0,   0x1p54,    0x1.0000000000001p54, 0x1p10,
                                  0x1.fffffffffffffp9, -0x1p10, 0x1p20, 1e300, kInfinity, -kInfinity, kNaN};
    for (const auto f : {el::detail::Function::sin, el::detail::Function::atan}) {
        elementary_arguments::Random random = elementary_arguments::randomFor(f, elementary_arguments::kDefaultSeed);
        for (uint64_t i = 0; i < 200000; ++i) values.push_back(elementary_arguments::argument(f, random, i));
    }
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const uint64_t bits = random();
        double any;
        std::memcpy(&any, &bits, sizeof any);
        values.push_back(any);
    }
    std::shuffle(values.begin() + 18, values.end(), random);
    const int count = static_cast<int>(values.size()) | 1;
    values.resize(static_cast<std::size_t>(count), 0.5);
    const bool fourLanes = el::detail::useFourLanes(true);
    for (const bool four : {false, true}) {
        el::detail::useFourLanes(four);
        std::vector<double> atans(values.size()), sines(values.size()), cosines(values.size());
        el::atanMany(values.data(), atans.data(), count);
        el::sinCosMany(values.data(), sines.data(), cosines.data(), count);
        int failures = 0;
        for (std::size_t i = 0; i < values.size() && failures < 5; ++i) {
            const double x = values[i];
            double s, c;
            el::sinCos(x, s, c);
            const bool same = sameBits(atans[i], el::atan(x)) && sameBits(sines[i], s) && sameBits(cosines[i], c);
            EXPECT_TRUE(same) << "argument " << x << " at " << i << (four ? ", four lanes" : ", two lanes");
            failures += same ? 0 : 1;
        }
    }
    el::detail::useFourLanes(fourLanes);
}

}  // namespace
}  // namespace kwarel
