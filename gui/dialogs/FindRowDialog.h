#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qb {

class RowSearch;

// "段の検索": a caption text, case and direction; each "次を検索" selects
// the next row that holds the text and the dialog stays open until
// "閉じる".
class FindRowDialog : public QDialog {
    Q_OBJECT

public:
    explicit FindRowDialog(RowSearch& search, QWidget* parent = nullptr);

    QLineEdit* TextEdit() const { return text_; }
    QCheckBox* MatchCaseBox() const { return matchCase_; }
    QRadioButton* UpButton() const { return up_; }
    QRadioButton* DownButton() const { return down_; }
    QPushButton* FindButton() const { return find_; }

    void FindNext();

private:
    RowSearch& search_;
    QLineEdit* text_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* find_ = nullptr;
};

}  // namespace qb
