#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <string>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qb {

class ProjectPageInput;

// The project information page: the file mode with its switch, the file's
// path, and fields for the project's name, display period, row hierarchy and
// numbering, print header, footer and stamp areas, and passwords. The fields
// edit a ProjectPageInput; the page only shows it and forwards the user's
// typing.
class ProjectPage : public QWidget {
    Q_OBJECT

public:
    ProjectPage(ProjectPageInput& input, QWidget* parent = nullptr);

    // The input's values into the fields.
    void ShowInput();
    // The mode line and the path; the fields take input only for a writable
    // document.
    void ShowDocument(bool open, bool shared, bool readOnly, const QString& path);
    void EnableModeSwitch(bool enabled);

    QLabel* ModeStatus() const { return modeStatus_; }
    QPushButton* ModeSwitch() const { return modeSwitch_; }
    QLabel* PathLabel() const { return path_; }
    QLineEdit* TitleField() const { return title_; }
    QLineEdit* PeriodFromField() const { return periodFrom_; }
    QLineEdit* PeriodToField() const { return periodTo_; }
    QRadioButton* BoxButton() const { return box_; }
    QRadioButton* IndentButton() const { return indent_; }
    QComboBox* NumberingChoice() const { return numbering_; }
    QLineEdit* HeaderField() const { return header_; }
    QComboBox* HeaderPosition() const { return headerPosition_; }
    QLineEdit* FooterField() const { return footer_; }
    QComboBox* FooterPosition() const { return footerPosition_; }
    QCheckBox* PrintSigns() const { return printSigns_; }
    QCheckBox* SignsOnFirstPage() const { return signsFirstPage_; }
    QLineEdit* ViewPasswordField() const { return viewPassword_; }
    QLineEdit* ViewPasswordConfirmation() const { return viewConfirm_; }
    QCheckBox* RemoveViewPassword() const { return viewRemove_; }
    QLineEdit* EditPasswordField() const { return editPassword_; }
    QLineEdit* EditPasswordConfirmation() const { return editConfirm_; }
    QCheckBox* RemoveEditPassword() const { return editRemove_; }
    QPushButton* ApplyButton() const { return apply_; }
    QPushButton* RevertButton() const { return revert_; }

signals:
    // The user changed a field.
    void Edited();
    // The apply button, or Enter in a text field.
    void ApplyRequested();
    void ModeSwitchRequested();

private:
    QWidget* BuildModeLine();
    QWidget* BuildProjectGroup();
    QWidget* BuildRowGroup();
    QWidget* BuildPrintGroup();
    QWidget* BuildPasswordGroup();
    QWidget* BuildButtons();
    QLineEdit* AddLine(std::string* field);
    QComboBox* AddPositionChoice(int* field);
    QCheckBox* AddCheck(const char* label, bool* field);
    void AddPasswordRows(QFormLayout* form, const char* name, bool view);
    void ChooseIndented(bool indented);
    void ShowPasswords();
    void UserEdited();
    void UpdateEnabled();

    ProjectPageInput& input_;
    bool writable_ = false;

    QLabel* modeStatus_ = nullptr;
    QPushButton* modeSwitch_ = nullptr;
    QLabel* path_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* periodFrom_ = nullptr;
    QLineEdit* periodTo_ = nullptr;
    QRadioButton* box_ = nullptr;
    QRadioButton* indent_ = nullptr;
    QComboBox* numbering_ = nullptr;
    QLineEdit* header_ = nullptr;
    QComboBox* headerPosition_ = nullptr;
    QLineEdit* footer_ = nullptr;
    QComboBox* footerPosition_ = nullptr;
    QCheckBox* printSigns_ = nullptr;
    QCheckBox* signsFirstPage_ = nullptr;
    QLabel* viewState_ = nullptr;
    QLineEdit* viewPassword_ = nullptr;
    QLineEdit* viewConfirm_ = nullptr;
    QCheckBox* viewRemove_ = nullptr;
    QLabel* editState_ = nullptr;
    QLineEdit* editPassword_ = nullptr;
    QLineEdit* editConfirm_ = nullptr;
    QCheckBox* editRemove_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* revert_ = nullptr;
    QList<QWidget*> fields_;
};

}  // namespace qb
