#include "clash/clash_state.h"

#include <algorithm>

namespace kwarel {

void resetSimulationSteps(ClashState& clash) {
    clash.feedStep = 100;
    clash.angleStep = 5;
    clash.halfDiameter = 50;
}

void startClashReport(ClashState& clash) { clash.clashLineCount = 0; }

void forgetSimulations(ClashState& clash) {
    clash.checkpoints.valid = false;
    clash.turnMemos.clear();
    std::fill(clash.turnSlots.begin(), clash.turnSlots.end(), 0u);
    clash.turnCursor = 0;
    ++clash.memoGeneration;
    clash.stepsTakenUp = 0;
    clash.simulationSteps = 0;
}

}  // namespace kwarel
