#include "PictureClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include "ImageRenderer.h"

namespace qb {

namespace {

constexpr int kDotsPerInch = 96;

}  // namespace

QByteArray PictureClipboard::Svg(int width, int height, const PaintFunction& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(kDotsPerInch);
    generator.setTitle(QStringLiteral("Quellbrandiren"));
    generator.setDescription(QStringLiteral("Vormek"));
    QPainter painter;
    if (!painter.begin(&generator))
        return QByteArray();
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    {
        QtDrawContext dc(painter);
        paint(dc);
    }
    painter.end();
    return bytes;
}

bool PictureClipboard::Copy(int width, int height, const PaintFunction& paint) {
    const QImage image = ImageRenderer::RenderImage(width, height, paint);
    if (image.isNull())
        return false;
    const QByteArray svg = Svg(width, height, paint);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || svg.isEmpty())
        return false;
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), svg);
    data->setImageData(image);
    clipboard->setMimeData(data);
    return clipboard->mimeData() != nullptr &&
           clipboard->mimeData()->hasFormat(QStringLiteral("image/svg+xml"));
}

}  // namespace qb
