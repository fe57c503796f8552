#include "HolidayFileDialog.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QVBoxLayout>

#include "HolidayFileForm.h"
#include "HolidayRuleListWidget.h"

namespace qb {

HolidayFileDialog::HolidayFileDialog(HolidayFileForm& form, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(QStringLiteral("新規作成(&N)"), this,
                    [this] { RunFileCommand(&HolidayFileForm::NewFile); });
    file->addAction(QStringLiteral("開く(&O)..."), this,
                    [this] { RunFileCommand(&HolidayFileForm::OpenFile); });
    file->addSeparator();
    file->addAction(QStringLiteral("上書き保存(&S)"), this,
                    [this] { RunFileCommand(&HolidayFileForm::Save); });
    file->addAction(QStringLiteral("名前を付けて保存(&A)..."), this,
                    [this] { RunFileCommand(&HolidayFileForm::SaveAs); });
    file->addSeparator();
    file->addAction(QStringLiteral("閉じる(&X)"), this, &QDialog::reject);

    rules_ = new HolidayRuleListWidget(form_.List(), prompt, this);
    layout->addWidget(rules_);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(close);
    setWindowTitle(QString::fromStdString(form_.Title()));
    resize(640, 420);
}

void HolidayFileDialog::RunFileCommand(bool (HolidayFileForm::*command)()) {
    (form_.*command)();
    rules_->Refresh();
    setWindowTitle(QString::fromStdString(form_.Title()));
}

void HolidayFileDialog::reject() {
    if (form_.Close())
        QDialog::reject();
}

}  // namespace qb
