#pragma once

#include <QDialog>
#include <array>

#include "LinkedMoveQuestion.h"

class QCheckBox;
class QRadioButton;

namespace qb {

// "連結されたオブジェクトの移動": whether the objects linked to a schedule
// just moved by whole days move along with it (all of them, its successors
// only, or none). F1, F2 and F3 choose an item and close at once.
class LinkedMoveDialog : public QDialog {
    Q_OBJECT

public:
    explicit LinkedMoveDialog(const LinkedMoveQuestion& question, QWidget* parent = nullptr);

    LinkedMoveAnswer Answer() const;
    // The text standing for %s in the items: " 3日右に", " 2日左に".
    static QString Distance(int days);

    QRadioButton* Choice(LinkedChoice choice) const;
    QCheckBox* DontShowBox() const { return dontShow_; }

private:
    void ChooseAndClose(LinkedChoice choice);

    std::array<QRadioButton*, 3> choices_ = {};
    QCheckBox* dontShow_ = nullptr;
};

}  // namespace qb
