// Checks across the database and the cut-piece file, for the input checker:
// repeated keys, references to benders that do not exist, and cut pieces the
// planner will refuse (unknown items, coincident points, straights without
// length, bores, radii and materials no bender takes, no tooling at all).
#pragma once

#include "input/diagnostics.h"
#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"

namespace kwarel {

// Duplicate machine, bender and tube data keys; machine bender lists and
// capability records naming no bender. Needs the database read with `d`.
void checkDatabaseKeys(const Shop& shop, Diagnostics& d);

// Every cut piece against the database, with the job's options: runs the
// planner's preparation of each piece (resolution, bend steps, tooling
// options) and reports what would make the piece fail, at the piece's or the
// bend's line. Needs both files read with `d`. Leaves the lists prepared.
void checkCutPieces(const JobOptions& options, const Shop& shop, CutPieceFile& file, PrepareState& prep,
                    Diagnostics& d);

}  // namespace kwarel
