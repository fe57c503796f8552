// The rows block: what a copied row takes along, how it is renumbered, and
// the blocks whose references point nowhere.
#include <gtest/gtest.h>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"
#include "ProjectArchive.h"
#include "RowClipboardStream.h"

namespace qb {
namespace {

CRow& AddRow(CRowArray& rows, std::int32_t id, const std::string& caption) {
    auto row = std::make_unique<CRow>(id);
    row->SetCaption(caption);
    CRow& added = *row;
    rows.Add(std::move(row));
    return added;
}

void AddSchedule(CProject& project, std::int32_t id, std::int32_t row) {
    auto schedule = std::make_unique<CSchedule>(id);
    schedule->SetRowObjectId(row);
    schedule->SetCaption("s" + std::to_string(id));
    project.GetSchedules().Add(std::move(schedule));
}

void AddMemo(CProject& project, std::int32_t id, std::int32_t row) {
    auto memo = std::make_unique<CMemo>(id);
    memo->SetYRowId(row);
    memo->SetText("m" + std::to_string(id));
    project.GetDrawParts().Add(std::move(memo));
}

void AddLink(CProject& project, std::int32_t id, std::int32_t from, std::int32_t to) {
    auto link = std::make_unique<CLink>(id);
    link->SetFromId(from);
    link->SetToId(to);
    project.GetLinks().Add(std::move(link));
}

// Top 10 > { 20 > { 30 }, 25 (deleted) }, and 40 beside it. Schedules 50 on
// 20, 51 on 40, 52 on 30; memo 60 on 30, 61 free, 62 on 40; links 70 from 50
// to 52, 71 from 50 to 51 (outside), 72 from 52 to 60; columns 80 and 81.
std::unique_ptr<CProject> Source() {
    auto project = std::make_unique<CProject>();
    CRow& top = AddRow(project->GetRows(), 10, "top");
    CRow& copied = AddRow(top.GetChildren(), 20, "copied");
    copied.SetParam("_c80", "cell");
    AddRow(copied.GetChildren(), 30, "child");
    AddRow(top.GetChildren(), 25, "gone").SetDeleted(true);
    AddRow(project->GetRows(), 40, "outside");
    AddSchedule(*project, 50, 20);
    AddSchedule(*project, 51, 40);
    AddSchedule(*project, 52, 30);
    AddMemo(*project, 60, 30);
    AddMemo(*project, 61, CData::kNoObject);
    AddMemo(*project, 62, 40);
    AddLink(*project, 70, 50, 52);
    AddLink(*project, 71, 50, 51);
    AddLink(*project, 72, 52, 60);
    for (std::int32_t id : {80, 81}) {
        auto column = std::make_unique<CColumn>(id);
        column->SetCaption("col" + std::to_string(id));
        project->GetColumns().Add(std::move(column));
    }
    project->SetLastObjectId(82);
    return project;
}

void ExpectCopiedRow(const CProject& copy) {
    ASSERT_EQ(copy.GetRows().GetCount(), 1);
    const CRow& row = *copy.FindRow(1);
    EXPECT_EQ(row.GetCaption(), "copied");
    EXPECT_EQ(row.GetParam("_c80"), "cell");
    ASSERT_EQ(row.GetChildren().GetCount(), 1);
    EXPECT_EQ(copy.FindRow(2)->GetCaption(), "child");
    ASSERT_EQ(copy.GetSchedules().GetCount(), 2);
    EXPECT_EQ(copy.FindSchedule(3)->GetCaption(), "s50");
    EXPECT_EQ(copy.FindSchedule(3)->GetRowObjectId(), 1);
    EXPECT_EQ(copy.FindSchedule(4)->GetCaption(), "s52");
    EXPECT_EQ(copy.FindSchedule(4)->GetRowObjectId(), 2);
    ASSERT_EQ(copy.GetDrawParts().GetCount(), 1);
    const auto& memo = static_cast<const CMemo&>(*copy.FindDrawPart(5));
    EXPECT_EQ(memo.GetText(), "m60");
    EXPECT_EQ(memo.GetYRowId(), 2);
    ASSERT_EQ(copy.GetLinks().GetCount(), 2);
    EXPECT_EQ(copy.FindLink(6)->GetFromId(), 3);
    EXPECT_EQ(copy.FindLink(6)->GetToId(), 4);
    EXPECT_EQ(copy.FindLink(7)->GetFromId(), 4);
    EXPECT_EQ(copy.FindLink(7)->GetToId(), 5);
    // Every column, under the id the cell texts are named after.
    ASSERT_EQ(copy.GetColumns().GetCount(), 2);
    EXPECT_EQ(copy.FindColumn(80)->GetCaption(), "col80");
    EXPECT_EQ(copy.FindColumn(81)->GetCaption(), "col81");
    EXPECT_GE(copy.GetLastObjectId(), 82);
}

TEST(RowClipboardStream, ARowTakesItsBranchItsObjectsInnerLinksAndAllColumnsRenumbered) {
    auto source = Source();
    auto copy = RowClipboardStream::Extract(*source, 20);
    ASSERT_TRUE(copy);
    ExpectCopiedRow(*copy);
    // The source is left as it was.
    EXPECT_EQ(source->FindSchedule(50)->GetRowObjectId(), 20);
    EXPECT_EQ(source->GetLinks().GetCount(), 3);
}

TEST(RowClipboardStream, TheBlockIsTheArchiveOfTheExtractAndReadsBack) {
    auto source = Source();
    const std::string bytes = RowClipboardStream::Write(*source, 20);
    EXPECT_EQ(bytes,
              ProjectArchive::WriteProjectArchive(*RowClipboardStream::Extract(*source, 20)));
    ErrorSlot error;
    auto copy = RowClipboardStream::Read(bytes, error);
    ASSERT_TRUE(copy) << error.GetMessage();
    EXPECT_FALSE(error.Failed());
    ExpectCopiedRow(*copy);
}

TEST(RowClipboardStream, MissingOrDeletedRowsGiveNothing) {
    auto source = Source();
    for (std::int32_t id : {25, 50, 999, CData::kNoObject}) {
        EXPECT_FALSE(RowClipboardStream::Extract(*source, id)) << id;
        EXPECT_TRUE(RowClipboardStream::Write(*source, id).empty()) << id;
    }
}

TEST(RowClipboardStream, BlocksWhoseReferencesPointNowhereAreRefused) {
    const std::pair<std::function<void(CProject&)>, std::string> damages[] = {
        {[](CProject& p) { p.FindSchedule(3)->SetRowObjectId(40); }, "schedule row outside"},
        {[](CProject& p) { p.FindSchedule(3)->SetRowObjectId(CData::kNoObject); },
         "schedule without row"},
        {[](CProject& p) { static_cast<CMemo*>(p.FindDrawPart(5))->SetYRowId(99); },
         "memo row outside"},
        {[](CProject& p) { p.FindLink(6)->SetToId(99); }, "link end outside"},
        {[](CProject& p) { p.FindLink(7)->SetFromId(1); }, "link end on a row"},
        {[](CProject& p) { p.FindSchedule(4)->SetObjectId(3); }, "two schedules with one id"},
        {[](CProject& p) { p.FindSchedule(3)->SetObjectId(2); }, "schedule with a row's id"},
        {[](CProject& p) { p.FindLink(7)->SetObjectId(3); }, "link with a schedule's id"},
        {[](CProject& p) { p.FindLink(7)->SetObjectId(6); }, "two links with one id"},
        {[](CProject& p) { p.GetRows().DeleteAll(); }, "no row at all"},
    };
    auto source = Source();
    for (const auto& [damage, what] : damages) {
        auto copy = RowClipboardStream::Extract(*source, 20);
        damage(*copy);
        ErrorSlot error;
        EXPECT_FALSE(RowClipboardStream::Read(ProjectArchive::WriteProjectArchive(*copy), error))
            << what;
        EXPECT_EQ(error.GetCode(), ErrorSlot::kOwnError) << what;
        EXPECT_FALSE(error.GetMessage().empty()) << what;
    }
    ErrorSlot error;
    EXPECT_FALSE(RowClipboardStream::Read("CF_QUELLBRANDIRENROW", error));
    EXPECT_TRUE(error.Failed());
}

}  // namespace
}  // namespace qb
