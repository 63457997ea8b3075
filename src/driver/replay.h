// Replaying a chosen run through the run simulation, to show its motions.
#pragma once

#include <cstdint>

#include "driver/job_state.h"

namespace kwarel {

// Simulates run `row` of the chosen runs of the cut piece in the slot again,
// with the rotations its straights had when the search simulated it
// (`rotations[p]` for straight p), showing the clash room's observer every
// motion (DecisionObserver::motionDone) and every clash. Call only while the cut
// piece's options are listed (JobWatcher::cutPieceDone).
//
// When the job checks clashes the replay is the search's own step-by-step
// simulation, so it finds what the search found. When it does not, the pipe
// is moved through each motion in one step and tested nowhere.
//
// Everything the job reads later is left as it was: the clash report, the
// options' rotations, the slots and the simulation values. Returns the
// simulation's result (1 clear, 0 clash).
int32_t replayRunForDrawing(JobState& state, int32_t row, const int32_t* rotations);

}  // namespace kwarel
