// Plans a job's cut pieces one after another on one thread, as runJob does,
// and prints what each one cost: CPU seconds, the runs of its search (visited
// one by one, and accounted for in blocks), the simulations and the steps the
// guard counts. Ends with the job's cut pieces per second, the pieces over 1 s
// and over 5 s, and the largest counts for one piece.
//
// usage: kwarel_piece_times PARAMETER_FILE [--quiet]
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "driver/job.h"

namespace {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PARAMETER_FILE [--quiet]\n", argv[0]);
        return 2;
    }
    const bool quiet = argc > 2 && std::strcmp(argv[2], "--quiet") == 0;
    auto state = std::make_unique<kwarel::JobState>();
    const int32_t status = kwarel::readAndCheckJob(*state, argv[1]);
    if (status != 0) {
        std::fprintf(stderr, "job status %d\n", status);
        return 1;
    }
    kwarel::prepareCutPieces(*state);
    const int32_t count = state->cutFile.cutPieces.count;
    int32_t over1 = 0, over5 = 0;
    int64_t mostRuns = 0, mostSimulations = 0;
    double slowest = 0.0, total = 0.0;
    if (!quiet) std::printf("piece cut-id seconds runs tried skipped simulated steps\n");
    for (int32_t i = 0; i < count; ++i) {
        const double start = cpuSeconds();
        const int32_t runs = kwarel::planCutPiece(*state, i);
        kwarel::writeCutPieceResult(*state, i, runs);
        const double seconds = cpuSeconds() - start;
        const kwarel::SearchState& search = state->search;
        const int64_t enumerated = search.runsTried + search.runsSkipped;
        total += seconds;
        if (seconds > 1.0) ++over1;
        if (seconds > 5.0) ++over5;
        slowest = std::max(slowest, seconds);
        mostRuns = std::max(mostRuns, enumerated);
        mostSimulations = std::max(mostSimulations, search.runsSimulated);
        if (!quiet) {
            std::printf("%d %s %.3f %lld %lld %lld %lld %lld\n", i, state->cutFile.cutPieces.at(i).cutId, seconds,
                        static_cast<long long>(enumerated), static_cast<long long>(search.runsTried),
                        static_cast<long long>(search.runsSkipped), static_cast<long long>(search.runsSimulated),
                        static_cast<long long>(state->clash.simulationSteps));
        }
    }
    std::printf("%d cut pieces in %.1f s of CPU: %.1f cut pieces/s; over 1 s: %d, over 5 s: %d, slowest %.2f s; "
                "most runs for one piece %lld, most simulations %lld; cut short by the guard: %d\n",
                count, total, total > 0 ? count / total : 0.0, over1, over5, slowest,
                static_cast<long long>(mostRuns), static_cast<long long>(mostSimulations), state->piecesCutShort);
    std::printf("point turns: %lld taken from the kept ones, %lld computed\n",
                static_cast<long long>(state->clash.pointTurns.hits),
                static_cast<long long>(state->clash.pointTurns.computed));
    return 0;
}
