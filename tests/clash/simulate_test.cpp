#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <random>

#include "clash/envelope.h"
#include "clash/shape_tests.h"
#include "clash/simulate.h"
#include "generate/criteria.h"
#include "generate/search.h"
#include "prepare/options.h"
#include "clash_fixture.h"
#include "store/vectors.h"
#include "support/builders.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::bend;
using testing::searchRuns;
using testing::Point;
using testing::straight;

// Simulates a run of the current cut piece.
int32_t simulate(JobState& s, const int16_t* run) {
    return simulateRun(s.clash, s.prep, s.shop, s.cutFile.cutPieces.current, s.options.INCLUDE_BEND_SPRINGBACK != 0,
                       run);
}

// The run of the first option at every position.
constexpr int16_t kFirstRun[kMaxPositions] = {};

TEST(Simulate, DirectionAngles) {
    const double a = 44.99989477067122;  // atan(1) x 360 / 6.2832
    const struct { double x, y, planar, axial; } cases[] = {  // seen from (0, 0)
        {0, 5, 90, 0},    {0, -5, 270, 180},       {5, 0, 0, 90},           {-5, 0, 180, 270},
        {1, 1, a, a},     {-1, 1, 180 - a, 360 - a}, {-1, -1, a + 180, a + 180}, {1, -1, 360 - a, 180 - a},
        {0, 0, 270, 180}};  // the centre itself: each asks its own axis first
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(planarAngle(0, 0, c.x, c.y), c.planar) << c.x << ", " << c.y;
        EXPECT_DOUBLE_EQ(axialAngle(0, 0, c.x, c.y), c.axial) << c.x << ", " << c.y;
    }
    double y = 3, z = 4;  // 5 from the feed line, placed at 90: along +y
    placeAtAxialAngle(0, 0, 90, y, z);
    EXPECT_NEAR(y, 5, 1e-9);
    EXPECT_NEAR(z, -1.8366e-5, 1e-9);  // 5 cos(90 x 6.2832 / 360)
}

TEST(Simulate, WorkedExampleOfOneBend) {
    auto s = testing::freshState();
    testing::addRoom(*s, testing::room());
    s->clash.machine = s->shop.machines.at(0);
    s->prep.bendOptions.current.hand = 2;
    testing::addPiece(*s, {0, 100, 1050}, {500, 100, 1050});
    ASSERT_EQ(bendPipeStep(s->clash, s->prep.bendOptions.current.hand, 0, 5, 100, 100), 1);
    EXPECT_EQ(s->clash.motionPhase, 1);
    const PipeShapeRecord& p = s->clash.pipeShapes.at(0);
    // Carried to the arc's end (100 sin 5, 100 cos 5), turned to 355 and
    // placed with 355 x 6.2832 / 360 radians: as 6.2832 is not quite a full
    // turn, the turn falls 1.5e-5 radians short of 5 degrees.
    EXPECT_NEAR(p.startX, 8.71559460380702, 1e-9);
    EXPECT_NEAR(p.endX, 506.81357498643325, 1e-9);
    EXPECT_NEAR(p.endY, 56.04881347104765, 1e-9);
    EXPECT_EQ(p.endZ, 1050);
    for (int k = 10; k <= 90; k += 5) ASSERT_EQ(bendPipeStep(s->clash, s->prep.bendOptions.current.hand, k - 5, k, 100, 100), 1);
    // After 90 degrees the straight starts at (100, 0) and runs towards -y;
    // 18 short turns leave its far end 0.13 beyond x = 100.
    EXPECT_NEAR(p.startX, 100, 1e-9);
    EXPECT_NEAR(p.startY, -0.0003673205103353866, 1e-9);
    EXPECT_NEAR(p.endX, 100.13039877901691, 1e-9);
    EXPECT_NEAR(p.endY, -500.00035031666846, 1e-9);
}

// A cut piece of OD 100 with one option per position (ordinal 0 each,
// direction 1): its machine, hand, rotation and additional material before.
struct Position {
    int32_t machine = 0;
    int16_t hand = 1;
    int32_t rotation = 0, extraBefore = 0;
};
std::unique_ptr<JobState> runOf(const std::vector<testing::StepSetup>& steps, const std::vector<MachineRecord>& rooms,
                                const std::vector<Position>& positions, int32_t springback = 0) {
    auto s = testing::freshState();
    testing::PieceSetup piece;
    piece.outsideDiameter = 100;
    piece.springbackAngle = springback;
    testing::addPreparedPiece(*s, piece, steps);
    s->options.INCLUDE_BEND_SPRINGBACK = springback != 0;
    for (const MachineRecord& room : rooms) testing::addRoom(*s, room);
    for (std::size_t p = 0; p < positions.size(); ++p) {
        const Position& at = positions[p];
        testing::addOption(*s, {static_cast<int32_t>(p), at.machine, 0, at.hand, 0, at.extraBefore, 0, at.rotation});
    }
    return s;
}

