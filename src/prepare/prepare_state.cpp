#include "prepare/prepare_state.h"

namespace kwarel {

namespace {

void forgetKeyIndexes(PrepareState& state) {
    state.bendsByKey.clear();
    state.bendsIndexedCount = -1;
    state.firstStepByKey.clear();
    state.stepsIndexedCount = 0;
    state.lastStepKeyValid = false;
}

}  // namespace

void PrepareState::clear() {
    bendSteps.count = 0;
    bendOptions.count = 0;
    forgetKeyIndexes(*this);
    forgetOptionIndex();
}

void PrepareState::release() {
    bendSteps.release();
    forgetKeyIndexes(*this);
}

bool PrepareState::appendFailed() const { return bendSteps.appendFailed || bendOptions.appendFailed; }

void PrepareState::forgetAppendFailures() {
    bendSteps.appendFailed = false;
    bendOptions.appendFailed = false;
}

}  // namespace kwarel
