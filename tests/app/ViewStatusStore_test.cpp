#include "ViewStatusStore.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"

namespace qb {
namespace {

using Ids = std::vector<std::int32_t>;

// A file never seen gets page alignment 4; an entry that lacks the value
// reads 0.
TEST(ViewStatusStoreTest, PageAlignIsFourWithoutAnEntryAndZeroWhenTheEntryLacksIt) {
    InMemorySettingsStore store;
    EXPECT_EQ(ViewStatusStore(store).Load("/home/u/plan.qbd").pageAlign, 4);
    store.WriteInt("PrevStatus/plan.qbd", "GraphMax", 40);
    const ViewStatus status = ViewStatusStore(store).Load("/x/plan.qbd");
    EXPECT_EQ(status.pageAlign, 0);
    EXPECT_EQ(status.graphMax, 40);
}

TEST(ViewStatusStoreTest, EveryKindOfValueRoundTrips) {
    InMemorySettingsStore store;
    ViewStatusStore statuses(store);
    ViewStatus status;
    status.last = COleDateTime(2024, 3, 5, 17, 45, 10);
    status.leftPos = COleDateTime(2024, 2, 1, 0, 0, 0);
    status.scale2 = 2.75;
    status.folded = {3, 17, 250};
    status.columnHidden = {-1};
    status.pageAlign = 2;
    statuses.Save("/a/plan.qbd", status);

    const ViewStatus loaded = statuses.Load("/a/plan.qbd");
    EXPECT_EQ(loaded.last, status.last);
    EXPECT_EQ(loaded.leftPos, status.leftPos);
    EXPECT_DOUBLE_EQ(loaded.scale2, 2.75);
    EXPECT_DOUBLE_EQ(loaded.scale1, -1);
    EXPECT_EQ(loaded.folded, (Ids{3, 17, 250}));
    EXPECT_TRUE(loaded.rowHidden.empty());
    EXPECT_EQ(loaded.columnHidden, (Ids{-1}));
    EXPECT_EQ(loaded.pageAlign, 2);
    EXPECT_EQ(store.ReadString("PrevStatus/plan.qbd", "Folded"), "3,17,250,");
}

TEST(ViewStatusStoreTest, EntriesAreKeyedByFileNameAndAnUntitledDocumentHasNone) {
    InMemorySettingsStore store;
    ViewStatusStore statuses(store);
    ViewStatus status;
    status.graphMax = 75;
    statuses.Save("/projects/2023/plan.qbd", status);
    EXPECT_EQ(statuses.Load("/other/place/plan.qbd").graphMax, 75);
    EXPECT_EQ(statuses.Load("/projects/2023/plan2.qbd").graphMax, 20);
    statuses.Save("", ViewStatus{});
    EXPECT_EQ(store.SectionNames("PrevStatus").size(), 1u);
}

TEST(ViewStatusStoreTest, CleanupRemovesOldAndUndatedEntriesOnly) {
    InMemorySettingsStore store;
    ViewStatusStore statuses(store);
    const COleDateTime now(2024, 6, 20, 12, 0, 0);
    ViewStatus recent;
    recent.last = COleDateTime(2024, 6, 19, 9, 0, 0);
    statuses.Save("recent.qbd", recent);
    ViewStatus justInside;
    justInside.last = COleDateTime(2024, 6, 10, 12, 0, 1);
    statuses.Save("inside.qbd", justInside);
    ViewStatus tenDays;
    tenDays.last = COleDateTime(2024, 6, 10, 12, 0, 0);
    statuses.Save("tendays.qbd", tenDays);
    statuses.Save("undated.qbd", ViewStatus{});
    store.WriteInt("PrevStatus/nolast.qbd", "GraphMax", 3);
    store.WriteString("PrevStatus/garbage.qbd", "Last", "yesterday");

    EXPECT_EQ(statuses.Cleanup(now), 4);
    EXPECT_EQ(store.SectionNames("PrevStatus/"),
              (std::vector<std::string>{"PrevStatus/inside.qbd", "PrevStatus/recent.qbd"}));
    EXPECT_EQ(statuses.Cleanup(now), 0);
    EXPECT_EQ(statuses.Cleanup(COleDateTime::Null()), 0);
    EXPECT_EQ(store.SectionNames("PrevStatus/").size(), 2u);
}

TEST(ViewStatusStoreTest, IdListsSkipPiecesThatAreNotNumbers) {
    EXPECT_EQ(ViewStatusStore::FormatIds({}), "");
    EXPECT_EQ(ViewStatusStore::FormatIds({1, -2}), "1,-2,");
    EXPECT_EQ(ViewStatusStore::ParseIds("4,x,,7,99999999999,8"), (Ids{4, 7, 8}));
    EXPECT_EQ(ViewStatusStore::ParseIds("12"), (Ids{12}));
}

}  // namespace
}  // namespace qb
