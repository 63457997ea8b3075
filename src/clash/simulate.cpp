// Run simulation: the pipe of one candidate run is loaded, then bent, fed
// and rotated in small steps the way the machine moves it, and after every
// step the part already past the bend head is tested against the room.
//
// Room coordinates: x along the feed line (x = 0 at the bend head, +x towards
// the front wall), y across it (the bend die's centre on y = 0), z up from
// the floor. The feed line lies at y = -R for hand 1 and +R otherwise, and at
// z = machineHeight + outsideDiameter / 2, so the pipe rests on the machine.
#include "clash/simulate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "clash/clash_math.h"
#include "clash/envelope.h"
#include "clash/report.h"
#include "clash/shape_tests.h"
#include "prepare/options.h"
#include "store/elementary.h"
#include "store/numbers.h"

namespace kwarel {

using clash::distance2;
using clash::toDegrees;
using clash::toRadians;

namespace {

int32_t bendPieces(ClashState& state, int16_t hand, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                   int32_t bendRadius, const bool clear[], int32_t nextAngle = -1);
int32_t rotatePieces(ClashState& state, int16_t hand, int32_t angle, int32_t outsideDiameter, int32_t bendRadius,
                     const bool clear[], bool lookUp[] = nullptr, int32_t nextAngle = 0);

// y of the feed line for a bend radius: -R for the left hand, +R for any other hand.
int64_t feedLineY(int32_t radius, int16_t hand) { return hand == kLeftHand ? -static_cast<int64_t>(radius) : radius; }

// Height of the pipe axis on the machine whose room is tested.
double axisHeight(const ClashState& state, int32_t outsideDiameter) {
    return static_cast<double>(static_cast<int64_t>(state.machine.machineHeight) + outsideDiameter / 2);
}

// A new piece is built in the pipe-shape slot and appended; a straight keeps
// the centre and angle the slot held (no test reads them).
void appendStraight(ClashState& state, double length, double y, double z) {
    PipeShapeRecord& piece = state.pipeShapes.current;
    piece.pieceType = kStraightPiece;
    piece.startX = 0.0;
    piece.startY = y;
    piece.startZ = z;
    piece.endX = length;
    piece.endY = y;
    piece.endZ = z;
    state.pipeShapes.append();
    state.pipeShapes.store(state.pipeShapes.count - 1);
}

void appendArc(ClashState& state, int32_t radius, int16_t hand, int32_t bendAngle, double z) {
    const double theta = toRadians(bendAngle);
    const double sign = hand == kLeftHand ? -1.0 : 1.0;
    PipeShapeRecord& piece = state.pipeShapes.current;
    piece.pieceType = kArcPiece;
    piece.startX = 0.0;
    piece.startY = sign * radius;
    piece.startZ = z;
    piece.endX = radius * elementary::sin(theta);
    piece.endY = sign * (radius * elementary::cos(theta));
    piece.endZ = z;
    piece.centreX = 0.0;
    piece.centreY = 0.0;
    piece.centreZ = z;
    piece.arcAngle = bendAngle;
    state.pipeShapes.append();
    state.pipeShapes.store(state.pipeShapes.count - 1);
}

// Pieces found clear of every test for a whole sequence of motion steps;
// each step's test leaves them out.
struct ClearPieces {
    bool flags[kMaxPositions];
    bool known = false;
    const bool* get() const { return known ? flags : nullptr; }
};

// Steps of size `step` to cover `angle` degrees, with room for the odd extra call.
double stepsFor(int64_t angle, int64_t step) {
    if (step <= 0) return 4.0;
    return static_cast<double>((angle < 0 ? -angle : angle) / step + 4);
}

// Bends the pipe from 0 to the target in angleStep steps. Returns 0 at the
// first clash.
//
// A bend turns the formed pipe about the bending centre without changing its
// height, so pieces that cannot reach any surface at any angle of the turn
// are found once and left out of every step's test.
int32_t bendInSteps(ClashState& state, int16_t hand, int64_t target, int32_t od, int32_t radius) {
    const int64_t step = state.angleStep;
    ClearPieces clear;
    if (state.pipeShapes.count <= kMaxPositions && !state.framesUntested) {
        clash::piecesClearOverTurn(state, od, false, 0.0, 0.0, radius, stepsFor(target, step), clear.flags);
        clear.known = true;
    }
    int64_t prev = 0;
    int64_t k = step > 0 ? step : target;  // no stepping without a positive step
    for (;;) {
        const bool last = !(k < target);
        const int32_t to = last ? clampToInt32(target) : clampToInt32(k);
        // The angle the step after this one bends to, whose kept turns are
        // fetched while this one is tested (-1: none follows).
        const int32_t nextTo = last ? -1 : k + step < target ? clampToInt32(k + step) : clampToInt32(target);
        if (bendPieces(state, hand, clampToInt32(prev), to, od, radius, clear.get(), nextTo) == 0) return 0;
        if (last) return 1;
        prev = k;
        k += step;
    }
}

// Moves the pipe by one feed step without testing it.
void movePieces(ClashState& state, int32_t distance) {
    state.motionPhase = kPhaseFeed;
    ++state.simulationSteps;
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        piece.startX = piece.startX + distance;
        piece.endX = piece.endX + distance;
        if (piece.pieceType == kArcPiece) piece.centreX = piece.centreX + distance;
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
}

// One feed step, leaving the pieces marked in `clear` out of the test.
int32_t feedPieces(ClashState& state, int32_t distance, int32_t od, const bool clear[]) {
    movePieces(state, distance);
    ++state.feedStepsMade;
    return clash::testPipeShapeExcept(state, od, clear);
}

uint64_t mixBits(uint64_t h, uint64_t x) {
    h = (h ^ x) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 31);
}

uint64_t bitsOf(double x) {
    uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

bool samePieces(const PipeShapeRecord* a, const PipeShapeRecord* b, int32_t count);

// A hash of the formed pipe from its piece count and its first and last
// piece (every motion moves both); memos compare the whole pipe.
uint64_t pipeHash(const ClashState& state, uint64_t h) {
    const int32_t count = state.pipeShapes.count;
    const PipeShapeRecord* pieces = state.pipeShapes.entries.data();
    h = mixBits(h, static_cast<uint64_t>(count));
    for (const int32_t i : {0, count - 1}) {
        if (i < 0) continue;
        const PipeShapeRecord& q = pieces[i];
        for (const double x : {q.startX, q.startY, q.startZ, q.endX, q.endY, q.endZ}) h = mixBits(h, bitsOf(x));
    }
    return h;
}

// Slots of the feed memo.
constexpr int kFeedMemoBits = 8;

// The feed memo's slot for feeding the present pipe, and how many full steps
// of it are known clear (0 when the slot held another feed, which it is
// then made ready to keep). Null when feeds are not kept.
FeedMemo* feedMemoFor(ClashState& state, int32_t od, int64_t& known) {
    known = 0;
    if (!state.shortcuts || state.recordFrames || state.framesUntested) return nullptr;
    if (state.feedMemos.empty()) {
        try {
            state.feedMemos.resize(std::size_t{1} << kFeedMemoBits);
        } catch (const std::bad_alloc&) {
            return nullptr;  // no memory for the memo: every step is tested
        }
    }
    const uint64_t h = pipeHash(state, mixBits(static_cast<uint64_t>(static_cast<uint32_t>(state.machineIndex)),
                                               static_cast<uint64_t>(static_cast<uint32_t>(od))));
    FeedMemo& memo = state.feedMemos[h >> (64 - kFeedMemoBits)];
    const int32_t count = state.pipeShapes.count;
    const PipeShapeRecord* pieces = state.pipeShapes.entries.data();
    if (memo.generation == state.memoGeneration && memo.machineIndex == state.machineIndex &&
        memo.outsideDiameter == od && memo.feedStep == state.feedStep &&
        memo.start.size() == static_cast<std::size_t>(count) && samePieces(memo.start.data(), pieces, count)) {
        known = memo.clearSteps;
        return &memo;
    }
    memo.generation = 0;
    try {
        memo.start.assign(pieces, pieces + count);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    memo.machineIndex = state.machineIndex;
    memo.outsideDiameter = od;
    memo.feedStep = state.feedStep;
    memo.clearSteps = 0;
    memo.generation = state.memoGeneration;
    return &memo;
}

// Feeds the pipe by `length` in feedStep steps; the last step ends at the
// truncated length. Returns 0 at the first clash.
//
// A feed only moves the pipe along x, so pieces that no test can reach at any
// point of the whole feed are found once and left out of every step's test.
// With `knownClear` (the same feed of the same pipe in the same room was
// clear before) the pipe makes the same steps untested; so it does, with the
// shortcuts, the full steps an earlier feed of the same pipe in the same
// room found clear.
int32_t feedInSteps(ClashState& state, double length, int32_t od, bool knownClear) {
    const int64_t step = state.feedStep;
    const int64_t total = truncateToInt32(length);
    int64_t known = 0;
    FeedMemo* memo = knownClear ? nullptr : feedMemoFor(state, od, known);
    int64_t fullSteps = 0;  // full steps made, all clear

    bool clear[kMaxPositions];
    const bool someClear = !knownClear && state.pipeShapes.count <= kMaxPositions && !state.framesUntested;
    if (someClear) {
        const double steps = step > 0 ? static_cast<double>((total < 0 ? -total : total) / step + 2) : 1.0;
        clash::piecesClearOverFeed(state, od, static_cast<double>(total), steps, clear);
    }
    int64_t prev = 0;
    int64_t k = step;
    for (;;) {
        const bool last = step <= 0 || !(static_cast<double>(k) < length);
        const int32_t distance = last ? clampToInt32(total - prev) : clampToInt32(k - prev);
        if (knownClear || (!last && fullSteps < known)) {
            movePieces(state, distance);
        } else if (feedPieces(state, distance, od, someClear ? clear : nullptr) == 0) {
            break;
        }
        if (last) return 1;
        ++fullSteps;
        if (memo != nullptr && fullSteps > memo->clearSteps) memo->clearSteps = fullSteps;
        prev = k;
        k += step;
    }
    return 0;
}

bool sameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool samePieces(const PipeShapeRecord* a, const PipeShapeRecord* b, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const PipeShapeRecord& x = a[i];
        const PipeShapeRecord& y = b[i];
        if (x.pieceType != y.pieceType || x.arcAngle != y.arcAngle || !sameDouble(x.startX, y.startX) ||
            !sameDouble(x.startY, y.startY) || !sameDouble(x.startZ, y.startZ) || !sameDouble(x.endX, y.endX) ||
            !sameDouble(x.endY, y.endY) || !sameDouble(x.endZ, y.endZ) || !sameDouble(x.centreX, y.centreX) ||
            !sameDouble(x.centreY, y.centreY) || !sameDouble(x.centreZ, y.centreZ)) {
            return false;
        }
    }
    return true;
}

// The fields of a machine the room tests and the clash lines read.
bool sameRoom(const MachineRecord& a, const MachineRecord& b) {
    return std::strncmp(a.name, b.name, sizeof a.name) == 0 && a.machineHeight == b.machineHeight &&
           a.hasPit == b.hasPit && a.pitDepth == b.pitDepth && a.pitRadius == b.pitRadius &&
           a.frontRadius == b.frontRadius && a.bodyHalfWidth == b.bodyHalfWidth && a.leftWall == b.leftWall &&
           a.rightWall == b.rightWall && a.frontWall == b.frontWall && a.backWall == b.backWall &&
           a.ceilingHeight == b.ceilingHeight;
}

// Most rotations remembered per cut piece (at most some 7 MB with their pipes).
constexpr std::size_t kMaxTurnMemos = 1024;

// Rotations of at most this many degrees are the ones given up first when
// the memo is full. A straight whose rotation falls by a full turn with
// every run that passes it turns further each time from the same pipe; its
// memo saves a whole growing rotation per run and must outlive the many
// short rotations every run makes.
constexpr int64_t kShortTurn = 720;

// How many memos, from a cursor that goes round, a full memo looks at for
// the one to give up: looking at all of them for every new rotation cost
// more than the memo saved.
constexpr std::size_t kReplaceWindow = 32;

// The memo to give up for a new one: among the next kReplaceWindow, the
// least recently used of the short rotations, or of all when none is short.
std::size_t memoToReplace(ClashState& state) {
    const std::size_t count = state.turnMemos.size();
    std::size_t oldest = count, oldestShort = count;
    for (std::size_t k = 0; k < kReplaceWindow && k < count; ++k) {
        const std::size_t i = (state.turnCursor + k) % count;
        const TurnMemo& memo = state.turnMemos[i];
        if (oldest == count || memo.lastUse < state.turnMemos[oldest].lastUse) oldest = i;
        if (memo.turned <= kShortTurn &&
            (oldestShort == count || memo.lastUse < state.turnMemos[oldestShort].lastUse)) {
            oldestShort = i;
        }
    }
    state.turnCursor = (state.turnCursor + kReplaceWindow) % count;
    return oldestShort != count ? oldestShort : oldest;
}

// The key a rotation's memo is found by: the pipe and what else a rotation
// step reads, but the room (compared in full).
uint64_t turnKey(const ClashState& state, int16_t hand, int32_t od, int32_t radius, int64_t sense) {
    uint64_t h = mixBits(static_cast<uint64_t>(sense), static_cast<uint64_t>(static_cast<uint32_t>(radius)));
    h = mixBits(h, static_cast<uint64_t>(static_cast<uint32_t>(od)));
    h = mixBits(h, static_cast<uint64_t>(static_cast<uint16_t>(hand)));
    h = mixBits(h, static_cast<uint64_t>(static_cast<uint32_t>(state.halfDiameter)));
    return pipeHash(state, mixBits(h, static_cast<uint64_t>(static_cast<uint32_t>(state.angleStep))));
}

// The memos' index has twice as many slots as there are memos at most, so
// a probe meets an empty slot within a few.
constexpr int kTurnSlotBits = 11;
static_assert((std::size_t{1} << kTurnSlotBits) >= 2 * kMaxTurnMemos);

std::size_t homeSlot(uint64_t key) { return static_cast<std::size_t>(key >> (64 - kTurnSlotBits)); }

// Takes memo `index` out of the index, moving back the entries after it
// that would otherwise no longer be found from their home slots.
void unindexTurn(ClashState& state, std::size_t index) {
    std::vector<uint32_t>& slots = state.turnSlots;
    const std::size_t mask = slots.size() - 1;
    std::size_t hole = homeSlot(state.turnMemos[index].key);
    while (slots[hole] != index + 1) hole = (hole + 1) & mask;
    for (std::size_t next = (hole + 1) & mask; slots[next] != 0; next = (next + 1) & mask) {
        const std::size_t home = homeSlot(state.turnMemos[slots[next] - 1].key);
        // The entry may move back to the hole when its home does not lie
        // (cyclically) after the hole and at or before where it is now.
        const bool homeBetween = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!homeBetween) {
            slots[hole] = slots[next];
            hole = next;
        }
    }
    slots[hole] = 0;
}

// The memo of the rotations that began from the pipe as it is now,
// with everything else a rotation step reads the same; a new one when none.
TurnMemo& findTurn(ClashState& state, int16_t hand, int32_t od, int32_t radius, int64_t sense) {
    const int32_t count = state.pipeShapes.count;
    const uint64_t now = ++state.turnClock;
    const uint64_t key = turnKey(state, hand, od, radius, sense);
    if (state.turnSlots.empty()) state.turnSlots.assign(std::size_t{1} << kTurnSlotBits, 0);
    const std::size_t mask = state.turnSlots.size() - 1;
    for (std::size_t i = homeSlot(key); state.turnSlots[i] != 0; i = (i + 1) & mask) {
        TurnMemo& memo = state.turnMemos[state.turnSlots[i] - 1];
        if (memo.key == key && memo.sense == sense && memo.radius == radius && memo.outsideDiameter == od &&
            memo.hand == hand && memo.halfDiameter == state.halfDiameter && memo.angleStep == state.angleStep &&
            static_cast<int32_t>(memo.start.size()) == count &&
            samePieces(memo.start.data(), state.pipeShapes.entries.data(), count) &&
            sameRoom(memo.machine, state.machine)) {
            memo.lastUse = now;
            return memo;
        }
    }
    std::size_t index = state.turnMemos.size();
    if (index < kMaxTurnMemos) {
        state.turnMemos.emplace_back();
    } else {
        index = memoToReplace(state);
        unindexTurn(state, index);
    }
    std::size_t free = homeSlot(key);
    while (state.turnSlots[free] != 0) free = (free + 1) & mask;
    state.turnSlots[free] = static_cast<uint32_t>(index + 1);
    TurnMemo& fresh = state.turnMemos[index];
    fresh.key = key;
    fresh.start.assign(state.pipeShapes.entries.begin(), state.pipeShapes.entries.begin() + count);
    fresh.machine = state.machine;
    fresh.hand = hand;
    fresh.radius = radius;
    fresh.outsideDiameter = od;
    fresh.halfDiameter = state.halfDiameter;
    fresh.angleStep = state.angleStep;
    fresh.sense = sense;
    fresh.turned = 0;
    fresh.reached.clear();
    fresh.lastUse = now;
    return fresh;
}

// Turns the pipe by `total` degrees (> 0) in the sense `sense`, in angleStep
// steps. Returns 0 at the first clash and writes how far it had turned,
// including the step that clashed.
//
// A turn that an earlier one from the same pipe went beyond in full clear
// steps starts where that one's last such step left the pipe: the positions
// in between are the same and were all clear (a full turn of 72 steps does
// not bring the pipe back to where it was, see docs/behaviour.md, so no turn
// is left out; only this repetition is). The memo follows every full step
// found clear, so a turn that clashed is taken up to the step before its
// clash. A straight whose rotation falls by a full turn with every run that
// passes it therefore costs one new turn per run, not all of its turns
// again; runs that turn one straight by different angles share the steps
// they have in common, forward and the long way round.
int32_t rotateInSteps(ClashState& state, int16_t hand, int64_t total, int64_t sense, int32_t od, int32_t radius,
                      const ClearPieces& clear, int64_t& turned) {
    const int64_t step = state.angleStep;
    turned = 0;
    int64_t k = step > 0 ? step : total;
    TurnMemo* memo = nullptr;
    if (state.shortcuts && step > 0 && !state.recordFrames) {  // a replay for drawing turns every step
        memo = &findTurn(state, hand, od, radius, sense);
        if (memo->turned > 0 && memo->turned < total) {
            std::copy(memo->reached.begin(), memo->reached.end(), state.pipeShapes.entries.begin());
            state.pipeShapes.load(state.pipeShapes.count - 1);
            state.motionPhase = kPhaseRotation;
            state.simulationSteps += memo->turned / step;
            state.stepsTakenUp += memo->turned / step;
            turned = memo->turned;
            k = turned + step;
        }
    }
    // The pieces whose turns are still looked up (see turnPoints).
    bool lookUp[kMaxPositions];
    std::fill(lookUp, lookUp + kMaxPositions, true);
    // When every piece is clear at any angle no step can clash, and the memo
    // need only hold the pipe as the last step begins: the pipe is copied
    // into it then, not before every step.
    const bool allClear = clear.known && std::all_of(clear.flags, clear.flags + state.pipeShapes.count,
                                                     [](bool pieceClear) { return pieceClear; });
    for (;;) {
        const bool last = !(k < total);
        if (memo != nullptr && turned > memo->turned && (last || !allClear)) {
            // Every step so far was a full one and clear: the memo goes on to here.
            memo->turned = turned;
            memo->reached.assign(state.pipeShapes.entries.begin(),
                                 state.pipeShapes.entries.begin() + state.pipeShapes.count);
        }
        const int64_t to = last ? total : k;
        // The angle of the step after this one, whose kept turns are fetched
        // while this one is tested (0: none follows).
        const int64_t nextTo = to + step < total ? to + step : total;
        const int32_t nextAngle = last ? 0 : clampToInt32((nextTo - to) * sense);
        const int32_t result = rotatePieces(state, hand, clampToInt32((to - turned) * sense), od, radius,
                                            clear.get(), lookUp, nextAngle);
        turned = to;
        if (result == 0) return 0;
        if (last) return 1;
        k = turned + step;
    }
}

// Turns the pipe by rho degrees (clockwise when positive) about the feed
// line; when that clashes, turns it back and goes the long way round.
// Returns 0 when the long way clashes too.
int32_t rotateStraight(ClashState& state, int16_t hand, int32_t rho, int32_t od, int32_t radius) {
    const int64_t sense = rho > 0 ? 1 : -1;
    const int64_t angle = rho > 0 ? static_cast<int64_t>(rho) : -static_cast<int64_t>(rho);
    // A rotation keeps every point's distance from the feed line, whichever
    // way it turns: pieces clear of every test at any angle are found once
    // for the forward turn, the turn back and the long way round.
    ClearPieces clear;
    if (state.pipeShapes.count <= kMaxPositions && !state.framesUntested) {
        const double cy = static_cast<double>(feedLineY(radius, hand));
        const int64_t longWay = 360 - angle;
        const double steps = stepsFor(angle, state.angleStep) + stepsFor(longWay, state.angleStep);
        clash::piecesClearOverTurn(state, od, true, cy, axisHeight(state, od), radius, steps, clear.flags);
        clear.known = true;
    }
    int64_t turned = 0;
    if (rotateInSteps(state, hand, angle, sense, od, radius, clear, turned) != 0) return 1;
    rotatePieces(state, hand, clampToInt32(-sense * turned), od, radius, clear.get());
    return rotateInSteps(state, hand, 360 - angle, -sense, od, radius, clear, turned);
}

// Where a run may resume: the last position k of the previous run's
// checkpoints such that the run agrees with that run on everything positions
// 0 to k read. -1 when it must begin at the load. `fedAlike` tells whether
// the run then feeds the straight after k as that run fed it, clear: the
// same pipe, room and length (runs whose rotations of that straight differ
// still feed it alike).
int32_t resumePoint(const SimulationCheckpoints& record, const CutPieceRecord& piece, int32_t optionCount,
                    const int16_t run[], const int32_t rotations[], bool backWallClear, int32_t last,
                    bool& fedAlike) {
    fedAlike = false;
    if (!record.valid || record.completed < 0 || !backWallClear || record.bendCount != piece.bendCount ||
        record.optionCount != optionCount || std::strcmp(record.cutId, piece.cutId) != 0 ||
        std::strcmp(record.spoolId, piece.spoolId) != 0) {
        return -1;
    }
    for (int32_t k = 0; k <= record.completed + 1 && k <= last; ++k) {
        // Each position reads its own option; the load and a straight before
        // a bend also read that bend's, and a straight between bends its
        // rotation after its feed.
        const bool readsAlike =
            run[k] == record.ordinals[k] && (k % 2 != 0 || k == last || run[k + 1] == record.ordinals[k + 1]);
        const bool turns = k % 2 == 0 && k >= 2 && k <= last - 2;
        if (readsAlike && turns) fedAlike = k <= record.completed || record.fedNext;
        if (!readsAlike || k > record.completed || (turns && rotations[k] != record.rotations[k])) return k - 1;
        fedAlike = false;
    }
    return std::min(record.completed, last);
}

// One run's simulation: what it reads, and where it stands.
struct Simulation {
    ClashState& clash;
    PrepareState& prep;
    const Shop& shop;
    const CutPieceRecord& piece;
    const int16_t* run;
    bool springback;
    int32_t od;
    int32_t last;
    double total;
    int64_t offsetY = 0;  // feed line the pieces formed so far were built on
    int64_t stepsAtLoad = 0;  // the step count when the run began

