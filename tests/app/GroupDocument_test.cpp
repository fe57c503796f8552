#include <gtest/gtest.h>

#include <filesystem>

#include "AppTestBase.h"
#include "CCommandHandler.h"
#include "CGroupLink.h"
#include "CSchedule.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "GroupBytes.h"
#include "IDocumentObserver.h"
#include "ProjectArchive.h"
#include "RecentFiles.h"

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::AppointmentBytes;

double At(int year, int month, int day, int hour) {
    return COleDateTime(year, month, day, hour, 0, 0).GetDays();
}

COleDateTime Day(int year, int month, int day) {
    return COleDateTime(year, month, day, 0, 0, 0);
}

class ContentCounter : public IDocumentObserver {
public:
    void DocumentReplaced() override {}
    void ContentChanged() override { ++changes; }
    void FlagsChanged() override {}
    int changes = 0;
};

class GroupDocumentTest : public AppTestBase {
protected:
    GroupDocumentTest() {
        group_ = folder_.File("Team.group");
        TestFolder::Write(
            group_, test::GroupFileBytes("営業", {{"山田", "yamada", 0}, {"佐藤", "sato", 0}}));
        WriteMonth(2004, 12, 10);
        status_->Doc().AddObserver(&counter_);
    }
    ~GroupDocumentTest() override { status_->Doc().RemoveObserver(&counter_); }

    void WriteMonth(int year, int month, int hour) {
        char name[32];
        std::snprintf(name, sizeof name, "team%04d%02d.sch", year, month);
        TestFolder::Write(folder_.File(name),
                          test::MonthFileBytes({{At(year, month, 3, hour),
                                                 At(year, month, 3, hour + 2), "sato", "打合せ"}}));
    }
    DocumentCommands& Docs() { return status_->Commands().Documents(); }
    bool Enabled(int id) { return status_->Commands().State(id).enabled; }
    int Schedules() { return status_->GetProject()->GetSchedules().GetCount(); }

    std::string group_;
    ContentCounter counter_;
};

TEST_F(GroupDocumentTest, AGroupOpensAsAReadViewOfItsMembers) {
    status_->Services().Settings().display.showTotal = true;
    ASSERT_TRUE(Docs().OpenDocument(group_));
    const Document& doc = status_->Doc();
    EXPECT_EQ(doc.Path(), group_);
    EXPECT_TRUE(doc.ShowsForeignData());
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(status_->GetProject()->GetTitle(), "営業");
    EXPECT_EQ(status_->GetProject()->GetRows().GetCount(), 2);
    EXPECT_FALSE(status_->Services().Settings().display.showTotal);
    // Nothing of the group is copied aside, and nothing can be changed.
    EXPECT_FALSE(fs::exists(status_->Services().Folders().Backup() + "Team.group"));
    EXPECT_FALSE(fs::exists(folder_.File("History")));
    for (const int id : {cmd::kSave, cmd::kUndo, cmd::kShowTotal, cmd::kFileMode})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(cmd::kSaveAs));
    EXPECT_TRUE(Enabled(cmd::kRefresh));
    EXPECT_EQ(status_->Services().Recent().Entries().front(), group_);
}

TEST_F(GroupDocumentTest, MonthsAreReadAsTheyComeIntoView) {
    ASSERT_TRUE(Docs().OpenDocument(group_));
    EXPECT_EQ(Schedules(), 0);
    EXPECT_TRUE(Docs().ShowPeriod(Day(2004, 11, 20), Day(2005, 2, 5)));
    EXPECT_EQ(Schedules(), 1);
    EXPECT_EQ(counter_.changes, 1);
    const auto* link = dynamic_cast<const CGroupLink*>(status_->Doc().GetAccessor());
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetLoadedMonths(),
              (std::vector<std::uint32_t>{200411, 200412, 200501, 200502}));
    // Scrolling back reads nothing and leaves the chart alone.
    EXPECT_FALSE(Docs().ShowPeriod(Day(2004, 12, 1), Day(2004, 12, 31)));
    EXPECT_EQ(counter_.changes, 1);
    EXPECT_FALSE(Docs().ShowPeriod(COleDateTime::Null(), Day(2004, 12, 31)));
}

