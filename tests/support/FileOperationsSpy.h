#pragma once

#include <functional>
#include <string>
#include <vector>

#include "PosixFileOperations.h"

namespace qb::test {

// Makes every call for real and logs it by name, in order. beforeLock runs
// just before each lock is taken, so a test can change the file at exactly
// that moment.
class FileOperationsSpy : public PosixFileOperations {
public:
    int Open(const std::string& path, int flags, mode_t mode) override {
        log.push_back("open");
        return PosixFileOperations::Open(path, flags, mode);
    }
    bool TryLock(int fd) override {
        if (beforeLock)
            beforeLock();
        log.push_back("lock");
        return PosixFileOperations::TryLock(fd);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        log.push_back("write");
        return PosixFileOperations::Write(fd, data, size);
    }
    int Sync(int fd) override {
        log.push_back("sync");
        return PosixFileOperations::Sync(fd);
    }
    int Rename(const std::string& from, const std::string& to) override {
        log.push_back("rename");
        return PosixFileOperations::Rename(from, to);
    }
    int RenameNoReplace(const std::string& from, const std::string& to) override {
        log.push_back("rename");
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
};

}  // namespace qb::test
