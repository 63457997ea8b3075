// Rotation between bend planes of a run.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// For the run (firstOrdinal, combination) writes the angle between
// successive bend planes into the rotation of each straight option between
// two bends whose plane normal changes. Returns 0.
int32_t setPlaneRotations(JobState& state, int32_t firstOrdinal);

}  // namespace kwarel
