#pragma once

#include <string>

#include "COleDateTime.h"

namespace qb {

struct ViewStatus;

// What the print engine keeps between jobs: the printer, the paper, the
// furniture options and the ranges. Lengths are tenths of a millimetre.
struct PrintSettings {
    enum class Range { kDates, kWholePeriod, kScreen };
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    // Printer name that writes a PDF file instead of going to a printer.
    static constexpr const char* kPdfPrinter = "PDF";

    // Empty: none chosen yet.
    std::string printer;
    // The file a PDF "printer" writes.
    std::string pdfPath;
    int paperSize = 9;
    int orientation = kLandscape;
    int marginLeft = 200;
    int marginTop = 200;
    int marginRight = 200;
    int marginBottom = 200;
    // 0 none, 1..7 the page-number formats.
    int pageFormat = 0;
    // 0..5: top left, top centre, top right, bottom left, bottom centre, bottom right.
    int pageAlign = 0;
    bool progress = false;
    bool title = true;
    bool holiday = true;
    bool today = true;
    // 0..3: small, medium, large, extra large.
    int titleSize = 0;
    // PageTexts' output-date choices.
    int outputDate = 0;
    Range range = Range::kScreen;
    // Ends of Range::kDates; a null end is open.
    COleDateTime from = COleDateTime::Null();
    COleDateTime to = COleDateTime::Null();
    // Pages counted from 1; 0 at either end: all pages.
    int firstPage = 0;
    int lastPage = 0;
    int copies = 1;

    // The starred values kept per file, held to the ranges above.
    void LoadFrom(const ViewStatus& status);
    void StoreTo(ViewStatus& status) const;
    // Paper width and height for the orientation: landscape is the wider.
    int PaperWidth() const;
    int PaperHeight() const;
};

}  // namespace qb
