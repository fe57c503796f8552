#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CColumn.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "ColumnKinds.h"
#include "CommandIds.h"
#include "DisplayTree.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuBuilder.h"
#include "ObjectText.h"
#include "QtDialogs.h"
#include "RowSearch.h"
#include "ScriptedPrompt.h"
#include "dialogs/ChoiceBox.h"
#include "dialogs/ColourButton.h"
#include "dialogs/ColumnDialog.h"
#include "dialogs/FilterDialog.h"
#include "dialogs/FindRowDialog.h"
#include "dialogs/FontButton.h"
#include "dialogs/PenEditor.h"
#include "dialogs/RowChangeDialog.h"
#include "dialogs/RowDialog.h"
#include "dialogs/RowsTextDialog.h"

namespace qb {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// What the chart or header was shown while a dialog was open.
struct PreviewLog {
    IDialogs::ObjectPreview Callback() {
        return [this](const CData* values) {
            entries.push_back(values == nullptr ? "null" : ObjectText::Write(*values));
        };
    }
    std::vector<std::string> entries;
};

std::unique_ptr<CRow> Row() {
    auto row = std::make_unique<CRow>(12);
    row->SetCaption("基礎\r\n工事");
    row->SetHeight(40);
    row->SetWidth(64);
    row->SetParam("_Custom", "kept");
    return row;
}

TEST(RowDialogs, TheRowDialogGivesBackWhatWasTypedAndPreviewsEachChange) {
    const auto row = Row();
    PreviewLog log;
    {
        RowDialog dialog(*row, false, log.Callback());
        EXPECT_EQ(dialog.windowTitle(), Q("段のプロパティ"));
        EXPECT_EQ(ObjectText::Write(*dialog.Values()), ObjectText::Write(*row));
        EXPECT_TRUE(log.entries.empty()) << "an existing row is shown as it is until a change";
        dialog.show();
        dialog.CaptionEdit()->setPlainText(Q("一行目\n二行目"));
        dialog.HeightBox()->setValue(60);
        dialog.WidthBox()->setValue(120);
        dialog.TextColourButton()->SetColour(0x0000FF);
        dialog.BackColourButton()->SetColour(0xEEDDCC);
        dialog.FontBox()->SetFont(CFontInfo("Sans", 18, CFontInfo::kBold));
        dialog.BottomPen()->WidthBox()->setValue(3);
        dialog.RightPen()->StyleBox()->Select(2);
        ASSERT_GE(log.entries.size(), 4u);
        EXPECT_EQ(log.entries.back(), ObjectText::Write(*dialog.Values()));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(log.entries.back(), "null");
        const auto values = dialog.Values();
        EXPECT_EQ(values->GetObjectId(), 12);
        EXPECT_EQ(values->GetCaption(), "一行目\r\n二行目");
        EXPECT_EQ(values->GetHeight(), 60);
        EXPECT_EQ(values->GetWidth(), 120);
        EXPECT_EQ(values->GetTextColor(), 0x0000FFu);
        EXPECT_EQ(values->GetParamInt("_BackColor", 0), 0xEEDDCC);
        EXPECT_EQ(values->GetParam("_Custom"), "kept");
        EXPECT_EQ(values->GetTextFont(), CFontInfo("Sans", 18, CFontInfo::kBold));
        EXPECT_EQ(values->GetBottomLinePen().GetWidth(), 3);
        EXPECT_EQ(values->GetRightLinePen().GetStyle(), 2);
    }
    EXPECT_EQ(log.entries.back(), "null");
}

// A new row is on the chart while its dialog is open; Cancel takes it away,
// and "既定のフォント" clears a font the row had.
TEST(RowDialogs, ANewRowIsPreviewedAtOnceAndCancelEndsThePreview) {
    const auto row = Row();
    row->SetTextFont(CFontInfo("Serif", 20, 0));
    PreviewLog log;
    RowDialog dialog(*row, true, log.Callback());
    ASSERT_EQ(log.entries.size(), 1u);
    dialog.FontBox()->DefaultButton()->click();
    EXPECT_FALSE(dialog.Values()->GetTextFont().IsValid());
    EXPECT_FALSE(dialog.FontBox()->DefaultButton()->isEnabled());
    dialog.reject();
    EXPECT_EQ(log.entries.back(), "null");
    EXPECT_EQ(log.entries.size(), 3u);
}

TEST(RowDialogs, TheColumnDialogRefusesANarrowWidthAndStaysOpen) {
    CColumn column(7);
    column.SetCaption("担当");
    column.SetWidth(80);
    ScriptedPrompt prompt;
    PreviewLog log;
    ColumnDialog dialog(column, false, prompt, log.Callback());
    dialog.show();
    EXPECT_EQ(dialog.KindBox()->count(), ColumnKinds::kCount);
    EXPECT_EQ(dialog.KindBox()->currentText().toStdString(), ColumnKinds::Name(0));
    dialog.WidthBox()->setValue(9);
    EXPECT_TRUE(log.entries.empty()) << "a width OK refuses is not previewed";
    dialog.accept();
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, "幅は 10 以上を入力して下さい。");
    EXPECT_EQ(prompt.Shown()[0].icon, PromptIcon::kWarning);
    EXPECT_TRUE(dialog.isVisible());

