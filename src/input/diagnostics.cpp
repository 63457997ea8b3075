#include "input/diagnostics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "store/numbers.h"

namespace kwarel {
namespace {

bool isSpaceOrLineEnd(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Skips an optional sign and digits; true when at least one digit was seen.
const char* skipInteger(const char* p, bool& digits) {
    if (*p == '+' || *p == '-') ++p;
    digits = false;
    while (isDigit(*p)) {
        digits = true;
        ++p;
    }
    return p;
}

bool onlySpaceLeft(const char* p) {
    while (*p != '\0' && isSpaceOrLineEnd(*p)) ++p;
    return *p == '\0';
}

// Edit distance of two short words.
std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

}  // namespace

std::string upperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

const char* closestKeyword(const std::string& upper, std::initializer_list<const char*> keywords, std::size_t limit) {
    const char* closest = nullptr;
    for (const char* keyword : keywords) {
        const std::size_t distance = editDistance(upper, keyword);
        if (distance < limit) {
            limit = distance;
            closest = keyword;
        }
    }
    return closest;
}

std::string quoted(const char* text) {
    std::string out = "'";
    for (const char* p = text; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '\n' && p[1] == '\0') break;
        if (c < 0x20 || c == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "'";
}

std::string trimmed(const char* text) {
    const char* begin = text;
    while (*begin != '\0' && isSpaceOrLineEnd(*begin)) ++begin;
    const char* end = begin + std::strlen(begin);
    while (end > begin && isSpaceOrLineEnd(end[-1])) --end;
    return std::string(begin, end);
}

bool readsFullyAsInteger(const char* text) {
    const char* p = text;
    while (*p != '\0' && isSpaceOrLineEnd(*p)) ++p;
    bool digits = false;
    p = skipInteger(p, digits);
    return digits && onlySpaceLeft(p);
}

bool readsFullyAsNumber(const char* text) {
    const char* p = text;
    while (*p != '\0' && isSpaceOrLineEnd(*p)) ++p;
    if (*p == '+' || *p == '-') ++p;
    bool digits = false;
    while (isDigit(*p)) {
        digits = true;
        ++p;
    }
    if (*p == '.') {
        ++p;
        while (isDigit(*p)) {
            digits = true;
            ++p;
        }
    }
    if (!digits) return false;
    if (*p == 'e' || *p == 'E') {
        bool exponentDigits = false;
        const char* q = skipInteger(p + 1, exponentDigits);
        if (exponentDigits) p = q;
    }
    return onlySpaceLeft(p);
}

std::string readAs(const char* text, bool integer) {
    if (integer) return std::to_string(toInteger(text));
    char number[64];
    std::snprintf(number, sizeof number, "%.15g", toNumber(text));
    return number;
}

void noteTextWidth(Diagnostics& diagnostics, const std::string& file, int32_t line, const char* name,
                   const char* text, int width) {
    const std::size_t limit = static_cast<std::size_t>(width - 1);
    if (std::strlen(text) <= limit) return;
    diagnostics.warning(file, line,
                        std::string(name) + " " + quoted(text) + " is longer than " + std::to_string(limit) +
                            " characters: it is cut to " + quoted(std::string(text, limit).c_str()));
}

void noteRawLine(Diagnostics& diagnostics, const std::string& file, const LineCounter& counter,
                 const char* piece, int bufferSize, bool atEnd) {
    if (counter.line == 1 && !counter.continued && static_cast<unsigned char>(piece[0]) == 0xEF &&
        static_cast<unsigned char>(piece[1]) == 0xBB && static_cast<unsigned char>(piece[2]) == 0xBF) {
        diagnostics.error(file, 1,
                          "the file begins with a UTF-8 byte order mark: it becomes part of the first word, "
                          "which is then not recognised; save the file without it");
    }
    const char* cr = std::strchr(piece, '\r');
    const bool crOnly = cr != nullptr && cr[1] != '\0' && cr[1] != '\n';
    bool crNoted = false;
    for (const Diagnostic& d : diagnostics.items) {
        crNoted = crNoted || (d.file == file && d.message.rfind("carriage return", 0) == 0);
    }
    if (crOnly && !crNoted) {
        diagnostics.error(file, counter.line,
                          "carriage return without a line feed: lines that end in CR alone are not lines to "
                          "the reader, which reads on to the next line feed; use LF or CR LF line ends");
    }
    const std::size_t n = std::strlen(piece);
    if (n == static_cast<std::size_t>(bufferSize - 1) && piece[n - 1] != '\n' && !atEnd && !counter.continued &&
        cr == nullptr) {
        diagnostics.error(file, counter.line,
                          "line is longer than " + std::to_string(bufferSize - 2) +
                              " characters: the rest of it is read as a line of its own");
    }
}

}  // namespace kwarel
