#pragma once

#include "AppMessage.h"
#include "CommandState.h"

namespace qb {

class CStatus;

// View/List in the browser (F8, 40350): the chart's table written to a temporary HTML file and
// opened in the browser.
class BrowserListCommand {
public:
    // Above this many schedules the browser takes long over the table: ask first.
    static constexpr int kManySchedules = 3000;
    // The remembered answer of that question, in the don't-ask-again section.
    static constexpr const char* kManyKey = "ViewList3000";
    static constexpr const char* kFileName = "__Temporary_Output.html";
    static constexpr AppMessage kManyQuestion{
        0,
        "%d個のスケジュールが存在します。\r\nデータの数が多い場合、ブラウザの<table>タグ処理の負荷"
        "が大きくなるため、\r\n表示されるまでに時間がかかります。よろしいですか？",
        PromptIcon::kQuestion, PromptButtons::kYesNo};
    static constexpr AppMessage kFolderFailed{0, "フォルダの作成に失敗しました。%s",
                                              PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kWriteFailed{0, "一覧表のファイルを書き込めませんでした。\r\n%s",
                                             PromptIcon::kWarning, PromptButtons::kOk};
    static constexpr AppMessage kOpenFailed{
        0, "一覧表をブラウザで開けませんでした。ファイルは次の場所にあります。\r\n%s",
        PromptIcon::kWarning, PromptButtons::kOk};

    explicit BrowserListCommand(CStatus& status);

    CommandState State() const;
    bool Execute();

private:
    // False when the user declines a list of many schedules.
    bool MayShow(int schedules);

    CStatus& status_;
};

}  // namespace qb
