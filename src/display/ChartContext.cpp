#include "ChartContext.h"

#include "CalendarSettings.h"
#include "DisplaySettings.h"

namespace qb {

const DisplaySettings& ChartContext::Display() const {
    static const DisplaySettings defaults;
    return display != nullptr ? *display : defaults;
}

const CalendarSettings& ChartContext::Calendar() const {
    static const CalendarSettings defaults;
    return calendar != nullptr ? *calendar : defaults;
}

bool ChartContext::ShowTotal() const {
    return display != nullptr && display->showTotal;
}

}  // namespace qb
