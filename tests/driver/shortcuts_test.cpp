// The shortcuts of the clash-checked search fire on the pieces they are for.
// That they change no byte is checked against a build without them
// (compare_shortcuts.sh, on these pieces and others).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/job.h"
#include "job_generator.h"
#include <memory>

namespace kwarel {
namespace {

// Plans piece `piece` of a generated clash-checking job (80 pieces drawn,
// up to 6 bends) and returns the state it leaves.
void planGeneratedPiece(JobState& state, uint64_t seed, int32_t piece) {
    bench::JobRecipe recipe;
    recipe.cutPieces = 80;
    recipe.maxBends = 6;
    recipe.clashChecking = true;
    recipe.seed = seed;
    recipe.onlyPieces = {piece};
    const std::string folder = bench::makeTempFolder("kwarel-shortcuts");
    const bench::GeneratedJob job = bench::writeJob(folder, recipe);
    ASSERT_EQ(runJob(state, job.parameterFile.c_str()), 0);
    std::filesystem::remove_all(folder);
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

TEST(Shortcuts, BlocksOfRunsClashingAlikeAreSkipped) {
    auto state = std::make_unique<JobState>();
    planGeneratedPiece(*state, 3, 9);
    EXPECT_GT(state->search.runsSkipped, 100000);
    EXPECT_EQ(state->piecesCutShort, 0);
}

TEST(Shortcuts, RunsTheSimulationCannotTellApartAreSimulatedOnce) {
    // Later criteria levels meet runs of earlier ones again, and runs that
    // differ only in benders read the same: their outcomes are given again.
    auto state = std::make_unique<JobState>();
    planGeneratedPiece(*state, 3, 9);
    const SearchState& search = state->search;
    EXPECT_GT(search.outcomesGivenAgain, search.runsSimulated / 10);
    EXPECT_LE(search.runsSimulated + search.outcomesGivenAgain, search.runsTried);
}

}  // namespace
}  // namespace kwarel
