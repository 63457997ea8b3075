// Checks that the generated jobs are what the benchmarks claim to measure:
// repeatable, read back whole by the library, with bend angles that match
// the straights and straights long enough to need no additional material.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_support.h"
#include "job_generator.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"

namespace kwarel::bench {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Folder {
    std::string path = makeTempFolder("kwarel-gen-test");
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

TEST(JobGenerator, SameSeedSameFilesAndSmallerJobsAreTheHeadOfLargerOnes) {
    Folder a, b, c;
    JobRecipe recipe;
    recipe.cutPieces = 40;
    recipe.probeBends = 12;
    const GeneratedJob first = writeJob(a.path + "/job", recipe);
    const GeneratedJob again = writeJob(b.path + "/job", recipe);
    EXPECT_EQ(readAll(first.cutPieceFile), readAll(again.cutPieceFile));
    EXPECT_EQ(readAll(first.databaseFile), readAll(again.databaseFile));

    recipe.seed += 1;
    const GeneratedJob other = writeJob(c.path + "/job", recipe);
    EXPECT_NE(readAll(first.cutPieceFile), readAll(other.cutPieceFile));
    EXPECT_EQ(readAll(first.databaseFile), readAll(other.databaseFile));

    // The probe piece is the same whatever the seed and the job size.
    const std::string probeA = readAll(first.cutPieceFile).substr(readAll(first.cutPieceFile).find("SPOOL-ID PROBE"));
    const std::string probeC = readAll(other.cutPieceFile).substr(readAll(other.cutPieceFile).find("SPOOL-ID PROBE"));
    EXPECT_EQ(probeA, probeC);
    EXPECT_EQ(first.probeIndex, 40);
    EXPECT_EQ(first.cutPieces, 41);

    // A 20-piece job holds the first 20 pieces of the 40-piece job; only
    // its last spool may be cut short.
    Folder d;
    recipe.seed -= 1;
    recipe.cutPieces = 20;
    recipe.probeBends = 0;
    std::unique_ptr<JobState> small = prepareJob(writeJob(d.path + "/job", recipe));
    std::unique_ptr<JobState> large = prepareJob(first);
    ASSERT_EQ(small->cutFile.cutPieces.count, 20);
    for (int32_t i = 0; i < 20; ++i) {
        const CutPieceRecord& p = small->cutFile.cutPieces.at(i);
        const CutPieceRecord& q = large->cutFile.cutPieces.at(i);
        EXPECT_STREQ(p.spoolId, q.spoolId);
        EXPECT_STREQ(p.itemCode, q.itemCode);
        EXPECT_EQ(p.bendCount, q.bendCount);
        EXPECT_EQ(p.startX, q.startX);
        EXPECT_EQ(p.finishZ, q.finishZ);
    }
}

TEST(JobGenerator, PiecesReadBackWithMatchingAnglesAndNoAdditionalMaterial) {
    Folder folder;
    JobRecipe recipe;
    recipe.cutPieces = 300;
    recipe.maxBends = 12;
    recipe.probeBends = 20;
    const GeneratedJob job = writeJob(folder.path + "/job", recipe);
    std::unique_ptr<JobState> state = prepareJob(job);  // throws when the counts differ
    JobState& s = *state;

    int32_t planned = 0;
    for (int32_t i = 0; i < s.cutFile.cutPieces.count; ++i) {
        s.cutFile.cutPieces.load(i);
        const CutPieceRecord piece = s.cutFile.cutPieces.current;
        ASSERT_EQ(piece.failed, 0) << piece.failureText;
        ASSERT_GE(piece.bendCount, 1);
        ASSERT_LE(piece.bendCount, i == job.probeIndex ? 20 : 12);

        // Each bend's angle is the whole-degree angle between the straights
        // that meet at its point.
        const int32_t first = firstStepOfKey(s.prep, piece.cutId, piece.spoolId);
        for (int32_t k = 1; k <= piece.bendCount; ++k) {
            const BendStepRecord& in = s.prep.bendSteps.at(first + 2 * k - 2);
            const BendStepRecord& bend = s.prep.bendSteps.at(first + 2 * k - 1);
            const BendStepRecord& out = s.prep.bendSteps.at(first + 2 * k);
            const double cosine = in.directionX * out.directionX + in.directionY * out.directionY +
                                  in.directionZ * out.directionZ;
            const double degrees = std::acos(std::fmax(-1.0, std::fmin(1.0, cosine))) * 180.0 / M_PI;
            EXPECT_NEAR(degrees, bend.bendAngle, 0.5) << "piece " << i << " bend " << k;
            EXPECT_GE(bend.bendAngle, 15);
            EXPECT_LE(bend.bendAngle, 90);
        }

        // Straights well above every bender's minimum: no option asks for
        // additional material. A piece longer than its stock fails here.
        listBendOptions(s.options, s.shop, s.cutFile, s.prep, i);
        if (s.cutFile.cutPieces.current.failed != 0) {
            EXPECT_NE(i, job.probeIndex);
            continue;
        }
        ++planned;
        ASSERT_GT(s.prep.bendOptions.count, 0);
        for (int32_t o = 0; o < s.prep.bendOptions.count; ++o) {
            EXPECT_EQ(s.prep.bendOptions.at(o).extraBefore, 0) << "piece " << i;
            EXPECT_EQ(s.prep.bendOptions.at(o).extraAfter, 0) << "piece " << i;
        }
        s.prep.bendOptions.clear();
    }
    // Nearly every piece fits its stock and the machines.
    EXPECT_GE(planned, s.cutFile.cutPieces.count * 95 / 100);
}

TEST(JobGenerator, FewerMachinesAndBendersStillGiveAWorkableShop) {
    Folder folder;
    JobRecipe recipe;
    recipe.cutPieces = 60;
    recipe.machines = 3;
    recipe.benders = 2;
    const GeneratedJob job = writeJob(folder.path + "/job", recipe);
    std::unique_ptr<JobState> state = prepareJob(job);
    EXPECT_EQ(state->shop.machines.count, 3);
    EXPECT_EQ(state->shop.benders.count, 2);
    int32_t made = 0;
    for (int32_t i = 0; i < state->cutFile.cutPieces.count; ++i) {
        state->cutFile.cutPieces.load(i);
        if (planCutPiece(*state, i, state->cutFile.cutPieces.current) > 0) ++made;
    }
    EXPECT_GE(made, state->cutFile.cutPieces.count * 9 / 10);
}

}  // namespace
}  // namespace kwarel::bench
