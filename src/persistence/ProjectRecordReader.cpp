#include "ProjectRecordReader.h"

#include <cmath>
#include <limits>

#include "ArchiveFormat.h"
#include "CLink.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "COleDateTimeSpan.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"

namespace qb {
namespace {

// No real plan nests rows this deep; a damaged file that claims to would
// otherwise run the reader (and later the tree walks) out of stack.
constexpr int kMaxRowDepth = 1000;

// Offsets of files below version 4: a fraction of a day, now held in
// ten-thousandths, truncated toward zero. Numbers beyond the integer range
// (only a damaged file has them) are clamped.
std::int32_t OffsetFromFraction(double fraction) {
    const double scaled = fraction * 10000.0;
    if (std::isnan(scaled))
        return 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (scaled >= kMax)
        return std::numeric_limits<std::int32_t>::max();
    if (scaled <= kMin)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(scaled);
}

}  // namespace

bool ProjectRecordReader::ReadSignature() {
    return in_.RawText() == ArchiveFormat::kSignature && in_.U32() == ArchiveFormat::kMagic &&
           in_.RawText() == ArchiveFormat::kArchiveWord && !in_.Failed();
}

ProjectRecordReader::Outcome ProjectRecordReader::ReadHeader() {
    if (!ReadSignature())
        return Outcome::kDamaged;
    version_ = in_.I32();
    if (in_.Failed())
        return Outcome::kDamaged;
    return version_ >= ArchiveFormat::kFirstUnreadableVersion ? Outcome::kTooNew : Outcome::kRead;
}

ProjectRecordReader::Outcome ProjectRecordReader::ReadBody(CProject& project) {
    Project(project);
    Rows(project.GetRows());
    Array(ArchiveFormat::kColumnArrayTag, project.GetColumns(),
          [&] { Column(project.GetColumns()); });
    Array(ArchiveFormat::kScheduleArrayTag, project.GetSchedules(),
          [&] { Schedule(project.GetSchedules()); });
    Array(ArchiveFormat::kLinkArrayTag, project.GetLinks(), [&] { Link(project.GetLinks()); });
    Array(ArchiveFormat::kDrawPartArrayTag, project.GetDrawParts(),
          [&] { DrawPart(project.GetDrawParts()); });
    return in_.Failed() ? Outcome::kDamaged : Outcome::kRead;
}

bool ProjectRecordReader::Expect(std::int32_t tag) {
    if (in_.I32() != tag)
        in_.Fail();
    return !in_.Failed();
}

// Every element starts with its tag and a common part: tag, id, deleted
// flag, two empty strings, the date from version 3 on and a param count.
std::size_t ProjectRecordReader::MinimumElementSize() const {
    return 4 + 4 + 4 + 1 + 1 + 1 + (version_ >= 3 ? 12 : 0) + 4;
}

void ProjectRecordReader::Common(CData& object) {
    if (!Expect(ArchiveFormat::kCommonTag))
        return;
    object.SetObjectId(in_.I32());
    object.SetDeleted(in_.Bool());
    object.SetRegistrant(in_.Text());
    object.SetModifier(in_.Text());
    if (version_ >= 3)
        object.SetLastModified(in_.Date());
    Params(object);
}

void ProjectRecordReader::Params(CData& object) {
    const std::int32_t count = in_.I32();
    // A pair is at least two empty strings of one byte each.
    if (!in_.CanHold(count, 2))
        return;
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name = in_.Text();
        std::string value = in_.Text();
        if (in_.Failed())
            return;
        object.SetParam(name, std::move(value));
    }
}

// The array's own values go into array; gives the count of the elements that
// follow, or -1 when the header is missing or claims more than the bytes left.
std::int32_t ProjectRecordReader::ArrayHeader(std::int32_t tag, CDataArray& array) {
    if (!Expect(tag) || !Expect(ArchiveFormat::kArrayTag))
        return -1;
    Common(array);
    const std::int32_t count = in_.I32();
    return in_.CanHold(count, MinimumElementSize()) ? count : -1;
}

