// Prints the constant tables of src/store/elementary.cpp, computed with MPFR:
// sin and cos of i/128 (i = 0..101), atan of j/64 and pi/2 - atan of j/64
// (j = 0..64) as pairs of doubles (high part rounded to nearest, low part the
// rounded remainder), the acos tables (Taylor series of asin at i/128, i = 0..64,
// and of acos(1 - z) on 64 rows in each binade of z from 2^-4 to 2^-1),
// and the constants the argument reduction and the quadrant sums use.
//   g++ -O2 tools/elementary_tables.cpp -lmpfr -lgmp && ./a.out
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kAcosTerms = 10;  // f_0 .. f_9

// Prints value as "hi, lo" with hi + lo = value to about 106 bits.
void printPair(mpfr_t value) {
    mpfr_t rest;
    mpfr_init2(rest, 1400);
    const double hi = mpfr_get_d(value, MPFR_RNDN);
    mpfr_sub_d(rest, value, hi, MPFR_RNDN);
    const double lo = mpfr_get_d(rest, MPFR_RNDN);
    std::printf("{%a, %a}", hi, lo);
    mpfr_clear(rest);
}

// Prints value as "hi, lo" with hi rounded to 26 significant bits (so that
// its products with other 26-bit numbers are exact) and lo the rounded
// remainder: hi + lo = value to about 79 bits.
void printShortPair(mpfr_t value) {
    mpfr_t rest, part;
    mpfr_init2(rest, 1400);
    mpfr_init2(part, 26);
    mpfr_set(part, value, MPFR_RNDN);
    const double hi = mpfr_get_d(part, MPFR_RNDN);
    mpfr_sub_d(rest, value, hi, MPFR_RNDN);
    std::printf("{%a, %a}", hi, mpfr_get_d(rest, MPFR_RNDN));
    mpfr_clear(rest);
    mpfr_clear(part);
}

// Cuts value into parts of `bits` significant bits (the last part full
// precision), each part the rounded-to-nearest remainder of the previous.
void printParts(const char* name, mpfr_t value, int parts, int bits) {
    mpfr_t rest, part;
    mpfr_init2(rest, 1400);
    mpfr_init2(part, bits);
    mpfr_set(rest, value, MPFR_RNDN);
    for (int i = 1; i <= parts; ++i) {
        double d;
        if (i < parts) {
            mpfr_set(part, rest, MPFR_RNDN);
            d = mpfr_get_d(part, MPFR_RNDN);
        } else {
            d = mpfr_get_d(rest, MPFR_RNDN);
        }
        std::printf("constexpr double %s%d = %a;\n", name, i, d);
        mpfr_sub_d(rest, rest, d, MPFR_RNDN);
    }
    mpfr_clear(rest);
    mpfr_clear(part);
}


// The Taylor coefficients f_0 .. f_(count - 1) of asin at u0: with
// g = asin' = (1 - u^2)^(-1/2) and a = 1 - u0^2, (1 - u^2) g' = u g gives
// g_(n+1) = ((2n + 1) u0 g_n + n g_(n-1)) / (a (n + 1)), and f_(n+1) = g_n / (n + 1).
void asinSeries(const mpfr_t u0, mpfr_t* f, int count) {
    mpfr_t a, t, y;
    mpfr_inits2(1400, a, t, y, static_cast<mpfr_ptr>(nullptr));
    mpfr_t g[kAcosTerms];
    for (auto& v : g) mpfr_init2(v, 1400);
    mpfr_sqr(a, u0, MPFR_RNDN);
    mpfr_ui_sub(a, 1, a, MPFR_RNDN);
    mpfr_rec_sqrt(g[0], a, MPFR_RNDN);
    for (int n = 0; n + 2 < count; ++n) {
        mpfr_mul(t, u0, g[n], MPFR_RNDN);
        mpfr_mul_ui(t, t, 2 * n + 1, MPFR_RNDN);
        if (n > 0) {
            mpfr_mul_ui(y, g[n - 1], n, MPFR_RNDN);
            mpfr_add(t, t, y, MPFR_RNDN);
        }
        mpfr_div(t, t, a, MPFR_RNDN);
        mpfr_div_ui(g[n + 1], t, n + 1, MPFR_RNDN);
    }
    mpfr_asin(f[0], u0, MPFR_RNDN);
    for (int n = 1; n < count; ++n) mpfr_div_ui(f[n], g[n - 1], n, MPFR_RNDN);
    for (auto& v : g) mpfr_clear(v);
    mpfr_clears(a, t, y, static_cast<mpfr_ptr>(nullptr));
}

