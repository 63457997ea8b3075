// Trial criteria order: validation of the five ranks and the 32-level table.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// Validates TRIAL_CRITERION 1 to 5 (a permutation of 1 to 5) and builds
// criteriaLevels. Returns 0, or -1 (building nothing) when invalid.
int32_t setTrialCriteriaOrder(JobState& state);

}  // namespace kwarel
