#include "PeriodCut.h"

#include <optional>
#include <string>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "EditStamp.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using Action = PeriodCutValues::Action;
using Actuals = ShiftDaysValues::Actuals;

// Day n of April 2024 (n beyond 30 runs into May).
COleDateTime Day(int n) {
    return COleDateTime(2024, 4, 1, 0, 0, 0).AddDays(n - 1);
}

int DayOf(const COleDateTime& date) {
    return static_cast<int>((date.DatePart() - Day(1)).GetTotalDays() + 0.5) + 1;
}

PeriodCutValues Values(int from, int to, Action action, Actuals actuals = Actuals::kShift) {
    PeriodCutValues values;
    values.from = Day(from);
    values.to = Day(to);
    values.action = action;
    values.actuals = actuals;
    return values;
}

class PeriodCutTest : public test::RowsTest {
protected:
    // A bar from the first day up to the midnight that ends it.
    std::int32_t Bar(int start, int end, int startOffset = 0, int endOffset = 0) {
        CSchedule& schedule = Build().Schedule(b_, Day(start), Day(end));
        schedule.SetScheduleType(0);
        schedule.SetStartOffset(startOffset);
        schedule.SetEndOffset(endOffset);
        return schedule.GetObjectId();
    }
    std::int32_t Mark(int day) {
        const std::int32_t id = Bar(day, day);
        S(id).SetScheduleType(1);
        S(id).SetEndDate(COleDateTime::Null());
        return id;
    }
    std::int32_t Memo(int day, int offset = 0) {
        CMemo& memo = Build().Memo(c_, Day(day), "メモ");
        memo.SetXOffset(offset);
        return memo.GetObjectId();
    }
    std::int32_t Link(std::int32_t from, std::int32_t to) {
        return Build().Link(from, to).GetObjectId();
    }
    CSchedule& S(std::int32_t id) { return *Project().FindSchedule(id); }
    CMemo& M(std::int32_t id) { return static_cast<CMemo&>(*Project().FindDrawPart(id)); }
    bool Gone(std::int32_t id) { return Project().FindObject(id)->IsDeleted(); }
    // Start day, start offset, end day, end offset.
    std::vector<int> Ends(std::int32_t id) {
        const CSchedule& s = S(id);
        return {DayOf(s.GetStartDate()), s.GetStartOffset(), DayOf(s.GetEndDate()),
                s.GetEndOffset()};
    }
    PeriodCutSummary Apply(const PeriodCutValues& values) {
        return PeriodCut::Apply(Project(), values, EditStamp("tester", Day(1)));
    }
};

// Bars against the days 10 to 12; end days are the midnights that end them.
TEST_F(PeriodCutTest, BarsAgainstThePeriod) {
    struct Case {
        const char* name;
        int start, end;
        std::optional<std::vector<int>> afterDelete;  // nothing: deleted
        std::optional<std::vector<int>> afterCut;
    };
    using V = std::vector<int>;
    const Case cases[] = {
        {"before", 1, 5, V{1, 0, 5, 0}, V{1, 0, 5, 0}},
        {"ends where the period starts", 5, 10, V{5, 0, 10, 0}, V{5, 0, 10, 0}},
        {"straddles the start", 8, 11, V{8, 0, 11, 0}, V{8, 0, 10, 0}},
        {"inside", 10, 13, std::nullopt, std::nullopt},
        {"one day inside", 12, 13, std::nullopt, std::nullopt},
        {"straddles the end", 11, 15, V{11, 0, 15, 0}, V{10, 0, 12, 0}},
        {"spans the period", 8, 16, V{8, 0, 16, 0}, V{8, 0, 13, 0}},
        {"starts where the period ends", 13, 14, V{13, 0, 14, 0}, V{10, 0, 11, 0}},
        {"after", 20, 25, V{20, 0, 25, 0}, V{17, 0, 22, 0}},
    };
    for (const Action action : {Action::kDelete, Action::kCutOut}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (action == Action::kCutOut ? " cut" : " delete"));
            const std::int32_t id = Bar(c.start, c.end);
            const PeriodCutSummary summary = Apply(Values(10, 12, action));
            const auto& expected = action == Action::kCutOut ? c.afterCut : c.afterDelete;
            EXPECT_EQ(Gone(id), !expected.has_value());
            if (expected) {
                EXPECT_EQ(Ends(id), *expected);
            }
            EXPECT_EQ(summary.deletedSchedules, expected ? 0 : 1);
            S(id).SetDeleted(true);
        }
    }
}

