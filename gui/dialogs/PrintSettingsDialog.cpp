#include "PrintSettingsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstdio>

#include "DateEntry.h"
#include "DateField.h"
#include "PageTexts.h"
#include "PaperSize.h"

namespace qb {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

// "yyyymmdd", empty for a day that is not set.
QString CompactText(const COleDateTime& day) {
    if (!day.IsValid())
        return QString();
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", day.GetYear(), day.GetMonth(), day.GetDay());
    return QString::fromLatin1(text);
}

COleDateTime DayOf(const DateField& field) {
    const std::string text = field.Text().trimmed().toStdString();
    if (text.empty())
        return COleDateTime::Null();
    const COleDateTime day = DateEntry::ParseCompactDate(text);
    return day.IsValid() ? day.DatePart() : COleDateTime::Null();
}

constexpr std::array<const char*, 6> kAligns{"左上", "中央上", "右上", "左下", "中央下", "右下"};
constexpr std::array<const char*, 4> kTitleSizes{"小", "中", "大", "特大"};
constexpr std::array<const char*, 3> kOutputDates{"出力日を印字しない", "出力日を印字する",
                                                  "出力日時を印字する"};

}  // namespace

PrintSettingsDialog::PrintSettingsDialog(const PrintDialogRequest& request,
                                         std::vector<std::string> printers, QWidget* parent)
    : QDialog(parent), request_(request) {
    setWindowTitle(Q(request.title));
    printer_ = new QComboBox(this);
    for (const std::string& name : printers)
        printer_->addItem(Q(name), Q(name));
    printer_->addItem(Q("PDF (ファイルに保存)"), Q(PrintSettings::kPdfPrinter));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildPrinter());
    auto* middle = new QHBoxLayout;
    middle->addWidget(BuildPaper());
    middle->addWidget(BuildRanges());
    layout->addLayout(middle);
    layout->addWidget(BuildContents());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(Q(request.okText));
    buttons->button(QDialogButtonBox::Cancel)->setText(Q("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Fill(request.settings);
}

QWidget* PrintSettingsDialog::BuildPrinter() {
    auto* box = new QGroupBox(Q("プリンタ"), this);
    auto* form = new QFormLayout(box);
    form->addRow(Q("プリンタ名(&N):"), printer_);
    pdfPath_ = new QLineEdit(box);
    browse_ = new QPushButton(Q("参照(&B)..."), box);
    auto* path = new QHBoxLayout;
    path->addWidget(pdfPath_);
    path->addWidget(browse_);
    form->addRow(Q("PDFファイル(&F):"), path);
    copies_ = new QSpinBox(box);
    copies_->setRange(1, 999);
    form->addRow(Q("部数(&C):"), copies_);
    connect(printer_, &QComboBox::currentIndexChanged, this, &PrintSettingsDialog::UpdateEnabled);
    connect(browse_, &QPushButton::clicked, this, &PrintSettingsDialog::BrowsePdf);
    return box;
}

QWidget* PrintSettingsDialog::BuildPaper() {
    auto* box = new QGroupBox(Q("用紙"), this);
    auto* form = new QFormLayout(box);
    paper_ = new QComboBox(box);
    for (const PaperSize& size : PaperSize::All())
        paper_->addItem(Q(size.name), size.code);
    form->addRow(Q("サイズ(&Z):"), paper_);
    portrait_ = new QRadioButton(Q("縦置き"), box);
    landscape_ = new QRadioButton(Q("横置き"), box);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    form->addRow(Q("向き:"), orientation);
    const std::array<const char*, 4> names{"左", "上", "右", "下"};
    auto* margins = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        margins_[i] = new QSpinBox(box);
        margins_[i]->setRange(0, 100);
        margins->addWidget(new QLabel(Q(names[static_cast<std::size_t>(i)]), box));
        margins->addWidget(margins_[i]);
    }
    form->addRow(Q("余白(mm):"), margins);
    return box;
}

