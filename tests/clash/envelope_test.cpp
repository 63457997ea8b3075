#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "clash/envelope.h"
#include "clash/report.h"
#include "clash_fixture.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::Point;

// A fresh state with the room in the machine slot, at bend 1.
std::unique_ptr<JobState> roomState(const MachineRecord& room) {
    auto s = testing::freshState();
    testing::addRoom(*s, room);
    s->clash.machine = s->shop.machines.at(0);
    s->clash.simulationPosition = 2;
    return s;
}

// Tests the pipe `addPieces` forms in `room` with the shortcuts and with every
// point tested; both must give the same result and clash line. Returns the
// result.
template <typename AddPieces>
int32_t sameAsEveryPointTested(const MachineRecord& room, AddPieces addPieces, int trial) {
    std::string lines[2];
    int32_t result[2];
    for (const bool shortcuts : {true, false}) {
        auto s = roomState(room);
        s->clash.shortcuts = shortcuts;
        addPieces(*s);
        result[shortcuts] = testPipeShape(s->clash, 100);
        lines[shortcuts] = s->clash.clashLines[0];
    }
    EXPECT_EQ(result[0], result[1]) << "trial " << trial;
    EXPECT_EQ(lines[0], lines[1]) << "trial " << trial;
    return result[1];
}

// Tests balls of OD 100 (radius 48), each alone: the surface hit, or clear (nullptr).
using PointCase = std::tuple<double, double, double, const char*>;
void expectPoints(const MachineRecord& room, std::initializer_list<PointCase> cases) {
    for (const auto& [x, y, z, surface] : cases) {
        auto s = roomState(room);
        s->clash.sampleX[0] = x, s->clash.sampleY[0] = y, s->clash.sampleZ[0] = z;
        EXPECT_EQ(testRoomPoints(s->clash, 1, 100), surface == nullptr ? 1 : 0) << x << ", " << y << ", " << z;
        const std::string hit = surface == nullptr ? "" : "Machine: M1  Pipe hitting " + std::string(surface);
        EXPECT_EQ(s->clash.clashLines[0], surface == nullptr ? hit : hit + " during bend 1.\n");
    }
}

TEST(Envelope, WallsFloorCeilingAndMachineInTheirOrder) {
    expectPoints(testing::room(), {
        {-500, 0, 1050, nullptr},  {-500, 0, 1048, "machine"},      // resting on the top is clear: z > top + r by 2
        {5000, 0, 47.9, "floor"},  {5000, 0, 48.0, nullptr},        // trunc(z) 47 < 48
        {10048.9, 0, 2000, nullptr}, {10049, 0, 2000, "front wall"}, // 10048 - 48 is not greater than 10000
        {20000, 0, 0, "front wall"},                                // tested before the floor
        {5000, -5048, 2000, nullptr}, {5000, -5049, 2000, "right wall"}, {5000, 5049, 2000, "left wall"},
        {5000, 0, 4048, nullptr},  {5000, 0, 4049, "ceiling"},       {-10049, 0, 2000, "back wall"},
        {30, 0, 1030, "machine"},           // top edge at the front: 42.4 from (0, 1000)
        {36, 0, 1036, "front of machine"},  // 50.9 from that edge: the body is clear, the front is not
        {30, 420, 500, "machine"},          // vertical edge at (0, 400): 36.1 away
        {30, 420, 1020, "machine"},         // top corner (0, 400, 1000): 41.2 away
        {40, 430, 1030, nullptr},           // 58.3 from that corner, beyond the front's reach in y
        {100, 0, 500, "front of machine"}, {100, 0, 1049, nullptr},
    });
    MachineRecord pit = testing::room();
    pit.hasPit = 1, pit.pitDepth = 2000, pit.pitRadius = 1500;
    expectPoints(pit, {
        {800, 0, 47.9, nullptr}, {800, 0, -100, nullptr},  // below floor level in the pit: never "floor"
        {800, 0, -1960, "floor of pit"},
        {40, 0, -100, "back wall of pit"},  // behind x = r
        {800, 1460, -100, "left wall of pit"}, {800, -1460, -100, "right wall of pit"},
        {1400, 400, -100, "front wall of pit"},  // 1456 from the bending centre, >= 1500 - 48
        {1452, 0, -100, "front wall of pit"},    // exactly 1500 - 48: the wall is reached
        {300, 100, -100, "back wall of pit"},    // 316 from the centre, <= 300 + 48
    });
}

