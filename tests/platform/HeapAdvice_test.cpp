#include "HeapAdvice.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qb {
namespace {

bool HugePagesOffered() {
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string text;
    std::getline(setting, text);
    return text.find("[always]") != std::string::npos ||
           text.find("[madvise]") != std::string::npos;
}

// Whether the mapping that holds address has asked for huge pages (its
// flags in /proc/self/smaps carry "hg").
bool AdvisedAt(const void* address) {
    const auto target = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t from = 0;
        std::uintptr_t to = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> from >> dash >> to && dash == '-' && line.find(':') > 8) {
            inside = from <= target && target < to;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0)
            return (line + " ").find(" hg ") != std::string::npos;
    }
    return false;
}

class HeapAdviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HugePagesOffered())
            GTEST_SKIP() << "this system offers no transparent huge pages";
    }
};

// Only the whole huge pages inside the range are advised: a range that
// holds none leaves its neighbours alone, and one that holds some marks them.
TEST_F(HeapAdviceTest, AdvisesTheWholeHugePagesInsideARangeOnly) {
    constexpr std::size_t kPage = HeapAdvice::kHugePage;
    void* area =
        ::mmap(nullptr, 6 * kPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(area, MAP_FAILED);
    const auto start = reinterpret_cast<std::uintptr_t>(area);
    auto* first = reinterpret_cast<char*>((start + kPage - 1) & ~(kPage - 1));

    HeapAdvice::AdviseHugePages(first + 1, kPage);
    EXPECT_FALSE(AdvisedAt(first));
    EXPECT_FALSE(AdvisedAt(first + kPage));

    HeapAdvice::AdviseHugePages(first - 1, 2 * kPage + 2);
    EXPECT_FALSE(AdvisedAt(first - 1));
    EXPECT_TRUE(AdvisedAt(first));
    EXPECT_TRUE(AdvisedAt(first + 2 * kPage - 1));
    EXPECT_FALSE(AdvisedAt(first + 2 * kPage));
    ::munmap(area, 6 * kPage);
}

#if !defined(__SANITIZE_ADDRESS__)
// The small blocks a loaded plan is made of come from advised memory (all
// but those that fill the heap's first, partial huge page).
TEST_F(HeapAdviceTest, SmallBlocksComeFromAdvisedMemoryAfterwards) {
    HeapAdvice::UseHugePages();
    HeapAdvice::UseHugePages();
    std::vector<void*> blocks;
    for (int i = 0; i < 40000; ++i)
        blocks.push_back(std::malloc(200));
    int advised = 0;
    for (void* block : {blocks[20000], blocks[30000], blocks.back()})
        advised += AdvisedAt(block) ? 1 : 0;
    for (void* block : blocks)
        std::free(block);
    EXPECT_EQ(advised, 3);
}
#endif

}  // namespace
}  // namespace qb
