#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "clash/shape_tests.h"
#include "clash/simulate.h"
#include "clash_fixture.h"
#include "store/vectors.h"
#include "support/builders.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::bend;
using testing::RoomSetup;
using testing::straight;

TEST(Simulate, DirectionAngles) {
    const double a = 44.99989477067122;  // atan(1) x 360 / 6.2832
    struct Case {
        double x, y, planar, axial;  // seen from (0, 0)
    } cases[] = {{0, 5, 90, 0},          {0, -5, 270, 180},        {5, 0, 0, 90},
                 {-5, 0, 180, 270},      {1, 1, a, a},             {-1, 1, 180 - a, 360 - a},
                 {-1, -1, a + 180, a + 180}, {1, -1, 360 - a, 180 - a}};
    for (const Case& c : cases) {
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
    testing::addRoom(*s, {});
    s->machines.load(0);
    s->bendOptions.current.hand = 2;
    testing::addStraightPiece(*s, 0, 100, 1050, 500, 100, 1050);
    ASSERT_EQ(bendPipeStep(*s, 0, 5, 100, 100), 1);
    EXPECT_EQ(s->motionPhase, 1);
    const PipeShapeRecord& p = s->pipeShapes.at(0);
    EXPECT_NEAR(p.startX, 8.7156, 1e-4);  // 100 sin 5 and 100 cos 5: carried to the arc's end
    EXPECT_NEAR(p.startY, 99.6195, 1e-4);
    // Turned to 355 and placed with 355 x 6.2832 / 360 radians: as 6.2832 is
    // not quite a full turn, the turn falls 1.5e-5 radians short of 5 degrees.
    EXPECT_NEAR(p.endX, 506.81357498643325, 1e-9);
    EXPECT_NEAR(p.endY, 56.04881347104765, 1e-9);
    EXPECT_EQ(p.endZ, 1050);
    for (int k = 10; k <= 90; k += 5) ASSERT_EQ(bendPipeStep(*s, k - 5, k, 100, 100), 1);
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
    int32_t rotation = 0;
    int32_t extraBefore = 0;
};
std::unique_ptr<JobState> runOf(const std::vector<testing::StepSetup>& steps, const std::vector<RoomSetup>& rooms,
                                const std::vector<Position>& positions, int32_t springback = 0) {
    auto s = testing::freshState();
    testing::PieceSetup piece;
    piece.outsideDiameter = 100;
    piece.springbackAngle = springback;
    testing::addPreparedPiece(*s, piece, steps);
    s->options.INCLUDE_BEND_SPRINGBACK = springback != 0;
    for (const RoomSetup& room : rooms) testing::addRoom(*s, room);
    for (std::size_t p = 0; p < positions.size(); ++p) {
        BendOptionRecord& o = s->bendOptions.current;
        s->bendOptions.zeroCurrent();
        copyText(o.cutId, "C1");
        copyText(o.spoolId, "S1");
        o.stepIndex = static_cast<int32_t>(p), o.direction = 1;
        o.machineIndex = positions[p].machine, o.hand = positions[p].hand;
        o.rotation = positions[p].rotation, o.extraBefore = positions[p].extraBefore;
        s->bendOptions.append();
        s->bendOptions.store(s->bendOptions.count - 1);
    }
    return s;
}

// Machine 0 is the run's room (top at 2000, pipe axis at 2050); machine 1,
// the probe, is the same room with its front wall at `probeFrontWall`.
std::vector<RoomSetup> roomAndProbe(int32_t probeFrontWall = -100000) {
    RoomSetup room;
    room.machineHeight = 2000;
    room.frontWall = 20000;
    RoomSetup probe = room;
    probe.name = "PROBE";
    probe.frontWall = probeFrontWall;
    return {room, probe};
}

// The motions a run should make, replayed by hand on a copy of its state;
// the piece and points a probe clash leaves in the slots must be the same.
struct Replay {
    std::unique_ptr<JobState> s;
    explicit Replay(const JobState& from) : s(testing::freshState()) { *s = from; }
    void at(int32_t position) {  // that position's option and machine in their slots
        s->bendOptions.load(position);
        s->machines.load(s->bendOptions.current.machineIndex);
    }
    void straight(double length, double y) { testing::addStraightPiece(*s, 0, y, 2050, length, y, 2050); }
    // Load (first straight on the feed line at -500), first bend in steps to
    // each of `angles`, its arc, and the option of position 2.
    void firstBend(double length, const std::vector<int>& angles, int32_t angle) {
        at(0);
        straight(length, -500);
        at(1);
        int prev = 0;
        for (int a : angles) {
            ASSERT_EQ(bendPipeStep(*s, prev, a, 100, 500), 1) << a;
            prev = a;
        }
        const double t = angle * 6.2832 * 0.002777777777777778;
        const double start[3] = {0, -500, 2050}, end[3] = {500 * std::sin(t), -500 * std::cos(t), 2050},
                     centre[3] = {0, 0, 2050};
        testing::addPiece(*s, start, end, centre, angle);
        at(2);
    }
    void expectSameAs(const JobState& run) const {
        const PipeShapeRecord &a = run.pipeShapes.current, &b = s->pipeShapes.current;
        EXPECT_EQ(a.pieceType, b.pieceType);
        EXPECT_EQ(std::vector<double>({a.startX, a.startY, a.startZ, a.endX, a.endY, a.endZ}),
                  std::vector<double>({b.startX, b.startY, b.startZ, b.endX, b.endY, b.endZ}));
        if (a.pieceType == 2) {  // a straight's centre is never set
            EXPECT_EQ(std::vector<double>({a.centreX, a.centreY, a.centreZ, 1.0 * a.arcAngle}),
                      std::vector<double>({b.centreX, b.centreY, b.centreZ, 1.0 * b.arcAngle}));
        }
        EXPECT_EQ(std::vector<double>(run.sampleY, run.sampleY + 300),
                  std::vector<double>(s->sampleY, s->sampleY + 300));
    }
};

std::vector<int> stepsTo(int last) {
    std::vector<int> v;
    for (int k = 5; k < last; k += 5) v.push_back(k);
    return v;
}

TEST(Simulate, BendInStepsToTheTargetThenSpringBack) {
    struct Case {
        int32_t angle, springback;
        std::vector<int> steps;
    } cases[] = {{92, 0, stepsTo(92)}, {90, 3, stepsTo(93)}, {3, 0, {}}};
    cases[0].steps.push_back(92);  // 19 calls, the last 90 -> 92
    cases[1].steps.insert(cases[1].steps.end(), {93, 90});  // to 93, then one call 93 -> 90
    cases[2].steps.push_back(3);  // within one angle step: a single call
    for (const Case& c : cases) {
        // The first feed after the bend is made on the probe.
        auto s = runOf({straight(1000), bend(1000, c.angle, 500), straight(300), bend(0, 0, 500), straight(500)},
                       roomAndProbe(), {{}, {}, {1}, {}, {}}, c.springback);
        Replay r(*s);
        EXPECT_EQ(simulateRun(*s, 0), 0);
        EXPECT_EQ(s->pipeShapes.count, 0);
        ASSERT_EQ(s->clashLineCount, 1);
        EXPECT_EQ(testing::clashLine(*s, 0),
                  "Machine: PROBE  Pipe hitting front wall after bend 1 during pipe feed.\n");
        r.firstBend(1000, c.steps, c.angle);
        EXPECT_EQ(feedPipeStep(*r.s, 100, 100), 0);
        r.expectSameAs(*s);
    }
}

TEST(Simulate, FeedInStepsShiftAtNewRadiusAndRotationOneTurnLower) {
    // Straight 2 (250.7) is fed 100, 100, 50 and appended 250.7 long at the
    // next bend's feed line (-700); bend 2 (0 degrees, radius 700, on the
    // probe) first shifts every piece by -700 - (-500).
    auto s = runOf({straight(1000), bend(1000, 90, 500), straight(250.7), bend(0, 0, 700), straight(500)},
                   roomAndProbe(), {{}, {}, {}, {1}, {}});
    Replay r(*s);
    EXPECT_EQ(simulateRun(*s, 0), 0);
    EXPECT_EQ(testing::clashLine(*s, 0), "Machine: PROBE  Pipe hitting front wall during bend 2.\n");
    EXPECT_EQ(s->bendOptions.at(2).rotation, -360);  // no rotation made, and one turn lower

    r.firstBend(1000, {5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90}, 90);
    for (int feed : {100, 100, 50}) ASSERT_EQ(feedPipeStep(*r.s, feed, 100), 1);
    r.straight(250.7, -700);
    r.at(3);
    shiftPipeSideways(*r.s, -200);
    EXPECT_EQ(bendPipeStep(*r.s, 0, 0, 100, 700), 0);
    r.expectSameAs(*s);
}

// A U-turn leaves the first straight parallel to the feed line, 1000 to its
// +y side. Turning it +90 about the feed line swings it down across the
// body's side (190 + 48 from the middle): at 40 degrees it is at y 266, at
// 45 at y 207 and z 1343, on the side face. The long way, -270, passes above
// the machine and down its -y side, clear. Bend 2 (0 degrees) is made on
// `bend2Machine`.
std::unique_ptr<JobState> uTurnRun(int32_t bend2Machine, std::vector<RoomSetup> rooms) {
    rooms[0].bodyHalfWidth = 190;
    rooms[0].frontRadius = 100;
    return runOf({straight(2000), bend(1570.8, 180, 500), straight(300), bend(0, 0, 500), straight(500)}, rooms,
                 {{}, {}, {0, 1, 90}, {bend2Machine}, {}});
}

TEST(Simulate, RotationClashingAt45GoesTheLongWayRound) {
    auto s = uTurnRun(0, roomAndProbe());
    EXPECT_EQ(simulateRun(*s, 0), 1);
    ASSERT_EQ(s->clashLineCount, 1);
    EXPECT_EQ(testing::clashLine(*s, 0),
              "Machine: M1  Pipe hitting machine after bend 1 during pipe rotation.\n");
    EXPECT_EQ(s->bendOptions.at(2).rotation, -270);

    // Bend 2 on probes that the first straight hits (right wall at -400) or
    // only the U-turn's arc reaches (front wall at 600): either must find the
    // pipe where +5 x 9, -45, -5 x 54 put it.
    for (int probe = 0; probe < 2; ++probe) {
        auto rooms = roomAndProbe(probe == 0 ? 20000 : 600);
        if (probe == 0) rooms[1].rightWall = 400;
        s = uTurnRun(1, rooms);
        Replay r(*s);
        EXPECT_EQ(simulateRun(*s, 0), 0);
        ASSERT_EQ(s->clashLineCount, 2);
        EXPECT_EQ(testing::clashLine(*s, 1), std::string("Machine: PROBE  Pipe hitting ") +
                                                 (probe == 0 ? "right wall" : "front wall") + " during bend 2.\n");
        EXPECT_EQ(s->pipeShapes.current.pieceType, probe == 0 ? 1 : 2);

        std::vector<int> halfTurn = stepsTo(180);
        halfTurn.push_back(180);
        r.firstBend(2000, halfTurn, 180);
        for (int i = 0; i < 3; ++i) ASSERT_EQ(feedPipeStep(*r.s, 100, 100), 1);
        for (int i = 0; i < 8; ++i) ASSERT_EQ(rotatePipeStep(*r.s, 5, 100, 500), 1);
        EXPECT_EQ(rotatePipeStep(*r.s, 5, 100, 500), 0);
        rotatePipeStep(*r.s, -45, 100, 500);
        for (int i = 0; i < 54; ++i) ASSERT_EQ(rotatePipeStep(*r.s, -5, 100, 500), 1);
        r.straight(300, -500);
        r.at(3);
        EXPECT_EQ(bendPipeStep(*r.s, 0, 0, 100, 500), 0);
        r.expectSameAs(*s);
    }
}

TEST(Simulate, LoadChecksFrontAndBackWall) {
    // D = 1000 + 200 extra before the bend; of the 2485.4 of pipe, 1285.4
    // lie behind the bend head. Walls at those distances are reached.
    struct Case {
        int32_t front, back;
        const char* line;
    } cases[] = {
        {1200, 100000, "Machine: M1  Pipe hitting Front wall. before first bend.\n"},
        {1201, 1285, "Machine: M1  Pipe hitting Back wall before first bend.\n"},
        // Both checks pass; bending, the straight reaches x 1251 at 20 degrees.
        {1201, 1286, "Machine: M1  Pipe hitting front wall during bend 1.\n"},
    };
    for (const Case& c : cases) {
        auto rooms = roomAndProbe();
        rooms[0].frontWall = c.front;
        rooms[0].backWall = c.back;
        auto s = runOf({straight(1000), bend(785.4, 90, 500), straight(500)}, rooms, {{}, {0, 1, 0, 200}, {}});
        EXPECT_NEAR(totalPipeLength(*s, 0), 2485.4, 1e-9);
        EXPECT_EQ(simulateRun(*s, 0), 0);
        EXPECT_EQ(s->halfDiameter, 50);
        EXPECT_EQ(s->pipeShapes.count, 0);
        ASSERT_EQ(s->clashLineCount, 1);
        EXPECT_EQ(testing::clashLine(*s, 0), c.line);
    }
}

// The simulation leaves out of a feed, bend or rotation the pieces it finds
// clear of every surface for the whole motion: a pipe found clear must then
// pass every step's full test.
TEST(Simulate, PiecesFoundClearStayClearThroughTheMotion) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> coord(-2500, 2500), unit(-1, 1);
    int clearRuns[3] = {0, 0, 0};
    for (int trial = 0; trial < 600; ++trial) {
        auto s = testing::freshState();
        RoomSetup room;
        room.hasPit = static_cast<int16_t>(trial % 2), room.pitDepth = 1500, room.pitRadius = 2000;
        room.frontWall = 4500;
        testing::addRoom(*s, room);
        s->machines.load(0);
        s->bendOptions.current.hand = static_cast<int16_t>(1 + trial % 3 % 2);
        // A straight and a half-turn arc ending at its start; for rotations
        // near the feed line in front of the machine.
        const int motion = trial % 3;
        const double cy = s->bendOptions.current.hand == 1 ? -500 : 500;
        const double base[3] = {motion == 1 ? 1200 + coord(gen) / 3 : coord(gen),
                                motion == 1 ? cy + coord(gen) / 10 : coord(gen),
                                1050 + coord(gen) / (motion == 1 ? 10 : 2)};
        double e[3], end[3], centre[3];
        normalizeVector(unit(gen), unit(gen), unit(gen), e[0], e[1], e[2]);
        for (int c = 0; c < 3; ++c) end[c] = base[c] + 400 * e[c], centre[c] = base[c] + 300 * e[(c + 1) % 3];
        testing::addPiece(*s, base, end);
        const double start[3] = {2 * centre[0] - base[0], 2 * centre[1] - base[1], 2 * centre[2] - base[2]};
        testing::addPiece(*s, start, base, centre, 180 + trial % 20);

        bool clear[2];
        if (motion == 0) clash::piecesClearOverFeed(*s, 100, 3000, 32, clear);
        if (motion == 1) clash::piecesClearOverTurn(*s, 100, true, cy, 1050, 500, 80, clear);
        if (motion == 2) clash::piecesClearOverTurn(*s, 100, false, 0, 0, 500, 80, clear);
        if (!clear[0] || !clear[1]) continue;
        ++clearRuns[motion];
        for (int k = 1; k <= (motion == 0 ? 30 : 72); ++k) {
            const int32_t result = motion == 0   ? feedPipeStep(*s, 100, 100)
                                   : motion == 1 ? rotatePipeStep(*s, -5, 100, 500)
                                                 : bendPipeStep(*s, (k - 1) * 5, k * 5, 100, 500);
            ASSERT_EQ(result, 1) << "trial " << trial << " step " << k << ": " << testing::clashLine(*s, 0);
        }
    }
    for (int count : clearRuns) EXPECT_GT(count, 20);
}

}  // namespace
}  // namespace kwarel
