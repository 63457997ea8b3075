#include "input/cutpiece_check.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "store/limits.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

constexpr std::initializer_list<const char*> kKeywords = {
    "/HEADER", "DATE",   "PIPELINE", "PIPING-SPEC", "/SPOOL", "SPOOL-ID", "/CUT", "CUT-ID", "ITEM-CODE", "START",
    "FINISH",  "ND",     "BEND",     "/END",        "START-END-TYPE", "FINISH-END-TYPE", "DEV-LENGTH", "UNITS-BORE",
    "UNITS-LENGTH"};

bool isKeyword(const std::string& upper) {
    if (upper.rfind("BEND", 0) == 0) return true;
    for (const char* k : kKeywords) {
        if (upper == k) return true;
    }
    return false;
}

// The words of a line after its keyword, as nextWord cuts them.
std::vector<std::string> valuesOf(const char* line) {
    std::vector<std::string> words;
    char word[kLineBuffer];
    int32_t position = nextWord(line, 0, word);
    while (position >= 0) {
        position = nextWord(line, position, word);
        if (position >= 0) words.push_back(word);
    }
    return words;
}

// A bore or developed length as parseFractionValue reads it: digits with an
// optional point, optionally followed by a fraction written
// whole.numerator/denominator.
bool readsAsFraction(const std::string& text) {
    const std::size_t slash = text.rfind('/');
    if (slash == std::string::npos || slash == 0) return readsFullyAsNumber(text.c_str());
    const std::string denominator = text.substr(slash + 1);
    if (!readsFullyAsInteger(denominator.c_str()) || toInteger(denominator.c_str()) == 0) return false;
    const std::string head = text.substr(0, slash);
    for (char c : head) {
        if (!(c >= '0' && c <= '9') && c != '.') return false;
    }
    return std::count(head.begin(), head.end(), '.') <= 1 && !head.empty();
}

void counted(CutPieceCheck& c, const std::string& keyword, const std::vector<std::string>& values,
             std::size_t needed, const char* names) {
    const int32_t line = c.lines.line;
    if (values.size() < needed) {
        c.diagnostics.error(c.file, line,
                            keyword + " has " + std::to_string(values.size()) + " of its " + std::to_string(needed) +
                                " values (" + names + "): the missing ones read as 0");
    } else if (values.size() > needed) {
        c.diagnostics.warning(c.file, line,
                              keyword + " has " + std::to_string(values.size()) + " values, " +
                                  std::to_string(needed) + " are read (" + names + "): the rest is ignored");
    }
}

void number(CutPieceCheck& c, const std::string& keyword, const char* name, const std::vector<std::string>& values,
            std::size_t index, bool integer) {
    if (index >= values.size()) return;
    const char* text = values[index].c_str();
    if (integer ? readsFullyAsInteger(text) : readsFullyAsNumber(text)) return;
    c.diagnostics.warning(c.file, c.lines.line,
                          keyword + " " + name + " " + quoted(text) + " is not " +
                              (integer ? "a whole number" : "a number") + ": read as " + readAs(text, integer));
}

// A one-word text value: present, one word, within its field's width.
void text(CutPieceCheck& c, const std::string& keyword, const std::vector<std::string>& values, int width) {
    const int32_t line = c.lines.line;
    if (values.empty()) {
        c.diagnostics.warning(c.file, line, keyword + " has no value: the text is empty");
        return;
    }
    if (values.size() > 1) {
        c.diagnostics.warning(c.file, line,
                              keyword + " value has more than one word: only " + quoted(values[0].c_str()) +
                                  " is kept");
    }
    noteTextWidth(c.diagnostics, c.file, line, keyword.c_str(), values[0].c_str(), width);
}

void afterFinish(CutPieceCheck& c, const std::string& keyword) {
    if (c.pieceOpen && c.finishes > 0) {
        c.diagnostics.warning(c.file, c.lines.line,
                              keyword + " comes after the piece's FINISH (line " + std::to_string(c.finishLine) +
                                  "), which stored the piece: the value is lost");
    }
}

