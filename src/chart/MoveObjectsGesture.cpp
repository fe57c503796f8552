#include "MoveObjectsGesture.h"

#include <unordered_map>

#include "CDisplayModel.h"
#include "CGuiMemo.h"
#include "CGuiRow.h"
#include "CGuiSchedule.h"
#include "CTempMemo.h"
#include "CTempSchedule.h"
#include "CanvasInput.h"
#include "CanvasReply.h"
#include "ChartMessages.h"
#include "IChartEdits.h"

namespace qb {

namespace {

template <class T>
std::unique_ptr<T> CopyOf(const CData& data) {
    return std::unique_ptr<T>(static_cast<T*>(data.Clone().release()));
}

GuiRect Shifted(GuiRect rect, int dx, int dy) {
    return GuiRect{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

std::unique_ptr<ITempGuiObject> TempFor(CGuiObject& object) {
    if (object.GetObjectType() == CGuiObject::kSchedule) {
        auto& schedule = static_cast<CGuiSchedule&>(object);
        return std::make_unique<CTempSchedule>(CopyOf<CSchedule>(*schedule.GetData()), &schedule,
                                               schedule.GetRow(), CTempSchedule::Mode::kMove);
    }
    auto& memo = static_cast<CGuiMemo&>(object);
    return std::make_unique<CTempMemo>(CopyOf<CMemo>(*memo.GetData()), &memo, memo.GetRow());
}

bool Moves(const CGuiObject& object) {
    return object.GetObjectType() == CGuiObject::kSchedule ||
           object.GetObjectType() == CGuiObject::kMemo;
}

}  // namespace

std::unique_ptr<MoveObjectsGesture> MoveObjectsGesture::Start(const CanvasEnv& env,
                                                              CGuiObject& primary,
                                                              DrawPoint press) {
    if (!Moves(primary))
        return nullptr;
    CDisplayModel& model = env.Model();
    std::vector<CGuiObject*> objects;
    for (std::uint32_t id : model.GetSelection()) {
        CGuiObject* object = model.FindObject(static_cast<std::int32_t>(id));
        if (object == nullptr || !Moves(*object))
            continue;
        if (!object->IsVisible()) {
            env.Tell(ChartMessages::kHiddenInSelection);
            return nullptr;
        }
        objects.push_back(object);
    }
    std::unique_ptr<MoveObjectsGesture> gesture(new MoveObjectsGesture(env, press));
    const ChartContext chart = env.Context();
    bool hasPrimary = false;
    for (CGuiObject* object : objects) {
        auto temp = TempFor(*object);
        temp->Recalc(chart);
        const GuiRect from = temp->GetTempRect();
        if (object == &primary) {
            gesture->primary_ = gesture->temps_.size();
            hasPrimary = true;
        }
        gesture->temps_.push_back(Moved{std::move(temp), from});
    }
    if (!hasPrimary)
        return nullptr;
    std::unordered_map<const CGuiObject*, CGuiObject*> ends;
    for (Moved& moved : gesture->temps_)
        ends.emplace(moved.temp->GetSource(), dynamic_cast<CGuiObject*>(moved.temp.get()));
    gesture->links_.Attach(model, ends);
    return gesture;
}

MoveObjectsGesture::MoveObjectsGesture(const CanvasEnv& env, DrawPoint press)
    : env_(env), generation_(env.Generation()), press_(press) {}

MoveObjectsGesture::~MoveObjectsGesture() = default;

void MoveObjectsGesture::Move(DrawPoint point, const CanvasInput& input) {
    const int dx = point.x - press_.x;
    const int dy = point.y - press_.y;
    if (!started_) {
        if (dx * dx + dy * dy <= kJitter * kJitter)
            return;
        started_ = true;
        copy_ = input.ctrl;
        ShowSources(copy_);
        for (Moved& moved : temps_)
            moved.temp->ShowTemp(true);
    }
    const ChartContext chart = env_.Context();
    const PointSnap snap = env_.Snap(input);
    Moved& lead = temps_[primary_];
    lead.temp->RectToData(Shifted(lead.from, dx, dy), chart, snap.SnapsX());
    if (snap.SnapsY()) {
        if (const int toRow = lead.temp->SnapVertically(env_.Model()))
            lead.temp->RectToData(Shifted(lead.temp->GetTempRect(), 0, toRow), chart, false);
    }
    const GuiRect landed = lead.temp->GetTempRect();
    const int takenX = landed.left - lead.from.left;
    const int takenY = landed.top - lead.from.top;
    for (std::size_t i = 0; i < temps_.size(); ++i) {
        if (i != primary_)
            temps_[i].temp->RectToData(Shifted(temps_[i].from, takenX, takenY), chart, false);
    }
    links_.Update(chart);
}

void MoveObjectsGesture::OriginMoved(int dx) {
    press_.x += dx;
    for (Moved& moved : temps_)
        moved.from = Shifted(moved.from, dx, 0);
}

void MoveObjectsGesture::CopyChanged(bool copy) {
    copy_ = copy;
    if (started_)
        ShowSources(copy_);
}

void MoveObjectsGesture::ShowSources(bool shown) {
    if (env_.Generation() != generation_)
        return;
    for (Moved& moved : temps_)
        moved.temp->GetSource()->SetHidden(!shown);
    // Copies carry no links: the links stay with the sources.
    links_.SetFollowing(!shown);
    links_.Update(env_.Context());
}

void MoveObjectsGesture::Finish(DrawPoint /*point*/, const CanvasInput& input, CanvasReply& reply) {
    if (!started_)
        return;
    reply.repaint = true;
    copy_ = input.ctrl;
    if (!MayDrop()) {
        Cancel();
        return;
    }
    Write(copy_, input.shift, reply);
}

bool MoveObjectsGesture::MayDrop() const {
    CDisplayModel& model = env_.Model();
    const bool summary = env_.Context().summaryMode;
    bool outside = false;
    for (const Moved& moved : temps_) {
        const CGuiRow* row = model.RowAt(moved.temp->GetTempRect().top);
        if (row == nullptr) {
            env_.Tell(ChartMessages::kNoRowHere);
            return false;
        }
        if (summary && (row->IsFolded() || (model.IsIndentMode() && row->HasChildren()))) {
            env_.Tell(ChartMessages::kOntoSummaryRow);
            return false;
        }
        CData& data = moved.temp->GetTempData();
        if (data.GetType() == CData::kSchedule) {
            const auto& schedule = static_cast<const CSchedule&>(data);
            const bool point = static_cast<const CTempSchedule&>(*moved.temp).GetFields().IsPoint();
            outside = outside ||
                      !env_.InDisplayPeriod(schedule.GetStartDate(), point ? schedule.GetStartDate()
                                                                           : schedule.GetEndDate());
        } else {
            const auto& memo = static_cast<const CMemo&>(data);
            outside = outside || !env_.InDisplayPeriod(memo.GetXDate(), memo.GetXDate());
        }
    }
    return !outside || env_.Confirm(ChartMessages::kOutsideDisplayPeriod);
}

void MoveObjectsGesture::Write(bool copy, bool askAgain, CanvasReply& reply) {
    std::vector<const CData*> values;
    values.reserve(temps_.size());
    for (Moved& moved : temps_)
        values.push_back(&moved.temp->GetTempData());
    // A schedule dragged alone may take the objects linked to it along.
    const bool alone = !copy && values.size() == 1 && values.front()->GetType() == CData::kSchedule;
    const EditResult result = copy    ? env_.Edits().CopyObjects(values)
                              : alone ? env_.Edits().MoveSchedule(*values.front(), askAgain)
                                      : env_.Edits().ChangeObjects(values);
    if (!env_.Check(result)) {
        Cancel();
        return;
    }
    std::vector<std::int32_t> moved;
    if (!copy) {
        for (const CData* value : values)
            moved.push_back(value->GetObjectId());
    }
    // The sources go with the old model.
    temps_.clear();
    env_.Rebuild(moved);
    if (copy) {
        env_.Model().ClearSelection();
        for (std::int32_t id : result.ids)
            env_.Model().Select(id, true);
    }
    reply.repaint = true;
}

void MoveObjectsGesture::Cancel() {
    ShowSources(true);
    for (Moved& moved : temps_)
        moved.temp->ShowTemp(false);
}

void MoveObjectsGesture::Draw(IDrawContext& dc, const GuiDrawArgs& args) {
    for (Moved& moved : temps_)
        moved.temp->DrawTemp(dc, args);
    links_.Draw(dc, args);
}

}  // namespace qb
