#pragma once

#include <cstddef>

namespace qb {

// Memory advice for a process that loads large plans. A plan of 100k
// schedules is hundreds of thousands of small heap blocks; each first touch
// of a fresh 4 KiB page costs a page fault, and in a fresh process these
// faults are most of the time an open takes. Backing the heap with huge
// pages where the system offers them turns tens of thousands of faults into
// a few dozen.
class HeapAdvice {
public:
    static constexpr std::size_t kHugePage = std::size_t{2} << 20;

    // Makes the heap grow in large steps whose memory may be backed by huge
    // pages, and keeps it from shrinking (a shrunk heap that grows again
    // would lose the advice). Call once, early in main; later calls do
    // nothing. Without huge-page support it changes nothing that matters.
    static void UseHugePages();

    // Advises huge pages for the whole 2 MiB pages inside [begin, begin+size).
    // For one large buffer that is about to be filled.
    static void AdviseHugePages(void* begin, std::size_t size);
};

}  // namespace qb
