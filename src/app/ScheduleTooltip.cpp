#include "ScheduleTooltip.h"

#include <string_view>

#include "DateText.h"

namespace qb {

namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kTilde = "～";

std::string Collapsed(std::string text) {
    std::string doubled(kTilde);
    doubled += kTilde;
    for (std::size_t at = text.find(doubled); at != std::string::npos; at = text.find(doubled)) {
        text.erase(at, kTilde.size());
    }
    return text;
}

}  // namespace

std::string ScheduleTooltip::Text(const ScheduleFields& fields) {
    if (!fields.tooltip.empty()) {
        return fields.tooltip;
    }
    std::string text;
    AppendDates(fields, text);
    AppendActualDates(fields, text);
    if (!fields.caption.empty()) {
        text += kNewLine;
        text += fields.caption;
    }
    AppendQuantities(fields, text);
    return text;
}

std::string ScheduleTooltip::StartText(const COleDateTime& date, bool byDay) {
    return byDay ? DateText::SlashDate(date, true, true)
                 : DateText::SlashDateTime(date, true, true);
}

std::string ScheduleTooltip::EndText(const COleDateTime& date, int offset, bool byDay) {
    if (!byDay) {
        return DateText::SlashDateTime(date, true, true);
    }
    // An end at the very start of a day means the work stopped the day before.
    const COleDateTime day = offset == 0 && date.IsValid() ? date.AddDays(-1) : date;
    return DateText::SlashDate(day, true, true);
}

void ScheduleTooltip::AppendDates(const ScheduleFields& fields, std::string& text) {
    text += StartText(fields.startDate, fields.byDay);
    if (!fields.IsPoint()) {
        text += kNewLine;
        text += " ";
        text += kTilde;
        text += EndText(fields.endDate, fields.endOffset, fields.byDay);
    }
}

void ScheduleTooltip::AppendActualDates(const ScheduleFields& fields, std::string& text) {
    const bool start = fields.HasActualStart();
    const bool end = !fields.IsPoint() && fields.HasActualEnd();
    if (!start && !end) {
        return;
    }
    std::string actual;
    if (start) {
        actual += StartText(fields.actualStartDate, fields.byDay);
        if (!fields.IsPoint()) {
            actual += kTilde;
        }
    }
    if (end) {
        actual += kTilde;
        actual += EndText(fields.actualEndDate, fields.actualEndOffset, fields.byDay);
    }
    text += kNewLine;
    text += "[実績] ";
    text += Collapsed(std::move(actual));
}

void ScheduleTooltip::AppendQuantities(const ScheduleFields& fields, std::string& text) {
    if (fields.plan > 0) {
        text += kNewLine;
        text += "[予定数量] ";
        text += std::to_string(fields.plan);
        text += kNewLine;
        text += "[実績数量] ";
        text += std::to_string(fields.results);
    }
    if (fields.progressRate != -1) {
        text += kNewLine;
        text += "[進捗率] ";
        text += std::to_string(fields.progressRate / 10);
        text += "%";
    }
}

}  // namespace qb
