// Temporary placeholder until the run simulation lands.
#include "clash/report.h"
#include "clash/simulate.h"
namespace kwarel {
int32_t simulateRun(JobState&, int32_t) { return 1; }
int32_t addClashLine(JobState&, const char*) { return 0; }
}  // namespace kwarel
