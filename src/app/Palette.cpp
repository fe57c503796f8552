#include "Palette.h"

#include <algorithm>
#include <stdexcept>

#include "AppSettings.h"
#include "CSchedule.h"
#include "CStyleData.h"
#include "EditSession.h"
#include "IPrompt.h"
#include "StyleFile.h"

namespace qb {
namespace {

constexpr int kDefaultShape = 3;
constexpr ColorRef kMemoFill = 0xCCFFFF;
constexpr int kMemoWidth = 120;
constexpr int kMemoHeight = 40;

struct ShapeDef {
    const char* name;
    std::int32_t type;
    std::int32_t subType;
    std::int32_t height;
    std::int32_t startEdge;
    std::int32_t endEdge;
};

// The shapes every palette offers before the favourites. Index 3, the
// settings' default, is the plain bar.
constexpr ShapeDef kShapes[] = {
    {"線", 0, 0, 2, 0, 0},
    {"矢印", 0, 0, 2, 0, 1},
    {"両矢印", 0, 0, 2, 1, 1},
    {"バー", 0, 1, 12, 0, 0},
    {"細いバー", 0, 1, 6, 0, 0},
    {"太いバー", 0, 1, 20, 0, 0},
    {"点（丸）", 1, 0, 10, 0, 0},
    {"点（リング）", 1, 1, 10, 0, 0},
    {"点（四角）", 1, 2, 10, 0, 0},
    {"点（上三角）", 1, 3, 10, 0, 0},
    {"点（下三角）", 1, 4, 10, 0, 0},
    {"点（ひし形）", 1, 5, 10, 0, 0},
    {"点（星）", 1, 6, 10, 0, 0},
};

// Pen styles as stored: 0 solid, 1 dash, 2 dot.
const Palette::LineStyle kLines[] = {
    {"実線（矢印）", CPenInfo(0, 1, kBlack), 0, 1},
    {"実線", CPenInfo(0, 1, kBlack), 0, 0},
    {"太線（矢印）", CPenInfo(0, 3, kBlack), 0, 1},
    {"破線（矢印）", CPenInfo(1, 1, kBlack), 0, 1},
    {"点線（矢印）", CPenInfo(2, 1, kBlack), 0, 1},
    {"線なし", CPenInfo(0, 1, kBlack), 0, 0},
};

std::unique_ptr<CScheduleStyle> MakeShape(const ShapeDef& def) {
    auto shape = std::make_unique<CScheduleStyle>();
    CScheduleStyle& style = *shape;
    style.SetKey(def.name);
    style.SetScheduleType(def.type);
    style.SetSubType(def.subType);
    style.SetHeight(def.height);
    style.SetStartEdgeType(def.startEdge);
    style.SetEndEdgeType(def.endEdge);
    style.SetEdgePen(CPenInfo(0, def.type == 0 && def.subType == 0 ? def.height : 1, kBlack));
    return shape;
}

}  // namespace

Palette::Palette(AppSettings& settings) : settings_(settings) {
    for (const ShapeDef& def : kShapes)
        builtIn_.push_back(MakeShape(def));
    lines_.assign(std::begin(kLines), std::end(kLines));
}

Palette::~Palette() = default;

int Palette::BuiltInShapeCount() const { return static_cast<int>(builtIn_.size()); }

int Palette::ShapeCount() const {
    const int favourites = favourites_ ? favourites_->GetStyles().GetCount() : 0;
    return BuiltInShapeCount() + favourites;
}

const CScheduleStyle& Palette::Shape(int index) const {
    if (index < 0 || index >= ShapeCount())
        throw std::out_of_range("palette shape index");
    if (index < BuiltInShapeCount())
        return *builtIn_[static_cast<std::size_t>(index)];
    return *favourites_->GetStyles().At(index - BuiltInShapeCount());
}

std::string Palette::ShapeName(int index) const { return Shape(index).GetKey(); }

std::unique_ptr<CScheduleStyle> Palette::ShapeLook(int index) const {
    auto shape = std::make_unique<CScheduleStyle>();
    CScheduleStyle& style = *shape;
    style.CopyFrom(Shape(index));
    style.SetKey(ShapeName(index));
    if (index < BuiltInShapeCount()) {
        style.SetBgColor(FillColour());
        CPenInfo pen = style.GetEdgePen();
        pen.SetColour(PenColour());
        style.SetEdgePen(pen);
    }
    return shape;
}

bool Palette::LoadDefaultFavourites(IPrompt& prompt) {
    if (settings_.defStyleFile.empty())
        return false;
    StyleFile file;
    std::unique_ptr<CStyleData> styles = file.ReadStyleFile(settings_.defStyleFile);
    if (!styles) {
        if (const auto message = EditSession::ErrorMessage(file.GetError()))
            prompt.Show(*message);
        return false;
    }
    SetFavourites(std::move(styles));
    return true;
}

int Palette::Subscribe(std::function<void()> listener) {
    listeners_.emplace_back(nextSubscription_, std::move(listener));
    return nextSubscription_++;
}

void Palette::Unsubscribe(int subscription) {
    std::erase_if(listeners_,
                  [subscription](const auto& entry) { return entry.first == subscription; });
}

void Palette::Changed() const {
    // A copy: a listener may subscribe or unsubscribe while it runs.
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        entry.second();
}

void Palette::SetFavourites(std::unique_ptr<CStyleData> styles) {
    favourites_ = std::move(styles);
    if (favourites_) {
        // Only live styles with a place in the list.
        auto& array = favourites_->GetStyles();
        for (int i = array.GetCount() - 1; i >= 0; --i) {
            if (array.At(i) == nullptr || array.At(i)->IsDeleted())
                array.RemoveAt(i);
        }
    }
    if (settings_.paletteType >= ShapeCount())
        settings_.paletteType = kDefaultShape;
    Changed();
}

int Palette::CurrentShapeIndex() const {
    const int index = settings_.paletteType;
    return index >= 0 && index < ShapeCount() ? index : kDefaultShape;
}

void Palette::SetCurrentShape(int index) {
    if (index >= 0 && index < ShapeCount()) {
        settings_.paletteType = index;
        Changed();
    }
}

std::unique_ptr<CScheduleStyle> Palette::CurrentShape() const {
    return ShapeLook(CurrentShapeIndex());
}

bool Palette::IsPointShape() const { return Shape(CurrentShapeIndex()).GetScheduleType() != 0; }

int Palette::LineStyleCount() const { return static_cast<int>(lines_.size()); }

const Palette::LineStyle& Palette::GetLineStyle(int index) const {
    return lines_.at(static_cast<std::size_t>(index));
}

int Palette::CurrentLineIndex() const {
    const int index = settings_.palettePen;
    return index >= 0 && index < LineStyleCount() ? index : 0;
}

void Palette::SetCurrentLine(int index) {
    if (index >= 0 && index < LineStyleCount()) {
        settings_.palettePen = index;
        Changed();
    }
}

bool Palette::IsNoLine() const { return CurrentLineIndex() == LineStyleCount() - 1; }

ColorRef Palette::FillColour() const { return static_cast<ColorRef>(settings_.paletteBackColor); }
void Palette::SetFillColour(ColorRef colour) {
    settings_.paletteBackColor = colour;
    Changed();
}
ColorRef Palette::PenColour() const { return static_cast<ColorRef>(settings_.palettePenColor); }
void Palette::SetPenColour(ColorRef colour) {
    settings_.palettePenColor = colour;
    Changed();
}

void Palette::ApplyTo(CSchedule& schedule) const {
    const std::unique_ptr<CScheduleStyle> shape = CurrentShape();
    const CScheduleStyle& style = *shape;
    schedule.SetTextFont(style.GetTextFont());
    schedule.SetTextColor(style.GetTextColor());
    schedule.SetBgColor(style.GetBgColor());
    schedule.SetScheduleType(style.GetScheduleType());
    schedule.SetSubType(style.GetSubType());
    schedule.SetCaptionPosition(style.GetCaptionPosition());
    schedule.SetCaptionVAlign(style.GetCaptionVAlign());
    schedule.SetCaptionHAlign(style.GetCaptionHAlign());
    schedule.SetEdgePen(style.GetEdgePen());
    schedule.SetHeight(style.GetHeight());
    schedule.SetStartEdgeType(style.GetStartEdgeType());
    schedule.SetEndEdgeType(style.GetEndEdgeType());
    // The options' progress of new schedules, in percent; 0 leaves it unset.
    if (settings_.defProgressRate > 0)
        schedule.SetProgressRate(settings_.defProgressRate * 10);
}

void Palette::ApplyTo(CMemo& memo) const {
    memo.SetBgColor(kMemoFill);
    memo.SetBgPaint(true);
    memo.SetTextColor(kBlack);
    memo.SetBorderPen(CPenInfo(0, 1, PenColour()));
    if (memo.GetWidth() <= 0)
        memo.SetWidth(kMemoWidth);
    if (memo.GetHeight() <= 0)
        memo.SetHeight(kMemoHeight);
}

void Palette::ApplyTo(CLink& link) const {
    const LineStyle& line = GetLineStyle(CurrentLineIndex());
    CPenInfo pen = line.pen;
    pen.SetColour(PenColour());
    link.SetLinePen(pen);
    link.SetFromEndStyle(line.fromEndStyle);
    link.SetToEndStyle(line.toEndStyle);
    link.SetFromHorzPosition(2);
    link.SetFromVertPosition(1);
    link.SetToHorzPosition(0);
    link.SetToVertPosition(1);
}

}  // namespace qb
