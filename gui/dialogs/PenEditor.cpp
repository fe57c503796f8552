#include "PenEditor.h"

#include <QHBoxLayout>
#include <QSpinBox>
#include <algorithm>

#include "ChoiceBox.h"
#include "ColourButton.h"
#include "FormPen.h"

namespace qb {

PenEditor::PenEditor(const CPenInfo& pen, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    style_ = new ChoiceBox(this);
    for (int style = 0; style < FormPen::kStyleCount; ++style)
        style_->AddChoice(QString::fromUtf8(FormPen::StyleName(style)), style);
    style_->Select(pen.GetStyle());
    width_ = new QSpinBox(this);
    // A width the dialog cannot take is still shown as it is stored; the
    // check on OK names it.
    width_->setRange(std::min(0, pen.GetWidth()), std::max(FormPen::kMaxWidth, pen.GetWidth()));
    width_->setValue(pen.GetWidth());
    width_->setSuffix(QString::fromUtf8(" ピクセル"));
    colour_ = new ColourButton(pen.GetColour(), this);
    layout->addWidget(style_, 1);
    layout->addWidget(width_);
    layout->addWidget(colour_);
    connect(style_, &QComboBox::currentIndexChanged, this, &PenEditor::Changed);
    connect(width_, &QSpinBox::valueChanged, this, &PenEditor::Changed);
    // Connected after the button's own chooser, so the new colour is in.
    connect(colour_, &QPushButton::clicked, this, &PenEditor::Changed);
}

CPenInfo PenEditor::Pen() const {
    return CPenInfo(static_cast<std::int32_t>(style_->Value()), width_->value(), colour_->Colour());
}

}  // namespace qb