template <class ReadElement>
void ProjectRecordReader::Array(std::int32_t tag, CDataArray& array, ReadElement readElement) {
    const std::int32_t count = ArrayHeader(tag, array);
    // The header check bounds a count by the bytes left, which lets each of
    // the few arrays at the top reserve its room at once. Child rows grow as
    // they come: a damaged file nesting many rows that each claim a large
    // count would otherwise reserve the rest of the file once per level.
    if (count > 0 && rowDepth_ <= 1)
        array.Reserve(array.GetCount() + count);
    for (std::int32_t i = 0; i < count && !in_.Failed(); ++i)
        readElement();
}

void ProjectRecordReader::Project(CProject& p) {
    if (!Expect(ArchiveFormat::kProjectTag))
        return;
    Common(p);
    p.SetTitle(in_.Text());
    p.SetReference(in_.Text());
    p.SetHorizontalUnit(in_.I32());
    p.SetViewPassword(in_.Text());
    p.SetEditPassword(in_.Text());
    p.SetDefaultFont(in_.Font());
    p.SetBorderLineCode(in_.Pen());
    p.SetHeaderContentLineCode(in_.Pen());
    p.SetVertLineLCode(in_.Pen());
    p.SetVertLineSCode(in_.Pen());
    p.SetColorRuleKey(in_.Text());
    p.SetLastObjectId(in_.I32());
    p.SetShared(in_.Bool());
    p.SetDisplayStartDate(in_.Date());
    p.SetDisplayEndDate(in_.Date());
    for (int setting = 1; setting <= CProject::kRulerSettings; ++setting) {
        p.SetUpperRulerFormat(setting, in_.I32());
        p.SetUpperRulerUnit(setting, in_.I32());
        p.SetLowerRulerFormat(setting, in_.I32());
        p.SetLowerRulerUnit(setting, in_.I32());
    }
    p.SetUseSystemHolidays(in_.Bool());
    p.SetDisplayColumns(in_.Bool());
    p.SetDataVersion(in_.I32());
    p.SetAvailableVersion(in_.I32());
    if (version_ >= 4) {
        p.SetRowViewWidth(in_.I32());
        p.SetColumnViewWidth(in_.I32());
        p.SetStyleDataKey(in_.Text());
        p.SetGraphColor(in_.U32());
        p.SetGraphHeight(in_.I32());
    }
    Array(ArchiveFormat::kHolidayArrayTag, p.GetHolidays(), [&] { Holiday(p.GetHolidays()); });
}

void ProjectRecordReader::Rows(CRowArray& rows) {
    if (++rowDepth_ > kMaxRowDepth) {
        in_.Fail();
    } else {
        Array(ArchiveFormat::kRowArrayTag, rows, [&] { Row(rows); });
    }
    --rowDepth_;
}

void ProjectRecordReader::Row(CRowArray& rows) {
    if (!Expect(ArchiveFormat::kRowTag))
        return;
    auto row = std::make_unique<CRow>();
    Common(*row);
    row->SetCaption(in_.Text());
    row->SetTextFont(in_.Font());
    row->SetTextColor(in_.U32());
    row->SetAllowedOverlap(in_.Bool());
    row->SetHeight(in_.I32());
    row->SetWidth(in_.I32());
    row->SetRightLinePen(in_.Pen());
    row->SetBottomLinePen(in_.Pen());
    if (version_ >= 2)
        row->SetReference(in_.Text());
    // Added before its children are read, so each child row can reach its parent.
    CRow& placed = *row;
    rows.Add(std::move(row));
    ChildRows(placed);
}

// Most rows have no children. Their array is made only when the file gives it
// elements or values of its own (any that differ from a new array's renew
// its change stamp); the others stay without one.
void ProjectRecordReader::ChildRows(CRow& row) {
    if (++rowDepth_ > kMaxRowDepth) {
        in_.Fail();
    } else {
        CRowArray header;
        const std::uint64_t untouched = header.GetChangeStamp();
        const std::int32_t count = ArrayHeader(ArchiveFormat::kRowArrayTag, header);
        if (count > 0 || header.GetChangeStamp() != untouched) {
            CRowArray& children = row.GetChildren();
            children.Assign(header);
            for (std::int32_t i = 0; i < count && !in_.Failed(); ++i)
                Row(children);
        }
    }
    --rowDepth_;
}

