#include "clash/clash_state.h"

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
    clash.turnIndex.clear();
    clash.turnCursor = 0;
    ++clash.memoGeneration;
    clash.stepsTakenUp = 0;
    clash.simulationSteps = 0;
}

}  // namespace kwarel
