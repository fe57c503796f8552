#pragma once

#include <QDialog>

#include "IDialogs.h"
#include "PeriodCutValues.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QRadioButton;

namespace qb {

class IPrompt;

// "期間を指定して削除/切り出し": the first and last day of a period, whether
// to delete what lies in it or to cut it out, and what cutting out does with
// actual dates. Every change is tried on the chart at once, and a line says
// what it touches.
class PeriodCutDialog : public QDialog {
    Q_OBJECT

public:
    PeriodCutDialog(const PeriodCutValues& initial, IDialogs::PeriodCutPreview preview,
                    IPrompt& prompt, QWidget* parent = nullptr);

    PeriodCutValues Values() const;
    QDateEdit* FromEdit() const { return from_; }
    QDateEdit* ToEdit() const { return to_; }
    QRadioButton* CutOutButton() const { return cutOut_; }
    QComboBox* ActualsList() const { return actuals_; }
    QLabel* SummaryLabel() const { return summary_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Changed();

    IDialogs::PeriodCutPreview preview_;
    IPrompt& prompt_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QRadioButton* delete_ = nullptr;
    QRadioButton* cutOut_ = nullptr;
    QComboBox* actuals_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace qb