// One AcosRow: the two bases as pairs, c1 as a 24-bit slope (its products
// with the 28-bit high part of an offset are exact), then c1 - slope and
// c2 .. c8. Returns |c9| h^9 / smallest, the first term left out relative to
// the smallest result of the row, for the bound printed at the end.
double printAcosRow(mpfr_t basePlus, mpfr_t baseMinus, mpfr_t* c, double halfWidth, double smallest) {
    mpfr_t part, y;
    mpfr_init2(part, 24);
    mpfr_init2(y, 1400);
    std::printf("    {{");
    printPair(basePlus);
    std::printf(", ");
    printPair(baseMinus);
    mpfr_set(part, c[1], MPFR_RNDN);
    const double slope = mpfr_get_d(part, MPFR_RNDN);
    mpfr_sub_d(y, c[1], slope, MPFR_RNDN);
    std::printf("}, %a, {%a", slope, mpfr_get_d(y, MPFR_RNDN));
    for (int n = 2; n <= 8; ++n) std::printf(", %a", mpfr_get_d(c[n], MPFR_RNDN));
    std::printf("}},\n");
    const double leftOut = std::fabs(mpfr_get_d(c[9], MPFR_RNDN)) * std::pow(halfWidth, 9);
    mpfr_clear(part);
    mpfr_clear(y);
    return smallest > 0 ? leftOut / smallest : 0.0;
}