void closePiece(CutPieceCheck& c) {
    if (c.pieceOpen && c.finishes == 0) {
        std::string message = "cut piece " + quoted(c.cutId.c_str()) + " of spool " + quoted(c.spoolId.c_str()) +
                              " has no FINISH line: it is not stored and not planned";
        if (c.bendsInPiece > 0) {
            message += ", and its " + std::to_string(c.bendsInPiece) + " bend line" +
                       (c.bendsInPiece > 1 ? "s belong" : " belongs") + " to no cut piece";
        }
        c.diagnostics.error(c.file, c.pieceLine, message);
    }
    c.pieceOpen = false;
}

void warnUnknownKeyword(CutPieceCheck& c, const std::string& keyword, const std::string& upper) {
    const char* closest = closestKeyword(upper, kKeywords, upper.size() >= 7 ? 3 : 2);
    if (closest != nullptr || upper[0] == '/') {
        c.diagnostics.warning(c.file, c.lines.line,
                              "unknown keyword " + quoted(keyword.c_str()) +
                                  (closest != nullptr ? std::string(" (") + closest + "?)" : std::string()) +
                                  ": the line is ignored");
    }
}

// The header, spool and piece keywords whose value is a text, and the
// section keywords. Returns false for any other keyword.
bool checkTextLine(CutPieceCheck& c, const std::string& upper, const std::vector<std::string>& values) {
    const int32_t line = c.lines.line;
    if (upper == "/HEADER") {
        c.inHeader = true;
    } else if (upper == "DATE") {
        text(c, "DATE", values, 12);
    } else if (upper == "PIPELINE") {
        text(c, "PIPELINE", values, 48);
    } else if (upper == "PIPING-SPEC") {
        if (!c.inHeader) afterFinish(c, "PIPING-SPEC");
        text(c, "PIPING-SPEC", values, 21);
    } else if (upper == "/SPOOL") {
        c.inHeader = false;
    } else if (upper == "SPOOL-ID") {
        text(c, "SPOOL-ID", values, 31);
        c.spoolId = values.empty() ? "" : values[0].substr(0, 30);
    } else if (upper == "/CUT") {
        closePiece(c);
        c.inHeader = false;
        c.pieceOpen = true;
        c.pieceLine = line;
        c.finishes = 0;
        c.bendsInPiece = 0;
    } else if (upper == "CUT-ID") {
        text(c, "CUT-ID", values, 31);
        if (c.pieceOpen && c.finishes > 0) {
            c.diagnostics.warning(
                c.file, line,
                "CUT-ID comes after the piece's FINISH (line " + std::to_string(c.finishLine) +
                    "): the stored piece keeps its CUT-ID, and the bends after this line belong to the new one");
        }
        c.cutId = values.empty() ? "" : values[0].substr(0, 30);
    } else if (upper == "ITEM-CODE") {
        afterFinish(c, "ITEM-CODE");
        text(c, "ITEM-CODE", values, 31);
    } else if (upper == "START-END-TYPE" || upper == "FINISH-END-TYPE") {
        afterFinish(c, upper);
        text(c, upper, values, 11);
    } else {
        return false;
    }
    return true;
}

// START or FINISH: three coordinates; FINISH stores the piece.
void checkPointLine(CutPieceCheck& c, const std::string& upper, const std::vector<std::string>& values) {
    const int32_t line = c.lines.line;
    Diagnostics& d = c.diagnostics;
    if (upper == "START") afterFinish(c, "START");
    counted(c, upper, values, 3, "x, y, z");
    for (std::size_t i = 0; i < 3; ++i) number(c, upper, i == 0 ? "x" : i == 1 ? "y" : "z", values, i, false);
    if (upper != "FINISH") return;
    if (!c.pieceOpen) {
        d.warning(c.file, line, "FINISH before any /CUT stores a cut piece from the values read so far");
    } else if (c.finishes > 0) {
        d.warning(c.file, line,
                  "second FINISH of the piece begun at line " + std::to_string(c.pieceLine) +
                      ": it stores another cut piece with the same CUT-ID and SPOOL-ID");
    }
    ++c.finishes;
    c.finishLine = line;
    d.cutPieceLines.push_back(line);
    d.cutPieceCutLines.push_back(c.pieceOpen ? c.pieceLine : 0);
}

