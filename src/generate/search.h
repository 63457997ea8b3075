// Trial search and ranking of runs for the current cut piece.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// Most combinations enumerated per criteria level and first option.
constexpr int64_t kMaxCombinationsPerFirstOption = 10000;

// Most feed, bend and rotation steps simulated for one cut piece. Once they
// are spent, no further run is simulated and the search of the piece ends
// with the runs chosen so far.
constexpr int64_t kMaxSimulationStepsPerPiece = 2000000;

// Searches, scores and chooses up to NUMBER_OF_PROGRAMS runs; returns how
// many, left in selectedRuns and selectedScores.
int32_t searchBendingRuns(JobState& state, int32_t index);

// Fills optionCountByPosition from the bend option list.
void countOptionsByPosition(JobState& state);

// Enumerates the runs of one level; fills levelCandidates and levelScores
// and returns the number of candidates.
int32_t findRunsForLevel(JobState& state, int16_t sameMachine, int16_t sameBender, int16_t sameHand,
                         int16_t noEndMaterial, int16_t noMiddleMaterial);

// Fills `combination` with the m-th combination (m >= 1) of kept options.
void combinationForNumber(JobState& state, int64_t m);

// Copies k level scores to sortedScores, sorted descending (stable).
void sortLevelScores(JobState& state, int32_t k);

}  // namespace kwarel
