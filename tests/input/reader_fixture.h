// Scratch files, a fresh state and record printing for the reader tests.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/test_support.h"

namespace kwarel::testing {

class ReaderTest : public ::testing::Test {
protected:
    std::string write(const std::string& contents) {
        writeFile(dir.file("in.txt"), contents);
        return dir.file("in.txt");
    }
    ScratchDir dir;
    std::unique_ptr<JobState> state = freshState();
};

// The values, each followed by a blank, as one text: a record compares in one line.
template <typename... T>
std::string join(const T&... values) {
    std::ostringstream s;
    ((s << values << ' '), ...);
    return s.str();
}

inline std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

}  // namespace kwarel::testing
