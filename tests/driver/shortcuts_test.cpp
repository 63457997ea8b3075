// The shortcuts of the clash-checked search fire on the pieces they are for.
// That they change no byte is checked against a build without them
// (compare_shortcuts.sh, on these pieces and others).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/job.h"
#include "job_generator.h"
#include "support/test_support.h"
#include <memory>

namespace kwarel {
namespace {

// Plans piece `piece` of a generated clash-checking job (80 pieces drawn,
// up to 6 bends) in the state given and returns the result file.
std::string planGeneratedPiece(JobState& state, uint64_t seed, int32_t piece) {
    bench::JobRecipe recipe;
    recipe.cutPieces = 80;
    recipe.maxBends = 6;
    recipe.clashChecking = true;
    recipe.seed = seed;
    recipe.onlyPieces = {piece};
    const std::string folder = bench::makeTempFolder("kwarel-shortcuts");
    const bench::GeneratedJob job = bench::writeJob(folder, recipe);
    EXPECT_EQ(runJob(state, job.parameterFile.c_str()), 0);
    // The echo names the job's folder, which differs from job to job.
    std::string result = testing::readFile(job.resultFile);
    for (std::size_t at; (at = result.find(folder)) != std::string::npos;) result.erase(at, folder.size());
    std::filesystem::remove_all(folder);
    return result;
}

TEST(Shortcuts, RotationFallingAFullTurnPerRunGoesOnFromTheEarlierRotation) {
    // A straight between two bends in one plane keeps its rotation, which
    // falls by 360 with every run that passes it: 256 turns by the end.
    auto state = std::make_unique<JobState>();
    planGeneratedPiece(*state, 4, 37);
    EXPECT_GT(state->clash.stepsTakenUp, state->clash.simulationSteps / 2);
    EXPECT_GT(state->search.runsSkipped, 0);
    EXPECT_EQ(state->piecesCutShort, 0);
}

// Blocks of runs that clash alike are skipped; later criteria levels meet
// runs of earlier ones again, and runs that differ only in benders read the
// same: their outcomes are given again.
TEST(Shortcuts, RunsClashingAlikeAreSkippedAndRunsReadingAlikeSimulatedOnce) {
    auto state = std::make_unique<JobState>();
    planGeneratedPiece(*state, 3, 9);
    const SearchState& search = state->search;
    EXPECT_GT(search.runsSkipped, 100000);
    EXPECT_EQ(state->piecesCutShort, 0);
    EXPECT_GT(search.outcomesGivenAgain, search.runsSimulated / 10);
    EXPECT_LE(search.runsSimulated + search.outcomesGivenAgain, search.runsTried);
}

// Counts the outcomes of the runs it is told of, one by one or in blocks;
// wants each run only while `wantEach` is set.
class OutcomeCounter : public JobWatcher {
public:
    explicit OutcomeCounter(bool wantEach) : wantEach_(wantEach) {}
    void runTried(const int16_t*, int32_t, const int32_t*, RunOutcome outcome) override {
        ++counts[outcome == RunOutcome::RepeatClash ? static_cast<int32_t>(RunOutcome::Clash)
                                                    : static_cast<int32_t>(outcome)];
    }
    bool wantsEachRun() const override { return wantEach_; }
    void runsAccountedFor(int64_t clashed, int64_t duplicates) override {
        counts[static_cast<int32_t>(RunOutcome::Clash)] += clashed;
        counts[static_cast<int32_t>(RunOutcome::Duplicate)] += duplicates;
    }
    int64_t counts[5] = {};

private:
    bool wantEach_;
};

// An observer that no longer wants each run is told of blocks as counts and
// of outcomes given again: it learns the same outcomes as one told of each
// run, and the guard counts the same steps. A chosen run that is also a
// searched row of the tried-run table counts once as a duplicate in a block.
TEST(Shortcuts, AnObserverToldOfBlocksCountsTheRunsOneByOne) {
    std::string results[2];
    int64_t steps[2] = {};
    OutcomeCounter counters[2] = {OutcomeCounter(false), OutcomeCounter(true)};
    for (const int wantEach : {0, 1}) {
        auto state = std::make_unique<JobState>();
        watchJob(*state, &counters[wantEach]);
        results[wantEach] = planGeneratedPiece(*state, 5, 46);
        steps[wantEach] = state->clash.simulationSteps;
        EXPECT_EQ(state->search.runsSkipped > 0, wantEach == 0);
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(steps[0], steps[1]);
    for (int32_t outcome = 0; outcome < 5; ++outcome) {
        EXPECT_EQ(counters[0].counts[outcome], counters[1].counts[outcome]) << "outcome " << outcome;
    }
    EXPECT_GT(counters[0].counts[static_cast<int32_t>(RunOutcome::Duplicate)], 0);
}

// The guard, lowered, ends the search at the same run with and without the
// shortcuts: runs accounted for in blocks and steps replayed, resumed or taken
// up count as if made one by one.
struct GuardCase {
    const char* name;
    uint64_t seed;
    int32_t piece;
    SearchGuard guard;
};

class GuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(GuardTest, EndsTheSearchAtTheSameRunInEveryBuild) {
    const GuardCase& c = GetParam();
    std::string results[2];
    int64_t enumerated[2] = {};
    for (const bool shortcuts : {true, false}) {
        auto state = std::make_unique<JobState>();
        state->search.guard = c.guard;
        state->clash.shortcuts = shortcuts;
        results[shortcuts] = planGeneratedPiece(*state, c.seed, c.piece);
        const SearchState& search = state->search;
        EXPECT_EQ(state->piecesCutShort, 1) << "shortcuts " << shortcuts;
        enumerated[shortcuts] = search.runsTried + search.runsSkipped;
        // The guard is read before each run: the runs stop at the bound, the
        // steps just past it.
        EXPECT_LE(enumerated[shortcuts], c.guard.runs);
        if (enumerated[shortcuts] < c.guard.runs) {
            EXPECT_GE(state->clash.simulationSteps, c.guard.steps);
        }
        if (shortcuts) {
            EXPECT_GT(search.runsSkipped + state->clash.stepsTakenUp, 0);
        }
    }
    EXPECT_EQ(enumerated[0], enumerated[1]);
    EXPECT_EQ(results[0], results[1]);
    EXPECT_NE(results[1].find("RUNS-PRODUCED"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Shortcuts, GuardTest,
    ::testing::Values(GuardCase{"RunsInsideABlock", 3, 9, SearchGuard{9000, kSearchGuard.steps}},
                      GuardCase{"StepsInsideABlock", 3, 9, SearchGuard{kSearchGuard.runs, 1000000}},
                      GuardCase{"StepsTakenUpByRotations", 4, 37, SearchGuard{kSearchGuard.runs, 1500000}}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kwarel
