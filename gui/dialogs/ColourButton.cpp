#include "ColourButton.h"

#include <QColorDialog>
#include <QPixmap>

namespace qb {

ColourButton::ColourButton(std::uint32_t colour, QWidget* parent)
    : QPushButton(parent), colour_(colour) {
    setIconSize(QSize(40, 14));
    SetColour(colour);
    connect(this, &QPushButton::clicked, this, &ColourButton::Choose);
}

void ColourButton::SetColour(std::uint32_t colour) {
    colour_ = colour & 0xFFFFFFu;
    QPixmap swatch(iconSize());
    swatch.fill(ToQColor(colour_));
    setIcon(QIcon(swatch));
}

QColor ColourButton::ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t ColourButton::FromQColor(const QColor& colour) {
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

void ColourButton::Choose() {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
    if (chosen.isValid())
        SetColour(FromQColor(chosen));
}

}  // namespace qb
