#include "HolderNote.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "FileIo.h"

namespace qb {
namespace {

std::string& UserName() {
    static std::string user;
    return user;
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

std::string LoginName() {
    if (const passwd* entry = ::getpwuid(::getuid()))
        return entry->pw_name;
    return {};
}

std::string_view ValueOf(std::string_view text, std::string_view key) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=')
            return line.substr(key.size() + 1);
        at = end + 1;
    }
    return {};
}

template <class Number>
bool ToNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::string_view Field(std::string_view text, int index) {
    std::size_t at = 0;
    for (int i = 0; i < index && at != std::string_view::npos; ++i)
        at = text.find(' ', at + 1);
    if (at == std::string_view::npos)
        return {};
    at = text.find_first_not_of(' ', at);
    return at == std::string_view::npos ? std::string_view()
                                        : text.substr(at, text.find(' ', at) - at);
}

// When the process started, by the wall clock; 0 when the system does not tell.
std::time_t StartOf(long pid) {
    std::string stat, machine;
    std::uint32_t error = 0;
    if (!FileIo::ReadAll("/proc/" + std::to_string(pid) + "/stat", stat, error) ||
        !FileIo::ReadAll("/proc/stat", machine, error))
        return 0;
    // The fields after the program's name, which may hold spaces, begin past
    // its ')': the state first, the start in clock ticks after boot 20th.
    const std::size_t name = stat.rfind(')');
    const std::size_t boot = machine.find("\nbtime ");
    long long ticks = 0, booted = 0;
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    if (name == std::string::npos || boot == std::string::npos || perSecond <= 0 ||
        !ToNumber(Field(std::string_view(stat).substr(name + 1), 19), ticks))
        return 0;
    const std::string_view bootLine = std::string_view(machine).substr(boot + 7);
    if (!ToNumber(bootLine.substr(0, bootLine.find('\n')), booted))
        return 0;
    return static_cast<std::time_t>(booted + ticks / perSecond);
}

// Whether the holder may still run here: only a definite "no such process",
// or a process of that number started after the note was written (which
// took the number of a holder that is gone), says it does not.
bool Runs(const HolderNote::Holder& holder) {
    if (holder.pid <= 0)
        return true;
    if (::kill(static_cast<pid_t>(holder.pid), 0) != 0 && errno == ESRCH)
        return false;
    const std::time_t start = StartOf(holder.pid);
    return start == 0 || start <= holder.since + 2;
}

// A line break in a name would end its line.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

}  // namespace

void HolderNote::SetUser(std::string user) {
    UserName() = OneLine(std::move(user));
}

std::string HolderNote::PathFor(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash);
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return folder + "/." + name + ".holder";
}

HolderNote::Holder HolderNote::Self() {
    return {UserName().empty() ? LoginName() : UserName(), HostName(),
            static_cast<long>(::getpid()), std::time(nullptr)};
}

std::string HolderNote::Format(const Holder& holder) {
    return "user=" + OneLine(holder.user) + "\nhost=" + OneLine(holder.host) +
           "\npid=" + std::to_string(holder.pid) + "\nsince=" + std::to_string(holder.since) + "\n";
}

std::optional<HolderNote::Holder> HolderNote::Parse(const std::string& text) {
    Holder holder;
    holder.user = ValueOf(text, "user");
    holder.host = ValueOf(text, "host");
    if (!ToNumber(ValueOf(text, "pid"), holder.pid) ||
        !ToNumber(ValueOf(text, "since"), holder.since) || holder.host.empty())
        return std::nullopt;
    return holder;
}

// A temporary file renamed over the note: a reader sees the old note or the
// new one. Not flushed to disk: after a crash a missing note only means that
// nobody is named.
bool HolderNote::Write(const std::string& file) {
    const std::string path = PathFor(file);
    // Only the file's holder writes, so one temporary name does; one left by
    // a holder that was killed goes first. A new file only, so that no link
    // placed there redirects the write.
    const std::string temp = path + ".new";
    ::unlink(temp.c_str());
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = FileIo::WriteFully(fd, Format(Self()));
    ::close(fd);
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

void HolderNote::Remove(const std::string& file) {
    const std::string path = PathFor(file);
    std::string text;
    std::uint32_t error = 0;
    if (!FileIo::ReadAll(path, text, error))
        return;
    const std::optional<Holder> holder = Parse(text);
    const Holder self = Self();
    if (holder && holder->pid == self.pid && holder->host == self.host)
        ::unlink(path.c_str());
}

std::optional<HolderNote::Holder> HolderNote::Read(const std::string& file) {
    const std::string path = PathFor(file);
    std::string text;
    std::uint32_t error = 0;
    if (!FileIo::ReadAll(path, text, error))
        return std::nullopt;
    std::optional<Holder> holder = Parse(text);
    if (holder && holder->host == HostName() && !Runs(*holder)) {
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return holder;
}

std::string HolderNote::Describe(const Holder& holder, std::time_t now) {
    std::tm since{};
    std::tm today{};
    ::localtime_r(&holder.since, &since);
    ::localtime_r(&now, &today);
    char when[32];
    if (since.tm_year == today.tm_year && since.tm_yday == today.tm_yday)
        std::snprintf(when, sizeof when, "%d:%02d", since.tm_hour, since.tm_min);
    else
        std::snprintf(when, sizeof when, "%d/%d/%d %d:%02d", since.tm_year + 1900, since.tm_mon + 1,
                      since.tm_mday, since.tm_hour, since.tm_min);
    const std::string who = holder.user.empty() ? std::string("不明なユーザー") : holder.user;
    return who + " (" + holder.host + ") が " + when + " から使用中";
}

}  // namespace qb
