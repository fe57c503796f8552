#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QMouseEvent>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CommandIds.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuBuilder.h"
#include "dialogs/ScrollRangeDialog.h"

namespace qb {
namespace {

using ViewMenuTest = GuiFixture;

TEST_F(ViewMenuTest, TheScrollRangeDialogShowsAndReturnsTheDays) {
    ScrollRangeDialog dialog(
        DatePeriod{COleDateTime(2024, 4, 1, 0, 0, 0), COleDateTime(2024, 9, 30, 0, 0, 0)});
    EXPECT_EQ(dialog.FromEdit()->date(), QDate(2024, 4, 1));
    EXPECT_EQ(dialog.ToEdit()->date(), QDate(2024, 9, 30));
    dialog.ToEdit()->setDate(QDate(2025, 2, 28));
    const DatePeriod period = dialog.Period();
    EXPECT_EQ(period.from, COleDateTime(2024, 4, 1, 0, 0, 0));
    EXPECT_EQ(period.to, COleDateTime(2025, 2, 28, 0, 0, 0));
}

// A click on a row's caption selects it, and the menu's hide item then
// acts on it; the item that shows every row again takes it back.
TEST_F(ViewMenuTest, ARowClickedInTheHeaderIsWhatTheMenuHides) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kMonthTab);
    window.resize(900, 400);
    window.show();
    LoadSample();
    CDisplayModel& model = window.Scene().GetModel();
    QAction* hide = window.Menus()->Action(cmd::kHide);
    EXPECT_FALSE(hide->isEnabled());

    const QPointF caption(150, 9);
    QMouseEvent press(QEvent::MouseButtonPress, caption,
                      window.RowHeaderPane()->mapToGlobal(caption), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window.RowHeaderPane(), &press);
    ASSERT_EQ(model.GetSelection().size(), 1u);
    const auto id = static_cast<std::int32_t>(model.GetSelection()[0]);
    ASSERT_TRUE(hide->isEnabled());
    const int height = window.Scene().TotalHeight();
    hide->trigger();
    EXPECT_TRUE(model.IsRowHiddenId(id));
    EXPECT_LT(window.Scene().TotalHeight(), height);
    QAction* showAll = window.Menus()->Action(cmd::kShowAllRows);
    ASSERT_TRUE(showAll->isEnabled());
    showAll->trigger();
    EXPECT_FALSE(model.IsRowHiddenId(id));
    EXPECT_EQ(window.Scene().TotalHeight(), height);
}

TEST_F(ViewMenuTest, F7PutsTheDayBeforeTodayAtTheLeftEdge) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.resize(900, 400);
    window.show();
    LoadSample();
    QAction* today = window.Menus()->Action(cmd::kToday);
    EXPECT_EQ(today->shortcut(), QKeySequence(Qt::Key_F7));
    ASSERT_TRUE(today->isEnabled());
    today->trigger();
    EXPECT_EQ(window.Scene().LeftDate(), window.Scene().GetToday().DatePart().AddDays(-1));
}

}  // namespace
}  // namespace qb
