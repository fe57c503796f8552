#pragma once

#include <memory>
#include <string>

#include "CColumn.h"
#include "CColumnArray.h"
#include "COleDateTime.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"

namespace qb {

// Small projects for the HTML list tests: rows, columns and schedules.
class HtmlTestProject {
public:
    CProject& Project() { return project_; }

    CRow& Row(const std::string& caption, CRow* parent = nullptr) {
        auto row = std::make_unique<CRow>(project_.NewObjectId());
        row->SetCaption(caption);
        row->SetHeight(40);
        row->SetWidth(60);
        CRow& added = *row;
        (parent ? parent->GetChildren() : project_.GetRows()).Add(std::move(row));
        return added;
    }
    CColumn& Column(const std::string& caption) {
        auto column = std::make_unique<CColumn>(project_.NewObjectId());
        column->SetCaption(caption);
        column->SetWidth(80);
        CColumn& added = *column;
        project_.GetColumns().Add(std::move(column));
        return added;
    }
    static void Cell(CRow& row, const CColumn& column, const std::string& text) {
        row.SetParam("_c" + std::to_string(column.GetObjectId()), text);
    }
    // A schedule by the day from the start of one day to the start of another.
    CSchedule& Schedule(const CRow& row, const COleDateTime& start, const COleDateTime& end) {
        auto schedule = std::make_unique<CSchedule>(project_.NewObjectId());
        schedule->SetRowObjectId(row.GetObjectId());
        schedule->SetStartDate(start);
        schedule->SetEndDate(end);
        schedule->SetHeight(10);
        schedule->SetYOffset(5);
        schedule->SetByDay(true);
        CSchedule& added = *schedule;
        project_.GetSchedules().Add(std::move(schedule));
        return added;
    }

private:
    CProject project_;
};

inline COleDateTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

}  // namespace qb
