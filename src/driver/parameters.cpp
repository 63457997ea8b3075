#include "driver/parameters.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "store/limits.h"
#include "store/numbers.h"
#include "store/records.h"
#include "store/text.h"

namespace kwarel {
namespace {

// Each line of the parameter file is read into a buffer of this size: at
// most 249 characters with the line end. A longer line continues as the
// next line, as with the standard line reader.
constexpr int kParameterLine = 250;
constexpr int kParameterLines = 24;

// Copies a path word (at most 199 characters) into a caller's 200-byte buffer.
void copyPath(char* target, const char* word) {
    int i = 0;
    for (; i < kLineBuffer - 1 && word[i] != '\0'; ++i) target[i] = word[i];
    target[i] = '\0';
}

// Line 13 holds whole millimetres; the field holds tenths, clamped to int32.
int32_t tenths(int32_t millimetres) { return clampToInt32(static_cast<int64_t>(millimetres) * 10); }

// Lines 23 and 24: a flag, and when it is on the second word as the ID (the
// empty text when the line has no second word). With the flag off the ID
// keeps its previous value.
template <std::size_t N>
void readForced(const char* line, const char* firstWordText, int32_t afterFirst, int32_t& flag,
                char (&id)[N]) {
    flag = toInteger(firstWordText);
    if (flag == 0) return;
    char word[kLineBuffer];
    nextWord(line, afterFirst, word);
    copyText(id, word);
}

constexpr const char* kLineNames[kParameterLines] = {
    "cut-piece file", "result file", "database file", "ALLOW_ADDITIONAL_MATERIAL", "INCLUDE_BEND_STRETCHING",
    "INCLUDE_WELD_SHRINKAGE", "INCLUDE_BEND_SPRINGBACK", "USE_MACHINE_PRIORITY", "USE_BENDER_PRIORITY",
    "MACHINE_OVER_BENDER_PRIORITY", "DO_CLASH_CHECKING", "ADD_TEMPLATE_LENGTH", "TEMPLATE_LENGTH",
    "NUMBER_OF_PROGRAMS", "ALLOW_MACHINE_CHANGE", "ALLOW_BENDER_CHANGE", "ALLOW_HAND_CHANGE",
    "TRIAL_CRITERION_1", "TRIAL_CRITERION_2", "TRIAL_CRITERION_3", "TRIAL_CRITERION_4", "TRIAL_CRITERION_5",
    "FORCE_MACHINE", "FORCE_BENDER"};

// What the reader reports about the file when it has a diagnostics sink.
struct ParameterCheck {
    Diagnostics& diagnostics;
    std::string file;
    LineCounter lines;
    int32_t linesRead = 0;      // reads that found a line
    int32_t lineOf[kParameterLines + 1] = {};  // physical line of each parameter line

    void piece(std::FILE* stream, const char* text, int number) {
        lines.advance(text);
        const int next = std::fgetc(stream);
        if (next != EOF) std::ungetc(next, stream);
        noteRawLine(diagnostics, file, lines, text, kParameterLine, next == EOF);
        ++linesRead;
        lineOf[number] = lines.line;
        diagnostics.parameterLines[number] = lines.line;
    }

    // The values of parameter line `number`, read from `line`.
    void values(int number, const char* line, const char* word, int32_t afterWord) {
        const int32_t at = lineOf[number] != 0 ? lineOf[number] : lines.line;
        const std::string name = kLineNames[number - 1];
        if (number <= 3) {
            const std::size_t length = std::strlen(word);
            if (length == 0) {
                diagnostics.error(file, at, "no path on the " + name + " line: the job cannot find its " + name);
            } else if (length > 180) {
                diagnostics.warning(file, at,
                                    name + " path has " + std::to_string(length) +
                                        " characters: paths of more than 180 characters do not fit the "
                                        "200-character echo line other readers of the result file expect");
            }
            if (length == kLineBuffer - 1) {
                diagnostics.error(file, at, name + " path is longer than 199 characters: it is cut to 199");
            }
            return;
        }
        if (!readsFullyAsInteger(word)) {
            diagnostics.warning(file, at,
                                name + " value " + (word[0] == '\0' ? std::string("is missing") : quoted(word) +
                                " is not a whole number") + ": read as " + std::to_string(toInteger(word)));
        }
        if ((number == 23 || number == 24) && toInteger(word) != 0) {
            char id[kLineBuffer];
            nextWord(line, afterWord, id);
            const char* what = number == 23 ? "machine" : "bender";
            if (id[0] == '\0') {
                diagnostics.error(file, at,
                                  name + " is on but names no " + what + ": the empty ID matches no " + what +
                                      ", so the job ends with status " + (number == 23 ? "15" : "16"));
            } else {
                noteTextWidth(diagnostics, file, at, (name + " ID").c_str(), id, 12);
            }
        }
    }

