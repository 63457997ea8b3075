#include "support/test_support.h"

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "driver/check.h"
#include "driver/job.h"

namespace kwarel::testing {

ScratchDir::ScratchDir() {
    std::random_device rd;
    std::mt19937_64 gen(rd());
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("kwarel-test-" + std::to_string(gen()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate.string();
            break;
        }
    }
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

std::set<std::pair<std::string, std::string>> snapshot(const std::string& folder) {
    std::set<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        files.emplace(entry.path().string(), entry.is_regular_file() ? readFile(entry.path().string()) : "");
    }
    return files;
}

std::unique_ptr<JobState> freshState() {
    auto state = std::make_unique<JobState>();
    state->syncResultFile = false;  // scratch files need not survive a power cut
    return state;
}

CliOutcome runCli(const std::string& arguments, const std::string& folder) {
    const ScratchDir streams;  // outside `folder`, whose files tests compare
    const std::string command = (folder.empty() ? "" : "cd '" + folder + "' && ") + KWAREL_CLI + " " + arguments +
                                " >" + streams.file("out") + " 2>" + streams.file("err") + " </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(streams.file("out")), readFile(streams.file("err"))};
}

Diagnostics checkInFolder(const std::string& folder, const char* parameterFile) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    CheckRequest request;
    request.parameterFile = parameterFile;
    Diagnostics diagnostics;
    checkJobFiles(*freshState(), request, diagnostics);
    std::filesystem::current_path(previous);
    return diagnostics;
}

std::string ParameterLines::text() const {
    std::string t;
    for (const auto& line : lines) t += line + "\n";
    return t;
}

ParameterLines defaultParameters(const std::string& cutPath, const std::string& resultPath,
                                 const std::string& dbPath) {
    ParameterLines p;
    const char* rest[21] = {"0", "0", "0", "0", "1", "1", "0", "0", "0", "0", "3",
                            "1", "1", "1", "1", "2", "3", "4", "5", "0", "0"};
    p.lines[0] = cutPath;
    p.lines[1] = resultPath;
    p.lines[2] = dbPath;
    for (int i = 0; i < 21; ++i) p.lines[3 + i] = rest[i];
    return p;
}

const char* const kOneBenderDatabase =
    "STARTMACHINE\nM1|5|B1|3|6000|180|900|0|0|0|300|400|3000|3000|8000|8000|2500\nENDMACHINE\n"
    "STARTBENDER\nB1|5|100|150|120\nENDBENDER\n"
    "STARTBENDCAPABILITY\nB1|2|0|150|1\nENDBENDCAPABILITY\n"
    "STARTMATERIALCAPABILITY\nB1|A1|2|10|Y|1\nENDMATERIALCAPABILITY\n"
    "STARTTUBEDATA\nP50|2|A1|3.9|60.3|6000|0|0|0|1\nENDTUBEDATA\n";

JobFolder::JobFolder(const std::string& cut, const std::string& db) {
    writeFile(dir.file("cut.txt"), cut);
    writeFile(dir.file("db.txt"), db);
}

int JobFolder::run(JobState& state) const {
    writeParams();
    return runJob(state, paramPath().c_str());
}

EnvironmentSetting::EnvironmentSetting(const char* name, const std::string& value) : name_(name) {
    const char* old = std::getenv(name);
    had_ = old != nullptr;
    if (had_) old_ = old;
    set(value);
}

EnvironmentSetting::~EnvironmentSetting() {
    if (had_) {
        ::setenv(name_.c_str(), old_.c_str(), 1);
    } else {
        ::unsetenv(name_.c_str());
    }
}

void EnvironmentSetting::set(const std::string& value) const { ::setenv(name_.c_str(), value.c_str(), 1); }

}  // namespace kwarel::testing
