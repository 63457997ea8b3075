// Item and material resolution of a cut piece.
#pragma once

#include <cstdint>
#include <vector>

#include "input/input_state.h"
#include "prepare/prepare_state.h"

namespace kwarel {

// Counts the bends of cut piece `index`, finds its tube data, checks its
// material against the tube data and copies the tube values into the cut
// piece record; marks straight pieces. Leaves the piece in the slot.
void resolveCutPieceItem(const Shop& shop, CutPieceFile& file, PrepareState& prep, int32_t index);

// Records that the cut piece in the current slot cannot be made: `failed` 1
// and the reason, stored back at `index`.
void markCutPieceFailed(CutPieceFile& file, int32_t index, const char* text);

// List indexes, in list order, of the pipe bends whose cutId and spoolId
// equal the given ones (without regard to case).
const std::vector<int32_t>& bendsOfCutPiece(PrepareState& prep, const CutPieceFile& file, const char* cutId,
                                            const char* spoolId);

}  // namespace kwarel
