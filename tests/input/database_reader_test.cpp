#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "input/database_reader.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

class DatabaseReader : public ::testing::Test {
protected:
    void read(const std::string& contents) {
        testing::writeFile(dir.file("db.txt"), contents);
        EXPECT_EQ(readBenderDatabase(*state, dir.file("db.txt").c_str()), 1);
    }
    const BenderRecord& bender(int i) { return state->benders.at(i); }
    std::vector<int32_t> straights(int i) {
        return {bender(i).minFirstStraight, bender(i).minMiddleStraight, bender(i).minLastStraight};
    }

    testing::ScratchDir dir;
    std::unique_ptr<JobState> state = testing::freshState();
};

TEST_F(DatabaseReader, EveryFieldOfEverySection) {
    read("UNITS MM\n"
         "STARTMACHINE\nM1|5|B1,B2|3|8000|120|900|1|600|700|300|400|3000|3100|8000|8100|2500\nENDMACHINE\n"
         "STARTBENDER\nB1|4|100|150.5|200\nENDBENDER\n"
         "STARTBENDCAPABILITY\nB1|1.5|7|150|1\nENDBENDCAPABILITY\n"
         "STARTMATERIALCAPABILITY\nB1|A1|2|10|Y|1\nENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\nP100-A|4|CS-150|6.0|114.3|6000|2|5|1.5|1\nENDTUBEDATA\n");
    ASSERT_EQ(state->machines.count, 1);
    const MachineRecord& m = state->machines.at(0);
    EXPECT_STREQ(m.name, "M1");
    EXPECT_STREQ(m.benderNames, "B1,B2");
    EXPECT_EQ(std::vector<int32_t>({m.priority, m.hand, m.maxPipeLength, m.maxBendAngle,
                                    m.machineHeight, m.hasPit, m.pitDepth, m.pitRadius,
                                    m.frontRadius, m.bodyHalfWidth, m.leftWall, m.rightWall,
                                    m.frontWall, m.backWall, m.ceilingHeight}),
              std::vector<int32_t>({5, 3, 80000, 120, 9000, 1, 6000, 7000, 3000, 4000, 30000,
                                    31000, 80000, 81000, 25000}));
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).priority, 4);
    EXPECT_EQ(straights(0), std::vector<int32_t>({1000, 1505, 2000}));

    const BendCapabilityRecord& c = state->bendCapabilities.at(0);
    EXPECT_STREQ(c.benderName, "B1");
    EXPECT_EQ(c.nominalBore, 1.5);
    EXPECT_EQ(c.auxValue, 7);
    EXPECT_EQ(c.bendRadius, 1500);
    EXPECT_EQ(c.radiusUnits, 1);

    const MaterialCapabilityRecord& mc = state->materialCapabilities.at(0);
    EXPECT_STREQ(mc.benderName, "B1");
    EXPECT_STREQ(mc.materialSpec, "A1");
    EXPECT_EQ(std::vector<int32_t>({mc.minWallThickness, mc.maxWallThickness, mc.mandrel,
                                    mc.thicknessUnits}),
              std::vector<int32_t>({20, 100, 1, 1}));

    // The tube data line of the file format's own example.
    const TubeDataRecord& t = state->tubeData.at(0);
    EXPECT_STREQ(t.itemCode, "P100-A");
    EXPECT_EQ(t.nominalBore, 4.0);
    EXPECT_STREQ(t.materialSpec, "CS-150");
    EXPECT_EQ(std::vector<int32_t>({t.wallThickness, t.outsideDiameter, t.maxDeliveryLength,
                                    t.springbackAngle, t.stretchPercent, t.weldShrinkage,
                                    t.sizeUnits}),
              std::vector<int32_t>({60, 1143, 60000, 2, 5, 15, 1}));
}

TEST_F(DatabaseReader, SectionUnitsAreFixedWhenTheSectionBegins) {
    const std::string benders = "STARTBENDER\nB1|5|10|20.5|7.25\nENDBENDER\n";
    read(benders + "units \t  inches\n" +
         "STARTBENDER\nB2|5|10|20.5|7.25\nUNITS MM\nB3|5|10|20.5|7.25\nENDBENDER\n" +
         "UNITS INCH\n" + benders);
    ASSERT_EQ(state->benders.count, 5);
    EXPECT_EQ(straights(0), std::vector<int32_t>({100, 205, 72}));
    EXPECT_EQ(straights(1), std::vector<int32_t>({2540, 5207, 1841}));
    // A units line inside a section is one of its records.
    EXPECT_STREQ(bender(2).name, "UNITS MM\n");
    EXPECT_EQ(straights(3), std::vector<int32_t>({2540, 5207, 1841}));
    // INCH (singular) selects millimetres.
    EXPECT_EQ(straights(4), std::vector<int32_t>({100, 205, 72}));
}

