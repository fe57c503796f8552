#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "MemoTextEditor.h"
#include "ObjectText.h"
#include "ScriptedPrompt.h"
#include "dialogs/ChoiceBox.h"
#include "dialogs/DateField.h"
#include "dialogs/LinkDialog.h"
#include "dialogs/MemoDialog.h"
#include "dialogs/PenEditor.h"
#include "dialogs/ScheduleDialog.h"

namespace qb {
namespace {

// What the chart was shown while a dialog was open: the text of each
// previewed object, or "null" when the preview ended.
class PreviewLog {
public:
    IDialogs::ObjectPreview Callback() {
        return [this](const CData* values) {
            entries.push_back(values == nullptr ? "null" : ObjectText::Write(*values));
            if (values != nullptr)
                ids.push_back(values->GetObjectId());
        };
    }
    std::vector<std::string> entries;
    std::vector<std::int32_t> ids;
};

std::unique_ptr<CSchedule> Schedule() {
    auto s = std::make_unique<CSchedule>(31);
    s->SetCaption("基礎\r\n工事");
    s->SetStartDate(COleDateTime(2017, 2, 24, 0, 0, 0));
    s->SetEndDate(COleDateTime(2017, 3, 1, 0, 0, 0));
    s->SetEndOffset(5000);
    s->SetSubType(1);
    s->SetHeight(12);
    s->SetProgressRate(375);
    s->SetCaptionPosition(2);
    s->SetCaptionHAlign(0);
    s->SetCaptionVAlign(2);
    s->SetStartEdgeType(7);  // not in the list: kept as it is
    s->SetEdgePen(CPenInfo(3, 2, 0x0000FF));
    s->SetActualStartDate(COleDateTime(2017, 2, 25, 0, 0, 0));
    s->SetRemark("メモ\r\nです");
    s->SetRowObjectId(4);
    return s;
}

void Type(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
          const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
}

// The dialog gives back what it shows; a bad weight is refused and the
// dialog stays open.
TEST(ObjectDialogs, TheScheduleDialogGivesBackWhatItShowsAndRefusesABadWeight) {
    const auto schedule = Schedule();
    ScriptedPrompt prompt;
    ScheduleDialog dialog(*schedule, prompt, nullptr);
    EXPECT_EQ(dialog.windowTitle().toStdString(), "スケジュールのプロパティ");
    EXPECT_EQ(ObjectText::Write(*dialog.Values()), ObjectText::Write(*schedule));
    dialog.show();
    dialog.WeightEdit()->setText(QStringLiteral("10000"));
    dialog.Tabs()->setCurrentIndex(2);
    dialog.accept();
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);  // where the weight is
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, "負荷グラフの重みは、0～9999で指定してください。");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    dialog.WeightEdit()->setText(QStringLiteral("250"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values()->GetWeight(), 250);
    EXPECT_EQ(prompt.Shown().size(), 1u);
}

// Each acceptable state is shown on the chart as the schedule it would
// make; a half-typed date shows nothing new; the end clears the preview.
TEST(ObjectDialogs, TheChartPreviewsGoodChangesUntilTheDialogCloses) {
    const auto schedule = Schedule();
    ScriptedPrompt prompt;
    PreviewLog log;
    {
        ScheduleDialog dialog(*schedule, prompt, log.Callback());
        dialog.show();
        dialog.EndField()->SetText(QStringLiteral("2017031"));
        EXPECT_TRUE(log.entries.empty());
        dialog.EndField()->SetText(QStringLiteral("20170310"));
        ASSERT_EQ(log.entries.size(), 1u);
        EXPECT_EQ(log.ids, std::vector<std::int32_t>{31});
        EXPECT_EQ(log.entries[0], ObjectText::Write(*dialog.Values()));
        EXPECT_EQ(dialog.Values()->GetEndDate(), COleDateTime(2017, 3, 10, 0, 0, 0));
        dialog.ProgressEdit()->setText(QStringLiteral("50"));
        ASSERT_EQ(log.entries.size(), 2u);
        dialog.reject();
        ASSERT_EQ(log.entries.size(), 3u);
        EXPECT_EQ(log.entries.back(), "null");
    }
    EXPECT_EQ(log.entries.size(), 3u);  // ended once, not again on destruction
}

TEST(ObjectDialogs, APointShapeTakesNoEndAndTheCalendarKeepsATypedTime) {
    const auto schedule = Schedule();
    ScriptedPrompt prompt;
    ScheduleDialog dialog(*schedule, prompt, nullptr);
    EXPECT_TRUE(dialog.EndField()->isEnabled());
    dialog.ShapeBox()->Select((std::int64_t{1} << 32) | 6);  // a star
    EXPECT_FALSE(dialog.EndField()->isEnabled());
    EXPECT_EQ(dialog.Values()->GetScheduleType(), 1);
    EXPECT_EQ(dialog.Values()->GetSubType(), 6);

    dialog.StartField()->SetText(QStringLiteral("201702240930"));
    emit dialog.StartField()->Calendar()->clicked(QDate(2017, 2, 20));
    EXPECT_EQ(dialog.StartField()->Text(), QStringLiteral("201702200930"));
}

TEST(ObjectDialogs, TheLinkDialogPreviewsAndGivesBackItsValues) {
    CLink link(8);
    link.SetFromId(1);
    link.SetToId(2);
    link.SetToHorzPosition(0);
    ScriptedPrompt prompt;
    PreviewLog log;
    LinkDialog dialog(link, prompt, log.Callback());
    EXPECT_EQ(ObjectText::Write(*dialog.Values()), ObjectText::Write(link));
    dialog.ToEndBox()->Select(2);
    dialog.LinePen()->WidthBox()->setValue(3);
    ASSERT_EQ(log.entries.size(), 2u);
    const auto values = dialog.Values();
    EXPECT_EQ(values->GetToEndStyle(), 2);
    EXPECT_EQ(values->GetLinePen().GetWidth(), 3);
    EXPECT_EQ(values->GetToHorzPosition(), 0);
    EXPECT_EQ(values->GetFromId(), 1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(log.entries.back(), "null");
}

TEST(ObjectDialogs, TheMemoDialogRefusesAMemoOfNoWidth) {
    CMemo memo(5);
    memo.SetText("一行目\r\n二行目");
    memo.SetWidth(80);
    memo.SetHeight(30);
    memo.SetYRowId(3);
    ScriptedPrompt prompt;
    PreviewLog log;
    MemoDialog dialog(memo, prompt, log.Callback());
    dialog.show();
    EXPECT_EQ(ObjectText::Write(*dialog.Values()), ObjectText::Write(memo));
    dialog.WidthEdit()->setText(QStringLiteral("0"));
    EXPECT_TRUE(log.entries.empty());
    dialog.accept();
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, "メモの幅は、1～9999で指定してください。");
    EXPECT_TRUE(dialog.isVisible());
    dialog.WidthEdit()->setText(QStringLiteral("120"));
    dialog.PaintBox()->setChecked(false);
    dialog.TextEdit()->setPlainText(QStringLiteral("a\nb"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto values = dialog.Values();
    EXPECT_EQ(values->GetWidth(), 120);
    EXPECT_FALSE(values->IsBgPaint());
    EXPECT_EQ(values->GetText(), "a\r\nb");
    EXPECT_EQ(values->GetYRowId(), 3);
}

// The in-place editor over a chart pane.
class MemoEditorTest : public ::testing::Test {
protected:
    MemoTextEditor* Open(const std::string& text) {
        pane.resize(400, 300);
        pane.show();
        return new MemoTextEditor(
            &pane, QRect(10, 10, 120, 60), text, MemoTextEditor::Look(),
            [this](std::optional<std::string> result) { results.push_back(std::move(result)); });
    }

    QWidget pane;
    std::vector<std::optional<std::string>> results;
};

TEST_F(MemoEditorTest, EscapeCancelsAndCtrlEnterCommitsOnce) {
    MemoTextEditor* editor = Open("old");
    EXPECT_EQ(editor->geometry(), QRect(10, 10, 120, 60));
    Type(editor, Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
    Type(editor, Qt::Key_Escape);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], std::nullopt);

    editor = Open("old");
    Type(editor, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));  // replaces the selection
    Type(editor, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    Type(editor, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    Type(editor, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1], std::optional<std::string>("a\r\nb"));
    editor->Commit();  // a later focus change reports nothing more
    EXPECT_EQ(results.size(), 2u);
    QApplication::processEvents();
}

TEST_F(MemoEditorTest, LeavingTheBoxCommitsTheTextAsItStands) {
    MemoTextEditor* editor = Open("keep\r\nme");
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(editor, &out);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], std::optional<std::string>("keep\r\nme"));
    QApplication::processEvents();
}

}  // namespace
}  // namespace qb