    // After the 24 lines: a file that ended early, or text after its end.
    void finish(std::FILE* stream) {
        if (linesRead == 0) {
            diagnostics.error(file, 1, "the file has no lines: every path is empty and every option 0");
        } else if (linesRead < kParameterLines) {
            diagnostics.error(file, lines.line,
                              "the file ends after " + std::to_string(linesRead) + " of its 24 lines: lines " +
                                  std::to_string(linesRead + 1) + " to 24 (" + kLineNames[linesRead] +
                                  " onward) read this last line again");
        } else if (stream != nullptr) {
            char rest[kParameterLine];
            while (readTextLine(stream, rest, kParameterLine)) {
                lines.advance(rest);
                if (!trimmed(rest).empty()) {
                    diagnostics.warning(file, lines.line, "text after the 24 lines of the file is ignored");
                    break;
                }
            }
        }
    }
};

// Notes how the result path's line was read: a first line that filled the
// buffer without reaching its line end goes on as line 2 (the result path is
// then a piece of line 1); a result path whose word reached the last
// character the extractor looks at, with more of it on the line, is cut.
void noteResultLine(ResultPathLine& resultLine, int number, const char* line, int32_t afterWord) {
    if (number == 1) {
        const std::size_t length = std::strlen(line);
        resultLine.runOn = length == kParameterLine - 1 && line[length - 1] != '\n';
    }
    if (number == 2 && afterWord == kMaxExtract + 1) {
        const char next = line[kMaxExtract];
        resultLine.cut = next != '\0' && next != ' ' && next != '\t' && next != '\r' && next != '\n';
    }
}

// The three paths the first lines name.
struct ParameterPaths {
    char* cutPieceFile;
    char* resultFile;
    char* databaseFile;
};

// Stores what parameter line `number` says: its first word `word`, which
// ends at `afterWord` of `line`.
void storeLine(JobOptions& o, const ParameterPaths& paths, int number, const char* line, const char* word,
               int32_t afterWord) {
    const int32_t value = toInteger(word);
    switch (number) {
        case 1: copyPath(paths.cutPieceFile, word); break;
        case 2: copyPath(paths.resultFile, word); break;
        case 3: copyPath(paths.databaseFile, word); break;
        case 4: o.ALLOW_ADDITIONAL_MATERIAL = value; break;
        case 5: o.INCLUDE_BEND_STRETCHING = value; break;
        case 6: o.INCLUDE_WELD_SHRINKAGE = value; break;
        case 7: o.INCLUDE_BEND_SPRINGBACK = value; break;
        case 8: o.USE_MACHINE_PRIORITY = value; break;
        case 9: o.USE_BENDER_PRIORITY = value; break;
        case 10: o.MACHINE_OVER_BENDER_PRIORITY = value; break;
        case 11: o.DO_CLASH_CHECKING = value; break;
        case 12: o.ADD_TEMPLATE_LENGTH = value; break;
        case 13: o.TEMPLATE_LENGTH = tenths(value); break;
        case 14: o.NUMBER_OF_PROGRAMS = value; break;
        case 15: o.ALLOW_MACHINE_CHANGE = value; break;
        case 16: o.ALLOW_BENDER_CHANGE = value; break;
        case 17: o.ALLOW_HAND_CHANGE = value; break;
        case 18: case 19: case 20: case 21: case 22:
            o.TRIAL_CRITERION[number - 18] = value;
            break;
        case 23: readForced(line, word, afterWord, o.FORCE_MACHINE, o.forcedMachineId); break;
        case 24: readForced(line, word, afterWord, o.FORCE_BENDER, o.forcedBenderId); break;
    }
}

}  // namespace

const char* parameterLineName(int number) {
    return number >= 1 && number <= kParameterLines ? kLineNames[number - 1] : "";
}

ResultPathLine readParameterFile(JobOptions& o, const char* path, char* cutPieceFilePath, char* resultFilePath,
                       char* databaseFilePath, Diagnostics* diagnostics) {
    // Binary mode: every platform reads the same bytes; readTextLine drops
    // the carriage return of a CRLF line end. A file that cannot be opened
    // reads as 24 empty lines.
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;

    // One buffer for all lines, empty at the start. A read at the end of the
    // file leaves it unchanged, so a missing line reads as the last line
    // present.
    std::optional<ParameterCheck> check;
    if (diagnostics != nullptr) {
        check.emplace(ParameterCheck{*diagnostics, diagnostics->parameterFile.empty() ? path : diagnostics->parameterFile, {}});
    }
    const ParameterPaths paths{cutPieceFilePath, resultFilePath, databaseFilePath};
    ResultPathLine resultLine;
    char line[kParameterLine] = {};
    for (int number = 1; number <= kParameterLines; ++number) {
        if (file != nullptr) {
            const int gotLine = readTextLine(file, line, kParameterLine);
            if (check && gotLine) check->piece(file, line, number);
        }
        char word[kLineBuffer];
        const int32_t afterWord = nextWord(line, 0, word);
        noteResultLine(resultLine, number, line, afterWord);
        if (check) check->values(number, line, word, afterWord);
        storeLine(o, paths, number, line, word, afterWord);
    }
    if (check) check->finish(file);
    if (file != nullptr) std::fclose(file);
    return resultLine;
}

}  // namespace kwarel
