#include "RowCommands.h"

#include <algorithm>
#include <iterator>

#include "AppMessage.h"
#include "AppMessages.h"
#include "BulkRowText.h"
#include "CDisplayModel.h"
#include "CFilter.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRow.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "CommandIds.h"
#include "EditResult.h"
#include "IChartEdits.h"
#include "IDocumentView.h"
#include "RowDefaults.h"
#include "RowEdits.h"
#include "RowSearch.h"

namespace qb {
namespace {

constexpr const char* kNewCaption = "新しい段";

constexpr AppMessage kCompleted{162, "処理を完了しました。", PromptIcon::kInformation,
                                PromptButtons::kOk};
constexpr AppMessage kConfirmDelete{0, "削除します。よろしいですか？", PromptIcon::kQuestion,
                                    PromptButtons::kOkCancel};
constexpr AppMessage kCaptionFiltered{0,
                                      "段のテキストでフィルタ中は、段の編集はできません。段のテキ"
                                      "ストのフィルタを解除してから編集して下さい。",
                                      PromptIcon::kWarning, PromptButtons::kOk};

constexpr int kHandled[] = {cmd::kInsertRowAbove, cmd::kInsertRowBelow, cmd::kInsertChildRow,
                            cmd::kInsertRowsText, cmd::kBulkRows,       cmd::kFindRow};

// The index of a display row among its siblings.
int ShownIndex(const CGuiRow& row) {
    const CGuiRowArray& siblings = row.GetHolder();
    for (std::size_t i = 0; i < siblings.Size(); ++i) {
        if (siblings.At(i) == &row)
            return static_cast<int>(i);
    }
    return -1;
}

std::int32_t OwnerOf(const CRow& row) {
    const CRow* parent = row.GetParentRow();
    return parent != nullptr ? parent->GetObjectId() : CData::kNoObject;
}

// A row's values with its parameters, without its children.
std::unique_ptr<CRow> CopyOf(const CRow& row) {
    auto copy = std::make_unique<CRow>(row.GetObjectId());
    copy->Assign(row);
    return copy;
}

RowChanges::Values ValuesOf(const CRow& row) {
    RowChanges::Values values;
    values.height = row.GetHeight();
    values.width = row.GetWidth();
    values.textColor = row.GetTextColor();
    values.backColor = static_cast<ColorRef>(row.GetParamInt("_BackColor", 0xFFFFFF));
    values.textFont = row.GetTextFont();
    values.bottomLinePen = row.GetBottomLinePen();
    values.rightLinePen = row.GetRightLinePen();
    return values;
}

void ApplyChanges(CRow& row, const RowChanges& changes) {
    const RowChanges::Values& v = changes.values;
    if (changes.height)
        row.SetHeight(v.height);
    if (changes.width)
        row.SetWidth(v.width);
    if (changes.textColor)
        row.SetTextColor(v.textColor);
    if (changes.backColor)
        row.SetParamInt("_BackColor", static_cast<std::int32_t>(v.backColor));
    if (changes.textFont)
        row.SetTextFont(v.textFont);
    if (changes.bottomLinePen)
        row.SetBottomLinePen(v.bottomLinePen);
    if (changes.rightLinePen)
        row.SetRightLinePen(v.rightLinePen);
}

}  // namespace

RowCommands::RowCommands(CStatus& status)
    : status_(status), search_(std::make_unique<RowSearch>(status)) {}

RowCommands::~RowCommands() = default;

bool RowCommands::Handles(int id) {
    return std::find(std::begin(kHandled), std::end(kHandled), id) != std::end(kHandled);
}

bool RowCommands::Takes(int id) const {
    if (id != cmd::kDelete && id != cmd::kProperties && id != cmd::kEditText)
        return false;
    ChartScene* chart = ChartAccess::Shown(status_);
    return chart != nullptr && ChartAccess::OnlySelected(chart->GetModel(), CGuiObject::kRow);
}

CommandState RowCommands::State(int id) const {
    ChartScene* chart = ChartAccess::Shown(status_);
    return {chart != nullptr && IsEnabled(id, *chart), false, {}};
}

bool RowCommands::Execute(int id) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !IsEnabled(id, *chart))
        return false;
    switch (id) {
        case cmd::kInsertRowAbove:
        case cmd::kInsertRowBelow:
        case cmd::kInsertChildRow:
            return InsertOne(id, *chart);
        case cmd::kInsertRowsText:
            return InsertFromText(*chart);
        case cmd::kBulkRows:
            return ChangeMany(*chart);
        case cmd::kFindRow:
            status_.Services().Dialogs().FindRow(*search_);
            return true;
        case cmd::kDelete:
            return Delete(*chart);
        case cmd::kProperties:
            return EditProperties(*chart);
        case cmd::kEditText:
            return EditCaption(*chart);
        default:
            return false;
    }
}

bool RowCommands::IsCaptionFiltered(const CDisplayModel& model) {
    return model.Filters().Has(CFilter::kCaptions);
}

