#include "HolidayRuleListWidget.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CHoliday.h"
#include "HolidayImport.h"
#include "HolidayImportDialog.h"
#include "HolidayRuleEditDialog.h"
#include "HolidayRuleList.h"

namespace qb {

HolidayRuleListWidget::HolidayRuleListWidget(HolidayRuleList& list, IPrompt& prompt,
                                             QWidget* parent)
    : QWidget(parent), list_(list), prompt_(prompt) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tree_ = NewRuleTree(this);
    layout->addWidget(tree_, 1);

    auto* buttons = new QVBoxLayout;
    auto button = [this, buttons](const QString& label, auto slot) {
        auto* b = new QPushButton(label, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button(QStringLiteral("追加(&A)..."), &HolidayRuleListWidget::AddRule);
    change_ = button(QStringLiteral("変更(&C)..."), &HolidayRuleListWidget::ChangeRule);
    delete_ = button(QStringLiteral("削除(&D)"), &HolidayRuleListWidget::DeleteRule);
    up_ = button(QStringLiteral("上へ(&U)"), [this] { MoveRule(true); });
    down_ = button(QStringLiteral("下へ(&W)"), [this] { MoveRule(false); });
    button(QStringLiteral("並べ替え(&O)"), &HolidayRuleListWidget::SortRules);
    button(QStringLiteral("iCalendar 取り込み(&I)..."), &HolidayRuleListWidget::ImportRules);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &HolidayRuleListWidget::ChangeRule);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &HolidayRuleListWidget::UpdateButtons);
    Refresh();
}

QTreeWidget* HolidayRuleListWidget::NewRuleTree(QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderLabels(
        {QStringLiteral("名称"), QStringLiteral("ルール"), QStringLiteral("適用期間")});
    tree->setRootIsDecorated(false);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

void HolidayRuleListWidget::AddRow(QTreeWidget* tree, const HolidayRuleList::Row& row) {
    tree->addTopLevelItem(
        new QTreeWidgetItem({QString::fromStdString(row.name), QString::fromStdString(row.rule),
                             QString::fromStdString(row.period)}));
}

void HolidayRuleListWidget::Refresh(int current) {
    tree_->clear();
    for (int i = 0; i < list_.Count(); ++i) {
        AddRow(tree_, list_.RowText(i));
    }
    if (current >= 0 && current < list_.Count())
        tree_->setCurrentItem(tree_->topLevelItem(current));
    UpdateButtons();
}

void HolidayRuleListWidget::AddRule() {
    // A new rule starts on today's date.
    HolidayRuleValues values;
    const QDate today = QDate::currentDate();
    values.year = today.year();
    values.month = today.month();
    values.day = today.day();
    HolidayRuleEditDialog dialog(values, prompt_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int index = list_.Add(*dialog.Rule());
    if (index >= 0) {
        Refresh(index);
        emit Changed();
    }
}

void HolidayRuleListWidget::ChangeRule() {
    const int index = Current();
    if (index < 0)
        return;
    HolidayRuleEditDialog dialog(HolidayRuleValues::FromRule(list_.Rule(index)), prompt_, this);
    if (dialog.exec() == QDialog::Accepted && list_.Change(index, *dialog.Rule())) {
        Refresh(index);
        emit Changed();
    }
}

void HolidayRuleListWidget::DeleteRule() {
    const int index = Current();
    if (index >= 0 && list_.Delete(index)) {
        Refresh(std::min(index, list_.Count() - 1));
        emit Changed();
    }
}

void HolidayRuleListWidget::MoveRule(bool up) {
    const int index = Current();
    if (index < 0)
        return;
    Refresh(up ? list_.MoveUp(index) : list_.MoveDown(index));
    emit Changed();
}

void HolidayRuleListWidget::SortRules() {
    if (list_.Sort()) {
        Refresh();
        emit Changed();
    }
}

void HolidayRuleListWidget::ImportRules() {
    HolidayImport import(prompt_);
    if (!import.ChooseAndRead())
        return;
    HolidayImportDialog preview(import, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    const int first = import.AddTo(list_);
    if (first >= 0) {
        Refresh(first);
        emit Changed();
    }
}

int HolidayRuleListWidget::Current() const {
    return tree_->currentItem() ? tree_->indexOfTopLevelItem(tree_->currentItem()) : -1;
}

void HolidayRuleListWidget::UpdateButtons() {
    const bool selected = Current() >= 0;
    for (QPushButton* button : {change_, delete_, up_, down_})
        button->setEnabled(selected);
}

}  // namespace qb