TEST_F(GroupDocumentTest, TheSettingsDecideHowAppointmentsArePlaced) {
    GroupDisplaySettings& settings = status_->Services().Settings().group;
    settings.exactTimes = false;
    settings.time1 = 800;
    settings.time2 = 1800;
    ASSERT_TRUE(Docs().OpenDocument(group_));
    ASSERT_TRUE(Docs().ShowPeriod(Day(2004, 12, 1), Day(2004, 12, 31)));
    const CSchedule& made = *status_->GetProject()->GetSchedules().At(0);
    EXPECT_TRUE(made.IsByDay());
    EXPECT_EQ(made.GetStartOffset(), 2000);
    EXPECT_EQ(made.GetEndOffset(), 4000);
}

// F5 closes the group and opens it again, so months already tried are read
// anew.
TEST_F(GroupDocumentTest, RefreshReadsTheGroupAgain) {
    ASSERT_TRUE(Docs().OpenDocument(group_));
    Docs().ShowPeriod(Day(2004, 12, 1), Day(2005, 1, 31));
    WriteMonth(2005, 1, 9);
    EXPECT_FALSE(Docs().ShowPeriod(Day(2005, 1, 1), Day(2005, 1, 31)));
    ASSERT_TRUE(status_->Commands().Execute(cmd::kRefresh));
    EXPECT_EQ(status_->Doc().Path(), group_);
    EXPECT_TRUE(status_->Doc().ShowsForeignData());
    EXPECT_TRUE(Docs().ShowPeriod(Day(2004, 12, 1), Day(2005, 1, 31)));
    EXPECT_EQ(Schedules(), 2);
}

TEST_F(GroupDocumentTest, SaveAsKeepsASnapshotAsAnOrdinaryDocument) {
    ASSERT_TRUE(Docs().OpenDocument(group_));
    Docs().ShowPeriod(Day(2004, 12, 1), Day(2004, 12, 31));
    const std::string target = folder_.File("snapshot.qbd");
    prompt_.QueueFile(target);
    ASSERT_TRUE(status_->Commands().Execute(cmd::kSaveAs));
    const Document& doc = status_->Doc();
    EXPECT_EQ(doc.Path(), target);
    EXPECT_FALSE(doc.ShowsForeignData());
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_TRUE(Enabled(cmd::kSave));
    ErrorSlot error;
    const auto saved = ProjectArchive::ReadProjectArchive(TestFolder::Read(target), error);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->GetRows().GetCount(), 2);
    EXPECT_EQ(saved->GetSchedules().GetCount(), 1);
    EXPECT_EQ(saved->GetTitle(), "営業");
    // The group's own files are as they were.
    EXPECT_FALSE(Docs().ShowPeriod(Day(2004, 1, 1), Day(2004, 12, 31)));
}

TEST_F(GroupDocumentTest, AnUnreadableGroupSaysWhyAndOpensNothing) {
    const std::string damaged = folder_.File("damaged.GROUP");
    TestFolder::Write(damaged, "<xml/>");
    EXPECT_FALSE(Docs().OpenDocument(damaged));
    EXPECT_FALSE(status_->HasDocument());
    EXPECT_EQ(
        prompt_.Shown().back().text,
        std::string("ファイル形式が正しくありません。または、ファイルが破損しています。\r\n") +
            damaged);
    // From the recent files too.
    status_->Services().Recent().Add(group_);
    ASSERT_TRUE(status_->Commands().Execute(RecentFiles::kFirstCommand));
    EXPECT_TRUE(status_->Doc().ShowsForeignData());
}

}  // namespace
}  // namespace qb
