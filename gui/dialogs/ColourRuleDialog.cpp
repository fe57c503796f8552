#include "ColourRuleDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColourButton.h"
#include "ColourRuleForm.h"

namespace qb {
namespace {

QIcon Swatch(ColorRef colour) {
    QPixmap swatch(32, 14);
    swatch.fill(ColourButton::ToQColor(colour));
    return QIcon(swatch);
}

}  // namespace

ColourRuleDialog::ColourRuleDialog(ColourRuleForm& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    BuildMenu();
    list_ = new QListWidget(this);
    list_->setIconSize(QSize(32, 14));
    layout->addWidget(list_);

    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel(QStringLiteral("テキスト:"), this));
    text_ = new QLineEdit(this);
    entry->addWidget(text_, 1);
    colour_ = new ColourButton(0x0000FF, this);
    entry->addWidget(colour_);
    auto* add = new QPushButton(QStringLiteral("追加(&A)"), this);
    entry->addWidget(add);
    layout->addLayout(entry);

    auto* moves = new QHBoxLayout;
    for (QAction* action : {delete_, up_, down_}) {
        auto* button = new QPushButton(action->text(), this);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        moves->addWidget(button);
    }
    moves->addStretch();
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    moves->addWidget(close);
    layout->addLayout(moves);

    connect(add, &QPushButton::clicked, this, &ColourRuleDialog::Add);
    connect(text_, &QLineEdit::returnPressed, this, &ColourRuleDialog::Add);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_) {
            form_.Select(row);
            UpdateStates();
        }
    });
    resize(420, 360);
    Refresh();
}

void ColourRuleDialog::BuildMenu() {
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(QStringLiteral("新規作成(&N)"), this,
                    [this] { RunFileCommand(&ColourRuleForm::NewFile); });
    file->addAction(QStringLiteral("開く(&O)..."), this,
                    [this] { RunFileCommand(&ColourRuleForm::OpenFile); });
    openProject_ = file->addAction(QStringLiteral("現在の色ルールファイルを開く(&C)"), this,
                                   [this] { RunFileCommand(&ColourRuleForm::OpenProjectFile); });
    useForProject_ =
        file->addAction(QStringLiteral("このファイルを現在のプロジェクトで使う(&P)"), this,
                        [this] { RunFileCommand(&ColourRuleForm::UseForProject); });
    file->addSeparator();
    save_ = file->addAction(QStringLiteral("上書き保存(&S)"), this,
                            [this] { RunFileCommand(&ColourRuleForm::Save); });
    saveAs_ = file->addAction(QStringLiteral("名前を付けて保存(&A)..."), this,
                              [this] { RunFileCommand(&ColourRuleForm::SaveAs); });
    file->addSeparator();
    file->addAction(QStringLiteral("閉じる(&X)"), this, &QDialog::reject);
    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    delete_ = edit->addAction(QStringLiteral("削除(&D)"), this,
                              [this] { RunListCommand(&ColourRuleForm::Delete); });
    up_ = edit->addAction(QStringLiteral("上へ(&U)"), this,
                          [this] { RunListCommand(&ColourRuleForm::MoveUp); });
    down_ = edit->addAction(QStringLiteral("下へ(&W)"), this,
                            [this] { RunListCommand(&ColourRuleForm::MoveDown); });
}

void ColourRuleDialog::RunFileCommand(bool (ColourRuleForm::*command)()) {
    (form_.*command)();
    Refresh();
}

void ColourRuleDialog::RunListCommand(void (ColourRuleForm::*command)()) {
    (form_.*command)();
    Refresh();
}

void ColourRuleDialog::Add() {
    if (form_.Add(text_->text().toStdString(), colour_->Colour())) {
        text_->clear();
        form_.Select(form_.Rules().GetCount() - 1);
    }
    Refresh();
    text_->setFocus();
}

void ColourRuleDialog::Refresh() {
    filling_ = true;
    list_->clear();
    for (const COLORRULE& rule : form_.Rules())
        list_->addItem(new QListWidgetItem(Swatch(rule.colour), QString::fromStdString(rule.text)));
    list_->setCurrentRow(form_.Selected());
    filling_ = false;
    setWindowTitle(QString::fromStdString(form_.Title()));
    UpdateStates();
}

void ColourRuleDialog::UpdateStates() {
    delete_->setEnabled(form_.CanDelete());
    up_->setEnabled(form_.CanMove());
    down_->setEnabled(form_.CanMove());
    save_->setEnabled(form_.CanSave());
    saveAs_->setEnabled(form_.CanSaveAs());
    openProject_->setEnabled(form_.CanOpenProjectFile());
    useForProject_->setEnabled(form_.CanUseForProject());
}

void ColourRuleDialog::reject() {
    if (form_.Close())
        QDialog::reject();
}

}  // namespace qb
