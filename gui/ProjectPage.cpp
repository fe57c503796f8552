#include "ProjectPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ProjectPageInput.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A form label whose mnemonic goes to the field it names.
QLabel* Label(const char* text, QWidget* buddy) {
    auto* label = new QLabel(Text(text));
    label->setBuddy(buddy);
    return label;
}

// Text fields take the width there is; choices keep theirs.
QFormLayout* Form(QWidget* group) {
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    return form;
}

std::string StdText(const QString& text) {
    return text.toStdString();
}

// Sets the text only when it differs, so that the cursor of a field being
// typed in stays where it is.
void ShowText(QLineEdit* field, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (field->text() != value)
        field->setText(value);
}

}  // namespace

ProjectPage::ProjectPage(ProjectPageInput& input, QWidget* parent)
    : QWidget(parent), input_(input) {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->addWidget(BuildProjectGroup());
    column->addWidget(BuildRowGroup());
    column->addWidget(BuildPrintGroup());
    column->addWidget(BuildPasswordGroup());
    column->addWidget(BuildButtons());
    column->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildModeLine());
    layout->addWidget(scroll, 1);
    ShowDocument(false, false, false, {});
}

QWidget* ProjectPage::BuildModeLine() {
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    modeSwitch_ = new QPushButton(line);
    modeStatus_ = new QLabel(line);
    path_ = new QLabel(line);
    path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(modeSwitch_);
    row->addWidget(modeStatus_);
    row->addSpacing(24);
    row->addWidget(path_, 1);
    connect(modeSwitch_, &QPushButton::clicked, this, &ProjectPage::ModeSwitchRequested);
    return line;
}

QWidget* ProjectPage::BuildProjectGroup() {
    auto* group = new QGroupBox(Text("プロジェクト"));
    auto* form = Form(group);
    ProjectPageInput::Fields& typed = input_.Typed();
    title_ = AddLine(&typed.title);
    form->addRow(Text("プロジェクト名(&N)："), title_);
    periodFrom_ = AddLine(&typed.periodFrom);
    periodTo_ = AddLine(&typed.periodTo);
    for (QLineEdit* field : {periodFrom_, periodTo_}) {
        field->setPlaceholderText(Text("例: 2027/4/1"));
        field->setMaximumWidth(140);
    }
    auto* period = new QHBoxLayout;
    period->addWidget(periodFrom_);
    period->addWidget(new QLabel(Text("から")));
    period->addWidget(periodTo_);
    period->addWidget(new QLabel(Text("まで（空欄はスケジュールのある期間）")));
    period->addStretch(1);
    form->addRow(Label("表示期間(&D)：", periodFrom_), period);
    return group;
}

QWidget* ProjectPage::BuildRowGroup() {
    auto* group = new QGroupBox(Text("段の表示"));
    auto* form = Form(group);
    box_ = new QRadioButton(Text("親の段で子の段を囲む(&B)"));
    indent_ = new QRadioButton(Text("子の段を字下げする(&J)"));
    auto* choice = new QButtonGroup(group);
    choice->addButton(box_);
    choice->addButton(indent_);
    auto* hierarchy = new QHBoxLayout;
    hierarchy->addWidget(box_);
    hierarchy->addWidget(indent_);
    hierarchy->addStretch(1);
    form->addRow(Label("段の階層の表現：", box_), hierarchy);
    connect(box_, &QRadioButton::clicked, this, [this] { ChooseIndented(false); });
    connect(indent_, &QRadioButton::clicked, this, [this] { ChooseIndented(true); });

    numbering_ = new QComboBox;
    numbering_->addItems({Text("番号なし"), Text("1, 2, 3 …（同じ階層の中で）"),
                          Text("1, 1-1, 1-1-1 …（階層をつなぐ）"),
                          Text("1, 1-1, 1-1-1 …（字下げしない）")});
    connect(numbering_, &QComboBox::activated, this, [this](int index) {
        input_.Typed().numbering = index;
        UserEdited();
    });
    form->addRow(Text("段の番号(&R)："), numbering_);
    fields_ << box_ << indent_ << numbering_;
    return group;
}

