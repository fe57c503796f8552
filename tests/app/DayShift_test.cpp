#include "DayShift.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CDrawPartArray.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "DocumentCommands.h"
#include "EditStamp.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using Actuals = ShiftDaysValues::Actuals;

using test::Date;

ShiftDaysValues ByDays(const std::string& typed, bool left, Actuals actuals = Actuals::kShift) {
    ShiftDaysValues values;
    values.daysText = typed;
    values.left = left;
    values.actuals = actuals;
    return values;
}

ShiftDaysValues ToDate(const COleDateTime& target) {
    ShiftDaysValues values;
    values.mode = ShiftDaysValues::Mode::kToDate;
    values.daysText = "99";  // not read in this mode
    values.targetDate = target;
    return values;
}

// Rows A, A1, B, C; schedules s (with actuals and progress, 10:00 to 18:00
// with offsets) and t (no end, no actuals) and u (left out of selections,
// earliest of all); memo m.
class DayShiftTest : public test::RowsTest {
protected:
    DayShiftTest() {
        s_ = AddSchedule(b_, Date(2024, 5, 10, 10), Date(2024, 5, 20, 18));
        CSchedule& s = *Schedule(s_);
        s.SetStartOffset(2500);
        s.SetActualStartDate(Date(2024, 5, 11));
        s.SetActualEndDate(Date(2024, 5, 19));
        s.SetProgressRate(40);
        t_ = AddSchedule(c_, Date(2024, 5, 15), COleDateTime::Null());
        u_ = AddSchedule(c_, Date(2024, 4, 2), Date(2024, 4, 3));
        CMemo& memo = Build().Memo(b_, Date(2024, 5, 12));
        memo.SetXOffset(700);
        m_ = memo.GetObjectId();
        Show();
    }

    std::int32_t AddSchedule(std::int32_t row, const COleDateTime& start, const COleDateTime& end) {
        return Build().Schedule(row, start, end).GetObjectId();
    }
    CSchedule* Schedule(std::int32_t id) { return Project().FindSchedule(id); }
    CMemo* Memo() { return static_cast<CMemo*>(Project().FindDrawPart(m_)); }
    EditStamp Stamp() { return EditStamp("山田", Date(2026, 1, 1)); }
    void Answer(const ShiftDaysValues& values) {
        dialogs_.shiftDays.push_back([values](ShiftDaysValues& shown) { shown = values; });
    }

    std::int32_t s_ = 0, t_ = 0, u_ = 0, m_ = 0;
};

TEST_F(DayShiftTest, TheFourTreatmentsOfActualsAndWhatNeverMoves) {
    struct Case {
        Actuals actuals;
        COleDateTime actualStart;
        COleDateTime actualEnd;
        int progress;
    };
    const Case cases[] = {
        {Actuals::kShift, Date(2024, 5, 14), Date(2024, 5, 22), 40},
        {Actuals::kKeep, Date(2024, 5, 11), Date(2024, 5, 19), 40},
        {Actuals::kClear, COleDateTime::Null(), COleDateTime::Null(), 40},
        {Actuals::kClearWithProgress, COleDateTime::Null(), COleDateTime::Null(), -1},
    };
    const std::string before = SavedContent();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.actuals));
        EXPECT_EQ(DayShift::Apply(Project(), {s_, m_, t_}, 3, c.actuals, Stamp()), 3);
        const CSchedule& s = *Schedule(s_);
        EXPECT_EQ(s.GetStartDate(), Date(2024, 5, 13, 10));
        EXPECT_EQ(s.GetEndDate(), Date(2024, 5, 23, 18));
        EXPECT_EQ(s.GetStartOffset(), 2500);
        EXPECT_EQ(s.GetActualStartDate(), c.actualStart);
        EXPECT_EQ(s.GetActualEndDate(), c.actualEnd);
        EXPECT_EQ(s.GetProgressRate(), c.progress);
        EXPECT_EQ(s.GetModifier(), "山田");
        // A schedule without an end keeps it null.
        EXPECT_EQ(Schedule(t_)->GetStartDate(), Date(2024, 5, 18));
        EXPECT_TRUE(Schedule(t_)->GetEndDate().IsNull());
        EXPECT_EQ(Memo()->GetXDate(), Date(2024, 5, 15));
        EXPECT_EQ(Memo()->GetXOffset(), 700);
        EXPECT_EQ(Memo()->GetModifier(), "山田");
        // Back again for the next case; actuals once cleared stay cleared.
        DayShift::Apply(Project(), {s_, m_, t_}, -3, Actuals::kShift, Stamp());
        Schedule(s_)->SetActualStartDate(Date(2024, 5, 11));
        Schedule(s_)->SetActualEndDate(Date(2024, 5, 19));
        Schedule(s_)->SetProgressRate(40);
    }
    EXPECT_EQ(Schedule(u_)->GetStartDate(), Date(2024, 4, 2));
}

