// The bundled sample painted the way the window and the render command
// paint it, compared with pictures kept under tests/data/golden.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "../platform_qt/GoldenImage.h"
#include "CProject.h"
#include "CProjectFile.h"
#include "CRuler.h"
#include "ChartScene.h"
#include "ImageRenderer.h"
#include "TestPaths.h"

namespace qb {
namespace {

class SampleGoldenTest : public ::testing::Test {
protected:
    void SetUp() override {
        CProjectFile file(qb::test::SourcePath("data/samples/sample.qbd"));
        project = file.Load(false);
        ASSERT_NE(project, nullptr);
        // No today mark, so that the pictures do not change with the date.
        scene.Open(*project);
        scene.SetRulerSetting(1);
    }
    QImage Paint() {
        return ImageRenderer::RenderImage(scene.HeaderWidth() + scene.ChartWidth(),
                                          CRuler::kHeight + scene.ChartHeight(),
                                          [this](IDrawContext& dc) { scene.PaintAll(dc); });
    }

    std::unique_ptr<CProject> project;
    ChartScene scene;
};

TEST_F(SampleGoldenTest, TheWholeRowTreeOverTheDisplayPeriod) {
    COleDateTime from;
    COleDateTime to;
    ASSERT_TRUE(scene.DefaultPeriod(from, to));
    scene.SetSize(1200, CRuler::kHeight + 1);
    scene.SetPeriod(from, to, 0.0);
    scene.SetSize(1200, CRuler::kHeight + scene.TotalHeight() + 1);
    golden::ExpectMatchesGolden(Paint(), "sample_whole_tree.png");
}

TEST_F(SampleGoldenTest, AWindowSizedViewScrolledDown) {
    COleDateTime from;
    COleDateTime to;
    ASSERT_TRUE(scene.DefaultPeriod(from, to));
    scene.SetSize(1000, 300);
    scene.SetPeriod(from, to, 12.0);
    scene.SetTop(60);
    ASSERT_EQ(scene.GetTop(), 60);
    golden::ExpectMatchesGolden(Paint(), "sample_window_top60.png");
}

}  // namespace
}  // namespace qb
