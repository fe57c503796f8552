#include "PaletteBar.h"

#include <QComboBox>
#include <QLabel>

#include "Palette.h"
#include "ShapeIcon.h"
#include "dialogs/ColourButton.h"

namespace qb {

PaletteBar::PaletteBar(Palette& palette, QWidget* parent)
    : QToolBar(QStringLiteral("パレット"), parent), palette_(palette) {
    setObjectName(QStringLiteral("PaletteBar"));
    setIconSize(QSize(ShapeIcon::kWidth, ShapeIcon::kHeight));

    shapes_ = new QComboBox(this);
    shapes_->setObjectName(QStringLiteral("PaletteShapes"));
    shapes_->setIconSize(iconSize());
    shapes_->setToolTip(QStringLiteral("新しいスケジュールの形状"));
    lines_ = new QComboBox(this);
    lines_->setObjectName(QStringLiteral("PaletteLines"));
    lines_->setIconSize(iconSize());
    lines_->setToolTip(QStringLiteral("新しいリンクの線"));
    fill_ = new ColourButton(palette_.FillColour(), this);
    fill_->setToolTip(QStringLiteral("塗りつぶしの色"));
    pen_ = new ColourButton(palette_.PenColour(), this);
    pen_->setToolTip(QStringLiteral("線の色"));

    addWidget(new QLabel(QStringLiteral("形状 "), this));
    addWidget(shapes_);
    addSeparator();
    addWidget(new QLabel(QStringLiteral("リンク "), this));
    addWidget(lines_);
    addSeparator();
    addWidget(new QLabel(QStringLiteral("塗り "), this));
    addWidget(fill_);
    addWidget(new QLabel(QStringLiteral(" 線 "), this));
    addWidget(pen_);

    connect(shapes_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_)
            palette_.SetCurrentShape(index);
    });
    connect(lines_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_)
            palette_.SetCurrentLine(index);
    });
    // The buttons' own handler has asked for the colour by the time these run.
    connect(fill_, &QPushButton::clicked, this,
            [this] { palette_.SetFillColour(fill_->Colour()); });
    connect(pen_, &QPushButton::clicked, this, [this] { palette_.SetPenColour(pen_->Colour()); });

    Refresh();
    subscription_ = palette_.Subscribe([this] { Refresh(); });
}

PaletteBar::~PaletteBar() {
    palette_.Unsubscribe(subscription_);
}

void PaletteBar::Refresh() {
    if (refreshing_)
        return;
    refreshing_ = true;
    FillShapes();
    FillLines();
    fill_->SetColour(palette_.FillColour());
    pen_->SetColour(palette_.PenColour());
    refreshing_ = false;
}

void PaletteBar::FillShapes() {
    shapes_->clear();
    for (int i = 0; i < palette_.ShapeCount(); ++i) {
        shapes_->addItem(QIcon(ShapeIcon::OfShape(*palette_.ShapeLook(i))),
                         QString::fromStdString(palette_.ShapeName(i)));
    }
    shapes_->setCurrentIndex(palette_.CurrentShapeIndex());
}

void PaletteBar::FillLines() {
    lines_->clear();
    const int last = palette_.LineStyleCount() - 1;
    for (int i = 0; i <= last; ++i) {
        const Palette::LineStyle& line = palette_.GetLineStyle(i);
        CPenInfo pen = line.pen;
        pen.SetColour(palette_.PenColour());
        lines_->addItem(QIcon(ShapeIcon::OfLine(i == last ? nullptr : &pen, line.fromEndStyle,
                                                line.toEndStyle)),
                        QString::fromStdString(line.name));
    }
    lines_->setCurrentIndex(palette_.CurrentLineIndex());
}

}  // namespace qb
