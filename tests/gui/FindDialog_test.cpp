#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CommandIds.h"
#include "FindCommands.h"
#include "FindSession.h"
#include "GuiFixture.h"
#include "IDocumentView.h"
#include "MainWindow.h"
#include "QtDialogs.h"
#include "dialogs/FindDialog.h"

namespace qb {
namespace {

using FindDialogTest = GuiFixture;

TEST_F(FindDialogTest, OneWindowAtATimeInTheModeAskedFor) {
    QtDialogs dialogs(prompt);
    FindSession& session = status.Commands().Find().Session();
    dialogs.ShowFind(session, false);
    FindDialog* find = dialogs.OpenFindDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->windowTitle(), QString::fromUtf8("検索"));
    EXPECT_FALSE(find->isModal());
    EXPECT_EQ(find->ReplaceButton(), nullptr);
    dialogs.ShowFind(session, false);
    EXPECT_EQ(dialogs.OpenFindDialog(), find);

    dialogs.ShowFind(session, true);
    FindDialog* replace = dialogs.OpenFindDialog();
    ASSERT_NE(replace, nullptr);
    EXPECT_NE(replace, find);
    EXPECT_TRUE(replace->IsReplaceMode());
    EXPECT_EQ(replace->windowTitle(), QString::fromUtf8("置換"));
    EXPECT_EQ(replace->ReplaceButton()->text(), QString::fromUtf8("一括置換"));
    EXPECT_EQ(replace->OptionBox(6)->text(),
              QString::fromUtf8("段の高さから、はみ出て見えないものだけ対象"));
    const QTreeWidget& list = *replace->List();
    const char* captions[] = {"テキスト", "表示状態", "x位置", "y位置"};
    const int widths[] = {140, 75, 90, 100};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.headerItem()->text(i), QString::fromUtf8(captions[i]));
        // The last column also takes what is left of the list's width.
        if (i < 3)
            EXPECT_EQ(list.header()->sectionSize(i), widths[i]);
        else
            EXPECT_GE(list.header()->sectionSize(i), widths[i]);
    }
    replace->close();
}

TEST_F(FindDialogTest, SearchJumpAndReplaceAllGoThroughTheSession) {
    MainWindow window(status);
    LoadSample(false);
    window.ViewModeChanged(MainWindow::kMonthTab);
    FindSession& session = status.Commands().Find().Session();
    FindDialog dialog(session, true);
    dialog.TextEdit()->setText(QString::fromUtf8("検査"));
    dialog.ReplacementEdit()->setText(QString::fromUtf8("確認"));
    dialog.Search();
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(0), QString::fromUtf8("基礎完了検査"));
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(1), QString::fromUtf8("○"));
    dialog.Jump(1);
    EXPECT_EQ(status.View().GetChartScene()->GetModel().GetSelection().size(), 1u);

    dialog.ReplaceAll();
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 0);
    dialog.TextEdit()->setText(QString::fromUtf8("確認"));
    dialog.Search();
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);
    ASSERT_TRUE(status.Commands().Execute(cmd::kUndo));
    dialog.TextEdit()->setText(QString::fromUtf8("検査"));
    dialog.Search();
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 2);
}

}  // namespace
}  // namespace qb