void ProjectRecordReader::Column(CColumnArray& columns) {
    if (!Expect(ArchiveFormat::kColumnTag))
        return;
    auto column = std::make_unique<CColumn>();
    Common(*column);
    column->SetVisible(in_.Bool());
    column->SetWidth(in_.I32());
    column->SetCaption(in_.Text());
    column->SetHeaderFont(in_.Font());
    column->SetDataFont(in_.Font());
    column->SetRefRowPropertyName(in_.Text());
    column->SetRefSchedulePropertyName(in_.Text());
    column->SetRightLineCode(in_.Pen());
    column->SetHeaderFontColor(in_.U32());
    column->SetDataFontColor(in_.U32());
    columns.Add(std::move(column));
}

std::int32_t ProjectRecordReader::Offset() {
    return version_ >= 4 ? in_.I32() : OffsetFromFraction(in_.F64());
}

void ProjectRecordReader::Schedule(CScheduleArray& schedules) {
    if (!Expect(ArchiveFormat::kScheduleTag))
        return;
    auto schedule = std::make_unique<CSchedule>();
    Common(*schedule);
    schedule->SetWeight(schedule->GetParamInt(ArchiveFormat::kWeightParam, 1));
    schedule->RemoveParam(ArchiveFormat::kWeightParam);
    ScheduleFields(*schedule);
    if (version_ < 4)
        ConvertOldSchedule(*schedule);
    schedules.Add(std::move(schedule));
}

void ProjectRecordReader::ScheduleFields(CSchedule& s) {
    s.SetCaption(in_.Text());
    s.SetTextFont(in_.Font());
    s.SetTextColor(in_.U32());
    s.SetBgColor(in_.U32());
    s.SetScheduleType(in_.I32());
    s.SetSubType(in_.I32());
    s.SetCaptionPosition(in_.I32());
    s.SetCaptionVAlign(in_.I32());
    s.SetCaptionHAlign(in_.I32());
    s.SetEdgePen(in_.Pen());
    s.SetActualStartDate(in_.Date());
    s.SetActualEndDate(in_.Date());
    s.SetProgressRate(in_.I32());
    s.SetRowObjectId(in_.I32());
    s.SetStartDate(in_.Date());
    s.SetStartOffset(Offset());
    s.SetEndDate(in_.Date());
    s.SetEndOffset(Offset());
    s.SetYOffset(in_.I32());
    s.SetHeight(in_.I32());
    s.SetStartEdgeType(in_.I32());
    s.SetEndEdgeType(in_.I32());
    s.SetRemark(in_.Text());
    if (version_ >= 2)
        s.SetReference(in_.Text());
    if (version_ < 4)
        return;
    s.SetActualStartOffset(in_.I32());
    s.SetActualEndOffset(in_.I32());
    s.SetByDay(in_.Bool());
    const std::uint32_t pair = in_.U32();
    const bool none = pair == ArchiveFormat::kNoQuantities;
    s.SetPlan(none ? 0 : static_cast<std::int32_t>(pair >> 16));
    s.SetResults(none ? 0 : static_cast<std::int32_t>(pair & 0xFFFF));
}

// Before version 4 the actual end was exclusive, and a point schedule's
// actual start meant noon.
void ProjectRecordReader::ConvertOldSchedule(CSchedule& s) {
    if (s.GetActualEndDate().IsValid())
        s.SetActualEndDate(s.GetActualEndDate() + COleDateTimeSpan(1.0));
    if (s.GetScheduleType() == 1 && s.GetActualStartDate().IsValid())
        s.SetActualStartOffset(5000);
}

void ProjectRecordReader::Link(CLinkArray& links) {
    if (!Expect(ArchiveFormat::kLinkTag))
        return;
    auto link = std::make_unique<CLink>();
    Common(*link);
    link->SetFromId(in_.I32());
    link->SetFromHorzPosition(in_.I32());
    link->SetFromVertPosition(in_.I32());
    link->SetFromEndStyle(in_.I32());
    link->SetToId(in_.I32());
    link->SetToHorzPosition(in_.I32());
    link->SetToVertPosition(in_.I32());
    link->SetToEndStyle(in_.I32());
    link->SetLinePen(in_.Pen());
    links.Add(std::move(link));
}

