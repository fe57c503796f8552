#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CRow.h"
#include "CellTextEditor.h"
#include "ColumnEdits.h"
#include "CommandIds.h"
#include "ErrorSlot.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "PaneWidget.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

// The column area in the window as a user meets it: the sample with three
// free-text columns of 80 pixels added, the panes driven with mouse and keys.
class ColumnAreaTest : public GuiFixture {
protected:
    void SetUp() override {
        status.Services().Settings().showColumns = true;
        status.Services().Settings().columnLeft = 200;
        status.Services().Settings().canvasLeft = 600;
        window = std::make_unique<MainWindow>(status);
        window->ViewModeChanged(MainWindow::kDayTab);
        window->resize(1200, 700);
        window->show();
        path = SampleCopy("columns.qbd");
        DocumentLoader::Result loaded = DocumentLoader::Load(path, OpenRetryPolicy{}, false);
        ASSERT_NE(loaded.project, nullptr);
        for (int i = 0; i < 3; ++i) {
            auto column = std::make_unique<CColumn>(loaded.project->NewObjectId());
            column->SetWidth(80);
            column->SetCaption("col" + std::to_string(i));
            column->SetVisible(true);
            loaded.project->GetColumns().Add(std::move(column));
        }
        status.Doc().Open(std::move(loaded.project), std::move(loaded.accessor), path);
        ASSERT_GE(Columns().Size(), 3u);
        ASSERT_GT(window->ColumnHeaderPane()->width(), 200);
    }

    CDisplayModel& Model() { return window->Scene().GetModel(); }
    const CGuiColumnArray& Columns() { return Model().GetColumns(); }
    std::int32_t ColumnId(std::size_t index) { return Columns().At(index)->GetObjectId(); }
    const CColumn* ColumnData(std::int32_t id) {
        return dynamic_cast<const CColumn*>(status.GetProject()->FindObject(id));
    }

    void Send(QWidget* pane, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(pane->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(pane, &event);
    }
    void Drag(QWidget* pane, QPoint from, QPoint to) {
        Send(pane, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step)
            Send(pane, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
        Send(pane, QEvent::MouseButtonRelease, to, Qt::NoButton);
    }
    static void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString()) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(widget, &release);
    }
    static void Type(QWidget* widget, const QString& text) {
        for (const QChar c : text)
            Key(widget, 0, Qt::NoModifier, QString(c));
    }
    std::unique_ptr<CProject> Saved() {
        EXPECT_TRUE(status.Commands().Execute(cmd::kSave));
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(TestFolder::Read(path), error);
    }
    // A visible row that shows cells, well inside the pane.
    const CGuiRow* CellRow() {
        for (CGuiRow* row : Model().GetLineRows()) {
            const int y = row->GetRect().top - window->Scene().GetTop();
            if (row->IsVisible() && row->CanTakeObjects(Model().IsIndentMode()) && y > 0 &&
                y < window->ColumnCellPane()->height() - 40)
                return row;
        }
        return nullptr;
    }

    std::unique_ptr<MainWindow> window;
    std::string path;
};

TEST_F(ColumnAreaTest, DraggingABorderSavesTheWidthAndUndoTakesItBack) {
    const std::int32_t id = ColumnId(1);
    const int before = ColumnData(id)->GetWidth();
    // Grabbed a pixel inside the border, let go 40 further right.
    const int border = Columns().At(1)->GetRect().right - 1;
    const int after = before + 39;
    Drag(window->ColumnHeaderPane(), QPoint(border, 10), QPoint(border + 40, 10));
    EXPECT_EQ(ColumnData(id)->GetWidth(), after);
    EXPECT_EQ(Columns().At(2)->GetRect().left, Columns().At(1)->GetRect().left + after);
    auto saved = Saved();
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(dynamic_cast<const CColumn*>(saved->FindObject(id))->GetWidth(), after);
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    EXPECT_EQ(ColumnData(id)->GetWidth(), before);
}

TEST_F(ColumnAreaTest, DraggingAColumnRightPutsItAfterTheTarget) {
    const std::int32_t first = ColumnId(0);
    const int from = Columns().At(0)->GetRect().left + 20;
    const int to = Columns().At(2)->GetRect().left + 20;
    Drag(window->ColumnHeaderPane(), QPoint(from, 10), QPoint(to, 10));
    ASSERT_GE(Columns().Size(), 3u);
    EXPECT_EQ(ColumnId(2), first);
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    EXPECT_EQ(ColumnId(0), first);
}

TEST_F(ColumnAreaTest, ACellTextTypedInPlaceIsKept) {
    const CGuiRow* row = CellRow();
    ASSERT_NE(row, nullptr);
    const std::int32_t rowId = row->GetObjectId();
    const std::int32_t columnId = ColumnId(1);
    const QPoint cell(Columns().At(1)->GetRect().left + 10,
                      row->GetRect().top - window->Scene().GetTop() + 5);
    Send(window->ColumnCellPane(), QEvent::MouseButtonPress, cell, Qt::LeftButton);
    EXPECT_EQ(Model().GetCurrentColumn(), 1);
    window->EditCellText(rowId, columnId);
    CellTextEditor* editor = window->TextEditor();
    ASSERT_NE(editor, nullptr);
    Type(editor, QString::fromUtf8("予定A"));
    Key(editor, Qt::Key_Return);
    const CRow* data = status.GetProject()->FindRow(rowId);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetParam(ColumnEdits::CellName(columnId)), "予定A");

    window->EditCellText(rowId, columnId);
    ASSERT_NE(window->TextEditor(), nullptr);
    Type(window->TextEditor(), QStringLiteral("zzz"));
    Key(window->TextEditor(), Qt::Key_Escape);
    EXPECT_EQ(status.GetProject()->FindRow(rowId)->GetParam(ColumnEdits::CellName(columnId)),
              "予定A");
}

TEST_F(ColumnAreaTest, ARowCaptionTypedInPlaceIsKept) {
    const CGuiRow* row = CellRow();
    ASSERT_NE(row, nullptr);
    const std::int32_t rowId = row->GetObjectId();
    window->EditCellText(rowId, CData::kNoObject);
    ASSERT_NE(window->TextEditor(), nullptr);
    Type(window->TextEditor(), QStringLiteral("first"));
    Key(window->TextEditor(), Qt::Key_Return, Qt::ControlModifier);
    Type(window->TextEditor(), QStringLiteral("second"));
    Key(window->TextEditor(), Qt::Key_Return);
    EXPECT_EQ(status.GetProject()->FindRow(rowId)->GetCaption(), "first\r\nsecond");
}

}  // namespace
}  // namespace qb
