#include <gtest/gtest.h>

#include <string>

#include "input/cutpiece_reader.h"
#include "reader_fixture.h"

namespace kwarel {
namespace {

using testing::join;

class CutPieceReader : public testing::ReaderTest {
protected:
    void read(const std::string& contents) { readCutPieceFile(state->cutFile, write(contents).c_str()); }
    const CutPieceRecord& piece(int i) { return state->cutFile.cutPieces.at(i); }
    std::string bend(int i) {
        const PipeBendRecord& b = state->cutFile.pipeBends.at(i);
        return join(b.cutId, b.spoolId, b.bendX, b.bendY, b.bendZ, b.bendRadius, b.bendAngle);
    }
};

TEST_F(CutPieceReader, UnitsScaleLengthsButNotBores) {
    const std::string text = "/CUT\nND 1.1/2\nSTART 1 2.5 -3\nDEV-LENGTH 120.1/2\nFINISH 0 0 0\n";
    read("UNITS-LENGTH INCH\nUNITS-BORE MM\n" + text + "UNITS-LENGTH mm\n" + text +
         "BEND 100 0 0 152.4 90\n/CUT\nND 3/4\nFINISH\n");
    EXPECT_EQ(state->cutFile.boreUnits, 1);
    EXPECT_EQ(state->cutFile.lengthUnits, 1);
    auto values = [&](int i) {
        return join(piece(i).nominalBore, piece(i).startX, piece(i).startY, piece(i).startZ, piece(i).devLength);
    };
    EXPECT_EQ(values(0), "1.5 254 635 -762 30607 ");  // 120.5 x 254
    EXPECT_EQ(values(1), "1.5 10 25 -30 1205 ");
    EXPECT_EQ(piece(2).nominalBore, 0.75);
    EXPECT_EQ(bend(0), "  1000 0 0 1524 90 ");
}

TEST_F(CutPieceReader, KeywordsPiecesAndBendsWithLfAndCrLf) {
    const std::string text =
        "/HEADER\nPIPING-SPEC A1\n/SPOOL\nBEND 1 0 0 1 5\nSPOOL-ID S1\n/cut\ncut-id 1\nPIPING-SPEC B2\n"
        "bend 2 0 0 1 10\nBend-1 3 0 0 1 15\nBENDING 4 0 0 1 20\nBEN 5 0 0 1 25\nSTARTX 5 5 5\n"
        "   start\t1 2 3\nITEM-CODE P1\nFINISHED 9 9 9\nfinish 4 5 6\nITEM-CODE LOST\nFINISH 2 2 2\n"
        "/CUT\nCUT-ID 2\nITEM-CODE P2\nBEND 6 0 0 1 30\nPIPING-SPEC C3\n"
        "SPOOL-ID S2\n/CUT\nCUT-ID 1\nFINISH 3\nBEND 7 0 0 1 35\nBEND 1 2\n";
    for (const std::string& lines : {text, testing::withCrLf(text)}) {
        read(lines);
        ASSERT_EQ(state->cutFile.cutPieces.count, 3);
        // A second FINISH stores a second piece from the slot; a piece without FINISH is not stored.
        EXPECT_EQ(join(piece(0).cutId, piece(0).itemCode, piece(0).pipingSpec, piece(0).startZ, piece(0).finishX),
                  "1 P1 B2 30 40 ");
        EXPECT_EQ(join(piece(1).itemCode, piece(1).finishX), "LOST 20 ");
        // A PIPING-SPEC line outside the header belongs to the piece being built; later pieces take the header's.
        EXPECT_EQ(join(piece(2).spoolId, piece(2).pipingSpec, piece(2).itemCode, piece(2).finishX, piece(2).finishY),
                  "S2 A1  30 0 ");
        EXPECT_STREQ(state->cutFile.headerPipingSpec, "A1");
        ASSERT_EQ(state->cutFile.pipeBends.count, 7);
        EXPECT_EQ(bend(0), "  10 0 0 10 5 ");  // before any CUT-ID or SPOOL-ID
        EXPECT_EQ(bend(1), "1 S1 20 0 0 10 10 ");
        EXPECT_EQ(bend(3), "1 S1 40 0 0 10 20 ");
        EXPECT_EQ(bend(4), "2 S1 60 0 0 10 30 ");
        EXPECT_EQ(bend(5), "1 S2 70 0 0 10 35 ");  // the same CUT-ID in another spool
        EXPECT_EQ(bend(6), "1 S2 10 20 0 0 0 ");
    }
}

TEST_F(CutPieceReader, HeaderTextsCarryOverUnitsDoNot) {
    read("DATE 13/12/25\nPIPELINE LINE-3\n/HEADER\nPIPING-SPEC A1\nUNITS-BORE MM\nUNITS-LENGTH INCH\n");
    read("/CUT\nSTART 1 0 0\nFINISH\n  /end  trailing\n/CUT\nFINISH\nDATE 01/01/99\n");
    EXPECT_STREQ(state->cutFile.headerDate, "13/12/25");
    EXPECT_STREQ(state->cutFile.headerPipeline, "LINE-3");
    ASSERT_EQ(state->cutFile.cutPieces.count, 1);
    EXPECT_STREQ(piece(0).pipingSpec, "A1");
    EXPECT_EQ(piece(0).startX, 10);  // millimetres again
    EXPECT_EQ(state->cutFile.boreUnits, 2);
    EXPECT_EQ(state->cutFile.lengthUnits, 1);
}

TEST_F(CutPieceReader, LongTextsAreCutToTheirFields) {
    const std::string w(60, 'W');
    read("DATE 2025-12-13T10:00\nPIPELINE " + w + "\n/HEADER\nPIPING-SPEC " + w + "\nSPOOL-ID " + w +
         "\n/CUT\nCUT-ID " + w + "\nITEM-CODE " + w + "\nSTART-END-TYPE " + w +
         "\nFINISH-END-TYPE BW SW\nFINISH\nBEND\n");
    const CutPieceRecord& p = piece(0);
    EXPECT_STREQ(state->cutFile.headerDate, "2025-12-13T");
    EXPECT_EQ(std::string(state->cutFile.headerPipeline), w.substr(0, 47));
    EXPECT_EQ(std::string(state->cutFile.headerPipingSpec), w.substr(0, 23));
    EXPECT_EQ(std::string(p.cutId), w.substr(0, 30));
    EXPECT_EQ(std::string(p.spoolId), w.substr(0, 30));
    EXPECT_EQ(std::string(p.pipingSpec), w.substr(0, 20));
    EXPECT_EQ(std::string(p.itemCode), w.substr(0, 30));
    EXPECT_EQ(std::string(p.startEndType), w.substr(0, 10));
    EXPECT_EQ(std::string(state->cutFile.pipeBends.at(0).spoolId), w.substr(0, 30));
    EXPECT_STREQ(p.finishEndType, "BW");
}

TEST_F(CutPieceReader, LoneCrLongLinesAndNulBytes) {
    read("/CUT\rCUT-ID 1\rFINISH 1 1 1\r");  // one line: only its first keyword acts
    EXPECT_EQ(state->cutFile.cutPieces.count, 0);
    read("/CUT\nPIPELINE " + std::string(190, 'x') + "FINISH 1 2 3\n");  // the 200th character begins a line
    ASSERT_EQ(state->cutFile.cutPieces.count, 1);
    EXPECT_EQ(piece(0).finishZ, 30.0);
    static const char withNul[] = "/CUT\nCUT-ID A\0B\nFINISH 1\0 2 3\n";
    read(std::string(withNul, sizeof withNul - 1));
    ASSERT_EQ(state->cutFile.cutPieces.count, 1);
    EXPECT_EQ(join(piece(0).cutId, piece(0).finishX, piece(0).finishY), "A 10 0 ");
}

TEST(ParseFractionValue, WholeNumeratorDenominator) {
    const struct { const char* text; double value; } cases[] = {
        {"1.1/2", 1.5}, {"2.3/4", 2.75}, {"3/4", 0.75}, {"15/16", 0.9375}, {"4", 4.0}, {"1.5", 1.5}, {"", 0.0},
        {"/2", 0.0},      // a slash at the start counts as none
        {"1/2/4", 0.25},  // the last slash splits
        {"1/2.5", 1.0},   // a point after the slash: empty numerator
        {"2.1/", 2.0}, {"2.1/0", 2.0}, {"3/0", 0.0},  // no denominator: whole part only
        {"100000000.1/2", 100000000.5},               // longer than 11 characters
    };
    for (const auto& c : cases) EXPECT_EQ(parseFractionValue(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kwarel
