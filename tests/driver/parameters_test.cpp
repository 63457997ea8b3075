#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "driver/parameters.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::defaultParameters;
using testing::freshState;
using testing::ParameterLines;
using testing::ScratchDir;
using testing::writeFile;

class ParameterFile : public ::testing::Test {
protected:
    void read(const std::string& contents) {
        writeFile(dir.file("params.txt"), contents);
        readPath(dir.file("params.txt"));
    }
    void readPath(const std::string& path) {
        EXPECT_EQ(readParameterFile(*state, path.c_str(), cut, result, db), 0);
    }
    ParameterLines lines() { return defaultParameters("cut.txt", "result.txt", "db.txt"); }
    const JobOptions& options() { return state->options; }

    ScratchDir dir;
    std::unique_ptr<JobState> state = freshState();
    char cut[200] = "old";
    char result[200] = "old";
    char db[200] = "old";
};

TEST_F(ParameterFile, EveryLineInItsField) {
    const char* values[21] = {"4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
                              "15", "16", "17", "18", "19", "20", "21", "22", "23 M23", "24 B24"};
    ParameterLines p = lines();
    for (int i = 0; i < 21; ++i) p.lines[3 + i] = values[i];
    read(p.text());
    EXPECT_STREQ(cut, "cut.txt");
    EXPECT_STREQ(result, "result.txt");
    EXPECT_STREQ(db, "db.txt");
    const JobOptions& o = options();
    EXPECT_EQ(std::vector<int32_t>({o.ALLOW_ADDITIONAL_MATERIAL, o.INCLUDE_BEND_STRETCHING,
                                    o.INCLUDE_WELD_SHRINKAGE, o.INCLUDE_BEND_SPRINGBACK,
                                    o.USE_MACHINE_PRIORITY, o.USE_BENDER_PRIORITY,
                                    o.MACHINE_OVER_BENDER_PRIORITY, o.DO_CLASH_CHECKING,
                                    o.ADD_TEMPLATE_LENGTH, o.TEMPLATE_LENGTH, o.NUMBER_OF_PROGRAMS,
                                    o.ALLOW_MACHINE_CHANGE, o.ALLOW_BENDER_CHANGE,
                                    o.ALLOW_HAND_CHANGE}),
              std::vector<int32_t>({4, 5, 6, 7, 8, 9, 10, 11, 12, 130, 14, 15, 16, 17}));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(o.TRIAL_CRITERION[i], 18 + i);
    EXPECT_EQ(o.FORCE_MACHINE, 23);
    EXPECT_STREQ(o.forcedMachineId, "M23");
    EXPECT_EQ(o.FORCE_BENDER, 24);
    EXPECT_STREQ(o.forcedBenderId, "B24");
}

TEST_F(ParameterFile, FlagAndNumberWords) {
    ParameterLines p = lines();
    p.lines[3] = "1 ALLOW_ADDITIONAL_MATERIAL on";
    p.lines[4] = "YES";
    p.lines[5] = "";
    p.lines[6] = "-1";
    p.lines[7] = "\t  7";
    p.lines[8] = "2.9";
    p.lines[12] = "25";
    p.lines[13] = "-3";
    read(p.text());
    EXPECT_EQ(options().ALLOW_ADDITIONAL_MATERIAL, 1);
    EXPECT_EQ(options().INCLUDE_BEND_STRETCHING, 0);
    EXPECT_EQ(options().INCLUDE_WELD_SHRINKAGE, 0);
    EXPECT_EQ(options().INCLUDE_BEND_SPRINGBACK, -1);
    EXPECT_EQ(options().USE_MACHINE_PRIORITY, 7);
    EXPECT_EQ(options().USE_BENDER_PRIORITY, 2);
    EXPECT_EQ(options().TEMPLATE_LENGTH, 250);
    EXPECT_EQ(options().NUMBER_OF_PROGRAMS, -3);
}

