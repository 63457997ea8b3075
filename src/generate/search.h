// Trial search and ranking of runs for the current cut piece.
#pragma once

#include <cstdint>

#include "clash/clash_state.h"
#include "generate/search_state.h"
#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"

namespace kwarel {

// What the search of one cut piece reads and changes: the cut piece in the
// slot (marked failed when no run is found), its options (rotations are
// written into them), the search tables and, with clash checking, the
// simulation.
struct SearchParts {
    const JobOptions& options;
    const Shop& shop;
    CutPieceFile& file;
    PrepareState& prep;
    SearchState& search;
    ClashState& clash;
};

// Searches, scores and chooses up to NUMBER_OF_PROGRAMS runs for the cut
// piece in the slot, which is `index`; returns how many, left in
// selectedRuns and selectedScores.
int32_t searchBendingRuns(const SearchParts& parts, int32_t index);

}  // namespace kwarel
