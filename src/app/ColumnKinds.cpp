#include "ColumnKinds.h"

#include <array>

namespace qb {

const std::string& ColumnKinds::Name(int kind) {
    static const std::array<std::string, kCount> kNames = {
        "テキスト（自由入力）",     "スケジュールの開始日",     "スケジュールの終了日",
        "スケジュールの実績開始日", "スケジュールの実績終了日", "スケジュールのキャプション",
        "スケジュールの進捗率",     "スケジュールの備考",       "最も早い開始日",
        "最も遅い終了日",           "集計日数（2番目）",        "集計日数（3番目）",
    };
    static const std::string kNone;
    if (kind < 0 || kind >= kCount)
        return kNone;
    return kNames[static_cast<std::size_t>(kind)];
}

}  // namespace qb
