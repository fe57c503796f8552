#include "PrintSettings.h"

#include <algorithm>

#include "PaperSize.h"
#include "ViewStatus.h"

namespace qb {
namespace {

// Wider margins than the paper come from damaged settings.
constexpr int kMaxMargin = 1000;

int Margin(int value) {
    return std::clamp(value, 0, kMaxMargin);
}

}  // namespace

void PrintSettings::LoadFrom(const ViewStatus& status) {
    paperSize = PaperSize::ForCode(status.paperSize).code;
    orientation = status.orientation == kPortrait ? kPortrait : kLandscape;
    marginLeft = Margin(status.marginLeft);
    marginTop = Margin(status.marginTop);
    marginRight = Margin(status.marginRight);
    marginBottom = Margin(status.marginBottom);
    pageFormat = std::clamp(status.pageFormat, 0, 7);
    pageAlign = std::clamp(status.pageAlign, 0, 5);
    progress = status.progress != 0;
    title = status.title != 0;
    holiday = status.holiday != 0;
    today = status.today != 0;
    titleSize = std::clamp(status.printTitleSize, 0, 3);
}

void PrintSettings::StoreTo(ViewStatus& status) const {
    status.paperSize = paperSize;
    status.orientation = orientation;
    status.marginLeft = marginLeft;
    status.marginTop = marginTop;
    status.marginRight = marginRight;
    status.marginBottom = marginBottom;
    status.pageFormat = pageFormat;
    status.pageAlign = pageAlign;
    status.progress = progress ? 1 : 0;
    status.title = title ? 1 : 0;
    status.holiday = holiday ? 1 : 0;
    status.today = today ? 1 : 0;
    status.printTitleSize = titleSize;
}

int PrintSettings::PaperWidth() const {
    const PaperSize& paper = PaperSize::ForCode(paperSize);
    return orientation == kPortrait ? paper.width : paper.height;
}

int PrintSettings::PaperHeight() const {
    const PaperSize& paper = PaperSize::ForCode(paperSize);
    return orientation == kPortrait ? paper.height : paper.width;
}

}  // namespace qb
