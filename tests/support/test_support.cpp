#include "support/test_support.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

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

std::unique_ptr<JobState> freshState() {
    auto state = std::make_unique<JobState>();
    state->syncResultFile = false;  // scratch files need not survive a power cut
    return state;
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

}  // namespace kwarel::testing
