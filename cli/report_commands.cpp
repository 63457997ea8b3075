// The report and explain commands of the command-line tool.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "report_model.h"
#include "store/text.h"

namespace kwarel::cli {

int reportCommand(const std::string& parameterFile, const std::string& output) {
    JobReport report;
    const int32_t status = runObservedJob(parameterFile.c_str(), report, true);
    if (status == 13 || status == 12) return status;  // no result file: nothing to report on
    std::string text;
    {
        std::ifstream in(report.resultPath, std::ios::binary | std::ios::ate);
        const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : 0;
        if (size > 0) {
            text.resize(static_cast<std::size_t>(size));
            in.seekg(0);
            in.read(text.data(), size);
            text.resize(static_cast<std::size_t>(in.gcount()));
        }
    }
    const std::string path = output.empty() ? report.resultPath + ".html" : output;
    std::string error;
    if (!writeHtmlReport(report, text, path, error)) {
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
