// Reader of the 24-line parameter file and writer of its echo block.
#pragma once

#include <cstdint>

#include "store/job_state.h"

namespace kwarel {

// Reads the parameter file into state.options and the three path buffers
// (200 bytes each). Missing lines repeat the last line read. Returns 0.
int32_t readParameterFile(JobState& state, const char* path, char* cutPieceFilePath,
                          char* resultFilePath, char* databaseFilePath);

}  // namespace kwarel
