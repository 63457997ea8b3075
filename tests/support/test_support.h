// Helpers shared by the tests: scratch folders, file writing and reading,
// and running a job in a fresh state.
#pragma once

#include <memory>
#include <string>

#include "driver/job_state.h"

namespace kwarel::testing {

// A fresh scratch folder under the system's temporary folder, removed when
// the object goes away.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& contents);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

// A JobState on the heap (it is large), fresh as a newly loaded library.
std::unique_ptr<JobState> freshState();

// The 24 lines of a parameter file with the given paths and the usual
// options; callers change single lines before joining them.
struct ParameterLines {
    std::string lines[24];
    std::string text() const;
};
ParameterLines defaultParameters(const std::string& cutPath, const std::string& resultPath,
                                 const std::string& dbPath);

}  // namespace kwarel::testing
