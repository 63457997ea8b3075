// The job statuses 1 to 16, one job folder each under tests/golden/status*,
// run as `kwarel params.txt` in a scratch copy of the folder. Each job with a
// result file writes the option echo (the same for all but the rows that
// change options), then its error text with no line end; statuses 8 and 9
// write the cut-piece header between the two. Statuses 12 and 13 write
// nothing. The checker names the same status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using kwarel::testing::ScratchDir;
using kwarel::testing::readFile;

// The echo of parameters.txt with the usual options: banner and an empty
// line; the three file names with labels padded to 18, an empty line; the
// fourteen options with labels padded to 31 (NUMBER_OF_PROGRAMS before
// ADD_TEMPLATE_LENGTH), an empty line; the FORCE lines when on; one more
// empty line.
const std::string kEcho =
    "TORVEX (Version 1.0.0)\n"
    "\n"
    "CUTPIECEFILE      cut.txt\n"
    "OUTPUTFILE        result.txt\n"
    "DATABASEFILE      db.txt\n"
    "\n"
    "ALLOW_ADDITIONAL_MATERIAL      YES\n"
    "INCLUDE_BEND_STRETCHING        NO\n"
    "INCLUDE_WELD_SHRINKAGE         NO\n"
    "INCLUDE_BEND_SPRINGBACK        NO\n"
    "USE_MACHINE_PRIORITY           NO\n"
    "USE_BENDER_PRIORITY            NO\n"
    "MACHINE_OVER_BENDER_PRIORITY   NO\n"
    "DO_CLASH_CHECKING              NO\n"
    "NUMBER_OF_PROGRAMS             3\n"
    "ADD_TEMPLATE_LENGTH            NO\n"
    "TEMPLATE_LENGTH                0 MM\n"
    "ALLOW_MACHINE_CHANGE           NO\n"
    "ALLOW_BENDER_CHANGE            NO\n"
    "ALLOW_HAND_CHANGE              NO\n"
    "\n"
    "\n";

const std::string kHandChange = "ALLOW_HAND_CHANGE              NO\n";

struct StatusCase {
    const char* folder;
    int status;
    std::vector<std::pair<std::string, std::string>> echoChanges;  // from -> to, in kEcho
    const char* tail;  // after the echo; null: no file written
};

std::string forced(const std::string& machine, const std::string& bender) {
    return kHandChange + "\nFORCE_MACHINE             " + machine + "\nFORCE_BENDER              " + bender;
}

