// Checks kwarel's elementary functions against MPFR, argument by argument:
// the result must be the correctly rounded value (round to nearest), and
// where the common path decides, the accurate path must agree with it.
//
//   kwarel_elementary_accuracy [ARGUMENTS_PER_FUNCTION [SEED]]
//
// Arguments: the values the planner passes (whole degrees and angles met in
// the clash simulation turned into radians, bend half-angles, ratios of
// coordinate differences, cosines of angles between directions), uniform and
// log-uniform samples over wide ranges, and hard cases: arguments next to
// multiples of pi/2, the ends of the table intervals, 1 - tiny for acos,
// huge arguments. Prints, per function, the arguments checked, the share
// correctly rounded, the largest error in ulp, how often the common path
// could not decide, and how often the C runtime's result differs. Exits 1
// when any result is not correctly rounded.
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "store/elementary.h"

namespace {

using kwarel::elementary::detail::Function;

struct Random {  // splitmix64: the same sequence on every platform
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }  // [0, 1)
    double uniform(double a, double b) { return a + (b - a) * unit(); }
    double logUniform(int lowExponent, int highExponent) {
        return std::ldexp(1.0 + unit(), lowExponent + static_cast<int>(next() % (highExponent - lowExponent)));
    }
    int integer(int a, int b) { return a + static_cast<int>(next() % static_cast<uint64_t>(b - a + 1)); }
};

double radians(double degrees) { return degrees * 6.2832 * 0.002777777777777778; }

// Where the table rows of sin, cos and tan meet: i/128 (the accurate path)
// and the midpoints (n + 1/2) pi/256 of the common path, give or take a few
// ulps.
double tableEnd(Random& random) {
    if (random.next() & 1) return random.integer(0, 101) / 128.0 + random.integer(-8, 8) * 0x1p-60;
    const double x = (random.integer(-2000, 2000) + 0.5) * (3.141592653589793 / 256);
    return x + random.integer(-8, 8) * std::ldexp(1.0, std::ilogb(x) - 52);
}

// The next argument for f; `i` runs over the sample.
double argument(Function f, Random& random, uint64_t i) {
    const int kind = static_cast<int>(i % 8);
    switch (f) {
        case Function::sin:
        case Function::cos:
            switch (kind) {
                case 0: return radians(random.integer(-720, 720));        // whole degrees
                case 1: return radians(random.uniform(0.0, 360.0));       // angles of the simulation
                case 2: return random.uniform(-7.0, 7.0);
                case 3: return random.logUniform(-30, 30) * (random.next() & 1 ? 1 : -1);
                case 4: {  // next to multiples of pi/2
                    const double near = random.integer(1, 1000000) * 1.5707963267948966;
                    return std::nextafter(near, 0.0) + random.integer(-64, 64) * std::ldexp(near, -52);
                }
                case 5: return tableEnd(random);
                case 6: return random.logUniform(20, 1000);                // huge
                default: return random.uniform(-1e6, 1e6);
            }
        case Function::tan:
            switch (kind) {
                case 0: return random.integer(0, 360) * 0.017453333333333335 * 0.5;  // bend half-angles
                case 1: return random.uniform(0.0, 1.5708);
                case 2: return random.uniform(-7.0, 7.0);
                case 3: return random.logUniform(-30, 30) * (random.next() & 1 ? 1 : -1);
                case 4: {
                    const double near = random.integer(1, 1000000) * 1.5707963267948966;
                    return std::nextafter(near, 0.0) + random.integer(-64, 64) * std::ldexp(near, -52);
                }
                case 5: return tableEnd(random);
                case 6: return random.logUniform(20, 1000);
                default: return random.uniform(-1e6, 1e6);
            }
        case Function::atan:
            switch (kind) {
                case 0:
                case 1: {  // ratios of coordinate differences, as in the simulation
                    const double dy = random.integer(1, 20000) + random.integer(0, 9999) * 1e-4;
                    const double dx = random.integer(1, 20000) + random.integer(0, 9999) * 1e-4;
                    return dy / dx;
                }
                case 2: return random.uniform(0.0, 4.0);
                case 3: return random.logUniform(-40, 60) * (random.next() & 1 ? 1 : -1);
                case 4: return random.integer(0, 128) / 128.0 + random.integer(-8, 8) * 0x1p-58;  // table ends, midpoints
                case 5: return 1.0 / (random.integer(0, 64) / 64.0 + random.integer(1, 8) * 0x1p-58);
                default: return random.uniform(-1.0, 1.0);
            }
        case Function::acos:
            switch (kind) {
                case 0:
                case 1: {  // cosine of the angle between two directions
                    double a[3], b[3];
                    for (int k = 0; k < 3; ++k) {
                        a[k] = random.integer(-5000, 5000);
                        b[k] = random.integer(-5000, 5000);
                    }
                    const double la = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
                    const double lb = std::sqrt(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
                    if (la == 0 || lb == 0) return 1.0;
                    const double c = (a[0] / la) * (b[0] / lb) + (a[1] / la) * (b[1] / lb) + (a[2] / la) * (b[2] / lb);
                    return c > 1 ? 1 : (c < -1 ? -1 : c);
                }
                case 2: return 1.0 - random.logUniform(-53, -1);
                case 3: return -1.0 + random.logUniform(-53, -1);
                case 4: return random.logUniform(-60, -1) * (random.next() & 1 ? 1 : -1);
                default: return random.uniform(-1.0, 1.0);
            }
    }
    return 0.0;
}

int reference(Function f, mpfr_t y, const mpfr_t x) {
    switch (f) {
        case Function::sin: return mpfr_sin(y, x, MPFR_RNDN);
        case Function::cos: return mpfr_cos(y, x, MPFR_RNDN);
        case Function::tan: return mpfr_tan(y, x, MPFR_RNDN);
        case Function::atan: return mpfr_atan(y, x, MPFR_RNDN);
        case Function::acos: return mpfr_acos(y, x, MPFR_RNDN);
    }
    return 0;
}

double runtime(Function f, double x) {
    switch (f) {
        case Function::sin: return std::sin(x);
        case Function::cos: return std::cos(x);
        case Function::tan: return std::tan(x);
        case Function::atan: return std::atan(x);
        case Function::acos: return std::acos(x);
    }
    return 0.0;
}

double ours(Function f, double x) {
    switch (f) {
        case Function::sin: return kwarel::elementary::sin(x);
        case Function::cos: return kwarel::elementary::cos(x);
        case Function::tan: return kwarel::elementary::tan(x);
        case Function::atan: return kwarel::elementary::atan(x);
        case Function::acos: return kwarel::elementary::acos(x);
    }
    return 0.0;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (a != a && b != b); }

}  // namespace

