#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

#include "input/database_reader.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::freshState;
using testing::ScratchDir;
using testing::writeFile;

class DatabaseReader : public ::testing::Test {
protected:
    // Writes `contents` as the database file and reads it into `state`.
    void read(const std::string& contents) {
        writeFile(dir.file("db.txt"), contents);
        EXPECT_EQ(readBenderDatabase(*state, dir.file("db.txt").c_str()), 1);
    }
    const BenderRecord& bender(int i) { return state->benders.at(i); }

    ScratchDir dir;
    std::unique_ptr<JobState> state = freshState();
};

TEST_F(DatabaseReader, EveryFieldOfEverySection) {
    read("UNITS MM\n"
         "STARTMACHINE\n"
         "M1|5|B1,B2|3|8000|120|900|1|600|700|300|400|3000|3100|8000|8100|2500\n"
         "ENDMACHINE\n"
         "STARTBENDER\n"
         "B1|4|100|150.5|200\n"
         "ENDBENDER\n"
         "STARTBENDCAPABILITY\n"
         "B1|1.5|7|150|1\n"
         "ENDBENDCAPABILITY\n"
         "STARTMATERIALCAPABILITY\n"
         "B1|A1|2|10|Y|1\n"
         "ENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\n"
         "P100-A|4|CS-150|6.0|114.3|6000|2|5|1.5|1\n"
         "ENDTUBEDATA\n");
    ASSERT_EQ(state->machines.count, 1);
    const MachineRecord& m = state->machines.at(0);
    EXPECT_STREQ(m.name, "M1");
    EXPECT_EQ(m.priority, 5);
    EXPECT_STREQ(m.benderNames, "B1,B2");
    EXPECT_EQ(m.hand, 3);
    EXPECT_EQ(m.maxPipeLength, 80000);
    EXPECT_EQ(m.maxBendAngle, 120);
    EXPECT_EQ(m.machineHeight, 9000);
    EXPECT_EQ(m.hasPit, 1);
    EXPECT_EQ(m.pitDepth, 6000);
    EXPECT_EQ(m.pitRadius, 7000);
    EXPECT_EQ(m.frontRadius, 3000);
    EXPECT_EQ(m.bodyHalfWidth, 4000);
    EXPECT_EQ(m.leftWall, 30000);
    EXPECT_EQ(m.rightWall, 31000);
    EXPECT_EQ(m.frontWall, 80000);
    EXPECT_EQ(m.backWall, 81000);
    EXPECT_EQ(m.ceilingHeight, 25000);

    ASSERT_EQ(state->benders.count, 1);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).priority, 4);
    EXPECT_EQ(bender(0).minFirstStraight, 1000);
    EXPECT_EQ(bender(0).minMiddleStraight, 1505);
    EXPECT_EQ(bender(0).minLastStraight, 2000);

    ASSERT_EQ(state->bendCapabilities.count, 1);
    const BendCapabilityRecord& c = state->bendCapabilities.at(0);
    EXPECT_STREQ(c.benderName, "B1");
    EXPECT_EQ(c.nominalBore, 1.5);
    EXPECT_EQ(c.auxValue, 7);
    EXPECT_EQ(c.bendRadius, 1500);
    EXPECT_EQ(c.radiusUnits, 1);

    ASSERT_EQ(state->materialCapabilities.count, 1);
    const MaterialCapabilityRecord& mc = state->materialCapabilities.at(0);
    EXPECT_STREQ(mc.benderName, "B1");
    EXPECT_STREQ(mc.materialSpec, "A1");
    EXPECT_EQ(mc.minWallThickness, 20);
    EXPECT_EQ(mc.maxWallThickness, 100);
    EXPECT_EQ(mc.mandrel, 1);
    EXPECT_EQ(mc.thicknessUnits, 1);

    // The tube data example line.
    ASSERT_EQ(state->tubeData.count, 1);
    const TubeDataRecord& t = state->tubeData.at(0);
    EXPECT_STREQ(t.itemCode, "P100-A");
    EXPECT_EQ(t.nominalBore, 4.0);
    EXPECT_STREQ(t.materialSpec, "CS-150");
    EXPECT_EQ(t.wallThickness, 60);
    EXPECT_EQ(t.outsideDiameter, 1143);
    EXPECT_EQ(t.maxDeliveryLength, 60000);
    EXPECT_EQ(t.springbackAngle, 2);
    EXPECT_EQ(t.stretchPercent, 5);
    EXPECT_EQ(t.weldShrinkage, 15);
    EXPECT_EQ(t.sizeUnits, 1);
}