// Machine 0 is the run's room (top at 2000, pipe axis at 2050); machine 1,
// the probe, is the same room with its front wall at `probeFrontWall`.
std::vector<MachineRecord> roomAndProbe(int32_t probeFrontWall = -100000) {
    MachineRecord room = testing::room(), probe = testing::room("PROBE");
    room.machineHeight = probe.machineHeight = 2000, room.frontWall = 20000, probe.frontWall = probeFrontWall;
    return {room, probe};
}

// The piece a clash left in the slot has these ends, within `within`: the
// steps turn by angles of 6.2832 / 360 radians a degree, which add up.
void expectEnds(const JobState& s, std::vector<double> ends, double within = 1.0) {
    const PipeShapeRecord& p = s.clash.pipeShapes.current;
    const double got[6] = {p.startX, p.startY, p.startZ, p.endX, p.endY, p.endZ};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[i], ends[i], within) << i;
}

TEST(Simulate, BendToTheTargetThenSpringBackThenFeed) {
    // The first straight (1000) leaves a bend of radius 500 (hand 1, feed
    // line at y -500, axis at z 2050) at (500 sin A, -500 cos A) in the
    // direction (cos A, sin A); the first feed step after the bend, on the
    // probe, moves it 100 along x and clashes. Its last sample point, 950
    // along, reaches y 950 at 90 degrees and 974.9 at 93, so a left wall at
    // 915 (reached from y 964) is hit only on the way to the springback angle.
    const struct { int32_t angle, springback, leftWall; double sinA, cosA; const char* line; } cases[] = {
        {92, 0, 5000, 0.99939, -0.034899, "PROBE  Pipe hitting front wall after bend 1 during pipe feed"},
        {90, 3, 5000, 1, 0, "PROBE  Pipe hitting front wall after bend 1 during pipe feed"},
        {90, 3, 915, 1, 0, "M1  Pipe hitting left wall during bend 1"},
        {3, 0, 5000, 0.052336, 0.99863, "PROBE  Pipe hitting front wall after bend 1 during pipe feed"}};
    for (const auto& c : cases) {
        auto rooms = roomAndProbe();
        rooms[0].leftWall = c.leftWall;
        auto s = runOf({straight(1000), bend(1000, c.angle, 500), straight(300), bend(0, 0, 500), straight(500)},
                       rooms, {{}, {}, {1}, {}, {}}, c.springback);
        EXPECT_EQ(simulate(*s, kFirstRun), 0);
        EXPECT_EQ(s->clash.pipeShapes.count, 0);
        ASSERT_EQ(s->clash.clashLineCount, 1);
        EXPECT_EQ(std::string(s->clash.clashLines[0]), "Machine: " + std::string(c.line) + ".\n");
        const double x = 500 * c.sinA + 100, y = -500 * c.cosA;
        if (c.leftWall == 5000) expectEnds(*s, {x, y, 2050, x + 1000 * c.cosA, y + 1000 * c.sinA, 2050});
    }
}

TEST(Simulate, FeedInStepsShiftAtNewRadiusAndRotationOneTurnLower) {
    // After a 90-degree bend the first straight runs from (500, 0) to (500,
    // 1000). Straight 2 (250.7) is fed as 100, 100 and 50; bend 2 (0
    // degrees, radius 700, on the probe) first shifts every piece by -700 -
    // (-500), then clashes.
    auto s = runOf({straight(1000), bend(1000, 90, 500), straight(250.7), bend(0, 0, 700), straight(500)},
                   roomAndProbe(), {{}, {}, {}, {1}, {}});
    EXPECT_EQ(simulate(*s, kFirstRun), 0);
    EXPECT_STREQ(s->clash.clashLines[0], "Machine: PROBE  Pipe hitting front wall during bend 2.\n");
    expectEnds(*s, {750, -200, 2050, 750, 800, 2050});
    EXPECT_EQ(s->prep.bendOptions.at(2).rotation, -360);  // no rotation made, and one turn lower
}

