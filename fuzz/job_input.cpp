#include "job_input.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

#include "driver/job.h"
#include "fuzz_support.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "store/text.h"

namespace kwarel::fuzz {

namespace {

// Lines 4 to 24 of a plain valid job: one program, clash checking off,
// trial criteria 1 to 5 in order, nothing forced.
const char* const kDefaultOptions[21] = {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1",
                                         "0", "0", "0", "1", "2", "3", "4", "5", "0", "0"};
constexpr int kClashLine = 7;  // index of line 11 among the option lines

std::vector<std::string_view> splitParts(std::string_view input) {
    std::vector<std::string_view> parts;
    while (parts.size() < 2) {
        const std::size_t cut = input.find(kPartSeparator);
        if (cut == std::string_view::npos) break;
        parts.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    parts.push_back(input);
    while (parts.size() < 3) parts.emplace_back();
    return parts;
}

std::string parameterText(std::string_view options, bool forceClashChecking) {
    std::vector<std::string> lines;
    while (!options.empty() && lines.size() < 21) {
        const std::size_t end = options.find('\n');
        lines.emplace_back(options.substr(0, end));
        if (end == std::string_view::npos) break;
        options.remove_prefix(end + 1);
    }
    for (std::size_t i = lines.size(); i < 21; ++i) lines.emplace_back(kDefaultOptions[i]);
    if (forceClashChecking) lines[kClashLine] = "1";

    std::string text = scratchFile("cut.txt") + "\n" + scratchFile("result.txt") + "\n" +
                       scratchFile("db.txt") + "\n";
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The trial search enumerates, level by level, every combination of tooling
// options of a cut piece, so a cut piece that cannot be made costs in the
// order of (options per position) ^ (bending positions). A position has at
// most one option per hand, machine and bender in a direction. Inputs whose
// bound exceeds this are not run: they are slow by design, not stuck, and
// would use up the fuzzing time.
constexpr double kMaxCombinations = 4096.0;

bool searchIsSmall(const std::string& dbPath, const std::string& cutPath) {
    auto state = std::make_unique<JobState>();
    readBenderDatabase(state->shop, dbPath.c_str());
    readCutPieceFile(state->cutFile, cutPath.c_str());
    std::unordered_map<std::string, int> bendsPerPiece;
    int mostBends = 0;
    for (int32_t i = 0; i < state->cutFile.pipeBends.count; ++i) {
        const PipeBendRecord& bend = state->cutFile.pipeBends.at(i);
        mostBends = std::max(mostBends, ++bendsPerPiece[cutPieceKey(bend.cutId, bend.spoolId)]);
    }
    const double perPosition = 2.0 * state->shop.machines.count * state->shop.benders.count;
    return std::pow(perPosition, 2.0 * mostBends) <= kMaxCombinations;
}

bool endsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

bool runFuzzedJob(const uint8_t* data, std::size_t size, bool forceClashChecking) {
    const std::vector<std::string_view> parts =
        splitParts(std::string_view(reinterpret_cast<const char*>(data), size));
    static const std::string paramsPath = scratchFile("params.txt");
    static const std::string resultPath = scratchFile("result.txt");
    const std::string params = parameterText(parts[0], forceClashChecking);
    writeFile(paramsPath, params.data(), params.size());
    static const std::string dbPath = scratchFile("db.txt");
    static const std::string cutPath = scratchFile("cut.txt");
    writeFile(dbPath, parts[1].data(), parts[1].size());
    writeFile(cutPath, parts[2].data(), parts[2].size());
    if (!searchIsSmall(dbPath, cutPath)) return false;

    auto state = std::make_unique<JobState>();
    state->syncResultFile = false;  // thousands of jobs per second in a scratch folder
    const int32_t status = runJob(*state, paramsPath.c_str());

    // The parameter file exists and the result folder too, so 12 and 13
    // cannot happen; every other status (17 when memory runs out) leaves its
    // mark at the file's end.
    if (status < 0 || status > 17 || status == 12 || status == 13) fail("unexpected job status");
    const std::string result = readFile(resultPath);
    if (status == 0 && !endsWith(result, "ENDFILE\n")) fail("status 0 without ENDFILE at the end");
    if (status != 0 && result.rfind("ERROR - ") == std::string::npos) {
        fail("error status without an error text");
    }
    if (status != 0 && endsWith(result, "\n")) fail("error text followed by a line end");
    return true;
}

}  // namespace kwarel::fuzz