    dialog.WidthBox()->setValue(10);
    dialog.KindBox()->Select(9);
    dialog.CaptionEdit()->setPlainText(Q("最終\n終了日"));
    dialog.HeaderColourButton()->SetColour(0x00FF00);
    dialog.DataFontBox()->SetFont(CFontInfo("Sans", 12, CFontInfo::kItalic));
    dialog.BorderPen()->WidthBox()->setValue(2);
    EXPECT_FALSE(log.entries.empty());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.Shown().size(), 1u);
    const auto values = dialog.Values();
    EXPECT_EQ(values->GetWidth(), 10);
    EXPECT_EQ(values->GetParamInt("_Auto", 0), 9);
    EXPECT_EQ(values->GetCaption(), "最終\r\n終了日");
    EXPECT_EQ(values->GetHeaderFontColor(), 0x00FF00u);
    EXPECT_EQ(values->GetDataFont(), CFontInfo("Sans", 12, CFontInfo::kItalic));
    EXPECT_EQ(values->GetRightLineCode().GetWidth(), 2);
    EXPECT_EQ(log.entries.back(), "null");
}

// A column of a kind this program does not know keeps it through OK.
TEST(RowDialogs, TheColumnDialogKeepsAnUnknownKind) {
    CColumn column(7);
    column.SetParamInt("_Auto", 42);
    ScriptedPrompt prompt;
    ColumnDialog dialog(column, true, prompt, nullptr);
    EXPECT_EQ(dialog.Values()->GetParamInt("_Auto", 0), 42);
    CColumn plain(8);
    ColumnDialog other(plain, true, prompt, nullptr);
    EXPECT_FALSE(other.Values()->HasParam("_Auto")) << "no parameter appears for the default";
}

TEST(RowDialogs, TheRowsTextDialogStaysOpenWithItsTextWhileApplyRefuses) {
    std::vector<std::string> applied;
    bool accept = false;
    RowsTextDialog dialog([&](const std::string& text) {
        applied.push_back(text);
        return accept;
    });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), Q("段の一括挿入"));
    dialog.TextEdit()->setPlainText(Q("A\nB\\nC\nD\\\\"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.TextEdit()->toPlainText(), Q("A\nB\\nC\nD\\\\"));
    accept = true;
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[1], "A\nB\\nC\nD\\\\");
}

