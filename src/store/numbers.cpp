#include "store/numbers.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <system_error>

namespace kwarel {
namespace {

inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// For a decimal number that did not fit a double: true when it was too
// large, false when it was too small. Compares the position of the first
// significant digit plus the exponent with zero.
bool overflows(const char* p) {
    long long magnitude = 0;  // decimal exponent of the first significant digit
    bool seenSignificant = false;
    long long integerDigits = 0;
    while (isDigit(*p)) {
        if (*p != '0' || seenSignificant) {
            seenSignificant = true;
            ++integerDigits;
        }
        ++p;
    }
    if (seenSignificant) {
        magnitude = integerDigits - 1;
    } else if (*p == '.') {
        ++p;
        long long zeros = 0;
        while (*p == '0') {
            ++zeros;
            ++p;
        }
        magnitude = -(zeros + 1);
    }
    while (isDigit(*p) || *p == '.') ++p;
    long long exponent = 0;
    if (*p == 'e' || *p == 'E') {
        ++p;
        bool negative = false;
        if (*p == '+' || *p == '-') negative = (*p++ == '-');
        while (isDigit(*p)) {
            if (exponent < 1000000000LL) exponent = exponent * 10 + (*p - '0');
            ++p;
        }
        if (negative) exponent = -exponent;
    }
    return magnitude + exponent > 0;
}

}  // namespace

int32_t toInteger(const char* text) {
    if (text == nullptr) return 0;
    const char* p = text;
    while (isSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Accumulate in 64 bits and stop growing once past the int32 range.
    int64_t value = 0;
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    while (isDigit(*p)) {
        if (value <= limit) value = value * 10 + (*p - '0');
        ++p;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

double toNumber(const char* text) {
    if (text == nullptr) return 0.0;
    const char* p = text;
    while (isSpace(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Only a digit or a point begins a decimal number; this also keeps
    // from_chars from taking a second sign, inf or nan.
    if (!isDigit(*p) && !(*p == '.' && isDigit(p[1]))) return 0.0;
    const char* end = p + std::strlen(p);
    double value = 0.0;
    const std::from_chars_result r = std::from_chars(p, end, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        value = overflows(p) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (r.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace kwarel
