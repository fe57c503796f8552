#pragma once

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qb {

class SignAreaForm;

// "検印欄パターンエディタ": the approval-stamp areas of one file in their
// printed order, the chosen area's text beside the list, the file commands
// above and the project's stamp areas below. Every change goes to the form
// at once; the form refuses what the file cannot hold and asks about unsaved
// changes, also when the dialog closes.
class SignAreaDialog : public QDialog {
    Q_OBJECT

public:
    explicit SignAreaDialog(SignAreaForm& form, QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    QPlainTextEdit* TextEdit() const { return text_; }
    QPushButton* AddButton() const { return add_; }

    void reject() override;

private:
    QWidget* BuildFileButtons();
    QWidget* BuildAreaButtons();
    QWidget* BuildProjectButtons();
    void RunFileCommand(bool (SignAreaForm::*command)());
    void FillList(int current);
    void ShowArea();
    void TextEdited();
    void AddArea();
    void RemoveArea();
    void MoveArea(int step);
    void UpdateTitle();
    int Current() const;

    SignAreaForm& form_;
    QListWidget* list_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* up_ = nullptr;
    QPushButton* down_ = nullptr;
    bool filling_ = false;
};

}  // namespace qb