TEST(Simulate, RotationClashingAt45GoesBackThenTheLongWayRound) {
    // A U-turn leaves the first straight from (0, 500) to (-2000, 500),
    // 1000 to the +y side of the feed line (y -500, z 2050); fed 300. Turning
    // it +90 about the feed line swings it down across the body's side (190
    // + 48 from the middle) at 45 degrees; it is turned back, then -270, the
    // long way, above the machine and down its -y side, to 1000 below the
    // feed line. Bend 2 (0 degrees) is made on the probe, whose right wall
    // at -400 it reaches there.
    auto rooms = roomAndProbe(20000);
    rooms[0].bodyHalfWidth = 190, rooms[0].frontRadius = 100, rooms[1].rightWall = 400;
    auto s = runOf({straight(2000), bend(1570.8, 180, 500), straight(300), bend(0, 0, 500), straight(500)}, rooms,
                   {{}, {}, {0, 1, 90}, {1}, {}});
    EXPECT_EQ(simulate(*s, kFirstRun), 0);
    ASSERT_EQ(s->clash.clashLineCount, 2);
    EXPECT_STREQ(s->clash.clashLines[0], "Machine: M1  Pipe hitting machine after bend 1 during pipe rotation.\n");
    EXPECT_STREQ(s->clash.clashLines[1], "Machine: PROBE  Pipe hitting right wall during bend 2.\n");
    // The steps' degrees of 6.2832 / 360 radians, and the 360 added at every
    // backward step, leave the straight 1.26 further round, towards -y (the
    // formulas, step by step); the U-turn's own steps leave its far end 0.3 off.
    expectEnds(*s, {300, -501.26, 1050, -1700, -501.26, 1050}, 0.5);
    EXPECT_EQ(s->prep.bendOptions.at(2).rotation, -270);
}

TEST(Simulate, RotationsFromOnePipeGoOnFromTheClearStepsBeforeAClashAndOnTheLongWay) {
    // The run above, then the same run with the straight's rotation 85: its
    // forward turn from the same pipe goes on after the 8 clear steps the
    // first one made before its clash at 45, and its long way round (275)
    // after the first one's 53 full steps (265 of its 270). It must end, to
    // the bit, as the second run alone does.
    auto rooms = roomAndProbe(20000);
    rooms[0].bodyHalfWidth = 190, rooms[0].frontRadius = 100, rooms[1].rightWall = 400;
    const std::vector<testing::StepSetup> steps = {straight(2000), bend(1570.8, 180, 500), straight(300),
                                                  bend(0, 0, 500), straight(500)};
    auto both = runOf(steps, rooms, {{}, {}, {0, 1, 90}, {1}, {}});
    auto alone = runOf(steps, rooms, {{}, {}, {0, 1, 85}, {1}, {}});
    ASSERT_EQ(simulate(*both, kFirstRun), 0);
    const int64_t stepsBefore = both->clash.simulationSteps, takenBefore = both->clash.stepsTakenUp;
    both->prep.bendOptions.at(2).rotation = 85;
    ASSERT_EQ(simulate(*both, kFirstRun), 0);
    ASSERT_EQ(simulate(*alone, kFirstRun), 0);
    EXPECT_EQ(both->clash.stepsTakenUp - takenBefore, 8 + 53);
    EXPECT_EQ(both->clash.simulationSteps - stepsBefore, alone->clash.simulationSteps);
    ASSERT_EQ(both->clash.clashLineCount, 4);
    ASSERT_EQ(alone->clash.clashLineCount, 2);
    EXPECT_STREQ(both->clash.clashLines[2], alone->clash.clashLines[0]);
    EXPECT_STREQ(both->clash.clashLines[3], alone->clash.clashLines[1]);
    const PipeShapeRecord& a = both->clash.pipeShapes.current;
    const PipeShapeRecord& b = alone->clash.pipeShapes.current;
    EXPECT_EQ(std::vector<double>({a.startX, a.startY, a.startZ, a.endX, a.endY, a.endZ}),
              std::vector<double>({b.startX, b.startY, b.startZ, b.endX, b.endY, b.endZ}));
    EXPECT_EQ(both->prep.bendOptions.at(2).rotation, alone->prep.bendOptions.at(2).rotation);
}

// Simulates `run` with the shortcuts (`kept`) and without (`plain`) and
// expects the same result, steps, new clash lines and pipe, to the bit.
// Returns the result.
int32_t expectSameSimulation(JobState& kept, JobState& plain, const int16_t* run, int32_t trace) {
    const int32_t linesBefore[2] = {kept.clash.clashLineCount, plain.clash.clashLineCount};
    const int32_t result = simulate(kept, run);
    EXPECT_EQ(result, simulate(plain, run)) << trace;
    EXPECT_EQ(kept.clash.simulationSteps, plain.clash.simulationSteps) << trace;
    EXPECT_EQ(kept.clash.clashLineCount - linesBefore[0], plain.clash.clashLineCount - linesBefore[1]) << trace;
    for (int32_t i = 0; i < kept.clash.clashLineCount - linesBefore[0]; ++i) {
        EXPECT_STREQ(kept.clash.clashLines[linesBefore[0] + i], plain.clash.clashLines[linesBefore[1] + i]) << trace;
    }
    EXPECT_EQ(kept.clash.pipeShapes.count, plain.clash.pipeShapes.count) << trace;
    const auto count = static_cast<std::size_t>(std::min(kept.clash.pipeShapes.count, plain.clash.pipeShapes.count));
    EXPECT_EQ(std::memcmp(kept.clash.pipeShapes.entries.data(), plain.clash.pipeShapes.entries.data(),
                          sizeof(PipeShapeRecord) * count),
              0)
        << trace;
    const PipeShapeRecord& a = kept.clash.pipeShapes.current;
    const PipeShapeRecord& b = plain.clash.pipeShapes.current;
    EXPECT_EQ(std::vector<double>({a.startX, a.startY, a.startZ, a.endX, a.endY, a.endZ}),
              std::vector<double>({b.startX, b.startY, b.startZ, b.endX, b.endY, b.endZ}))
        << trace;
    return result;
}

