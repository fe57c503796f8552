#include "DiagnosticLog.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "AppMessages.h"
#include "FileIo.h"
#include "IPrompt.h"
#include "SystemError.h"

namespace qb {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);

bool LockWithin(int fd, int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::string CurrentPrefix() {
    const std::time_t now = std::time(nullptr);
    struct tm local {};
    ::localtime_r(&now, &local);
    return DiagnosticLog::LinePrefix(local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                                     local.tm_sec);
}

}  // namespace

DiagnosticLog::DiagnosticLog(std::string baseFolder, int waitMs)
    : path_(baseFolder.empty() ? std::string() : baseFolder + kFileName), waitMs_(waitMs) {}

bool DiagnosticLog::Enabled() {
    if (!enabled_) {
        struct stat info {};
        enabled_ = !path_.empty() && ::stat(path_.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }
    return *enabled_;
}

std::string DiagnosticLog::LinePrefix(int month, int day, int hour, int minute, int second) {
    char prefix[96];
    std::snprintf(prefix, sizeof prefix, "TorvaneApp(%d/%d %d:%02d:%02d):", month, day, hour,
                  minute, second);
    return prefix;
}

bool DiagnosticLog::Append(const std::string& text) {
    if (!Enabled())
        return false;
    // The switch file must already exist: logging never creates it.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    bool written = false;
    if (LockWithin(fd, waitMs_)) {
        written = FileIo::WriteFully(fd, CurrentPrefix() + text + "\n");
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return written;
}

void DiagnosticLog::ReportSystemError(IPrompt& prompt, const std::string& messageText,
                                      int errnoValue) {
    PromptMessage message;
    message.text = messageText + "\r\nLinux Error Code (errno) = " + std::to_string(errnoValue);
    message.icon = PromptIcon::kWarning;
    prompt.Show(message);
    Append(messageText);
}

std::string DiagnosticLog::SystemErrorText(std::uint32_t code) {
    const std::string number = "\r\nLinux Error Code=" + std::to_string(code);
    const std::string description = SystemError::DescribeCode(code);
    if (description.empty() || description == "Unknown error" ||
        description.starts_with("Unknown error "))
        return std::string(messages::kNoSystemText.text) + number;
    return description + number;
}

}  // namespace qb
