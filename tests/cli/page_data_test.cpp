// A cut piece's programs as the page's data holds them: taken from the
// piece's block of the result file, every run block one text, escaped for a
// JSON string inside a <script> element.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "report_model.h"

namespace {

using kwarel::cli::PieceReport;
using kwarel::cli::RunsData;
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

// What copyTo writes of pieces 0 to 4 kept in `data`: pieces 1 and 3 are not
// kept (their data is written later, from the result file).
std::string copied(RunsData& data, int32_t first, int32_t last) {
    const char* texts[] = {"[0]", "[1]", "[2a]", "[3]", "[4bc]"};
    const RunsData::Kept kept[] = {RunsData::Kept::Whole, RunsData::Kept::None, RunsData::Kept::UpToPrograms,
                                   RunsData::Kept::None, RunsData::Kept::Whole};
    for (int32_t piece = 0; piece < 5; ++piece) {
        data.put(piece, kept[piece] == RunsData::Kept::None ? "" : texts[piece], kept[piece]);
    }
    std::FILE* out = std::tmpfile();
    if (out == nullptr) return "no temporary file";
    const bool ok = data.copyTo(first, last, out);
    std::string text(static_cast<std::size_t>(std::ftell(out)), '\0');
    std::rewind(out);
    if (!text.empty() && std::fread(text.data(), 1, text.size(), out) != text.size()) text = "short read";
    std::fclose(out);
    return ok ? text : "copy failed";
}

// The page data is the same whether it was kept in the temporary file, in
// memory because no file could be made, or in memory after the file refused
// a write (a full disk).
TEST(PageData, KeptInTheFileOrInMemory) {
    RunsData inFile;
    RunsData inMemory(nullptr);
    RunsData onAFullDisk(std::fopen("/dev/full", "w+b"));
    for (RunsData* data : {&inFile, &inMemory, &onAFullDisk}) {
        EXPECT_EQ(copied(*data, 0, 5), "[0][2a][4bc]");
        EXPECT_EQ(data->kept(1), RunsData::Kept::None);
        EXPECT_EQ(data->kept(2), RunsData::Kept::UpToPrograms);
        EXPECT_EQ(copied(*data, 2, 4), "[2a]");
        EXPECT_EQ(copied(*data, 4, 9), "[4bc]");
    }
}

}  // namespace
