#pragma once

#include <cerrno>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PosixFileOperations.h"

namespace qb::test {

// Makes every call for real and logs it by name, in order. beforeLock runs
// just before each lock is taken, so a test can change the file at exactly
// that moment. Failures queued by Fail stand in for what a network file
// system or a full disk would answer.
class FileOperationsSpy : public PosixFileOperations {
public:
    // Queued in place of an errno: the call goes through for real.
    static constexpr int kReal = 0;
    // For "write": writes half of what was asked for, for real.
    static constexpr int kHalf = -1;

    // The next calls of name (a logged name) answer the queued errnos in turn.
    void Fail(const std::string& name, std::vector<int> errnos) {
        auto& queue = failures_[name];
        queue.insert(queue.end(), errnos.begin(), errnos.end());
    }

    int Open(const std::string& path, int flags, mode_t mode) override {
        if (Failing("open"))
            return -1;
        return PosixFileOperations::Open(path, flags, mode);
    }
    bool TryLock(int fd) override {
        if (beforeLock)
            beforeLock();
        return !Failing("lock") && PosixFileOperations::TryLock(fd);
    }
    bool TryFlock(int fd) override {
        return !Failing("flock") && PosixFileOperations::TryFlock(fd);
    }
    int FileSystemType(int fd, std::uint64_t& type) override {
        if (fileSystemType) {
            type = *fileSystemType;
            return 0;
        }
        return PosixFileOperations::FileSystemType(fd, type);
    }
    int MountOptions(int fd, std::string& options) override {
        if (mountOptions) {
            options = *mountOptions;
            return 0;
        }
        return PosixFileOperations::MountOptions(fd, options);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        const int next = Next("write");
        if (next == kHalf && size > 1)
            return PosixFileOperations::Write(fd, data, size / 2);
        if (next > 0) {
            errno = next;
            return -1;
        }
        return PosixFileOperations::Write(fd, data, size);
    }
    int Sync(int fd) override {
        if (Failing("sync"))
            return -1;
        return PosixFileOperations::Sync(fd);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (beforeRename)
            beforeRename(to);
        if (Failing("rename"))
            return -1;
        return PosixFileOperations::Rename(from, to);
    }
    int RenameNoReplace(const std::string& from, const std::string& to) override {
        if (Failing("rename"))
            return -1;
        return PosixFileOperations::RenameNoReplace(from, to);
    }

    // The logged calls of the given names, space-separated.
    std::string Trace(const std::vector<std::string>& names) const {
        std::string trace;
        for (const std::string& call : log) {
            for (const std::string& name : names) {
                if (call == name)
                    trace += (trace.empty() ? "" : " ") + call;
            }
        }
        return trace;
    }
    // What a save does to put its data in place.
    std::string SaveTrace() const { return Trace({"write", "sync", "rename"}); }

    std::vector<std::string> log;
    std::function<void()> beforeLock;
    // Runs before each replacing rename, with its target.
    std::function<void(const std::string&)> beforeRename;
    // The file system every descriptor answers to be on.
    std::optional<std::uint64_t> fileSystemType;
    // The mount options every descriptor answers to have.
    std::optional<std::string> mountOptions;

private:
    // Logs the call and takes its next queued answer.
    int Next(const std::string& name) {
        log.push_back(name);
        auto& queue = failures_[name];
        if (queue.empty())
            return kReal;
        const int next = queue.front();
        queue.pop_front();
        return next;
    }
    bool Failing(const std::string& name) {
        const int next = Next(name);
        if (next <= 0)
            return false;
        errno = next;
        return true;
    }

    std::map<std::string, std::deque<int>> failures_;
};

}  // namespace qb::test
