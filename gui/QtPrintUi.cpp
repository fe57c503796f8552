#include "QtPrintUi.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include "PictureClipboard.h"
#include "PrintEngine.h"
#include "PrintPreviewWindow.h"
#include "QtPrinter.h"
#include "dialogs/PicturePeriodDialog.h"
#include "dialogs/PrintSettingsDialog.h"

namespace qb {
namespace {

// The paper code of a size the system dialog chose; 0 for one the print
// settings do not offer, which keeps the settings' own paper.
int PaperCode(QPageSize::PageSizeId id) {
    switch (id) {
    case QPageSize::A3:
        return 8;
    case QPageSize::JisB4:
        return 12;
    case QPageSize::A4:
        return 9;
    case QPageSize::JisB5:
        return 13;
    case QPageSize::A5:
        return 11;
    case QPageSize::Postcard:
        return 43;
    default:
        return 0;
    }
}

}  // namespace

std::optional<PrintSettings> QtPrintUi::EditSettings(const PrintDialogRequest& request) {
    PrintSettingsDialog dialog(request, QtPrinter::PrinterNames(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Settings();
}

std::unique_ptr<IPrinter> QtPrintUi::ChooseSystemPrinter(PrintSettings& settings) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(settings.copies);
    printer->setPageOrientation(settings.orientation == PrintSettings::kPortrait
                                    ? QPageLayout::Portrait
                                    : QPageLayout::Landscape);
    QPrintDialog dialog(printer.get(), parent_);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    const bool pdf = printer->outputFormat() == QPrinter::PdfFormat;
    settings.printer = pdf ? PrintSettings::kPdfPrinter : printer->printerName().toStdString();
    if (settings.printer.empty())
        settings.printer = "default";
    settings.pdfPath = printer->outputFileName().toStdString();
    settings.copies = printer->copyCount();
    const QPageLayout layout = printer->pageLayout();
    if (const int code = PaperCode(layout.pageSize().id()); code != 0)
        settings.paperSize = code;
    settings.orientation = layout.orientation() == QPageLayout::Portrait
                               ? PrintSettings::kPortrait
                               : PrintSettings::kLandscape;
    const bool pages = dialog.printRange() == QAbstractPrintDialog::PageRange;
    settings.firstPage = pages ? dialog.fromPage() : 0;
    settings.lastPage = pages ? dialog.toPage() : 0;
    return std::make_unique<QtPrinter>(std::move(printer));
}

std::unique_ptr<IPrinter> QtPrintUi::OpenPrinter(const PrintSettings& settings) {
    if (settings.printer == PrintSettings::kPdfPrinter)
        return QtPrinter::ForPdf(settings.pdfPath);
    return QtPrinter::ForPrinter(settings.printer);
}

// Modal, so the main window takes no input until the preview closes.
void QtPrintUi::ShowPreview(PrintEngine& engine) {
    PrintPreviewWindow window(engine, parent_);
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}

std::optional<DatePeriod> QtPrintUi::AskPicturePeriod(const DatePeriod& initial) {
    PicturePeriodDialog dialog(initial, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Period();
}

bool QtPrintUi::CopyPicture(PrintEngine& engine) {
    const DrawSize size = engine.PictureSize();
    return PictureClipboard::Copy(size.width, size.height,
                                  [&engine](QtDrawContext& dc) { engine.DrawPicture(dc); });
}

}  // namespace qb
