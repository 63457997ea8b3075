// Fuzzes the bender database reader: any bytes as a database file.
#include <memory>

#include "driver/job_state.h"
#include "fuzz_support.h"
#include "input/database_reader.h"

namespace {

void checkRecords(const kwarel::JobState& state) {
    using kwarel::fuzz::checkText;
    for (int32_t i = 0; i < state.shop.machines.count; ++i) {
        checkText(state.shop.machines.at(i).name, "machine name overrun");
        checkText(state.shop.machines.at(i).benderNames, "machine bender names overrun");
    }
    for (int32_t i = 0; i < state.shop.benders.count; ++i) {
        checkText(state.shop.benders.at(i).name, "bender name overrun");
    }
    for (int32_t i = 0; i < state.shop.bendCapabilities.count; ++i) {
        checkText(state.shop.bendCapabilities.at(i).benderName, "bend capability bender overrun");
    }
    for (int32_t i = 0; i < state.shop.materialCapabilities.count; ++i) {
        checkText(state.shop.materialCapabilities.at(i).benderName, "material capability bender overrun");
        checkText(state.shop.materialCapabilities.at(i).materialSpec, "materialSpec overrun");
    }
    for (int32_t i = 0; i < state.shop.tubeData.count; ++i) {
        checkText(state.shop.tubeData.at(i).itemCode, "item code overrun");
        checkText(state.shop.tubeData.at(i).materialSpec, "tube materialSpec overrun");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("db.txt");
    fuzz::writeFile(path, data, size);

    auto state = std::make_unique<JobState>();
    readBenderDatabase(state->shop, path.c_str());
    checkRecords(*state);
    const int32_t counts[5] = {state->shop.machines.count, state->shop.benders.count,
                               state->shop.bendCapabilities.count, state->shop.materialCapabilities.count,
                               state->shop.tubeData.count};

    const auto first = std::make_unique<Shop>();
    readBenderDatabase(*first, path.c_str());

    // A second read of the same file in the same state, now with a
    // diagnostics sink as the input checker does, must find the same
    // records: nothing of the first read may carry over, and the sink changes
    // nothing that is read. It must know the line of every record.
    Diagnostics diagnostics;
    readBenderDatabase(state->shop, path.c_str(), &diagnostics);
    const Shop& shop = state->shop;
    const int32_t again[5] = {shop.machines.count, shop.benders.count, shop.bendCapabilities.count,
                              shop.materialCapabilities.count, shop.tubeData.count};
    if (std::memcmp(counts, again, sizeof counts) != 0) fuzz::fail("second read gives other counts");
    const std::size_t lines[5] = {diagnostics.machineLines.size(), diagnostics.benderLines.size(),
                                  diagnostics.bendCapabilityLines.size(), diagnostics.materialCapabilityLines.size(),
                                  diagnostics.tubeDataLines.size()};
    for (int k = 0; k < 5; ++k) {
        if (lines[k] != static_cast<std::size_t>(counts[k])) fuzz::fail("diagnostics miss the line of a record");
    }
    auto same = [](const auto& a, const auto& b) {
        for (int32_t i = 0; i < a.count; ++i) {
            if (std::memcmp(&a.at(i), &b.at(i), sizeof a.at(i)) != 0) return false;
        }
        return true;
    };
    if (!same(first->machines, shop.machines) || !same(first->benders, shop.benders) ||
        !same(first->bendCapabilities, shop.bendCapabilities) ||
        !same(first->materialCapabilities, shop.materialCapabilities) || !same(first->tubeData, shop.tubeData)) {
        fuzz::fail("a read with diagnostics gives other records");
    }
    return 0;
}
