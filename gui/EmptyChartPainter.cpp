#include "EmptyChartPainter.h"

#include "IDrawContext.h"

namespace qb {

namespace {

constexpr DrawRect kBox{35, 35, 450, 100};
constexpr int kTextLeft = 50;
constexpr int kFirstLineTop = 50;
constexpr int kSecondLineTop = 68;
constexpr int kFontHeight = 12;

}  // namespace

void EmptyChartPainter::Paint(IDrawContext& dc, std::string_view text) {
    dc.SaveState();
    dc.FillRect(kBox, 0xFFFFFF);
    dc.FrameRect(kBox, 0x000000);
    dc.FrameRect(DrawRect{kBox.left + 1, kBox.top + 1, kBox.right - 1, kBox.bottom - 1}, 0x000000);
    dc.SetFont(DrawFont{"ＭＳ Ｐゴシック", kFontHeight, 0});
    dc.SetTextColour(0x000000);
    dc.SetBackgroundMode(BackgroundMode::transparent);
    TextFormat format;
    format.clip = false;
    const std::size_t lineBreak = text.find("\r\n");
    const std::string_view first = text.substr(0, lineBreak);
    dc.DrawText(first, DrawRect{kTextLeft, kFirstLineTop, kBox.right, kSecondLineTop}, format);
    if (lineBreak != std::string_view::npos) {
        dc.DrawText(text.substr(lineBreak + 2),
                    DrawRect{kTextLeft, kSecondLineTop, kBox.right, kBox.bottom}, format);
    }
    dc.RestoreState();
}

}  // namespace qb
