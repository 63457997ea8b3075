// Calls per second of the project's elementary functions against the C
// runtime's, on arguments of the ranges the planner uses: radians of angles
// in the clash simulation (sin, cos, and both at once), bend half-angles
// (tan), ratios of coordinate differences (atan), cosines between directions
// (acos).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "store/elementary.h"

namespace {

enum Which { kSin, kCos, kSinCos, kTan, kAtan, kAcos };

std::vector<double> arguments(Which which) {
    std::vector<double> values(4096);
    uint64_t state = 12345;
    auto unit = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) * 0x1p-53;
    };
    for (double& v : values) {
        switch (which) {
            case kSin:
            case kCos:
            case kSinCos: v = unit() * 360.0 * 6.2832 * 0.002777777777777778; break;
            case kTan: v = static_cast<int>(unit() * 180.0) * 0.017453333333333335 * 0.5; break;
            case kAtan: v = (1.0 + unit() * 5000.0) / (1.0 + unit() * 5000.0); break;
            case kAcos: v = unit() * 2.0 - 1.0; break;
        }
    }
    return values;
}

template <Which which, bool ours>
void BM_Elementary(benchmark::State& state) {
    const std::vector<double> values = arguments(which);
    for (auto _ : state) {
        double sum = 0.0;
        for (const double x : values) {
            double y;
            if constexpr (ours) {
                if constexpr (which == kSin) y = kwarel::elementary::sin(x);
                if constexpr (which == kCos) y = kwarel::elementary::cos(x);
                if constexpr (which == kSinCos) {
                    double s, c;
                    kwarel::elementary::sinCos(x, s, c);
                    y = s + c;
                }
                if constexpr (which == kTan) y = kwarel::elementary::tan(x);
                if constexpr (which == kAtan) y = kwarel::elementary::atan(x);
                if constexpr (which == kAcos) y = kwarel::elementary::acos(x);
            } else {
                if constexpr (which == kSin) y = std::sin(x);
                if constexpr (which == kCos) y = std::cos(x);
                if constexpr (which == kSinCos) y = std::sin(x) + std::cos(x);
                if constexpr (which == kTan) y = std::tan(x);
                if constexpr (which == kAtan) y = std::atan(x);
                if constexpr (which == kAcos) y = std::acos(x);
            }
            sum += y;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(values.size()));
}

// The same arguments two or four at a time (atanMany, sinCosMany). The
// first argument is the lane count (four where the processor has AVX, else
// two), the second how many arguments each call takes: all 4,096 at once,
// or as few as the planner's steps give (a point per piece end and arc
// centre: 13 on average on the slow bench pieces), where what is left after
// the last whole group counts.
template <Which which>
void BM_ElementaryMany(benchmark::State& state) {
    const bool fourLanes = kwarel::elementary::detail::useFourLanes(state.range(0) == 4);
    const std::vector<double> values = arguments(which);
    std::vector<double> out(values.size()), other(values.size());
    const int count = static_cast<int>(values.size());
    const int perCall = static_cast<int>(state.range(1));
    for (auto _ : state) {
        for (int i = 0; i + perCall <= count; i += perCall) {
            if constexpr (which == kAtan) kwarel::elementary::atanMany(values.data() + i, out.data() + i, perCall);
            if constexpr (which == kSinCos) {
                kwarel::elementary::sinCosMany(values.data() + i, out.data() + i, other.data() + i, perCall);
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::DoNotOptimize(other.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(count / perCall * perCall));
    kwarel::elementary::detail::useFourLanes(fourLanes);
}

BENCHMARK(BM_Elementary<kSin, true>)->Name("Elementary/sin/kwarel");
BENCHMARK(BM_Elementary<kSin, false>)->Name("Elementary/sin/runtime");
BENCHMARK(BM_Elementary<kCos, true>)->Name("Elementary/cos/kwarel");
BENCHMARK(BM_Elementary<kCos, false>)->Name("Elementary/cos/runtime");
BENCHMARK(BM_Elementary<kSinCos, true>)->Name("Elementary/sincos/kwarel");
BENCHMARK(BM_Elementary<kSinCos, false>)->Name("Elementary/sincos/runtime");
BENCHMARK(BM_Elementary<kTan, true>)->Name("Elementary/tan/kwarel");
BENCHMARK(BM_Elementary<kTan, false>)->Name("Elementary/tan/runtime");
BENCHMARK(BM_Elementary<kAtan, true>)->Name("Elementary/atan/kwarel");
BENCHMARK(BM_Elementary<kAtan, false>)->Name("Elementary/atan/runtime");
BENCHMARK(BM_ElementaryMany<kAtan>)
    ->Name("Elementary/atan/kwarel-many")
    ->ArgsProduct({{2, 4}, {4096, 13, 7, 6, 5}});
BENCHMARK(BM_ElementaryMany<kSinCos>)
    ->Name("Elementary/sincos/kwarel-many")
    ->ArgsProduct({{2, 4}, {4096, 13, 7, 6, 5}});
BENCHMARK(BM_Elementary<kAcos, true>)->Name("Elementary/acos/kwarel");
BENCHMARK(BM_Elementary<kAcos, false>)->Name("Elementary/acos/runtime");

}  // namespace
