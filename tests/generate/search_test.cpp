#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "generate/criteria.h"
#include "generate/rotation.h"
#include "generate/search.h"
#include "prepare/options.h"
#include "support/builders.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::addOption;
using testing::bend;
using testing::searchRuns;
using testing::straight;

std::unique_ptr<JobState> pieceWithBends(int bends, int32_t programs) {
    auto s = testing::freshState();
    std::vector<testing::StepSetup> steps = {straight(5000)};
    for (int b = 0; b < bends; ++b) {
        steps.push_back(bend(1570.8, 90, 1000));
        steps.push_back(straight(5000, b % 2 == 0 ? 0.0 : 1.0, b % 2 == 0 ? 1.0 : 0.0));
    }
    testing::addPreparedPiece(*s, {}, steps);
    s->options.NUMBER_OF_PROGRAMS = programs;
    for (int c = 0; c < 5; ++c) s->options.TRIAL_CRITERION[c] = c + 1;
    setTrialCriteriaOrder(s->options, s->search);
    return s;
}

std::vector<int16_t> selectedRow(const JobState& s, int row, int length) {
    return std::vector<int16_t>(s.search.selectedRuns[row], s.search.selectedRuns[row] + length);
}

TEST(TrialSearch, BestThreeOfFiveCandidatesAtLevelZero) {
    auto s = pieceWithBends(1, 3);
    const int32_t averages[5] = {10, 50, 30, 40, 20};
    for (int p = 0; p <= 2; ++p)
        for (int m = 0; m < 5; ++m) addOption(*s, {p, m, 0, 1, averages[m]});
    EXPECT_EQ(searchRuns(*s, 0), 3);
    EXPECT_EQ(s->search.selectedScores[0], 6450);
    EXPECT_EQ(s->search.selectedScores[1], 6440);
    EXPECT_EQ(s->search.selectedScores[2], 6430);
    EXPECT_EQ(s->search.selectedScores[3], -1);
    EXPECT_EQ(selectedRow(*s, 0, 3), (std::vector<int16_t>{1, 1, 1}));
    EXPECT_EQ(selectedRow(*s, 1, 3), (std::vector<int16_t>{3, 3, 3}));
    EXPECT_EQ(selectedRow(*s, 2, 3), (std::vector<int16_t>{2, 2, 2}));
}

// Two machines with one bender, hand 1: level 0 gives the two one-machine
// runs; only a level that relaxes the machine gives more.
std::unique_ptr<JobState> twoMachinePiece(int32_t programs) {
    auto s = pieceWithBends(1, programs);
    for (int p = 0; p <= 2; ++p) {
        addOption(*s, {p, 0, 0, 1, 100});
        addOption(*s, {p, 1, 0, 1, 40});
    }
    return s;
}

TEST(TrialSearch, LaterLevelSuppliesTheThirdRunWithItsLowerBase) {
    auto s = twoMachinePiece(3);
    s->options.ALLOW_MACHINE_CHANGE = 1;
    ASSERT_EQ(searchRuns(*s, 0), 3);
    EXPECT_EQ(s->search.selectedScores[0], 6500);
    EXPECT_EQ(s->search.selectedScores[1], 6440);
    // Level 16 relaxes the machine: runs (0,0,1) and (1,0,0) both score
    // 80 - 5 = 75; the one found first is taken.
    EXPECT_EQ(s->search.selectedScores[2], 3200 + 75);
    EXPECT_EQ(selectedRow(*s, 2, 3), (std::vector<int16_t>{0, 0, 1}));
}

TEST(TrialSearch, LevelsThatRelaxForbiddenCriteriaAreSkipped) {
    auto s = twoMachinePiece(3);  // every ALLOW option off
    EXPECT_EQ(searchRuns(*s, 0), 2);

    // End material is always allowed to relax: level 2 (ranks 1 to 5) finds
    // the run that level 0 rejects.
    auto t = pieceWithBends(1, 1);
    addOption(*t, {0, 0, 0, 1, 0});
    addOption(*t, {1, 0, 0, 1, 0, 25});
    addOption(*t, {2, 0, 0, 1, 0});
    ASSERT_EQ(searchRuns(*t, 0), 1);
    EXPECT_EQ(t->search.selectedScores[0], 6400 - 400 - 25);
}

TEST(TrialSearch, PenaltyForChangesAndMiddleMaterial) {
    auto s = pieceWithBends(2, 1);
    s->options.ALLOW_MACHINE_CHANGE = 1;
    s->options.ALLOW_ADDITIONAL_MATERIAL = 1;
    addOption(*s, {0, 0});
    addOption(*s, {1, 0});
    addOption(*s, {2, 0});
    addOption(*s, {3, 1, 0, 1, 0, 120});
    addOption(*s, {4, 1});
    ASSERT_EQ(searchRuns(*s, 0), 1);
    // Found at level 17 (machine and middle material relaxed): one machine
    // change and one middle extra of 120 cost 5 x (1 + 2) + 120 = 135.
    EXPECT_EQ(s->search.selectedScores[0], 6400 - 200 * 17 - 135);
}

TEST(TrialSearch, FailureTexts) {
    auto s = pieceWithBends(1, 1);
    addOption(*s, {0});
    addOption(*s, {2});
    EXPECT_EQ(searchRuns(*s, 0), 0);
    s->cutFile.cutPieces.load(0);
    EXPECT_STREQ(s->cutFile.cutPieces.current.failureText,
                 "No machine/bender combination(s) can be found to manufacture cutpiece.");

    auto t = pieceWithBends(1, 1);
    addOption(*t, {0, 0});
    addOption(*t, {1, 1});  // another machine, which no allowed level accepts
    addOption(*t, {2, 0});
    EXPECT_EQ(searchRuns(*t, 0), 0);
    t->cutFile.cutPieces.load(0);
    EXPECT_STREQ(t->cutFile.cutPieces.current.failureText, "Unable to manufacture cutpiece.");
}