    // The option and step of a position; with `withMachine` its machine
    // becomes the one whose room is tested.
    RunPosition at(int32_t position, bool withMachine) {
        const RunPosition found = runPosition(prep, run, position);
        if (withMachine && found.option != nullptr && found.option->machineIndex >= 0 &&
            found.option->machineIndex < shop.machines.count) {
            clash.machine = shop.machines.at(found.option->machineIndex);
            clash.machineIndex = found.option->machineIndex;
        }
        return found;
    }
};

// Rotations of the run's straights as the run begins.
void straightRotations(const Simulation& sim, int32_t rotations[]) {
    for (int32_t q = 2; q <= sim.last - 2; q += 2) {
        const RunPosition at = runPosition(sim.prep, sim.run, q);
        if (at.option != nullptr) rotations[q] = at.option->rotation;
    }
}

// Resumes after the last position this run shares with the previous one:
// the formed pipe as it stood then, and the side effects of the shared
// positions (their clash lines, the rotations of the straights passed).
// Returns the first position still to simulate (0 when nothing is shared);
// `fedAlike` tells whether that position is a straight fed as before, clear.
int32_t resumeFromCheckpoints(Simulation& sim, const int32_t rotations[], bool& fedAlike) {
    ClashState& state = sim.clash;
    SimulationCheckpoints& record = state.checkpoints;
    // The total pipe length is read only by the load's back-wall test: a run
    // whose pipe passes it may resume after a run whose total differs.
    const bool backWallClear = !loadCheck(state, sim.prep, sim.shop, sim.run).hitsBackWall(sim.total);
    fedAlike = false;
    const int32_t resumeAfter = state.shortcuts ? resumePoint(record, sim.piece, sim.prep.bendOptions.count, sim.run,
                                                              rotations, backWallClear, sim.last, fedAlike)
                                                : -1;
    if (resumeAfter < 0) {
        copyText(record.cutId, sim.piece.cutId);
        copyText(record.spoolId, sim.piece.spoolId);
        record.optionCount = sim.prep.bendOptions.count;
        record.bendCount = sim.piece.bendCount;
        record.lineCount = 0;
        record.shapes.clear();
    } else {
        int32_t kept = 0;
        while (kept < record.lineCount && record.linePosition[kept] <= resumeAfter) ++kept;
        record.lineCount = kept;
        record.shapes.resize(static_cast<std::size_t>(record.shapeEnd[resumeAfter]));
    }
    record.valid = true;
    record.completed = resumeAfter;
    record.fedNext = false;
    std::memcpy(record.ordinals, sim.run, sizeof record.ordinals);
    std::memcpy(record.rotations, rotations, sizeof record.rotations);
    if (resumeAfter < 0) return 0;

    const int32_t begin = resumeAfter > 0 ? record.shapeEnd[resumeAfter - 1] : 0;
    const int32_t end = record.shapeEnd[resumeAfter];
    state.pipeShapes.entries.assign(record.shapes.begin() + begin, record.shapes.begin() + end);
    state.pipeShapes.count = end - begin;
    sim.offsetY = record.offsetY[resumeAfter];
    state.motionPhase = record.motionPhase[resumeAfter];
    state.simulationSteps += record.steps[resumeAfter];  // the shared positions' steps count as made
    for (int32_t i = 0; i < record.lineCount && state.clashLineCount < kMaxClashLines; ++i) {
        std::memcpy(state.clashLines[state.clashLineCount], record.lines[i], kClashLineWidth);
        ++state.clashLineCount;
    }
    for (int32_t q = 2; q <= resumeAfter && q <= sim.last - 2; q += 2) {
        setRunRotation(sim.prep, sim.run, q, clampToInt32(static_cast<int64_t>(rotations[q]) - 360));
    }
    return resumeAfter + 1;
}

// While a run is replayed for drawing: shows the observer the pipe after a
// motion of the program.
void showMotion(const Simulation& sim, MotionKind kind, int32_t position, double pending, int64_t feedY) {
    ClashState& state = sim.clash;
    if (!state.recordFrames) return;
    state.observer->motionDone(kind, position, state.machineIndex, pending, static_cast<double>(feedY),
                               axisHeight(state, sim.od), state.pipeShapes.entries.data(), state.pipeShapes.count);
}

// Position 0, the load: the first straight and the first bend's additional
// material on the machine, tested against the front and back walls.
int32_t loadPipe(Simulation& sim) {
    const RunPosition first = sim.at(0, true);
    const RunPosition firstBend = sim.at(1, false);
    double length = first.step->length;
    length = length + firstBend.option->extraBefore;
    const int32_t radius = firstBend.step->bendRadius;
    const MachineRecord& machine = sim.clash.machine;
    if (!sim.clash.framesUntested && machine.frontWall <= length) {
        addClashLine(sim.clash, "Front wall.");
        return 0;
    }
    if (!sim.clash.framesUntested && machine.backWall <= sim.total - length) {
        addClashLine(sim.clash, "Back wall");
        return 0;
    }
    const int64_t y = feedLineY(radius, first.option->hand);
    appendStraight(sim.clash, length, static_cast<double>(y), axisHeight(sim.clash, sim.od));
    sim.offsetY = y;
    showMotion(sim, MotionKind::Load, 0, 0.0, y);
    return 1;
}

// A bend: the pipe moved onto the bend's feed line, bent (past its angle by
// the springback when that is included, then back) and the arc added.
int32_t bendPipe(Simulation& sim, int32_t p, const RunPosition& at) {
    const BendStepRecord& step = *at.step;
    const int16_t hand = at.option->hand;
    const int32_t radius = step.bendRadius;
    const int64_t y = feedLineY(radius, hand);
    if (y != sim.offsetY) {
        shiftPipeSideways(sim.clash, clampToInt32(y - sim.offsetY));
        sim.offsetY = y;
    }
    int64_t target = step.bendAngle;
    if (sim.springback) target += sim.piece.springbackAngle;
    if (bendInSteps(sim.clash, hand, target, sim.od, radius) == 0) return 0;
    // The pipe springs back to its bend angle; a clash here stays in the
    // report but does not stop the run.
    if (sim.springback) bendPipeStep(sim.clash, hand, clampToInt32(target), step.bendAngle, sim.od, radius);
    appendArc(sim.clash, radius, hand, step.bendAngle, axisHeight(sim.clash, sim.od));
    showMotion(sim, MotionKind::Bend, p, 0.0, y);
    return 1;
}

// A straight between bends at position p: fed up to the next bend's
// additional material, then turned into the next bend's plane. The option's
// rotation is left lowered by a full turn once the straight is passed.
int32_t feedAndRotate(Simulation& sim, int32_t p, const RunPosition& at, bool fedAlike) {
    const RunPosition nextBend = sim.at(p + 1, false);
    double length = at.step->length;
    length = length + nextBend.option->extraBefore;
    const int32_t radius = nextBend.step->bendRadius;
    const int16_t hand = at.option->hand;

    const int64_t y = feedLineY(radius, hand);
    if (feedInSteps(sim.clash, length, sim.od, fedAlike) == 0) return 0;
    if (!sim.clash.recordFrames) sim.clash.checkpoints.fedNext = true;
    showMotion(sim, MotionKind::Feed, p, length, y);
    const int32_t rho = at.option->rotation;
    if (rho != 0 && rotateStraight(sim.clash, hand, rho, sim.od, radius) == 0) return 0;
    if (rho != 0) showMotion(sim, MotionKind::Rotation, p, length, y);
    setRunRotation(sim.prep, sim.run, p, clampToInt32(static_cast<int64_t>(rho) - 360));

    appendStraight(sim.clash, length, static_cast<double>(y), axisHeight(sim.clash, sim.od));
    return 1;
}

// Keeps the clash lines position p added, from `linesBefore` on, with the checkpoints.
void noteLines(ClashState& state, int32_t p, int32_t linesBefore) {
    SimulationCheckpoints& record = state.checkpoints;
    for (int32_t i = linesBefore; i < state.clashLineCount && record.lineCount < kMaxClashLines; ++i) {
        record.linePosition[record.lineCount] = p;
        std::memcpy(record.lines[record.lineCount], state.clashLines[i], kClashLineWidth);
        ++record.lineCount;
    }
}

// Position p is finished: its lines and the state after it become a checkpoint.
void keepCheckpoint(Simulation& sim, int32_t p, int32_t linesBefore) {
    ClashState& state = sim.clash;
    SimulationCheckpoints& record = state.checkpoints;
    noteLines(state, p, linesBefore);
    if (!state.recordFrames) {  // a replay for drawing is never resumed
        record.shapes.insert(record.shapes.end(), state.pipeShapes.entries.begin(),
                             state.pipeShapes.entries.begin() + state.pipeShapes.count);
    }
    record.shapeEnd[p] = static_cast<int32_t>(record.shapes.size());
    record.offsetY[p] = sim.offsetY;
    record.motionPhase[p] = state.motionPhase;
    record.steps[p] = state.simulationSteps - sim.stepsAtLoad;
    record.completed = p;
    record.fedNext = false;
}

int32_t endRun(ClashState& state, int32_t result) {
    state.pipeShapes.clear();
    return result;
}

// Slots of the position memo: 1,024 (about 2 MB with the pipes they hold).
constexpr int kPositionMemoBits = 10;

// Position p of the run in the position memo: its slot (null when positions
// are not kept), what it reads, and whether the slot holds it.
struct PositionLookup {
    PositionMemo* slot = nullptr;
    PositionReads reads{};
    uint64_t hash = 0;
    bool found = false;
};

// Looks position p up; when the slot does not hold it, the slot is given
// the pipe the position begins from, to be kept once the position ends.
PositionLookup lookUpPosition(Simulation& sim, int32_t p, const RunPosition& at) {
    ClashState& state = sim.clash;
    PositionLookup look;
    if (!state.shortcuts || state.recordFrames || state.framesUntested || state.observer != nullptr || p == 0 ||
        p >= sim.last || !at || at.option->machineIndex < 0 || at.option->machineIndex >= sim.shop.machines.count) {
        return look;
    }
    PositionReads& r = look.reads;
    r.position = p;
    r.machineIndex = at.option->machineIndex;
    r.stepIndex = at.option->stepIndex;
    r.hand = at.option->hand;
    if (at.step->stepType == kBend) {
        r.bendRadius = at.step->bendRadius;
        r.offsetY = sim.offsetY;
        r.springback = sim.springback;
    } else {
        const RunPosition next = runPosition(sim.prep, sim.run, p + 1);
        if (!next) return look;
        r.bendRadius = next.step->bendRadius;
        r.extraBefore = next.option->extraBefore;
        r.rotation = at.option->rotation;
    }
    if (state.positionMemos.empty()) {
        try {
            state.positionMemos.resize(std::size_t{1} << kPositionMemoBits);
        } catch (const std::bad_alloc&) {
            return look;  // no memory for the memo: every position is simulated
        }
    }
    const uint64_t h = pipeHash(state, mixBits(mixBits(static_cast<uint64_t>(p), static_cast<uint64_t>(r.stepIndex)),
                                               static_cast<uint64_t>(static_cast<uint32_t>(r.rotation))));
    const int32_t count = state.pipeShapes.count;
    const PipeShapeRecord* pieces = state.pipeShapes.entries.data();
    look.hash = h;
    PositionMemo& slot = state.positionMemos[h >> (64 - kPositionMemoBits)];
    look.found = slot.generation == state.memoGeneration && slot.hash == h && slot.reads == r &&
                 slot.before.size() == static_cast<std::size_t>(count) && samePieces(slot.before.data(), pieces, count);
    if (look.found) {
        look.slot = &slot;
        return look;
    }
    slot.generation = 0;
    try {
        slot.before.assign(pieces, pieces + count);
    } catch (const std::bad_alloc&) {
        return look;
    }
    look.slot = &slot;
    return look;
}

// Keeps the position just simulated in the slot its lookup prepared, when
// it found few enough clashes.
void keepPosition(Simulation& sim, const PositionLookup& look, int32_t result, int64_t clashesBefore,
                  int64_t steps) {
    ClashState& state = sim.clash;
    const int64_t lines = state.clashesFound - clashesBefore;
    if (lines > kMostMemoLines) return;
    PositionMemo& memo = *look.slot;
    // A run ends at a clash and its pipe is cleared: only a clear position
    // keeps the pipe it left (every position keeps the slot, which outlives
    // the run).
    const PipeShapeRecord* pieces = state.pipeShapes.entries.data();
    try {
        if (result != 0) memo.after.assign(pieces, pieces + state.pipeShapes.count);
    } catch (const std::bad_alloc&) {
        return;
    }
    memo.result = result;
    memo.lineCount = static_cast<int32_t>(lines);
    for (int32_t i = 0; i < memo.lineCount; ++i) {
        std::memcpy(memo.lines[i], state.recentLines[(clashesBefore + i) % kMostMemoLines], kClashLineWidth);
    }
    memo.hash = look.hash;
    memo.reads = look.reads;
    memo.slot = state.pipeShapes.current;
    memo.offsetY = sim.offsetY;
    memo.motionPhase = state.motionPhase;
    memo.steps = steps;
    memo.generation = state.memoGeneration;
}

// Does what the kept position did: its clash lines (as far as the report
// has room), the pipe, slot, feed line and motion phase it left, its steps,
// and a straight that it passed left a turn lower. Returns its result.
int32_t takePosition(Simulation& sim, const PositionLookup& look) {
    ClashState& state = sim.clash;
    const PositionMemo& memo = *look.slot;
    for (int32_t i = 0; i < memo.lineCount; ++i) {
        std::memcpy(state.recentLines[state.clashesFound % kMostMemoLines], memo.lines[i], kClashLineWidth);
        ++state.clashesFound;
        if (state.clashLineCount < 0 || state.clashLineCount >= kMaxClashLines) continue;
        std::memcpy(state.clashLines[state.clashLineCount], memo.lines[i], kClashLineWidth);
        ++state.clashLineCount;
    }
    if (memo.result != 0) {
        state.pipeShapes.entries.assign(memo.after.begin(), memo.after.end());  // within the capacity reserved
        state.pipeShapes.count = static_cast<int32_t>(memo.after.size());
    }
    state.pipeShapes.current = memo.slot;
    state.motionPhase = memo.motionPhase;
    state.simulationSteps += memo.steps;
    ++state.positionsTaken;
    const int32_t p = look.reads.position;
    if (p % 2 != 0) sim.offsetY = memo.offsetY;  // a bend builds on its own feed line; a straight keeps the run's
    if (memo.result != 0 && p % 2 == 0) {
        setRunRotation(sim.prep, sim.run, p, clampToInt32(static_cast<int64_t>(look.reads.rotation) - 360));
    }
    return memo.result;
}

}  // namespace

