#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "LoadBuffer.h"
#include "LoadGraph.h"
#include "LoadGraphPainter.h"
#include "LoadGraphSettings.h"

namespace qb {

class ChartScene;
class IDrawContext;
class PaneWidget;

// The load graph under the chart: the scale window and the strip, side by
// side in a band as wide as the chart page. The strip is placed under the
// chart and as wide, so its pixel columns are the chart's; the scale stands
// just left of it. The sums are computed again whenever the strip paints,
// which follows every scroll, zoom and edit of the chart.
class LoadGraphPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kScaleWidth = 40;
    // A gap between the chart page's panes and the graph.
    static constexpr int kTopGap = 2;

    // Figures added to the model's for a gesture under way: a dragged bar is
    // counted where it would land rather than where it was.
    using ExtraSpans = std::function<std::vector<LoadSpan>()>;

    LoadGraphPanel(ChartScene& scene, QWidget* parent = nullptr);

    // The file's settings and the user's colours; the band takes the strip's
    // height and shows itself only while the settings show the graph.
    void Apply(const LoadGraphSettings& settings, const LoadGraphStyle& style, bool shown);
    void SetExtraSpans(ExtraSpans extra) { extra_ = std::move(extra); }
    // Where the chart runs, in this band's coordinates.
    void Place(int chartLeft, int chartWidth);
    // The strip and the scale paint again, the strip with fresh sums.
    void Refresh();

    const LoadGraphSettings& Settings() const { return settings_; }
    // The sums the strip painted last; null when it had none.
    const LoadBuffer* Buffer() const { return graph_.Buffer(); }
    PaneWidget* Strip() const { return strip_; }
    PaneWidget* Scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PaintStrip(IDrawContext& dc);
    void PaintScale(IDrawContext& dc);
    void Layout();

    ChartScene& scene_;
    LoadGraphSettings settings_;
    LoadGraphStyle style_;
    LoadGraph graph_;
    ExtraSpans extra_;
    PaneWidget* scale_ = nullptr;
    PaneWidget* strip_ = nullptr;
    int chartLeft_ = 0;
    int chartWidth_ = 0;
};

}  // namespace qb
