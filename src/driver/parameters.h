// Reader of the 24-line parameter file and writer of its echo block.
#pragma once

#include <cstdint>

#include "input/diagnostics.h"
#include "store/job_options.h"

namespace kwarel {

// Reads the parameter file into the options and the three path buffers
// (200 bytes each). Missing lines repeat the last line read. With a
// diagnostics sink the reader also reports what is odd about the file's
// lines (each value is read the same).
void readParameterFile(JobOptions& options, const char* path, char* cutPieceFilePath, char* resultFilePath,
                       char* databaseFilePath, Diagnostics* diagnostics = nullptr);

// The name of the option read from parameter line 4 to 24 (1 to 3: the file
// they name).
const char* parameterLineName(int number);

}  // namespace kwarel
