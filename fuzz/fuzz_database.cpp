// Fuzzes the bender database reader: any bytes as a database file.
#include <memory>

#include "fuzz_support.h"
#include "input/database_reader.h"
#include "input/input_state.h"

namespace {

void checkRecords(const kwarel::Shop& shop) {
    using namespace kwarel;
    using fuzz::checkTexts;
    checkTexts(shop.machines, "machine text overrun", &MachineRecord::name, &MachineRecord::benderNames);
    checkTexts(shop.benders, "bender name overrun", &BenderRecord::name);
    checkTexts(shop.bendCapabilities, "bend capability bender overrun", &BendCapabilityRecord::benderName);
    checkTexts(shop.materialCapabilities, "material capability text overrun", &MaterialCapabilityRecord::benderName,
               &MaterialCapabilityRecord::materialSpec);
    checkTexts(shop.tubeData, "tube data text overrun", &TubeDataRecord::itemCode, &TubeDataRecord::materialSpec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("db.txt");
    fuzz::writeFile(path, data, size);

    const auto first = std::make_unique<Shop>();
    readBenderDatabase(*first, path.c_str());
    checkRecords(*first);

    // A read into a shop that holds a read of the same file, now with a
    // diagnostics sink as the input checker does, must find the same
    // records: nothing of the earlier read may carry over, and the sink
    // changes nothing that is read. It must know the line of every record.
    const auto again = std::make_unique<Shop>();
    readBenderDatabase(*again, path.c_str());
    Diagnostics diagnostics;
    readBenderDatabase(*again, path.c_str(), &diagnostics);
    using fuzz::sameRecords;
    if (!sameRecords(first->machines, again->machines) || !sameRecords(first->benders, again->benders) ||
        !sameRecords(first->bendCapabilities, again->bendCapabilities) ||
        !sameRecords(first->materialCapabilities, again->materialCapabilities) ||
        !sameRecords(first->tubeData, again->tubeData)) {
        fuzz::fail("a read with diagnostics gives other records");
    }
    const std::size_t lines[5] = {diagnostics.machineLines.size(), diagnostics.benderLines.size(),
                                  diagnostics.bendCapabilityLines.size(), diagnostics.materialCapabilityLines.size(),
                                  diagnostics.tubeDataLines.size()};
    const int32_t counts[5] = {first->machines.count, first->benders.count, first->bendCapabilities.count,
                               first->materialCapabilities.count, first->tubeData.count};
    for (int k = 0; k < 5; ++k) {
        if (lines[k] != static_cast<std::size_t>(counts[k])) fuzz::fail("diagnostics miss the line of a record");
    }
    return 0;
}
