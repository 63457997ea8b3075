// `kwarel report` against the plain job: the command-line tool run as a child
// process on the same generated job, once plainly and once with the report,
// on one thread and on the default threads. Both CPU time (user + system of
// the child) and wall time are counted, since the report may draw on a
// second thread while the job plans.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "bench_support.h"

namespace kwarel::bench {
namespace {

struct ChildRun {
    bool ok = false;
    double cpu = 0.0;   // seconds, user + system
    double wall = 0.0;  // seconds
};

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

// Runs the command-line tool with `arguments` (KWAREL_THREADS set to
// `threads` when positive), its output thrown away.
ChildRun runTool(const std::vector<std::string>& arguments, int64_t threads) {
    ChildRun run;
    const auto begin = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) return run;
    if (child == 0) {
        if (threads > 0) ::setenv("KWAREL_THREADS", std::to_string(threads).c_str(), 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> argv;
        std::string tool = KWAREL_CLI_PATH;
        argv.push_back(tool.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) argv.push_back(argument.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

// range(0) cut pieces of 1 to range(1) bends, 10 programs, clash checking
// when range(2) is 1, on range(3) threads (0: the default). Each iteration
// runs the plain job, then the report; the counters are the least of each
// over the iterations (the figures least disturbed by other work on the
// machine), their ratios, and the page's size.
void BM_ReportAgainstJob(benchmark::State& bm) {
    JobRecipe recipe;
    recipe.cutPieces = static_cast<int32_t>(bm.range(0));
    recipe.maxBends = static_cast<int32_t>(bm.range(1));
    recipe.programs = 10;
    recipe.clashChecking = bm.range(2) != 0;
    const int64_t threads = bm.range(3);
    const GeneratedJob* job = cachedJobOrSkip(bm, recipe);
    if (job == nullptr) return;
    const std::string page = job->folder + "/report.html";
    ChildRun bestJob{true, 1e30, 1e30};
    ChildRun bestReport{true, 1e30, 1e30};
    for (auto _ : bm) {
        const ChildRun plain = runTool({job->parameterFile}, threads);
        const ChildRun report = runTool({"report", job->parameterFile, "-o", page}, threads);
        if (!plain.ok || !report.ok) {
            bm.SkipWithError("the job or its report failed");
            return;
        }
        bestJob.cpu = std::min(bestJob.cpu, plain.cpu);
        bestJob.wall = std::min(bestJob.wall, plain.wall);
        bestReport.cpu = std::min(bestReport.cpu, report.cpu);
        bestReport.wall = std::min(bestReport.wall, report.wall);
    }
    struct stat info {};
    const double pageMegabytes = ::stat(page.c_str(), &info) == 0 ? static_cast<double>(info.st_size) / 1e6 : -1.0;
    bm.counters["job_cpu_s"] = bestJob.cpu;
    bm.counters["report_cpu_s"] = bestReport.cpu;
    bm.counters["cpu_ratio"] = bestReport.cpu / bestJob.cpu;
    bm.counters["job_wall_s"] = bestJob.wall;
    bm.counters["report_wall_s"] = bestReport.wall;
    bm.counters["wall_ratio"] = bestReport.wall / bestJob.wall;
    bm.counters["page_MB"] = pageMegabytes;
}
BENCHMARK(BM_ReportAgainstJob)
    ->ArgNames({"pieces", "bends", "clash", "threads"})
    ->Args({1000, 12, 0, 1})
    ->Args({1000, 12, 0, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_ReportAgainstJob)
    ->ArgNames({"pieces", "bends", "clash", "threads"})
    ->Args({10, 8, 1, 1})
    ->Args({10, 8, 1, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace kwarel::bench
