// Writer of the result file: job header, cut-piece blocks and run blocks.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// Appends text to the result file (one write call per assembled line).
void writeText(JobState& state, const char* text);

void writeJobHeader(JobState& state);
void writeCutPieceBlock(JobState& state, int32_t runs);
void writeRunBlock(JobState& state, int32_t run);
double computeRunLengths(JobState& state, int32_t run, int32_t& startPlay, int32_t& endPlay);
int32_t listRunCuts(JobState& state, int32_t run);
int32_t countRunTooling(JobState& state, int32_t run, int32_t& machinesUsed, int32_t& bendersUsed);

}  // namespace kwarel
