#include "ScheduleDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <QSpinBox>
#include "ChoiceBox.h"
#include "ColourButton.h"
#include "DateField.h"
#include "FormText.h"
#include "IPrompt.h"
#include "PenEditor.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

std::string ToStd(const QString& text) {
    return text.toStdString();
}

// The shape list holds type and subtype in one value.
std::int64_t ShapeValue(int type, int subType) {
    return static_cast<std::int64_t>(type) * (std::int64_t{1} << 32) +
           static_cast<std::uint32_t>(subType);
}

constexpr struct {
    const char* name;
    int type;
    int subType;
} kShapes[] = {
    {"線", 0, 0},           {"バー", 0, 1},         {"点（丸）", 1, 0},
    {"点（リング）", 1, 1}, {"点（四角）", 1, 2},   {"点（上三角）", 1, 3},
    {"点（下三角）", 1, 4}, {"点（ひし形）", 1, 5}, {"点（星）", 1, 6},
};

// A date with the offset inside its day beside it.
QHBoxLayout* DateRow(DateField* date, QLineEdit* offset) {
    auto* row = new QHBoxLayout();
    row->addWidget(date, 1);
    row->addWidget(new QLabel(Text("日内の位置："), date->parentWidget()));
    row->addWidget(offset);
    return row;
}

}  // namespace

ScheduleDialog::ScheduleDialog(const CSchedule& values, IPrompt& prompt,
                               IDialogs::ObjectPreview preview, QWidget* parent)
    : QDialog(parent),
      original_(static_cast<CSchedule*>(values.Clone().release())),
      prompt_(prompt),
      preview_(std::move(preview)) {
    setWindowTitle(Text("スケジュールのプロパティ"));
    const ScheduleForm form(values);
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildScheduleTab(form), Text("スケジュール"));
    tabs_->addTab(BuildShapeTab(form), Text("形状"));
    tabs_->addTab(BuildNotesTab(form), Text("備考"));
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ScheduleDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScheduleDialog::reject);
    layout->addWidget(buttons);
    built_ = true;
    UpdateEnabled();
}

ScheduleDialog::~ScheduleDialog() {
    preview_.End();
}

QLineEdit* ScheduleDialog::NumberEdit(const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(FromStd(text), parent);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    connect(edit, &QLineEdit::textChanged, this, &ScheduleDialog::Changed);
    return edit;
}

ChoiceBox* ScheduleDialog::Choices(std::initializer_list<const char*> names, int value,
                                   QWidget* parent) {
    auto* box = new ChoiceBox(parent);
    int stored = 0;
    for (const char* name : names)
        box->AddChoice(Text(name), stored++);
    box->Select(value);
    connect(box, &QComboBox::currentIndexChanged, this, &ScheduleDialog::Changed);
    return box;
}

QWidget* ScheduleDialog::BuildScheduleTab(const ScheduleForm& form) {
    auto* page = new QWidget(this);
    auto* rows = new QFormLayout(page);
    caption_ = new QPlainTextEdit(FromStd(FormText::ForEditor(form.caption)), page);
    caption_->setTabChangesFocus(true);
    caption_->setFixedHeight(caption_->fontMetrics().lineSpacing() * 3 + 12);
    connect(caption_, &QPlainTextEdit::textChanged, this, &ScheduleDialog::Changed);
    rows->addRow(Text("名前："), caption_);
    startDate_ = new DateField(FromStd(form.startDate), page);
    startOffset_ = NumberEdit(form.startOffset, page);
    rows->addRow(Text("開始日："), DateRow(startDate_, startOffset_));
    endDate_ = new DateField(FromStd(form.endDate), page);
    endOffset_ = NumberEdit(form.endOffset, page);
    rows->addRow(Text("終了日："), DateRow(endDate_, endOffset_));
    byDay_ = new QCheckBox(Text("日単位で配置する（日内の位置は1万分の1日単位）"), page);
    byDay_->setChecked(form.byDay);
    connect(byDay_, &QCheckBox::toggled, this, &ScheduleDialog::Changed);
    rows->addRow(QString(), byDay_);
    auto* progressRow = new QHBoxLayout();
    progress_ = NumberEdit(form.progress, page);
    progress_->setPlaceholderText(Text("未設定"));
    progressRow->addWidget(progress_);
    progressRow->addWidget(new QLabel(Text("%（空欄は未設定）"), page));
    progressRow->addStretch(1);
    rows->addRow(Text("進捗率："), progressRow);
    auto* quantityRow = new QHBoxLayout();
    plan_ = NumberEdit(form.plan, page);
    results_ = NumberEdit(form.results, page);
    quantityRow->addWidget(plan_);
    quantityRow->addWidget(new QLabel(Text("実績数量："), page));
    quantityRow->addWidget(results_);
    quantityRow->addStretch(1);
    rows->addRow(Text("予定数量："), quantityRow);
    actualStart_ = new DateField(FromStd(form.actualStartDate), page);
    rows->addRow(Text("実績開始日："), actualStart_);
    actualEnd_ = new DateField(FromStd(form.actualEndDate), page);
    rows->addRow(Text("実績終了日："), actualEnd_);
    weight_ = NumberEdit(form.weight, page);
    rows->addRow(Text("負荷グラフの重み："), weight_);
    for (DateField* field : {startDate_, endDate_, actualStart_, actualEnd_})
        connect(field, &DateField::Changed, this, &ScheduleDialog::Changed);
    return page;
}

