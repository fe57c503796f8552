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
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QUrl>
#include <utility>

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
// Blank space kept at the top and bottom of every page's body, so that a
// line pushed to the next page leaves nothing of itself behind.
constexpr double kPageEdgeMm = 2.0;

double MmToDots(double mm) {
    return mm / 25.4 * kResolution;
}

// The page on which the first line of a laid-out block stands.
int PageOf(const QTextDocument& document, const QTextBlock& block) {
    double top = document.documentLayout()->blockBoundingRect(block).top();
    if (block.layout() != nullptr && block.layout()->lineCount() > 0)
        top += block.layout()->lineAt(0).y();
    return static_cast<int>(top / document.pageSize().height());
}

// The first heading whose following text starts on a later page; a heading
// that already starts a page is left as it is.
QTextBlock FirstLoneHeading(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() == 0 || !block.next().isValid() ||
            (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) != 0)
            continue;
        if (PageOf(document, block.next()) > PageOf(document, block))
            return block;
    }
    return {};
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

// A heading left alone at the foot of a page starts the next page instead.
// One at a time: moving a heading moves everything after it.
void ManualPrinter::KeepHeadingsWithText(QTextDocument& document) {
    for (QTextBlock heading = FirstLoneHeading(document); heading.isValid();
         heading = FirstLoneHeading(document)) {
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(heading).mergeBlockFormat(format);
        // The layout only redoes the changed block by itself; the pages after
        // it need the whole document laid out again.
        document.markContentsDirty(0, document.characterCount());
    }
}

// The body of each page shows one page-high slice of the laid-out document;
// the layout keeps lines whole and honours page breaks of the HTML.
void ManualPrinter::PaintPages(QTextDocument& document, QPdfWriter& writer) const {
    const QRectF area = writer.pageLayout().paintRectPixels(kResolution);
    const double footer = MmToDots(kFooterGapMm);
    const QSizeF page(area.width(), area.height() - footer);
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setTopMargin(MmToDots(kPageEdgeMm));
    frame.setBottomMargin(MmToDots(kPageEdgeMm));
    document.rootFrame()->setFrameFormat(frame);
    document.setPageSize(page);
    KeepHeadingsWithText(document);
    const int count = document.pageCount();

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
