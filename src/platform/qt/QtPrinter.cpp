#include "QtPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>

namespace qb {

namespace {

// Pages are drawn in tenths of a millimetre: 254 of them to the inch.
constexpr double kUnitsPerInch = 254.0;

}  // namespace

QtPrinter::QtPrinter()
    : own_(std::make_unique<QPrinter>(QPrinter::HighResolution)), printer_(own_.get()) {}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer)
    : own_(std::move(printer)), printer_(own_.get()) {}

QtPrinter::~QtPrinter() {
    page_.reset();
    if (painter_.isActive())
        painter_.end();
}

std::unique_ptr<QtPrinter> QtPrinter::ForPdf(const std::string& path) {
    std::unique_ptr<QtPrinter> printer(new QtPrinter());
    printer->printer_->setOutputFormat(QPrinter::PdfFormat);
    printer->printer_->setOutputFileName(QString::fromStdString(path));
    return printer;
}

std::unique_ptr<QtPrinter> QtPrinter::ForPrinter(const std::string& name) {
    std::unique_ptr<QtPrinter> printer(new QtPrinter());
    printer->printer_->setOutputFormat(QPrinter::NativeFormat);
    printer->printer_->setPrinterName(QString::fromStdString(name));
    return printer;
}

std::vector<std::string> QtPrinter::PrinterNames() {
    std::vector<std::string> names;
    const QString fallback = QPrinterInfo::defaultPrinterName();
    if (!fallback.isEmpty())
        names.push_back(fallback.toStdString());
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        if (name != fallback)
            names.push_back(name.toStdString());
    return names;
}

bool QtPrinter::BeginDocument(const std::string& name, DrawSize paper, int copies) {
    error_.clear();
    const bool landscape = paper.width > paper.height;
    const QSizeF portrait(std::min(paper.width, paper.height) / 10.0,
                          std::max(paper.width, paper.height) / 10.0);
    printer_->setFullPage(true);
    printer_->setPageLayout(QPageLayout(
        QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer_->setDocName(QString::fromStdString(name));
    printer_->setCreator(QStringLiteral("Quellbrandiren"));
    printer_->setCopyCount(std::max(1, copies));
    firstPage_ = true;
    if (!painter_.begin(printer_)) {
        error_ = "the printer could not be opened";
        return false;
    }
    return true;
}

IDrawContext* QtPrinter::BeginPage() {
    if (!painter_.isActive())
        return nullptr;
    if (!firstPage_ && !printer_->newPage())
        return nullptr;
    firstPage_ = false;
    painter_.resetTransform();
    const double scale = printer_->resolution() / kUnitsPerInch;
    painter_.scale(scale, scale);
    page_ = std::make_unique<QtDrawContext>(painter_);
    return page_.get();
}

void QtPrinter::EndPage() {
    page_.reset();
}

bool QtPrinter::EndDocument() {
    page_.reset();
    if (!painter_.isActive())
        return false;
    if (!painter_.end()) {
        error_ = "the document could not be finished";
        return false;
    }
    return printer_->printerState() != QPrinter::Error;
}

}  // namespace qb
