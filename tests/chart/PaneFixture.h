#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CColumn.h"
#include "CColumnArray.h"
#include "CDisplayModel.h"
#include "CGuiColumn.h"
#include "CGuiColumnArray.h"
#include "CGuiRow.h"
#include "CProject.h"
#include "CRow.h"
#include "CRowArray.h"
#include "CRuler.h"
#include "CStatus.h"
#include "CanvasInput.h"
#include "ChartScene.h"
#include "IPaneEdits.h"
#include "InMemorySettingsStore.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"

namespace qb::test {

// The panes' writes, recorded; each answers as accept says.
class RecordingPaneEdits : public IPaneEdits {
public:
    struct Call {
        std::string what;
        std::int32_t id;
        std::int32_t owner;
        int value;
        bool operator==(const Call&) const = default;
    };
    bool CommitWidth(std::int32_t columnId, int width) override {
        calls.push_back({"width", columnId, -1, width});
        return accept;
    }
    bool CommitMove(std::int32_t columnId, int index) override {
        calls.push_back({"move", columnId, -1, index});
        return accept;
    }
    bool MoveRow(std::int32_t rowId, std::int32_t ownerId, int index) override {
        calls.push_back({"row", rowId, ownerId, index});
        return accept;
    }
    std::vector<Call> calls;
    bool accept = true;
};

// Rows 1 (with children 2 and 3), 4 and 5 of 40 pixels each, and columns
// 6, 7 and 8 of 50, 60 and 70 pixels, in a view whose panes are laid out.
class PaneTest : public ::testing::Test {
protected:
    static constexpr int kRowHeight = 40;

    PaneTest() : status(store, prompt, shell, AppEnvironment{}) {
        auto project = std::make_unique<CProject>();
        project->NewObjectId();
        auto parent = std::make_unique<CRow>(project->NewObjectId());
        parent->SetHeight(kRowHeight);
        for (int i = 0; i < 2; ++i) {
            auto child = std::make_unique<CRow>(project->NewObjectId());
            child->SetHeight(kRowHeight);
            parent->GetChildren().Add(std::move(child));
        }
        project->GetRows().Add(std::move(parent));
        for (int i = 0; i < 2; ++i) {
            auto row = std::make_unique<CRow>(project->NewObjectId());
            row->SetHeight(kRowHeight);
            project->GetRows().Add(std::move(row));
        }
        for (int width : {50, 60, 70}) {
            auto column = std::make_unique<CColumn>(project->NewObjectId());
            column->SetWidth(width);
            column->SetCaption("c" + std::to_string(width));
            project->GetColumns().Add(std::move(column));
        }
        status.Doc().Open(std::move(project), nullptr, {});
        scene.SetHeaderWidth(ChartScene::kDefaultHeaderWidth);
        scene.SetSize(ChartScene::kDefaultHeaderWidth + 600, CRuler::kHeight + 400);
        scene.Open(*status.GetProject());
        scene.Relayout();
    }

    CDisplayModel& Model() { return scene.GetModel(); }
    CGuiColumn& Column(std::size_t index) { return *Model().GetColumns().At(index); }
    GuiRect ColumnRect(std::size_t index) { return Column(index).GetRect(); }
    GuiRect RowRect(std::int32_t id) { return Model().FindRow(id)->GetRect(); }
    std::vector<std::uint32_t> Selection() { return Model().GetSelection(); }

    static CanvasInput At(int x, int y, bool ctrl = false) {
        CanvasInput input;
        input.point = DrawPoint{x, y};
        input.ctrl = ctrl;
        return input;
    }

    InMemorySettingsStore store;
    ScriptedPrompt prompt;
    RecordingShell shell;
    CStatus status;
    ChartScene scene;
    RecordingPaneEdits edits;
};

}  // namespace qb::test
