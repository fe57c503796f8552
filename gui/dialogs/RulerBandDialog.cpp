#include "RulerBandDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include "IPrompt.h"
#include "RulerBandForm.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

RulerBandDialog::RulerBandDialog(const RulerBandRequest& request, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), request_(request) {
    setWindowTitle(Text(RulerBandForm::kTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(request.upper ? "ルーラーの上段" : "ルーラーの下段"), this));
    auto* form = new QFormLayout();
    units_ = new QComboBox(this);
    for (int unit : RulerBandForm::Units(request.upper))
        units_->addItem(QString::fromStdString(RulerBandForm::UnitName(unit)), unit);
    form->addRow(Text(RulerBandForm::kUnitLabel), units_);
    layout->addLayout(form);
    formats_ = new QListWidget(this);
    layout->addWidget(formats_, 1);
    note_ = new QLabel(this);
    layout->addWidget(note_);
    temporary_ = new QRadioButton(Text(RulerBandForm::kTemporary), this);
    save_ = new QRadioButton(Text(RulerBandForm::kSaveToFile), this);
    save_->setEnabled(request.canSave);
    (request.saveToFile && request.canSave ? save_ : temporary_)->setChecked(true);
    layout->addWidget(temporary_);
    layout->addWidget(save_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RulerBandDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RulerBandDialog::reject);
    layout->addWidget(buttons);

    ShowUnit(request.unit, request.format);
    connect(units_, &QComboBox::currentIndexChanged, this, [this] { ShowUnit(Unit(), 0); });
}

void RulerBandDialog::ShowUnit(int unit, int format) {
    const int index = units_->findData(unit);
    units_->setCurrentIndex(index >= 0 ? index : 0);
    formats_->clear();
    for (const std::string& example : RulerBandForm::Examples(Unit()))
        formats_->addItem(QString::fromStdString(example));
    formats_->setCurrentRow(format >= 0 && format < formats_->count() ? format : 0);
    note_->setText(QString::fromStdString(RulerBandForm::Note(Unit())));
}

int RulerBandDialog::Unit() const {
    return units_->currentData().toInt();
}

RulerBandRequest RulerBandDialog::Request() const {
    RulerBandRequest request = request_;
    request.unit = Unit();
    request.format = std::max(0, formats_->currentRow());
    request.saveToFile = save_->isChecked();
    return request;
}

void RulerBandDialog::accept() {
    if (const auto refusal = RulerBandForm::Validate(Request())) {
        prompt_.Show(*refusal);
        return;
    }
    QDialog::accept();
}

}  // namespace qb
