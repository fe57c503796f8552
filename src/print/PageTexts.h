#pragma once

#include <string>

#include "COleDateTime.h"

namespace qb {

// The texts of the page furniture that depend on the page or the clock.
class PageTexts {
public:
    // Page-number formats 1..7; 0 (and anything out of range) prints none.
    static constexpr int kFormatCount = 8;
    // Output-date choices.
    static constexpr int kNoDate = 0;
    static constexpr int kDate = 1;
    static constexpr int kDateTime = 2;
    // Where the preview shows the output date, which is only known at print time.
    static constexpr const char* kDatePlaceholder = "《ここに出力日時が印刷されます》";

    // page counts from 1; count is the number of pages of the layout.
    static std::string PageNumber(int format, int page, int count);
    // What the settings dialog lists: "(なし)" for format 0, then each format
    // applied to page 2 of 5.
    static std::string FormatSample(int format);
    // Empty for kNoDate or a clock that did not answer.
    static std::string OutputDate(int choice, const COleDateTime& now);
};

}  // namespace qb