TEST(RowDialogs, TheBulkChangeTicksWhatTheUserEditsAndNothingTickedIsACancel) {
    RowChanges initial;
    initial.values.height = 30;
    initial.values.bottomLinePen = CPenInfo(0, 1, 0);
    RowChangeDialog untouched(initial);
    untouched.show();
    EXPECT_FALSE(untouched.Changes().Any());
    untouched.accept();
    EXPECT_EQ(untouched.result(), QDialog::Rejected);

    RowChangeDialog dialog(initial);
    EXPECT_EQ(dialog.HeightBox()->value(), 30);
    dialog.HeightBox()->setValue(50);
    dialog.BottomPen()->WidthBox()->setValue(2);
    dialog.ChangeBox(RowChangeDialog::kBackColor)->setChecked(true);
    dialog.BackColourButton()->SetColour(0x123456);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const RowChanges changes = dialog.Changes();
    EXPECT_TRUE(changes.height);
    EXPECT_TRUE(changes.bottomLinePen);
    EXPECT_TRUE(changes.backColor);
    EXPECT_FALSE(changes.width || changes.textColor || changes.textFont || changes.rightLinePen);
    EXPECT_EQ(changes.values.height, 50);
    EXPECT_EQ(changes.values.bottomLinePen.GetWidth(), 2);
    EXPECT_EQ(changes.values.backColor, 0x123456u);
}

// Fonts chosen in the font chooser come back in pixels, as the files keep
// them, with their style bits.
TEST(RowDialogs, AChosenFontIsStoredInPixelsWithItsStyle) {
    QFont points(QStringLiteral("Sans"));
    points.setPointSize(12);
    points.setBold(true);
    points.setUnderline(true);
    EXPECT_EQ(FontButton::FromQFont(points),
              CFontInfo("Sans", 16, CFontInfo::kBold | CFontInfo::kUnderline));
    QFont pixels(QStringLiteral("Serif"));
    pixels.setPixelSize(22);
    pixels.setItalic(true);
    pixels.setStrikeOut(true);
    EXPECT_EQ(FontButton::FromQFont(pixels),
              CFontInfo("Serif", 22, CFontInfo::kItalic | CFontInfo::kStrikeOut));
    EXPECT_EQ(FontButton::Describe(CFontInfo()), Q("（既定のフォント）"));
}

// The filter lists: "(設定なし)" first, the empty text by name, the values
// of the condition preselected, even one no row holds any more.
TEST(RowDialogs, TheFilterDialogMapsItsListsToValues) {
    FilterRequest request;
    request.target = "担当";
    request.candidates = {"田中", "", "佐藤"};
    request.chosen = {"", "鈴木"};
    FilterDialog dialog(request);
    EXPECT_EQ(dialog.windowTitle(), Q("フィルタ"));
    QComboBox* first = dialog.List(0);
    ASSERT_EQ(first->count(), 4);
    EXPECT_EQ(first->itemText(0), Q("(設定なし)"));
    EXPECT_EQ(first->itemText(2), Q("(空白)"));
    EXPECT_EQ(first->currentIndex(), 2);
    EXPECT_EQ(dialog.List(1)->currentText(), Q("鈴木"));
    EXPECT_EQ(dialog.List(2)->currentIndex(), 0);
    EXPECT_EQ(dialog.Chosen(), (std::vector<std::string>{"", "鈴木"}));

    dialog.List(0)->setCurrentIndex(0);
    dialog.List(3)->setCurrentIndex(3);
    EXPECT_EQ(dialog.Chosen(), (std::vector<std::string>{"鈴木", "佐藤"}));
    for (int i = 0; i < FilterRequest::kLists; ++i)
        dialog.List(i)->setCurrentIndex(0);
    EXPECT_TRUE(dialog.Chosen().empty());
}

bool HasLabel(const QWidget& dialog, const char* text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == Q(text))
            return true;
    }
    return false;
}

TEST(RowDialogs, TheFilterDialogNotesThatOnlyLeafRowsCountInBoxMode) {
    FilterRequest request;
    request.candidates = {"A"};
    FilterDialog columns(request);
    EXPECT_TRUE(HasLabel(columns, "※フィルタの状態はファイルに保存されません。"));
    EXPECT_FALSE(HasLabel(columns, "※末端階層の段のみが条件比較対象です。"));
    request.leafRowsOnly = true;
    FilterDialog captions(request);
    EXPECT_TRUE(HasLabel(captions, "※末端階層の段のみが条件比較対象です。"));
}

