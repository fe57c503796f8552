#include <gtest/gtest.h>

#include <string>

#include "../app/EditFixture.h"
#include "AppMessages.h"
#include "CCanvas.h"
#include "CDisplayModel.h"
#include "CGuiSchedule.h"
#include "CRuler.h"
#include "CanvasFixture.h"
#include "ChartScene.h"
#include "ChildProcess.h"

namespace qb::test {
namespace {

// Two programs share a file: while one drags a bar, the other deletes it and
// writes the file. The drop then ends with the message and the file stays as
// the other program left it.
TEST(CanvasSharedTest, ABarAnotherProgramDeletesDuringTheDragIsNotWritten) {
    TestFolder folder;
    const std::string path = folder.File("plan.qbd");
    WriteProject(path, *SmallProject(true));
    Instance mine;
    ASSERT_TRUE(mine.Open(path));
    ChartScene scene;
    CCanvas canvas(mine.status, scene, mine.status.ChartEdit());
    ChartWindowView window(scene, canvas, mine.status.Doc());
    mine.status.SetView(&window);
    mine.status.Doc().AddObserver(&window);
    scene.SetSize(ChartScene::kDefaultHeaderWidth + 800, CRuler::kHeight + 400);
    scene.Open(mine.Project());
    scene.SetPeriod(COleDateTime(2026, 3, 25, 0, 0, 0), COleDateTime(2026, 5, 1, 0, 0, 0), 10.0);
    scene.Relayout();

    const auto* bar = dynamic_cast<const CGuiSchedule*>(scene.GetModel().FindObject(3));
    ASSERT_NE(bar, nullptr);
    const GuiRect rect = bar->GetRect();
    const int left = scene.GetRuler().GetScrollPosition();
    CanvasInput input;
    input.point = DrawPoint{(rect.left + rect.right) / 2 - left, rect.top - scene.GetTop()};
    input.timeMs = 1000;
    canvas.LeftDown(input);
    canvas.LeftUp(input);
    ASSERT_TRUE(scene.GetModel().IsSelectedId(3));
    input.timeMs += 500;
    canvas.LeftDown(input);
    input.point.x += 40;
    canvas.MouseMove(input);
    ASSERT_TRUE(canvas.IsGestureRunning());

    ASSERT_EQ(RunChild([&] {
                  Instance other("other");
                  return other.Open(path) && other.Edits().DeleteObject(3).ok ? 0 : 1;
              }),
              0);
    const std::string written = TestFolder::Read(path);
    canvas.LeftUp(input);
    ASSERT_FALSE(mine.prompt.Shown().empty());
    EXPECT_EQ(mine.prompt.LastId(), messages::kEditTargetGone.id);
    EXPECT_EQ(TestFolder::Read(path), written);
    EXPECT_FALSE(canvas.IsGestureRunning());
    EXPECT_EQ(scene.GetModel().FindObject(3), nullptr);
    mine.status.Doc().RemoveObserver(&window);
    mine.status.SetView(nullptr);
}

}  // namespace
}  // namespace qb::test
