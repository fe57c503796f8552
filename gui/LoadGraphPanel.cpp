#include "LoadGraphPanel.h"

#include <algorithm>

#include "CDisplayModel.h"
#include "CRuler.h"
#include "ChartScene.h"
#include "IDrawContext.h"
#include "PaneWidget.h"

namespace qb {

LoadGraphPanel::LoadGraphPanel(ChartScene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene) {
    scale_ = new PaneWidget(this);
    strip_ = new PaneWidget(this);
    scale_->SetPainter([this](IDrawContext& dc, const QRect&) { PaintScale(dc); });
    strip_->SetPainter([this](IDrawContext& dc, const QRect&) { PaintStrip(dc); });
    Apply(settings_, style_, false);
}

void LoadGraphPanel::Apply(const LoadGraphSettings& settings, const LoadGraphStyle& style,
                           bool shown) {
    settings_ = settings.Usable();
    style_ = style;
    setFixedHeight(settings_.height + kTopGap);
    setVisible(shown);
    if (!shown)
        graph_.Clear();
    Layout();
    Refresh();
}

void LoadGraphPanel::Place(int chartLeft, int chartWidth) {
    if (chartLeft == chartLeft_ && chartWidth == chartWidth_)
        return;
    chartLeft_ = chartLeft;
    chartWidth_ = chartWidth;
    Layout();
}

void LoadGraphPanel::Refresh() {
    if (!isVisible())
        return;
    strip_->update();
    scale_->update();
}

void LoadGraphPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

// The scale keeps its width while there is room left of the chart, and
// narrows when the panes beside the chart are narrower than that.
void LoadGraphPanel::Layout() {
    const int height = settings_.height;
    const int scaleWidth = std::clamp(chartLeft_, 0, kScaleWidth);
    scale_->setGeometry(chartLeft_ - scaleWidth, kTopGap, scaleWidth, height);
    strip_->setGeometry(chartLeft_, kTopGap, std::max(chartWidth_, 0), height);
}

// Nothing but white without a project or while the chart has no width.
void LoadGraphPanel::PaintStrip(IDrawContext& dc) {
    const DrawRect rect{0, 0, strip_->width(), strip_->height()};
    const LoadGraphPainter painter(settings_, style_);
    const LoadBuffer* buffer = nullptr;
    if (scene_.IsOpen()) {
        const std::vector<LoadSpan> extra = extra_ ? extra_() : std::vector<LoadSpan>{};
        buffer = graph_.Recompute(scene_.GetModel(), scene_.GetRuler(), settings_.shownOnly, extra);
    }
    const RulerRow& lower = scene_.GetRuler().GetRow(CRuler::Band::lower);
    painter.PaintStrip(dc, rect, buffer, lower.boundaries);
}

void LoadGraphPanel::PaintScale(IDrawContext& dc) {
    LoadGraphPainter(settings_, style_)
        .PaintScale(dc, DrawRect{0, 0, scale_->width(), scale_->height()});
}

}  // namespace qb
