#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "clash/envelope.h"
#include "clash_fixture.h"
#include "store/vectors.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::RoomSetup;

struct PointCase {
    double x, y, z;
    const char* surface;  // nullptr: clear
};

// Tests one ball of OD 100 (radius 48) in the room and checks the outcome.
void expectPoints(const RoomSetup& room, std::initializer_list<PointCase> cases) {
    for (const PointCase& c : cases) {
        auto s = testing::freshState();
        testing::addRoom(*s, room);
        s->machines.load(0);
        s->simulationPosition = 2;
        s->sampleX[0] = c.x, s->sampleY[0] = c.y, s->sampleZ[0] = c.z;
        SCOPED_TRACE(::testing::Message() << "point " << c.x << ", " << c.y << ", " << c.z);
        EXPECT_EQ(testRoomPoints(*s, 1, 100), c.surface == nullptr ? 1 : 0);
        ASSERT_EQ(s->clashLineCount, c.surface == nullptr ? 0 : 1);
        if (c.surface != nullptr) {
            EXPECT_EQ(testing::clashLine(*s, 0), std::string("Machine: M1  Pipe hitting ") + c.surface +
                                                     " during bend 1.\n");
        }
    }
}

TEST(Envelope, WallsFloorCeilingAndMachineInTheirOrder) {
    // Machine top at 1000, body 400 to each side, front radius 300, ceiling
    // at 4000, walls at x 10000 / -10000 and y 5000 / -5000.
    expectPoints({}, {
        {-500, 0, 1050, nullptr},        // a pipe resting on the machine: z > top + r by 2
        {-500, 0, 1048, "machine"},      // top face reached
        {5000, 0, 47.9, "floor"},        // trunc(z) 47 < 48
        {5000, 0, 48.0, nullptr},
        {10048.9, 0, 2000, nullptr},     // 10048 - 48 is not greater than 10000
        {10049, 0, 2000, "front wall"},
        {20000, 0, 0, "front wall"},     // the front wall is tested before the floor
        {5000, -5048, 2000, nullptr},
        {5000, -5049, 2000, "right wall"},
        {5000, 5049, 2000, "left wall"},
        {5000, 0, 4048, nullptr},
        {5000, 0, 4049, "ceiling"},
        {-10049, 0, 2000, "back wall"},
        {30, 0, 1030, "machine"},          // top edge at the front: 42.4 from (0, 1000)
        {36, 0, 1036, "front of machine"}, // 50.9 from that edge: the body is clear, the front is not
        {30, 420, 500, "machine"},         // vertical edge at (0, 400): 36.1 away
        {30, 420, 1020, "machine"},        // top corner (0, 400, 1000): 41.2 away
        {40, 430, 1030, nullptr},          // 58.3 from that corner, beyond the front's reach in y
        {100, 0, 500, "front of machine"},
        {100, 0, 1049, nullptr},
    });
}

TEST(Envelope, PitSurfacesReplaceTheFloor) {
    RoomSetup pit;
    pit.hasPit = 1;
    pit.pitDepth = 2000;
    pit.pitRadius = 1500;
    expectPoints(pit, {
        {800, 0, 47.9, nullptr},  // below floor level, inside the pit: never "floor"
        {800, 0, -100, nullptr},
        {800, 0, -1960, "floor of pit"},
        {40, 0, -100, "back wall of pit"},  // behind x = r
        {800, 1460, -100, "left wall of pit"},
        {800, -1460, -100, "right wall of pit"},
        {1400, 400, -100, "front wall of pit"},  // 1456 from the bending centre, >= 1500 - 48
        {300, 100, -100, "back wall of pit"},    // 316 from the centre, <= 300 + 48
    });
}

// A room with the pipe pieces on the floor far in front of the machine, so
// that the first point of any piece tested clashes and leaves that piece's
// points in the sample arrays.
std::unique_ptr<JobState> floorRoom() {
    auto s = testing::freshState();
    testing::addRoom(*s, {});
    s->machines.load(0);
    s->halfDiameter = 50;
    s->simulationPosition = 2;
    for (int i = 0; i < kMaxSamples; ++i) s->sampleX[i] = s->sampleY[i] = s->sampleZ[i] = -1.0;
    return s;
}

