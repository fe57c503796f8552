#include "ChartEdits.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppMessages.h"
#include "CCommandHandler.h"
#include "DocumentCommands.h"
#include "EditFixture.h"
#include "EditSession.h"

namespace qb {
namespace {

using test::Instance;
using test::IsLive;

const COleDateTime kMay1(2026, 5, 1, 0, 0, 0);
const COleDateTime kMay8(2026, 5, 8, 0, 0, 0);

std::unique_ptr<CSchedule> Bar(std::int32_t row, const std::string& caption = "新規") {
    auto schedule = std::make_unique<CSchedule>(CData::kNoObject);
    schedule->SetRowObjectId(row);
    schedule->SetStartDate(kMay1);
    schedule->SetEndDate(kMay8);
    schedule->SetCaption(caption);
    return schedule;
}

std::unique_ptr<CLink> Link(std::int32_t from, std::int32_t to) {
    auto link = std::make_unique<CLink>(CData::kNoObject);
    link->SetFromId(from);
    link->SetToId(to);
    return link;
}

// The values a dialog or a drag hands over: a copy of the object, changed.
template <class T>
std::unique_ptr<T> ValuesOf(const T* object, const std::function<void(T&)>& change = {}) {
    auto values = std::make_unique<T>();
    values->Assign(*object);
    if (change)
        change(*values);
    return values;
}

std::string Bytes(const CProject& project) {
    return ProjectArchive::WriteProjectArchive(project);
}

class ChartEditsTest : public test::EditTest {
protected:
    IChartEdits& Edits() { return me.status.ChartEdit(); }
    CSchedule* Schedule(std::int32_t id) { return me.Project().FindSchedule(id); }
    bool Undo() { return me.status.Commands().Documents().Undo(); }
};

TEST_F(ChartEditsTest, AddedObjectsTakeNewIdsAndTheCreatorsStampAndUndoAsOneStep) {
    OpenMine(false);
    me.status.Services().Settings().userName = "山田";
    const std::string before = Bytes(me.Project());
    auto bar = Bar(2);
    bar->SetObjectId(3);  // the id the values carry is never taken
    bar->SetModifier("誰か");
    const EditResult added = Edits().AddObject(*bar);
    ASSERT_TRUE(added.ok);
    EXPECT_EQ(added.id, 7);
    EXPECT_EQ(added.ids, std::vector<std::int32_t>{7});
    const CSchedule* schedule = Schedule(7);
    ASSERT_TRUE(IsLive(schedule));
    EXPECT_EQ(schedule->GetCaption(), "新規");
    EXPECT_EQ(schedule->GetRowObjectId(), 2);
    EXPECT_EQ(schedule->GetRegistrant(), "山田");
    EXPECT_EQ(schedule->GetModifier(), "");
    EXPECT_TRUE(schedule->GetLastModified().IsValid());
    EXPECT_EQ(Schedule(3)->GetCaption(), "");

    auto memo = std::make_unique<CMemo>(CData::kNoObject);
    memo->SetYRowId(0);
    memo->SetText("メモ");
    EXPECT_EQ(Edits().AddObject(*memo).id, 8);
    EXPECT_EQ(Edits().AddObject(*Link(7, 8)).id, 9);
    EXPECT_EQ(me.Project().FindLink(9)->GetToId(), 8);
    EXPECT_EQ(me.status.Undo().UndoCount(), 3u);
    EXPECT_TRUE(me.status.Doc().IsModified());

    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Undo());
    // Ids once handed out stay used; the rest is as it was.
    EXPECT_EQ(me.Project().GetLastObjectId(), 10);
    me.Project().SetLastObjectId(7);
    EXPECT_EQ(Bytes(me.Project()), before);
}

TEST_F(ChartEditsTest, ReferencesToRowsAndEndsThatAreNotThereAreRefused) {
    OpenMine(false);
    me.Project().FindRow(0)->SetDeleted(true);  // row 1 hangs below it
    Schedule(3)->SetDeleted(true);
    struct Case {
        const char* what;
        std::unique_ptr<CData> object;
        int message;
    };
    std::vector<Case> cases;
    cases.push_back({"no such row", Bar(42), messages::kRowGone.id});
    cases.push_back({"below a deleted row", Bar(1), messages::kRowGone.id});
    cases.push_back({"a row as link end", Link(4, 2), messages::kTargetGone.id});
    cases.push_back({"a deleted end", Link(4, 3), messages::kTargetGone.id});
    for (const Case& c : cases) {
        const EditResult result = Edits().AddObject(*c.object);
        EXPECT_FALSE(result.ok) << c.what;
        ASSERT_TRUE(result.message) << c.what;
        EXPECT_EQ(result.message->id, c.message) << c.what;
    }
    CRow row(CData::kNoObject);
    EXPECT_FALSE(Edits().AddObject(row).ok);  // rows are not the chart's
    EXPECT_EQ(me.Project().GetLastObjectId(), 7);
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
}

TEST_F(ChartEditsTest, ChangesTakeEveryValueButIdentityAndAudit) {
    OpenMine(false);
    me.status.Services().Settings().userName = "佐藤";
    Schedule(3)->SetRegistrant("作成者");
    Schedule(3)->SetParam("_kept", "1");
    auto values = ValuesOf<CSchedule>(Schedule(3), [](CSchedule& s) {
        s.SetCaption("設計");
        s.SetRowObjectId(2);
        s.SetYOffset(6);
        s.SetStartDate(kMay1);
        s.SetEndOffset(5000);
        s.SetBgColor(0x00FF00);
        s.SetParam("_note", "3");
        s.RemoveParam("_kept");  // as a dialog's copy of typed values has none
        s.SetRegistrant("偽");
        s.SetDeleted(true);
        s.SetLastModified(COleDateTime(2000, 1, 1, 0, 0, 0));
    });
    const std::string untouched = Bytes(me.Project());
    auto same = ValuesOf<CSchedule>(Schedule(4));
    ASSERT_TRUE(Edits().ChangeObjects({values.get(), same.get()}).ok);
    const CSchedule* changed = Schedule(3);
    EXPECT_EQ(changed->GetCaption(), "設計");
    EXPECT_EQ(changed->GetRowObjectId(), 2);
    EXPECT_EQ(changed->GetYOffset(), 6);
    EXPECT_EQ(changed->GetStartDate(), kMay1);
    EXPECT_EQ(changed->GetEndOffset(), 5000);
    EXPECT_EQ(changed->GetBgColor(), 0x00FF00u);
    EXPECT_EQ(changed->GetParam("_note"), "3");
    EXPECT_EQ(changed->GetParam("_kept"), "1");
    EXPECT_EQ(changed->GetObjectId(), 3);
    EXPECT_EQ(changed->GetRegistrant(), "作成者");
    EXPECT_FALSE(changed->IsDeleted());
    EXPECT_EQ(changed->GetModifier(), "佐藤");
    EXPECT_GT(changed->GetLastModified(), COleDateTime(2020, 1, 1, 0, 0, 0));
    // Values equal to what is there leave no trace.
    EXPECT_EQ(Schedule(4)->GetModifier(), "");
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);
    ASSERT_TRUE(Undo());
    EXPECT_EQ(Bytes(me.Project()), untouched);
}

