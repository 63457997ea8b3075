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
    EXPECT_EQ(nextField(line, -1, '|', out), -1);
    EXPECT_STREQ(out, "Z\n");  // left as it was
    EXPECT_EQ(nextField("|A", 0, '|', out), 1);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(nextField("X|", 0, '|', out), 2);
    EXPECT_EQ(nextField("X|", 2, '|', out), -1);
    // At most 199 characters of a line are looked at.
    const std::string longLine(300, 'A');
    EXPECT_EQ(nextField(longLine.c_str(), 0, '|', out), 199);
    EXPECT_EQ(std::strlen(out), 199u);
}

TEST(NextWord, SkipsBlanksAndConsumesOneCharacter) {
    char out[200];
    const char* line = "  START 1 2\n";
    EXPECT_EQ(nextWord(line, 0, out), 8);
    EXPECT_STREQ(out, "START");
    EXPECT_EQ(nextWord(line, 8, out), 10);
    EXPECT_EQ(nextWord(line, 10, out), 12);
    EXPECT_STREQ(out, "2");
    EXPECT_EQ(nextWord(line, 12, out), -1);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(nextWord(" \t \n", 0, out), -1);
    EXPECT_EQ(nextWord("1\tM1\r\n", 2, out), 5);
    EXPECT_STREQ(out, "M1");
    EXPECT_EQ(nextWord("AB", 0, out), 3);  // L + 1 when the word runs to the end
    EXPECT_EQ(nextWord("AB", 3, out), -1);
}

TEST(FirstWordAndComparisons, DescribedCases) {
    char out[200];
    firstWord("STARTMACHINE\n", out, 25);
    EXPECT_STREQ(out, "STARTMACHINE");
    firstWord(" STARTMACHINE\n", out, 25);
    EXPECT_STREQ(out, "");
    firstWord("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234 x", out, 25);
    EXPECT_STREQ(out, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    EXPECT_EQ(startsWithNoCase("bend", "BEND") + startsWithNoCase("Bend", "BEND") +
                  startsWithNoCase("BENDS", "BEND"), 3);
    EXPECT_EQ(startsWithNoCase("BEN", "BEND"), 0);
    EXPECT_EQ(equalsNoCase("cut-id", "CUT-ID"), 1);
    EXPECT_EQ(equalsNoCase("CUT", "CUT-ID"), 0);
    // Only a to z are mapped.
    EXPECT_EQ(equalsNoCase("@", "`") + equalsNoCase("[", "{") + equalsNoCase("\xE9", "\xC9"), 0);
}

TEST(ReadTextLine, LineEndsPiecesAndEndOfFile) {
    testing::ScratchDir dir;
    auto readAll = [&](const std::string& contents, int size) {
        testing::writeFile(dir.file("f"), contents);
        std::FILE* f = std::fopen(dir.file("f").c_str(), "rb");
        std::string lines;
        char buffer[200] = "untouched";
        while (readTextLine(f, buffer, size)) lines += "[" + std::string(buffer) + "]";
        std::fclose(f);
        return lines + buffer;
    };
    EXPECT_EQ(readAll("A\nB\r\nC", 200), "[A\n][B\n][C]C");
    EXPECT_EQ(readAll("A\rB\n", 200), "[A\rB\n]A\rB\n");  // a lone CR is no line end
    EXPECT_EQ(readAll("ABCDE\n", 4), "[ABC][DE\n]DE\n");
    // A CR LF split by the piece boundary still reads as one line feed.
    EXPECT_EQ(readAll("ABC\r\nD", 4), "[ABC][\n][D]D");
    EXPECT_EQ(readAll("", 200), "untouched");
}

}  // namespace
}  // namespace kwarel
