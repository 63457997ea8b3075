// A cut piece's programs as the page's data holds them: taken from the
// piece's block of the result file, every run block one text, escaped for a
// JSON string inside a <script> element.
#include <gtest/gtest.h>

#include <string>

#include "report_model.h"

namespace {

using kwarel::cli::PieceReport;
using kwarel::cli::pieceDataTail;

std::string programs(const std::string& block, int32_t runCount) {
    PieceReport piece;
    piece.runCount = runCount;
    std::string out = "x";
    pieceDataTail(piece, block, out);
    return out;
}

const std::string kBlock =
    "STARTCUTPIECE\n"
    "CUT-ID         A<1>\n"
    "STARTRUN 1\n"
    "LOAD\n"
    "FEED           1234\n"
    "ROTATION       90 CW\r\n"
    "ENDRUN\n"
    "\n"
    "STARTRUN 2\n"
    "NOTE  a\"b\\c&d\te\x01\n"
    "ENDRUN\n"
    "ENDCUTPIECE\n"
    "STARTCUTPIECE\n"
    "STARTRUN 3\n"
    "LOAD\n";

TEST(PageData, ProgramsFromTheBlock) {
    // Label, one blank, value; the carriage return goes; lines outside the
    // runs and the next cut piece's block are not read.
    EXPECT_EQ(programs(kBlock, 2),
              "x,\"pg\":[\"LOAD\\nFEED 1234\\nROTATION 90 CW\\n\","
              "\"NOTE a\\\"b\\\\c\\u0026d\\te\\u0001\\n\"]}");
    // Fewer runs chosen than blocks: the first ones; more: empty texts.
    EXPECT_EQ(programs(kBlock, 1), "x,\"pg\":[\"LOAD\\nFEED 1234\\nROTATION 90 CW\\n\"]}");
    EXPECT_EQ(programs(kBlock, 3),
              "x,\"pg\":[\"LOAD\\nFEED 1234\\nROTATION 90 CW\\n\","
              "\"NOTE a\\\"b\\\\c\\u0026d\\te\\u0001\\n\",\"\"]}");
    EXPECT_EQ(programs("STARTCUTPIECE\nSTARTRUN 1\n<LOAD>\n", 1), "x,\"pg\":[\"\\u003cLOAD\\u003e\\n\"]}");
    EXPECT_EQ(programs("", 0), "x,\"pg\":[]}");
}

}  // namespace
