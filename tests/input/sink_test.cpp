// A reader given a diagnostics sink reads exactly what it reads without one.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "support/test_support.h"

namespace {

template <typename Record>
void expectSameRecords(const kwarel::RecordList<Record>& a, const kwarel::RecordList<Record>& b, const std::string& what) {
    ASSERT_EQ(a.count, b.count) << what;
    for (int32_t i = 0; i < a.count; ++i) {
        EXPECT_EQ(std::memcmp(&a.at(i), &b.at(i), sizeof(Record)), 0) << what << " record " << i;
    }
}

TEST(ReaderSink, ChangesNothingThatIsRead) {
    namespace fs = std::filesystem;
    const fs::path source(KWAREL_SOURCE_DIR);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(source / "tests" / "golden")) {
        for (const char* name : {"db.txt", "cut.txt"}) {
            const fs::path file = entry.path() / name;
            if (!fs::exists(file)) continue;
            ++files;
            auto plain = kwarel::testing::freshState();
            auto checked = kwarel::testing::freshState();
            kwarel::Diagnostics diagnostics;
            if (std::string(name) == "db.txt") {
                kwarel::readBenderDatabase(plain->shop, file.c_str());
                kwarel::readBenderDatabase(checked->shop, file.c_str(), &diagnostics);
                expectSameRecords(plain->shop.machines, checked->shop.machines, file);
                expectSameRecords(plain->shop.benders, checked->shop.benders, file);
                expectSameRecords(plain->shop.bendCapabilities, checked->shop.bendCapabilities, file);
                expectSameRecords(plain->shop.materialCapabilities, checked->shop.materialCapabilities, file);
                expectSameRecords(plain->shop.tubeData, checked->shop.tubeData, file);
                EXPECT_EQ(diagnostics.tubeDataLines.size(), static_cast<std::size_t>(checked->shop.tubeData.count));
            } else {
                kwarel::readCutPieceFile(plain->cutFile, file.c_str());
                kwarel::readCutPieceFile(checked->cutFile, file.c_str(), &diagnostics);
                expectSameRecords(plain->cutFile.cutPieces, checked->cutFile.cutPieces, file);
                expectSameRecords(plain->cutFile.pipeBends, checked->cutFile.pipeBends, file);
                EXPECT_EQ(diagnostics.cutPieceLines.size(), static_cast<std::size_t>(checked->cutFile.cutPieces.count));
                EXPECT_EQ(diagnostics.pipeBendLines.size(), static_cast<std::size_t>(checked->cutFile.pipeBends.count));
            }
        }
    }
    EXPECT_GT(files, 20);
}

}  // namespace
