// Tests of the formed pipe against the machine room.
//
// The pipe is reduced to sample points along its centre line, about half a
// diameter apart, and each point is tested as a ball of radius
// outsideDiameter / 2 - 2 against the walls, floor or pit, ceiling, machine
// body and machine front of the machine in the machine slot.
//
// testPipeShape runs after every feed, bend and rotation step over every
// piece of the formed pipe, so it first bounds each piece as a whole: a test
// that no point inside the bounds can fire is left out for that piece, and a
// piece for which every test is left out is neither sampled nor tested. Every
// bound is conservative (padded well beyond rounding), so the first test that
// fires, and hence every result and clash line, is the one the full
// point-by-point test gives.
#include "clash/envelope.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "clash/clash_math.h"
#include "clash/report.h"
#include "store/vectors.h"

namespace kwarel {

using clash::distance2;
using clash::distance3;
using clash::truncate32;

namespace {

// The tests of one point, in the order they are run.
enum : unsigned {
    kTestFrontWall = 1u << 0,
    kTestRightWall = 1u << 1,
    kTestLeftWall = 1u << 2,
    kTestBelowFloor = 1u << 3,  // floor, or the pit when there is one
    kTestCeiling = 1u << 4,
    kTestBackWall = 1u << 5,
    kTestBody = 1u << 6,
    kTestMachineFront = 1u << 7,
    kAllTests = 0xFFu,
};

// The room of the machine in the slot, with the limits every point is
// compared with. Integer limits are held wide so that no sum overflows.
struct Room {
    int32_t r;  // ball radius
    int64_t frontWall;
    int64_t leftWall;
    int64_t negRightWall;
    int64_t ceilingTop;
    int64_t negBackWall;
    int16_t hasPit;
    int32_t frontRadius;
    int32_t pitRadius;
    int32_t pitDepth;
    int32_t machineHeight;
    double a[3];  // machine body: back right, front right, front left floor corners
    double b[3];
    double c[3];
};

Room roomOf(const JobState& state, int32_t outsideDiameter) {
    const MachineRecord& m = state.machines.current;
    Room room{};
    room.r = outsideDiameter / 2 - 2;
    room.frontWall = m.frontWall;
    room.leftWall = m.leftWall;
    room.negRightWall = -static_cast<int64_t>(m.rightWall);
    room.ceilingTop = static_cast<int64_t>(m.machineHeight) + m.ceilingHeight;
    room.negBackWall = -static_cast<int64_t>(m.backWall);
    room.hasPit = m.hasPit;
    room.frontRadius = m.frontRadius;
    room.pitRadius = m.pitRadius;
    room.pitDepth = m.pitDepth;
    room.machineHeight = m.machineHeight;
    const double back = -static_cast<double>(m.backWall);
    const double half = static_cast<double>(m.bodyHalfWidth);
    room.a[0] = back;
    room.a[1] = -half;
    room.a[2] = 0.0;
    room.b[0] = 0.0;
    room.b[1] = -half;
    room.b[2] = 0.0;
    room.c[0] = 0.0;
    room.c[1] = half;
    room.c[2] = 0.0;
    return room;
}

// Runs the tests named in `tests` on one point, in their fixed order.
// Returns 1 when the point is clear, 0 after the clash line was added.
int32_t testPoint(JobState& state, const Room& room, unsigned tests, double x, double y, double z) {
    const int64_t xi = truncate32(x);
    const int64_t yi = truncate32(y);
    const int64_t zi = truncate32(z);
    const int32_t r = room.r;
    if ((tests & kTestFrontWall) && xi - r > room.frontWall) {
        addClashLine(state, "front wall");
        return 0;
    }
    if ((tests & kTestRightWall) && yi + r < room.negRightWall) {
        addClashLine(state, "right wall");
        return 0;
    }
    if ((tests & kTestLeftWall) && yi - r > room.leftWall) {
        addClashLine(state, "left wall");
        return 0;
    }
    if ((tests & kTestBelowFloor) && zi < r) {
        if (room.hasPit == 0) {
            addClashLine(state, "floor");
            return 0;
        }
        if (testPit(state, x, y, z, r, 0.0, 0.0, 0.0, room.frontRadius, room.pitRadius, room.pitDepth) == 0) {
            return 0;
        }
    }
    if ((tests & kTestCeiling) && zi - r > room.ceilingTop) {
        addClashLine(state, "ceiling");
        return 0;
    }
    if ((tests & kTestBackWall) && xi + r < room.negBackWall) {
        addClashLine(state, "back wall");
        return 0;
    }
    if ((tests & kTestBody) && testMachineBody(state, x, y, z, r, room.a, room.b, room.c, room.machineHeight) == 1) {
        return 0;
    }
    if ((tests & kTestMachineFront) &&
        testMachineFront(state, x, y, z, r, 0.0, 0.0, 0.0, room.frontRadius, room.machineHeight) == 1) {
        return 0;
    }
    return 1;
}

int32_t testPoints(JobState& state, const Room& room, unsigned tests, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (testPoint(state, room, tests, state.sampleX[i], state.sampleY[i], state.sampleZ[i]) == 0) return 0;
    }
    return 1;
}

// Sample count of a piece: trunc(value) limited to the sample buffers.
int32_t sampleCount(double value) {
    const int32_t count = truncate32(value);
    return count > kMaxSamples ? kMaxSamples : count;
}

// --- whole-piece bounds -----------------------------------------------------

// Coordinates beyond this size are not bounded; such pieces are tested point
// by point.
constexpr double kBoundLimit = 1.0e8;

struct Bounds {
    double lo[3];
    double hi[3];
};

// Widens the bounds by `pad` and reports whether they are finite and small
// enough for the margins used below.
bool padBounds(Bounds& box, double pad) {
    for (int k = 0; k < 3; ++k) {
        box.lo[k] -= pad;
        box.hi[k] += pad;
        if (!(box.lo[k] >= -kBoundLimit && box.hi[k] <= kBoundLimit)) return false;
    }
    return true;
}

// The tests that could fire for some point inside the bounds. Each condition
// below is the point test's own comparison applied to the extreme value of
// the bounds (truncation toward zero never decreases with its argument), so
// a test left out fires for no point inside.
unsigned testsNeeded(const Room& room, const Bounds& box) {
    const int32_t r = room.r;
    const int64_t xLo = truncate32(box.lo[0]);
    const int64_t xHi = truncate32(box.hi[0]);
    const int64_t yLo = truncate32(box.lo[1]);
    const int64_t yHi = truncate32(box.hi[1]);
    const int64_t zLo = truncate32(box.lo[2]);
    const int64_t zHi = truncate32(box.hi[2]);
    unsigned tests = 0;
    if (xHi - r > room.frontWall) tests |= kTestFrontWall;
    if (yLo + r < room.negRightWall) tests |= kTestRightWall;
    if (yHi - r > room.leftWall) tests |= kTestLeftWall;
    if (zLo < r) tests |= kTestBelowFloor;
    if (zHi - r > room.ceilingTop) tests |= kTestCeiling;
    if (xLo + r < room.negBackWall) tests |= kTestBackWall;

    // The body test's own quick rejection, for the whole box.
    const double top = room.machineHeight + room.a[2];
    const bool bodyClear = box.hi[0] < room.a[0] - r || box.lo[0] > room.b[0] + r || box.hi[1] < room.a[1] - r ||
                           box.lo[1] > room.c[1] + r || box.lo[2] > top + r;
    if (!bodyClear) tests |= kTestBody;

    // The machine front's early return, or a box wholly beyond its reach.
    const double frontTop = room.machineHeight + 0.0;
    bool frontClear = box.lo[2] > frontTop + r || box.hi[0] < 0.0 - r ||
                      box.hi[1] < (0.0 - room.frontRadius) - r || box.lo[1] > (0.0 + room.frontRadius) + r;
    if (!frontClear) {
        const double nx = std::clamp(0.0, box.lo[0], box.hi[0]);
        const double ny = std::clamp(0.0, box.lo[1], box.hi[1]);
        const double nearest = std::sqrt(nx * nx + ny * ny);
        frontClear = nearest > static_cast<double>(static_cast<int64_t>(room.frontRadius) + r) + 1.0e-3;
    }
    if (!frontClear) tests |= kTestMachineFront;
    return tests;
}

// Pad for rounding in the sampling arithmetic: far above the few ulps the
// sampling formulas can be off by, far below anything a test resolves.
double roundingPad(double magnitude, double stretch) { return 1.0e-3 + 1.0e-9 * magnitude * stretch; }

double largest(std::initializer_list<double> values) {
    double m = 0.0;
    for (double v : values) m = std::max(m, std::fabs(v));
    return m;
}

// --- sampling ---------------------------------------------------------------

// Samples the straight in the slot; with `tests` set to the tests its points
// need, and no points written when none is needed. Returns the point count.
int32_t sampleStraight(JobState& state, const Room& room, int32_t outsideDiameter, unsigned& tests) {
    const PipeShapeRecord& piece = state.pipeShapes.current;
    const double sx = piece.startX, sy = piece.startY, sz = piece.startZ;
    const double ex = piece.endX, ey = piece.endY, ez = piece.endZ;
    const double dx = ex - sx, dy = ey - sy, dz = ez - sz;
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const int32_t count = sampleCount((length - outsideDiameter) / state.halfDiameter + 1.0);
    tests = kAllTests;
    if (count <= 0) return count;

    // The points lie between the two ends when the sampling runs forward.
    if (outsideDiameter >= 0 && state.halfDiameter > 0) {
        Bounds box{{std::min(sx, ex), std::min(sy, ey), std::min(sz, ez)},
                   {std::max(sx, ex), std::max(sy, ey), std::max(sz, ez)}};
        if (padBounds(box, roundingPad(largest({sx, sy, sz, ex, ey, ez, length}), 1.0))) {
            tests = testsNeeded(room, box);
            if (tests == 0) return count;
        }
    }

    // normalizeVector divides by the same length.
    const double ux = dx / length, uy = dy / length, uz = dz / length;
    const int32_t h = outsideDiameter / 2;
    if (count == 1) {
        state.sampleX[0] = sx + ux * h;
        state.sampleY[0] = sy + uy * h;
        state.sampleZ[0] = sz + uz * h;
        return 1;
    }
    const double spacing = (length - outsideDiameter) / (count - 1);
    for (int32_t j = 0; j < count; ++j) {
        const double t = h + j * spacing;
        state.sampleX[j] = sx + ux * t;
        state.sampleY[j] = sy + uy * t;
        state.sampleZ[j] = sz + uz * t;
    }
    return count;
}

// Smallest distance from the origin to the segment from a to b.
double segmentDistance(const double a[3], const double b[3]) {
    double d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const double dd = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    double t = 0.0;
    if (dd > 0.0) t = std::clamp(-(a[0] * d[0] + a[1] * d[1] + a[2] * d[2]) / dd, 0.0, 1.0);
    const double p[3] = {a[0] + t * d[0], a[1] + t * d[1], a[2] + t * d[2]};
    return std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
}

// Bounds of the points K + rho * unit(Q - K) for Q on the chord from A to B.
// With q = Q - K running along the chord, each coordinate q_k lies between
// those of the chord ends and |q| between the chord's nearest distance to K
// and its farther end, which bounds q_k / |q|.
bool arcBounds(const double k[3], double rho, const double a[3], const double b[3], Bounds& box) {
    const double qa[3] = {a[0] - k[0], a[1] - k[1], a[2] - k[2]};
    const double qb[3] = {b[0] - k[0], b[1] - k[1], b[2] - k[2]};
    const double nearest = segmentDistance(qa, qb);
    const double farthest = std::max(std::sqrt(qa[0] * qa[0] + qa[1] * qa[1] + qa[2] * qa[2]),
                                     std::sqrt(qb[0] * qb[0] + qb[1] * qb[1] + qb[2] * qb[2]));
    // A chord passing close to the centre turns the points too sharply for a
    // safe bound.
    if (!(rho > 0.0) || !(nearest >= 0.01 * rho) || !(farthest > 0.0)) return false;
    for (int c = 0; c < 3; ++c) {
        const double lo = std::min(qa[c], qb[c]);
        const double hi = std::max(qa[c], qb[c]);
        const double unitLo = std::max(-1.0, std::min(lo / nearest, lo / farthest));
        const double unitHi = std::min(1.0, std::max(hi / nearest, hi / farthest));
        box.lo[c] = k[c] + rho * unitLo;
        box.hi[c] = k[c] + rho * unitHi;
    }
    const double magnitude = largest({k[0], k[1], k[2], a[0], a[1], a[2], b[0], b[1], b[2], rho});
    return padBounds(box, roundingPad(magnitude, rho / nearest));
}

// Samples the arc in the slot (list position `index`); as sampleStraight.
int32_t sampleArc(JobState& state, const Room& room, int32_t index, unsigned& tests) {
    const PipeShapeRecord piece = state.pipeShapes.current;
    const double k[3] = {piece.centreX, piece.centreY, piece.centreZ};
    const double rho = distance3(piece.startX, piece.startY, piece.startZ, k[0], k[1], k[2]);
    const double arcLength = piece.arcAngle * 0.002777777777777778 * rho * 6.2832;
    const int32_t count = sampleCount(arcLength / state.halfDiameter + 1.0);
    tests = kAllTests;
    if (count <= 0) return count;

    double a[3], b[3];
    arcChordEnds(state, index, a, b);

    Bounds box{};
    if (arcBounds(k, rho, a, b, box)) {
        tests = testsNeeded(room, box);
        if (tests == 0) return count;
    }

    // A point of the chord pushed out radially onto the arc's circle.
    auto place = [&](int32_t j, double qx, double qy, double qz) {
        const double vx = qx - k[0], vy = qy - k[1], vz = qz - k[2];
        const double len = std::sqrt(vx * vx + vy * vy + vz * vz);
        state.sampleX[j] = k[0] + rho * (vx / len);
        state.sampleY[j] = k[1] + rho * (vy / len);
        state.sampleZ[j] = k[2] + rho * (vz / len);
    };
    if (count == 1) {
        place(0, a[0], a[1], a[2]);
        return 1;
    }
    // normalizeVector divides by the chord length itself.
    const double cx = b[0] - a[0], cy = b[1] - a[1], cz = b[2] - a[2];
    const double chord = std::sqrt(cx * cx + cy * cy + cz * cz);
    const double wx = cx / chord, wy = cy / chord, wz = cz / chord;
    const double spacing = chord / (count - 1);
    for (int32_t j = 0; j < count; ++j) {
        const double step = j * spacing;
        place(j, a[0] + wx * step, a[1] + wy * step, a[2] + wz * step);
    }
    return count;
}

}  // namespace

