#include "ProjectMerge.h"

#include <memory>

#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CSchedule.h"

namespace qb {
namespace {

template <typename T>
std::unique_ptr<T> CloneOf(const T& object) {
    return std::unique_ptr<T>(static_cast<T*>(object.Clone().release()));
}

std::int32_t Mapped(const std::unordered_map<std::int32_t, std::int32_t>& ids, std::int32_t id) {
    const auto found = ids.find(id);
    return found == ids.end() ? CData::kNoObject : found->second;
}

}  // namespace

void ProjectMerge::Merge(CProject& target, const CProject& source) {
    IdMap ids;
    MergeColumns(target, source);
    MergeRows(target, source.GetRows(), target.GetRows(), ids);
    MergeSchedules(target, source, ids);
    MergeDrawParts(target, source, ids);
    MergeLinks(target, source, ids);
}

void ProjectMerge::MergeRows(CProject& target, const CRowArray& from, CRowArray& into, IdMap& ids) {
    for (int i = 0, n = from.GetCount(); i < n; ++i) {
        const CRow* row = from.At(i);
        if (!row || row->IsDeleted())
            continue;
        std::unique_ptr<CRow> copy = CloneOf(*row);
        copy->SetObjectId(target.NewObjectId());
        ids[row->GetObjectId()] = copy->GetObjectId();
        CRow& placed = *copy;
        into.Add(std::move(copy));
        MergeRows(target, row->GetChildren(), placed.GetChildren(), ids);
    }
}

void ProjectMerge::MergeColumns(CProject& target, const CProject& source) {
    const CColumnArray& theirs = source.GetColumns();
    CColumnArray& ours = target.GetColumns();
    for (int i = 0, n = theirs.GetCount(); i < n; ++i) {
        const CColumn* column = theirs.At(i);
        if (!column || column->IsDeleted())
            continue;
        bool present = false;
        for (int j = 0, m = ours.GetCount(); j < m && !present; ++j) {
            const CColumn* existing = ours.At(j);
            present =
                existing && !existing->IsDeleted() &&
                existing->GetRefRowPropertyName() == column->GetRefRowPropertyName() &&
                existing->GetRefSchedulePropertyName() == column->GetRefSchedulePropertyName();
        }
        if (present)
            continue;
        std::unique_ptr<CColumn> copy = CloneOf(*column);
        copy->SetObjectId(target.NewObjectId());
        ours.Add(std::move(copy));
    }
}

void ProjectMerge::MergeSchedules(CProject& target, const CProject& source, IdMap& ids) {
    const CScheduleArray& theirs = source.GetSchedules();
    for (int i = 0, n = theirs.GetCount(); i < n; ++i) {
        const CSchedule* schedule = theirs.At(i);
        if (!schedule || schedule->IsDeleted())
            continue;
        const std::int32_t row = Mapped(ids, schedule->GetRowObjectId());
        if (row == CData::kNoObject)
            continue;
        std::unique_ptr<CSchedule> copy = CloneOf(*schedule);
        copy->SetObjectId(target.NewObjectId());
        copy->SetRowObjectId(row);
        ids[schedule->GetObjectId()] = copy->GetObjectId();
        target.GetSchedules().Add(std::move(copy));
    }
}

void ProjectMerge::MergeDrawParts(CProject& target, const CProject& source, IdMap& ids) {
    const CDrawPartArray& theirs = source.GetDrawParts();
    for (int i = 0, n = theirs.GetCount(); i < n; ++i) {
        const CDrawPart* part = theirs.At(i);
        if (!part || part->IsDeleted())
            continue;
        std::unique_ptr<CDrawPart> copy = CloneOf(*part);
        if (auto* memo = dynamic_cast<CMemo*>(copy.get());
            memo && memo->GetYRowId() != CData::kNoObject) {
            const std::int32_t row = Mapped(ids, memo->GetYRowId());
            if (row == CData::kNoObject)
                continue;
            memo->SetYRowId(row);
        }
        copy->SetObjectId(target.NewObjectId());
        ids[part->GetObjectId()] = copy->GetObjectId();
        target.GetDrawParts().Add(std::move(copy));
    }
}

void ProjectMerge::MergeLinks(CProject& target, const CProject& source, const IdMap& ids) {
    const CLinkArray& theirs = source.GetLinks();
    for (int i = 0, n = theirs.GetCount(); i < n; ++i) {
        const CLink* link = theirs.At(i);
        if (!link || link->IsDeleted())
            continue;
        const std::int32_t from = Mapped(ids, link->GetFromId());
        const std::int32_t to = Mapped(ids, link->GetToId());
        if (from == CData::kNoObject || to == CData::kNoObject)
            continue;
        std::unique_ptr<CLink> copy = CloneOf(*link);
        copy->SetObjectId(target.NewObjectId());
        copy->SetFromId(from);
        copy->SetToId(to);
        target.GetLinks().Add(std::move(copy));
    }
}

}  // namespace qb
