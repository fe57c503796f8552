#include "MemoDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChoiceBox.h"
#include "ColourButton.h"
#include "FormText.h"
#include "IPrompt.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

MemoDialog::MemoDialog(const CMemo& values, IPrompt& prompt, IDialogs::ObjectPreview preview,
                       QWidget* parent)
    : QDialog(parent),
      original_(static_cast<CMemo*>(values.Clone().release())),
      prompt_(prompt),
      preview_(std::move(preview)) {
    setWindowTitle(Text("メモのプロパティ"));
    const MemoForm form(values);
    auto* layout = new QVBoxLayout(this);
    auto* rows = new QFormLayout();
    text_ = new QPlainTextEdit(QString::fromStdString(FormText::ForEditor(form.text)), this);
    text_->setTabChangesFocus(true);
    connect(text_, &QPlainTextEdit::textChanged, this, &MemoDialog::Changed);
    rows->addRow(Text("テキスト："), text_);
    textColor_ = new ColourButton(form.textColor, this);
    rows->addRow(Text("文字の色："), textColor_);
    auto* fillRow = new QHBoxLayout();
    bgPaint_ = new QCheckBox(Text("背景を塗る"), this);
    bgPaint_->setChecked(form.bgPaint);
    connect(bgPaint_, &QCheckBox::toggled, this, &MemoDialog::Changed);
    bgColor_ = new ColourButton(form.bgColor, this);
    fillRow->addWidget(bgPaint_);
    fillRow->addWidget(bgColor_);
    fillRow->addStretch(1);
    rows->addRow(Text("背景の色："), fillRow);
    for (ColourButton* button : {textColor_, bgColor_})
        connect(button, &QPushButton::clicked, this, &MemoDialog::Changed);
    borderPen_ = new PenEditor(form.borderPen, this);
    connect(borderPen_, &PenEditor::Changed, this, &MemoDialog::Changed);
    rows->addRow(Text("枠線："), borderPen_);
    hAlign_ = Choices({"左揃え", "中央揃え", "右揃え"}, form.hAlign);
    rows->addRow(Text("横の配置："), hAlign_);
    vAlign_ = Choices({"上揃え", "中央揃え", "下揃え"}, form.vAlign);
    rows->addRow(Text("縦の配置："), vAlign_);
    auto* sizeRow = new QHBoxLayout();
    width_ = NumberEdit(form.width);
    height_ = NumberEdit(form.height);
    sizeRow->addWidget(width_);
    sizeRow->addWidget(new QLabel(Text("高さ："), this));
    sizeRow->addWidget(height_);
    sizeRow->addWidget(new QLabel(Text("ピクセル"), this));
    sizeRow->addStretch(1);
    rows->addRow(Text("幅："), sizeRow);
    layout->addLayout(rows);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &MemoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MemoDialog::reject);
    layout->addWidget(buttons);
    built_ = true;
}

MemoDialog::~MemoDialog() {
    preview_.End();
}

ChoiceBox* MemoDialog::Choices(std::initializer_list<const char*> names, int value) {
    auto* box = new ChoiceBox(this);
    int stored = 0;
    for (const char* name : names)
        box->AddChoice(Text(name), stored++);
    box->Select(value);
    connect(box, &QComboBox::currentIndexChanged, this, &MemoDialog::Changed);
    return box;
}

QLineEdit* MemoDialog::NumberEdit(const std::string& text) {
    auto* edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000000")));
    connect(edit, &QLineEdit::textChanged, this, &MemoDialog::Changed);
    return edit;
}

MemoForm MemoDialog::Form() const {
    MemoForm form(*original_);
    form.text = FormText::FromEditor(text_->toPlainText().toStdString(), original_->GetText());
    form.textColor = textColor_->Colour();
    form.bgColor = bgColor_->Colour();
    form.bgPaint = bgPaint_->isChecked();
    form.borderPen = borderPen_->Pen();
    form.hAlign = static_cast<int>(hAlign_->Value());
    form.vAlign = static_cast<int>(vAlign_->Value());
    form.width = width_->text().toStdString();
    form.height = height_->text().toStdString();
    return form;
}

std::unique_ptr<CMemo> MemoDialog::Values() const {
    std::unique_ptr<CMemo> values(static_cast<CMemo*>(original_->Clone().release()));
    Form().Apply(*values);
    return values;
}

void MemoDialog::Changed() {
    if (!built_ || !preview_.IsOn() || Form().Check())
        return;
    preview_.Show(Values());
}

void MemoDialog::accept() {
    if (const auto refusal = Form().Check()) {
        prompt_.Show(*refusal);
        return;
    }
    QDialog::accept();
}

void MemoDialog::done(int result) {
    preview_.End();
    QDialog::done(result);
}

}  // namespace qb