TEST(Simulate, RotationsThatStopLookingUpSomePiecesGiveTheBitsOfTurningEveryPoint) {
    // Runs that turn straight 2 by different angles, then straight 4 by 1500
    // degrees (300 steps). In every run after the first, bend 2, straight 3
    // and bend 3 (formed after straight 2's rotation) begin straight 4's
    // rotation where they began it before, so their turns are found in the
    // kept ones, while straight 1, bend 1 and straight 2 are somewhere new:
    // their first step finds nothing, and the rest of the rotation turns
    // them without looking. Each run must end, to the bit, as it does with
    // every point turned on its own.
    const std::vector<testing::StepSetup> steps = {straight(600), bend(261.8, 30, 500), straight(300),
                                                  bend(261.8, 30, 500), straight(300), bend(261.8, 30, 500),
                                                  straight(400), bend(0, 0, 500), straight(500)};
    const std::vector<Position> positions = {{}, {}, {}, {}, {}, {}, {0, 1, 1500}, {}, {}};
    auto kept = runOf(steps, roomAndProbe(), positions);
    auto plain = runOf(steps, roomAndProbe(), positions);
    plain->clash.shortcuts = false;
    for (const int32_t first : {30, 60, 90}) {
        const int64_t foundBefore = kept->clash.pointTurns.hits;
        const int64_t notKeptBefore = kept->clash.pointTurns.notKept;
        for (JobState* s : {kept.get(), plain.get()}) {
            // Every run passed lowers the rotations it kept by a full turn.
            for (std::size_t p = 0; p < positions.size(); ++p) {
                s->prep.bendOptions.at(static_cast<int32_t>(p)).rotation = positions[p].rotation;
            }
            s->prep.bendOptions.at(2).rotation = first;
        }
        expectSameSimulation(*kept, *plain, kFirstRun, first);
        if (first > 30) {
            // Three pieces found for 300 steps, three left after their first.
            EXPECT_GT(kept->clash.pointTurns.hits - foundBefore, 3 * 2 * 300) << first;
            EXPECT_GT(kept->clash.pointTurns.notKept - notKeptBefore, 3 * 2 * 290) << first;
        }
    }
}

TEST(Simulate, RotationsFromMorePipesThanTheMemoKeepsGiveTheBitsOfTurningEveryStep) {
    // Straight 2 turns by 1 to 1,100 degrees, one run each, so straight 4's
    // rotation of 20 degrees begins from 1,100 different pipes: more than the
    // rotation memo keeps, so memos are given up and their index entries
    // taken out while the others must stay found. Every run must end, to the
    // bit, as it does with no shortcut. The last run once more, with straight
    // 4 turning 25 degrees (which no position kept has read), must then find
    // its memo and take up the 3 full steps its first time made.
    const std::vector<testing::StepSetup> steps = {straight(600), bend(261.8, 30, 500), straight(300),
                                                  bend(261.8, 30, 500), straight(300), bend(0, 0, 500),
                                                  straight(500)};
    const std::vector<Position> positions = {{}, {}, {}, {}, {0, 1, 20}, {}, {}};
    auto kept = runOf(steps, roomAndProbe(), positions);
    auto plain = runOf(steps, roomAndProbe(), positions);
    plain->clash.shortcuts = false;
    for (int32_t first = 1; first <= 1101; ++first) {
        for (JobState* s : {kept.get(), plain.get()}) {
            s->prep.bendOptions.at(2).rotation = std::min(first, 1100);
            s->prep.bendOptions.at(4).rotation = first <= 1100 ? 20 : 25;
        }
        const int64_t takenBefore = kept->clash.stepsTakenUp;
        ASSERT_EQ(expectSameSimulation(*kept, *plain, kFirstRun, first), 1);
        if (HasFailure()) return;
        if (first == 1101) {
            EXPECT_EQ(kept->clash.stepsTakenUp - takenBefore, 3);
        }
    }
    // Memos were given up, and every memo kept is found by probing from the
    // home slot of its key, as a lookup goes.
    const std::vector<TurnMemo>& memos = kept->clash.turnMemos;
    const std::vector<uint32_t>& slots = kept->clash.turnSlots;
    EXPECT_LT(memos.size(), 1100u);
    EXPECT_EQ(static_cast<std::size_t>(std::count_if(slots.begin(), slots.end(), [](uint32_t v) { return v != 0; })),
              memos.size());
    const int bits = std::countr_zero(slots.size());
    for (std::size_t m = 0; m < memos.size(); ++m) {
        std::size_t i = static_cast<std::size_t>(memos[m].key >> (64 - bits));
        while (slots[i] != 0 && slots[i] != m + 1) i = (i + 1) % slots.size();
        EXPECT_EQ(slots[i], m + 1) << m;
    }
}