LoadCheck loadCheck(const ClashState& state, const PrepareState& prep, const Shop& shop, const int16_t* run) {
    LoadCheck check;
    const RunPosition first = runPosition(prep, run, 0);
    const RunPosition firstBend = runPosition(prep, run, 1);
    const MachineRecord* machine = &state.machine;  // as the load leaves it for an option without a machine
    if (first.option != nullptr && first.option->machineIndex >= 0 && first.option->machineIndex < shop.machines.count) {
        machine = &shop.machines.at(first.option->machineIndex);
    }
    if (!first || !firstBend) return check;
    check.length = first.step->length;
    check.length = check.length + firstBend.option->extraBefore;
    check.frontWall = machine->frontWall;
    check.backWall = machine->backWall;
    return check;
}

double addPipeLengths(const PrepareState& prep, const int16_t* run, int32_t from, int32_t last, double total,
                      double* after) {
    for (int32_t p = from; p <= last; ++p) {
        const RunPosition at = runPosition(prep, run, p);
        if (at) {
            total = total + at.step->length;
            if (p >= 1) {
                total = total + at.option->extraBefore;
                total = total + at.option->extraAfter;
            }
        }
        if (after != nullptr) after[p] = total;
    }
    return total;
}

double totalPipeLength(const PrepareState& prep, int32_t bendCount, const int16_t* run) {
    return addPipeLengths(prep, run, 0, 2 * bendCount, 0.0, nullptr);
}

