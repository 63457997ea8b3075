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
#include "clash/shape_tests.h"
#include "prepare/bend_steps.h"
#include "store/numbers.h"
#include "store/vectors.h"

namespace kwarel {

using clash::distance2;

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

Room roomOf(const ClashState& state, int32_t outsideDiameter) {
    const MachineRecord& m = state.machine;
    Room room;  // every field is set below; zeroing it first took 2 % of a clash-checked job
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
int32_t testPoint(ClashState& state, const Room& room, unsigned tests, double x, double y, double z) {
    const int64_t xi = truncateToInt32(x);
    const int64_t yi = truncateToInt32(y);
    const int64_t zi = truncateToInt32(z);
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

int32_t testPoints(ClashState& state, const Room& room, unsigned tests, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (testPoint(state, room, tests, state.sampleX[i], state.sampleY[i], state.sampleZ[i]) == 0) return 0;
    }
    return 1;
}

// Sample count of a piece: trunc(value) limited to the sample buffers.
int32_t sampleCount(double value) {
    const int32_t count = truncateToInt32(value);
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

// Whether the pit test passes for every point inside the bounds: its floor
// and back wall compared with the extreme values of the bounds, and the
// horizontal distance from the bending centre, which lies between the
// nearest and the farthest point of the bounds, kept off the machine front
// and the pit's front wall by far more than the square root's rounding (the
// side walls lie no nearer than the front wall).
bool pitClear(const Room& room, const Bounds& box) {
    const int32_t r = room.r;
    if (box.lo[2] < 0.0 - room.pitDepth + r || box.lo[0] < 0.0 + r) return false;
    const double nx = std::clamp(0.0, box.lo[0], box.hi[0]);
    const double ny = std::clamp(0.0, box.lo[1], box.hi[1]);
    const double fx = std::max(std::fabs(box.lo[0]), std::fabs(box.hi[0]));
    const double fy = std::max(std::fabs(box.lo[1]), std::fabs(box.hi[1]));
    const double nearest = std::sqrt(nx * nx + ny * ny);
    const double farthest = std::sqrt(fx * fx + fy * fy);
    return farthest < static_cast<double>(static_cast<int64_t>(room.pitRadius) - r) - 1.0e-3 &&
           nearest > static_cast<double>(static_cast<int64_t>(room.frontRadius) + r) + 1.0e-3;
}

// The tests that could fire for some point inside the bounds. Each condition
// below is the point test's own comparison applied to the extreme value of
// the bounds (truncation toward zero never decreases with its argument), so
// a test left out fires for no point inside.
unsigned testsNeeded(const Room& room, const Bounds& box) {
    const int32_t r = room.r;
    const int64_t xLo = truncateToInt32(box.lo[0]);
    const int64_t xHi = truncateToInt32(box.hi[0]);
    const int64_t yLo = truncateToInt32(box.lo[1]);
    const int64_t yHi = truncateToInt32(box.hi[1]);
    const int64_t zLo = truncateToInt32(box.lo[2]);
    const int64_t zHi = truncateToInt32(box.hi[2]);
    unsigned tests = 0;
    if (xHi - r > room.frontWall) tests |= kTestFrontWall;
    if (yLo + r < room.negRightWall) tests |= kTestRightWall;
    if (yHi - r > room.leftWall) tests |= kTestLeftWall;
    if (zLo < r && (room.hasPit == 0 || !pitClear(room, box))) tests |= kTestBelowFloor;
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

// x translations a bound must also cover: the pipe fed by any amount from
// `lo` to `hi` in up to `steps` additions.
struct Sweep {
    double lo = 0.0, hi = 0.0;
    double steps = 0.0;
};

// Extra pad for the rounding of `steps` additions to coordinates of the given
// size, stretched as the sampling stretches position errors.
double sweepPad(const Sweep& sweep, double magnitude, double stretch) {
    return sweep.steps * magnitude * 1.0e-15 * stretch;
}

// Bounds of a straight's sample points: they lie between its two ends when
// the sampling runs forward (outside diameter and half diameter positive).
bool straightBounds(const ClashState& state, const PipeShapeRecord& piece, int32_t outsideDiameter,
                    const Sweep& sweep, Bounds& box) {
    if (outsideDiameter < 0 || state.halfDiameter <= 0) return false;
    const double sx = piece.startX, sy = piece.startY, sz = piece.startZ;
    const double ex = piece.endX, ey = piece.endY, ez = piece.endZ;
    box = Bounds{{std::min(sx, ex) + sweep.lo, std::min(sy, ey), std::min(sz, ez)},
                 {std::max(sx, ex) + sweep.hi, std::max(sy, ey), std::max(sz, ez)}};
    // |dx| + |dy| + |dz| is at least the length.
    const double reach = std::fabs(ex - sx) + std::fabs(ey - sy) + std::fabs(ez - sz);
    const double magnitude = largest({sx, sy, sz, ex, ey, ez, reach}) + std::max(-sweep.lo, sweep.hi);
    return padBounds(box, roundingPad(magnitude, 1.0) + sweepPad(sweep, magnitude, 1.0));
}

// Samples a straight. Returns the number of points written, 0 when none
// needs testing; `tests` tells which tests they need. The whole-piece bound
// comes first, so a clear piece costs neither a square root nor a division.
int32_t sampleStraight(ClashState& state, const Room& room, const PipeShapeRecord& piece, int32_t outsideDiameter,
                       unsigned& tests) {
    tests = kAllTests;
    Bounds box;
    if (state.shortcuts && straightBounds(state, piece, outsideDiameter, Sweep{}, box)) {
        tests = testsNeeded(room, box);
        if (tests == 0) return 0;
    }

    const double sx = piece.startX, sy = piece.startY, sz = piece.startZ;
    const double dx = piece.endX - sx, dy = piece.endY - sy, dz = piece.endZ - sz;
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const int32_t count = sampleCount((length - outsideDiameter) / state.halfDiameter + 1.0);
    if (count <= 0) return 0;
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
bool arcBounds(const double k[3], double rho, const double a[3], const double b[3], const Sweep& sweep,
               Bounds& box) {
    const double qa[3] = {a[0] - k[0], a[1] - k[1], a[2] - k[2]};
    const double qb[3] = {b[0] - k[0], b[1] - k[1], b[2] - k[2]};
    const double nearest = segmentDistance(qa, qb);
    const double farthest = std::sqrt(std::max(qa[0] * qa[0] + qa[1] * qa[1] + qa[2] * qa[2],
                                               qb[0] * qb[0] + qb[1] * qb[1] + qb[2] * qb[2]));
    // A chord passing close to the centre turns the points too sharply for a
    // safe bound.
    if (!(rho > 0.0) || !(nearest >= 0.01 * rho) || !(farthest > 0.0)) return false;
    // Reciprocals instead of quotients: an ulp of difference is far inside the pad.
    const double toNear = 1.0 / nearest, toFar = 1.0 / farthest;
    for (int c = 0; c < 3; ++c) {
        const double lo = std::min(qa[c], qb[c]);
        const double hi = std::max(qa[c], qb[c]);
        const double unitLo = std::max(-1.0, std::min(lo * toNear, lo * toFar));
        const double unitHi = std::min(1.0, std::max(hi * toNear, hi * toFar));
        box.lo[c] = k[c] + rho * unitLo;
        box.hi[c] = k[c] + rho * unitHi;
    }
    box.lo[0] += sweep.lo;
    box.hi[0] += sweep.hi;
    const double magnitude =
        largest({k[0], k[1], k[2], a[0], a[1], a[2], b[0], b[1], b[2], rho}) + std::max(-sweep.lo, sweep.hi);
    const double stretch = rho * toNear;
    return padBounds(box, roundingPad(magnitude, stretch) + sweepPad(sweep, magnitude, stretch));
}

// Chord ends of an arc given the piece before it (the arc itself when there
// is none): the arc's own ends below 180 degrees, otherwise both moved 0.2
// radius the way the previous piece runs into the arc.
void chordEnds(const PipeShapeRecord& arc, const PipeShapeRecord& prev, double a[3], double b[3]) {
    if (arc.arcAngle < 180) {
        a[0] = arc.startX, a[1] = arc.startY, a[2] = arc.startZ;
        b[0] = arc.endX, b[1] = arc.endY, b[2] = arc.endZ;
        return;
    }
    const double d11 = pointDistance(prev.startX, prev.startY, prev.startZ, arc.startX, arc.startY, arc.startZ);
    const double d21 = pointDistance(prev.endX, prev.endY, prev.endZ, arc.startX, arc.startY, arc.startZ);
    const double d12 = pointDistance(prev.startX, prev.startY, prev.startZ, arc.endX, arc.endY, arc.endZ);
    const double d22 = pointDistance(prev.endX, prev.endY, prev.endZ, arc.endX, arc.endY, arc.endZ);
    const bool startNearStart = d11 < d21;  // ties go to the previous piece's end
    const bool endNearStart = d12 < d22;
    const double m1 = startNearStart ? d11 : d21;
    const double m2 = endNearStart ? d12 : d22;

    const double prevStart[3] = {prev.startX, prev.startY, prev.startZ};
    const double prevEnd[3] = {prev.endX, prev.endY, prev.endZ};
    const double arcStart[3] = {arc.startX, arc.startY, arc.startZ};
    const double arcEnd[3] = {arc.endX, arc.endY, arc.endZ};
    // The end nearer the previous piece is the joined one.
    const bool joinedAtEnd = m2 <= m1;
    const double* joined = joinedAtEnd ? arcEnd : arcStart;
    const double* other = joinedAtEnd ? arcStart : arcEnd;
    const bool nearIsStart = joinedAtEnd ? endNearStart : startNearStart;
    const double* pn = nearIsStart ? prevStart : prevEnd;
    const double* pf = nearIsStart ? prevEnd : prevStart;

    double ux, uy, uz;
    normalizeVector(pn[0] - pf[0], pn[1] - pf[1], pn[2] - pf[2], ux, uy, uz);
    const double rho = pointDistance(arc.startX, arc.startY, arc.startZ, arc.centreX, arc.centreY, arc.centreZ);
    const double u[3] = {ux, uy, uz};
    for (int c = 0; c < 3; ++c) {
        a[c] = joined[c] + u[c] * 0.2 * rho;
        b[c] = other[c] + u[c] * 0.2 * rho;
    }
}

// An arc's centre, radius and chord ends, as its sampling uses them.
struct ArcFrame {
    double k[3];
    double rho;
    double a[3], b[3];
};

// The radius an arc's points are placed at: the distance of its start from
// its centre.
double arcRadius(const PipeShapeRecord& piece) {
    return pointDistance(piece.startX, piece.startY, piece.startZ, piece.centreX, piece.centreY, piece.centreZ);
}

ArcFrame arcFrame(const ClashState& state, int32_t index, const PipeShapeRecord& piece, double rho) {
    ArcFrame f{{piece.centreX, piece.centreY, piece.centreZ}, rho, {}, {}};
    chordEnds(piece, index > 0 ? state.pipeShapes.at(index - 1) : piece, f.a, f.b);
    return f;
}

// Bounds of an arc's sample points from its sphere alone: each is placed at
// the radius from the centre. Far coarser than arcBounds, but without the
// chord, and enough to leave most arcs of a step out of every test.
bool sphereBounds(const PipeShapeRecord& piece, double rho, Bounds& box) {
    if (!(rho >= 0.0)) return false;
    const double k[3] = {piece.centreX, piece.centreY, piece.centreZ};
    for (int c = 0; c < 3; ++c) {
        box.lo[c] = k[c] - rho;
        box.hi[c] = k[c] + rho;
    }
    return padBounds(box, roundingPad(largest({k[0], k[1], k[2], rho}), 1.0));
}

// Samples the arc at list position `index`; as sampleStraight.
int32_t sampleArc(ClashState& state, const Room& room, int32_t index, const PipeShapeRecord& piece,
                  unsigned& tests) {
    tests = kAllTests;
    const double radius = arcRadius(piece);
    Bounds sphere;
    if (state.shortcuts && sphereBounds(piece, radius, sphere) && testsNeeded(room, sphere) == 0) {
        tests = 0;
        return 0;
    }
    const ArcFrame f = arcFrame(state, index, piece, radius);
    const double* k = f.k;
    const double* a = f.a;
    const double* b = f.b;
    const double rho = f.rho;
    Bounds box{};
    if (state.shortcuts && arcBounds(k, rho, a, b, Sweep{}, box)) {
        tests = testsNeeded(room, box);
        if (tests == 0) return 0;
    }

    const double arcLength = piece.arcAngle * 0.002777777777777778 * rho * 6.2832;
    const int32_t count = sampleCount(arcLength / state.halfDiameter + 1.0);
    if (count <= 0) return 0;
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

namespace clash {

namespace {

// Bounds of a piece's sample points, widened by `sweep` along x.
bool pieceBounds(const ClashState& state, int32_t index, int32_t outsideDiameter, const Sweep& sweep, Bounds& box) {
    const PipeShapeRecord& piece = state.pipeShapes.at(index);
    if (piece.pieceType == kArcPiece) {
        const ArcFrame f = arcFrame(state, index, piece, arcRadius(piece));
        return arcBounds(f.k, f.rho, f.a, f.b, sweep, box);
    }
    return straightBounds(state, piece, outsideDiameter, sweep, box);
}

// Largest distance of a piece's sample points from the point (u0, v0) of the
// plane of coordinates u and v (0, 1, 2 for x, y, z): a straight's points lie
// between its ends, an arc's on a sphere of radius rho about its centre.
double farthestFrom(const PipeShapeRecord& piece, int u, int v, double u0, double v0) {
    auto at = [&](double x, double y, double z) {
        const double c[3] = {x, y, z};
        return distance2(u0, v0, c[u], c[v]);
    };
    if (piece.pieceType == kArcPiece) {
        const double rho =
            pointDistance(piece.startX, piece.startY, piece.startZ, piece.centreX, piece.centreY, piece.centreZ);
        return at(piece.centreX, piece.centreY, piece.centreZ) + rho;
    }
    return std::max(at(piece.startX, piece.startY, piece.startZ), at(piece.endX, piece.endY, piece.endZ));
}

}  // namespace

void piecesClearOverFeed(ClashState& state, int32_t outsideDiameter, double feed, double steps, bool clear[]) {
    const Room room = roomOf(state, outsideDiameter);
    const Sweep sweep{std::min(0.0, feed), std::max(0.0, feed), steps};
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        Bounds box{};
        clear[i] = state.shortcuts && pieceBounds(state, i, outsideDiameter, sweep, box) && testsNeeded(room, box) == 0;
    }
}

void piecesClearOverTurn(ClashState& state, int32_t outsideDiameter, bool aboutFeedLine, double cy, double cz,
                         double bendRadius, double steps, bool clear[]) {
    const Room room = roomOf(state, outsideDiameter);
    // The coordinates the turn changes, and the point they turn about.
    const int u = aboutFeedLine ? 1 : 0, v = aboutFeedLine ? 2 : 1;
    const double u0 = aboutFeedLine ? cy : 0.0, v0 = aboutFeedLine ? cz : 0.0;
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        Bounds box{};
        clear[i] = false;
        if (!state.shortcuts || !pieceBounds(state, i, outsideDiameter, Sweep{}, box)) continue;
        // A turn about the feed line keeps each point's distance from it, up
        // to rounding. A bend turns the pipe about the bending centre, except
        // that a step's turn is off by 6.2832 - 2 pi = 1.47e-5 radians where a
        // point's direction angle passes 360 (its turning point is the arc's
        // end, within the bend radius of the centre): a drift of at most
        // 2e-5 of (distance + radius) per step.
        const double reach = farthestFrom(state.pipeShapes.at(i), u, v, u0, v0);
        const double drift =
            aboutFeedLine ? steps * reach * 1.0e-14 : steps * (reach + std::fabs(bendRadius)) * 2.0e-5;
        const double r = reach + 1.0e-3 + 1.0e-9 * (reach + largest({u0, v0})) + drift;
        if (!(r < kBoundLimit)) continue;
        box.lo[u] = u0 - r, box.hi[u] = u0 + r;
        box.lo[v] = v0 - r, box.hi[v] = v0 + r;
        clear[i] = testsNeeded(room, box) == 0;
    }
}

int32_t testPipeShapeExcept(ClashState& state, int32_t outsideDiameter, const bool clear[]) {
    // A replay for drawing only, of a job that tested nothing, moves the pipe
    // without testing it.
    if (state.framesUntested) return 1;
    // Pieces are read in place; the slot ends up holding the piece that
    // clashed, or else the last piece, as loading each in turn would leave it.
    const Room room = roomOf(state, outsideDiameter);
    RecordList<PipeShapeRecord>& pieces = state.pipeShapes;
    for (int32_t i = 0; i < pieces.count; ++i) {
        if (clear != nullptr && clear[i]) continue;
        const PipeShapeRecord& piece = pieces.at(i);
        unsigned tests = kAllTests;
        const int32_t count = piece.pieceType == kArcPiece ? sampleArc(state, room, i, piece, tests)
                                                   : sampleStraight(state, room, piece, outsideDiameter, tests);
        if (count <= 0 || tests == 0) continue;
        if (testPoints(state, room, tests, count) == 0) {
            pieces.load(i);
            return 0;
        }
    }
    pieces.load(pieces.count - 1);
    return 1;
}

}  // namespace clash

int32_t testPipeShape(ClashState& state, int32_t outsideDiameter) {
    return clash::testPipeShapeExcept(state, outsideDiameter, nullptr);
}

int32_t arcChordEnds(ClashState& state, int32_t index, double a[3], double b[3]) {
    const PipeShapeRecord arc = state.pipeShapes.current;
    if (arc.arcAngle >= 180) {
        // The piece before it; a failed load leaves the slot, the arc, in its place.
        state.pipeShapes.load(index - 1);
        const PipeShapeRecord prev = state.pipeShapes.current;
        state.pipeShapes.load(index);
        chordEnds(arc, prev, a, b);
    } else {
        chordEnds(arc, arc, a, b);
    }
    return 0;
}

int32_t testRoomPoints(ClashState& state, int32_t count, int32_t outsideDiameter) {
    const Room room = roomOf(state, outsideDiameter);
    if (count > kMaxSamples) count = kMaxSamples;
    return testPoints(state, room, kAllTests, count);
}

int32_t testPit(ClashState& state, double x, double y, double z, int32_t r, double cx, double cy, double cz,
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

int32_t testMachineFront(ClashState& state, double x, double y, double z, int32_t r, double cx, double cy,
                         double cz, int32_t frontRadius, int32_t height) {
    if (z > height + cz + r || x < cx - r || y < cy - frontRadius - r || y > cy + frontRadius + r) return 0;
    const double d = distance2(cx, cy, x, y);
    if (d <= static_cast<double>(static_cast<int64_t>(frontRadius) + r)) {
        addClashLine(state, "front of machine");
        return 1;
    }
    return 0;
}

int32_t testMachineBody(ClashState& state, double x, double y, double z, int32_t r, const double a[3],
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
    clash = clash || pointDistance(x, y, z, a[0], a[1], top) <= r || pointDistance(x, y, z, b[0], b[1], top) <= r ||
            pointDistance(x, y, z, c[0], c[1], top) <= r || pointDistance(x, y, z, a[0], c[1], top) <= r;
    if (!clash) return 0;
    addClashLine(state, "machine");
    return 1;
}

}  // namespace kwarel
