#pragma once

#include <QDialog>

#include "IDialogs.h"
#include "LoadGraphValues.h"

class QCheckBox;
class QSpinBox;

namespace qb {

// "負荷グラフの設定": the graph's upper limit, the strip's height, the
// auxiliary line and whether schedules the chart does not show are summed.
// OK hands the values to apply, which checks them; the dialog stays open
// while it refuses them.
class LoadGraphDialog : public QDialog {
    Q_OBJECT

public:
    LoadGraphDialog(const LoadGraphValues& values, IDialogs::LoadGraphApply apply,
                    QWidget* parent = nullptr);

    LoadGraphValues Values() const;
    QSpinBox* MaxField() const { return max_; }
    QSpinBox* HeightField() const { return height_; }
    QSpinBox* LineField() const { return line_; }
    QCheckBox* ShownOnlyBox() const { return shownOnly_; }

public slots:
    void accept() override;

private:
    IDialogs::LoadGraphApply apply_;
    QSpinBox* max_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* line_ = nullptr;
    QCheckBox* shownOnly_ = nullptr;
};

}  // namespace qb
