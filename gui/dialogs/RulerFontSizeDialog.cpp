#include "RulerFontSizeDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QSpinBox* SizeBox(int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(RulerFontSizes::kMin, RulerFontSizes::kMax);
    box->setValue(value);
    return box;
}

}  // namespace

RulerFontSizeDialog::RulerFontSizeDialog(const RulerFontSizes& sizes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text("ルーラーのフォントサイズの設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text("ルーラーのフォントサイズ："), this));
    auto* form = new QFormLayout();
    upper_ = SizeBox(sizes.upper, this);
    lower_ = SizeBox(sizes.lower, this);
    form->addRow(Text("上段"), upper_);
    form->addRow(Text("下段"), lower_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

RulerFontSizes RulerFontSizeDialog::Sizes() const {
    return RulerFontSizes{upper_->value(), lower_->value()};
}

}  // namespace qb
