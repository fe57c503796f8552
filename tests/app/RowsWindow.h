#pragma once

#include <cstdint>
#include <memory>
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
#include "ChartScene.h"
#include "ColumnEdits.h"
#include "CommandIds.h"
#include "ProjectArchive.h"
#include "ScriptedDialogs.h"

namespace qb::test {

// A window with a chart of the test's own that records the in-place
// editors the commands opened.
class RowsWindow : public RecordingView {
public:
    ChartScene* GetChartScene() override { return &scene; }
    void EditCellText(std::int32_t rowId, std::int32_t columnId) override {
        editedCell = {rowId, columnId};
    }
    void ChartViewChanged() override { ++viewChanges; }
    // Another document, or none: the chart lets the old one go, as the
    // window's does.
    void DocumentReplaced() override {
        RecordingView::DocumentReplaced();
        scene.Close();
    }

    ChartScene scene;
    std::pair<std::int32_t, std::int32_t> editedCell{-2, -2};
    int viewChanges = 0;
};

// A new document with rows A (child A1), B and C, each 20 pixels high; a
// free-text column "担当" with texts on A1 and B, and a column showing the
// first schedule's caption. Shown as the month chart.
class RowsTest : public AppTestBase {
protected:
    RowsTest() {
        status_->SetView(&window_);
        status_->Doc().AddObserver(&window_);
        status_->Services().SetDialogs(&dialogs_);
        EXPECT_TRUE(Handler().Execute(cmd::kNew));
        a_ = AddRow(Project().GetRows(), "A");
        a1_ = AddRow(Project().FindRow(a_)->GetChildren(), "A1");
        b_ = AddRow(Project().GetRows(), "B");
        c_ = AddRow(Project().GetRows(), "C");
        text_ = AddColumn("担当", 0);
        computed_ = AddColumn("件名", 5);
        Project().FindRow(a1_)->SetParam(ColumnEdits::CellName(text_), "田中");
        Project().FindRow(b_)->SetParam(ColumnEdits::CellName(text_), "鈴木");
        status_->SetViewMode(CStatus::kMonthView);
        Show();
    }
    ~RowsTest() override {
        status_->Services().SetDialogs(nullptr);
        status_->Doc().RemoveObserver(&window_);
        status_->SetView(&view_);
    }

    std::int32_t AddRow(CRowArray& rows, const std::string& caption, int height = 20) {
        auto row = std::make_unique<CRow>(Project().NewObjectId());
        row->SetCaption(caption);
        row->SetHeight(height);
        const std::int32_t id = row->GetObjectId();
        rows.Add(std::move(row));
        return id;
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
    void Show() {
        Scene().Open(Project());
        Scene().SetSize(800, 400);
        Scene().SetPeriod(COleDateTime(2024, 4, 1, 0, 0, 0), COleDateTime(2024, 6, 30, 0, 0, 0),
                          10.0);
    }
    void Select(const std::vector<std::int32_t>& ids) {
        Model().ClearSelection();
        for (const std::int32_t id : ids)
            Model().Select(id, true);
    }
    std::vector<std::int32_t> Selection() {
        std::vector<std::int32_t> ids;
        for (const std::uint32_t id : window_.scene.GetModel().GetSelection())
            ids.push_back(static_cast<std::int32_t>(id));
        return ids;
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
    std::int32_t a_ = 0, a1_ = 0, b_ = 0, c_ = 0, text_ = 0, computed_ = 0;
};

}  // namespace qb::test
