#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qb {

class IPrompt;
struct AppEnvironment;

// Makes ".qbd" files open with this program for the current user: a desktop
// entry and a shared-mime-info type under the user's data folder, then the
// desktop's own tools refresh their caches and take the entry as default.
class FileAssociation {
public:
    static constexpr const char* kMimeType = "application/x-quellbrandiren";
    static constexpr const char* kDesktopName = "quellbrandiren.desktop";
    static constexpr const char* kMimeFileName = "quellbrandiren.xml";

    // Runs a program with its arguments (argv[0] first) and returns its exit
    // status; -1 when it could not be started.
    using Runner = std::function<int(const std::vector<std::string>& argv)>;

    // dataHome: the user's data folder ($XDG_DATA_HOME); programPath: the
    // executable the entry starts.
    FileAssociation(std::string dataHome, std::string programPath, Runner runner = RunProgram);

    // For the running program: the user's data folder and the executable in
    // the program folder.
    static FileAssociation ForEnvironment(const AppEnvironment& environment,
                                          Runner runner = RunProgram);

    // Interactive: asks first (OK/Cancel) and says when it is done. Failures
    // are always reported. True when the association was written.
    bool Register(IPrompt& prompt, bool interactive);

    std::string DesktopPath() const;
    std::string MimePath() const;
    // The contents of the two files.
    std::string DesktopEntry() const;
    static std::string MimeInfo();
    // Quotes an argument of a desktop entry's Exec line when it needs it.
    static std::string QuoteExecArgument(const std::string& argument);

    // Starts the program, waits for it and returns its exit status.
    static int RunProgram(const std::vector<std::string>& argv);

private:
    bool WriteFiles(std::string& failure) const;

    std::string dataHome_;
    std::string programPath_;
    Runner runner_;
};

}  // namespace qb
