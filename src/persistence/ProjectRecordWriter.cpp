#include "ProjectRecordWriter.h"

#include "ArchiveFormat.h"
#include "CLink.h"
#include "CMdHoliday.h"
#include "CMemo.h"
#include "CMonthlyHoliday.h"
#include "CMonthlyWHoliday.h"
#include "CMwHoliday.h"
#include "CWeeklyHoliday.h"
#include "CYmdHoliday.h"
#include "ProjectArchive.h"
#include "ValueText.h"

namespace qb {
namespace {

// Rough encoded sizes, so the buffer grows once instead of twenty times.
constexpr std::size_t kScheduleBytes = 200;
constexpr std::size_t kOtherBytes = 110;

std::size_t RowCount(const CRowArray& rows) {
    std::size_t count = 0;
    rows.ForEach([&](const CRow& row) { count += 1 + RowCount(row.GetChildren()); });
    return count;
}

}  // namespace

std::string ProjectRecordWriter::Write(const CProject& project) {
    ProjectRecordWriter writer(project);
    writer.out_.Reserve(
        4096 + kScheduleBytes * static_cast<std::size_t>(project.GetSchedules().GetCount()) +
        kOtherBytes * (RowCount(project.GetRows()) +
                       static_cast<std::size_t>(project.GetLinks().GetCount() +
                                                project.GetDrawParts().GetCount())));
    writer.Header();
    writer.Project();
    writer.Array(ArchiveFormat::kRowArrayTag, project.GetRows(),
                 [&](const CRow& row) { writer.Row(row); });
    writer.Array(ArchiveFormat::kColumnArrayTag, project.GetColumns(),
                 [&](const CColumn& column) { writer.Column(column); });
    writer.Array(ArchiveFormat::kScheduleArrayTag, project.GetSchedules(),
                 [&](const CSchedule& schedule) { writer.Schedule(schedule); });
    writer.Array(ArchiveFormat::kLinkArrayTag, project.GetLinks(),
                 [&](const CLink& link) { writer.Link(link); });
    writer.Array(ArchiveFormat::kDrawPartArrayTag, project.GetDrawParts(),
                 [&](const CDrawPart& part) { writer.DrawPart(part); });
    return writer.out_.Take();
}

ProjectRecordWriter::ProjectRecordWriter(const CProject& project) : project_(project) {}

void ProjectRecordWriter::Header() {
    out_.RawText(ArchiveFormat::kSignature);
    out_.U32(ArchiveFormat::kMagic);
    out_.RawText(ArchiveFormat::kArchiveWord);
    out_.I32(ProjectArchive::kWrittenVersion);
}

void ProjectRecordWriter::Common(const CData& object, std::int32_t weight) {
    out_.I32(ArchiveFormat::kCommonTag);
    out_.I32(object.GetObjectId());
    out_.Bool(object.IsDeleted());
    out_.Text(object.GetRegistrant());
    out_.Text(object.GetModifier());
    out_.Date(object.GetLastModified());
    Params(object, object.GetType() == CData::kSchedule, weight);
}

// A schedule's weight field is the truth: a stray "_w" among its params is
// dropped and the weight is written in its place when it is not 1.
void ProjectRecordWriter::Params(const CData& object, bool isSchedule, std::int32_t weight) {
    const PropertyMap* params = object.ParamMapOrNull();
    const bool hasStray = isSchedule && params && params->Contains(ArchiveFormat::kWeightParam);
    const bool writeWeight = isSchedule && weight != 1;
    const std::size_t count =
        (params ? params->Size() : 0) - (hasStray ? 1 : 0) + (writeWeight ? 1 : 0);
    out_.I32(static_cast<std::int32_t>(count));
    if (params) {
        for (const auto& [name, value] : *params) {
            if (hasStray && name == ArchiveFormat::kWeightParam)
                continue;
            out_.Text(name);
            out_.Text(value);
        }
    }
    if (writeWeight) {
        out_.RawText(ArchiveFormat::kWeightParam);
        out_.RawText(ValueText::FromInt(weight));
    }
}

template <class T, class WriteElement>
void ProjectRecordWriter::Array(std::int32_t tag, const CDataArrayOf<T>& array,
                                WriteElement writeElement) {
    out_.I32(tag);
    out_.I32(ArchiveFormat::kArrayTag);
    Common(array);
    out_.I32(array.GetCount(true));
    array.ForEach([&](const T& element) {
        if (!element.IsDeleted())
            writeElement(element);
    });
}

void ProjectRecordWriter::Project() {
    const CProject& p = project_;
    out_.I32(ArchiveFormat::kProjectTag);
    Common(p);
    out_.Text(p.GetTitle());
    out_.Text(p.GetReference());
    out_.I32(p.GetHorizontalUnit());
    out_.Text(p.GetViewPassword());
    out_.Text(p.GetEditPassword());
    out_.Font(p.GetDefaultFont());
    out_.Pen(p.GetBorderLineCode());
    out_.Pen(p.GetHeaderContentLineCode());
    out_.Pen(p.GetVertLineLCode());
    out_.Pen(p.GetVertLineSCode());
    out_.Text(p.GetColorRuleKey());
    out_.I32(p.GetLastObjectId());
    out_.Bool(p.IsShared());
    out_.Date(p.GetDisplayStartDate());
    out_.Date(p.GetDisplayEndDate());
    for (int setting = 1; setting <= CProject::kRulerSettings; ++setting) {
        out_.I32(p.GetUpperRulerFormat(setting));
        out_.I32(p.GetUpperRulerUnit(setting));
        out_.I32(p.GetLowerRulerFormat(setting));
        out_.I32(p.GetLowerRulerUnit(setting));
    }
    out_.Bool(p.IsUseSystemHolidays());
    out_.Bool(p.IsDisplayColumns());
    out_.I32(p.GetDataVersion());
    out_.I32(p.GetAvailableVersion());
    out_.I32(p.GetRowViewWidth());
    out_.I32(p.GetColumnViewWidth());
    out_.Text(p.GetStyleDataKey());
    out_.U32(p.GetGraphColor());
    out_.I32(p.GetGraphHeight());
    Array(ArchiveFormat::kHolidayArrayTag, p.GetHolidays(),
          [&](const CHoliday& rule) { Holiday(rule); });
}

void ProjectRecordWriter::Row(const CRow& row) {
    out_.I32(ArchiveFormat::kRowTag);
    Common(row);
    out_.Text(row.GetCaption());
    out_.Font(row.GetTextFont());
    out_.U32(row.GetTextColor());
    out_.Bool(row.IsAllowedOverlap());
    out_.I32(row.GetHeight());
    out_.I32(row.GetWidth());
    out_.Pen(row.GetRightLinePen());
    out_.Pen(row.GetBottomLinePen());
    out_.Text(row.GetReference());
    Array(ArchiveFormat::kRowArrayTag, row.GetChildren(), [&](const CRow& child) { Row(child); });
}

void ProjectRecordWriter::Column(const CColumn& column) {
    out_.I32(ArchiveFormat::kColumnTag);
    Common(column);
    out_.Bool(column.IsVisible());
    out_.I32(column.GetWidth());
    out_.Text(column.GetCaption());
    out_.Font(column.GetHeaderFont());
    out_.Font(column.GetDataFont());
    out_.Text(column.GetRefRowPropertyName());
    out_.Text(column.GetRefSchedulePropertyName());
    out_.Pen(column.GetRightLineCode());
    out_.U32(column.GetHeaderFontColor());
    out_.U32(column.GetDataFontColor());
}

void ProjectRecordWriter::Schedule(const CSchedule& s) {
    out_.I32(ArchiveFormat::kScheduleTag);
    Common(s, s.GetWeight());
    out_.Text(s.GetCaption());
    out_.Font(s.GetTextFont());
    out_.U32(s.GetTextColor());
    out_.U32(s.GetBgColor());
    out_.I32(s.GetScheduleType());
    out_.I32(s.GetSubType());
    out_.I32(s.GetCaptionPosition());
    out_.I32(s.GetCaptionVAlign());
    out_.I32(s.GetCaptionHAlign());
    out_.Pen(s.GetEdgePen());
    out_.Date(s.GetActualStartDate());
    out_.Date(s.GetActualEndDate());
    out_.I32(s.GetProgressRate());
    out_.I32(s.GetRowObjectId());
    out_.Date(s.GetStartDate());
    out_.I32(s.GetStartOffset());
    out_.Date(s.GetEndDate());
    out_.I32(s.GetEndOffset());
    out_.I32(s.GetYOffset());
    out_.I32(s.GetHeight());
    out_.I32(s.GetStartEdgeType());
    out_.I32(s.GetEndEdgeType());
    out_.Text(s.GetRemark());
    out_.Text(s.GetReference());
    out_.I32(s.GetActualStartOffset());
    out_.I32(s.GetActualEndOffset());
    out_.Bool(s.IsByDay());
    // plan in the upper 16 bits, results in the lower; both are cut to 16 bits.
    out_.U32(static_cast<std::uint32_t>(s.GetPlan()) << 16 |
             (static_cast<std::uint32_t>(s.GetResults()) & 0xFFFF));
}

void ProjectRecordWriter::Link(const CLink& link) {
    out_.I32(ArchiveFormat::kLinkTag);
    Common(link);
    out_.I32(link.GetFromId());
    out_.I32(link.GetFromHorzPosition());
    out_.I32(link.GetFromVertPosition());
    out_.I32(link.GetFromEndStyle());
    out_.I32(link.GetToId());
    out_.I32(link.GetToHorzPosition());
    out_.I32(link.GetToVertPosition());
    out_.I32(link.GetToEndStyle());
    out_.Pen(link.GetLinePen());
}

void ProjectRecordWriter::DrawPart(const CDrawPart& part) {
    if (part.GetType() == CData::kMemo) {
        Memo(static_cast<const CMemo&>(part));
        return;
    }
    out_.I32(ArchiveFormat::kDrawPartTag);
    Common(part);
}

void ProjectRecordWriter::Memo(const CMemo& memo) {
    out_.I32(ArchiveFormat::kMemoTag);
    out_.I32(ArchiveFormat::kDrawPartTag);
    Common(memo);
    out_.Text(memo.GetText());
    out_.Date(memo.GetXDate());
    out_.I32(memo.GetXOffset());
    out_.I32(memo.GetYRowId());
    out_.I32(memo.GetYOffset());
    out_.U32(memo.GetBgColor());
    out_.Bool(memo.IsBgPaint());
    out_.U32(memo.GetTextColor());
    out_.Font(memo.GetTextFont());
    out_.I32(memo.GetHAlign());
    out_.I32(memo.GetVAlign());
    out_.Pen(memo.GetBorderPen());
    out_.I32(memo.GetWidth());
    out_.I32(memo.GetHeight());
}

void ProjectRecordWriter::Holiday(const CHoliday& rule) {
    out_.I32(rule.GetType() + 1);
    out_.I32(ArchiveFormat::kHolidayPartTag);
    Common(rule);
    out_.Text(rule.GetName());
    out_.Bool(rule.IsForceNotHoliday());
    out_.Date(rule.GetStartDate());
    out_.Date(rule.GetEndDate());
    HolidayKind(rule);
}

void ProjectRecordWriter::HolidayKind(const CHoliday& rule) {
    switch (rule.GetType()) {
        case CData::kYmdHoliday: {
            const auto& r = static_cast<const CYmdHoliday&>(rule);
            out_.I32(r.GetYear());
            out_.I32(r.GetMonth());
            out_.I32(r.GetDay());
            break;
        }
        case CData::kMdHoliday: {
            const auto& r = static_cast<const CMdHoliday&>(rule);
            out_.I32(r.GetMonth());
            out_.I32(r.GetDay());
            out_.Bool(r.IsTransferBySunday());
            break;
        }
        case CData::kMwHoliday: {
            const auto& r = static_cast<const CMwHoliday&>(rule);
            out_.I32(r.GetMonth());
            out_.I32(r.GetDayOfWeek());
            out_.I32(r.GetWeekNo());
            break;
        }
        case CData::kMonthlyHoliday: {
            const auto& r = static_cast<const CMonthlyHoliday&>(rule);
            out_.I32(r.GetDay());
            out_.Bool(r.IsTransferBySunday());
            break;
        }
        case CData::kMonthlyWHoliday: {
            const auto& r = static_cast<const CMonthlyWHoliday&>(rule);
            out_.I32(r.GetDayOfWeek());
            out_.I32(r.GetWeekNo());
            break;
        }
        case CData::kWeeklyHoliday:
            out_.I32(static_cast<const CWeeklyHoliday&>(rule).GetDayOfWeek());
            break;
        default:
            break;
    }
}

}  // namespace qb
