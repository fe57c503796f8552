#pragma once

#include <QDialog>

class QAction;
class QLineEdit;
class QListWidget;

namespace qb {

class ColourButton;
class ColourRuleForm;

// "色ルールエディタ": the entries of one colour rule set with their swatches,
// a text box and a colour to add a new one, and a menu bar with the file and
// list commands. Every change goes to the form at once; the form asks about
// unsaved changes, also when the dialog closes.
class ColourRuleDialog : public QDialog {
    Q_OBJECT

public:
    ColourRuleDialog(ColourRuleForm& form, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QLineEdit* TextEdit() const { return text_; }
    ColourButton* ColourChoice() const { return colour_; }

    void reject() override;

private:
    void BuildMenu();
    void RunFileCommand(bool (ColourRuleForm::*command)());
    void RunListCommand(void (ColourRuleForm::*command)());
    void Add();
    void Refresh();
    void UpdateStates();

    ColourRuleForm& form_;
    QListWidget* list_ = nullptr;
    QLineEdit* text_ = nullptr;
    ColourButton* colour_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* up_ = nullptr;
    QAction* down_ = nullptr;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* openProject_ = nullptr;
    QAction* useForProject_ = nullptr;
    bool filling_ = false;
};

}  // namespace qb
