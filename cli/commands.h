// The subcommands of the kwarel tool. Each one adds itself to the CLI11 app
// and sets the exit status when it runs; main() lists them in kCommands, so
// a new subcommand is one file with an add function and one line there.
#pragma once

#include <CLI/CLI.hpp>

namespace kwarel::cli {

// Exit status for a wrong invocation (unknown option, missing file name).
constexpr int kUsageStatus = 64;

// Adds the classic job (kwarel PARAMETER_FILE [--json FILE]) to the top level
// of the app: it runs when no subcommand is given.
void addJobCommand(CLI::App& app, int& exitStatus);

// kwarel check PARAMETER_FILE | --database FILE | --cut-pieces FILE
void addCheckCommand(CLI::App& app, int& exitStatus);

// kwarel report PARAMETER_FILE [-o FILE.html] and
// kwarel explain PARAMETER_FILE CUT-ID
void addReportCommands(CLI::App& app, int& exitStatus);

// kwarel help [SUBCOMMAND]
void addHelpCommand(CLI::App& app, int& exitStatus);

using AddCommand = void (*)(CLI::App&, int&);
inline constexpr AddCommand kCommands[] = {addCheckCommand, addReportCommands, addHelpCommand};

// What a job status means, in a few words ("cut-piece file not found").
const char* statusMeaning(int status);

}  // namespace kwarel::cli
