#include "ToolBars.h"

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>
#include <optional>
#include <string>

#include "CommandIds.h"
#include "ISettingsStore.h"
#include "MenuBuilder.h"
#include "PaletteBar.h"

namespace qb {

// One button: its command, the short text it shows when no icon fits, the
// icon theme's name and Qt's own icon to fall back on, and whether it stays
// pressed while its setting is on. Id 0 is a separator.
struct ToolButton {
    int id;
    const char* text;
    const char* themeIcon;
    int standardPixmap;
    bool toggle;
};

namespace {

// The bars' version of the window state; a layout saved with another one
// is not restored.
constexpr int kLayoutVersion = 1;
constexpr int kNoPixmap = -1;

constexpr ToolButton kCommandButtons[] = {
    {cmd::kNew, "新規作成", "document-new", QStyle::SP_FileIcon, false},
    {cmd::kOpen, "開く", "document-open", QStyle::SP_DialogOpenButton, false},
    {cmd::kSave, "上書き保存", "document-save", QStyle::SP_DialogSaveButton, false},
    {0, "", "", kNoPixmap, false},
    {cmd::kCut, "切り取り", "edit-cut", kNoPixmap, false},
    {cmd::kCopy, "コピー", "edit-copy", kNoPixmap, false},
    {cmd::kPaste, "貼り付け", "edit-paste", kNoPixmap, false},
    {0, "", "", kNoPixmap, false},
    {cmd::kUndo, "元に戻す", "edit-undo", QStyle::SP_ArrowBack, false},
    {cmd::kRedo, "やり直し", "edit-redo", QStyle::SP_ArrowForward, false},
    {0, "", "", kNoPixmap, false},
    {cmd::kPrintPreview, "印刷プレビュー", "document-print-preview", kNoPixmap, false},
    {cmd::kPrint, "印刷", "document-print", kNoPixmap, false},
    {0, "", "", kNoPixmap, false},
    {cmd::kFind, "検索", "edit-find", kNoPixmap, false},
    {cmd::kProperties, "プロパティ", "document-properties", kNoPixmap, false},
};

constexpr ToolButton kViewButtons[] = {
    {cmd::kPaintHoliday, "休日色", "", kNoPixmap, true},
    {cmd::kPaintToday, "今日色", "", kNoPixmap, true},
    {cmd::kShowTotal, "集計", "", kNoPixmap, true},
    {cmd::kSummary, "サマリー", "", kNoPixmap, true},
    {cmd::kShowSpan, "日付", "", kNoPixmap, true},
    {cmd::kShowTerm, "日数", "", kNoPixmap, true},
    {cmd::kShowActual, "実績", "", kNoPixmap, true},
    {cmd::kPaintProgress, "進捗", "", kNoPixmap, true},
    {cmd::kShowColumns, "列", "", kNoPixmap, true},
    {cmd::kGraphShown, "負荷グラフ", "", kNoPixmap, true},
    {cmd::kLightningLine, "イナズマ線", "", kNoPixmap, true},
    {0, "", "", kNoPixmap, false},
    {cmd::kViewProject, "情報", "", kNoPixmap, false},
    {cmd::kViewDay, "日", "", kNoPixmap, false},
    {cmd::kViewMonth, "月", "", kNoPixmap, false},
    {cmd::kViewYear, "年", "", kNoPixmap, false},
    {0, "", "", kNoPixmap, false},
    {cmd::kYearBack, "1年戻る", "", QStyle::SP_MediaSkipBackward, false},
    {cmd::kMonthBack, "1ヶ月戻る", "", QStyle::SP_MediaSeekBackward, false},
    {cmd::kToday, "今日", "", kNoPixmap, false},
    {cmd::kMonthForward, "1ヶ月進める", "", QStyle::SP_MediaSeekForward, false},
    {cmd::kYearForward, "1年進める", "", QStyle::SP_MediaSkipForward, false},
    {cmd::kLeftmost, "最左", "", kNoPixmap, false},
    {cmd::kRightmost, "最右", "", kNoPixmap, false},
};

QIcon IconOf(const ToolButton& button) {
    const QIcon fallback = button.standardPixmap == kNoPixmap
                               ? QIcon()
                               : QApplication::style()->standardIcon(
                                     static_cast<QStyle::StandardPixmap>(button.standardPixmap));
    if (*button.themeIcon == '\0')
        return fallback;
    return QIcon::fromTheme(QString::fromUtf8(button.themeIcon), fallback);
}

}  // namespace

ToolBars::ToolBars(QMainWindow& window, MenuBuilder& menus, Palette& palette)
    : QObject(&window), window_(window), menus_(menus) {
    commandBar_ = AddBar("標準", "CommandBar", kCommandButtons);
    // Each bar on a row of its own: side by side the view bar's end is cut off.
    window_.addToolBarBreak();
    viewBar_ = AddBar("表示設定", "ViewSettingsBar", kViewButtons);
    window_.addToolBarBreak();
    paletteBar_ = new PaletteBar(palette, &window_);
    if (QAction* editor = menus_.Action(cmd::kStyleEditor)) {
        paletteBar_->addSeparator();
        editor->setIconText(QStringLiteral("よく使う形状..."));
        paletteBar_->addAction(editor);
    }
    window_.addToolBar(paletteBar_);
    connect(paletteBar_, &QToolBar::visibilityChanged, &menus_, &MenuBuilder::UpdateAll);
}

// A button without an icon shows its short text instead.
QToolBar* ToolBars::AddBar(const char* title, const char* objectName,
                           std::span<const ToolButton> buttons) {
    QToolBar* bar = window_.addToolBar(QString::fromUtf8(title));
    bar->setObjectName(QString::fromLatin1(objectName));
    for (const ToolButton& button : buttons) {
        QAction* action = button.id == 0 ? nullptr : menus_.Action(button.id);
        if (action == nullptr) {
            bar->addSeparator();
            continue;
        }
        action->setIconText(QString::fromUtf8(button.text));
        action->setIcon(IconOf(button));
        if (button.toggle)
            action->setCheckable(true);
        bar->addAction(action);
    }
    // A bar closed from the window's own bar menu changes the check marks.
    connect(bar, &QToolBar::visibilityChanged, &menus_, &MenuBuilder::UpdateAll);
    return bar;
}

QToolBar* ToolBars::Bar(int id) const {
    switch (id) {
        case cmd::kToolBar:
            return commandBar_;
        case cmd::kViewBar:
            return viewBar_;
        case cmd::kPaletteBar:
            return paletteBar_;
        default:
            return nullptr;
    }
}

bool ToolBars::IsShown(int id) const {
    const QToolBar* bar = Bar(id);
    return bar != nullptr && !bar->isHidden();
}

void ToolBars::Show(int id, bool show) {
    if (QToolBar* bar = Bar(id))
        bar->setVisible(show);
}

void ToolBars::SaveLayout(ISettingsStore& store) const {
    const QByteArray state = window_.saveState(kLayoutVersion).toBase64();
    store.WriteString(kSection, kStateName, state.toStdString());
}

void ToolBars::RestoreLayout(const ISettingsStore& store) {
    const std::optional<std::string> stored = store.ReadString(kSection, kStateName);
    if (!stored)
        return;
    window_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(*stored)),
                         kLayoutVersion);
}

}  // namespace qb