int32_t simulateRun(ClashState& state, PrepareState& prep, const Shop& shop, const CutPieceRecord& piece,
                    bool springback, const int16_t* run) {
    state.simulationPosition = 0;
    state.pipeShapes.clear();
    state.pipeShapes.entries.reserve(kMaxPositions);  // pieces stay in one block; no allocation per position
    const int32_t n = piece.bendCount;
    // A run row holds at most kMaxBends bends; a longer piece cannot be a run.
    if (n > kMaxBends) return endRun(state, 0);
    state.halfDiameter = piece.outsideDiameter / 2;
    Simulation sim{state, prep, shop, piece, run, springback, piece.outsideDiameter, 2 * n,
                   totalPipeLength(prep, n, run)};
    sim.stepsAtLoad = state.simulationSteps;

    int32_t rotations[kMaxPositions] = {};
    straightRotations(sim, rotations);
    bool fedAlike = false;
    const int32_t firstPosition = resumeFromCheckpoints(sim, rotations, fedAlike);
    if (firstPosition > sim.last) {
        state.simulationPosition = sim.last + 1;
        return endRun(state, 1);
    }

    for (int32_t p = firstPosition; p <= sim.last; ++p) {
        state.simulationPosition = p + 1;
        const int32_t linesBefore = state.clashLineCount;
        int32_t clear = 1;
        if (p == 0) {
            clear = loadPipe(sim);
        } else {
            const RunPosition at = sim.at(p, true);
            const PositionLookup look = lookUpPosition(sim, p, at);
            const int64_t stepsBefore = state.simulationSteps, clashesBefore = state.clashesFound;
            if (look.found) {
                clear = takePosition(sim, look);
            } else if (at.step->stepType == kBend) {
                clear = bendPipe(sim, p, at);
            } else if (p < sim.last) {
                clear = feedAndRotate(sim, p, at, fedAlike && p == firstPosition);
            }
            if (!look.found && look.slot != nullptr) {
                keepPosition(sim, look, clear, clashesBefore, state.simulationSteps - stepsBefore);
            }
        }
        if (clear == 0) {
            noteLines(state, p, linesBefore);
            return endRun(state, 0);
        }
        keepCheckpoint(sim, p, linesBefore);
    }
    return endRun(state, 1);
}

