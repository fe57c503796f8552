#pragma once

#include <QDialog>

#include "LightningValues.h"

class QCheckBox;
class QDateEdit;
class QSpinBox;

namespace qb {

class ColourButton;

// "イナズマ線の設定": the reference date the progress line stands on, its
// colour and width, and whether it is shown.
class LightningDialog : public QDialog {
    Q_OBJECT

public:
    // today is what the "今日" button sets.
    LightningDialog(const LightningValues& values, const COleDateTime& today,
                    QWidget* parent = nullptr);

    LightningValues Values() const;

private:
    QDateEdit* date_ = nullptr;
    ColourButton* colour_ = nullptr;
    QSpinBox* width_ = nullptr;
    QCheckBox* show_ = nullptr;
};

}  // namespace qb
