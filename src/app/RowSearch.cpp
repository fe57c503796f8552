#include "RowSearch.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "AppMessage.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CStatus.h"
#include "ChartAccess.h"
#include "ChartScene.h"
#include "DisplayTree.h"

namespace qb {
namespace {

constexpr AppMessage kNotFound{0, "「%s」を含む段は見つかりません。", PromptIcon::kInformation,
                               PromptButtons::kOk};

// Only ASCII letters have a case; Japanese text is compared as it stands.
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Holds(const std::string& caption, const std::string& text, bool matchCase) {
    if (matchCase)
        return caption.find(text) != std::string::npos;
    return Lower(caption).find(Lower(text)) != std::string::npos;
}

// The rows in the order of the tree: a row, its descendants, its next
// sibling. A row a filter drops cannot be shown and is left out.
std::vector<CGuiRow*> Candidates(CDisplayModel& model) {
    std::vector<CGuiRow*> rows;
    DisplayTree::ForEachRow(model.GetRows(), [&rows](CGuiRow& row) {
        if (!row.GetFilteredOutFlag())
            rows.push_back(&row);
    });
    return rows;
}

// Shows a hidden row again by its neighbour's command.
void Unhide(CDisplayModel& model, const CGuiRow& row) {
    if (const CGuiRow* previous = row.PrevSibling())
        model.ShowNext(previous->GetObjectId());
    else if (const CGuiRow* next = row.NextSibling())
        model.ShowPrevious(next->GetObjectId());
    else if (const CGuiRow* parent = row.GetParent())
        model.ShowBelow(parent->GetObjectId());
    else
        model.ShowAll();
}

void Reveal(CDisplayModel& model, const CGuiRow& found) {
    for (const CGuiRow* row = &found; row != nullptr; row = row->GetParent()) {
        if (row != &found && model.IsFoldedId(row->GetObjectId()))
            model.SetFolded(row->GetObjectId(), false);
        if (row->IsHidden())
            Unhide(model, *row);
    }
}

}  // namespace

bool RowSearch::FindNext(const std::string& text, bool matchCase, bool forward) {
    ChartScene* chart = ChartAccess::Shown(status_);
    if (chart == nullptr || text.empty())
        return false;
    CDisplayModel& model = chart->GetModel();
    const std::vector<CGuiRow*> rows = Candidates(model);
    const auto count = static_cast<int>(rows.size());
    int start = forward ? -1 : count;
    for (int i = 0; i < count; ++i) {
        if (rows[static_cast<std::size_t>(i)]->IsSelected())
            start = i;
    }
    // Every other row once, then the selected row itself.
    for (int step = 1; step <= count; ++step) {
        const int at = ((forward ? start + step : start - step) % count + count) % count;
        CGuiRow& row = *rows[static_cast<std::size_t>(at)];
        if (!Holds(row.GetRow().GetCaption(), text, matchCase))
            continue;
        const std::int32_t id = row.GetObjectId();
        Reveal(model, row);
        model.ClearSelection();
        model.Select(id, false);
        chart->Relayout();
        const GuiRect rect = model.FindRow(id)->GetRect();
        chart->ScrollToShow(rect.top, rect.bottom);
        ChartAccess::Relayout(status_, *chart);
        return true;
    }
    status_.Services().Prompt().Show(kNotFound.Format(text));
    return false;
}

}  // namespace qb
