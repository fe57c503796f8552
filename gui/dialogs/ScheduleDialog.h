#pragma once

#include <QDialog>
#include <memory>

#include "CSchedule.h"
#include "DialogPreview.h"
#include "IDialogs.h"
#include "ScheduleForm.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace qb {

class ChoiceBox;
class ColourButton;
class DateField;
class IPrompt;
class PenEditor;

// "スケジュールのプロパティ": a schedule's dates, progress, quantities,
// weight and notes, and its shape, colours and caption placement. While it
// is open the chart shows the values as they stand whenever they are
// acceptable; OK keeps the dialog open with a message while one is refused.
class ScheduleDialog : public QDialog {
    Q_OBJECT

public:
    ScheduleDialog(const CSchedule& values, IPrompt& prompt, IDialogs::ObjectPreview preview,
                   QWidget* parent = nullptr);
    ~ScheduleDialog() override;

    // What the fields hold now.
    ScheduleForm Form() const;
    // The schedule with the fields applied (valid once accepted).
    std::unique_ptr<CSchedule> Values() const;

    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* WeightEdit() const { return weight_; }
    QLineEdit* ProgressEdit() const { return progress_; }
    DateField* StartField() const { return startDate_; }
    DateField* EndField() const { return endDate_; }
    ChoiceBox* ShapeBox() const { return shape_; }

    void accept() override;
    void done(int result) override;

private:
    QWidget* BuildScheduleTab(const ScheduleForm& form);
    QWidget* BuildShapeTab(const ScheduleForm& form);
    QWidget* BuildNotesTab(const ScheduleForm& form);
    QLineEdit* NumberEdit(const std::string& text, QWidget* parent);
    ChoiceBox* Choices(std::initializer_list<const char*> names, int value, QWidget* parent);
    void Changed();
    void UpdateEnabled();
    void GoTo(ScheduleForm::Field field);

    std::unique_ptr<CSchedule> original_;
    IPrompt& prompt_;
    DialogPreview preview_;
    bool built_ = false;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* caption_ = nullptr;
    DateField* startDate_ = nullptr;
    QLineEdit* startOffset_ = nullptr;
    DateField* endDate_ = nullptr;
    QLineEdit* endOffset_ = nullptr;
    QCheckBox* byDay_ = nullptr;
    QLineEdit* progress_ = nullptr;
    QLineEdit* plan_ = nullptr;
    QLineEdit* results_ = nullptr;
    DateField* actualStart_ = nullptr;
    DateField* actualEnd_ = nullptr;
    QLineEdit* weight_ = nullptr;
    QPlainTextEdit* remark_ = nullptr;
    QLineEdit* reference_ = nullptr;
    ChoiceBox* shape_ = nullptr;
    QLineEdit* height_ = nullptr;
    ChoiceBox* startEdge_ = nullptr;
    ChoiceBox* endEdge_ = nullptr;
    ColourButton* bgColor_ = nullptr;
    ColourButton* textColor_ = nullptr;
    PenEditor* edgePen_ = nullptr;
    ChoiceBox* captionPosition_ = nullptr;
    ChoiceBox* captionHAlign_ = nullptr;
    ChoiceBox* captionVAlign_ = nullptr;
};

}  // namespace qb
