#include "ViewCommands.h"

#include <optional>
#include <string>
#include <vector>

#include "CRuler.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "RowsWindow.h"

namespace qb {
namespace {

using test::Date;

// The rows' document with two more children under A, so that P = A holds
// A1, A2 and A3; Q = B has none. The column is the free-text one.
class ViewCommandsTest : public test::RowsTest {
protected:
    ViewCommandsTest() {
        p_ = a_;
        q_ = b_;
        column_ = text_;
        children_ = {a1_, AddRow(Project().FindRow(a_)->GetChildren(), "A2"),
                     AddRow(Project().FindRow(a_)->GetChildren(), "A3")};
        Show();
        window_.viewChanges = 0;
    }

    CSchedule& AddSchedule(const COleDateTime& start, const COleDateTime& end) {
        return Build().Schedule(q_, start, end);
    }

    void Select(std::int32_t id) { Model().Select(id, false); }
    bool Hidden(std::int32_t id) { return Model().FindRow(id)->IsHidden(); }

    std::int32_t p_ = 0;
    std::int32_t q_ = 0;
    std::int32_t column_ = 0;
    std::vector<std::int32_t> children_;
};

TEST_F(ViewCommandsTest, HidingARowMovesTheSelectionBesideItWhereTheRowCanBeShownAgain) {
    const int height = Scene().TotalHeight();
    Select(children_[1]);
    EXPECT_FALSE(Enabled(cmd::kShowAllRows));
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    EXPECT_TRUE(Hidden(children_[1]));
    EXPECT_EQ(Scene().TotalHeight(), height - 20);
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{children_[2]});
    EXPECT_EQ(window_.viewChanges, 1);

    EXPECT_TRUE(Enabled(cmd::kShowBefore));
    EXPECT_FALSE(Enabled(cmd::kShowAfter));
    ASSERT_TRUE(Handler().Execute(cmd::kShowBefore));
    EXPECT_FALSE(Hidden(children_[1]));
    EXPECT_EQ(Scene().TotalHeight(), height);

