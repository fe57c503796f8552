#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "CCommandHandler.h"
#include "CDisplayModel.h"
#include "CGuiRow.h"
#include "CommandIds.h"
#include "DocumentCommands.h"
#include "GuiFixture.h"
#include "IDrawContext.h"

namespace qb {
namespace {

// Whether some pixel of the picture is neither white nor a grey of the
// widget frame: the ruler's day colours or the box text.
int InkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return count;
}

// The first row of the tree that has children.
const CGuiRow* FoldableRow(const CGuiRowArray& rows) {
    for (const auto& row : rows) {
        if (!row->GetChildren().Empty())
            return row.get();
        if (const CGuiRow* found = FoldableRow(row->GetChildren()))
            return found;
    }
    return nullptr;
}

using MainWindowTest = GuiFixture;

TEST_F(MainWindowTest, TheChartShowsTheNoDataBoxUntilADocumentIsPaintedByThePainter) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kMonthTab);
    window.show();
    EXPECT_FALSE(window.HasDocument());
    const QImage chart = window.ChartPane()->grab().toImage();
    ASSERT_FALSE(chart.isNull());
    EXPECT_GT(InkPixels(chart.copy(35, 35, 415, 65)), 50);

    int paints = 0;
    window.SetChartPainter([&paints](IDrawContext& dc, const QRect&) {
        ++paints;
        dc.FillRect(DrawRect{0, 0, 10, 10}, 0x000000);
    });
    LoadSample();
    EXPECT_EQ(window.ChartPane()->grab().toImage().pixel(5, 5) & 0xFFFFFF, 0u);
    EXPECT_GT(paints, 0) << "an open document paints through the given painter";
}

TEST_F(MainWindowTest, OpensTheSampleThroughTheCommandsAndPaintsEveryMode) {
    MainWindow window(status);
    window.show();
    ASSERT_TRUE(status.Commands().Documents().OpenDocument(SampleCopy())) << prompt.LastId();
    EXPECT_TRUE(window.HasDocument());
    for (const int mode : {MainWindow::kDayTab, MainWindow::kMonthTab, MainWindow::kYearTab,
                           MainWindow::kProjectTab}) {
        ASSERT_TRUE(status.Commands().Execute(cmd::kViewProject + mode));
        EXPECT_EQ(window.ShownMode(), mode);
        const QImage picture = window.grab().toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(InkPixels(picture), 0) << mode;
    }
    status.Commands().Execute(cmd::kViewMonth);
    EXPECT_EQ(window.GetRuler().GetScale(), 4.0);
    status.Commands().Execute(cmd::kViewDay);
    EXPECT_GT(window.GetRuler().GetScale(), 4.0) << "the day chart is wider per day";
}

TEST_F(MainWindowTest, AFoldIconClickFoldsTheRowAndTheScrollBarFollowsTheRule) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.resize(900, 300);
    window.show();
    LoadSample();
    ChartScene& scene = window.Scene();
    const int expanded = scene.TotalHeight();
    const int page = window.ChartPane()->height();
    EXPECT_EQ(window.VerticalScrollBar()->maximum(), std::max(0, expanded + 100 - page));
    const QPointF icon(7, 9);
    QMouseEvent press(QEvent::MouseButtonPress, icon, window.RowHeaderPane()->mapToGlobal(icon),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.RowHeaderPane(), &press);
    EXPECT_LT(scene.TotalHeight(), expanded);
    EXPECT_EQ(window.VerticalScrollBar()->maximum(), std::max(0, scene.TotalHeight() + 100 - page));
}

TEST_F(MainWindowTest, TheScrollBarArrowAndTheShiftWheelScrollPastTheBuiltPeriod) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.resize(900, 300);
    window.show();
    LoadSample(false);
    QScrollBar* bar = window.HorizontalScrollBar();
    bar->setValue(bar->maximum());
    const int start = bar->value();
    const int end = bar->maximum();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), start + bar->pageStep());
    EXPECT_GT(bar->value(), end) << "past the end of the bar as it was";
    EXPECT_EQ(bar->value(), window.GetRuler().GetScrollPosition());

    const int left = bar->value();
    const QPointF at(10, 10);
    QWheelEvent wheel(at, window.ChartPane()->mapToGlobal(at), QPoint(),
                      QPoint(0, -ChartScene::kWheelNotch), Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.ChartPane(), &wheel);
    EXPECT_EQ(window.GetRuler().GetScrollPosition(), left + ChartScene::kWheelPixels);
    EXPECT_EQ(bar->value(), left + ChartScene::kWheelPixels);
}

