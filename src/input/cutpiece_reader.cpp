#include "input/cutpiece_reader.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "input/cutpiece_check.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

// State of one read of the file.
struct Reader {
    CutPieceFile& file;
    const char* line;
    int32_t position = -1;   // where the next value begins (nextWord chaining)
    double factor = 10.0;    // length factor: 10 for millimetres, 254 for inches
    bool inHeader = false;   // set by /HEADER, cleared by /SPOOL and /CUT
    bool ended = false;      // set by /END
    char spoolId[31] = {};   // current spool id, at most 30 characters
    char cutId[31] = {};     // current cut id, at most 30 characters
    char value[kLineBuffer] = {};

    // The next word of the line; the empty text when there is none.
    const char* next() {
        position = nextWord(line, position, value);
        return value;
    }
    double coordinate() { return toNumber(next()) * factor; }
    int32_t length() { return truncateToInt32(toNumber(next()) * factor); }
};

// The header and spool keywords and the units. Returns false for any other
// keyword.
bool readHeaderLine(Reader& r, const char* keyword) {
    CutPieceFile& s = r.file;
    if (equalsNoCase(keyword, "/HEADER")) {
        r.inHeader = true;
    } else if (equalsNoCase(keyword, "DATE")) {
        copyText(s.headerDate, r.next());
    } else if (equalsNoCase(keyword, "PIPELINE")) {
        copyText(s.headerPipeline, r.next());
    } else if (equalsNoCase(keyword, "PIPING-SPEC")) {
        // Outside the header it belongs to the piece being built.
        if (r.inHeader) {
            copyText(s.headerPipingSpec, r.next());
        } else {
            copyText(s.cutPieces.current.pipingSpec, r.next());
        }
    } else if (equalsNoCase(keyword, "/SPOOL")) {
        r.inHeader = false;
    } else if (equalsNoCase(keyword, "SPOOL-ID")) {
        copyText(r.spoolId, r.next());
    } else if (equalsNoCase(keyword, "UNITS-BORE")) {
        s.boreUnits = equalsNoCase(r.next(), "INCH") ? kUnitsInch : kUnitsMillimetre;
    } else if (equalsNoCase(keyword, "UNITS-LENGTH")) {
        const bool inch = equalsNoCase(r.next(), "INCH");
        s.lengthUnits = inch ? kUnitsInch : kUnitsMillimetre;
        r.factor = inch ? 254.0 : 10.0;
    } else {
        return false;
    }
    return true;
}

// The keywords of the cut piece being built in the slot; FINISH stores it.
// Returns false for any other keyword.
bool readPieceLine(Reader& r, const char* keyword) {
    CutPieceFile& s = r.file;
    CutPieceRecord& piece = s.cutPieces.current;
    if (equalsNoCase(keyword, "/CUT")) {
        s.cutPieces.zeroCurrent();
        copyText(piece.spoolId, r.spoolId);
        copyText(piece.pipingSpec, s.headerPipingSpec);
        r.inHeader = false;
    } else if (equalsNoCase(keyword, "CUT-ID")) {
        copyText(r.cutId, r.next());
        copyText(piece.cutId, r.cutId);
    } else if (equalsNoCase(keyword, "ITEM-CODE")) {
        copyText(piece.itemCode, r.next());
    } else if (equalsNoCase(keyword, "START")) {
        piece.startX = r.coordinate();
        piece.startY = r.coordinate();
        piece.startZ = r.coordinate();
    } else if (equalsNoCase(keyword, "FINISH")) {
        piece.finishX = r.coordinate();
        piece.finishY = r.coordinate();
        piece.finishZ = r.coordinate();
        s.cutPieces.append();
        s.cutPieces.store(s.cutPieces.count - 1);
    } else if (equalsNoCase(keyword, "ND")) {
        piece.nominalBore = parseFractionValue(r.next());
    } else if (equalsNoCase(keyword, "START-END-TYPE")) {
        copyText(piece.startEndType, r.next());
    } else if (equalsNoCase(keyword, "FINISH-END-TYPE")) {
        copyText(piece.finishEndType, r.next());
    } else if (equalsNoCase(keyword, "DEV-LENGTH")) {
        piece.devLength = truncateToInt32(parseFractionValue(r.next()) * r.factor);
    } else {
        return false;
    }
    return true;
}

