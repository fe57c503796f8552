#pragma once

#include <string>

#include "DrawTypes.h"

namespace qb {

class ISettingsStore;

// The user settings that decide what the chart shows and in which colours,
// with their defaults. Colours are 0x00BBGGRR. The weekend colours, the day
// count mode and the holiday and today marks belong to CalendarSettings,
// which the chart reads through its context.
class DisplaySettings {
public:
    static constexpr const char* kSection = "Property";
    // Today's column in the chart, as in the ruler.
    static constexpr DrawColour kTodayColour = 0x00FFFF;

    // Missing values keep the defaults below.
    void Load(const ISettingsStore& store);
    void Save(ISettingsStore& store) const;

    bool showSpan = false;
    bool showActual = true;
    bool showTotal = false;
    bool showTerm = true;
    bool paintProgress = true;
    bool summary = true;
    bool drawClipIcon = true;
    bool totalNobe = false;
    bool linkColor = false;
    DrawColour summaryBgColor = 0x0080FF;
    DrawColour summaryEdgeColor = 0x808080;
    DrawColour actual = 0x80FF80;
    DrawColour actualToBody = 0x808080;
    // The progress line, stored as "InazumasenColor" and "InazumasenWidth".
    DrawColour lightningColour = 0x0000FF;
    int lightningWidth = 3;
    DrawColour graphColor = 0x800000;
    std::string guiFont = "ＭＳ Ｐゴシック";
};

}  // namespace qb
