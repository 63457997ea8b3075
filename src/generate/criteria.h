// Trial criteria order: validation of the five ranks and the 32-level table.
#pragma once

#include <cstdint>

#include "generate/search_state.h"
#include "store/job_options.h"

namespace kwarel {

// Validates TRIAL_CRITERION 1 to 5 (a permutation of 1 to 5) and builds
// criteriaLevels. Returns 0, or -1 (building nothing) when invalid.
int32_t setTrialCriteriaOrder(const JobOptions& options, SearchState& search);

}  // namespace kwarel
