// Fuzzes the parameter file reader: any bytes as a parameter file.
#include <memory>

#include "driver/parameters.h"
#include "driver/job_state.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("params.txt");
    fuzz::writeFile(path, data, size);

    auto state = std::make_unique<JobState>();
    readParameterFile(state->options, path.c_str(), state->cutPieceFilePath, state->resultFilePath,
                      state->databaseFilePath);

    fuzz::checkText(state->cutPieceFilePath, "cut-piece file path overruns its buffer");
    fuzz::checkText(state->resultFilePath, "result file path overruns its buffer");
    fuzz::checkText(state->databaseFilePath, "database file path overruns its buffer");
    fuzz::checkText(state->options.forcedMachineId, "forced machine ID overruns its field");
    fuzz::checkText(state->options.forcedBenderId, "forced bender ID overruns its field");
    return 0;
}
