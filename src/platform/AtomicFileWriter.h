#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "PosixFileOperations.h"

namespace qb {

// A file written piece by piece that replaces its target only once it is
// whole: the pieces go to a new file beside the target, which is flushed to
// the disk and then renamed over it. Until Commit succeeds (and after any
// failure) the target is exactly as it was, and the new file is removed.
// The target keeps its permissions; a new one gets the usual ones.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string path,
                              IFileOperations& files = PosixFileOperations::Instance());
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the new file. Refuses a target that exists but may not be
    // written (the rename itself would be allowed by its folder).
    [[nodiscard]] bool Open();
    // Appends bytes; after the first failure nothing more is written.
    [[nodiscard]] bool Write(std::string_view bytes);
    // Flushes the new file and puts it in the target's place.
    [[nodiscard]] bool Commit();
    // Removes the new file and leaves the target alone.
    void Discard();

    // The program's error number of the first failure (see SystemError).
    std::uint32_t GetError() const { return error_; }

private:
    bool Fail();

    std::string path_;
    std::string tempPath_;
    IFileOperations& files_;
    int fd_ = -1;
    std::uint32_t error_ = 0;
};

}  // namespace qb
