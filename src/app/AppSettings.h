#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "CalendarSettings.h"
#include "DisplaySettings.h"
#include "GroupDisplaySettings.h"

namespace qb {

class ISettingsStore;
struct AppEnvironment;

// Every user setting that survives a restart (the "Property" section and the
// schedule pages' remembered values), with the program's defaults.
class AppSettings {
public:
    static constexpr const char* kSection = "Property";
    static constexpr const char* kRecycledSection = "RecycledSchedule";
    // Stored for a string setting that was never set.
    static constexpr const char* kUnset = "`";
    // The hidden option's two codes.
    static constexpr std::int32_t kCustomizedOff = 20110;
    static constexpr std::int32_t kCustomizedOn = 20111;

    // "HtmlCss" holding this stands for the built-in style sheet of the HTML
    // list, which is the text below.
    static constexpr const char* kHtmlCssDefault = "default";
    static constexpr const char* kBuiltInHtmlCss =
        "\t\ttd {border: solid 1px black; padding: 3px; vertical-align: top;}\r\n"
        "\t\tth {border: solid 1px black; border-bottom: double 3px black; padding: 3px; }\r\n"
        "\t\ttd.remarks {font-size: 80%; }\r\n"
        "\t\ttable {border: solid 2px black; border-collapse: collapse; }\r\n";
    // The schedule pages' remembered values.
    static constexpr const char* kRecycledNames[] = {"Horz",  "Vert",  "Pos",    "TextColor",
                                                     "LEdge", "REdge", "Custom", "Height"};

    // Missing values keep their defaults; unset markers are resolved.
    void Load(const ISettingsStore& store, const AppEnvironment& environment);
    // Writes every value (UseGuiFontForPrint only once it has been on,
    // Customized only while it holds one of its codes).
    void Save(ISettingsStore& store) const;

    bool CsvCopyOnSave() const { return customized == kCustomizedOn; }

    // The chart's settings (show switches, bar and line colours, font).
    DisplaySettings display;
    // The calendar's settings: holiday rules, weekend colours, day count
    // mode, holiday and today marks, ruler fonts, the era after Heisei.
    CalendarSettings calendar;
    // How a Tallyframe group's appointments are shown ("TFTime1", "TFTime2",
    // "TFHow", "TFTime").
    GroupDisplaySettings group;

    bool fitX = true;
    bool fitY = true;
    bool selectModeOneTime = true;
    bool memoModeOneTime = true;
    bool showColumns = true;
    bool printComDlg = false;
    bool indentDef = false;
    bool graphShown = true;
    bool saveHistory = false;
    bool useGuiFontForPrint = false;
    int tabMode = 2;
    std::uint32_t paletteBackColor = 0x00CCFF;
    std::uint32_t palettePenColor = 0x000000;
    int paletteType = 3;
    int palettePen = 0;
    int columnLeft = 240;
    int canvasLeft = 300;
    int defRowHeight = 40;
    int todayOffset = 2;
    int defProgressRate = 0;
    int slideLinked = 3;
    std::int32_t customized = 0;
    std::string userName;
    std::string defFile;
    std::string defStyleFile;
    // The style sheet of the HTML list; "default" stands for the built-in one.
    std::string htmlCss = kHtmlCssDefault;
    int wndTop = 0;
    int wndLeft = 0;
    int wndBottom = 0;
    int wndRight = 0;
    // "Horz", "Vert", "Pos", "TextColor", "LEdge", "REdge", "Custom", "Height";
    // only the values ever stored.
    std::map<std::string, std::int32_t> recycledSchedule;

private:
    // The master holiday path the unset marker stood for at load; saved as
    // the marker again so that a moved program still finds its own file.
    std::string defaultMasterHoliday_;
};

}  // namespace qb