TEST(Simulate, FeedsOfAPipeFedBeforeLeaveUntestedOnlyTheStepsFoundClear) {
    // Straight 2 (3000, fed in 30 steps of 100) is turned 90 after its feed.
    // Bend 2 has a second option whose 17000 of additional material before
    // it make straight 2's feed reach the front wall at its 196th step. Runs
    // one after another: the first two differ only in straight 2's rotation
    // (the first leaves it a turn lower), so the second feeds it all
    // untested; the third feeds the same pipe further, its first 29 full
    // steps untested, and must clash; the fourth repeats the third with
    // another rotation (so that it is not taken as the third's position):
    // its 195 full steps found clear are untested, the clash is not. Each
    // must end as it does with every step tested.
    const std::vector<testing::StepSetup> steps = {straight(1000), bend(1000, 90, 500), straight(3000),
                                                  bend(0, 0, 500), straight(500)};
    const std::vector<Position> positions = {{}, {}, {0, 1, 90}, {}, {}};
    auto rooms = roomAndProbe();
    rooms[0].backWall = 100000;  // room behind for the longer pipe
    auto kept = runOf(steps, rooms, positions);
    auto plain = runOf(steps, rooms, positions);
    plain->clash.shortcuts = false;
    for (JobState* s : {kept.get(), plain.get()}) testing::addOption(*s, {3, 0, 0, 1, 0, 17000});
    const int16_t further[kMaxPositions] = {0, 0, 0, 1, 0};
    const int16_t* runs[4] = {kFirstRun, kFirstRun, further, further};
    for (int32_t r = 0; r < 4; ++r) {
        if (r == 3) kept->prep.bendOptions.at(2).rotation = plain->prep.bendOptions.at(2).rotation = 45;
        const int64_t fedBefore[2] = {kept->clash.feedStepsMade, plain->clash.feedStepsMade};
        EXPECT_EQ(expectSameSimulation(*kept, *plain, runs[r], r), r < 2 ? 1 : 0) << r;
        const int64_t fed[2] = {kept->clash.feedStepsMade - fedBefore[0], plain->clash.feedStepsMade - fedBefore[1]};
        const int64_t untested[4] = {0, 30, 29, 195};
        EXPECT_EQ(fed[1] - fed[0], untested[r]) << r;
    }
    EXPECT_STREQ(kept->clash.clashLines[kept->clash.clashLineCount - 1],
                 "Machine: M1  Pipe hitting front wall after bend 1 during pipe feed.\n");
}

TEST(Simulate, APositionReachedFromTheSamePipeReadingTheSameIsTakenAsBefore) {
    // Bend 1 has a second option on another bender, which the simulation does
    // not read; bend 2 is made on the probe and clashes. Runs that alternate
    // between the two options reach straight 2 and bend 2 from the same pipe,
    // reading the same: after the first, each takes them as they were,
    // clash line included, also once the report is full. Each must end as it
    // does with every position simulated, and leave straight 2 a turn lower.
    const std::vector<testing::StepSetup> steps = {straight(1000), bend(1000, 90, 500), straight(3000),
                                                  bend(0, 0, 500), straight(500)};
    const std::vector<Position> positions = {{}, {}, {0, 1, 90}, {1}, {}};
    auto kept = runOf(steps, roomAndProbe(), positions);
    auto plain = runOf(steps, roomAndProbe(), positions);
    plain->clash.shortcuts = false;
    for (JobState* s : {kept.get(), plain.get()}) testing::addOption(*s, {1, 0, 1});
    const int16_t otherBender[kMaxPositions] = {0, 1, 0, 0, 0};
    for (int32_t r = 0; r < 12; ++r) {
        for (JobState* s : {kept.get(), plain.get()}) s->prep.bendOptions.at(2).rotation = 90;
        EXPECT_EQ(expectSameSimulation(*kept, *plain, r % 2 == 0 ? kFirstRun : otherBender, r), 0) << r;
        EXPECT_EQ(kept->prep.bendOptions.at(2).rotation, -270) << r;
        EXPECT_EQ(kept->clash.positionsTaken, 3 * r) << r;  // bend 1, straight 2, bend 2
    }
    EXPECT_EQ(kept->clash.clashLineCount, kMaxClashLines);
}

