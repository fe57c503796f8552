#include "DataRemoval.h"

#include <string>
#include <unordered_set>
#include <utility>

#include "CMemo.h"
#include "CProject.h"
#include "EditStamp.h"

namespace qb {
namespace {

using IdSet = std::unordered_set<std::int32_t>;

void CollectSubtree(CRow& row, const EditStamp& stamp, IdSet& gone) {
    stamp.Deleted(row);
    gone.insert(row.GetObjectId());
    std::as_const(row).GetChildren().ForEach(
        [&](CRow& child) { CollectSubtree(child, stamp, gone); });
}

// Everything that hangs from the gone rows or objects goes with them.
void DeleteDependants(CProject& project, const EditStamp& stamp, IdSet& gone) {
    project.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (gone.contains(schedule.GetRowObjectId()) && !schedule.IsDeleted()) {
            stamp.Deleted(schedule);
            gone.insert(schedule.GetObjectId());
        }
    });
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        auto* memo = dynamic_cast<CMemo*>(&part);
        if (memo && gone.contains(memo->GetYRowId()) && !memo->IsDeleted()) {
            stamp.Deleted(*memo);
            gone.insert(memo->GetObjectId());
        }
    });
    project.GetLinks().ForEach([&](CLink& link) {
        if (gone.contains(link.GetFromId()) || gone.contains(link.GetToId()))
            stamp.Deleted(link);
    });
}

void StripColumnCells(CProject& project, std::int32_t columnId, const EditStamp& stamp) {
    const std::string name = "_c" + std::to_string(columnId);
    auto strip = [&](auto& self, const CRowArray& rows) -> void {
        rows.ForEach([&](CRow& row) {
            if (row.HasParam(name)) {
                row.RemoveParam(name);
                stamp.Changed(row);
            }
            self(self, std::as_const(row).GetChildren());
        });
    };
    strip(strip, project.GetRows());
}

}  // namespace

bool DataRemoval::IsLiveRow(const CProject& project, std::int32_t id) {
    for (const CRow* row = project.FindRow(id); row; row = row->GetParentRow()) {
        if (row->IsDeleted())
            return false;
        if (row->GetParentRow() == nullptr)
            return true;
    }
    return false;
}

bool DataRemoval::IsLiveEnd(const CProject& project, std::int32_t id, std::int32_t self) {
    if (id == self)
        return false;
    const CData* end = project.FindSchedule(id);
    if (end == nullptr)
        end = project.FindDrawPart(id);
    return end != nullptr && !end->IsDeleted();
}

std::int32_t DataRemoval::OwningRow(const CData* object) {
    if (const auto* schedule = dynamic_cast<const CSchedule*>(object))
        return schedule->GetRowObjectId();
    if (const auto* memo = dynamic_cast<const CMemo*>(object))
        return memo->GetYRowId();
    return CData::kNoObject;
}

void DataRemoval::DeleteFound(CProject& project, CData& object, const EditStamp& stamp) {
    IdSet gone{object.GetObjectId()};
    if (auto* row = dynamic_cast<CRow*>(&object))
        CollectSubtree(*row, stamp, gone);
    else
        stamp.Deleted(object);
    if (object.GetType() == CData::kColumn)
        StripColumnCells(project, object.GetObjectId(), stamp);
    DeleteDependants(project, stamp, gone);
}

}  // namespace qb