TEST_F(DayShiftTest, ClearingWithProgressTouchesASchedulWithoutActualsAndZeroMovesNothing) {
    Schedule(t_)->SetProgressRate(70);
    EXPECT_EQ(DayShift::Apply(Project(), {t_}, 0, Actuals::kClearWithProgress, Stamp()), 1);
    EXPECT_EQ(Schedule(t_)->GetProgressRate(), -1);
    EXPECT_EQ(Schedule(t_)->GetStartDate(), Date(2024, 5, 15));
    // Nothing changes, nothing is stamped; rows and gone ids are passed over.
    EXPECT_EQ(DayShift::Apply(Project(), {s_, m_, b_, 9999}, 0, Actuals::kShift, Stamp()), 0);
    EXPECT_EQ(Schedule(s_)->GetModifier(), "");
}

TEST_F(DayShiftTest, TheDaysAskedFor) {
    struct Case {
        const char* name;
        ShiftDaysValues values;
        std::int64_t days;
    };
    const Case cases[] = {
        {"left", ByDays("5", true), -5},
        {"right", ByDays("5", false), 5},
        {"leading digits", ByDays(" 12日", false), 12},
        {"no number", ByDays("abc", false), 0},
        {"negative to the left", ByDays("-4", true), 4},
        {"beyond 32 bits", ByDays("99999999999", true), -2147483647},
        // The earliest selected start is 10 May 10:00; its time is ignored.
        {"to its own day", ToDate(Date(2024, 5, 10)), 0},
        {"to a later day", ToDate(Date(2024, 6, 1)), 22},
        {"to an earlier day", ToDate(Date(2024, 5, 1)), -9},
        {"part days toward zero", ToDate(Date(2024, 5, 8, 12)), -1},
        {"no date", ToDate(COleDateTime::Null()), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DayShift::Days(c.values, Project(), {m_, t_, s_}), c.days);
    }
    EXPECT_EQ(DayShift::EarliestStartDay(Project(), {m_}).GetStatus(), COleDateTime::null);
}

TEST_F(DayShiftTest, TheLimitEitherWay) {
    EXPECT_TRUE(DayShift::InRange(ShiftDaysValues::kMaxDays));
    EXPECT_TRUE(DayShift::InRange(-ShiftDaysValues::kMaxDays));
    EXPECT_FALSE(DayShift::InRange(ShiftDaysValues::kMaxDays + 1));
    EXPECT_FALSE(DayShift::InRange(-ShiftDaysValues::kMaxDays - 1));
    const std::string before = SavedContent();
    const EditResult result =
        DayShift::Run(status_->Doc(), status_->Edit(), {s_}, ByDays("3615898", false));
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->text, DayShift::kTooFar.text);
    EXPECT_EQ(SavedContent(), before);
    EXPECT_EQ(Undos(), 0U);
}

