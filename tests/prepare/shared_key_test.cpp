// Cut pieces that share one CUT-ID and SPOOL-ID: one block of bend steps
// serves them all, and the result file is that of building a block per piece.
#include <gtest/gtest.h>

#include <string>

#include "driver/job.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

// Key 1/S1: two pieces (a second FINISH) with other end points. Key 2/S1: the
// first piece fails (unknown item), so the second builds the key's block.
// Key c3/S1 and C3/s1: one key in two spellings, two bends each.
const char* const kSharedKeys =
    "/HEADER\nUNITS-LENGTH MM\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n"
    "/CUT\nCUT-ID 1\nITEM-CODE P50\nND 2\nSTART 0 0 1000\nFINISH 0 200 740\n"
    "START 0 0 900\nFINISH 0 300 740\nBEND 0 0 740 150 90\n"
    "/CUT\nCUT-ID 2\nITEM-CODE NOPE\nND 2\nSTART 0 0 1000\nFINISH 0 200 740\n"
    "/CUT\nCUT-ID 2\nITEM-CODE P50\nND 2\nSTART 0 0 1100\nFINISH 0 250 740\nBEND 0 0 740 150 90\n"
    "/CUT\nCUT-ID c3\nITEM-CODE P50\nND 2\nSTART 0 0 1000\nFINISH 300 600 740\n"
    "BEND 0 0 740 150 90\nBEND 0 600 740 150 90\n"
    "/SPOOL\nSPOOL-ID s1\n/CUT\nCUT-ID C3\nITEM-CODE P50\nND 2\nSTART 0 0 1200\nFINISH 300 600 740\n/END\n";

std::string runWith(const testing::ScratchDir& dir, bool oncePerKey, int templateLength, bool clash) {
    testing::writeFile(dir.file("cut.txt"), kSharedKeys);
    testing::writeFile(dir.file("db.txt"), testing::kOneBenderDatabase);
    auto params = testing::defaultParameters(dir.file("cut.txt"), dir.file("result.txt"), dir.file("db.txt"));
    params.lines[10] = clash ? "1" : "0";
    params.lines[11] = templateLength != 0 ? "1" : "0";
    params.lines[12] = std::to_string(templateLength);
    testing::writeFile(dir.file("params.txt"), params.text());
    auto state = testing::freshState();
    state->prep.buildStepsOncePerKey = oncePerKey;
    EXPECT_EQ(runJob(*state, dir.file("params.txt").c_str()), 0);
    return testing::readFile(dir.file("result.txt"));
}

TEST(SharedCutPieceKey, OneStepBlockPerKeyWritesTheSameResult) {
    testing::ScratchDir dir;
    for (int templateLength : {0, 25}) {
        for (bool clash : {false, true}) {
            const std::string once = runWith(dir, true, templateLength, clash);
            EXPECT_TRUE(once == runWith(dir, false, templateLength, clash)) << templateLength << " " << clash;
            // Six pieces, five of them planned (key 2's first piece has no item).
            EXPECT_NE(once.find("FAIL   Itemcode NOPE not found in database."), std::string::npos);
            EXPECT_EQ(once.find("FAIL   No machine"), std::string::npos);
        }
    }
}

TEST(SharedCutPieceKey, StepsGrowWithKeysNotWithPieces) {
    testing::ScratchDir dir;
    testing::writeFile(dir.file("cut.txt"), kSharedKeys);
    testing::writeFile(dir.file("db.txt"), testing::kOneBenderDatabase);
    for (bool oncePerKey : {true, false}) {
        auto state = testing::freshState();
        state->prep.buildStepsOncePerKey = oncePerKey;
        readBenderDatabase(state->shop, dir.file("db.txt").c_str());
        readCutPieceFile(state->cutFile, dir.file("cut.txt").c_str());
        ASSERT_EQ(state->cutFile.cutPieces.count, 6);
        prepareCutPieces(*state);
        // Keys 1 and 2 have one bend (3 steps), key C3 two (5 steps).
        EXPECT_EQ(state->prep.bendSteps.count, oncePerKey ? 3 + 3 + 5 : 2 * 3 + 3 + 2 * 5);
    }
}

}  // namespace
}  // namespace kwarel