QWidget* ScheduleDialog::BuildShapeTab(const ScheduleForm& form) {
    auto* page = new QWidget(this);
    auto* rows = new QFormLayout(page);
    shape_ = new ChoiceBox(page);
    for (const auto& shape : kShapes)
        shape_->AddChoice(Text(shape.name), ShapeValue(shape.type, shape.subType));
    shape_->Select(ShapeValue(form.type, form.subType));
    connect(shape_, &QComboBox::currentIndexChanged, this, &ScheduleDialog::Changed);
    rows->addRow(Text("形状："), shape_);
    height_ = NumberEdit(form.height, page);
    rows->addRow(Text("高さ（ピクセル）："), height_);
    startEdge_ = Choices({"なし", "矢印", "三角", "開いた矢印", "丸"}, form.startEdgeType, page);
    rows->addRow(Text("始点の形："), startEdge_);
    endEdge_ = Choices({"なし", "矢印", "三角", "開いた矢印", "丸"}, form.endEdgeType, page);
    rows->addRow(Text("終点の形："), endEdge_);
    bgColor_ = new ColourButton(form.bgColor, page);
    textColor_ = new ColourButton(form.textColor, page);
    for (ColourButton* button : {bgColor_, textColor_})
        connect(button, &QPushButton::clicked, this, &ScheduleDialog::Changed);
    rows->addRow(Text("塗りつぶしの色："), bgColor_);
    rows->addRow(Text("文字の色："), textColor_);
    edgePen_ = new PenEditor(form.edgePen, page);
    connect(edgePen_, &PenEditor::Changed, this, &ScheduleDialog::Changed);
    rows->addRow(Text("枠線："), edgePen_);
    captionPosition_ = Choices({"内側", "上", "右", "下", "左"}, form.captionPosition, page);
    rows->addRow(Text("名前の位置："), captionPosition_);
    captionHAlign_ = Choices({"左揃え", "中央揃え", "右揃え"}, form.captionHAlign, page);
    rows->addRow(Text("横の配置："), captionHAlign_);
    captionVAlign_ = Choices({"上揃え", "中央揃え", "下揃え"}, form.captionVAlign, page);
    rows->addRow(Text("縦の配置："), captionVAlign_);
    return page;
}

QWidget* ScheduleDialog::BuildNotesTab(const ScheduleForm& form) {
    auto* page = new QWidget(this);
    auto* rows = new QFormLayout(page);
    remark_ = new QPlainTextEdit(FromStd(FormText::ForEditor(form.remark)), page);
    remark_->setTabChangesFocus(true);
    connect(remark_, &QPlainTextEdit::textChanged, this, &ScheduleDialog::Changed);
    rows->addRow(Text("備考："), remark_);
    reference_ = new QLineEdit(FromStd(form.reference), page);
    connect(reference_, &QLineEdit::textChanged, this, &ScheduleDialog::Changed);
    rows->addRow(Text("参照："), reference_);
    return page;
}

