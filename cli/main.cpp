// kwarel command-line tool: runs one job from a parameter file, exactly as a
// host's TORVEX call does, and exits with the job status.
#include <cstdio>
#include <cstring>

#include <string>

#include "kwarel.h"
#include "report_model.h"
#include "kwarel_version.h"

namespace {

const char* const kUsage =
    "usage: kwarel PARAMETER_FILE\n"
    "       kwarel report PARAMETER_FILE [-o FILE.html]\n"
    "       kwarel explain PARAMETER_FILE CUT-ID\n"
    "       kwarel --help | --version\n";

const char* const kHelp =
    "kwarel - pipe-bending planner\n"
    "\n"
    "usage: kwarel PARAMETER_FILE\n"
    "       kwarel report PARAMETER_FILE [-o FILE.html]\n"
    "       kwarel explain PARAMETER_FILE CUT-ID\n"
    "       kwarel --help | --version\n"
    "\n"
    "report: runs the job (same result file) and writes an HTML page with the\n"
    "runs drawn in their machine rooms. explain: runs the job and prints why each\n"
    "cut piece with that CUT-ID came out as it did.\n"
    "\n"
    "Runs one job described by PARAMETER_FILE (24 lines: cut-piece file,\n"
    "result file, database file, options) and writes the result file it names.\n"
    "Prints nothing on success. On a job error prints one line on stderr.\n"
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
    if (status < 0 || status >= KWAREL_STATUS_COUNT) return "unknown status";
    return kwarelStatusTexts[status].meaning;
}

}  // namespace

int main(int argc, char** argv) {
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
        std::puts("kwarel " KWAREL_VERSION);
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
    if (status != 0) {
        std::fprintf(stderr, "kwarel: status %d: %s\n", status, statusMeaning(status));
    }
    return status;
}
