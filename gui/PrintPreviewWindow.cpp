#include "PrintPreviewWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "PrintEngine.h"
#include "QtDrawContext.h"

namespace qb {
namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// Tenths of a millimetre per inch, and the screen's dots per inch at 100%.
constexpr double kUnitsPerInch = 254.0;
constexpr double kScreenDpi = 96.0;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(PrintEngine& engine, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setWindowTitle(Q("印刷プレビュー"));
    setModal(true);
    previous_ = new QPushButton(Q("前ページ(&B)"), this);
    next_ = new QPushButton(Q("次ページ(&N)"), this);
    pageLabel_ = new QLabel(this);
    zoomBox_ = new QComboBox(this);
    for (int zoom : kZooms)
        zoomBox_->addItem(QStringLiteral("%1%").arg(zoom), zoom);
    auto* close = new QPushButton(Q("閉じる(&C)"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(previous_);
    bar->addWidget(next_);
    bar->addWidget(pageLabel_);
    bar->addStretch();
    bar->addWidget(new QLabel(Q("拡大率:"), this));
    bar->addWidget(zoomBox_);
    bar->addWidget(close);
    paper_ = new QLabel;
    paper_->setAlignment(Qt::AlignCenter);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(paper_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    QPalette desk = scroll_->palette();
    desk.setColor(QPalette::Dark, QColor(128, 128, 128));
    scroll_->setPalette(desk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll_, 1);
    connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetZoom(zoomBox_->itemData(index).toInt()); });
    zoomBox_->setCurrentIndex(zoomBox_->findData(100));
    resize(1100, 800);
    Refresh();
}

QImage PrintPreviewWindow::RenderPage(PrintEngine& engine, int index, int percent) {
    const DrawSize paper = engine.PaperSize();
    const double scale = kScreenDpi / kUnitsPerInch * percent / 100.0;
    QImage image(std::max(1, static_cast<int>(paper.width * scale)),
                 std::max(1, static_cast<int>(paper.height * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (index < 0 || index >= engine.PageCount())
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(scale, scale);
    {
        QtDrawContext dc(painter);
        engine.DrawPage(index, dc);
    }
    painter.end();
    return image;
}

void PrintPreviewWindow::ShowPage(int index) {
    page_ = std::clamp(index, 0, std::max(0, engine_.PageCount() - 1));
    Refresh();
}

void PrintPreviewWindow::SetZoom(int percent) {
    if (std::find(std::begin(kZooms), std::end(kZooms), percent) == std::end(kZooms))
        return;
    zoom_ = percent;
    const int index = zoomBox_->findData(percent);
    if (zoomBox_->currentIndex() != index)
        zoomBox_->setCurrentIndex(index);
    Refresh();
}

void PrintPreviewWindow::Refresh() {
    const int count = engine_.PageCount();
    char text[64];
    std::snprintf(text, sizeof text, "%d / %d ページ", count > 0 ? page_ + 1 : 0, count);
    pageLabel_->setText(QString::fromUtf8(text));
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    image_ = RenderPage(engine_, page_, zoom_);
    paper_->setPixmap(QPixmap::fromImage(image_));
    paper_->resize(image_.size());
}

void PrintPreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_Right) {
        ShowPage(page_ + 1);
        return;
    }
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_Left) {
        ShowPage(page_ - 1);
        return;
    }
    if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        ShowPage(event->key() == Qt::Key_Home ? 0 : engine_.PageCount() - 1);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace qb