int main(int argc, char** argv) {
    const uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261206;
    const char* names[] = {"sin", "cos", "tan", "atan", "acos"};
    const Function functions[] = {Function::sin, Function::cos, Function::tan, Function::atan, Function::acos};

    mpfr_t x, correct, exact, difference;
    mpfr_init2(x, 53);
    mpfr_init2(correct, 53);
    mpfr_init2(exact, 200);
    mpfr_init2(difference, 200);
    bool allCorrect = true;
    std::printf("%-5s %12s %16s %14s %12s %14s\n", "", "arguments", "correctly rounded", "max error ulp",
                "slow path", "C runtime off");
    for (int n = 0; n < 5; ++n) {
        const Function f = functions[n];
        Random random{seed + static_cast<uint64_t>(n) * 0x1000};
        uint64_t rounded = 0, slow = 0, runtimeDiffers = 0, pathsDisagree = 0;
        double maxUlp = 0.0, worstArgument = 0.0;
        for (uint64_t i = 0; i < count; ++i) {
            const double a = argument(f, random, i);
            const double got = ours(f, a);
            mpfr_set_d(x, a, MPFR_RNDN);
            reference(f, correct, x);
            const double want = mpfr_get_d(correct, MPFR_RNDN);
            if (sameBits(got, want)) {
                ++rounded;
            } else if (allCorrect || maxUlp < 1e300) {
                if (allCorrect) std::printf("%s(%a): %a, correctly rounded %a\n", names[n], a, got, want);
                allCorrect = false;
            }
            if (!sameBits(runtime(f, a), want)) ++runtimeDiffers;
            double decided;
            if (!kwarel::elementary::detail::fast(f, a, decided)) {
                ++slow;
            } else if (!sameBits(decided, kwarel::elementary::detail::accurate(f, a))) {
                ++pathsDisagree;
            }
            // Error in ulp of the correctly rounded result.
            if (want == want && want != 0 && std::isfinite(want)) {
                reference(f, exact, x);
                mpfr_sub_d(difference, exact, got, MPFR_RNDN);
                mpfr_abs(difference, difference, MPFR_RNDN);
                int exponent;
                std::frexp(want, &exponent);
                const double ulps = std::ldexp(mpfr_get_d(difference, MPFR_RNDN), 53 - exponent);
                if (ulps > maxUlp) {
                    maxUlp = ulps;
                    worstArgument = a;
                }
            }
        }
        std::printf("%-5s %12llu %15.7f%% %14.4f %12llu %14llu   (worst at %a; fast and accurate paths disagree: %llu)\n",
                    names[n], static_cast<unsigned long long>(count), 100.0 * rounded / count, maxUlp,
                    static_cast<unsigned long long>(slow), static_cast<unsigned long long>(runtimeDiffers),
                    worstArgument, static_cast<unsigned long long>(pathsDisagree));
        if (rounded != count || pathsDisagree != 0) allCorrect = false;
    }
    mpfr_clears(x, correct, exact, difference, static_cast<mpfr_ptr>(nullptr));
    return allCorrect ? 0 : 1;
}
