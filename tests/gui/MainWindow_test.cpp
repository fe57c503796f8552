#include "MainWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include "IDrawContext.h"

namespace qb {
namespace {

QString Sample() {
    return QStringLiteral(QB_SAMPLE_PROJECT);
}

// Whether some pixel of the picture is neither white nor a grey of the
// widget frame: the ruler's day colours or the box text.
int InkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                ++count;
            }
        }
    }
    return count;
}

TEST(MainWindow, WithoutADocumentTheChartShowsTheNoDataBox) {
    MainWindow window;
    window.show();
    EXPECT_FALSE(window.HasDocument());
    const QImage chart = window.ChartPane()->grab().toImage();
    ASSERT_FALSE(chart.isNull());
    EXPECT_GT(InkPixels(chart.copy(35, 35, 415, 65)), 50);
}

TEST(MainWindow, OpensTheSampleAndPaintsEveryTab) {
    MainWindow window;
    window.show();
    QString error;
    ASSERT_TRUE(window.LoadDocument(Sample(), error)) << error.toStdString();
    EXPECT_TRUE(window.HasDocument());
    for (const MainWindow::Tab tab : {MainWindow::kDayTab, MainWindow::kMonthTab,
                                      MainWindow::kYearTab, MainWindow::kProjectTab}) {
        window.ShowTab(tab);
        const QImage picture = window.grab().toImage();
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(InkPixels(picture), 0) << tab;
    }
    window.ShowTab(MainWindow::kMonthTab);
    EXPECT_EQ(window.GetRuler().GetScale(), 4.0);
    window.ShowTab(MainWindow::kDayTab);
    EXPECT_GT(window.GetRuler().GetScale(), 4.0) << "the day chart is wider per day";
}

TEST(MainWindow, TheChartPaintsThroughTheGivenPainterOnceADocumentIsOpen) {
    MainWindow window;
    window.show();
    int paints = 0;
    window.SetChartPainter([&paints](IDrawContext& dc, const QRect&) {
        ++paints;
        dc.FillRect(DrawRect{0, 0, 10, 10}, 0x000000);
    });
    QString error;
    ASSERT_TRUE(window.LoadDocument(Sample(), error));
    const QImage chart = window.ChartPane()->grab().toImage();
    EXPECT_GT(paints, 0);
    EXPECT_EQ(chart.pixel(5, 5) & 0xFFFFFF, 0u);
}

TEST(MainWindow, AFoldIconClickFoldsTheRowAndTheScrollBarFollowsTheRule) {
    MainWindow window;
    window.resize(900, 300);
    window.show();
    QString error;
    ASSERT_TRUE(window.LoadDocument(Sample(), error));
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

TEST(MainWindow, TheScrollBarArrowAndTheShiftWheelScrollPastTheBuiltPeriod) {
    MainWindow window;
    window.resize(900, 300);
    window.show();
    QString error;
    ASSERT_TRUE(window.LoadDocument(Sample(), error));
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

TEST(MainWindow, AFileThatCannotBeReadLeavesTheOpenDocumentAndSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainWindow window;
    QString error;
    EXPECT_FALSE(window.LoadDocument(dir.filePath(QStringLiteral("missing.qbd")), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(window.HasDocument());

    ASSERT_TRUE(window.LoadDocument(Sample(), error));
    error.clear();
    EXPECT_FALSE(window.LoadDocument(dir.path(), error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(window.HasDocument());
}

}  // namespace
}  // namespace qb
