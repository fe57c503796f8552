#include "OptionsDialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ColourButton.h"
#include "IPrompt.h"
#include "OptionsForm.h"

namespace qb {
namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QSpinBox* SpinBox(int low, int high, int value, const char* suffix, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setSuffix(Text(suffix));
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(const OptionValues& values, IPrompt& prompt, QWidget* parent)
    : QDialog(parent), prompt_(prompt), shown_(values) {
    setWindowTitle(Text("オプション"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildGeneralTab(values), Text("全般"));
    tabs_->addTab(BuildDisplayTab(values), Text("表示"));
    tabs_->addTab(BuildColourTab(values), Text("色"));
    tabs_->addTab(BuildCalendarTab(values), Text("暦"));
    tabs_->addTab(BuildHtmlTab(values), Text("HTML出力設定"));
    tabs_->addTab(BuildGroupTab(values), Text("Tallyframe"));
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsDialog::reject);
    layout->addWidget(buttons);
}

QCheckBox* OptionsDialog::AddCheck(const char* label, bool OptionValues::*value,
                                   const OptionValues& values, QWidget* parent) {
    auto* box = new QCheckBox(Text(label), parent);
    box->setChecked(values.*value);
    checks_.push_back({box, value});
    return box;
}

QWidget* OptionsDialog::BuildGeneralTab(const OptionValues& values) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    userName_ = new QLineEdit(FromStd(values.userName), page);
    form->addRow(Text("ユーザー名："), userName_);
    auto* fileRow = new QHBoxLayout();
    defFile_ = new QLineEdit(FromStd(values.defFile), page);
    auto* browse = new QPushButton(Text("参照..."), page);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::BrowseDefaultFile);
    fileRow->addWidget(defFile_, 1);
    fileRow->addWidget(browse);
    form->addRow(Text("起動時に開くファイル："), fileRow);
    rowHeight_ = SpinBox(OptionsForm::kMinRowHeight, OptionsForm::kMaxRowHeight,
                         values.defRowHeight, " ピクセル", page);
    form->addRow(Text("新しい段の高さ："), rowHeight_);
    progressRate_ = SpinBox(0, 100, values.defProgressRate, " %", page);
    form->addRow(Text("新しいスケジュールの進捗率："), progressRate_);
    form->addRow(
        AddCheck("開いたファイルの履歴を保存する", &OptionValues::saveHistory, values, page));
    form->addRow(AddCheck("ドラッグ選択モードを1回ごとに解除する", &OptionValues::selectModeOneTime,
                          values, page));
    form->addRow(AddCheck("メモ入力モードを1回ごとに解除する", &OptionValues::memoModeOneTime,
                          values, page));
    form->addRow(AddCheck("リンクの色を接続元のスケジュールやメモに合わせる",
                          &OptionValues::linkColor, values, page));
    form->addRow(AddCheck("印刷時にシステムの印刷ダイアログを使う", &OptionValues::printComDlg,
                          values, page));
    customized_ =
        AddCheck("保存するたびにCSVファイルも書き出す", &OptionValues::customizedOn, values, page);
    customized_->setVisible(values.customizedShown);
    form->addRow(customized_);
    return page;
}

QWidget* OptionsDialog::BuildDisplayTab(const OptionValues& values) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(AddCheck("関連情報のあるスケジュールにクリップのアイコンを表示する",
                          &OptionValues::drawClipIcon, values, page));
    form->addRow(AddCheck("集計日数を延べ日数で数える（重なる期間も足す）",
                          &OptionValues::totalNobe, values, page));
    totalMode_ = new QComboBox(page);
    totalMode_->addItems(
        {Text("経過日数"), Text("休日を除く日数"), Text("休日と土曜日を除く日数")});
    totalMode_->setCurrentIndex(values.totalMode);
    form->addRow(Text("スケジュールの日数の数え方："), totalMode_);
    todayOffset_ = SpinBox(0, OptionsForm::kMaxTodayOffset, values.todayOffset, " 日", page);
    form->addRow(Text("今日へジャンプしたときの左端から今日までの日数："), todayOffset_);
    guiFont_ = new QComboBox(page);
    guiFont_->setEditable(true);
    guiFont_->addItems(QFontDatabase::families());
    // A face this machine lacks is kept as it is written.
    guiFont_->setEditText(FromStd(values.guiFont));
    form->addRow(Text("画面のフォント："), guiFont_);
    form->addRow(
        AddCheck("印刷にも画面のフォントを使う", &OptionValues::useGuiFontForPrint, values, page));
    return page;
}

