#include "DisplayTree.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDrawPartArray.h"
#include "CGuiLink.h"
#include "CGuiMemo.h"
#include "CGuiSchedule.h"
#include "CLink.h"
#include "CLinkArray.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "CScheduleArray.h"
#include "ColumnCellText.h"

namespace qb {

namespace {

std::string NumberText(int renban, const CGuiRow* parent, int position) {
    if (renban == 0)
        return {};
    std::string text;
    if (renban >= 2 && parent) {
        text = parent->GetNumberText();
        text += '-';
    }
    text += std::to_string(position);
    return text;
}

template <class Array>
void AddToIndex(const Array& array, int type, ObjectIdIndex& index) {
    for (std::size_t i = 0; i < array.Size(); ++i)
        index.Add(array.Base(i)->GetObjectId(), array.Base(i), type, array.Base(i)->GetData());
}

}  // namespace

DisplayTree::DisplayTree() = default;

DisplayTree::~DisplayTree() = default;

void DisplayTree::Clear() {
    links_.Clear();
    Empty();
    rows_.Clear();
    rowsKept_ = false;
    schedules_.Clear();
    links_.Release();
    memos_.Release();
    schedules_.Release();
}

// Memos refer to rows: they go first. The room of the schedules, links and
// memos stays for the next build, and so do the rows, schedules and links
// themselves, which the next build keeps where their data has not changed.
// Until then a schedule's row and a link's ends may be gone: only the build
// may touch them.
void DisplayTree::Empty() {
    memos_.Clear();
    columns_.Clear();
    byId_.Clear();
    rowCount_ = 0;
    project_ = nullptr;
}

// Rows are indexed first, so that schedules and memos find their rows, then
// columns, schedules and memos, so that links find their ends. Where two
// objects share an id, rows come before columns, schedules, links and memos.
// Each object goes into the index as it is made: a second pass over a large
// project's objects costs nearly as much as making them.
void DisplayTree::Build(CProject& project) {
    Empty();
    // Ids come from the project's counter, so they lie below its last one.
    byId_.Expect(0, project.GetLastObjectId(),
                 static_cast<std::size_t>(project.GetRows().GetCount()) +
                     static_cast<std::size_t>(project.GetSchedules().GetCount()) +
                     static_cast<std::size_t>(project.GetLinks().GetCount()) +
                     static_cast<std::size_t>(project.GetDrawParts().GetCount()));
    // A negative width has no meaning as an indent; it is taken as box mode.
    indent_ = std::max(0, project.GetParamInt("_Indent", 0));
    renban_ = project.GetParamInt("_Renban", 0);
    BuildColumns(project);
    BuildRows(project);
    byId_.Seal();
    // Columns are often added long after the rows, so their ids lie far
    // from the rows' ids; they go in with the schedules, whose ids fill the
    // gap, which keeps the index a plain table.
    byId_.Reserve(columns_.Size() + static_cast<std::size_t>(project.GetSchedules().GetCount() +
                                                             project.GetDrawParts().GetCount()));
    AddToIndex(columns_, CGuiObject::kColumn, byId_);
    BuildSchedules(project);
    ColumnCellText::FillScheduleTexts(*this);
    BuildMemos(project);
    byId_.Seal();
    BuildLinks(project);
    byId_.Seal();
    project_ = &project;
}

void DisplayTree::BuildColumns(CProject& project) {
    bool kind10 = false;
    bool kind11 = false;
    project.GetColumns().ForEach([&](CColumn& column) {
        if (column.IsDeleted())
            return;
        const CGuiColumn* added = columns_.Add(std::make_unique<CGuiColumn>(column, columns_));
        kind10 = kind10 || added->GetKind() == ColumnCellText::kTotal2;
        kind11 = kind11 || added->GetKind() == ColumnCellText::kTotal3;
    });
    columns_.SetKinds(kind10, kind11);
}

// A row of the last build at the same place among the same siblings is kept
// when its data did not change; any other row there is made anew, with its
// subtree.
bool DisplayTree::BuildRowLevel(const CRowArray& source, CGuiRowArray& target, int level,
                                const std::vector<std::string>& cellNames) {
    int position = 0;
    std::size_t at = 0;
    bool kept = true;
    source.ForEach([&](CRow& data) {
        if (data.IsDeleted())
            return;
        CGuiRow* row = at < target.Size() ? target.At(at) : nullptr;
        if (row != nullptr && row->Shows(data)) {
            row->Renew(data);
        } else {
            auto made = std::make_unique<CGuiRow>(data, target, level);
            row =
                row != nullptr ? target.Replace(at, std::move(made)) : target.Add(std::move(made));
            kept = false;
        }
        ++at;
        byId_.Add(row->GetObjectId(), row, CGuiObject::kRow, &data);
        row->SetSerial(rowCount_++);
        std::vector<std::string> cells;
        cells.reserve(cellNames.size());
        for (const std::string& name : cellNames)
            cells.push_back(name.empty() ? std::string() : data.GetParam(name));
        row->SetCellTexts(std::move(cells));
        row->SetNumberText(NumberText(renban_, target.GetOwner(), ++position));
        kept = BuildRowLevel(std::as_const(data).GetChildren(), row->GetChildren(), level + 1,
                             cellNames) &&
               kept;
    });
    kept = kept && at == target.Size();
    target.Truncate(at);
    return kept;
}

// A column that computes its cells keeps no text in the rows: its name is
// left empty, and its cells are filled once the schedules are built.
void DisplayTree::BuildRows(CProject& project) {
    std::vector<std::string> cellNames;
    cellNames.reserve(columns_.Size());
    for (std::size_t i = 0; i < columns_.Size(); ++i) {
        const CGuiColumn* column = columns_.At(i);
        cellNames.push_back(column->GetKind() == ColumnCellText::kFreeText
                                ? ColumnCellText::CellName(column->GetObjectId())
                                : std::string());
    }
    rowsKept_ = BuildRowLevel(project.GetRows(), rows_, 0, cellNames);
}

// Each schedule and memo finds its row once here rather than on every layout.
// A schedule whose data has not changed since the last build keeps its
// display object, values and layout: an edit changes few of them.
void DisplayTree::BuildSchedules(CProject& project) {
    schedules_.StartRebuild(static_cast<std::size_t>(project.GetSchedules().GetCount()));
    project.GetSchedules().ForEach([&](CSchedule& data) {
        if (data.IsDeleted())
            return;
        CGuiSchedule* schedule = schedules_.Next();
        if (schedule != nullptr && schedule->Shows(data)) {
            // The same data names the same row; when every row was kept it
            // is the row the schedule already has.
            schedule->Renew(data, rowsKept_ ? schedule->GetRow() : FindRow(data.GetRowObjectId()));
            schedules_.KeepNext();
        } else {
            schedule = schedules_.Emplace(data, FindRow(data.GetRowObjectId()));
        }
        byId_.Add(schedule->GetObjectId(), schedule, CGuiObject::kSchedule, &data);
    });
    schedules_.FinishRebuild();
}

void DisplayTree::BuildMemos(CProject& project) {
    memos_.Reserve(static_cast<std::size_t>(project.GetDrawParts().GetCount()));
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        if (part.IsDeleted() || part.GetType() != CData::kMemo)
            return;
        auto& memo = static_cast<CMemo&>(part);
        CGuiMemo* made = memos_.Emplace(memo, FindRow(memo.GetYRowId()));
        byId_.Add(made->GetObjectId(), made, CGuiObject::kMemo, &memo);
    });
}