TEST_F(ChartEditsTest, ValuesTheObjectsHoldAlreadyMakeNoStep) {
    OpenMine(true);
    const std::string before = TestFolder::Read(Path());
    auto same = ValuesOf<CSchedule>(Schedule(4));
    EXPECT_TRUE(Edits().ChangeObjects({same.get()}).ok);
    EXPECT_EQ(TestFolder::Read(Path()), before);
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
    Instance other;
    EXPECT_TRUE(other.Open(Path()));  // the file was let go
}

TEST_F(ChartEditsTest, OneBadValueChangesNoneOfTheOthers) {
    OpenMine(false);
    auto bar = ValuesOf<CSchedule>(Schedule(3), [](CSchedule& s) { s.SetCaption("x"); });
    auto memo = ValuesOf<CMemo>(static_cast<CMemo*>(me.Project().FindDrawPart(5)),
                                [](CMemo& m) { m.SetYRowId(99); });
    auto link = ValuesOf<CLink>(me.Project().FindLink(6), [](CLink& l) { l.SetToId(6); });
    auto stranger = ValuesOf<CSchedule>(Schedule(4), [](CSchedule& s) { s.SetObjectId(50); });
    const std::string before = Bytes(me.Project());
    const std::vector<std::pair<const CData*, int>> bad = {
        {memo.get(), messages::kRowGone.id},
        {link.get(), messages::kTargetGone.id},
        {stranger.get(), messages::kSomeDraggedGone.id},
    };
    for (const auto& [values, message] : bad) {
        const EditResult result = Edits().ChangeObjects({bar.get(), values});
        EXPECT_FALSE(result.ok);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->id, message);
    }
    EXPECT_EQ(Edits().ChangeObjects({stranger.get()}).message->id, messages::kEditTargetGone.id);
    EXPECT_EQ(Bytes(me.Project()), before);
    EXPECT_EQ(me.status.Undo().UndoCount(), 0u);
}

