#include <gtest/gtest.h>


#include "store/job_state.h"
#include "store/records.h"

namespace kwarel {
namespace {

// Adds a bender with the given name and priority by the producers' idiom.
void addBender(RecordList<BenderRecord>& list, const char* name, int32_t priority) {
    list.zeroCurrent();
    copyText(list.current.name, name);
    list.current.priority = priority;
    list.append();
    list.store(list.count - 1);
}

TEST(RecordList, OutOfRangeIndexesChangeNothing) {
    RecordList<BenderRecord> list;
    copyText(list.current.name, "KEEP");
    EXPECT_EQ(list.load(0), 0);
    EXPECT_STREQ(list.current.name, "KEEP");

    addBender(list, "B1", 1);
    copyText(list.current.name, "SLOT");
    EXPECT_EQ(list.load(-1), 0);
    EXPECT_EQ(list.load(list.count), 0);
    EXPECT_EQ(list.store(-1), 0);
    EXPECT_EQ(list.store(1), 0);
    EXPECT_STREQ(list.current.name, "SLOT");
    EXPECT_EQ(list.count, 1);
    ASSERT_EQ(list.load(0), 1);
    EXPECT_STREQ(list.current.name, "B1");
}

TEST(RecordList, AppendStoreLoadKeepsEveryEntry) {
    RecordList<BenderRecord> list;
    addBender(list, "B1", 1);
    addBender(list, "B2", 2);
    addBender(list, "B3", 3);
    ASSERT_EQ(list.count, 3);
    ASSERT_EQ(list.load(1), 1);
    EXPECT_STREQ(list.current.name, "B2");
    EXPECT_EQ(list.current.priority, 2);

    // Load, change, store back: only that entry changes.
    list.current.priority = 20;
    ASSERT_EQ(list.store(1), 1);
    const char* names[] = {"B1", "B2", "B3"};
    const int32_t priorities[] = {1, 20, 3};
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_EQ(list.load(i), 1);
        EXPECT_STREQ(list.current.name, names[i]);
        EXPECT_EQ(list.current.priority, priorities[i]);
    }
}

TEST(RecordList, ClearThenAppendStartsAfresh) {
    RecordList<BenderRecord> list;
    EXPECT_EQ(list.clear(), 0);
    EXPECT_EQ(list.count, 0);
    addBender(list, "B1", 1);
    addBender(list, "B2", 2);
    list.clear();
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(list.load(0), 0);
    addBender(list, "NEW", 7);
    ASSERT_EQ(list.count, 1);
    ASSERT_EQ(list.load(0), 1);
    EXPECT_STREQ(list.current.name, "NEW");

    // Setting the count to 0, as the readers do, also starts the list afresh.
    addBender(list, "B2", 2);
    list.count = 0;
    addBender(list, "B9", 9);
    ASSERT_EQ(list.count, 1);
    ASSERT_EQ(list.load(0), 1);
    EXPECT_STREQ(list.current.name, "B9");
}

TEST(CutPieceKey, BothTextsMatterAndCaseDoesNot) {
    EXPECT_EQ(cutPieceKey("1", "s1"), cutPieceKey("1", "S1"));
    EXPECT_NE(cutPieceKey("1", "S1"), cutPieceKey("1", "S2"));
    // The separator keeps the two texts apart.
    EXPECT_NE(cutPieceKey("AB", "C"), cutPieceKey("A", "BC"));
}

}  // namespace
}  // namespace kwarel
