#pragma once

#include <memory>
#include <string>

#include "AppMessage.h"
#include "CHolidayArray.h"

namespace qb {

class CHoliday;
class IPrompt;

// The rules a holiday editor shows and changes, in definition order, with
// the texts of the list's three columns. The editors own one each; it works
// on copies, so nothing reaches a file or the project before they say so.
// An index outside the list throws std::out_of_range.
class HolidayRuleList {
public:
    struct Row {
        std::string name;
        std::string rule;
        std::string period;
    };

    static constexpr AppMessage kDeleteQuestion{0, "休日ルール「%s」を削除してよろしいですか？",
                                                PromptIcon::kQuestion, PromptButtons::kYesNo};
    static constexpr AppMessage kSortQuestion{
        0,
        "この操作は、休日ルールを種別・日付順に並び替えますが、「休日ルールを定義順に適用」（ver "
        "2.2."
        "0より新設）の設定にしている場合には、休日表示にも影響を場合があります。並び替えを行って"
        "よろしいですか？",
        PromptIcon::kQuestion, PromptButtons::kOkCancel};

    explicit HolidayRuleList(IPrompt& prompt);

    // Copies of the live rules of source; the list is unmodified after it.
    void Assign(const CHolidayArray& source);
    const CHolidayArray& Rules() const { return rules_; }
    int Count() const { return rules_.GetCount(); }
    const CHoliday& Rule(int index) const;
    Row RowText(int index) const;
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Why the values cannot be a rule (a date that does not exist, a period
    // that ends before it starts), or empty when they can.
    static std::string Problem(const CHoliday& values);

    // Each refuses bad values with a message and changes nothing then.
    // Add returns the new rule's index, or -1.
    int Add(const CHoliday& values);
    bool Change(int index, const CHoliday& values);
    // Asks first; false when the user says no.
    bool Delete(int index);
    // The rule's new index (unchanged at either end).
    int MoveUp(int index);
    int MoveDown(int index);
    // Asks first, then orders the rules by kind and date.
    bool Sort();

private:
    void CheckIndex(int index) const;
    bool Accepts(const std::string& problem);

    IPrompt& prompt_;
    CHolidayArray rules_;
    bool modified_ = false;
};

}  // namespace qb