TEST_F(DatabaseReader, SectionUnitsAreFixedWhenTheSectionBegins) {
    read("STARTBENDER\n"
         "B1|5|10|20.5|7.25\n"
         "ENDBENDER\n"
         "units \t  inches\n"
         "STARTBENDER\n"
         "B2|5|10|20.5|7.25\n"
         "ENDBENDER\n"
         "UNITS INCH\n"
         "STARTBENDER\n"
         "B3|5|10|20.5|7.25\n"
         "ENDBENDER\n");
    ASSERT_EQ(state->benders.count, 3);
    EXPECT_EQ(bender(0).minFirstStraight, 100);
    EXPECT_EQ(bender(0).minMiddleStraight, 205);
    EXPECT_EQ(bender(0).minLastStraight, 72);
    EXPECT_EQ(bender(1).minFirstStraight, 2540);
    EXPECT_EQ(bender(1).minMiddleStraight, 5207);
    EXPECT_EQ(bender(1).minLastStraight, 1841);
    // INCH (singular) selects millimetres.
    EXPECT_EQ(bender(2).minFirstStraight, 100);
    EXPECT_EQ(state->databaseUnits, 1);
}

TEST_F(DatabaseReader, UnitsLineInsideASectionIsARecord) {
    read("STARTBENDER\n"
         "B1|5|10|20|30\n"
         "UNITS INCHES\n"
         "B2|5|10|20|30\n"
         "ENDBENDER\n");
    ASSERT_EQ(state->benders.count, 3);
    EXPECT_STREQ(bender(1).name, "UNITS INCHE");
    EXPECT_EQ(bender(2).minFirstStraight, 100);
    EXPECT_EQ(state->databaseUnits, 1);
}

TEST_F(DatabaseReader, RecordUnitsFieldsOverrideTheSection) {
    read("UNITS INCHES\n"
         "STARTBENDCAPABILITY\n"
         "B1|4|0|6|2\n"
         "B1|4|0|6|1\n"
         "B1|4|0|6|7\n"
         "ENDBENDCAPABILITY\n"
         "STARTMATERIALCAPABILITY\n"
         "B1|A1|0.1|0.5|N|2\n"
         "ENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\n"
         "P2|2|A1|0.154|2.375|240|0|2|0.5|2\n"
         "P2|2|A1|3.9|60.3|240|0|2|0.5|1\n"
         "ENDTUBEDATA\n");
    ASSERT_EQ(state->bendCapabilities.count, 3);
    EXPECT_EQ(state->bendCapabilities.at(0).bendRadius, 1524);
    EXPECT_EQ(state->bendCapabilities.at(1).bendRadius, 60);
    EXPECT_EQ(state->bendCapabilities.at(2).bendRadius, 60);  // any code but 2 is millimetres
    EXPECT_EQ(state->materialCapabilities.at(0).minWallThickness, 25);   // 0.1 x 254 = 25.4
    EXPECT_EQ(state->materialCapabilities.at(0).maxWallThickness, 127);
    EXPECT_EQ(state->materialCapabilities.at(0).mandrel, 0);
    ASSERT_EQ(state->tubeData.count, 2);
    // Wall and diameter follow the record's units; delivery length and weld
    // shrinkage follow the section's.
    EXPECT_EQ(state->tubeData.at(0).wallThickness, 39);        // 39.116
    EXPECT_EQ(state->tubeData.at(0).outsideDiameter, 603);     // 603.25
    EXPECT_EQ(state->tubeData.at(0).maxDeliveryLength, 60960);
    EXPECT_EQ(state->tubeData.at(0).weldShrinkage, 127);
    EXPECT_EQ(state->tubeData.at(1).wallThickness, 39);
    EXPECT_EQ(state->tubeData.at(1).outsideDiameter, 603);
    EXPECT_EQ(state->tubeData.at(1).maxDeliveryLength, 60960);
}

TEST_F(DatabaseReader, MandrelNeedsAnUppercaseYFirst) {
    read("STARTMATERIALCAPABILITY\n"
         "B1|A1|2|10|y|1\n"
         "B1|A1|2|10| Y|1\n"
         "B1|A1|2|10|YES|1\n"
         "B1|A1|2|10||1\n"
         "ENDMATERIALCAPABILITY\n");
    ASSERT_EQ(state->materialCapabilities.count, 4);
    EXPECT_EQ(state->materialCapabilities.at(0).mandrel, 0);
    EXPECT_EQ(state->materialCapabilities.at(1).mandrel, 0);
    EXPECT_EQ(state->materialCapabilities.at(2).mandrel, 1);
    EXPECT_EQ(state->materialCapabilities.at(3).mandrel, 0);
}