// A BEND line (any keyword that begins with BEND): a pipe bend of the
// current CUT-ID and SPOOL-ID.
void readBendLine(Reader& r) {
    CutPieceFile& s = r.file;
    s.pipeBends.zeroCurrent();
    PipeBendRecord& bend = s.pipeBends.current;
    copyText(bend.cutId, r.cutId);
    copyText(bend.spoolId, r.spoolId);
    bend.bendX = r.coordinate();
    bend.bendY = r.coordinate();
    bend.bendZ = r.coordinate();
    bend.bendRadius = r.length();
    bend.bendAngle = toInteger(r.next());
    s.pipeBends.append();
    s.pipeBends.store(s.pipeBends.count - 1);
}

void readLine(Reader& r) {
    char keyword[kLineBuffer];
    r.position = nextWord(r.line, 0, keyword);
    if (readHeaderLine(r, keyword) || readPieceLine(r, keyword)) return;
    if (startsWithNoCase(keyword, "BEND")) {
        readBendLine(r);
    } else if (equalsNoCase(keyword, "/END")) {
        r.ended = true;
    }
}

// The characters of `text` from `begin` up to (not including) `end`, read
// as a decimal number; an empty range gives 0.
double partValue(const std::string& text, std::size_t begin, std::size_t end) {
    if (end <= begin) return 0.0;
    return toNumber(text.substr(begin, end - begin).c_str());
}

}  // namespace

void readCutPieceFile(CutPieceFile& file, const char* path, Diagnostics* diagnostics) {
    file.clear();
    file.boreUnits = kUnitsInch;
    file.lengthUnits = kUnitsMillimetre;
    // A FINISH or a value before the first /CUT lands in a zeroed slot, not
    // in whatever the previous job left there.
    file.cutPieces.zeroCurrent();
    file.pipeBends.zeroCurrent();

    // Binary mode: every platform reads the same bytes; readTextLine drops
    // the carriage return of a CRLF line end.
    std::FILE* stream = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (stream == nullptr) return;

    std::optional<CutPieceCheck> check;
    if (diagnostics != nullptr) {
        check.emplace(*diagnostics, diagnostics->cutPieceFile.empty() ? path : diagnostics->cutPieceFile);
    }

    char line[kLineBuffer];
    Reader reader{file, line};
    for (;;) {
        std::memset(line, 0, sizeof line);
        const int gotLine = readTextLine(stream, line, kLineBuffer);
        if (check && gotLine) checkCutPieceLine(*check, stream, line);
        readLine(reader);
        // A read error (a directory opened as a file) ends the read as the
        // end of the file does.
        if (reader.ended || std::feof(stream) != 0 || std::ferror(stream) != 0) break;
    }
    if (check) finishCutPieceCheck(*check);
    std::fclose(stream);
}

double parseFractionValue(const char* text) {
    // The whole text is read, however long: nothing is copied into a fixed
    // working area.
    const std::string t = text != nullptr ? text : "";
    const std::size_t slash = t.rfind('/');
    if (slash == std::string::npos || slash == 0) return toNumber(t.c_str());
    const std::size_t point = t.rfind('.');
    double whole = 0.0;
    std::size_t numeratorBegin = 0;
    if (point != std::string::npos) {
        whole = partValue(t, 0, point);
        numeratorBegin = point + 1;
    }
    // A point after the slash leaves the numerator empty.
    const double numerator = partValue(t, numeratorBegin, slash);
    const double denominator = partValue(t, slash + 1, t.size());
    // An empty or zero denominator drops the fraction: the value is the whole
    // part alone, never an infinity or not-a-number.
    if (denominator == 0.0) return whole;
    return whole + numerator / denominator;
}

}  // namespace kwarel
