// Plans a job's cut pieces one after another on one thread, as runJob does,
// and prints what each one cost: CPU seconds, the runs of its search (visited
// one by one, and accounted for in blocks), the simulations and the steps the
// guard counts. Ends with the job's cut pieces per second, the pieces over 1 s
// and over 5 s, and the largest counts for one piece. "taken-up" is the part
// of the steps that rotations took up from an earlier rotation of the same pipe;
// "feeds", "bends" and "rotations" are the steps of each kind actually made
// (moved and tested), which is where the time goes.
//
// usage: kwarel_piece_times PARAMETER_FILE [--quiet] [--from N] [--count M]
// (--from and --count plan only pieces N .. N + M - 1, 0-based; the pieces
// before them are prepared but not planned)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

#include "driver/job.h"
#include "driver/result_file.h"

namespace {

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    bool quiet = false;
    long long from = 0, wanted = -1;
    bool usage = argc < 2;
    for (int a = 2; a < argc && !usage; ++a) {
        if (std::strcmp(argv[a], "--quiet") == 0) {
            quiet = true;
        } else if ((std::strcmp(argv[a], "--from") == 0 || std::strcmp(argv[a], "--count") == 0) && a + 1 < argc) {
            char* end = nullptr;
            const long long value = std::strtoll(argv[a + 1], &end, 10);
            if (end == argv[a + 1] || *end != '\0' || value < 0) usage = true;
            (argv[a][2] == 'f' ? from : wanted) = value;
            ++a;
        } else {
            usage = true;
        }
    }
    if (usage) {
        std::fprintf(stderr, "usage: %s PARAMETER_FILE [--quiet] [--from N] [--count M]\n", argv[0]);
        return 2;
    }
    auto state = std::make_unique<kwarel::JobState>();
    const int32_t status = kwarel::readAndCheckJob(*state, argv[1]);
    if (status != 0) {
        std::fprintf(stderr, "job status %d\n", status);
        kwarel::abandonResultTarget(state->resultTarget);
        return 1;
    }
    kwarel::prepareCutPieces(*state);
    const int32_t pieces = state->cutFile.cutPieces.count;
    const int32_t first = static_cast<int32_t>(std::min<long long>(from, pieces));
    const int32_t end = wanted < 0 ? pieces : static_cast<int32_t>(std::min<long long>(first + wanted, pieces));
    const int32_t count = end - first;
    int32_t over1 = 0, over5 = 0;
    int64_t mostRuns = 0, mostSimulations = 0;
    double slowest = 0.0, total = 0.0;
    if (!quiet) std::printf("piece cut-id seconds runs tried skipped simulated steps taken-up feeds bends rotations\n");
    for (int32_t i = first; i < end; ++i) {
        const kwarel::ClashState& clash = state->clash;
        const int64_t feedsBefore = clash.feedStepsMade, bendsBefore = clash.bendStepsMade;
        const int64_t rotationsBefore = clash.rotationStepsMade;
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
            std::printf("%d %s %.3f %lld %lld %lld %lld %lld %lld %lld %lld %lld\n", i,
                        state->cutFile.cutPieces.at(i).cutId, seconds,
                        static_cast<long long>(enumerated), static_cast<long long>(search.runsTried),
                        static_cast<long long>(search.runsSkipped), static_cast<long long>(search.runsSimulated),
                        static_cast<long long>(clash.simulationSteps), static_cast<long long>(clash.stepsTakenUp),
                        static_cast<long long>(clash.feedStepsMade - feedsBefore),
                        static_cast<long long>(clash.bendStepsMade - bendsBefore),
                        static_cast<long long>(clash.rotationStepsMade - rotationsBefore));
        }
    }
    std::printf("%d cut pieces in %.1f s of CPU: %.1f cut pieces/s; over 1 s: %d, over 5 s: %d, slowest %.2f s; "
                "most runs for one piece %lld, most simulations %lld; cut short by the guard: %d\n",
                count, total, total > 0 ? count / total : 0.0, over1, over5, slowest,
                static_cast<long long>(mostRuns), static_cast<long long>(mostSimulations), state->piecesCutShort);
    const kwarel::ClashState& clash = state->clash;
    const int64_t made = clash.feedStepsMade + clash.bendStepsMade + clash.rotationStepsMade;
    std::printf("steps made: %lld feed, %lld bend, %lld rotation; %.0f ns of CPU a step made; "
                "%lld positions taken as kept\n",
                static_cast<long long>(clash.feedStepsMade), static_cast<long long>(clash.bendStepsMade),
                static_cast<long long>(clash.rotationStepsMade),
                made > 0 ? total * 1e9 / static_cast<double>(made) : 0.0,
                static_cast<long long>(clash.positionsTaken));
    std::printf("point turns: %lld taken from the kept ones, %lld computed and kept, %lld computed and not kept\n",
                static_cast<long long>(state->clash.pointTurns.hits),
                static_cast<long long>(state->clash.pointTurns.computed),
                static_cast<long long>(state->clash.pointTurns.notKept));
    // The pieces were timed, not written: the job's result file is left as it was.
    kwarel::abandonResultTarget(state->resultTarget);
    return 0;
}
