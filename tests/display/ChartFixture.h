#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "CDisplayModel.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "CalendarSettings.h"
#include "ChartContext.h"
#include "DisplaySettings.h"
#include "GuiDrawArgs.h"

namespace qb {

inline COleDateTime Day(int day) {
    return COleDateTime(2024, 1, day, 0, 0, 0);
}

// A project of two rows (ids 1 and 2), 40 pixels each, on a chart of 10
// pixels a day from 1 January 2024 over 310 pixels.
class ChartFixture : public ::testing::Test {
protected:
    ChartFixture() : ruler_(calendar_) {
        ruler_.SetView(310, Day(1), Day(31));
        for (int id : {1, 2}) {
            auto row = std::make_unique<CRow>(id);
            row->SetHeight(40);
            project_.GetRows().Add(std::move(row));
        }
        chart_.model = &model_;
        chart_.ruler = &ruler_;
        chart_.display = &display_;
        chart_.calendar = &calendar_;
    }

    // A 10-pixel bar 15 pixels below its row's top, over the whole days.
    CSchedule& AddBar(std::int32_t id, std::int32_t rowId, int startDay, int endDay) {
        auto schedule = std::make_unique<CSchedule>(id);
        schedule->SetRowObjectId(rowId);
        schedule->SetSubType(1);
        schedule->SetHeight(10);
        schedule->SetYOffset(15);
        schedule->SetStartDate(Day(startDay));
        schedule->SetEndDate(Day(endDay));
        schedule->SetEndOffset(10000);
        CSchedule& raw = *schedule;
        project_.GetSchedules().Add(std::move(schedule));
        return raw;
    }

    void RebuildAndLayOut() {
        model_.Rebuild(project_);
        model_.Layout(chart_);
    }

    GuiDrawArgs DrawArgs(int left = 0, int right = 310) const {
        return GuiDrawArgs{chart_, DrawRect{left, 0, right, 200}};
    }

    CalendarSettings calendar_;
    CRuler ruler_;
    DisplaySettings display_;
    CProject project_;
    CDisplayModel model_;
    ChartContext chart_;
};

}  // namespace qb
