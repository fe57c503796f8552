#pragma once

#include <QList>
#include <QRect>
#include <string>

namespace qb {

class AppSettings;
class CStatus;
class CommandLine;
class MainWindow;

// The start of the program once the state and the main window exist: the
// window's place, the view mode, crash recovery and the file to open.
class StartupSequence {
public:
    // The stored rectangle when its top-left corner lies on one of the
    // screens, else the desktop less a margin.
    static QRect WindowRectangle(const AppSettings& settings, const QList<QRect>& screens,
                                 const QRect& desktop);
    // The same over the screens of this session.
    static QRect WindowRectangle(const AppSettings& settings);

    // The default file, replaced by the command line's; its "date" switch
    // becomes the date to scroll to after the open.
    static std::string ChooseFile(CStatus& status, const CommandLine& line);
    // Opens a file of ours (quotes removed), or says that it is not one.
    // True when a document was opened.
    static bool OpenStartFile(CStatus& status, const std::string& file);

    // Places and shows the window, switches to the stored view mode, runs
    // crash recovery in the first instance and opens the start file.
    static void Run(CStatus& status, MainWindow& window, const CommandLine& line,
                    bool firstInstance);
};

}  // namespace qb
