#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "reader_fixture.h"

namespace kwarel {
namespace {

using testing::join;

class DatabaseReader : public testing::ReaderTest {
protected:
    void read(const std::string& contents) { readBenderDatabase(state->shop, write(contents).c_str()); }
    std::string bender(int i) {
        const BenderRecord& b = state->shop.benders.at(i);
        return join(b.name, b.priority, b.minFirstStraight, b.minMiddleStraight, b.minLastStraight);
    }
};

TEST_F(DatabaseReader, EveryFieldOfEverySectionWithCrLf) {
    read(testing::withCrLf(
        "UNITS MM\nSTARTMACHINE\nM1|5|B1,B2|3|8000|120|900|1|600|700|300|400|3000|3100|8000|8100|2500\nENDMACHINE\n"
        "STARTBENDER\nB1|4|100|150.5|200\nENDBENDER\nSTARTBENDCAPABILITY\nB1|1.5|7|150|1\nENDBENDCAPABILITY\n"
        "STARTMATERIALCAPABILITY\nB1|A1|2|10|Y|1\nENDMATERIALCAPABILITY\n"
        "STARTTUBEDATA\nP100-A|4|CS-150|6.0|114.3|6000|2|5|1.5|1\nENDTUBEDATA\n"));
    const MachineRecord& m = state->shop.machines.at(0);
    EXPECT_EQ(join(m.name, m.priority, m.benderNames, m.hand, m.maxPipeLength, m.maxBendAngle, m.machineHeight,
                   m.hasPit, m.pitDepth, m.pitRadius, m.frontRadius, m.bodyHalfWidth, m.leftWall, m.rightWall,
                   m.frontWall, m.backWall, m.ceilingHeight),
              "M1 5 B1,B2 3 80000 120 9000 1 6000 7000 3000 4000 30000 31000 80000 81000 25000 ");
    EXPECT_EQ(bender(0), "B1 4 1000 1505 2000 ");
    const BendCapabilityRecord& c = state->shop.bendCapabilities.at(0);
    EXPECT_EQ(join(c.benderName, c.nominalBore, c.auxValue, c.bendRadius, c.radiusUnits), "B1 1.5 7 1500 1 ");
    const MaterialCapabilityRecord& mc = state->shop.materialCapabilities.at(0);
    EXPECT_EQ(join(mc.benderName, mc.materialSpec, mc.minWallThickness, mc.maxWallThickness, mc.mandrel,
                   mc.thicknessUnits), "B1 A1 20 100 1 1 ");
    const TubeDataRecord& t = state->shop.tubeData.at(0);
    EXPECT_EQ(join(t.itemCode, t.nominalBore, t.materialSpec, t.wallThickness, t.outsideDiameter, t.maxDeliveryLength,
                   t.springbackAngle, t.stretchPercent, t.weldShrinkage, t.sizeUnits),
              "P100-A 4 CS-150 60 1143 60000 2 5 15 1 ");
}

TEST_F(DatabaseReader, SectionUnitsAreFixedAtItsStartRecordUnitsPerRecord) {
    const std::string b = "B1|5|10|20.5|7.25\n";
    read("STARTBENDER\n" + b + "ENDBENDER\nunits \t  inches\nSTARTBENDER\n" + b + "UNITS MM\n" + b +
         "ENDBENDER\nUNITS INCH\nSTARTBENDER\n" + b + "ENDBENDER\n"
         "UNITS INCHES\nSTARTBENDCAPABILITY\nB1|4|0|6|2\nB1|4|0|6|1\nB1|4|0|6|7\nENDBENDCAPABILITY\n"
         "STARTMATERIALCAPABILITY\nB1|A1|0.1|0.5|N|2\nB1|A1|2|10|y|1\nB1|A1|2|10| Y|1\nB1|A1|2|10|YES|1\n"
         "ENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\nP2|2|A1|0.154|2.375|240|0|2|0.5|2\nP2|2|A1|3.9|60.3|240|0|2|0.5|1\nENDTUBEDATA\n");
    EXPECT_EQ(bender(0), "B1 5 100 205 72 ");
    EXPECT_EQ(bender(1), "B1 5 2540 5207 1841 ");
    EXPECT_EQ(bender(2), "UNITS MM\n 0 0 0 0 ");  // inside a section: a record
    EXPECT_EQ(bender(3), "B1 5 2540 5207 1841 ");
    EXPECT_EQ(bender(4), "B1 5 100 205 72 ");  // INCH, singular, is millimetres
    // Radii by their own units field: 6 inches, 6 mm, and 6 mm for any code but 2.
    EXPECT_EQ(state->shop.bendCapabilities.at(0).bendRadius, 1524);  // 6 inches
    EXPECT_EQ(state->shop.bendCapabilities.at(1).bendRadius, 60);    // 6 mm
    EXPECT_EQ(state->shop.bendCapabilities.at(2).bendRadius, 60);    // 6 mm for any code but 2
    // Walls by the record's units; only an uppercase Y first is a mandrel.
    auto material = [&](int i) {
        const MaterialCapabilityRecord& mc = state->shop.materialCapabilities.at(i);
        return join(mc.minWallThickness, mc.maxWallThickness, mc.mandrel);
    };
    EXPECT_EQ(material(0), "25 127 0 ");  // inches
    EXPECT_EQ(material(1), "20 100 0 ");  // y
    EXPECT_EQ(material(2), "20 100 0 ");  // " Y"
    EXPECT_EQ(material(3), "20 100 1 ");  // YES
    // Wall and diameter by the record's units; delivery length and weld shrinkage by the section's.
    for (const TubeDataRecord& t : state->shop.tubeData.entries) {
        EXPECT_EQ(join(t.wallThickness, t.outsideDiameter, t.maxDeliveryLength, t.weldShrinkage), "39 603 60960 127 ");
    }
}

TEST_F(DatabaseReader, RecordLinesAsTheyStand) {
    read("STARTMACHINE\nM1|5\n\n"
         "M1 |1|B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,B11|3\nABCDEFGHIJKLMNOPQRSTUVWXYZ|1\nENDMACHINE\n"
         "STARTBENDER\nB1|\n ENDBENDER\nEndBender trailing words\n"
         "STARTTUBEDATA\nITEM-CODE-WITH-FAR-TOO-MANY-CHARACTERS|4|MATERIAL-THAT-IS-FAR-TOO-LONG|1\nENDTUBEDATA");
    // Missing fields repeat the last field; a blank line is line breaks and zeros.
    const MachineRecord& m = state->shop.machines.at(0);
    EXPECT_EQ(join(m.benderNames, m.priority, m.hand, m.maxPipeLength, m.maxBendAngle, m.ceilingHeight),
              "5\n 5 5 50 5 50 ");
    const MachineRecord& blank = state->shop.machines.at(1);
    EXPECT_EQ(join(blank.name, blank.benderNames, blank.priority, blank.ceilingHeight), "\n \n 0 0 ");
    // Texts keep their blanks and are cut to their fields.
    EXPECT_STREQ(state->shop.machines.at(2).name, "M1 ");
    EXPECT_STREQ(state->shop.machines.at(2).benderNames, "B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,");
    EXPECT_STREQ(state->shop.machines.at(3).name, "ABCDEFGHIJK");
    EXPECT_STREQ(state->shop.tubeData.at(0).itemCode, "ITEM-CODE-WITH-FAR-TOO-MANY-CHA");
    EXPECT_STREQ(state->shop.tubeData.at(0).materialSpec, "MATERIAL-THAT-IS-FAR-TO");
    // An indented end keyword is a record; one followed by other words, in any case, ends the section.
    ASSERT_EQ(state->shop.benders.count, 2);
    EXPECT_EQ(bender(0), "B1 0 0 0 0 ");
    EXPECT_STREQ(state->shop.benders.at(1).name, " ENDBENDER\n");
    // The end keyword on a last line without a line break closes the section.
    EXPECT_EQ(state->shop.tubeData.count, 1);
}

TEST_F(DatabaseReader, LoneCrLongLinesAndNulBytes) {
    // A lone carriage return does not end a line: one line, whose section meets the end of the file.
    read("UNITS INCHES\nSTARTBENDER\rB1|1|1|1|1\rENDBENDER\r");
    EXPECT_EQ(state->shop.benders.count, 0);
    // The next read starts again in millimetres. 420 characters read as pieces of 199, 199 and 22;
    // a keyword opening a piece acts; a record on a last line without a line break is read.
    read("STARTBENDER\nB1|1|1|1|" + std::string(411, '7') + "\nENDBENDER\n" + std::string(199, '#') +
         "STARTBENDER\nB2|1|1|1|1");
    ASSERT_EQ(state->shop.benders.count, 4);
    EXPECT_EQ(bender(0), "B1 1 10 10 2147483647 ");  // 190 sevens, clamped
    EXPECT_STREQ(state->shop.benders.at(2).name, "77777777777");
    EXPECT_STREQ(state->shop.benders.at(3).name, "B2");
    // A NUL ends what the extractors see of a line.
    static const char withNul[] = "STARTBENDER\nB1|2\0|3|4|5\nENDBENDER\n";
    read(std::string(withNul, sizeof withNul - 1));
    EXPECT_EQ(bender(0), "B1 2 20 20 20 ");
}

// Both readers on files they cannot use: nothing is read from them. (Random
// bytes are the fuzz targets' part.)
TEST_F(DatabaseReader, BothReadersReadNothingFromUnusablePaths) {
    auto readBoth = [&](const std::string& path) {
        readBenderDatabase(state->shop, path.c_str());
        readCutPieceFile(state->cutFile, path.c_str());
        return state->shop.benders.count + state->cutFile.cutPieces.count + state->cutFile.pipeBends.count;
    };
    const std::string both = "STARTBENDER\nB1|1|1|1|1\nENDBENDER\n/CUT\nBEND 1 0 0 1 5\nFINISH\n";
    ASSERT_EQ(readBoth(write(both)), 3);
    std::filesystem::create_directory(dir.file("folder"));
    testing::writeFile(dir.file("locked.txt"), both);
    std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::none);
    EXPECT_EQ(readBoth(dir.file("missing.txt")) + readBoth(dir.file("folder")), 0);
    EXPECT_EQ(readBoth(dir.file("locked.txt")), geteuid() == 0 ? 3 : 0);  // root reads it anyway
}

}  // namespace
}  // namespace kwarel
