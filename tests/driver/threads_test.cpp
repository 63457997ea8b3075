// Jobs planned on 1, 2 and 7 threads write the same bytes.
//
// Generated jobs (with and without clash checking, with pieces that fail,
// pieces that share their keys, and template lengths that such pieces read
// from each other) run through the exported entry point with KWAREL_THREADS
// set; the result files and statuses must match byte for byte. (The
// reference jobs' expected bytes through the entry point: the golden tests
// and shared_library_host.)
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "job_generator.h"
#include "kwarel.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

using testing::readFile;

#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
constexpr int32_t kScale = 4;  // sanitized builds run smaller jobs
#else
constexpr int32_t kScale = 1;
#endif

const int32_t kThreadCounts[] = {1, 2, 7};

struct Outcome {
    int status = -1;
    std::string result;
};

// Runs the job of `parameterFile` (relative paths resolve in `folder`) once
// per thread count.
std::map<int32_t, Outcome> runAtEachThreadCount(const std::string& folder, const std::string& parameterFile,
                                                const std::string& resultFile) {
    const testing::EnvironmentSetting setting("KWAREL_THREADS", "1");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::map<int32_t, Outcome> outcomes;
    for (const int32_t threads : kThreadCounts) {
        setting.set(std::to_string(threads));
        std::filesystem::remove(resultFile);
        Outcome& outcome = outcomes[threads];
        outcome.status = TORVEX(parameterFile.c_str());
        if (std::filesystem::exists(resultFile)) outcome.result = readFile(resultFile);
    }
    std::filesystem::current_path(before);
    return outcomes;
}

void expectSameBytes(const std::map<int32_t, Outcome>& outcomes) {
    const Outcome& serial = outcomes.at(1);
    for (const auto& [threads, outcome] : outcomes) {
        SCOPED_TRACE("threads " + std::to_string(threads));
        EXPECT_EQ(outcome.status, serial.status);
        EXPECT_TRUE(outcome.result == serial.result) << "result files differ (" << outcome.result.size() << " and "
                                                     << serial.result.size() << " bytes)";
    }
}

struct GeneratedCase {
    const char* name;
    bench::JobRecipe recipe;
};

bench::JobRecipe recipeOf(int32_t pieces, int32_t maxBends, bool clash, int32_t templateLength, int32_t duplicateEvery,
                          int32_t unknownItemEvery, uint64_t seed) {
    bench::JobRecipe recipe;
    recipe.cutPieces = pieces;
    recipe.maxBends = maxBends;
    recipe.clashChecking = clash;
    recipe.templateLength = templateLength;
    recipe.duplicateEvery = duplicateEvery;
    recipe.unknownItemEvery = unknownItemEvery;
    recipe.seed = seed;
    return recipe;
}

// Counts the blocks whose CUT-ID and SPOOL-ID repeat an earlier block's.
int32_t repeatedKeys(const std::string& result) {
    std::map<std::string, int32_t> seen;
    int32_t repeated = 0;
    std::size_t at = 0;
    while ((at = result.find("\nCUT-ID        ", at)) != std::string::npos) {
        const std::size_t spool = result.find("\nSPOOL-ID      ", at);
        const std::size_t end = result.find('\n', spool + 1);
        if (spool == std::string::npos || end == std::string::npos) break;
        const std::string key = result.substr(at + 1, end - at - 1);
        if (seen[key]++ > 0) ++repeated;
        at = end;
    }
    return repeated;
}

int32_t count(const std::string& text, const std::string& what) {
    int32_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(Threads, GeneratedJobsWriteTheSameBytesOnEveryThreadCount) {
    const GeneratedCase cases[] = {
        // Many pieces of up to 12 bends; some exceed their stock, some name
        // an unknown item.
        {"plain", recipeOf(400 / kScale, 12, false, 0, 0, 37, 11)},
        // Pieces sharing keys with the piece before them, with template
        // lengths that the later of two such pieces reads from the earlier.
        {"shared keys", recipeOf(240 / kScale, 4, false, 1000, 5, 23, 12)},
        // Clash checking, with shared keys and template lengths too.
        {"clash", recipeOf(24 / kScale, 3, true, 500, 4, 5, 13)},
    };
    for (const GeneratedCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScratchDir dir;
        const bench::GeneratedJob job = bench::writeJob(dir.path(), c.recipe);
        const auto outcomes = runAtEachThreadCount(dir.path(), job.parameterFile, job.resultFile);
        expectSameBytes(outcomes);
        const std::string& result = outcomes.at(1).result;
        ASSERT_EQ(outcomes.at(1).status, 0);
        // The job holds what it is meant to exercise.
        EXPECT_EQ(count(result, "STARTCUTPIECE"), job.cutPieces);
        EXPECT_GT(count(result, "RESULT        PASS"), 0);
        EXPECT_GT(count(result, "not found in database."), 0);
        if (c.recipe.duplicateEvery > 0) {
            EXPECT_GT(repeatedKeys(result), 0);
        }
    }
}

}  // namespace
}  // namespace kwarel
