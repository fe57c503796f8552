#include "ColourButton.h"

#include <QColorDialog>
#include <QMenu>
#include <QPixmap>

#include "CColorRuleArray.h"
#include "ColourRuleChoice.h"

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
    if (!ChooseFromRules())
        ChooseFromGrid();
}

bool ColourButton::ChooseFromRules() {
    if (!rules_ || !ColourRuleChoice::ListsRules(true, *rules_))
        return false;
    QMenu list(this);
    list.addAction(QStringLiteral("その他の色..."))->setData(0);
    const int preselected = ColourRuleChoice::PreselectedItem(*rules_, colour_);
    QAction* active = nullptr;
    for (int i = 0; i < rules_->GetCount(); ++i) {
        const COLORRULE& rule = rules_->At(i);
        QPixmap swatch(iconSize());
        swatch.fill(ToQColor(rule.colour));
        QAction* item = list.addAction(QIcon(swatch), QString::fromStdString(rule.text));
        item->setData(i + 1);
        item->setCheckable(true);
        item->setChecked(i + 1 == preselected);
        if (i + 1 == preselected)
            active = item;
    }
    if (active)
        list.setActiveAction(active);
    const QAction* chosen = list.exec(mapToGlobal(QPoint(0, height())), active);
    if (!chosen)
        return true;
    const int item = chosen->data().toInt();
    if (item == 0) {
        ChooseFromGrid();
    } else if (const auto colour = ColourRuleChoice::ColourOfItem(*rules_, item)) {
        SetColour(*colour);
    }
    return true;
}

void ColourButton::ChooseFromGrid() {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
    if (chosen.isValid())
        SetColour(FromQColor(chosen));
}

}  // namespace qb
