#include "FindRowDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "RowSearch.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

FindRowDialog::FindRowDialog(RowSearch& search, QWidget* parent)
    : QDialog(parent), search_(search) {
    setWindowTitle(Text("段の検索"));
    auto* grid = new QGridLayout(this);
    auto* label = new QLabel(Text("検索する文字列(&N)："), this);
    text_ = new QLineEdit(this);
    text_->setMinimumWidth(240);
    label->setBuddy(text_);
    grid->addWidget(label, 0, 0);
    grid->addWidget(text_, 0, 1);
    matchCase_ = new QCheckBox(Text("大文字と小文字を区別する(&C)"), this);
    grid->addWidget(matchCase_, 1, 0, 1, 2);
    auto* direction = new QGroupBox(Text("検索する方向"), this);
    auto* directionLayout = new QHBoxLayout(direction);
    up_ = new QRadioButton(Text("上へ(&U)"), direction);
    down_ = new QRadioButton(Text("下へ(&D)"), direction);
    down_->setChecked(true);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);
    grid->addWidget(direction, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout();
    find_ = new QPushButton(Text("次を検索(&F)"), this);
    find_->setDefault(true);
    find_->setEnabled(false);
    auto* close = new QPushButton(Text("閉じる"), this);
    buttons->addWidget(find_);
    buttons->addWidget(close);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2, 3, 1);
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& text) { find_->setEnabled(!text.isEmpty()); });
    connect(find_, &QPushButton::clicked, this, &FindRowDialog::FindNext);
    connect(close, &QPushButton::clicked, this, &FindRowDialog::reject);
}

void FindRowDialog::FindNext() {
    if (text_->text().isEmpty())
        return;
    search_.FindNext(text_->text().toStdString(), matchCase_->isChecked(), down_->isChecked());
    text_->setFocus();
    text_->selectAll();
}

}  // namespace qb
