#include "core/random_sequence.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumorix {
namespace {

std::vector<float> firstNumbers(RandomSequence& random, int count) {
    std::vector<float> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(random.next());
    return numbers;
}

TEST(RandomSequence, RepeatsAfterAFreshStart) {
    RandomSequence first;
    RandomSequence second;
    EXPECT_EQ(firstNumbers(first, 1000), firstNumbers(second, 1000));
}

TEST(RandomSequence, ContinuesRatherThanRestarting) {
    RandomSequence random;
    const std::vector<float> start = firstNumbers(random, 100);
    EXPECT_NE(firstNumbers(random, 100), start);
}

TEST(RandomSequence, StaysInsideTheUnitIntervalAndSpreadsOverIt) {
    RandomSequence random;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (const float r : firstNumbers(random, 20000)) {
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.01f);
    EXPECT_GT(highest, 0.99f);
}

TEST(RandomSequence, TheLargestRawDrawIsStillBelowOne) {
    EXPECT_LT(RandomSequence::toUnitInterval(0xFFFFFFFFu), 1.0f);
    EXPECT_EQ(RandomSequence::toUnitInterval(0u), 0.0f);
}

} // namespace
} // namespace lumorix
