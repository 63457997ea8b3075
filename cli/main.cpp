// kwarel command-line tool: runs one job from a parameter file, exactly as a
// host's TORVEX call does, and exits with the job status.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "kwarel.h"
#include "report_model.h"
#include "driver/job.h"
#include "generate/search.h"

namespace {

const char* const kUsage =
    "usage: kwarel [-j N] PARAMETER_FILE\n"
    "       kwarel report PARAMETER_FILE [-o FILE.html]\n"
    "       kwarel explain PARAMETER_FILE CUT-ID\n"
    "       kwarel --help | --version\n";

const char* const kHelp =
    "kwarel - pipe-bending planner\n"
    "\n"
    "usage: kwarel [-j N] PARAMETER_FILE\n"
    "       kwarel report PARAMETER_FILE [-o FILE.html]\n"
    "       kwarel explain PARAMETER_FILE CUT-ID\n"
    "       kwarel --help | --version\n"
    "\n"
    "-j N: plan the cut pieces on N threads (default: KWAREL_THREADS, or every\n"
    "hardware thread); the result file is the same for every N.\n"
    "\n"
    "report: runs the job (same result file) and writes an HTML page with the\n"
    "runs drawn in their machine rooms. explain: runs the job and prints why each\n"
    "cut piece with that CUT-ID came out as it did.\n"
    "\n"
    "Runs one job described by PARAMETER_FILE (24 lines: cut-piece file,\n"
    "result file, database file, options) and writes the result file it names.\n"
    "Prints nothing on success. On a job error prints one line on stderr, and\n"
    "one line when a cut piece's search was ended by the guard on its size.\n"
    "\n"
    "exit status:\n"
    "   0  job completed (cut pieces that cannot be made are reported in the result file)\n"
    "   1  cut-piece file not found\n"
    "   2  bender database file not found\n"
    "   3  no machines in the database file\n"
    "   4  no benders in the database file\n"
    "   5  no bend capability records in the database file\n"
    "   6  no material capability records in the database file\n"
    "   7  no item code (tube data) records in the database file\n"
    "   8  no cut pieces in the cut-piece file\n"
    "   9  no pipe bends in the cut-piece file\n"
    "  10  NUMBER_OF_PROGRAMS below 1\n"
    "  11  NUMBER_OF_PROGRAMS above 50\n"
    "  12  result file cannot be opened\n"
    "  13  parameter file not found\n"
    "  14  trial criteria order invalid\n"
    "  15  forced machine ID does not exist\n"
    "  16  forced bender ID does not exist\n"
    "  64  wrong invocation\n"
    "  65  explain: no cut piece has the CUT-ID\n"
    "  73  report: the HTML file cannot be written\n";

const char* statusMeaning(int status) {
    switch (status) {
        case 1: return "cut-piece file not found";
        case 2: return "bender database file not found";
        case 3: return "no machines defined in the bender database file";
        case 4: return "no benders defined in the bender database file";
        case 5: return "no bend capability records in the database file";
        case 6: return "no material capability records in the database file";
        case 7: return "no item code records in the database file";
        case 8: return "no cut pieces in the cut-piece file";
        case 9: return "no pipe bends found in the cut-piece file";
        case 10: return "NUMBER_OF_PROGRAMS must be at least 1";
        case 11: return "NUMBER_OF_PROGRAMS must be at most 50";
        case 12: return "the result file cannot be opened";
        case 13: return "the parameter file does not exist";
        case 14: return "the trial criteria order has not been set correctly";
        case 15: return "the forced machine ID does not exist";
        case 16: return "the forced bender ID does not exist";
        default: return "unknown status";
    }
}

// A whole number of 1 or more, or 0.
int threadCount(const char* text) {
    if (text == nullptr || *text == '\0') return 0;
    long value = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9' || value > 1000000) return 0;
        value = value * 10 + (*p - '0');
    }
    return static_cast<int>(value);
}

// Hands the thread count to the library, which reads it from the environment.
void setThreads(int threads) {
    const std::string value = std::to_string(threads);
#if defined(_WIN32)
    SetEnvironmentVariableA("KWAREL_THREADS", value.c_str());
#else
    setenv("KWAREL_THREADS", value.c_str(), 1);
#endif
}

}  // namespace

int main(int argc, char** argv) {
    // -j N (or -jN) anywhere among the arguments.
    int threads = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-j", 2) != 0) continue;
        const bool separate = argv[i][2] == '\0';
        if (separate && i + 1 >= argc) {
            std::fputs("kwarel: -j needs a number of threads\n", stderr);
            std::fputs(kUsage, stderr);
            return 64;
        }
        const char* value = separate ? argv[i + 1] : argv[i] + 2;
        threads = threadCount(value);
        if (threads < 1) {
            std::fprintf(stderr, "kwarel: -j needs a whole number of 1 or more, not '%s'\n", value);
            std::fputs(kUsage, stderr);
            return 64;
        }
        const int used = separate ? 2 : 1;
        for (int k = i; k + used < argc; ++k) argv[k] = argv[k + used];
        argc -= used;
        --i;
    }
    if (threads > 0) setThreads(threads);

    if (argc >= 2 && (std::strcmp(argv[1], "report") == 0 || std::strcmp(argv[1], "explain") == 0)) {
        int status = 64;
        if (argv[1][0] == 'r' && argc == 3) {
            status = kwarel::cli::reportCommand(argv[2], "");
        } else if (argv[1][0] == 'r' && argc == 5 && std::strcmp(argv[3], "-o") == 0) {
            status = kwarel::cli::reportCommand(argv[2], argv[4]);
        } else if (argv[1][0] == 'e' && argc == 4) {
            status = kwarel::cli::explainCommand(argv[2], argv[3]);
        } else {
            std::fputs(kUsage, stderr);
            return 64;
        }
        if (status >= 1 && status <= 16) {
            std::fprintf(stderr, "kwarel: status %d: %s\n", status, statusMeaning(status));
        }
        return status;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("kwarel 1.0.0");
        return 0;
    }
    if (argc != 2 || argv[1][0] == '\0' || (argv[1][0] == '-' && argv[1][1] == '-')) {
        if (argc == 2 && argv[1][0] == '-' && argv[1][1] == '-') {
            std::fprintf(stderr, "kwarel: unknown option '%s'\n", argv[1]);
        }
        std::fputs(kUsage, stderr);
        return 64;
    }
    const int status = TORVEX(argv[1]);
    const int cutShort = kwarel::processJobState().piecesCutShort;
    if (cutShort > 0) {
        std::fprintf(stderr,
                     "kwarel: the search of %d cut piece%s ended at the guard of %lld simulation steps per piece; "
                     "their runs are those found before it\n",
                     cutShort, cutShort == 1 ? "" : "s", static_cast<long long>(kwarel::kMaxSimulationStepsPerPiece));
    }
    if (status != 0) {
        std::fprintf(stderr, "kwarel: status %d: %s\n", status, statusMeaning(status));
    }
    return status;
}
