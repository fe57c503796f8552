#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "CHtmlWriter.h"

namespace qb {

class CStatus;
class ChartScene;
class CProject;
class AppServices;
struct ViewStatus;

// The chart's rows and schedules as the HTML table, for the export dialog and
// the list in the browser: what the window shows (folded and filtered rows
// left out) with the user's list settings and style sheet.
class HtmlExport {
public:
    // Replaces the file at path only once the whole page is written; false
    // with the program's error number, the old file then untouched.
    static bool Write(CStatus& status, const std::string& path, std::uint32_t& error);

    // The user's list settings, style sheet and edition.
    static HtmlOptions OptionsFrom(AppServices& services);
    // A chart of the project as the window would open it: the settings'
    // display switches and the file's folded and hidden rows and columns.
    // The project must outlive the scene.
    static std::unique_ptr<ChartScene> SceneFor(AppServices& services, CProject& project,
                                                const ViewStatus& view);
};

}  // namespace qb