int32_t testPipeShape(JobState& state, int32_t outsideDiameter) {
    const Room room = roomOf(state, outsideDiameter);
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        state.pipeShapes.load(i);
        unsigned tests = kAllTests;
        const int32_t count = state.pipeShapes.current.pieceType == 2
                                  ? sampleArc(state, room, i, tests)
                                  : sampleStraight(state, room, outsideDiameter, tests);
        if (count <= 0 || tests == 0) continue;
        if (testPoints(state, room, tests, count) == 0) return 0;
    }
    return 1;
}

int32_t arcChordEnds(JobState& state, int32_t index, double a[3], double b[3]) {
    const PipeShapeRecord arc = state.pipeShapes.current;
    if (arc.arcAngle < 180) {
        a[0] = arc.startX, a[1] = arc.startY, a[2] = arc.startZ;
        b[0] = arc.endX, b[1] = arc.endY, b[2] = arc.endZ;
        return 0;
    }

    // From 180 degrees on the chord passes through or beyond the centre, so
    // both ends move 0.2 radius the way the previous piece runs into the arc.
    state.pipeShapes.load(index - 1);
    const PipeShapeRecord prev = state.pipeShapes.current;
    const double d11 = distance3(prev.startX, prev.startY, prev.startZ, arc.startX, arc.startY, arc.startZ);
    const double d21 = distance3(prev.endX, prev.endY, prev.endZ, arc.startX, arc.startY, arc.startZ);
    const double d12 = distance3(prev.startX, prev.startY, prev.startZ, arc.endX, arc.endY, arc.endZ);
    const double d22 = distance3(prev.endX, prev.endY, prev.endZ, arc.endX, arc.endY, arc.endZ);
    const bool startNearStart = d11 < d21;  // ties go to the previous piece's end
    const bool endNearStart = d12 < d22;
    const double m1 = startNearStart ? d11 : d21;
    const double m2 = endNearStart ? d12 : d22;

    const double prevStart[3] = {prev.startX, prev.startY, prev.startZ};
    const double prevEnd[3] = {prev.endX, prev.endY, prev.endZ};
    const double arcStart[3] = {arc.startX, arc.startY, arc.startZ};
    const double arcEnd[3] = {arc.endX, arc.endY, arc.endZ};
    const double* joined;
    const double* other;
    bool nearIsStart;
    if (m2 <= m1) {
        joined = arcEnd;
        other = arcStart;
        nearIsStart = endNearStart;
    } else {
        joined = arcStart;
        other = arcEnd;
        nearIsStart = startNearStart;
    }
    const double* pn = nearIsStart ? prevStart : prevEnd;
    const double* pf = nearIsStart ? prevEnd : prevStart;

    state.pipeShapes.load(index);
    double ux, uy, uz;
    normalizeVector(pn[0] - pf[0], pn[1] - pf[1], pn[2] - pf[2], ux, uy, uz);
    const double rho = distance3(arc.startX, arc.startY, arc.startZ, arc.centreX, arc.centreY, arc.centreZ);
    const double u[3] = {ux, uy, uz};
    for (int c = 0; c < 3; ++c) {
        a[c] = joined[c] + u[c] * 0.2 * rho;
        b[c] = other[c] + u[c] * 0.2 * rho;
    }
    return 0;
}

