// The window's tool bars and its splitters: shown, moved, kept for the next
// start; and the display switches reaching the panes at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QSplitterHandle>
#include <QToolBar>
#include <algorithm>

#include "CCommandHandler.h"
#include "CRuler.h"
#include "CalendarSettings.h"
#include "CommandIds.h"
#include "DisplaySettings.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuBuilder.h"
#include "PaneSplitter.h"
#include "RecordingDrawContext.h"
#include "ToolBars.h"
#include "ViewStatusStore.h"

namespace qb {
namespace {

using WindowLayoutTest = GuiFixture;

// Drags a splitter handle sideways by dx pixels.
void DragHandle(QSplitterHandle* handle, int dx) {
    const QPointF from(handle->width() / 2.0, 10);
    const QPointF to = from + QPointF(dx, 0);
    QMouseEvent press(QEvent::MouseButtonPress, from, handle->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
}

int FillsOf(const RecordingDrawContext& dc, DrawColour colour) {
    const auto& records = dc.Records();
    return static_cast<int>(std::count_if(records.begin(), records.end(), [colour](const auto& r) {
        return r.op == RecordingDrawContext::Op::fillRect && r.colour == colour;
    }));
}

TEST_F(WindowLayoutTest, TheViewMenuShowsAndHidesTheBarsAndTheNextStartGetsThemBack) {
    {
        MainWindow window(status);
        window.show();
        CCommandHandler& commands = status.Commands();
        QToolBar* viewBar = window.Bars()->Bar(cmd::kViewBar);
        ASSERT_NE(viewBar, nullptr);
        EXPECT_TRUE(commands.State(cmd::kViewBar).enabled) << "no document needed";
        EXPECT_TRUE(commands.State(cmd::kViewBar).checked);
        EXPECT_FALSE(commands.State(cmd::kPaletteBar).enabled);

        ASSERT_TRUE(commands.Execute(cmd::kViewBar));
        EXPECT_TRUE(viewBar->isHidden());
        EXPECT_FALSE(commands.State(cmd::kViewBar).checked);
        EXPECT_FALSE(window.Menus()->Action(cmd::kViewBar)->isChecked());
        EXPECT_TRUE(commands.State(cmd::kToolBar).checked);

        // The buttons are the menu's items, with their state.
        QAction* save = window.Menus()->Action(cmd::kSave);
        EXPECT_TRUE(window.Bars()->Bar(cmd::kToolBar)->actions().contains(save));
        EXPECT_FALSE(save->isEnabled());
        ASSERT_TRUE(commands.Execute(cmd::kNew));
        EXPECT_TRUE(save->isEnabled());
        QAction* holidays = window.Menus()->Action(cmd::kPaintHoliday);
        EXPECT_TRUE(viewBar->actions().contains(holidays));
        EXPECT_TRUE(holidays->isChecked());
        holidays->trigger();
        EXPECT_FALSE(status.Services().Settings().calendar.paintHoliday);
        EXPECT_FALSE(holidays->isChecked());
        window.close();
    }
    EXPECT_TRUE(store.ReadString(ToolBars::kSection, ToolBars::kStateName).has_value());
    MainWindow again(status);
    again.show();
    EXPECT_TRUE(again.Bars()->Bar(cmd::kViewBar)->isHidden());
    EXPECT_FALSE(again.Bars()->Bar(cmd::kToolBar)->isHidden());
    EXPECT_FALSE(status.Commands().State(cmd::kViewBar).checked);
}

// The row header is ColumnLeft wide, the column area reaches CanvasLeft; a
// file's own positions replace them while it is open, drags change them, and
// the scene draws the rows at the pane's width.
TEST_F(WindowLayoutTest, SplittersStartWhereTheSettingsSayFollowTheFileAndTheUsersDrag) {
    status.Services().Settings().columnLeft = 180;
    status.Services().Settings().canvasLeft = 260;
    const std::string path = SampleCopy();
    ViewStatus stored;
    stored.split1 = 150;
    stored.split2 = 150;
    ViewStatusStore(store).Save(path, stored);
    {
        MainWindow window(status);
        window.resize(1000, 600);
        window.show();
        const QList<int> start = window.Panes()->sizes();
        EXPECT_EQ(start.value(0), 180);
        EXPECT_EQ(start.value(1), 80);
        EXPECT_EQ(window.RowHeaderPane()->width(), 180);
        EXPECT_EQ(window.Scene().HeaderWidth(), 180);

        ASSERT_TRUE(status.Commands().Documents().OpenDocument(path));
        EXPECT_EQ(window.Panes()->sizes().value(0), 150);
        // A column area stored without width keeps a strip to grab it by.
        EXPECT_EQ(window.Panes()->sizes().value(1), 16);
        EXPECT_EQ(window.Scene().HeaderWidth(), 150);

        DragHandle(window.Panes()->handle(1), 40);
        EXPECT_EQ(window.Layout().ColumnLeft(), 190);
        EXPECT_EQ(window.RowHeaderPane()->width(), 190);
        EXPECT_EQ(window.Scene().HeaderWidth(), 190);
        EXPECT_EQ(window.Scene().ChartWidth(), window.ChartPane()->width());

        ASSERT_TRUE(status.Commands().Execute(cmd::kShowColumns));
        EXPECT_FALSE(window.Panes()->IsColumnAreaShown());
        ASSERT_TRUE(status.Commands().Execute(cmd::kShowColumns));
        EXPECT_TRUE(window.Panes()->IsColumnAreaShown());
        EXPECT_EQ(window.Panes()->sizes().value(0), 190);
        window.close();
    }
    EXPECT_EQ(ViewStatusStore(store).Load(path).split1, 190);
    EXPECT_EQ(status.Services().Settings().columnLeft, 190);
    EXPECT_EQ(status.Services().Settings().canvasLeft, 206);
}

// The ruler and the chart read the application's calendar settings, so the
// menu's switches change what they paint without a restart.
TEST_F(WindowLayoutTest, HolidayAndTodaySwitchesChangeTheRulerAndChartAtOnce) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.resize(1000, 600);
    window.show();
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy()));
    // Today inside the shown days, whatever the date of the run.
    const CRuler& ruler = window.GetRuler();
    window.Scene().SetToday(ruler.XToDate(ruler.GetScrollPosition()).AddDays(3));
    const CalendarSettings& calendar = status.Services().Settings().calendar;
    const auto paint = [&window](bool rulerPane) {
        RecordingDrawContext dc;
        if (rulerPane)
            window.Scene().PaintRuler(dc);
        else
            window.Scene().PaintChart(dc);
        return dc;
    };
    const auto holidayFills = [&](const RecordingDrawContext& dc) {
        return FillsOf(dc, calendar.saturdayB) + FillsOf(dc, calendar.sundayB);
    };
    ASSERT_GT(holidayFills(paint(true)), 0);
    ASSERT_GT(FillsOf(paint(false), DisplaySettings::kTodayColour), 0);

    ASSERT_TRUE(status.Commands().Execute(cmd::kPaintHoliday));
    EXPECT_EQ(holidayFills(paint(true)), 0);
    ASSERT_TRUE(status.Commands().Execute(cmd::kPaintToday));
    EXPECT_EQ(FillsOf(paint(false), DisplaySettings::kTodayColour), 0);
    ASSERT_TRUE(status.Commands().Execute(cmd::kPaintHoliday));
    EXPECT_GT(holidayFills(paint(true)), 0);
}

}  // namespace
}  // namespace qb
