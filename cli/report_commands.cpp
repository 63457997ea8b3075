// The report and explain commands of the command-line tool.
#include <cstdio>
#include <iostream>

#include "driver/result_file.h"
#include "report_model.h"
#include "store/text.h"

namespace kwarel::cli {

int reportCommand(const std::string& parameterFile, const std::string& output) {
    JobReport report;
    const int32_t status = runObservedJob(parameterFile.c_str(), report, true);
    if (status == 13 || status == 12) return status;  // no result file: nothing to report on
    const std::string path = output.empty() ? report.resultPath + ".html" : output;
    std::string error;
    // The page is written while the result file is read for its programs.
    if (sameFile(path.c_str(), report.resultPath.c_str())) {
        std::fprintf(stderr, "kwarel: the report %s would overwrite the result file\n", path.c_str());
        return kCannotWriteReport;
    }
    if (!writeHtmlReport(report, report.resultPath, path, error)) {
        std::fprintf(stderr, "kwarel: %s\n", error.c_str());
        return kCannotWriteReport;
    }
    return status;
}

int explainCommand(const std::string& parameterFile, const std::string& cutId) {
    JobReport report;
    const int32_t status = runObservedJob(parameterFile.c_str(), report, false);
    if (status != 0) return status;
    bool found = false;
    for (const PieceReport& piece : report.pieces) {
        if (!equalsNoCase(piece.record.cutId, cutId.c_str())) continue;
        if (found) std::fputs("\n", stdout);
        found = true;
        std::fputs(explainPiece(report, piece).c_str(), stdout);
    }
    if (!found) {
        std::fprintf(stderr, "kwarel: no cut piece has CUT-ID %s\n", cutId.c_str());
        return kNoSuchCutPiece;
    }
    return 0;
}

}  // namespace kwarel::cli