void replayOutcome(ClashState& state, const char (*lines)[kClashLineWidth], int32_t lineCount,
                   int32_t simulationPosition, int32_t motionPhase, int32_t outsideDiameter, int64_t steps) {
    state.simulationSteps += steps;
    for (int32_t i = 0; i < lineCount && state.clashLineCount < kMaxClashLines; ++i) {
        std::memcpy(state.clashLines[state.clashLineCount], lines[i], kClashLineWidth);
        ++state.clashLineCount;
    }
    state.simulationPosition = simulationPosition;
    state.motionPhase = motionPhase;
    state.halfDiameter = outsideDiameter / 2;
}

// The motions change the pieces in place in their list; the slot is left
// holding the last piece, as loading, changing and storing each would leave it.

int32_t feedPipeStep(ClashState& state, int32_t distance, int32_t outsideDiameter) {
    return feedPieces(state, distance, outsideDiameter, nullptr);
}

int32_t shiftPipeSideways(ClashState& state, int32_t delta) {
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        piece.startY = piece.startY + delta;
        piece.endY = piece.endY + delta;
        if (piece.pieceType == kArcPiece) piece.centreY = piece.centreY + delta;
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return 0;
}

namespace {

// The direction angles in two halves, so that the arctangents of many
// points can be taken together: the tangent of the angle the point makes
// with the nearer axis, or false with the angle itself where the point lies
// on an axis through the centre; then the angle from that tangent's
// arctangent, by quadrant.
//
// Both direction angles take the tangent |v - cv| / |u - cu| and give 90 or
// 270 on u = cu, 0 or 180 on v = cv: the planar angle with u, v = x, y,
// asking u = cu first, the axial angle with u, v = z, y, asking v = cv
// first. The order decides the point at the centre itself.
inline bool directionTangent(double cu, double cv, double u, double v, bool uFirst, double& value) {
    const bool onU = u == cu, onV = v == cv;
    if (onU && (uFirst || !onV)) {
        value = cv < v ? 90.0 : 270.0;
        return false;
    }
    if (onV) {
        value = cu < u ? 0.0 : 180.0;
        return false;
    }
    value = std::fabs(v - cv) / std::fabs(u - cu);
    return true;
}

inline double planarFromArctangent(double cx, double cy, double x, double y, double arctangent) {
    const double a = toDegrees(arctangent);
    if (y <= cy) return cx < x ? 360.0 - a : a + 180.0;
    return x <= cx ? 180.0 - a : a;
}

inline double axialFromArctangent(double cy, double cz, double y, double z, double arctangent) {
    const double a = toDegrees(arctangent);
    if (z <= cz) return cy < y ? 180.0 - a : a + 180.0;
    return y <= cy ? 360.0 - a : a;
}

// How one bend step moves the formed pipe: it rides on the end of the arc,
// so it moves by (dx, dy) with the arc's end, then turns by `turn` degrees
// about the point (cx, cy) where that end now is.
struct BendMotion {
    int16_t hand;
    double dx, dy, cx, cy;
    int32_t turn;
};

// sinCos(toRadians(degrees)) for a whole number of degrees. With `kept`,
// angles up to three turns either way are read from a table made once with
// that same call: a bend's steps ask for the same few angles again and again
// (each step begins where the one before it ended).
void sinCosOfDegrees(int32_t degrees, bool kept, double& sine, double& cosine) {
    constexpr int32_t kMostKept = 1080;
    struct Table {
        double sine[2 * kMostKept + 1];
        double cosine[2 * kMostKept + 1];
        Table() {
            for (int32_t d = -kMostKept; d <= kMostKept; ++d) {
                elementary::sinCos(toRadians(d), sine[d + kMostKept], cosine[d + kMostKept]);
            }
        }
    };
    if (!kept || degrees < -kMostKept || degrees > kMostKept) {
        elementary::sinCos(toRadians(degrees), sine, cosine);
        return;
    }
    static const Table table;
    sine = table.sine[degrees + kMostKept];
    cosine = table.cosine[degrees + kMostKept];
}

BendMotion bendMotion(int16_t hand, int32_t fromAngle, int32_t toAngle, int32_t bendRadius, bool keptAngles) {
    double s1, c1, s0, c0;
    sinCosOfDegrees(toAngle, keptAngles, s1, c1);
    sinCosOfDegrees(fromAngle, keptAngles, s0, c0);
    const double sin1 = bendRadius * s1;
    const double cos1 = bendRadius * c1;
    const double sin0 = bendRadius * s0;
    const double cos0 = bendRadius * c0;
    BendMotion motion{hand, sin1 - sin0, 0.0, sin1, 0.0, toAngle - fromAngle};
    if (hand == kRightHand) {
        motion.dy = cos1 - cos0;
        motion.cy = cos1;
    } else {
        motion.dy = cos0 - cos1;
        motion.cy = -cos1;
    }
    return motion;
}

// The direction of a point seen from the arc's end after the step's turn.
inline double turnedPlanar(const BendMotion& m, double phi) {
    if (m.hand == kLeftHand) {
        phi = phi + m.turn;
        if (phi > 360) phi = phi - 360;
    } else {
        phi = phi - m.turn;
        if (phi < 0) phi = phi + 360;
    }
    return phi;
}

void turnAboutArcEnd(const BendMotion& m, double& x, double& y) {
    const double d = distance2(m.cx, m.cy, x, y);
    const double phi = turnedPlanar(m, planarAngle(m.cx, m.cy, x, y));
    double sine, cosine;
    elementary::sinCos(toRadians(phi), sine, cosine);
    x = m.cx + d * cosine;
    y = m.cy + d * sine;
}

inline bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Most points one step turns: three per piece of the longest pipe.
constexpr int kMostPoints = 3 * kMaxPositions;

// Turns `count` points (us[i], vs[i]) about a centre, their arctangents,
// sines and cosines taken together: `tangent(u, v, value)` is the point's
// direction tangent (false with the direction itself on an axis),
// `turned(u, v, direction, onAxis)` its direction after the turn in degrees
// (`direction` the arctangent, or the direction on an axis), and
// `place(u, v, sine, cosine)` puts it there. Each point gets the bits of its
// single turn.
template <typename Tangent, typename Turned, typename Place>
void turnMany(int count, double* us, double* vs, Tangent tangent, Turned turned, Place place) {
    double tangents[kMostPoints], radians[kMostPoints], sines[kMostPoints], cosines[kMostPoints];
    double onAxisAngles[kMostPoints];
    bool onAxis[kMostPoints];
    for (int i = 0; i < count; ++i) {
        onAxis[i] = !tangent(us[i], vs[i], tangents[i]);
        if (onAxis[i]) onAxisAngles[i] = tangents[i], tangents[i] = 1.0;  // any tangent will do
    }
    elementary::atanMany(tangents, tangents, count);
    for (int i = 0; i < count; ++i) {
        radians[i] = toRadians(turned(us[i], vs[i], onAxis[i] ? onAxisAngles[i] : tangents[i], onAxis[i]));
    }
    elementary::sinCosMany(radians, sines, cosines, count);
    for (int i = 0; i < count; ++i) place(us[i], vs[i], sines[i], cosines[i]);
}

// turnAboutArcEnd on `count` points (xs[i], ys[i]).
void turnManyAboutArcEnd(const BendMotion& m, int count, double* xs, double* ys) {
    turnMany(
        count, xs, ys,
        [&m](double x, double y, double& value) { return directionTangent(m.cx, m.cy, x, y, true, value); },
        [&m](double x, double y, double direction, bool onAxis) {
            return turnedPlanar(m, onAxis ? direction : planarFromArctangent(m.cx, m.cy, x, y, direction));
        },
        [&m](double& x, double& y, double sine, double cosine) {
            const double d = distance2(m.cx, m.cy, x, y);
            x = m.cx + d * cosine;
            y = m.cy + d * sine;
        });
}

// The direction of a point seen from the feed line after a rotation step.
inline double turnedAxial(double phi, int32_t angle) {
    phi = phi + angle;
    if (phi > 360) phi = phi - 360;
    if (angle < 0) phi = phi + 360;
    return phi;
}

// A rotation step's turn (placeAtAxialAngle at the turned direction) of
// `count` points (ys[i], zs[i]) about the feed line.
void turnManyAboutFeedLine(double cy, double cz, int32_t angle, int count, double* ys, double* zs) {
    turnMany(
        count, ys, zs,
        [cy, cz](double y, double z, double& value) { return directionTangent(cz, cy, z, y, false, value); },
        [cy, cz, angle](double y, double z, double direction, bool onAxis) {
            return turnedAxial(onAxis ? direction : axialFromArctangent(cy, cz, y, z, direction), angle);
        },
        [cy, cz](double& y, double& z, double sine, double cosine) {
            const double d = distance2(cy, cz, y, z);
            if (d == 0.0) return;  // the point on the feed line stays
            y = cy + d * sine;
            z = cz + d * cosine;
        });
}

// The slot of a point whose turn is not kept.
constexpr std::size_t kNoSlot = ~std::size_t{0};

// The turns of the step after the present one, and for a bend step the
// move (du, dv) every point makes before it turns.
struct NextTurns {
    PointTurns::Step turns;
    bool moves;
    double du, dv;
};

// The points of one step that no kept turn holds, turned together once all
// are known: where each is, its slot (kNoSlot: not to be kept) and its bits;
// and the points met again within the step, with the missed point each one is.
struct MissedPoints {
    double* whereU[kMostPoints];
    double* whereV[kMostPoints];
    std::size_t slots[kMostPoints];
    double fromU[kMostPoints], fromV[kMostPoints], toU[kMostPoints], toV[kMostPoints];
    int32_t missed = 0;
    double* againU[kMostPoints];
    double* againV[kMostPoints];
    int32_t againOf[kMostPoints];
    int32_t again = 0;

