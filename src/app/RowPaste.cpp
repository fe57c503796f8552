#include "RowPaste.h"

#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "AppMessages.h"
#include "BusyCursor.h"
#include "CColumn.h"
#include "CLink.h"
#include "CMemo.h"
#include "CRow.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "DataRemoval.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "RowClipboardStream.h"

namespace qb {
namespace {

using IdMap = std::unordered_map<std::int32_t, std::int32_t>;

// The column id a cell text is named after ("_c12"), or nothing.
std::optional<std::int32_t> CellColumn(const std::string& name) {
    if (name.size() < 3 || name.size() > 12 || !name.starts_with("_c") ||
        name.find_first_not_of("0123456789", 2) != std::string::npos)
        return std::nullopt;
    const long long id = std::stoll(name.substr(2));
    if (id > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(id);
}

// For every column of the copied project, the document's first live column
// of the same heading, or kNoObject.
IdMap MapColumns(const CProject& copied, const CProject& target) {
    std::unordered_map<std::string, std::int32_t> byHeading;
    target.GetColumns().ForEach([&](CColumn& column) {
        if (!column.IsDeleted())
            byHeading.emplace(column.GetCaption(), column.GetObjectId());
    });
    IdMap columns;
    copied.GetColumns().ForEach([&](CColumn& column) {
        const auto found = byHeading.find(column.GetCaption());
        columns[column.GetObjectId()] = found == byHeading.end() ? CData::kNoObject : found->second;
    });
    return columns;
}

// The object a pasted one becomes: the next id of the document, created by
// the user now.
template <typename T>
std::unique_ptr<T> NewObject(const T& copied, CProject& project, const EditStamp& stamp) {
    std::unique_ptr<T> object(static_cast<T*>(copied.Clone().release()));
    object->SetObjectId(project.NewObjectId());
    object->SetModifier({});
    stamp.Created(*object);
    return object;
}

// Builds the document's objects from the copied ones, inside the step.
class Insertion {
public:
    Insertion(const CProject& copied, CProject& target, EditStamp stamp)
        : copied_(copied),
          target_(target),
          stamp_(std::move(stamp)),
          columns_(MapColumns(copied, target)) {}

    std::unique_ptr<CRow> Branch(const CRow& copied) {
        auto row = NewObject(copied, target_, stamp_);
        ids_[copied.GetObjectId()] = row->GetObjectId();
        MoveCells(*row);
        copied.GetChildren().ForEach([&](CRow& child) {
            if (!child.IsDeleted())
                row->GetChildren().Add(Branch(child));
        });
        return row;
    }

    void Objects() {
        copied_.GetSchedules().ForEach([&](CSchedule& schedule) {
            if (schedule.IsDeleted())
                return;
            auto added = NewObject(schedule, target_, stamp_);
            ids_[schedule.GetObjectId()] = added->GetObjectId();
            added->SetRowObjectId(ids_.at(schedule.GetRowObjectId()));
            target_.GetSchedules().Add(std::move(added));
        });
        copied_.GetDrawParts().ForEach([&](CDrawPart& part) {
            auto* memo = dynamic_cast<CMemo*>(&part);
            if (memo == nullptr || memo->IsDeleted() || !ids_.contains(memo->GetYRowId()))
                return;
            auto added = NewObject(*memo, target_, stamp_);
            ids_[memo->GetObjectId()] = added->GetObjectId();
            added->SetYRowId(ids_.at(memo->GetYRowId()));
            target_.GetDrawParts().Add(std::move(added));
        });
        copied_.GetLinks().ForEach([&](CLink& link) {
            if (link.IsDeleted())
                return;
            auto added = NewObject(link, target_, stamp_);
            added->SetFromId(ids_.at(link.GetFromId()));
            added->SetToId(ids_.at(link.GetToId()));
            target_.GetLinks().Add(std::move(added));
        });
    }

private:
    // Cell texts are named after the copied project's columns; they move to
    // the document's column of the same heading. Texts of columns the copy
    // does not hold, or the document lacks, go.
    void MoveCells(CRow& row) const {
        PropertyMap params;
        row.GetParams(params);
        std::vector<std::pair<std::string, std::string>> moved;
        for (const auto& [name, value] : params) {
            const std::optional<std::int32_t> column = CellColumn(name);
            if (!column)
                continue;
            row.RemoveParam(name);
            const auto target = columns_.find(*column);
            if (target != columns_.end() && target->second != CData::kNoObject)
                moved.emplace_back("_c" + std::to_string(target->second), value);
        }
        for (auto& [name, value] : moved)
            row.SetParam(name, std::move(value));
    }

    const CProject& copied_;
    CProject& target_;
    const EditStamp stamp_;
    const IdMap columns_;
    IdMap ids_;
};

bool HoldsObjects(const CProject& project) {
    return project.GetSchedules().GetCount(true) > 0 || project.GetDrawParts().GetCount(true) > 0;
}

void DropObjects(CProject& project) {
    project.GetSchedules().DeleteAll();
    project.GetLinks().DeleteAll();
    project.GetDrawParts().DeleteAll();
}

}  // namespace

bool RowPaste::HasDuplicateHeadings(const CProject& project) {
    std::unordered_set<std::string> headings;
    bool repeated = false;
    project.GetColumns().ForEach([&](CColumn& column) {
        if (!column.IsDeleted())
            repeated |= !headings.insert(column.GetCaption()).second;
    });
    return repeated;
}

EditResult RowPaste::Paste(std::string_view block, std::int32_t atRowId) {
    Document& document = status_.Doc();
    if (!document.HasProject())
        return EditResult::Failed();
    IPrompt& prompt = status_.Services().Prompt();
    if (HasDuplicateHeadings(*document.GetProject()) &&
        prompt.Show(messages::kDuplicateHeadings.Plain()) != PromptAnswer::kYes)
        return EditResult::Failed();
    ErrorSlot error;
    std::unique_ptr<CProject> copied = RowClipboardStream::Read(block, error);
    if (!copied)
        return EditResult::Refused(messages::kClipboardReadFailed.Plain());
    if (HoldsObjects(*copied) &&
        prompt.Show(messages::kPasteRowContents.Plain()) != PromptAnswer::kYes)
        DropObjects(*copied);

    EditSession& edit = status_.Edit();
    BusyCursor busy(prompt, document.IsShared());
    if (!edit.BeginStep())
        return EditResult::Failed();
    CProject& project = *document.GetProject();
    CRowArray* siblings = &project.GetRows();
    int position = siblings->GetCount();
    if (atRowId != CData::kNoObject) {
        if (!DataRemoval::IsLiveRow(project, atRowId))
            return edit.Refuse(messages::kInsertMarkGone.Plain());
        CRow* at = project.FindRow(atRowId);
        siblings = at->GetHolder();
        position = siblings->Find(at);
    }
    Insertion insertion(*copied, project, edit.Stamp());
    EditResult result = EditResult::Done();
    copied->GetRows().ForEach([&](CRow& row) {
        if (row.IsDeleted())
            return;
        auto added = insertion.Branch(row);
        result.ids.push_back(added->GetObjectId());
        siblings->InsertAt(position++, std::move(added));
    });
    insertion.Objects();
    result.id = result.ids.front();
    return edit.Finish(std::move(result));
}

}  // namespace qb
