#pragma once

#include <QDialog>

#include "RulerFontSizes.h"

class QSpinBox;

namespace qb {

// The ruler's font sizes, upper and lower band.
class RulerFontSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit RulerFontSizeDialog(const RulerFontSizes& sizes, QWidget* parent = nullptr);

    RulerFontSizes Sizes() const;

private:
    QSpinBox* upper_ = nullptr;
    QSpinBox* lower_ = nullptr;
};

}  // namespace qb
