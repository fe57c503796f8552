#pragma once

#include <QDialog>

#include "RowChanges.h"

class QCheckBox;
class QGridLayout;
class QSpinBox;

namespace qb {

class ColourButton;
class FontButton;
class PenEditor;

// "段の一括変更": the values to give every selected row, each with a
// "変更する" box; only the ticked values change. Editing a value ticks its
// box. OK with nothing ticked changes nothing, as Cancel.
class RowChangeDialog : public QDialog {
    Q_OBJECT

public:
    enum Value {
        kHeight,
        kWidth,
        kTextColor,
        kBackColor,
        kTextFont,
        kBottomPen,
        kRightPen,
        kCount
    };

    explicit RowChangeDialog(const RowChanges& initial, QWidget* parent = nullptr);

    RowChanges Changes() const;

    QCheckBox* ChangeBox(Value value) const { return checks_[value]; }
    QSpinBox* HeightBox() const { return height_; }
    QSpinBox* WidthBox() const { return width_; }
    ColourButton* TextColourButton() const { return textColor_; }
    ColourButton* BackColourButton() const { return backColor_; }
    FontButton* FontBox() const { return font_; }
    PenEditor* BottomPen() const { return bottomPen_; }
    PenEditor* RightPen() const { return rightPen_; }

    void accept() override;

private:
    void AddLine(QGridLayout* grid, Value value, const char* label, QWidget* editor, bool checked);
    QSpinBox* SizeBox(int value, int minimum, int maximum);
    void TickOnNewColour(ColourButton* button, Value value);
    void Tick(Value value);

    QCheckBox* checks_[kCount] = {};
    QSpinBox* height_ = nullptr;
    QSpinBox* width_ = nullptr;
    ColourButton* textColor_ = nullptr;
    ColourButton* backColor_ = nullptr;
    FontButton* font_ = nullptr;
    PenEditor* bottomPen_ = nullptr;
    PenEditor* rightPen_ = nullptr;
};

}  // namespace qb
