#include "input/database_reader.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "input/database_check.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

// Longest first word the reader compares with its keywords.
constexpr int32_t kKeywordLength = 25;
// Most fields a record line of any section has.
constexpr int kMaxFields = 17;

using Section = DatabaseSection;

// What the reader needs to report on the file when it has a diagnostics sink.
struct Checking {
    Diagnostics& diagnostics;
    std::string file;
    LineCounter lines;

    void readPiece(std::FILE* stream, const char* piece) {
        lines.advance(piece);
        noteRawLine(diagnostics, file, lines, piece, kLineBuffer, std::feof(stream) != 0 || peekEnd(stream));
    }
    static bool peekEnd(std::FILE* stream) {
        const int c = std::fgetc(stream);
        if (c == EOF) return true;
        std::ungetc(c, stream);
        return false;
    }
    std::vector<int32_t>& recordLines(Section section) {
        switch (section) {
            case Section::Machine: return diagnostics.machineLines;
            case Section::Bender: return diagnostics.benderLines;
            case Section::BendCapability: return diagnostics.bendCapabilityLines;
            case Section::MaterialCapability: return diagnostics.materialCapabilityLines;
            case Section::TubeData: break;
        }
        return diagnostics.tubeDataLines;
    }
};

// End of input: the end of the file, or a read error (a directory opened as a
// file reads nothing and never reaches the end), so the loops always stop.
bool atEnd(std::FILE* file) { return std::feof(file) != 0 || std::ferror(file) != 0; }

// The fields of one record line, cut with nextField and "|". Once the line
// runs out of fields every further field repeats the last one cut, because
// nextField leaves its result buffer as it was.
struct Fields {
    char text[kMaxFields][kLineBuffer];

    void cut(const char* line, int count) {
        char field[kLineBuffer] = {};
        int32_t position = 0;
        for (int i = 0; i < count; ++i) {
            position = nextField(line, position, '|', field);
            std::memcpy(text[i], field, sizeof field);
        }
    }
    const char* operator[](int fieldNumber) const { return text[fieldNumber - 1]; }
    int32_t integer(int fieldNumber) const { return toInteger(text[fieldNumber - 1]); }
    double number(int fieldNumber) const { return toNumber(text[fieldNumber - 1]); }
    // A length in the units whose factor is given, in tenths of a millimetre.
    int32_t length(int fieldNumber, int32_t factor) const {
        return truncateToInt32(number(fieldNumber) * factor);
    }
};

// Factor of a record's own units field: 2 means inches, anything else millimetres.
int32_t recordFactor(int32_t unitsCode) { return unitsCode == 2 ? 254 : 10; }

// Cuts the line's first `fieldCount` fields, lets `fill` set the fields of a
// zeroed record from them and appends the record to the list.
template <typename Record, typename Fill>
void storeRecord(RecordList<Record>& list, const char* line, int fieldCount, Fill fill) {
    Fields f;
    f.cut(line, fieldCount);
    list.zeroCurrent();
    fill(list.current, f);
    list.append();
    list.store(list.count - 1);
}

void storeMachine(Shop& shop, const char* line, int32_t factor) {
    storeRecord(shop.machines, line, 17, [&](MachineRecord& r, const Fields& f) {
        copyText(r.name, f[1]);
        r.priority = f.integer(2);
        copyText(r.benderNames, f[3]);
        r.hand = lowBits16(f.integer(4));
        r.maxPipeLength = f.length(5, factor);
        r.maxBendAngle = f.integer(6);
        r.machineHeight = f.length(7, factor);
        r.hasPit = lowBits16(f.integer(8));
        r.pitDepth = f.length(9, factor);
        r.pitRadius = f.length(10, factor);
        r.frontRadius = f.length(11, factor);
        r.bodyHalfWidth = f.length(12, factor);
        r.leftWall = f.length(13, factor);
        r.rightWall = f.length(14, factor);
        r.frontWall = f.length(15, factor);
        r.backWall = f.length(16, factor);
        r.ceilingHeight = f.length(17, factor);
    });
}

void storeBender(Shop& shop, const char* line, int32_t factor) {
    storeRecord(shop.benders, line, 5, [&](BenderRecord& r, const Fields& f) {
        copyText(r.name, f[1]);
        r.priority = f.integer(2);
        r.minFirstStraight = f.length(3, factor);
        r.minMiddleStraight = f.length(4, factor);
        r.minLastStraight = f.length(5, factor);
    });
}

void storeBendCapability(Shop& shop, const char* line) {
    storeRecord(shop.bendCapabilities, line, 5, [&](BendCapabilityRecord& r, const Fields& f) {
        copyText(r.benderName, f[1]);
        r.nominalBore = f.number(2);
        r.auxValue = f.integer(3);
        r.radiusUnits = f.integer(5);
        r.bendRadius = f.length(4, recordFactor(r.radiusUnits));
    });
}

void storeMaterialCapability(Shop& shop, const char* line) {
    storeRecord(shop.materialCapabilities, line, 6, [&](MaterialCapabilityRecord& r, const Fields& f) {
        copyText(r.benderName, f[1]);
        copyText(r.materialSpec, f[2]);
        r.thicknessUnits = f.integer(6);
        const int32_t factor = recordFactor(r.thicknessUnits);
        r.minWallThickness = f.length(3, factor);
        r.maxWallThickness = f.length(4, factor);
        // Only an uppercase Y in the field's first character means a mandrel.
        r.mandrel = f[5][0] == 'Y' ? 1 : 0;
    });
}

