#include "CalendarSettings.h"

#include "DateEntry.h"
#include "DateText.h"
#include "ISettingsStore.h"

namespace qb {

namespace {

void ReadBool(const ISettingsStore& store, const char* name, bool& value) {
    if (auto stored = store.ReadInt(CalendarSettings::kSection, name)) {
        value = *stored != 0;
    }
}

void ReadInt(const ISettingsStore& store, const char* name, int& value) {
    if (auto stored = store.ReadInt(CalendarSettings::kSection, name)) {
        value = *stored;
    }
}

// Only the 24 colour bits count; the registry value may carry garbage above.
void ReadColour(const ISettingsStore& store, const char* name, ColorRef& value) {
    if (auto stored = store.ReadInt(CalendarSettings::kSection, name)) {
        value = static_cast<ColorRef>(*stored) & 0xFFFFFFu;
    }
}

void ReadString(const ISettingsStore& store, const char* name, std::string& value) {
    if (auto stored = store.ReadString(CalendarSettings::kSection, name)) {
        value = *stored;
    }
}

void WriteBool(ISettingsStore& store, const char* name, bool value) {
    store.WriteInt(CalendarSettings::kSection, name, value ? 1 : 0);
}

void WriteColour(ISettingsStore& store, const char* name, ColorRef value) {
    store.WriteInt(CalendarSettings::kSection, name, static_cast<std::int32_t>(value & 0xFFFFFFu));
}

}  // namespace

void CalendarSettings::Load(const ISettingsStore& store) {
    ReadBool(store, "HolidayOrder", holidayOrder);
    ReadBool(store, "SaturdayNH", saturdayNH);
    ReadString(store, "MasterHoliday", masterHoliday);
    ReadColour(store, "Saturday", saturday);
    ReadColour(store, "SaturdayB", saturdayB);
    ReadColour(store, "Sunday", sunday);
    ReadColour(store, "SundayB", sundayB);
    ReadInt(store, "TotalMode", totalMode);

    ReadInt(store, "RulerFontSize1", rulerFontSize1);
    ReadInt(store, "RulerFontSize2", rulerFontSize2);
    ReadBool(store, "PaintHoliday", paintHoliday);
    ReadBool(store, "PaintToday", paintToday);

    ReadString(store, "Heisei3", heisei3);
    const auto comma = heisei3.find(',');
    heisei3Name = heisei3.substr(0, comma);
    heisei3Abbreviation = comma == std::string::npos ? std::string() : heisei3.substr(comma + 1);

    std::string dateText;
    ReadString(store, "Heisei3Date", dateText);
    heisei3Date = DateEntry::IsValidCompactDate(dateText) ? DateEntry::ParseCompactDate(dateText)
                                                          : COleDateTime();
}

void CalendarSettings::Save(ISettingsStore& store) const {
    WriteBool(store, "HolidayOrder", holidayOrder);
    WriteBool(store, "SaturdayNH", saturdayNH);
    store.WriteString(kSection, "MasterHoliday", masterHoliday);
    WriteColour(store, "Saturday", saturday);
    WriteColour(store, "SaturdayB", saturdayB);
    WriteColour(store, "Sunday", sunday);
    WriteColour(store, "SundayB", sundayB);
    store.WriteInt(kSection, "TotalMode", totalMode);
    store.WriteInt(kSection, "RulerFontSize1", rulerFontSize1);
    store.WriteInt(kSection, "RulerFontSize2", rulerFontSize2);
    WriteBool(store, "PaintHoliday", paintHoliday);
    WriteBool(store, "PaintToday", paintToday);
    // Nothing configured stays "", which reads back the same as ",".
    const bool hasEra = !heisei3Name.empty() || !heisei3Abbreviation.empty();
    store.WriteString(kSection, "Heisei3",
                      hasEra ? heisei3Name + "," + heisei3Abbreviation : std::string());
    store.WriteString(kSection, "Heisei3Date",
                      HasHeisei3Date() ? DateText::CompactDate(heisei3Date) : std::string());
}

}  // namespace qb
