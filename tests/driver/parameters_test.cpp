#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "driver/parameters.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

class ParameterFile : public ::testing::Test {
protected:
    void read(const std::string& contents) {
        testing::writeFile(dir.file("params.txt"), contents);
        readPath(dir.file("params.txt"));
    }
    void readPath(const std::string& path) { readParameterFile(state->options, path.c_str(), cut, result, db); }
    std::string paths() { return std::string(cut) + "|" + result + "|" + db; }

    testing::ScratchDir dir;
    std::unique_ptr<JobState> state = testing::freshState();
    const JobOptions& o = state->options;
    testing::ParameterLines p = testing::defaultParameters("cut.txt", "result.txt", "db.txt");
    char cut[200] = "old", result[200] = "old", db[200] = "old";
};

TEST_F(ParameterFile, EveryLineInItsField) {
    for (int i = 3; i < 22; ++i) p.lines[i] = std::to_string(i + 1);
    p.lines[22] = "23 M23";
    p.lines[23] = "24\tB24 extra";
    read(p.text());
    EXPECT_EQ(paths(), "cut.txt|result.txt|db.txt");
    EXPECT_EQ(std::vector<int32_t>({o.ALLOW_ADDITIONAL_MATERIAL, o.INCLUDE_BEND_STRETCHING, o.INCLUDE_WELD_SHRINKAGE,
                                    o.INCLUDE_BEND_SPRINGBACK, o.USE_MACHINE_PRIORITY, o.USE_BENDER_PRIORITY,
                                    o.MACHINE_OVER_BENDER_PRIORITY, o.DO_CLASH_CHECKING, o.ADD_TEMPLATE_LENGTH,
                                    o.TEMPLATE_LENGTH, o.NUMBER_OF_PROGRAMS, o.ALLOW_MACHINE_CHANGE,
                                    o.ALLOW_BENDER_CHANGE, o.ALLOW_HAND_CHANGE, o.TRIAL_CRITERION[0],
                                    o.TRIAL_CRITERION[1], o.TRIAL_CRITERION[2], o.TRIAL_CRITERION[3],
                                    o.TRIAL_CRITERION[4], o.FORCE_MACHINE, o.FORCE_BENDER}),
              std::vector<int32_t>({4, 5, 6, 7, 8, 9, 10, 11, 12, 130, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
    EXPECT_EQ(std::string(o.forcedMachineId) + "|" + o.forcedBenderId, "M23|B24");
}

TEST_F(ParameterFile, ForcedIds) {
    p.lines[22] = "1 M1";
    p.lines[23] = "1";  // no second word: an empty ID
    read(p.text());
    EXPECT_EQ(std::string(o.forcedMachineId) + "|" + o.forcedBenderId, "M1|");
    // With the flag off the ID is not read; a long ID is cut to 11 characters.
    p.lines[22] = "0 M9";
    p.lines[23] = "2 BENDER-WITH-A-LONG-NAME";
    read(p.text());
    EXPECT_EQ(std::string(o.forcedMachineId) + "|" + o.forcedBenderId, "M1|BENDER-WITH");
}

TEST_F(ParameterFile, ShortFilesRepeatTheLastLine) {
    std::string text;
    for (int i = 0; i < 19; ++i) text += p.lines[i] + "\n";
    read(text + "1 M2");  // line 20, without a line break, stands for lines 20 to 24
    EXPECT_EQ(std::vector<int32_t>({o.TRIAL_CRITERION[1], o.TRIAL_CRITERION[2], o.TRIAL_CRITERION[4],
                                    o.FORCE_MACHINE, o.FORCE_BENDER}),
              std::vector<int32_t>({2, 1, 1, 1, 1}));
    EXPECT_EQ(std::string(o.forcedMachineId) + "|" + o.forcedBenderId, "M2|M2");
    read("only.txt\n");
    EXPECT_EQ(paths(), "only.txt|only.txt|only.txt");
    EXPECT_EQ(o.NUMBER_OF_PROGRAMS, 0);
}

TEST_F(ParameterFile, UnusableFilesReadAsEmptyLines) {
    std::filesystem::create_directory(dir.file("folder"));
    for (const std::string& path : {dir.file("missing.txt"), dir.file("folder"), dir.file("empty.txt")}) {
        testing::writeFile(dir.file("empty.txt"), "");
        state->options.NUMBER_OF_PROGRAMS = 9;
        readPath(path);
        EXPECT_EQ(paths(), "||") << path;
        EXPECT_EQ(o.NUMBER_OF_PROGRAMS + o.TRIAL_CRITERION[0] + o.FORCE_BENDER, 0);
    }
}

TEST_F(ParameterFile, CrLfAndLongLines) {
    p.lines[23] = "1 B7";
    std::string crlf;
    for (const auto& line : p.lines) crlf += line + "\r\n";
    read(crlf);
    EXPECT_EQ(paths() + "|" + o.forcedBenderId, "cut.txt|result.txt|db.txt|B7");
    EXPECT_EQ(o.NUMBER_OF_PROGRAMS, 3);
    p.lines[0] = std::string(230, 'p');  // a path word is cut to 199 characters
    read(p.text());
    EXPECT_EQ(paths(), std::string(199, 'p') + "|result.txt|db.txt");
    // A line of more than 249 characters goes on as the next line: every later line moves down one.
    p.lines[0] = std::string(260, 'q');
    read(p.text());
    EXPECT_EQ(paths(), std::string(199, 'q') + "|" + std::string(11, 'q') + "|result.txt");
    EXPECT_EQ(o.ALLOW_ADDITIONAL_MATERIAL, 0);  // "db.txt"
}

}  // namespace
}  // namespace kwarel
