// Helpers shared by the tests: scratch folders, file writing and reading,
// and running a job in a fresh state.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>

#include "driver/job_state.h"
#include "input/diagnostics.h"

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

// Every file and folder below `folder`, with the contents of the files.
std::set<std::pair<std::string, std::string>> snapshot(const std::string& folder);

// A JobState on the heap (it is large), fresh as a newly loaded library.
std::unique_ptr<JobState> freshState();

// What the command-line tool did: its exit status (-1 when it did not exit)
// and what it wrote to stdout and stderr.
struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

// Runs the command-line tool with `arguments` (shell words) in `folder`, or
// in the current folder when it is empty; stdin is empty.
CliOutcome runCli(const std::string& arguments, const std::string& folder = "");

// The input checker on `parameterFile` as `kwarel check` runs it in `folder`.
Diagnostics checkInFolder(const std::string& folder, const char* parameterFile = "params.txt");

// The 24 lines of a parameter file with the given paths and the usual
// options; callers change single lines before joining them.
struct ParameterLines {
    std::string lines[24];
    std::string text() const;
};
ParameterLines defaultParameters(const std::string& cutPath, const std::string& resultPath,
                                 const std::string& dbPath);

// A database of one machine M1 (pipes up to 6000 mm) and one bender B1 that
// bends bore 2 at radius 150 mm in material A1, with tube data P50.
extern const char* const kOneBenderDatabase;

// A job folder: the cut-piece file and the database written into a scratch
// folder, and the usual parameters naming them and result.txt beside them.
struct JobFolder {
    ScratchDir dir;
    ParameterLines params = defaultParameters(dir.file("cut.txt"), dir.file("result.txt"), dir.file("db.txt"));

    JobFolder(const std::string& cut, const std::string& db = kOneBenderDatabase);
    std::string paramPath() const { return dir.file("params.txt"); }
    void writeParams() const { writeFile(paramPath(), params.text()); }
    // Writes the parameter file and runs the job in `state`.
    int run(JobState& state) const;
    std::string result() const { return readFile(dir.file("result.txt")); }
};

// Sets an environment variable for the life of the object, then puts back
// what was there.
class EnvironmentSetting {
public:
    EnvironmentSetting(const char* name, const std::string& value);
    ~EnvironmentSetting();
    EnvironmentSetting(const EnvironmentSetting&) = delete;
    EnvironmentSetting& operator=(const EnvironmentSetting&) = delete;
    void set(const std::string& value) const;

private:
    std::string name_;
    bool had_ = false;
    std::string old_;
};

}  // namespace kwarel::testing
