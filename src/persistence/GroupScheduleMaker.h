#pragma once

#include <cstdint>
#include <memory>

#include "CSchedule.h"
#include "GroupDisplaySettings.h"
#include "GroupMonthFile.h"

namespace qb {

class CProject;

// Turns one appointment of a group's month file into a schedule on its
// member's row.
class GroupScheduleMaker {
public:
    explicit GroupScheduleMaker(const GroupDisplaySettings& settings);

    // Whether the appointment is shown at all: valid dates, inside the
    // working window when schedules are placed by day, and, unless it lasts
    // all day, neither excluded nor superseded.
    bool Shows(const GroupMonthFile::Appointment& appointment) const;
    // The schedule for a shown appointment on the row rowId; its id comes
    // from the project.
    std::unique_ptr<CSchedule> Make(const GroupMonthFile::Appointment& appointment,
                                    std::int32_t rowId, CProject& project) const;

    // White text reads better on a dark colour.
    static bool IsDark(ColorRef colour);
    // The offset of a time of day inside the working window, in
    // ten-thousandths, kept to 0..9999.
    std::int32_t OffsetOf(const COleDateTime& time) const;

private:
    void ApplyStyle(CSchedule& schedule, ColorRef colour) const;
    void ApplyTexts(CSchedule& schedule, const GroupMonthFile::Appointment& appointment) const;
    void Place(CSchedule& schedule, const GroupMonthFile::Appointment& appointment) const;

    GroupDisplaySettings settings_;
    int windowStart_ = 0;
    int windowLength_ = 1;
};

}  // namespace qb