TEST_F(DatabaseReader, KeywordsAreWholeUnindentedWordsInAnyCase) {
    read(" STARTMACHINE\n"
         "M0|1|B1|3|1|1|1|0|0|0|1|1|1|1|1|1|1\n"
         "STARTBENDERS\n"
         "B0|1|1|1|1\n"
         "startbender\n"
         "B1|1|1|1|1\n"
         " ENDBENDER\n"
         "EndBender trailing words\n"
         "STARTMATERIALCAPABILITYXYZ\n"
         "ENDBENDER\n");
    EXPECT_EQ(state->machines.count, 0);
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_STREQ(bender(1).name, " ENDBENDER\n");
    EXPECT_EQ(state->materialCapabilities.count, 0);
}

TEST_F(DatabaseReader, MissingFieldsRepeatTheLastField) {
    read("STARTMACHINE\n"
         "M1|5\n"
         "\n"
         "ENDMACHINE\n"
         "STARTBENDER\n"
         "B1|\n"
         "ENDBENDER\n");
    ASSERT_EQ(state->machines.count, 2);
    const MachineRecord& m = state->machines.at(0);
    EXPECT_STREQ(m.name, "M1");
    EXPECT_EQ(m.priority, 5);
    EXPECT_STREQ(m.benderNames, "5\n");
    EXPECT_EQ(m.hand, 5);
    EXPECT_EQ(m.maxPipeLength, 50);
    EXPECT_EQ(m.maxBendAngle, 5);
    EXPECT_EQ(m.ceilingHeight, 50);
    // A blank line is a record of line breaks and zeros.
    const MachineRecord& blank = state->machines.at(1);
    EXPECT_STREQ(blank.name, "\n");
    EXPECT_STREQ(blank.benderNames, "\n");
    EXPECT_EQ(blank.priority, 0);
    EXPECT_EQ(blank.maxPipeLength, 0);
    // A line ending in the delimiter has no empty field after it.
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).priority, 0);
}

TEST_F(DatabaseReader, TextsKeepBlanksAndAreCutToTheirFields) {
    read("STARTMACHINE\n"
         "M1 |1|B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,B11|3|1|1|1|0|0|0|1|1|1|1|1|1|1\n"
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ|1|B1|3|1|1|1|0|0|0|1|1|1|1|1|1|1\n"
         "ENDMACHINE\n"
         "STARTTUBEDATA\n"
         "ITEM-CODE-WITH-FAR-TOO-MANY-CHARACTERS|4|SPEC-THAT-IS-MUCH-TOO-LONG|1|1|1|0|0|0|1\n"
         "ENDTUBEDATA\n");
    ASSERT_EQ(state->machines.count, 2);
    EXPECT_STREQ(state->machines.at(0).name, "M1 ");
    EXPECT_STREQ(state->machines.at(0).benderNames, "B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,");
    EXPECT_STREQ(state->machines.at(1).name, "ABCDEFGHIJK");
    ASSERT_EQ(state->tubeData.count, 1);
    EXPECT_STREQ(state->tubeData.at(0).itemCode, "ITEM-CODE-WITH-FAR-TOO-MANY-CHA");
    EXPECT_STREQ(state->tubeData.at(0).materialSpec, "SPEC-THAT-IS-MUCH-TOO-L");
}

TEST_F(DatabaseReader, UnclosedSectionSwallowsTheRestOfTheFile) {
    read("STARTBENDER\n"
         "B1|1|1|1|1\n"
         "STARTTUBEDATA\n"
         "P1|4|A1|1|1|1|0|0|0|1\n"
         "ENDTUBEDATA");
    EXPECT_EQ(state->tubeData.count, 0);
    ASSERT_EQ(state->benders.count, 4);
    EXPECT_STREQ(bender(3).name, "ENDTUBEDATA");
}

TEST_F(DatabaseReader, LastLineWithoutLineBreak) {
    read("STARTBENDER\nB1|1|1|1|1\nENDBENDER");
    EXPECT_EQ(state->benders.count, 1);
    read("STARTBENDER\nB1|1|1|1|1\nB2|1|1|1|1");
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_EQ(bender(1).minLastStraight, 10);
}

