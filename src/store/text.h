// Field and word extractors, case-insensitive comparisons and the length
// formatter shared by the readers and the result file writer.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace kwarel {

// Extractors look at no more than this many characters of a line.
constexpr int kMaxExtract = 199;

// Cuts the field that starts at `start` and ends before the next `delimiter`
// or at the end of the line. Returns where the following field begins, or -1
// when no field begins at `start` (the result is then left as it was).
// `result` must hold 200 bytes.
int32_t nextField(const char* line, int32_t start, char delimiter, char* result);

// Skips blanks (space, tab) from `start` and cuts the word that follows.
// Returns the position just past the character that ended the word, or -1
// when there is no further word (the result is then empty). `result` must
// hold 200 bytes.
int32_t nextWord(const char* line, int32_t start, char* result);

// Copies the leading word of the line (no leading blanks skipped), at most
// `maxLength` characters, into `result` (which holds maxLength + 1 bytes).
void firstWord(const char* line, char* result, int32_t maxLength);

// Normalised cut-piece key: cutId and spoolId with a to z mapped to A to Z.
std::string cutPieceKey(const char* cutId, const char* spoolId);

// 1 when `text` begins with `prefix`, letters a to z compared as A to Z.
int startsWithNoCase(const char* text, const char* prefix);

// 1 when both texts have the same length and agree with a to z read as A to Z.
int equalsNoCase(const char* a, const char* b);

// Writes a length in tenths of a millimetre as millimetres ("1235 MM") when
// `lengthUnits` is 1, otherwise as inches with thousandths ("48.602 INCH").
// Negative lengths are written as a minus sign before the text of their
// magnitude. `result` must hold at least 32 bytes.
void formatLength(int32_t length, int32_t lengthUnits, char* result);

// Reads one line the way the standard line reader does, into a buffer of
// `size` bytes: at most size - 1 characters, up to and including the line
// feed. A carriage return directly before a line feed is dropped, so files
// with CRLF line ends read the same on every platform. Returns 0 (and leaves
// the buffer untouched) when the end of the file is met before any character.
int readTextLine(std::FILE* file, char* buffer, int size);

}  // namespace kwarel
