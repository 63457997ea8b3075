#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "input/cutpiece_reader.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::freshState;
using testing::ScratchDir;
using testing::writeFile;

class CutPieceReader : public ::testing::Test {
protected:
    void read(const std::string& contents) {
        writeFile(dir.file("cut.txt"), contents);
        EXPECT_EQ(readCutPieceFile(*state, dir.file("cut.txt").c_str()), 0);
    }
    const CutPieceRecord& piece(int i) { return state->cutPieces.at(i); }
    const PipeBendRecord& bend(int i) { return state->pipeBends.at(i); }

    ScratchDir dir;
    std::unique_ptr<JobState> state = freshState();
};

const char* const kMinimalFile =
    "/HEADER\n"
    "UNITS-BORE INCH\n"
    "UNITS-LENGTH MM\n"
    "PIPING-SPEC A1\n"
    "/SPOOL\n"
    "SPOOL-ID S1\n"
    "/CUT\n"
    "CUT-ID 1\n"
    "ITEM-CODE P100\n"
    "ND 4\n"
    "START 0 0 0\n"
    "FINISH 1000 500 0\n"
    "BEND 1000 0 0 150 90\n"
    "/END\n";

TEST_F(CutPieceReader, MinimalFile) {
    read(kMinimalFile);
    EXPECT_EQ(state->boreUnits, 2);
    EXPECT_EQ(state->lengthUnits, 1);
    EXPECT_STREQ(state->headerPipingSpec, "A1");
    ASSERT_EQ(state->cutPieces.count, 1);
    const CutPieceRecord& p = piece(0);
    EXPECT_STREQ(p.cutId, "1");
    EXPECT_STREQ(p.spoolId, "S1");
    EXPECT_STREQ(p.pipingSpec, "A1");
    EXPECT_STREQ(p.itemCode, "P100");
    EXPECT_EQ(p.nominalBore, 4.0);
    EXPECT_EQ(p.startX, 0.0);
    EXPECT_EQ(p.finishX, 10000.0);
    EXPECT_EQ(p.finishY, 5000.0);
    EXPECT_EQ(p.finishZ, 0.0);
    EXPECT_EQ(p.devLength, 0);
    EXPECT_EQ(p.failed, 0);
    ASSERT_EQ(state->pipeBends.count, 1);
    const PipeBendRecord& b = bend(0);
    EXPECT_STREQ(b.cutId, "1");
    EXPECT_STREQ(b.spoolId, "S1");
    EXPECT_EQ(b.bendX, 10000.0);
    EXPECT_EQ(b.bendY, 0.0);
    EXPECT_EQ(b.bendRadius, 1500);
    EXPECT_EQ(b.bendAngle, 90);
}

TEST_F(CutPieceReader, LengthUnitsScaleCoordinatesAndLengths) {
    read("UNITS-LENGTH INCH\n/CUT\nSTART 1 2.5 -3\nDEV-LENGTH 120.1/2\nFINISH 0 0 0\n"
         "UNITS-LENGTH MM\n/CUT\nSTART 1 2.5 -3\nDEV-LENGTH 120.1/2\nFINISH 0 0 0\n"
         "BEND 100 0 0 152.4 90\n");
    ASSERT_EQ(state->cutPieces.count, 2);
    EXPECT_EQ(piece(0).startX, 254.0);
    EXPECT_EQ(piece(0).startY, 635.0);
    EXPECT_EQ(piece(0).startZ, -762.0);
    EXPECT_EQ(piece(0).devLength, 30607);  // 120.5 x 254 = 30607
    EXPECT_EQ(piece(1).startX, 10.0);
    EXPECT_EQ(piece(1).startY, 25.0);
    EXPECT_EQ(piece(1).startZ, -30.0);
    EXPECT_EQ(piece(1).devLength, 1205);
    EXPECT_EQ(state->lengthUnits, 1);
    ASSERT_EQ(state->pipeBends.count, 1);
    EXPECT_EQ(bend(0).bendX, 1000.0);
    EXPECT_EQ(bend(0).bendRadius, 1524);
    EXPECT_EQ(bend(0).bendAngle, 90);
}

TEST_F(CutPieceReader, BoresAreNeverConverted) {
    read("UNITS-BORE MM\n/CUT\nND 1.1/2\nFINISH\n/CUT\nND 3/4\nFINISH\nUNITS-BORE inch\n");
    ASSERT_EQ(state->cutPieces.count, 2);
    EXPECT_EQ(piece(0).nominalBore, 1.5);
    EXPECT_EQ(piece(1).nominalBore, 0.75);
    EXPECT_EQ(state->boreUnits, 2);
}

