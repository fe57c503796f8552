#include "HolidayImportDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "HolidayImport.h"
#include "HolidayRuleListWidget.h"

namespace qb {

HolidayImportDialog::HolidayImportDialog(const HolidayImport& import, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(HolidayImport::kTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromStdString(import.Summary()), this));

    tree_ = HolidayRuleListWidget::NewRuleTree(this);
    for (const HolidayRuleList::Row& row : import.Preview())
        HolidayRuleListWidget::AddRow(tree_, row);
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
