#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "input/cutpiece_reader.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

class CutPieceReader : public ::testing::Test {
protected:
    void read(const std::string& contents) {
        testing::writeFile(dir.file("cut.txt"), contents);
        EXPECT_EQ(readCutPieceFile(*state, dir.file("cut.txt").c_str()), 0);
    }
    const CutPieceRecord& piece(int i) { return state->cutPieces.at(i); }
    const PipeBendRecord& bend(int i) { return state->pipeBends.at(i); }

    testing::ScratchDir dir;
    std::unique_ptr<JobState> state = testing::freshState();
};

const char* const kMinimalFile =
    "/HEADER\nUNITS-BORE INCH\nUNITS-LENGTH MM\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n"
    "/CUT\nCUT-ID 1\nITEM-CODE P100\nND 4\nSTART 0 0 0\nFINISH 1000 500 0\n"
    "BEND 1000 0 0 150 90\n/END\n";

TEST_F(CutPieceReader, MinimalFile) {
    read(kMinimalFile);
    EXPECT_EQ(state->boreUnits, 2);
    EXPECT_EQ(state->lengthUnits, 1);
    ASSERT_EQ(state->cutPieces.count, 1);
    const CutPieceRecord& p = piece(0);
    EXPECT_STREQ(p.cutId, "1");
    EXPECT_STREQ(p.spoolId, "S1");
    EXPECT_STREQ(p.pipingSpec, "A1");
    EXPECT_STREQ(p.itemCode, "P100");
    EXPECT_EQ(p.nominalBore, 4.0);
    EXPECT_EQ(p.finishX, 10000.0);
    EXPECT_EQ(p.finishY, 5000.0);
    EXPECT_EQ(p.devLength + p.failed + p.bendCount, 0);
    ASSERT_EQ(state->pipeBends.count, 1);
    EXPECT_STREQ(bend(0).cutId, "1");
    EXPECT_STREQ(bend(0).spoolId, "S1");
    EXPECT_EQ(bend(0).bendX, 10000.0);
    EXPECT_EQ(bend(0).bendRadius, 1500);
    EXPECT_EQ(bend(0).bendAngle, 90);
}

TEST_F(CutPieceReader, UnitsScaleLengthsButNotBores) {
    const std::string text = "/CUT\nND 1.1/2\nSTART 1 2.5 -3\nDEV-LENGTH 120.1/2\nFINISH 0 0 0\n";
    read("UNITS-LENGTH INCH\nUNITS-BORE MM\n" + text + "UNITS-LENGTH mm\n" + text +
         "BEND 100 0 0 152.4 90\n/CUT\nND 3/4\nFINISH\n");
    EXPECT_EQ(state->boreUnits, 1);
    EXPECT_EQ(state->lengthUnits, 1);
    ASSERT_EQ(state->cutPieces.count, 3);
    EXPECT_EQ(piece(0).startX, 254.0);
    EXPECT_EQ(piece(0).startY, 635.0);
    EXPECT_EQ(piece(0).startZ, -762.0);
    EXPECT_EQ(piece(0).devLength, 30607);  // 120.5 x 254
    EXPECT_EQ(piece(1).startX, 10.0);
    EXPECT_EQ(piece(1).startY, 25.0);
    EXPECT_EQ(piece(1).startZ, -30.0);
    EXPECT_EQ(piece(1).devLength, 1205);
    EXPECT_EQ(piece(0).nominalBore, 1.5);
    EXPECT_EQ(piece(1).nominalBore, 1.5);
    EXPECT_EQ(piece(2).nominalBore, 0.75);
    EXPECT_EQ(bend(0).bendX, 1000.0);
    EXPECT_EQ(bend(0).bendRadius, 1524);
}

TEST_F(CutPieceReader, KeywordMatching) {
    read("/cut\ncut-id 7\nbend 1 0 0 1 10\nBend-1 2 0 0 1 20\nBENDING 3 0 0 1 30\nBEN 4 0 0 1 40\n"
         "STARTX 5 5 5\n   start\t1 2 3\nFINISHED 9 9 9\nfinish 4 5 6\n");
    ASSERT_EQ(state->pipeBends.count, 3);
    EXPECT_EQ(bend(1).bendAngle, 20);
    EXPECT_EQ(bend(2).bendX, 30.0);
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(piece(0).cutId, "7");
    EXPECT_EQ(piece(0).startZ, 30.0);
    EXPECT_EQ(piece(0).finishX, 40.0);
}

