// The input checker: one small input per kind of oddity, each with the line
// and severity it must be reported at; and the reference jobs and the
// example job, which must check without errors.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/check.h"
#include "support/test_support.h"

namespace {

using kwarel::testing::ScratchDir;
using kwarel::testing::readFile;
using kwarel::testing::writeFile;

const std::string kGolden = std::string(KWAREL_SOURCE_DIR) + "/tests/golden/";

// "file:line: severity: message" for every message, files named without
// `folder`.
std::vector<std::string> formatted(const kwarel::Diagnostics& d, const std::string& folder) {
    std::vector<std::string> out;
    for (const kwarel::Diagnostic& m : d.items) {
        const std::string file = m.file.rfind(folder, 0) == 0 ? m.file.substr(folder.size()) : m.file;
        out.push_back(file + ":" + std::to_string(m.line) + ": " +
                      (m.severity == kwarel::Severity::Error ? "error" : "warning") + ": " + m.message);
    }
    return out;
}

// A job made of the one-bend reference job's files, which check clean, for
// tests to change one line of.
struct Job {
    ScratchDir dir;
    std::string db = readFile(kGolden + "run_one_bend_mm/db.txt");
    std::string cut = readFile(kGolden + "run_one_bend_mm/cut.txt");
    std::vector<std::string> params;

    Job() {
        std::istringstream lines(readFile(kGolden + "run_one_bend_mm/params.txt"));
        for (std::string line; std::getline(lines, line);) params.push_back(line);
        params[0] = dir.file("cut.txt");
        params[1] = dir.file("result.txt");
        params[2] = dir.file("db.txt");
    }

    // Replaces `from` (which must occur) in a file's text.
    static void change(std::string& text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    }

