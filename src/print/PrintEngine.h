#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "COleDateTime.h"
#include "DrawTypes.h"
#include "PrintLayout.h"
#include "PrintSettings.h"

namespace qb {

class CDisplayModel;
class CProject;
class CRuler;
class CalendarSettings;
class ChartScene;
class DisplaySettings;
class IDrawContext;

// Lays a project's chart out on pages and draws them, for paper, the
// preview, PDF files and the chart picture alike. It keeps the print
// settings between jobs and a display model of its own, so printing never
// moves the window's chart.
class PrintEngine {
public:
    // Where a page's load graph goes, in chart pixels of the page's chart
    // context: the strip under the chart and its scale under the row header
    // and column area. The strip's left edge is chart x firstX of the ruler,
    // which has the page's days built; the model is laid out for it.
    struct GraphArea {
        DrawRect strip;
        DrawRect scale;
        const CDisplayModel* model = nullptr;
        const CRuler* ruler = nullptr;
        int firstX = 0;
        COleDateTime from;
        COleDateTime to;
        double pixelsPerDay = 0.0;
    };
    using GraphPainter = std::function<void(IDrawContext& dc, const GraphArea& area)>;

    // What is printed: the project and how the window shows it.
    struct Source {
        CProject* project = nullptr;
        // Null: the defaults.
        const CalendarSettings* calendar = nullptr;
        const DisplaySettings* display = nullptr;
        // Ruler setting 1..3 (day, month, year chart) and its scale.
        int rulerSetting = 1;
        double pixelsPerDay = 20.0;
        // 0: the project's row header width.
        int headerWidth = 0;
        // The column area's width; negative: as wide as its shown columns.
        int columnWidth = -1;
        std::vector<std::int32_t> folded;
        std::vector<std::int32_t> hiddenRows;
        std::vector<std::int32_t> hiddenColumns;
        // The chart's displayed period, for the range "画面と同じ".
        COleDateTime screenFrom = COleDateTime::Null();
        COleDateTime screenTo = COleDateTime::Null();
        COleDateTime today = COleDateTime::Null();
    };

    PrintEngine();
    ~PrintEngine();
    PrintEngine(const PrintEngine&) = delete;
    PrintEngine& operator=(const PrintEngine&) = delete;

    PrintSettings& Settings() { return settings_; }
    const PrintSettings& Settings() const { return settings_; }
    // The strip and its height in chart pixels; no painter or a height of 0
    // prints none.
    void SetGraph(int height, GraphPainter painter);

    // The dates the settings' range gives for source: "画面と同じ" takes the
    // chart's period again, cut to whole days; "全期間" and open ends take
    // the project's period. Nothing without a project.
    std::optional<std::pair<COleDateTime, COleDateTime>> ResolveRange(const Source& source);
    // Lays the range out on pages. preview shows the output date's
    // placeholder; now is the job's clock for the output date. False
    // without a project or a range.
    bool Layout(const Source& source, bool preview, const COleDateTime& now);
    bool IsLaidOut() const { return layout_ != nullptr; }
    const PrintLayout& GetLayout() const { return *layout_; }
    int PageCount() const { return layout_ ? layout_->PageCount() : 0; }
    const COleDateTime& From() const { return from_; }
    const COleDateTime& To() const { return to_; }
    // The paper of the last layout, tenths of a millimetre.
    DrawSize PaperSize() const { return paper_; }
    // The document name of a job: the project's title.
    std::string Title() const;

    // Draws page index (from 0) in tenths of a millimetre from the paper's
    // top-left corner, y downwards.
    void DrawPage(int index, IDrawContext& dc);

    // The laid-out range as one picture at screen size, without furniture:
    // the chart as a picture. Size in pixels.
    DrawSize PictureSize() const;
    void DrawPicture(IDrawContext& dc);

private:
    void BuildScene(const Source& source);
    PrintLayout::Input LayoutInput(const Source& source) const;
    std::vector<int> RowBottoms() const;
    int ColumnAreaWidth(const Source& source) const;
    // Sets the scene to show the days of page.
    void ShowDays(int firstDay, int dayCount);
    void DrawFurniture(int index, IDrawContext& dc);
    void DrawStamps(IDrawContext& dc);
    void DrawChart(const PrintLayout::Page& page, IDrawContext& dc);
    void DrawPanes(IDrawContext& dc, int chartWidth, int rowsHeight, const COleDateTime& first,
                   int dayCount);
    std::string LineText(PrintLayout::Item item, int index) const;

    PrintSettings settings_;
    std::unique_ptr<CalendarSettings> calendar_;
    std::unique_ptr<DisplaySettings> display_;
    std::unique_ptr<ChartScene> scene_;
    std::unique_ptr<PrintLayout> layout_;
    CProject* project_ = nullptr;
    GraphPainter graphPainter_;
    int graphHeight_ = 0;
    int headerWidth_ = 0;
    int columnWidth_ = 0;
    double pixelsPerDay_ = 20.0;
    COleDateTime from_;
    COleDateTime to_;
    DrawSize paper_;
    bool preview_ = false;
    COleDateTime now_;
    // The days the scene's ruler is built for: all of them when they fit in
    // its span, else one page's at a time.
    int shownFirst_ = -1;
    int shownCount_ = 0;
};

}  // namespace qb