TEST_F(CutPieceReader, PipingSpecOfHeaderAndOfPiece) {
    read("/HEADER\nPIPING-SPEC A1\n/SPOOL\n/CUT\nPIPING-SPEC B2\nFINISH\n/CUT\nFINISH\n"
         "PIPING-SPEC C3\n/CUT\nFINISH\n");
    ASSERT_EQ(state->cutPieces.count, 3);
    EXPECT_STREQ(piece(0).pipingSpec, "B2");
    EXPECT_STREQ(piece(1).pipingSpec, "A1");
    // Outside the header a spec goes to the piece being built only.
    EXPECT_STREQ(piece(2).pipingSpec, "A1");
    EXPECT_STREQ(state->headerPipingSpec, "A1");
}

TEST_F(CutPieceReader, PiecesAreStoredAtFinish) {
    read("BEND 1 0 0 1 5\n"                                 // before any CUT-ID
         "SPOOL-ID S1\n/CUT\nCUT-ID 1\nBEND 2 0 0 1 10\n"     // before FINISH
         "ITEM-CODE P1\nFINISH 1 1 1\nITEM-CODE LOST\nFINISH 2 2 2\n"
         "/CUT\nCUT-ID 2\nITEM-CODE P2\nBEND 3 0 0 1 15\n"     // piece without FINISH
         "SPOOL-ID S2\n/CUT\nCUT-ID 1\nFINISH 3\nBEND 4 0 0 1 20\nBEND 1 2\n/END\n");
    ASSERT_EQ(state->cutPieces.count, 3);
    // A second FINISH stores a second piece with what the slot holds.
    EXPECT_STREQ(piece(0).itemCode, "P1");
    EXPECT_STREQ(piece(1).itemCode, "LOST");
    EXPECT_EQ(piece(1).finishX, 20.0);
    EXPECT_STREQ(piece(2).spoolId, "S2");
    EXPECT_STREQ(piece(2).itemCode, "");
    EXPECT_EQ(piece(2).finishY, 0.0);  // missing values read as 0
    ASSERT_EQ(state->pipeBends.count, 5);
    EXPECT_STREQ(bend(0).cutId, "");
    EXPECT_STREQ(bend(0).spoolId, "");
    EXPECT_STREQ(bend(2).cutId, "2");
    // The same CUT-ID in another spool keeps its bends apart.
    EXPECT_STREQ(bend(3).cutId, "1");
    EXPECT_STREQ(bend(3).spoolId, "S2");
    EXPECT_EQ(bend(4).bendY, 20.0);
    EXPECT_EQ(bend(4).bendRadius + bend(4).bendAngle, 0);
}

TEST_F(CutPieceReader, HeaderTextsCarryOverUnitsDoNot) {
    read("DATE 13/12/25\nPIPELINE LINE-3\n/HEADER\nPIPING-SPEC A1\nUNITS-BORE MM\nUNITS-LENGTH INCH\n");
    read("/CUT\nSTART 1 0 0\nFINISH\n  /end  trailing\n/CUT\nFINISH\nDATE 01/01/99\n");
    EXPECT_STREQ(state->headerDate, "13/12/25");  // the DATE after /END is not read
    EXPECT_STREQ(state->headerPipeline, "LINE-3");
    EXPECT_STREQ(piece(0).pipingSpec, "A1");
    EXPECT_EQ(state->cutPieces.count, 1);
    EXPECT_EQ(state->boreUnits, 2);
    EXPECT_EQ(state->lengthUnits, 1);
    EXPECT_EQ(piece(0).startX, 10.0);
}

