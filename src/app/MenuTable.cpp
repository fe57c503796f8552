#include "MenuTable.h"

#include <iterator>

#include "CommandIds.h"
#include "SideEditorCommands.h"

namespace qb {
namespace {

constexpr const char* kFile = "ファイル(&F)";
constexpr const char* kEdit = "編集(&E)";
constexpr const char* kSnap = "編集(&E)/グリッドスナップ(&N)";
constexpr const char* kInsert = "挿入(&I)";
constexpr const char* kInsertRow = "挿入(&I)/段(&R)";
constexpr const char* kView = "表示(&V)";
constexpr const char* kShow = "表示(&V)/表示オン/オフ(&G)";
constexpr const char* kMode = "表示(&V)/表示モード(&T)";
constexpr const char* kRuler = "表示(&V)/ルーラーのプロパティ(&R)";
constexpr const char* kBars = "表示(&V)/ツールバー(&B)";
constexpr const char* kReshow = "表示(&V)/非表示のオブジェクトを再表示(&S)";
constexpr const char* kFold = "表示(&V)/段の展開/折りたたみ(&F)";
constexpr const char* kTools = "ツール(&T)";
constexpr const char* kFilter = "ツール(&T)/フィルタ(&F)";
constexpr const char* kHelp = "ヘルプ(&H)";

// Menu order; id 0 is a separator.
constexpr CommandInfo kItems[] = {
    {cmd::kNew, kFile, "新規作成(&N)", ""},
    {cmd::kOpen, kFile, "開く(&O)...", "Ctrl+O"},
    {cmd::kOpenTemplate, kFile, "テンプレートとして開く(&M)...", ""},
    {cmd::kClose, kFile, "閉じる(&C)", ""},
    {0, kFile, "", ""},
    {cmd::kSave, kFile, "上書き保存(&S)", "Ctrl+S"},
    {cmd::kSaveAs, kFile, "名前を付けて保存(&A)...", ""},
    {0, kFile, "", ""},
    {cmd::kProjectSetCreate, kFile, "プロジェクトセットを作成して開く(&K)...", ""},
    {cmd::kProjectSetOpen, kFile, "プロジェクトセットをファイルから開く(R)...", ""},
    {cmd::kProjectSetChange, kFile, "プロジェクトセットの変更(&H)...", ""},
    {0, kFile, "", ""},
    {cmd::kExport, kFile, "エクスポート(&E)...", ""},
    {cmd::kImport, kFile, "インポート(&I)", ""},
    {0, kFile, "", ""},
    {cmd::kPrintSetup, kFile, "印刷設定(&T)...", ""},
    {cmd::kPrintPreview, kFile, "印刷プレビュー(&V)...", "Ctrl+Shift+P"},
    {cmd::kPrint, kFile, "印刷(&P)...", "Ctrl+P"},
    {0, kFile, "", ""},
    {cmd::kExit, kFile, "終了(&X)", ""},

    {cmd::kUndo, kEdit, "元に戻す(&U)", "Ctrl+Z"},
    {cmd::kRedo, kEdit, "やり直し(&R)", "Ctrl+Y"},
    {0, kEdit, "", ""},
    {cmd::kCut, kEdit, "切り取り(&T)", "Ctrl+X"},
    {cmd::kCopy, kEdit, "コピー(&C)", "Ctrl+C"},
    {cmd::kPaste, kEdit, "貼り付け(&P)", "Ctrl+V"},
    {cmd::kCopyPicture, kEdit, "線表全体を画像としてコピー(&M)...", ""},
    {0, kEdit, "", ""},
    {cmd::kSelectAll, kEdit, "全て選択(&A)", "Ctrl+A"},
    {cmd::kSelectLinked, kEdit, "リンクされたオブジェクトを全て選択(&L)", ""},
    {cmd::kDragSelect, kEdit, "ドラッグ選択モード(&S)", "Ctrl+D"},
    {0, kEdit, "", ""},
    {cmd::kDelete, kEdit, "削除(&D)", "Delete"},
    {cmd::kEditText, kEdit, "テキストの編集(&E)", ""},
    {cmd::kShiftDays, kEdit, "日付/日数を指定して左右にずらす(&L)...", "Ctrl+L"},
    {cmd::kBulkRows, kEdit, "段の一括変更(&W)", ""},
    {cmd::kFitX, kSnap, "X方向を1日区切りの線に合わせる(&X)", ""},
    {cmd::kFitY, kSnap, "Y方向をグリッドまたは段の中央に合わせる(&Y)", ""},
    {cmd::kFileMode, kEdit, "ファイルモードの変更(&G)", ""},
    {0, kEdit, "", ""},
    {cmd::kFind, kEdit, "検索(&F)", "Ctrl+F"},
    {cmd::kFindRow, kEdit, "段の検索(&K)...", "Ctrl+Shift+F"},
    {cmd::kReplace, kEdit, "置換(&H)", "Ctrl+R"},
    {0, kEdit, "", ""},
    {cmd::kProperties, kEdit, "プロパティ(&O)...", "Return"},

    {cmd::kInsertRowAbove, kInsertRow, "ひとつ上に段を挿入(&I)...", ""},
    {cmd::kInsertCopiedRow, kInsertRow, "コピーした段を挿入(&P)", ""},
    {cmd::kInsertRowBelow, kInsertRow, "ひとつ下に段を挿入(&A)...", "F11"},
    {cmd::kInsertChildRow, kInsertRow, "下の階層に段を作成(&C)...", "F12"},
    {cmd::kInsertRowsText, kInsertRow, "段の一括挿入(&M)...", ""},
    {cmd::kInsertColumn, kInsert, "列(&C)...", ""},
    {cmd::kInsertSchedule, kInsert, "スケジュール(&S)...", ""},
    {cmd::kInsertLink, kInsert, "リンク(&L)", ""},
    {cmd::kMemoMode, kInsert, "メモ入力モード(&M)", "Ctrl+M"},

    {cmd::kPaintHoliday, kShow, "土曜・休日の背景を塗る(&H)", ""},
    {cmd::kPaintToday, kShow, "今日の背景色を塗る(&T)", ""},
    {cmd::kShowTotal, kShow, "集計日数を表示(&C)", ""},
    {cmd::kSummary, kShow, "サマリー表示(&S)", ""},
    {cmd::kShowSpan, kShow, "スケジュールの肩に日付を表示(&A)", ""},
    {cmd::kShowTerm, kShow, "スケジュールに日数を表示(&E)", ""},
    {cmd::kShowActual, kShow, "実績を表示(&U)", ""},
    {cmd::kPaintProgress, kShow, "進捗率の位置まで背景を塗る(&P)", ""},
    {cmd::kShowColumns, kShow, "列を表示(&L)", ""},
    {cmd::kGraphShown, kShow, "負荷グラフの表示(&G)", "Ctrl+G"},
    {cmd::kLightningLine, kShow, "イナズマ線の表示(&I)", ""},
    {cmd::kViewProject, kMode, "プロジェクト情報(&G)", ""},
    {cmd::kViewDay, kMode, "日単位(&D)", ""},
    {cmd::kViewMonth, kMode, "月単位(&M)", ""},
    {cmd::kViewYear, kMode, "年単位(&Y)", ""},
    {0, kMode, "", ""},
    {cmd::kViewCycle, kMode, "切り替え(&S)", "Ctrl+Tab"},
    {cmd::kRulerUpper, kRuler, "ルーラーの上段(&U)...", ""},
    {cmd::kRulerLower, kRuler, "ルーラーの下段(&D)...", ""},
    {cmd::kToolBar, kBars, "標準(&S)", ""},
    {cmd::kViewBar, kBars, "表示設定(&V)", ""},
    {cmd::kPaletteBar, kBars, "パレット(&P)", ""},
    {cmd::kLightningSettings, kView, "イナズマ線の設定(&I)", "Ctrl+I"},
    {0, kView, "", ""},
    {cmd::kYearBack, kView, "1年戻る(&P)", ""},
    {cmd::kMonthBack, kView, "1ヶ月戻る(&E)", ""},
    {cmd::kToday, kView, "今日へジャンプ(&O)", "F7"},
    {cmd::kMonthForward, kView, "1ヶ月進める(&X)", ""},
    {cmd::kYearForward, kView, "1年進める(N)", ""},
    {cmd::kLeftmost, kView, "最も左のスケジュール位置へジャンプ(&L)", ""},
    {cmd::kRightmost, kView, "最も右のスケジュール位置へジャンプ(&M)", ""},
    {0, kView, "", ""},
    {cmd::kHide, kView, "非表示(&H)", ""},
    {cmd::kShowBefore, kReshow, "この上の段を再表示(&U)", ""},
    {cmd::kShowAfter, kReshow, "この下の段を再表示(&D)", ""},
    {cmd::kShowBelow, kReshow, "この下の階層を再表示(&S)", ""},
    {cmd::kShowAllRows, kReshow, "全ての段を再表示(&A)", ""},
    {cmd::kShowLeftColumn, kReshow, "左側を再表示(&L)", ""},
    {cmd::kShowRightColumn, kReshow, "右側を再表示(&R)", ""},
    {cmd::kShowAllColumns, kReshow, "全ての列を再表示(&A)", ""},
    {cmd::kFoldAll, kFold, "全て折りたたむ(&C)", ""},
    {cmd::kUnfoldAll, kFold, "全て展開する(&E)", ""},
    {cmd::kFoldBelow, kFold, "この下の階層を折りたたむ(&-)", ""},
    {0, kView, "", ""},
    {cmd::kBrowserList, kView, "一覧表をブラウザで表示(&W)", "F8"},
    {cmd::kScrollRange, kView, "スクロール範囲の再設定(&S)...", ""},
    {cmd::kOpenRelated, kView, "関連情報(URLまたはファイル)を開く(&O)", "F9"},
    {cmd::kRefresh, kView, "最新の情報に更新(&U)", "F5"},

    {cmd::kFilterColumn, kFilter, "この列でフィルタリング(&F)...", ""},
    {cmd::kFilterColumnClear, kFilter, "この列のフィルタを解除(&U)", ""},
    {cmd::kFilterRow, kFilter, "段のテキストでフィルタリング(&R)...", "F6"},
    {cmd::kFilterRowClear, kFilter, "段のテキストのフィルタを解除(&S)", ""},
    {cmd::kFilterClear, kFilter, "全てのフィルタを解除(&A)", ""},
    {cmd::kPeriodDelete, kTools, "期間を指定して削除/切り出し(&S)...", ""},
    {0, kTools, "", ""},
    {cmd::kHolidayEditor, kTools, "休日ファイルエディタ(&H)...", ""},
    {SideEditorCommands::kProjectHolidayEditor, kTools, "プロジェクト休日情報の編集(&P)...", ""},
    {cmd::kColourRuleEditor, kTools, "色ルールエディタ(&C)...", ""},
    {cmd::kStyleEditor, kTools, "よく使う形状エディタ(&S)...", ""},
    {cmd::kSignAreaEditor, kTools, "検印欄パターンエディタ(&I)", ""},
    {0, kTools, "", ""},
    {cmd::kAssociate, kTools, "拡張子の関連付け(&A)", ""},
    {cmd::kCleanupViewStatus, kTools, "ファイルごとの設定を整理(&R)", ""},
    {cmd::kGraphSettings, kTools, "負荷グラフの設定(&G)...", ""},
    {cmd::kOptions, kTools, "オプション(&O)...", ""},

    {cmd::kManual, kHelp, "マニュアルを開く(&M)", ""},
    {cmd::kHomePage, kHelp, "Quellbrandiren のホームページへ(&P)", ""},
    {cmd::kAbout, kHelp, "バージョン情報(&A)...", ""},
};

}  // namespace

std::span<const CommandInfo> MenuTable::Items() {
    return {std::begin(kItems), std::end(kItems)};
}

const CommandInfo* MenuTable::Find(int id) {
    if (id == 0)
        return nullptr;
    for (const CommandInfo& info : kItems) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

}  // namespace qb
