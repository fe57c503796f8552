#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AppMessage.h"
#include "CHolidayArray.h"
#include "HolidayRuleList.h"

namespace qb {

class IPrompt;

// Holiday rules taken from an iCalendar file into a holiday editor: the file
// is read first and its rules shown, and only what the user then accepts
// reaches the editor's list.
class HolidayImport {
public:
    static constexpr AppMessage kNotRead{0, "iCalendar ファイルを読み込めませんでした。\r\n%s",
                                         PromptIcon::kError, PromptButtons::kOk};
    static constexpr AppMessage kNothingToTake{
        0, "このファイルには、休日ルールにできる終日の予定がありません。", PromptIcon::kWarning,
        PromptButtons::kOk};
    static constexpr const char* kFilter = "iCalendar ファイル|*.ics|全てのファイル (*.*)|*.*||";
    static constexpr const char* kTitle = "iCalendar から取り込み";

    explicit HolidayImport(IPrompt& prompt);

    // Asks for a file and reads it; false when the user cancels or Read fails.
    bool ChooseAndRead();
    // False, after telling the user why, when the file cannot be read or
    // holds nothing to take; the rules read before are dropped either way.
    bool Read(const std::string& path);

    int Count() const { return rules_.GetCount(); }
    // The rows the editor's list would show for the rules read.
    std::vector<HolidayRuleList::Row> Preview() const;
    // How many rules there are, and which events were left out.
    std::string Summary() const;
    // Appends the rules read to list; the index of the first, or -1.
    int AddTo(HolidayRuleList& list) const;

private:
    IPrompt& prompt_;
    CHolidayArray rules_;
    int timedEvents_ = 0;
    int unsupportedEvents_ = 0;
};

}  // namespace qb
