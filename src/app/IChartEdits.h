#pragma once

#include <cstdint>
#include <vector>

#include "EditResult.h"

namespace qb {

class CData;

// The changes the chart makes to the data, each one single undoable step
// through the edit transaction (written at once in shared mode). Values are
// whole data objects: a schedule, memo or link carrying what the target
// should hold; its object id names the target. Objects or rows that another
// process deleted meanwhile end the step with the matching message and
// nothing written.
class IChartEdits {
public:
    virtual ~IChartEdits() = default;

    // A new schedule, memo or link made from object; the id it carries is
    // replaced by a new one, which the result gives back.
    virtual EditResult AddObject(const CData& object) = 0;
    // New values for existing schedules, memos and links (a move, a resize,
    // a property dialog): all of them or none.
    virtual EditResult ChangeObjects(const std::vector<const CData*>& values) = 0;
    // New objects copied from values; the result's ids are the copies', in
    // the order of values.
    virtual EditResult CopyObjects(const std::vector<const CData*>& values) = 0;
    // Deletes the objects with the links attached to them.
    virtual EditResult DeleteObjects(const std::vector<std::int32_t>& ids) = 0;
    // A schedule moved or resized by whole days (a drag, its property
    // dialog): when links join it to others, asks whether they move along
    // (showing the question again when askAgain, the Shift key), then writes
    // the schedule alone or with them as one step. Cancel there is a failed
    // result without a message and nothing written.
    virtual EditResult MoveSchedule(const CData& values, bool askAgain) = 0;
};

}  // namespace qb