    // The last child has no next row: the previous one takes the selection.
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    EXPECT_EQ(Selection(), std::vector<std::int32_t>{children_[1]});
    EXPECT_TRUE(Enabled(cmd::kShowAfter));
    EXPECT_FALSE(Enabled(cmd::kShowBefore));
    ASSERT_TRUE(Handler().Execute(cmd::kShowAfter));
    EXPECT_FALSE(Hidden(children_[2]));
}

TEST_F(ViewCommandsTest, RowsBelowAndAllRowsAreShownAgain) {
    for (std::int32_t child : children_) {
        Select(child);
        ASSERT_TRUE(Handler().Execute(cmd::kHide));
    }
    // With every child hidden the parent takes the selection.
    EXPECT_TRUE(Model().IsSelectedId(p_));
    EXPECT_TRUE(Enabled(cmd::kShowBelow));
    EXPECT_FALSE(Enabled(cmd::kFoldBelow)) << "all its children are hidden";
    ASSERT_TRUE(Handler().Execute(cmd::kShowBelow));
    for (std::int32_t child : children_)
        EXPECT_FALSE(Hidden(child));

    Select(q_);
    EXPECT_FALSE(Enabled(cmd::kShowBelow)) << "a row without children";
    Select(children_[0]);
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    Select(q_);
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    EXPECT_TRUE(Enabled(cmd::kShowAllRows));
    ASSERT_TRUE(Handler().Execute(cmd::kShowAllRows));
    EXPECT_FALSE(Hidden(children_[0]));
    EXPECT_FALSE(Hidden(q_));
    EXPECT_FALSE(Enabled(cmd::kShowAllRows));
}

TEST_F(ViewCommandsTest, ASelectedColumnIsHiddenAndShownAgain) {
    Select(column_);
    ASSERT_TRUE(Handler().Execute(cmd::kHide));
    EXPECT_TRUE(Model().FindObject(column_)->IsHidden());
    EXPECT_TRUE(Selection().empty());
    // Rebuilds keep it hidden.
    Show();
    EXPECT_TRUE(Model().FindObject(column_)->IsHidden());
    ASSERT_TRUE(Handler().Execute(cmd::kShowAllColumns));
    EXPECT_FALSE(Model().FindObject(column_)->IsHidden());
    EXPECT_FALSE(Enabled(cmd::kShowAllColumns));
}

TEST_F(ViewCommandsTest, FoldingReadsWhatItWillDoAndIsOfferedWhenItChangesSomething) {
    Select(q_);
    EXPECT_FALSE(Enabled(cmd::kFoldBelow));
    EXPECT_EQ(Handler().State(cmd::kFoldBelow).label, "この下の階層を折りたたむ(&-)");
    Select(p_);
    const int height = Scene().TotalHeight();
    ASSERT_TRUE(Handler().Execute(cmd::kFoldBelow));
    EXPECT_TRUE(Model().IsFoldedId(p_));
    EXPECT_LT(Scene().TotalHeight(), height);
    EXPECT_EQ(Handler().State(cmd::kFoldBelow).label, "この下の階層を展開する(&+)");
    ASSERT_TRUE(Handler().Execute(cmd::kFoldBelow));
    EXPECT_FALSE(Model().IsFoldedId(p_));

    // Fold all and unfold all are offered when they change something.
    EXPECT_FALSE(Enabled(cmd::kUnfoldAll));
    ASSERT_TRUE(Handler().Execute(cmd::kFoldAll));
    EXPECT_TRUE(Model().IsFoldedId(p_));
    EXPECT_FALSE(Model().IsFoldedId(q_)) << "a row without children does not fold";
    EXPECT_FALSE(Enabled(cmd::kFoldAll));
    ASSERT_TRUE(Handler().Execute(cmd::kUnfoldAll));
    EXPECT_FALSE(Enabled(cmd::kUnfoldAll));
}

TEST_F(ViewCommandsTest, ScrollingByMonthsAndYearsKeepsTheDayOfTheMonthWhereItCan) {
    Scene().ScrollLeftTo(Date(2024, 1, 31));
    const struct {
        int id;
        COleDateTime left;
    } steps[] = {
        {cmd::kMonthForward, Date(2024, 2, 29)}, {cmd::kYearForward, Date(2025, 2, 28)},
        {cmd::kMonthBack, Date(2025, 1, 28)},    {cmd::kMonthBack, Date(2024, 12, 28)},
        {cmd::kYearBack, Date(2023, 12, 28)},
    };
    for (const auto& step : steps) {
        ASSERT_TRUE(Handler().Execute(step.id));
        EXPECT_EQ(Scene().LeftDate(), step.left) << step.id;
    }
    EXPECT_EQ(window_.viewChanges, 5);
}

TEST_F(ViewCommandsTest, JumpsGoToTodayAndToTheOuterSchedules) {
    Scene().SetToday(Date(2024, 8, 15));
    ASSERT_TRUE(Handler().Execute(cmd::kToday));
    EXPECT_EQ(Scene().LeftDate(), Date(2024, 8, 14));

    EXPECT_FALSE(Enabled(cmd::kLeftmost)) << "no schedules";
    EXPECT_FALSE(Enabled(cmd::kRightmost));
    AddSchedule(Date(2024, 5, 10), Date(2024, 5, 20));
    AddSchedule(Date(2023, 11, 3), Date(2025, 2, 7));
    Show();
    ASSERT_TRUE(Handler().Execute(cmd::kLeftmost));
    EXPECT_EQ(Scene().LeftDate(), Date(2023, 11, 3));
    ASSERT_TRUE(Handler().Execute(cmd::kRightmost));
    const CRuler& ruler = Scene().GetRuler();
    EXPECT_EQ(ruler.DateToX(Date(2025, 2, 8)) - ruler.GetScrollPosition(), Scene().ChartWidth());
}

TEST_F(ViewCommandsTest, ViewCommandsNeedAShownChartAndHidingAnEditableSelection) {
    EXPECT_FALSE(Enabled(cmd::kHide)) << "nothing selected";
    Select(q_);
    const int ids[] = {cmd::kHide, cmd::kFoldAll, cmd::kToday, cmd::kMonthForward,
                       cmd::kScrollRange};
    for (int id : ids)
        EXPECT_TRUE(Enabled(id)) << id;
    status_->SetViewMode(CStatus::kProjectPage);
    for (int id : ids)
        EXPECT_FALSE(Enabled(id)) << id;
    status_->SetViewMode(CStatus::kDayView);
    status_->SetView(&view_);
    for (int id : ids)
        EXPECT_FALSE(Handler().Execute(id)) << id;
    status_->SetView(&window_);

    status_->SetViewMode(CStatus::kMonthView);
    ASSERT_TRUE(Enabled(cmd::kHide));
    status_->Doc().SetReadOnly(true);
    EXPECT_FALSE(Enabled(cmd::kHide));
    EXPECT_FALSE(Handler().Execute(cmd::kHide));
    EXPECT_FALSE(Hidden(q_));
}

TEST_F(ViewCommandsTest, TheScrollRangeIsTheChosenPeriodOrAClearRefusal) {
    status_->GetProject()->SetDisplayStartDate(Date(2024, 3, 1));
    status_->GetProject()->SetDisplayEndDate(Date(2024, 9, 30));
    ASSERT_FALSE(Handler().Execute(cmd::kScrollRange)) << "cancelled";
    ASSERT_TRUE(dialogs_.shownPeriod.has_value());
    EXPECT_EQ(dialogs_.shownPeriod->from, Date(2024, 3, 1));
    EXPECT_EQ(dialogs_.shownPeriod->to, Date(2024, 9, 30));
    EXPECT_TRUE(prompt_.Shown().empty());

    const struct {
        COleDateTime from;
        COleDateTime to;
        const char* message;
    } refused[] = {
        {Date(2024, 6, 2), Date(2024, 6, 1), "開始日が終了日より後になっています。"},
        {COleDateTime::Invalid(), Date(2024, 6, 1), "日付が正しくありません。"},
        {Date(2000, 1, 1), Date(2024, 6, 1), "期間が長すぎます。現在の表示単位では、3199日以内"},
    };
    for (const auto& period : refused) {
        dialogs_.periods.push_back([&period](DatePeriod& chosen) {
            chosen = DatePeriod{period.from, period.to};
        });
        EXPECT_FALSE(Handler().Execute(cmd::kScrollRange));
        ASSERT_FALSE(prompt_.Shown().empty());
        EXPECT_EQ(prompt_.Shown().back().text.rfind(period.message, 0), 0u)
            << prompt_.Shown().back().text;
        EXPECT_EQ(Scene().GetRuler().GetOrigin(), Date(2024, 4, 1));
    }

    dialogs_.periods.push_back([](DatePeriod& chosen) {
        chosen = DatePeriod{Date(2024, 1, 1), Date(2024, 12, 31)};
    });
    ASSERT_TRUE(Handler().Execute(cmd::kScrollRange));
    EXPECT_EQ(Scene().GetRuler().GetOrigin(), Date(2024, 1, 1));
    EXPECT_EQ(Scene().LeftDate(), Date(2024, 1, 1));
    // The ruler labels the whole period, past the project's own.
    Scene().SetRulerSetting(1);
    EXPECT_EQ(Scene().GetRuler().GetDisplayEnd(), Date(2024, 12, 31));
    // The chart keeps it when it is shown again, at another scale too.
    COleDateTime from;
    COleDateTime to;
    ASSERT_TRUE(Scene().DefaultPeriod(from, to));
    EXPECT_EQ(from, Date(2024, 1, 1));
    EXPECT_EQ(to, Date(2024, 12, 31));
}

class RelatedInformationTest : public ViewCommandsTest {
protected:
    void SetReference(std::int32_t rowId, const std::string& text) {
        status_->GetProject()->FindRow(rowId)->SetReference(text);
        Show();
        Select(rowId);
    }
};

TEST_F(RelatedInformationTest, AWebAddressOrAScheduleFileIsHandedToTheDesktop) {
    Select(q_);
    EXPECT_FALSE(Enabled(cmd::kOpenRelated)) << "no reference";
    SetReference(q_, " https://example.com/plan?id=3 ");
    ASSERT_TRUE(Handler().Execute(cmd::kOpenRelated));
    CSchedule& schedule = AddSchedule(Date(2024, 4, 2), Date(2024, 4, 5));
    schedule.SetReference(folder_.Path().string());
    Show();
    Select(schedule.GetObjectId());
    ASSERT_TRUE(Handler().Execute(cmd::kOpenRelated));
    EXPECT_EQ(shell_.Opened(),
              (std::vector<std::string>{"https://example.com/plan?id=3", folder_.Path().string()}));
}

TEST_F(RelatedInformationTest, TextThatIsNoAddressOrFileIsRefusedAndNothingRuns) {
    for (const char* text : {"rm -rf ~", "javascript:alert(1)", "no-such-file.txt"}) {
        SetReference(q_, text);
        EXPECT_TRUE(Enabled(cmd::kOpenRelated));
        EXPECT_FALSE(Handler().Execute(cmd::kOpenRelated)) << text;
        ASSERT_FALSE(prompt_.Shown().empty());
        EXPECT_NE(prompt_.Shown().back().text.find(text), std::string::npos);
        EXPECT_EQ(prompt_.Shown().back().icon, PromptIcon::kWarning);
    }
    EXPECT_TRUE(shell_.Opened().empty());

    SetReference(q_, "http://example.com/");
    shell_.FailOpens();
    EXPECT_FALSE(Handler().Execute(cmd::kOpenRelated));
    EXPECT_NE(prompt_.Shown().back().text.find("開けませんでした"), std::string::npos);
}

}  // namespace
}  // namespace qb