void storeTubeData(Shop& shop, const char* line, int32_t factor) {
    storeRecord(shop.tubeData, line, 10, [&](TubeDataRecord& r, const Fields& f) {
        copyText(r.itemCode, f[1]);
        r.nominalBore = f.number(2);
        copyText(r.materialSpec, f[3]);
        r.sizeUnits = f.integer(10);
        const int32_t sizeFactor = recordFactor(r.sizeUnits);
        r.wallThickness = f.length(4, sizeFactor);
        r.outsideDiameter = f.length(5, sizeFactor);
        r.maxDeliveryLength = f.length(6, factor);
        r.springbackAngle = f.integer(7);
        r.stretchPercent = f.integer(8);
        r.weldShrinkage = f.length(9, factor);
    });
}

// Reads the next line into `line` (left empty at the end of the file) and
// its first word, as far as the keywords go, into `word`. Returns whether a
// line was read.
int readDatabaseLine(std::FILE* file, char (&line)[kLineBuffer], char (&word)[kLineBuffer], Checking* checking) {
    std::memset(line, 0, sizeof line);
    const int gotLine = readTextLine(file, line, kLineBuffer);
    if (checking != nullptr && gotLine) checking->readPiece(file, line);
    firstWord(line, word, kKeywordLength);
    return gotLine;
}

// Reads the record lines of one section up to its end keyword or the end of
// the file. The length factor is fixed by the units in force when the section
// begins.
void readSection(Shop& shop, std::FILE* file, Section section, const char* startKeyword, const char* endKeyword,
                 Checking* checking) {
    const int32_t factor = shop.databaseUnits == kUnitsMillimetre ? 10 : 254;
    const int32_t sectionLine = checking != nullptr ? checking->lines.line : 0;
    int32_t records = 0;
    bool swallowed = false;
    char line[kLineBuffer];
    char word[kLineBuffer];
    for (;;) {
        const int gotLine = readDatabaseLine(file, line, word, checking);
        if (equalsNoCase(word, endKeyword)) return;
        if (!gotLine) break;
        if (checking != nullptr) {
            // Once the section has swallowed another section's start, the
            // never-closed report covers the lines that follow.
            const std::size_t before = checking->diagnostics.items.size();
            if (!swallowed) {
                checkDatabaseRecord(checking->diagnostics, checking->file, checking->lines.line, line, section,
                                    sectionLine);
            }
            for (std::size_t i = before; i < checking->diagnostics.items.size(); ++i) {
                swallowed = swallowed || checking->diagnostics.items[i].message.find(" is read as a ") != std::string::npos;
            }
            checking->recordLines(section).push_back(checking->lines.line);
            ++records;
        }
        switch (section) {
            case Section::Machine: storeMachine(shop, line, factor); break;
            case Section::Bender: storeBender(shop, line, factor); break;
            case Section::BendCapability: storeBendCapability(shop, line); break;
            case Section::MaterialCapability: storeMaterialCapability(shop, line); break;
            case Section::TubeData: storeTubeData(shop, line, factor); break;
        }
        if (atEnd(file)) break;
    }
    if (checking != nullptr) {
        checking->diagnostics.error(
            checking->file, sectionLine,
            std::string(startKeyword) + " is never closed (no " + endKeyword + " at the start of a line): the " +
                std::to_string(records) + " lines after it are all read as " + databaseSectionName(section) +
                " records");
    }
}

struct SectionKeywords {
    const char* start;
    const char* end;
    Section section;
};

constexpr SectionKeywords kSections[] = {
    {"STARTMACHINE", "ENDMACHINE", Section::Machine},
    {"STARTBENDER", "ENDBENDER", Section::Bender},
    {"STARTBENDCAPABILITY", "ENDBENDCAPABILITY", Section::BendCapability},
    {"STARTMATERIALCAPABILITY", "ENDMATERIALCAPABILITY", Section::MaterialCapability},
    {"STARTTUBEDATA", "ENDTUBEDATA", Section::TubeData},
};

}  // namespace

void readBenderDatabase(Shop& shop, const char* path, Diagnostics* diagnostics) {
    shop.clear();
    shop.databaseUnits = kUnitsMillimetre;

    // Binary mode: every platform reads the same bytes; readTextLine drops
    // the carriage return of a CRLF line end.
    std::FILE* file = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (file == nullptr) return;

    std::optional<Checking> checkingState;
    if (diagnostics != nullptr) {
        checkingState.emplace(Checking{*diagnostics, diagnostics->databaseFile.empty() ? path : diagnostics->databaseFile, {}});
    }
    Checking* checking = checkingState ? &*checkingState : nullptr;

    char line[kLineBuffer];
    char word[kLineBuffer];
    for (;;) {
        const int gotLine = readDatabaseLine(file, line, word, checking);
        if (checking != nullptr && gotLine) {
            checkDatabaseTopLine(*diagnostics, checking->file, checking->lines.line, line);
        }
        if (equalsNoCase(word, "UNITS")) {
            char units[kLineBuffer];
            nextWord(line, 5, units);
            shop.databaseUnits = equalsNoCase(units, "INCHES") ? kUnitsInch : kUnitsMillimetre;
        } else {
            for (const SectionKeywords& k : kSections) {
                if (equalsNoCase(word, k.start)) {
                    readSection(shop, file, k.section, k.start, k.end, checking);
                    break;
                }
            }
        }
        if (atEnd(file)) break;
    }
    std::fclose(file);
}

}  // namespace kwarel