TEST(Envelope, SamplesOfStraightsAndArcs) {
    // Pieces on the floor far in front of the machine: the first point of a
    // sampled piece clashes and leaves the piece's points in the arrays.
    auto floorState = [] {
        auto s = roomState(testing::room());
        std::fill(s->clash.sampleX, s->clash.sampleX + kMaxSamples, -1.0);
        return s;
    };
    // OD 100 and half diameter 50: 200 long gives 3 points, 120 one, 99 none (and passes).
    const std::vector<std::vector<double>> expected = {{5050, 5100, 5150, -1}, {5050, -1}, {-1}};
    const double lengths[] = {200, 120, 99};
    for (int c = 0; c < 3; ++c) {
        auto s = floorState();
        testing::addPiece(*s, {5000, 0, 0}, {5000 + lengths[c], 0, 0});
        EXPECT_EQ(testPipeShape(s->clash, 100), c == 2 ? 1 : 0);
        EXPECT_EQ(std::vector<double>(s->clash.sampleX, s->clash.sampleX + expected[c].size()), expected[c]);
    }
    // 1999 points cut to 300, from 50 inside one end to 50 inside the other.
    auto s = floorState();
    testing::addPiece(*s, {5000, 0, 0}, {105000, 0, 0});
    EXPECT_EQ(testPipeShape(s->clash, 100), 0);
    EXPECT_DOUBLE_EQ(s->clash.sampleX[1] - s->clash.sampleX[0], 99900.0 / 299);
    EXPECT_NEAR(s->clash.sampleX[299], 104950, 1e-6);
    // A 90-degree arc of radius 500 (785.4 long): trunc(15.7 + 1) = 16 points on the circle, end to end.
    s = floorState();
    testing::addPiece(*s, {5500, 0, 0}, {5000, 500, 0}, {5000, 0, 0}, 90);
    EXPECT_EQ(testPipeShape(s->clash, 100), 0);
    for (int j = 0; j < 16; ++j) EXPECT_NEAR(std::hypot(s->clash.sampleX[j] - 5000, s->clash.sampleY[j]), 500, 1e-9);
    EXPECT_EQ(std::vector<double>({s->clash.sampleX[0], s->clash.sampleX[16]}), std::vector<double>({5500, -1}));
    EXPECT_NEAR(s->clash.sampleY[15], 500, 1e-9);
    EXPECT_EQ(testPipeShape(floorState()->clash, 100), 1);  // no pieces

    // From 180 degrees the chord ends move 0.2 x 500 the way the previous
    // piece runs into the arc, whichever end joins it; below 180 they do not.
    using V = std::vector<double>;
    for (const bool joinedAtEnd : {true, false}) {
        s = testing::freshState();
        if (joinedAtEnd) testing::addPiece(*s, {0, 500, 0}, {-1000, 500, 0});
        if (!joinedAtEnd) testing::addPiece(*s, {-1000, -500, 0}, {0, -500, 0});
        testing::addPiece(*s, {0, -500, 0}, {0, 500, 0}, {0, 0, 0}, 180);
        double a[3], b[3];
        arcChordEnds(s->clash, 1, a, b);
        EXPECT_EQ(V(a, a + 3), (joinedAtEnd ? V{100, 500, 0} : V{100, -500, 0}));
        EXPECT_EQ(V(b, b + 3), (joinedAtEnd ? V{100, -500, 0} : V{100, 500, 0}));
        EXPECT_EQ(s->clash.pipeShapes.current.arcAngle, 180);  // the arc is back in the slot
        s->clash.pipeShapes.current.arcAngle = 179;
        arcChordEnds(s->clash, 1, a, b);
        EXPECT_EQ(V(a, a + 3), (V{0, -500, 0}));
    }
}

