#include "ColumnCellText.h"

#include <cstdio>
#include <vector>

#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CSchedule.h"
#include "DateText.h"
#include "DisplayTree.h"
#include "ScheduleFields.h"

namespace qb {

namespace {

std::string DateForm(const COleDateTime& date) {
    return DateText::SlashDate(date, true, false);
}

std::string DateOrTime(const COleDateTime& date, bool byDay) {
    return byDay ? DateForm(date) : DateText::SlashDateTime(date, true, false);
}

// A by-day end at the very start of a day closes the day before.
COleDateTime ShownEnd(const COleDateTime& date, int offset, bool byDay) {
    return byDay && offset == 0 ? date.AddDays(-1) : date;
}

// What one row's schedules give its computed cells.
struct RowSchedules {
    const CGuiSchedule* first = nullptr;
    COleDateTime earliest = COleDateTime::Null();
    COleDateTime latest = COleDateTime::Null();

    void Add(const CGuiSchedule& schedule) {
        const ScheduleFields& f = schedule.GetFields();
        if (first == nullptr)
            first = &schedule;
        if (f.startDate.IsValid() && (!earliest.IsValid() || f.startDate < earliest))
            earliest = f.startDate;
        const COleDateTime end =
            f.endDate.IsValid() ? ShownEnd(f.endDate, f.endOffset, f.byDay) : f.startDate;
        if (end.IsValid() && (!latest.IsValid() || latest < end))
            latest = end;
    }
};

std::string ScheduleCell(int kind, const RowSchedules& row) {
    switch (kind) {
        case ColumnCellText::kEarliestStart:
            return DateText::SlashDate(row.earliest, true, false);
        case ColumnCellText::kLatestEnd:
            return DateText::SlashDate(row.latest, true, false);
        default: {
            const auto* data = static_cast<const CSchedule*>(row.first->GetData());
            return ColumnCellText::FirstScheduleText(kind, row.first->GetFields(),
                                                     std::string(data->GetRemark()));
        }
    }
}

std::string TotalText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

std::string ColumnCellText::CellName(int columnId) {
    return "_c" + std::to_string(columnId);
}

std::string ColumnCellText::FirstScheduleText(int kind, const ScheduleFields& first,
                                              const std::string& remark) {
    switch (kind) {
        case kStart:
            return DateOrTime(first.startDate, first.byDay);
        case kEnd:
            return first.endDate.IsValid()
                       ? DateOrTime(ShownEnd(first.endDate, first.endOffset, first.byDay),
                                    first.byDay)
                       : std::string();
        case kActualStart:
            return first.HasActualStart() ? DateOrTime(first.actualStartDate, first.byDay)
                                          : std::string();
        case kActualEnd:
            return first.HasActualEnd() ? DateOrTime(ShownEnd(first.actualEndDate,
                                                              first.actualEndOffset, first.byDay),
                                                     first.byDay)
                                        : std::string();
        case kCaption:
            return first.caption;
        case kProgress: {
            if (first.progressRate == -1)
                return std::string();
            char text[32];
            std::snprintf(text, sizeof text, "%d%%", first.progressRate / 10);
            return text;
        }
        case kRemark:
            return remark;
        default:
            return std::string();
    }
}

// Schedules come in project order, so the first one met on a row is the
// row's first schedule.
void ColumnCellText::FillScheduleTexts(DisplayTree& tree) {
    const CGuiColumnArray& columns = tree.GetColumns();
    std::vector<std::pair<std::size_t, int>> computed;
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        const int kind = columns.At(i)->GetKind();
        if (kind >= kStart && kind <= kLatestEnd)
            computed.emplace_back(i, kind);
    }
    if (computed.empty())
        return;
    std::vector<RowSchedules> rows(static_cast<std::size_t>(tree.RowCount()));
    std::vector<CGuiRow*> withSchedules;
    const CGuiScheduleArray& schedules = tree.GetSchedules();
    for (std::size_t i = 0; i < schedules.Size(); ++i) {
        const CGuiSchedule& schedule = *schedules.At(i);
        CGuiRow* row = schedule.GetRow();
        if (row == nullptr || row->GetSerial() < 0)
            continue;
        RowSchedules& found = rows[static_cast<std::size_t>(row->GetSerial())];
        if (found.first == nullptr)
            withSchedules.push_back(row);
        found.Add(schedule);
    }
    for (CGuiRow* row : withSchedules) {
        const RowSchedules& found = rows[static_cast<std::size_t>(row->GetSerial())];
        std::vector<std::string>& texts = row->EditCellTexts();
        for (const auto& [index, kind] : computed)
            texts[index] = ScheduleCell(kind, found);
    }
}

void ColumnCellText::FillTotals(const CGuiRowArray& rows, const CGuiColumnArray& columns) {
    if (!columns.HasKind10() && !columns.HasKind11())
        return;
    for (std::size_t i = 0; i < columns.Size(); ++i) {
        const int kind = columns.At(i)->GetKind();
        if (kind != kTotal2 && kind != kTotal3)
            continue;
        const int figure = kind == kTotal2 ? 1 : 2;
        DisplayTree::ForEachRow(
            rows, [&](CGuiRow& row) { row.EditCellTexts()[i] = TotalText(row.GetTotal(figure)); });
    }
}

}  // namespace qb
