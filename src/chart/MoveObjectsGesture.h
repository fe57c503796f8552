#pragma once

#include <memory>
#include <vector>

#include "CanvasEnv.h"
#include "GuiRect.h"
#include "ICanvasGesture.h"
#include "LinkFollower.h"

namespace qb {

class CGuiObject;
class ITempGuiObject;

// Drags the selected schedules and memos together (copies them with Ctrl).
// The object under the press leads: it snaps, and the others take the
// offset it actually took, so they keep their places relative to it.
class MoveObjectsGesture : public ICanvasGesture {
public:
    // The pointer must leave the press by more than this many pixels.
    static constexpr int kJitter = 3;

    // Null when the selection holds nothing to move or holds hidden objects
    // (told to the user).
    static std::unique_ptr<MoveObjectsGesture> Start(const CanvasEnv& env, CGuiObject& primary,
                                                     DrawPoint press);
    ~MoveObjectsGesture() override;

    void Move(DrawPoint point, const CanvasInput& input) override;
    void Finish(DrawPoint point, const CanvasInput& input, CanvasReply& reply) override;
    void Cancel() override;
    void Draw(IDrawContext& dc, const GuiDrawArgs& args) override;
    void CopyChanged(bool copy) override;
    void OriginMoved(int dx) override;
    bool IsDragging() const override { return started_; }
    bool SnapsPointer() const override { return false; }

    bool IsStarted() const { return started_; }
    // The objects are to be copied, not moved, when the gesture ends.
    bool IsCopying() const { return copy_; }
    std::size_t Count() const { return temps_.size(); }
    const ITempGuiObject& Temp(std::size_t index) const { return *temps_[index].temp; }
    const LinkFollower& Links() const { return links_; }

private:
    struct Moved {
        std::unique_ptr<ITempGuiObject> temp;
        GuiRect from;
    };

    MoveObjectsGesture(const CanvasEnv& env, DrawPoint press);
    void ShowSources(bool shown);
    // Refusals before writing; true when the drop may go ahead.
    bool MayDrop() const;
    // askAgain: the Shift key, which asks about linked objects again.
    void Write(bool copy, bool askAgain, CanvasReply& reply);

    CanvasEnv env_;
    // The model generation the sources belong to.
    int generation_;
    DrawPoint press_;
    std::vector<Moved> temps_;
    LinkFollower links_;
    std::size_t primary_ = 0;
    bool started_ = false;
    bool copy_ = false;
};

}  // namespace qb
