#include "DisplaySettings.h"

#include "ISettingsStore.h"

namespace qb {

namespace {

void ReadBool(const ISettingsStore& store, const char* name, bool& value) {
    if (auto stored = store.ReadInt(DisplaySettings::kSection, name))
        value = *stored != 0;
}

void ReadInt(const ISettingsStore& store, const char* name, int& value) {
    if (auto stored = store.ReadInt(DisplaySettings::kSection, name))
        value = *stored;
}

// Only the 24 colour bits count; stored values may carry garbage above.
void ReadColour(const ISettingsStore& store, const char* name, DrawColour& value) {
    if (auto stored = store.ReadInt(DisplaySettings::kSection, name))
        value = static_cast<DrawColour>(*stored) & 0xFFFFFFu;
}

void WriteBool(ISettingsStore& store, const char* name, bool value) {
    store.WriteInt(DisplaySettings::kSection, name, value ? 1 : 0);
}

void WriteInt(ISettingsStore& store, const char* name, int value) {
    store.WriteInt(DisplaySettings::kSection, name, value);
}

void WriteColour(ISettingsStore& store, const char* name, DrawColour value) {
    store.WriteInt(DisplaySettings::kSection, name, static_cast<std::int32_t>(value & 0xFFFFFFu));
}

}  // namespace

void DisplaySettings::Load(const ISettingsStore& store) {
    ReadBool(store, "PaintHoliday", paintHoliday);
    ReadBool(store, "ShowSpan", showSpan);
    ReadBool(store, "ShowActual", showActual);
    ReadBool(store, "ShowTotal", showTotal);
    ReadBool(store, "ShowTerm", showTerm);
    ReadBool(store, "PaintToday", paintToday);
    ReadBool(store, "PaintProgress", paintProgress);
    ReadBool(store, "Summary", summary);
    ReadBool(store, "DrawClipIcon", drawClipIcon);
    ReadBool(store, "TotalNobe", totalNobe);
    ReadBool(store, "LinkColor", linkColor);
    ReadInt(store, "TotalMode", totalMode);
    ReadColour(store, "SummaryBgColor", summaryBgColor);
    ReadColour(store, "SummaryEdgeColor", summaryEdgeColor);
    ReadColour(store, "Actual", actual);
    ReadColour(store, "ActualToBody", actualToBody);
    ReadColour(store, "InazumasenColor", inazumasenColor);
    ReadInt(store, "InazumasenWidth", inazumasenWidth);
    ReadColour(store, "GraphColor", graphColor);
    ReadColour(store, "Saturday", saturday);
    ReadColour(store, "SaturdayB", saturdayB);
    ReadColour(store, "Sunday", sunday);
    ReadColour(store, "SundayB", sundayB);
    if (auto stored = store.ReadString(kSection, "GuiFont"))
        guiFont = *stored;
}

void DisplaySettings::Save(ISettingsStore& store) const {
    WriteBool(store, "PaintHoliday", paintHoliday);
    WriteBool(store, "ShowSpan", showSpan);
    WriteBool(store, "ShowActual", showActual);
    WriteBool(store, "ShowTotal", showTotal);
    WriteBool(store, "ShowTerm", showTerm);
    WriteBool(store, "PaintToday", paintToday);
    WriteBool(store, "PaintProgress", paintProgress);
    WriteBool(store, "Summary", summary);
    WriteBool(store, "DrawClipIcon", drawClipIcon);
    WriteBool(store, "TotalNobe", totalNobe);
    WriteBool(store, "LinkColor", linkColor);
    WriteInt(store, "TotalMode", totalMode);
    WriteColour(store, "SummaryBgColor", summaryBgColor);
    WriteColour(store, "SummaryEdgeColor", summaryEdgeColor);
    WriteColour(store, "Actual", actual);
    WriteColour(store, "ActualToBody", actualToBody);
    WriteColour(store, "InazumasenColor", inazumasenColor);
    WriteInt(store, "InazumasenWidth", inazumasenWidth);
    WriteColour(store, "GraphColor", graphColor);
    WriteColour(store, "Saturday", saturday);
    WriteColour(store, "SaturdayB", saturdayB);
    WriteColour(store, "Sunday", sunday);
    WriteColour(store, "SundayB", sundayB);
    store.WriteString(kSection, "GuiFont", guiFont);
}

}  // namespace qb
