#include "RowClipboardStream.h"

#include <algorithm>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"
#include "ProjectArchive.h"

namespace qb {
namespace {

using IdMap = std::unordered_map<std::int32_t, std::int32_t>;
using IdSet = std::unordered_set<std::int32_t>;

// Hands out the small project's ids and remembers where each source id went.
class Renumbering {
public:
    std::int32_t Map(std::int32_t oldId) {
        map_[oldId] = next_;
        return next_++;
    }
    bool Has(std::int32_t oldId) const { return map_.contains(oldId); }
    std::int32_t At(std::int32_t oldId) const { return map_.at(oldId); }
    std::int32_t Next() const { return next_; }

private:
    IdMap map_;
    std::int32_t next_ = 1;
};

CMemo* RowMemo(CDrawPart& part) {
    auto* memo = dynamic_cast<CMemo*>(&part);
    if (memo == nullptr || memo->IsDeleted() || memo->GetYRowId() == CData::kNoObject)
        return nullptr;
    return memo;
}

template <typename T>
std::unique_ptr<T> CloneOf(const T& source, std::int32_t id) {
    std::unique_ptr<T> copy(static_cast<T*>(source.Clone().release()));
    copy->SetObjectId(id);
    return copy;
}

// A row without its children, then its live children the same way, a row
// numbered before the rows below it.
std::unique_ptr<CRow> CloneBranch(const CRow& source, Renumbering& ids) {
    auto copy = CloneOf(source, ids.Map(source.GetObjectId()));
    source.GetChildren().ForEach([&](CRow& child) {
        if (!child.IsDeleted())
            copy->GetChildren().Add(CloneBranch(child, ids));
    });
    return copy;
}

// ends collects the source ids of what was copied, for the links.
void CopySchedules(const CProject& source, CProject& target, Renumbering& ids, IdSet& ends) {
    source.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (schedule.IsDeleted() || !ids.Has(schedule.GetRowObjectId()))
            return;
        const std::int32_t row = ids.At(schedule.GetRowObjectId());
        auto copy = CloneOf(schedule, ids.Map(schedule.GetObjectId()));
        ends.insert(schedule.GetObjectId());
        copy->SetRowObjectId(row);
        target.GetSchedules().Add(std::move(copy));
    });
}

void CopyMemos(const CProject& source, CProject& target, Renumbering& ids, IdSet& ends) {
    source.GetDrawParts().ForEach([&](CDrawPart& part) {
        CMemo* memo = RowMemo(part);
        if (memo == nullptr || !ids.Has(memo->GetYRowId()))
            return;
        const std::int32_t row = ids.At(memo->GetYRowId());
        auto copy = CloneOf(*memo, ids.Map(memo->GetObjectId()));
        ends.insert(memo->GetObjectId());
        copy->SetYRowId(row);
        target.GetDrawParts().Add(std::move(copy));
    });
}

void CopyLinks(const CProject& source, CProject& target, Renumbering& ids, const IdSet& ends) {
    source.GetLinks().ForEach([&](CLink& link) {
        if (link.IsDeleted() || !ends.contains(link.GetFromId()) || !ends.contains(link.GetToId()))
            return;
        const std::int32_t from = ids.At(link.GetFromId());
        const std::int32_t to = ids.At(link.GetToId());
        auto copy = CloneOf(link, ids.Map(link.GetObjectId()));
        copy->SetFromId(from);
        copy->SetToId(to);
        target.GetLinks().Add(std::move(copy));
    });
}

// Columns keep their ids: the rows' cell texts are named after them.
std::int32_t CopyColumns(const CProject& source, CProject& target) {
    std::int32_t highest = 0;
    source.GetColumns().ForEach([&](CColumn& column) {
        if (column.IsDeleted())
            return;
        highest = std::max(highest, column.GetObjectId());
        target.GetColumns().Add(column.Clone());
    });
    return highest;
}

void CollectRows(const CRowArray& rows, IdSet& ids, bool& broken) {
    rows.ForEach([&](const CRow& row) {
        if (row.IsDeleted())
            return;
        broken |= !ids.insert(row.GetObjectId()).second;
        CollectRows(row.GetChildren(), ids, broken);
    });
}

// An end a link may join: its id must be new in the block and its row one of
// the block's rows.
void CollectEnd(const CData& object, std::int32_t rowId, const IdSet& rows, IdSet& ends,
                bool& broken) {
    const std::int32_t id = object.GetObjectId();
    broken |= rows.contains(id) || !ends.insert(id).second || !rows.contains(rowId);
}

// Whether every id of the block is its own and every reference (a schedule's
// row, a row memo's row, a link's ends) names an object inside it.
bool ReferencesHold(const CProject& project) {
    IdSet rows;
    IdSet ends;
    bool broken = false;
    CollectRows(project.GetRows(), rows, broken);
    project.GetSchedules().ForEach([&](CSchedule& schedule) {
        if (!schedule.IsDeleted())
            CollectEnd(schedule, schedule.GetRowObjectId(), rows, ends, broken);
    });
    project.GetDrawParts().ForEach([&](CDrawPart& part) {
        if (CMemo* memo = RowMemo(part))
            CollectEnd(*memo, memo->GetYRowId(), rows, ends, broken);
    });
    IdSet links;
    project.GetLinks().ForEach([&](CLink& link) {
        if (link.IsDeleted())
            return;
        const std::int32_t id = link.GetObjectId();
        broken |= rows.contains(id) || ends.contains(id) || !links.insert(id).second;
        broken |= !ends.contains(link.GetFromId()) || !ends.contains(link.GetToId());
    });
    return !broken;
}

}  // namespace

std::unique_ptr<CProject> RowClipboardStream::Extract(const CProject& source, std::int32_t rowId) {
    const CRow* row = source.FindRow(rowId);
    if (row == nullptr || row->IsDeleted())
        return nullptr;
    auto copy = std::make_unique<CProject>();
    Renumbering ids;
    copy->GetRows().Add(CloneBranch(*row, ids));
    IdSet ends;
    CopySchedules(source, *copy, ids, ends);
    CopyMemos(source, *copy, ids, ends);
    CopyLinks(source, *copy, ids, ends);
    const std::int32_t highestColumn = CopyColumns(source, *copy);
    // Ids go on after every id the copy holds (a column's may be the highest).
    const std::int32_t afterColumns = highestColumn < std::numeric_limits<std::int32_t>::max()
                                          ? highestColumn + 1
                                          : highestColumn;
    copy->SetLastObjectId(std::max(ids.Next(), afterColumns));
    return copy;
}

std::string RowClipboardStream::Write(const CProject& source, std::int32_t rowId) {
    std::unique_ptr<CProject> copy = Extract(source, rowId);
    if (!copy)
        return {};
    return ProjectArchive::WriteProjectArchive(*copy);
}

std::unique_ptr<CProject> RowClipboardStream::Read(std::string_view bytes, ErrorSlot& error) {
    std::unique_ptr<CProject> project = ProjectArchive::ReadProjectArchive(bytes, error);
    if (!project)
        return nullptr;
    if (project->GetRows().GetCount(true) == 0) {
        error.Set(ErrorSlot::kOwnError, "コピーされた段のデータに段がありません。");
        return nullptr;
    }
    if (!ReferencesHold(*project)) {
        error.Set(ErrorSlot::kOwnError,
                  "コピーされた段のデータに、存在しないオブジェクトを指す参照があります。");
        return nullptr;
    }
    return project;
}

}  // namespace qb