QWidget* PrintSettingsDialog::BuildRanges() {
    auto* box = new QGroupBox(Q("印刷範囲"), this);
    auto* grid = new QVBoxLayout(box);
    whole_ = new QRadioButton(Q("全期間"), box);
    screen_ = new QRadioButton(Q("画面と同じ"), box);
    dates_ = new QRadioButton(Q("期間を指定"), box);
    from_ = new DateField(QString(), box);
    to_ = new DateField(QString(), box);
    grid->addWidget(whole_);
    grid->addWidget(screen_);
    grid->addWidget(dates_);
    auto* span = new QHBoxLayout;
    span->addWidget(from_);
    span->addWidget(new QLabel(Q("から"), box));
    span->addWidget(to_);
    span->addWidget(new QLabel(Q("まで"), box));
    grid->addLayout(span);
    allPages_ = new QRadioButton(Q("全部"), box);
    somePages_ = new QRadioButton(Q("ページ指定"), box);
    firstPage_ = new QSpinBox(box);
    lastPage_ = new QSpinBox(box);
    firstPage_->setRange(1, 99999);
    lastPage_->setRange(1, 99999);
    auto* pages = new QHBoxLayout;
    pages->addWidget(allPages_);
    pages->addWidget(somePages_);
    pages->addWidget(firstPage_);
    pages->addWidget(new QLabel(Q("～"), box));
    pages->addWidget(lastPage_);
    grid->addLayout(pages);
    // Two separate choices in one box: each needs a group of its own.
    auto* rangeGroup = new QButtonGroup(box);
    for (QRadioButton* button : {whole_, screen_, dates_})
        rangeGroup->addButton(button);
    auto* pageGroup = new QButtonGroup(box);
    pageGroup->addButton(allPages_);
    pageGroup->addButton(somePages_);
    for (QRadioButton* button : {whole_, screen_, dates_, allPages_, somePages_})
        connect(button, &QRadioButton::toggled, this, &PrintSettingsDialog::UpdateEnabled);
    return box;
}

QWidget* PrintSettingsDialog::BuildContents() {
    auto* box = new QGroupBox(Q("印刷内容"), this);
    auto* form = new QFormLayout(box);
    progress_ = new QCheckBox(Q("進捗率を印字"), box);
    title_ = new QCheckBox(Q("タイトルを印刷"), box);
    holiday_ = new QCheckBox(Q("土日の背景色"), box);
    today_ = new QCheckBox(Q("本日の背景色"), box);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* check : {progress_, title_, holiday_, today_})
        checks->addWidget(check);
    form->addRow(checks);
    titleSize_ = new QComboBox(box);
    for (const char* size : kTitleSizes)
        titleSize_->addItem(Q(size));
    form->addRow(Q("タイトルの大きさ(&S):"), titleSize_);
    outputDate_ = new QComboBox(box);
    for (const char* choice : kOutputDates)
        outputDate_->addItem(Q(choice));
    form->addRow(Q("出力日(&D):"), outputDate_);
    pageFormat_ = new QComboBox(box);
    for (int format = 0; format < PageTexts::kFormatCount; ++format)
        pageFormat_->addItem(Q(PageTexts::FormatSample(format)));
    pageAlign_ = new QComboBox(box);
    for (const char* align : kAligns)
        pageAlign_->addItem(Q(align));
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(pageFormat_);
    numbers->addWidget(pageAlign_);
    form->addRow(Q("ページ番号(&P):"), numbers);
    connect(title_, &QCheckBox::toggled, this, &PrintSettingsDialog::UpdateEnabled);
    return box;
}

