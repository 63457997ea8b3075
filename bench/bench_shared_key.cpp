// Jobs whose N cut pieces all share one CUT-ID and SPOOL-ID (a FINISH line
// per piece, one BEND line each): every piece has the key's N bends. Time of
// the whole job, and the peak memory of a process that runs it once.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "driver/job.h"

namespace kwarel::bench {
namespace {

struct SharedKeyJob {
    std::filesystem::path folder;
    std::string parameterFile;
    explicit SharedKeyJob(int64_t pieces) {
        folder = std::filesystem::temp_directory_path() /
                 ("kwarel-bench-shared-" + std::to_string(::getpid()) + "-" + std::to_string(pieces));
        std::filesystem::create_directories(folder);
        std::ofstream cut(folder / "cut.txt");
        cut << "/HEADER\nUNITS-LENGTH MM\nPIPING-SPEC A1\n/SPOOL\nSPOOL-ID S1\n/CUT\nCUT-ID C1\nITEM-CODE P50\n"
               "ND 2\nSTART 0 0 0\n";
        for (int64_t i = 1; i <= pieces; ++i) cut << "FINISH 0 0 " << i << "\nBEND " << i << " 0 0 150 90\n";
        std::ofstream(folder / "db.txt")
            << "STARTMACHINE\nM1|5|B1|3|6000|180|900|0|0|0|300|400|3000|3000|8000|8000|2500\nENDMACHINE\n"
               "STARTBENDER\nB1|5|100|100|100\nENDBENDER\nSTARTBENDCAPABILITY\nB1|2|0|150|1\nENDBENDCAPABILITY\n"
               "STARTMATERIALCAPABILITY\nB1|A1|2|10|Y|1\nENDMATERIALCAPABILITY\n"
               "STARTTUBEDATA\nP50|2|A1|3.9|60.3|6000|0|0|0|1\nENDTUBEDATA\n";
        std::ofstream params(folder / "params.txt");
        params << (folder / "cut.txt").string() << "\n" << (folder / "result.txt").string() << "\n"
               << (folder / "db.txt").string() << "\n0\n0\n0\n0\n1\n1\n0\n0\n0\n0\n3\n1\n1\n1\n1\n2\n3\n4\n5\n0\n0\n";
        parameterFile = (folder / "params.txt").string();
    }
    ~SharedKeyJob() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

std::unique_ptr<JobState> newState(bool oncePerKey) {
    auto state = std::make_unique<JobState>();
    state->prep.buildStepsOncePerKey = oncePerKey;
    // Forcing the file to the disk costs the same for every N and would hide
    // the work that grows with it.
    state->syncResultFile = false;
    return state;
}

// Peak resident memory, in MB, of a child process that runs the job once.
double peakMegabytes(const std::string& parameterFile, bool oncePerKey) {
    const pid_t child = ::fork();
    if (child == 0) {
        auto state = newState(oncePerKey);
        ::_exit(runJob(*state, parameterFile.c_str()) == 0 ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KB on Linux
}

void runSharedKeyJob(benchmark::State& bm, bool oncePerKey) {
    const SharedKeyJob job(bm.range(0));
    const double peak = peakMegabytes(job.parameterFile, oncePerKey);
    if (peak < 0) {
        bm.SkipWithError("the job failed");
        return;
    }
    auto state = newState(oncePerKey);
    for (auto _ : bm) {
        if (runJob(*state, job.parameterFile.c_str()) != 0) {
            bm.SkipWithError("the job failed");
            return;
        }
    }
    bm.SetItemsProcessed(bm.iterations() * bm.range(0));
    bm.counters["peak_MB"] = peak;
}

// One block of bend steps per key, as the job builds them.
void BM_SharedKeyJob(benchmark::State& bm) { runSharedKeyJob(bm, true); }
BENCHMARK(BM_SharedKeyJob)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A block per piece (2N^2 steps), for comparison; 4,000 pieces would need
// 3.7 GB and half a minute.
void BM_SharedKeyJobBlockPerPiece(benchmark::State& bm) { runSharedKeyJob(bm, false); }
BENCHMARK(BM_SharedKeyJobBlockPerPiece)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace kwarel::bench
