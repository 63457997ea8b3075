// The rooms' functions called on a whole JobState, for tests that build a
// job by hand: each passes the parts the function takes.
#pragma once

#include "clash/simulate.h"
#include "driver/job_state.h"
#include "generate/criteria.h"
#include "generate/rotation.h"
#include "generate/search.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"

namespace kwarel::testing {

// Groups options added by hand by bending position, as the listing does.
inline void indexOptionsIfNeeded(JobState& s) {
    if (s.prep.optionsIndexedCount != s.prep.bendOptions.count) indexOptions(s.prep, s.cutFile.cutPieces.current);
}

inline void listOptions(JobState& s, int32_t index) {
    listBendOptions(s.options, s.shop, s.cutFile, s.prep, index);
}

inline int32_t optionCount(JobState& s, int32_t position) {
    indexOptionsIfNeeded(s);
    return optionsAtPositionCount(s.prep, position);
}

// The ordinal-th option at a position, or null.
inline const BendOptionRecord* optionAt(JobState& s, int32_t position, int32_t ordinal) {
    indexOptionsIfNeeded(s);
    int16_t run[kMaxPositions] = {};
    if (position < 0 || position >= kMaxPositions) return nullptr;
    run[position] = static_cast<int16_t>(ordinal);
    return runPosition(s.prep, run, position).option;
}

// Loads the ordinal-th option at a position into the option slot; returns
// its list index, or -1.
inline int32_t loadOptionAt(JobState& s, int32_t position, int32_t ordinal) {
    indexOptionsIfNeeded(s);
    int16_t run[kMaxPositions] = {};
    if (position < 0 || position >= kMaxPositions) return -1;
    run[position] = static_cast<int16_t>(ordinal);
    const RunPosition at = runPosition(s.prep, run, position);
    if (at.option == nullptr) return -1;
    s.prep.bendOptions.current = *at.option;
    return at.optionIndex;
}

inline int32_t searchRuns(JobState& s, int32_t index) {
    indexOptionsIfNeeded(s);
    return searchBendingRuns(SearchParts{s.options, s.shop, s.cutFile, s.prep, s.search, s.clash}, index);
}

inline int32_t setCriteria(JobState& s) { return setTrialCriteriaOrder(s.options, s.search); }

inline void resolvePiece(JobState& s, int32_t index) { resolveCutPieceItem(s.shop, s.cutFile, s.prep, index); }

inline void buildSteps(JobState& s, int32_t index) { buildBendSteps(s.options, s.cutFile, s.prep, index); }

inline int32_t simulate(JobState& s, const int16_t* run) {
    indexOptionsIfNeeded(s);
    return simulateRun(s.clash, s.prep, s.shop, s.cutFile.cutPieces.current, s.options.INCLUDE_BEND_SPRINGBACK != 0,
                       run);
}

}  // namespace kwarel::testing
