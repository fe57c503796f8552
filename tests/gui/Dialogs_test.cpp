#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "../app/ScriptedDialogs.h"
#include "CCommandHandler.h"
#include "CRuler.h"
#include "CYmdHoliday.h"
#include "CommandIds.h"
#include "GuiFixture.h"
#include "HolidayCache.h"
#include "HolidayFile.h"
#include "MainWindow.h"
#include "OptionsForm.h"
#include "RulerMenu.h"
#include "RulerUnit.h"
#include "dialogs/LightningDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/RulerBandDialog.h"
#include "dialogs/RulerFontSizeDialog.h"

namespace qb {
namespace {

class DialogsTest : public GuiFixture {};

OptionValues Unusual() {
    AppSettings settings;
    settings.customized = AppSettings::kCustomizedOn;
    OptionValues values = OptionsForm::FromSettings(settings);
    values.userName = "山田";
    values.defFile = "/home/u/plan.qbd";
    values.defRowHeight = 77;
    values.defProgressRate = 35;
    values.saveHistory = true;
    values.memoModeOneTime = false;
    values.totalMode = 2;
    values.todayOffset = 14;
    values.sundayB = 0x123456;
    values.lightningColour = 0xABCDEF;
    values.eraName = "新元";
    values.eraAbbreviation = "N";
    values.eraStart = "20300101";
    values.holidayOrder = true;
    values.htmlCss = "td {color: red;}\r\n";
    values.tfTime1 = 830;
    values.tfTime2 = 1745;
    values.tfHow = 1;
    values.tfTime = false;
    return values;
}

// Every field shows its value and gives it back untouched; a font this
// machine lacks keeps its name.
TEST_F(DialogsTest, TheOptionsDialogGivesBackWhatItShows) {
    const OptionValues values = Unusual();
    OptionsDialog dialog(values, prompt);
    EXPECT_EQ(dialog.Values(), values);
    EXPECT_EQ(dialog.Tabs()->count(), 6);
    EXPECT_FALSE(dialog.CustomizedBox()->isHidden());
    EXPECT_TRUE(dialog.CustomizedBox()->isChecked());

    OptionValues plain = OptionsForm::FromSettings(AppSettings());
    OptionsDialog hidden(plain, prompt);
    EXPECT_TRUE(hidden.CustomizedBox()->isHidden());
    EXPECT_EQ(hidden.Values().guiFont, "ＭＳ Ｐゴシック");
}

TEST_F(DialogsTest, TheOptionsDialogStaysOpenOnABadEraDate) {
    OptionsDialog dialog(Unusual(), prompt);
    dialog.EraStartEdit()->setText(QStringLiteral("2030131"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Tabs()->currentIndex(), OptionsDialog::kCalendarTab);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown().back().text,
              "令和の次の元号の開始日が不正です。空欄にするか、YYYYMMDD形式で入力してください。");
    dialog.EraStartEdit()->clear();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Values().eraStart, "");
}

TEST_F(DialogsTest, TheRulerDialogListsTheUnitsFormatsAndNote) {
    RulerBandRequest request;
    request.upper = true;
    request.unit = kRulerMonth;
    request.format = 9;
    request.otherUnit = kRulerMonth;
    request.canSave = false;
    RulerBandDialog dialog(request, prompt);
    EXPECT_EQ(dialog.UnitList()->findData(kRulerDay), -1);
    EXPECT_EQ(dialog.FormatList()->count(), 11);
    EXPECT_EQ(dialog.FormatList()->currentItem()->text(), QString::fromUtf8("平成29年2月"));
    EXPECT_FALSE(dialog.SaveChoice()->isEnabled());
    EXPECT_EQ(dialog.Request(), request);

    dialog.UnitList()->setCurrentIndex(dialog.UnitList()->findData(kRulerFiscalYear));
    EXPECT_EQ(dialog.FormatList()->count(), 5);
    EXPECT_EQ(dialog.FormatList()->currentRow(), 0);
    EXPECT_EQ(dialog.Note()->text(), QString::fromUtf8("年度はver2.4.0以前で表示不可"));
    dialog.UnitList()->setCurrentIndex(dialog.UnitList()->findData(kRulerTenDays));
    EXPECT_TRUE(dialog.Note()->text().isEmpty());

    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted) << "ten-day periods over months";
    EXPECT_EQ(prompt.Shown().back().text,
              "上段が下段より細かくなるように設定することはできません。");
}

