#pragma once

#include <cstdint>
#include <string>

namespace qb {

// What the options dialog shows and gives back: the user settings it edits,
// in the form its fields hold them. Colours are 0x00BBGGRR.
struct OptionValues {
    // General.
    std::string userName;
    bool saveHistory = false;
    std::string defFile;
    int defRowHeight = 40;
    int defProgressRate = 0;
    bool selectModeOneTime = true;
    bool memoModeOneTime = true;
    bool linkColor = false;
    bool printComDlg = false;
    // The hidden option: its box is shown only while the setting holds one
    // of its two codes, and then says which.
    bool customizedShown = false;
    bool customizedOn = false;

    // Display.
    bool drawClipIcon = true;
    bool totalNobe = false;
    int totalMode = 0;
    int todayOffset = 2;
    std::string guiFont;
    bool useGuiFontForPrint = false;

    // Colours.
    std::uint32_t summaryBgColor = 0;
    std::uint32_t summaryEdgeColor = 0;
    std::uint32_t actual = 0;
    std::uint32_t actualToBody = 0;
    std::uint32_t saturday = 0;
    std::uint32_t saturdayB = 0;
    std::uint32_t sunday = 0;
    std::uint32_t sundayB = 0;
    std::uint32_t graphColor = 0;
    std::uint32_t lightningColour = 0;

    // Calendar: the era after 令和 (name, abbreviation and first day as
    // "yyyymmdd", empty for none) and the holiday rule switches.
    std::string eraName;
    std::string eraAbbreviation;
    std::string eraStart;
    bool saturdayNH = false;
    bool holidayOrder = false;
    // The system holiday file; empty for the built-in rules.
    std::string masterHoliday;
    // HTML output: the style sheet text the page shows, and whether the
    // built-in one was put back (then "default" is stored).
    std::string htmlCss;
    bool htmlCssDefault = false;

    // Tallyframe groups: the working window as hhmm, the bar style (0 tall
    // bars, 1 thin bars) and whether schedules keep the times of day.
    int tfTime1 = 900;
    int tfTime2 = 2100;
    int tfHow = 0;
    bool tfTime = true;

    bool operator==(const OptionValues&) const = default;
};

}  // namespace qb
