#include "bench_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/job.h"

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

const GeneratedJob* cachedJobOrSkip(benchmark::State& bm, const JobRecipe& recipe) {
    try {
        return &cachedJob(recipe);
    } catch (const std::exception& e) {
        bm.SkipWithError(e.what());
        return nullptr;
    }
}

std::unique_ptr<JobState> prepareJob(const GeneratedJob& job) {
    auto state = std::make_unique<JobState>();
    JobState& s = *state;
    const int32_t status = readAndCheckJob(s, job.parameterFile.c_str());
    if (status != 0) throw std::runtime_error("job status " + std::to_string(status));
    // Planning single pieces writes nothing to the result file: its
    // temporary file is dropped and the result path left as it was.
    abandonResultTarget(s.resultTarget);
    s.resultFile = nullptr;
    if (s.cutFile.cutPieces.count != job.cutPieces || s.cutFile.pipeBends.count != job.bends) {
        throw std::runtime_error("cut-piece file read back with other counts than written");
    }
    prepareCutPieces(s);
    return state;
}

int32_t planCutPiece(JobState& state, int32_t index, const CutPieceRecord& prepared) {
    state.cutFile.cutPieces.at(index) = prepared;
    const int32_t runs = kwarel::planCutPiece(state, index);
    forgetCutPieceOptions(state);
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