TEST_F(CutPieceReader, BendKeywordIsAPrefixOthersAreWholeWords) {
    read("/cut\ncut-id 7\nbend 1 0 0 1 10\nBend-1 2 0 0 1 20\nBENDING 3 0 0 1 30\nBEN 4 0 0 1 40\n"
         "STARTX 5 5 5\n   start\t1 2 3\nFINISHED 9 9 9\nfinish 4 5 6\n");
    ASSERT_EQ(state->pipeBends.count, 3);
    EXPECT_EQ(bend(1).bendAngle, 20);
    EXPECT_EQ(bend(2).bendX, 30.0);
    EXPECT_STREQ(bend(2).cutId, "7");
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_EQ(piece(0).startX, 10.0);
    EXPECT_EQ(piece(0).startZ, 30.0);
    EXPECT_EQ(piece(0).finishX, 40.0);
}

TEST_F(CutPieceReader, PipingSpecOfHeaderAndOfPiece) {
    read("/HEADER\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n"
         "/CUT\nCUT-ID 1\nPIPING-SPEC B2\nFINISH 0 0 0\n"
         "/CUT\nCUT-ID 2\nFINISH 0 0 0\n"
         "PIPING-SPEC C3\n/CUT\nCUT-ID 3\nFINISH 0 0 0\n");
    ASSERT_EQ(state->cutPieces.count, 3);
    EXPECT_STREQ(piece(0).pipingSpec, "B2");
    EXPECT_STREQ(piece(1).pipingSpec, "A1");
    // Outside the header a spec goes to the piece being built only.
    EXPECT_STREQ(piece(2).pipingSpec, "A1");
    EXPECT_STREQ(state->headerPipingSpec, "A1");
}

TEST_F(CutPieceReader, PiecesAreStoredAtFinish) {
    read("BEND 1 0 0 1 5\n"                              // before any CUT-ID
         "SPOOL-ID S1\n/CUT\nCUT-ID 1\nBEND 2 0 0 1 10\n"  // bend before FINISH
         "ITEM-CODE P1\nFINISH 1 1 1\nITEM-CODE LOST\nFINISH 2 2 2\n"
         "/CUT\nCUT-ID 2\nITEM-CODE P2\nBEND 3 0 0 1 15\n"  // no FINISH
         "SPOOL-ID S2\n/CUT\nCUT-ID 1\nFINISH 3 3 3\nBEND 4 0 0 1 20\n");
    ASSERT_EQ(state->cutPieces.count, 3);
    // A second FINISH stores a second piece with what the slot holds.
    EXPECT_STREQ(piece(0).itemCode, "P1");
    EXPECT_STREQ(piece(1).itemCode, "LOST");
    EXPECT_STREQ(piece(1).cutId, "1");
    EXPECT_EQ(piece(1).finishX, 20.0);
    EXPECT_STREQ(piece(2).spoolId, "S2");
    EXPECT_STREQ(piece(2).itemCode, "");
    ASSERT_EQ(state->pipeBends.count, 4);
    EXPECT_STREQ(bend(0).cutId, "");
    EXPECT_STREQ(bend(0).spoolId, "");
    EXPECT_STREQ(bend(1).spoolId, "S1");
    EXPECT_STREQ(bend(2).cutId, "2");
    // The same CUT-ID in another spool keeps its bends apart.
    EXPECT_STREQ(bend(3).cutId, "1");
    EXPECT_STREQ(bend(3).spoolId, "S2");
}

TEST_F(CutPieceReader, ReadingStopsAfterEnd) {
    read("/CUT\nFINISH 1 1 1\n  /end  trailing\n/CUT\nFINISH 2 2 2\nDATE 01/01/99\n");
    EXPECT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(state->headerDate, "");
}

TEST_F(CutPieceReader, HeaderTextsCarryOverUnitsDoNot) {
    read("DATE 13/12/25\nPIPELINE LINE-3\n/HEADER\nPIPING-SPEC A1\nUNITS-BORE MM\n"
         "UNITS-LENGTH INCH\n");
    EXPECT_EQ(state->boreUnits, 1);
    EXPECT_EQ(state->lengthUnits, 2);
    read("/CUT\nSTART 1 0 0\nFINISH 1 0 0\n");
    EXPECT_STREQ(state->headerDate, "13/12/25");
    EXPECT_STREQ(state->headerPipeline, "LINE-3");
    EXPECT_STREQ(state->headerPipingSpec, "A1");
    EXPECT_STREQ(piece(0).pipingSpec, "A1");
    EXPECT_EQ(state->boreUnits, 2);
    EXPECT_EQ(state->lengthUnits, 1);
    EXPECT_EQ(piece(0).startX, 10.0);
    read("DATE 01/02/03\n");
    EXPECT_STREQ(state->headerDate, "01/02/03");
    EXPECT_EQ(state->cutPieces.count, 0);
}

TEST_F(CutPieceReader, MissingValuesReadAsZeroOrEmpty) {
    read("SPOOL-ID\n/CUT\nCUT-ID\nSTART 5\nND\nFINISH\nBEND 1 2\nDEV-LENGTH\n");
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(piece(0).cutId, "");
    EXPECT_EQ(piece(0).startX, 50.0);
    EXPECT_EQ(piece(0).startY, 0.0);
    EXPECT_EQ(piece(0).nominalBore, 0.0);
    ASSERT_EQ(state->pipeBends.count, 1);
    EXPECT_EQ(bend(0).bendY, 20.0);
    EXPECT_EQ(bend(0).bendRadius, 0);
    EXPECT_EQ(bend(0).bendAngle, 0);
}

