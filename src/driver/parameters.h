// Reader of the 24-line parameter file and writer of its echo block.
#pragma once

#include <cstdint>

#include "store/job_options.h"

namespace kwarel {

// Reads the parameter file into the options and the three path buffers
// (200 bytes each). Missing lines repeat the last line read.
void readParameterFile(JobOptions& options, const char* path, char* cutPieceFilePath, char* resultFilePath,
                       char* databaseFilePath);

}  // namespace kwarel