    // Notes the point (u, v) whose slot did not hold its turn. Where one
    // piece joins the next, their common point comes again within the next
    // three: it is turned once.
    void add(PointTurns& kept, std::size_t slot, double& u, double& v) {
        int32_t same = missed - 1;
        while (same >= 0 && same >= missed - 3 && !(sameBits(fromU[same], u) && sameBits(fromV[same], v))) --same;
        if (same >= 0 && same >= missed - 3) {
            againU[again] = &u, againV[again] = &v, againOf[again] = same;
            ++again;
            ++kept.hits;
            return;
        }
        whereU[missed] = &u, whereV[missed] = &v, slots[missed] = slot;
        fromU[missed] = toU[missed] = u, fromV[missed] = toV[missed] = v;
        ++missed;
    }

    // Turns the noted points with `turnMany`, keeps their turns and puts
    // every noted point where it turned to.
    template <typename TurnMany>
    void turn(PointTurns& kept, const PointTurns::Step& turns, TurnMany& turnMany) {
        turnMany(missed, toU, toV);
        for (int32_t i = 0; i < missed; ++i) {
            if (slots[i] != kNoSlot) {
                kept.keep(slots[i], turns, fromU[i], fromV[i], toU[i], toV[i]);
            } else {
                ++kept.notKept;
            }
            *whereU[i] = toU[i];
            *whereV[i] = toV[i];
        }
        for (int32_t i = 0; i < again; ++i) {
            *againU[i] = toU[againOf[i]];
            *againV[i] = toV[againOf[i]];
        }
    }
};

// Turns every point of the formed pipe: the start, end and (of an arc)
// centre of each piece, in the plane of coordinates u and v of
// PipeShapeRecord (x and y for a bend, y and z for a rotation). `turn` turns
// one point, `turnMany` arrays of them with the same bits. Without the
// shortcuts each point is turned on its own. With them a turn already made
// with the same bits is taken from the thread's point turns (the slots of
// all points are fetched first, together) and the rest are turned together.
//
// With `lookUp` (kept by the steps of one rotation), a piece is looked up
// only while it is marked there, and the first step that does not find the
// turn of its first point takes the mark away: from then on the piece's
// points are turned and not kept. A piece that one step of a rotation does
// not find is on a way the kept turns do not hold, and its later steps are
// as new: on a slow bench piece the next step found the first point of such
// a piece 0.15% of the time, and keeping those turns (200 million slots
// written) let later steps find 2.3 million more. Looking them up and
// keeping them cost a fifth of the time of the pieces whose rotations go
// round thousands of times.
//
// With `next` (the step that follows, when it is known), the slots that
// step will look up are asked for from memory at once: the room test of
// this step runs while they come.
template <typename Turn, typename TurnMany>
void turnPoints(ClashState& state, const PointTurns::Step& turns, double PipeShapeRecord::*const u[3],
                double PipeShapeRecord::*const v[3], Turn turn, TurnMany turnMany, bool lookUp[] = nullptr,
                const NextTurns* next = nullptr) {
    const int32_t count = state.pipeShapes.count;
    if (!state.shortcuts || count > kMaxPositions || !state.pointTurns.ready()) {
        for (int32_t i = 0; i < count; ++i) {
            PipeShapeRecord& piece = state.pipeShapes.at(i);
            const int points = piece.pieceType == kArcPiece ? 3 : 2;
            for (int k = 0; k < points; ++k) turn(piece.*u[k], piece.*v[k]);
        }
        return;
    }
    PointTurns& kept = state.pointTurns;
    std::size_t slots[kMostPoints];
    int32_t n = 0;
    for (int32_t i = 0; i < count; ++i) {
        const PipeShapeRecord& piece = state.pipeShapes.at(i);
        const int points = piece.pieceType == kArcPiece ? 3 : 2;
        const bool look = lookUp == nullptr || lookUp[i];
        for (int k = 0; k < points; ++k) slots[n++] = look ? kept.slotOf(turns, piece.*u[k], piece.*v[k]) : kNoSlot;
    }
    MissedPoints missed;
    n = 0;
    for (int32_t i = 0; i < count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        const int points = piece.pieceType == kArcPiece ? 3 : 2;
        const bool look = lookUp == nullptr || lookUp[i];
        for (int k = 0; k < points; ++k, ++n) {
            double& pu = piece.*u[k];
            double& pv = piece.*v[k];
            const bool found = look && kept.take(slots[n], turns, pu, pv);
            if (!found) missed.add(kept, slots[n], pu, pv);
            if (k == 0 && !found && lookUp != nullptr) lookUp[i] = false;
        }
    }
    missed.turn(kept, turns, turnMany);
    if (next == nullptr) return;
    for (int32_t i = 0; i < count; ++i) {
        if (lookUp != nullptr && !lookUp[i]) continue;
        const PipeShapeRecord& piece = state.pipeShapes.at(i);
        const int points = piece.pieceType == kArcPiece ? 3 : 2;
        for (int k = 0; k < points; ++k) {
            if (next->moves) {
                kept.slotOf(next->turns, piece.*u[k] + next->du, piece.*v[k] + next->dv);
            } else {
                kept.slotOf(next->turns, piece.*u[k], piece.*v[k]);
            }
        }
    }
}

constexpr double PipeShapeRecord::*kXs[3] = {&PipeShapeRecord::startX, &PipeShapeRecord::endX,
                                             &PipeShapeRecord::centreX};
constexpr double PipeShapeRecord::*kYs[3] = {&PipeShapeRecord::startY, &PipeShapeRecord::endY,
                                             &PipeShapeRecord::centreY};
constexpr double PipeShapeRecord::*kZs[3] = {&PipeShapeRecord::startZ, &PipeShapeRecord::endZ,
                                             &PipeShapeRecord::centreZ};

// One bend step, leaving the pieces marked in `clear` out of the test.
int32_t bendPieces(ClashState& state, int16_t hand, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                   int32_t bendRadius, const bool clear[], int32_t nextAngle) {
    state.motionPhase = kPhaseBend;
    ++state.simulationSteps;
    ++state.bendStepsMade;
    const BendMotion m = bendMotion(hand, fromAngle, toAngle, bendRadius, state.shortcuts);
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        piece.startX = piece.startX + m.dx;
        piece.endX = piece.endX + m.dx;
        piece.startY = piece.startY + m.dy;
        piece.endY = piece.endY + m.dy;
        if (piece.pieceType == kArcPiece) {
            piece.centreX = piece.centreX + m.dx;
            piece.centreY = piece.centreY + m.dy;
        }
    }
    // A point's turn reads the point, the arc's end it turns about, the
    // angle and whether the hand is the left one.
    const TurnKind kind = hand == kLeftHand ? TurnKind::BendLeft : TurnKind::BendOther;
    const PointTurns::Step turns = PointTurns::step(kind, m.cx, m.cy, m.turn);
    NextTurns next{};
    if (nextAngle >= 0 && state.shortcuts) {
        const BendMotion n = bendMotion(hand, toAngle, nextAngle, bendRadius, state.shortcuts);
        next = NextTurns{PointTurns::step(kind, n.cx, n.cy, n.turn), true, n.dx, n.dy};
    }
    turnPoints(
        state, turns, kXs, kYs, [&m](double& x, double& y) { turnAboutArcEnd(m, x, y); },
        [&m](int points, double* xs, double* ys) { turnManyAboutArcEnd(m, points, xs, ys); }, nullptr,
        nextAngle >= 0 && state.shortcuts ? &next : nullptr);
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return clash::testPipeShapeExcept(state, outsideDiameter, clear);
}

