#include "driver/replay.h"

#include <climits>
#include <cstring>

#include "clash/simulate.h"
#include "prepare/options.h"

namespace kwarel {

int32_t replayRunForDrawing(JobState& state, int32_t row, const int32_t* rotations) {
    ClashState& clash = state.clash;
    if (clash.observer == nullptr || row < 0 || row >= kMaxSelected) return 0;
    const CutPieceRecord& piece = state.cutFile.cutPieces.current;
    const int32_t n = piece.bendCount;
    if (n < 1 || n > kMaxBends) return 0;
    const int32_t last = 2 * n;
    const int16_t* run = state.search.selectedRuns[row];

    // What the simulation changes and the job may read again.
    const int32_t lineCount = clash.clashLineCount;
    char lines[kMaxClashLines][kClashLineWidth];
    std::memcpy(lines, clash.clashLines, sizeof lines);
    const int32_t feedStep = clash.feedStep;
    const int32_t angleStep = clash.angleStep;
    const int32_t halfDiameter = clash.halfDiameter;
    const int32_t position = clash.simulationPosition;
    const int32_t phase = clash.motionPhase;
    const int64_t steps = clash.simulationSteps;
    const MachineRecord machine = clash.machine;
    const int32_t machineIndex = clash.machineIndex;
    const PipeShapeRecord shape = clash.pipeShapes.current;
    int32_t kept[kMaxPositions] = {};

    // The run as the search simulated it: its options with those rotations.
    for (int32_t q = 2; q <= last - 2; q += 2) {
        const RunPosition at = runPosition(state.prep, run, q);
        if (at.option == nullptr) continue;
        kept[q] = at.option->rotation;
        setRunRotation(state.prep, run, q, rotations[q]);
    }

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

    for (int32_t q = 2; q <= last - 2; q += 2) {
        if (runPosition(state.prep, run, q).option != nullptr) setRunRotation(state.prep, run, q, kept[q]);
    }
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
    return result;
}

}  // namespace kwarel
