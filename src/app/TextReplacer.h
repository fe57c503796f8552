#pragma once

#include <string_view>

#include "AppMessage.h"
#include "EditResult.h"
#include "FindOptions.h"

namespace qb {

class CProject;
class Document;
class EditSession;
class EditStamp;

// "一括置換": rewrites the search string in every text the find window
// would list (schedule captions and remarks, memo texts, as the options
// choose them), as one edit transaction whose undo step is named.
class TextReplacer {
public:
    // The name of the undo step; undoing it asks first.
    static constexpr const char* kUndoName = "「置換」";

    static constexpr AppMessage kEmptySearch{0, "検索する文字列を入力して下さい。",
                                             PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kSharedMode{0, "共有モードでは置換できません。",
                                            PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kReadOnly{0, "読み取り専用のデータは置換できません。",
                                          PromptIcon::kWarning, PromptButtons::kOk};

    // Rewrites the texts of project in place and stamps each object that
    // changed; the number of objects changed.
    static int Apply(CProject& project, std::string_view text, std::string_view replacement,
                     const FindOptions& options, const EditStamp& stamp);

    // The whole change in one transaction; changed gets the number of
    // objects rewritten. Refused for an empty search string and in shared
    // mode; failed (shown already) when the file could not be taken. A
    // replacement that changes nothing leaves no step to undo.
    static EditResult Run(Document& document, EditSession& edit, std::string_view text,
                          std::string_view replacement, const FindOptions& options, int& changed);
};

}  // namespace qb