int32_t testRoomPoints(JobState& state, int32_t count, int32_t outsideDiameter) {
    const Room room = roomOf(state, outsideDiameter);
    if (count > kMaxSamples) count = kMaxSamples;
    return testPoints(state, room, kAllTests, count);
}

int32_t testPit(JobState& state, double x, double y, double z, int32_t r, double cx, double cy, double cz,
                int32_t frontRadius, int32_t pitRadius, int32_t pitDepth) {
    if (z < cz - pitDepth + r) {
        addClashLine(state, "floor of pit");
        return 0;
    }
    if (x < cx + r) {
        addClashLine(state, "back wall of pit");
        return 0;
    }
    if (y > cy + pitRadius - r) {
        addClashLine(state, "left wall of pit");
        return 0;
    }
    if (y < cy - pitRadius + r) {
        addClashLine(state, "right wall of pit");
        return 0;
    }
    const double d = distance2(cx, cy, x, y);
    if (d >= static_cast<double>(static_cast<int64_t>(pitRadius) - r)) {
        addClashLine(state, "front wall of pit");
        return 0;
    }
    if (d <= static_cast<double>(static_cast<int64_t>(frontRadius) + r)) {
        addClashLine(state, "back wall of pit");
        return 0;
    }
    return 1;
}

int32_t testMachineFront(JobState& state, double x, double y, double z, int32_t r, double cx, double cy,
                         double cz, int32_t frontRadius, int32_t height) {
    if (z > height + cz + r || x < cx - r || y < cy - frontRadius - r || y > cy + frontRadius + r) return 0;
    const double d = distance2(cx, cy, x, y);
    if (d <= static_cast<double>(static_cast<int64_t>(frontRadius) + r)) {
        addClashLine(state, "front of machine");
        return 1;
    }
    return 0;
}

