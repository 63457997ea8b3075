#include "bench_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "generate/criteria.h"
#include "generate/search.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "driver/parameters.h"
#include "prepare/bend_steps.h"
#include "prepare/options.h"
#include "prepare/resolve.h"

namespace kwarel::bench {
namespace {

struct JobCache {
    std::map<std::string, GeneratedJob> jobs;
    ~JobCache() {
        for (const auto& entry : jobs) {
            std::error_code ignored;
            std::filesystem::remove_all(entry.second.folder, ignored);
        }
    }
};

JobCache& jobCache() {
    static JobCache cache;
    return cache;
}

std::string keyOf(const JobRecipe& recipe) {
    char key[160];
    std::snprintf(key, sizeof key, "%d/%d/%d/%d/%d/%d/%d/%llu/%d", recipe.cutPieces, recipe.minBends, recipe.maxBends,
                  recipe.machines, recipe.benders, recipe.programs, recipe.clashChecking ? 1 : 0,
                  static_cast<unsigned long long>(recipe.seed), recipe.probeBends);
    return key;
}

}  // namespace

const GeneratedJob& cachedJob(const JobRecipe& recipe) {
    JobCache& cache = jobCache();
    const std::string key = keyOf(recipe);
    auto found = cache.jobs.find(key);
    if (found != cache.jobs.end()) return found->second;
    const GeneratedJob job = writeJob(makeTempFolder("kwarel-bench"), recipe);
    return cache.jobs.emplace(key, job).first->second;
}

std::unique_ptr<JobState> prepareJob(const GeneratedJob& job) {
    auto state = std::make_unique<JobState>();
    JobState& s = *state;
    readParameterFile(s, job.parameterFile.c_str(), s.cutPieceFilePath, s.resultFilePath, s.databaseFilePath);
    s.feedStep = 100;
    s.angleStep = 5;
    s.halfDiameter = 50;
    resetJobLists(s);
    if (setTrialCriteriaOrder(s) != 0) throw std::runtime_error("trial criteria order rejected");
    readBenderDatabase(s, s.databaseFilePath);
    if (s.machines.count == 0 || s.benders.count == 0 || s.bendCapabilities.count == 0 ||
        s.materialCapabilities.count == 0 || s.tubeData.count == 0) {
        throw std::runtime_error("database list empty");
    }
    readCutPieceFile(s, s.cutPieceFilePath);
    if (s.cutPieces.count != job.cutPieces || s.pipeBends.count != job.bends) {
        throw std::runtime_error("cut-piece file read back with other counts than written");
    }
    for (int32_t i = 0; i < s.cutPieces.count; ++i) resolveCutPieceItem(s, i);
    for (int32_t i = 0; i < s.cutPieces.count; ++i) buildBendSteps(s, i);
    return state;
}

int32_t planCutPiece(JobState& state, int32_t index, const CutPieceRecord& prepared) {
    state.cutPieces.current = prepared;
    state.cutPieces.store(index);
    state.clashLineCount = 0;
    listBendOptions(state, index);
    const int32_t runs = searchBendingRuns(state, index);
    state.bendOptions.clear();
    return runs;
}

int32_t countPassedPieces(const std::string& resultFile) {
    std::FILE* file = std::fopen(resultFile.c_str(), "rb");
    if (file == nullptr) return -1;
    int32_t passed = 0;
    char line[512];
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, "RESULT", 6) == 0 && std::strstr(line, "PASS") != nullptr) ++passed;
    }
    std::fclose(file);
    return passed;
}

}  // namespace kwarel::bench
