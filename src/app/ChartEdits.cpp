#include "ChartEdits.h"

#include <string>

#include "AppMessage.h"
#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"
#include "DataRemoval.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "EditValues.h"
#include "LinkedMove.h"

namespace qb {
namespace {

constexpr AppMessage kNotChartObject{
    0, "チャートで編集できるのは、スケジュール、メモ、リンクだけです。", PromptIcon::kWarning,
    PromptButtons::kOk};

bool IsChartObject(const CData& object) {
    const int type = object.GetType();
    return type == CData::kSchedule || type == CData::kMemo || type == CData::kLink;
}

// Copies taken before the file is taken: a reload in shared mode replaces
// the project the caller's values may have come from.
std::optional<std::vector<std::unique_ptr<CData>>> OwnCopies(
    const std::vector<const CData*>& values) {
    std::vector<std::unique_ptr<CData>> copies;
    copies.reserve(values.size());
    for (const CData* value : values) {
        if (value == nullptr || !IsChartObject(*value))
            return std::nullopt;
        copies.push_back(value->Clone());
    }
    return copies;
}

}  // namespace

EditResult ChartEdits::AddObject(const CData& object) {
    auto values = OwnCopies({&object});
    if (!values)
        return EditResult::Refused(kNotChartObject.Plain());
    return Add(std::move(*values), false);
}

EditResult ChartEdits::CopyObjects(const std::vector<const CData*>& values) {
    auto copies = OwnCopies(values);
    if (!copies)
        return EditResult::Refused(kNotChartObject.Plain());
    return Add(std::move(*copies), true);
}

EditResult ChartEdits::Add(Values values, bool fromSources) {
    if (values.empty() || !document_.HasProject())
        return EditResult::Done();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    std::optional<PromptMessage> refusal = RowsGone(project, values);
    if (!refusal && fromSources)
        refusal = SourcesGone(project, values);
    if (!refusal)
        refusal = EndsGone(project, values);
    if (refusal)
        return edit_.Refuse(*refusal);
    const EditStamp stamp = edit_.Stamp();
    EditResult result = EditResult::Done();
    for (const auto& value : values)
        result.ids.push_back(Insert(project, *value, stamp));
    result.id = result.ids.front();
    return edit_.Finish(std::move(result));
}

EditResult ChartEdits::ChangeObjects(const std::vector<const CData*>& values) {
    auto owned = OwnCopies(values);
    if (!owned)
        return EditResult::Refused(kNotChartObject.Plain());
    if (owned->empty() || !document_.HasProject())
        return EditResult::Done();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    std::optional<PromptMessage> refusal = RowsGone(project, *owned);
    if (!refusal)
        refusal = SourcesGone(project, *owned);
    if (!refusal)
        refusal = EndsGone(project, *owned);
    if (refusal)
        return edit_.Refuse(*refusal);
    // Every check has passed before the first value goes in: all or none.
    const EditStamp stamp = edit_.Stamp();
    bool changed = false;
    for (const auto& value : *owned)
        changed |= EditValues::Assign(*FindTarget(project, *value), *value, stamp);
    if (!changed) {
        // Nothing to write, and no step to undo.
        edit_.AbandonStep();
        return EditResult::Done();
    }
    return edit_.Finish(EditResult::Done());
}

EditResult ChartEdits::DeleteObjects(const std::vector<std::int32_t>& ids) {
    if (ids.empty() || !document_.HasProject())
        return EditResult::Done();
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    std::vector<CData*> found;
    for (const std::int32_t id : ids) {
        CData* object = project.FindObject(id);
        const bool gone =
            object == nullptr || object->IsDeleted() ||
            (object->GetType() == CData::kRow && !DataRemoval::IsLiveRow(project, id));
        if (!gone)
            found.push_back(object);
    }
    if (found.empty())
        return edit_.Refuse(messages::kTargetGone.Plain());
    const EditStamp stamp = edit_.Stamp();
    for (CData* object : found) {
        // A row deleted before may have taken this one along already.
        if (!object->IsDeleted())
            DataRemoval::DeleteFound(project, *object, stamp);
    }
    EditResult result = edit_.Finish(EditResult::Done());
    if (result.ok && found.size() < ids.size())
        result.message = messages::kSomeTargetsGone.Plain();
    return result;
}

CData* ChartEdits::FindTarget(const CProject& project, const CData& values) {
    const std::int32_t id = values.GetObjectId();
    CData* target = nullptr;
    switch (values.GetType()) {
        case CData::kSchedule:
            target = project.FindSchedule(id);
            break;
        case CData::kLink:
            target = project.FindLink(id);
            break;
        default:
            target = project.FindDrawPart(id);
            break;
    }
    if (target == nullptr || target->IsDeleted() || target->GetType() != values.GetType())
        return nullptr;
    return target;
}

std::optional<PromptMessage> ChartEdits::RowsGone(const CProject& project, const Values& values) {
    for (const auto& value : values) {
        const std::int32_t row = DataRemoval::OwningRow(value.get());
        // A memo may hang from no row; a schedule always lies on one.
        if (row == CData::kNoObject && value->GetType() == CData::kMemo)
            continue;
        if (value->GetType() != CData::kLink && !DataRemoval::IsLiveRow(project, row))
            return messages::kRowGone.Plain();
    }
    return std::nullopt;
}

std::optional<PromptMessage> ChartEdits::SourcesGone(const CProject& project,
                                                     const Values& values) {
    for (const auto& value : values) {
        if (FindTarget(project, *value) != nullptr)
            continue;
        // One object dragged or edited, or some of several.
        return values.size() == 1 ? messages::kEditTargetGone.Plain()
                                  : messages::kSomeDraggedGone.Plain();
    }
    return std::nullopt;
}

std::optional<PromptMessage> ChartEdits::EndsGone(const CProject& project, const Values& values) {
    for (const auto& value : values) {
        const auto* link = dynamic_cast<const CLink*>(value.get());
        if (link == nullptr)
            continue;
        const std::int32_t self = link->GetObjectId();
        if (!DataRemoval::IsLiveEnd(project, link->GetFromId(), self) ||
            !DataRemoval::IsLiveEnd(project, link->GetToId(), self))
            return messages::kTargetGone.Plain();
    }
    return std::nullopt;
}

std::int32_t ChartEdits::Insert(CProject& project, const CData& values, const EditStamp& stamp) {
    std::unique_ptr<CData> object = values.Clone();
    object->SetObjectId(project.NewObjectId());
    object->SetModifier({});
    stamp.Created(*object);
    const std::int32_t id = object->GetObjectId();
    switch (object->GetType()) {
        case CData::kSchedule:
            project.GetSchedules().Add(std::move(object));
            break;
        case CData::kLink:
            project.GetLinks().Add(std::move(object));
            break;
        default:
            project.GetDrawParts().Add(std::move(object));
            break;
    }
    return id;
}

// A schedule joined to others by links may take them along, as the user
// chooses; otherwise it is changed alone like any other value.
EditResult ChartEdits::MoveSchedule(const CData& values, bool askAgain) {
    const CProject* project = document_.GetProject();
    if (project == nullptr || values.GetType() != CData::kSchedule)
        return ChangeObjects({&values});
    const std::int32_t id = values.GetObjectId();
    const CSchedule* before = project->FindSchedule(id);
    if (before == nullptr || before->IsDeleted() || !LinkedMove::IsLinked(*project, id))
        return ChangeObjects({&values});
    const int days = LinkedMove::MovedDays(*before, static_cast<const CSchedule&>(values));
    if (days == 0)
        return ChangeObjects({&values});
    const std::optional<LinkedChoice> choice = LinkedMove::Decide(services_, days, askAgain);
    if (!choice)
        return EditResult::Failed();
    if (*choice == LinkedChoice::kOnlyThis)
        return ChangeObjects({&values});
    const std::vector<std::int32_t> ids =
        LinkedMove::Collect(*project, id, *choice == LinkedChoice::kSuccessors);
    return MoveLinked(values, ids, days);
}

EditResult ChartEdits::MoveLinked(const CData& values, const std::vector<std::int32_t>& ids,
                                  int days) {
    Values owned;
    owned.push_back(values.Clone());
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginEdit())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    std::vector<CData*> found;
    found.reserve(ids.size());
    for (const std::int32_t id : ids) {
        CData* object = project.FindObject(id);
        if (object == nullptr || object->IsDeleted()) {
            edit_.CancelEdit();
            document_.ContentChanged();
            return EditResult::Refused(ids.size() == 1 ? messages::kEditTargetGone.Plain()
                                                       : messages::kSomeDraggedGone.Plain());
        }
        found.push_back(object);
    }
    if (std::optional<PromptMessage> refusal = RowsGone(project, owned)) {
        edit_.CancelEdit();
        document_.ContentChanged();
        return EditResult::Refused(*refusal);
    }
    const EditStamp stamp = edit_.Stamp();
    for (CData* object : found) {
        if (object->GetObjectId() == values.GetObjectId() && object->GetType() == CData::kSchedule)
            EditValues::Assign(*object, *owned.front(), stamp);
        else if (LinkedMove::MoveAlong(*object, days))
            stamp.Changed(*object);
    }
    edit_.EndEdit();
    return EditResult::Done();
}

}  // namespace qb
