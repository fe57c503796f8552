#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "CProject.h"
#include "ErrorSlot.h"

namespace qb {

// The rows format "CF_QUELLBRANDIRENROW": a whole native project archive of
// a small project holding one row with its subtree, the schedules, row memos
// and inner links on it, and every column of the source, renumbered from 1.
class RowClipboardStream {
public:
    static constexpr const char* kFormatName = "CF_QUELLBRANDIRENROW";

    // The small project for the row and everything below it; ids 1, 2, 3 ...
    // for the rows, then the schedules, memos and links, every reference
    // rewritten. Null when the row does not exist.
    static std::unique_ptr<CProject> Extract(const CProject& source, std::int32_t rowId);
    // Extract written as the archive; empty when the row does not exist.
    static std::string Write(const CProject& source, std::int32_t rowId);
    // The small project of a block, or null with the reason in error: the
    // archive reader's checks, then references that point nowhere inside it.
    static std::unique_ptr<CProject> Read(std::string_view bytes, ErrorSlot& error);
};

}  // namespace qb
