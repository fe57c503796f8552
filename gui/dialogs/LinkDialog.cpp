#include "LinkDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChoiceBox.h"
#include "IPrompt.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

LinkDialog::LinkDialog(const CLink& values, IPrompt& prompt, IDialogs::ObjectPreview preview,
                       QWidget* parent)
    : QDialog(parent),
      original_(static_cast<CLink*>(values.Clone().release())),
      prompt_(prompt),
      preview_(std::move(preview)) {
    setWindowTitle(Text("リンクのプロパティ"));
    const LinkForm form(values);
    auto* layout = new QVBoxLayout(this);
    auto* lineRows = new QFormLayout();
    pen_ = new PenEditor(form.linePen, this);
    connect(pen_, &PenEditor::Changed, this, &LinkDialog::Changed);
    lineRows->addRow(Text("線："), pen_);
    layout->addLayout(lineRows);
    const auto endGroup = [&](const char* title, ChoiceBox*& end, int endStyle, ChoiceBox*& horz,
                              int horzValue, ChoiceBox*& vert, int vertValue) {
        auto* group = new QGroupBox(Text(title), this);
        auto* rows = new QFormLayout(group);
        end = Choices({"なし", "矢印", "三角", "開いた矢印", "丸"}, endStyle);
        rows->addRow(Text("端の形："), end);
        horz = Choices({"左端", "中央", "右端"}, horzValue);
        rows->addRow(Text("横の接続位置："), horz);
        vert = Choices({"上端", "中央", "下端"}, vertValue);
        rows->addRow(Text("縦の接続位置："), vert);
        layout->addWidget(group);
    };
    endGroup("始点", fromEnd_, form.fromEndStyle, fromHorz_, form.fromHorzPosition, fromVert_,
             form.fromVertPosition);
    endGroup("終点", toEnd_, form.toEndStyle, toHorz_, form.toHorzPosition, toVert_,
             form.toVertPosition);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LinkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LinkDialog::reject);
    layout->addWidget(buttons);
    built_ = true;
}

LinkDialog::~LinkDialog() {
    preview_.End();
}

ChoiceBox* LinkDialog::Choices(std::initializer_list<const char*> names, int value) {
    auto* box = new ChoiceBox(this);
    int stored = 0;
    for (const char* name : names)
        box->AddChoice(Text(name), stored++);
    box->Select(value);
    connect(box, &QComboBox::currentIndexChanged, this, &LinkDialog::Changed);
    return box;
}

LinkForm LinkDialog::Form() const {
    LinkForm form(*original_);
    form.linePen = pen_->Pen();
    form.fromEndStyle = static_cast<int>(fromEnd_->Value());
    form.toEndStyle = static_cast<int>(toEnd_->Value());
    form.fromHorzPosition = static_cast<int>(fromHorz_->Value());
    form.fromVertPosition = static_cast<int>(fromVert_->Value());
    form.toHorzPosition = static_cast<int>(toHorz_->Value());
    form.toVertPosition = static_cast<int>(toVert_->Value());
    return form;
}

std::unique_ptr<CLink> LinkDialog::Values() const {
    std::unique_ptr<CLink> values(static_cast<CLink*>(original_->Clone().release()));
    Form().Apply(*values);
    return values;
}

void LinkDialog::Changed() {
    if (!built_ || !preview_.IsOn() || Form().Check())
        return;
    preview_.Show(Values());
}

void LinkDialog::accept() {
    if (const auto refusal = Form().Check()) {
        prompt_.Show(*refusal);
        return;
    }
    QDialog::accept();
}

void LinkDialog::done(int result) {
    preview_.End();
    QDialog::done(result);
}

}  // namespace qb