TEST(Simulate, ResumedRunRepeatsThePrefixLinesAndLowersItsRotations) {
    // The rotation clash of the run above, which the long way round gets
    // past, and no probe: the run is clear with one clash line. A second run
    // that differs only in the last straight resumes after bend 2: it repeats
    // the line of straight 2 and leaves that straight's rotation one turn
    // lower again.
    auto rooms = roomAndProbe(20000);
    rooms[0].bodyHalfWidth = 190, rooms[0].frontRadius = 100;
    auto s = runOf({straight(2000), bend(1570.8, 180, 500), straight(300), bend(0, 0, 500), straight(500)}, rooms,
                   {{}, {}, {0, 1, 90}, {}, {}});
    testing::addOption(*s, {4});
    ASSERT_EQ(simulate(*s, kFirstRun), 1);
    ASSERT_EQ(s->clash.clashLineCount, 1);
    EXPECT_EQ(s->prep.bendOptions.at(2).rotation, -270);

    s->prep.bendOptions.at(2).rotation = 90;  // as the plane rotations set it again
    const int16_t second[kMaxPositions] = {0, 0, 0, 0, 1};
    ASSERT_EQ(simulate(*s, second), 1);
    ASSERT_EQ(s->clash.clashLineCount, 2);
    EXPECT_STREQ(s->clash.clashLines[1], s->clash.clashLines[0]);
    EXPECT_EQ(s->prep.bendOptions.at(2).rotation, -270);
}

TEST(TrialSearch, ReplayedClashesLowerRotationsAndOnlyFiftyTriedRowsAreSearched) {
    // Three bends in three planes: the plane rotations give straight 2 a
    // rotation of 90 before every run. Bend 2 is made only on the probe, so
    // every run clashes there after passing straight 2; 8 x 8 options at
    // positions 5 and 6 give 64 runs that agree up to bend 2: the first is
    // simulated, the others replay it. Of the level that repeats them, the
    // first 50 are found among the tried rows; the last 14 are not, and are
    // replayed again, so straight 2 ends one turn lower.
    auto s = runOf({straight(1000), bend(1000, 90, 500), straight(300, 0, 1, 0), bend(0, 90, 500),
                    straight(300, 0, 0, 1), bend(0, 90, 500), straight(500)},
                   roomAndProbe(), {{}, {}, {}, {1}, {}, {}, {}});
    for (int k = 1; k < 8; ++k) testing::addOption(*s, {5}), testing::addOption(*s, {6});
    s->options.DO_CLASH_CHECKING = 1;
    s->options.ALLOW_MACHINE_CHANGE = 1;
    s->options.NUMBER_OF_PROGRAMS = 1;
    for (int c = 0; c < 5; ++c) s->options.TRIAL_CRITERION[c] = c + 1;
    setTrialCriteriaOrder(s->options, s->search);
    EXPECT_EQ(searchRuns(*s, 0), 0);
    EXPECT_EQ(s->clash.clashLineCount, 10);
    EXPECT_STREQ(s->clash.clashLines[9], "Machine: PROBE  Pipe hitting front wall during bend 2.\n");
    EXPECT_EQ(s->prep.bendOptions.at(2).rotation, 90 - 360);
}

TEST(Simulate, LoadChecksFrontAndBackWall) {
    // D = 1000 + 200 extra before the bend; of the 2485 of pipe, 1285 lie
    // behind the bend head. Walls at those distances are reached.
    const struct { int32_t front, back; const char* line; } cases[] = {
        {1200, 100000, "Machine: M1  Pipe hitting Front wall. before first bend.\n"},
        {1201, 1285, "Machine: M1  Pipe hitting Back wall before first bend.\n"},
        // Both pass; bending, the straight reaches x 1251 at 20 degrees.
        {1201, 1286, "Machine: M1  Pipe hitting front wall during bend 1.\n"},
    };
    for (const auto& c : cases) {
        auto rooms = roomAndProbe();
        rooms[0].frontWall = c.front, rooms[0].backWall = c.back;
        auto s = runOf({straight(1000), bend(785, 90, 500), straight(500)}, rooms, {{}, {0, 1, 0, 200}, {}});
        EXPECT_EQ(totalPipeLength(s->prep, s->cutFile.cutPieces.current.bendCount, kFirstRun), 2485);
        EXPECT_EQ(simulate(*s, kFirstRun), 0);
        EXPECT_EQ(s->clash.halfDiameter, 50);
        EXPECT_EQ(s->clash.pipeShapes.count, 0);
        ASSERT_EQ(s->clash.clashLineCount, 1);
        EXPECT_STREQ(s->clash.clashLines[0], c.line);
    }
}

