// The state of the planner, composed of each room's own part.
//
// The entry points keep one instance for the life of the loaded library, so
// what is process-wide by design (header texts kept between jobs, the last
// simulation values) behaves as such, while tests can make their own
// instance and run jobs or single cut pieces in isolation.
#pragma once

#include <cstdint>
#include <cstdio>

#include "clash/clash_state.h"
#include "generate/search_state.h"
#include "input/input_state.h"
#include "prepare/prepare_state.h"
#include "store/job_options.h"
#include "store/limits.h"

namespace kwarel {

struct JobState {
    // Job control: the options and paths of the parameter file, the result file.
    JobOptions options;
    char cutPieceFilePath[kLineBuffer] = {};
    char resultFilePath[kLineBuffer] = {};
    char databaseFilePath[kLineBuffer] = {};
    std::FILE* resultFile = nullptr;

    // Each room's own part.
    Shop shop;              // input: the bender database
    CutPieceFile cutFile;   // input: the cut-piece file
    PrepareState prep;      // prepare: bend steps, options and indexes
    SearchState search;     // generate: search tables and chosen runs
    ClashState clash;       // clash: formed pipe, checkpoints, report
};

}  // namespace kwarel
