#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "CDrawPartArray.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "COleDateTime.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"

namespace qb::test {

inline COleDateTime Date(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

// Adds objects with fresh ids to a project. Each call hands back the new
// object, so a test sets whatever else it needs on it.
class ProjectBuilder {
public:
    explicit ProjectBuilder(CProject& project, int rowHeight = 0)
        : project_(project), rowHeight_(rowHeight) {}

    // A row at the end of rows, or of the project's top level.
    CRow& Row(const std::string& caption, CRowArray* rows = nullptr) {
        auto row = std::make_unique<CRow>(project_.NewObjectId());
        row->SetCaption(caption);
        if (rowHeight_ > 0)
            row->SetHeight(rowHeight_);
        CRow& added = *row;
        (rows ? *rows : project_.GetRows()).Add(std::move(row));
        return added;
    }
    CRow& Child(std::int32_t parent, const std::string& caption) {
        return Row(caption, &project_.FindRow(parent)->GetChildren());
    }
    CSchedule& Schedule(std::int32_t row, const COleDateTime& start, const COleDateTime& end,
                        const std::string& caption = {}) {
        auto schedule = std::make_unique<CSchedule>(project_.NewObjectId());
        schedule->SetRowObjectId(row);
        schedule->SetCaption(caption);
        schedule->SetStartDate(start);
        schedule->SetEndDate(end);
        CSchedule& added = *schedule;
        project_.GetSchedules().Add(std::move(schedule));
        return added;
    }
    CMemo& Memo(std::int32_t row, const COleDateTime& x, const std::string& text = {}) {
        auto memo = std::make_unique<CMemo>(project_.NewObjectId());
        memo->SetYRowId(row);
        memo->SetXDate(x);
        memo->SetText(text);
        CMemo& added = *memo;
        project_.GetDrawParts().Add(std::move(memo));
        return added;
    }
    CLink& Link(std::int32_t from, std::int32_t to) {
        auto link = std::make_unique<CLink>(project_.NewObjectId());
        link->SetFromId(from);
        link->SetToId(to);
        CLink& added = *link;
        project_.GetLinks().Add(std::move(link));
        return added;
    }

private:
    CProject& project_;
    int rowHeight_;
};

}  // namespace qb::test
