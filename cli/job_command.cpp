// The classic job: kwarel PARAMETER_FILE runs one job exactly as a host's
// TORVEX call does and exits with its status; --json FILE also writes the
// plan as JSON, and a long job on a terminal shows a progress bar.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "driver/job.h"
#include "generate/search.h"
#include "plan_json.h"
#include "progress.h"

namespace kwarel::cli {
namespace {

// Forwards the job's reports to the JSON document and the progress bar.
class JobReporter : public JobObserver {
public:
    JobReporter(PlanJson* json, ProgressBar* bar) : json_(json), bar_(bar) {}

    void optionsRead(const JobOptions& options, const char* cutPieceFile, const char* resultFile,
                     const char* databaseFile) override {
        if (json_ != nullptr) json_->optionsRead(options, cutPieceFile, resultFile, databaseFile);
    }
    void headerRead(const char* pipeline, const char* date, int32_t lengthUnits, int32_t boreUnits) override {
        if (json_ != nullptr) json_->headerRead(pipeline, date, lengthUnits, boreUnits);
    }
    void progress(int32_t done, int32_t total) override {
        if (bar_ != nullptr) bar_->update(done, total);
    }
    bool wantsPlan() const override { return json_ != nullptr; }
    void cutPiecePlanned(const PlanCutPiece& piece) override { json_->cutPiecePlanned(piece); }
    void finished(int32_t status, const char* errorText) override {
        if (bar_ != nullptr) bar_->finish();
        if (json_ != nullptr) json_->finished(status, errorText);
    }

private:
    PlanJson* json_;
    ProgressBar* bar_;
};

struct JobSettings {
    std::string parameterFile;
    std::string jsonFile;
};

int runJobCommand(const JobSettings& settings) {
    std::optional<PlanJson> json;
    if (!settings.jsonFile.empty()) json.emplace(settings.parameterFile);
    std::optional<ProgressBar> bar;
    if (ProgressBar::stderrIsTerminal()) {
        bar.emplace();
        bar->start();
    }
    JobReporter reporter(json ? &*json : nullptr, bar ? &*bar : nullptr);
    const int status = runJob(processJobState(), settings.parameterFile.c_str(),
                              json || bar ? &reporter : nullptr);
    const int cutShort = processJobState().piecesCutShort;
    if (cutShort > 0) {
        std::fprintf(stderr,
                     "kwarel: the search of %d cut piece%s ended at the guard of %lld runs or %lld simulation steps "
                     "per piece; their runs are those found before it\n",
                     cutShort, cutShort == 1 ? "" : "s", static_cast<long long>(kSearchGuard.runs),
                     static_cast<long long>(kSearchGuard.steps));
    }
    if (status != 0) {
        // For status 12 the job tells why the result file could not be written.
        const char* detail = processJobState().statusDetail;
        std::fprintf(stderr, "kwarel: status %d: %s\n", status, detail != nullptr ? detail : statusMeaning(status));
    }
    if (json && !json->write(settings.jsonFile)) {
        std::fprintf(stderr, "kwarel: cannot write %s: %s\n", settings.jsonFile.c_str(), std::strerror(errno));
        return status != 0 ? status : 74;
    }
    return status;
}

}  // namespace

void addJobCommand(CLI::App& app, int& exitStatus) {
    auto settings = std::make_shared<JobSettings>();
    app.add_option("PARAMETER_FILE", settings->parameterFile,
                   "The job's 24-line parameter file: the cut-piece, result and database files and the options");
    app.add_option("--json", settings->jsonFile, "Also write the plan as JSON to FILE (see docs/formats.md)")
        ->option_text("FILE");
    app.callback([&app, &exitStatus, settings] {
        if (app.get_subcommands().empty()) {
            if (settings->parameterFile.empty()) throw CLI::RequiredError("PARAMETER_FILE");
            exitStatus = runJobCommand(*settings);
        }
    });
}

}  // namespace kwarel::cli
