#include "FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "FindSession.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr const char* kOptionTexts[7] = {
    "スケジュールのテキスト",
    "スケジュールの備考",
    "メモ",
    "大文字・小文字を区別しない",
    "全角・半角を区別しない",
    "スペースを無視",
    "段の高さから、はみ出て見えないものだけ対象",
};

struct Column {
    const char* caption;
    int width;
};
constexpr Column kColumns[4] = {{"テキスト", 140}, {"表示状態", 75}, {"x位置", 90}, {"y位置", 100}};

bool* OptionFlag(FindOptions& options, int index) {
    bool* flags[7] = {&options.captions,    &options.remarks,     &options.memos,
                      &options.ignoreCase,  &options.ignoreWidth, &options.ignoreSpaces,
                      &options.overflowOnly};
    return flags[index];
}

// A memo's text keeps its line breaks; the list shows it on one line.
QString OneLine(const std::string& text) {
    QString line = Text(text);
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return line;
}

}  // namespace

FindDialog::FindDialog(FindSession& session, bool replaceMode, QWidget* parent)
    : QDialog(parent), session_(session), replaceMode_(replaceMode) {
    setWindowTitle(Text(replaceMode ? "置換" : "検索"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    layout->addLayout(grid);
    int row = 0;
    auto* label = new QLabel(Text("検索する文字列(&N)："), this);
    text_ = new QLineEdit(Text(session_.LastText()), this);
    text_->setMinimumWidth(260);
    label->setBuddy(text_);
    grid->addWidget(label, row, 0);
    grid->addWidget(text_, row++, 1);
    if (replaceMode_) {
        auto* with = new QLabel(Text("置換後の文字列(&P)："), this);
        replacement_ = new QLineEdit(Text(session_.LastReplacement()), this);
        with->setBuddy(replacement_);
        grid->addWidget(with, row, 0);
        grid->addWidget(replacement_, row++, 1);
    }
    AddOptions(*grid, row);

    auto* buttons = new QVBoxLayout();
    search_ = new QPushButton(Text("検索開始"), this);
    search_->setDefault(true);
    buttons->addWidget(search_);
    if (replaceMode_) {
        replaceAll_ = new QPushButton(Text("一括置換"), this);
        buttons->addWidget(replaceAll_);
        connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::ReplaceAll);
    }
    auto* close = new QPushButton(Text("閉じる"), this);
    buttons->addWidget(close);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 2, row + 7, 1);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(4);
    QStringList headers;
    for (const Column& column : kColumns)
        headers << Text(column.caption);
    list_->setHeaderLabels(headers);
    for (int i = 0; i < 4; ++i)
        list_->header()->resizeSection(i, kColumns[i].width);
    list_->setMinimumHeight(200);
    layout->addWidget(list_, 1);
    auto* note = new QLabel(Text(FindSession::kHiddenNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    connect(search_, &QPushButton::clicked, this, &FindDialog::Search);
    connect(close, &QPushButton::clicked, this, &FindDialog::close);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { Jump(list_->indexOfTopLevelItem(item)); });
    FillList();
    resize(560, 480);
}

void FindDialog::AddOptions(QGridLayout& grid, int row) {
    for (int i = 0; i < 7; ++i) {
        options_[i] = new QCheckBox(Text(kOptionTexts[i]), this);
        options_[i]->setChecked(*OptionFlag(session_.Options(), i));
        grid.addWidget(options_[i], row + i, 0, 1, 2);
    }
}

QCheckBox* FindDialog::OptionBox(int index) const {
    return index >= 0 && index < 7 ? options_[index] : nullptr;
}

void FindDialog::StoreOptions() {
    for (int i = 0; i < 7; ++i)
        *OptionFlag(session_.Options(), i) = options_[i]->isChecked();
    session_.LastText() = text_->text().toStdString();
    if (replacement_ != nullptr)
        session_.LastReplacement() = replacement_->text().toStdString();
}

void FindDialog::Search() {
    StoreOptions();
    session_.Search(session_.LastText());
    FillList();
}

void FindDialog::ReplaceAll() {
    StoreOptions();
    session_.ReplaceAll(session_.LastText(), session_.LastReplacement());
    FillList();
}

void FindDialog::Jump(int index) {
    if (index >= 0)
        session_.Jump(static_cast<std::size_t>(index));
}

void FindDialog::FillList() {
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(session_.Results().size()));
    for (const FindEntry& entry : session_.Results()) {
        items << new QTreeWidgetItem(
            QStringList{OneLine(entry.text), Text(entry.state), Text(entry.x), OneLine(entry.y)});
    }
    list_->addTopLevelItems(items);
}

}  // namespace qb
