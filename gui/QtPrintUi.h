#pragma once

#include "IPrintUi.h"

class QWidget;

namespace qb {

// The print windows on Qt: the settings dialog, QPrintDialog, the preview
// window, the picture's period and the clipboard.
class QtPrintUi : public IPrintUi {
public:
    explicit QtPrintUi(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<PrintSettings> EditSettings(const PrintDialogRequest& request) override;
    std::unique_ptr<IPrinter> ChooseSystemPrinter(PrintSettings& settings) override;
    std::unique_ptr<IPrinter> OpenPrinter(const PrintSettings& settings) override;
    void ShowPreview(PrintEngine& engine) override;
    std::optional<DatePeriod> AskPicturePeriod(const DatePeriod& initial) override;
    bool CopyPicture(PrintEngine& engine) override;

private:
    QWidget* parent_;
};

}  // namespace qb
