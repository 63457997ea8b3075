// What the preparation room owns: the bend steps of every cut piece, the
// tooling options of the cut piece being planned, and the lookup indexes over
// them and over the pipe bends. The indexes have no observable effect; they
// only make lookups fast.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/limits.h"
#include "store/decision_observer.h"
#include "store/records.h"

namespace kwarel {

struct PrepareState {
    // Told why items, machines and benders were refused, when set (never by
    // the entry points).
    DecisionObserver* observer = nullptr;

    RecordList<BendStepRecord> bendSteps;
    RecordList<BendOptionRecord> bendOptions;

    // Cut-piece key (cutId, spoolId compared without regard to case) to the
    // list indexes of its pipe bends, in list order. Built on demand for the
    // pipe bend count it was built for.
    std::unordered_map<std::string, std::vector<int32_t>> bendsByKey;
    int32_t bendsIndexedCount = -1;
    // Cut-piece key to the list index of the first bend step with that key.
    std::unordered_map<std::string, int32_t> firstStepByKey;
    int32_t stepsIndexedCount = 0;
    // The last key looked up there and its answer, valid while the step
    // count is stepsIndexedCount.
    char lastStepKeyCutId[33] = {};
    char lastStepKeySpoolId[33] = {};
    int32_t lastStepKeyFirst = -1;
    bool lastStepKeyValid = false;
    // Bend options of the current cut piece grouped by bending position, in
    // list order; valid for optionsIndexedCount options.
    std::vector<int32_t> optionsAtPosition[kMaxPositions];
    int32_t optionsIndexedCount = -1;

    // Cut pieces with the same key all read the block of bend steps that
    // begins at the key's first step, so a block is built only for the first
    // of them. Off, every such piece appends its own block, which nothing
    // reads; the tests compare both ways.
    bool buildStepsOncePerKey = true;

    // Sets the list counts to 0 and forgets the indexes.
    void clear();
    // Releases the bend steps and forgets the key indexes.
    void release();
    // Whether an append to one of the lists found no memory since the marks
    // were last forgotten; forgetting them starts a job.
    bool appendFailed() const;
    void forgetAppendFailures();
    // Forgets the bend-option index (call after the option list changes size).
    void forgetOptionIndex() { optionsIndexedCount = -1; }
};

}  // namespace kwarel
