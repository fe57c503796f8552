#include "StartupSequence.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "AppMessages.h"
#include "AppSettings.h"
#include "CCommandHandler.h"
#include "CStatus.h"
#include "CommandIds.h"
#include "CommandLine.h"
#include "DocumentCommands.h"
#include "MainWindow.h"
#include "ProjectArchive.h"
#include "WindowPlacement.h"

namespace qb {

namespace {

DrawRect ToDrawRect(const QRect& rect) {
    return DrawRect{rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

QRect ToQRect(const DrawRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

QRect StartupSequence::WindowRectangle(const AppSettings& settings, const QList<QRect>& screens,
                                       const QRect& desktop) {
    const DrawRect stored{settings.wndLeft, settings.wndTop, settings.wndRight, settings.wndBottom};
    std::vector<DrawRect> monitors;
    for (const QRect& screen : screens)
        monitors.push_back(ToDrawRect(screen));
    return ToQRect(WindowPlacement::Choose(stored, monitors, ToDrawRect(desktop)));
}

QRect StartupSequence::WindowRectangle(const AppSettings& settings) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect desktop =
        primary != nullptr ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    return WindowRectangle(settings, screens, desktop);
}

std::string StartupSequence::ChooseFile(CStatus& status, const CommandLine& line) {
    if (const std::optional<COleDateTime> date = line.Date())
        status.Commands().Documents().ScrollAfterNextOpen(*date);
    return line.File().empty() ? status.Services().Settings().defFile : line.File();
}

bool StartupSequence::OpenStartFile(CStatus& status, const std::string& file) {
    std::string path = file;
    std::erase(path, '"');
    if (path.empty())
        return false;
    // A name relative to the folder the program was started in would mean
    // another file once it stands in the recent-files list.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (!error)
        path = absolute.lexically_normal().string();
    // A file that cannot be read passes the check and the open says why.
    if (!DocumentCommands::IsGroupFile(path) && !ProjectArchive::IsArchiveFile(path)) {
        status.Services().Prompt().Show(messages::kNotOurFile.Plain());
        return false;
    }
    return status.Commands().Documents().OpenDocument(path);
}

void StartupSequence::Run(CStatus& status, MainWindow& window, const CommandLine& line,
                          bool firstInstance) {
    window.setGeometry(WindowRectangle(status.Services().Settings()));
    window.show();
    const int mode = std::clamp(status.GetViewMode(), 0, 3);
    if (!status.Commands().Execute(cmd::kViewProject + mode))
        window.ViewModeChanged(mode);
    if (firstInstance)
        status.Services().Backups().RunCrashRecovery(status.Services().Prompt(),
                                                     status.Services().Shell());
    OpenStartFile(status, ChooseFile(status, line));
}

}  // namespace qb
