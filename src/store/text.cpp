#include "store/text.h"

#include <cstdio>
#include <cstring>

namespace kwarel {
namespace {

// Length of a line as the extractors see it: at most kMaxExtract characters.
int32_t scanLength(const char* line) {
    int32_t n = 0;
    while (n < kMaxExtract && line[n] != '\0') ++n;
    return n;
}

inline char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isLineEnd(char c) { return c == '\r' || c == '\n' || c == '\0'; }

}  // namespace

int32_t nextField(const char* line, int32_t start, char delimiter, char* result) {
    const int32_t length = scanLength(line);
    if (start < 0 || start > length - 1) return -1;
    char field[kMaxExtract + 1];
    int32_t n = 0;
    int32_t p = start;
    for (;;) {
        if (line[p] == delimiter) {
            ++p;
            break;
        }
        field[n++] = line[p];
        ++p;
        if (p > length - 1) break;
    }
    field[n] = '\0';
    std::memcpy(result, field, static_cast<std::size_t>(n) + 1);
    return p;
}

int32_t nextWord(const char* line, int32_t start, char* result) {
    const int32_t length = scanLength(line);
    if (start < 0 || start > length - 1) {
        result[0] = '\0';
        return -1;
    }
    int32_t p = start;
    while (p <= length - 1 && isBlank(line[p])) ++p;
    if (p > length - 1 || isLineEnd(line[p])) {
        result[0] = '\0';
        return -1;
    }
    int32_t n = 0;
    while (p <= length - 1 && !isBlank(line[p]) && !isLineEnd(line[p])) {
        result[n++] = line[p];
        ++p;
    }
    result[n] = '\0';
    return p + 1;
}

void firstWord(const char* line, char* result, int32_t maxLength) {
    const int32_t length = scanLength(line);
    int32_t n = 0;
    while (n < length && n < maxLength && !isBlank(line[n]) && !isLineEnd(line[n])) {
        result[n] = line[n];
        ++n;
    }
    result[n] = '\0';
}

int startsWithNoCase(const char* text, const char* prefix) {
    const std::size_t textLength = std::strlen(text);
    const std::size_t prefixLength = std::strlen(prefix);
    if (textLength < prefixLength) return 0;
    for (std::size_t i = 0; i < prefixLength; ++i) {
        if (upper(text[i]) != upper(prefix[i])) return 0;
    }
    return 1;
}

int equalsNoCase(const char* a, const char* b) {
    std::size_t i = 0;
    for (; a[i] != '\0' && b[i] != '\0'; ++i) {
        if (upper(a[i]) != upper(b[i])) return 0;
    }
    return (a[i] == '\0' && b[i] == '\0') ? 1 : 0;
}

void formatLength(int32_t length, int32_t lengthUnits, char* result) {
    int64_t v = length;
    const char* sign = "";
    if (v < 0) {
        sign = "-";
        v = -v;
    }
    if (lengthUnits == 1) {
        std::snprintf(result, 32, "%s%lld MM", sign, static_cast<long long>((v + 5) / 10));
        return;
    }
    const int64_t t = (v * 1000 + 127) / 254;
    const int64_t whole = t / 1000;
    const int64_t rest = t % 1000;
    if (rest != 0) {
        std::snprintf(result, 32, "%s%lld.%03lld INCH", sign, static_cast<long long>(whole),
                      static_cast<long long>(rest));
    } else {
        std::snprintf(result, 32, "%s%lld INCH", sign, static_cast<long long>(whole));
    }
}

int readTextLine(std::FILE* file, char* buffer, int size) {
    if (file == nullptr || size < 2) return 0;
    int n = 0;
    while (n < size - 1) {
        int c = std::fgetc(file);
        if (c == EOF) break;
        if (c == '\r') {
            int d = std::fgetc(file);
            if (d == '\n') {
                c = '\n';
            } else if (d != EOF) {
                std::ungetc(d, file);
            }
        }
        buffer[n++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (n == 0) return 0;
    buffer[n] = '\0';
    return 1;
}

std::string cutPieceKey(const char* cutId, const char* spoolId) {
    std::string key;
    for (const char* p = cutId; *p != '\0'; ++p) key.push_back(upper(*p));
    key.push_back('\0');
    for (const char* p = spoolId; *p != '\0'; ++p) key.push_back(upper(*p));
    return key;
}

}  // namespace kwarel
