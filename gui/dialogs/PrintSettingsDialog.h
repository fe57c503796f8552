#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "IPrintUi.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qb {

class DateField;

// "印刷の設定" / "印刷": printer, paper, margins, the date and page ranges,
// copies and what each page carries. OK ("印刷開始" before a job) hands the
// values to the request's check and stays open when it refuses them.
class PrintSettingsDialog : public QDialog {
    Q_OBJECT

public:
    PrintSettingsDialog(const PrintDialogRequest& request, std::vector<std::string> printers,
                        QWidget* parent = nullptr);

    // What the fields hold now.
    PrintSettings Settings() const;
    void accept() override;

    QComboBox* PrinterBox() const { return printer_; }
    QLineEdit* PdfPathEdit() const { return pdfPath_; }
    QComboBox* PaperBox() const { return paper_; }
    QRadioButton* PortraitButton() const { return portrait_; }
    QRadioButton* DatesButton() const { return dates_; }
    QRadioButton* WholeButton() const { return whole_; }
    QRadioButton* ScreenButton() const { return screen_; }
    DateField* FromField() const { return from_; }
    DateField* ToField() const { return to_; }
    QSpinBox* MarginBox(int i) const { return margins_[i]; }
    QComboBox* PageFormatBox() const { return pageFormat_; }
    QComboBox* OutputDateBox() const { return outputDate_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QWidget* BuildPrinter();
    QWidget* BuildPaper();
    QWidget* BuildRanges();
    QWidget* BuildContents();
    void Fill(const PrintSettings& settings);
    void UpdateEnabled();
    void BrowsePdf();

    PrintDialogRequest request_;
    QComboBox* printer_ = nullptr;
    QLineEdit* pdfPath_ = nullptr;
    QPushButton* browse_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
    QSpinBox* margins_[4] = {};
    QRadioButton* dates_ = nullptr;
    QRadioButton* whole_ = nullptr;
    QRadioButton* screen_ = nullptr;
    DateField* from_ = nullptr;
    DateField* to_ = nullptr;
    QRadioButton* allPages_ = nullptr;
    QRadioButton* somePages_ = nullptr;
    QSpinBox* firstPage_ = nullptr;
    QSpinBox* lastPage_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QComboBox* outputDate_ = nullptr;
    QCheckBox* progress_ = nullptr;
    QCheckBox* title_ = nullptr;
    QCheckBox* holiday_ = nullptr;
    QCheckBox* today_ = nullptr;
    QComboBox* titleSize_ = nullptr;
    QComboBox* pageFormat_ = nullptr;
    QComboBox* pageAlign_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace qb
