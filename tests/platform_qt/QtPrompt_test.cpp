#include "QtPrompt.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace qb {
namespace {

// Runs once the next modal dialog is up: the test plays the user.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog of the expected kind";
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        act(*dialog);
    });
}

void Click(QMessageBox& box, QMessageBox::StandardButton button) {
    ASSERT_NE(box.button(button), nullptr);
    box.button(button)->click();
}

PromptMessage Question() {
    return PromptMessage{147, "保存しますか？", PromptIcon::kQuestion, PromptButtons::kYesNoCancel};
}

// Pairs become Qt filters, the Windows all-files pattern Qt's; a filter cut
// short gives what is complete.
TEST(QtPromptFilters, PairsBecomeQtFiltersAndNamesGetTheDefaultExtension) {
    const std::pair<const char*, QStringList> cases[] = {
        {"Q (*.qbd)|*.qbd|全て (*.*)|*.*||",
         {QStringLiteral("Q (*.qbd)"), QString::fromUtf8("全て (*)")}},
        {"HTML|*.htm;*.html||", {QStringLiteral("HTML (*.htm *.html)")}},
        {"CSV|*.csv|Broken", {QStringLiteral("CSV (*.csv)")}},
        {"", {}},
        {"||", {}},
    };
    for (const auto& [filter, wanted] : cases)
        EXPECT_EQ(QtPrompt::ToQtFilters(filter), wanted) << filter;
    EXPECT_EQ(QtPrompt::WithExtension(QStringLiteral("/a/plan"), "qbd"),
              QStringLiteral("/a/plan.qbd"));
    EXPECT_EQ(QtPrompt::WithExtension(QStringLiteral("/a/plan.csv"), "qbd"),
              QStringLiteral("/a/plan.csv"));
    EXPECT_EQ(QtPrompt::WithExtension(QStringLiteral("/a/plan"), ""), QStringLiteral("/a/plan"));
}

TEST(QtPromptBoxes, TheBoxShowsTheMessageAndAnswersWithTheButtonPressed) {
    QtPrompt prompt;
    WhenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Quellbrandiren"));
        EXPECT_EQ(box.text(), QString::fromUtf8("保存しますか？"));
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        Click(box, QMessageBox::No);
    });
    EXPECT_EQ(prompt.Show(Question()), PromptAnswer::kNo);

    WhenShown<QMessageBox>([](QMessageBox& box) { Click(box, QMessageBox::Yes); });
    EXPECT_EQ(prompt.Show(Question()), PromptAnswer::kYes);

    // Escape cancels where there is a cancel, else it answers the one button.
    WhenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
    EXPECT_EQ(prompt.Show(Question()), PromptAnswer::kCancel);
    WhenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        box.reject();
    });
    EXPECT_EQ(prompt.Show({202, "x", PromptIcon::kWarning, PromptButtons::kOk}), PromptAnswer::kOk);
}

TEST(QtPromptBoxes, TheDontAskBoxReportsItsTick) {
    QtPrompt prompt;
    WhenShown<QMessageBox>([](QMessageBox& box) {
        ASSERT_NE(box.checkBox(), nullptr);
        box.checkBox()->setChecked(true);
        Click(box, QMessageBox::Yes);
    });
    bool dontAsk = false;
    EXPECT_EQ(
        prompt.ShowWithDontAsk({205, "?", PromptIcon::kQuestion, PromptButtons::kYesNo}, dontAsk),
        PromptAnswer::kYes);
    EXPECT_TRUE(dontAsk);
}

TEST(QtPromptText, ASecretIsTypedHiddenAndCancelGivesNothing) {
    QtPrompt prompt;
    WhenShown<QInputDialog>([](QInputDialog& dialog) {
        EXPECT_EQ(dialog.textEchoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog.labelText(), QString::fromUtf8("パスワード"));
        dialog.setTextValue(QStringLiteral("s3cret"));
        dialog.accept();
    });
    EXPECT_EQ(prompt.AskText({"", "パスワード", true}), std::optional<std::string>("s3cret"));

    WhenShown<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompt.AskText({"題", "名前", false}), std::nullopt);
}

TEST(QtPromptFiles, ASavedNameGetsTheDefaultExtension) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtPrompt prompt;
    const QString wanted = dir.filePath(QStringLiteral("plan"));
    WhenShown<QFileDialog>([wanted](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters().size(), 2);
        dialog.selectFile(wanted);
        // As the Save button does: the dialog's own checks run first.
        static_cast<QDialog&>(dialog).accept();
    });
    FileRequest request;
    request.save = true;
    request.filter = "Quellbrandiren ファイル (*.qbd)|*.qbd|全てのファイル (*.*)|*.*||";
    request.defaultExtension = "qbd";
    request.initialName = "新しいファイル.qbd";
    EXPECT_EQ(prompt.ChooseFile(request), (wanted + QStringLiteral(".qbd")).toStdString());

    WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(prompt.ChooseFile(FileRequest{}), std::nullopt);
}

TEST(QtPromptFiles, AnOpenChooserTakesSeveralExistingFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"a.csv", "b.csv"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QtPrompt prompt;
    WhenShown<QFileDialog>([&dir](QFileDialog& dialog) {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFiles);
        dialog.setDirectory(dir.path());
        dialog.selectFile(QStringLiteral("\"a.csv\" \"b.csv\""));
        static_cast<QDialog&>(dialog).accept();
    });
    FileRequest request;
    request.filter = "CSV (*.csv)|*.csv||";
    const std::optional<std::vector<std::string>> files = prompt.ChooseFiles(request);
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(*files,
              (std::vector<std::string>{dir.filePath(QStringLiteral("a.csv")).toStdString(),
                                        dir.filePath(QStringLiteral("b.csv")).toStdString()}));
}

TEST(QtPromptBusy, TheWaitCursorNestsAndEndsWithTheLastCall) {
    {
        QtPrompt prompt;
        prompt.SetBusy(true);
        prompt.SetBusy(true);
        prompt.SetBusy(false);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        prompt.SetBusy(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        prompt.SetBusy(false);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        prompt.SetBusy(true);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "a prompt that ends gives it back";
}

}  // namespace
}  // namespace qb
