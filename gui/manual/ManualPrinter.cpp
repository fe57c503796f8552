#include "ManualPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <utility>

#include "ManualPagination.h"

namespace qb {

namespace {

// Dots per inch of the page coordinates; the text is kept as text, so this
// only sets how finely it is placed.
constexpr int kResolution = 300;
// Page margins in millimetres. The footer takes the last kFooterGapMm of the
// area inside them.
const QMarginsF kMarginsMm(20.0, 18.0, 20.0, 18.0);
constexpr double kBodyPoints = 10.5;
constexpr double kFooterPoints = 8.5;
constexpr double kFooterGapMm = 6.0;
// Blank space kept at the top and bottom of every page's body.
constexpr double kPageEdgeMm = 2.0;

double MmToDots(double mm) {
    return mm / 25.4 * kResolution;
}

}  // namespace

ManualPrinter::ManualPrinter(QString bodyFamily, QString fixedFamily)
    : bodyFamily_(std::move(bodyFamily)), fixedFamily_(std::move(fixedFamily)) {}

bool ManualPrinter::Print(const QString& htmlPath, const QString& pdfPath) {
    error_.clear();
    if (!CheckFonts())
        return false;
    QSaveFile target(pdfPath);
    if (!target.open(QIODevice::WriteOnly)) {
        error_ = target.errorString();
        return false;
    }
    {
        QPdfWriter writer(&target);
        writer.setResolution(kResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         kMarginsMm, QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Quellbrandiren"));
        QTextDocument document;
        // Fonts and pictures are measured for the PDF, not for a screen.
        document.documentLayout()->setPaintDevice(&writer);
        if (!LoadDocument(htmlPath, document) || !CheckPictures(document))
            return false;
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        PaintPages(document, writer);
    }
    if (!target.commit()) {
        error_ = target.errorString();
        return false;
    }
    return true;
}

// Without Japanese glyphs the manual would be boxes; better no manual and a
// build that says why.
bool ManualPrinter::CheckFonts() {
    for (const QString& family : {bodyFamily_, fixedFamily_}) {
        if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) {
            error_ = QStringLiteral("no Japanese font found (fonts-ipafont-gothic); got ") + family;
            return false;
        }
    }
    return true;
}

bool ManualPrinter::LoadDocument(const QString& htmlPath, QTextDocument& document) {
    QFile source(htmlPath);
    if (!source.open(QIODevice::ReadOnly)) {
        error_ = htmlPath + QStringLiteral(": ") + source.errorString();
        return false;
    }
    QFont body(bodyFamily_);
    body.setPointSizeF(kBodyPoints);
    document.setDefaultFont(body);
    document.setDefaultStyleSheet(
        QStringLiteral("code, pre, kbd { font-family: \"%1\"; }").arg(fixedFamily_));
    document.setDocumentMargin(0);
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(htmlPath).absolutePath() + QLatin1Char('/')));
    document.setHtml(QString::fromUtf8(source.readAll()));
    return true;
}

bool ManualPrinter::CheckPictures(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            const QVariant picture = document.resource(QTextDocument::ImageResource, QUrl(name));
            if (!picture.isValid()) {
                error_ = QStringLiteral("picture not found: ") + name;
                return false;
            }
        }
    }
    return true;
}

// The body of each page shows one page-high slice of the laid-out document;
// the layout keeps lines whole and honours page breaks of the HTML.
void ManualPrinter::PaintPages(QTextDocument& document, QPdfWriter& writer) const {
    const QRectF area = writer.pageLayout().paintRectPixels(kResolution);
    const double footer = MmToDots(kFooterGapMm);
    const QSizeF page(area.width(), area.height() - footer);
    const int count = ManualPagination::Paginate(document, page, MmToDots(kPageEdgeMm));

    QFont footerFont(bodyFamily_);
    footerFont.setPointSizeF(kFooterPoints);
    const QString title = document.metaInformation(QTextDocument::DocumentTitle);
    QPainter painter(&writer);
    for (int index = 0; index < count; ++index) {
        if (index > 0)
            writer.newPage();
        const QRectF slice(0.0, index * page.height(), page.width(), page.height());
        painter.save();
        painter.setClipRect(QRectF(QPointF(0.0, 0.0), page));
        painter.translate(0.0, -slice.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = slice;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        const QRectF bottom(0.0, area.height() - footer / 2.0, page.width(), footer / 2.0);
        painter.setFont(footerFont);
        painter.setPen(Qt::darkGray);
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(bottom, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 / %2").arg(index + 1).arg(count));
    }
}

}  // namespace qb
