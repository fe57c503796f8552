// The project information page in the window: what it shows, what typing on
// it does to the title and the project, and when it takes no input.
#include "ProjectPage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <initializer_list>

#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CommandIds.h"
#include "GuiFixture.h"
#include "MainWindow.h"

namespace qb {
namespace {

class ProjectPageTest : public GuiFixture {
protected:
    ProjectPageTest() { window.ViewModeChanged(MainWindow::kProjectTab); }

    ProjectPage& Page() { return *window.InformationPage(); }

    // Key presses, as the user types them.
    static void Type(QWidget* field, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    static void Press(QWidget* field, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
    }
    // The user picks an entry of a choice, which a program's choice does not.
    static void Pick(QComboBox* choice, int index) {
        choice->setCurrentIndex(index);
        emit choice->activated(index);
    }
    bool Choose(int id) { return status.Commands().Execute(id); }

    MainWindow window{status};
};

TEST_F(ProjectPageTest, ThePageShowsTheDocumentAndTakesInputOnlyWhenItMayChange) {
    EXPECT_FALSE(Page().TitleField()->isEnabled()) << "no document";
    EXPECT_FALSE(Page().ApplyButton()->isEnabled());

    CProject& project = LoadSample();
    EXPECT_EQ(Page().TitleField()->text().toStdString(), project.GetTitle());
    EXPECT_EQ(Page().HeaderField()->text(), QString::fromUtf8("事務所ビル新築工事"));
    EXPECT_FALSE(Page().PeriodFromField()->text().isEmpty());
    EXPECT_TRUE(Page().BoxButton()->isChecked());
    EXPECT_EQ(Page().PathLabel()->text().toStdString(), status.Doc().Path());
    EXPECT_TRUE(Page().TitleField()->isEnabled());
    EXPECT_FALSE(Page().RemoveViewPassword()->isEnabled()) << "no password to remove";

    Type(Page().TitleField(), QStringLiteral("!"));
    EXPECT_TRUE(Page().ApplyButton()->isEnabled());
    // Another document, or the same file again, shows its own values.
    LoadSample();
    EXPECT_EQ(Page().TitleField()->text().toStdString(), status.GetProject()->GetTitle());
    EXPECT_FALSE(window.HasUnappliedPageInput());

    status.Doc().SetReadOnly(true);
    for (QWidget* field : std::initializer_list<QWidget*>{
             Page().TitleField(), Page().PeriodToField(), Page().IndentButton(),
             Page().NumberingChoice(), Page().FooterPosition(), Page().PrintSigns(),
             Page().EditPasswordField(), Page().ApplyButton()})
        EXPECT_FALSE(field->isEnabled()) << field->metaObject()->className();
}

// The title follows the name as it is typed; leaving the page applies it
// with the numbering, which the row header shows at once.
TEST_F(ProjectPageTest, TypingTheNameRetitlesTheWindowAndLeavingThePageAppliesIt) {
    CProject& project = LoadSample();
    ASSERT_TRUE(Choose(cmd::kViewProject));
    Page().TitleField()->clear();
    Type(Page().TitleField(), QString::fromUtf8("新しい名前"));
    Pick(Page().NumberingChoice(), 2);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("新しい名前 - Quellbrandiren"));
    EXPECT_FALSE(status.Doc().IsModified());
    EXPECT_EQ(window.Scene().GetModel().GetRenban(), 0);

    ASSERT_TRUE(Choose(cmd::kViewMonth));
    EXPECT_EQ(project.GetTitle(), "新しい名前");
    EXPECT_TRUE(status.Doc().IsModified());
    EXPECT_EQ(window.Scene().GetModel().GetRenban(), 2);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("新しい名前 - Quellbrandiren"));

    // With the name emptied on the page the path stands in for it.
    ASSERT_TRUE(Choose(cmd::kViewProject));
    Page().TitleField()->selectAll();
    Press(Page().TitleField(), Qt::Key_Backspace);
    EXPECT_EQ(window.windowTitle().toStdString(), status.Doc().Path() + " - Quellbrandiren");
}

TEST_F(ProjectPageTest, TheApplyButtonAndEnterApplyAndTheRevertButtonForgets) {
    CProject& project = LoadSample();
    Type(Page().FooterField(), QStringLiteral(" 2"));
    Page().ApplyButton()->click();
    EXPECT_EQ(project.GetParam("_Footer"), "株式会社サンプル建設 2");
    EXPECT_TRUE(status.Doc().IsModified());
    EXPECT_FALSE(Page().ApplyButton()->isEnabled());

    Type(Page().HeaderField(), QStringLiteral("x"));
    Page().PrintSigns()->click();
    EXPECT_TRUE(Page().SignsOnFirstPage()->isEnabled());
    // A reload under the page, as shared mode has them, keeps the typing.
    status.Doc().ContentChanged();
    EXPECT_EQ(Page().HeaderField()->text(), QString::fromUtf8("事務所ビル新築工事x"));
    Page().RevertButton()->click();
    EXPECT_EQ(Page().HeaderField()->text(), QString::fromUtf8("事務所ビル新築工事"));
    EXPECT_FALSE(Page().PrintSigns()->isChecked());
    EXPECT_FALSE(window.HasUnappliedPageInput());

    Type(Page().ViewPasswordField(), QStringLiteral("pw"));
    Type(Page().ViewPasswordConfirmation(), QStringLiteral("pw"));
    Press(Page().ViewPasswordConfirmation(), Qt::Key_Return);
    EXPECT_FALSE(project.GetViewPassword().empty());
    EXPECT_TRUE(Page().ViewPasswordField()->text().isEmpty());
    EXPECT_TRUE(Page().RemoveViewPassword()->isEnabled());
}

// Alt and a letter reaches one field of the page, never past a menu title.
TEST_F(ProjectPageTest, ThePageMnemonicsAreUniqueAndLeaveTheMenusTheirs) {
    const auto mnemonic = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toUpper();
    };
    QSet<QChar> taken;
    for (const QAction* menu : window.menuBar()->actions())
        taken.insert(mnemonic(menu->text()));
    QStringList texts;
    for (const QLabel* label : Page().findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : Page().findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QString& text : texts) {
        const QChar letter = mnemonic(text);
        if (letter.isNull())
            continue;
        EXPECT_FALSE(taken.contains(letter)) << text.toStdString();
        taken.insert(letter);
    }
}

}  // namespace
}  // namespace qb
