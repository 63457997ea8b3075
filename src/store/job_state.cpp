#include "store/job_state.h"

namespace kwarel {

std::string cutPieceKey(const char* cutId, const char* spoolId) {
    std::string key;
    for (const char* p = cutId; *p != '\0'; ++p) key.push_back((*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 32) : *p);
    key.push_back('\0');
    for (const char* p = spoolId; *p != '\0'; ++p) key.push_back((*p >= 'a' && *p <= 'z') ? static_cast<char>(*p - 32) : *p);
    return key;
}

void forgetOptionIndex(JobState& state) {
    state.optionsIndexedCount = -1;
    state.optionsIndexedFirstStep = -1;
    state.optionsIndexedBends = -1;
}

void resetJobLists(JobState& state) {
    state.machines.count = 0;
    state.benders.count = 0;
    state.bendCapabilities.count = 0;
    state.materialCapabilities.count = 0;
    state.tubeData.count = 0;
    state.cutPieces.count = 0;
    state.pipeBends.count = 0;
    state.bendSteps.count = 0;
    state.bendOptions.count = 0;
    state.bendsByKey.clear();
    state.bendsIndexedCount = -1;
    state.firstStepByKey.clear();
    state.stepsIndexedCount = 0;
    state.lastStepKeyValid = false;
    forgetOptionIndex(state);
}

void releaseRecordLists(JobState& state) {
    state.machines.release();
    state.benders.release();
    state.bendCapabilities.release();
    state.materialCapabilities.release();
    state.tubeData.release();
    state.cutPieces.release();
    state.pipeBends.release();
    state.bendSteps.release();
    state.bendsByKey.clear();
    state.bendsIndexedCount = -1;
    state.firstStepByKey.clear();
    state.stepsIndexedCount = 0;
    state.lastStepKeyValid = false;
}

}  // namespace kwarel
