#include "LinkedMove.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "AppMessages.h"
#include "CDrawPartArray.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "DocumentCommands.h"
#include "EditFixture.h"
#include "IChartEdits.h"
#include "RowsWindow.h"
#include "ToolCommands.h"

namespace qb {
namespace {

using test::Date;

// Bars a → b → c in a chain on row B, a point p linked from c, a memo m
// linked to a, and d on its own on row C.
class LinkedMoveTest : public test::RowsTest {
protected:
    LinkedMoveTest() {
        a_ = AddSchedule(b_, 0);
        b2_ = AddSchedule(b_, 0);
        c2_ = AddSchedule(b_, 0);
        p_ = AddSchedule(c_, 1);
        d_ = AddSchedule(c_, 0);
        m_ = Build().Memo(b_, Date(2024, 5, 1)).GetObjectId();
        ab_ = AddLink(a_, b2_);
        bc_ = AddLink(b2_, c2_);
        cp_ = AddLink(c2_, p_);
        ma_ = AddLink(m_, a_);
        Show();
    }

    std::int32_t AddSchedule(std::int32_t row, int type) {
        CSchedule& schedule = Build().Schedule(
            row, Date(2024, 5, 10, 9), type == 0 ? Date(2024, 5, 20) : COleDateTime::Null());
        schedule.SetScheduleType(type);
        schedule.SetStartOffset(3750);
        return schedule.GetObjectId();
    }
    std::int32_t AddLink(std::int32_t from, std::int32_t to) {
        return Build().Link(from, to).GetObjectId();
    }
    CSchedule* Schedule(std::int32_t id) { return Project().FindSchedule(id); }
    // The schedule's values with its start (and end) moved by days.
    std::unique_ptr<CSchedule> Moved(std::int32_t id, int startDays, int endDays) {
        auto values = std::make_unique<CSchedule>();
        values->Assign(*Schedule(id));
        values->SetStartDate(values->GetStartDate().AddDays(startDays));
        values->SetEndDate(values->GetEndDate().AddDays(endDays));
        return values;
    }
    EditResult Move(std::int32_t id, int startDays, int endDays, bool askAgain) {
        return status_->ChartEdit().MoveSchedule(*Moved(id, startDays, endDays), askAgain);
    }
    bool StartsOn(std::int32_t id, int day) {
        return Schedule(id)->GetStartDate() == Date(2024, 5, day, 9);
    }
    std::optional<std::int32_t> Shown() {
        return store_.ReadInt(ToolCommands::kOnceSection, LinkedMove::kShowKey);
    }
    void Answer(LinkedChoice choice, bool dontShowAgain) {
        dialogs_.linkedMoves.push_back(LinkedMoveAnswer{choice, dontShowAgain});
    }