void ProjectRecordReader::DrawPart(CDrawPartArray& parts) {
    const std::int32_t tag = in_.I32();
    if (tag == ArchiveFormat::kMemoTag) {
        auto memo = std::make_unique<CMemo>();
        if (!Expect(ArchiveFormat::kDrawPartTag))
            return;
        Memo(*memo);
        parts.Add(std::move(memo));
    } else if (tag == ArchiveFormat::kDrawPartTag) {
        auto part = std::make_unique<CDrawPart>();
        Common(*part);
        parts.Add(std::move(part));
    } else {
        in_.Fail();
    }
}

void ProjectRecordReader::Memo(CMemo& memo) {
    Common(memo);
    memo.SetText(in_.Text());
    memo.SetXDate(in_.Date());
    memo.SetXOffset(Offset());
    memo.SetYRowId(in_.I32());
    memo.SetYOffset(in_.I32());
    memo.SetBgColor(in_.U32());
    memo.SetBgPaint(in_.Bool());
    memo.SetTextColor(in_.U32());
    memo.SetTextFont(in_.Font());
    memo.SetHAlign(in_.I32());
    memo.SetVAlign(in_.I32());
    memo.SetBorderPen(in_.Pen());
    memo.SetWidth(in_.I32());
    memo.SetHeight(in_.I32());
}

void ProjectRecordReader::Holiday(CHolidayArray& rules) {
    const std::int32_t tag = in_.I32();
    std::unique_ptr<CHoliday> rule = HolidayKind(tag);
    if (!rule || !Expect(ArchiveFormat::kHolidayPartTag)) {
        in_.Fail();
        return;
    }
    Common(*rule);
    rule->SetName(in_.Text());
    rule->SetForceNotHoliday(in_.Bool());
    rule->SetStartDate(in_.Date());
    rule->SetEndDate(in_.Date());
    switch (tag) {
        case ArchiveFormat::kYmdHolidayTag: {
            auto& r = static_cast<CYmdHoliday&>(*rule);
            r.SetYear(in_.I32());
            r.SetMonth(in_.I32());
            r.SetDay(in_.I32());
            break;
        }
        case ArchiveFormat::kMdHolidayTag: {
            auto& r = static_cast<CMdHoliday&>(*rule);
            r.SetMonth(in_.I32());
            r.SetDay(in_.I32());
            r.SetTransferBySunday(in_.Bool());
            break;
        }
        case ArchiveFormat::kMwHolidayTag: {
            auto& r = static_cast<CMwHoliday&>(*rule);
            r.SetMonth(in_.I32());
            r.SetDayOfWeek(in_.I32());
            r.SetWeekNo(in_.I32());
            break;
        }
        case ArchiveFormat::kMonthlyHolidayTag: {
            auto& r = static_cast<CMonthlyHoliday&>(*rule);
            r.SetDay(in_.I32());
            r.SetTransferBySunday(in_.Bool());
            break;
        }
        case ArchiveFormat::kMonthlyWHolidayTag: {
            auto& r = static_cast<CMonthlyWHoliday&>(*rule);
            r.SetDayOfWeek(in_.I32());
            r.SetWeekNo(in_.I32());
            break;
        }
        default:
            static_cast<CWeeklyHoliday&>(*rule).SetDayOfWeek(in_.I32());
            break;
    }
    rules.Add(std::move(rule));
}

std::unique_ptr<CHoliday> ProjectRecordReader::HolidayKind(std::int32_t tag) {
    switch (tag) {
        case ArchiveFormat::kYmdHolidayTag:
            return std::make_unique<CYmdHoliday>();
        case ArchiveFormat::kMdHolidayTag:
            return std::make_unique<CMdHoliday>();
        case ArchiveFormat::kMwHolidayTag:
            return std::make_unique<CMwHoliday>();
        case ArchiveFormat::kMonthlyHolidayTag:
            return std::make_unique<CMonthlyHoliday>();
        case ArchiveFormat::kMonthlyWHolidayTag:
            return std::make_unique<CMonthlyWHoliday>();
        case ArchiveFormat::kWeeklyHolidayTag:
            return std::make_unique<CWeeklyHoliday>();
        default:
            return nullptr;
    }
}

}  // namespace qb
