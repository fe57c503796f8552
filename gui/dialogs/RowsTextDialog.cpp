#include "RowsTextDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

RowsTextDialog::RowsTextDialog(IDialogs::RowsTextApply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
    setWindowTitle(Text("段の一括挿入"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation =
        new QLabel(Text("1 行が 1 つの段になります。空の行は無視されます。\n"
                        "段の中で改行するには \\n、\\ そのものは \\\\ と書いて下さい。\n"
                        "段は選択されている段の上に、選択がなければ最後に挿入されます。"),
                   this);
    layout->addWidget(explanation);
    auto* label = new QLabel(Text("段のテキスト(&T)："), this);
    layout->addWidget(label);
    text_ = new QPlainTextEdit(this);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTabChangesFocus(true);
    label->setBuddy(text_);
    layout->addWidget(text_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RowsTextDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RowsTextDialog::reject);
    layout->addWidget(buttons);
    resize(520, 420);
}

void RowsTextDialog::accept() {
    if (apply_ && !apply_(text_->toPlainText().toStdString()))
        return;
    QDialog::accept();
}

}  // namespace qb
