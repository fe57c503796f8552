#include "FilterDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The list shows the empty text by name; the item's data holds the value.
void AddValue(QComboBox* list, const std::string& value) {
    const QString text = QString::fromStdString(value);
    list->addItem(text.isEmpty() ? Text("(空白)") : text, text);
}

}  // namespace

FilterDialog::FilterDialog(const FilterRequest& request, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text("フィルタ"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(Text("「%1」が次のいずれかに一致する段を表示します。")
                       .arg(QString::fromStdString(request.target)
                                .replace(QStringLiteral("\r\n"), QStringLiteral(" "))),
                   this));
    auto* grid = new QGridLayout();
    grid->setColumnStretch(1, 1);
    for (int index = 0; index < FilterRequest::kLists; ++index) {
        auto* label = new QLabel(index == 0 ? Text("値(&V)：") : QStringLiteral("OR"), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lists_[static_cast<std::size_t>(index)] = NewList(request, index);
        if (index == 0)
            label->setBuddy(lists_[0]);
        grid->addWidget(label, index, 0);
        grid->addWidget(lists_[static_cast<std::size_t>(index)], index, 1);
    }
    layout->addLayout(grid);
    if (request.leafRowsOnly)
        layout->addWidget(new QLabel(Text("※末端階層の段のみが条件比較対象です。"), this));
    layout->addWidget(new QLabel(Text("※フィルタの状態はファイルに保存されません。"), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Text("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FilterDialog::reject);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(400, 0)));
}

QComboBox* FilterDialog::NewList(const FilterRequest& request, int index) {
    auto* list = new QComboBox(this);
    list->setMaxVisibleItems(20);
    list->addItem(Text("(設定なし)"));
    for (const std::string& value : request.candidates)
        AddValue(list, value);
    if (static_cast<std::size_t>(index) >= request.chosen.size())
        return list;
    const QString chosen = QString::fromStdString(request.chosen[static_cast<std::size_t>(index)]);
    int at = list->findData(chosen);
    // A value no row holds any more stays offered, so OK keeps the condition.
    if (at <= 0) {
        AddValue(list, chosen.toStdString());
        at = list->count() - 1;
    }
    list->setCurrentIndex(at);
    return list;
}

std::vector<std::string> FilterDialog::Chosen() const {
    std::vector<std::string> chosen;
    for (QComboBox* list : lists_) {
        if (list->currentIndex() > 0)
            chosen.push_back(list->currentData().toString().toStdString());
    }
    return chosen;
}

}  // namespace qb
