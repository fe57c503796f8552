#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

namespace qb {

class CDisplayModel;
class CGuiLink;
class CGuiObject;
class IDrawContext;
struct ChartContext;
struct GuiDrawArgs;

// The links attached to objects a gesture moves: while it runs they are
// drawn to the temporary objects instead, and the links themselves are
// hidden; when it ends they are shown as they were.
class LinkFollower {
public:
    LinkFollower();
    ~LinkFollower();
    LinkFollower(const LinkFollower&) = delete;
    LinkFollower& operator=(const LinkFollower&) = delete;

    // ends: each source display object with the temporary object that
    // stands in for it.
    void Attach(const CDisplayModel& model,
                const std::unordered_map<const CGuiObject*, CGuiObject*>& ends);
    // Following: the links go to the temporary objects; else the links show
    // as they were.
    void SetFollowing(bool following);
    bool IsFollowing() const { return following_; }
    std::size_t Count() const { return links_.size(); }
    // Lays the followers out again after the temporary objects moved.
    void Update(const ChartContext& chart);
    void Draw(IDrawContext& dc, const GuiDrawArgs& args);

private:
    struct Follower {
        CGuiLink* original;
        std::unique_ptr<CGuiLink> shown;
    };

    std::vector<Follower> links_;
    bool following_ = false;
};

}  // namespace qb
