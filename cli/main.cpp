// kwarel command-line tool. Without a subcommand it runs one job from a
// parameter file, exactly as a host's TORVEX call does, and exits with the
// job status; subcommands (kCommands in commands.h) do the rest.
#include <cstdio>
#include <cstdlib>
#include <string>

#if defined(_WIN32)
#include <windows.h>  // NOMINMAX and WIN32_LEAN_AND_MEAN come from the build
#endif

#include "commands.h"
#include "kwarel.h"
#include "kwarel_version.h"

namespace kwarel::cli {
namespace {

constexpr const char* kVersion = "kwarel " KWAREL_VERSION;

constexpr const char* kUsage =
    "usage: kwarel [-j N] PARAMETER_FILE [--json FILE]\n"
    "       kwarel check PARAMETER_FILE | --database FILE | --cut-pieces FILE [--strict]\n"
    "       kwarel report PARAMETER_FILE [-o FILE.html]\n"
    "       kwarel explain PARAMETER_FILE CUT-ID\n"
    "       kwarel help [SUBCOMMAND]\n"
    "       kwarel -h | --help | -V | --version\n";

constexpr const char* kStatusTable =
    "Runs one job described by PARAMETER_FILE (24 lines: cut-piece file, result file, database file,\n"
    "options) and writes the result file it names. Prints nothing on success; on a job error prints one\n"
    "line on stderr, and one line when a cut piece's search was ended by the guard on its size.\n"
    "A long job on a terminal shows its progress on stderr.\n"
    "\n"
    "-j N plans the cut pieces on N threads (default: KWAREL_THREADS, or every hardware thread);\n"
    "the result file is the same for every N.\n"
    "\n"
    "exit status of a job:\n"
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
    "  12  result file cannot be written (missing or read-only folder, read-only\n"
    "      file, a folder, a path longer than 199 characters, the path of an\n"
    "      input file, or a failed write); the previous file is kept\n"
    "  13  parameter file not found\n"
    "  14  trial criteria order invalid\n"
    "  15  forced machine ID does not exist\n"
    "  16  forced bender ID does not exist\n"
    "  17  not enough memory to complete the job\n"
    "  64  wrong invocation\n"
    "  65  explain: no cut piece has the CUT-ID\n"
    "  73  report: the HTML file cannot be written\n"
    "  74  the --json file cannot be written (after a job that completed)\n"
    "\n"
    "kwarel help SUBCOMMAND describes a subcommand.";

// CLI11's help layout with kwarel's own usage lines at the top level.
class Formatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string name) const override {
        if (app->get_parent() == nullptr) return std::string("\n") + kUsage;
        std::string usage = CLI::Formatter::make_usage(app, name);
        const std::size_t at = usage.find("Usage:");
        if (at != std::string::npos) {
            // `kwarel help SUB` names the subcommand alone, `kwarel SUB --help`
            // with the program's name before it.
            usage.replace(at, 6, "usage:");
            if (usage.compare(at + 6, 8, " kwarel ") != 0) usage.insert(at + 6, " kwarel");
        }
        return usage;
    }
};

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

const char* statusMeaning(int status) {
    if (status < 0 || status >= KWAREL_STATUS_COUNT) return "unknown status";
    return kwarelStatusTexts[status].meaning;
}

void addHelpCommand(CLI::App& app, int& exitStatus) {
    auto topic = std::make_shared<std::string>();
    CLI::App* help = app.add_subcommand("help", "Describe kwarel or one of its subcommands");
    help->add_option("SUBCOMMAND", *topic, "The subcommand to describe");
    help->callback([&app, &exitStatus, topic] {
        if (topic->empty()) {
            std::fputs(app.help().c_str(), stdout);
        } else {
            CLI::App* command = nullptr;
            try {
                command = app.get_subcommand(*topic);
            } catch (const CLI::OptionNotFound&) {
                throw CLI::ValidationError("help", "no subcommand named '" + *topic + "'");
            }
            std::fputs(command->help().c_str(), stdout);
        }
        exitStatus = 0;
    });
}

}  // namespace kwarel::cli

int main(int argc, char** argv) {
    using namespace kwarel::cli;
    CLI::App app("kwarel - pipe-bending planner", "kwarel");
    app.formatter(std::make_shared<Formatter>());
    app.footer(kStatusTable);
    app.set_version_flag("-V,--version", kVersion);
    app.require_subcommand(0, 1);

    app.add_option_function<int>("-j,--threads", setThreads,
                                 "Plan the cut pieces on N threads (the result file is the same for every N)")
        ->type_name("N")
        ->check(CLI::Range(1, 1000000));

    int exitStatus = 0;
    addJobCommand(app, exitStatus);
    for (AddCommand add : kCommands) add(app, exitStatus);
    // The status table belongs to the job; subcommands describe themselves.
    for (CLI::App* command : app.get_subcommands({})) command->footer("");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion&) {
        std::printf("%s\n", kVersion);
        return 0;
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "kwarel: %s\n%s", e.what(), kUsage);
        return kUsageStatus;
    }
    return exitStatus;
}
