#include "HeapAdvice.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace qb {
namespace {

// How far the heap grows at a time: a plan of 100k schedules fits in one
// step. Only touched pages take memory, so a large step costs nothing more.
constexpr std::size_t kGrowthStep = std::size_t{256} << 20;
// Blocks up to this size come from the heap too (the largest the C library
// allows), so a large file's bytes get huge pages as well.
constexpr std::size_t kHeapBlockLimit = std::size_t{32} << 20;

}  // namespace

void HeapAdvice::AdviseHugePages(void* begin, std::size_t size) {
#ifdef MADV_HUGEPAGE
    const auto start = reinterpret_cast<std::uintptr_t>(begin);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + size) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)begin;
    (void)size;
#endif
}

void HeapAdvice::UseHugePages() {
    static bool done = false;
    if (done)
        return;
    done = true;
    ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(kHeapBlockLimit));
    ::mallopt(M_TOP_PAD, static_cast<int>(kGrowthStep));
    ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * kGrowthStep));
    // A block larger than the heap's free top makes it grow now, by a whole
    // step; the advice then covers the heap as it is, and the plan's objects
    // later come from that step.
    // (volatile: a block that is freed unused may otherwise be left out.)
    void* volatile probe = std::malloc(::mallinfo2().keepcost + 64);
    char* const end = static_cast<char*>(::sbrk(0));
    std::free(probe);
    const std::size_t heap = ::mallinfo2().arena;
    if (end == reinterpret_cast<char*>(-1) || heap == 0)
        return;
    AdviseHugePages(end - heap, heap);
}

}  // namespace qb
