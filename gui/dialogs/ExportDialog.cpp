#include "ExportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ExportCommand.h"
#include "IPrompt.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const char* Filter(int kind) {
    switch (kind) {
        case ExportValues::kXml:
            return "XMLファイル (*.xml)|*.xml|全てのファイル (*.*)|*.*||";
        case ExportValues::kHtml:
            return "HTMLファイル (*.html)|*.html;*.htm|全てのファイル (*.*)|*.*||";
        default:
            return "CSVファイル (*.csv;*.txt)|*.csv;*.txt|全てのファイル (*.*)|*.*||";
    }
}

}  // namespace

ExportDialog::ExportDialog(const ExportValues& initial, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt) {
    setWindowTitle(Text("エクスポート"));
    auto* layout = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout();
    auto* nameLabel = new QLabel(Text("ファイル名(&N)："), this);
    name_ = new QLineEdit(QString::fromStdString(initial.path), this);
    name_->setMinimumWidth(360);
    nameLabel->setBuddy(name_);
    browse_ = new QPushButton(Text("参照(&B)..."), this);
    browse_->setAutoDefault(false);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(browse_);
    layout->addLayout(nameRow);

    auto* kindBox = new QGroupBox(Text("ファイルの種類"), this);
    auto* kindLayout = new QVBoxLayout(kindBox);
    auto* kindGroup = new QButtonGroup(this);
    const char* kindLabels[] = {"CSVファイル（コンマ区切り または タブ区切りファイル） (&C)",
                                "XMLファイル(&X)", "HTMLファイル(&H)"};
    for (int kind = 0; kind < 3; ++kind) {
        kinds_[kind] = new QRadioButton(Text(kindLabels[kind]), kindBox);
        kindGroup->addButton(kinds_[kind], kind);
        kindLayout->addWidget(kinds_[kind]);
    }
    const int kind = initial.kind >= 0 && initial.kind < 3 ? initial.kind : 0;
    kinds_[kind]->setChecked(true);
    layout->addWidget(kindBox);

    options_ = new QGroupBox(Text("オプション"), this);
    auto* form = new QFormLayout(options_);
    separator_ = new QComboBox(options_);
    separator_->addItem(Text("タブ"));
    separator_->addItem(Text(","));
    separator_->setCurrentIndex(initial.csv.tabSeparated ? 0 : 1);
    pathSeparator_ = new QComboBox(options_);
    pathSeparator_->addItem(Text("/"));
    pathSeparator_->addItem(Text("\\"));
    pathSeparator_->setCurrentIndex(initial.csv.slashPath ? 0 : 1);
    // A font that draws the backslash as a yen sign would mislead here.
    pathSeparator_->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    ignoreLineBreaks_ = new QCheckBox(Text("データの中の改行を無視(&L)"), options_);
    ignoreLineBreaks_->setChecked(initial.csv.ignoreLineBreaks);
    form->addRow(Text("区切り文字(&D)："), separator_);
    form->addRow(Text("段階層の区切り文字(&R)："), pathSeparator_);
    form->addRow(ignoreLineBreaks_);
    layout->addWidget(options_);

    auto* note = new QLabel(
        Text("※スケジュール以外のオブジェクト（メモ、リンクや、段・列）の情報は出力しません。"
             "但し、各スケジュールがどの段に属するかを示すために、所属段のテキストを出力します。"),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Text("実行(&E)"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(Text("キャンセル"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
    layout->addWidget(buttons);

    connect(kindGroup, &QButtonGroup::idToggled, this, [this](int, bool) { KindChanged(); });
    connect(browse_, &QPushButton::clicked, this, &ExportDialog::Browse);
    KindChanged();
}

const char* ExportDialog::Extension(int kind) {
    switch (kind) {
        case ExportValues::kXml:
            return "xml";
        case ExportValues::kHtml:
            return "html";
        default:
            return "csv";
    }
}

int ExportDialog::Kind() const {
    for (int kind = 0; kind < 3; ++kind) {
        if (kinds_[kind]->isChecked())
            return kind;
    }
    return ExportValues::kCsv;
}

ExportValues ExportDialog::Values() const {
    ExportValues values;
    values.path = name_->text().trimmed().toStdString();
    values.kind = Kind();
    values.csv.tabSeparated = separator_->currentIndex() == 0;
    values.csv.slashPath = pathSeparator_->currentIndex() == 0;
    values.csv.ignoreLineBreaks = ignoreLineBreaks_->isChecked();
    return values;
}

void ExportDialog::KindChanged() {
    options_->setEnabled(Kind() == ExportValues::kCsv);
}

QString ExportDialog::ProposedName(const QString& typed, int kind) {
    QString name = typed.trimmed();
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("xml") ||
        suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        name = name.left(name.size() - suffix.size()) + QString::fromLatin1(Extension(kind));
    return name;
}

void ExportDialog::Browse() {
    const std::optional<std::string> chosen =
        prompt_.ChooseFile({true, Filter(Kind()), Extension(Kind()),
                            ProposedName(name_->text(), Kind()).toStdString()});
    if (chosen && !chosen->empty())
        name_->setText(QString::fromStdString(*chosen));
}

void ExportDialog::accept() {
    if (name_->text().trimmed().isEmpty()) {
        prompt_.Show(ExportCommand::kNoFileName.Plain());
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace qb
