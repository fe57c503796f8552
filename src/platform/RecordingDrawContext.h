#pragma once

#include <optional>
#include <string>
#include <vector>

#include "IDrawContext.h"

namespace qb {

// A draw context that draws nothing and remembers every call, so tests can ask
// what was drawn, where, and in which pen, font and colour. Its text measure
// does not depend on installed fonts: each ASCII byte is half the font height
// wide, every other character a full height.
class RecordingDrawContext : public IDrawContext {
public:
    struct State {
        DrawPen pen;
        DrawBrush brush;
        DrawFont font;
        DrawColour textColour = 0x000000;
        BackgroundMode backgroundMode = BackgroundMode::opaque;
        DrawColour backgroundColour = 0xFFFFFF;
        MixMode mixMode = MixMode::copy;
        // No value: nothing is clipped.
        std::optional<DrawRect> clip;
    };

    enum class Op {
        line,
        polyline,
        polygon,
        rectangle,
        ellipse,
        fillRect,
        frameRect,
        focusRect,
        text
    };

    // One drawing call with the state it was drawn in.
    struct Record {
        Op op = Op::line;
        DrawRect rect;
        std::vector<DrawPoint> points;
        std::string text;
        TextFormat format;
        // The colour of FillRect and FrameRect.
        DrawColour colour = 0;
        State state;
    };

    void SetPen(const DrawPen& pen) override;
    void SetBrush(const DrawBrush& brush) override;
    void SetFont(const DrawFont& font) override;
    void SetTextColour(DrawColour colour) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetBackgroundColour(DrawColour colour) override;
    void SetMixMode(MixMode mode) override;

    void SaveState() override;
    void RestoreState() override;
    void IntersectClip(const DrawRect& rect) override;

    DrawSize MeasureText(std::string_view text) const override;
    void DrawText(std::string_view text, const DrawRect& rect, const TextFormat& format) override;

    void DrawLine(DrawPoint from, DrawPoint to) override;
    void Polyline(std::span<const DrawPoint> points) override;
    void Polygon(std::span<const DrawPoint> points) override;
    void Rectangle(const DrawRect& rect) override;
    void Ellipse(const DrawRect& rect) override;
    void FillRect(const DrawRect& rect, DrawColour colour) override;
    void FrameRect(const DrawRect& rect, DrawColour colour) override;
    void DrawFocusRect(const DrawRect& rect) override;

    // Every drawing call in order.
    const std::vector<Record>& Records() const { return records_; }
    // The drawing calls of one kind, in order.
    std::vector<Record> RecordsOf(Op op) const;
    // Every call, state changes included, one readable line each, such as
    // "fillrect 0,0,100,40 0xFFFFFF" or "text 0,20,10,40 centre,centre,line,clip \"12\"".
    const std::vector<std::string>& Log() const { return log_; }
    // The log as one text, a line feed after each line.
    std::string LogText() const;
    const State& CurrentState() const { return state_; }
    // Forgets the calls; the state stays.
    void Clear();

    // The width of one line of text in a font of the given height, as MeasureText counts it.
    static int TextWidth(std::string_view line, int fontHeight);

private:
    Record& Add(Op op);
    void AddLog(std::string line);

    State state_;
    std::vector<State> saved_;
    std::vector<Record> records_;
    std::vector<std::string> log_;
};

}  // namespace qb
