#include "HolidayImportDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "HolidayImport.h"

namespace qb {

HolidayImportDialog::HolidayImportDialog(const HolidayImport& import, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(HolidayImport::kTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(import.Summary()), this));

    tree_ = new QTreeWidget(this);
    tree_->setHeaderLabels(
        {QStringLiteral("名称"), QStringLiteral("ルール"), QStringLiteral("適用期間")});
    tree_->setRootIsDecorated(false);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const HolidayRuleList::Row& row : import.Preview())
        tree_->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(row.name), QString::fromStdString(row.rule),
                                 QString::fromStdString(row.period)}));
    layout->addWidget(tree_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("追加"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 400);
}

}  // namespace qb