// One rotation step, leaving the pieces marked in `clear` out of the test.
// With `lookUp`, the kept turns are looked up only for the points of the
// pieces marked in it (see turnPoints).
int32_t rotatePieces(ClashState& state, int16_t hand, int32_t angle, int32_t outsideDiameter, int32_t bendRadius,
                     const bool clear[], bool lookUp[], int32_t nextAngle) {
    state.motionPhase = kPhaseRotation;
    ++state.simulationSteps;
    if (angle == 0) return 0;
    ++state.rotationStepsMade;
    const double cy = static_cast<double>(feedLineY(bendRadius, hand));
    const double cz = axisHeight(state, outsideDiameter);
    auto turn = [cy, cz, angle](double& y, double& z) {
        placeAtAxialAngle(cy, cz, turnedAxial(axialAngle(cy, cz, y, z), angle), y, z);
    };
    // A point's turn reads the point, the feed line and the angle.
    NextTurns next{};
    if (nextAngle != 0) next = NextTurns{PointTurns::step(TurnKind::Rotation, cy, cz, nextAngle), false, 0.0, 0.0};
    turnPoints(
        state, PointTurns::step(TurnKind::Rotation, cy, cz, angle), kYs, kZs, turn,
        [cy, cz, angle](int points, double* ys, double* zs) { turnManyAboutFeedLine(cy, cz, angle, points, ys, zs); },
        lookUp, nextAngle != 0 ? &next : nullptr);
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return clash::testPipeShapeExcept(state, outsideDiameter, clear);
}

}  // namespace

