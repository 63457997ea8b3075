// Writer of the result file: job header, cut-piece blocks and run blocks.
#pragma once

#include <cstdint>

#include "driver/job_state.h"
#include "driver/observer.h"

namespace kwarel {

// Appends text to the result file (one write call per assembled line).
void writeText(JobState& state, const char* text);

void writeJobHeader(JobState& state);

// The block of the cut piece in the slot, with the `runs` runs chosen for it.
// With a plan, it also records there, as data, what it writes.
void writeCutPieceBlock(JobState& state, int32_t runs, PlanCutPiece* plan = nullptr);

}  // namespace kwarel
