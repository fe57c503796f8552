#include "RulerTicks.h"

#include <algorithm>

#include "RulerUnit.h"

namespace qb {

namespace {

constexpr int kMonday = 2;
constexpr int kFiscalMonth = 4;
// Far enough to land in the next year from any day of a year, never two years on.
constexpr int kYearStep = 400;

COleDateTime FirstOfNextMonth(const COleDateTime::Fields& fields) {
    return fields.month == 12 ? COleDateTime(fields.year + 1, 1, 1, 0, 0, 0)
                              : COleDateTime(fields.year, fields.month + 1, 1, 0, 0, 0);
}

}  // namespace

int RulerTicks::TenDayPeriod(int dayOfMonth) {
    return std::clamp((dayOfMonth - 1) / 10, 0, 2);
}

COleDateTime RulerTicks::First(int unit, const COleDateTime& origin) {
    COleDateTime::Fields fields;
    if (!origin.GetFields(fields)) {
        return COleDateTime::Invalid();
    }
    switch (unit) {
        case kRulerWeek:
            return origin.DatePart().AddDays(-((fields.dayOfWeek - kMonday + 7) % 7));
        case kRulerTenDays:
            return COleDateTime(fields.year, fields.month, std::min(fields.day / 10, 2) * 10 + 1, 0,
                                0, 0);
        case kRulerMonth:
            return COleDateTime(fields.year, fields.month, 1, 0, 0, 0);
        case kRulerYear:
            return COleDateTime(fields.year, 1, 1, 0, 0, 0);
        case kRulerFiscalYear: {
            // January to March belong to the fiscal year that began the April before.
            const int year = fields.month >= kFiscalMonth ? fields.year : fields.year - 1;
            return COleDateTime(year, kFiscalMonth, 1, 0, 0, 0);
        }
        default:
            return origin.DatePart();
    }
}

COleDateTime RulerTicks::Next(int unit, const COleDateTime& tick) {
    COleDateTime::Fields fields;
    if (!tick.GetFields(fields)) {
        return COleDateTime::Invalid();
    }
    switch (unit) {
        case kRulerWeek:
            return tick.AddDays(7);
        case kRulerTenDays:
            return TenDayPeriod(fields.day) < 2 ? tick.AddDays(10) : FirstOfNextMonth(fields);
        case kRulerMonth:
            return FirstOfNextMonth(fields);
        case kRulerYear:
        case kRulerFiscalYear: {
            const int year = tick.AddDays(kYearStep).GetYear();
            return COleDateTime(year, unit == kRulerYear ? 1 : kFiscalMonth, 1, 0, 0, 0);
        }
        default:
            return tick.AddDays(1);
    }
}

}  // namespace qb