void PrintSettingsDialog::Fill(const PrintSettings& settings) {
    const int printer = printer_->findData(Q(settings.printer));
    printer_->setCurrentIndex(printer >= 0 ? printer : 0);
    pdfPath_->setText(Q(settings.pdfPath));
    copies_->setValue(settings.copies);
    paper_->setCurrentIndex(
        std::max(0, paper_->findData(PaperSize::ForCode(settings.paperSize).code)));
    (settings.orientation == PrintSettings::kPortrait ? portrait_ : landscape_)->setChecked(true);
    const int margins[] = {settings.marginLeft, settings.marginTop, settings.marginRight,
                           settings.marginBottom};
    for (int i = 0; i < 4; ++i)
        margins_[i]->setValue(margins[i] / 10);
    whole_->setChecked(settings.range == PrintSettings::Range::kWholePeriod);
    screen_->setChecked(settings.range == PrintSettings::Range::kScreen);
    dates_->setChecked(settings.range == PrintSettings::Range::kDates);
    // The screen's period is shown while that choice holds, so the user
    // sees what will print.
    const bool screen = settings.range == PrintSettings::Range::kScreen;
    from_->SetText(CompactText(screen ? request_.screen.from : settings.from));
    to_->SetText(CompactText(screen ? request_.screen.to : settings.to));
    const bool some = settings.firstPage > 0 || settings.lastPage > 0;
    (some ? somePages_ : allPages_)->setChecked(true);
    firstPage_->setValue(std::max(1, settings.firstPage));
    lastPage_->setValue(std::max(1, settings.lastPage));
    progress_->setChecked(settings.progress);
    title_->setChecked(settings.title);
    holiday_->setChecked(settings.holiday);
    today_->setChecked(settings.today);
    titleSize_->setCurrentIndex(settings.titleSize);
    outputDate_->setCurrentIndex(settings.outputDate);
    pageFormat_->setCurrentIndex(settings.pageFormat);
    pageAlign_->setCurrentIndex(settings.pageAlign);
    UpdateEnabled();
}

PrintSettings PrintSettingsDialog::Settings() const {
    PrintSettings settings = request_.settings;
    settings.printer = printer_->currentData().toString().toStdString();
    settings.pdfPath = pdfPath_->text().trimmed().toStdString();
    settings.copies = copies_->value();
    settings.paperSize = paper_->currentData().toInt();
    settings.orientation =
        portrait_->isChecked() ? PrintSettings::kPortrait : PrintSettings::kLandscape;
    int* margins[] = {&settings.marginLeft, &settings.marginTop, &settings.marginRight,
                      &settings.marginBottom};
    for (int i = 0; i < 4; ++i)
        *margins[i] = margins_[i]->value() * 10;
    settings.range = whole_->isChecked()    ? PrintSettings::Range::kWholePeriod
                     : screen_->isChecked() ? PrintSettings::Range::kScreen
                                            : PrintSettings::Range::kDates;
    if (settings.range == PrintSettings::Range::kDates) {
        settings.from = DayOf(*from_);
        settings.to = DayOf(*to_);
    }
    const bool some = somePages_->isChecked();
    settings.firstPage = some ? firstPage_->value() : 0;
    settings.lastPage = some ? lastPage_->value() : 0;
    settings.progress = progress_->isChecked();
    settings.title = title_->isChecked();
    settings.holiday = holiday_->isChecked();
    settings.today = today_->isChecked();
    settings.titleSize = titleSize_->currentIndex();
    settings.outputDate = outputDate_->currentIndex();
    settings.pageFormat = pageFormat_->currentIndex();
    settings.pageAlign = pageAlign_->currentIndex();
    return settings;
}

void PrintSettingsDialog::accept() {
    PrintSettings settings = Settings();
    // A PDF needs a file; without one the dialog waits for it.
    if (settings.printer == PrintSettings::kPdfPrinter && settings.pdfPath.empty()) {
        BrowsePdf();
        settings = Settings();
        if (settings.pdfPath.empty())
            return;
    }
    if (request_.accept && !request_.accept(settings))
        return;
    QDialog::accept();
}

void PrintSettingsDialog::UpdateEnabled() {
    const bool pdf = printer_->currentData().toString() == Q(PrintSettings::kPdfPrinter);
    pdfPath_->setEnabled(pdf);
    browse_->setEnabled(pdf);
    copies_->setEnabled(!pdf);
    from_->setEnabled(dates_->isChecked());
    to_->setEnabled(dates_->isChecked());
    if (screen_->isChecked()) {
        from_->SetText(CompactText(request_.screen.from));
        to_->SetText(CompactText(request_.screen.to));
    }
    firstPage_->setEnabled(somePages_->isChecked());
    lastPage_->setEnabled(somePages_->isChecked());
    titleSize_->setEnabled(title_->isChecked());
}

void PrintSettingsDialog::BrowsePdf() {
    const QString path = QFileDialog::getSaveFileName(this, Q("PDFファイルに印刷"),
                                                      pdfPath_->text(), Q("PDFファイル (*.pdf)"));
    if (!path.isEmpty())
        pdfPath_->setText(path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                              ? path
                              : path + QStringLiteral(".pdf"));
}

}  // namespace qb
