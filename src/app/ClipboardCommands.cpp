#include "ClipboardCommands.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>

#include "AppMessage.h"
#include "AppMessages.h"
#include "CDisplayModel.h"
#include "CGuiObject.h"
#include "CLink.h"
#include "CMemo.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "IChartEdits.h"
#include "IClipboard.h"
#include "ObjectClipboardStream.h"
#include "ObjectPaste.h"
#include "RowClipboardStream.h"
#include "RowPaste.h"
#include "ScheduleFields.h"
#include "ScheduleTooltip.h"

namespace qb {
namespace {

constexpr AppMessage kHiddenSelected{
    0,
    "非表示のオブジェクトも選択されているため、コピーできません。\r\n「全て選択(Ctrl+A)」や、一括"
    "貼付でサマリ表示段などに貼り付けられたオブジェクトがあるときに、この現象が起こります。",
    PromptIcon::kWarning, PromptButtons::kOk};
constexpr AppMessage kCopyFailed{0, "コピーに失敗しました。", PromptIcon::kWarning,
                                 PromptButtons::kOk};

bool IsChartObject(const CGuiObject& object) {
    const int type = object.GetObjectType();
    return type == CGuiObject::kSchedule || type == CGuiObject::kMemo || type == CGuiObject::kLink;
}

// What the clipboard offers as text beside one copied object.
std::optional<std::string> TextOf(const CData& data) {
    if (const auto* memo = dynamic_cast<const CMemo*>(&data))
        return memo->GetText();
    if (const auto* schedule = dynamic_cast<const CSchedule*>(&data))
        return ScheduleTooltip::Text(ScheduleFields::FromSchedule(*schedule));
    return std::nullopt;
}

}  // namespace

bool ClipboardCommands::Handles(int id) {
    switch (id) {
        case cmd::kCut:
        case cmd::kCopy:
        case cmd::kPaste:
        case cmd::kInsertCopiedRow:
            return true;
        default:
            return false;
    }
}

CommandState ClipboardCommands::State(int id) const {
    CommandState state;
    ChartScene* chart = ChartAccess::Shown(status_);
    state.enabled = chart != nullptr && IsEnabled(id, *chart);
    return state;
}

bool ClipboardCommands::Execute(int id) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !IsEnabled(id, *chart))
        return false;
    switch (id) {
        case cmd::kCopy:
            return Copy(*chart, true);
        case cmd::kCut:
            return Cut(*chart);
        default:
            return Paste(*chart);
    }
}

bool ClipboardCommands::IsEnabled(int id, ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    const std::vector<const CGuiObject*> selection = Selection(model);
    const bool writable = ChartAccess::IsWritable(status_);
    switch (id) {
        case cmd::kCopy:
            return !selection.empty();
        case cmd::kCut:
            return writable && !selection.empty();
        case cmd::kPaste:
            return writable && CanPaste();
        case cmd::kInsertCopiedRow:
            return writable && CanPaste() && SelectedRow(model) != CData::kNoObject &&
                   status_.Services().Clipboard().HasFormat(RowClipboardStream::kFormatName);
        default:
            return false;
    }
}

bool ClipboardCommands::CanPaste() const {
    const IClipboard& clipboard = status_.Services().Clipboard();
    return clipboard.HasFormat(ObjectClipboardStream::kFormatName) ||
           clipboard.HasFormat(RowClipboardStream::kFormatName);
}

std::int32_t ClipboardCommands::SelectedRow(const CDisplayModel& model) {
    for (const CGuiObject* object : Selection(model)) {
        if (object->GetObjectType() == CGuiObject::kRow)
            return object->GetObjectId();
    }
    return CData::kNoObject;
}

std::vector<const CGuiObject*> ClipboardCommands::Selection(const CDisplayModel& model) {
    std::vector<const CGuiObject*> objects;
    for (const std::uint32_t key : model.GetSelection()) {
        const CGuiObject* object = model.FindObject(static_cast<std::int32_t>(key));
        if (object != nullptr &&
            (IsChartObject(*object) || object->GetObjectType() == CGuiObject::kRow))
            objects.push_back(object);
    }
    return objects;
}

