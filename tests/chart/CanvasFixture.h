#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "CCanvas.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CMemo.h"
#include "CProject.h"
#include "CRow.h"
#include "CRuler.h"
#include "CSchedule.h"
#include "CStatus.h"
#include "CanvasHint.h"
#include "ChartEdits.h"
#include "ChartMessages.h"
#include "ChartScene.h"
#include "ChartTexts.h"
#include "ICanvasGesture.h"
#include "InMemorySettingsStore.h"
#include "NullDocumentView.h"
#include "ProjectArchive.h"
#include "ProjectBuilder.h"
#include "RecordingShell.h"
#include "ScriptedPrompt.h"

namespace qb::test {

inline COleDateTime Day(int day) {
    return COleDateTime(2024, 1, day, 0, 0, 0);
}

// Answers as scripted, after running what a test wants to happen while a
// message box is open (the window losing focus, a rebuild).
class ReentrantPrompt : public ScriptedPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override {
        if (whileShown)
            whileShown();
        return ScriptedPrompt::Show(message);
    }
    std::function<void()> whileShown;
};

// The real chart edits, counted.
class CountingEdits : public IChartEdits {
public:
    explicit CountingEdits(IChartEdits& target) : target_(target) {}
    EditResult AddObject(const CData& object) override {
        ++writes;
        return target_.AddObject(object);
    }
    EditResult ChangeObjects(const std::vector<const CData*>& values) override {
        ++writes;
        return target_.ChangeObjects(values);
    }
    EditResult CopyObjects(const std::vector<const CData*>& values) override {
        ++writes;
        return target_.CopyObjects(values);
    }
    EditResult DeleteObjects(const std::vector<std::int32_t>& ids) override {
        ++writes;
        return target_.DeleteObjects(ids);
    }
    EditResult MoveSchedule(const CData& values, bool askAgain) override {
        ++writes;
        return target_.MoveSchedule(values, askAgain);
    }
    int writes = 0;

private:
    IChartEdits& target_;
};

// A chart of 10 pixels a day from 1 January 2024, 600 by 400 pixels, over
// rows 1, 2 and 3 of 40 pixels each: bar 4 on row 1 (days 5 to 10, whole
// days), bar 5 on row 2 (days 12 to 15), memo 6 on row 3 (day 3, 50 by 20
// pixels, 10 below the row's top). Snapping is off unless a test turns it on.
// What the window does around the chart's edits: an edit clears the
// selection, and the announced change rebuilds the scene's model.
class ChartWindowView : public NullDocumentView, public IDocumentObserver {
public:
    ChartWindowView(ChartScene& scene, CCanvas& canvas, Document& document)
        : scene_(scene), canvas_(canvas), document_(document) {}

    void ClearSelection() override { scene_.GetModel().ClearSelection(); }
    void DocumentReplaced() override {}
    void ContentChanged() override {
        if (CProject* project = document_.GetProject()) {
            scene_.Open(*project);
            canvas_.ModelRebuilt();
            ++rebuilds;
        }
    }
    void FlagsChanged() override {}

    int rebuilds = 0;

private:
    ChartScene& scene_;
    CCanvas& canvas_;
    Document& document_;
};

class CanvasTest : public ::testing::Test {
protected:
    static constexpr int kRowHeight = 40;
    static constexpr int kBarOffset = 15;
    static constexpr int kBarHeight = 10;

    CanvasTest()
        : status(store, prompt, shell, AppEnvironment{}),
          realEdits(status.Doc(), status.Edit(), status.Services()),
          edits(realEdits),
          canvas(status, scene, edits) {
        Settings().fitX = false;
        Settings().fitY = false;
        auto project = std::make_unique<CProject>();
        // Ids from 1, as the comment above numbers them.
        project->NewObjectId();
        ProjectBuilder build(*project, kRowHeight);
        for (int i = 0; i < 3; ++i)
            build.Row("");
        AddBar(*project, 1, 5, 10);
        AddBar(*project, 2, 12, 15);
        CMemo& memo = build.Memo(3, Day(3), "memo");
        memo.SetYOffset(10);
        memo.SetWidth(50);
        memo.SetHeight(20);
        status.Doc().Open(std::move(project), nullptr, {});
        scene.SetHeaderWidth(ChartScene::kDefaultHeaderWidth);
        scene.SetSize(ChartScene::kDefaultHeaderWidth + 600, CRuler::kHeight + 400);
        scene.Open(Project());
        scene.SetPeriod(Day(1), Day(60), 10.0);
        scene.Relayout();
        status.SetView(&window);
        status.Doc().AddObserver(&window);
    }

    ~CanvasTest() override {
        status.Doc().RemoveObserver(&window);
        status.SetView(nullptr);
    }

    static void AddBar(CProject& project, std::int32_t row, int startDay, int endDay) {
        CSchedule& schedule = ProjectBuilder(project).Schedule(row, Day(startDay), Day(endDay));
        schedule.SetSubType(1);
        schedule.SetHeight(kBarHeight);
        schedule.SetYOffset(kBarOffset);
        schedule.SetEndOffset(10000);
    }

    AppSettings& Settings() { return status.Services().Settings(); }
    CProject& Project() { return *status.GetProject(); }
    CDisplayModel& Model() { return scene.GetModel(); }
    const CSchedule& Schedule(std::int32_t id) { return *Project().FindSchedule(id); }
    std::string Saved() { return ProjectArchive::WriteProjectArchive(Project()); }
    std::vector<std::uint32_t> Selection() { return Model().GetSelection(); }

    // Pane pixels of a day (and offset) and of a row's top.
    int X(int day, int offset = 0) {
        return scene.GetRuler().DateOffsetToX(DateOffset(Day(day), offset)) -
               scene.GetRuler().GetScrollPosition();
    }
    int RowTop(std::int32_t row) { return Model().FindRow(row)->GetRect().top - scene.GetTop(); }
    // The middle of a bar of the fixture's shape.
    DrawPoint BarBody(std::int32_t row, int day) {
        return DrawPoint{X(day) + 5, RowTop(row) + kBarOffset + kBarHeight / 2};
    }

    CanvasInput At(DrawPoint point, bool ctrl = false) {
        CanvasInput input;
        input.point = point;
        input.ctrl = ctrl;
        input.timeMs = clock += 1000;
        return input;
    }
    CanvasReply Press(DrawPoint point, bool ctrl = false) {
        return canvas.LeftDown(At(point, ctrl));
    }
    CanvasReply MoveTo(DrawPoint point, bool ctrl = false) {
        return canvas.MouseMove(At(point, ctrl));
    }
    CanvasReply Release(DrawPoint point, bool ctrl = false) {
        return canvas.LeftUp(At(point, ctrl));
    }
    CanvasReply Drag(DrawPoint from, DrawPoint to, bool ctrl = false) {
        Press(from, ctrl);
        MoveTo(DrawPoint{(from.x + to.x) / 2, (from.y + to.y) / 2}, ctrl);
        MoveTo(to, ctrl);
        return Release(to, ctrl);
    }
    // A click on the object selects it alone.
    void Click(DrawPoint point) {
        Press(point);
        Release(point);
    }

    InMemorySettingsStore store;
    ReentrantPrompt prompt;
    RecordingShell shell;
    CStatus status;
    ChartScene scene;
    ChartEdits realEdits;
    CountingEdits edits;
    CCanvas canvas;
    ChartWindowView window{scene, canvas, status.Doc()};
    std::int64_t clock = 0;
};

}  // namespace qb::test