QWidget* OptionsDialog::BuildColourTab(const OptionValues& values) {
    const struct {
        const char* label;
        std::uint32_t OptionValues::*value;
    } kColours[] = {
        {"サマリーの背景色", &OptionValues::summaryBgColor},
        {"サマリーの枠線の色", &OptionValues::summaryEdgeColor},
        {"実績", &OptionValues::actual},
        {"スケジュールと実績を結ぶ線", &OptionValues::actualToBody},
        {"土曜日の文字色", &OptionValues::saturday},
        {"土曜日の背景色", &OptionValues::saturdayB},
        {"日曜日・休日の文字色", &OptionValues::sunday},
        {"日曜日・休日の背景色", &OptionValues::sundayB},
        {"負荷グラフ", &OptionValues::graphColor},
        {"イナズマ線", &OptionValues::lightningColour},
    };
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    int index = 0;
    for (const auto& colour : kColours) {
        auto* button = new ColourButton(values.*(colour.value), page);
        colours_.push_back({button, colour.value});
        const int row = index / 2;
        const int column = (index % 2) * 2;
        grid->addWidget(new QLabel(Text(colour.label), page), row, column);
        grid->addWidget(button, row, column + 1);
        ++index;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget* OptionsDialog::BuildCalendarTab(const OptionValues& values) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(new QLabel(Text("令和の次の元号"), page));
    eraName_ = new QLineEdit(FromStd(values.eraName), page);
    form->addRow(Text("名前："), eraName_);
    eraAbbreviation_ = new QLineEdit(FromStd(values.eraAbbreviation), page);
    form->addRow(Text("略称："), eraAbbreviation_);
    eraStart_ = new QLineEdit(FromStd(values.eraStart), page);
    eraStart_->setPlaceholderText(Text("YYYYMMDD"));
    form->addRow(Text("開始日："), eraStart_);
    form->addRow(AddCheck("出勤日に指定した土曜日を平日として扱う", &OptionValues::saturdayNH,
                          values, page));
    form->addRow(AddCheck("休日ルールを定義順に適用", &OptionValues::holidayOrder, values, page));
    auto* fileRow = new QHBoxLayout();
    masterHoliday_ = new QLineEdit(FromStd(values.masterHoliday), page);
    masterHoliday_->setPlaceholderText(Text("（組み込みの休日）"));
    auto* browse = new QPushButton(Text("参照..."), page);
    connect(browse, &QPushButton::clicked, this, &OptionsDialog::BrowseHolidayFile);
    fileRow->addWidget(masterHoliday_, 1);
    fileRow->addWidget(browse);
    form->addRow(Text("休日ファイル："), fileRow);
    return page;
}

QWidget* OptionsDialog::BuildHtmlTab(const OptionValues& values) {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* note = new QLabel(
        Text("一覧表をブラウザで開くとき、またHTML形式でエクスポートするときの出力設定です。"),
        page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(new QLabel(Text("スタイルシート："), page));
    htmlCss_ = new QPlainTextEdit(page);
    htmlCss_->setLineWrapMode(QPlainTextEdit::NoWrap);
    htmlCss_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The built-in text indents by two tabs: keep them narrow.
    htmlCss_->setTabStopDistance(htmlCss_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 4);
    layout->addWidget(htmlCss_, 1);
    SetHtmlCssText(values.htmlCss);
    htmlCssDefault_ = values.htmlCssDefault;
    // Typing after "標準に戻す" makes the text the user's own again.
    connect(htmlCss_, &QPlainTextEdit::textChanged, this, [this] {
        if (!settingHtmlCss_)
            htmlCssDefault_ = false;
    });
    auto* restore = new QPushButton(Text("標準に戻す"), page);
    connect(restore, &QPushButton::clicked, this, &OptionsDialog::RestoreHtmlCss);
    auto* buttonRow = new QHBoxLayout();
    buttonRow->addStretch(1);
    buttonRow->addWidget(restore);
    layout->addLayout(buttonRow);
    return page;
}

void OptionsDialog::SetHtmlCssText(const std::string& text) {
    settingHtmlCss_ = true;
    htmlCss_->setPlainText(FromStd(text).remove(QLatin1Char('\r')));
    settingHtmlCss_ = false;
}

void OptionsDialog::RestoreHtmlCss() {
    OptionValues values;
    OptionsForm::RestoreHtmlCss(values);
    SetHtmlCssText(values.htmlCss);
    htmlCssDefault_ = values.htmlCssDefault;
}

// How the appointments of a Tallyframe group file are shown.
QWidget* OptionsDialog::BuildGroupTab(const OptionValues& values) {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const auto timeEdit = [page](int hhmm) {
        auto* edit = new QTimeEdit(QTime(std::min(hhmm / 100, 23), hhmm % 100 % 60), page);
        edit->setDisplayFormat(QStringLiteral("H:mm"));
        return edit;
    };
    groupStart_ = timeEdit(values.tfTime1);
    groupEnd_ = timeEdit(values.tfTime2);
    form->addRow(Text("表示時間帯の開始："), groupStart_);
    form->addRow(Text("表示時間帯の終了："), groupEnd_);
    groupHow_ = new QComboBox(page);
    groupHow_->addItems({Text("太いバーの中に件名"), Text("細いバーの下に件名")});
    groupHow_->setCurrentIndex(values.tfHow == 0 ? 0 : 1);
    form->addRow(Text("予定の表示："), groupHow_);
    form->addRow(AddCheck("予定の時刻どおりに表示する（オフにすると日単位で時間帯の中に配置）",
                          &OptionValues::tfTime, values, page));
    return page;
}

void OptionsDialog::BrowseDefaultFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, Text("起動時に開くファイル"), defFile_->text(),
                                     Text("Quellbrandiren ファイル (*.qbd);;すべてのファイル (*)"));
    if (!path.isEmpty())
        defFile_->setText(path);
}

