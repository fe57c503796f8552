#pragma once

#include <memory>
#include <string>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDisplayModel.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "RowTreeBuilder.h"

namespace qb {

// A row tree with columns and schedules, built into a model of its own.
class ColumnTestProject {
public:
    CProject& Project() { return tree.Project(); }

    CColumn& AddColumn(const std::string& caption, int width, int kind = 0) {
        auto column = std::make_unique<CColumn>(Project().NewObjectId());
        column->SetCaption(caption);
        column->SetWidth(width);
        if (kind != 0)
            column->SetParamInt("_Auto", kind);
        CColumn& added = *column;
        Project().GetColumns().Add(std::move(column));
        return added;
    }
    CSchedule& AddSchedule(const CRow& row, const COleDateTime& start, const COleDateTime& end) {
        auto schedule = std::make_unique<CSchedule>(Project().NewObjectId());
        schedule->SetRowObjectId(row.GetObjectId());
        schedule->SetStartDate(start);
        schedule->SetEndDate(end);
        CSchedule& added = *schedule;
        Project().GetSchedules().Add(std::move(schedule));
        return added;
    }
    static void SetCell(CRow& row, const CColumn& column, const std::string& text) {
        row.SetParam("_c" + std::to_string(column.GetObjectId()), text);
    }

    void Build(int headerWidth = 200) {
        model.Rebuild(Project());
        Layout(headerWidth);
    }
    void Layout(int headerWidth = 200) {
        ChartContext chart;
        chart.headerWidth = headerWidth;
        model.Layout(chart);
    }
    const std::string& Cell(const CRow& row, std::size_t column) const {
        return model.FindRow(row.GetObjectId())->GetCellTexts().at(column);
    }

    RowTreeBuilder tree;
    CDisplayModel model;
};

inline COleDateTime Day(int year, int month, int day, int hour = 0, int minute = 0) {
    return COleDateTime(year, month, day, hour, minute, 0);
}

}  // namespace qb