TEST_F(CutPieceReader, LongTextsAreCutToTheirFields) {
    const std::string w60(60, 'W');
    read("DATE 2025-12-13T10:00\nPIPELINE " + w60 + "\n/HEADER\nPIPING-SPEC " + w60 +
         "\nSPOOL-ID " + w60 + "\n/CUT\nCUT-ID " + w60 + "\nITEM-CODE " + w60 +
         "\nSTART-END-TYPE " + w60 + "\nFINISH-END-TYPE BW SW\nFINISH\nBEND 1 1 1 1 1\n");
    EXPECT_STREQ(state->headerDate, "2025-12-13T");
    EXPECT_EQ(std::string(state->headerPipeline), std::string(47, 'W'));
    EXPECT_EQ(std::string(state->headerPipingSpec), std::string(23, 'W'));
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_EQ(std::string(piece(0).cutId), std::string(30, 'W'));
    EXPECT_EQ(std::string(piece(0).spoolId), std::string(30, 'W'));
    EXPECT_EQ(std::string(piece(0).pipingSpec), std::string(20, 'W'));
    EXPECT_EQ(std::string(piece(0).itemCode), std::string(30, 'W'));
    EXPECT_EQ(std::string(piece(0).startEndType), std::string(10, 'W'));
    EXPECT_STREQ(piece(0).finishEndType, "BW");
    EXPECT_EQ(std::string(bend(0).cutId), std::string(30, 'W'));
    EXPECT_EQ(std::string(bend(0).spoolId), std::string(30, 'W'));
}

TEST_F(CutPieceReader, LineEndsAndLongLines) {
    std::string crlf;
    for (const char* p = kMinimalFile; *p != '\0'; ++p) crlf += (*p == '\n') ? "\r\n" : std::string(1, *p);
    read(crlf);
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_STREQ(piece(0).itemCode, "P100");
    EXPECT_EQ(state->pipeBends.at(0).bendAngle, 90);

    // Lone carriage returns: one long line, only its first keyword acts.
    read("/CUT\rCUT-ID 1\rFINISH 1 1 1\r");
    EXPECT_EQ(state->cutPieces.count, 0);

    // The 200th character of a line begins a line of its own.
    read("/CUT\nPIPELINE " + std::string(190, 'x') + "FINISH 1 2 3\n");
    ASSERT_EQ(state->cutPieces.count, 1);
    EXPECT_EQ(piece(0).finishZ, 30.0);
}

TEST_F(CutPieceReader, UnusableFilesGiveEmptyLists) {
    read(kMinimalFile);
    EXPECT_EQ(readCutPieceFile(*state, dir.file("missing.txt").c_str()), 0);
    EXPECT_EQ(state->cutPieces.count, 0);
    EXPECT_EQ(state->pipeBends.count, 0);
    read("");
    EXPECT_EQ(state->cutPieces.count, 0);
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(readCutPieceFile(*state, dir.file("folder").c_str()), 0);
    EXPECT_EQ(state->cutPieces.count, 0);
}

TEST_F(CutPieceReader, NulBytesAndBinaryGarbage) {
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
            if (random() % 40 == 0) {
                garbage += pieces[random() % 8];
            } else {
                garbage += static_cast<char>(random() % 256);
            }
        }
        read(garbage);
        EXPECT_GE(state->cutPieces.count, 0);
    }
}

TEST(ParseFractionValue, WholeNumeratorDenominator) {
    EXPECT_EQ(parseFractionValue("1.1/2"), 1.5);
    EXPECT_EQ(parseFractionValue("2.3/4"), 2.75);
    EXPECT_EQ(parseFractionValue("3/4"), 0.75);
    EXPECT_EQ(parseFractionValue("15/16"), 0.9375);
    EXPECT_EQ(parseFractionValue("4"), 4.0);
    EXPECT_EQ(parseFractionValue("1.5"), 1.5);
    EXPECT_EQ(parseFractionValue(""), 0.0);
    // A slash at the start counts as none: the text is read as a number.
    EXPECT_EQ(parseFractionValue("/2"), 0.0);
    // The last slash and the last point split the text.
    EXPECT_EQ(parseFractionValue("1/2/4"), 0.25);
    EXPECT_EQ(parseFractionValue("1/2.5"), 1.0);
}

TEST(ParseFractionValue, NoDenominatorKeepsTheWholePart) {
    EXPECT_EQ(parseFractionValue("2.1/"), 2.0);
    EXPECT_EQ(parseFractionValue("2.1/0"), 2.0);
    EXPECT_EQ(parseFractionValue("3/0"), 0.0);
}

TEST(ParseFractionValue, LongTextsAreReadWhole) {
    EXPECT_EQ(parseFractionValue("100000000.1/2"), 100000000.5);
    EXPECT_EQ(parseFractionValue("1234567.890123"), 1234567.890123);
}

}  // namespace
}  // namespace kwarel
