// The arguments on which the elementary functions are checked: the values the
// planner passes (whole degrees and angles met in the clash simulation turned
// into radians, bend half-angles, ratios of coordinate differences, cosines of
// angles between directions), uniform and log-uniform samples over wide
// ranges, and hard cases: arguments next to multiples of pi/2, the ends of the
// table intervals and of the acos ranges, 1 - tiny for acos, huge arguments.
//
// The MPFR check (tests/store/mpfr) and the digest program that compares the
// 32-bit Windows build with Linux (tests/windows/elementary_digest.cpp) draw
// the same sequence from the same seed. It is computed with integer
// operations, exact scalings and SSE2 arithmetic only, never with a C
// runtime function, so that every platform draws the same bits.
#pragma once

#include <cstdint>

#include "store/elementary.h"

namespace kwarel::elementary_arguments {

using elementary::detail::Function;
using elementary::detail::bitsOf;
using elementary::detail::fromBits;
using elementary::detail::powerOfTwo;
using elementary::detail::squareRoot;

// The exponent of a normal, finite x != 0 (as ilogb).
inline int exponentOf(double x) { return static_cast<int>((bitsOf(x) >> 52) & 0x7ff) - 1023; }

// The next double below a positive finite x.
inline double below(double x) { return fromBits(bitsOf(x) - 1); }

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
        const double m = 1.0 + unit();
        return m * powerOfTwo(lowExponent + static_cast<int>(next() % (highExponent - lowExponent)));
    }
    int integer(int a, int b) { return a + static_cast<int>(next() % static_cast<uint64_t>(b - a + 1)); }
};

// The first seed of the checks; function n draws from seed + n * 0x1000.
constexpr uint64_t kDefaultSeed = 20261206;

inline Random randomFor(Function f, uint64_t seed) { return Random{seed + static_cast<uint64_t>(f) * 0x1000}; }

inline double radians(double degrees) { return degrees * 6.2832 * 0.002777777777777778; }

// Where the table rows of sin, cos and tan meet: i/128 (the accurate path)
// and the midpoints (n + 1/2) pi/256 of the common path, give or take a few
// ulps.
inline double tableEnd(Random& random) {
    if (random.next() & 1) {
        const int row = random.integer(0, 101);
        return row / 128.0 + random.integer(-8, 8) * 0x1p-60;
    }
    const double x = (random.integer(-2000, 2000) + 0.5) * (3.141592653589793 / 256);
    const int steps = random.integer(-8, 8);
    return x + steps * powerOfTwo(exponentOf(x) - 52);
}

// Where the acos rows meet, give or take a few ulps: (i + 1/2)/128 up to
// 1/2, 1 - 2^e (1 + m/64) for the binades of 1 - |x| from 2^-4 to 1/2, and
// where sqrt((1 - |x|)/2) is (i + 1/2)/128 nearer to 1.
inline double acosEdge(Random& random) {
    double edge;
    switch (random.next() % 3) {
        case 0: edge = (random.integer(0, 64) + 0.5) / 128; break;
        case 1: {
            const double m = 1.0 + random.integer(0, 64) / 64.0;
            edge = 1.0 - m * powerOfTwo(random.integer(-4, -1));
            break;
        }
        default: {
            const double u = (random.integer(0, 23) + 0.5) / 128;
            edge = 1.0 - 2.0 * u * u;
        }
    }
    const double x = edge + random.integer(-8, 8) * 0x1p-54;
    return x < 1.0 ? x : 0.5;
}

// Next to a multiple of pi/2: the double below k pi/2 and up to 64 ulps
// either way.
inline double nearHalfTurn(Random& random) {
    const double near = random.integer(1, 1000000) * 1.5707963267948966;
    const int steps = random.integer(-64, 64);
    return below(near) + steps * (near * 0x1p-52);
}

// value with a random sign, drawn after it. (Every draw is a statement of
// its own: the order of two draws in one expression would be the
// compiler's choice.)
inline double withSign(Random& random, double value) { return random.next() & 1 ? value : -value; }

// A coordinate difference in ten-thousandths of a unit.
inline double decimal(Random& random) {
    const int whole = random.integer(1, 20000);
    return whole + random.integer(0, 9999) * 1e-4;
}

// The next argument for f; `i` runs over the sample.
inline double argument(Function f, Random& random, uint64_t i) {
    const int kind = static_cast<int>(i % 8);
    switch (f) {
        case Function::sin:
        case Function::cos:
            switch (kind) {
                case 0: return radians(random.integer(-720, 720));   // whole degrees
                case 1: return radians(random.uniform(0.0, 360.0));  // angles of the simulation
                case 2: return random.uniform(-7.0, 7.0);
                case 3: return withSign(random, random.logUniform(-30, 30));
                case 4: return nearHalfTurn(random);
                case 5: return tableEnd(random);
                case 6: return random.logUniform(20, 1000);  // huge
                default: return random.uniform(-1e6, 1e6);
            }
        case Function::tan:
            switch (kind) {
                case 0: return random.integer(0, 360) * 0.017453333333333335 * 0.5;  // bend half-angles
                case 1: return random.uniform(0.0, 1.5708);
                case 2: return random.uniform(-7.0, 7.0);
                case 3: return withSign(random, random.logUniform(-30, 30));
                case 4: return nearHalfTurn(random);
                case 5: return tableEnd(random);
                case 6: return random.logUniform(20, 1000);
                default: return random.uniform(-1e6, 1e6);
            }
        case Function::atan:
            switch (kind) {
                case 0:
                case 1: {  // ratios of coordinate differences, as in the simulation
                    const double dy = decimal(random);
                    return dy / decimal(random);
                }
                case 2: return random.uniform(0.0, 4.0);
                case 3: return withSign(random, random.logUniform(-40, 60));
                case 4: {  // table ends, midpoints
                    const int row = random.integer(0, 128);
                    return row / 128.0 + random.integer(-8, 8) * 0x1p-58;
                }
                case 5: {
                    const int row = random.integer(0, 64);
                    return 1.0 / (row / 64.0 + random.integer(1, 8) * 0x1p-58);
                }
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
                    const double la = squareRoot(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
                    const double lb = squareRoot(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
                    if (la == 0 || lb == 0) return 1.0;
                    const double c = (a[0] / la) * (b[0] / lb) + (a[1] / la) * (b[1] / lb) + (a[2] / la) * (b[2] / lb);
                    return c > 1 ? 1 : (c < -1 ? -1 : c);
                }
                case 2: return 1.0 - random.logUniform(-53, -1);
                case 3: return -1.0 + random.logUniform(-53, -1);
                case 4: return withSign(random, random.logUniform(-60, -1));
                case 5: return withSign(random, acosEdge(random));
                default: return random.uniform(-1.0, 1.0);
            }
    }
    return 0.0;
}

}  // namespace kwarel::elementary_arguments