bool RowCommands::IsEnabled(int id, ChartScene& chart) const {
    const CDisplayModel& model = chart.GetModel();
    const bool writable = ChartAccess::IsWritable(status_);
    const bool rowSelected = SelectedRow(model) != CData::kNoObject;
    switch (id) {
        case cmd::kInsertRowAbove:
        case cmd::kInsertRowBelow:
        case cmd::kInsertRowsText:
            return IsInsertable(chart);
        case cmd::kInsertChildRow:
            return IsInsertable(chart) && rowSelected;
        case cmd::kFindRow:
            return !model.GetRows().Empty();
        case cmd::kBulkRows:
        case cmd::kDelete:
            return writable && rowSelected;
        case cmd::kProperties:
        case cmd::kEditText:
            return writable && ChartAccess::Selected(model, CGuiObject::kRow).size() == 1;
        default:
            return false;
    }
}

// A filter could hide the new row the moment it is made.
bool RowCommands::IsInsertable(ChartScene& chart) const {
    return ChartAccess::IsWritable(status_) && chart.GetModel().Filters().Empty();
}

std::int32_t RowCommands::SelectedRow(const CDisplayModel& model) {
    const std::vector<std::int32_t> rows = ChartAccess::Selected(model, CGuiObject::kRow);
    return rows.empty() ? CData::kNoObject : rows.front();
}

std::int32_t RowCommands::SingleSelected(const CDisplayModel& model) {
    const auto& selection = model.GetSelection();
    return selection.size() == 1 ? static_cast<std::int32_t>(selection.front()) : CData::kNoObject;
}

RowCommands::Position RowCommands::InsertionPosition(int id, ChartScene& chart) const {
    const CGuiRow* row = chart.GetModel().FindRow(SelectedRow(chart.GetModel()));
    if (row == nullptr)
        return {CData::kNoObject, id == cmd::kInsertRowBelow ? -1 : 0,
                id == cmd::kInsertRowBelow ? -1 : 0};
    if (id == cmd::kInsertChildRow)
        return {row->GetObjectId(), -1, -1};
    const int step = id == cmd::kInsertRowBelow ? 1 : 0;
    return {OwnerOf(row->GetRow()), row->GetRow().GetIndex() + step, ShownIndex(*row) + step};
}

bool RowCommands::RefuseWhileCaptionFiltered(const CDisplayModel& model) {
    if (!IsCaptionFiltered(model))
        return false;
    status_.Services().Prompt().Show(kCaptionFiltered.Plain());
    return true;
}

// The new row is shown in place while its dialog is open; it reaches the
// project only with OK.
bool RowCommands::InsertOne(int id, ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    CProject& project = *status_.GetProject();
    const std::int32_t remembered = SingleSelected(model);
    const Position position = InsertionPosition(id, chart);
    std::unique_ptr<CRow> values =
        RowDefaults::Prepare(project, kNewCaption, status_.Services().Settings().defRowHeight);
    if (id == cmd::kInsertChildRow) {
        if (const CRow* parent = project.FindRow(position.owner))
            RowDefaults::TakeParentHeight(*values, project, *parent);
    }
    const CGuiRow* preview = model.InsertPreviewRow(*values, position.owner, position.shownIndex);
    ChartAccess::Relayout(status_, chart);
    const std::int32_t previewId = preview != nullptr ? preview->GetObjectId() : CData::kNoObject;
    std::unique_ptr<CRow> confirmed =
        status_.Services().Dialogs().EditRow(*values, true, Preview(chart, previewId));
    model.PreviewRow(previewId, nullptr);
    EditResult result = EditResult::Failed();
    if (confirmed)
        result = status_.RowEdit().InsertRow(*confirmed, position.owner, position.shownIndex);
    const bool done = ChartAccess::Report(status_, result);
    // The preview row leaves the selection with the rebuild.
    model.ClearSelection();
    ChartAccess::Rebuild(status_, chart);
    ChartAccess::SelectAlone(status_, chart, done ? result.id : remembered);
    return done;
}

bool RowCommands::InsertFromText(ChartScene& chart) {
    const std::int32_t reselect = SingleSelected(chart.GetModel());
    bool inserted = false;
    status_.Services().Dialogs().InsertRowsText([&](const std::string& text) {
        inserted = ApplyText(chart, text, reselect);
        return inserted;
    });
    return inserted;
}

// The rows stand above the selected row in the order of the text; without
// one they are appended to the top level. False keeps the dialog open with
// its text.
bool RowCommands::ApplyText(ChartScene& chart, const std::string& text, std::int32_t reselect) {
    const std::vector<std::string> captions = BulkRowText::Captions(text);
    if (captions.empty())
        return false;
    const Position position = InsertionPosition(cmd::kInsertRowAbove, chart);
    const bool above = SelectedRow(chart.GetModel()) != CData::kNoObject;
    CProject& project = *status_.GetProject();
    const int height = status_.Services().Settings().defRowHeight;
    std::vector<std::unique_ptr<CRow>> rows;
    for (const std::string& caption : captions)
        rows.push_back(RowDefaults::Prepare(project, caption, height));
    const EditResult result =
        status_.RowEdit().InsertRows(rows, position.owner, above ? position.shownIndex : -1);
    ChartAccess::Report(status_, result);
    ChartAccess::Rebuild(status_, chart);
    if (!result.ok)
        return false;
    ChartAccess::SelectAlone(status_, chart, reselect);
    status_.Services().Prompt().Show(kCompleted.Plain());
    return true;
}

