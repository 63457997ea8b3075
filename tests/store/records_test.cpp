#include <gtest/gtest.h>

#include <string>

#include "driver/job_state.h"
#include "store/records.h"
#include "store/text.h"
#include "support/builders.h"

namespace kwarel {
namespace {

// Adds a bender by the producers' idiom (zeroed slot, append, store).
void addBender(RecordList<BenderRecord>& list, const char* name) {
    testing::appendRecord(list, [&](BenderRecord& b) { copyText(b.name, name); });
}

// The names of every entry, reached by index through the slot.
std::string names(RecordList<BenderRecord>& list) {
    std::string all;
    for (int32_t i = 0; i < list.count; ++i) all += (list.load(i) == 1 ? list.current.name : "?") + std::string(",");
    return all;
}

TEST(RecordList, LoadChangeStoreAndStartAfresh) {
    RecordList<BenderRecord> list;
    copyText(list.current.name, "KEEP");
    EXPECT_EQ(list.load(0), 0);
    EXPECT_STREQ(list.current.name, "KEEP");
    addBender(list, "B1");
    copyText(list.current.name, "SLOT");
    EXPECT_EQ(list.load(-1) + list.load(1) + list.store(-1) + list.store(1), 0);  // out of range
    EXPECT_STREQ(list.current.name, "SLOT");
    EXPECT_EQ(names(list), "B1,");

    for (const char* name : {"B2", "B3"}) addBender(list, name);
    ASSERT_EQ(list.load(1), 1);
    EXPECT_STREQ(list.current.name, "B2");
    copyText(list.current.name, "X2");
    ASSERT_EQ(list.store(1), 1);
    EXPECT_EQ(names(list), "B1,X2,B3,");
    list.clear();
    addBender(list, "NEW");
    EXPECT_EQ(names(list), "NEW,");
}

TEST(CutPieceKey, BothTextsMatterAndCaseDoesNot) {
    EXPECT_EQ(cutPieceKey("1", "s1"), cutPieceKey("1", "S1"));
    EXPECT_NE(cutPieceKey("1", "S1"), cutPieceKey("1", "S2"));
    EXPECT_NE(cutPieceKey("AB", "C"), cutPieceKey("A", "BC"));  // the texts stay apart
}

}  // namespace
}  // namespace kwarel
