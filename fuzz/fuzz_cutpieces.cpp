// Fuzzes the cut-piece file reader, and the fraction reader with the same
// bytes as one text of any length.
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "input/cutpiece_reader.h"

namespace {

void checkRecords(const kwarel::JobState& state) {
    using kwarel::fuzz::checkText;
    checkText(state.headerDate, "header date overrun");
    checkText(state.headerPipeline, "header pipeline overrun");
    checkText(state.headerPipingSpec, "headerPipingSpec overrun");
    if ((state.boreUnits != 1 && state.boreUnits != 2) ||
        (state.lengthUnits != 1 && state.lengthUnits != 2)) {
        kwarel::fuzz::fail("units code other than 1 or 2");
    }
    for (int32_t i = 0; i < state.cutPieces.count; ++i) {
        const kwarel::CutPieceRecord& piece = state.cutPieces.at(i);
        checkText(piece.cutId, "cutId overrun");
        checkText(piece.spoolId, "spoolId overrun");
        checkText(piece.pipingSpec, "pipingSpec overrun");
        checkText(piece.itemCode, "itemCode overrun");
        checkText(piece.startEndType, "startEndType overrun");
        checkText(piece.finishEndType, "finishEndType overrun");
    }
    for (int32_t i = 0; i < state.pipeBends.count; ++i) {
        checkText(state.pipeBends.at(i).cutId, "bend cutId overrun");
        checkText(state.pipeBends.at(i).spoolId, "bend spoolId overrun");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("cut.txt");
    fuzz::writeFile(path, data, size);

    auto state = std::make_unique<JobState>();
    readCutPieceFile(*state, path.c_str());
    checkRecords(*state);
    const int32_t pieces = state->cutPieces.count;
    const int32_t bends = state->pipeBends.count;

    // Reading the same file again must give the same lists.
    readCutPieceFile(*state, path.c_str());
    if (state->cutPieces.count != pieces || state->pipeBends.count != bends) {
        fuzz::fail("second read gives other counts");
    }

    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)parseFractionValue(text.c_str());
    return 0;
}
