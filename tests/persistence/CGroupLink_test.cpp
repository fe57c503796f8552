#include "CGroupLink.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "CRow.h"
#include "CSchedule.h"
#include "ErrorSlot.h"
#include "GroupBytes.h"
#include "GroupFile.h"
#include "GroupMonthFile.h"
#include "TestFolder.h"

namespace qb {
namespace {

using test::AppointmentBytes;
using test::GroupBytes;

double Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0).GetDays();
}

class GroupLinkTest : public ::testing::Test {
protected:
    GroupLinkTest() { WriteGroup(folder_.File("team.group")); }

    static void WriteGroup(const std::string& path) {
        TestFolder::Write(path, test::GroupFileBytes("開発チーム", {{"山田", "yamada", 0},
                                                                    {"隠れ", "hidden", 0x40},
                                                                    {"佐藤", "sato", 0x01}}));
    }
    void WriteMonth(const std::string& name, const std::vector<AppointmentBytes>& list) {
        TestFolder::Write(folder_.File(name), test::MonthFileBytes(list));
    }
    // The schedules made from one appointment on the given settings.
    std::vector<const CSchedule*> Convert(const AppointmentBytes& appointment,
                                          GroupDisplaySettings settings) {
        WriteMonth("team200405.sch", {appointment});
        project_ = std::make_unique<CProject>();
        link_ = std::make_unique<CGroupLink>(folder_.File("team.group"), settings);
        link_->LoadMonths(*project_, 2004, 5, 2004, 5);
        std::vector<const CSchedule*> made;
        project_->GetSchedules().ForEach([&made](const CSchedule& s) { made.push_back(&s); });
        return made;
    }

    TestFolder folder_;
    std::unique_ptr<CProject> project_ = std::make_unique<CProject>();
    std::unique_ptr<CGroupLink> link_ = std::make_unique<CGroupLink>(folder_.File("team.group"));
};

TEST_F(GroupLinkTest, VisibleMembersBecomeRowsInPlaceOfTheOldOnes) {
    project_->GetRows().Add(std::make_unique<CRow>(project_->NewObjectId()));
    project_->SetShared(true);
    ASSERT_TRUE(link_->OpenGroup(*project_));
    const CRowArray& rows = project_->GetRows();
    ASSERT_EQ(rows.GetCount(), 2);
    EXPECT_EQ(rows.At(0)->GetCaption(), "山田");
    EXPECT_EQ(rows.At(1)->GetCaption(), "佐藤");
    EXPECT_EQ(rows.At(1)->GetHeight(), 32);
    EXPECT_EQ(project_->GetTitle(), "開発チーム");
    EXPECT_FALSE(project_->IsShared());
    EXPECT_TRUE(link_->IsOpened());
    const std::map<std::string, std::int32_t> members{{"yamada", rows.At(0)->GetObjectId()},
                                                      {"sato", rows.At(1)->GetObjectId()}};
    EXPECT_EQ(link_->GetMembers(), members);
}

TEST_F(GroupLinkTest, EachMonthIsTriedOnceInOrder) {
    WriteMonth("team200412.sch", {{Day(2004, 12, 3, 10), Day(2004, 12, 3, 11), "yamada"}});
    EXPECT_TRUE(link_->LoadMonths(*project_, 2004, 11, 2005, 2));
    EXPECT_EQ(link_->GetLoadedMonths(),
              (std::vector<std::uint32_t>{200411, 200412, 200501, 200502}));
    EXPECT_EQ(project_->GetSchedules().GetCount(), 1);
    // A file that turns up later for a month already tried stays unread.
    WriteMonth("team200501.sch", {{Day(2005, 1, 3, 10), Day(2005, 1, 3, 11), "yamada"}});
    EXPECT_FALSE(link_->LoadMonths(*project_, 2004, 12, 2005, 1));
    EXPECT_EQ(link_->GetLoadedMonths().size(), 4u);
    EXPECT_EQ(project_->GetSchedules().GetCount(), 1);
    // Months without any file count as tried, and read nothing.
    EXPECT_FALSE(link_->LoadMonths(*project_, 2005, 3, 2005, 3));
    EXPECT_EQ(link_->GetLoadedMonths().back(), 200503u);
    // Another path starts afresh.
    link_->SetPath(folder_.File("other.group"));
    EXPECT_TRUE(link_->GetLoadedMonths().empty());
    EXPECT_FALSE(link_->IsOpened());
}