// The acos tables: rows of acos(x) for |x| <= 1/2 at u0 = i/128 (the asin
// series, also used near |x| = 1 through acos |x| = 2 asin sqrt((1 - |x|)/2)),
// the bases of that form, and the rows of acos(1 - z) for z in the binades
// [2^-4, 2^-1), 64 rows to a binade, at the row midpoints zc.
void printAcosTables(mpfr_t pi) {
    mpfr_t x, half, plus, minus, f[kAcosTerms], c[kAcosTerms];
    mpfr_inits2(1400, x, half, plus, minus, static_cast<mpfr_ptr>(nullptr));
    for (auto& v : f) mpfr_init2(v, 1400);
    for (auto& v : c) mpfr_init2(v, 1400);
    mpfr_div_ui(half, pi, 2, MPFR_RNDN);
    double worst = 0.0;

    std::printf("// acos(+-(i/128 + d)) = base[0 or 1] -+ (c1 d + c2 d^2 + ... + c8 d^8), i = 0..64\n");
    std::printf("constexpr AcosRow kAcosSmall[] = {\n");
    for (int i = 0; i <= 64; ++i) {
        mpfr_set_ui(x, i, MPFR_RNDN);
        mpfr_div_ui(x, x, 128, MPFR_RNDN);
        asinSeries(x, f, kAcosTerms);
        mpfr_sub(plus, half, f[0], MPFR_RNDN);
        mpfr_add(minus, half, f[0], MPFR_RNDN);
        // The smallest result a row gives: pi/3 for |x| <= 1/2, 2 asin u >= 2u near 1.
        const double smallest = i == 0 ? 0.0 : std::min(1.0, 2 * (i - 0.5) / 128);
        worst = std::max(worst, printAcosRow(plus, minus, f, 1.0 / 256, smallest));
    }
    std::printf("};\n\n// {2 asin(i/128), pi - 2 asin(i/128)} for sqrt((1 - |x|)/2) <= 2^-2.5\n");
    std::printf("constexpr DoubleDouble kAcosNearOne[][2] = {\n");
    for (int i = 0; i <= 23; ++i) {
        mpfr_set_ui(x, i, MPFR_RNDN);
        mpfr_div_ui(x, x, 128, MPFR_RNDN);
        mpfr_asin(plus, x, MPFR_RNDN);
        mpfr_mul_ui(plus, plus, 2, MPFR_RNDN);
        mpfr_sub(minus, pi, plus, MPFR_RNDN);
        std::printf("    {");
        printPair(plus);
        std::printf(", ");
        printPair(minus);
        std::printf("},\n");
    }
    std::printf("};\n\n// acos(+-(1 - zc - h)) = base[0 or 1] +- (c1 h + c2 h^2 + ... + c8 h^8),\n");
    std::printf("// zc = 2^e (1 + (m + 1/2)/64), e = -4..-2, m = 0..63\nconstexpr AcosRow kAcosBinades[] = {\n");
    for (int e = -4; e <= -2; ++e) {
        for (int m = 0; m < 64; ++m) {
            const double zc = std::ldexp(1.0 + (m + 0.5) / 64, e);
            mpfr_set_d(x, zc, MPFR_RNDN);
            mpfr_ui_sub(x, 1, x, MPFR_RNDN);  // xc = 1 - zc, exact
            asinSeries(x, f, kAcosTerms);
            // acos(xc - h) = pi/2 - asin(xc - h) = (pi/2 - f0) + sum (-1)^(n+1) f_n h^n
            mpfr_sub(plus, half, f[0], MPFR_RNDN);
            mpfr_sub(minus, pi, plus, MPFR_RNDN);
            for (int n = 1; n < kAcosTerms; ++n) {
                if (n % 2 == 0) {
                    mpfr_neg(c[n], f[n], MPFR_RNDN);
                } else {
                    mpfr_set(c[n], f[n], MPFR_RNDN);
                }
            }
            worst = std::max(worst, printAcosRow(plus, minus, c, std::ldexp(1.0 / 128, e),
                                                 std::acos(1 - std::ldexp(1.0, e))));
        }
    }
    std::printf("};\n// The first term left out is at most 2^%.1f of the result.\n\n", std::log2(worst));
    for (auto& v : f) mpfr_clear(v);
    for (auto& v : c) mpfr_clear(v);
    mpfr_clears(x, half, plus, minus, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace

int main() {
    mpfr_t x, y, pi;
    mpfr_inits2(1400, x, y, pi, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(pi, MPFR_RNDN);

    mpfr_div_ui(y, pi, 2, MPFR_RNDN);
    printParts("kHalfPi", y, 4, 27);
    mpfr_div_ui(y, pi, 256, MPFR_RNDN);
    printParts("kPiOver256_", y, 3, 34);
    mpfr_ui_div(y, 256, pi, MPFR_RNDN);
    std::printf("constexpr double k256OverPi = %a;\n", mpfr_get_d(y, MPFR_RNDN));
    std::printf("constexpr DoubleDouble kHalfPiPair = ");
    mpfr_div_ui(y, pi, 2, MPFR_RNDN);
    printPair(y);
    std::printf(";\nconstexpr DoubleDouble kPiPair = ");
    printPair(pi);
    std::printf(";\n\n");

    // 1/n as pairs, for the series of the accurate path.
    for (const unsigned n : {3u, 5u, 6u, 7u, 24u, 120u}) {
        mpfr_set_ui(y, 1, MPFR_RNDN);
        mpfr_div_ui(y, y, n, MPFR_RNDN);
        std::printf("constexpr DoubleDouble kInverse%u = ", n);
        printPair(y);
        std::printf(";\n");
    }
    std::printf("\n");

    // 2/pi in 24-bit integer chunks for the reduction of huge arguments.
    mpfr_ui_div(y, 2, pi, MPFR_RNDN);
    std::printf("constexpr double kTwoOverPiChunks[] = {");
    for (int i = 0; i < 50; ++i) {
        mpfr_mul_2ui(y, y, 24, MPFR_RNDN);
        mpfr_floor(x, y);
        std::printf("%s%.0f", i % 8 == 0 ? "\n    " : " ", mpfr_get_d(x, MPFR_RNDN));
        if (i < 49) std::printf(",");
        mpfr_sub(y, y, x, MPFR_RNDN);
    }
    std::printf("};\n\n");

    std::printf("// sin(j pi/256), j = 0..128, hi with 26 bits\nconstexpr ShortPair kSinPi256[] = {\n");
    for (int j = 0; j <= 128; ++j) {
        mpfr_mul_ui(x, pi, j, MPFR_RNDN);
        mpfr_div_ui(x, x, 256, MPFR_RNDN);
        mpfr_sin(y, x, MPFR_RNDN);
        if (j == 0) mpfr_set_ui(y, 0, MPFR_RNDN);
        std::printf("    ");
        printShortPair(y);
        std::printf(",\n");
    }
    std::printf("};\n\n");

    std::printf("// {{sin hi, sin lo}, {cos hi, cos lo}} of i/128\nconstexpr SinCosPair kSinCos[] = {\n");
    for (int i = 0; i <= 101; ++i) {
        mpfr_set_ui(x, i, MPFR_RNDN);
        mpfr_div_ui(x, x, 128, MPFR_RNDN);
        std::printf("    {{");
        mpfr_sin(y, x, MPFR_RNDN);
        printPair(y);
        std::printf(", ");
        mpfr_cos(y, x, MPFR_RNDN);
        printPair(y);
        std::printf("}},\n");
    }
    std::printf("};\n\n// {atan hi, atan lo} of j/64\nconstexpr DoubleDouble kAtan[] = {\n");
    for (int j = 0; j <= 64; ++j) {
        mpfr_set_ui(x, j, MPFR_RNDN);
        mpfr_div_ui(x, x, 64, MPFR_RNDN);
        mpfr_atan(y, x, MPFR_RNDN);
        std::printf("    ");
        printPair(y);
        std::printf(",\n");
    }
    std::printf("};\n\n// {pi/2 - atan(j/64) hi, lo}\nconstexpr DoubleDouble kAtanComplement[] = {\n");
    for (int j = 0; j <= 64; ++j) {
        mpfr_set_ui(x, j, MPFR_RNDN);
        mpfr_div_ui(x, x, 64, MPFR_RNDN);
        mpfr_atan(y, x, MPFR_RNDN);
        mpfr_div_ui(x, pi, 2, MPFR_RNDN);
        mpfr_sub(y, x, y, MPFR_RNDN);
        std::printf("    ");
        printPair(y);
        std::printf(",\n");
    }

    std::printf("};\n\n");
    printAcosTables(pi);

    constexpr int kTerms = 11;
    mpfr_t g[kTerms], a, t;
    for (auto& v : g) mpfr_init2(v, 1400);
    mpfr_inits2(1400, a, t, static_cast<mpfr_ptr>(nullptr));

    // Taylor coefficients of atan at b = j/64: with g = atan' = 1/(1 + u^2),
    // (1 + (b + d)^2) g(b + d) = 1 gives g_0 = 1/(1 + b^2) and
    // g_n = -(2 b g_(n-1) + g_(n-2)) / (1 + b^2); f_(n+1) = g_n / (n + 1).
    std::printf("// atan(j/64 + d) = c0 + c1 d + c[0] d^2 + ... + c[8] d^10\nconstexpr AsinRow kAtanSeries[] = {\n");
    for (int j = 0; j <= 64; ++j) {
        mpfr_set_ui(x, j, MPFR_RNDN);
        mpfr_div_ui(x, x, 64, MPFR_RNDN);
        mpfr_sqr(a, x, MPFR_RNDN);
        mpfr_add_ui(a, a, 1, MPFR_RNDN);  // 1 + b^2
        mpfr_ui_div(g[0], 1, a, MPFR_RNDN);
        for (int n = 1; n < kTerms; ++n) {
            mpfr_mul(t, x, g[n - 1], MPFR_RNDN);
            mpfr_mul_ui(t, t, 2, MPFR_RNDN);
            if (n > 1) mpfr_add(t, t, g[n - 2], MPFR_RNDN);
            mpfr_div(t, t, a, MPFR_RNDN);
            mpfr_neg(g[n], t, MPFR_RNDN);
        }
        std::printf("    {");
        mpfr_atan(y, x, MPFR_RNDN);
        printPair(y);
        std::printf(", ");
        printPair(g[0]);
        std::printf(", {");
        for (int n = 2; n <= 10; ++n) {
            mpfr_div_ui(y, g[n - 1], n, MPFR_RNDN);
            std::printf("%s%a", n == 2 ? "" : ", ", mpfr_get_d(y, MPFR_RNDN));
        }
        std::printf("}},\n");
    }
    std::printf("};\n");
    for (auto& v : g) mpfr_clear(v);
    mpfr_clears(a, t, static_cast<mpfr_ptr>(nullptr));
    mpfr_clears(x, y, pi, static_cast<mpfr_ptr>(nullptr));
    return 0;
}
