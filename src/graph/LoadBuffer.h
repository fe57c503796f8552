#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace qb {

// One schedule as the load graph sees it: the chart pixels of its start and
// end, both counted, and its weight.
struct LoadSpan {
    int x1 = 0;
    int x2 = 0;
    std::int32_t weight = 0;

    bool operator==(const LoadSpan&) const = default;
};

// The sums of the weights of the schedules over each pixel column from First
// to Last, both counted, plus a few spare entries that stay zero. Column 0 is
// the pixel First.
class LoadBuffer {
public:
    static constexpr int kSpare = 10;
    // No buffer is made for more columns than this (a command-line range, not
    // a screen, could ask for them).
    static constexpr std::int64_t kMaxColumns = std::int64_t{1} << 24;

    // Nothing when first is not less than last, or the range is too wide.
    // The extra spans count as the others do; one of negative weight over a
    // span takes that span out again.
    static std::optional<LoadBuffer> Sum(std::span<const LoadSpan> spans, int first, int last,
                                         std::span<const LoadSpan> extra = {});

    int First() const { return first_; }
    int Last() const { return last_; }
    // The columns drawn: Last - First.
    int Width() const { return last_ - first_; }
    // The sum of column (0 = First); 0 outside the entries.
    std::int32_t At(int column) const;
    const std::vector<std::int32_t>& Entries() const { return sums_; }

private:
    LoadBuffer(int first, int last, std::vector<std::int32_t> sums)
        : first_(first), last_(last), sums_(std::move(sums)) {}

    int first_ = 0;
    int last_ = 0;
    std::vector<std::int32_t> sums_;
};

}  // namespace qb
