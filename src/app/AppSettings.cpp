#include "AppSettings.h"

#include "AppEnvironment.h"
#include "HolderNote.h"
#include "ISettingsStore.h"

namespace qb {

namespace {

constexpr const char* kSection = AppSettings::kSection;

void ReadBool(const ISettingsStore& store, const char* name, bool& value) {
    if (auto stored = store.ReadInt(kSection, name))
        value = *stored != 0;
}

void ReadInt(const ISettingsStore& store, const char* name, int& value) {
    if (auto stored = store.ReadInt(kSection, name))
        value = *stored;
}

// Only the 24 colour bits count.
void ReadColour(const ISettingsStore& store, const char* name, std::uint32_t& value) {
    if (auto stored = store.ReadInt(kSection, name))
        value = static_cast<std::uint32_t>(*stored) & 0xFFFFFFu;
}

void ReadString(const ISettingsStore& store, const char* name, std::string& value) {
    if (auto stored = store.ReadString(kSection, name))
        value = *stored;
}

void WriteBool(ISettingsStore& store, const char* name, bool value) {
    store.WriteInt(kSection, name, value ? 1 : 0);
}

void WriteInt(ISettingsStore& store, const char* name, int value) {
    store.WriteInt(kSection, name, value);
}

void WriteColour(ISettingsStore& store, const char* name, std::uint32_t value) {
    store.WriteInt(kSection, name, static_cast<std::int32_t>(value & 0xFFFFFFu));
}

}  // namespace

void AppSettings::Load(const ISettingsStore& store, const AppEnvironment& environment) {
    display.Load(store);
    calendar.Load(store);

    ReadBool(store, "FitX", fitX);
    ReadBool(store, "FitY", fitY);
    ReadBool(store, "SelectModeOneTime", selectModeOneTime);
    ReadBool(store, "MemoModeOneTime", memoModeOneTime);
    ReadBool(store, "ShowColumns", showColumns);
    ReadBool(store, "PrintComDlg", printComDlg);
    ReadBool(store, "IndentDef", indentDef);
    ReadBool(store, "GraphShown", graphShown);
    ReadBool(store, "SaveHistory", saveHistory);
    ReadBool(store, "UseGuiFontForPrint", useGuiFontForPrint);
    ReadInt(store, "TabMode", tabMode);
    ReadColour(store, "PaletteBackColor", paletteBackColor);
    ReadColour(store, "PalettePenColor", palettePenColor);
    ReadInt(store, "PaletteType", paletteType);
    ReadInt(store, "PalettePen", palettePen);
    ReadInt(store, "ColumnLeft", columnLeft);
    ReadInt(store, "CanvasLeft", canvasLeft);
    ReadInt(store, "DefRowHeight", defRowHeight);
    ReadInt(store, "TodayOffset", todayOffset);
    ReadInt(store, "DefProgressRate", defProgressRate);
    ReadInt(store, "SlideLinked", slideLinked);
    ReadInt(store, "Customized", customized);
    ReadString(store, "DefFile", defFile);
    ReadString(store, "DefStyleFile", defStyleFile);
    ReadString(store, "HtmlCss", htmlCss);
    ReadInt(store, "WndTop", wndTop);
    ReadInt(store, "WndLeft", wndLeft);
    ReadInt(store, "WndBottom", wndBottom);
    ReadInt(store, "WndRight", wndRight);
    ReadInt(store, "TFTime1", group.time1);
    ReadInt(store, "TFTime2", group.time2);
    ReadInt(store, "TFHow", group.how);
    ReadBool(store, "TFTime", group.exactTimes);

    // An explicitly stored empty name stays empty; only the marker (or no
    // value at all) stands for the logged-on user.
    userName = kUnset;
    ReadString(store, "UserName", userName);
    if (userName == kUnset)
        userName = environment.userName.empty() ? "User" : environment.userName;
    HolderNote::SetUser(userName);

    defaultMasterHoliday_ = environment.programFolder + "Holidays.xml";
    if (calendar.masterHoliday == CalendarSettings::kMasterHolidayUnset)
        calendar.masterHoliday = defaultMasterHoliday_;

    recycledSchedule.clear();
    for (const char* name : kRecycledNames) {
        if (auto stored = store.ReadInt(kRecycledSection, name))
            recycledSchedule[name] = *stored;
    }
}

void AppSettings::Save(ISettingsStore& store) const {
    display.Save(store);
    CalendarSettings calendarToSave = calendar;
    if (calendarToSave.masterHoliday == defaultMasterHoliday_)
        calendarToSave.masterHoliday = CalendarSettings::kMasterHolidayUnset;
    calendarToSave.Save(store);

    WriteBool(store, "FitX", fitX);
    WriteBool(store, "FitY", fitY);
    WriteBool(store, "SelectModeOneTime", selectModeOneTime);
    WriteBool(store, "MemoModeOneTime", memoModeOneTime);
    WriteBool(store, "ShowColumns", showColumns);
    WriteBool(store, "PrintComDlg", printComDlg);
    WriteBool(store, "IndentDef", indentDef);
    WriteBool(store, "GraphShown", graphShown);
    WriteBool(store, "SaveHistory", saveHistory);
    // Not written while it was never on; once stored, switching it off in
    // the options must reach the store too, or it would come back on.
    if (useGuiFontForPrint || store.ReadInt(kSection, "UseGuiFontForPrint"))
        WriteBool(store, "UseGuiFontForPrint", useGuiFontForPrint);
    WriteInt(store, "TabMode", tabMode);
    WriteColour(store, "PaletteBackColor", paletteBackColor);
    WriteColour(store, "PalettePenColor", palettePenColor);
    WriteInt(store, "PaletteType", paletteType);
    WriteInt(store, "PalettePen", palettePen);
    WriteInt(store, "ColumnLeft", columnLeft);
    WriteInt(store, "CanvasLeft", canvasLeft);
    WriteInt(store, "DefRowHeight", defRowHeight);
    WriteInt(store, "TodayOffset", todayOffset);
    WriteInt(store, "DefProgressRate", defProgressRate);
    WriteInt(store, "SlideLinked", slideLinked);
    if (customized == kCustomizedOff || customized == kCustomizedOn)
        WriteInt(store, "Customized", customized);
    store.WriteString(kSection, "UserName", userName);
    store.WriteString(kSection, "DefFile", defFile);
    store.WriteString(kSection, "DefStyleFile", defStyleFile);
    store.WriteString(kSection, "HtmlCss", htmlCss);
    WriteInt(store, "WndTop", wndTop);
    WriteInt(store, "WndLeft", wndLeft);
    WriteInt(store, "WndBottom", wndBottom);
    WriteInt(store, "WndRight", wndRight);
    WriteInt(store, "TFTime1", group.time1);
    WriteInt(store, "TFTime2", group.time2);
    WriteInt(store, "TFHow", group.how);
    WriteBool(store, "TFTime", group.exactTimes);

    for (const auto& [name, value] : recycledSchedule)
        store.WriteInt(kRecycledSection, name, value);
}

}  // namespace qb
