#include "GroupScheduleMaker.h"

#include <algorithm>
#include <cstdio>

#include "CPenInfo.h"
#include "CProject.h"

namespace qb {
namespace {

int Minutes(int hhmm) {
    return hhmm / 100 * 60 + hhmm % 100;
}

std::string TimeText(const COleDateTime& start, const COleDateTime& end) {
    char text[64];
    std::snprintf(text, sizeof text, "%d:%02d～%d:%02d", start.GetHour(), start.GetMinute(),
                  end.GetHour(), end.GetMinute());
    return text;
}

// A day count that names no day of the calendar is as good as invalid.
bool IsUsable(const COleDateTime& value) {
    COleDateTime::Fields fields;
    return value.GetFields(fields);
}

}  // namespace

// A working window that ends before it starts would divide by nothing or
// turn the offsets round; it is taken as one minute long.
GroupScheduleMaker::GroupScheduleMaker(const GroupDisplaySettings& settings)
    : settings_(settings),
      windowStart_(Minutes(settings.time1)),
      windowLength_(std::max(1, Minutes(settings.time2) - Minutes(settings.time1))) {}

bool GroupScheduleMaker::IsDark(ColorRef colour) {
    const int red = static_cast<int>(colour & 0xFF);
    const int green = static_cast<int>((colour >> 8) & 0xFF);
    const int blue = static_cast<int>((colour >> 16) & 0xFF);
    return 2.3 * green + blue + red < 573.0;
}

std::int32_t GroupScheduleMaker::OffsetOf(const COleDateTime& time) const {
    const std::int64_t minutes = time.GetHour() * 60 + time.GetMinute() - windowStart_;
    const std::int64_t offset = minutes * 10000 / windowLength_;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(offset, 0, 9999));
}

bool GroupScheduleMaker::Shows(const GroupMonthFile::Appointment& appointment) const {
    if (!IsUsable(appointment.start) || !IsUsable(appointment.end))
        return false;
    if (!settings_.exactTimes && (appointment.start.GetHour() >= settings_.time2 / 100 ||
                                  appointment.end.GetHour() < settings_.time1 / 100))
        return false;
    if (!appointment.IsAllDay() && (appointment.IsExcluded() || appointment.superseded))
        return false;
    return true;
}

std::unique_ptr<CSchedule> GroupScheduleMaker::Make(const GroupMonthFile::Appointment& appointment,
                                                    std::int32_t rowId, CProject& project) const {
    auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
    schedule->SetBgColor(appointment.colour);
    schedule->SetRowObjectId(rowId);
    schedule->SetStartDate(appointment.start.DatePart());
    schedule->SetEndDate(appointment.end.DatePart());
    schedule->SetActualStartDate(COleDateTime::Null());
    schedule->SetActualEndDate(COleDateTime::Null());
    schedule->SetProgressRate(-1);
    schedule->SetCaptionHAlign(0);
    ApplyStyle(*schedule, appointment.colour);
    ApplyTexts(*schedule, appointment);
    if (appointment.IsAllDay()) {
        schedule->SetBgColor(kWhite);
        schedule->SetTextColor(kBlack);
        schedule->SetEdgePen(CPenInfo(2, 1, kBlack));
    }
    Place(*schedule, appointment);
    return schedule;
}

void GroupScheduleMaker::ApplyStyle(CSchedule& schedule, ColorRef colour) const {
    schedule.SetScheduleType(0);
    schedule.SetSubType(1);
    if (settings_.how == 0) {
        schedule.SetYOffset(5);
        schedule.SetHeight(22);
        schedule.SetCaptionVAlign(1);
        schedule.SetTextColor(IsDark(colour) ? kWhite : kBlack);
        return;
    }
    schedule.SetYOffset(9);
    schedule.SetHeight(6);
    schedule.SetCaptionVAlign(0);
    schedule.SetCaptionPosition(3);
    schedule.SetTextColor(kBlack);
}

void GroupScheduleMaker::ApplyTexts(CSchedule& schedule,
                                    const GroupMonthFile::Appointment& appointment) const {
    const std::string time = TimeText(appointment.start, appointment.end);
    if (!appointment.IsPrivate()) {
        schedule.SetCaption(appointment.title);
        if (!settings_.exactTimes) {
            schedule.SetRemark(time + "\r\n" + appointment.detail);
            schedule.SetParam("_tooltip", time + " " + appointment.title);
        }
    } else if (!settings_.exactTimes) {
        schedule.SetRemark(time);
        schedule.SetParam("_tooltip", time);
    }
}

void GroupScheduleMaker::Place(CSchedule& schedule,
                               const GroupMonthFile::Appointment& appointment) const {
    if (settings_.exactTimes) {
        schedule.SetStartDate(appointment.start);
        schedule.SetEndDate(appointment.end);
        schedule.SetByDay(false);
        return;
    }
    schedule.SetStartOffset(OffsetOf(appointment.start));
    schedule.SetEndOffset(OffsetOf(appointment.end));
    schedule.SetByDay(true);
}

}  // namespace qb
