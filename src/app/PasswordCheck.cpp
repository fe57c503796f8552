#include "PasswordCheck.h"

#include "AppMessages.h"
#include "CProject.h"
#include "PasswordDigest.h"

namespace qb {
namespace {

const char* Explanation(bool view, bool edit) {
    if (view && edit)
        return "このファイルには参照制限パスワードと編集制限パスワードが設定されています。\n"
               "編集制限パスワードを入力すると編集でき、参照制限パスワードを入力すると参照のみ"
               "できます。";
    if (view)
        return "このファイルには参照制限パスワードが設定されています。\n"
               "開くにはパスワードを入力して下さい。";
    return "このファイルには編集制限パスワードが設定されています。\n"
           "編集するにはパスワードを入力して下さい。キャンセルすると読み取り専用で開きます。";
}

}  // namespace

bool PasswordCheck::IsProtected(const CProject& project) {
    return !project.GetViewPassword().empty() || !project.GetEditPassword().empty();
}

PasswordCheck::Result PasswordCheck::Ask(const CProject& project, IPrompt& prompt) {
    const std::string& view = project.GetViewPassword();
    const std::string& edit = project.GetEditPassword();
    const TextRequest request{"パスワード", Explanation(!view.empty(), !edit.empty()), true};
    for (;;) {
        const std::optional<std::string> typed = prompt.AskText(request);
        if (!typed)
            return view.empty() ? Result::kReadOnly : Result::kRefused;
        const std::string digest = PasswordDigest::Of(*typed);
        if (!edit.empty() && digest == edit)
            return Result::kEdit;
        if (!view.empty() && digest == view)
            return edit.empty() ? Result::kEdit : Result::kReadOnly;
        const AppMessage& wrong =
            !view.empty() && !edit.empty() ? messages::kPasswordNeither : messages::kPasswordWrong;
        prompt.Show(wrong.Plain());
    }
}

}  // namespace qb
