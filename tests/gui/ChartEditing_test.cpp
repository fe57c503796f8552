#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "ChartController.h"
#include "CommandIds.h"
#include "ErrorSlot.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

// The chart in the window as a user meets it: presses, moves and releases
// on the real pane, then the saved file read back.
class ChartEditingTest : public GuiFixture {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(status);
        window->ViewModeChanged(MainWindow::kDayTab);
        window->resize(1200, 700);
        window->show();
        path = SampleCopy("edited.qbd");
        DocumentLoader::Result loaded = DocumentLoader::Load(path, OpenRetryPolicy{}, false);
        ASSERT_NE(loaded.project, nullptr);
        status.Doc().Open(std::move(loaded.project), std::move(loaded.accessor), path);
        ASSERT_TRUE(FindEmptySpot());
    }

    CDisplayModel& Model() { return window->Scene().GetModel(); }
    QWidget* Pane() { return window->ChartPane(); }

    // A leaf row and a day on it where nothing lies for the next ten days.
    bool FindEmptySpot() {
        const CRuler& ruler = window->Scene().GetRuler();
        const int left = ruler.GetScrollPosition();
        std::vector<const CGuiRow*> leaves;
        CollectLeaves(Model().GetRows(), leaves);
        for (const CGuiRow* row : leaves) {
            const GuiRect rect = row->GetRect();
            const int middle = rect.top + rect.Height() / 2;
            const int y = middle - window->Scene().GetTop();
            if (y < 5 || y > Pane()->height() - 20)
                continue;
            for (int x = 40; x < Pane()->width() - 300; x += 20) {
                if (IsFree(x + left, middle, 200)) {
                    start = QPoint(x, y);
                    rowId = row->GetObjectId();
                    return true;
                }
            }
        }
        return false;
    }

    static void CollectLeaves(const CGuiRowArray& rows, std::vector<const CGuiRow*>& leaves) {
        for (std::size_t i = 0; i < rows.Size(); ++i) {
            const CGuiRow* row = rows.At(i);
            if (row->HasChildren())
                CollectLeaves(row->GetChildren(), leaves);
            else if (row->IsVisible())
                leaves.push_back(row);
        }
    }

    template <class Array>
    static bool AnyHit(const Array& objects, DrawPoint point) {
        for (std::size_t i = 0; i < objects.Size(); ++i) {
            if (objects.At(i)->HitTest(point))
                return true;
        }
        return false;
    }

    bool IsFree(int chartX, int chartY, int width) {
        for (int dx = -10; dx <= width; dx += 4) {
            for (int dy = -12; dy <= 12; dy += 4) {
                const DrawPoint point{chartX + dx, chartY + dy};
                if (AnyHit(Model().GetSchedules(), point) || AnyHit(Model().GetMemos(), point))
                    return false;
            }
        }
        return true;
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(Pane()->mapToGlobal(at)), button, held,
                          modifiers);
        QApplication::sendEvent(Pane(), &event);
    }

    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        for (int step = 1; step <= 4; ++step)
            Send(QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton, modifiers);
        Send(QEvent::MouseButtonRelease, to, Qt::NoButton, modifiers);
    }

    std::unique_ptr<CProject> Saved() {
        EXPECT_TRUE(status.Commands().Execute(cmd::kSave));
        ErrorSlot error;
        return ProjectArchive::ReadProjectArchive(TestFolder::Read(path), error);
    }

    static int LiveSchedules(const CProject& project) {
        int count = 0;
        project.GetSchedules().ForEach([&](const CSchedule& s) { count += s.IsDeleted() ? 0 : 1; });
        return count;
    }

    std::unique_ptr<MainWindow> window;
    std::string path;
    QPoint start;
    std::int32_t rowId = -1;
};

TEST_F(ChartEditingTest, ADragOnAnEmptyRowSavesANewBarThere) {
    const int before = LiveSchedules(*status.GetProject());
    Drag(start, start + QPoint(120, 0));
    auto saved = Saved();
    ASSERT_EQ(LiveSchedules(*saved), before + 1);
    const CSchedule* made = saved->FindSchedule(saved->GetLastObjectId() - 1);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRowObjectId(), rowId);
    EXPECT_LT(made->GetStartDate(), made->GetEndDate());
}

// A right press on the new bar selects it; the menu's delete item then takes
// it away again.
TEST_F(ChartEditingTest, TheContextMenuActsOnTheBarUnderTheMouse) {
    const int before = LiveSchedules(*status.GetProject());
    Drag(start, start + QPoint(120, 0));
    const QPoint bar = start + QPoint(60, 0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(bar), QPointF(Pane()->mapToGlobal(bar)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(Pane(), &press);
    ASSERT_EQ(Model().GetSelection().size(), 1u);
    const std::unique_ptr<QMenu> menu(window->Chart()->BuildMenu(nullptr));
    QAction* remove = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromUtf8("削除(&D)"))
            remove = action;
    }
    ASSERT_NE(remove, nullptr);
    ASSERT_TRUE(remove->isEnabled());
    prompt.QueueAnswer(PromptAnswer::kOk);
    remove->trigger();
    EXPECT_EQ(LiveSchedules(*status.GetProject()), before);
}

// Another window taking the focus in the middle of a drag ends it with
// nothing written.
TEST_F(ChartEditingTest, LosingTheFocusMidDragWritesNothing) {
    const std::string bytes = TestFolder::Read(path);
    Pane()->setFocus();
    Send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    Send(QEvent::MouseMove, start + QPoint(40, 0), Qt::LeftButton);
    Send(QEvent::MouseMove, start + QPoint(90, 0), Qt::LeftButton);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Pane(), &out);
    Send(QEvent::MouseButtonRelease, start + QPoint(90, 0), Qt::NoButton);
    EXPECT_FALSE(status.Doc().IsModified());
    EXPECT_EQ(TestFolder::Read(path), bytes);
}

}  // namespace
}  // namespace qb
