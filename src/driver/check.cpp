#include "driver/check.h"

#include <sys/stat.h>

#include <string>

#include "driver/parameters.h"
#include "generate/criteria.h"
#include "input/cutpiece_reader.h"
#include "input/database_reader.h"
#include "prepare/check.h"
#include "store/text.h"

namespace kwarel {
namespace {

bool exists(const char* path, struct stat* info = nullptr) {
    struct stat local;
    return path != nullptr && path[0] != '\0' && ::stat(path, info != nullptr ? info : &local) == 0;
}

bool sameFile(const char* a, const char* b) {
    if (std::string(a) == b) return true;
#if defined(_WIN32)
    // No inode numbers: names that differ only in case name the same file.
    return equalsNoCase(a, b) != 0;
#endif
    struct stat first, second;
    if (!exists(a, &first) || !exists(b, &second)) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The folder part of a path ("." when it has none).
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

int32_t paramLine(const Diagnostics& d, int number) {
    return d.parameterLines[number] != 0 ? d.parameterLines[number] : number;
}

// The checks the job makes on its options before it reads anything else,
// and a result file that would overwrite an input.
void checkOptions(JobState& state, const char* parameterFile, Diagnostics& d) {
    const JobOptions& o = state.options;
    const std::string& file = d.parameterFile;
    if (setTrialCriteriaOrder(o, state.search) == -1) {
        std::string ranks;
        for (int i = 0; i < 5; ++i) ranks += (i > 0 ? ", " : "") + std::to_string(o.TRIAL_CRITERION[i]);
        d.error(file, paramLine(d, 18),
                "TRIAL_CRITERION_1 to TRIAL_CRITERION_5 (" + ranks +
                    ") are not the ranks 1 to 5 each once: the job ends with status 14");
    }
    if (o.NUMBER_OF_PROGRAMS < 1 || o.NUMBER_OF_PROGRAMS > 50) {
        d.error(file, paramLine(d, 14),
                "NUMBER_OF_PROGRAMS " + std::to_string(o.NUMBER_OF_PROGRAMS) +
                    " is outside 1 to 50: the job ends with status " + (o.NUMBER_OF_PROGRAMS < 1 ? "10" : "11"));
    }
    if (o.TEMPLATE_LENGTH < 0) {
        d.warning(file, paramLine(d, 13),
                  "TEMPLATE_LENGTH " + std::to_string(o.TEMPLATE_LENGTH / 10) +
                      " is negative: with ADD_TEMPLATE_LENGTH on it shortens both pipe ends");
    }

    const char* result = state.resultFilePath;
    const struct {
        const char* path;
        const char* what;
    } inputs[] = {{parameterFile, "parameter file"},
                  {state.cutPieceFilePath, "cut-piece file"},
                  {state.databaseFilePath, "database file"}};
    for (const auto& input : inputs) {
        if (result[0] != '\0' && sameFile(result, input.path)) {
            d.error(file, paramLine(d, 2),
                    std::string("the result file is the ") + input.what + ": the job would overwrite it");
        }
    }
    if (result[0] != '\0') {
        struct stat info;
        const std::string folder = folderOf(result);
        if (!exists(folder.c_str(), &info) || !S_ISDIR(info.st_mode)) {
            d.error(file, paramLine(d, 2),
                    "the result file's folder " + quoted(folder.c_str()) +
                        " does not exist: the job ends with status 12");
        }
    }
    if (state.cutPieceFilePath[0] != '\0' && !exists(state.cutPieceFilePath)) {
        d.error(file, paramLine(d, 1),
                "cut-piece file " + quoted(state.cutPieceFilePath) + " not found: the job ends with status 1");
    }
    if (state.databaseFilePath[0] != '\0' && !exists(state.databaseFilePath)) {
        d.error(file, paramLine(d, 3),
                "database file " + quoted(state.databaseFilePath) + " not found: the job ends with status 2");
    }
}

void checkDatabaseLists(JobState& state, Diagnostics& d) {
    const std::string& file = d.databaseFile;
    const struct {
        int32_t count;
        const char* what;
        int status;
    } lists[] = {{state.shop.machines.count, "machine", 3},
                 {state.shop.benders.count, "bender", 4},
                 {state.shop.bendCapabilities.count, "bend capability", 5},
                 {state.shop.materialCapabilities.count, "material capability", 6},
                 {state.shop.tubeData.count, "tube data", 7}};
    for (const auto& list : lists) {
        if (list.count == 0) {
            d.error(file, 0,
                    std::string("no ") + list.what + " records: a job with this database ends with status " +
                        std::to_string(list.status));
            return;
        }
    }
}

template <typename Record>
bool named(const RecordList<Record>& list, const char* id) {
    for (int32_t i = 0; i < list.count; ++i) {
        if (equalsNoCase(list.at(i).name, id)) return true;
    }
    return false;
}

// The forced machine and bender IDs the parameter file names, against the
// database's lists.
void checkForcedIds(const JobState& state, Diagnostics& d) {
    const Shop& shop = state.shop;
    const JobOptions& o = state.options;
    if (o.FORCE_MACHINE != 0 && o.forcedMachineId[0] != '\0' && !named(shop.machines, o.forcedMachineId)) {
        d.error(d.parameterFile, paramLine(d, 23),
                "FORCE_MACHINE names " + quoted(o.forcedMachineId) +
                    ", which is no machine of the database: the job ends with status 15");
    }
    if (o.FORCE_BENDER != 0 && o.forcedBenderId[0] != '\0' && !named(shop.benders, o.forcedBenderId)) {
        d.error(d.parameterFile, paramLine(d, 24),
                "FORCE_BENDER names " + quoted(o.forcedBenderId) +
                    ", which is no bender of the database: the job ends with status 16");
    }
}

// Reads and checks the database; true when it has every list a job needs.
bool checkDatabaseFile(JobState& state, const CheckRequest& request, const char* database, Diagnostics& d) {
    if (database == nullptr || !exists(database)) {
        if (request.parameterFile == nullptr && database != nullptr) d.error(database, 0, "database file not found");
        return false;
    }
    d.databaseFile = database;
    readBenderDatabase(state.shop, database, &d);
    checkDatabaseLists(state, d);
    checkDatabaseKeys(state.shop, d);
    if (request.parameterFile != nullptr) checkForcedIds(state, d);
    const Shop& shop = state.shop;
    return shop.machines.count > 0 && shop.benders.count > 0 && shop.bendCapabilities.count > 0 &&
           shop.materialCapabilities.count > 0 && shop.tubeData.count > 0;
}

// Reads and checks the cut-piece file; its pieces against the database only
// when that is usable.
void checkCutPieceFile(JobState& state, const CheckRequest& request, const char* cutPieces, bool databaseUsable,
                       Diagnostics& d) {
    if (cutPieces == nullptr || !exists(cutPieces)) {
        if (request.parameterFile == nullptr && cutPieces != nullptr) d.error(cutPieces, 0, "cut-piece file not found");
        return;
    }
    d.cutPieceFile = cutPieces;
    readCutPieceFile(state.cutFile, cutPieces, &d);
    if (state.cutFile.cutPieces.count == 0) {
        d.error(d.cutPieceFile, 0, "no cut pieces (no FINISH line after a /CUT): the job ends with status 8");
    } else if (state.cutFile.pipeBends.count == 0) {
        d.error(d.cutPieceFile, 0, "no bend lines: the job ends with status 9");
    } else if (databaseUsable) {
        checkCutPieces(state.options, state.shop, state.cutFile, state.prep, d);
    }
}

}  // namespace

void checkJobFiles(JobState& state, const CheckRequest& request, Diagnostics& d) {
    state.shop.clear();
    state.cutFile.clear();
    state.prep.clear();
    const char* database = request.databaseFile;
    const char* cutPieces = request.cutPieceFile;
    if (request.parameterFile != nullptr) {
        d.parameterFile = request.parameterFile;
        if (!exists(request.parameterFile)) {
            d.error(d.parameterFile, 0, "parameter file not found: the job ends with status 13");
            return;
        }
        readParameterFile(state.options, request.parameterFile, state.cutPieceFilePath, state.resultFilePath,
                          state.databaseFilePath, &d);
        checkOptions(state, request.parameterFile, d);
        database = state.databaseFilePath;
        cutPieces = state.cutPieceFilePath;
    }
    const bool databaseUsable = checkDatabaseFile(state, request, database, d);
    checkCutPieceFile(state, request, cutPieces, databaseUsable, d);
    state.shop.release();
    state.cutFile.release();
    state.prep.release();
    state.prep.bendOptions.clear();
}

}  // namespace kwarel
