// Both readers on files they cannot use: nothing is read from them. (Random
// bytes are the fuzz targets' part.)
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "reader_fixture.h"

namespace kwarel {
namespace {

using InputRobustness = testing::ReaderTest;

TEST_F(InputRobustness, UnusablePathsReadNothing) {
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