int32_t bendPipeStep(ClashState& state, int16_t hand, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                     int32_t bendRadius) {
    return bendPieces(state, hand, fromAngle, toAngle, outsideDiameter, bendRadius, nullptr);
}

int32_t rotatePipeStep(ClashState& state, int16_t hand, int32_t angle, int32_t outsideDiameter, int32_t bendRadius) {
    return rotatePieces(state, hand, angle, outsideDiameter, bendRadius, nullptr);
}

double planarAngle(double cx, double cy, double x, double y) {
    double value;
    if (!directionTangent(cx, cy, x, y, true, value)) return value;
    return planarFromArctangent(cx, cy, x, y, elementary::atan(value));
}

double axialAngle(double cy, double cz, double y, double z) {
    double value;
    if (!directionTangent(cz, cy, z, y, false, value)) return value;
    return axialFromArctangent(cy, cz, y, z, elementary::atan(value));
}

int32_t placeAtAxialAngle(double cy, double cz, double angle, double& y, double& z) {
    const double d = distance2(cy, cz, y, z);
    if (d == 0.0) return 0;
    double sine, cosine;
    elementary::sinCos(toRadians(angle), sine, cosine);
    y = cy + d * sine;
    z = cz + d * cosine;
    return 0;
}

}  // namespace kwarel
