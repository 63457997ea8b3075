#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/test_support.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runCli(const std::string& arguments) {
    kwarel::testing::ScratchDir dir;
    const std::string command = std::string(KWAREL_CLI) + " " + arguments + " >" + dir.file("out") + " 2>" +
                                dir.file("err");
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, kwarel::testing::readFile(dir.file("out")),
            kwarel::testing::readFile(dir.file("err"))};
}

TEST(CommandLine, HelpVersionAndUsage) {
    const Outcome help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: kwarel [-j N] PARAMETER_FILE"), std::string::npos);
    EXPECT_NE(help.out.find("13  parameter file not found"), std::string::npos);

    const Outcome version = runCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kwarel 1.0.0\n");

    for (const char* wrong : {"", "a b", "--frobnicate", "-j 0 params.txt", "-j", "-jtwo params.txt", "-j 2"}) {
        const Outcome usage = runCli(wrong);
        EXPECT_EQ(usage.status, 64) << wrong;
        EXPECT_TRUE(usage.out.empty());
        EXPECT_NE(usage.err.find("usage:"), std::string::npos);
    }
}

TEST(CommandLine, JobStatusIsTheExitStatus) {
    const Outcome missing = runCli("/nonexistent/params.txt");
    EXPECT_EQ(missing.status, 13);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(missing.err, "kwarel: status 13: the parameter file does not exist\n");
    for (const char* threads : {"-j 3 /nonexistent/params.txt", "/nonexistent/params.txt -j3"}) {
        EXPECT_EQ(runCli(threads).status, 13) << threads;
    }
}

}  // namespace