TEST_F(PeriodCutTest, CuttingKeepsOffsetsOfMovedEndsAndTimesOfDay) {
    const std::int32_t after = Bar(14, 15, 2500, 7500);
    const std::int32_t reaching = Bar(11, 14, 2500, 7500);
    const std::int32_t timed = Mark(15);
    S(timed).SetStartDate(Day(15) + COleDateTimeSpan(0.5));
    Apply(Values(10, 12, Action::kCutOut));
    EXPECT_EQ(Ends(after), (std::vector<int>{11, 2500, 12, 7500}));
    // The part inside the period is cut: the start lands on its first day.
    EXPECT_EQ(Ends(reaching), (std::vector<int>{10, 0, 11, 7500}));
    EXPECT_EQ(S(timed).GetStartDate(), Day(12) + COleDateTimeSpan(0.5));
}

TEST_F(PeriodCutTest, MarksAndOpenEndedBarsCountByTheirStart) {
    const std::int32_t inside = Mark(12);
    const std::int32_t after = Mark(13);
    const std::int32_t open = Bar(11, 1);
    S(open).SetEndDate(COleDateTime::Null());
    Apply(Values(10, 12, Action::kCutOut));
    EXPECT_TRUE(Gone(inside));
    EXPECT_TRUE(Gone(open));
    EXPECT_FALSE(Gone(after));
    EXPECT_EQ(DayOf(S(after).GetStartDate()), 10);
    EXPECT_TRUE(S(after).GetEndDate().IsNull());
}

// A new schedule's end and actual dates hold the zero date, which means
// "none"; moving it would draw them far to the left.
TEST_F(PeriodCutTest, TheZeroDateStaysWhereItIs) {
    const COleDateTime zero;
    const std::int32_t mark = Mark(20);
    S(mark).SetEndDate(zero);
    S(mark).SetActualStartDate(zero);
    S(mark).SetActualEndDate(zero);
    const std::int32_t bar = Bar(8, 16);
    S(bar).SetActualStartDate(zero);
    Apply(Values(10, 12, Action::kCutOut));
    EXPECT_EQ(DayOf(S(mark).GetStartDate()), 17);
    EXPECT_EQ(S(mark).GetEndDate(), zero);
    EXPECT_EQ(S(mark).GetActualStartDate(), zero);
    EXPECT_EQ(S(mark).GetActualEndDate(), zero);
    EXPECT_EQ(S(bar).GetActualStartDate(), zero);
    EXPECT_EQ(DayOf(S(bar).GetEndDate()), 13);
}

TEST_F(PeriodCutTest, MemosGoByTheirDayAndLinksGoWithTheirEnds) {
    const std::int32_t before = Memo(9, 9999);
    const std::int32_t inside = Memo(12, 9999);
    const std::int32_t after = Memo(13, 1234);
    const std::int32_t bar = Bar(10, 11);
    const std::int32_t late = Bar(20, 21);
    const std::int32_t early = Bar(1, 2);
    const std::int32_t toInside = Link(early, bar);
    const std::int32_t fromMemo = Link(inside, late);
    const std::int32_t kept = Link(early, after);
    const PeriodCutSummary counted = PeriodCut::Count(Project(), Values(10, 12, Action::kCutOut));
    EXPECT_FALSE(Gone(bar));  // counting changes nothing
    const PeriodCutSummary summary = Apply(Values(10, 12, Action::kCutOut));
    EXPECT_EQ(summary, counted);
    EXPECT_EQ(summary, (PeriodCutSummary{1, 1, 2, 1, 0, 1}));
    EXPECT_TRUE(Gone(inside));
    EXPECT_TRUE(Gone(toInside));
    EXPECT_TRUE(Gone(fromMemo));
    EXPECT_FALSE(Gone(kept));
    EXPECT_EQ(DayOf(M(before).GetXDate()), 9);
    EXPECT_EQ(DayOf(M(after).GetXDate()), 10);
    EXPECT_EQ(M(after).GetXOffset(), 1234);
    EXPECT_EQ(S(bar).GetModifier(), "tester");
    EXPECT_EQ(S(late).GetModifier(), "tester");
    EXPECT_NE(S(early).GetModifier(), "tester");
}

