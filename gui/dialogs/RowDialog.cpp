#include "RowDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ColourButton.h"
#include "FontButton.h"
#include "FormText.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr std::int32_t kNoFill = 0xFFFFFF;  // white: the row is not filled

}  // namespace

RowDialog::RowDialog(const CRow& values, bool newRow, IDialogs::ObjectPreview preview,
                     QWidget* parent)
    : QDialog(parent),
      original_(static_cast<CRow*>(values.Clone().release())),
      preview_(std::move(preview)) {
    setWindowTitle(Text("段のプロパティ"));
    auto* layout = new QVBoxLayout(this);
    if (newRow) {
        auto* notice = new QLabel(
            Text("新しい段を挿入します。OK を押すと段がプロジェクトに追加されます。"), this);
        notice->setWordWrap(true);
        layout->addWidget(notice);
    }
    auto* form = new QFormLayout();
    caption_ =
        new QPlainTextEdit(QString::fromStdString(FormText::ForEditor(values.GetCaption())), this);
    caption_->setTabChangesFocus(true);
    caption_->setFixedHeight(caption_->fontMetrics().lineSpacing() * 4 + 12);
    connect(caption_, &QPlainTextEdit::textChanged, this, &RowDialog::Changed);
    form->addRow(Text("テキスト(&T)："), caption_);
    font_ = new FontButton(values.GetTextFont(), true, this);
    connect(font_, &FontButton::Changed, this, &RowDialog::Changed);
    form->addRow(Text("フォント(&F)："), font_);
    textColor_ = new ColourButton(values.GetTextColor(), this);
    form->addRow(Text("文字の色(&C)："), textColor_);
    backColor_ = new ColourButton(
        static_cast<std::uint32_t>(values.GetParamInt("_BackColor", kNoFill)), this);
    form->addRow(Text("背景の色(&B)："), backColor_);
    for (ColourButton* button : {textColor_, backColor_})
        connect(button, &QPushButton::clicked, this, &RowDialog::Changed);
    bottomPen_ = new PenEditor(values.GetBottomLinePen(), this);
    rightPen_ = new PenEditor(values.GetRightLinePen(), this);
    for (PenEditor* pen : {bottomPen_, rightPen_})
        connect(pen, &PenEditor::Changed, this, &RowDialog::Changed);
    form->addRow(Text("下の線(&L)："), bottomPen_);
    form->addRow(Text("右の線(&R)："), rightPen_);
    height_ = SizeBox(values.GetHeight(), 4, 1000);
    form->addRow(Text("高さ(&H)："), height_);
    width_ = SizeBox(values.GetWidth(), 8, 1000);
    form->addRow(Text("幅(&W)："), width_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RowDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RowDialog::reject);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(460, 0)));
    // The caption is what one usually types first: typing replaces it.
    caption_->setFocus();
    caption_->selectAll();
    built_ = true;
    // The new row is on the chart from the start, with its defaults.
    if (newRow && preview_.IsOn())
        preview_.Show(Values());
}

RowDialog::~RowDialog() {
    preview_.End();
}

QSpinBox* RowDialog::SizeBox(int value, int minimum, int maximum) {
    auto* box = new QSpinBox(this);
    // A size from an older file outside the range is shown as it is, so that
    // OK does not change it behind the user's back.
    box->setRange(std::min(minimum, value), std::max(maximum, value));
    box->setValue(value);
    box->setSuffix(Text(" ピクセル"));
    box->setMaximumWidth(140);
    connect(box, &QSpinBox::valueChanged, this, &RowDialog::Changed);
    return box;
}

std::unique_ptr<CRow> RowDialog::Values() const {
    std::unique_ptr<CRow> row(static_cast<CRow*>(original_->Clone().release()));
    row->SetCaption(
        FormText::FromEditor(caption_->toPlainText().toStdString(), original_->GetCaption()));
    row->SetTextFont(font_->Font());
    row->SetTextColor(textColor_->Colour());
    const auto back = static_cast<std::int32_t>(backColor_->Colour());
    if (back != original_->GetParamInt("_BackColor", kNoFill))
        row->SetParamInt("_BackColor", back);
    row->SetBottomLinePen(bottomPen_->Pen());
    row->SetRightLinePen(rightPen_->Pen());
    row->SetHeight(height_->value());
    row->SetWidth(width_->value());
    return row;
}

void RowDialog::Changed() {
    if (!built_ || !preview_.IsOn())
        return;
    preview_.Show(Values());
}

void RowDialog::done(int result) {
    preview_.End();
    QDialog::done(result);
}

}  // namespace qb
