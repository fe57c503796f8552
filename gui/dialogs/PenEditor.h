#pragma once

#include <QWidget>

#include "CPenInfo.h"

class QSpinBox;

namespace qb {

class ChoiceBox;
class ColourButton;

// A pen's style, width and colour side by side.
class PenEditor : public QWidget {
    Q_OBJECT

public:
    explicit PenEditor(const CPenInfo& pen, QWidget* parent = nullptr);

    CPenInfo Pen() const;
    ChoiceBox* StyleBox() const { return style_; }
    QSpinBox* WidthBox() const { return width_; }

signals:
    void Changed();

private:
    ChoiceBox* style_ = nullptr;
    QSpinBox* width_ = nullptr;
    ColourButton* colour_ = nullptr;
};

}  // namespace qb
