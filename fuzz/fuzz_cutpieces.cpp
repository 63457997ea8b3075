// Fuzzes the cut-piece file reader, and the fraction reader with the same
// bytes as one text of any length.
#include <memory>
#include <cstring>
#include <string>
#include <vector>

#include "driver/job_state.h"
#include "fuzz_support.h"
#include "input/cutpiece_reader.h"

namespace {

void checkRecords(const kwarel::JobState& state) {
    using kwarel::fuzz::checkText;
    checkText(state.cutFile.headerDate, "header date overrun");
    checkText(state.cutFile.headerPipeline, "header pipeline overrun");
    checkText(state.cutFile.headerPipingSpec, "headerPipingSpec overrun");
    if ((state.cutFile.boreUnits != 1 && state.cutFile.boreUnits != 2) ||
        (state.cutFile.lengthUnits != 1 && state.cutFile.lengthUnits != 2)) {
        kwarel::fuzz::fail("units code other than 1 or 2");
    }
    for (int32_t i = 0; i < state.cutFile.cutPieces.count; ++i) {
        const kwarel::CutPieceRecord& piece = state.cutFile.cutPieces.at(i);
        checkText(piece.cutId, "cutId overrun");
        checkText(piece.spoolId, "spoolId overrun");
        checkText(piece.pipingSpec, "pipingSpec overrun");
        checkText(piece.itemCode, "itemCode overrun");
        checkText(piece.startEndType, "startEndType overrun");
        checkText(piece.finishEndType, "finishEndType overrun");
    }
    for (int32_t i = 0; i < state.cutFile.pipeBends.count; ++i) {
        checkText(state.cutFile.pipeBends.at(i).cutId, "bend cutId overrun");
        checkText(state.cutFile.pipeBends.at(i).spoolId, "bend spoolId overrun");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("cut.txt");
    fuzz::writeFile(path, data, size);

    auto state = std::make_unique<JobState>();
    readCutPieceFile(state->cutFile, path.c_str());
    checkRecords(*state);
    const int32_t pieces = state->cutFile.cutPieces.count;
    const int32_t bends = state->cutFile.pipeBends.count;

    std::vector<CutPieceRecord> firstPieces;
    std::vector<PipeBendRecord> firstBends;
    for (int32_t i = 0; i < pieces; ++i) firstPieces.push_back(state->cutFile.cutPieces.at(i));
    for (int32_t i = 0; i < bends; ++i) firstBends.push_back(state->cutFile.pipeBends.at(i));

    // Reading the same file again, now with a diagnostics sink as the input
    // checker does, must give the same lists, and a line for every record.
    // The piping value a header gives is kept from one read to the next (a
    // /CUT before the header's piping line takes the previous job's value),
    // so the second read starts from a fresh state as the first did.
    Diagnostics diagnostics;
    state = std::make_unique<JobState>();
    readCutPieceFile(state->cutFile, path.c_str(), &diagnostics);
    if (state->cutFile.cutPieces.count != pieces || state->cutFile.pipeBends.count != bends) {
        fuzz::fail("second read gives other counts");
    }
    for (int32_t i = 0; i < pieces; ++i) {
        if (std::memcmp(&firstPieces[i], &state->cutFile.cutPieces.at(i), sizeof(CutPieceRecord)) != 0) {
            fuzz::fail("a read with diagnostics gives another cut piece");
        }
    }
    for (int32_t i = 0; i < bends; ++i) {
        if (std::memcmp(&firstBends[i], &state->cutFile.pipeBends.at(i), sizeof(PipeBendRecord)) != 0) {
            fuzz::fail("a read with diagnostics gives another bend");
        }
    }
    if (diagnostics.cutPieceLines.size() != static_cast<std::size_t>(pieces) ||
        diagnostics.pipeBendLines.size() != static_cast<std::size_t>(bends)) {
        fuzz::fail("diagnostics miss the line of a record");
    }

    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)parseFractionValue(text.c_str());
    return 0;
}
