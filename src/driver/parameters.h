// Reader of the 24-line parameter file and writer of its echo block.
#pragma once

#include <cstdint>

#include "input/diagnostics.h"
#include "store/job_options.h"

namespace kwarel {

// What the reader noticed about the result file's path, which the job
// refuses in either case: the path it holds is not one the file named.
struct ResultPathLine {
    bool cut = false;     // the path was longer than its 199 characters and was cut there
    bool runOn = false;   // line 1 filled its 249 characters and went on as line 2
};

// Reads the parameter file into the options and the three path buffers
// (200 bytes each). Missing lines repeat the last line read. With a
// diagnostics sink the reader also reports what is odd about the file's
// lines (each value is read the same).
ResultPathLine readParameterFile(JobOptions& options, const char* path, char* cutPieceFilePath, char* resultFilePath,
                       char* databaseFilePath, Diagnostics* diagnostics = nullptr);

// The name of the option read from parameter line 4 to 24 (1 to 3: the file
// they name).
const char* parameterLineName(int number);

}  // namespace kwarel
