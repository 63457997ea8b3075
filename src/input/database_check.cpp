#include "input/database_check.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "store/limits.h"
#include "store/numbers.h"
#include "store/text.h"

namespace kwarel {
namespace {

enum class Kind { Text, Integer, Number, Length, Hand, Mandrel, UnitsCode };

struct FieldLayout {
    const char* name;
    Kind kind;
    int width;  // text fields: the record field's width with its terminator
};

const std::vector<FieldLayout>& fieldsOf(DatabaseSection section) {
    static const std::vector<FieldLayout> machine = {
        {"name", Kind::Text, 12},          {"priority", Kind::Integer, 0},   {"benderNames", Kind::Text, 32},
        {"hand", Kind::Hand, 0},           {"maxPipeLength", Kind::Length, 0}, {"maxBendAngle", Kind::Integer, 0},
        {"machineHeight", Kind::Length, 0}, {"hasPit", Kind::Integer, 0},   {"pitDepth", Kind::Length, 0},
        {"pitRadius", Kind::Length, 0},    {"frontRadius", Kind::Length, 0}, {"bodyHalfWidth", Kind::Length, 0},
        {"leftWall", Kind::Length, 0},     {"rightWall", Kind::Length, 0},  {"frontWall", Kind::Length, 0},
        {"backWall", Kind::Length, 0},     {"ceilingHeight", Kind::Length, 0}};
    static const std::vector<FieldLayout> bender = {{"name", Kind::Text, 12},
                                                  {"priority", Kind::Integer, 0},
                                                  {"minFirstStraight", Kind::Length, 0},
                                                  {"minMiddleStraight", Kind::Length, 0},
                                                  {"minLastStraight", Kind::Length, 0}};
    static const std::vector<FieldLayout> bendCapability = {{"benderName", Kind::Text, 16},
                                                          {"nominalBore", Kind::Number, 0},
                                                          {"auxValue", Kind::Integer, 0},
                                                          {"bendRadius", Kind::Length, 0},
                                                          {"radiusUnits", Kind::UnitsCode, 0}};
    static const std::vector<FieldLayout> materialCapability = {
        {"benderName", Kind::Text, 11},       {"materialSpec", Kind::Text, 21}, {"minWallThickness", Kind::Length, 0},
        {"maxWallThickness", Kind::Length, 0}, {"mandrel", Kind::Mandrel, 0},    {"thicknessUnits", Kind::UnitsCode, 0}};
    static const std::vector<FieldLayout> tubeData = {
        {"itemCode", Kind::Text, 32},          {"nominalBore", Kind::Number, 0},
        {"materialSpec", Kind::Text, 24},      {"wallThickness", Kind::Length, 0},
        {"outsideDiameter", Kind::Length, 0},  {"maxDeliveryLength", Kind::Length, 0},
        {"springbackAngle", Kind::Integer, 0}, {"stretchPercent", Kind::Integer, 0},
        {"weldShrinkage", Kind::Length, 0},    {"sizeUnits", Kind::UnitsCode, 0}};
    switch (section) {
        case DatabaseSection::Machine: return machine;
        case DatabaseSection::Bender: return bender;
        case DatabaseSection::BendCapability: return bendCapability;
        case DatabaseSection::MaterialCapability: return materialCapability;
        case DatabaseSection::TubeData: break;
    }
    return tubeData;
}

constexpr const char* kStartKeywords[] = {"STARTMACHINE", "STARTBENDER", "STARTBENDCAPABILITY",
                                          "STARTMATERIALCAPABILITY", "STARTTUBEDATA"};
constexpr const char* kEndKeywords[] = {"ENDMACHINE", "ENDBENDER", "ENDBENDCAPABILITY", "ENDMATERIALCAPABILITY",
                                        "ENDTUBEDATA"};

// The first word of a line after any leading blanks.
std::string leadingWord(const char* text) {
    char word[kLineBuffer];
    nextWord(text, 0, word);
    return word;
}

const char* kindWord(Kind kind) { return kind == Kind::Integer || kind == Kind::Hand ? "a whole number" : "a number"; }

void checkNumber(Diagnostics& d, const std::string& file, int32_t line, const char* section, int number,
                 const FieldLayout& layout, const char* text) {
    const bool integer = layout.kind == Kind::Integer || layout.kind == Kind::Hand || layout.kind == Kind::UnitsCode;
    if (integer ? readsFullyAsInteger(text) : readsFullyAsNumber(text)) return;
    const std::string value = trimmed(text);
    if (value.empty()) {
        d.warning(file, line,
                  std::string(section) + " field " + std::to_string(number) + " (" + layout.name + ") is empty: read as 0");
    } else {
        d.warning(file, line,
                  std::string(section) + " field " + std::to_string(number) + " (" + layout.name + ") " +
                      quoted(value.c_str()) + " is not " + kindWord(layout.kind) + ": read as " + readAs(text, integer));
    }
}

}  // namespace

const char* databaseSectionName(DatabaseSection section) {
    switch (section) {
        case DatabaseSection::Machine: return "machine";
        case DatabaseSection::Bender: return "bender";
        case DatabaseSection::BendCapability: return "bend capability";
        case DatabaseSection::MaterialCapability: return "material capability";
        case DatabaseSection::TubeData: break;
    }
    return "tube data";
}

void checkDatabaseTopLine(Diagnostics& d, const std::string& file, int32_t line, const char* text) {
    const std::string word = leadingWord(text);
    const std::string upper = upperCase(word);
    if (upper.empty()) return;
    const bool indented = text[0] == ' ' || text[0] == '\t';
    for (std::size_t k = 0; k < 5; ++k) {
        if (upper == kStartKeywords[k]) {
            if (indented) {
                d.error(file, line,
                        word + " is indented, so it opens no section: the records after it up to " +
                            kEndKeywords[k] + " are ignored; start the line with the keyword");
            }
            return;
        }
        if (upper == kEndKeywords[k]) {
            d.warning(file, line, word + " closes no section (none is open): the line is ignored");
            return;
        }
    }
    if (upper == "UNITS") {
        if (indented) {
            d.error(file, line, "UNITS is indented, so the units do not change: the line is ignored");
            return;
        }
        char units[kLineBuffer];
        nextWord(text, 5, units);
        const std::string u = upperCase(units);
        if (u != "INCHES" && u != "MM" && u != "MILLIMETRES" && u != "MILLIMETERS") {
            d.warning(file, line,
                      "UNITS " + (u.empty() ? std::string("without a word") : quoted(units)) +
                          " selects millimetres for the sections after it: only INCHES selects inches");
        }
        return;
    }
    // Anything else at the top level is a comment, unless it looks like a
    // misspelt keyword.
    if (upper.size() < 5) return;
    const char* closest = closestKeyword(upper,
                                         {"STARTMACHINE", "STARTBENDER", "STARTBENDCAPABILITY",
                                          "STARTMATERIALCAPABILITY", "STARTTUBEDATA", "ENDMACHINE", "ENDBENDER",
                                          "ENDBENDCAPABILITY", "ENDMATERIALCAPABILITY", "ENDTUBEDATA", "UNITS"},
                                         3);
    const bool shouted = word == upper && (upper.rfind("START", 0) == 0 || upper.rfind("END", 0) == 0);
    if (closest != nullptr || shouted) {
        d.warning(file, line,
                  "unknown keyword " + quoted(word.c_str()) +
                      (closest != nullptr ? std::string(" (") + closest + "?)" : std::string()) +
                      ": the line is read as a comment");
    }
}

namespace {

// A section keyword inside a section, or a blank line there: both are read
// as records. Returns true when the line was one of them.
bool checkKeywordOrBlankRecord(Diagnostics& d, const std::string& file, int32_t line, const char* text,
                               const char* name, int32_t sectionLine) {
    const std::string word = upperCase(leadingWord(text));
    for (std::size_t k = 0; k < 5; ++k) {
        const bool start = word == kStartKeywords[k];
        const bool end = word == kEndKeywords[k];
        if (start || end || word == "UNITS") {
            d.error(file, line,
                    leadingWord(text) + " is read as a " + name + " record: the " + name +
                        " section opened at line " + std::to_string(sectionLine) +
                        (end || word == "UNITS" || text[0] == ' ' || text[0] == '\t'
                             ? " is closed only by its own end keyword at the start of a line"
                             : " is still open"));
            return true;
        }
    }
    if (trimmed(text).empty()) {
        d.warning(file, line,
                  std::string("blank line inside the ") + name + " section: it adds a " + name +
                      " record with empty texts and zero numbers");
        return true;
    }
    return false;
}

// Fewer fields than the section's records have, or more with text in them.
void checkFieldCount(Diagnostics& d, const std::string& file, int32_t line, const char* name,
                     const std::vector<FieldLayout>& layouts, const std::vector<std::string>& fields) {
    const std::size_t needed = layouts.size();
    if (fields.size() < needed) {
        d.error(file, line,
                std::string(name) + " record has " + std::to_string(fields.size()) + " of its " +
                    std::to_string(needed) + " fields: " + layouts[fields.size()].name +
                    (needed - fields.size() > 1 ? std::string(" to ") + layouts[needed - 1].name : std::string()) +
                    " read the text of field " + std::to_string(fields.size()) + " again");
    } else if (fields.size() > needed) {
        bool extraText = false;
        for (std::size_t i = needed; i < fields.size(); ++i) extraText = extraText || !trimmed(fields[i].c_str()).empty();
        if (extraText) {
            d.warning(file, line,
                      std::string(name) + " record has " + std::to_string(fields.size()) + " fields, " +
                          std::to_string(needed) + " are read: the rest is ignored");
        }
    }
}

// One field's value against its layout.
void checkField(Diagnostics& d, const std::string& file, int32_t line, const char* name, int number,
                const FieldLayout& layout, const char* value) {
    switch (layout.kind) {
        case Kind::Text: {
            std::string label = std::string(name) + " " + layout.name;
            noteTextWidth(d, file, line, label.c_str(), value, layout.width);
            const std::string t = trimmed(value);
            if (!t.empty() && t != value) {
                d.warning(file, line,
                          label + " " + quoted(value) +
                              " has blanks around it: they are part of the text, so it matches no " +
                              quoted(t.c_str()));
            }
            break;
        }
        case Kind::Mandrel: {
            const std::string u = trimmed(value);
            const bool yes = value[0] == 'Y';
            const std::string upper = upperCase(u);
            if (!(yes && (u == "Y" || u == "YES")) && upper != "N" && upper != "NO") {
                d.warning(file, line,
                          std::string("mandrel ") + quoted(u.c_str()) + " reads as " +
                              (yes ? "a mandrel" : "no mandrel") +
                              ": only an uppercase Y as the field's first character means a mandrel");
            }
            break;
        }
        default:
            checkNumber(d, file, line, name, number, layout, value);
            break;
    }
    if (layout.kind == Kind::UnitsCode && readsFullyAsInteger(value)) {
        const int32_t code = toInteger(value);
        if (code != 1 && code != 2) {
            d.warning(file, line,
                      std::string(name) + " " + layout.name + " " + std::to_string(code) +
                          " is neither 1 (millimetres) nor 2 (inches): read as millimetres");
        }
    }
    if (layout.kind == Kind::Hand && readsFullyAsInteger(value)) {
        const int32_t hand = toInteger(value);
        if (hand < 1 || hand > 3) {
            d.warning(file, line,
                      "machine hand " + std::to_string(hand) +
                          " is none of 1 (left), 2 (right) and 3 (both): the machine offers no hand");
        }
    }
}

}  // namespace

void checkDatabaseRecord(Diagnostics& d, const std::string& file, int32_t line, const char* text,
                         DatabaseSection section, int32_t sectionLine) {
    const char* name = databaseSectionName(section);
    if (checkKeywordOrBlankRecord(d, file, line, text, name, sectionLine)) return;
    const std::vector<FieldLayout>& layouts = fieldsOf(section);
    std::vector<std::string> fields;
    char field[kLineBuffer] = {};
    for (int32_t position = 0;;) {
        position = nextField(text, position, '|', field);
        if (position < 0) break;
        fields.push_back(field);
    }
    checkFieldCount(d, file, line, name, layouts, fields);
    const std::size_t present = std::min(fields.size(), layouts.size());
    for (std::size_t i = 0; i < present; ++i) {
        checkField(d, file, line, name, static_cast<int>(i) + 1, layouts[i], fields[i].c_str());
    }
}

}  // namespace kwarel