QWidget* ProjectPage::BuildPrintGroup() {
    auto* group = new QGroupBox(Text("印刷"));
    auto* form = Form(group);
    ProjectPageInput::Fields& typed = input_.Typed();
    header_ = AddLine(&typed.header);
    headerPosition_ = AddPositionChoice(&typed.headerPosition);
    auto* header = new QHBoxLayout;
    header->addWidget(header_, 1);
    header->addWidget(headerPosition_);
    form->addRow(Label("ヘッダー(&K)：", header_), header);
    footer_ = AddLine(&typed.footer);
    footerPosition_ = AddPositionChoice(&typed.footerPosition);
    auto* footer = new QHBoxLayout;
    footer->addWidget(footer_, 1);
    footer->addWidget(footerPosition_);
    form->addRow(Label("フッター(&O)：", footer_), footer);
    printSigns_ = AddCheck("検印欄を印刷する(&S)", &typed.printSigns);
    signsFirstPage_ = AddCheck("検印欄は1ページ目だけに印刷する(&1)", &typed.signsOnFirstPageOnly);
    form->addRow(QString(), printSigns_);
    form->addRow(QString(), signsFirstPage_);
    return group;
}

QWidget* ProjectPage::BuildPasswordGroup() {
    auto* group = new QGroupBox(Text("パスワード"));
    auto* form = Form(group);
    AddPasswordRows(form, "参照制限パスワード", true);
    AddPasswordRows(form, "編集制限パスワード", false);
    auto* note = new QLabel(
        Text("パスワードは空欄のままなら変わりません。取り除くには「パスワードを解除する」を"
             "選んで適用します。"));
    note->setWordWrap(true);
    form->addRow(note);
    return group;
}

void ProjectPage::AddPasswordRows(QFormLayout* form, const char* name, bool view) {
    ProjectPageInput::Password& password = view ? input_.ViewPassword() : input_.EditPassword();
    auto* state = new QLabel;
    auto* typed = new QLineEdit;
    auto* confirm = new QLineEdit;
    auto* remove = new QCheckBox(Text("パスワードを解除する"));
    for (QLineEdit* field : {typed, confirm}) {
        field->setEchoMode(QLineEdit::Password);
        field->setMaximumWidth(220);
    }
    confirm->setPlaceholderText(Text("確認のためもう一度"));
    connect(typed, &QLineEdit::textEdited, this, [this, &password](const QString& text) {
        password.typed = StdText(text);
        UserEdited();
    });
    connect(confirm, &QLineEdit::textEdited, this, [this, &password](const QString& text) {
        password.confirmation = StdText(text);
        UserEdited();
    });
    connect(remove, &QCheckBox::clicked, this, [this, &password](bool checked) {
        password.remove = checked;
        UserEdited();
    });
    for (QLineEdit* field : {typed, confirm})
        connect(field, &QLineEdit::returnPressed, this, &ProjectPage::ApplyRequested);
    auto* fields = new QHBoxLayout;
    fields->addWidget(typed);
    fields->addWidget(confirm);
    fields->addWidget(remove);
    fields->addWidget(state);
    fields->addStretch(1);
    form->addRow(Text(name) + Text("："), fields);
    (view ? viewState_ : editState_) = state;
    (view ? viewPassword_ : editPassword_) = typed;
    (view ? viewConfirm_ : editConfirm_) = confirm;
    (view ? viewRemove_ : editRemove_) = remove;
    fields_ << typed << confirm << remove;
}

QWidget* ProjectPage::BuildButtons() {
    auto* buttons = new QWidget;
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    apply_ = new QPushButton(Text("適用(&A)"));
    revert_ = new QPushButton(Text("入力を取り消す(&U)"));
    row->addStretch(1);
    row->addWidget(apply_);
    row->addWidget(revert_);
    connect(apply_, &QPushButton::clicked, this, &ProjectPage::ApplyRequested);
    connect(revert_, &QPushButton::clicked, this, [this] {
        input_.Revert();
        ShowInput();
        emit Edited();
    });
    return buttons;
}