// Samples every piece in full, straights from half a diameter inside each
// end and arcs from their chord, and tests every point: the oracle below.
int32_t testEveryPoint(JobState& s, int32_t od) {
    auto length = [](const double v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); };
    for (int32_t i = 0; i < s.clash.pipeShapes.count; ++i) {
        s.clash.pipeShapes.load(i);
        const PipeShapeRecord p = s.clash.pipeShapes.current;
        const double k[3] = {p.centreX, p.centreY, p.centreZ};
        double a[3] = {p.startX, p.startY, p.startZ}, b[3] = {p.endX, p.endY, p.endZ};
        const double ka[3] = {a[0] - k[0], a[1] - k[1], a[2] - k[2]}, ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double rho = length(ka);
        const double along = p.pieceType == 2 ? p.arcAngle * 0.002777777777777778 * rho * 6.2832 : length(ab) - od;
        const int32_t count = std::min(300, static_cast<int32_t>(along / s.clash.halfDiameter + 1));
        if (p.pieceType == 2) arcChordEnds(s.clash, i, a, b);
        const double chord[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, span = length(chord);
        for (int j = 0; j < count; ++j) {
            double q[3], u[3];
            if (p.pieceType == 2) {  // a point of the chord pushed out onto the circle
                const double t = count == 1 ? 0.0 : j * (span / (count - 1));
                for (int c = 0; c < 3; ++c) q[c] = count == 1 ? a[c] : a[c] + chord[c] / span * t;
                normalizeVector(q[0] - k[0], q[1] - k[1], q[2] - k[2], u[0], u[1], u[2]);
                for (int c = 0; c < 3; ++c) q[c] = k[c] + rho * u[c];
            } else {
                const double t = count == 1 ? od / 2 : od / 2 + j * ((span - od) / (count - 1));
                for (int c = 0; c < 3; ++c) q[c] = a[c] + chord[c] / span * t;
            }
            s.clash.sampleX[j] = q[0], s.clash.sampleY[j] = q[1], s.clash.sampleZ[j] = q[2];
        }
        if (testRoomPoints(s.clash, count, od) == 0) return 0;
    }
    return 1;
}

// testPipeShape leaves out the tests it can prove clear from a piece's
// bounds, and the simulation leaves out of a whole feed, bend or rotation
// the pieces it finds clear throughout. Neither may change a result: after
// every step of random motions of random pipes testPipeShape must agree
// with testing every point, and a pipe found clear must pass every step.
TEST(Simulate, LeavingOutClearPiecesChangesNoResult) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> coord(-2500, 2500), unit(-1, 1);
    int clearRuns[3] = {0, 0, 0}, clashes = 0;
    for (int trial = 0; trial < 900; ++trial) {
        MachineRecord room = testing::room();
        room.hasPit = static_cast<int16_t>(trial % 2), room.pitDepth = 1500, room.pitRadius = 2000;
        room.frontWall = 4500, room.leftWall = room.rightWall = 3000;
        auto s = testing::freshState();
        testing::addRoom(*s, room);
        s->clash.machine = s->shop.machines.at(0);
        s->prep.bendOptions.current.hand = static_cast<int16_t>(1 + trial % 3 % 2);
        // A straight from `base`, and an arc of random plane, radius and
        // angle ending there; for rotations near the feed line in front of the machine.
        const int motion = trial % 3;
        const double cy = s->prep.bendOptions.current.hand == 1 ? -500 : 500;
        const Point base = {motion == 1 ? 1200 + coord(gen) / 3 : coord(gen),
                                motion == 1 ? cy + coord(gen) / 10 : coord(gen),
                                1050 + coord(gen) / (motion == 1 ? 10 : 2)};
        double e1[3], e2[3], v[3];
        Point end, centre, start;
        normalizeVector(unit(gen), unit(gen), unit(gen), e1[0], e1[1], e1[2]);
        crossProduct(e1[0], e1[1], e1[2], unit(gen), unit(gen), unit(gen), v[0], v[1], v[2]);
        normalizeVector(v[0], v[1], v[2], e2[0], e2[1], e2[2]);
        const double rho = 300 + 200 * unit(gen);
        const int32_t angle = static_cast<int32_t>(150 * (unit(gen) + 1));
        for (int c = 0; c < 3; ++c) {
            end[c] = base[c] + 400 * e2[c];
            centre[c] = base[c] - rho * (std::cos(angle / 57.3) * e1[c] + std::sin(angle / 57.3) * e2[c]);
            start[c] = centre[c] + rho * e1[c];
        }
        testing::addPiece(*s, base, end);
        testing::addPiece(*s, start, base, centre, angle);

        bool clear[2];
        if (motion == 0) clash::piecesClearOverFeed(s->clash, 100, 3000, 32, clear);
        if (motion == 1) clash::piecesClearOverTurn(s->clash, 100, true, cy, 1050, 500, 80, clear);
        if (motion == 2) clash::piecesClearOverTurn(s->clash, 100, false, 0, 0, 500, 80, clear);
        const bool foundClear = clear[0] && clear[1];
        clearRuns[motion] += foundClear;
        for (int k = 1; k <= (motion == 0 ? 30 : 72); ++k) {
            const int32_t result = motion == 0   ? feedPipeStep(s->clash, 100, 100)
                                   : motion == 1 ? rotatePipeStep(s->clash, s->prep.bendOptions.current.hand, -5, 100, 500)
                                                 : bendPipeStep(s->clash, s->prep.bendOptions.current.hand, (k - 1) * 5, k * 5, 100, 500);
            ASSERT_EQ(result, testEveryPoint(*s, 100)) << "trial " << trial << " step " << k;
            ASSERT_TRUE(result == 1 || !foundClear) << "trial " << trial << " step " << k << ": " << s->clash.clashLines[0];
            if (result == 1) continue;
            ASSERT_EQ(s->clash.clashLineCount, 2);
            EXPECT_STREQ(s->clash.clashLines[0], s->clash.clashLines[1]);
            ++clashes;
            break;
        }
    }
    for (int count : clearRuns) EXPECT_GT(count, 20);
    EXPECT_GT(clashes, 200);
    EXPECT_LT(clashes, 800);
}