TEST_F(GroupLinkTest, AnUnreadableGroupGivesNoRowsAndItsError) {
    link_->SetPath(folder_.File("missing.group"));
    EXPECT_FALSE(link_->LoadMonths(*project_, 2004, 5, 2004, 5));
    EXPECT_EQ(link_->GetErrorCode(), 2u);
    EXPECT_EQ(project_->GetRows().GetCount(), 0);
    EXPECT_TRUE(link_->GetLoadedMonths().empty());
}

TEST_F(GroupLinkTest, WorkingWindowPlacesAppointmentsByDay) {
    GroupDisplaySettings byDay;
    byDay.exactTimes = false;
    struct Case {
        int startHour, endHour;
        int startOffset, endOffset;
    };
    for (const Case c : {Case{12, 15, 2500, 5000}, Case{8, 10, 0, 833}}) {
        AppointmentBytes a{Day(2004, 5, 10, c.startHour), Day(2004, 5, 10, c.endHour), "yamada",
                           "会議"};
        a.detail = "第2会議室";
        const auto made = Convert(a, byDay);
        ASSERT_EQ(made.size(), 1u) << c.startHour;
        EXPECT_EQ(made[0]->GetStartOffset(), c.startOffset);
        EXPECT_EQ(made[0]->GetEndOffset(), c.endOffset);
        EXPECT_TRUE(made[0]->IsByDay());
        EXPECT_EQ(made[0]->GetStartDate().GetDays(), Day(2004, 5, 10));
        EXPECT_EQ(made[0]->GetCaption(), "会議");
        const std::string time =
            std::to_string(c.startHour) + ":00～" + std::to_string(c.endHour) + ":00";
        EXPECT_EQ(made[0]->GetRemark(), time + "\r\n第2会議室");
        EXPECT_EQ(made[0]->GetParam("_tooltip"), time + " 会議");
    }
    EXPECT_TRUE(Convert({Day(2004, 5, 10, 21), Day(2004, 5, 10, 22), "yamada"}, byDay).empty());
    EXPECT_TRUE(Convert({Day(2004, 5, 10, 6), Day(2004, 5, 10, 8), "yamada"}, byDay).empty());
}

TEST_F(GroupLinkTest, ExactTimesKeepTheTimeOfDay) {
    const auto made = Convert({Day(2004, 5, 10, 21, 30), Day(2004, 5, 11, 1), "sato", "夜勤"},
                              GroupDisplaySettings{});
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0]->GetStartDate().GetDays(), Day(2004, 5, 10, 21, 30));
    EXPECT_EQ(made[0]->GetEndDate().GetDays(), Day(2004, 5, 11, 1));
    EXPECT_FALSE(made[0]->IsByDay());
    EXPECT_EQ(made[0]->GetRemark(), "");
    EXPECT_FALSE(made[0]->HasParam("_tooltip"));
    EXPECT_EQ(made[0]->GetRowObjectId(), link_->GetMembers().at("sato"));
    EXPECT_EQ(made[0]->GetProgressRate(), -1);
    EXPECT_TRUE(made[0]->GetActualStartDate().IsNull());
}

