#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "AppMessage.h"
#include "FindEntry.h"
#include "FindOptions.h"
#include "IDocumentObserver.h"

namespace qb {

class CStatus;

// What the find window holds between its buttons: the options, the list
// of the last search and whether that list belongs to the project open now.
// The window only shows it and forwards the buttons and double-clicks.
class FindSession : public IDocumentObserver {
public:
    static constexpr AppMessage kOtherProject{
        173, "この検索結果は、現在開かれているデータのものではないため、ジャンプできません。",
        PromptIcon::kWarning, PromptButtons::kOk};
    // The note under the list.
    static constexpr const char* kHiddenNote =
        "表示状態：段が折りたたまれていたりフィルタされていりサマリ表示の場合、オブジェクトは画面"
        "に表示されません。ダブルクリックしても、可視状態にはなりません。";
    static constexpr const char* kReplacedFormat = "%d 個のオブジェクトを置換しました。";
    static constexpr AppMessage kNothingReplaced{0, "置換する文字列は見つかりませんでした。",
                                                 PromptIcon::kInformation, PromptButtons::kOk};

    explicit FindSession(CStatus& status);
    ~FindSession() override;
    FindSession(const FindSession&) = delete;
    FindSession& operator=(const FindSession&) = delete;

    FindOptions& Options() { return options_; }
    const FindOptions& Options() const { return options_; }
    // What was typed last, for the window to open with.
    std::string& LastText() { return lastText_; }
    std::string& LastReplacement() { return lastReplacement_; }

    // "検索開始": the list filled again from the chart of the open project.
    void Search(const std::string& text);
    const std::vector<FindEntry>& Results() const { return results_; }
    // The list was filled for the project open now.
    bool IsCurrent() const { return current_; }

    // Double-click on an entry: selects the object alone and scrolls the
    // chart to it when the chart shows it. Message 173 when the list
    // belongs to another project. True when the chart moved to the object.
    bool Jump(std::size_t index);

    // "一括置換": the search string replaced in every text the options
    // choose, as one step to undo, and the list filled again. True when
    // the change was made (even when it changed nothing).
    bool ReplaceAll(const std::string& text, const std::string& replacement);

    // The find command needs an open project; replace also one that is
    // neither shared nor read-only.
    static bool CanFind(const CStatus& status);
    static bool CanReplace(const CStatus& status);

    void DocumentReplaced() override;
    void ContentChanged() override {}
    void FlagsChanged() override {}

private:
    CStatus& status_;
    FindOptions options_;
    std::string lastText_;
    std::string lastReplacement_;
    std::vector<FindEntry> results_;
    bool current_ = false;
};

}  // namespace qb
