// The job's plan as JSON: a job observer that collects the options, the
// header and every cut piece's block as data, and writes them to a file
// when the job ends. docs/formats.md and docs/kwarel-plan.schema.json
// describe the document.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "driver/observer.h"

namespace kwarel::cli {

class PlanJson {
public:
    explicit PlanJson(std::string parameterFile);

    void optionsRead(const JobOptions& options, const char* cutPieceFile, const char* resultFile,
                     const char* databaseFile);
    void headerRead(const char* pipeline, const char* date, int32_t lengthUnits, int32_t boreUnits);
    void cutPiecePlanned(const PlanCutPiece& piece);
    void finished(int32_t status, const char* errorText);

    const nlohmann::ordered_json& document() const { return document_; }
    // Writes the document; false (with errno set) when the file cannot be written.
    bool write(const std::string& path) const;

private:
    nlohmann::ordered_json document_;
};

}  // namespace kwarel::cli