TEST_F(DialogsTest, FontSizeAndProgressLineDialogsGiveBackTheirValues) {
    RulerFontSizeDialog fonts(RulerFontSizes{8, 16});
    EXPECT_EQ(fonts.Sizes(), (RulerFontSizes{8, 16}));

    const LightningValues values{COleDateTime(2026, 5, 20, 0, 0, 0), 0x00FF00, 4, true};
    LightningDialog lightning(values, COleDateTime(2026, 12, 7, 0, 0, 0));
    EXPECT_EQ(lightning.Values(), values);
}

// The chosen band reaches the window's ruler; the right-click menu follows
// the View menu's rule.
TEST_F(DialogsTest, TheRulerMenuOpensTheBandDialogAndTheRulerShowsTheChoice) {
    test::ScriptedDialogs dialogs;
    status.Services().SetDialogs(&dialogs);
    MainWindow window(status);
    QWidget ruler;
    RulerMenu menu(ruler, status);
    LoadSample();
    status.Commands().Execute(cmd::kViewProject);
    std::unique_ptr<QMenu> onPage(menu.Build(nullptr));
    ASSERT_EQ(onPage->actions().size(), 4);
    EXPECT_FALSE(onPage->actions().front()->isEnabled());

    status.Commands().Execute(cmd::kViewDay);
    std::unique_ptr<QMenu> inChart(menu.Build(nullptr));
    EXPECT_TRUE(inChart->actions().front()->isEnabled());
    EXPECT_EQ(inChart->actions().front()->text(), QString::fromUtf8(RulerMenu::kUpper));
    dialogs.bands.push_back([](RulerBandRequest& r) {
        r.unit = kRulerWeek;
        r.format = 2;
    });
    inChart->actions().front()->trigger();
    EXPECT_EQ(window.GetRuler().GetUnit(CRuler::Band::upper), kRulerWeek);
    EXPECT_EQ(window.GetRuler().GetFormat(CRuler::Band::upper), 2);

    dialogs.fonts.push_back([](RulerFontSizes& s) { s.lower = 9; });
    inChart->actions().back()->trigger();
    EXPECT_EQ(status.Services().Settings().calendar.rulerFontSize2, 9);
    status.Services().SetDialogs(nullptr);
}

// The holiday marks the window already worked out follow a changed rule order
// at once: a forced working day listed before a holiday on the same date.
TEST_F(DialogsTest, OptionsReachTheWindowsHolidayMarksAtOnce) {
    test::ScriptedDialogs dialogs;
    status.Services().SetDialogs(&dialogs);
    MainWindow window(status);
    CProject& project = LoadSample();
    const COleDateTime day(2025, 6, 11, 0, 0, 0);
    for (const bool forced : {true, false}) {
        auto rule = std::make_unique<CYmdHoliday>(project.NewObjectId());
        rule->SetYear(2025);
        rule->SetMonth(6);
        rule->SetDay(11);
        rule->SetForceNotHoliday(forced);
        project.GetHolidays().Add(std::move(rule));
    }
    CHolidayArray system;
    auto rule = std::make_unique<CYmdHoliday>();
    rule->SetYear(2025);
    rule->SetMonth(6);
    rule->SetDay(12);
    system.Add(std::move(rule));
    const std::string holidayFile = folder.File("holidays.xml");
    ASSERT_TRUE(HolidayFile().WriteHolidayFile(holidayFile, system));
    const COleDateTime nextDay(2025, 6, 12, 0, 0, 0);
    ASSERT_TRUE(project.IsUseSystemHolidays());
    status.Commands().Execute(cmd::kViewDay);
    EXPECT_EQ(window.Scene().Holidays().DayMark(day), -1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(nextDay), 0);
    dialogs.options.push_back([&holidayFile](OptionValues& v) {
        v.holidayOrder = true;
        v.sundayB = 0x00FF00;
        v.masterHoliday = holidayFile;
    });
    ASSERT_TRUE(status.Commands().Execute(cmd::kOptions));
    EXPECT_EQ(window.Scene().Holidays().DayMark(day), 1);
    EXPECT_EQ(window.Scene().Holidays().DayMark(nextDay), 1) << "the new holiday file";
    EXPECT_EQ(window.Scene().Holidays().BackgroundColour(day), 0x00FF00u);
    status.Services().SetDialogs(nullptr);
}

}  // namespace
}  // namespace qb
