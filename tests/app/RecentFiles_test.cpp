#include "RecentFiles.h"

#include <gtest/gtest.h>

#include "InMemorySettingsStore.h"

namespace qb {
namespace {

using Entries = std::vector<std::string>;

TEST(RecentFilesTest, NewestFirstKnownPathsMoveUpAndTheEleventhPushesTheOldestOut) {
    RecentFiles recent;
    recent.Add("/a.qbd");
    recent.Add("");
    recent.Add("/A.qbd");
    recent.Add("/a.qbd");
    EXPECT_EQ(recent.Entries(), (Entries{"/a.qbd", "/A.qbd"}));
    for (int i = 1; i <= 10; ++i)
        recent.Add("/p/" + std::to_string(i) + ".qbd");
    ASSERT_EQ(recent.Entries().size(), 10u);
    EXPECT_EQ(recent.Entries().front(), "/p/10.qbd");
    EXPECT_EQ(recent.Entries().back(), "/p/1.qbd");
}

TEST(RecentFilesTest, SavedAsNumberedValuesAndReadBackSkippingEmptyOnes) {
    InMemorySettingsStore store;
    RecentFiles recent;
    recent.Add("/b.qbd");
    recent.Add("/a.qbd");
    recent.Save(store);
    EXPECT_EQ(store.ReadString("RecentFiles", "1"), "/a.qbd");
    EXPECT_EQ(store.ReadString("RecentFiles", "2"), "/b.qbd");

    store.WriteString("RecentFiles", "2", "");
    store.WriteString("RecentFiles", "5", "/e.qbd");
    store.WriteString("RecentFiles", "11", "/beyond.qbd");
    RecentFiles loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Entries(), (Entries{"/a.qbd", "/e.qbd"}));
    // A shorter list clears the slots it no longer uses.
    RecentFiles shorter;
    shorter.Add("/new.qbd");
    shorter.Save(store);
    loaded.Load(store);
    EXPECT_EQ(loaded.Entries(), (Entries{"/new.qbd"}));
}

}  // namespace
}  // namespace qb
