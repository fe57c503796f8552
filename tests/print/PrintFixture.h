#pragma once

#include <memory>
#include <string>

#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "PrintEngine.h"

namespace qb {

// A plan of rows 1..rows ("段1"...) of 40 pixels, each with a bar over its
// first ten days, shown from 1 April 2027 for days days.
inline std::unique_ptr<CProject> MakePlan(int rows, int days) {
    auto project = std::make_unique<CProject>();
    project->SetTitle("試験計画");
    project->SetRowViewWidth(200);
    const COleDateTime start(2027, 4, 1, 0, 0, 0);
    project->SetDisplayStartDate(start);
    project->SetDisplayEndDate(start.AddDays(days - 1));
    for (int id = 1; id <= rows; ++id) {
        auto row = std::make_unique<CRow>(id);
        row->SetHeight(40);
        row->SetCaption("段" + std::to_string(id));
        project->GetRows().Add(std::move(row));
        auto bar = std::make_unique<CSchedule>(10000 + id);
        bar->SetRowObjectId(id);
        bar->SetSubType(1);
        bar->SetHeight(10);
        bar->SetYOffset(15);
        bar->SetStartDate(start);
        bar->SetEndDate(start.AddDays(9));
        bar->SetEndOffset(10000);
        project->GetSchedules().Add(std::move(bar));
    }
    project->SetLastObjectId(20000);
    return project;
}

inline PrintEngine::Source SourceOf(CProject& project) {
    PrintEngine::Source source;
    source.project = &project;
    source.today = COleDateTime(2027, 4, 5, 0, 0, 0);
    return source;
}

}  // namespace qb
