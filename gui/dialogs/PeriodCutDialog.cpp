#include "PeriodCutDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>
#include "DayEdit.h"

#include "IPrompt.h"
#include "PeriodCut.h"

namespace qb {
namespace {

using Action = PeriodCutValues::Action;
using Actuals = ShiftDaysValues::Actuals;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

PeriodCutDialog::PeriodCutDialog(const PeriodCutValues& initial, IDialogs::PeriodCutPreview preview,
                                 IPrompt& prompt, QWidget* parent)
    : QDialog(parent), preview_(std::move(preview)), prompt_(prompt) {
    setWindowTitle(Text("期間を指定して削除/切り出し"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        Text("指定した期間（開始日と終了日を含む）に収まるスケジュールとメモを削除します。\n"
             "切り出す場合は、期間より後ろのものを期間の日数だけ左へ詰めます。"),
        this));
    auto* form = new QFormLayout();
    from_ = DayEdit::Create(initial.from, this);
    to_ = DayEdit::Create(initial.to, this);
    form->addRow(Text("開始日(&S)："), from_);
    form->addRow(Text("終了日(&E)："), to_);
    layout->addLayout(form);

    delete_ = new QRadioButton(Text("期間内を削除する(&D)"), this);
    cutOut_ = new QRadioButton(Text("期間を切り出して後ろを詰める(&C)"), this);
    auto* actions = new QButtonGroup(this);
    actions->addButton(delete_);
    actions->addButton(cutOut_);
    (initial.action == Action::kCutOut ? cutOut_ : delete_)->setChecked(true);
    layout->addWidget(delete_);
    layout->addWidget(cutOut_);

    actuals_ = new QComboBox(this);
    for (const char* item :
         {"実績もずらす", "実績はずらさない", "実績はクリアする", "実績も進捗率もクリアする"})
        actuals_->addItem(Text(item));
    actuals_->setCurrentIndex(static_cast<int>(initial.actuals) - 1);
    auto* actualsForm = new QFormLayout();
    auto* actualsLabel = new QLabel(Text("実績の扱い(&A)："), this);
    actualsLabel->setBuddy(actuals_);
    actualsForm->addRow(actualsLabel, actuals_);
    actualsForm->setContentsMargins(24, 0, 0, 0);
    layout->addLayout(actualsForm);

    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PeriodCutDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PeriodCutDialog::reject);
    layout->addWidget(buttons);

    connect(from_, &QDateEdit::dateChanged, this, &PeriodCutDialog::Changed);
    connect(to_, &QDateEdit::dateChanged, this, &PeriodCutDialog::Changed);
    connect(cutOut_, &QRadioButton::toggled, this, &PeriodCutDialog::Changed);
    connect(actuals_, &QComboBox::currentIndexChanged, this, &PeriodCutDialog::Changed);
    Changed();
}

PeriodCutValues PeriodCutDialog::Values() const {
    PeriodCutValues values;
    values.from = DayEdit::Day(*from_);
    values.to = DayEdit::Day(*to_);
    values.action = cutOut_->isChecked() ? Action::kCutOut : Action::kDelete;
    values.actuals = static_cast<Actuals>(actuals_->currentIndex() + 1);
    return values;
}

// The chart shows the values at once; a period that ends before it starts
// shows the chart as it was.
void PeriodCutDialog::Changed() {
    const PeriodCutValues values = Values();
    actuals_->setEnabled(values.action == Action::kCutOut);
    const std::optional<PromptMessage> refusal = PeriodCut::Refusal(values);
    const PeriodCutSummary summary =
        preview_ ? preview_(refusal ? std::nullopt : std::optional(values)) : PeriodCutSummary{};
    summary_->setText(QString::fromStdString(
        refusal ? refusal->text : PeriodCut::Describe(summary, values.action)));
}

// The chart behind shows the preview: the dialog keeps to the window's
// lower right corner instead of its middle.
void PeriodCutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect frame = window->frameGeometry();
        move(frame.right() - frameGeometry().width() - 16,
             frame.bottom() - frameGeometry().height() - 16);
    }
}

void PeriodCutDialog::accept() {
    if (const auto refusal = PeriodCut::Refusal(Values())) {
        prompt_.Show(*refusal);
        to_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace qb
