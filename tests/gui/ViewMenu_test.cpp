#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CommandIds.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuBuilder.h"
#include "RowHeaderMenu.h"
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

// The right-click menu offers the View menu's row items with their rules
// and labels.
TEST_F(ViewMenuTest, TheRowHeadersMenuActsOnTheSelectedRow) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kMonthTab);
    window.resize(900, 400);
    window.show();
    LoadSample();
    CDisplayModel& model = window.Scene().GetModel();
    ASSERT_TRUE(window.Scene().SelectRowAt(DrawPoint{40, 9}));
    const auto parent = static_cast<std::int32_t>(model.GetSelection()[0]);
    ASSERT_FALSE(model.FindRow(parent)->GetChildren().Empty());

    RowHeaderMenu rowMenu(*window.RowHeaderPane(), status, window.Scene());
    const std::unique_ptr<QMenu> menu(rowMenu.Build(nullptr));
    QList<QAction*> items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            items.append(action);
    }
    ASSERT_EQ(items.size(), 8);
    EXPECT_EQ(items[0]->text(), QString::fromUtf8("非表示(&H)"));
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_FALSE(items[1]->isEnabled()) << "nothing hidden before it";
    EXPECT_EQ(items[5]->text(), QString::fromUtf8("この下の階層を折りたたむ(&-)"));
    // The selected row can be copied; nothing copied can be inserted yet.
    EXPECT_EQ(items[6]->text(), QString::fromUtf8("コピー(&C)"));
    EXPECT_TRUE(items[6]->isEnabled());
    EXPECT_FALSE(items[7]->isEnabled());
    items[5]->trigger();
    EXPECT_TRUE(model.IsFoldedId(parent));
    const std::unique_ptr<QMenu> again(rowMenu.Build(nullptr));
    EXPECT_EQ(again->actions().at(7)->text(), QString::fromUtf8("この下の階層を展開する(&+)"));
}

TEST_F(ViewMenuTest, F7PutsTheDayBeforeTodayAtTheLeftEdge) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.resize(900, 400);
    window.show();
    LoadSample(false);
    QAction* today = window.Menus()->Action(cmd::kToday);
    EXPECT_EQ(today->shortcut(), QKeySequence(Qt::Key_F7));
    ASSERT_TRUE(today->isEnabled());
    today->trigger();
    EXPECT_EQ(window.Scene().LeftDate(), window.Scene().GetToday().DatePart().AddDays(-1));
}

}  // namespace
}  // namespace qb
