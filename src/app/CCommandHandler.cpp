#include "CCommandHandler.h"

#include <iterator>

#include "AppMessages.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "EditSession.h"
#include "IDocumentView.h"
#include "RecentFiles.h"
#include "ToolCommands.h"

namespace qb {
namespace {

constexpr const char* kFile = "ファイル(&F)";
constexpr const char* kEdit = "編集(&E)";
constexpr const char* kSnap = "編集(&E)/グリッドスナップ(&G)";
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
constexpr CommandInfo kMenu[] = {
    {cmd::kNew, kFile, "新規作成(&N)", "Ctrl+N"},
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
    {cmd::kInsertRowBelow, kInsertRow, "ひとつ下に段を挿入(&A)...", "F11"},
    {cmd::kInsertChildRow, kInsertRow, "下の階層に段を作成(&C)...", "F12"},
    {cmd::kInsertRowsText, kInsertRow, "段の一括挿入(&M)...", ""},
    {cmd::kInsertColumn, kInsert, "列(&C)...", ""},
    {cmd::kInsertSchedule, kInsert, "スケジュール(&S)...", ""},
    {cmd::kInsertLink, kInsert, "リンク(&L)", ""},
    {cmd::kMemoMode, kInsert, "メモ入力モード(&M)", "Ctrl+M"},

    {cmd::kPaintHoliday, kShow, "土曜・休日の背景を塗る(&H)", ""},
    {cmd::kPaintToday, kShow, "今日の背景を塗る(&T)", ""},
    {cmd::kShowTotal, kShow, "集計日数を表示(&C)", ""},
    {cmd::kSummary, kShow, "サマリー表示(&U)", ""},
    {cmd::kShowSpan, kShow, "スケジュールの肩に日付を表示(&D)", ""},
    {cmd::kShowTerm, kShow, "スケジュールの日数を表示(&N)", ""},
    {cmd::kShowActual, kShow, "実績を表示(&A)", ""},
    {cmd::kPaintProgress, kShow, "進捗率まで背景を塗る(&P)", ""},
    {cmd::kShowColumns, kShow, "列を表示(&L)", ""},
    {cmd::kGraphShown, kShow, "負荷グラフを表示(&G)", ""},
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
    {cmd::kShowBefore, kReshow, "選択した段の前(&B)", ""},
    {cmd::kShowAfter, kReshow, "選択した段の後(&A)", ""},
    {cmd::kShowBelow, kReshow, "選択した段の下の階層(&L)", ""},
    {cmd::kShowAllRows, kReshow, "全ての段(&R)", ""},
    {cmd::kShowAllColumns, kReshow, "全ての列(&C)", ""},
    {cmd::kFoldAll, kFold, "全て折りたたむ(&C)", ""},
    {cmd::kUnfoldAll, kFold, "全て展開する(&E)", ""},
    {cmd::kFoldBelow, kFold, "選択した段の下を折りたたむ(&B)", ""},
    {0, kView, "", ""},
    {cmd::kBrowserList, kView, "一覧表をブラウザで表示(&W)", "F8"},
    {cmd::kScrollRange, kView, "スクロール範囲の再設定(&S)...", ""},
    {cmd::kOpenRelated, kView, "関連情報(URLまたはファイル)を開く(&O)", "F9"},
    {cmd::kRefresh, kView, "最新の情報に更新(&U)", "F5"},

    {cmd::kFilterColumn, kFilter, "列の値で絞り込む(&C)...", ""},
    {cmd::kFilterRow, kFilter, "段の名前で絞り込む(&R)...", ""},
    {cmd::kFilter3, kFilter, "選択した列の値で絞り込む(&V)", ""},
    {cmd::kFilter4, kFilter, "選択した段で絞り込む(&S)", ""},
    {cmd::kFilterClear, kFilter, "絞り込みを解除(&X)", ""},
    {cmd::kPeriodDelete, kTools, "期間を指定して削除/切り出し(&S)...", ""},
    {0, kTools, "", ""},
    {cmd::kHolidayEditor, kTools, "休日ファイルエディタ(&H)...", ""},
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

constexpr int kViewModeIds[] = {cmd::kViewProject, cmd::kViewDay, cmd::kViewMonth, cmd::kViewYear};

// Commands that need no open document.
bool WorksWithoutDocument(int id) {
    switch (id) {
        case cmd::kNew:
        case cmd::kOpen:
        case cmd::kOpenTemplate:
        case cmd::kProjectSetCreate:
        case cmd::kProjectSetOpen:
        case cmd::kExit:
        case cmd::kViewProject:
        case cmd::kViewDay:
        case cmd::kViewMonth:
        case cmd::kViewYear:
        case cmd::kViewCycle:
        case cmd::kAssociate:
        case cmd::kCleanupViewStatus:
        case cmd::kManual:
        case cmd::kHomePage:
        case cmd::kAbout:
            return true;
        default:
            return false;
    }
}

int ViewModeOf(int id) {
    for (int mode = 0; mode < 4; ++mode) {
        if (kViewModeIds[mode] == id)
            return mode;
    }
    return -1;
}

}  // namespace

CCommandHandler::CCommandHandler(CStatus& status)
    : status_(status),
      documents_(std::make_unique<DocumentCommands>(status.Doc(), status.Services(), status.Undo(),
                                                    status.Edit(), status.Views())),
      tools_(std::make_unique<ToolCommands>(status.Services())) {}

CCommandHandler::~CCommandHandler() = default;

std::span<const CommandInfo> CCommandHandler::MenuTable() {
    return {std::begin(kMenu), std::end(kMenu)};
}

bool CCommandHandler::IsKnown(int id) {
    if (IsRecentFile(id))
        return true;
    for (const CommandInfo& info : kMenu) {
        if (info.id == id && id != 0)
            return true;
    }
    return false;
}

bool CCommandHandler::IsRecentFile(int id) {
    return id >= RecentFiles::kFirstCommand &&
           id < RecentFiles::kFirstCommand + RecentFiles::kMaxEntries;
}

CommandState CCommandHandler::State(int id) const {
    if (!IsKnown(id))
        return {};
    if (IsRecentFile(id)) {
        const auto index = static_cast<std::size_t>(id - RecentFiles::kFirstCommand);
        return {index < status_.Services().Recent().Entries().size(), false, {}};
    }
    if (const int mode = ViewModeOf(id); mode >= 0)
        return {true, status_.GetViewMode() == mode, {}};
    if (id == cmd::kFileMode)
        return FileModeState();
    if (!WorksWithoutDocument(id) && !status_.HasDocument())
        return {};
    if (IsDisplayToggle(id))
        return ToggleState(id);
    return {IsAvailable(id), false, {}};
}

bool CCommandHandler::IsAvailable(int id) const {
    if (WorksWithoutDocument(id))
        return true;
    switch (id) {
        case cmd::kClose:
        case cmd::kSaveAs:
        case cmd::kRefresh:
            return true;
        case cmd::kSave:
            return !status_.Doc().IsReadOnly() && !status_.IsShared();
        case cmd::kProjectSetChange:
            return status_.Doc().IsProjectSet();
        case cmd::kUndo:
            return CanUndoOrRedo() && status_.Undo().CanUndo();
        case cmd::kRedo:
            return CanUndoOrRedo() && status_.Undo().CanRedo();
        default:
            // Routed here, but their work is not part of the program yet.
            return false;
    }
}

bool CCommandHandler::CanUndoOrRedo() const {
    return status_.HasDocument() && !status_.Doc().IsReadOnly() && !status_.IsShared() &&
           status_.GetViewMode() != CStatus::kProjectPage;
}

CommandState CCommandHandler::FileModeState() const {
    if (!status_.HasDocument() || status_.Doc().IsReadOnly())
        return {false, false, "ファイルモードの変更(&G)"};
    if (status_.IsShared())
        return {true, false, "シングルモードに変更(&G)"};
    return {true, false, "共有モードに変更(&G)"};
}

CommandState CCommandHandler::ToggleState(int id) const {
    if (id == cmd::kShowTotal && status_.Doc().ShowsForeignData())
        return {false, false, {}};
    if (id == cmd::kLightningLine)
        return {true, status_.IsShowingLightning(), {}};
    return {true, *DisplayFlag(id), {}};
}

bool CCommandHandler::Execute(int id) {
    if (!State(id).enabled)
        return false;
    if (IsRecentFile(id))
        return documents_->CommandOpenRecent(id - RecentFiles::kFirstCommand);
    if (const int mode = ViewModeOf(id); mode >= 0)
        return SetViewMode(mode);
    if (IsDisplayToggle(id))
        return Toggle(id);
    return ExecuteDocumentCommand(id) || ExecuteOther(id);
}

bool CCommandHandler::ExecuteDocumentCommand(int id) {
    switch (id) {
        case cmd::kNew:
            return documents_->CommandNew();
        case cmd::kOpen:
            return documents_->CommandOpen();
        case cmd::kOpenTemplate:
            return documents_->CommandOpenTemplate();
        case cmd::kClose:
            return documents_->CommandClose();
        case cmd::kSave:
            return documents_->CommandSave();
        case cmd::kSaveAs:
            return documents_->CommandSaveAs();
        case cmd::kProjectSetCreate:
            return documents_->CommandProjectSetCreate();
        case cmd::kProjectSetOpen:
            return documents_->CommandProjectSetOpen();
        case cmd::kProjectSetChange:
            return documents_->CommandProjectSetChange();
        case cmd::kUndo:
            return documents_->Undo();
        case cmd::kRedo:
            return documents_->Redo();
        case cmd::kRefresh:
            documents_->Refresh();
            return true;
        default:
            return false;
    }
}

bool CCommandHandler::ExecuteOther(int id) {
    switch (id) {
        case cmd::kExit:
            status_.View().RequestClose();
            return true;
        case cmd::kFileMode:
            return status_.Edit().SwitchFileMode();
        case cmd::kViewCycle: {
            const int mode = status_.GetViewMode();
            return SetViewMode(mode >= 0 && mode < 3 ? mode + 1 : 0);
        }
        default:
            return tools_->Execute(id);
    }
}

bool CCommandHandler::IsDisplayToggle(int id) const {
    return id == cmd::kLightningLine || DisplayFlag(id) != nullptr;
}

bool* CCommandHandler::DisplayFlag(int id) const {
    AppSettings& settings = status_.Services().Settings();
    switch (id) {
        case cmd::kFitX:
            return &settings.fitX;
        case cmd::kFitY:
            return &settings.fitY;
        case cmd::kPaintHoliday:
            return &settings.calendar.paintHoliday;
        case cmd::kPaintToday:
            return &settings.calendar.paintToday;
        case cmd::kShowTotal:
            return &settings.display.showTotal;
        case cmd::kSummary:
            return &settings.display.summary;
        case cmd::kShowSpan:
            return &settings.display.showSpan;
        case cmd::kShowTerm:
            return &settings.display.showTerm;
        case cmd::kShowActual:
            return &settings.display.showActual;
        case cmd::kPaintProgress:
            return &settings.display.paintProgress;
        case cmd::kShowColumns:
            return &settings.showColumns;
        case cmd::kGraphShown:
            return &settings.graphShown;
        default:
            return nullptr;
    }
}

bool CCommandHandler::Toggle(int id) {
    if (id == cmd::kLightningLine) {
        status_.SetShowLightning(!status_.IsShowingLightning());
    } else {
        bool& flag = *DisplayFlag(id);
        flag = !flag;
        if (id == cmd::kShowColumns && status_.HasDocument())
            status_.GetProject()->SetDisplayColumns(flag);
    }
    // The snaps change no drawing; the menu shows their marks itself.
    if (id != cmd::kFitX && id != cmd::kFitY)
        status_.View().DisplaySettingsChanged();
    return true;
}

// Leaving the project information page hands its typed values to a
// single-mode project, which keeps them for the next save. A shared-mode
// document keeps them on the page: they reach the file with the question
// that protects unsaved changes.
bool CCommandHandler::SetViewMode(int mode) {
    if (status_.GetViewMode() == CStatus::kProjectPage && mode != CStatus::kProjectPage &&
        !status_.IsShared())
        documents_->CommitPageInput();
    status_.SetViewMode(mode);
    status_.Services().Settings().tabMode = mode;
    status_.View().ViewModeChanged(mode);
    return true;
}

}  // namespace qb
