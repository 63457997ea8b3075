// Cost of planning a single cut piece: the tooling option listing of a long
// piece, and option listing plus run search of one piece in jobs of growing
// size (the per-piece cost must not grow with the number of other pieces).
#include <benchmark/benchmark.h>

#include <exception>

#include "bench_support.h"
#include "prepare/options.h"

namespace kwarel::bench {
namespace {

// The timed loops call into the library, which changes the job state, so the
// compiler cannot drop them; benchmark::DoNotOptimize is not used, since its
// in-out form in benchmark 1.7 can hand back a garbage value under GCC -O3.

// The job of the recipe read and prepared up to option listing, with its
// probe piece loaded into the cut-piece slot; null (and the benchmark
// skipped) when the job cannot be written or the probe piece failed.
std::unique_ptr<JobState> preparedProbe(benchmark::State& bm, const JobRecipe& recipe) {
    std::unique_ptr<JobState> state;
    try {
        state = prepareJob(cachedJob(recipe));
    } catch (const std::exception& e) {
        bm.SkipWithError(e.what());
        return nullptr;
    }
    state->cutFile.cutPieces.load(cachedJob(recipe).probeIndex);
    if (state->cutFile.cutPieces.current.failed != 0) {
        bm.SkipWithError(state->cutFile.cutPieces.current.failureText);
        return nullptr;
    }
    return state;
}

// listBendOptions on a 20-bend piece against 10 machines and 6 benders.
void BM_ListBendOptions20Bends(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = 0;
    recipe.probeBends = 20;
    recipe.machines = 10;
    recipe.benders = 6;
    std::unique_ptr<JobState> state = preparedProbe(bm, recipe);
    if (!state) return;
    JobState& s = *state;
    const int32_t index = cachedJob(recipe).probeIndex;
    const CutPieceRecord prepared = s.cutFile.cutPieces.current;

    int32_t options = 0;
    for (auto _ : bm) {
        s.cutFile.cutPieces.current = prepared;
        s.prep.bendOptions.clear();
        listBendOptions(s.options, s.shop, s.cutFile, s.prep, index);
        options = s.prep.bendOptions.count;
    }
    if (s.cutFile.cutPieces.current.failed != 0 || options == 0) {
        bm.SkipWithError("the 20-bend piece got no options");
        return;
    }
    bm.counters["options"] = options;
    bm.counters["steps"] = 41;
}
BENCHMARK(BM_ListBendOptions20Bends)->Unit(benchmark::kMicrosecond);

// Option listing and run search of one 12-bend piece, the last of a job that
// holds range(0) other cut pieces.
void BM_PlanOnePieceInJob(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = static_cast<int32_t>(bm.range(0));
    recipe.maxBends = 12;
    recipe.probeBends = 12;
    std::unique_ptr<JobState> state = preparedProbe(bm, recipe);
    if (!state) return;
    JobState& s = *state;
    const int32_t index = cachedJob(recipe).probeIndex;
    const CutPieceRecord prepared = s.cutFile.cutPieces.current;

    int32_t runs = 0;
    for (auto _ : bm) {
        runs = planCutPiece(s, index, prepared);
    }
    if (runs == 0) {
        bm.SkipWithError(s.cutFile.cutPieces.current.failureText);
        return;
    }
    bm.counters["runs"] = runs;
    bm.counters["other_pieces"] = static_cast<double>(recipe.cutPieces);
    bm.counters["steps_in_job"] = s.prep.bendSteps.count;
}
BENCHMARK(BM_PlanOnePieceInJob)->Arg(100)->Arg(1000)->Arg(8000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kwarel::bench
