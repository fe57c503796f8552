#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CGuiColumnArray.h"
#include "CGuiObjectArrayOf.h"
#include "CGuiRow.h"
#include "CGuiRowArray.h"
#include "ObjectIdIndex.h"

namespace qb {

class CProject;
class CRow;
class CRowArray;
class CGuiSchedule;
class CGuiLink;
class CGuiMemo;

using CGuiScheduleArray = CGuiObjectArrayOf<CGuiSchedule>;
using CGuiLinkArray = CGuiObjectArrayOf<CGuiLink>;
using CGuiMemoArray = CGuiObjectArrayOf<CGuiMemo>;

// The display objects of one project: the row tree, the columns, and every
// schedule, link and memo, made from the data (deleted objects left out)
// with their id index. Built anew after every change, never patched: a new
// build keeps the rows, schedules and links of the last one whose data did
// not change, and remakes the rest.
class DisplayTree {
public:
    DisplayTree();
    ~DisplayTree();
    DisplayTree(const DisplayTree&) = delete;
    DisplayTree& operator=(const DisplayTree&) = delete;

    // Keeps the room of the previous build's objects for the new ones.
    void Build(CProject& project);
    // Drops every object and the room they took.
    void Clear();

    bool IsBuilt() const { return project_ != nullptr; }
    CProject* GetProject() const { return project_; }
    // 0 none, 1 "%d" per level, 2 and more the parent's number, "-" and "%d".
    int GetRenban() const { return renban_; }
    int GetIndent() const { return indent_; }
    bool IsIndentMode() const { return indent_ != 0; }

    CGuiRowArray& GetRows() { return rows_; }
    const CGuiRowArray& GetRows() const { return rows_; }
    CGuiColumnArray& GetColumns() { return columns_; }
    const CGuiColumnArray& GetColumns() const { return columns_; }
    const CGuiScheduleArray& GetSchedules() const { return schedules_; }
    const CGuiLinkArray& GetLinks() const { return links_; }
    const CGuiMemoArray& GetMemos() const { return memos_; }

    // A row made from data that is not in the project, placed among the
    // children of ownerId (kNoOwner: the top level) at index (-1 or past the
    // end: last). Null when the owner is not in the tree.
    static constexpr std::int32_t kNoOwner = -1;
    CGuiRow* AddPreviewRow(CRow& data, std::int32_t ownerId, int index);

    CGuiRow* FindRow(std::int32_t id) const;
    // The rows built from the project; each row's serial lies below it.
    int RowCount() const { return rowCount_; }
    // Rows, columns, schedules, links, memos; null when none has the id.
    CGuiObject* FindObject(std::int32_t id) const { return byId_.Find(id); }
    // Null also when the object with the id is of another type.
    CGuiObject* FindObject(std::int32_t id, int type) const { return byId_.Find(id, type); }

    // Every row of the tree, parents before their children.
    template <class F>
    static void ForEachRow(const CGuiRowArray& rows, F&& f) {
        for (const auto& row : rows) {
            f(*row);
            ForEachRow(row->GetChildren(), f);
        }
    }

private:
    void Empty();
    void BuildColumns(CProject& project);
    void BuildRows(CProject& project);
    // Whether every row of the level and below was kept from the last build.
    bool BuildRowLevel(const CRowArray& source, CGuiRowArray& target, int level,
                       const std::vector<std::string>& cellNames);
    void BuildSchedules(CProject& project);
    void BuildMemos(CProject& project);
    void BuildLinks(CProject& project);
    // The schedule or memo a link end names, and its data; null for any
    // other object.
    struct LinkEnd {
        CGuiObject* object = nullptr;
        const CData* data = nullptr;
    };
    LinkEnd FindLinkEnd(std::int32_t id) const;

    CGuiRowArray rows_;
    CGuiColumnArray columns_;
    CGuiScheduleArray schedules_;
    CGuiLinkArray links_;
    CGuiMemoArray memos_;
    ObjectIdIndex byId_;
    int rowCount_ = 0;
    // Every row of the last build was kept, so the rows the kept schedules
    // point to are still theirs.
    bool rowsKept_ = false;
    int renban_ = 0;
    int indent_ = 0;
    CProject* project_ = nullptr;
};

}  // namespace qb
