#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "CLink.h"
#include "CMemo.h"
#include "CPenInfo.h"
#include "CSchedule.h"
#include "CScheduleStyle.h"

namespace qb {

class AppSettings;
class CStyleData;
class IPrompt;

// The palette bar's choices: the shape new schedules take (built-in shapes,
// then the favourite shapes of the style file in use), the line new links
// take (the last entry, "線なし", draws none) and the fill and pen colours.
// The current choices live in the settings, so they survive a restart.
class Palette {
public:
    struct LineStyle {
        std::string name;
        CPenInfo pen;
        std::int32_t fromEndStyle = 0;
        std::int32_t toEndStyle = 0;
    };

    explicit Palette(AppSettings& settings);
    ~Palette();

    // Shapes: the built-in ones first, then the favourites. An index outside
    // the list throws std::out_of_range.
    int ShapeCount() const;
    const CScheduleStyle& Shape(int index) const;
    // The name the bar lists for a shape: a favourite's is its key.
    std::string ShapeName(int index) const;
    // A shape as new schedules take it: built-in shapes in the palette's
    // colours, favourites with their own.
    std::unique_ptr<CScheduleStyle> ShapeLook(int index) const;
    int BuiltInShapeCount() const;
    // The favourite shapes, replaced (null: none); the current choice stays
    // on a built-in shape or falls back to the default one.
    void SetFavourites(std::unique_ptr<CStyleData> styles);
    const CStyleData* Favourites() const { return favourites_.get(); }
    // Reads the favourites from the default favourite-shapes file of the
    // settings, if one is named. A file that cannot be read is reported
    // through the prompt and leaves the built-in shapes alone.
    bool LoadDefaultFavourites(IPrompt& prompt);

    // Called after every change of the shapes or of a choice (the bar
    // follows it); the number unsubscribes.
    int Subscribe(std::function<void()> listener);
    void Unsubscribe(int subscription);

    int CurrentShapeIndex() const;
    void SetCurrentShape(int index);
    // The current shape with the palette's colours; its key is its name.
    std::unique_ptr<CScheduleStyle> CurrentShape() const;
    // The current shape is of the point type (`type` other than 0).
    bool IsPointShape() const;

    int LineStyleCount() const;
    const LineStyle& GetLineStyle(int index) const;
    int CurrentLineIndex() const;
    void SetCurrentLine(int index);
    // "線なし" is chosen: no link can be drawn.
    bool IsNoLine() const;

    ColorRef FillColour() const;
    void SetFillColour(ColorRef colour);
    ColorRef PenColour() const;
    void SetPenColour(ColorRef colour);

    // A new schedule as the palette makes it: the current shape's values;
    // dates, row and offset are the caller's.
    void ApplyTo(CSchedule& schedule) const;
    // A new memo's appearance and a new link's line and end styles.
    void ApplyTo(CMemo& memo) const;
    void ApplyTo(CLink& link) const;

private:
    void Changed() const;

    AppSettings& settings_;
    std::vector<std::unique_ptr<CScheduleStyle>> builtIn_;
    std::vector<LineStyle> lines_;
    std::unique_ptr<CStyleData> favourites_;
    std::vector<std::pair<int, std::function<void()>>> listeners_;
    int nextSubscription_ = 1;
};

}  // namespace qb
