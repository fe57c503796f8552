#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AppTestBase.h"
#include "CColumn.h"
#include "CColumnArray.h"
#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CRowArray.h"
#include "CSchedule.h"
#include "ChartScene.h"
#include "ColumnEdits.h"
#include "CommandIds.h"
#include "ProjectArchive.h"
#include "ProjectBuilder.h"
#include "ScriptedDialogs.h"

namespace qb::test {

// A window with a chart of the test's own that records what the commands
// asked of it: in-place editors, links begun, previews; the test places the
// mouse for a paste.
class RowsWindow : public RecordingView {
public:
    ChartScene* GetChartScene() override { return &scene; }
    void EditCellText(std::int32_t rowId, std::int32_t columnId) override {
        editedCell = {rowId, columnId};
    }
    void EditMemoText(std::int32_t id) override { editedMemo = id; }
    bool BeginLink() override {
        ++linksBegun;
        return true;
    }
    void PreviewObject(const CData* values) override {
        const auto* schedule = dynamic_cast<const CSchedule*>(values);
        previews.push_back(values == nullptr ? "(end)" : schedule ? schedule->GetCaption() : "");
    }
    std::optional<DrawPoint> PastePoint() const override { return mouse; }
    void ChartViewChanged() override { ++viewChanges; }
    // Another document, or none: the chart lets the old one go, as the
    // window's does.
    void DocumentReplaced() override {
        RecordingView::DocumentReplaced();
        scene.Close();
    }

    ChartScene scene;
    std::pair<std::int32_t, std::int32_t> editedCell{-2, -2};
    std::int32_t editedMemo = -1;
    int linksBegun = 0;
    std::vector<std::string> previews;
    std::optional<DrawPoint> mouse;
    int viewChanges = 0;
};

// A new document shown as the month chart from 1 April 2024 at 10 pixels a
// day, in a window that records what the commands asked of it.
class ChartTest : public AppTestBase {
protected:
    ChartTest() {
        status_->SetView(&window_);
        status_->Doc().AddObserver(&window_);
        status_->Services().SetDialogs(&dialogs_);
        EXPECT_TRUE(Handler().Execute(cmd::kNew));
        status_->SetViewMode(CStatus::kMonthView);
    }
    ~ChartTest() override {
        status_->Services().SetDialogs(nullptr);
        status_->Doc().RemoveObserver(&window_);
        status_->SetView(&view_);
    }

    ProjectBuilder Build() { return ProjectBuilder(Project(), 20); }
    std::int32_t AddRow(CRowArray& rows, const std::string& caption, int height = 20) {
        CRow& row = Build().Row(caption, &rows);
        row.SetHeight(height);
        return row.GetObjectId();
    }
    // The window shows the project again after a change of its data.
    void Show(int width = 800, int height = 400) {
        Scene().Open(Project());
        Scene().SetSize(width, height);
        Scene().SetPeriod(Date(2024, 4, 1), Date(2024, 6, 30), 10.0);
    }
    void Select(const std::vector<std::int32_t>& ids) {
        Model().ClearSelection();
        for (const std::int32_t id : ids)
            Model().Select(id, true);
    }
    // The selection in the order it was made.
    std::vector<std::int32_t> Selection() {
        std::vector<std::int32_t> ids;
        for (const std::uint32_t id : window_.scene.GetModel().GetSelection())
            ids.push_back(static_cast<std::int32_t>(id));
        return ids;
    }
    std::vector<std::int32_t> SortedSelection() {
        std::vector<std::int32_t> ids = Selection();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    bool Live(std::int32_t id) {
        const CData* object = Project().FindObject(id);
        return object != nullptr && !object->IsDeleted();
    }
    std::string Saved() { return ProjectArchive::WriteProjectArchive(Project()); }
    // The project as written, apart from the id counter, which an undo leaves
    // where it was so that ids are never handed out twice.
    std::string SavedContent() {
        const std::int32_t counter = Project().GetLastObjectId();
        Project().SetLastObjectId(0);
        std::string saved = Saved();
        Project().SetLastObjectId(counter);
        return saved;
    }
    std::size_t Undos() { return status_->Undo().UndoCount(); }

    CCommandHandler& Handler() { return status_->Commands(); }
    ChartScene& Scene() { return window_.scene; }
    CDisplayModel& Model() { return Scene().GetModel(); }
    CProject& Project() { return *status_->GetProject(); }
    bool Enabled(int id) { return Handler().State(id).enabled; }

    RowsWindow window_;
    ScriptedDialogs dialogs_;
};

// Rows A (child A1), B and C, each 20 pixels high; a free-text column "担当"
// with texts on A1 and B, and a column showing the first schedule's caption.
class RowsTest : public ChartTest {
protected:
    RowsTest() {
        a_ = AddRow(Project().GetRows(), "A");
        a1_ = AddRow(Project().FindRow(a_)->GetChildren(), "A1");
        b_ = AddRow(Project().GetRows(), "B");
        c_ = AddRow(Project().GetRows(), "C");
        text_ = AddColumn("担当", 0);
        computed_ = AddColumn("件名", 5);
        Project().FindRow(a1_)->SetParam(ColumnEdits::CellName(text_), "田中");
        Project().FindRow(b_)->SetParam(ColumnEdits::CellName(text_), "鈴木");
        Show();
    }

    std::int32_t AddColumn(const std::string& caption, int kind) {
        auto column = std::make_unique<CColumn>(Project().NewObjectId());
        column->SetCaption(caption);
        column->SetWidth(60);
        column->SetVisible(true);
        column->SetParamInt("_Auto", kind);
        const std::int32_t id = column->GetObjectId();
        Project().GetColumns().Add(std::move(column));
        return id;
    }
    // The captions of the live rows of a list, in order.
    static std::vector<std::string> Captions(const CRowArray& rows) {
        std::vector<std::string> captions;
        for (int i = 0; i < rows.GetCount(); ++i) {
            if (!rows.At(i)->IsDeleted())
                captions.push_back(rows.At(i)->GetCaption());
        }
        return captions;
    }
    // The captions of the display rows of a list, in order.
    static std::vector<std::string> Shown(const CGuiRowArray& rows) {
        std::vector<std::string> captions;
        for (const auto& row : rows)
            captions.push_back(row->GetCaption());
        return captions;
    }
    std::vector<std::string> Columns() {
        std::vector<std::string> captions;
        const CColumnArray& columns = Project().GetColumns();
        for (int i = 0; i < columns.GetCount(); ++i) {
            if (!columns.At(i)->IsDeleted())
                captions.push_back(columns.At(i)->GetCaption());
        }
        return captions;
    }

    std::int32_t a_ = 0, a1_ = 0, b_ = 0, c_ = 0, text_ = 0, computed_ = 0;
};

}  // namespace qb::test