bool ClipboardCommands::Copy(ChartScene& chart, bool checkHidden) {
    IPrompt& prompt = status_.Services().Prompt();
    if (checkHidden) {
        const std::vector<const CGuiObject*> selection = Selection(chart.GetModel());
        const bool hidden =
            std::any_of(selection.begin(), selection.end(),
                        [](const CGuiObject* object) { return !object->IsVisible(); });
        if (hidden) {
            prompt.Show(kHiddenSelected.Plain());
            return false;
        }
    }
    if (Write(chart))
        return true;
    prompt.Show(kCopyFailed.Plain());
    return false;
}

bool ClipboardCommands::Write(ChartScene& chart) {
    const CDisplayModel& model = chart.GetModel();
    const std::int32_t row = SelectedRow(model);
    if (row == CData::kNoObject)
        return WriteObjects(model);
    const CProject* project = status_.GetProject();
    std::string block = project != nullptr ? RowClipboardStream::Write(*project, row) : "";
    if (block.empty())
        return false;
    ClipboardContent content;
    content.formats.emplace_back(RowClipboardStream::kFormatName, std::move(block));
    return status_.Services().Clipboard().Write(content);
}

// Schedules and memos, then the links both of whose ends go along, each kind
// in the order of selection.
bool ClipboardCommands::WriteObjects(const CDisplayModel& model) {
    const std::vector<const CGuiObject*> selection = Selection(model);
    std::unordered_set<std::int32_t> ends;
    std::vector<const CData*> objects;
    std::vector<DrawPoint> positions;
    auto take = [&](const CGuiObject& object) {
        objects.push_back(object.GetData());
        const GuiRect rect = object.GetRect();
        positions.push_back(DrawPoint{rect.left, rect.top});
    };
    for (const CGuiObject* object : selection) {
        const int type = object->GetObjectType();
        if (type != CGuiObject::kSchedule && type != CGuiObject::kMemo)
            continue;
        take(*object);
        ends.insert(object->GetObjectId());
    }
    for (const CGuiObject* object : selection) {
        if (object->GetObjectType() != CGuiObject::kLink)
            continue;
        const auto& link = static_cast<const CLink&>(*object->GetData());
        if (ends.count(link.GetFromId()) > 0 && ends.count(link.GetToId()) > 0)
            take(*object);
    }
    if (objects.empty())
        return false;
    ClipboardContent content;
    content.formats.emplace_back(ObjectClipboardStream::kFormatName,
                                 ObjectClipboardStream::Write(objects, positions));
    if (objects.size() == 1)
        content.text = TextOf(*objects.front());
    return status_.Services().Clipboard().Write(content);
}

// One object deletes itself, several go as the delete command takes them;
// either way one step.
bool ClipboardCommands::Cut(ChartScene& chart) {
    if (!Copy(chart, false))
        return false;
    CDisplayModel& model = chart.GetModel();
    std::vector<std::int32_t> ids;
    for (const CGuiObject* object : Selection(model))
        ids.push_back(object->GetObjectId());
    model.ClearSelection();
    const bool done = ChartAccess::Report(status_, status_.ChartEdit().DeleteObjects(ids));
    ChartAccess::Rebuild(status_, chart);
    return done;
}

bool ClipboardCommands::Paste(ChartScene& chart) {
    const IClipboard& clipboard = status_.Services().Clipboard();
    if (!clipboard.HasFormat(ObjectClipboardStream::kFormatName))
        return PasteRow(chart);
    const std::optional<std::string> block = clipboard.Read(ObjectClipboardStream::kFormatName);
    std::optional<std::vector<ClipboardObject>> objects;
    if (block)
        objects = ObjectClipboardStream::Read(*block);
    if (!objects || objects->empty()) {
        status_.Services().Prompt().Show(messages::kClipboardReadFailed.Plain());
        return false;
    }
    return ObjectPaste(status_).Paste(*objects, chart);
}

bool ClipboardCommands::PasteRow(ChartScene& chart) {
    const std::optional<std::string> block =
        status_.Services().Clipboard().Read(RowClipboardStream::kFormatName);
    if (!block)
        return false;
    const EditResult result = RowPaste(status_).Paste(*block, SelectedRow(chart.GetModel()));
    if (!ChartAccess::Report(status_, result))
        return false;
    ChartAccess::Rebuild(status_, chart);
    ChartAccess::SelectAlone(status_, chart, result.id);
    return true;
}

}  // namespace qb
