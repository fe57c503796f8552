#pragma once

#include <cstdint>

namespace qb {

class CSchedule;

// What a schedule, a link end or a palette preview looks like: the shape kind
// and its size in pixels, and the decorations at the two ends of a line.
struct ScheduleShape {
    // 0 bar or line; any other value is a point-type schedule.
    std::int32_t type = 0;
    // Type 0: 0 line, 1 bar. Point types: which of the seven markers.
    std::int32_t subType = 0;
    std::int32_t size = 0;
    std::int32_t startEdgeType = 0;
    std::int32_t endEdgeType = 0;

    // A line takes its size from the pen width, type 1 markers are always 10
    // pixels, everything else is as tall as the schedule.
    static ScheduleShape FromSchedule(const CSchedule& schedule);

    bool IsPoint() const { return type != 0; }
    bool HasEdges() const { return startEdgeType != 0 || endEdgeType != 0; }
    bool operator==(const ScheduleShape&) const = default;
};

}  // namespace qb
