// Fuzzes the bender database reader: any bytes as a database file.
#include <memory>

#include "fuzz_support.h"
#include "input/database_reader.h"

namespace {

void checkRecords(const kwarel::JobState& state) {
    using kwarel::fuzz::checkText;
    for (int32_t i = 0; i < state.machines.count; ++i) {
        checkText(state.machines.at(i).name, "machine name overrun");
        checkText(state.machines.at(i).benderNames, "machine bender names overrun");
    }
    for (int32_t i = 0; i < state.benders.count; ++i) {
        checkText(state.benders.at(i).name, "bender name overrun");
    }
    for (int32_t i = 0; i < state.bendCapabilities.count; ++i) {
        checkText(state.bendCapabilities.at(i).benderName, "bend capability bender overrun");
    }
    for (int32_t i = 0; i < state.materialCapabilities.count; ++i) {
        checkText(state.materialCapabilities.at(i).benderName, "material capability bender overrun");
        checkText(state.materialCapabilities.at(i).materialSpec, "materialSpec overrun");
    }
    for (int32_t i = 0; i < state.tubeData.count; ++i) {
        checkText(state.tubeData.at(i).itemCode, "item code overrun");
        checkText(state.tubeData.at(i).materialSpec, "tube materialSpec overrun");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("db.txt");
    fuzz::writeFile(path, data, size);

    auto state = std::make_unique<JobState>();
    readBenderDatabase(*state, path.c_str());
    checkRecords(*state);
    const int32_t counts[5] = {state->machines.count, state->benders.count,
                               state->bendCapabilities.count, state->materialCapabilities.count,
                               state->tubeData.count};

    // A second read of the same file in the same state must find the same
    // records: nothing of the first read may carry over.
    readBenderDatabase(*state, path.c_str());
    const int32_t again[5] = {state->machines.count, state->benders.count,
                              state->bendCapabilities.count, state->materialCapabilities.count,
                              state->tubeData.count};
    if (std::memcmp(counts, again, sizeof counts) != 0) fuzz::fail("second read gives other counts");
    return 0;
}
