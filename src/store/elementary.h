// The elementary functions the planner uses, computed by the project itself
// so that every build (Linux, 32- and 64-bit Windows) gives the same bits,
// whatever C runtime it runs on.
//
// Plain double arithmetic only: no x87, no fused multiply-add, no call into
// the C runtime. Each function returns the correctly rounded result (round
// to nearest) except, possibly, for arguments whose exact value lies within
// about 2^-98 of a rounding boundary (none is known). The common path works
// to about 2^-64 in plain doubles; when that cannot decide the rounding, an
// evaluation in double-double arithmetic (about 2^-100) decides.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kwarel::elementary {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double acos(double x);  // NaN outside [-1, 1]

// sin(x) and cos(x) together, bit for bit the results of the two calls; the
// argument reduction and the polynomial are shared.
void sinCos(double x, double& sine, double& cosine);

// atan(x[i]) into out[i], and sin and cos of x[i] into s[i] and c[i], for i
// below `count`: bit for bit the single calls' results, two arguments at a
// time in the vector unit. `out`, `s` or `c` may be `x`.
void atanMany(const double* x, double* out, int count);
void sinCosMany(const double* x, double* s, double* c, int count);

// The two paths on their own, for the accuracy checks: the common path
// returns false when it cannot decide the rounding; the accurate path always
// answers.
namespace detail {
enum class Function { sin, cos, tan, atan, acos };
bool fast(Function f, double x, double& result);
double accurate(Function f, double x);

// Four lanes at a time (AVX) in atanMany and sinCosMany on or off, for the
// checks of both widths; returns whether they were on. They stay off where
// the build or the processor has none.
bool useFourLanes(bool use);

// The bits of a double and back.
inline uint64_t bitsOf(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

inline double fromBits(uint64_t bits) {
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

inline double powerOfTwo(int exponent) {  // -1022 <= exponent <= 1023
    return fromBits(static_cast<uint64_t>(exponent + 1023) << 52);
}

// The correctly rounded square root by the SSE2 instruction, never a call
// into the C runtime.
inline double squareRoot(double x) {
#if defined(__SSE2__)
    return _mm_cvtsd_f64(_mm_sqrt_sd(_mm_setzero_pd(), _mm_set_sd(x)));
#else
    return __builtin_sqrt(x);
#endif
}
}  // namespace detail

}  // namespace kwarel::elementary
