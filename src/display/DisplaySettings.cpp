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

}  // namespace qb
