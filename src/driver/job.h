// The job driver: one call runs one job from the parameter file to the
// result file and returns the job status (0 to 16, or 17 when memory ran
// out; no exception leaves runJob). The phases of a job are callable one by
// one, for the benchmarks and fuzz targets; they throw std::bad_alloc when
// memory runs out.
#pragma once

#include <cstdint>

#include "driver/job_state.h"
#include "driver/observer.h"

namespace kwarel {

// An observer, when given, hears of the job's progress and plan (see
// driver/observer.h); the result file is the same with or without one.
int32_t runJob(JobState& state, const char* parameterFilePath, JobObserver* observer = nullptr);

// Phase 1: reads the parameter file, checks the result path and opens the
// result file (a temporary file beside it) and writes its echo block, checks
// the options, reads the database and the cut-piece file and writes the job
// header. Returns 0 when the job goes on; otherwise the job status, with the
// error written and the result file moved into place (or never opened).
int32_t readAndCheckJob(JobState& state, const char* parameterFilePath, JobObserver* observer = nullptr);

// Phase 2: resolves every cut piece and builds the bend steps of each.
void prepareCutPieces(JobState& state);

// Phase 3: loads cut piece `index` into the slot, lists its tooling options
// and searches its runs. Returns the number of runs chosen.
int32_t planCutPiece(JobState& state, int32_t index);

// Phase 4: writes the block of the planned cut piece `index`, shows it to the
// watcher (if any), and drops its options; with a plan, also records the
// block there as data.
void writeCutPieceResult(JobState& state, int32_t index, int32_t runs, PlanCutPiece* plan = nullptr);

// Drops the options of the planned cut piece.
void forgetCutPieceOptions(JobState& state);

// The state behind the exported entry points.
JobState& processJobState();

}  // namespace kwarel