    std::int32_t a_ = 0, b2_ = 0, c2_ = 0, p_ = 0, d_ = 0, m_ = 0;
    std::int32_t ab_ = 0, bc_ = 0, cp_ = 0, ma_ = 0;
};

TEST_F(LinkedMoveTest, TheWalkFollowsLinksInArrayOrderDepthFirst) {
    using Ids = std::vector<std::int32_t>;
    EXPECT_EQ(LinkedMove::Collect(Project(), b2_, true), (Ids{b2_, bc_, c2_, cp_, p_}));
    EXPECT_EQ(LinkedMove::Collect(Project(), b2_, false),
              (Ids{b2_, ab_, a_, ma_, m_, bc_, c2_, cp_, p_}));
    EXPECT_EQ(LinkedMove::Collect(Project(), p_, true), Ids{p_});
    EXPECT_EQ(LinkedMove::Collect(Project(), d_, false), Ids{d_});
    // A loop back to the start takes nothing twice; deleted links lead nowhere.
    const std::int32_t back = AddLink(p_, a_);
    Project().FindLink(ma_)->SetDeleted(true);
    EXPECT_EQ(LinkedMove::Collect(Project(), a_, true),
              (Ids{a_, ab_, b2_, bc_, c2_, cp_, p_, back}));
    EXPECT_TRUE(LinkedMove::IsLinked(Project(), a_));
    EXPECT_FALSE(LinkedMove::IsLinked(Project(), m_));
    EXPECT_FALSE(LinkedMove::IsLinked(Project(), d_));
}

TEST_F(LinkedMoveTest, AChainOfManyLinksIsWalkedWithoutRecursion) {
    std::int32_t previous = d_;
    for (int i = 0; i < 200000; ++i) {
        auto schedule = std::make_unique<CSchedule>(Project().NewObjectId());
        const std::int32_t id = schedule->GetObjectId();
        Project().GetSchedules().Add(std::move(schedule));
        AddLink(previous, id);
        previous = id;
    }
    EXPECT_EQ(LinkedMove::Collect(Project(), d_, false).size(), 400001U);
}

TEST_F(LinkedMoveTest, TheDaysMoved) {
    const CSchedule& before = *Schedule(a_);
    struct Case {
        int start;
        int end;
        int days;
    };
    const Case cases[] = {{3, 3, 3}, {-2, 0, -2}, {0, 4, 4}, {0, -1, -1}, {0, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(LinkedMove::MovedDays(before, *Moved(a_, c.start, c.end)), c.days);
    auto part = Moved(a_, 0, 0);
    part->SetStartDate(Date(2024, 5, 8, 21));  // 1.5 days earlier
    EXPECT_EQ(LinkedMove::MovedDays(before, *part), -1);
}

TEST_F(LinkedMoveTest, SuccessorsOnlyMoveForwardAsOneStepAndTheAnswerIsKept) {
    store_.WriteInt(ToolCommands::kOnceSection, LinkedMove::kShowKey, 1);
    const std::string before = SavedContent();
    Answer(LinkedChoice::kSuccessors, false);
    ASSERT_TRUE(Move(b2_, 3, 3, false).ok);
    ASSERT_EQ(dialogs_.shownLinkedMoves.size(), 1U);
    EXPECT_EQ(dialogs_.shownLinkedMoves[0].days, 3);
    EXPECT_EQ(dialogs_.shownLinkedMoves[0].choice, LinkedChoice::kOnlyThis);
    EXPECT_FALSE(dialogs_.shownLinkedMoves[0].dontShowAgain);
    EXPECT_TRUE(StartsOn(b2_, 13));
    EXPECT_TRUE(StartsOn(c2_, 13));
    EXPECT_EQ(Schedule(c2_)->GetEndDate(), Date(2024, 5, 23));
    EXPECT_EQ(Schedule(c2_)->GetStartOffset(), 3750);
    // A point moves its start only.
    EXPECT_TRUE(StartsOn(p_, 13));
    EXPECT_TRUE(Schedule(p_)->GetEndDate().IsNull());
    EXPECT_TRUE(StartsOn(a_, 10));
    EXPECT_EQ(static_cast<CMemo*>(Project().FindDrawPart(m_))->GetXDate(), Date(2024, 5, 1));
    EXPECT_EQ(status_->Services().Settings().slideLinked, 2);
    EXPECT_EQ(Shown(), 1);  // the box was left as it was
    EXPECT_EQ(Undos(), 1U);
    ASSERT_TRUE(status_->Commands().Documents().Undo());
    EXPECT_EQ(SavedContent(), before);
}

TEST_F(LinkedMoveTest, EveryLinkedObjectMovesWithTheFirstChoice) {
    store_.WriteInt(ToolCommands::kOnceSection, LinkedMove::kShowKey, 1);
    Answer(LinkedChoice::kAll, true);
    ASSERT_TRUE(Move(b2_, -2, -2, false).ok);
    for (const std::int32_t id : {a_, b2_, c2_, p_})
        EXPECT_TRUE(StartsOn(id, 8)) << id;
    EXPECT_EQ(static_cast<CMemo*>(Project().FindDrawPart(m_))->GetXDate(), Date(2024, 4, 29));
    EXPECT_TRUE(StartsOn(d_, 10));
    // The box ticked: asked no more, the first choice applied silently.
    EXPECT_EQ(Shown(), 0);
    ASSERT_TRUE(Move(b2_, 1, 1, false).ok);
    EXPECT_EQ(dialogs_.shownLinkedMoves.size(), 1U);
    EXPECT_TRUE(StartsOn(a_, 9));
    // Shift shows it again, with the box ticked.
    Answer(LinkedChoice::kOnlyThis, false);
    ASSERT_TRUE(Move(b2_, 1, 1, true).ok);
    ASSERT_EQ(dialogs_.shownLinkedMoves.size(), 2U);
    EXPECT_TRUE(dialogs_.shownLinkedMoves[1].dontShowAgain);
    EXPECT_TRUE(StartsOn(b2_, 10));
    EXPECT_TRUE(StartsOn(a_, 9));
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(status_->Services().Settings().slideLinked, 3);
}

TEST_F(LinkedMoveTest, WithoutTheOnceAnswerTheRememberedChoiceIsTakenUnasked) {
    EXPECT_EQ(status_->Services().Settings().slideLinked, 3);
    ASSERT_TRUE(Move(a_, 5, 5, false).ok);
    EXPECT_TRUE(StartsOn(a_, 15));
    EXPECT_TRUE(StartsOn(b2_, 10));
    status_->Services().Settings().slideLinked = 2;
    ASSERT_TRUE(Move(a_, 0, 2, false).ok);  // the end alone: two days
    EXPECT_TRUE(StartsOn(b2_, 12));
    EXPECT_EQ(Schedule(a_)->GetEndDate(), Date(2024, 5, 27));
    EXPECT_TRUE(dialogs_.shownLinkedMoves.empty());
    EXPECT_FALSE(Shown());
}

TEST_F(LinkedMoveTest, NothingIsAskedWhenNoWholeDayMovedOrNoLinkTouches) {
    store_.WriteInt(ToolCommands::kOnceSection, LinkedMove::kShowKey, 1);
    auto caption = Moved(b2_, 0, 0);
    caption->SetCaption("新しい名前");
    ASSERT_TRUE(status_->ChartEdit().MoveSchedule(*caption, true).ok);
    EXPECT_EQ(Schedule(b2_)->GetCaption(), "新しい名前");
    ASSERT_TRUE(Move(d_, 4, 4, true).ok);
    EXPECT_TRUE(StartsOn(d_, 14));
    EXPECT_TRUE(dialogs_.shownLinkedMoves.empty());
}

TEST_F(LinkedMoveTest, CancelWritesNothing) {
    store_.WriteInt(ToolCommands::kOnceSection, LinkedMove::kShowKey, 1);
    status_->Services().Settings().slideLinked = 1;
    const std::string before = SavedContent();
    const EditResult result = Move(b2_, 3, 3, false);  // no answer queued
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(dialogs_.shownLinkedMoves.size(), 1U);
    EXPECT_EQ(SavedContent(), before);
    EXPECT_EQ(Undos(), 0U);
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(status_->Services().Settings().slideLinked, 1);
}

// Two processes in shared mode: what the other deleted stops the move.
class LinkedMoveSharedTest : public test::EditTest {};

TEST_F(LinkedMoveSharedTest, ObjectsOrRowsDeletedMeanwhileStopTheWholeMove) {
    struct Case {
        const char* name;
        std::int32_t deleted;
        std::int32_t row;
        int message;
    };
    // The small project: schedule 3 on row 1 linked to 4 on row 2.
    const Case cases[] = {{"the linked schedule", 4, 1, 197}, {"the row moved to", -1, 99, 195}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Instance mine;
        WriteFile(true);
        ASSERT_TRUE(mine.Open(Path()));
        mine.status.Services().Settings().slideLinked = 1;
        if (c.deleted >= 0) {
            test::Instance other("他人");
            ASSERT_TRUE(other.Open(Path()));
            ASSERT_TRUE(other.Edits().DeleteObject(c.deleted).ok);
        }
        auto values = std::make_unique<CSchedule>();
        values->Assign(*mine.Project().FindSchedule(3));
        values->SetStartDate(values->GetStartDate().AddDays(2));
        values->SetRowObjectId(c.row);
        const EditResult result = mine.status.ChartEdit().MoveSchedule(*values, false);
        EXPECT_FALSE(result.ok);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->id, c.message);
        const auto saved = test::ReadProject(Path());
        EXPECT_EQ(saved->FindSchedule(3)->GetStartDate(), COleDateTime(2026, 4, 1, 0, 0, 0));
        if (const CSchedule* linked = saved->FindSchedule(4)) {
            EXPECT_EQ(linked->GetStartDate(), COleDateTime(2026, 4, 1, 0, 0, 0));
        }
    }
}

}  // namespace
}  // namespace qb
