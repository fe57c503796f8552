#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "PrintEngine.h"
#include "PrintPreviewWindow.h"
#include "dialogs/DateField.h"
#include "dialogs/PicturePeriodDialog.h"
#include "dialogs/PrintSettingsDialog.h"

namespace qb {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

PrintDialogRequest Request(std::function<bool(const PrintSettings&)> accept) {
    PrintDialogRequest request;
    request.settings.printer = "lp0";
    request.settings.paperSize = 12;
    request.settings.orientation = PrintSettings::kPortrait;
    request.settings.marginTop = 150;
    request.settings.pageFormat = 6;
    request.title = "印刷";
    request.okText = "印刷開始";
    request.screen =
        DatePeriod{COleDateTime(2027, 4, 1, 0, 0, 0), COleDateTime(2027, 4, 30, 0, 0, 0)};
    request.accept = std::move(accept);
    return request;
}

TEST(PrintSettingsDialogTest, ShowsTheSettingsAndGivesThemBackInTenthsOfAMillimetre) {
    PrintSettingsDialog dialog(Request(nullptr), {"lp0", "lp1"});
    EXPECT_EQ(dialog.windowTitle(), Q("印刷"));
    EXPECT_EQ(dialog.OkButton()->text(), Q("印刷開始"));
    EXPECT_EQ(dialog.PaperBox()->currentText(), Q("B4"));
    EXPECT_TRUE(dialog.PortraitButton()->isChecked());
    EXPECT_EQ(dialog.MarginBox(1)->value(), 15);
    EXPECT_EQ(dialog.PageFormatBox()->itemText(0), Q("(なし)"));
    EXPECT_EQ(dialog.PageFormatBox()->currentText(), Q("2 / 5"));
    // "画面と同じ" shows the screen's days and keeps them out of the settings.
    EXPECT_TRUE(dialog.ScreenButton()->isChecked());
    EXPECT_EQ(dialog.FromField()->Text(), QStringLiteral("20270401"));
    EXPECT_FALSE(dialog.FromField()->isEnabled());

    dialog.MarginBox(0)->setValue(7);
    dialog.DatesButton()->setChecked(true);
    dialog.FromField()->SetText(QStringLiteral("20270410"));
    dialog.ToField()->SetText(QString());
    const PrintSettings settings = dialog.Settings();
    EXPECT_EQ(settings.marginLeft, 70);
    EXPECT_EQ(settings.range, PrintSettings::Range::kDates);
    EXPECT_EQ(settings.from, COleDateTime(2027, 4, 10, 0, 0, 0));
    EXPECT_FALSE(settings.to.IsValid());
    EXPECT_EQ(settings.paperSize, 12);
}

TEST(PrintSettingsDialogTest, RefusedSettingsKeepTheDialogOpen) {
    int asked = 0;
    bool answer = false;
    PrintSettingsDialog dialog(Request([&](const PrintSettings&) {
                                   ++asked;
                                   return answer;
                               }),
                               {"lp0"});
    dialog.show();
    dialog.accept();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(dialog.isVisible());
    answer = true;
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(PrintSettingsDialogTest, PdfPrinterTakesAFileInsteadOfCopies) {
    PrintSettingsDialog dialog(Request(nullptr), {"lp0"});
    const int pdf = dialog.PrinterBox()->findData(QStringLiteral("PDF"));
    ASSERT_GE(pdf, 0);
    EXPECT_FALSE(dialog.PdfPathEdit()->isEnabled());
    dialog.PrinterBox()->setCurrentIndex(pdf);
    EXPECT_TRUE(dialog.PdfPathEdit()->isEnabled());
    dialog.PdfPathEdit()->setText(QStringLiteral("/tmp/plan.pdf"));
    EXPECT_EQ(dialog.Settings().printer, "PDF");
    EXPECT_EQ(dialog.Settings().pdfPath, "/tmp/plan.pdf");
}

class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() {
        for (int id = 1; id <= 80; ++id) {
            auto row = std::make_unique<CRow>(id);
            row->SetHeight(40);
            row->SetCaption("段" + std::to_string(id));
            project_.GetRows().Add(std::move(row));
        }
        project_.SetDisplayStartDate(COleDateTime(2027, 4, 1, 0, 0, 0));
        project_.SetDisplayEndDate(COleDateTime(2027, 9, 30, 0, 0, 0));
        engine_.Settings().range = PrintSettings::Range::kWholePeriod;
        PrintEngine::Source source;
        source.project = &project_;
        EXPECT_TRUE(engine_.Layout(source, true, COleDateTime()));
    }

    CProject project_;
    PrintEngine engine_;
};

TEST_F(PreviewTest, StepsThroughThePagesAndSaysWhereItIs) {
    PrintPreviewWindow window(engine_);
    const int count = engine_.PageCount();
    ASSERT_GT(count, 2);
    EXPECT_EQ(window.windowTitle(), Q("印刷プレビュー"));
    EXPECT_EQ(window.PageLabel()->text(), QStringLiteral("1 / %1 ページ").arg(count));
    EXPECT_FALSE(window.PreviousButton()->isEnabled());
    window.NextButton()->click();
    EXPECT_EQ(window.PageLabel()->text(), QStringLiteral("2 / %1 ページ").arg(count));
    EXPECT_TRUE(window.PreviousButton()->isEnabled());
    window.ShowPage(count + 3);
    EXPECT_EQ(window.Page(), count - 1);
    EXPECT_FALSE(window.NextButton()->isEnabled());
}

TEST_F(PreviewTest, ZoomStartsAtTheTrueSizeAndScalesThePage) {
    PrintPreviewWindow window(engine_);
    EXPECT_EQ(window.ZoomBox()->currentText(), QStringLiteral("100%"));
    // A4 landscape at 96 dots per inch.
    EXPECT_EQ(window.PageImage().width(), 1122);
    window.SetZoom(50);
    EXPECT_EQ(window.PageImage().width(), 561);
    EXPECT_EQ(window.ZoomBox()->currentText(), QStringLiteral("50%"));
    window.SetZoom(33);
    EXPECT_EQ(window.Zoom(), 50);
}

TEST(PicturePeriodDialogTest, RefusesABackwardPeriod) {
    PicturePeriodDialog dialog(
        DatePeriod{COleDateTime(2027, 4, 1, 0, 0, 0), COleDateTime(2027, 4, 30, 0, 0, 0)});
    EXPECT_EQ(dialog.Period().to, COleDateTime(2027, 4, 30, 0, 0, 0));
    dialog.ToField()->SetText(QStringLiteral("20270301"));
    EXPECT_LT(dialog.Period().to, dialog.Period().from);
}

}  // namespace
}  // namespace qb