void OptionsDialog::BrowseHolidayFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, Text("休日ファイル"), masterHoliday_->text(),
                                     Text("休日ファイル (*.xml);;すべてのファイル (*)"));
    if (!path.isEmpty())
        masterHoliday_->setText(path);
}

OptionValues OptionsDialog::Values() const {
    OptionValues values = shown_;
    for (const Check& check : checks_)
        values.*(check.value) = check.box->isChecked();
    for (const Colour& colour : colours_)
        values.*(colour.value) = colour.button->Colour();
    values.userName = userName_->text().toStdString();
    values.defFile = defFile_->text().toStdString();
    values.defRowHeight = rowHeight_->value();
    values.defProgressRate = progressRate_->value();
    values.totalMode = totalMode_->currentIndex();
    values.todayOffset = todayOffset_->value();
    values.guiFont = guiFont_->currentText().toStdString();
    values.eraName = eraName_->text().trimmed().toStdString();
    values.eraAbbreviation = eraAbbreviation_->text().trimmed().toStdString();
    values.eraStart = eraStart_->text().trimmed().toStdString();
    values.masterHoliday = masterHoliday_->text().toStdString();
    // The page's lines end in CR LF like the rest of it.
    values.htmlCss =
        htmlCss_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
    values.htmlCssDefault = htmlCssDefault_;
    const auto hhmm = [](const QTime& time) { return time.hour() * 100 + time.minute(); };
    values.tfTime1 = hhmm(groupStart_->time());
    values.tfTime2 = hhmm(groupEnd_->time());
    // A style other than the two shown is kept as it was stored.
    if (groupHow_->currentIndex() != (shown_.tfHow == 0 ? 0 : 1))
        values.tfHow = groupHow_->currentIndex();
    return values;
}

void OptionsDialog::accept() {
    // The era fields sit on a tab of their own; show them with their refusal.
    if (OptionsForm::ValidateEra(Values())) {
        tabs_->setCurrentIndex(kCalendarTab);
        eraStart_->setFocus();
    }
    if (const auto refusal = OptionsForm::Validate(Values())) {
        prompt_.Show(*refusal);
        return;
    }
    QDialog::accept();
}

}  // namespace qb
