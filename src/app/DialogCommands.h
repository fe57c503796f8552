#pragma once

#include "IPrompt.h"

namespace qb {

class CStatus;
struct RulerBands;
struct RulerBandRequest;

// The commands that open a settings dialog: the options, the ruler bands and
// font sizes, the progress line and the favourite shapes. Each takes the user's confirmed values
// into the settings, the session or the project and has the panes repaint;
// Cancel changes nothing.
class DialogCommands {
public:
    explicit DialogCommands(CStatus& status) : status_(status) {}

    // False when id is not one of these commands.
    bool Execute(int id);
    // Whether the command can run now (the menu's enable rule).
    bool IsAvailable(int id) const;

    bool EditOptions();
    // The upper or the lower band of the current chart's ruler.
    bool EditRulerBand(bool upper);
    bool EditRulerFontSizes();
    bool EditLightning();
    // "よく使う形状エディタ": the dialog works on the form until it closes.
    bool EditFavouriteShapes();
    // "負荷グラフの設定": the file's graph settings, checked in the dialog's order.
    bool EditLoadGraph();
    // "検印欄パターンエディタ": the dialog works on the form until it closes.
    bool EditSignAreas();

private:
    bool InChartView() const;
    // What the current chart's ruler shows: the session's temporary bands,
    // else the project's.
    RulerBands CurrentBands(int setting) const;
    bool SaveBand(int setting, const RulerBandRequest& choice);
    bool Refuse(const PromptMessage& message);

    CStatus& status_;
};

}  // namespace qb
