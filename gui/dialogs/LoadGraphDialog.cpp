#include "LoadGraphDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qb {
namespace {

// The fields take any number a user may type: the checks on OK say what is
// wrong with it, in their order.
constexpr int kFieldLimit = 999999;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QSpinBox* NumberField(int value, QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(-kFieldLimit, kFieldLimit);
    field->setValue(value);
    return field;
}

}  // namespace

LoadGraphDialog::LoadGraphDialog(const LoadGraphValues& values, IDialogs::LoadGraphApply apply,
                                 QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
    setWindowTitle(Text("負荷グラフの設定"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    max_ = NumberField(values.max, this);
    form->addRow(Text("グラフの上限値："), max_);
    height_ = NumberField(values.height, this);
    height_->setSuffix(Text(" ピクセル"));
    form->addRow(Text("グラフ表示部の高さ："), height_);
    auto* lineRow = new QHBoxLayout();
    line_ = NumberField(values.auxLine, this);
    lineRow->addWidget(line_, 1);
    lineRow->addWidget(new QLabel(Text("※非表示は 0 を指定"), this));
    form->addRow(Text("補助線の位置(Y)："), lineRow);
    layout->addLayout(form);
    shownOnly_ = new QCheckBox(Text("表示対象になっていないスケジュールは合算しない"), this);
    shownOnly_->setChecked(values.shownOnly);
    layout->addWidget(shownOnly_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadGraphDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LoadGraphDialog::reject);
    layout->addWidget(buttons);
}

LoadGraphValues LoadGraphDialog::Values() const {
    return LoadGraphValues{max_->value(), height_->value(), line_->value(),
                           shownOnly_->isChecked()};
}

void LoadGraphDialog::accept() {
    if (apply_ && !apply_(Values()))
        return;
    QDialog::accept();
}

}  // namespace qb