TEST_F(ChartEditsTest, CopiesGetNewIdsInOrderAndLeaveTheSourcesAlone) {
    OpenMine(false);
    auto bar = ValuesOf<CSchedule>(Schedule(3), [](CSchedule& s) {
        s.SetStartDate(kMay1);
        s.SetRowObjectId(2);
    });
    auto memo = ValuesOf<CMemo>(static_cast<CMemo*>(me.Project().FindDrawPart(5)));
    const EditResult copied = Edits().CopyObjects({bar.get(), memo.get()});
    ASSERT_TRUE(copied.ok);
    EXPECT_EQ(copied.ids, (std::vector<std::int32_t>{7, 8}));
    EXPECT_EQ(Schedule(7)->GetStartDate(), kMay1);
    EXPECT_EQ(Schedule(7)->GetRowObjectId(), 2);
    EXPECT_EQ(Schedule(7)->GetRegistrant(), "tester");
    EXPECT_EQ(static_cast<CMemo*>(me.Project().FindDrawPart(8))->GetText(), "note");
    EXPECT_EQ(Schedule(3)->GetStartDate(), COleDateTime(2026, 4, 1, 0, 0, 0));
    EXPECT_EQ(Schedule(3)->GetRowObjectId(), 1);
    EXPECT_EQ(me.status.Undo().UndoCount(), 1u);

    // A copy needs its source still there.
    ASSERT_TRUE(Edits().DeleteObjects({3}).ok);
    EXPECT_EQ(Edits().CopyObjects({bar.get()}).message->id, messages::kEditTargetGone.id);
}

TEST_F(ChartEditsTest, DeletingTakesTheAttachedLinksAndReportsWhatWasGoneAlready) {
    OpenMine(false);
    ASSERT_TRUE(Edits().DeleteObjects({4}).ok);
    EXPECT_FALSE(IsLive(Schedule(4)));
    EXPECT_FALSE(IsLive(me.Project().FindLink(6)));
    EXPECT_TRUE(IsLive(Schedule(3)));
    EXPECT_EQ(Schedule(4)->GetModifier(), "tester");

    // A row goes with its branch and what lies on it.
    const EditResult some = Edits().DeleteObjects({4, 0, 1});
    EXPECT_TRUE(some.ok);
    ASSERT_TRUE(some.message);
    EXPECT_EQ(some.message->id, messages::kSomeTargetsGone.id);
    EXPECT_FALSE(IsLive(me.Project().FindRow(1)));
    EXPECT_FALSE(IsLive(Schedule(3)));
    EXPECT_TRUE(IsLive(me.Project().FindDrawPart(5)));
    EXPECT_EQ(me.status.Undo().UndoCount(), 2u);

    const EditResult none = Edits().DeleteObjects({3, 4});
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.message->id, messages::kTargetGone.id);
    EXPECT_EQ(me.status.Undo().UndoCount(), 2u);
}

// Another process deleted something first: the step stops with its
// message, writes nothing and lets the file go.
TEST_F(ChartEditsTest, SharedModeRefusalsLeaveTheFileAsTheOtherProcessWroteIt) {
    struct Case {
        const char* what;
        std::int32_t deletedByOther;
        std::function<EditResult(IChartEdits&, CProject&)> act;
        int message;
    };
    const std::vector<Case> cases = {
        {"move one", 3,
         [](IChartEdits& e, CProject& p) {
             return e.ChangeObjects({ValuesOf(p.FindSchedule(3)).get()});
         },
         messages::kEditTargetGone.id},
        {"move two", 4,
         [](IChartEdits& e, CProject& p) {
             auto a = ValuesOf(p.FindSchedule(3));
             auto b = ValuesOf(p.FindSchedule(4));
             return e.ChangeObjects({a.get(), b.get()});
         },
         messages::kSomeDraggedGone.id},
        {"onto a row", 2,
         [](IChartEdits& e, CProject& p) {
             auto a =
                 ValuesOf<CSchedule>(p.FindSchedule(3), [](CSchedule& s) { s.SetRowObjectId(2); });
             return e.ChangeObjects({a.get()});
         },
         messages::kRowGone.id},
        {"create", 2, [](IChartEdits& e, CProject&) { return e.AddObject(*Bar(2)); },
         messages::kRowGone.id},
        {"link", 5, [](IChartEdits& e, CProject&) { return e.AddObject(*Link(3, 5)); },
         messages::kTargetGone.id},
        {"copy", 4,
         [](IChartEdits& e, CProject& p) {
             return e.CopyObjects({ValuesOf(p.FindSchedule(4)).get()});
         },
         messages::kEditTargetGone.id},
        {"delete", 4, [](IChartEdits& e, CProject&) { return e.DeleteObjects({4}); },
         messages::kTargetGone.id},
    };
    for (const Case& c : cases) {
        ExpectRefusedAfterOtherDeleted(
            c.what, c.deletedByOther,
            [&](Instance& mine) { return c.act(mine.status.ChartEdit(), mine.Project()); },
            c.message);
    }
}

}  // namespace
}  // namespace qb
