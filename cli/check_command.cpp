// kwarel check: reads a job's files with the job's own readers and reports
// every oddity as FILE:LINE: error|warning: message, then a count.
#include <algorithm>
#include <cstdio>
#include <vector>
#include <memory>
#include <string>

#include "commands.h"
#include "driver/check.h"

namespace kwarel::cli {
namespace {

struct CheckSettings {
    std::string parameterFile;
    std::string databaseFile;
    std::string cutPieceFile;
    bool strict = false;
};

std::string plural(int32_t n, const char* word) {
    return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

int runCheck(const CheckSettings& settings) {
    CheckRequest request;
    if (!settings.parameterFile.empty()) request.parameterFile = settings.parameterFile.c_str();
    if (!settings.databaseFile.empty()) request.databaseFile = settings.databaseFile.c_str();
    if (!settings.cutPieceFile.empty()) request.cutPieceFile = settings.cutPieceFile.c_str();

    Diagnostics diagnostics;
    auto state = std::make_unique<JobState>();  // a scratch state: the job's own stays untouched
    checkJobFiles(*state, request, diagnostics);

    // Messages by file (in the order the files were first named), then by line.
    std::vector<std::string> files;
    for (const Diagnostic& d : diagnostics.items) {
        if (std::find(files.begin(), files.end(), d.file) == files.end()) files.push_back(d.file);
    }
    std::stable_sort(diagnostics.items.begin(), diagnostics.items.end(), [&](const Diagnostic& a, const Diagnostic& b) {
        const auto fileA = std::find(files.begin(), files.end(), a.file);
        const auto fileB = std::find(files.begin(), files.end(), b.file);
        return fileA != fileB ? fileA < fileB : a.line < b.line;
    });
    for (const Diagnostic& d : diagnostics.items) {
        const char* severity = d.severity == Severity::Error ? "error" : "warning";
        if (d.line > 0) {
            std::printf("%s:%d: %s: %s\n", d.file.c_str(), d.line, severity, d.message.c_str());
        } else {
            std::printf("%s: %s: %s\n", d.file.c_str(), severity, d.message.c_str());
        }
    }
    const int32_t errors = diagnostics.count(Severity::Error);
    const int32_t warnings = diagnostics.count(Severity::Warning);
    std::printf("%s, %s\n", plural(errors, "error").c_str(), plural(warnings, "warning").c_str());
    if (errors > 0) return 2;
    if (warnings > 0 && settings.strict) return 1;
    return 0;
}

}  // namespace

void addCheckCommand(CLI::App& app, int& exitStatus) {
    auto settings = std::make_shared<CheckSettings>();
    CLI::App* check = app.add_subcommand(
        "check",
        "Check a job's files without running it: report each oddity as FILE:LINE: error|warning: message, "
        "then a count. Exit status 0 when clean, 1 with warnings under --strict, 2 with errors.");
    CLI::Option* parameters =
        check->add_option("PARAMETER_FILE", settings->parameterFile, "Check the job this parameter file describes");
    CLI::Option* database =
        check->add_option("--database", settings->databaseFile, "Check this bender database file")->option_text("FILE");
    CLI::Option* cutPieces =
        check->add_option("--cut-pieces", settings->cutPieceFile, "Check this cut-piece file")->option_text("FILE");
    parameters->excludes(database)->excludes(cutPieces);
    check->add_flag("--strict", settings->strict, "Exit with status 1 when there are warnings");
    check->callback([check, &exitStatus, settings] {
        if (settings->parameterFile.empty() && settings->databaseFile.empty() && settings->cutPieceFile.empty()) {
            throw CLI::ValidationError("check", "give a PARAMETER_FILE, --database FILE or --cut-pieces FILE");
        }
        (void)check;
        exitStatus = runCheck(*settings);
    });
}

}  // namespace kwarel::cli
