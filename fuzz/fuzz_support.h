// Helpers shared by the fuzz targets: a private scratch folder per process,
// writing fuzzed bytes to files, and checks that stop the run on a fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace kwarel::fuzz {

// A folder of this process under $TMPDIR (or /tmp), removed at exit.
const std::string& scratchDir();

// scratchDir() + "/" + name.
std::string scratchFile(const char* name);

void writeFile(const std::string& path, const void* data, std::size_t size);
std::string readFile(const std::string& path);

// Prints the message and aborts, which libFuzzer reports as a crash.
[[noreturn]] void fail(const char* what);

// A fixed-width text field must hold its terminator within its width.
template <std::size_t N>
void checkText(const char (&field)[N], const char* what) {
    if (std::memchr(field, '\0', N) == nullptr) fail(what);
}

// The text fields `fields` (pointers to members) of every record of a list
// must each hold their terminator.
template <typename List, typename... Fields>
void checkTexts(const List& list, const char* what, Fields... fields) {
    for (int32_t i = 0; i < list.count; ++i) (checkText(list.at(i).*fields, what), ...);
}

// Whether two record lists hold the same records, byte for byte.
template <typename List>
bool sameRecords(const List& a, const List& b) {
    if (a.count != b.count) return false;
    for (int32_t i = 0; i < a.count; ++i) {
        if (std::memcmp(&a.at(i), &b.at(i), sizeof a.at(i)) != 0) return false;
    }
    return true;
}

}  // namespace kwarel::fuzz