TEST_F(DatabaseReader, RecordUnitsFieldsAndMandrel) {
    read("UNITS INCHES\n"
         "STARTBENDCAPABILITY\nB1|4|0|6|2\nB1|4|0|6|1\nB1|4|0|6|7\nENDBENDCAPABILITY\n"
         "STARTMATERIALCAPABILITY\nB1|A1|0.1|0.5|N|2\nB1|A1|2|10|y|1\nB1|A1|2|10| Y|1\n"
         "B1|A1|2|10|YES|1\nENDMATERIALCAPABILITY\n"
         "STARTTUBEDATA\nP2|2|A1|0.154|2.375|240|0|2|0.5|2\nP2|2|A1|3.9|60.3|240|0|2|0.5|1\n"
         "ENDTUBEDATA\n");
    // 6 inches, 6 mm, and 6 mm for any code other than 2.
    EXPECT_EQ(state->bendCapabilities.at(0).bendRadius, 1524);
    EXPECT_EQ(state->bendCapabilities.at(1).bendRadius, 60);
    EXPECT_EQ(state->bendCapabilities.at(2).bendRadius, 60);
    EXPECT_EQ(state->materialCapabilities.at(0).minWallThickness, 25);  // 25.4
    EXPECT_EQ(state->materialCapabilities.at(0).maxWallThickness, 127);
    EXPECT_EQ(state->materialCapabilities.at(1).minWallThickness, 20);
    const int16_t mandrels[] = {0, 0, 0, 1};  // N, y, blank Y, YES
    for (int i = 0; i < 4; ++i) EXPECT_EQ(state->materialCapabilities.at(i).mandrel, mandrels[i]) << i;
    // Wall and diameter follow the record's units; delivery length and weld
    // shrinkage the section's.
    const TubeDataRecord& inch = state->tubeData.at(0);
    const TubeDataRecord& mm = state->tubeData.at(1);
    EXPECT_EQ(std::vector<int32_t>({inch.wallThickness, inch.outsideDiameter,
                                    inch.maxDeliveryLength, inch.weldShrinkage}),
              std::vector<int32_t>({39, 603, 60960, 127}));
    EXPECT_EQ(std::vector<int32_t>({mm.wallThickness, mm.outsideDiameter, mm.maxDeliveryLength}),
              std::vector<int32_t>({39, 603, 60960}));
}

TEST_F(DatabaseReader, KeywordsAreWholeUnindentedWordsInAnyCase) {
    read(" STARTMACHINE\nM0|1|B1|3|1|1|1|0|0|0|1|1|1|1|1|1|1\n"
         "STARTBENDERS\nB0|1|1|1|1\n"
         "startbender\nB1|1|1|1|1\n ENDBENDER\nEndBender trailing words\n"
         "STARTMATERIALCAPABILITYXYZ\nENDBENDER\n");
    EXPECT_EQ(state->machines.count, 0);
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_STREQ(bender(1).name, " ENDBENDER\n");  // indented: a record
    EXPECT_EQ(state->materialCapabilities.count, 0);
}

TEST_F(DatabaseReader, MissingFieldsRepeatTheLastField) {
    read("STARTMACHINE\nM1|5\n\nENDMACHINE\nSTARTBENDER\nB1|\nENDBENDER\n");
    ASSERT_EQ(state->machines.count, 2);
    const MachineRecord& m = state->machines.at(0);
    EXPECT_STREQ(m.benderNames, "5\n");
    EXPECT_EQ(std::vector<int32_t>({m.priority, m.hand, m.maxPipeLength, m.maxBendAngle, m.ceilingHeight}),
              std::vector<int32_t>({5, 5, 50, 5, 50}));
    // A blank line is a record of line breaks and zeros.
    const MachineRecord& blank = state->machines.at(1);
    EXPECT_STREQ(blank.name, "\n");
    EXPECT_STREQ(blank.benderNames, "\n");
    EXPECT_EQ(blank.priority + blank.maxPipeLength + blank.ceilingHeight, 0);
    // A line ending in the delimiter has no empty field after it.
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).priority, 0);
}

TEST_F(DatabaseReader, TextsKeepBlanksAndAreCutToTheirFields) {
    read("STARTMACHINE\n"
         "M1 |1|B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,B11|3|1|1|1|0|0|0|1|1|1|1|1|1|1\n"
         "ABCDEFGHIJKLMNOPQRSTUVWXYZ|1\nENDMACHINE\n"
         "STARTTUBEDATA\nITEM-CODE-WITH-FAR-TOO-MANY-CHARACTERS|4|SPEC-THAT-IS-MUCH-TOO-LONG|1\n"
         "ENDTUBEDATA\n");
    EXPECT_STREQ(state->machines.at(0).name, "M1 ");
    EXPECT_STREQ(state->machines.at(0).benderNames, "B1,B2,B3,B4,B5,B6,B7,B8,B9,B10,");
    EXPECT_STREQ(state->machines.at(1).name, "ABCDEFGHIJK");
    EXPECT_STREQ(state->tubeData.at(0).itemCode, "ITEM-CODE-WITH-FAR-TOO-MANY-CHA");
    EXPECT_STREQ(state->tubeData.at(0).materialSpec, "SPEC-THAT-IS-MUCH-TOO-L");
}