QLineEdit* ProjectPage::AddLine(std::string* field) {
    auto* line = new QLineEdit;
    connect(line, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        *field = StdText(text);
        UserEdited();
    });
    connect(line, &QLineEdit::returnPressed, this, &ProjectPage::ApplyRequested);
    fields_ << line;
    return line;
}

QComboBox* ProjectPage::AddPositionChoice(int* field) {
    auto* choice = new QComboBox;
    choice->addItems({Text("左"), Text("中央"), Text("右")});
    connect(choice, &QComboBox::activated, this, [this, field](int index) {
        *field = index;
        UserEdited();
    });
    fields_ << choice;
    return choice;
}

QCheckBox* ProjectPage::AddCheck(const char* label, bool* field) {
    auto* check = new QCheckBox(Text(label));
    connect(check, &QCheckBox::clicked, this, [this, field](bool checked) {
        *field = checked;
        UserEdited();
    });
    fields_ << check;
    return check;
}

void ProjectPage::ChooseIndented(bool indented) {
    if (input_.Typed().indented == indented)
        return;
    input_.ChooseIndented(indented);
    UserEdited();
}

void ProjectPage::ShowInput() {
    const ProjectPageInput::Fields& typed = input_.Typed();
    ShowText(title_, typed.title);
    ShowText(periodFrom_, typed.periodFrom);
    ShowText(periodTo_, typed.periodTo);
    (typed.indented ? indent_ : box_)->setChecked(true);
    numbering_->setCurrentIndex(typed.numbering);
    ShowText(header_, typed.header);
    headerPosition_->setCurrentIndex(typed.headerPosition);
    ShowText(footer_, typed.footer);
    footerPosition_->setCurrentIndex(typed.footerPosition);
    printSigns_->setChecked(typed.printSigns);
    signsFirstPage_->setChecked(typed.signsOnFirstPageOnly);
    ShowPasswords();
    UpdateEnabled();
}

void ProjectPage::ShowPasswords() {
    const QString set = Text("（設定されています）");
    const QString none = Text("（設定されていません）");
    viewState_->setText(input_.HasViewPassword() ? set : none);
    editState_->setText(input_.HasEditPassword() ? set : none);
    ShowText(viewPassword_, input_.ViewPassword().typed);
    ShowText(viewConfirm_, input_.ViewPassword().confirmation);
    viewRemove_->setChecked(input_.ViewPassword().remove);
    ShowText(editPassword_, input_.EditPassword().typed);
    ShowText(editConfirm_, input_.EditPassword().confirmation);
    editRemove_->setChecked(input_.EditPassword().remove);
}

void ProjectPage::ShowDocument(bool open, bool shared, bool readOnly, const QString& path) {
    modeStatus_->setText(!open    ? Text("データがありません")
                         : shared ? Text("現在：共有モード")
                                  : Text("現在：シングルモード"));
    modeSwitch_->setText(open && shared ? Text("シングルモードに変更") : Text("共有モードに変更"));
    path_->setText(path);
    writable_ = open && !readOnly;
    UpdateEnabled();
}

void ProjectPage::EnableModeSwitch(bool enabled) {
    modeSwitch_->setEnabled(enabled);
}

void ProjectPage::UserEdited() {
    UpdateEnabled();
    emit Edited();
}

// A password to be removed takes no new one; a password that is not stored
// cannot be removed.
void ProjectPage::UpdateEnabled() {
    for (QWidget* field : fields_)
        field->setEnabled(writable_);
    signsFirstPage_->setEnabled(writable_ && input_.Typed().printSigns);
    const bool removeView = input_.ViewPassword().remove;
    const bool removeEdit = input_.EditPassword().remove;
    viewPassword_->setEnabled(writable_ && !removeView);
    viewConfirm_->setEnabled(writable_ && !removeView);
    editPassword_->setEnabled(writable_ && !removeEdit);
    editConfirm_->setEnabled(writable_ && !removeEdit);
    viewRemove_->setEnabled(writable_ && (input_.HasViewPassword() || removeView));
    editRemove_->setEnabled(writable_ && (input_.HasEditPassword() || removeEdit));
    const bool unapplied = writable_ && input_.HasUnappliedInput();
    apply_->setEnabled(unapplied);
    revert_->setEnabled(unapplied);
}

}  // namespace qb
