// Fuzzes whole jobs with clash checking on, so every candidate run is
// simulated in its machine room.
#include "job_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // -1 keeps an input that was not run out of the corpus.
    return kwarel::fuzz::runFuzzedJob(data, size, true) ? 0 : -1;
}