// Bend and rotation steps take a point's turn from the kept turns when the
// same bits were turned the same way before. Random pipes moved by random
// steps, each twice (the second time from the kept turns), must end bit for
// bit where computing every turn leaves them, with the planning threads'
// table (which grows while they turn) and with one of four slots, where
// turns keep replacing each other.
TEST(Simulate, KeptPointTurnsGiveTheComputedBits) {
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> coord(-3000, 3000);
    std::uniform_int_distribution<int> pick(0, 5);
    auto kept = testing::freshState();
    auto few = testing::freshState();
    auto computed = testing::freshState();
    computed->clash.shortcuts = false;
    few->clash.pointTurns.setSlotBits(2);
    for (auto* s : {kept.get(), few.get(), computed.get()}) {
        testing::addRoom(*s, testing::room());
        s->clash.machine = s->shop.machines.at(0);
        s->clash.framesUntested = true;  // the motions alone
    }
    auto samePipe = [](const ClashState& a, const ClashState& b) {
        return a.pipeShapes.count == b.pipeShapes.count &&
               std::memcmp(a.pipeShapes.entries.data(), b.pipeShapes.entries.data(),
                           sizeof(PipeShapeRecord) * static_cast<std::size_t>(a.pipeShapes.count)) == 0;
    };
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<Point> corners;
        for (int c = 0; c < 4; ++c) corners.push_back({coord(gen), coord(gen), 1050 + coord(gen) / 3});
        int motions[24];
        for (int& m : motions) m = pick(gen);
        for (int pass = 0; pass < 2; ++pass) {
            for (auto* s : {kept.get(), few.get(), computed.get()}) {
                s->clash.pipeShapes.clear();
                testing::addPiece(*s, corners[0], corners[1]);
                testing::addPiece(*s, corners[1], corners[2], corners[3], 90);
                // A piece that starts where the last one ends: the same point twice in one step.
                testing::addPiece(*s, corners[2], corners[0]);
            }
            for (int k = 0; k < 24; ++k) {
                const int16_t hand = static_cast<int16_t>(1 + motions[k] % 2);
                for (auto* s : {kept.get(), few.get(), computed.get()}) {
                    if (motions[k] < 4) {
                        rotatePipeStep(s->clash, hand, motions[k] < 2 ? 5 : -35, 100, 400);
                    } else {
                        bendPipeStep(s->clash, hand, 5 * k, 5 * k + 5, 100, 400);
                    }
                }
                ASSERT_TRUE(samePipe(kept->clash, computed->clash)) << "trial " << trial << " pass " << pass;
                ASSERT_TRUE(samePipe(few->clash, computed->clash)) << "trial " << trial << " pass " << pass;
            }
        }
    }
    EXPECT_EQ(computed->clash.pointTurns.hits + computed->clash.pointTurns.computed, 0);
    // At least every second pass, and the repeated point of each step.
    EXPECT_GT(kept->clash.pointTurns.hits, kept->clash.pointTurns.computed);
    EXPECT_GT(few->clash.pointTurns.hits, 0);
    EXPECT_GT(few->clash.pointTurns.computed, kept->clash.pointTurns.computed);
    // The planning threads' table grew on the way, letting its turns go.
    EXPECT_GT(kept->clash.pointTurns.slotBitsInUse(), PointTurns::kFirstSlotBits);
}

}  // namespace
}  // namespace kwarel