TEST_F(PeriodCutTest, ActualDatesOfWhatTheCutMoves) {
    struct Case {
        Actuals actuals;
        bool startValid, endValid;
        int start, end, progress;
    };
    const Case cases[] = {
        {Actuals::kShift, true, true, 17, 19, 300},
        {Actuals::kKeep, true, true, 20, 22, 300},
        {Actuals::kClear, false, false, 0, 0, 300},
        {Actuals::kClearWithProgress, false, false, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.actuals));
        const std::int32_t id = Bar(20, 25);
        S(id).SetActualStartDate(Day(20));
        S(id).SetActualEndDate(Day(22));
        S(id).SetProgressRate(300);
        Apply(Values(10, 12, Action::kCutOut, c.actuals));
        EXPECT_EQ(S(id).GetActualStartDate().IsValid(), c.startValid);
        EXPECT_EQ(S(id).GetActualEndDate().IsValid(), c.endValid);
        if (c.startValid) {
            EXPECT_EQ(DayOf(S(id).GetActualStartDate()), c.start);
        }
        if (c.endValid) {
            EXPECT_EQ(DayOf(S(id).GetActualEndDate()), c.end);
        }
        EXPECT_EQ(S(id).GetProgressRate(), c.progress);
        S(id).SetDeleted(true);
    }
    // Without actual dates the last treatment still clears the progress.
    const std::int32_t plain = Bar(20, 25);
    S(plain).SetProgressRate(500);
    Apply(Values(10, 12, Action::kCutOut, Actuals::kClearWithProgress));
    EXPECT_EQ(S(plain).GetProgressRate(), -1);
    EXPECT_FALSE(S(plain).GetActualStartDate().IsValid());
}

TEST_F(PeriodCutTest, ActualDatesOfAShortenedBarFollowTheCut) {
    const std::int32_t id = Bar(8, 16);
    S(id).SetActualStartDate(Day(9));
    S(id).SetActualEndDate(Day(11));
    S(id).SetActualEndOffset(5000);
    S(id).SetProgressRate(200);
    Apply(Values(10, 12, Action::kCutOut));
    EXPECT_EQ(DayOf(S(id).GetActualStartDate()), 9);
    EXPECT_EQ(DayOf(S(id).GetActualEndDate()), 10);
    EXPECT_EQ(S(id).GetActualEndOffset(), 0);
    EXPECT_EQ(S(id).GetProgressRate(), 200);
}

TEST_F(PeriodCutTest, APeriodEndingBeforeItStartsDoesNothing) {
    const std::int32_t id = Bar(10, 11);
    EXPECT_FALSE(PeriodCut::IsValid(Values(12, 10, Action::kDelete)));
    EXPECT_TRUE(PeriodCut::Refusal(Values(12, 10, Action::kDelete)));
    EXPECT_FALSE(PeriodCut::Refusal(Values(12, 12, Action::kDelete)));
    EXPECT_EQ(Apply(Values(12, 10, Action::kDelete)), PeriodCutSummary{});
    PeriodCutValues invalid = Values(10, 12, Action::kDelete);
    invalid.to = COleDateTime::Invalid();
    EXPECT_EQ(Apply(invalid), PeriodCutSummary{});
    EXPECT_FALSE(Gone(id));
    EXPECT_EQ(PeriodCut::Length(Values(10, 10, Action::kCutOut)), 1);
    EXPECT_EQ(PeriodCut::Length(Values(28, 33, Action::kCutOut)), 6);
}

// The command around the dialog: a preview while it is open, one undo step
// for OK and none for Cancel.
class PeriodCutCommandTest : public PeriodCutTest {
protected:
    PeriodCutCommandTest() {
        inside_ = Bar(10, 11);
        after_ = Bar(20, 21);
        Show();
        status_->Doc().MarkModified(false);
    }
    bool OnChart(std::int32_t id) { return Model().FindObject(id) != nullptr; }

    std::int32_t inside_ = 0, after_ = 0;
};

