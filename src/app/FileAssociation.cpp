#include "FileAssociation.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <filesystem>

#include "AppEnvironment.h"
#include "AppMessages.h"
#include "BusyCursor.h"
#include "FileIo.h"
#include "IPrompt.h"
#include "SystemError.h"
#include "WorkingFolders.h"

extern char** environ;

namespace qb {

namespace {

constexpr AppMessage kAssociationFailed{0, "拡張子の関連付けに失敗しました。\r\n%s",
                                        PromptIcon::kWarning, PromptButtons::kOk};

}  // namespace

FileAssociation::FileAssociation(std::string dataHome, std::string programPath, Runner runner)
    : dataHome_(std::move(dataHome)),
      programPath_(std::move(programPath)),
      runner_(std::move(runner)) {
    if (!dataHome_.empty() && dataHome_.back() == '/')
        dataHome_.pop_back();
}

FileAssociation FileAssociation::ForEnvironment(const AppEnvironment& environment, Runner runner) {
    const std::string program = environment.programFolder.empty()
                                    ? std::string()
                                    : environment.programFolder + "quellbrandiren";
    return FileAssociation(environment.dataHome.value_or(std::string()), program,
                           std::move(runner));
}

std::string FileAssociation::DesktopPath() const {
    return dataHome_ + "/applications/" + kDesktopName;
}

std::string FileAssociation::MimePath() const {
    return dataHome_ + "/mime/packages/" + kMimeFileName;
}

std::string FileAssociation::QuoteExecArgument(const std::string& argument) {
    const bool plain = argument.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos;
    if (plain && !argument.empty())
        return argument;
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    // In the Exec key a literal percent sign is written twice; the
    // backslashes of the quoting are escaped once more by the key's string
    // rules.
    std::string escaped;
    for (char c : quoted) {
        if (c == '%')
            escaped += "%%";
        else if (c == '\\')
            escaped += "\\\\";
        else
            escaped += c;
    }
    return escaped;
}

std::string FileAssociation::DesktopEntry() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quellbrandiren\n"
           "Comment=Project schedules as bar charts\n"
           "Comment[ja]=工程表をバーチャートで作成・編集します\n"
           "Exec=" +
           QuoteExecArgument(programPath_) +
           " %f\n"
           "Terminal=false\n"
           "Categories=Office;ProjectManagement;\n"
           "MimeType=" +
           std::string(kMimeType) + ";\n";
}

std::string FileAssociation::MimeInfo() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" +
           std::string(kMimeType) +
           "\">\n"
           "    <comment>Quellbrandiren project</comment>\n"
           "    <comment xml:lang=\"ja\">Quellbrandiren プロジェクトファイル</comment>\n"
           "    <glob pattern=\"*.qbd\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

bool FileAssociation::WriteFiles(std::string& failure) const {
    for (const auto& [path, text] :
         {std::pair{DesktopPath(), DesktopEntry()}, std::pair{MimePath(), MimeInfo()}}) {
        std::uint32_t error = 0;
        if (!WorkingFolders::CreateFoldersFor(path) ||
            !FileIo::WriteAtomically(path, text, error)) {
            failure =
                path + "\r\n" + SystemError::DescribeCode(error ? error : SystemError::Last());
            return false;
        }
    }
    return true;
}

bool FileAssociation::Register(IPrompt& prompt, bool interactive) {
    if (interactive && prompt.Show(messages::kAssociateQuestion.Plain()) != PromptAnswer::kOk)
        return false;
    std::string failure;
    bool written = !dataHome_.empty() && !programPath_.empty();
    {
        BusyCursor busy(prompt, true);
        if (!written)
            failure = "保存先のフォルダがありません。";
        else
            written = WriteFiles(failure);
        if (written) {
            // The files already hold the association; a desktop without these
            // tools still reads them at its next start.
            runner_({"update-mime-database", dataHome_ + "/mime"});
            runner_({"update-desktop-database", dataHome_ + "/applications"});
            runner_({"xdg-mime", "default", kDesktopName, kMimeType});
        }
    }
    if (!written)
        prompt.Show(kAssociationFailed.Format(failure));
    else if (interactive)
        prompt.Show(messages::kAssociated.Plain());
    return written;
}

int FileAssociation::RunProgram(const std::vector<std::string>& argv) {
    if (argv.empty())
        return -1;
    std::vector<char*> arguments;
    for (const std::string& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, arguments[0], nullptr, nullptr, arguments.data(), environ) != 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace qb
