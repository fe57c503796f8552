#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ChartContext.h"
#include "DrawTypes.h"
#include "EditResult.h"
#include "PointSnap.h"

namespace qb {

class CDisplayModel;
class CGuiRow;
class CRuler;
class CStatus;
class ChartScene;
class IChartEdits;
struct CanvasInput;

// What the canvas and its gestures share: the application state, the scene
// they draw on and the edits they write through, with the questions and
// messages they put to the user.
class CanvasEnv {
public:
    // generation: counts the rebuilds of the scene's model (may be null).
    CanvasEnv(CStatus& status, ChartScene& scene, IChartEdits& edits, int* generation = nullptr)
        : status_(status), scene_(scene), edits_(edits), generation_(generation) {}

    CStatus& Status() const { return status_; }
    ChartScene& Scene() const { return scene_; }
    // The edits, for one change now: Rebuild afterwards knows whether the
    // window has rebuilt the model meanwhile.
    IChartEdits& Edits() const {
        editGeneration_ = Generation();
        return edits_;
    }
    CDisplayModel& Model() const;
    const CRuler& Ruler() const;
    ChartContext Context() const;

    bool HasRows() const;
    bool IsReadOnly() const;
    // The window point in chart coordinates.
    DrawPoint ToChart(DrawPoint window) const;
    // The snapping in force for the modifiers of input.
    PointSnap Snap(const CanvasInput& input) const;
    // The row a new object at y goes to; null below the rows or on a row
    // that the summary display shows as one bar.
    CGuiRow* TargetRow(int y) const;
    // The project's display period, when it has one, holds x.
    bool InDisplayPeriod(int x) const;
    bool HasDisplayPeriod() const;
    bool InDisplayPeriod(const COleDateTime& from, const COleDateTime& to) const;

    void Tell(const std::string& text) const;
    // True for OK.
    bool Confirm(const std::string& text) const;
    // Shows the message a refused edit carries; true when the edit was done.
    bool Check(const EditResult& result) const;
    // The display model from the project again, laid out, unless the window
    // rebuilt it already when the document announced the change; then the
    // objects with the given ids are selected (an edit clears the selection).
    void Rebuild(const std::vector<std::int32_t>& select = {}) const;
    // Changes with every rebuild of the model: display objects taken under
    // another generation are gone. A message box may let the window rebuild
    // the model while a gesture waits for the answer.
    int Generation() const { return generation_ != nullptr ? *generation_ : 0; }

private:
    CStatus& status_;
    ChartScene& scene_;
    IChartEdits& edits_;
    int* generation_;
    mutable int editGeneration_ = 0;
};

}  // namespace qb
