#include "GestureLoad.h"

#include "CTempSchedule.h"
#include "CreateScheduleGesture.h"
#include "LoadGraph.h"
#include "MoveObjectsGesture.h"
#include "ResizeScheduleGesture.h"

namespace qb {
namespace {

// The temporary bar counts while it is shown; its source, when it has one
// the graph counts and it is not being copied, stops counting meanwhile (the
// graph keeps counting a source the drag hides, so it is taken out here).
void AddTemp(const CTempSchedule& temp, bool keepSource, const TimeScale& scale, bool shownOnly,
             std::vector<LoadSpan>& spans) {
    if (!temp.IsShown())
        return;
    spans.push_back(LoadGraph::SpanOf(temp.GetFields(), scale));
    const auto* source = dynamic_cast<const CGuiSchedule*>(temp.GetSource());
    if (keepSource || source == nullptr || !LoadGraph::CountsWhenShown(*source, shownOnly))
        return;
    LoadSpan removed = LoadGraph::SpanOf(source->GetFields(), scale);
    removed.weight = -removed.weight;
    spans.push_back(removed);
}

}  // namespace

std::vector<LoadSpan> GestureLoad::Spans(const ICanvasGesture* gesture, const TimeScale& scale,
                                         bool shownOnly) {
    std::vector<LoadSpan> spans;
    if (gesture == nullptr || !gesture->IsDragging())
        return spans;
    if (const auto* move = dynamic_cast<const MoveObjectsGesture*>(gesture)) {
        for (std::size_t i = 0; i < move->Count(); ++i) {
            if (const auto* temp = dynamic_cast<const CTempSchedule*>(&move->Temp(i)))
                AddTemp(*temp, move->IsCopying(), scale, shownOnly, spans);
        }
    } else if (const auto* resize = dynamic_cast<const ResizeScheduleGesture*>(gesture)) {
        AddTemp(resize->Temp(), false, scale, shownOnly, spans);
    } else if (const auto* create = dynamic_cast<const CreateScheduleGesture*>(gesture)) {
        AddTemp(create->Temp(), true, scale, shownOnly, spans);
    }
    return spans;
}

}  // namespace qb
