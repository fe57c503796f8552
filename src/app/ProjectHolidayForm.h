#pragma once

#include "AppMessage.h"
#include "HolidayRuleList.h"

namespace qb {

class Document;
class EditSession;

// "プロジェクト休日情報の編集": the open project's own holiday rules,
// edited as a copy and applied as one change that undo takes back whole.
class ProjectHolidayForm {
public:
    static constexpr AppMessage kApplyQuestion{0,
                                               "編集した休日情報をプロジェクトに反映してよろしいで"
                                               "すか。（いいえをクリックすると、変更内容を"
                                               "破棄します）",
                                               PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
    static constexpr const char* kTitle = "プロジェクト休日情報の編集";

    // Starts on a copy of the open project's rules.
    ProjectHolidayForm(Document& document, EditSession& edit, IPrompt& prompt);

    HolidayRuleList& List() { return list_; }
    const HolidayRuleList& List() const { return list_; }

    // Puts the list in the project's place; false when the change could not
    // be made (the file could not be taken, the save failed), which the
    // user has been told, and the list stays as edited.
    bool Apply();
    // With changes asks: Yes applies, No discards, Cancel stays. True when
    // the editor may close.
    bool Close();

private:
    Document& document_;
    EditSession& edit_;
    IPrompt& prompt_;
    HolidayRuleList list_;
};

}  // namespace qb
