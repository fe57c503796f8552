#include "ProjectHolidayDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "HolidayRuleListWidget.h"
#include "ProjectHolidayForm.h"

namespace qb {

ProjectHolidayDialog::ProjectHolidayDialog(ProjectHolidayForm& form, IPrompt& prompt,
                                           QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QString::fromUtf8(ProjectHolidayForm::kTitle));
    auto* layout = new QVBoxLayout(this);
    rules_ = new HolidayRuleListWidget(form_.List(), prompt, this);
    layout->addWidget(rules_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
}

// A change that could not be made (the file is held elsewhere) keeps the
// dialog open with the edited rules.
void ProjectHolidayDialog::accept() {
    if (!form_.List().IsModified() || form_.Apply())
        QDialog::accept();
}

void ProjectHolidayDialog::reject() {
    if (form_.Close())
        QDialog::reject();
}

}  // namespace qb
