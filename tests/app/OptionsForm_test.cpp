#include "OptionsForm.h"

#include <gtest/gtest.h>

#include "AppEnvironment.h"
#include "AppSettings.h"
#include "InMemorySettingsStore.h"
#include "RulerBandForm.h"
#include "RulerUnit.h"

namespace qb {
namespace {

constexpr const char* kBadEra =
    "令和の次の元号の開始日が不正です。空欄にするか、YYYYMMDD形式で入力してください。";
constexpr const char* kEarlyEra = "令和の次の元号の開始日は2018年より後に設定してください。";

TEST(OptionsForm, RefusesWhatTheSettingsCannotHold) {
    const struct {
        void (*edit)(OptionValues&);
        const char* refusal;  // nullptr: accepted
    } cases[] = {
        {[](OptionValues&) {}, nullptr},
        {[](OptionValues& v) { v.eraStart = "20190101"; }, nullptr},
        {[](OptionValues& v) { v.eraStart = "20181231"; }, kEarlyEra},
        {[](OptionValues& v) { v.eraStart = "20300230"; }, kBadEra},
        {[](OptionValues& v) { v.eraStart = "2030011"; }, kBadEra},
        {[](OptionValues& v) { v.eraStart = "203001011200"; }, kBadEra},
        {[](OptionValues& v) { v.eraStart = "R12"; }, kBadEra},
        {[](OptionValues& v) { v.eraName = "新,元"; }, "元号の名前に「,」は使えません。"},
        {[](OptionValues& v) { v.eraAbbreviation = "N,"; }, nullptr},
        {[](OptionValues& v) { v.defRowHeight = 10; }, nullptr},
        {[](OptionValues& v) { v.defRowHeight = 9; },
         "新しい段の高さは10から500の間で指定してください。"},
        {[](OptionValues& v) { v.defRowHeight = 501; },
         "新しい段の高さは10から500の間で指定してください。"},
        {[](OptionValues& v) { v.defProgressRate = 100; }, nullptr},
        {[](OptionValues& v) { v.defProgressRate = -1; },
         "進捗率の初期値は0から100の間で指定してください。"},
        {[](OptionValues& v) { v.todayOffset = 366; },
         "今日の位置は0から365の間で指定してください。"},
        {[](OptionValues& v) { v.totalMode = 3; }, "日数の数え方が不正です。"},
    };
    const OptionValues defaults = OptionsForm::FromSettings(AppSettings());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        OptionValues values = defaults;
        cases[i].edit(values);
        const auto refusal = OptionsForm::Validate(values);
        if (cases[i].refusal == nullptr) {
            EXPECT_FALSE(refusal) << i << ": " << refusal->text;
        } else {
            ASSERT_TRUE(refusal) << i;
            EXPECT_EQ(refusal->text, cases[i].refusal) << i;
            EXPECT_EQ(refusal->icon, PromptIcon::kWarning);
        }
    }
}

// Every field of the dialog lands in a setting and comes back from it.
TEST(OptionsForm, EveryValueGoesIntoTheSettingsAndComesBack) {
    AppSettings settings;
    settings.customized = AppSettings::kCustomizedOff;
    OptionValues values = OptionsForm::FromSettings(settings);
    values.userName = "u";
    values.saveHistory = !values.saveHistory;
    values.defFile = "/f.qbd";
    values.defRowHeight = 55;
    values.defProgressRate = 30;
    values.selectModeOneTime = !values.selectModeOneTime;
    values.memoModeOneTime = !values.memoModeOneTime;
    values.linkColor = !values.linkColor;
    values.printComDlg = !values.printComDlg;
    values.customizedOn = true;
    values.drawClipIcon = !values.drawClipIcon;
    values.totalNobe = !values.totalNobe;
    values.totalMode = 1;
    values.todayOffset = 9;
    values.guiFont = "Noto Sans CJK JP";
    values.useGuiFontForPrint = !values.useGuiFontForPrint;
    std::uint32_t colour = 0x010101;
    for (std::uint32_t* c :
         {&values.summaryBgColor, &values.summaryEdgeColor, &values.actual, &values.actualToBody,
          &values.saturday, &values.saturdayB, &values.sunday, &values.sundayB, &values.graphColor,
          &values.lightningColour})
        *c = colour++;
    values.eraName = "新元";
    values.eraAbbreviation = "S";
    values.eraStart = "20400501";
    values.saturdayNH = !values.saturdayNH;
    values.holidayOrder = !values.holidayOrder;
    values.masterHoliday = "/h.xml";
    ASSERT_FALSE(OptionsForm::Validate(values));
    OptionsForm::Apply(values, settings);
    EXPECT_EQ(OptionsForm::FromSettings(settings), values);
    EXPECT_EQ(settings.calendar.heisei3, "新元,S");

    values.eraName.clear();
    values.eraAbbreviation.clear();
    values.eraStart.clear();
    OptionsForm::Apply(values, settings);
    EXPECT_FALSE(settings.calendar.HasHeisei3Date());
    EXPECT_EQ(settings.calendar.heisei3, "");
}

TEST(OptionsForm, StyleSheetPageShowsTheBuiltInTextAndRestoresIt) {
    AppSettings settings;
    OptionValues values = OptionsForm::FromSettings(settings);
    EXPECT_EQ(values.htmlCss, AppSettings::kBuiltInHtmlCss);
    // Edited text is stored as it stands.
    values.htmlCss = "td {}\r\n";
    values.htmlCssDefault = false;
    OptionsForm::Apply(values, settings);
    EXPECT_EQ(settings.htmlCss, "td {}\r\n");
    EXPECT_EQ(OptionsForm::FromSettings(settings).htmlCss, "td {}\r\n");
    // "標準に戻す" shows the built-in text and stores the word for it.
    OptionsForm::RestoreHtmlCss(values);
    EXPECT_EQ(values.htmlCss, AppSettings::kBuiltInHtmlCss);
    OptionsForm::Apply(values, settings);
    EXPECT_EQ(settings.htmlCss, "default");
}

// The four group settings travel from the store through the options page and
// back, and the page refuses a working window that ends before it starts.
TEST(OptionsForm, TheGroupSettingsRoundTripAndTheWindowIsChecked) {
    InMemorySettingsStore store;
    AppSettings settings;
    settings.Load(store, AppEnvironment{});
    EXPECT_EQ(settings.group, GroupDisplaySettings{});
    OptionValues values = OptionsForm::FromSettings(settings);
    EXPECT_FALSE(OptionsForm::Validate(values));
    values.tfTime1 = 830;
    values.tfTime2 = 1745;
    values.tfHow = 1;
    values.tfTime = false;
    OptionsForm::Apply(values, settings);
    settings.Save(store);
    AppSettings again;
    again.Load(store, AppEnvironment{});
    EXPECT_EQ(again.group, (GroupDisplaySettings{830, 1745, 1, false}));
    EXPECT_EQ(store.ReadInt(AppSettings::kSection, "TFTime"), 0);
    for (const auto& [start, end] : {std::pair{900, 900}, {1800, 900}, {960, 1700}, {900, 2500}}) {
        values.tfTime1 = start;
        values.tfTime2 = end;
        EXPECT_TRUE(OptionsForm::Validate(values)) << start << "-" << end;
    }
}

TEST(RulerBandForm, TheUpperBandOffersNoDayAndEveryFormatHasItsExample) {
    EXPECT_EQ(RulerBandForm::Units(true).front(), kRulerWeek);
    EXPECT_EQ(RulerBandForm::Units(false).front(), kRulerDay);
    EXPECT_EQ(RulerBandForm::Units(false).size(), static_cast<std::size_t>(kRulerUnitCount));
    for (int unit = 0; unit < kRulerUnitCount; ++unit) {
        EXPECT_EQ(RulerBandForm::Examples(unit).size(),
                  static_cast<std::size_t>(RulerFormatCount(unit)))
            << unit;
        EXPECT_EQ(RulerBandForm::Note(unit).empty(), unit != kRulerFiscalYear);
    }
}

TEST(RulerBandForm, AnUpperBandFinerThanTheLowerIsRefused) {
    const struct {
        bool upper;
        int unit, other;
        bool accepted;
    } cases[] = {
        {true, kRulerMonth, kRulerMonth, true},      {true, kRulerWeek, kRulerMonth, false},
        {false, kRulerYear, kRulerMonth, false},     {false, kRulerDay, kRulerWeek, true},
        {true, kRulerYear, kRulerFiscalYear, false}, {true, kRulerFiscalYear, kRulerYear, true},
    };
    for (const auto& c : cases) {
        RulerBandRequest request;
        request.upper = c.upper;
        request.unit = c.unit;
        request.otherUnit = c.other;
        EXPECT_EQ(!RulerBandForm::Validate(request), c.accepted) << c.unit << "/" << c.other;
    }
    RulerBandRequest badFormat;
    badFormat.unit = kRulerYear;
    badFormat.format = 5;
    EXPECT_TRUE(RulerBandForm::Validate(badFormat));
}

}  // namespace
}  // namespace qb
