#pragma once

namespace qb {

// The texts the XML document files report through their error slot.
struct XmlMessages {
    static constexpr const char* kSizeUnknown = "ファイルサイズが不明なので読み込めませんでした。";
    static constexpr const char* kNotWellFormed =
        "変換に失敗しました。ファイル形式が正しくありません。";
    static constexpr const char* kSignAreasNotWellFormed = "読み込みに失敗しました。";
    static constexpr const char* kNoRoot = "ルート要素が空でした。";
    static constexpr const char* kWrongRoot = "ルート要素が見つかりませんでした。";
    static constexpr const char* kNoSignArea = "要素が一つも見つかりませんでした。";
    static constexpr const char* kBuildFailed = "DOMへの変換に失敗しました。";
};

}  // namespace qb
