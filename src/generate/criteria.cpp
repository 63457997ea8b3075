#include "generate/criteria.h"

namespace kwarel {

int32_t setTrialCriteriaOrder(const JobOptions& options, SearchState& search) {
    bool seen[6] = {false, false, false, false, false, false};
    for (int32_t rank : options.TRIAL_CRITERION) {
        if (rank < 1 || rank > 5 || seen[rank]) return -1;
        seen[rank] = true;
    }
    // Level r is 31 - r in base 2, the criterion ranked 1 holding the most
    // significant of the five bits: counting down relaxes the least
    // important criterion at every other level.
    for (int32_t level = 0; level < kCriteriaLevels; ++level) {
        const int32_t pattern = 31 - level;
        for (int32_t criterion = 0; criterion < kCriteria; ++criterion) {
            const int32_t bit = 5 - options.TRIAL_CRITERION[criterion];
            search.criteriaLevels[level][criterion] = static_cast<int16_t>((pattern >> bit) & 1);
        }
    }
    return 0;
}

}  // namespace kwarel
