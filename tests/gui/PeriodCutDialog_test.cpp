#include "dialogs/PeriodCutDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QRadioButton>
#include <optional>
#include <vector>

#include "ScriptedPrompt.h"

namespace qb {
namespace {

using Action = PeriodCutValues::Action;

PeriodCutValues Initial() {
    PeriodCutValues values;
    values.from = COleDateTime(2024, 4, 10, 0, 0, 0);
    values.to = COleDateTime(2024, 4, 12, 0, 0, 0);
    return values;
}

struct PreviewLog {
    IDialogs::PeriodCutPreview Callback() {
        return [this](const std::optional<PeriodCutValues>& values) {
            tries.push_back(values);
            PeriodCutSummary summary;
            summary.deletedSchedules = 2;
            summary.movedMemos = 3;
            return summary;
        };
    }
    std::vector<std::optional<PeriodCutValues>> tries;
};

TEST(PeriodCutDialogTest, EveryChangeIsTriedAndTheLineSaysWhatItTouches) {
    ScriptedPrompt prompt;
    PreviewLog log;
    PeriodCutDialog dialog(Initial(), log.Callback(), prompt);
    ASSERT_EQ(log.tries.size(), 1u);
    ASSERT_TRUE(log.tries[0]);
    EXPECT_EQ(log.tries[0]->from, Initial().from);
    EXPECT_EQ(log.tries[0]->action, Action::kDelete);
    EXPECT_FALSE(dialog.ActualsList()->isEnabled());
    EXPECT_TRUE(dialog.SummaryLabel()->text().contains(QString::fromUtf8("スケジュール 2件")));
    EXPECT_FALSE(dialog.SummaryLabel()->text().contains(QString::fromUtf8("移動")));

    dialog.CutOutButton()->setChecked(true);
    EXPECT_TRUE(dialog.ActualsList()->isEnabled());
    dialog.ActualsList()->setCurrentIndex(3);
    ASSERT_EQ(log.tries.size(), 3u);
    EXPECT_EQ(log.tries.back()->action, Action::kCutOut);
    EXPECT_EQ(log.tries.back()->actuals, ShiftDaysValues::Actuals::kClearWithProgress);
    EXPECT_TRUE(dialog.SummaryLabel()->text().contains(QString::fromUtf8("メモ 3件")));
}

TEST(PeriodCutDialogTest, AnEndBeforeTheStartShowsTheChartAsItWasAndIsRefused) {
    ScriptedPrompt prompt;
    PreviewLog log;
    PeriodCutDialog dialog(Initial(), log.Callback(), prompt);
    dialog.ToEdit()->setDate(QDate(2024, 4, 9));
    ASSERT_FALSE(log.tries.back());
    EXPECT_TRUE(dialog.SummaryLabel()->text().contains(QString::fromUtf8("終了日")));
    dialog.show();
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    dialog.ToEdit()->setDate(QDate(2024, 4, 10));
    ASSERT_TRUE(log.tries.back());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().to, COleDateTime(2024, 4, 10, 0, 0, 0));
}

}  // namespace
}  // namespace qb
