// The window's frame around the chart: tabs and their mode boxes, dropped
// files, and closing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QUrl>

#include "AppMessages.h"
#include "CCommandHandler.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "MainWindow.h"
#include "MenuBuilder.h"
#include "ModeTabBar.h"

namespace qb {
namespace {

using MainWindowFrameTest = GuiFixture;

bool Shown(const QWidget* widget) {
    return !widget->isHidden();
}

// Drags the files over the window and lets go; true when the window took
// the drag.
bool Drop(MainWindow& window, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
    return true;
}

// The tab bar's boxes and the project page show the file mode and its switch.
TEST_F(MainWindowFrameTest, TheTabBarBoxesAndTheProjectPageShowTheFileMode) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kProjectTab);
    ModeTabBar* tabs = window.TabBar();
    EXPECT_FALSE(Shown(tabs->ModeBox()));
    EXPECT_FALSE(Shown(tabs->ReadOnlyBox()));
    EXPECT_EQ(window.ModeStatus()->text(), QString::fromUtf8("データがありません"));
    EXPECT_FALSE(window.ModeSwitch()->isEnabled());

    LoadSample();
    EXPECT_TRUE(Shown(tabs->ModeBox()));
    EXPECT_EQ(tabs->ModeBox()->text(), QString::fromUtf8("シングルモード"));
    EXPECT_FALSE(Shown(tabs->ReadOnlyBox()));
    EXPECT_EQ(window.ModeSwitch()->text(), QString::fromUtf8("共有モードに変更"));

    status.GetProject()->SetShared(true);
    status.Doc().SetReadOnly(true);
    EXPECT_EQ(tabs->ModeBox()->text(), QString::fromUtf8("共有モード"));
    EXPECT_TRUE(Shown(tabs->ReadOnlyBox()));
    EXPECT_EQ(window.ModeStatus()->text(), QString::fromUtf8("現在：共有モード"));
    EXPECT_EQ(window.ModeSwitch()->text(), QString::fromUtf8("シングルモードに変更"));

    status.Doc().Close();
    EXPECT_FALSE(Shown(tabs->ModeBox()));
    EXPECT_FALSE(Shown(tabs->ReadOnlyBox()));

    // Choosing a tab runs the view mode command.
    tabs->Tabs()->setCurrentIndex(MainWindow::kYearTab);
    EXPECT_EQ(status.GetViewMode(), CStatus::kYearView);
    EXPECT_EQ(window.ShownMode(), MainWindow::kYearTab);
    EXPECT_TRUE(window.Menus()->Action(cmd::kViewYear)->isChecked());
}

TEST_F(MainWindowFrameTest, ARightClickOnTheTabsPointsToTheProjectPageOnlyWithADocument) {
    MainWindow window(status);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
    QApplication::sendEvent(window.TabBar(), &click);
    EXPECT_TRUE(prompt.Shown().empty());

    LoadSample();
    QApplication::sendEvent(window.TabBar(), &click);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.LastId(), messages::kModeOnPage.id);
    EXPECT_EQ(prompt.Shown().back().icon, PromptIcon::kInformation);
}

TEST_F(MainWindowFrameTest, TheProjectPageKeepsTheKeysItsFieldsNeed) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kProjectTab);
    MenuBuilder& menus = *window.Menus();
    for (const int id : {cmd::kCopy, cmd::kPaste, cmd::kCut, cmd::kUndo, cmd::kRedo,
                         cmd::kSelectAll, cmd::kDelete, cmd::kProperties})
        EXPECT_TRUE(menus.Action(id)->shortcut().isEmpty()) << id;
    EXPECT_EQ(menus.Action(cmd::kOpen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));

    window.ViewModeChanged(MainWindow::kDayTab);
    EXPECT_EQ(menus.Action(cmd::kCopy)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    EXPECT_EQ(menus.Action(cmd::kDelete)->shortcut(), QKeySequence(QStringLiteral("Delete")));
}

TEST_F(MainWindowFrameTest, OnlyTheFirstLocalDroppedFileCountsAndItMustBeOurs) {
    MainWindow window(status);
    EXPECT_FALSE(Drop(window, {QUrl(QStringLiteral("https://example.org/plan.qbd"))}));
    EXPECT_FALSE(Drop(window, {}));
    EXPECT_TRUE(prompt.Shown().empty());

    const std::string text = folder.File("notes.txt");
    TestFolder::Write(text, "just some notes\n");
    const std::string sample = SampleCopy("dropped.qbd");
    const QUrl local[] = {QUrl::fromLocalFile(QString::fromStdString(text)),
                          QUrl::fromLocalFile(QString::fromStdString(sample))};
    ASSERT_TRUE(Drop(window, {local[0], local[1]}));
    EXPECT_EQ(prompt.LastId(), messages::kNotOurFile.id);
    EXPECT_FALSE(window.HasDocument());

    ASSERT_TRUE(Drop(window, {QUrl(QStringLiteral("https://example.org/x.qbd")), local[1]}));
    EXPECT_TRUE(window.HasDocument()) << prompt.LastId();
    EXPECT_EQ(status.Doc().Path(), sample);
}

TEST_F(MainWindowFrameTest, ClosingAsksFirstThenClosesTheDocumentAndKeepsTheRectangle) {
    MainWindow window(status);
    window.setGeometry(120, 80, 700, 500);
    window.show();
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy()));
    status.Doc().MarkModified(true);
    prompt.QueueAnswer(PromptAnswer::kCancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(status.Doc().IsModified());

    prompt.QueueAnswer(PromptAnswer::kNo);
    const QRect area = window.geometry();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.HasDocument());
    const AppSettings& settings = status.Services().Settings();
    EXPECT_EQ(QRect(QPoint(settings.wndLeft, settings.wndTop),
                    QPoint(settings.wndRight - 1, settings.wndBottom - 1)),
              area);
}

TEST_F(MainWindowFrameTest, TheExitCommandClosesTheWindowOnceTheCommandHasEnded) {
    MainWindow window(status);
    window.show();
    ASSERT_TRUE(status.Commands().Execute(cmd::kExit));
    EXPECT_TRUE(window.isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace qb
