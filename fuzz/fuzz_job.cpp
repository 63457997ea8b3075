// Fuzzes whole jobs: options, database and cut-piece file from one input.
#include "job_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // -1 keeps an input that was not run out of the corpus.
    return kwarel::fuzz::runFuzzedJob(data, size, false) ? 0 : -1;
}
