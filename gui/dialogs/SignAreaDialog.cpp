#include "SignAreaDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "SignAreaForm.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The areas keep their line breaks as CR LF, as the file reads them back.
QString ForEditor(const std::string& area) {
    return QString::fromStdString(area).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string FromEditor(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

QString ListLabel(const std::string& area) {
    if (area.empty())
        return Text("(空欄)");
    return ForEditor(area).replace(QLatin1Char('\n'), QStringLiteral(" / "));
}

}  // namespace

SignAreaDialog::SignAreaDialog(SignAreaForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFileButtons());
    auto* middle = new QHBoxLayout();
    auto* listColumn = new QVBoxLayout();
    listColumn->addWidget(new QLabel(Text("検印欄(印刷される順)："), this));
    list_ = new QListWidget(this);
    listColumn->addWidget(list_, 1);
    listColumn->addWidget(BuildAreaButtons());
    middle->addLayout(listColumn, 1);
    auto* textColumn = new QVBoxLayout();
    auto* label = new QLabel(Text("欄の文字(&T)："), this);
    textColumn->addWidget(label);
    text_ = new QPlainTextEdit(this);
    text_->setTabChangesFocus(true);
    label->setBuddy(text_);
    textColumn->addWidget(text_, 1);
    textColumn->addWidget(new QLabel(Text("※改行で複数行になります"), this));
    middle->addLayout(textColumn, 1);
    layout->addLayout(middle, 1);
    layout->addWidget(BuildProjectButtons());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(Text("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &SignAreaDialog::reject);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &SignAreaDialog::ShowArea);
    connect(text_, &QPlainTextEdit::textChanged, this, &SignAreaDialog::TextEdited);
    FillList(0);
    resize(560, 400);
}

QWidget* SignAreaDialog::BuildFileButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, bool (SignAreaForm::*)()> commands[] = {
        {"新規作成(&N)", &SignAreaForm::NewFile},
        {"開く(&O)...", &SignAreaForm::OpenFile},
        {"上書き保存(&S)", &SignAreaForm::Save},
        {"名前を付けて保存(&A)...", &SignAreaForm::SaveAs},
    };
    for (const auto& entry : commands) {
        const auto command = entry.second;
        auto* button = new QPushButton(Text(entry.first), row);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, command] { RunFileCommand(command); });
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

QWidget* SignAreaDialog::BuildAreaButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    add_ = new QPushButton(Text("追加(&D)"), row);
    remove_ = new QPushButton(Text("削除(&R)"), row);
    up_ = new QPushButton(Text("上へ(&U)"), row);
    down_ = new QPushButton(Text("下へ(&W)"), row);
    for (QPushButton* button : {add_, remove_, up_, down_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    connect(add_, &QPushButton::clicked, this, &SignAreaDialog::AddArea);
    connect(remove_, &QPushButton::clicked, this, &SignAreaDialog::RemoveArea);
    connect(up_, &QPushButton::clicked, this, [this] { MoveArea(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { MoveArea(1); });
    return row;
}

QWidget* SignAreaDialog::BuildProjectButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* take = new QPushButton(Text("プロジェクトから読み込む(&P)"), row);
    auto* give = new QPushButton(Text("プロジェクトの検印欄に設定(&J)"), row);
    for (QPushButton* button : {take, give}) {
        button->setAutoDefault(false);
        button->setEnabled(form_.CanUseProject());
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(take, &QPushButton::clicked, this,
            [this] { RunFileCommand(&SignAreaForm::TakeFromProject); });
    connect(give, &QPushButton::clicked, this, [this] { form_.GiveToProject(); });
    return row;
}

void SignAreaDialog::RunFileCommand(bool (SignAreaForm::*command)()) {
    const int current = Current();
    (form_.*command)();
    FillList(std::min(current, form_.Count() - 1));
}

void SignAreaDialog::FillList(int current) {
    filling_ = true;
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (int i = 0; i < form_.Count(); ++i)
            list_->addItem(ListLabel(form_.Area(i)));
        list_->setCurrentRow(std::max(current, form_.Count() > 0 ? 0 : -1));
    }
    filling_ = false;
    ShowArea();
    UpdateTitle();
}

void SignAreaDialog::ShowArea() {
    const int current = Current();
    {
        const QSignalBlocker block(text_);
        text_->setPlainText(current >= 0 ? ForEditor(form_.Area(current)) : QString());
    }
    text_->setEnabled(current >= 0);
    remove_->setEnabled(current >= 0);
    up_->setEnabled(current > 0);
    down_->setEnabled(current >= 0 && current + 1 < form_.Count());
}

// A tab cannot be typed here (it moves the focus), but one may be pasted: it
// separates the areas in the file, so it becomes a space.
void SignAreaDialog::TextEdited() {
    const int current = Current();
    if (filling_ || current < 0)
        return;
    QString text = text_->toPlainText();
    if (text.contains(QLatin1Char('\t'))) {
        text.replace(QLatin1Char('\t'), QLatin1Char(' '));
        const QSignalBlocker block(text_);
        text_->setPlainText(text);
        text_->moveCursor(QTextCursor::End);
    }
    if (form_.SetText(current, FromEditor(text)))
        list_->item(current)->setText(ListLabel(form_.Area(current)));
    UpdateTitle();
}

void SignAreaDialog::AddArea() {
    const int index = form_.Add(std::string());
    FillList(index);
    text_->setFocus();
}

void SignAreaDialog::RemoveArea() {
    const int current = Current();
    if (current < 0)
        return;
    form_.Remove(current);
    FillList(std::min(current, form_.Count() - 1));
}

void SignAreaDialog::MoveArea(int step) {
    const int current = Current();
    if (current < 0)
        return;
    FillList(step < 0 ? form_.MoveUp(current) : form_.MoveDown(current));
}

void SignAreaDialog::UpdateTitle() {
    QString title = Text("検印欄パターンエディタ - ") + QString::fromStdString(form_.FileName());
    if (form_.IsModified())
        title += QStringLiteral(" *");
    setWindowTitle(title);
}

int SignAreaDialog::Current() const {
    return list_->currentRow();
}

// Closing asks about unsaved changes; Cancel keeps the editor open.
void SignAreaDialog::reject() {
    if (form_.Close())
        QDialog::reject();
}

}  // namespace qb
