#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>
#include <string>
#include <vector>

#include "IPrinter.h"
#include "QtDrawContext.h"

namespace qb {

// A CUPS printer or a PDF file through Qt's print support.
class QtPrinter : public IPrinter {
public:
    // A PDF file at path.
    static std::unique_ptr<QtPrinter> ForPdf(const std::string& path);
    // The CUPS printer of that name.
    static std::unique_ptr<QtPrinter> ForPrinter(const std::string& name);
    // The printer a print dialog has set up.
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool BeginDocument(const std::string& name, DrawSize paper, int copies) override;
    IDrawContext* BeginPage() override;
    void EndPage() override;
    bool EndDocument() override;
    std::string ErrorString() const override { return error_; }

    // The printers CUPS knows, default first.
    static std::vector<std::string> PrinterNames();

private:
    QtPrinter();

    std::unique_ptr<QPrinter> own_;
    QPrinter* printer_;
    QPainter painter_;
    std::unique_ptr<QtDrawContext> page_;
    bool firstPage_ = true;
    std::string error_;
};

}  // namespace qb
