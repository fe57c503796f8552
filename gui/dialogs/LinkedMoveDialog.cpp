#include "LinkedMoveDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cstdlib>

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr std::array<const char*, 3> kItems = {
    "連結された全てのオブジェクトを、同様に%1ずらす。(&1) 【F1】",
    "連結されたオブジェクトのうち、このスケジュールの「後続タスクと見なされるもの」のみ、同様に%"
    "1ずらす(&2)。 【F2】",
    "いま操作したスケジュールだけを変更する。(&3) 【F3】",
};

std::size_t Slot(LinkedChoice choice) {
    return static_cast<std::size_t>(choice) - 1;
}

}  // namespace

QString LinkedMoveDialog::Distance(int days) {
    return Text(" %1日%2に").arg(std::abs(days)).arg(days > 0 ? Text("右") : Text("左"));
}

LinkedMoveDialog::LinkedMoveDialog(const LinkedMoveQuestion& question, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Text("連結されたオブジェクトの移動"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        Text("移動したスケジュールは、リンクで他のオブジェクトと連結されています。"), this));
    const QString distance = Distance(question.days);
    for (std::size_t i = 0; i < kItems.size(); ++i) {
        QString item = Text(kItems[i]);
        if (item.contains(QStringLiteral("%1")))
            item = item.arg(distance);
        choices_[i] = new QRadioButton(item, this);
        layout->addWidget(choices_[i]);
    }
    Choice(question.choice)->setChecked(true);
    auto* note = new QLabel(Text("※連結されたオブジェクトは日単位で移動します。時刻やオフセットは"
                                 "変わりません。"),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    dontShow_ = new QCheckBox(Text("次回からこのウィンドウを表示しない(&N)"), this);
    dontShow_->setChecked(question.dontShowAgain);
    layout->addWidget(dontShow_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LinkedMoveDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LinkedMoveDialog::reject);
    layout->addWidget(buttons);
    const std::array<Qt::Key, 3> keys = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        auto* shortcut = new QShortcut(QKeySequence(keys[i]), this);
        const auto choice = static_cast<LinkedChoice>(i + 1);
        connect(shortcut, &QShortcut::activated, this, [this, choice] { ChooseAndClose(choice); });
    }
}

QRadioButton* LinkedMoveDialog::Choice(LinkedChoice choice) const {
    return choices_[Slot(choice)];
}

void LinkedMoveDialog::ChooseAndClose(LinkedChoice choice) {
    Choice(choice)->setChecked(true);
    accept();
}

LinkedMoveAnswer LinkedMoveDialog::Answer() const {
    LinkedMoveAnswer answer;
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i]->isChecked())
            answer.choice = static_cast<LinkedChoice>(i + 1);
    }
    answer.dontShowAgain = dontShow_->isChecked();
    return answer;
}

}  // namespace qb
