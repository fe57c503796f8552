#include "LoadBuffer.h"

#include <algorithm>
#include <limits>

namespace qb {

// Every span adds its weight where it starts and takes it away after it ends;
// one pass of running sums then gives every column, so a recompute costs the
// spans plus the columns, not their product. The running sum is kept wide and
// each column is held to the 32-bit range, so that weights read from a file
// cannot overflow it.
std::optional<LoadBuffer> LoadBuffer::Sum(std::span<const LoadSpan> spans, int first, int last,
                                          std::span<const LoadSpan> extra) {
    if (first >= last)
        return std::nullopt;
    const std::int64_t covered = std::int64_t{last} - first + 1;
    if (covered > kMaxColumns)
        return std::nullopt;
    std::vector<std::int64_t> steps(static_cast<std::size_t>(covered) + 1, 0);
    auto step = [&steps, first, last](const LoadSpan& span) {
        const int from = std::max(span.x1, first);
        const int to = std::min(span.x2, last);
        if (from > to)
            return;
        steps[static_cast<std::size_t>(std::int64_t{from} - first)] += span.weight;
        steps[static_cast<std::size_t>(std::int64_t{to} - first + 1)] -= span.weight;
    };
    for (const LoadSpan& span : spans)
        step(span);
    for (const LoadSpan& span : extra)
        step(span);
    std::vector<std::int32_t> sums(static_cast<std::size_t>(covered) + kSpare - 1, 0);
    std::int64_t running = 0;
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = 0; i < static_cast<std::size_t>(covered); ++i) {
        running += steps[i];
        sums[i] = static_cast<std::int32_t>(std::clamp(running, kLow, kHigh));
    }
    return LoadBuffer(first, last, std::move(sums));
}

std::int32_t LoadBuffer::At(int column) const {
    if (column < 0 || static_cast<std::size_t>(column) >= sums_.size())
        return 0;
    return sums_[static_cast<std::size_t>(column)];
}

}  // namespace qb
