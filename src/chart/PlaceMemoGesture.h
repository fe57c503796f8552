#pragma once

#include <memory>

#include "CanvasEnv.h"
#include "ICanvasGesture.h"

namespace qb {

class CTempMemo;

// Memo input mode: a memo spans from the press to the release, is added,
// becomes the only selection and opens for its text.
class PlaceMemoGesture : public ICanvasGesture {
public:
    // A span smaller than this either way is a click: the memo takes the
    // palette's size.
    static constexpr int kClick = 4;
    // A dragged memo is at least this big, so one line of its text shows.
    static constexpr int kMinWidth = 40;
    static constexpr int kMinHeight = 24;

    // Null below the rows or on a row the summary display folds.
    static std::unique_ptr<PlaceMemoGesture> Start(const CanvasEnv& env, DrawPoint point);
    ~PlaceMemoGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override;
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void OriginMoved(int dx) override { press_.x += dx; }
    const CTempMemo& Temp() const { return *temp_; }

private:
    PlaceMemoGesture(const CanvasEnv& env, DrawPoint press, std::unique_ptr<CTempMemo> temp);
    GuiRect Span(DrawPoint point) const;

    CanvasEnv env_;
    DrawPoint press_;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<CTempMemo> temp_;
};

}  // namespace qb
