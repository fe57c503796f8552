#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>

#include "DayShift.h"
#include "ScriptedPrompt.h"
#include "dialogs/DateField.h"
#include "dialogs/LinkedMoveDialog.h"
#include "dialogs/ShiftDaysDialog.h"

namespace qb {
namespace {

TEST(ShiftDaysDialogTest, TheModeEnablesItsOwnFieldsAndTheValuesComeBack) {
    ScriptedPrompt prompt;
    ShiftDaysDialog dialog(ShiftDaysValues{}, prompt);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("値の指定"));
    EXPECT_TRUE(dialog.ByDaysButton()->isChecked());
    EXPECT_EQ(dialog.DaysEdit()->text(), QStringLiteral("1"));
    EXPECT_TRUE(dialog.LeftButton()->isChecked());
    EXPECT_EQ(dialog.ActualsList()->count(), 4);
    EXPECT_EQ(dialog.ActualsList()->itemText(3), QString::fromUtf8("実績も進捗率もクリアする"));
    EXPECT_TRUE(dialog.DaysEdit()->isEnabled());
    EXPECT_FALSE(dialog.TargetField()->isEnabled());

    dialog.ByDateButton()->setChecked(true);
    EXPECT_FALSE(dialog.DaysEdit()->isEnabled());
    EXPECT_FALSE(dialog.RightButton()->isEnabled());
    EXPECT_TRUE(dialog.TargetField()->isEnabled());
    dialog.TargetField()->SetText(QStringLiteral("20260315"));
    dialog.ActualsList()->setCurrentIndex(2);
    const ShiftDaysValues values = dialog.Values();
    EXPECT_EQ(values.mode, ShiftDaysValues::Mode::kToDate);
    ASSERT_TRUE(values.targetDate);
    EXPECT_EQ(*values.targetDate, COleDateTime(2026, 3, 15, 0, 0, 0));
    EXPECT_EQ(values.actuals, ShiftDaysValues::Actuals::kClear);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(ShiftDaysDialogTest, TooManyDaysOrNoDateKeepTheDialogOpen) {
    struct Case {
        bool byDays;
        const char* days;
        const char* date;
        bool accepted;
    };
    const Case cases[] = {
        {true, "3615898", "", false},
        {true, "-3615897", "", true},
        {true, "abc", "", true},
        {false, "9999999", "2026", false},
        {false, "9999999", "20260230", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.days);
        ScriptedPrompt prompt;
        ShiftDaysValues initial;
        initial.mode = c.byDays ? ShiftDaysValues::Mode::kByDays : ShiftDaysValues::Mode::kToDate;
        initial.daysText = c.days;
        ShiftDaysDialog dialog(initial, prompt);
        dialog.TargetField()->SetText(QString::fromUtf8(c.date));
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(prompt.Shown().size(), c.accepted ? 0U : 1U);
    }
}

TEST(LinkedMoveDialogTest, TheItemsNameTheDistanceAndAFunctionKeyChoosesAndCloses) {
    EXPECT_EQ(LinkedMoveDialog::Distance(3), QString::fromUtf8(" 3日右に"));
    EXPECT_EQ(LinkedMoveDialog::Distance(-12), QString::fromUtf8(" 12日左に"));
    LinkedMoveQuestion question;
    question.days = -2;
    question.dontShowAgain = true;
    LinkedMoveDialog dialog(question);
    EXPECT_EQ(
        dialog.Choice(LinkedChoice::kAll)->text(),
        QString::fromUtf8("連結された全てのオブジェクトを、同様に 2日左にずらす。(&1) 【F1】"));
    EXPECT_TRUE(dialog.Choice(LinkedChoice::kSuccessors)
                    ->text()
                    .contains(QString::fromUtf8("同様に 2日左にずらす(&2)")));
    EXPECT_TRUE(dialog.Choice(LinkedChoice::kOnlyThis)->isChecked());
    EXPECT_TRUE(dialog.DontShowBox()->isChecked());
    dialog.DontShowBox()->setChecked(false);
    for (QShortcut* shortcut : dialog.findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_F2))
            emit shortcut->activated();
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const LinkedMoveAnswer answer = dialog.Answer();
    EXPECT_EQ(answer.choice, LinkedChoice::kSuccessors);
    EXPECT_FALSE(answer.dontShowAgain);
}

}  // namespace
}  // namespace qb