TEST_F(CutPieceReader, LongTextsAreCutToTheirFields) {
    const std::string w(60, 'W');
    read("DATE 2025-12-13T10:00\nPIPELINE " + w + "\n/HEADER\nPIPING-SPEC " + w + "\nSPOOL-ID " + w +
         "\n/CUT\nCUT-ID " + w + "\nITEM-CODE " + w + "\nSTART-END-TYPE " + w +
         "\nFINISH-END-TYPE BW SW\nFINISH\nBEND\n");
    EXPECT_STREQ(state->headerDate, "2025-12-13T");
    EXPECT_EQ(std::string(state->headerPipeline), w.substr(0, 47));
    EXPECT_EQ(std::string(state->headerPipingSpec), w.substr(0, 23));
    EXPECT_EQ(std::string(piece(0).cutId), w.substr(0, 30));
    EXPECT_EQ(std::string(piece(0).spoolId), w.substr(0, 30));
    EXPECT_EQ(std::string(piece(0).pipingSpec), w.substr(0, 20));
    EXPECT_EQ(std::string(piece(0).itemCode), w.substr(0, 30));
    EXPECT_EQ(std::string(piece(0).startEndType), w.substr(0, 10));
    EXPECT_STREQ(piece(0).finishEndType, "BW");
    EXPECT_EQ(std::string(bend(0).spoolId), w.substr(0, 30));
}

TEST_F(CutPieceReader, LineEnds) {
    std::string crlf;
    for (const char* p = kMinimalFile; *p != '\0'; ++p) crlf += (*p == '\n') ? "\r\n" : std::string(1, *p);
    read(crlf);
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(piece(0).itemCode, "P100");
    EXPECT_EQ(bend(0).bendAngle, 90);
    // Lone carriage returns: one long line, only its first keyword acts.
    read("/CUT\rCUT-ID 1\rFINISH 1 1 1\r");
    EXPECT_EQ(state->cutPieces.count, 0);
    // The 200th character of a line begins a line of its own.
    read("/CUT\nPIPELINE " + std::string(190, 'x') + "FINISH 1 2 3\n");
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_EQ(piece(0).finishZ, 30.0);
}

TEST_F(CutPieceReader, UnusableFilesNulBytesAndGarbage) {
    read(kMinimalFile);
    EXPECT_EQ(readCutPieceFile(*state, dir.file("missing.txt").c_str()), 0);
    EXPECT_EQ(state->cutPieces.count + state->pipeBends.count, 0);
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(readCutPieceFile(*state, dir.file("folder").c_str()), 0);
    EXPECT_EQ(state->cutPieces.count, 0);

    static const char withNul[] = "/CUT\nCUT-ID A\0B\nFINISH 1\0 2 3\n";
    read(std::string(withNul, sizeof withNul - 1));
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(piece(0).cutId, "A");
    EXPECT_EQ(piece(0).finishY, 0.0);

    std::mt19937 random(777);
    const char* pieces[] = {"/CUT\n", "FINISH 1 2 3\n", "BEND 1 2 3 4 5\n", "ND 1.1/\n",
                            "DEV-LENGTH 9e999/0\n", "\r", "\n", "/HEADER\n"};
    for (int round = 0; round < 20; ++round) {
        std::string garbage;
        for (int i = 0; i < 3000; ++i) {
            garbage += random() % 40 == 0 ? std::string(pieces[random() % 8])
                                          : std::string(1, static_cast<char>(random() % 256));
        }
        read(garbage);
    }
}

TEST(ParseFractionValue, WholeNumeratorDenominator) {
    const struct { const char* text; double value; } cases[] = {
        {"1.1/2", 1.5}, {"2.3/4", 2.75}, {"3/4", 0.75}, {"15/16", 0.9375}, {"4", 4.0},
        {"1.5", 1.5}, {"", 0.0},
        {"/2", 0.0},              // a slash at the start counts as none
        {"1/2/4", 0.25},          // the last slash splits
        {"1/2.5", 1.0},           // a point after the slash: empty numerator
        {"2.1/", 2.0}, {"2.1/0", 2.0}, {"3/0", 0.0},  // no denominator: whole part only
        {"100000000.1/2", 100000000.5},               // longer than 11 characters
    };
    for (const auto& c : cases) EXPECT_EQ(parseFractionValue(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kwarel
