#pragma once

#include <QDialog>

#include "RulerBandRequest.h"

class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;

namespace qb {

class IPrompt;

// "ルーラーの設定": the unit of one ruler band, the example labels of that
// unit's formats to choose from, and whether the choice is only for now or
// saved in the file. OK keeps the dialog open while the choice is refused.
class RulerBandDialog : public QDialog {
    Q_OBJECT

public:
    RulerBandDialog(const RulerBandRequest& request, IPrompt& prompt, QWidget* parent = nullptr);

    RulerBandRequest Request() const;
    QComboBox* UnitList() const { return units_; }
    QListWidget* FormatList() const { return formats_; }
    QLabel* Note() const { return note_; }
    QRadioButton* SaveChoice() const { return save_; }

    void accept() override;

private:
    void ShowUnit(int unit, int format);
    int Unit() const;

    IPrompt& prompt_;
    RulerBandRequest request_;
    QComboBox* units_ = nullptr;
    QListWidget* formats_ = nullptr;
    QLabel* note_ = nullptr;
    QRadioButton* temporary_ = nullptr;
    QRadioButton* save_ = nullptr;
};

}  // namespace qb
