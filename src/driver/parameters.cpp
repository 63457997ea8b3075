#include "driver/parameters.h"

#include <cstdio>

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

}  // namespace

void readParameterFile(JobOptions& o, const char* path, char* cutPieceFilePath, char* resultFilePath,
                       char* databaseFilePath) {
    // Binary mode: every platform reads the same bytes; readTextLine drops
    // the carriage return of a CRLF line end. A file that cannot be opened
    // reads as 24 empty lines.
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;

    // One buffer for all lines, empty at the start. A read at the end of the
    // file leaves it unchanged, so a missing line reads as the last line
    // present.
    char line[kParameterLine] = {};
    for (int number = 1; number <= kParameterLines; ++number) {
        if (file != nullptr) readTextLine(file, line, kParameterLine);
        char word[kLineBuffer];
        const int32_t afterWord = nextWord(line, 0, word);
        const int32_t value = toInteger(word);
        switch (number) {
            case 1: copyPath(cutPieceFilePath, word); break;
            case 2: copyPath(resultFilePath, word); break;
            case 3: copyPath(databaseFilePath, word); break;
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
    if (file != nullptr) std::fclose(file);
}

}  // namespace kwarel
