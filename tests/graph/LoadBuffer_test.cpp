#include "LoadBuffer.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <vector>

namespace qb {
namespace {

struct SumCase {
    const char* what;
    std::vector<LoadSpan> spans;
    int first;
    int last;
    // The sums of columns 0..expected.size() - 1.
    std::vector<std::int32_t> expected;
};

void PrintTo(const SumCase& c, std::ostream* out) {
    *out << c.what;
}

class LoadBufferSums : public ::testing::TestWithParam<SumCase> {};

TEST_P(LoadBufferSums, AddEachWeightOverItsPixelsBothEndsCounted) {
    const SumCase& c = GetParam();
    const auto buffer = LoadBuffer::Sum(c.spans, c.first, c.last);
    ASSERT_TRUE(buffer) << c.what;
    std::vector<std::int32_t> sums;
    for (std::size_t x = 0; x < c.expected.size(); ++x)
        sums.push_back(buffer->At(static_cast<int>(x)));
    EXPECT_EQ(sums, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadBufferSums,
    ::testing::Values(
        SumCase{"a bar on one pixel", {{3, 3, 5}}, 0, 6, {0, 0, 0, 5, 0, 0, 0}},
        SumCase{
            "3 and 4 overlapping give 7", {{1, 4, 3}, {3, 6, 4}}, 0, 7, {0, 3, 3, 7, 7, 4, 4, 0}},
        SumCase{"wholly before and after the range",
                {{-9, -1, 8}, {11, 20, 8}},
                0,
                10,
                {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        SumCase{"cut to the range, last pixel included",
                {{-5, 2, 1}, {9, 30, 2}},
                0,
                10,
                {1, 1, 1, 0, 0, 0, 0, 0, 0, 2, 2, 0}},
        SumCase{"first is the scroll position", {{100, 101, 2}}, 99, 103, {0, 2, 2, 0, 0}},
        SumCase{
            "an end before the start adds nothing", {{5, 2, 9}}, 0, 8, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        SumCase{"negative weights subtract", {{0, 3, 5}, {2, 2, -7}}, 0, 4, {5, 5, -2, 5, 0}}),
    [](const auto& param) { return std::to_string(param.index); });

TEST(LoadBuffer, HoldsTheColumnsPlusTenSpareEntriesAndNoneForAnEmptyRange) {
    const auto buffer = LoadBuffer::Sum({}, 40, 100);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->Entries().size(), 100u - 40u + 10u);
    EXPECT_EQ(buffer->Width(), 60);
    EXPECT_FALSE(LoadBuffer::Sum({}, 5, 5));
    EXPECT_FALSE(LoadBuffer::Sum({}, 6, 5));
    EXPECT_FALSE(LoadBuffer::Sum({}, 0, static_cast<int>(LoadBuffer::kMaxColumns)));
}

TEST(LoadBuffer, SumsBeyondThirtyTwoBitsAreHeldAtTheLimit) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::vector<LoadSpan> spans{{0, 1, kMax}, {1, 2, kMax}, {2, 2, -kMax}};
    const auto buffer = LoadBuffer::Sum(spans, 0, 3);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->At(0), kMax);
    EXPECT_EQ(buffer->At(1), kMax);
    EXPECT_EQ(buffer->At(2), 0);
}

}  // namespace
}  // namespace qb