TEST_F(DatabaseReader, SectionEndsAndRepeatedReads) {
    // Without its end keyword a section swallows the rest of the file.
    read("STARTBENDER\nB1|1|1|1|1\nSTARTTUBEDATA\nP1|4|A1|1|1|1|0|0|0|1\nENDTUBEDATA");
    EXPECT_EQ(state->tubeData.count, 0);
    ASSERT_EQ(state->benders.count, 4);
    EXPECT_STREQ(bender(3).name, "ENDTUBEDATA");

    // End keyword, or a record, on a last line without a line break.
    read("STARTBENDER\nB1|1|1|1|1\nENDBENDER");
    EXPECT_EQ(state->benders.count, 1);
    read("STARTBENDER\nB1|1|1|1|1\nB2|1|1|1|1");
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_EQ(bender(1).minLastStraight, 10);

    // Sections of one kind add up; each read starts with empty lists in millimetres.
    read("UNITS INCHES\nSTARTBENDER\nB1|1|1|1|1\nENDBENDER\n# note\n\nSTARTBENDER\nB2|1|1|1|1\nENDBENDER\n");
    ASSERT_EQ(state->benders.count, 2);
    EXPECT_EQ(bender(1).minFirstStraight, 254);
    read("STARTMACHINE\nENDMACHINE\nSTARTBENDER\nB3|1|1|1|1\nENDBENDER\n");
    EXPECT_EQ(state->machines.count, 0);
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(bender(0).minFirstStraight, 10);
}

TEST_F(DatabaseReader, LineEnds) {
    std::string crlf;
    for (char c : std::string("UNITS INCHES\nSTARTBENDER\nB1|3|6|3|6\nENDBENDER\n"))
        crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    read(crlf);
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(straights(0), std::vector<int32_t>({1524, 762, 1524}));

    // A lone carriage return does not end a line: the file is one line whose
    // first word opens a section that then meets the end of the file.
    read("STARTBENDER\rB1|1|1|1|1\rENDBENDER\r");
    EXPECT_EQ(state->benders.count, 0);

    // 420 characters read as pieces of 199, 199 and 22 characters.
    read("STARTBENDER\nB1|1|1|1|" + std::string(411, '7') + "\nENDBENDER\n");
    ASSERT_EQ(state->benders.count, 3);
    EXPECT_STREQ(bender(0).name, "B1");
    EXPECT_EQ(bender(0).minLastStraight, INT32_MAX);  // 190 sevens, clamped
    EXPECT_STREQ(bender(2).name, "77777777777");
    // A keyword that begins the second piece of a long line acts.
    read(std::string(199, '#') + "STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    EXPECT_EQ(state->benders.count, 1);
}

TEST_F(DatabaseReader, UnusableFilesNulBytesAndGarbage) {
    read("STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    EXPECT_EQ(readBenderDatabase(*state, dir.file("missing.txt").c_str()), 1);
    EXPECT_EQ(state->benders.count, 0);
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_EQ(readBenderDatabase(*state, dir.file("folder").c_str()), 1);
    testing::writeFile(dir.file("locked.txt"), "STARTBENDER\nB1|1|1|1|1\nENDBENDER\n");
    std::filesystem::permissions(dir.file("locked.txt"), std::filesystem::perms::none);
    EXPECT_EQ(readBenderDatabase(*state, dir.file("locked.txt").c_str()), 1);
    EXPECT_EQ(state->benders.count, geteuid() == 0 ? 1 : 0);  // root reads it anyway

    // A NUL ends what the extractors see of a line.
    static const char withNul[] = "STARTBENDER\nB1|2\0|3|4|5\nENDBENDER\n";
    read(std::string(withNul, sizeof withNul - 1));
    ASSERT_EQ(state->benders.count, 1);
    EXPECT_EQ(straights(0), std::vector<int32_t>({20, 20, 20}));

    std::mt19937 random(12345);
    const char* pieces[] = {"STARTMACHINE\n", "STARTBENDER\n", "STARTTUBEDATA\n", "ENDBENDER\n",
                            "UNITS INCHES\n", "|", "\r", "\n"};
    for (int round = 0; round < 20; ++round) {
        std::string garbage;
        for (int i = 0; i < 3000; ++i) {
            garbage += random() % 50 == 0 ? std::string(pieces[random() % 8])
                                          : std::string(1, static_cast<char>(random() % 256));
        }
        read(garbage);
    }
}

}  // namespace
}  // namespace kwarel