bool RowCommands::EditProperties(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    if (RefuseWhileCaptionFiltered(model))
        return false;
    const std::int32_t id = SelectedRow(model);
    const std::unique_ptr<CRow> shown = CopyOf(model.FindRow(id)->GetRow());
    std::unique_ptr<CRow> confirmed =
        status_.Services().Dialogs().EditRow(*shown, false, Preview(chart, id));
    model.PreviewRow(id, nullptr);
    if (!confirmed) {
        ChartAccess::Relayout(status_, chart);
        return false;
    }
    confirmed->SetObjectId(id);
    const bool done = ChartAccess::Report(status_, status_.RowEdit().ChangeRows({confirmed.get()}));
    ChartAccess::Rebuild(status_, chart);
    return done;
}

// The dialog opens with the first selected row's values; those the user
// ticks go to every selected row.
bool RowCommands::ChangeMany(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    if (RefuseWhileCaptionFiltered(model))
        return false;
    const std::vector<std::int32_t> ids = ChartAccess::Selected(model, CGuiObject::kRow);
    RowChanges initial;
    initial.values = ValuesOf(model.FindRow(ids.front())->GetRow());
    const std::optional<RowChanges> changes = status_.Services().Dialogs().ChangeRows(initial);
    if (!changes || !changes->Any())
        return false;
    std::vector<std::unique_ptr<CRow>> rows;
    std::vector<const CRow*> values;
    for (const std::int32_t id : ids) {
        rows.push_back(CopyOf(model.FindRow(id)->GetRow()));
        ApplyChanges(*rows.back(), *changes);
        values.push_back(rows.back().get());
    }
    const bool done = ChartAccess::Report(status_, status_.RowEdit().ChangeRows(values));
    ChartAccess::Rebuild(status_, chart);
    return done;
}

// Shared mode cannot undo, and says so before the rows go; the selection
// moves to the row beside the last one deleted.
bool RowCommands::Delete(ChartScene& chart) {
    CDisplayModel& model = chart.GetModel();
    const std::vector<std::int32_t> ids = ChartAccess::Selected(model, CGuiObject::kRow);
    const AppMessage& question = status_.IsShared() ? messages::kDeleteRowsShared : kConfirmDelete;
    if ((status_.IsShared() || ids.size() == 1) &&
        status_.Services().Prompt().Show(question.Plain()) != PromptAnswer::kOk)
        return false;
    const CGuiRow* row = model.FindRow(ids.back());
    const CGuiRow* next = row->NextSibling();
    const CGuiRow* previous = row->PrevSibling();
    const CGuiRow* parent = row->GetParent();
    const std::int32_t neighbour = next != nullptr       ? next->GetObjectId()
                                   : previous != nullptr ? previous->GetObjectId()
                                   : parent != nullptr   ? parent->GetObjectId()
                                                         : CData::kNoObject;
    if (parent != nullptr && parent->GetChildren().Size() == 1)
        model.SetFolded(parent->GetObjectId(), false);
    const bool done = ChartAccess::Report(status_, status_.ChartEdit().DeleteObjects(ids));
    if (done)
        model.ClearSelection();
    ChartAccess::Rebuild(status_, chart);
    if (done)
        ChartAccess::SelectAlone(status_, chart, neighbour);
    return done;
}

bool RowCommands::EditCaption(ChartScene& chart) {
    if (RefuseWhileCaptionFiltered(chart.GetModel()))
        return false;
    status_.View().EditCellText(SelectedRow(chart.GetModel()), CData::kNoObject);
    return true;
}

bool RowCommands::CommitCaption(std::int32_t rowId, const std::string& text) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || !ChartAccess::IsWritable(status_) ||
        RefuseWhileCaptionFiltered(chart->GetModel()))
        return false;
    const CGuiRow* row = chart->GetModel().FindRow(rowId);
    if (row != nullptr && row->GetRow().GetCaption() == text)
        return true;
    const bool done = ChartAccess::Report(status_, status_.RowEdit().SetCaption(rowId, text));
    ChartAccess::Rebuild(status_, *chart);
    return done;
}

// The dialog's values drawn on the row while it is open.
IDialogs::ObjectPreview RowCommands::Preview(ChartScene& chart, std::int32_t rowId) {
    return [this, &chart, rowId](const CData* values) {
        chart.GetModel().PreviewRow(rowId, dynamic_cast<const CRow*>(values));
        ChartAccess::Relayout(status_, chart);
    };
}

}  // namespace qb
