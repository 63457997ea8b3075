// The input checker: reads a job's files with the job's own readers, with a
// diagnostics sink, and adds the checks a job makes before it plans (the
// statuses it would end with) and those across the files.
#pragma once

#include "input/diagnostics.h"
#include "driver/job_state.h"

namespace kwarel {

// Files to check: a parameter file (which names the other two), or a
// database file and a cut-piece file on their own (either may be null).
struct CheckRequest {
    const char* parameterFile = nullptr;
    const char* databaseFile = nullptr;
    const char* cutPieceFile = nullptr;
};

// Fills `d` with everything odd about the files. `state` is a scratch state
// for the reading (use a fresh one; the process-wide state is not touched).
void checkJobFiles(JobState& state, const CheckRequest& request, Diagnostics& d);

}  // namespace kwarel