TEST_F(DayShiftTest, ADateThatWouldLeaveTheCalendarStopsTheWholeShift) {
    Schedule(t_)->SetStartDate(Date(9999, 12, 25));
    const std::string before = SavedContent();
    const EditResult result =
        DayShift::Run(status_->Doc(), status_->Edit(), {s_, t_}, ByDays("7", false));
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->text, DayShift::kOutOfCalendar.text);
    EXPECT_EQ(SavedContent(), before);
    EXPECT_EQ(Undos(), 0U);
    // Actual dates count only when they move along.
    Schedule(s_)->SetActualEndDate(Date(9999, 12, 30));
    EXPECT_TRUE(
        DayShift::Run(status_->Doc(), status_->Edit(), {s_}, ByDays("7", false, Actuals::kKeep))
            .ok);
    EXPECT_FALSE(DayShift::StaysInCalendar(Project(), {s_}, 7, Actuals::kShift));
    EXPECT_TRUE(DayShift::StaysInCalendar(Project(), {s_}, -7, Actuals::kShift));
}

TEST_F(DayShiftTest, WhenTheCommandIsOffered) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> selection;
        bool shared;
        bool readOnly;
        bool enabled;
    };
    const Case cases[] = {
        {"a schedule", {s_}, false, false, true},
        {"a schedule and a memo", {m_, s_}, false, false, true},
        {"a memo alone", {m_}, false, false, false},
        {"a row", {b_}, false, false, false},
        {"nothing", {}, false, false, false},
        {"shared mode", {s_}, true, false, false},
        {"read-only", {s_}, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project().SetShared(c.shared);
        status_->Doc().SetReadOnly(c.readOnly);
        Select(c.selection);
        EXPECT_EQ(Enabled(cmd::kShiftDays), c.enabled);
    }
    Project().SetShared(false);
    status_->Doc().SetReadOnly(false);
    Select({s_});
    status_->SetViewMode(CStatus::kProjectPage);
    EXPECT_FALSE(Enabled(cmd::kShiftDays));
}

TEST_F(DayShiftTest, TheCommandShiftsTheSelectionAsOneStepAndSelectsItAgain) {
    const std::string before = SavedContent();
    Select({m_, s_, b_});
    Answer(ByDays("2", false, Actuals::kKeep));
    ASSERT_TRUE(Handler().Execute(cmd::kShiftDays));
    EXPECT_EQ(Schedule(s_)->GetStartDate(), Date(2024, 5, 12, 10));
    EXPECT_EQ(Schedule(s_)->GetActualStartDate(), Date(2024, 5, 11));
    EXPECT_EQ(Memo()->GetXDate(), Date(2024, 5, 14));
    EXPECT_EQ(Schedule(t_)->GetStartDate(), Date(2024, 5, 15));
    EXPECT_EQ(Selection(), (std::vector<std::int32_t>{m_, s_, b_}));
    EXPECT_TRUE(status_->Doc().IsModified());
    EXPECT_EQ(Undos(), 1U);
    // The dialog opens as it was left.
    Answer(ToDate(Date(2024, 5, 12)));
    ASSERT_TRUE(Handler().Execute(cmd::kShiftDays));
    ASSERT_TRUE(dialogs_.shownShiftDays);
    EXPECT_EQ(dialogs_.shownShiftDays->daysText, "2");
    EXPECT_FALSE(dialogs_.shownShiftDays->left);
    // To the day it starts on already: no step to undo.
    EXPECT_EQ(Undos(), 1U);
    ASSERT_TRUE(status_->Commands().Documents().Undo());
    EXPECT_EQ(SavedContent(), before);
}

TEST_F(DayShiftTest, CancelAndRefusalChangeNothing) {
    const std::string before = SavedContent();
    Select({s_});
    EXPECT_FALSE(Handler().Execute(cmd::kShiftDays));  // no answer: Cancel
    Answer(ByDays("4000000", true));
    EXPECT_FALSE(Handler().Execute(cmd::kShiftDays));
    EXPECT_TRUE(prompt_.WasShown(0));
    EXPECT_EQ(SavedContent(), before);
    EXPECT_EQ(Undos(), 0U);
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{s_});
}

}  // namespace
}  // namespace qb
