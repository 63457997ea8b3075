// kwarel report and kwarel explain on the command line: each runs the job
// (the same result file) and then draws or explains its plan.
#include <cstdio>
#include <memory>
#include <string>

#include "commands.h"
#include "report_model.h"

namespace kwarel::cli {
namespace {

int withStatusLine(int status) {
    if (status >= 1 && status <= 16) std::fprintf(stderr, "kwarel: status %d: %s\n", status, statusMeaning(status));
    return status;
}

}  // namespace

void addReportCommands(CLI::App& app, int& exitStatus) {
    struct ReportSettings {
        std::string parameterFile, output, cutId;
    };
    auto settings = std::make_shared<ReportSettings>();

    CLI::App* report = app.add_subcommand(
        "report", "Run the job (the same result file) and write an HTML page with the runs drawn in their machine rooms");
    report->add_option("PARAMETER_FILE", settings->parameterFile, "The job's parameter file")->required();
    report->add_option("-o", settings->output, "The HTML file (default: the result file's path with .html added)")
        ->option_text("FILE.html");
    report->callback([&exitStatus, settings] {
        exitStatus = withStatusLine(reportCommand(settings->parameterFile, settings->output));
    });

    CLI::App* explain = app.add_subcommand(
        "explain", "Run the job and print why each cut piece with CUT-ID came out as it did");
    explain->add_option("PARAMETER_FILE", settings->parameterFile, "The job's parameter file")->required();
    explain->add_option("CUT-ID", settings->cutId, "The CUT-ID of the cut pieces to explain")->required();
    explain->callback([&exitStatus, settings] {
        exitStatus = withStatusLine(explainCommand(settings->parameterFile, settings->cutId));
    });
}

}  // namespace kwarel::cli