// The window's dialogs over a real document.
class RowDialogsWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        status.Services().SetDialogs(&dialogs);
        window = std::make_unique<MainWindow>(status);
        dialogs.SetParent(window.get());
        window->ViewModeChanged(MainWindow::kDayTab);
        window->resize(1200, 700);
        window->show();
    }
    void TearDown() override {
        window.reset();
        status.Services().SetDialogs(nullptr);
    }

    // Runs step on the modal dialog as soon as it is open.
    template <class Dialog>
    static void WhenOpen(std::function<void(Dialog&)> step) {
        QTimer::singleShot(0, [step] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            step(*dialog);
        });
    }

    static int CountCaption(const CRowArray& rows, const std::string& caption) {
        int count = 0;
        rows.ForEach([&](const CRow& row) {
            if (!row.IsDeleted())
                count += (row.GetCaption() == caption ? 1 : 0) +
                         CountCaption(row.GetChildren(), caption);
        });
        return count;
    }

    QtDialogs dialogs{prompt};
    std::unique_ptr<MainWindow> window;
};

TEST_F(RowDialogsWindowTest, F11OpensTheRowDialogAndOkAddsTheRow) {
    CProject& project = LoadSample();
    QAction* below = window->Menus()->Action(cmd::kInsertRowBelow);
    ASSERT_NE(below, nullptr);
    EXPECT_EQ(below->shortcut(), QKeySequence(Qt::Key_F11));
    ASSERT_TRUE(below->isEnabled());
    WhenOpen<RowDialog>([](RowDialog& dialog) {
        EXPECT_EQ(dialog.CaptionEdit()->toPlainText(), Q("新しい段"));
        dialog.CaptionEdit()->setPlainText(Q("追加した段"));
        dialog.accept();
    });
    below->trigger();
    EXPECT_EQ(CountCaption(status.GetProject()->GetRows(), "追加した段"), 1);
    EXPECT_EQ(&project, status.GetProject());

    WhenOpen<RowDialog>([](RowDialog& dialog) {
        dialog.CaptionEdit()->setPlainText(Q("取り消す段"));
        dialog.reject();
    });
    below->trigger();
    EXPECT_EQ(CountCaption(status.GetProject()->GetRows(), "取り消す段"), 0);
}

// Each "次を検索" selects the next row holding the text; the dialog stays.
TEST_F(RowDialogsWindowTest, FindNextSelectsTheRowsThatHoldTheTextInTurn) {
    CProject& project = LoadSample();
    std::vector<std::int32_t> ids;
    project.GetRows().ForEach([&](const CRow& row) {
        if (!row.IsDeleted() && ids.size() < 2) {
            ids.push_back(row.GetObjectId());
            const_cast<CRow&>(row).SetCaption(ids.size() == 1 ? "Alpha 検索" : "alpha 検索");
        }
    });
    ChartAccess::Rebuild(status, window->Scene());
    ASSERT_EQ(ids.size(), 2u);
    RowSearch search(status);
    FindRowDialog dialog(search, window.get());
    dialog.show();
    EXPECT_FALSE(dialog.FindButton()->isEnabled());
    dialog.TextEdit()->setText(Q("ALPHA"));
    dialog.FindButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    CDisplayModel& model = window->Scene().GetModel();
    const bool first = model.IsSelectedId(ids[0]);
    EXPECT_NE(first, model.IsSelectedId(ids[1]));
    dialog.FindButton()->click();
    EXPECT_NE(first, model.IsSelectedId(ids[0])) << "the next one, not the same again";

    dialog.MatchCaseBox()->setChecked(true);
    dialog.TextEdit()->setText(Q("alpha"));
    dialog.FindButton()->click();
    dialog.FindButton()->click();
    EXPECT_TRUE(model.IsSelectedId(ids[1]));
    EXPECT_FALSE(model.IsSelectedId(ids[0])) << "case kept";
}

