#include "CDataFactory.h"

#include "CColumnArray.h"
#include "CDataArray.h"
#include "CDrawPartArray.h"
#include "CHolidayArray.h"
#include "CLinkArray.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CProject.h"
#include "CRowArray.h"
#include "CScheduleArray.h"
#include "CScheduleStyleArray.h"
#include "CStyleData.h"
#include "CTypeRegistry.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {

std::unique_ptr<CData> CDataFactory::Create(std::string_view tagWord) {
    return CreateByType(CTypeRegistry::GetTypeOf(tagWord));
}

std::unique_ptr<CData> CDataFactory::CreateByType(int type) {
    switch (type) {
        case CData::kData:
            return std::make_unique<CData>();
        case CData::kDataArray:
            return std::make_unique<CDataArray>();
        case CData::kColumn:
            return std::make_unique<CColumn>();
        case CData::kColumnArray:
            return std::make_unique<CColumnArray>();
        case CData::kMemo:
            return std::make_unique<CMemo>();
        case CData::kDrawPart:
            return std::make_unique<CDrawPart>();
        case CData::kDrawPartArray:
            return std::make_unique<CDrawPartArray>();
        case CData::kProject:
            return std::make_unique<CProject>();
        case CData::kLink:
            return std::make_unique<CLink>();
        case CData::kLinkArray:
            return std::make_unique<CLinkArray>();
        case CData::kRow:
            return std::make_unique<CRow>();
        case CData::kRowArray:
            return std::make_unique<CRowArray>();
        case CData::kSchedule:
            return std::make_unique<CSchedule>();
        case CData::kScheduleArray:
            return std::make_unique<CScheduleArray>();
        case CData::kHolidayArray:
            return std::make_unique<CHolidayArray>();
        case CData::kYmdHoliday:
            return std::make_unique<CYmdHoliday>();
        case CData::kMdHoliday:
            return std::make_unique<CMdHoliday>();
        case CData::kMwHoliday:
            return std::make_unique<CMwHoliday>();
        case CData::kMonthlyHoliday:
            return std::make_unique<CMonthlyHoliday>();
        case CData::kMonthlyWHoliday:
            return std::make_unique<CMonthlyWHoliday>();
        case CData::kWeeklyHoliday:
            return std::make_unique<CWeeklyHoliday>();
        case CData::kScheduleStyle:
            return std::make_unique<CScheduleStyle>();
        case CData::kScheduleStyleArray:
            return std::make_unique<CScheduleStyleArray>();
        case CData::kStyleData:
            return std::make_unique<CStyleData>();
        default:
            return nullptr;  // the abstract holiday rule, or not a type
    }
}

}  // namespace qb
