#include "OptionsForm.h"

#include "AppSettings.h"
#include "DateEntry.h"
#include "DateText.h"
#include "HolderNote.h"

namespace qb {
namespace {

constexpr int kFirstEraYear = 2019;

PromptMessage Refusal(const char* text) {
    return {0, text, PromptIcon::kWarning, PromptButtons::kOk};
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

}  // namespace

std::optional<PromptMessage> OptionsForm::ValidateEra(const OptionValues& values) {
    // The stored setting is "name,abbreviation", split at the first comma.
    if (values.eraName.find(',') != std::string::npos)
        return Refusal("元号の名前に「,」は使えません。");
    if (values.eraStart.empty())
        return std::nullopt;
    if (values.eraStart.size() != 8 || !DateEntry::IsValidCompactDate(values.eraStart))
        return Refusal(
            "令和の次の元号の開始日が不正です。空欄にするか、YYYYMMDD形式で入力してください。");
    if (DateEntry::ParseCompactDate(values.eraStart).GetYear() < kFirstEraYear)
        return Refusal("令和の次の元号の開始日は2018年より後に設定してください。");
    return std::nullopt;
}

namespace {

void ApplyCalendar(const OptionValues& values, CalendarSettings& calendar) {
    calendar.saturday = values.saturday;
    calendar.saturdayB = values.saturdayB;
    calendar.sunday = values.sunday;
    calendar.sundayB = values.sundayB;
    calendar.totalMode = values.totalMode;
    calendar.saturdayNH = values.saturdayNH;
    calendar.holidayOrder = values.holidayOrder;
    calendar.masterHoliday = values.masterHoliday;
    calendar.heisei3Name = values.eraName;
    calendar.heisei3Abbreviation = values.eraAbbreviation;
    const bool hasEra = !values.eraName.empty() || !values.eraAbbreviation.empty();
    calendar.heisei3 = hasEra ? values.eraName + "," + values.eraAbbreviation : std::string();
    calendar.heisei3Date =
        values.eraStart.empty() ? COleDateTime() : DateEntry::ParseCompactDate(values.eraStart);
}

void ApplyDisplay(const OptionValues& values, DisplaySettings& display) {
    display.drawClipIcon = values.drawClipIcon;
    display.totalNobe = values.totalNobe;
    display.linkColor = values.linkColor;
    display.guiFont = values.guiFont;
    display.summaryBgColor = values.summaryBgColor;
    display.summaryEdgeColor = values.summaryEdgeColor;
    display.actual = values.actual;
    display.actualToBody = values.actualToBody;
    display.graphColor = values.graphColor;
    display.lightningColour = values.lightningColour;
}

}  // namespace

OptionValues OptionsForm::FromSettings(const AppSettings& settings) {
    const CalendarSettings& calendar = settings.calendar;
    const DisplaySettings& display = settings.display;
    OptionValues values;
    values.userName = settings.userName;
    values.saveHistory = settings.saveHistory;
    values.defFile = settings.defFile;
    values.defRowHeight = settings.defRowHeight;
    values.defProgressRate = settings.defProgressRate;
    values.selectModeOneTime = settings.selectModeOneTime;
    values.memoModeOneTime = settings.memoModeOneTime;
    values.linkColor = display.linkColor;
    values.printComDlg = settings.printComDlg;
    values.customizedShown = settings.customized == AppSettings::kCustomizedOff ||
                             settings.customized == AppSettings::kCustomizedOn;
    values.customizedOn = settings.customized == AppSettings::kCustomizedOn;
    values.drawClipIcon = display.drawClipIcon;
    values.totalNobe = display.totalNobe;
    values.totalMode = calendar.totalMode;
    values.todayOffset = settings.todayOffset;
    values.guiFont = display.guiFont;
    values.useGuiFontForPrint = settings.useGuiFontForPrint;
    values.summaryBgColor = display.summaryBgColor;
    values.summaryEdgeColor = display.summaryEdgeColor;
    values.actual = display.actual;
    values.actualToBody = display.actualToBody;
    values.saturday = calendar.saturday;
    values.saturdayB = calendar.saturdayB;
    values.sunday = calendar.sunday;
    values.sundayB = calendar.sundayB;
    values.graphColor = display.graphColor;
    values.lightningColour = display.lightningColour;
    values.eraName = calendar.heisei3Name;
    values.eraAbbreviation = calendar.heisei3Abbreviation;
    values.eraStart = calendar.HasHeisei3Date() ? DateText::CompactDate(calendar.heisei3Date) : "";
    values.saturdayNH = calendar.saturdayNH;
    values.holidayOrder = calendar.holidayOrder;
    values.masterHoliday = calendar.masterHoliday;
    values.htmlCssDefault = settings.htmlCss == AppSettings::kHtmlCssDefault;
    values.htmlCss = values.htmlCssDefault ? AppSettings::kBuiltInHtmlCss : settings.htmlCss;
    values.tfTime1 = settings.group.time1;
    values.tfTime2 = settings.group.time2;
    values.tfHow = settings.group.how;
    values.tfTime = settings.group.exactTimes;
    return values;
}

std::optional<PromptMessage> OptionsForm::Validate(const OptionValues& values) {
    if (auto era = ValidateEra(values))
        return era;
    // The working window must be two times of day, the end after the start.
    const auto isTime = [](int hhmm) { return hhmm >= 0 && hhmm <= 2400 && hhmm % 100 < 60; };
    if (!isTime(values.tfTime1) || !isTime(values.tfTime2) || values.tfTime2 <= values.tfTime1)
        return Refusal("Tallyframe の表示時間帯は、開始より後に終了を指定してください。");
    if (!InRange(values.defRowHeight, kMinRowHeight, kMaxRowHeight))
        return Refusal("新しい段の高さは10から500の間で指定してください。");
    if (!InRange(values.defProgressRate, 0, 100))
        return Refusal("進捗率の初期値は0から100の間で指定してください。");
    if (!InRange(values.todayOffset, 0, kMaxTodayOffset))
        return Refusal("今日の位置は0から365の間で指定してください。");
    if (!InRange(values.totalMode, 0, kTotalModes - 1))
        return Refusal("日数の数え方が不正です。");
    return std::nullopt;
}

void OptionsForm::RestoreHtmlCss(OptionValues& values) {
    values.htmlCss = AppSettings::kBuiltInHtmlCss;
    values.htmlCssDefault = true;
}

void OptionsForm::Apply(const OptionValues& values, AppSettings& settings) {
    settings.htmlCss = values.htmlCssDefault ? AppSettings::kHtmlCssDefault : values.htmlCss;
    settings.userName = values.userName;
    HolderNote::SetUser(settings.userName);
    settings.saveHistory = values.saveHistory;
    settings.defFile = values.defFile;
    settings.defRowHeight = values.defRowHeight;
    settings.defProgressRate = values.defProgressRate;
    settings.selectModeOneTime = values.selectModeOneTime;
    settings.memoModeOneTime = values.memoModeOneTime;
    settings.printComDlg = values.printComDlg;
    // The hidden option stays hidden unless it already holds one of its codes.
    if (settings.customized == AppSettings::kCustomizedOff ||
        settings.customized == AppSettings::kCustomizedOn)
        settings.customized =
            values.customizedOn ? AppSettings::kCustomizedOn : AppSettings::kCustomizedOff;
    settings.todayOffset = values.todayOffset;
    settings.useGuiFontForPrint = values.useGuiFontForPrint;
    ApplyCalendar(values, settings.calendar);
    ApplyDisplay(values, settings.display);
    settings.group = {values.tfTime1, values.tfTime2, values.tfHow, values.tfTime};
}

}  // namespace qb