// A link whose ends are gone stays in the array; its layout hides it. One
// of the last build that joins the same ends with the same data is kept,
// with its places.
void DisplayTree::BuildLinks(CProject& project) {
    links_.StartRebuild(static_cast<std::size_t>(project.GetLinks().GetCount()));
    project.GetLinks().ForEach([&](CLink& data) {
        if (data.IsDeleted())
            return;
        const LinkEnd from = FindLinkEnd(data.GetFromId());
        const LinkEnd to = FindLinkEnd(data.GetToId());
        CGuiLink* link = links_.Next();
        if (link != nullptr && link->Joins(data, from.object, to.object)) {
            link->Renew(data, from.data, to.data);
            links_.KeepNext();
        } else {
            link = links_.Emplace(data, from.object, to.object, from.data, to.data);
        }
        byId_.Add(link->GetObjectId(), link, CGuiObject::kLink, &data);
    });
    links_.FinishRebuild();
}

CGuiRow* DisplayTree::AddPreviewRow(CRow& data, std::int32_t ownerId, int index) {
    CGuiRow* owner = ownerId == kNoOwner ? nullptr : FindRow(ownerId);
    if (ownerId != kNoOwner && owner == nullptr)
        return nullptr;
    CGuiRowArray& holder = owner != nullptr ? owner->GetChildren() : rows_;
    const int level = owner != nullptr ? owner->GetLevel() + 1 : 0;
    const std::size_t at = index < 0 || static_cast<std::size_t>(index) > holder.Size()
                               ? holder.Size()
                               : static_cast<std::size_t>(index);
    CGuiRow* row = holder.Insert(at, std::make_unique<CGuiRow>(data, holder, level));
    row->SetCellTexts(std::vector<std::string>(columns_.Size()));
    byId_.Add(row->GetObjectId(), row, CGuiObject::kRow, &data);
    byId_.Seal();
    return row;
}

CGuiRow* DisplayTree::FindRow(std::int32_t id) const {
    return static_cast<CGuiRow*>(byId_.Find(id, CGuiObject::kRow));
}

DisplayTree::LinkEnd DisplayTree::FindLinkEnd(std::int32_t id) const {
    LinkEnd end;
    end.object = byId_.Find(id, CGuiObject::kSchedule, end.data);
    if (end.object == nullptr)
        end.object = byId_.Find(id, CGuiObject::kMemo, end.data);
    return end;
}

}  // namespace qb
