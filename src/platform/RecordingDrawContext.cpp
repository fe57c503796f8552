#include "RecordingDrawContext.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>

namespace qb {

namespace {

// What a font of height 0 measures as: the usual ruler and chart size.
constexpr int kDefaultFontHeight = 12;

int LineHeight(const DrawFont& font) {
    if (font.height == 0) {
        return kDefaultFontHeight;
    }
    const std::int64_t height = std::llabs(static_cast<std::int64_t>(font.height));
    return static_cast<int>(std::min<std::int64_t>(height, std::numeric_limits<int>::max()));
}

std::string Colour(DrawColour colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(colour));
    return buffer;
}

// Appending keeps GCC 12 from warning about a literal put in front of a string.
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

std::string Rect(const DrawRect& rect) {
    return Join({std::to_string(rect.left), ",", std::to_string(rect.top), ",",
                 std::to_string(rect.right), ",", std::to_string(rect.bottom)});
}

std::string Point(DrawPoint point) {
    return Join({std::to_string(point.x), ",", std::to_string(point.y)});
}

std::string Points(std::span<const DrawPoint> points) {
    std::string text;
    for (const DrawPoint& point : points) {
        text += ' ';
        text += Point(point);
    }
    return text;
}

const char* HorizontalName(HorizontalAlign align) {
    switch (align) {
        case HorizontalAlign::left:
            return "left";
        case HorizontalAlign::centre:
            return "centre";
        case HorizontalAlign::right:
            return "right";
    }
    return "?";
}

const char* VerticalName(VerticalAlign align) {
    switch (align) {
        case VerticalAlign::top:
            return "top";
        case VerticalAlign::centre:
            return "centre";
        case VerticalAlign::bottom:
            return "bottom";
    }
    return "?";
}

std::string Format(const TextFormat& format) {
    std::string text = HorizontalName(format.horizontal);
    text += ",";
    text += VerticalName(format.vertical);
    text += format.singleLine ? ",line" : (format.wordWrap ? ",wrap" : ",lines");
    text += format.clip ? ",clip" : ",noclip";
    return text;
}

DrawRect Intersection(const DrawRect& a, const DrawRect& b) {
    DrawRect result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                    std::min(a.bottom, b.bottom)};
    if (result.IsEmpty()) {
        result = DrawRect{};
    }
    return result;
}

}  // namespace

void RecordingDrawContext::SetPen(const DrawPen& pen) {
    state_.pen = pen;
    AddLog(Join({"pen ", std::to_string(pen.style), " ", std::to_string(pen.width), " ",
                 Colour(pen.colour)}));
}

void RecordingDrawContext::SetBrush(const DrawBrush& brush) {
    state_.brush = brush;
    AddLog(brush.hollow ? std::string("brush hollow") : Join({"brush ", Colour(brush.colour)}));
}

void RecordingDrawContext::SetFont(const DrawFont& font) {
    state_.font = font;
    AddLog(Join({"font \"", font.face, "\" ", std::to_string(font.height), " ",
                 std::to_string(font.styleBits)}));
}

void RecordingDrawContext::SetTextColour(DrawColour colour) {
    state_.textColour = colour;
    AddLog(Join({"textcolour ", Colour(colour)}));
}

void RecordingDrawContext::SetBackgroundMode(BackgroundMode mode) {
    state_.backgroundMode = mode;
    AddLog(mode == BackgroundMode::opaque ? "bkmode opaque" : "bkmode transparent");
}

void RecordingDrawContext::SetBackgroundColour(DrawColour colour) {
    state_.backgroundColour = colour;
    AddLog(Join({"bkcolour ", Colour(colour)}));
}

void RecordingDrawContext::SetMixMode(MixMode mode) {
    state_.mixMode = mode;
    AddLog(mode == MixMode::mask ? "mix mask" : "mix copy");
}

void RecordingDrawContext::SaveState() {
    saved_.push_back(state_);
    AddLog("save");
}

void RecordingDrawContext::RestoreState() {
    if (saved_.empty()) {
        AddLog("restore (nothing saved)");
        return;
    }
    state_ = saved_.back();
    saved_.pop_back();
    AddLog("restore");
}

