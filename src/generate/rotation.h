// Rotation between bend planes of a run.
#pragma once

#include <cstdint>

#include "prepare/prepare_state.h"

namespace kwarel {

// For the run (one option ordinal per bending position) of a piece with
// `bendCount` bends, writes the angle between successive bend planes into
// the rotation of each straight option between two bends whose plane normal
// changes. With `written`, marks there (entries 0 .. kMaxPositions - 1) the
// positions whose rotation it wrote; which they are depends only on the
// run's direction.
void setPlaneRotations(PrepareState& prep, int32_t bendCount, const int16_t* run, bool written[] = nullptr);

}  // namespace kwarel
