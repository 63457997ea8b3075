// The job driver: one call runs one job from the parameter file to the
// result file and returns the job status (0 to 16).
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

int32_t runJob(JobState& state, const char* parameterFilePath);

// The state behind the exported entry points.
JobState& processJobState();

}  // namespace kwarel
