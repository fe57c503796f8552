#include "LinkFollower.h"

#include "CDisplayModel.h"
#include "CGuiLink.h"
#include "CLink.h"

namespace qb {

LinkFollower::LinkFollower() = default;

LinkFollower::~LinkFollower() = default;

void LinkFollower::Attach(const CDisplayModel& model,
                          const std::unordered_map<const CGuiObject*, CGuiObject*>& ends) {
    auto endFor = [&](CGuiObject* end) {
        const auto found = ends.find(end);
        return found != ends.end() ? found->second : end;
    };
    const auto& links = model.GetLinks();
    for (std::size_t i = 0; i < links.Size(); ++i) {
        CGuiLink* link = links.At(i);
        if (link->IsHidden() || (!ends.count(link->GetFrom()) && !ends.count(link->GetTo())))
            continue;
        auto& data = static_cast<CLink&>(*link->GetData());
        links_.push_back(Follower{link, std::make_unique<CGuiLink>(data, endFor(link->GetFrom()),
                                                                   endFor(link->GetTo()))});
    }
}

void LinkFollower::SetFollowing(bool following) {
    following_ = following;
    for (Follower& link : links_)
        link.original->SetHidden(following);
}

void LinkFollower::Update(const ChartContext& chart) {
    if (!following_)
        return;
    for (Follower& link : links_)
        link.shown->CalcLayout(chart);
}

void LinkFollower::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    if (!following_)
        return;
    for (Follower& link : links_)
        link.shown->Draw(dc, args);
}

}  // namespace qb
