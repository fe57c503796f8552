#pragma once

#include <QDialog>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace qb {

class FindSession;

// "検索" and "置換": the modeless find window. It shows the session's
// options and list and forwards "検索開始", "一括置換" and double-clicks on
// the list; the session does the work.
class FindDialog : public QDialog {
    Q_OBJECT

public:
    FindDialog(FindSession& session, bool replaceMode, QWidget* parent = nullptr);

    bool IsReplaceMode() const { return replaceMode_; }
    QLineEdit* TextEdit() const { return text_; }
    QLineEdit* ReplacementEdit() const { return replacement_; }
    QCheckBox* OptionBox(int index) const;
    QPushButton* SearchButton() const { return search_; }
    QPushButton* ReplaceButton() const { return replaceAll_; }
    QTreeWidget* List() const { return list_; }

    void Search();
    void ReplaceAll();
    void Jump(int index);

private:
    void AddOptions(QGridLayout& grid, int row);
    void StoreOptions();
    void FillList();

    FindSession& session_;
    bool replaceMode_;
    QLineEdit* text_ = nullptr;
    QLineEdit* replacement_ = nullptr;
    QCheckBox* options_[7] = {};
    QPushButton* search_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

}  // namespace qb
