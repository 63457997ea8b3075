// Fuzzes the cut-piece file reader, and the fraction reader with the same
// bytes as one text of any length.
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "input/cutpiece_reader.h"
#include "input/input_state.h"

namespace {

void checkRecords(const kwarel::CutPieceFile& file) {
    using namespace kwarel;
    using fuzz::checkText;
    using fuzz::checkTexts;
    checkText(file.headerDate, "header date overrun");
    checkText(file.headerPipeline, "header pipeline overrun");
    checkText(file.headerPipingSpec, "headerPipingSpec overrun");
    if ((file.boreUnits != 1 && file.boreUnits != 2) || (file.lengthUnits != 1 && file.lengthUnits != 2)) {
        fuzz::fail("units code other than 1 or 2");
    }
    checkTexts(file.cutPieces, "cut piece text overrun", &CutPieceRecord::cutId, &CutPieceRecord::spoolId,
               &CutPieceRecord::pipingSpec, &CutPieceRecord::itemCode, &CutPieceRecord::startEndType,
               &CutPieceRecord::finishEndType);
    checkTexts(file.pipeBends, "bend text overrun", &PipeBendRecord::cutId, &PipeBendRecord::spoolId);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kwarel;
    static const std::string path = fuzz::scratchFile("cut.txt");
    fuzz::writeFile(path, data, size);

    const auto first = std::make_unique<CutPieceFile>();
    readCutPieceFile(*first, path.c_str());
    checkRecords(*first);

    // Reading the same file again, now with a diagnostics sink as the input
    // checker does, must give the same lists, and a line for every record.
    // The piping value a header gives is kept from one read to the next (a
    // /CUT before the header's piping line takes the previous job's value),
    // so the second read starts from a fresh state as the first did.
    Diagnostics diagnostics;
    const auto second = std::make_unique<CutPieceFile>();
    readCutPieceFile(*second, path.c_str(), &diagnostics);
    if (!fuzz::sameRecords(first->cutPieces, second->cutPieces)) {
        fuzz::fail("a read with diagnostics gives other cut pieces");
    }
    if (!fuzz::sameRecords(first->pipeBends, second->pipeBends)) {
        fuzz::fail("a read with diagnostics gives other bends");
    }
    if (diagnostics.cutPieceLines.size() != static_cast<std::size_t>(first->cutPieces.count) ||
        diagnostics.pipeBendLines.size() != static_cast<std::size_t>(first->pipeBends.count)) {
        fuzz::fail("diagnostics miss the line of a record");
    }

    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)parseFractionValue(text.c_str());
    return 0;
}
