#include <gtest/gtest.h>

#include "store/text.h"

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

}  // namespace
}  // namespace kwarel
