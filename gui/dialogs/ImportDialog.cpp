#include "ImportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "IPrompt.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

constexpr const char* kFilter =
    "タブ区切りテキストファイル (*.txt;*.tsv)|*.txt;*.tsv|全てのファイル (*.*)|*.*||";

}  // namespace

ImportDialog::ImportDialog(const ImportValues& initial, IDialogs::ShowRowIds showRowIds,
                           IPrompt& prompt, QWidget* parent)
    : QDialog(parent), showRowIds_(std::move(showRowIds)), prompt_(prompt) {
    setWindowTitle(Text("インポート"));
    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"タブ区切りテキストファイルからのインポートを行います。",
                             "・インポートできるのは段とスケジュールだけです。",
                             "・既存のスケジュールと同一であったり重なったりしても構わずインポート"
                             "されます。",
                             "・インポート先の段が見つからないレコードは、無視されます。"}) {
        auto* label = new QLabel(Text(line), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addSpacing(8);

    auto* fileLabel = new QLabel(Text("インポート元ファイル（タブ区切りテキストファイル）:"), this);
    layout->addWidget(fileLabel);
    auto* fileRow = new QHBoxLayout();
    file_ = new QLineEdit(QString::fromStdString(initial.path), this);
    file_->setMinimumWidth(360);
    fileLabel->setBuddy(file_);
    browse_ = new QPushButton(Text("参照(&B)..."), this);
    browse_->setAutoDefault(false);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse_);
    layout->addLayout(fileRow);

    rowIds_ = new QCheckBox(Text("インポート先の段の特定のために段のIDを表示"), this);
    rowIds_->setChecked(initial.showRowIds);
    layout->addWidget(rowIds_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Text("キャンセル"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportDialog::reject);
    layout->addWidget(buttons);

    connect(browse_, &QPushButton::clicked, this, &ImportDialog::Browse);
    connect(rowIds_, &QCheckBox::toggled, this, [this](bool show) {
        if (showRowIds_)
            showRowIds_(show);
    });
    if (initial.showRowIds && showRowIds_)
        showRowIds_(true);
}

ImportValues ImportDialog::Values() const {
    ImportValues values;
    values.path = file_->text().trimmed().toStdString();
    values.showRowIds = rowIds_->isChecked();
    return values;
}

void ImportDialog::Browse() {
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({false, kFilter, "txt", file_->text().trimmed().toStdString()});
    if (chosen && !chosen->empty())
        file_->setText(QString::fromStdString(*chosen));
}

void ImportDialog::Refuse(const QString& text) {
    prompt_.Show(PromptMessage{0, text.toStdString(), PromptIcon::kWarning, PromptButtons::kOk});
    file_->setFocus();
}

void ImportDialog::accept() {
    const QString path = file_->text().trimmed();
    if (path.isEmpty()) {
        Refuse(Text("インポート元ファイルを指定してください。"));
        return;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        Refuse(Text("インポート元ファイルが見つかりません。\n") + path);
        return;
    }
    if (!info.isFile() || info.size() == 0) {
        Refuse(Text("インポート元ファイルが空か、ファイルではありません。\n") + path);
        return;
    }
    QDialog::accept();
}

}  // namespace qb
