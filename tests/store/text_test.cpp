#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "store/text.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

TEST(FormatLength, MillimetreAndInchExamples) {
    char out[32];
    const struct { int32_t v; const char* mm; const char* inch; } cases[] = {
        {12345, "1235 MM", "48.602 INCH"}, {2540, "254 MM", "10 INCH"},
        {2553, "255 MM", "10.051 INCH"},   {2667, "267 MM", "10.500 INCH"},
        {15, "2 MM", "0.059 INCH"},        {0, "0 MM", "0 INCH"},
        {14, "1 MM", "0.055 INCH"},        {2541, "254 MM", "10.004 INCH"},
    };
    for (const auto& c : cases) {
        formatLength(c.v, 1, out);
        EXPECT_STREQ(out, c.mm) << c.v;
        formatLength(c.v, 2, out);
        EXPECT_STREQ(out, c.inch) << c.v;
    }
}

TEST(FormatLength, NegativeLengthsCarryASign) {
    char out[32];
    formatLength(-15, 1, out);
    EXPECT_STREQ(out, "-2 MM");
    formatLength(-2667, 2, out);
    EXPECT_STREQ(out, "-10.500 INCH");
}

TEST(NextField, CutsAndRunsOut) {
    char out[200];
    const char* line = "X|Y|Z\n";
    EXPECT_EQ(nextField(line, 0, '|', out), 2);
    EXPECT_STREQ(out, "X");
    EXPECT_EQ(nextField(line, 2, '|', out), 4);
    EXPECT_STREQ(out, "Y");
    EXPECT_EQ(nextField(line, 4, '|', out), 6);
    EXPECT_STREQ(out, "Z\n");
    EXPECT_EQ(nextField(line, 6, '|', out), -1);
    EXPECT_STREQ(out, "Z\n");  // left as it was
    EXPECT_EQ(nextField(line, -1, '|', out), -1);
    EXPECT_STREQ(out, "Z\n");

    EXPECT_EQ(nextField("|A", 0, '|', out), 1);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(nextField("X|", 0, '|', out), 2);
    EXPECT_STREQ(out, "X");
    EXPECT_EQ(nextField("X|", 2, '|', out), -1);
    EXPECT_EQ(nextField("A||B", 2, '|', out), 3);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(nextField(" M1 ,B2", 0, ',', out), 5);
    EXPECT_STREQ(out, " M1 ");
}

TEST(NextField, LooksAtNoMoreThan199Characters) {
    char out[200];
    const std::string line(300, 'A');
    EXPECT_EQ(nextField(line.c_str(), 0, '|', out), 199);
    EXPECT_EQ(std::strlen(out), 199u);
    EXPECT_EQ(nextField(line.c_str(), 199, '|', out), -1);
}

TEST(NextWord, SkipsBlanksAndConsumesOneCharacter) {
    char out[200];
    const char* line = "  START 1 2\n";
    EXPECT_EQ(nextWord(line, 0, out), 8);
    EXPECT_STREQ(out, "START");
    EXPECT_EQ(nextWord(line, 8, out), 10);
    EXPECT_STREQ(out, "1");
    EXPECT_EQ(nextWord(line, 10, out), 12);
    EXPECT_STREQ(out, "2");
    EXPECT_EQ(nextWord(line, 12, out), -1);
    EXPECT_STREQ(out, "");

    EXPECT_EQ(nextWord("\n", 0, out), -1);
    EXPECT_EQ(nextWord("   \t ", 0, out), -1);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(nextWord("1\tM1\r\n", 0, out), 2);
    EXPECT_STREQ(out, "1");
    EXPECT_EQ(nextWord("1\tM1\r\n", 2, out), 5);
    EXPECT_STREQ(out, "M1");
    // A word running to the end of the line returns L + 1.
    EXPECT_EQ(nextWord("AB", 0, out), 3);
    EXPECT_EQ(nextWord("AB", 3, out), -1);
    EXPECT_EQ(nextWord("AB", -1, out), -1);
}

TEST(FirstWord, NoLeadingBlanksAndCutToMaximum) {
    char out[200];
    firstWord("STARTMACHINE\n", out, 25);
    EXPECT_STREQ(out, "STARTMACHINE");
    firstWord(" STARTMACHINE\n", out, 25);
    EXPECT_STREQ(out, "");
    firstWord("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234 x", out, 25);
    EXPECT_STREQ(out, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    firstWord("UNITS\tINCHES", out, 25);
    EXPECT_STREQ(out, "UNITS");
    firstWord("", out, 25);
    EXPECT_STREQ(out, "");
}

TEST(Comparisons, OnlyLettersIgnoreCase) {
    EXPECT_EQ(startsWithNoCase("bend", "BEND"), 1);
    EXPECT_EQ(startsWithNoCase("Bend", "BEND"), 1);
    EXPECT_EQ(startsWithNoCase("BENDS", "BEND"), 1);
    EXPECT_EQ(startsWithNoCase("BEN", "BEND"), 0);
    EXPECT_EQ(startsWithNoCase("X", ""), 1);
    EXPECT_EQ(equalsNoCase("cut-id", "CUT-ID"), 1);
    EXPECT_EQ(equalsNoCase("CUT", "CUT-ID"), 0);
    EXPECT_EQ(equalsNoCase("", ""), 1);
    // Only a to z are mapped: '@' (A - 1) and '[' (Z + 1) stay apart from letters.
    EXPECT_EQ(equalsNoCase("@", "`"), 0);
    EXPECT_EQ(equalsNoCase("[", "{"), 0);
    EXPECT_EQ(equalsNoCase("\xE9", "\xC9"), 0);
}

// Reads every line of `contents` with a buffer of `size` bytes.
std::string readAll(const std::string& contents, int size) {
    testing::ScratchDir dir;
    testing::writeFile(dir.file("f"), contents);
    std::FILE* f = std::fopen(dir.file("f").c_str(), "rb");
    std::string lines;
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    while (readTextLine(f, buffer, size)) lines += "[" + std::string(buffer) + "]";
    std::fclose(f);
    return lines;
}

TEST(ReadTextLine, LineEndsAndPieces) {
    EXPECT_EQ(readAll("A\nB\r\nC", 200), "[A\n][B\n][C]");
    // A lone carriage return does not end a line.
    EXPECT_EQ(readAll("A\rB\n", 200), "[A\rB\n]");
    // Pieces of size - 1 characters; a CR LF split by the piece boundary
    // still reads as one line feed.
    EXPECT_EQ(readAll("ABCDE\n", 4), "[ABC][DE\n]");
    EXPECT_EQ(readAll("ABC\r\nD", 4), "[ABC][\n][D]");
    EXPECT_EQ(readAll("AB\r\nD", 4), "[AB\n][D]");
    EXPECT_EQ(readAll("", 200), "");
}

TEST(ReadTextLine, EndOfFileLeavesTheBufferAlone) {
    testing::ScratchDir dir;
    testing::writeFile(dir.file("f"), "ONE\n");
    std::FILE* f = std::fopen(dir.file("f").c_str(), "rb");
    char buffer[200] = {};
    ASSERT_EQ(readTextLine(f, buffer, 200), 1);
    EXPECT_EQ(readTextLine(f, buffer, 200), 0);
    EXPECT_STREQ(buffer, "ONE\n");
    std::fclose(f);
}

}  // namespace
}  // namespace kwarel