TEST(Envelope, SampleCountsAndPlaces) {
    // Straights of 200, 120 and 99 with OD 100: 3 points, 1 point, none (the
    // last piece lies on the floor and still passes).
    const double lengths[] = {200, 120, 99};
    const std::vector<std::vector<double>> expected = {{5050, 5100, 5150}, {5050}, {}};
    for (int c = 0; c < 3; ++c) {
        auto s = floorRoom();
        testing::addStraightPiece(*s, 5000, 0, 0, 5000 + lengths[c], 0, 0);
        EXPECT_EQ(testPipeShape(*s, 100), expected[c].empty() ? 1 : 0);
        EXPECT_EQ(std::vector<double>(s->sampleX, s->sampleX + expected[c].size() + 1),
                  [&] { auto v = expected[c]; v.push_back(-1.0); return v; }());
    }
    // 1999 points cut to 300, from 50 inside one end to 50 inside the other.
    auto s = floorRoom();
    testing::addStraightPiece(*s, 5000, 0, 0, 105000, 0, 0);
    EXPECT_EQ(testPipeShape(*s, 100), 0);
    EXPECT_DOUBLE_EQ(s->sampleX[1] - s->sampleX[0], 99900.0 / 299);
    EXPECT_NEAR(s->sampleX[299], 104950, 1e-6);

    // A 90-degree arc of radius 500 (785.4 long): trunc(15.7 + 1) = 16 points
    // on the circle, from its start to its end.
    s = floorRoom();
    const double start[3] = {5500, 0, 0}, end[3] = {5000, 500, 0}, centre[3] = {5000, 0, 0};
    testing::addPiece(*s, start, end, centre, 90);
    EXPECT_EQ(testPipeShape(*s, 100), 0);
    for (int j = 0; j < 16; ++j) EXPECT_NEAR(std::hypot(s->sampleX[j] - 5000, s->sampleY[j]), 500, 1e-9);
    EXPECT_EQ(s->sampleX[0], 5500);
    EXPECT_NEAR(s->sampleY[15], 500, 1e-9);
    EXPECT_EQ(s->sampleX[16], -1.0);

    EXPECT_EQ(testPipeShape(*floorRoom(), 100), 1);  // no pieces
}

TEST(Envelope, ChordOfHalfTurnArcsMovesAlongThePreviousPiece) {
    const double start[3] = {0, -500, 0}, end[3] = {0, 500, 0}, centre[3] = {0, 0, 0};
    using V = std::vector<double>;
    // Previous straight leaving the arc's end (the joined end) towards -x, or
    // joining its start: both chord ends move 0.2 x 500 towards +x, the
    // joined end first.
    for (const bool joinedAtEnd : {true, false}) {
        auto s = testing::freshState();
        if (joinedAtEnd) testing::addStraightPiece(*s, 0, 500, 0, -1000, 500, 0);
        if (!joinedAtEnd) testing::addStraightPiece(*s, -1000, -500, 0, 0, -500, 0);
        testing::addPiece(*s, start, end, centre, 180);
        double a[3], b[3];
        arcChordEnds(*s, 1, a, b);
        EXPECT_EQ(V(a, a + 3), (joinedAtEnd ? V{100, 500, 0} : V{100, -500, 0}));
        EXPECT_EQ(V(b, b + 3), (joinedAtEnd ? V{100, -500, 0} : V{100, 500, 0}));
        EXPECT_EQ(s->pipeShapes.current.arcAngle, 180);  // the arc is back in the slot
        s->pipeShapes.current.arcAngle = 179;            // below 180: the arc's own ends
        arcChordEnds(*s, 1, a, b);
        EXPECT_EQ(V(a, a + 3), V(start, start + 3));
    }
}

