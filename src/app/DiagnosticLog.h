#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qb {

class IPrompt;

// The diagnostic log: on only while a file "torvane.log" exists in the base
// working folder (looked at once, at the first event). Lines are appended
// under an flock on the log itself, so that several processes can share it;
// a line that cannot get the lock in time is dropped.
class DiagnosticLog {
public:
    static constexpr const char* kFileName = "torvane.log";
    static constexpr int kDefaultWaitMs = 10000;

    // baseFolder ends in "/"; an empty one keeps the log off.
    explicit DiagnosticLog(std::string baseFolder, int waitMs = kDefaultWaitMs);

    bool Enabled();
    const std::string& Path() const { return path_; }
    // Appends "TorvaneApp(m/d h:mm:ss):" + text + "\n". False when the log is
    // off or the line could not be written.
    bool Append(const std::string& text);

    // Shows messageText with the system's error number under it and logs it.
    void ReportSystemError(IPrompt& prompt, const std::string& messageText, int errnoValue);
    // The text of one of the program's error numbers (see SystemError): the
    // system's description and the number.
    static std::string SystemErrorText(std::uint32_t code);
    // "TorvaneApp(%d/%d %d:%02d:%02d):" for a local time.
    static std::string LinePrefix(int month, int day, int hour, int minute, int second);

private:
    std::string path_;
    int waitMs_;
    std::optional<bool> enabled_;
};

}  // namespace qb
