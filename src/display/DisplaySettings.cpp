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
    ReadBool(store, "ShowSpan", showSpan);
    ReadBool(store, "ShowActual", showActual);
    ReadBool(store, "ShowTotal", showTotal);
    ReadBool(store, "ShowTerm", showTerm);
    ReadBool(store, "PaintProgress", paintProgress);
    ReadBool(store, "Summary", summary);
    ReadBool(store, "DrawClipIcon", drawClipIcon);
    ReadBool(store, "TotalNobe", totalNobe);
    ReadBool(store, "LinkColor", linkColor);
    ReadColour(store, "SummaryBgColor", summaryBgColor);
    ReadColour(store, "SummaryEdgeColor", summaryEdgeColor);
    ReadColour(store, "Actual", actual);
    ReadColour(store, "ActualToBody", actualToBody);
    ReadColour(store, "InazumasenColor", lightningColour);
    ReadInt(store, "InazumasenWidth", lightningWidth);
    ReadColour(store, "GraphColor", graphColor);
    if (auto stored = store.ReadString(kSection, "GuiFont"))
        guiFont = *stored;
}

void DisplaySettings::Save(ISettingsStore& store) const {
    WriteBool(store, "ShowSpan", showSpan);
    WriteBool(store, "ShowActual", showActual);
    WriteBool(store, "ShowTotal", showTotal);
    WriteBool(store, "ShowTerm", showTerm);
    WriteBool(store, "PaintProgress", paintProgress);
    WriteBool(store, "Summary", summary);
    WriteBool(store, "DrawClipIcon", drawClipIcon);
    WriteBool(store, "TotalNobe", totalNobe);
    WriteBool(store, "LinkColor", linkColor);
    WriteColour(store, "SummaryBgColor", summaryBgColor);
    WriteColour(store, "SummaryEdgeColor", summaryEdgeColor);
    WriteColour(store, "Actual", actual);
    WriteColour(store, "ActualToBody", actualToBody);
    WriteColour(store, "InazumasenColor", lightningColour);
    WriteInt(store, "InazumasenWidth", lightningWidth);
    WriteColour(store, "GraphColor", graphColor);
    store.WriteString(kSection, "GuiFont", guiFont);
}

}  // namespace qb