TEST(TrialSearch, HugeProductsStopAtTheNumberOfPrograms) {
    // 12 bends with 8 compatible options at every position: 8^24 runs per
    // first option at the most relaxed level.
    auto s = pieceWithBends(12, 50);
    s->options.ALLOW_MACHINE_CHANGE = 1;
    s->options.ALLOW_BENDER_CHANGE = 1;
    s->options.ALLOW_HAND_CHANGE = 1;
    s->options.ALLOW_ADDITIONAL_MATERIAL = 1;
    for (int p = 0; p <= 24; ++p)
        for (int m = 0; m < 8; ++m) addOption(*s, {p, m, m % 2, static_cast<int16_t>(1 + m % 2), m});
    EXPECT_EQ(searchRuns(*s, 0), 50);
}

// Rotation of the straight between two bends for straights along a, b, c.
int32_t rotationBetween(std::array<double, 3> a, std::array<double, 3> b, std::array<double, 3> c,
                        int32_t before = 0) {
    auto s = testing::freshState();
    testing::addPreparedPiece(*s, {}, {straight(5000, a[0], a[1], a[2]), bend(1570.8, 90, 1000),
                                       straight(5000, b[0], b[1], b[2]), bend(1570.8, 90, 1000),
                                       straight(5000, c[0], c[1], c[2])});
    for (int p = 0; p <= 4; ++p) addOption(*s, {p});
    s->prep.bendOptions.at(2).rotation = before;
    const int16_t run[kMaxPositions] = {};
    setPlaneRotations(s->prep, 2, run);
    EXPECT_EQ(s->prep.bendOptions.at(0).rotation, 0);
    EXPECT_EQ(s->prep.bendOptions.at(4).rotation, 0);
    return s->prep.bendOptions.at(2).rotation;
}

TEST(PlaneRotation, AngleBetweenSuccessiveBendPlanes) {
    EXPECT_EQ(rotationBetween({1, 0, 0}, {0, 1, 0}, {1, 0, 0}), 180);              // S shape
    EXPECT_EQ(rotationBetween({1, 0, 0}, {0, 1, 0}, {0, 0.7071, 0.7071}), 90);    // perpendicular planes
    EXPECT_EQ(rotationBetween({1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, -360), -360);    // U shape: left as it was
    EXPECT_EQ(rotationBetween({1, 0, 0}, {1, 0, 0}, {0, 1, 0}), 180);             // parallel straights
}

TEST(PlaneRotation, OneBendTouchesNothing) {
    auto s = testing::freshState();
    testing::addPreparedPiece(*s, {}, {straight(5000), bend(1570.8, 90, 1000), straight(5000, 0, 1, 0)});
    for (int p = 0; p <= 2; ++p) addOption(*s, {p});
    s->prep.bendOptions.at(0).rotation = 33;
    const int16_t run[kMaxPositions] = {};
    setPlaneRotations(s->prep, 1, run);
    EXPECT_EQ(s->prep.bendOptions.at(0).rotation, 33);
}

// The search's setPlaneRotations reuses the planes of the run before; every
// run, in any order, must get the rotations and marks of a fresh call. Each
// straight has two options whose straights point different ways.
TEST(PlaneRotation, ReusedPlanesMatchFreshOnes) {
    auto s = testing::freshState();
    std::vector<testing::StepSetup> steps = {straight(5000)};
    for (int b = 0; b < 4; ++b) steps.insert(steps.end(), {bend(1570.8, 90, 1000), straight(5000, 0, b % 2, 1)});
    testing::addPreparedPiece(*s, {}, steps);
    for (int p = 0; p <= 8; ++p) {
        addOption(*s, {p});
        if (p % 2 == 0) addOption(*s, {p, 1});
    }
    for (int p = 0; p <= 8; p += 2) {  // the second option of each straight: its own direction
        testing::appendRecord(s->prep.bendSteps, [&](BendStepRecord& step) {
            step.length = 5000, step.stepType = kStraight;
            step.directionX = p == 4 ? 0.0 : 1.0, step.directionY = p % 4 == 0 ? 1.0 : 0.0, step.directionZ = 0.5;
        });
        int16_t second[kMaxPositions] = {};
        second[p] = 1;
        s->prep.bendOptions.at(runPosition(s->prep, second, p).optionIndex).stepIndex = s->prep.bendSteps.count - 1;
    }
    auto& options = s->prep.bendOptions;
    const auto rotationsWritten = [&](auto&& write) {  // every option's rotation after `write`
        for (int32_t k = 0; k < options.count; ++k) options.at(k).rotation = -1;
        write();
        std::vector<int32_t> rotations;
        for (int32_t k = 0; k < options.count; ++k) rotations.push_back(options.at(k).rotation);
        return rotations;
    };
    PlaneRotations last;
    for (int i = 0; i < 3 * 32; ++i) {
        const int combination = i < 32 ? i : (i * 13 + 7) % 32;  // the odometer's order, then jumps
        int16_t run[kMaxPositions] = {};
        for (int k = 0; k < 5; ++k) run[2 * k] = static_cast<int16_t>((combination >> (4 - k)) & 1);
        bool fresh[kMaxPositions], reused[kMaxPositions];
        const auto expected = rotationsWritten([&] { setPlaneRotations(s->prep, 4, run, fresh); });
        EXPECT_EQ(rotationsWritten([&] { setPlaneRotations(s->prep, 4, run, reused, last); }), expected);
        EXPECT_TRUE(std::equal(fresh, fresh + kMaxPositions, reused)) << "combination " << combination;
    }
}

}  // namespace
}  // namespace kwarel
