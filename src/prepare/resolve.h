// Item and material resolution of a cut piece.
#pragma once

#include <cstdint>
#include <vector>

#include "store/job_state.h"

namespace kwarel {

// Counts the bends of cut piece `index`, finds its tube data, checks its
// material against the tube data and copies the tube values; marks straight
// pieces. Returns 0.
int32_t resolveCutPieceItem(JobState& state, int32_t index);

// Records that the cut piece in the current slot cannot be made: `failed` 1
// and the reason, stored back at `index`.
void markCutPieceFailed(JobState& state, int32_t index, const char* text);

// List indexes, in list order, of the pipe bends whose cutId and spoolId
// equal the given ones (without regard to case).
const std::vector<int32_t>& bendsOfCutPiece(JobState& state, const char* cutId, const char* spoolId);

}  // namespace kwarel
