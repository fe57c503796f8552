#pragma once

namespace qb {

// What the chart tells the user when it refuses a gesture or asks about one.
struct ChartMessages {
    static constexpr const char* kNoRowHere =
        "どの段にも含まれない場所ではこの操作はできません。\n"
        "(スケジュールが段からはみ出ることはできません)";
    static constexpr const char* kHiddenInSelection =
        "非表示のオブジェクトが含まれているため、ドラッグできません。\r\n"
        "「全て選択(Ctrl+A)」で選択した場合には、折りたたまれたりフィルタなどによって非表示になって"
        "いる段のスケジュールも選択されています。この場合、ドラッグ操作はできません。「全て選択」し"
        "た"
        "後にスケジュールを動かすときには、[編集]→[日付/"
        "日数を指定して左右にずらす]コマンドを利用して"
        "下さい。";
    static constexpr const char* kOntoSummaryRow =
        "サマリー表示されている段の上にオブジェクトをドラッグすることはできません。";
    static constexpr const char* kOutsideDisplayPeriod =
        "プロジェクトに設定された表示期間の外側へドラッグされます。よろしいですか？\r\n"
        "表示期間外のオブジェクトもデータ上は存在し続けますので、表示期間を変更すれば見えるように"
        "なります。";
    static constexpr const char* kRowDeleted =
        "他のプロセスにより、操作対象の段が削除されていたため、処理を中止しました。";
    static constexpr const char* kNoLine =
        "パレットダイアログバーで「線なし」が選択されている場合、リンクを作成することができません"
        "。";
    static constexpr const char* kClickLinkTarget =
        "リンクするスケジュールをクリックして下さい。"
        "(キャンセルをクリックすると、リンクの作成を中止します)";
};

}  // namespace qb
