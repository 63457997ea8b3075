// Writes one generated job to a folder, to run it with the kwarel command or
// under a profiler:
//   kwarel_make_job FOLDER [PIECES [MAX_BENDS [CLASH [SEED [MACHINES [BENDERS
//                   [TEMPLATE_LENGTH [DUPLICATE_EVERY [UNKNOWN_ITEM_EVERY [ONLY]]]]]]]]]]
// (see JobRecipe for the meaning of each; ONLY is a comma-separated list of
// piece indexes from 0, the only pieces written)
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "job_generator.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: %s FOLDER [PIECES [MAX_BENDS [CLASH [SEED [MACHINES [BENDERS [TEMPLATE_LENGTH "
                     "[DUPLICATE_EVERY [UNKNOWN_ITEM_EVERY [ONLY]]]]]]]]]]\n",
                     argv[0]);
        return 2;
    }
    kwarel::bench::JobRecipe recipe;
    if (argc > 2) recipe.cutPieces = std::atoi(argv[2]);
    if (argc > 3) recipe.maxBends = std::atoi(argv[3]);
    if (argc > 4) recipe.clashChecking = std::atoi(argv[4]) != 0;
    if (argc > 5) recipe.seed = std::strtoull(argv[5], nullptr, 10);
    if (argc > 6) recipe.machines = std::atoi(argv[6]);
    if (argc > 7) recipe.benders = std::atoi(argv[7]);
    if (argc > 8) recipe.templateLength = std::atoi(argv[8]);
    if (argc > 9) recipe.duplicateEvery = std::atoi(argv[9]);
    if (argc > 10) recipe.unknownItemEvery = std::atoi(argv[10]);
    if (argc > 11) {
        for (const char* p = argv[11]; *p != '\0';) {
            char* end = nullptr;
            const long piece = std::strtol(p, &end, 10);
            if (end == p) break;
            recipe.onlyPieces.push_back(static_cast<int32_t>(piece));
            p = *end == ',' ? end + 1 : end;
        }
    }
    try {
        const kwarel::bench::GeneratedJob job = kwarel::bench::writeJob(argv[1], recipe);
        std::printf("%s\n%d cut pieces, %d bends\n", job.parameterFile.c_str(), job.cutPieces, job.bends);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
