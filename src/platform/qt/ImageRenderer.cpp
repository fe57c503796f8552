#include "ImageRenderer.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace qb {

namespace {

// Pictures are laid out in screen pixels at this many dots per inch, which
// fixes their printed size and the point size of their fonts.
constexpr int kDotsPerInch = 96;

bool SizeInRange(int width, int height) {
    return width > 0 && height > 0 && width <= ImageRenderer::kMaxSide &&
           height <= ImageRenderer::kMaxSide;
}

void PaintOn(QPainter& painter, int width, int height, const ImageRenderer::PaintFunction& paint) {
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    QtDrawContext dc(painter);
    paint(dc);
}

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

bool ImageRenderer::Render(const std::string& path, int width, int height,
                           const PaintFunction& paint) {
    error_.clear();
    if (!SizeInRange(width, height)) {
        return Fail("picture size must be 1.." + std::to_string(kMaxSide) + " pixels a side");
    }
    const QString suffix = QFileInfo(ToQString(path)).suffix().toLower();
    if (suffix == QStringLiteral("png")) {
        return RenderPng(path, width, height, paint);
    }
    if (suffix == QStringLiteral("svg")) {
        return RenderSvg(path, width, height, paint);
    }
    if (suffix == QStringLiteral("pdf")) {
        return RenderPdf(path, width, height, paint);
    }
    return Fail("unknown picture type of " + path + ": use .png, .svg or .pdf");
}

QImage ImageRenderer::RenderImage(int width, int height, const PaintFunction& paint) {
    if (!SizeInRange(width, height)) {
        return QImage();
    }
    // RGB32 is a raster target, so the mask mix really combines pixels.
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    QPainter painter(&image);
    PaintOn(painter, width, height, paint);
    painter.end();
    return image;
}

bool ImageRenderer::RenderPng(const std::string& path, int width, int height,
                              const PaintFunction& paint) {
    const QImage image = RenderImage(width, height, paint);
    if (image.isNull()) {
        return Fail("not enough memory for a picture of that size");
    }
    if (!image.save(ToQString(path), "PNG")) {
        return Fail("cannot write " + path);
    }
    return true;
}

bool ImageRenderer::RenderSvg(const std::string& path, int width, int height,
                              const PaintFunction& paint) {
    QSvgGenerator generator;
    generator.setFileName(ToQString(path));
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kDotsPerInch);
    generator.setTitle(QStringLiteral("Quellbrandiren"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return Fail("cannot write " + path);
    }
    PaintOn(painter, width, height, paint);
    if (!painter.end()) {
        return Fail("cannot write " + path);
    }
    return true;
}

bool ImageRenderer::RenderPdf(const std::string& path, int width, int height,
                              const PaintFunction& paint) {
    QPdfWriter writer(ToQString(path));
    writer.setResolution(kDotsPerInch);
    // Points are 1/72 inch; the page is the picture, with no margins.
    const QSizeF points(width * 72.0 / kDotsPerInch, height * 72.0 / kDotsPerInch);
    writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setCreator(QStringLiteral("Quellbrandiren"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Fail("cannot write " + path);
    }
    PaintOn(painter, width, height, paint);
    if (!painter.end()) {
        return Fail("cannot write " + path);
    }
    return true;
}

bool ImageRenderer::Fail(std::string message) {
    error_ = std::move(message);
    return false;
}

}  // namespace qb
