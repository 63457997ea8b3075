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

#include "clash/clash_math.h"
#include "clash/envelope.h"
#include "clash/report.h"
#include "clash/shape_tests.h"
#include "prepare/options.h"

namespace kwarel {

using clash::distance2;
using clash::toDegrees;
using clash::toRadians;
using clash::truncate32;

namespace {

constexpr int16_t kArc = 2;

int32_t bendPieces(JobState& state, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter, int32_t bendRadius,
                   const bool clear[]);
int32_t rotatePieces(JobState& state, int32_t angle, int32_t outsideDiameter, int32_t bendRadius, const bool clear[]);

// Option ordinal of the run at position p: the first option's at 0, the
// combination's from 1 on.
int32_t ordinalAt(const JobState& state, int32_t firstOrdinal, int32_t position) {
    if (position == 0) return firstOrdinal;
    if (position < 1 || position > kMaxPositions - 1) return -1;
    return state.combination[position - 1];
}

// Loads the option of a position and its step (and its machine when asked);
// returns the option's list index, or -1 when there is no such option (the
// slots then keep what they held).
int32_t loadPosition(JobState& state, int32_t firstOrdinal, int32_t position, bool withMachine) {
    const int32_t ordinal = ordinalAt(state, firstOrdinal, position);
    const int32_t index = ordinal < 0 ? -1 : loadOptionAt(state, position, ordinal);
    state.bendSteps.load(state.bendOptions.current.stepIndex);
    if (withMachine) state.machines.load(state.bendOptions.current.machineIndex);
    return index;
}

// y of the feed line for a bend radius: -R for hand 1, +R for any other hand.
int64_t feedLineY(int32_t radius, int16_t hand) { return hand == 1 ? -static_cast<int64_t>(radius) : radius; }

// Height of the pipe axis on the machine in the slot.
double axisHeight(const JobState& state, int32_t outsideDiameter) {
    return static_cast<double>(static_cast<int64_t>(state.machines.current.machineHeight) + outsideDiameter / 2);
}

int32_t toInt32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void appendStraight(JobState& state, double length, double y, double z) {
    PipeShapeRecord& piece = state.pipeShapes.current;  // centre and angle keep what the slot held
    piece.pieceType = 1;
    piece.startX = 0.0;
    piece.startY = y;
    piece.startZ = z;
    piece.endX = length;
    piece.endY = y;
    piece.endZ = z;
    state.pipeShapes.append();
    state.pipeShapes.store(state.pipeShapes.count - 1);
}

void appendArc(JobState& state, int32_t radius, int16_t hand, int32_t bendAngle, double z) {
    const double theta = toRadians(bendAngle);
    const double sign = hand == 1 ? -1.0 : 1.0;
    PipeShapeRecord& piece = state.pipeShapes.current;
    piece.pieceType = kArc;
    piece.startX = 0.0;
    piece.startY = sign * radius;
    piece.startZ = z;
    piece.endX = radius * std::sin(theta);
    piece.endY = sign * (radius * std::cos(theta));
    piece.endZ = z;
    piece.centreX = 0.0;
    piece.centreY = 0.0;
    piece.centreZ = z;
    piece.arcAngle = bendAngle;
    state.pipeShapes.append();
    state.pipeShapes.store(state.pipeShapes.count - 1);
}

int32_t endRun(JobState& state, int32_t result) {
    state.pipeShapes.clear();
    return result;
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

// Bends the pipe at the current option from 0 to the target in angleStep
// steps. Returns 0 at the first clash.
//
// A bend turns the formed pipe about the bending centre without changing its
// height, so pieces that cannot reach any surface at any angle of the turn
// are found once and left out of every step's test.
int32_t bendInSteps(JobState& state, int64_t target, int32_t od, int32_t radius) {
    const int64_t step = state.angleStep;
    ClearPieces clear;
    if (state.pipeShapes.count <= kMaxPositions) {
        clash::piecesClearOverTurn(state, od, false, 0.0, 0.0, radius, stepsFor(target, step), clear.flags);
        clear.known = true;
    }
    int64_t prev = 0;
    int64_t k = step > 0 ? step : target;  // no stepping without a positive step
    for (;;) {
        const bool last = !(k < target);
        const int32_t result = last ? bendPieces(state, toInt32(prev), toInt32(target), od, radius, clear.get())
                                    : bendPieces(state, toInt32(prev), toInt32(k), od, radius, clear.get());
        if (result == 0) return 0;
        if (last) return 1;
        prev = k;
        k += step;
    }
}

// One feed step, leaving the pieces marked in `clear` out of the test.
int32_t feedPieces(JobState& state, int32_t distance, int32_t od, const bool clear[]) {
    state.motionPhase = 2;
    ++state.simulationSteps;
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        piece.startX = piece.startX + distance;
        piece.endX = piece.endX + distance;
        if (piece.pieceType == kArc) piece.centreX = piece.centreX + distance;
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return clash::testPipeShapeExcept(state, od, clear);
}

// Feeds the pipe by `length` in feedStep steps; the last step ends at the
// truncated length. Returns 0 at the first clash.
//
// A feed only moves the pipe along x, so pieces that no test can reach at any
// point of the whole feed are found once and left out of every step's test.
int32_t feedInSteps(JobState& state, double length, int32_t od) {
    const int64_t step = state.feedStep;
    const int64_t total = truncate32(length);
    bool clear[kMaxPositions];
    const bool someClear = state.pipeShapes.count <= kMaxPositions;
    if (someClear) {
        const double steps = step > 0 ? static_cast<double>((total < 0 ? -total : total) / step + 2) : 1.0;
        clash::piecesClearOverFeed(state, od, static_cast<double>(total), steps, clear);
    }
    int64_t prev = 0;
    int64_t k = step;
    for (;;) {
        const bool last = step <= 0 || !(static_cast<double>(k) < length);
        const int32_t distance = last ? toInt32(total - prev) : toInt32(k - prev);
        if (feedPieces(state, distance, od, someClear ? clear : nullptr) == 0) return 0;
        if (last) return 1;
        prev = k;
        k += step;
    }
}

// Turns the pipe by `total` degrees (> 0) in the sense `sense`, in angleStep
// steps. Returns 0 at the first clash and writes how far it had turned,
// including the step that clashed.
int32_t rotateInSteps(JobState& state, int64_t total, int64_t sense, int32_t od, int32_t radius,
                      const ClearPieces& clear, int64_t& turned) {
    const int64_t step = state.angleStep;
    turned = 0;
    int64_t k = step > 0 ? step : total;
    for (;;) {
        const bool last = !(k < total);
        const int64_t to = last ? total : k;
        const int32_t result = rotatePieces(state, toInt32((to - turned) * sense), od, radius, clear.get());
        turned = to;
        if (result == 0) return 0;
        if (last) return 1;
        k = turned + step;
    }
}

}  // namespace

double totalPipeLength(JobState& state, int32_t firstOrdinal) {
    const int32_t n = state.cutPieces.current.bendCount;
    double total = 0.0;
    for (int32_t p = 0; p <= 2 * n; ++p) {
        loadPosition(state, firstOrdinal, p, false);
        total = total + state.bendSteps.current.length;
        if (p >= 1) {
            total = total + state.bendOptions.current.extraBefore;
            total = total + state.bendOptions.current.extraAfter;
        }
    }
    return total;
}

namespace {

// Where a run may resume: the last position k of the previous run's
// checkpoints such that the run agrees with that run on everything positions
// 0 to k read. -1 when it must begin at the load.
int32_t resumePoint(const JobState& state, const JobState::SimulationCheckpoints& record, const int16_t run[],
                    const int32_t rotations[], double total, int32_t last) {
    const CutPieceRecord& piece = state.cutPieces.current;
    if (!record.valid || record.completed < 0 || record.total != total || record.bendCount != piece.bendCount ||
        record.optionCount != state.bendOptions.count || std::strcmp(record.cutId, piece.cutId) != 0 ||
        std::strcmp(record.spoolId, piece.spoolId) != 0) {
        return -1;
    }
    int32_t resume = -1;
    int32_t compared = -1;  // positions 0 .. compared of the run agree with the record
    for (int32_t k = 0; k <= record.completed && k <= last; ++k) {
        // A straight reads the option of the bend after it (the load reads the
        // first bend's); a bend reads only its own.
        const int32_t reads = (k % 2 == 0) ? std::min(k + 1, last) : k;
        for (int32_t i = compared + 1; i <= reads; ++i) {
            if (run[i] != record.ordinals[i]) return resume;
        }
        compared = std::max(compared, reads);
        if (k % 2 == 0 && k >= 2 && k <= last - 2 && rotations[k] != record.rotations[k]) return resume;
        resume = k;
    }
    return resume;
}

}  // namespace

int32_t simulateRun(JobState& state, int32_t firstOrdinal) {
    state.pipeShapes.clear();
    state.pipeShapes.entries.reserve(kMaxPositions);  // pieces stay in one block; no allocation per position
    const CutPieceRecord piece = state.cutPieces.current;
    const int32_t od = piece.outsideDiameter;
    const int32_t n = piece.bendCount;
    // A run row holds at most kMaxBends bends; a longer piece cannot be a run.
    if (n > kMaxBends) return endRun(state, 0);
    state.halfDiameter = od / 2;
    const double total = totalPipeLength(state, firstOrdinal);
    const bool springback = state.options.INCLUDE_BEND_SPRINGBACK != 0;
    const int32_t last = 2 * n;
    int64_t offsetY = 0;  // feed line the pieces formed so far were built on

    // The run, and the rotations of its straights as the run begins.
    int16_t run[kMaxPositions];
    int32_t rotations[kMaxPositions] = {};
    for (int32_t p = 0; p <= last; ++p) run[p] = static_cast<int16_t>(ordinalAt(state, firstOrdinal, p));
    for (int32_t q = 2; q <= last - 2; q += 2) {
        const int32_t index = loadOptionAt(state, q, run[q]);
        if (index >= 0) rotations[q] = state.bendOptions.at(index).rotation;
    }

    // Resume after the last position this run shares with the previous one:
    // the formed pipe as it stood then, and the side effects of the shared
    // positions (their clash lines, the rotations of the straights passed).
    JobState::SimulationCheckpoints& record = state.simulationCheckpoints;
    const int32_t resumeAfter = resumePoint(state, record, run, rotations, total, last);
    if (resumeAfter < 0) {
        copyText(record.cutId, piece.cutId);
        copyText(record.spoolId, piece.spoolId);
        record.optionCount = state.bendOptions.count;
        record.bendCount = n;
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
    record.total = total;
    std::memcpy(record.ordinals, run, sizeof run);
    std::memcpy(record.rotations, rotations, sizeof rotations);

    int32_t firstPosition = 0;
    if (resumeAfter >= 0) {
        const int32_t begin = resumeAfter > 0 ? record.shapeEnd[resumeAfter - 1] : 0;
        const int32_t end = record.shapeEnd[resumeAfter];
        state.pipeShapes.entries.assign(record.shapes.begin() + begin, record.shapes.begin() + end);
        state.pipeShapes.count = end - begin;
        offsetY = record.offsetY[resumeAfter];
        state.motionPhase = record.motionPhase[resumeAfter];
        for (int32_t i = 0; i < record.lineCount && state.clashLineCount < kMaxClashLines; ++i) {
            std::memcpy(state.clashLines[state.clashLineCount], record.lines[i], kClashLineWidth);
            ++state.clashLineCount;
        }
        for (int32_t q = 2; q <= resumeAfter && q <= last - 2; q += 2) {
            const int32_t index = loadOptionAt(state, q, run[q]);
            if (index >= 0) {
                state.bendOptions.load(index);
                state.bendOptions.current.rotation = toInt32(static_cast<int64_t>(rotations[q]) - 360);
                state.bendOptions.store(index);
            }
        }
        firstPosition = resumeAfter + 1;
        if (firstPosition > last) {
            state.simulationPosition = last + 1;
            return endRun(state, 1);
        }
    }

    for (int32_t p = firstPosition; p <= last; ++p) {
        state.simulationPosition = p + 1;
        const int32_t linesBefore = state.clashLineCount;
        // Keeps the clash lines this position added with the checkpoints.
        auto noteLines = [&]() {
            for (int32_t i = linesBefore; i < state.clashLineCount && record.lineCount < kMaxClashLines; ++i) {
                record.linePosition[record.lineCount] = p;
                std::memcpy(record.lines[record.lineCount], state.clashLines[i], kClashLineWidth);
                ++record.lineCount;
            }
        };
        auto clash = [&]() {
            noteLines();
            return endRun(state, 0);
        };

        if (p == 0) {
            // Load: the first straight and the first bend's additional material.
            loadPosition(state, firstOrdinal, 0, false);
            double length = state.bendSteps.current.length;
            loadPosition(state, firstOrdinal, 1, false);
            length = length + state.bendOptions.current.extraBefore;
            const int32_t radius = state.bendSteps.current.bendRadius;
            loadPosition(state, firstOrdinal, 0, true);
            const MachineRecord& machine = state.machines.current;
            if (machine.frontWall <= length) {
                addClashLine(state, "Front wall.");
                return clash();
            }
            if (machine.backWall <= total - length) {
                addClashLine(state, "Back wall");
                return clash();
            }
            const int64_t y = feedLineY(radius, state.bendOptions.current.hand);
            appendStraight(state, length, static_cast<double>(y), axisHeight(state, od));
            offsetY = y;
        } else {
            loadPosition(state, firstOrdinal, p, true);
            if (state.bendSteps.current.stepType == kBend) {
                const BendStepRecord step = state.bendSteps.current;
                const int16_t hand = state.bendOptions.current.hand;
                const int32_t radius = step.bendRadius;
                const int64_t y = feedLineY(radius, hand);
                if (y != offsetY) {
                    shiftPipeSideways(state, toInt32(y - offsetY));
                    offsetY = y;
                }
                int64_t target = step.bendAngle;
                if (springback) target += piece.springbackAngle;
                if (bendInSteps(state, target, od, radius) == 0) return clash();
                // The pipe springs back to its bend angle; a clash here stays in
                // the report but does not stop the run.
                if (springback) bendPipeStep(state, toInt32(target), step.bendAngle, od, radius);
                appendArc(state, radius, hand, step.bendAngle, axisHeight(state, od));
            } else if (p < last) {
                // A straight between bends: fed up to the next bend's additional
                // material, then turned into the next bend's plane.
                double length = state.bendSteps.current.length;
                loadPosition(state, firstOrdinal, p + 1, false);
                length = length + state.bendOptions.current.extraBefore;
                const int32_t radius = state.bendSteps.current.bendRadius;
                const int32_t optionIndex = loadPosition(state, firstOrdinal, p, false);

                if (feedInSteps(state, length, od) == 0) return clash();

                const int32_t rho = state.bendOptions.current.rotation;
                if (rho != 0) {
                    const int64_t sense = rho > 0 ? 1 : -1;
                    const int64_t angle = rho > 0 ? static_cast<int64_t>(rho) : -static_cast<int64_t>(rho);
                    // A rotation keeps every point's distance from the feed line,
                    // whichever way it turns: pieces clear of every test at any
                    // angle are found once for the forward turn, the turn back
                    // and the long way round.
                    ClearPieces clear;
                    if (state.pipeShapes.count <= kMaxPositions) {
                        const double cy = static_cast<double>(feedLineY(radius, state.bendOptions.current.hand));
                        const int64_t longWay = 360 - angle;
                        const double steps = stepsFor(angle, state.angleStep) + stepsFor(longWay, state.angleStep);
                        clash::piecesClearOverTurn(state, od, true, cy, axisHeight(state, od), radius, steps,
                                                   clear.flags);
                        clear.known = true;
                    }
                    int64_t turned = 0;
                    if (rotateInSteps(state, angle, sense, od, radius, clear, turned) == 0) {
                        // Back to where the rotation began, then the long way round.
                        rotatePieces(state, toInt32(-sense * turned), od, radius, clear.get());
                        if (rotateInSteps(state, 360 - angle, -sense, od, radius, clear, turned) == 0) {
                            return clash();
                        }
                    }
                }
                state.bendOptions.current.rotation = toInt32(static_cast<int64_t>(rho) - 360);
                state.bendOptions.store(optionIndex);

                const int64_t y = feedLineY(radius, state.bendOptions.current.hand);
                appendStraight(state, length, static_cast<double>(y), axisHeight(state, od));
            }
        }

        // The position is finished: keep its lines and the state after it.
        noteLines();
        record.shapes.insert(record.shapes.end(), state.pipeShapes.entries.begin(),
                             state.pipeShapes.entries.begin() + state.pipeShapes.count);
        record.shapeEnd[p] = static_cast<int32_t>(record.shapes.size());
        record.offsetY[p] = offsetY;
        record.motionPhase[p] = state.motionPhase;
        record.completed = p;
    }
    return endRun(state, 1);
}

// The motions change the pieces in place in their list; the slot is left
// holding the last piece, as loading, changing and storing each would leave it.

int32_t feedPipeStep(JobState& state, int32_t distance, int32_t outsideDiameter) {
    return feedPieces(state, distance, outsideDiameter, nullptr);
}

int32_t shiftPipeSideways(JobState& state, int32_t delta) {
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        piece.startY = piece.startY + delta;
        piece.endY = piece.endY + delta;
        if (piece.pieceType == kArc) piece.centreY = piece.centreY + delta;
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return 0;
}

namespace {

// One bend step, leaving the pieces marked in `clear` out of the test.
int32_t bendPieces(JobState& state, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter, int32_t bendRadius,
                   const bool clear[]) {
    state.motionPhase = 1;
    ++state.simulationSteps;
    const int16_t hand = state.bendOptions.current.hand;
    const double t0 = toRadians(fromAngle);
    const double t1 = toRadians(toAngle);
    const double sin1 = bendRadius * std::sin(t1);
    const double cos1 = bendRadius * std::cos(t1);
    const double sin0 = bendRadius * std::sin(t0);
    const double cos0 = bendRadius * std::cos(t0);
    const double dx = sin1 - sin0;
    double dy, cx, cy;
    if (hand == 2) {
        dy = cos1 - cos0;
        cx = sin1;
        cy = cos1;
    } else {
        dy = cos0 - cos1;
        cx = sin1;
        cy = -cos1;
    }
    const int32_t turn = toAngle - fromAngle;

    // The formed pipe rides on the end of the arc: it moves with the arc's
    // end, then turns about the point where that end now is.
    auto turnPoint = [&](double& x, double& y) {
        const double d = distance2(cx, cy, x, y);
        double phi = planarAngle(cx, cy, x, y);
        if (hand == 1) {
            phi = phi + turn;
            if (phi > 360) phi = phi - 360;
        } else {
            phi = phi - turn;
            if (phi < 0) phi = phi + 360;
        }
        const double radians = toRadians(phi);
        x = cx + d * std::cos(radians);
        y = cy + d * std::sin(radians);
    };
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        const bool arc = piece.pieceType == kArc;
        piece.startX = piece.startX + dx;
        piece.endX = piece.endX + dx;
        piece.startY = piece.startY + dy;
        piece.endY = piece.endY + dy;
        if (arc) {
            piece.centreX = piece.centreX + dx;
            piece.centreY = piece.centreY + dy;
        }
        turnPoint(piece.startX, piece.startY);
        turnPoint(piece.endX, piece.endY);
        if (arc) turnPoint(piece.centreX, piece.centreY);
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return clash::testPipeShapeExcept(state, outsideDiameter, clear);
}

// One rotation step, leaving the pieces marked in `clear` out of the test.
int32_t rotatePieces(JobState& state, int32_t angle, int32_t outsideDiameter, int32_t bendRadius, const bool clear[]) {
    state.motionPhase = 3;
    ++state.simulationSteps;
    if (angle == 0) return 0;
    const double cy = static_cast<double>(feedLineY(bendRadius, state.bendOptions.current.hand));
    const double cz = axisHeight(state, outsideDiameter);
    auto turnPoint = [&](double& y, double& z) {
        double phi = axialAngle(cy, cz, y, z) + angle;
        if (phi > 360) phi = phi - 360;
        if (angle < 0) phi = phi + 360;
        placeAtAxialAngle(cy, cz, phi, y, z);
    };
    for (int32_t i = 0; i < state.pipeShapes.count; ++i) {
        PipeShapeRecord& piece = state.pipeShapes.at(i);
        turnPoint(piece.startY, piece.startZ);
        turnPoint(piece.endY, piece.endZ);
        if (piece.pieceType == kArc) turnPoint(piece.centreY, piece.centreZ);
    }
    state.pipeShapes.load(state.pipeShapes.count - 1);
    return clash::testPipeShapeExcept(state, outsideDiameter, clear);
}

}  // namespace

int32_t bendPipeStep(JobState& state, int32_t fromAngle, int32_t toAngle, int32_t outsideDiameter,
                     int32_t bendRadius) {
    return bendPieces(state, fromAngle, toAngle, outsideDiameter, bendRadius, nullptr);
}

int32_t rotatePipeStep(JobState& state, int32_t angle, int32_t outsideDiameter, int32_t bendRadius) {
    return rotatePieces(state, angle, outsideDiameter, bendRadius, nullptr);
}

double planarAngle(double cx, double cy, double x, double y) {
    if (x == cx) return cy < y ? 90.0 : 270.0;
    if (y == cy) return cx < x ? 0.0 : 180.0;
    const double a = toDegrees(std::atan(std::fabs(y - cy) / std::fabs(x - cx)));
    if (y <= cy) return cx < x ? 360.0 - a : a + 180.0;
    return x <= cx ? 180.0 - a : a;
}

double axialAngle(double cy, double cz, double y, double z) {
    if (y == cy) return cz < z ? 0.0 : 180.0;
    if (z == cz) return cy < y ? 90.0 : 270.0;
    const double a = toDegrees(std::atan(std::fabs(y - cy) / std::fabs(z - cz)));
    if (z <= cz) return cy < y ? 180.0 - a : a + 180.0;
    return y <= cy ? 360.0 - a : a;
}

int32_t placeAtAxialAngle(double cy, double cz, double angle, double& y, double& z) {
    const double d = distance2(cy, cz, y, z);
    if (d == 0.0) return 0;
    const double radians = toRadians(angle);
    y = cy + d * std::sin(radians);
    z = cz + d * std::cos(radians);
    return 0;
}

}  // namespace kwarel
