#pragma once

#include <QDialog>

#include "IDialogs.h"

class QPlainTextEdit;

namespace qb {

// "段の一括挿入": one new row per line of the text. OK hands the text to
// the insertion; when that fails the dialog stays open with the text, so the
// user can try again.
class RowsTextDialog : public QDialog {
    Q_OBJECT

public:
    explicit RowsTextDialog(IDialogs::RowsTextApply apply, QWidget* parent = nullptr);

    QPlainTextEdit* TextEdit() const { return text_; }

    void accept() override;

private:
    IDialogs::RowsTextApply apply_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace qb