// F6 filters by the rows' captions: the chosen caption's rows stay, every
// other leaf row goes, and the dialog says only leaf rows are compared.
TEST_F(RowDialogsWindowTest, TheCaptionFilterKeepsOnlyTheChosenRows) {
    LoadSample();
    QAction* filter = window->Menus()->Action(cmd::kFilterRow);
    ASSERT_NE(filter, nullptr);
    ASSERT_TRUE(filter->isEnabled());
    QString chosen;
    WhenOpen<FilterDialog>([&chosen](FilterDialog& dialog) {
        EXPECT_TRUE(HasLabel(dialog, "※末端階層の段のみが条件比較対象です。"));
        ASSERT_GT(dialog.List(0)->count(), 2);
        dialog.List(1)->setCurrentIndex(2);
        chosen = dialog.List(1)->currentText();
        dialog.accept();
    });
    filter->trigger();
    ASSERT_FALSE(chosen.isEmpty());
    int kept = 0;
    int dropped = 0;
    DisplayTree::ForEachRow(window->Scene().GetModel().GetRows(), [&](const CGuiRow& row) {
        if (row.HasChildren())
            return;
        if (row.GetFilteredOutFlag())
            ++dropped;
        else
            ++kept;
        EXPECT_EQ(row.GetFilteredOutFlag(), QString::fromStdString(row.GetCaption()) != chosen);
    });
    EXPECT_GE(kept, 1);
    EXPECT_GT(dropped, 0);
}

// Lines pasted into "段の一括挿入" become rows; a new column takes the
// caption, width and kind given in its dialog.
TEST_F(RowDialogsWindowTest, BulkRowsAndANewColumnComeFromTheirDialogs) {
    LoadSample();
    QAction* bulk = window->Menus()->Action(cmd::kInsertRowsText);
    ASSERT_NE(bulk, nullptr);
    WhenOpen<RowsTextDialog>([](RowsTextDialog& dialog) {
        dialog.TextEdit()->setPlainText(Q("一括A\\n二行\n\n一括B\\\\"));
        dialog.accept();
    });
    bulk->trigger();
    const CRowArray& rows = status.GetProject()->GetRows();
    EXPECT_EQ(CountCaption(rows, "一括A\r\n二行"), 1);
    EXPECT_EQ(CountCaption(rows, "一括B\\"), 1);

    QAction* column = window->Menus()->Action(cmd::kInsertColumn);
    ASSERT_NE(column, nullptr);
    WhenOpen<ColumnDialog>([](ColumnDialog& dialog) {
        dialog.CaptionEdit()->setPlainText(Q("開始"));
        dialog.WidthBox()->setValue(90);
        dialog.KindBox()->Select(1);
        dialog.accept();
    });
    column->trigger();
    int found = 0;
    status.GetProject()->GetColumns().ForEach([&](const CColumn& c) {
        if (c.IsDeleted() || c.GetCaption() != "開始")
            return;
        ++found;
        EXPECT_EQ(c.GetWidth(), 90);
        EXPECT_EQ(c.GetParamInt("_Auto", 0), 1);
    });
    EXPECT_EQ(found, 1);
}

TEST_F(RowDialogsWindowTest, TheFindDialogOpensWithTheLastSearch) {
    LoadSample();
    RowSearch search(status);
    WhenOpen<FindRowDialog>([](FindRowDialog& dialog) {
        EXPECT_TRUE(dialog.TextEdit()->text().isEmpty());
        dialog.TextEdit()->setText(Q("工事"));
        dialog.MatchCaseBox()->setChecked(true);
        dialog.reject();
    });
    dialogs.FindRow(search);
    WhenOpen<FindRowDialog>([](FindRowDialog& dialog) {
        EXPECT_EQ(dialog.TextEdit()->text(), Q("工事"));
        EXPECT_TRUE(dialog.MatchCaseBox()->isChecked());
        EXPECT_TRUE(dialog.FindButton()->isEnabled());
        dialog.reject();
    });
    dialogs.FindRow(search);
}

}  // namespace
}  // namespace qb