// Short pieces hanging in the pit, many close to one of its walls or its
// floor: every piece gives the same result and line as when each of its
// points is tested (the whole-piece bounds leave out only what cannot fire).
TEST(Envelope, PiecesInThePitAsWhenEveryPointIsTested) {
    MachineRecord room = testing::room();
    room.hasPit = 1, room.pitDepth = 1500, room.pitRadius = 2000;
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> unit(-1, 1);
    int results[2] = {0, 0};
    for (int trial = 0; trial < 4000; ++trial) {
        const double turn = 1.5 * unit(gen), from = 1150 + 900 * unit(gen), depth = -750 + 800 * unit(gen);
        const Point base = {from * std::cos(turn), from * std::sin(turn), depth};
        const Point end = {base[0] + 200 * unit(gen), base[1] + 200 * unit(gen), base[2] + 200 * unit(gen)};
        const Point centre = {base[0] + 150 * unit(gen), base[1] + 150 * unit(gen), base[2]};
        // An arc of the circle through base about centre, a quarter turn in the horizontal plane.
        const Point arcEnd = {centre[0] - (base[1] - centre[1]), centre[1] + (base[0] - centre[0]), base[2]};
        ++results[sameAsEveryPointTested(
            room,
            [&](JobState& s) {
                testing::addPiece(s, end, base);
                testing::addPiece(s, base, arcEnd, centre, 90);
            },
            trial)];
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GT(results[0], 1000);
    EXPECT_GT(results[1], 1000);
}

// Arcs of many sizes, planes and angles (after a straight) near each wall,
// the ceiling, the floor and the machine, every second one starting at the
// point of its sphere nearest a wall, ceiling or floor, within 10 of where
// that point clashes: every pipe gives the same result and line as when each
// of its points is tested, so the bounds that leave arcs out of the tests
// (their sphere first, then their chord) leave out only what cannot fire.
TEST(Envelope, ArcsNearEverySurfaceAsWhenEveryPointIsTested) {
    const Point near[] = {{9800, 0, 2000}, {0, 4800, 2000}, {0, -4800, 2000}, {0, 0, 3800}, {5000, 0, 200},
                          {-9800, 0, 2000}, {-300, 0, 1200}, {250, 0, 500}, {-200, 650, 500}};
    // A surface's outward direction and the coordinate from which a point clashes.
    struct Surface {
        int axis;
        double sign, clashesFrom;
    };
    const Surface surfaces[] = {{0, 1, 10049}, {1, 1, 5049},     {1, -1, 5049},
                                {2, 1, 4049},  {2, -1, -47.99}, {0, -1, 10049}};
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> unit(-1, 1);
    auto normalized = [](Point d) {
        const double length = std::hypot(d[0], d[1], d[2]);
        for (double& c : d) c /= length;
        return d;
    };
    int results[2] = {0, 0};
    for (int trial = 0; trial < 6000; ++trial) {
        const int place = (trial / 2) % static_cast<int>(std::size(near));
        const double rho = 400 + 340 * unit(gen);
        const int32_t angle = 155 + static_cast<int32_t>(145 * unit(gen));
        // The arc turns from u towards w. The straight before it (which moves
        // the chord of an arc of 180 degrees or more) ends at its centre, away
        // from where the arc clashes.
        Point u = normalized({unit(gen), unit(gen), unit(gen)});
        Point centre = {near[place][0] + 400 * unit(gen), near[place][1] + 400 * unit(gen),
                        near[place][2] + 400 * unit(gen)};
        if (trial % 2 == 1 && place < static_cast<int>(std::size(surfaces))) {
            const Surface& surface = surfaces[place];
            u = {0, 0, 0};
            u[surface.axis] = surface.sign;
            centre[surface.axis] = surface.sign * (surface.clashesFrom + 10 * unit(gen)) - surface.sign * rho;
        }
        Point w = normalized({unit(gen), unit(gen), unit(gen)});
        const double along = w[0] * u[0] + w[1] * u[1] + w[2] * u[2];
        for (int c = 0; c < 3; ++c) w[c] -= along * u[c];
        w = normalized(w);
        const double turn = angle * 0.017453292519943295;
        Point start, end, before;
        for (int c = 0; c < 3; ++c) {
            start[c] = centre[c] + rho * u[c];
            end[c] = centre[c] + rho * (std::cos(turn) * u[c] + std::sin(turn) * w[c]);
            before[c] = centre[c] - 200 * w[c];
        }
        ++results[sameAsEveryPointTested(
            testing::room(),
            [&](JobState& s) {
                testing::addPiece(s, before, centre);
                testing::addPiece(s, start, end, centre, angle);
            },
            trial)];
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GT(results[0], 1000);
    EXPECT_GT(results[1], 1000);
}

// The other forms of the line are checked where the envelope and the run
// simulation report their clashes.
TEST(ClashReport, LongestNameAndSurfaceAndTwoDigitBends) {
    auto s = testing::freshState();
    copyText(s->clash.machine.name, "MACHINE-XYZ");
    s->clash.simulationPosition = 41, s->clash.motionPhase = 3;
    addClashLine(s->clash, "front wall of pit");
    s->clash.simulationPosition = 40;
    addClashLine(s->clash, "machine");
    ASSERT_EQ(s->clash.clashLineCount, 2);
    EXPECT_STREQ(s->clash.clashLines[0],
                 "Machine: MACHINE-XYZ  Pipe hitting front wall of pit after bend 20 during pipe rotation.\n");
    EXPECT_STREQ(s->clash.clashLines[1], "Machine: MACHINE-XYZ  Pipe hitting machine during bend 20.\n");
}

}  // namespace
}  // namespace kwarel
