#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "driver/job.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

const char* const kCutFile =
    "/HEADER\nPIPELINE LINE-7\nDATE 01-02-26\nUNITS-LENGTH MM\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n"
    "/CUT\nCUT-ID 1\nITEM-CODE P50\nND 2\nSTART 0 0 1000\nFINISH 0 200 740\nBEND 0 0 740 150 90\n/END\n";

// The one-bend job, or a job of the given files.
struct Job : testing::JobFolder {
    Job(const std::string& cut = kCutFile, const std::string& db = testing::kOneBenderDatabase) : JobFolder(cut, db) {}
};

TEST(JobDriver, CompleteJobEndsWithEndfileAndReleasesItsLists) {
    Job job;
    auto state = testing::freshState();
    ASSERT_EQ(job.run(*state), 0);
    EXPECT_TRUE(job.result().ends_with("ENDCUTPIECE\n\nENDFILE\n"));
    EXPECT_EQ(state->shop.machines.count, 0);  // lists released at the end of the job
    EXPECT_EQ(state->cutFile.cutPieces.count, 0);
}

// 51 and more: status11_programs_51 in status_test.cpp.
TEST(JobDriver, ProgramCountFromOneToFifty) {
    const struct { const char* programs; int32_t status; const char* tail; } cases[] = {
        {"0", 10, "ERROR - You must request AT LEAST one program for creation."},
        {"1", 0, "ENDFILE\n"},
        {"50", 0, "ENDFILE\n"},
    };
    for (const auto& c : cases) {
        Job job;
        job.params.lines[13] = c.programs;
        auto state = testing::freshState();
        EXPECT_EQ(job.run(*state), c.status) << c.programs;
        EXPECT_TRUE(job.result().ends_with(c.tail)) << c.programs;
    }
}

TEST(JobDriver, ForcedMachineAndBenderRewritePriorities) {
    auto state = testing::freshState();
    Job job(kCutFile, std::string(testing::kOneBenderDatabase) + "STARTMACHINE\nM2|0|B1|3|6000|180|900|0|0|0|300|400|3000|3000|8000|8000|2500\nENDMACHINE\n");
    job.params.lines[7] = "1";  // USE_MACHINE_PRIORITY
    job.params.lines[22] = "1 m2";
    ASSERT_EQ(job.run(*state), 0);
    const std::string result = job.result();
    EXPECT_NE(result.find("FORCE_MACHINE             m2\n\nPIPELINE"), std::string::npos);
    // M2 had priority 0 in the database; forced, it is the only machine used.
    EXPECT_NE(result.find("MACHINE     M2\n"), std::string::npos);
    EXPECT_EQ(result.find("MACHINE     M1\n"), std::string::npos);
}

TEST(JobDriver, GarbageInputNeverStopsAJob) {
    auto state = testing::freshState();
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    std::string longLine(5000, 'X');
    Job job(std::string(kCutFile) + garbage + "\n" + longLine, std::string(testing::kOneBenderDatabase) + garbage + longLine);
    EXPECT_EQ(job.run(*state), 0);
    const char withNul[] = "/CUT\0\nCUT-ID 1\r\nITEM-CODE P50\rND 2\n";
    Job nuls(std::string(withNul, sizeof withNul - 1) + kCutFile);
    EXPECT_EQ(nuls.run(*state), 0);
}

}  // namespace
}  // namespace kwarel