TEST_F(DatabaseReader, SectionsOfOneKindAddUpAndEmptySectionsGiveNothing) {
    read("UNITS INCHES\n"
         "STARTMACHINE\nENDMACHINE\nSTARTBENDER\nENDBENDER\nSTARTBENDCAPABILITY\n"
         "ENDBENDCAPABILITY\nSTARTMATERIALCAPABILITY\nENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\nENDTUBEDATA\n");
    EXPECT_EQ(state->machines.count + state->benders.count + state->bendCapabilities.count +
                  state->materialCapabilities.count + state->tubeData.count,
              0);
    read("STARTBENDER\nB1|1|1|1|1\nENDBENDER\n# comment\n\nSTARTBENDER\nB2|1|1|1|1\nENDBENDER\n");
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_STREQ(bender(1).name, "B2");
}

TEST_F(DatabaseReader, EachReadStartsAfresh) {
    read("UNITS INCHES\nSTARTBENDER\nB1|1|1|1|1\nB2|1|1|1|1\nENDBENDER\n");
    EXPECT_EQ(state->databaseUnits, 2);
    read("STARTBENDER\nB3|1|1|1|1\nENDBENDER\n");
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_STREQ(bender(0).name, "B3");
    EXPECT_EQ(bender(0).minFirstStraight, 10);  // millimetres again
}

TEST_F(DatabaseReader, CrLfReadsLikeLf) {
    const std::string lf =
        "UNITS INCHES\nSTARTMACHINE\nM1|5|B1|3|240|180|36|0|0|0|12|16|120|120|300|300|100\n"
        "ENDMACHINE\nSTARTBENDER\nB1|3|6|3|6\nENDBENDER\n";
    std::string crlf;
    for (char c : lf) crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    read(crlf);
    ASSERT_EQ(state->machines.count, 1);
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(state->machines.at(0).ceilingHeight, 25400);
    EXPECT_STREQ(state->machines.at(0).name, "M1");
    EXPECT_EQ(bender(0).minLastStraight, 1524);

    // A lone carriage return does not end a line: the whole file is one line
    // whose first word is STARTBENDER, and the section then meets the end.
    read("STARTBENDER\rB1|1|1|1|1\rENDBENDER\r");
    EXPECT_EQ(state->benders.count, 0);
}

TEST_F(DatabaseReader, LongLinesAreReadIn199CharacterPieces) {
    // 420 characters: pieces of 199, 199 and 22 (plus the line feed).
    const std::string longLine = "B1|1|1|1|" + std::string(411, '7') + "\n";
    read("STARTBENDER\n" + longLine + "ENDBENDER\n");
    ASSERT_EQ(state->benders.count, 3);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).minLastStraight, INT32_MAX);  // 190 sevens, clamped
    EXPECT_STREQ(bender(2).name, "77777777777");
    EXPECT_EQ(bender(2).minLastStraight, INT32_MAX);

    // A keyword that begins the second piece of a long top-level line acts.
    read(std::string(199, '#') + "STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    EXPECT_EQ(state->benders.count, 1);
}

TEST_F(DatabaseReader, UnusableFilesGiveEmptyLists) {
    read("STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(readBenderDatabase(*state, dir.file("missing.txt").c_str()), 1);
    EXPECT_EQ(state->benders.count, 0);

    read("");
    EXPECT_EQ(state->benders.count, 0);

    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(readBenderDatabase(*state, dir.file("folder").c_str()), 1);
    EXPECT_EQ(state->machines.count + state->benders.count + state->tubeData.count, 0);

    writeFile(dir.file("locked.txt"), "STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::none);
    EXPECT_EQ(readBenderDatabase(*state, dir.file("locked.txt").c_str()), 1);
    // Root reads the file whatever its permissions.
    EXPECT_EQ(state->benders.count, geteuid() == 0 ? 1 : 0);
}

TEST_F(DatabaseReader, NulBytesAndBinaryGarbage) {
    // A NUL ends what the extractors see of a line.
    static const char withNul[] = "STARTBENDER\nB1|2\0|3|4|5\nENDBENDER\n";
    read(std::string(withNul, sizeof withNul - 1));
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(bender(0).priority, 2);
    EXPECT_EQ(bender(0).minLastStraight, 20);

    std::mt19937 random(12345);
    const char* pieces[] = {"STARTMACHINE\n", "STARTBENDER\n", "STARTTUBEDATA\n", "ENDBENDER\n",
                            "UNITS INCHES\n", "|", "\r", "\n"};
    for (int round = 0; round < 20; ++round) {
        std::string garbage;
        for (int i = 0; i < 3000; ++i) {
            if (random() % 50 == 0) {
                garbage += pieces[random() % 8];
            } else {
                garbage += static_cast<char>(random() % 256);
            }
        }
        read(garbage);
        EXPECT_GE(state->machines.count, 0);
    }
}

}  // namespace
}  // namespace kwarel
