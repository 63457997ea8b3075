// Checks of the bender database file's lines, made while the reader reads
// them when it is given a diagnostics sink.
#pragma once

#include <cstdint>
#include <string>

#include "input/diagnostics.h"

namespace kwarel {

enum class DatabaseSection { Machine, Bender, BendCapability, MaterialCapability, TubeData };

// A line outside every section: misspelt, indented or stray keywords and
// units words that do not say what they seem to.
void checkDatabaseTopLine(Diagnostics& diagnostics, const std::string& file, int32_t line, const char* text);

// A record line of a section: its field count, numbers, texts and codes.
void checkDatabaseRecord(Diagnostics& diagnostics, const std::string& file, int32_t line, const char* text,
                         DatabaseSection section, int32_t sectionLine);

// Name of a section's records in messages ("machine", "tube data").
const char* databaseSectionName(DatabaseSection section);

}  // namespace kwarel