TEST_F(GroupLinkTest, ColourAndStyleFollowTheSettings) {
    struct Case {
        int how;
        ColorRef colour;
        ColorRef text;
        int yOffset, height, vAlign, position;
    };
    const ColorRef lightYellow = 0x80FFFF;
    for (const Case c :
         {Case{0, 0xFF0000, kWhite, 5, 22, 1, 0}, Case{0, lightYellow, kBlack, 5, 22, 1, 0},
          Case{1, 0xFF0000, kBlack, 9, 6, 0, 3}}) {
        GroupDisplaySettings settings;
        settings.how = c.how;
        AppointmentBytes a{Day(2004, 5, 10, 9), Day(2004, 5, 10, 10), "yamada"};
        a.colour = c.colour;
        const auto made = Convert(a, settings);
        ASSERT_EQ(made.size(), 1u);
        EXPECT_EQ(made[0]->GetBgColor(), c.colour);
        EXPECT_EQ(made[0]->GetTextColor(), c.text) << std::hex << c.colour;
        EXPECT_EQ(made[0]->GetYOffset(), c.yOffset);
        EXPECT_EQ(made[0]->GetHeight(), c.height);
        EXPECT_EQ(made[0]->GetCaptionVAlign(), c.vAlign);
        EXPECT_EQ(made[0]->GetCaptionPosition(), c.position);
        EXPECT_EQ(made[0]->GetSubType(), 1);
    }
}

// Which appointments of one file become schedules: hidden and unknown
// members, excluded and superseded records (unless all day), invalid dates,
// private ones without their title.
TEST_F(GroupLinkTest, OnlyShownAppointmentsBecomeSchedules) {
    const double from = Day(2004, 5, 10, 9);
    const double to = Day(2004, 5, 10, 10);
    AppointmentBytes plain{from, to, "yamada", "表示"};
    AppointmentBytes hidden{from, to, "hidden", "隠れ"};
    AppointmentBytes unknown{from, to, "nobody", "不明"};
    AppointmentBytes excluded{from, to, "yamada", "除外"};
    excluded.flags = GroupMonthFile::kExcluded;
    AppointmentBytes allDay{from, to, "sato", "終日"};
    allDay.flags = GroupMonthFile::kExcluded | GroupMonthFile::kAllDay;
    AppointmentBytes replaced{from, to, "yamada", "置換前"};
    AppointmentBytes replacing{from, to, "yamada", "置換後"};
    replacing.flags = 2;
    replacing.supersedes = 6;
    AppointmentBytes farAway{from, to, "yamada", "範囲外"};
    farAway.flags = 1;
    farAway.supersedes = 1000;
    AppointmentBytes invalid{from, to, "yamada", "無効"};
    invalid.startStatus = 1;
    AppointmentBytes secret{from, to, "sato", "秘密"};
    secret.flags = GroupMonthFile::kPrivate;
    WriteMonth("team200405.sch", {plain, hidden, unknown, excluded, allDay, replacing, replaced,
                                  farAway, invalid, secret});
    ASSERT_TRUE(link_->LoadMonths(*project_, 2004, 5, 2004, 5));
    std::vector<std::string> captions;
    project_->GetSchedules().ForEach(
        [&captions](const CSchedule& s) { captions.push_back(s.GetCaption()); });
    EXPECT_EQ(captions, (std::vector<std::string>{"表示", "終日", "置換後", "範囲外", ""}));
    const CSchedule& whole = *project_->GetSchedules().At(1);
    EXPECT_EQ(whole.GetBgColor(), kWhite);
    EXPECT_EQ(whole.GetTextColor(), kBlack);
    EXPECT_EQ(whole.GetEdgePen().GetStyle(), 2);
}

TEST_F(GroupLinkTest, MonthFilesAreFoundBesideAGroupInAFolderWithCapitals) {
    const std::filesystem::path folder = folder_.Path() / "Team Files";
    std::filesystem::create_directory(folder);
    WriteGroup((folder / "Team.Group").string());
    EXPECT_EQ(CGroupLink::MonthFilePath((folder / "Team.Group").string(), 2004, 5),
              (folder / "team200405.sch").string());
    // A month file whose name differs only in case is found as well.
    TestFolder::Write((folder / "TEAM200406.SCH").string(),
                      test::MonthFileBytes({{Day(2004, 6, 1, 9), Day(2004, 6, 1, 10), "yamada"}}));
    TestFolder::Write((folder / "team200405.sch").string(),
                      test::MonthFileBytes({{Day(2004, 5, 1, 9), Day(2004, 5, 1, 10), "yamada"}}));
    CGroupLink link((folder / "Team.Group").string());
    EXPECT_TRUE(link.LoadMonths(*project_, 2004, 5, 2004, 6));
    EXPECT_EQ(project_->GetSchedules().GetCount(), 2);
}