ScheduleForm ScheduleDialog::Form() const {
    ScheduleForm form(*original_);
    form.caption = FormText::FromEditor(ToStd(caption_->toPlainText()), original_->GetCaption());
    form.startDate = ToStd(startDate_->Text());
    form.startOffset = ToStd(startOffset_->text());
    form.endDate = ToStd(endDate_->Text());
    form.endOffset = ToStd(endOffset_->text());
    form.byDay = byDay_->isChecked();
    form.progress = ToStd(progress_->text());
    form.plan = ToStd(plan_->text());
    form.results = ToStd(results_->text());
    form.actualStartDate = ToStd(actualStart_->Text());
    form.actualEndDate = ToStd(actualEnd_->Text());
    form.weight = ToStd(weight_->text());
    form.remark =
        FormText::FromEditor(ToStd(remark_->toPlainText()), std::string(original_->GetRemark()));
    form.reference = ToStd(reference_->text());
    const std::int64_t shape = shape_->Value();
    form.type = static_cast<int>(shape >> 32);
    form.subType = static_cast<int>(static_cast<std::uint32_t>(shape & 0xFFFFFFFF));
    form.height = ToStd(height_->text());
    form.startEdgeType = static_cast<int>(startEdge_->Value());
    form.endEdgeType = static_cast<int>(endEdge_->Value());
    form.bgColor = bgColor_->Colour();
    form.textColor = textColor_->Colour();
    form.edgePen = edgePen_->Pen();
    form.captionPosition = static_cast<int>(captionPosition_->Value());
    form.captionHAlign = static_cast<int>(captionHAlign_->Value());
    form.captionVAlign = static_cast<int>(captionVAlign_->Value());
    return form;
}

std::unique_ptr<CSchedule> ScheduleDialog::Values() const {
    std::unique_ptr<CSchedule> values(static_cast<CSchedule*>(original_->Clone().release()));
    Form().Apply(*values);
    return values;
}

void ScheduleDialog::UpdateEnabled() {
    const bool point = Form().IsPoint();
    endDate_->setEnabled(!point);
    endOffset_->setEnabled(!point && byDay_->isChecked());
    actualEnd_->setEnabled(!point);
    startOffset_->setEnabled(byDay_->isChecked());
}

// Shows the values on the chart while they are acceptable; a half-typed
// field leaves the last good preview standing.
void ScheduleDialog::Changed() {
    if (!built_)
        return;
    UpdateEnabled();
    if (!preview_.IsOn() || Form().Check())
        return;
    preview_.Show(Values());
}

void ScheduleDialog::accept() {
    ScheduleForm::Field field{};
    if (const auto refusal = Form().Check(&field)) {
        prompt_.Show(*refusal);
        GoTo(field);
        return;
    }
    QDialog::accept();
}

// Shows the tab of a refused field and puts the cursor in it.
void ScheduleDialog::GoTo(ScheduleForm::Field field) {
    using Field = ScheduleForm::Field;
    QWidget* target = nullptr;
    switch (field) {
        case Field::kStartDate:
            target = startDate_->Edit();
            break;
        case Field::kStartOffset:
            target = startOffset_;
            break;
        case Field::kEndDate:
            target = endDate_->Edit();
            break;
        case Field::kEndOffset:
            target = endOffset_;
            break;
        case Field::kActualStartDate:
            target = actualStart_->Edit();
            break;
        case Field::kActualEndDate:
            target = actualEnd_->Edit();
            break;
        case Field::kProgress:
            target = progress_;
            break;
        case Field::kPlan:
            target = plan_;
            break;
        case Field::kResults:
            target = results_;
            break;
        case Field::kWeight:
            target = weight_;
            break;
        case Field::kHeight:
            target = height_;
            break;
        case Field::kEdgePen:
            target = edgePen_->WidthBox();
            break;
    }
    if (target == nullptr)
        return;
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        if (tabs_->widget(tab)->isAncestorOf(target))
            tabs_->setCurrentIndex(tab);
    }
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
}

void ScheduleDialog::done(int result) {
    preview_.End();
    QDialog::done(result);
}

}  // namespace qb
