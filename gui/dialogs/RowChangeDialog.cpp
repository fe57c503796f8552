#include "RowChangeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "ColourButton.h"
#include "FontButton.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

RowChangeDialog::RowChangeDialog(const RowChanges& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text("段の一括変更"));
    const RowChanges::Values& v = initial.values;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        Text("「変更する」にチェックを付けた項目を、選択されている全ての段に設定します。"), this));
    auto* grid = new QGridLayout();
    grid->setColumnStretch(2, 1);
    height_ = SizeBox(v.height, 4, 1000);
    connect(height_, &QSpinBox::valueChanged, this, [this] { Tick(kHeight); });
    AddLine(grid, kHeight, "高さ(&H)：", height_, initial.height);
    width_ = SizeBox(v.width, 8, 1000);
    connect(width_, &QSpinBox::valueChanged, this, [this] { Tick(kWidth); });
    AddLine(grid, kWidth, "幅(&W)：", width_, initial.width);
    textColor_ = new ColourButton(v.textColor, this);
    TickOnNewColour(textColor_, kTextColor);
    AddLine(grid, kTextColor, "文字の色(&C)：", textColor_, initial.textColor);
    backColor_ = new ColourButton(v.backColor, this);
    TickOnNewColour(backColor_, kBackColor);
    AddLine(grid, kBackColor, "背景の色(&B)：", backColor_, initial.backColor);
    font_ = new FontButton(v.textFont, true, this);
    connect(font_, &FontButton::Changed, this, [this] { Tick(kTextFont); });
    AddLine(grid, kTextFont, "フォント(&F)：", font_, initial.textFont);
    bottomPen_ = new PenEditor(v.bottomLinePen, this);
    connect(bottomPen_, &PenEditor::Changed, this, [this] { Tick(kBottomPen); });
    AddLine(grid, kBottomPen, "下の線(&L)：", bottomPen_, initial.bottomLinePen);
    rightPen_ = new PenEditor(v.rightLinePen, this);
    connect(rightPen_, &PenEditor::Changed, this, [this] { Tick(kRightPen); });
    AddLine(grid, kRightPen, "右の線(&R)：", rightPen_, initial.rightLinePen);
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RowChangeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RowChangeDialog::reject);
    layout->addWidget(buttons);
}

void RowChangeDialog::AddLine(QGridLayout* grid, Value value, const char* label, QWidget* editor,
                              bool checked) {
    const int line = static_cast<int>(value);
    auto* caption = new QLabel(Text(label), this);
    caption->setBuddy(editor);
    checks_[value] = new QCheckBox(Text("変更する"), this);
    checks_[value]->setChecked(checked);
    grid->addWidget(checks_[value], line, 0);
    grid->addWidget(caption, line, 1);
    grid->addWidget(editor, line, 2);
}

QSpinBox* RowChangeDialog::SizeBox(int value, int minimum, int maximum) {
    auto* box = new QSpinBox(this);
    box->setRange(std::min(minimum, value), std::max(maximum, value));
    box->setValue(value);
    box->setSuffix(Text(" ピクセル"));
    box->setMaximumWidth(140);
    return box;
}

// The button has chosen by the time its click reaches here; a chooser
// closed without a new colour ticks nothing.
void RowChangeDialog::TickOnNewColour(ColourButton* button, Value value) {
    auto before = std::make_shared<std::uint32_t>(button->Colour());
    connect(button, &QPushButton::clicked, this, [this, button, value, before] {
        if (button->Colour() == *before)
            return;
        *before = button->Colour();
        Tick(value);
    });
}

void RowChangeDialog::Tick(Value value) {
    checks_[value]->setChecked(true);
}

RowChanges RowChangeDialog::Changes() const {
    RowChanges changes;
    changes.values.height = height_->value();
    changes.values.width = width_->value();
    changes.values.textColor = textColor_->Colour();
    changes.values.backColor = backColor_->Colour();
    changes.values.textFont = font_->Font();
    changes.values.bottomLinePen = bottomPen_->Pen();
    changes.values.rightLinePen = rightPen_->Pen();
    changes.height = checks_[kHeight]->isChecked();
    changes.width = checks_[kWidth]->isChecked();
    changes.textColor = checks_[kTextColor]->isChecked();
    changes.backColor = checks_[kBackColor]->isChecked();
    changes.textFont = checks_[kTextFont]->isChecked();
    changes.bottomLinePen = checks_[kBottomPen]->isChecked();
    changes.rightLinePen = checks_[kRightPen]->isChecked();
    return changes;
}

void RowChangeDialog::accept() {
    if (!Changes().Any()) {
        reject();
        return;
    }
    QDialog::accept();
}

}  // namespace qb