TEST_F(MainWindowTest, TheTitleNamesTheProjectElseThePathElseOnlyTheProgram) {
    MainWindow window(status);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quellbrandiren"));

    auto project = std::make_unique<CProject>();
    project->SetTitle("工程表");
    status.Doc().Open(std::move(project), nullptr, "/data/plan.qbd");
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("工程表 - Quellbrandiren"));

    status.GetProject()->SetTitle("");
    status.Doc().ContentChanged();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("/data/plan.qbd - Quellbrandiren"));

    status.Doc().Detach(nullptr);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quellbrandiren"));
}

// The same file again is another document whose rows carry the same ids:
// its folds start afresh.
TEST_F(MainWindowTest, AReplacedOrClosedProjectKeepsNoFoldsAndIsNeverPaintedFromFreedMemory) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kDayTab);
    window.show();
    LoadSample();
    const CGuiRow* row = FoldableRow(window.Scene().GetModel().GetRows());
    ASSERT_NE(row, nullptr);
    const std::int32_t id = row->GetObjectId();
    window.Scene().GetModel().SetFolded(id, true);
    LoadSample();
    EXPECT_FALSE(window.Scene().GetModel().IsFoldedId(id));
    status.Doc().ReplaceProject(std::make_unique<CProject>());
    EXPECT_FALSE(window.grab().toImage().isNull());
    EXPECT_EQ(window.Scene().GetModel().GetProject(), status.GetProject());
    status.Doc().Close();
    EXPECT_FALSE(window.grab().toImage().isNull());
    EXPECT_FALSE(window.Scene().IsOpen());
}

TEST_F(MainWindowTest, ViewStatusCarriesScalesLeftDayAndFoldsToTheNextOpen) {
    ViewStatus kept;
    std::int32_t foldedId = 0;
    {
        MainWindow window(status);
        window.ViewModeChanged(MainWindow::kMonthTab);
        window.resize(900, 300);
        window.show();
        LoadSample(false);
        const CGuiRow* row = FoldableRow(window.Scene().GetModel().GetRows());
        ASSERT_NE(row, nullptr);
        foldedId = row->GetObjectId();
        window.Scene().GetModel().SetFolded(foldedId, true);
        ViewStatus wanted;
        wanted.scale2 = 6.0;
        wanted.leftPos = COleDateTime(2011, 5, 10, 0, 0, 0);
        wanted.folded = {foldedId};
        window.ApplyViewStatus(wanted);
        window.CollectViewStatus(kept);
    }
    EXPECT_EQ(kept.scale1, 20.0);
    EXPECT_EQ(kept.scale2, 6.0);
    EXPECT_EQ(kept.scale3, 0.5);
    ASSERT_TRUE(kept.leftPos.IsValid());
    EXPECT_EQ(kept.leftPos, COleDateTime(2011, 5, 10, 0, 0, 0));
    EXPECT_EQ(kept.folded, std::vector<std::int32_t>{foldedId});

    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kMonthTab);
    window.resize(900, 300);
    window.show();
    window.ApplyViewStatus(kept);
    EXPECT_EQ(window.GetRuler().GetScale(), 6.0);
    EXPECT_TRUE(window.Scene().GetModel().IsFoldedId(foldedId));
    ViewStatus again;
    window.CollectViewStatus(again);
    EXPECT_EQ(again.leftPos, kept.leftPos);
}

TEST_F(MainWindowTest, ADamagedViewStatusKeepsUsableScales) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kYearTab);
    window.show();
    LoadSample();
    ViewStatus damaged;
    damaged.scale1 = std::numeric_limits<double>::quiet_NaN();
    damaged.scale2 = -1;
    damaged.scale3 = 1e-12;
    damaged.folded = {-5, 999999};
    window.ApplyViewStatus(damaged);
    ViewStatus now;
    window.CollectViewStatus(now);
    EXPECT_EQ(now.scale1, 20.0);
    EXPECT_EQ(now.scale2, 4.0);
    EXPECT_GT(now.scale3, 0.0);
    EXPECT_EQ(window.GetRuler().GetScale(), now.scale3);
    EXPECT_TRUE(now.folded.empty());
    EXPECT_FALSE(window.grab().toImage().isNull());
}

TEST_F(MainWindowTest, ScrollingToADayBeforeTheChartHasAPeriodWaitsForIt) {
    MainWindow window(status);
    window.ViewModeChanged(MainWindow::kProjectTab);
    window.show();
    LoadSample(false);
    const COleDateTime day(2012, 1, 16, 0, 0, 0);
    window.ScrollToDate(day);
    window.ViewModeChanged(MainWindow::kDayTab);
    const CRuler& ruler = window.GetRuler();
    EXPECT_EQ(ruler.XToDate(ruler.GetScrollPosition()), day);
    window.ScrollToDate(COleDateTime::Invalid());
    EXPECT_EQ(ruler.XToDate(ruler.GetScrollPosition()), day);
}

}  // namespace
}  // namespace qb
