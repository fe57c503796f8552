#include "ColumnDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ChoiceBox.h"
#include "ColourButton.h"
#include "ColumnKinds.h"
#include "FontButton.h"
#include "FormText.h"
#include "IPrompt.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr int kMaxWidth = 10000;

}  // namespace

ColumnDialog::ColumnDialog(const CColumn& values, bool newColumn, IPrompt& prompt,
                           IDialogs::ObjectPreview preview, QWidget* parent)
    : QDialog(parent),
      original_(static_cast<CColumn*>(values.Clone().release())),
      prompt_(prompt),
      preview_(std::move(preview)) {
    setWindowTitle(Text("列のプロパティ"));
    auto* layout = new QVBoxLayout(this);
    if (newColumn)
        layout->addWidget(new QLabel(Text("新しい列を追加します。"), this));
    auto* form = new QFormLayout();
    caption_ =
        new QPlainTextEdit(QString::fromStdString(FormText::ForEditor(values.GetCaption())), this);
    caption_->setTabChangesFocus(true);
    caption_->setFixedHeight(caption_->fontMetrics().lineSpacing() * 3 + 12);
    connect(caption_, &QPlainTextEdit::textChanged, this, &ColumnDialog::Changed);
    form->addRow(Text("見出し(&T)："), caption_);
    width_ = new QSpinBox(this);
    // Any number can be typed; OK names a width that is too small.
    width_->setRange(std::min(0, values.GetWidth()), std::max(kMaxWidth, values.GetWidth()));
    width_->setValue(values.GetWidth());
    width_->setSuffix(Text(" ピクセル"));
    width_->setMaximumWidth(140);
    connect(width_, &QSpinBox::valueChanged, this, &ColumnDialog::Changed);
    form->addRow(Text("幅(&W)："), width_);
    kind_ = new ChoiceBox(this);
    for (int kind = 0; kind < ColumnKinds::kCount; ++kind)
        kind_->AddChoice(QString::fromStdString(ColumnKinds::Name(kind)), kind);
    kind_->Select(values.GetParamInt("_Auto", ColumnKinds::kFreeText));
    connect(kind_, &QComboBox::currentIndexChanged, this, &ColumnDialog::Changed);
    form->addRow(Text("表示する内容(&K)："), kind_);
    headerFont_ = new FontButton(values.GetHeaderFont(), true, this);
    headerColor_ = new ColourButton(values.GetHeaderFontColor(), this);
    dataFont_ = new FontButton(values.GetDataFont(), true, this);
    dataColor_ = new ColourButton(values.GetDataFontColor(), this);
    for (FontButton* font : {headerFont_, dataFont_})
        connect(font, &FontButton::Changed, this, &ColumnDialog::Changed);
    for (ColourButton* button : {headerColor_, dataColor_})
        connect(button, &QPushButton::clicked, this, &ColumnDialog::Changed);
    form->addRow(Text("見出しのフォント(&H)："), headerFont_);
    form->addRow(Text("見出しの文字の色(&E)："), headerColor_);
    form->addRow(Text("データのフォント(&D)："), dataFont_);
    form->addRow(Text("データの文字の色(&A)："), dataColor_);
    rightPen_ = new PenEditor(values.GetRightLineCode(), this);
    connect(rightPen_, &PenEditor::Changed, this, &ColumnDialog::Changed);
    form->addRow(Text("右の罫線(&R)："), rightPen_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColumnDialog::reject);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(480, 0)));
    // The caption is what one usually types first: typing replaces it.
    caption_->setFocus();
    caption_->selectAll();
    built_ = true;
}

ColumnDialog::~ColumnDialog() {
    preview_.End();
}

std::unique_ptr<CColumn> ColumnDialog::Values() const {
    std::unique_ptr<CColumn> column(static_cast<CColumn*>(original_->Clone().release()));
    column->SetCaption(
        FormText::FromEditor(caption_->toPlainText().toStdString(), original_->GetCaption()));
    column->SetWidth(width_->value());
    column->SetHeaderFont(headerFont_->Font());
    column->SetHeaderFontColor(headerColor_->Colour());
    column->SetDataFont(dataFont_->Font());
    column->SetDataFontColor(dataColor_->Colour());
    column->SetRightLineCode(rightPen_->Pen());
    const auto kind = static_cast<std::int32_t>(kind_->Value());
    if (kind != original_->GetParamInt("_Auto", ColumnKinds::kFreeText))
        column->SetParamInt("_Auto", kind);
    return column;
}

void ColumnDialog::Changed() {
    // A width that OK would refuse is not shown on the header.
    if (!built_ || !preview_.IsOn() || width_->value() < kMinWidth)
        return;
    preview_.Show(Values());
}

void ColumnDialog::accept() {
    if (width_->value() < kMinWidth) {
        PromptMessage message;
        message.text = QString(Text("幅は %1 以上を入力して下さい。")).arg(kMinWidth).toStdString();
        message.icon = PromptIcon::kWarning;
        prompt_.Show(message);
        width_->setFocus();
        width_->selectAll();
        return;
    }
    QDialog::accept();
}

void ColumnDialog::done(int result) {
    preview_.End();
    QDialog::done(result);
}

}  // namespace qb