// testPipeShape leaves out pieces and tests it can prove clear; the outcome
// must be that of sampling every piece in full and testing every point.
int32_t testEveryPoint(JobState& s, int32_t od) {
    auto length = [](double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); };
    for (int32_t i = 0; i < s.pipeShapes.count; ++i) {
        s.pipeShapes.load(i);
        const PipeShapeRecord p = s.pipeShapes.current;
        const double k[3] = {p.centreX, p.centreY, p.centreZ};
        double a[3] = {p.startX, p.startY, p.startZ}, b[3] = {p.endX, p.endY, p.endZ}, w[3], u[3];
        const double rho = length(k[0] - a[0], k[1] - a[1], k[2] - a[2]);
        const double along = p.pieceType == 2 ? p.arcAngle * 0.002777777777777778 * rho * 6.2832
                                              : length(b[0] - a[0], b[1] - a[1], b[2] - a[2]) - od;
        const int32_t count = std::min(300, static_cast<int32_t>(along / s.halfDiameter + 1));
        if (p.pieceType == 2) arcChordEnds(s, i, a, b);
        const double chord = length(b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        normalizeVector(b[0] - a[0], b[1] - a[1], b[2] - a[2], w[0], w[1], w[2]);
        for (int j = 0; j < count; ++j) {
            double q[3];
            if (p.pieceType == 2) {  // a point of the chord pushed out onto the circle
                const double step = j * (chord / (count - 1));
                for (int c = 0; c < 3; ++c) q[c] = count == 1 ? a[c] : a[c] + w[c] * step;
                normalizeVector(q[0] - k[0], q[1] - k[1], q[2] - k[2], u[0], u[1], u[2]);
                for (int c = 0; c < 3; ++c) q[c] = k[c] + rho * u[c];
            } else {
                const double t = count == 1 ? od / 2 : od / 2 + j * ((chord - od) / (count - 1));
                for (int c = 0; c < 3; ++c) q[c] = a[c] + (b[c] - a[c]) / chord * t;
            }
            s.sampleX[j] = q[0], s.sampleY[j] = q[1], s.sampleZ[j] = q[2];
        }
        if (testRoomPoints(s, count, od) == 0) return 0;
    }
    return 1;
}

TEST(Envelope, LeavingOutProvablyClearPiecesChangesNothing) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> coord(-1000, 1000), unit(-1, 1);
    RoomSetup room;
    room.frontWall = room.leftWall = room.rightWall = 2500;
    room.backWall = 2000, room.ceilingHeight = 1500, room.pitDepth = 800, room.pitRadius = 1200;
    int clashes = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        room.hasPit = static_cast<int16_t>(trial % 2);
        auto s1 = testing::freshState();
        testing::addRoom(*s1, room);
        s1->machines.load(0);
        for (int n = 0; n < 2; ++n) {
            // A straight, and an arc of random plane, radius and angle ending at its start.
            const double base[3] = {coord(gen), coord(gen), 1600 + coord(gen) / 2};
            testing::addStraightPiece(*s1, base[0], base[1], base[2], base[0] + coord(gen), base[1] + coord(gen),
                                      base[2] + coord(gen) / 3);
            double e1[3], e2[3], v[3], centre[3], start[3];
            normalizeVector(unit(gen), unit(gen), unit(gen), e1[0], e1[1], e1[2]);
            crossProduct(e1[0], e1[1], e1[2], unit(gen), unit(gen), unit(gen), v[0], v[1], v[2]);
            normalizeVector(v[0], v[1], v[2], e2[0], e2[1], e2[2]);
            const double rho = 300 + 200 * unit(gen);
            const int32_t angle = static_cast<int32_t>(150 * (unit(gen) + 1));
            for (int c = 0; c < 3; ++c) {
                centre[c] = base[c] - rho * (std::cos(angle / 57.3) * e1[c] + std::sin(angle / 57.3) * e2[c]);
                start[c] = centre[c] + rho * e1[c];
            }
            testing::addPiece(*s1, start, base, centre, angle);
        }
        auto s2 = testing::freshState();
        *s2 = *s1;
        const int32_t fast = testPipeShape(*s1, 100);
        ASSERT_EQ(fast, testEveryPoint(*s2, 100)) << "trial " << trial;
        ASSERT_EQ(s1->clashLineCount, s2->clashLineCount);
        if (fast == 0) {
            ++clashes;
            EXPECT_EQ(testing::clashLine(*s1, 0), testing::clashLine(*s2, 0));
        }
    }
    EXPECT_GT(clashes, 300);
    EXPECT_LT(clashes, 2700);
}

}  // namespace
}  // namespace kwarel
