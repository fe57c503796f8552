#include "MenuBuilder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "CCommandHandler.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuTable.h"
#include "ModeTabBar.h"

namespace qb {
namespace {

class MenuBuilderTest : public GuiFixture {
protected:
    // Opens every menu as the user would, so that each updates its items.
    void ShowAllMenus() {
        for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
            emit menu->aboutToShow();
    }
    void ExpectItemsFollowTheHandler() {
        for (const CommandInfo& info : MenuTable::Items()) {
            if (info.id == 0)
                continue;
            const CommandState state = status.Commands().State(info.id);
            QAction* action = menus.Action(info.id);
            ASSERT_NE(action, nullptr) << info.id;
            EXPECT_EQ(action->isEnabled(), state.enabled) << info.id;
            EXPECT_EQ(action->isChecked(), state.checked) << info.id;
            if (!state.label.empty()) {
                EXPECT_EQ(action->text().toStdString(), state.label) << info.id;
            }
        }
    }

    MainWindow window{status};
    MenuBuilder& menus = *window.Menus();
};

TEST_F(MenuBuilderTest, SubMenuNamesMayHoldASlash) {
    EXPECT_EQ(MenuBuilder::SplitMenuPath(QString::fromUtf8("表示(&V)/表示オン/オフ(&G)")),
              QStringList({QString::fromUtf8("表示(&V)"), QString::fromUtf8("表示オン/オフ(&G)")}));
    const QMenu* menu = menus.Menu(QString::fromUtf8("表示(&V)/表示オン/オフ(&G)"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions().contains(menus.Action(cmd::kPaintHoliday)));
}

TEST_F(MenuBuilderTest, ItemsTakeTheHandlersStateWhenTheirMenuOpens) {
    ShowAllMenus();
    ExpectItemsFollowTheHandler();
    EXPECT_FALSE(menus.Action(cmd::kSave)->isEnabled());
    EXPECT_TRUE(menus.Action(cmd::kExit)->isEnabled());

    // Without opening a menu, so that the shortcut answers at once.
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy()));
    EXPECT_TRUE(menus.Action(cmd::kSave)->isEnabled());
    ShowAllMenus();
    ExpectItemsFollowTheHandler();
    EXPECT_TRUE(menus.Action(cmd::kSave)->isEnabled());
    EXPECT_TRUE(menus.Action(cmd::kPaintHoliday)->isCheckable());
}

// The view modes are one radio group; a toggle shows its new state.
TEST_F(MenuBuilderTest, ModesAndTogglesRunTheirCommandsAndShowTheNewState) {
    menus.Action(cmd::kViewDay)->trigger();
    menus.Action(cmd::kViewYear)->trigger();
    EXPECT_EQ(status.GetViewMode(), CStatus::kYearView);
    EXPECT_FALSE(menus.Action(cmd::kViewDay)->isChecked());
    EXPECT_EQ(window.TabBar()->CurrentTab(), MainWindow::kYearTab);
    LoadSample();
    const bool before = status.Services().Settings().fitX;
    menus.Action(cmd::kFitX)->trigger();
    EXPECT_NE(status.Services().Settings().fitX, before);
    EXPECT_EQ(menus.Action(cmd::kFitX)->isChecked(), status.Services().Settings().fitX);
}

TEST_F(MenuBuilderTest, RecentFilesFollowExitAndAreRebuiltEachTime) {
    LoadSample();
    status.Services().Recent().Add(folder.File("gone.qbd"));
    status.Services().Recent().Add("/work/R&D.qbd");
    status.Services().Recent().Add("/work/R&D.qbd");
    emit menus.FileMenu()->aboutToShow();
    emit menus.FileMenu()->aboutToShow();
    const QList<QAction*> items = menus.FileMenu()->actions();
    const qsizetype exit = items.indexOf(menus.Action(cmd::kExit));
    ASSERT_GE(exit, 0);
    ASSERT_EQ(items.size(), exit + 4) << "exit, a separator and two files, once";
    EXPECT_TRUE(items.at(exit + 1)->isSeparator());
    EXPECT_EQ(items.at(exit + 2)->text(), QStringLiteral("&0 /work/R&&D.qbd"));
    EXPECT_EQ(items.at(exit + 3)->text(), QString::fromStdString("&1 " + folder.File("gone.qbd")));
    ASSERT_EQ(menus.RecentActions().size(), 2);

    // A file that is gone says so and keeps the document.
    menus.RecentActions().last()->trigger();
    EXPECT_TRUE(status.HasDocument());
    EXPECT_EQ(prompt.LastId(), 198);
}

}  // namespace
}  // namespace qb