TEST_F(GroupLinkTest, TheLinkNeitherTakesNorWritesItsFiles) {
    const std::string before = TestFolder::Read(folder_.File("team.group"));
    EXPECT_TRUE(link_->Lock(project_.get()));
    EXPECT_FALSE(link_->Save(project_.get(), true));
    EXPECT_EQ(link_->GetErrorCode(), ErrorSlot::kOwnError);
    EXPECT_EQ(TestFolder::Read(folder_.File("team.group")), before);
    EXPECT_EQ(link_->Load(true), nullptr);
    EXPECT_EQ(link_->GetErrorCode(), 0u);
    CGroupLink untitled;
    EXPECT_EQ(untitled.Load(true), nullptr);
    EXPECT_EQ(untitled.GetErrorMessage(), "ファイルパスが指定されていません。");
    EXPECT_FALSE(untitled.IsReadOnly());
}

// Counts of a damaged group file are checked before anything is made of
// them.
TEST(GroupFileTest, DamagedCountsAreRefused) {
    struct Case {
        const char* what;
        std::int32_t count, strings, integers, headerStrings, headerIntegers;
    };
    for (const Case c :
         {Case{"members beyond the file", 0x7FFFFFFF, 2, 0, 0, 0},
          Case{"strings beyond the file", 1, 0x7FFFFFFF, 1, 0, 0},
          Case{"integers beyond the file", 1, 2, 0x7FFFFFFF, 0, 0},
          Case{"header strings", 0, 2, 1, 0x7FFFFFFF, 0},
          Case{"header integers", 0, 2, 1, 0, 0x40000000}, Case{"negative members", -1, 2, 1, 0, 0},
          Case{"negative integers", 1, 2, -1, 0, 0}, Case{"no key", 0x7FFFFFFF, 1, 0, 0, 0},
          Case{"empty members", 0x7FFFFFFF, 0, 0, 0, 0}}) {
        GroupBytes b;
        b.U32(0).Str("g").I32(c.count).I32(c.strings).I32(c.integers);
        b.I32(c.headerStrings).I32(c.headerIntegers).Str("a").Str("b").I32(0);
        EXPECT_FALSE(GroupFile::Read(b.Bytes())) << c.what;
    }
    const std::string whole = test::GroupFileBytes("g", {{"a", "b", 0}, {"c", "d", 0}});
    ASSERT_TRUE(GroupFile::Read(whole));
    EXPECT_FALSE(GroupFile::Read(whole.substr(0, whole.size() - 1)));
}

TEST(GroupMonthFileTest, ARecordWithTooFewValuesEndsTheFileAsDamage) {
    const AppointmentBytes good{Day(2004, 5, 1, 9), Day(2004, 5, 1, 10), "a"};
    for (const auto& [integers, strings] : {std::pair<int, int>{1, 4}, {2, 2}, {0, 0}}) {
        AppointmentBytes bad = good;
        bad.integers = static_cast<std::uint16_t>(integers);
        bad.strings = static_cast<std::uint16_t>(strings);
        const GroupMonthFile month = GroupMonthFile::Read(test::MonthFileBytes({good, bad, good}));
        EXPECT_TRUE(month.damaged) << integers << "/" << strings;
        EXPECT_EQ(month.appointments.size(), 1u);
    }
    // Many values are fine; a cut-off record only ends the list.
    AppointmentBytes many = good;
    many.integers = 5;
    many.strings = 6;
    const std::string bytes = test::MonthFileBytes({many, good});
    const GroupMonthFile whole = GroupMonthFile::Read(bytes);
    ASSERT_EQ(whole.appointments.size(), 2u);
    EXPECT_EQ(whole.appointments[0].memberKey, "a");
    const GroupMonthFile cut = GroupMonthFile::Read(bytes.substr(0, bytes.size() - 2));
    EXPECT_FALSE(cut.damaged);
    EXPECT_EQ(cut.appointments.size(), 1u);
}

}  // namespace
}  // namespace qb
