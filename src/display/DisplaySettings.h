#pragma once

#include <string>

#include "DrawTypes.h"

namespace qb {

class ISettingsStore;

// The user settings that decide what the chart shows and in which colours,
// with their defaults. Colours are 0x00BBGGRR.
class DisplaySettings {
public:
    static constexpr const char* kSection = "Property";
    // Today's column in the chart, as in the ruler.
    static constexpr DrawColour kTodayColour = 0x00FFFF;

    // Missing values keep the defaults below.
    void Load(const ISettingsStore& store);
    // Also writes the colour and paint values the calendar reads, which
    // CalendarSettings therefore leaves alone.
    void Save(ISettingsStore& store) const;

    bool paintHoliday = true;
    bool showSpan = false;
    bool showActual = true;
    bool showTotal = false;
    bool showTerm = true;
    bool paintToday = true;
    bool paintProgress = true;
    bool summary = true;
    bool drawClipIcon = true;
    bool totalNobe = false;
    bool linkColor = false;
    int totalMode = 0;
    DrawColour summaryBgColor = 0x0080FF;
    DrawColour summaryEdgeColor = 0x808080;
    DrawColour actual = 0x80FF80;
    DrawColour actualToBody = 0x808080;
    DrawColour inazumasenColor = 0x0000FF;
    int inazumasenWidth = 3;
    DrawColour graphColor = 0x800000;
    DrawColour saturday = 0xFF0000;
    DrawColour saturdayB = 0xFFC0C0;
    DrawColour sunday = 0x0000FF;
    DrawColour sundayB = 0xC0C0FF;
    std::string guiFont = "ＭＳ Ｐゴシック";
};

}  // namespace qb
