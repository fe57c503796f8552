#pragma once

namespace qb {

// The check boxes of the find window: which texts are searched, how they
// are compared, and whether only objects hidden below their row count.
struct FindOptions {
    // "スケジュールのテキスト", "スケジュールの備考", "メモ".
    bool captions = true;
    bool remarks = true;
    bool memos = true;
    // "大文字・小文字を区別しない".
    bool ignoreCase = false;
    // "全角・半角を区別しない".
    bool ignoreWidth = false;
    // "スペースを無視": the space and the ideographic space.
    bool ignoreSpaces = false;
    // "段の高さから、はみ出て見えないものだけ対象": a vertical offset of at
    // least the row's height.
    bool overflowOnly = false;

    bool Folds() const { return ignoreCase || ignoreWidth || ignoreSpaces; }
};

}  // namespace qb
