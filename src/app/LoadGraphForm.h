#pragma once

#include <optional>

#include "IPrompt.h"
#include "LoadGraphPainter.h"
#include "LoadGraphSettings.h"
#include "LoadGraphValues.h"

namespace qb {

class CProject;
class DisplaySettings;
struct ViewStatus;

// The load graph's settings as the file's view status keeps them, and the
// checks of the settings dialog.
class LoadGraphForm {
public:
    static LoadGraphSettings SettingsOf(const ViewStatus& status);
    static LoadGraphValues ValuesOf(const ViewStatus& status);
    // The user's graph colour and font, and the project's lower grid pen for
    // the divisions (the default pen without a project).
    static LoadGraphStyle StyleOf(const DisplaySettings& display, const CProject* project);
    // The dialog's values in its order (auxiliary line, upper limit, height,
    // then the check box), each stored as soon as its check passes. The first
    // refused value stops there: the later ones are neither checked nor
    // stored, and its message comes back for the dialog, which stays open.
    static std::optional<PromptMessage> Apply(const LoadGraphValues& values, ViewStatus& status);
};

}  // namespace qb
