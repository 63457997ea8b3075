#include "driver/replay.h"

#include <algorithm>
#include <climits>

#include "clash/simulate.h"
#include "prepare/options.h"

namespace kwarel {
namespace {

// Where `value` stands in `list`; appended when it is not there yet.
int32_t placeIn(std::vector<int32_t>& list, int32_t value) {
    const auto found = std::find(list.begin(), list.end(), value);
    if (found != list.end()) return static_cast<int32_t>(found - list.begin());
    list.push_back(value);
    return static_cast<int32_t>(list.size()) - 1;
}

// The simulation's settings and the slots it may read before writing them,
// as the job left them.
void copySettings(const JobState& state, DrawingRuns& out) {
    const ClashState& clash = state.clash;
    out.piece = state.cutFile.cutPieces.current;
    out.springback = state.options.INCLUDE_BEND_SPRINGBACK != 0;
    out.clashChecking = state.options.DO_CLASH_CHECKING != 0;
    out.shortcuts = clash.shortcuts;
    out.feedStep = clash.feedStep;
    out.angleStep = clash.angleStep;
    out.halfDiameter = clash.halfDiameter;
    out.simulationPosition = clash.simulationPosition;
    out.motionPhase = clash.motionPhase;
    out.machine = clash.machine;
    out.machineIndex = clash.machineIndex;
    out.shapeSlot = clash.pipeShapes.current;
}

// Copies the option of run position `at` (and the step it names) unless an
// earlier run brought it; returns its ordinal among the copies at `position`.
// An option belongs to one position, so only that position's copies are
// looked through.
int16_t copyOption(const PrepareState& prep, const RunPosition& at, int32_t position, std::vector<int32_t>& optionFrom,
                   std::vector<int32_t>& stepFrom, DrawingRuns& out) {
    std::vector<int32_t>& copies = out.optionsAtPosition[static_cast<std::size_t>(position)];
    for (std::size_t ordinal = 0; ordinal < copies.size(); ++ordinal) {
        if (optionFrom[static_cast<std::size_t>(copies[ordinal])] == at.optionIndex) return static_cast<int16_t>(ordinal);
    }
    BendOptionRecord copy = *at.option;
    if (at.step != nullptr) {
        const int32_t stepsKnown = static_cast<int32_t>(stepFrom.size());
        copy.stepIndex = placeIn(stepFrom, at.option->stepIndex);
        if (copy.stepIndex == stepsKnown) out.steps.push_back(prep.bendSteps.at(at.option->stepIndex));
    } else {
        copy.stepIndex = -1;  // names no step, as in the job
    }
    optionFrom.push_back(at.optionIndex);
    out.options.push_back(copy);
    copies.push_back(static_cast<int32_t>(out.options.size()) - 1);
    return static_cast<int16_t>(copies.size() - 1);
}

}  // namespace

void copyRunsForDrawing(const JobState& state, const int32_t* rows, const int32_t* rotations, int32_t count,
                        DrawingRuns& out) {
    copySettings(state, out);
    // Lists emptied, not freed: a copy made again and again keeps its storage.
    out.steps.clear();
    out.options.clear();
    out.optionsAtPosition.resize(kMaxPositions);
    for (std::vector<int32_t>& copies : out.optionsAtPosition) copies.clear();
    out.runs.clear();
    out.rotations.clear();
    const int32_t n = out.piece.bendCount;
    std::vector<int32_t>& optionFrom = out.optionFrom;  // the job's option and step indexes of the copies
    std::vector<int32_t>& stepFrom = out.stepFrom;
    optionFrom.clear();
    stepFrom.clear();
    for (int32_t i = 0; i < count; ++i) {
        std::array<int16_t, kMaxPositions>& run = out.runs.emplace_back();
        run.fill(-1);
        std::array<int32_t, kMaxPositions>& turns = out.rotations.emplace_back();
        std::copy(rotations + static_cast<std::ptrdiff_t>(i) * kMaxPositions,
                  rotations + static_cast<std::ptrdiff_t>(i + 1) * kMaxPositions, turns.begin());
        if (rows[i] < 0 || rows[i] >= kMaxSelected || n < 1 || n > kMaxBends) continue;
        for (int32_t p = 0; p <= 2 * n; ++p) {
            const RunPosition at = runPosition(state.prep, state.search.selectedRuns[rows[i]], p);
            if (at.option != nullptr) run[static_cast<std::size_t>(p)] = copyOption(state.prep, at, p, optionFrom, stepFrom, out);
        }
    }
}

void setDrawingMachines(DrawingRoom& room, const MachineRecord* machines, int32_t count) {
    room.shop.machines.entries.assign(machines, machines + count);
    room.shop.machines.count = count;
}

namespace {

// Fills the room's prepare part with the copied steps and options.
void loadRuns(PrepareState& prep, const DrawingRuns& runs) {
    prep.bendSteps.entries.assign(runs.steps.begin(), runs.steps.end());
    prep.bendSteps.count = static_cast<int32_t>(runs.steps.size());
    prep.bendOptions.entries.assign(runs.options.begin(), runs.options.end());
    prep.bendOptions.count = static_cast<int32_t>(runs.options.size());
    for (int32_t p = 0; p < kMaxPositions; ++p) {
        const std::size_t at = static_cast<std::size_t>(p);
        if (at < runs.optionsAtPosition.size()) {
            prep.optionsAtPosition[p] = runs.optionsAtPosition[at];
        } else {
            prep.optionsAtPosition[p].clear();
        }
    }
}

// The clash part as the job's stood when the runs were chosen.
void loadClash(ClashState& clash, const DrawingRuns& runs, DecisionObserver* observer) {
    clash.observer = observer;
    clash.shortcuts = runs.shortcuts;
    clash.feedStep = runs.feedStep;
    clash.angleStep = runs.angleStep;
    clash.halfDiameter = runs.halfDiameter;
    clash.simulationPosition = runs.simulationPosition;
    clash.motionPhase = runs.motionPhase;
    clash.machine = runs.machine;
    clash.machineIndex = runs.machineIndex;
    clash.pipeShapes.current = runs.shapeSlot;
    clash.clashLineCount = 0;
    clash.checkpoints.valid = false;
    if (!runs.clashChecking) {
        // One step per motion: nothing is tested, only the shape is wanted.
        clash.feedStep = INT32_MAX;
        clash.angleStep = INT32_MAX;
    }
}

}  // namespace

int32_t replayForDrawing(DrawingRoom& room, const DrawingRuns& runs, int32_t index, DecisionObserver* observer) {
    if (observer == nullptr || index < 0 || static_cast<std::size_t>(index) >= runs.runs.size()) return 0;
    const int32_t n = runs.piece.bendCount;
    if (n < 1 || n > kMaxBends) return 0;
    const int16_t* run = runs.runs[static_cast<std::size_t>(index)].data();
    const int32_t* rotations = runs.rotations[static_cast<std::size_t>(index)].data();
    loadRuns(room.prep, runs);
    // The run as the search simulated it: its options with those rotations.
    for (int32_t q = 2; q <= 2 * n - 2; q += 2) {
        if (runPosition(room.prep, run, q).option != nullptr) setRunRotation(room.prep, run, q, rotations[q]);
    }
    ClashState& clash = room.clash;
    const int slotBits = runs.clashChecking ? PointTurns::kSlotBits : DrawingRoom::kUntestedSlotBits;
    if (clash.pointTurns.slotBits() != slotBits) clash.pointTurns.setSlotBits(slotBits);
    loadClash(clash, runs, observer);
    clash.recordFrames = true;
    clash.framesUntested = !runs.clashChecking;
    const int32_t result = simulateRun(clash, room.prep, room.shop, runs.piece, runs.springback, run);
    clash.recordFrames = false;
    clash.framesUntested = false;
    clash.observer = nullptr;
    return result;
}

}  // namespace kwarel