void RecordingDrawContext::IntersectClip(const DrawRect& rect) {
    state_.clip = state_.clip ? Intersection(*state_.clip, rect) : rect;
    AddLog(Join({"clip ", Rect(*state_.clip)}));
}

int RecordingDrawContext::TextWidth(std::string_view line, int fontHeight) {
    std::int64_t width = 0;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r' || byte == '\n') {
            continue;
        }
        if (byte < 0x80) {
            width += fontHeight / 2;
        } else if ((byte & 0xC0) != 0x80) {
            // A lead byte: one whole character, however many bytes follow.
            width += fontHeight;
        }
    }
    return static_cast<int>(std::min<std::int64_t>(width, std::numeric_limits<int>::max()));
}

DrawSize RecordingDrawContext::MeasureText(std::string_view text) const {
    const int height = LineHeight(state_.font);
    DrawSize size{0, 0};
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end - start);
        size.width = std::max(size.width, TextWidth(line, height));
        size.height = size.height > std::numeric_limits<int>::max() - height
                          ? std::numeric_limits<int>::max()
                          : size.height + height;
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return size;
}

void RecordingDrawContext::DrawText(std::string_view text, const DrawRect& rect,
                                    const TextFormat& format) {
    Record& record = Add(Op::text);
    record.rect = rect;
    record.text = std::string(text);
    record.format = format;
    AddLog(Join({"text ", Rect(rect), " ", Format(format), " \"", record.text, "\""}));
}

void RecordingDrawContext::DrawLine(DrawPoint from, DrawPoint to) {
    Add(Op::line).points = {from, to};
    AddLog(Join({"line ", Point(from), " ", Point(to)}));
}

void RecordingDrawContext::Polyline(std::span<const DrawPoint> points) {
    Add(Op::polyline).points.assign(points.begin(), points.end());
    AddLog(Join({"polyline", Points(points)}));
}

void RecordingDrawContext::Polygon(std::span<const DrawPoint> points) {
    Add(Op::polygon).points.assign(points.begin(), points.end());
    AddLog(Join({"polygon", Points(points)}));
}

void RecordingDrawContext::Rectangle(const DrawRect& rect) {
    Add(Op::rectangle).rect = rect;
    AddLog(Join({"rectangle ", Rect(rect)}));
}

void RecordingDrawContext::Ellipse(const DrawRect& rect) {
    Add(Op::ellipse).rect = rect;
    AddLog(Join({"ellipse ", Rect(rect)}));
}

void RecordingDrawContext::FillRect(const DrawRect& rect, DrawColour colour) {
    Record& record = Add(Op::fillRect);
    record.rect = rect;
    record.colour = colour;
    AddLog(Join({"fillrect ", Rect(rect), " ", Colour(colour)}));
}

void RecordingDrawContext::FrameRect(const DrawRect& rect, DrawColour colour) {
    Record& record = Add(Op::frameRect);
    record.rect = rect;
    record.colour = colour;
    AddLog(Join({"framerect ", Rect(rect), " ", Colour(colour)}));
}

void RecordingDrawContext::DrawFocusRect(const DrawRect& rect) {
    Add(Op::focusRect).rect = rect;
    AddLog(Join({"focusrect ", Rect(rect)}));
}

std::vector<RecordingDrawContext::Record> RecordingDrawContext::RecordsOf(Op op) const {
    std::vector<Record> found;
    for (const Record& record : records_) {
        if (record.op == op) {
            found.push_back(record);
        }
    }
    return found;
}

std::string RecordingDrawContext::LogText() const {
    std::string text;
    for (const std::string& line : log_) {
        text += line;
        text += '\n';
    }
    return text;
}

void RecordingDrawContext::Clear() {
    records_.clear();
    log_.clear();
}

RecordingDrawContext::Record& RecordingDrawContext::Add(Op op) {
    Record& record = records_.emplace_back();
    record.op = op;
    record.state = state_;
    return record;
}

void RecordingDrawContext::AddLog(std::string line) {
    log_.push_back(std::move(line));
}

}  // namespace qb