TEST_F(PeriodCutCommandTest, ThePreviewShowsEachTryOnTheChartAndOkLeavesOneStep) {
    ASSERT_TRUE(Enabled(cmd::kPeriodDelete));
    const std::size_t undos = Undos();
    std::vector<PeriodCutSummary> summaries;
    dialogs_.periodCuts.push_back(
        [&](const PeriodCutValues&, const IDialogs::PeriodCutPreview& preview) {
            summaries.push_back(preview(Values(10, 12, Action::kCutOut)));
            EXPECT_TRUE(Gone(inside_));
            EXPECT_FALSE(OnChart(inside_));
            EXPECT_EQ(DayOf(S(after_).GetStartDate()), 17);
            // A second try starts from the content before the dialog.
            summaries.push_back(preview(Values(20, 20, Action::kDelete)));
            EXPECT_FALSE(Gone(inside_));
            EXPECT_TRUE(OnChart(inside_));
            EXPECT_TRUE(Gone(after_));
            EXPECT_EQ(Undos(), undos + 1);
            return Values(10, 12, Action::kCutOut);
        });
    ASSERT_TRUE(Handler().Execute(cmd::kPeriodDelete));
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].deletedSchedules, 1);
    EXPECT_EQ(summaries[0].movedSchedules, 1);
    EXPECT_EQ(summaries[1].deletedSchedules, 1);
    EXPECT_EQ(summaries[1].movedSchedules, 0);
    EXPECT_TRUE(Gone(inside_));
    EXPECT_FALSE(OnChart(inside_));
    EXPECT_EQ(DayOf(S(after_).GetStartDate()), 17);
    EXPECT_TRUE(status_->Doc().IsModified());
    EXPECT_EQ(Undos(), undos + 1);
    EXPECT_FALSE(status_->Undo().IsProvisional());

    ASSERT_TRUE(Handler().Execute(cmd::kUndo));
    EXPECT_FALSE(Gone(inside_));
    EXPECT_EQ(DayOf(S(after_).GetStartDate()), 20);
}

TEST_F(PeriodCutCommandTest, CancelAfterAPreviewLeavesNoChangeAndNoStep) {
    const std::string saved = SavedContent();
    const std::size_t undos = Undos();
    dialogs_.periodCuts.push_back(
        [&](const PeriodCutValues&, const IDialogs::PeriodCutPreview& preview) {
            preview(Values(1, 30, Action::kCutOut));
            EXPECT_FALSE(OnChart(after_));
            return std::nullopt;
        });
    EXPECT_FALSE(Handler().Execute(cmd::kPeriodDelete));
    EXPECT_EQ(SavedContent(), saved);
    EXPECT_EQ(Undos(), undos);
    EXPECT_FALSE(status_->Undo().IsProvisional());
    EXPECT_FALSE(status_->Doc().IsModified());
    EXPECT_TRUE(OnChart(inside_));
    EXPECT_TRUE(OnChart(after_));
}

TEST_F(PeriodCutCommandTest, TheDialogOpensOnTheSelectionOrTheFirstVisibleWeek) {
    dialogs_.periodCuts.push_back(
        [](const PeriodCutValues&, const IDialogs::PeriodCutPreview&) { return std::nullopt; });
    Handler().Execute(cmd::kPeriodDelete);
    ASSERT_TRUE(dialogs_.shownPeriodCut);
    const COleDateTime left = Scene().LeftDate().DatePart();
    EXPECT_EQ(dialogs_.shownPeriodCut->from, left);
    EXPECT_EQ(dialogs_.shownPeriodCut->to, left.AddDays(6));

    const std::int32_t memo = Memo(25, 5000);
    Show();
    Select({inside_, after_, memo});
    EXPECT_FALSE(Handler().Execute(cmd::kPeriodDelete));
    EXPECT_EQ(DayOf(dialogs_.shownPeriodCut->from), 10);
    EXPECT_EQ(DayOf(dialogs_.shownPeriodCut->to), 25);
}

TEST_F(PeriodCutCommandTest, DisabledInSharedModeReadOnlyAndOffTheChart) {
    EXPECT_TRUE(Enabled(cmd::kPeriodDelete));
    Project().SetShared(true);
    EXPECT_FALSE(Enabled(cmd::kPeriodDelete));
    EXPECT_FALSE(Handler().Execute(cmd::kPeriodDelete));
    EXPECT_FALSE(dialogs_.shownPeriodCut);
    Project().SetShared(false);
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(Enabled(cmd::kPeriodDelete));
    status_->Doc().SetReadOnly(false);
    status_->SetViewMode(CStatus::kProjectPage);
    EXPECT_FALSE(Enabled(cmd::kPeriodDelete));
}

}  // namespace
}  // namespace qb
