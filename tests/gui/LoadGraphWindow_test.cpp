#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>

#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CommandIds.h"
#include "Document.h"
#include "GuiFixture.h"
#include "LoadGraphPanel.h"
#include "MainWindow.h"
#include "PaneWidget.h"
#include "SignAreaForm.h"
#include "ViewStatus.h"
#include "dialogs/LoadGraphDialog.h"
#include "dialogs/SignAreaDialog.h"

namespace qb {
namespace {

// The sample in the day chart with the load graph under it.
class LoadGraphWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(status);
        window->ViewModeChanged(MainWindow::kDayTab);
        window->resize(1200, 700);
        window->show();
        LoadSample(false);
        ProcessPostedEvents();
    }

    LoadGraphPanel& Graph() { return *window->Graph(); }
    // The strip painted now, and its sum at a pixel column of the chart pane.
    std::int32_t SumAt(int x) {
        Graph().Strip()->repaint();
        const LoadBuffer* buffer = Graph().Buffer();
        return buffer != nullptr ? buffer->At(x) : -1;
    }
    // A pane column of the chart where no bar lies on a row with room.
    bool FindEmptySpot(QPoint& spot) {
        const CDisplayModel& model = window->Scene().GetModel();
        const int top = window->Scene().GetTop();
        const int left = window->Scene().GetRuler().GetScrollPosition();
        for (int y = 30; y < window->ChartPane()->height() - 30; y += 10) {
            const CGuiRow* row = model.RowAt(y + top);
            if (row == nullptr || row->HasChildren() || !row->IsVisible())
                continue;
            for (int x = 40; x < window->ChartPane()->width() - 200; x += 40) {
                if (IsFree(model, x + left, y + top))
                    return spot = QPoint(x, y), true;
            }
        }
        return false;
    }
    static bool IsFree(const CDisplayModel& model, int x, int y) {
        const CGuiScheduleArray& schedules = model.GetSchedules();
        for (std::size_t i = 0; i < schedules.Size(); ++i) {
            const DrawRect& bar = schedules.At(i)->GetLayout().hit;
            if (bar.right >= x - 10 && bar.left <= x + 130 && bar.bottom >= y - 15 &&
                bar.top <= y + 15)
                return false;
        }
        return true;
    }
    void Send(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QWidget* pane = window->ChartPane();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), QPointF(pane->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(pane, &event);
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(LoadGraphWindowTest, TheStripRunsUnderTheChartAndCtrlGHidesAndShowsIt) {
    ASSERT_TRUE(Graph().isVisible());
    QWidget* strip = Graph().Strip();
    QWidget* chart = window->ChartPane();
    EXPECT_EQ(strip->mapTo(window.get(), QPoint(0, 0)).x(),
              chart->mapTo(window.get(), QPoint(0, 0)).x());
    EXPECT_EQ(strip->width(), chart->width());
    EXPECT_EQ(strip->height(), 51);
    EXPECT_GT(Graph().Scale()->width(), 0);
    EXPECT_EQ(Graph().Scale()->geometry().right() + 1, Graph().Strip()->geometry().left());

    const int chartHeight = chart->height();
    ASSERT_TRUE(status.Commands().Execute(cmd::kGraphShown));
    ProcessPostedEvents();
    EXPECT_FALSE(Graph().isVisible());
    EXPECT_EQ(status.Doc().GetViewStatus().showGraph, 0);
    EXPECT_GT(chart->height(), chartHeight) << "the chart takes the strip's room";
    ASSERT_TRUE(status.Commands().Execute(cmd::kGraphShown));
    EXPECT_TRUE(Graph().isVisible());
}

TEST_F(LoadGraphWindowTest, TheSumsMoveWhileABarIsDrawnAndStayWhenItIsDropped) {
    QPoint spot;
    ASSERT_TRUE(FindEmptySpot(spot));
    const int middle = spot.x() + 60;
    const std::int32_t before = SumAt(middle);
    ASSERT_GE(before, 0);
    Send(QEvent::MouseButtonPress, spot, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        Send(QEvent::MouseMove, spot + QPoint(30 * step, 0), Qt::LeftButton);
    EXPECT_EQ(SumAt(middle), before + 1) << "the bar being drawn counts already";
    EXPECT_EQ(SumAt(spot.x() + 300), SumAt(spot.x() + 300));
    Send(QEvent::MouseButtonRelease, spot + QPoint(120, 0), Qt::NoButton);
    ProcessPostedEvents();
    EXPECT_EQ(SumAt(middle), before + 1);
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    EXPECT_EQ(SumAt(middle), before);
}

TEST_F(LoadGraphWindowTest, TheSettingsReachTheStripAndARefusalKeepsTheDialogOpen) {
    int applied = 0;
    LoadGraphDialog dialog(LoadGraphValues{20, 50, 0, false},
                           [&applied](const LoadGraphValues& values) {
                               ++applied;
                               return values.max > 0;
                           });
    dialog.show();
    dialog.MaxField()->setValue(0);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    dialog.MaxField()->setValue(10);
    dialog.HeightField()->setValue(80);
    dialog.ShownOnlyBox()->setChecked(true);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Values(), (LoadGraphValues{10, 80, 0, true}));
    EXPECT_EQ(applied, 2);

    ViewStatus& view = status.Doc().GetViewStatus();
    view.graphHeight = 81;
    view.graphMax = 10;
    status.View().DisplaySettingsChanged();
    EXPECT_EQ(Graph().Strip()->height(), 81);
    EXPECT_EQ(Graph().Settings().max, 10);
}

TEST_F(LoadGraphWindowTest, TheStampAreaEditorEditsTheFormsAreas) {
    SignAreaForm form(status);
    form.Add("担当");
    SignAreaDialog dialog(form);
    ASSERT_EQ(dialog.List()->count(), 1);
    dialog.AddButton()->click();
    ASSERT_EQ(form.Count(), 2);
    EXPECT_EQ(dialog.List()->currentRow(), 1);
    dialog.TextEdit()->setPlainText(QStringLiteral("課長\n印"));
    EXPECT_EQ(form.Area(1), "課長\r\n印");
    EXPECT_EQ(dialog.List()->item(1)->text(), QStringLiteral("課長 / 印"));
    dialog.TextEdit()->setPlainText(QStringLiteral("a\tb"));
    EXPECT_EQ(form.Area(1), "a b") << "a pasted tab would split the area";
    EXPECT_TRUE(dialog.windowTitle().endsWith(QStringLiteral(" *")));
    prompt.QueueAnswer(PromptAnswer::kNo);
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace qb
