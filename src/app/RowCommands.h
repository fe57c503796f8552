#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "CommandState.h"
#include "IDialogs.h"

namespace qb {

class CDisplayModel;
class CStatus;
class ChartScene;
class RowSearch;

// The commands on rows: insert one row above or below the selected row or
// as its last child, insert rows from a text, change many rows at once,
// find a row by its caption; and, while the selection holds rows alone,
// delete, properties and the caption typed in place. Every change is one
// step of the edit transaction and is disabled for a read-only document.
class RowCommands {
public:
    explicit RowCommands(CStatus& status);
    ~RowCommands();

    static bool Handles(int id);
    // Delete, properties and text editing belong to the rows while the
    // selection holds rows and nothing else.
    bool Takes(int id) const;
    CommandState State(int id) const;
    // False when the command is disabled now, was cancelled or refused.
    bool Execute(int id);

    // The caption the in-place editor confirmed; false when it was refused
    // or could not be written.
    bool CommitCaption(std::int32_t rowId, const std::string& text);

    // The rows' text is a filter condition: rows cannot be edited now.
    static bool IsCaptionFiltered(const CDisplayModel& model);

private:
    // Where a new row goes: the owner's children (kNoObject: the top level)
    // at an index in the data and in the display (-1: at the end).
    struct Position {
        std::int32_t owner;
        int dataIndex;
        int shownIndex;
    };

    bool IsEnabled(int id, ChartScene& chart) const;
    bool IsInsertable(ChartScene& chart) const;
    // The first selected row; kNoObject for none.
    static std::int32_t SelectedRow(const CDisplayModel& model);
    // The one selected object; kNoObject for none or several.
    static std::int32_t SingleSelected(const CDisplayModel& model);
    Position InsertionPosition(int id, ChartScene& chart) const;
    bool RefuseWhileCaptionFiltered(const CDisplayModel& model);

    bool InsertOne(int id, ChartScene& chart);
    bool InsertFromText(ChartScene& chart);
    bool ApplyText(ChartScene& chart, const std::string& text, std::int32_t reselect);
    bool EditProperties(ChartScene& chart);
    bool ChangeMany(ChartScene& chart);
    bool Delete(ChartScene& chart);
    bool EditCaption(ChartScene& chart);
    IDialogs::ObjectPreview Preview(ChartScene& chart, std::int32_t rowId);
    // Selects one object alone (none for kNoObject) and shows the chart.

    CStatus& status_;
    std::unique_ptr<RowSearch> search_;
};

}  // namespace qb
