#include "ProjectEdits.h"

#include "AppMessage.h"
#include "AppMessages.h"
#include "AppServices.h"
#include "BusyCursor.h"
#include "CMemo.h"
#include "CProject.h"
#include "DataRemoval.h"
#include "Document.h"
#include "EditSession.h"
#include "EditStamp.h"
#include "IDocumentView.h"
#include "PropertyAssigner.h"

namespace qb {
namespace {

using I = PromptIcon;
using B = PromptButtons;

constexpr AppMessage kNoSuchObject{0, "ID %d のオブジェクトはありません。", I::kWarning, B::kOk};
constexpr AppMessage kNoSuchProperty{0, "「%s」というプロパティはありません。", I::kWarning,
                                     B::kOk};
constexpr AppMessage kFixedProperty{0, "プロパティ「%s」は変更できません。", I::kWarning, B::kOk};
constexpr AppMessage kBadValue{0, "プロパティ「%s」の値が正しくありません。", I::kWarning, B::kOk};
constexpr AppMessage kBadReference{0, "プロパティ「%s」が指す段またはオブジェクトがありません。",
                                   I::kWarning, B::kOk};
constexpr AppMessage kNothingToSet{0, "変更するプロパティが指定されていません。", I::kWarning,
                                   B::kOk};
constexpr AppMessage kBadDates{0, "日付が正しくないか、終了が開始より前になっています。",
                               I::kWarning, B::kOk};
constexpr AppMessage kBadIndex{0, "挿入位置が正しくありません。", I::kWarning, B::kOk};

// The array position of the index-th row shown in rows; the end for -1 or
// for the index just past the last shown row; -1 when out of range.
int ArrayPosition(const CRowArray& rows, int index) {
    if (index == -1)
        return rows.GetCount();
    int shown = 0;
    for (int i = 0, n = rows.GetCount(); i < n; ++i) {
        const CRow* row = rows.At(i);
        if (!row || row->IsDeleted())
            continue;
        if (shown++ == index)
            return i;
    }
    return index == shown ? rows.GetCount() : -1;
}

// References by id must name something the user can see.
bool ReferenceHolds(const CProject& project, const CData& object, const std::string& name) {
    if (const auto* schedule = dynamic_cast<const CSchedule*>(&object); schedule) {
        return name != "rowObjectId" ||
               ProjectEdits::IsLiveRow(project, schedule->GetRowObjectId());
    }
    if (const auto* memo = dynamic_cast<const CMemo*>(&object); memo) {
        return name != "yRowId" || memo->GetYRowId() == CData::kNoObject ||
               ProjectEdits::IsLiveRow(project, memo->GetYRowId());
    }
    if (const auto* link = dynamic_cast<const CLink*>(&object); link) {
        if (name == "fromId")
            return DataRemoval::IsLiveEnd(project, link->GetFromId(), link->GetObjectId());
        if (name == "toId")
            return DataRemoval::IsLiveEnd(project, link->GetToId(), link->GetObjectId());
    }
    return true;
}

std::optional<PromptMessage> CheckValues(CData& object,
                                         const ProjectEdits::PropertyValues& values) {
    using Outcome = PropertyAssigner::Outcome;
    for (const auto& [name, text] : values) {
        switch (PropertyAssigner::Assign(object, name, text, false)) {
            case Outcome::kUnknown:
                return kNoSuchProperty.Format(name);
            case Outcome::kFixed:
                return kFixedProperty.Format(name);
            case Outcome::kBadValue:
                return kBadValue.Format(name);
            default:
                break;
        }
    }
    return std::nullopt;
}

bool IsParamName(std::string_view name) {
    return name.size() > 1 && name.front() == '_';
}

// Kept by the machinery: the mode has its own switch, and ids only grow.
bool IsFixedForProject(std::string_view name) {
    return name == "shared" || name == "lastObjectId";
}

std::optional<PromptMessage> CheckProjectValues(CProject& project,
                                                const ProjectEdits::PropertyValues& values) {
    ProjectEdits::PropertyValues properties;
    for (const auto& [name, text] : values) {
        if (IsFixedForProject(name))
            return kFixedProperty.Format(name);
        if (!IsParamName(name))
            properties.emplace_back(name, text);
    }
    return CheckValues(project, properties);
}

}  // namespace

// Looked up before the reload: what the user acted on, as the user saw it.
std::int32_t ProjectEdits::RowBeforeReload(std::int32_t id) const {
    const CProject* project = document_.GetProject();
    return project ? DataRemoval::OwningRow(project->FindObject(id)) : CData::kNoObject;
}

// After the reload: a gone row of the target says more than the target
// itself being gone.
std::optional<PromptMessage> ProjectEdits::TargetGone(std::int32_t id, std::int32_t rowBefore,
                                                      const CData* object) const {
    const CProject& project = *document_.GetProject();
    if (rowBefore != CData::kNoObject && !IsLiveRow(project, rowBefore))
        return messages::kRowGone.Plain();
    if (object && !object->IsDeleted()) {
        if (object->GetType() == CData::kRow && !IsLiveRow(project, id))
            return messages::kTargetGone.Plain();
        return std::nullopt;
    }
    const bool everIssued = id >= 0 && id < project.GetLastObjectId();
    return everIssued ? messages::kTargetGone.Plain() : kNoSuchObject.Format(id);
}

bool ProjectEdits::IsLiveRow(const CProject& project, std::int32_t id) {
    return DataRemoval::IsLiveRow(project, id);
}

EditResult ProjectEdits::AddRow(std::string caption, std::int32_t parentId, int index) {
    if (index < -1 || !document_.HasProject())
        return EditResult::Refused(kBadIndex.Plain());
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    EditSession& session = edit_;
    if (!session.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CRowArray* siblings = &project.GetRows();
    if (parentId != CData::kNoObject) {
        if (!IsLiveRow(project, parentId)) {
            return Abandon(session, messages::kParentRowGone.Plain());
        }
        siblings = &project.FindRow(parentId)->GetChildren();
    }
    const int position = ArrayPosition(*siblings, index);
    if (position < 0) {
        return Abandon(session, kBadIndex.Plain());
    }
    auto row = std::make_unique<CRow>(project.NewObjectId());
    row->SetCaption(std::move(caption));
    row->SetHeight(project.GetParamInt("_DefRowHeight", services_.Settings().defRowHeight));
    row->SetTextColor(static_cast<ColorRef>(project.GetParamInt("_DefRowTextColor", 0)));
    if (project.HasParam("_DefRowBackColor"))
        row->SetParam("_BackColor", project.GetParam("_DefRowBackColor"));
    session.Stamp().Created(*row);
    const std::int32_t id = row->GetObjectId();
    siblings->InsertAt(position, std::move(row));
    return Finish(session, id);
}

EditResult ProjectEdits::AddSchedule(std::int32_t rowId, const DateOffset& start,
                                     const DateOffset& end, std::string caption) {
    if (!start.date.IsValid() || !end.date.IsValid() || end < start || !document_.HasProject())
        return EditResult::Refused(kBadDates.Plain());
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    EditSession& session = edit_;
    if (!session.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    if (!IsLiveRow(project, rowId)) {
        return Abandon(session, messages::kRowGone.Plain());
    }
    auto schedule = std::make_unique<CSchedule>(project.NewObjectId());
    schedule->SetRowObjectId(rowId);
    schedule->SetStartDate(start.date);
    schedule->SetStartOffset(start.offset);
    schedule->SetEndDate(end.date);
    schedule->SetEndOffset(end.offset);
    schedule->SetCaption(std::move(caption));
    session.Stamp().Created(*schedule);
    const std::int32_t id = schedule->GetObjectId();
    project.GetSchedules().Add(std::move(schedule));
    return Finish(session, id);
}

EditResult ProjectEdits::SetProperties(std::int32_t id, const PropertyValues& values) {
    if (values.empty() || !document_.HasProject())
        return EditResult::Refused(kNothingToSet.Plain());
    const std::int32_t rowBefore = RowBeforeReload(id);
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    EditSession& session = edit_;
    if (!session.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CData* object = project.FindObject(id);
    std::optional<PromptMessage> refusal = TargetGone(id, rowBefore, object);
    if (!refusal)
        refusal = CheckValues(*object, values);
    if (refusal) {
        return Abandon(session, *refusal);
    }
    // A reference is checked against the value it ends up with, so all
    // values go in first; a broken one undoes the lot.
    std::unique_ptr<CData> before = object->Clone();
    bool changed = false;
    for (const auto& [name, text] : values) {
        changed |= PropertyAssigner::Assign(*object, name, text, true) ==
                   PropertyAssigner::Outcome::kChanged;
    }
    for (const auto& [name, text] : values) {
        if (!ReferenceHolds(project, *object, name)) {
            object->CopyFrom(*before);
            return Abandon(session, kBadReference.Format(name));
        }
    }
    if (changed)
        session.Stamp().Changed(*object);
    return Finish(session);
}

EditResult ProjectEdits::SetProjectValues(const PropertyValues& values) {
    if (values.empty() || !document_.HasProject())
        return EditResult::Refused(kNothingToSet.Plain());
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    if (!edit_.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    if (auto refusal = CheckProjectValues(project, values))
        return Abandon(edit_, *refusal);
    bool changed = false;
    for (const auto& [name, text] : values) {
        if (IsParamName(name)) {
            changed |= !project.HasParam(name) || project.GetParam(name) != text;
            project.SetParam(name, text);
        } else {
            changed |= PropertyAssigner::Assign(project, name, text, true) ==
                       PropertyAssigner::Outcome::kChanged;
        }
    }
    if (changed)
        edit_.Stamp().Changed(project);
    return Finish(edit_);
}

EditResult ProjectEdits::DeleteObject(std::int32_t id) {
    if (!document_.HasProject())
        return EditResult::Refused(kNoSuchObject.Format(id));
    const std::int32_t rowBefore = RowBeforeReload(id);
    BusyCursor busy(services_.Prompt(), document_.IsShared());
    EditSession& session = edit_;
    if (!session.BeginStep())
        return EditResult::Failed();
    CProject& project = *document_.GetProject();
    CData* object = project.FindObject(id);
    if (auto gone = TargetGone(id, rowBefore, object)) {
        return Abandon(session, *gone);
    }
    DataRemoval::DeleteFound(project, *object, session.Stamp());
    return Finish(session);
}

// A step whose target turned out to be gone: the file goes unwritten and the
// display shows the project as reloaded.
EditResult ProjectEdits::Abandon(EditSession& session, const PromptMessage& refusal) {
    session.AbandonStep();
    return EditResult::Refused(refusal);
}

EditResult ProjectEdits::Finish(EditSession& session, std::int32_t newId) {
    const bool committed = session.Commit();
    return committed ? EditResult::Done(newId) : EditResult::Failed();
}

}  // namespace qb