TEST_F(ParameterFile, ForcedIds) {
    ParameterLines p = lines();
    p.lines[22] = "1\tM1";
    p.lines[23] = "1";
    read(p.text());
    EXPECT_EQ(options().FORCE_MACHINE, 1);
    EXPECT_STREQ(options().forcedMachineId, "M1");
    EXPECT_EQ(options().FORCE_BENDER, 1);
    EXPECT_STREQ(options().forcedBenderId, "");

    // With the flag off the ID is not read and keeps its value; a long ID is
    // cut to 11 characters.
    p.lines[22] = "0 M9";
    p.lines[23] = "2   BENDER-WITH-A-LONG-NAME extra";
    read(p.text());
    EXPECT_EQ(options().FORCE_MACHINE, 0);
    EXPECT_STREQ(options().forcedMachineId, "M1");
    EXPECT_EQ(options().FORCE_BENDER, 2);
    EXPECT_STREQ(options().forcedBenderId, "BENDER-WITH");
}

TEST_F(ParameterFile, MissingLinesRepeatTheLastLine) {
    ParameterLines p = lines();
    std::string text;
    for (int i = 0; i < 19; ++i) text += p.lines[i] + "\n";
    text += "1 M2";  // line 20, without a line break
    read(text);
    EXPECT_EQ(options().TRIAL_CRITERION[1], 2);
    EXPECT_EQ(options().TRIAL_CRITERION[2], 1);
    EXPECT_EQ(options().TRIAL_CRITERION[3], 1);
    EXPECT_EQ(options().TRIAL_CRITERION[4], 1);
    EXPECT_EQ(options().FORCE_MACHINE, 1);
    EXPECT_STREQ(options().forcedMachineId, "M2");
    EXPECT_EQ(options().FORCE_BENDER, 1);
    EXPECT_STREQ(options().forcedBenderId, "M2");

    read("only.txt\n");
    EXPECT_STREQ(cut, "only.txt");
    EXPECT_STREQ(result, "only.txt");
    EXPECT_STREQ(db, "only.txt");
    EXPECT_EQ(options().NUMBER_OF_PROGRAMS, 0);
}

TEST_F(ParameterFile, CrLfReadsLikeLf) {
    ParameterLines p = lines();
    p.lines[23] = "1 B7";
    std::string crlf;
    for (const auto& line : p.lines) crlf += line + "\r\n";
    read(crlf);
    EXPECT_STREQ(cut, "cut.txt");
    EXPECT_STREQ(db, "db.txt");
    EXPECT_EQ(options().NUMBER_OF_PROGRAMS, 3);
    EXPECT_STREQ(options().forcedBenderId, "B7");
}

TEST_F(ParameterFile, UnreadableFilesReadAsEmptyLines) {
    state->options.NUMBER_OF_PROGRAMS = 9;
    readPath(dir.file("missing.txt"));
    EXPECT_STREQ(cut, "");
    EXPECT_STREQ(result, "");
    EXPECT_STREQ(db, "");
    EXPECT_EQ(options().NUMBER_OF_PROGRAMS, 0);
    EXPECT_EQ(options().FORCE_BENDER, 0);

    std::filesystem::create_directory(dir.file("folder"));
    readPath(dir.file("folder"));
    EXPECT_EQ(options().TRIAL_CRITERION[0], 0);

    read("");
    EXPECT_STREQ(cut, "");
}

TEST_F(ParameterFile, LongLines) {
    ParameterLines p = lines();
    // A path word is cut to 199 characters.
    p.lines[0] = std::string(230, 'p');
    read(p.text());
    EXPECT_EQ(std::string(cut), std::string(199, 'p'));
    EXPECT_STREQ(result, "result.txt");

    // A line of more than 249 characters goes on as the next line, so every
    // later line moves down by one.
    p.lines[0] = std::string(260, 'q');
    read(p.text());
    EXPECT_EQ(std::string(cut), std::string(199, 'q'));
    EXPECT_EQ(std::string(result), std::string(11, 'q'));
    EXPECT_STREQ(db, "result.txt");
    EXPECT_EQ(options().ALLOW_ADDITIONAL_MATERIAL, 0);  // "db.txt"
}

}  // namespace
}  // namespace kwarel
