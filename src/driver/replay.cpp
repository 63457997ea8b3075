#include "driver/replay.h"

#include <climits>
#include <cstring>

#include "clash/simulate.h"
#include "prepare/options.h"

namespace kwarel {

namespace {

// What a simulation changes in the clash room and the job may read again.
struct SavedClash {
    int32_t lineCount;
    char lines[kMaxClashLines][kClashLineWidth];
    int32_t feedStep;
    int32_t angleStep;
    int32_t halfDiameter;
    int32_t position;
    int32_t phase;
    int64_t steps;
    MachineRecord machine;
    int32_t machineIndex;
    PipeShapeRecord shape;

    explicit SavedClash(const ClashState& clash)
        : lineCount(clash.clashLineCount),
          feedStep(clash.feedStep),
          angleStep(clash.angleStep),
          halfDiameter(clash.halfDiameter),
          position(clash.simulationPosition),
          phase(clash.motionPhase),
          steps(clash.simulationSteps),
          machine(clash.machine),
          machineIndex(clash.machineIndex),
          shape(clash.pipeShapes.current) {
        std::memcpy(lines, clash.clashLines, sizeof lines);
    }

    void restore(ClashState& clash) const {
        clash.clashLineCount = lineCount;
        std::memcpy(clash.clashLines, lines, sizeof lines);
        clash.feedStep = feedStep;
        clash.angleStep = angleStep;
        clash.halfDiameter = halfDiameter;
        clash.simulationPosition = position;
        clash.motionPhase = phase;
        clash.simulationSteps = steps;
        clash.machine = machine;
        clash.machineIndex = machineIndex;
        clash.pipeShapes.current = shape;
    }
};

// Simulates the run recording every motion for the observer.
int32_t simulateRecorded(JobState& state, const CutPieceRecord& piece, const int16_t* run) {
    ClashState& clash = state.clash;
    const bool untested = state.options.DO_CLASH_CHECKING == 0;
    if (untested) {
        // One step per motion: nothing is tested, only the shape is wanted.
        clash.feedStep = INT32_MAX;
        clash.angleStep = INT32_MAX;
    }
    clash.checkpoints.valid = false;
    clash.recordFrames = true;
    clash.framesUntested = untested;
    const int32_t result = simulateRun(clash, state.prep, state.shop, piece,
                                       state.options.INCLUDE_BEND_SPRINGBACK != 0, run);
    clash.recordFrames = false;
    clash.framesUntested = false;
    clash.checkpoints.valid = false;
    return result;
}

}  // namespace

int32_t replayRunForDrawing(JobState& state, int32_t row, const int32_t* rotations) {
    if (state.clash.observer == nullptr || row < 0 || row >= kMaxSelected) return 0;
    const CutPieceRecord& piece = state.cutFile.cutPieces.current;
    const int32_t n = piece.bendCount;
    if (n < 1 || n > kMaxBends) return 0;
    const int32_t last = 2 * n;
    const int16_t* run = state.search.selectedRuns[row];

    const SavedClash saved(state.clash);
    int32_t kept[kMaxPositions] = {};
    // The run as the search simulated it: its options with those rotations.
    for (int32_t q = 2; q <= last - 2; q += 2) {
        const RunPosition at = runPosition(state.prep, run, q);
        if (at.option == nullptr) continue;
        kept[q] = at.option->rotation;
        setRunRotation(state.prep, run, q, rotations[q]);
    }
    const int32_t result = simulateRecorded(state, piece, run);
    for (int32_t q = 2; q <= last - 2; q += 2) {
        if (runPosition(state.prep, run, q).option != nullptr) setRunRotation(state.prep, run, q, kept[q]);
    }
    saved.restore(state.clash);
    return result;
}

}  // namespace kwarel
