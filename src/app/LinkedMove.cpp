#include "LinkedMove.h"

#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "AppServices.h"
#include "CLink.h"
#include "CMemo.h"
#include "CProject.h"
#include "CSchedule.h"
#include "ISettingsStore.h"
#include "ToolCommands.h"

namespace qb {
namespace {

int WholeDays(const COleDateTime& from, const COleDateTime& to) {
    if (!from.IsValid() || !to.IsValid())
        return 0;
    const double span =
        COleDateTime::ToLinear(to.GetDays()) - COleDateTime::ToLinear(from.GetDays());
    return static_cast<int>(std::trunc(span));
}

LinkedChoice Remembered(int value) {
    if (value < static_cast<int>(LinkedChoice::kAll) ||
        value > static_cast<int>(LinkedChoice::kOnlyThis))
        return LinkedChoice::kOnlyThis;
    return static_cast<LinkedChoice>(value);
}

// The walk of Collect without recursion, so that a long chain of links
// cannot exhaust the stack: an object frame steps through the links at the
// object, a link frame takes its from-end and then its to-end.
class LinkWalk {
public:
    LinkWalk(const CProject& project, bool successorsOnly)
        : links_(project.GetLinks()), successorsOnly_(successorsOnly) {
        for (int i = 0, n = links_.GetCount(); i < n; ++i) {
            const CLink* link = links_.At(i);
            if (link == nullptr || link->IsDeleted())
                continue;
            at_[link->GetFromId()].push_back(i);
            if (!successorsOnly_ && link->GetToId() != link->GetFromId())
                at_[link->GetToId()].push_back(i);
        }
    }

    std::vector<std::int32_t> From(std::int32_t start) {
        Take(start);
        while (!frames_.empty()) {
            Frame& frame = frames_.back();
            if (frame.isLink)
                StepLink(frame);
            else
                StepObject(frame);
        }
        return taken_;
    }

private:
    struct Frame {
        bool isLink = false;
        std::int32_t id = 0;
        // Object: the next of its links; link: 0 from-end, 1 to-end, 2 done.
        std::size_t step = 0;
    };

    void Take(std::int32_t id) {
        if (objects_.insert(id).second) {
            taken_.push_back(id);
            frames_.push_back({false, id, 0});
        }
    }

    void StepObject(Frame& frame) {
        const auto found = at_.find(frame.id);
        if (found == at_.end() || frame.step >= found->second.size()) {
            frames_.pop_back();
            return;
        }
        const CLink* link = links_.At(found->second[frame.step++]);
        if (visited_.insert(link->GetObjectId()).second) {
            taken_.push_back(link->GetObjectId());
            frames_.push_back({true, link->GetObjectId(), 0});
            ends_.push_back(link);
        }
    }

    void StepLink(Frame& frame) {
        const CLink* link = ends_.back();
        const std::size_t step = frame.step++;
        if (step == 0 && !successorsOnly_) {
            Take(link->GetFromId());
        } else if (step == 1) {
            Take(link->GetToId());
        } else if (step >= 2) {
            frames_.pop_back();
            ends_.pop_back();
        }
    }

    const CLinkArray& links_;
    bool successorsOnly_;
    std::unordered_map<std::int32_t, std::vector<int>> at_;
    std::unordered_set<std::int32_t> objects_;
    std::unordered_set<std::int32_t> visited_;
    std::vector<Frame> frames_;
    // The links of the link frames on the stack, innermost last.
    std::vector<const CLink*> ends_;
    std::vector<std::int32_t> taken_;
};

}  // namespace

int LinkedMove::MovedDays(const CSchedule& before, const CSchedule& after) {
    if (!(before.GetStartDate() == after.GetStartDate()))
        return WholeDays(before.GetStartDate(), after.GetStartDate());
    return WholeDays(before.GetEndDate(), after.GetEndDate());
}

bool LinkedMove::IsLinked(const CProject& project, std::int32_t id) {
    const CLinkArray& links = project.GetLinks();
    for (int i = 0, n = links.GetCount(); i < n; ++i) {
        const CLink* link = links.At(i);
        if (link != nullptr && !link->IsDeleted() &&
            (link->GetFromId() == id || link->GetToId() == id))
            return true;
    }
    return false;
}

std::optional<LinkedChoice> LinkedMove::Decide(AppServices& services, int days, bool askAgain) {
    AppSettings& settings = services.Settings();
    ISettingsStore& store = services.Store();
    const int shown = store.ReadInt(ToolCommands::kOnceSection, kShowKey).value_or(0);
    if (!askAgain && shown <= 0)
        return Remembered(settings.slideLinked);
    LinkedMoveQuestion question;
    question.days = days;
    question.dontShowAgain = shown <= 0;
    const std::optional<LinkedMoveAnswer> answer = services.Dialogs().AskLinkedMove(question);
    if (!answer)
        return std::nullopt;
    settings.slideLinked = static_cast<int>(answer->choice);
    if (answer->dontShowAgain != question.dontShowAgain)
        store.WriteInt(ToolCommands::kOnceSection, kShowKey, answer->dontShowAgain ? 0 : 1);
    return answer->choice;
}

std::vector<std::int32_t> LinkedMove::Collect(const CProject& project, std::int32_t start,
                                              bool successorsOnly) {
    return LinkWalk(project, successorsOnly).From(start);
}

bool LinkedMove::MoveAlong(CData& object, int days) {
    const std::uint64_t before = object.GetChangeStamp();
    if (object.GetType() == CData::kSchedule) {
        auto& schedule = static_cast<CSchedule&>(object);
        schedule.SetStartDate(schedule.GetStartDate().AddDays(days));
        // A point has no end to move.
        if (schedule.GetScheduleType() == 0)
            schedule.SetEndDate(schedule.GetEndDate().AddDays(days));
    } else if (object.GetType() == CData::kMemo) {
        auto& memo = static_cast<CMemo&>(object);
        memo.SetXDate(memo.GetXDate().AddDays(days));
    }
    return object.GetChangeStamp() != before;
}

}  // namespace qb