int32_t testMachineBody(JobState& state, double x, double y, double z, int32_t r, const double a[3],
                        const double b[3], const double c[3], int32_t height) {
    const double top = height + a[2];
    // Five bound comparisons before any distance.
    if (x < a[0] - r || x > b[0] + r || y < a[1] - r || y > c[1] + r || z > top + r) return 0;

    const bool inX = a[0] <= x && x <= b[0];
    const bool inY = a[1] <= y && y <= c[1];
    const bool inZ = a[2] <= z && z <= top;
    bool clash =
        (inX && inZ && a[1] - r <= y && y <= c[1] + r) ||  // side faces
        (inY && inZ && a[0] - r <= x && x <= b[0] + r) ||  // back and front faces
        (inX && inY && a[2] - r <= z && z <= top + r);     // top face
    // Top edges along x and along y.
    clash = clash || (inX && distance2(y, z, a[1], top) <= r) ||
            (a[0] <= x && x <= c[0] && distance2(y, z, c[1], top) <= r) ||
            (b[1] <= y && y <= c[1] && distance2(x, z, b[0], top) <= r) ||
            (inY && distance2(x, z, a[0], top) <= r);
    // Vertical edges.
    clash = clash || (inZ && (distance2(x, y, a[0], a[1]) <= r || distance2(x, y, b[0], b[1]) <= r ||
                              distance2(x, y, c[0], c[1]) <= r || distance2(x, y, a[0], c[1]) <= r));
    // Top corners.
    clash = clash || distance3(x, y, z, a[0], a[1], top) <= r || distance3(x, y, z, b[0], b[1], top) <= r ||
            distance3(x, y, z, c[0], c[1], top) <= r || distance3(x, y, z, a[0], c[1], top) <= r;
    if (!clash) return 0;
    addClashLine(state, "machine");
    return 1;
}

}  // namespace kwarel
