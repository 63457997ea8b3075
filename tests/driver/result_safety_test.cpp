// The result file never harms an input and never hides a failure: result
// paths that name an input or do not fit, parameter files whose contents
// make the paths collide, and faults while writing (a full device, a file
// size limit, an allocation limit, a killed process).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "driver/allocation_faults.h"
#include "driver/job.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

// `pieces` cut pieces of one bend each; item X is unknown, so its pieces
// fail at once and cost only memory.
std::string cutFile(int pieces, const char* item = "P50") {
    std::string text = "/HEADER\nPIPELINE LINE-7\nUNITS-LENGTH MM\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n";
    for (int i = 0; i < pieces; ++i) {
        text += "/CUT\nCUT-ID " + std::to_string(i) + "\nITEM-CODE " + item +
                "\nND 2\nSTART 0 0 1000\nFINISH 0 200 740\nBEND 0 0 740 150 90\n";
    }
    return text;
}

struct Job : testing::JobFolder {
    explicit Job(const std::string& cut = cutFile(1)) : JobFolder(cut) {}
    int run() const {
        auto state = testing::freshState();
        return JobFolder::run(*state);
    }
    auto snapshot() const { return testing::snapshot(dir.path()); }
};

// Runs the command-line tool on the job (or with `argument` instead of the
// parameter file) in a child process; `limit` runs in the child before the
// tool starts. Returns the exit status (-signal when killed) and leaves
// stderr in err.txt.
template <typename Limit>
int runCli(const Job& job, Limit limit, const char* argument = nullptr) {
    job.writeParams();
    const std::string params = job.paramPath();
    const std::string errPath = job.dir.file("err.txt");
    const pid_t child = ::fork();
    if (child == 0) {
        limit();
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(err, 2);
        ::execl(KWAREL_CLI, KWAREL_CLI, argument != nullptr ? argument : params.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int raw = 0;
    ::waitpid(child, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
}

bool noTemporaryFiles(const Job& job) {
    for (const auto& entry : fs::directory_iterator(job.dir.path())) {
        if (entry.path().filename().string().find(".kwarel-") != std::string::npos) return false;
    }
    return true;
}

// Runs a job under a memory fault with "OLD" as the previous result file:
// the job either writes `complete` with status 0, or ends with status 17 and
// leaves the previous file or a new one that ends with the memory text; no
// temporary file stays. True when it ran out of memory.
template <typename Run>
bool wholeOrOutOfMemory(const Job& job, const std::string& complete, Run run, const std::string& label) {
    writeFile(job.dir.file("result.txt"), "OLD");
    const int status = run();
    const std::string result = readFile(job.dir.file("result.txt"));
    EXPECT_TRUE(noTemporaryFiles(job)) << label;
    if (status == 0) {
        EXPECT_TRUE(result == complete) << "another plan with status 0, " << label;
        return false;
    }
    EXPECT_EQ(status, 17) << label << " " << readFile(job.dir.file("err.txt"));
    EXPECT_TRUE(result == "OLD" || result.ends_with("ERROR - Not enough memory to complete the job.")) << label;
    return true;
}

// ---------------------------------------------------------------- paths --

TEST(ResultPaths, AnInputAsResultIsRefusedWithoutTouchingAnything) {
    Job job;
    job.writeParams();
    fs::create_symlink(job.dir.file("cut.txt"), job.dir.file("link-to-cut"));
    fs::create_hard_link(job.dir.file("db.txt"), job.dir.file("db-again.txt"));
    const std::string sub = job.dir.file("sub");
    fs::create_directory(sub);
    const fs::path home = fs::current_path();
    fs::current_path(sub);
    for (const std::string& result :
         {job.dir.file("params.txt"), job.dir.file("cut.txt"), job.dir.file("db.txt"), job.dir.file("link-to-cut"),
          job.dir.file("db-again.txt"), std::string("../params.txt"), std::string("../sub/../cut.txt"),
          std::string("./../db.txt")}) {
        testing::ParameterLines params = job.params;
        params.lines[1] = result;
        writeFile(job.paramPath(), params.text());
        const auto before = job.snapshot();
        auto state = testing::freshState();
        EXPECT_EQ(runJob(*state, job.paramPath().c_str()), 12) << result;
        EXPECT_EQ(job.snapshot(), before) << result;
    }
    fs::current_path(home);
}

TEST(ResultPaths, StatusTwelveStaysWhereItWas) {
    Job job;
    const auto check = [&](const std::string& result, const char* what) {
        job.params.lines[1] = result;
        job.writeParams();
        const auto before = job.snapshot();
        EXPECT_EQ(job.run(), 12) << what;
        EXPECT_EQ(job.snapshot(), before) << what;
    };
    check(job.dir.file("missing/result.txt"), "folder missing");
    check(job.dir.path(), "a folder");
    check("", "no path");
    writeFile(job.dir.file("locked.txt"), "OLD");
    fs::permissions(job.dir.file("locked.txt"), fs::perms::owner_read);
    if (::geteuid() != 0) {  // permissions do not bind the super-user
        check(job.dir.file("locked.txt"), "read-only file");
        fs::create_directory(job.dir.file("ro"));
        writeFile(job.dir.file("ro/old.txt"), "OLD");
        fs::permissions(job.dir.file("ro"), fs::perms::owner_read | fs::perms::owner_exec);
        check(job.dir.file("ro/new.txt"), "read-only folder");
        // A writable file in a read-only folder is written in place, as before.
        job.params.lines[1] = job.dir.file("ro/old.txt");
        EXPECT_EQ(job.run(), 0);
        EXPECT_NE(readFile(job.dir.file("ro/old.txt")).find("ENDFILE\n"), std::string::npos);
        fs::permissions(job.dir.file("ro"), fs::perms::owner_all);
    }
}

TEST(ResultPaths, ReplacedFileKeepsItsModeAndLinks) {
    Job job;
    ASSERT_EQ(job.run(), 0);
    const std::string complete = readFile(job.dir.file("result.txt"));
    ASSERT_NE(complete.find("RESULT        PASS"), std::string::npos);

    writeFile(job.dir.file("result.txt"), "OLD");
    ::chmod(job.dir.file("result.txt").c_str(), 0640);
    ASSERT_EQ(job.run(), 0);
    EXPECT_EQ(readFile(job.dir.file("result.txt")), complete);
    struct stat info;
    ASSERT_EQ(::stat(job.dir.file("result.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // Through a link the target is replaced and the link stays a link.
    fs::create_directory(job.dir.file("out"));
    writeFile(job.dir.file("out/target.txt"), "OLD");
    fs::create_symlink(job.dir.file("out/target.txt"), job.dir.file("link.txt"));
    job.params.lines[1] = job.dir.file("link.txt");
    ASSERT_EQ(job.run(), 0);
    EXPECT_TRUE(fs::is_symlink(job.dir.file("link.txt")));
    EXPECT_NE(readFile(job.dir.file("out/target.txt")).find("ENDFILE\n"), std::string::npos);
    EXPECT_TRUE(noTemporaryFiles(job));
}

TEST(ResultPaths, PathsLongerThanTheirBufferNameNoFile) {
    Job job;
    // 220 characters: the buffer keeps 199, a file nobody named.
    const std::string longPath = job.dir.file(std::string(219 - job.dir.path().size(), 'r'));
    ASSERT_EQ(longPath.size(), 220u);
    job.params.lines[1] = longPath;
    job.writeParams();
    const auto before = job.snapshot();
    EXPECT_EQ(job.run(), 12);
    EXPECT_EQ(job.snapshot(), before);

    // 199 characters fit.
    job.params.lines[1] = longPath.substr(0, 199);
    EXPECT_EQ(job.run(), 0);
    EXPECT_TRUE(testing::fileExists(longPath.substr(0, 199)));
}

// ------------------------------------------------------------- contents --

TEST(ParameterContents, LinesThatRunTogetherCannotOverwriteAnInput) {
    Job job;
    auto state = testing::freshState();
    // CR-only line ends: one line, read 24 times, so every path is the
    // cut-piece file.
    std::string crOnly;
    for (const std::string& line : job.params.lines) crOnly += line + "\r";
    writeFile(job.paramPath(), crOnly);
    auto before = job.snapshot();
    EXPECT_EQ(runJob(*state, job.paramPath().c_str()), 12);
    EXPECT_STREQ(state->resultFilePath, job.dir.file("cut.txt").c_str());
    EXPECT_EQ(job.snapshot(), before);

    // A first line of more than 249 characters runs on as line 2, which then
    // names the file meant as the database.
    testing::ParameterLines params = job.params;
    params.lines[0] += std::string(249 - params.lines[0].size(), ' ') + job.dir.file("db.txt");
    writeFile(job.paramPath(), params.text());
    before = job.snapshot();
    EXPECT_EQ(runJob(*state, job.paramPath().c_str()), 12);
    EXPECT_STREQ(state->resultFilePath, job.dir.file("db.txt").c_str());
    EXPECT_EQ(job.snapshot(), before);
}

// --------------------------------------------------------------- faults --

TEST(ResultFaults, FailedWritesAreReportedAndKeepThePreviousFile) {
    if (testing::fileExists("/dev/full")) {
        Job job;
        job.params.lines[1] = "/dev/full";
        EXPECT_EQ(runCli(job, [] {}), 12);
        EXPECT_EQ(readFile(job.dir.file("err.txt")),
                  "kwarel: status 12: the result file could not be written completely\n");
    }
    // A file size limit stops the file mid-line: the job fails and the
    // previous file stays whole, with no temporary file left beside it.
    Job job(cutFile(40));
    writeFile(job.dir.file("result.txt"), "OLD");
    EXPECT_EQ(runCli(job,
                     [] {
                         ::signal(SIGXFSZ, SIG_IGN);
                         const rlimit limit{3000, 3000};
                         ::setrlimit(RLIMIT_FSIZE, &limit);
                     }),
              12);
    EXPECT_EQ(readFile(job.dir.file("result.txt")), "OLD");
    EXPECT_TRUE(noTemporaryFiles(job));
    // The same job without the limit.
    EXPECT_EQ(runCli(job, [] {}), 0);
    EXPECT_NE(readFile(job.dir.file("result.txt")).find("ENDFILE\n"), std::string::npos);
}

#if defined(__SANITIZE_ADDRESS__)
#define KWAREL_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KWAREL_UNDER_ASAN 1
#endif
#endif

TEST(ResultFaults, RunningOutOfMemoryNeverPrintsAnotherPlan) {
#if defined(KWAREL_UNDER_ASAN)
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#endif
    // 10,000 pieces of an unknown item and one that passes, last.
    Job job(cutFile(10000, "X") + cutFile(1).substr(cutFile(0).size()));
    ASSERT_EQ(job.run(), 0);
    const std::string complete = readFile(job.dir.file("result.txt"));
    const auto limitTo = [](rlim_t bytes) {
        return [bytes] {
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_AS, &limit);
        };
    };
    // The least address space in which the tool starts at all (to 1 MB).
    rlim_t low = 1 << 20, high = rlim_t{1} << 30;
    ASSERT_EQ(runCli(job, limitTo(high), "-V"), 0);
    while (high - low > (1 << 20)) {
        const rlim_t middle = low + (high - low) / 2;
        (runCli(job, limitTo(middle), "-V") == 0 ? high : low) = middle;
    }
    // That plus 0.25 to 64 MB: the limit bites in another place each time,
    // until the job fits.
    int outOfMemory = 0;
    for (rlim_t margin = 1 << 18; margin <= 1 << 26; margin *= 2) {
        const auto run = [&] { return runCli(job, limitTo(high + margin)); };
        outOfMemory += wholeOrOutOfMemory(job, complete, run, "margin " + std::to_string(margin));
    }
    EXPECT_GT(outOfMemory, 0);
}

// One failed allocation anywhere in a job planned on three threads: the job
// either comes out whole or ends with status 17 and the memory text, also
// when the allocation was an append to a planning thread's own list.
TEST(ResultFaults, OneFailedAllocationOnAnyThreadEndsTheJob) {
    const testing::EnvironmentSetting threads("KWAREL_THREADS", "3");
    Job job(cutFile(8));
    job.params.lines[10] = "1";  // clash checking: the formed pipe is a list too
    ASSERT_EQ(job.run(), 0);
    const std::string complete = readFile(job.dir.file("result.txt"));

    const std::string params = job.paramPath();
    const auto runFailing = [&](long failAt) {
        auto state = testing::freshState();
        testing::AllocationFault fault(failAt);
        return runJob(*state, params.c_str());
    };
    long total = 0;
    {
        auto state = testing::freshState();
        testing::AllocationFault count(-1);
        ASSERT_EQ(runJob(*state, params.c_str()), 0);
        total = count.allocations();
    }
    ASSERT_GT(total, 100);
    // The calling thread plans pieces too, and on a busy machine it can plan
    // all eight before the other threads start: the sweep is made again
    // (a few times at most) until a failure has fallen on another thread.
    int outOfMemory = 0, offMainThread = 0;
    for (int sweep = 0; sweep < 5 && offMainThread == 0 && !::testing::Test::HasFailure(); ++sweep) {
        for (long failAt = 0; failAt < total; ++failAt) {
            const auto run = [&] { return runFailing(failAt); };
            if (wholeOrOutOfMemory(job, complete, run, "allocation " + std::to_string(failAt))) {
                ++outOfMemory;
                offMainThread += testing::AllocationFault::lastFailedOffMainThread() ? 1 : 0;
            }
            if (::testing::Test::HasFailure()) break;  // one report, not one per allocation
        }
    }
    EXPECT_GT(outOfMemory, 0);
    EXPECT_GT(offMainThread, 0);
}

TEST(ResultFaults, KilledJobLeavesNothingTheOldFileOrTheWholeNewOne) {
    Job job(cutFile(1500));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(runCli(job, [] {}), 0);
    const auto duration = std::chrono::steady_clock::now() - started;
    const std::string complete = readFile(job.dir.file("result.txt"));

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> moment(0, std::chrono::duration_cast<std::chrono::microseconds>(duration).count());
    for (int round = 0; round < 20; ++round) {
        const bool old = round % 2 == 0;
        fs::remove(job.dir.file("result.txt"));
        if (old) writeFile(job.dir.file("result.txt"), "OLD");
        job.writeParams();
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(KWAREL_CLI, KWAREL_CLI, job.paramPath().c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        int raw = 0;
        ::waitpid(child, &raw, 0);
        if (!testing::fileExists(job.dir.file("result.txt"))) {
            EXPECT_FALSE(old) << "seed " << seed << " round " << round;
        } else {
            const std::string result = readFile(job.dir.file("result.txt"));
            EXPECT_TRUE(result == complete || (old && result == "OLD")) << "seed " << seed << " round " << round;
        }
        for (const auto& entry : fs::directory_iterator(job.dir.path())) {  // a killed job's temporary file
            if (entry.path().filename().string().find(".kwarel-") != std::string::npos) fs::remove(entry.path());
        }
    }
}

}  // namespace
}  // namespace kwarel