    // The messages on the job's files (see formatted()).
    std::vector<std::string> check() {
        std::string joined;
        for (const std::string& line : params) joined += line + "\n";
        writeFile(dir.file("params.txt"), joined);
        writeFile(dir.file("db.txt"), db);
        writeFile(dir.file("cut.txt"), cut);
        kwarel::CheckRequest request;
        const std::string path = dir.file("params.txt");
        request.parameterFile = path.c_str();
        kwarel::Diagnostics d;
        kwarel::checkJobFiles(*kwarel::testing::freshState(), request, d);
        return formatted(d, dir.path() + "/");
    }
};

// The one message that begins with `where` ("db.txt:3: error"); it must
// contain `words`.
void expectOne(const std::vector<std::string>& messages, const std::string& where, const std::string& words) {
    int found = 0;
    for (const std::string& m : messages) {
        if (m.rfind(where + ": ", 0) == 0 && m.find(words) != std::string::npos) ++found;
    }
    std::string all;
    for (const std::string& m : messages) all += "\n  " + m;
    EXPECT_EQ(found, 1) << where << " ... " << words << " in:" << all;
}

TEST(CheckInput, LineEndsAndByteOrderMark) {
    Job bom;
    bom.db = "\xEF\xBB\xBF" + bom.db;
    expectOne(bom.check(), "db.txt:1: error", "byte order mark");

    Job crOnly;
    for (char& c : crOnly.cut) c = c == '\n' ? '\r' : c;
    expectOne(crOnly.check(), "cut.txt:1: error", "carriage return without a line feed");

    Job crlf;  // CR LF line ends are fine
    std::string withCr;
    for (char c : crlf.cut) withCr += c == '\n' ? std::string("\r\n") : std::string(1, c);
    crlf.cut = withCr;
    EXPECT_TRUE(crlf.check().empty());
}

// One oddity in the database or cut-piece file: the replacements that make
// it, and the messages it must be reported with ("file:line: severity" and
// words of the message).
struct Edit {
    bool inDb;
    std::string from, to;
};
struct Expected {
    std::string where, words;
};
struct Oddity {
    std::string name;
    std::vector<Edit> edits;
    std::vector<Expected> messages;
};

Edit db(std::string from, std::string to) { return {true, std::move(from), std::move(to)}; }
Edit cut(std::string from, std::string to) { return {false, std::move(from), std::move(to)}; }
const std::string kBend = "BEND 0 0 740 150 90";

const Oddity kOddities[] = {
    {"LongLine", {cut("PIPELINE LINE-1", "PIPELINE LINE-1 " + std::string(200, 'x'))},
     {{"cut.txt:2: error", "longer than 198 characters"}}},
    // Database sections and keywords.
    {"UnclosedSection", {db("ENDBENDCAPABILITY\n", "")},
     {{"db.txt:8: error", "STARTBENDCAPABILITY is never closed"},
      {"db.txt:10: error", "STARTMATERIALCAPABILITY is read as a bend capability record"}}},
    {"IndentedKeyword", {db("STARTBENDER", " STARTBENDER")}, {{"db.txt:5: error", "indented"}}},
    {"MisspeltKeyword", {db("STARTTUBEDATA", "STARTTUBEDATAS")},
     {{"db.txt:14: warning", "unknown keyword 'STARTTUBEDATAS' (STARTTUBEDATA?)"},
      {"db.txt:16: warning", "ENDTUBEDATA closes no section"}}},
    {"DatabaseUnits", {db("UNITS MM", "UNITS INCH")}, {{"db.txt:1: warning", "only INCHES selects inches"}}},
    // Database record fields.
    {"MissingFields", {db("B1|5|100|150|120", "B1|5|100")},
     {{"db.txt:6: error", "bender record has 3 of its 5 fields"}}},
    {"ExtraField", {db("B1|5|100|150|120", "B1|5|100|150|120|7")}, {{"db.txt:6: warning", "6 fields, 5 are read"}}},
    {"NotANumber", {db("B1|5|100|150|120", "B1|5|1OO|150|120")},
     {{"db.txt:6: warning", "minFirstStraight) '1OO' is not a number: read as 1"}}},
    {"TextTooLong", {db("P50|2|A1|", "P50|2|A1-MATERIAL-SPEC-WITH-A-LONG-NAME|")},
     {{"db.txt:15: warning", "is cut to 'A1-MATERIAL-SPEC-WITH-A'"}}},
    {"BlankLineInSection", {db("ENDBENDER", "\nENDBENDER")},
     {{"db.txt:7: warning", "blank line inside the bender section"}}},
    {"Codes", {db("B1|A1|2|10|Y|1", "B1|A1|2|10|y|3"), db("M1|5|B1|1|", "M1|5|B1|4|")},
     {{"db.txt:12: warning", "mandrel 'y' reads as no mandrel"},
      {"db.txt:12: warning", "thicknessUnits 3 is neither 1 (millimetres) nor 2 (inches)"},
      {"db.txt:3: warning", "machine hand 4"}}},
    // Cut-piece lines.
    {"UnknownCutKeyword", {cut("/SPOOL", "/SPOL")}, {{"cut.txt:7: warning", "unknown keyword '/SPOL' (/SPOOL?)"}}},
    {"MissingValue", {cut("START 0 0 1000", "START 0 0")}, {{"cut.txt:15: error", "START has 2 of its 3 values"}}},
    {"LongCutId", {cut("CUT-ID 1", "CUT-ID 1234567890123456789012345678901")},
     {{"cut.txt:10: warning", "is cut to '123456789012345678901234567890'"}}},
    {"BendAngleZero", {cut(kBend, "BEND 0 0 740 150 0")}, {{"cut.txt:17: warning", ""}}},
    {"BendAngleMostNegative", {cut(kBend, "BEND 0 0 740 150 -2147483648")}, {{"cut.txt:17: error", ""}}},
    {"BendAngleStraight", {cut(kBend, "BEND 0 0 740 150 180")}, {{"cut.txt:17: error", ""}}},
    {"BendAngleFraction", {cut(kBend, "BEND 0 0 740 150 90.5")}, {{"cut.txt:17: warning", ""}}},
    {"AfterFinish", {cut(kBend, kBend + "\nITEM-CODE P60")},
     {{"cut.txt:18: warning", "ITEM-CODE comes after the piece's FINISH (line 16)"}}},
    {"NoFinish", {cut(kBend, kBend + "\n/CUT\nCUT-ID 2\nBEND 0 0 0 150 90")},
     {{"cut.txt:18: error", "cut piece '2' of spool 'S1' has no FINISH line"}}},
    {"CutUnits", {cut("UNITS-LENGTH MM", "UNITS-LENGTH INCHES")}, {{"cut.txt:5: warning", "reads as millimetres"}}},
    // Across the files.
    {"KeysDefinedTwice",
     {db("ENDMACHINE", "M1|5|B1,B7|1|6000|180|900|0|0|0|300|400|3000|3000|8000|8000|2500\nENDMACHINE"),
      db("ENDBENDER", "b1|5|100|150|120\nENDBENDER")},
     {{"db.txt:4: warning", "machine 'M1' is defined again (first at line 3)"},
      {"db.txt:4: warning", "names bender 'B7', which is not defined"},
      {"db.txt:8: warning", "bender 'b1' is defined again"}}},
    {"PieceTwice", {cut("/END", "/CUT\nCUT-ID 1\nITEM-CODE P50\nND 2\nSTART 0 0 1000\nFINISH 0 200 740\n/END")},
     {{"cut.txt:23: warning", "has the CUT-ID and SPOOL-ID of the piece stored at line 16"}}},
    {"BendAtStart", {cut(kBend, "BEND 0 0 1000 150 90")}, {{"cut.txt:17: error", "coincides with the start point"}}},
    // A 100 mm leg cannot hold a 150 mm setback.
    {"SetbacksOverlap", {cut("START 0 0 1000", "START 0 0 840")}, {{"cut.txt:17: error", "straight 1 of 2"}}},
    {"UnknownItem", {cut("ITEM-CODE P50", "ITEM-CODE P60")},
     {{"cut.txt:16: warning", "will fail: Itemcode P60 not found in database."}}},
    {"NoRadius", {cut(kBend, "BEND 0 0 740 160 90")},
     {{"cut.txt:17: warning", "no bender bends bore 2 at radius 160 MM"}}},
    {"NoMaterial", {db("B1|A1|2|10|Y|1", "B1|A1|4|10|Y|1")},
     {{"cut.txt:16: warning", "no bender bends PIPING-SPEC 'A1' at wall thickness 4 MM"}}},
};

void PrintTo(const Oddity& o, std::ostream* out) { *out << o.name; }

class Oddities : public ::testing::TestWithParam<Oddity> {};

TEST_P(Oddities, ReportedAtTheirLine) {
    Job job;
    for (const Edit& edit : GetParam().edits) Job::change(edit.inDb ? job.db : job.cut, edit.from, edit.to);
    const auto messages = job.check();
    for (const Expected& m : GetParam().messages) expectOne(messages, m.where, m.words);
}

INSTANTIATE_TEST_SUITE_P(CheckInput, Oddities, ::testing::ValuesIn(kOddities),
                         [](const ::testing::TestParamInfo<Oddity>& info) { return info.param.name; });

TEST(CheckInput, ParameterFileAndOptions) {
    Job shortFile;
    shortFile.params.resize(20);
    expectOne(shortFile.check(), "params.txt:20: error", "ends after 20 of its 24 lines");

    Job options;
    options.params[3] = "YES";
    options.params[13] = "0";
    options.params[19] = "2";
    options.params[22] = "1";
    const auto m = options.check();
    expectOne(m, "params.txt:4: warning", "ALLOW_ADDITIONAL_MATERIAL value 'YES' is not a whole number: read as 0");
    expectOne(m, "params.txt:14: error", "status 10");
    expectOne(m, "params.txt:18: error", "status 14");
    expectOne(m, "params.txt:23: error", "names no machine");

    Job overwrite;
    overwrite.params[1] = overwrite.params[0];
    expectOne(overwrite.check(), "params.txt:2: error", "the result file is the cut-piece file");

    Job missing;
    missing.params[2] = missing.dir.file("nothing.txt");
    expectOne(missing.check(), "params.txt:3: error", "status 2");

    Job longPath;
    longPath.params[1] = longPath.dir.path() + "/" + std::string(190, 'r');
    expectOne(longPath.check(), "params.txt:2: warning", "more than 180 characters");

    Job forced;
    forced.params[22] = "1 M9";
    expectOne(forced.check(), "params.txt:23: error", "status 15");

    Job runOn;
    runOn.params[5] += std::string(260, ' ') + "x";
    expectOne(runOn.check(), "params.txt:6: error", "longer than 248 characters");
}

// Every reference job that runs to the end checks without errors (the
// status jobs are checked in status_test.cpp); the pieces the checker
// says will fail are the result file's FAIL blocks, all but those the search
// itself gives up on ("Unable to manufacture cutpiece.").
std::vector<std::string> checkReferenceJob(const std::string& name) {
    return formatted(kwarel::testing::checkInFolder(kGolden + name), "");
}

TEST(CheckInput, ReferenceJobs) {
    for (const char* name : {"clash_every_run_mm", "clash_front_wall_mm", "clash_low_ceiling_mm", "clash_pit_mm",
                             "clash_rotation_long_way_mm", "run_cuts_change_radius_mm", "run_machine_change_mm",
                             "run_one_bend_mm", "run_template_length_mm", "run_three_bends_inch",
                             "run_two_bends_one_plane_mm"}) {
        EXPECT_TRUE(checkReferenceJob(name).empty()) << name;
    }
    for (const char* name : {"pieces_fail_mm", "pieces_fail_inch"}) {
        int willFail = 0;
        for (const std::string& m : checkReferenceJob(name)) {
            EXPECT_EQ(m.find(": error: "), std::string::npos) << m;
            willFail += m.find("will fail") != std::string::npos ? 1 : 0;
        }
        const std::string expected = readFile(kGolden + name + "/expected.txt");
        int failBlocks = 0;
        for (std::size_t at = 0; (at = expected.find("RESULT        FAIL", at)) != std::string::npos; ++at) {
            failBlocks += expected.compare(at + 21, 31, "Unable to manufacture cutpiece.") != 0;
        }
        EXPECT_EQ(willFail, failBlocks) << name;
    }
}

}  // namespace
