// What the readers notice about the files they read: a sink the input
// checker passes to the readers. The job passes none, and then the readers
// do exactly the work they always do.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace kwarel {

enum class Severity { Warning, Error };

struct Diagnostic {
    std::string file;
    int32_t line;  // 1-based line of the file
    Severity severity;
    std::string message;
};

struct Diagnostics {
    std::vector<Diagnostic> items;

    // The line each record came from, by list, in list order, so that checks
    // made after reading can point at the line of a record.
    std::vector<int32_t> machineLines, benderLines, bendCapabilityLines, materialCapabilityLines,
        tubeDataLines;
    std::vector<int32_t> cutPieceLines;      // the FINISH line that stored the piece
    std::vector<int32_t> cutPieceCutLines;   // the /CUT line that began it (0 when none)
    std::vector<int32_t> pipeBendLines;
    int32_t parameterLines[25] = {};          // physical line of parameter line 1 to 24
    // Files as the checker names them in its messages.
    std::string parameterFile, databaseFile, cutPieceFile;

    void add(const std::string& file, int32_t line, Severity severity, std::string message) {
        items.push_back({file, line, severity, std::move(message)});
    }
    void error(const std::string& file, int32_t line, std::string message) {
        add(file, line, Severity::Error, std::move(message));
    }
    void warning(const std::string& file, int32_t line, std::string message) {
        add(file, line, Severity::Warning, std::move(message));
    }
    int32_t count(Severity severity) const {
        int32_t n = 0;
        for (const Diagnostic& d : items) n += d.severity == severity ? 1 : 0;
        return n;
    }
};

// Physical line numbers of the pieces a reader reads with readTextLine: a
// line longer than the buffer comes in several pieces, all on one line of
// the file.
struct LineCounter {
    int32_t line = 0;          // line of the piece just read
    bool lineEnded = true;     // the previous piece ended its line
    bool continued = false;    // the piece just read continues the previous one

    void advance(const char* piece) {
        continued = !lineEnded;
        if (lineEnded) ++line;
        std::size_t n = 0;
        while (piece[n] != '\0') ++n;
        lineEnded = n > 0 && piece[n - 1] == '\n';
    }
};

// Notes a byte order mark, carriage returns that end lines on their own, and
// a line longer than a reader's buffer of `bufferSize` bytes, for the piece
// just read. `atEnd` tells whether the file ended after the piece.
void noteRawLine(Diagnostics& diagnostics, const std::string& file, const LineCounter& counter,
                 const char* piece, int bufferSize, bool atEnd);

// Text of a reader value for a message: quoted, line end dropped, control
// characters shown as \xNN.
std::string quoted(const char* text);

// The text without blanks, tabs and line ends at either end.
std::string trimmed(const char* text);

// The text with a to z in capitals.
std::string upperCase(std::string text);

// The keyword nearest to `upper` by edit distance, if it is nearer than
// `limit` edits (the first such keyword on a tie), for "did you mean" hints;
// null when none is.
const char* closestKeyword(const std::string& upper, std::initializer_list<const char*> keywords, std::size_t limit);

// True when the whole of `text` (blanks and line ends around it allowed)
// reads as a decimal integer (`integer`) or a decimal number.
bool readsFullyAsInteger(const char* text);
bool readsFullyAsNumber(const char* text);

// The value a reader takes from `text`, as a message shows it: the whole
// number (`integer`), or the number to 15 significant digits.
std::string readAs(const char* text, bool integer);

// Reports a text cut to `width` - 1 characters by its record field.
void noteTextWidth(Diagnostics& diagnostics, const std::string& file, int32_t line, const char* name,
                   const char* text, int width);

}  // namespace kwarel