// A BEND line: point, radius and angle.
void checkBendLine(CutPieceCheck& c, const std::string& keyword, const std::vector<std::string>& values) {
    const int32_t line = c.lines.line;
    Diagnostics& d = c.diagnostics;
    d.pipeBendLines.push_back(line);
    if (c.pieceOpen) ++c.bendsInPiece;
    if (c.cutId.empty()) d.warning(c.file, line, "bend before any CUT-ID: it belongs to no cut piece");
    counted(c, keyword, values, 5, "x, y, z, radius, angle");
    for (std::size_t i = 0; i < 4; ++i) {
        number(c, keyword, i == 0 ? "x" : i == 1 ? "y" : i == 2 ? "z" : "radius", values, i, false);
    }
    number(c, keyword, "angle", values, 4, true);
    const double radius = values.size() > 3 ? toNumber(values[3].c_str()) : 0.0;
    const int32_t angle = values.size() > 4 ? toInteger(values[4].c_str()) : 0;
    if (angle == 0) {
        d.warning(c.file, line, "bend of 0 degrees: it is planned as a bend that does not bend");
    } else if (angle < 0) {
        d.error(c.file, line,
                "bend of " + std::to_string(angle) +
                    " degrees: angles are positive (the bend plane gives the direction); the negative angle "
                    "gives negative arc lengths");
    } else if (angle >= 180) {
        d.error(c.file, line,
                "bend of " + std::to_string(angle) +
                    " degrees: a bend must be less than 180 degrees; the bend's setback is meaningless");
    }
    if (radius < 0.0) {
        d.error(c.file, line, "negative bend radius: its setback and arc are negative");
    } else if (radius == 0.0 && values.size() > 3) {
        d.warning(c.file, line, "bend radius 0: the bend accepts a bender of any radius");
    }
}

}  // namespace

void checkCutPieceLine(CutPieceCheck& c, std::FILE* stream, const char* piece) {
    c.lines.advance(piece);
    int next = std::fgetc(stream);
    const bool atEnd = next == EOF;
    if (!atEnd) std::ungetc(next, stream);
    noteRawLine(c.diagnostics, c.file, c.lines, piece, kLineBuffer, atEnd);

    char first[kLineBuffer];
    nextWord(piece, 0, first);
    const std::string keyword = first;
    const std::string upper = upperCase(keyword);
    if (keyword.empty() || keyword[0] == '#') return;
    const std::vector<std::string> values = valuesOf(piece);
    const int32_t line = c.lines.line;
    Diagnostics& d = c.diagnostics;

    if (!isKeyword(upper)) {
        warnUnknownKeyword(c, keyword, upper);
        return;
    }
    if (checkTextLine(c, upper, values)) return;
    if (upper == "START" || upper == "FINISH") {
        checkPointLine(c, upper, values);
    } else if (upper == "ND" || upper == "DEV-LENGTH") {
        afterFinish(c, upper);
        if (values.empty()) {
            d.warning(c.file, line, upper + " has no value: read as 0");
        } else if (!readsAsFraction(values[0])) {
            d.warning(c.file, line,
                      upper + " " + quoted(values[0].c_str()) +
                          " is not a number or a fraction such as 1.1/2: it reads as what its leading digits give");
        }
    } else if (upper.rfind("BEND", 0) == 0) {
        checkBendLine(c, keyword, values);
    } else if (upper == "UNITS-BORE" || upper == "UNITS-LENGTH") {
        const std::string u = values.empty() ? "" : upperCase(values[0]);
        if (u != "INCH" && u != "MM") {
            d.warning(c.file, line,
                      upper + " " + (values.empty() ? std::string("without a word") : quoted(values[0].c_str())) +
                          " reads as millimetres: only INCH selects inches");
        }
    }
}

void finishCutPieceCheck(CutPieceCheck& c) { closePiece(c); }

}  // namespace kwarel
