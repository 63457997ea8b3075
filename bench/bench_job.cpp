// Whole jobs through runJob: reading the files, planning every cut piece and
// writing the result file, as the host's call does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include <stdlib.h>

#include "bench_support.h"
#include "driver/job.h"

namespace kwarel::bench {
namespace {

// Sets KWAREL_THREADS for one benchmark (0 = leave the environment alone).
class JobThreads {
public:
    explicit JobThreads(int64_t threads) : set_(threads > 0) {
        if (set_) ::setenv("KWAREL_THREADS", std::to_string(threads).c_str(), 1);
    }
    ~JobThreads() {
        if (set_) ::unsetenv("KWAREL_THREADS");
    }

private:
    bool set_;
};

void runWholeJob(benchmark::State& bm, const JobRecipe& recipe, int64_t threads = 0) {
    const JobThreads setting(threads);
    const GeneratedJob* job = cachedJobOrSkip(bm, recipe);
    if (job == nullptr) return;
    // One state for every run, as the library keeps one while it is loaded.
    auto state = std::make_unique<JobState>();
    int32_t status = 0;
    for (auto _ : bm) {
        status = runJob(*state, job->parameterFile.c_str());
        if (status != 0) break;
    }
    if (status != 0) {
        bm.SkipWithError(("job status " + std::to_string(status)).c_str());
        return;
    }
    bm.SetItemsProcessed(bm.iterations() * job->cutPieces);
    bm.counters["pieces"] = job->cutPieces;
    bm.counters["bends"] = job->bends;
    bm.counters["passed"] = countPassedPieces(job->resultFile);
}

// range(0) cut pieces of 1 to 12 bends, 10 programs each, no clash checking,
// on one thread.
void BM_WholeJob(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = static_cast<int32_t>(bm.range(0));
    recipe.maxBends = 12;
    recipe.programs = 10;
    recipe.clashChecking = false;
    runWholeJob(bm, recipe, 1);
}
BENCHMARK(BM_WholeJob)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on range(1) threads: range(0) cut pieces, no clash checking.
void BM_WholeJobThreads(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = static_cast<int32_t>(bm.range(0));
    recipe.maxBends = 12;
    recipe.programs = 10;
    recipe.clashChecking = false;
    runWholeJob(bm, recipe, bm.range(1));
}
BENCHMARK(BM_WholeJobThreads)
    ->Args({32000, 1})
    ->Args({32000, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

// Cut pieces of 1 to 8 bends with clash checking on: the first range(0)
// pieces of the 1,000-piece clash job (piece i of a generated job depends
// only on the seed and i, so a smaller job is the head of a larger one).
// range(1) is the number of threads.
void BM_WholeJobClashChecking(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = static_cast<int32_t>(bm.range(0));
    recipe.maxBends = 8;
    recipe.programs = 10;
    recipe.clashChecking = true;
    runWholeJob(bm, recipe, bm.range(1));
}

// The whole 1,000-piece clash job takes about an hour with the present
// search (see README.md), so it runs only when KWAREL_BENCH_LONG is set;
// otherwise its first 10 pieces stand for it.
const bool clashRegistered = [] {
    const char* longRun = std::getenv("KWAREL_BENCH_LONG");
    const int64_t pieces = longRun != nullptr && longRun[0] != '\0' && longRun[0] != '0' ? 1000 : 10;
    benchmark::RegisterBenchmark("BM_WholeJobClashChecking", BM_WholeJobClashChecking)
        ->Args({pieces, 1})
        ->Args({pieces, 2})
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    return true;
}();

}  // namespace
}  // namespace kwarel::bench
