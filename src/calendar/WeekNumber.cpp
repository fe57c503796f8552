#include "WeekNumber.h"

namespace qb {

namespace {

constexpr int kFiscalMonth = 4;

}  // namespace

int WeekNumber::Calendar(const COleDateTime& monday) {
    COleDateTime::Fields fields;
    if (!monday.GetFields(fields)) {
        return 0;
    }
    if (fields.month == 1 && fields.day >= 2 && fields.day <= 8) {
        return 1;
    }
    // Counting from the Saturday before lets a Monday on 1 January fall into
    // the last week of the year before.
    return monday.AddDays(-2).GetDayOfYear() / 7 + 1;
}

int WeekNumber::Fiscal(const COleDateTime& monday) {
    const COleDateTime sunday = monday.AddDays(-1).DatePart();
    COleDateTime::Fields fields;
    if (!sunday.GetFields(fields)) {
        return 0;
    }
    const int fiscalYear = fields.month >= kFiscalMonth ? fields.year : fields.year - 1;
    const COleDateTime yearStart(fiscalYear, kFiscalMonth, 1, 0, 0, 0);
    return static_cast<int>((sunday - yearStart).GetDays() / 7) + 1;
}

}  // namespace qb
