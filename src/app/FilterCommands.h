#pragma once

#include <cstdint>

#include "CommandState.h"

namespace qb {

class CDisplayModel;
class CStatus;
class ChartScene;

// The filter commands: filter the rows by the text of the current column
// or by their captions, and clear one condition or all of them. Conditions
// live in the chart's display model only; they are never saved.
class FilterCommands {
public:
    explicit FilterCommands(CStatus& status) : status_(status) {}

    static bool Handles(int id);
    CommandState State(int id) const;
    // False when the command is disabled now or was cancelled.
    bool Execute(int id);

private:
    bool IsEnabled(int id, const CDisplayModel& model) const;
    // The column the column commands work on: the one selected column, else
    // the column of the current cell; kNoObject for none.
    static std::int32_t TargetColumn(const CDisplayModel& model);
    bool EditCondition(ChartScene& chart, std::int32_t columnId);
    // The rows shown again as the conditions say, in normal mode.
    void Apply(ChartScene& chart);

    CStatus& status_;
};

}  // namespace qb
