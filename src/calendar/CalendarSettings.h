#pragma once

#include <string>

#include "COleDateTime.h"
#include "ColorRef.h"

namespace qb {

class ISettingsStore;

// The user settings that holiday marks, day counts and the ruler read, with
// their defaults; the chart reads its weekend colours, day count mode and
// holiday and today marks from here too. Colours are 0x00BBGGRR, so Saturday's default 0xFF0000 is
// blue and Sunday's 0x0000FF is red.
class CalendarSettings {
public:
    // The one-character value of "MasterHoliday" that stands for the
    // "Holidays.xml" shipped beside the program.
    static constexpr const char* kMasterHolidayUnset = "`";
    static constexpr const char* kSection = "Property";

    // Missing values keep the defaults below.
    void Load(const ISettingsStore& store);
    // Heisei3Date is written as "" while it is unset.
    void Save(ISettingsStore& store) const;

    bool HasHeisei3Date() const { return heisei3Date != COleDateTime(); }

    bool holidayOrder = false;
    bool saturdayNH = false;
    std::string masterHoliday = kMasterHolidayUnset;
    ColorRef saturday = 0xFF0000;
    ColorRef saturdayB = 0xFFC0C0;
    ColorRef sunday = 0x0000FF;
    ColorRef sundayB = 0xC0C0FF;
    int totalMode = 0;

    int rulerFontSize1 = 12;
    int rulerFontSize2 = 12;
    bool paintHoliday = true;
    bool paintToday = true;
    // "Heisei3" as stored ("name,abbreviation"), and split at the first ','.
    std::string heisei3;
    std::string heisei3Name;
    std::string heisei3Abbreviation;
    // The zero date while the stored text is not a valid compact date.
    COleDateTime heisei3Date;
};

}  // namespace qb
