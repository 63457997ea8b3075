// Checks kwarel's elementary functions against MPFR, argument by argument:
// the result must be the correctly rounded value (round to nearest), and
// where the common path decides, the accurate path must agree with it.
//
//   kwarel_elementary_accuracy [ARGUMENTS_PER_FUNCTION [SEED]]
//
// Arguments: those of tests/store/elementary_arguments.h (the planner's
// ranges and the hard cases), the sequence that
// tests/windows/elementary_digest.cpp also runs on the 32-bit Windows build.
// Prints, per function, the arguments checked, the share correctly rounded,
// the largest error in ulp, how often the common path could not decide, and
// how often the C runtime's result differs. Exits 1 when any result is not
// correctly rounded.
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "store/elementary.h"
#include "store/elementary_arguments.h"

namespace {

using kwarel::elementary::detail::Function;
using kwarel::elementary_arguments::argument;
using kwarel::elementary_arguments::Random;

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
    const uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : kwarel::elementary_arguments::kDefaultSeed;
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
        Random random = kwarel::elementary_arguments::randomFor(f, seed);
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
