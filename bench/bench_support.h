// Shared setup of the benchmarks: generated jobs kept for the whole run of
// the benchmark program, and a job state prepared the way the job driver
// prepares it before it plans the cut pieces one by one.
#pragma once

#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include "job_generator.h"
#include "driver/job_state.h"

namespace kwarel::bench {

// The job of this recipe, written once per process into a temporary folder
// that is removed when the program ends.
const GeneratedJob& cachedJob(const JobRecipe& recipe);

// The same job, or null with the benchmark marked as skipped (and why) when
// the job could not be written.
const GeneratedJob* cachedJobOrSkip(benchmark::State& bm, const JobRecipe& recipe);

// Reads and prepares the job into a new state with the driver's first two
// phases. Throws std::runtime_error when the job would end with an error
// status.
std::unique_ptr<JobState> prepareJob(const GeneratedJob& job);

// Plans one cut piece with the driver's planning phase and drops its options
// (the cut piece record is put back as `prepared` first, so the call can be
// repeated). Returns the number of runs chosen.
int32_t planCutPiece(JobState& state, int32_t index, const CutPieceRecord& prepared);

// Counts the cut pieces of a result file whose RESULT line says PASS.
int32_t countPassedPieces(const std::string& resultFile);

}  // namespace kwarel::bench
