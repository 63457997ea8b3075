#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "support/test_support.h"

namespace {

using kwarel::testing::CliOutcome;
using kwarel::testing::readFile;
using kwarel::testing::runCli;

TEST(CommandLine, HelpVersionAndUsage) {
    const CliOutcome help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: kwarel [-j N] PARAMETER_FILE"), std::string::npos);
    EXPECT_NE(help.out.find("13  parameter file not found"), std::string::npos);

    for (const char* flag : {"--version", "-V"}) {
        const CliOutcome version = runCli(flag);
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, "kwarel 1.0.0\n");
    }
    EXPECT_EQ(runCli("-h").out, help.out);

    const CliOutcome checkHelp = runCli("help check");
    EXPECT_EQ(checkHelp.status, 0);
    EXPECT_NE(checkHelp.out.find("usage: kwarel check"), std::string::npos);
    EXPECT_NE(checkHelp.out.find("--strict"), std::string::npos);
    EXPECT_EQ(checkHelp.out.find("13  parameter file not found"), std::string::npos);
    // Asked of the subcommand itself: the same page, the program named once.
    EXPECT_EQ(runCli("check --help").out, checkHelp.out);
    EXPECT_NE(runCli("report --help").out.find("usage: kwarel report [OPTIONS]"), std::string::npos);
    EXPECT_EQ(runCli("help frobnicate").status, 64);
    EXPECT_EQ(runCli("check").status, 64);

    for (const char* wrong : {"", "a b", "--frobnicate", "-j 0 params.txt", "-j", "-jtwo params.txt", "-j 2"}) {
        const CliOutcome usage = runCli(wrong);
        EXPECT_EQ(usage.status, 64) << wrong;
        EXPECT_TRUE(usage.out.empty());
        EXPECT_NE(usage.err.find("usage:"), std::string::npos);
    }
}

TEST(CommandLine, JobStatusIsTheExitStatus) {
    const CliOutcome missing = runCli("/nonexistent/params.txt");
    EXPECT_EQ(missing.status, 13);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(missing.err, "kwarel: status 13: the parameter file does not exist\n");
    for (const char* threads : {"-j 3 /nonexistent/params.txt", "/nonexistent/params.txt -j3"}) {
        EXPECT_EQ(runCli(threads).status, 13) << threads;
    }
}

// Copies the example job into a scratch folder.
void copyExample(const kwarel::testing::ScratchDir& dir) {
    for (const char* name : {"demo.par", "pipeline.bend", "shop.db"}) {
        kwarel::testing::writeFile(dir.file(name), readFile(std::string(KWAREL_SOURCE_DIR) + "/examples/" + name));
    }
}

TEST(CommandLine, JsonWhenItCannotBeWrittenOrTheJobEndsEarly) {
    kwarel::testing::ScratchDir dir;
    copyExample(dir);
    // (What the JSON holds: tests/json.) A JSON file that cannot be written
    // after a completed job: status 74.
    const CliOutcome unwritable = runCli("demo.par --json no-such-dir/plan.json", dir.path());
    EXPECT_EQ(unwritable.status, 74);
    EXPECT_NE(unwritable.err.find("cannot write no-such-dir/plan.json"), std::string::npos);

    // A job that ends early still writes its status.
    EXPECT_EQ(runCli("nothing.par --json early.json", dir.path()).status, 13);
    EXPECT_NE(readFile(dir.file("early.json")).find("\"status\": 13"), std::string::npos);
}

// On a terminal a job of more than a second shows its progress on stderr and
// clears the line at the end. The terminal is the pseudo-terminal of
// script(1); a machine fast enough to finish within the second shows nothing.
TEST(CommandLine, ProgressBarOnATerminalOnly) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "script(1) is missing";
    kwarel::testing::ScratchDir dir;
    copyExample(dir);
    std::string cut = "/HEADER\nUNITS-BORE MM\nUNITS-LENGTH MM\nPIPING-SPEC CS-A106\n/SPOOL\nSPOOL-ID S\n";
    for (int i = 0; i < 8000; ++i) {
        cut += "/CUT\nCUT-ID " + std::to_string(i) +
               "\nITEM-CODE P50-CS\nND 50\nSTART 0 0 0\nFINISH 0 1100 500\nBEND 600 0 0 150 90\n"
               "BEND 600 500 0 150 90\nBEND 600 500 500 150 90\nBEND 0 500 500 150 90\n";
    }
    kwarel::testing::writeFile(dir.file("pipeline.bend"), cut + "/END\n");
    const std::string in = "cd " + dir.path() + " && ";
    const auto started = std::chrono::steady_clock::now();
    const int raw = std::system((in + "script -qec '" + KWAREL_CLI + " demo.par' /dev/null >tty.txt").c_str());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    const std::string tty = readFile(dir.file("tty.txt"));
    if (!tty.empty()) {
        EXPECT_NE(tty.find("/8000 cut pieces, "), std::string::npos) << tty.substr(0, 200);
        EXPECT_EQ(tty.substr(tty.size() - 4), "\r\033[K");
    } else {
        EXPECT_LT(seconds, 2.0) << "a job of " << seconds << " s showed no progress";
    }

    // The same job with stderr in a file: nothing.
    const CliOutcome plain = runCli("demo.par", dir.path());
    EXPECT_EQ(plain.status, 0);
    EXPECT_TRUE(plain.err.empty());
}

TEST(CommandLine, CheckExitStatus) {
    kwarel::testing::ScratchDir dir;
    copyExample(dir);
    // The example job: its failing pieces are warnings, so clean without --strict.
    const CliOutcome clean = runCli("check demo.par", dir.path());
    EXPECT_EQ(clean.status, 0);
    EXPECT_NE(clean.out.find("pipeline.bend:"), std::string::npos);
    EXPECT_NE(clean.out.find("0 errors, "), std::string::npos);
    EXPECT_EQ(runCli("check --strict demo.par", dir.path()).status, 1);
    EXPECT_EQ(runCli("check --database shop.db --strict", dir.path()).status, 0);

    kwarel::testing::writeFile(dir.file("bad.db"), "STARTMACHINE\nM1|5\n");
    const CliOutcome bad = runCli("check --database bad.db", dir.path());
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find("bad.db:1: error: STARTMACHINE is never closed"), std::string::npos);
}

}  // namespace