const StatusCase kCases[] = {
    // Neither cut.txt nor db.txt exists: the cut-piece file is tested first.
    {"status1_cut_file_missing", 1, {}, "ERROR - Cut piece file not found."},
    {"status2_db_file_missing", 2, {}, "ERROR - Bender database file not found."},
    // "  STARTMACHINE" is indented: its first word is empty, so the line and
    // the section's lines are top-level lines that are no keywords.
    {"status3_no_machines", 3, {}, "ERROR - No machines defined in bender database file."},
    // STARTBENDERS is not the keyword STARTBENDER (whole words compared).
    {"status4_no_benders", 4, {}, "ERROR - No benders defined in bender database file."},
    {"status5_no_bend_capability", 5, {}, "ERROR - No bend capability records in database file."},
    {"status6_empty_material_section", 6, {}, "ERROR - No material capability records in database file."},
    // No ENDMATERIALCAPABILITY: the tube data lines become material records.
    {"status7_unclosed_section_swallows_tubedata", 7, {}, "ERROR - No itemcode records in database file."},
    // The only piece has no FINISH line, so none is stored; its header is
    // written first.
    {"status8_piece_without_finish", 8, {},
     "PIPELINE       LINE-8\nDATE           07/12/25\n\nLENGTH-UNITS   INCH\nBORE-UNITS     MM\n\n"
     "ERROR - No cut pieces in VELMOR bend file."},
    // Keywords in any case are read; the only BEND line stands after /END.
    {"status9_no_bends", 9, {},
     "PIPELINE       LINE-9\nDATE           08/12/25\n\nLENGTH-UNITS   MM\nBORE-UNITS     INCH\n\n"
     "ERROR - No pipe bends found in VELMOR bend file."},
    // -3 is echoed with its sign; the trial order is valid, so 14 does not
    // come first.
    {"status10_programs_negative", 10,
     {{"NUMBER_OF_PROGRAMS             3\n", "NUMBER_OF_PROGRAMS             -3\n"}, {kHandChange, forced("M1", "B1")}},
     "ERROR - You must request AT LEAST one program for creation."},
    {"status11_programs_51", 11, {{"NUMBER_OF_PROGRAMS             3\n", "NUMBER_OF_PROGRAMS             51\n"}},
     "ERROR - You have requested more than the maximum number of programs."},
    // The result folder does not exist: nothing is written, no folder made.
    {"status12_result_dir_missing", 12, {}, nullptr},
    // No params.txt in the folder: no result file is known.
    {"status13_missing_params", 13, {}, nullptr},
    // Ranks 1 2 3 4 4; the options are echoed as read, with words after a
    // number ignored and a blank line read as 0. Tested before the files.
    {"status14_trial_order_invalid", 14,
     {{"ALLOW_ADDITIONAL_MATERIAL      YES\n", "ALLOW_ADDITIONAL_MATERIAL      NO\n"},
      {"INCLUDE_BEND_STRETCHING        NO\n", "INCLUDE_BEND_STRETCHING        YES\n"},
      {"INCLUDE_BEND_SPRINGBACK        NO\n", "INCLUDE_BEND_SPRINGBACK        YES\n"},
      {"USE_MACHINE_PRIORITY           NO\n", "USE_MACHINE_PRIORITY           YES\n"},
      {"MACHINE_OVER_BENDER_PRIORITY   NO\n", "MACHINE_OVER_BENDER_PRIORITY   YES\n"},
      {"NUMBER_OF_PROGRAMS             3\n", "NUMBER_OF_PROGRAMS             7\n"},
      {"ADD_TEMPLATE_LENGTH            NO\n", "ADD_TEMPLATE_LENGTH            YES\n"},
      {"TEMPLATE_LENGTH                0 MM\n", "TEMPLATE_LENGTH                25 MM\n"},
      {"ALLOW_MACHINE_CHANGE           NO\n", "ALLOW_MACHINE_CHANGE           YES\n"},
      {"ALLOW_HAND_CHANGE              NO\n", "ALLOW_HAND_CHANGE              YES\n"}},
     "ERROR - The trial criteria order has not been set correctly."},
    // The machine is tested before the bender.
    {"status15_forced_machine_missing", 15, {{kHandChange, forced("MX", "BX")}},
     "ERROR - The forced machine ID does not exist."},
    // "1 m1" matches M1 in any case; "1   B1X   trailing words" names B1X.
    // The IDs are echoed as read.
    {"status16_forced_bender_missing", 16, {{kHandChange, forced("m1", "B1X")}},
     "ERROR - The forced bender ID does not exist."},
};

void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.folder; }

class JobStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(JobStatus, ResultFileAndChecker) {
    const StatusCase& c = GetParam();
    ScratchDir dir;
    fs::copy(fs::path(KWAREL_SOURCE_DIR) / "tests" / "golden" / c.folder, dir.path(), fs::copy_options::recursive);
    fs::remove(dir.file("expected_status"));
    const auto before = kwarel::testing::snapshot(dir.path());

    EXPECT_EQ(kwarel::testing::runCli("params.txt", dir.path()).status, c.status);

    if (c.tail == nullptr) {
        EXPECT_EQ(kwarel::testing::snapshot(dir.path()), before);
    } else {
        std::string expected = kEcho;
        for (const auto& [from, to] : c.echoChanges) {
            const std::size_t at = expected.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            expected.replace(at, from.size(), to);
        }
        EXPECT_EQ(readFile(dir.file("result.txt")), expected + c.tail);
    }

    const kwarel::Diagnostics diagnostics = kwarel::testing::checkInFolder(dir.path());
    const std::string naming = "ends with status " + std::to_string(c.status);
    int named = 0;
    for (const kwarel::Diagnostic& m : diagnostics.items) {
        named += m.severity == kwarel::Severity::Error && m.message.ends_with(naming);
    }
    EXPECT_GE(named, 1);
}

INSTANTIATE_TEST_SUITE_P(Statuses, JobStatus, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<StatusCase>& info) {
                             return std::string(info.param.folder);
                         });

}  // namespace
