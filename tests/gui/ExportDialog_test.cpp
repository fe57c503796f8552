#include "dialogs/ExportDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ExportCommand.h"
#include "ScriptedPrompt.h"

namespace qb {
namespace {

TEST(ExportDialogTest, ShowsTheLastChoiceAndOffersTheCsvOptionsForCsvOnly) {
    ScriptedPrompt prompt;
    const ExportValues initial{"/tmp/a.csv", ExportValues::kCsv, {false, false, false}};
    ExportDialog dialog(initial, prompt);
    EXPECT_EQ(dialog.Values(), initial);
    EXPECT_EQ(dialog.PathSeparatorList()->currentText(), QStringLiteral("\\"));
    EXPECT_TRUE(dialog.OptionsBox()->isEnabled());

    dialog.KindButton(ExportValues::kHtml)->setChecked(true);
    EXPECT_FALSE(dialog.OptionsBox()->isEnabled());
    EXPECT_EQ(dialog.Values().kind, ExportValues::kHtml);

    prompt.QueueFile(std::string("/tmp/b.html"));
    dialog.BrowseButton()->click();
    EXPECT_EQ(dialog.Values().path, "/tmp/b.html");
}

// The file dialog starts from the typed name with the kind's extension.
TEST(ExportDialogTest, BrowsingProposesTheExtensionOfTheKind) {
    const struct {
        const char* typed;
        int kind;
        const char* proposed;
    } cases[] = {
        {"/d/a.csv", ExportValues::kHtml, "/d/a.html"},
        {"/d/a.HTM", ExportValues::kXml, "/d/a.xml"},
        {"/d/a.txt", ExportValues::kCsv, "/d/a.txt"},
        {"/d.e/a", ExportValues::kCsv, "/d.e/a"},
        {"", ExportValues::kCsv, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExportDialog::ProposedName(QString::fromUtf8(c.typed), c.kind).toStdString(),
                  c.proposed)
            << c.typed;
}

TEST(ExportDialogTest, AnEmptyNameIsRefusedAndTheDialogStaysOpen) {
    ScriptedPrompt prompt;
    ExportDialog dialog(ExportValues{}, prompt);
    dialog.NameEdit()->setText(QStringLiteral("  "));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    ASSERT_FALSE(prompt.Shown().empty());
    EXPECT_EQ(prompt.Shown().back().text, ExportCommand::kNoFileName.text);
    dialog.NameEdit()->setText(QStringLiteral("/tmp/x.csv"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace qb
