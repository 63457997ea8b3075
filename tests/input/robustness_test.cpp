// Both readers on files they cannot use and on random bytes: nothing is read
// from an unusable file, and nothing crashes or overruns (also run under the
// sanitizers).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <unistd.h>

#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "reader_fixture.h"

namespace kwarel {
namespace {

using InputRobustness = testing::ReaderTest;

TEST_F(InputRobustness, UnusablePathsAndGarbage) {
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

    std::mt19937 random(12345);
    const char* lines[] = {"STARTMACHINE\n", "STARTBENDER\n", "STARTTUBEDATA\n", "ENDBENDER\n", "UNITS INCHES\n",
                           "/CUT\n",         "FINISH 1 2 3\n", "BEND 1 2 3 4 5\n", "ND 1.1/\n", "DEV-LENGTH 9e999/0\n",
                           "/HEADER\n",      "|",             "\r",               "\n"};
    for (int round = 0; round < 40; ++round) {
        std::string garbage;
        for (int i = 0; i < 3000; ++i) {
            garbage += random() % 40 != 0 ? std::string(1, static_cast<char>(random() % 256)) : lines[random() % 14];
        }
        readBoth(write(garbage));
    }
}

}  // namespace
}  // namespace kwarel
