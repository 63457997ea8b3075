#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "store/text.h"
#include "support/test_support.h"

namespace kwarel {
namespace {

TEST(FormatLength, MillimetresAndInches) {
    const struct { int32_t v; const char* mm; const char* inch; } cases[] = {
        {12345, "1235 MM", "48.602 INCH"}, {2540, "254 MM", "10 INCH"}, {2553, "255 MM", "10.051 INCH"},
        {2667, "267 MM", "10.500 INCH"},   {15, "2 MM", "0.059 INCH"},  {14, "1 MM", "0.055 INCH"},
        {2541, "254 MM", "10.004 INCH"},   {0, "0 MM", "0 INCH"},       {-2667, "-267 MM", "-10.500 INCH"},
    };
    char out[32];
    for (const auto& c : cases) {
        formatLength(c.v, 1, out);
        EXPECT_STREQ(out, c.mm) << c.v;
        formatLength(c.v, 2, out);
        EXPECT_STREQ(out, c.inch) << c.v;
    }
}

// Chains an extractor from `start` as the readers do, writing each result
// and returned position until it returns -1.
std::string chain(const char* line, bool fields, int32_t start = 0) {
    char out[200] = "?";
    std::string all;
    int32_t p = start;
    do {
        p = fields ? nextField(line, p, '|', out) : nextWord(line, p, out);
        all += "[" + std::string(out) + "]" + std::to_string(p);
    } while (p != -1);
    return all;
}

TEST(Extractors, FieldsWordsAndComparisons) {
    const std::string a199(199, 'A'), a300(300, 'A');
    const struct { const char* line; bool fields; int32_t start; std::string expected; } cases[] = {
        // Run-out fields leave the last field in the buffer; run-out words empty it.
        {"X|Y|Z\n", true, 0, "[X]2[Y]4[Z\n]6[Z\n]-1"},
        {"|A", true, 0, "[]1[A]2[A]-1"},
        {"X|", true, 0, "[X]2[X]-1"},
        {"X|", true, -1, "[?]-1"},
        {a300.c_str(), true, 0, "[" + a199 + "]199[" + a199 + "]-1"},  // 199 characters looked at
        {"  START 1 2\n", false, 0, "[START]8[1]10[2]12[]-1"},
        {" \t \n", false, 0, "[]-1"},
        {"1\tM1\r\n", false, 0, "[1]2[M1]5[]-1"},
        {"AB", false, 0, "[AB]3[]-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(chain(c.line, c.fields, c.start), c.expected) << c.line;

    auto first = [](const char* line) { char out[200]; firstWord(line, out, 25); return std::string(out); };
    EXPECT_EQ(first("STARTMACHINE\n"), "STARTMACHINE");
    EXPECT_EQ(first(" STARTMACHINE\n"), "");  // leading blanks are not skipped
    EXPECT_EQ(first("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234 x"), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    // Comparisons map only the letters a to z.
    EXPECT_EQ(startsWithNoCase("bend", "BEND") + startsWithNoCase("Bend", "BEND") + startsWithNoCase("BENDS", "BEND"),
              3);
    EXPECT_EQ(startsWithNoCase("BEN", "BEND"), 0);
    EXPECT_EQ(equalsNoCase("cut-id", "CUT-ID"), 1);
    EXPECT_EQ(equalsNoCase("CUT", "CUT-ID") + equalsNoCase("CUT-ID", "CUT"), 0);
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
    EXPECT_EQ(readAll("ABC\r\nD", 4), "[ABC][\n][D]D");  // CR LF split by the piece boundary
    EXPECT_EQ(readAll("", 200), "untouched");
}

}  // namespace
}  // namespace kwarel
