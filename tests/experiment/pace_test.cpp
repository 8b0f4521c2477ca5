#include "experiment/pace.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace lumorix {
namespace {

using std::chrono::milliseconds;

milliseconds forCounts(double counts) {
    return pauseDuration(counts, pauseCountDuration);
}

TEST(Pace, SlowdownsOfTheSliderPauseThreeToSixtyMilliseconds) {
    EXPECT_EQ(forCounts(1 * 30000), milliseconds(3));
    EXPECT_EQ(forCounts(10 * 30000), milliseconds(30));
    EXPECT_EQ(forCounts(20 * 30000), milliseconds(60));
}

TEST(Pace, CountsThatWouldNeverEndTakeTheNearestSoundPause) {
    EXPECT_EQ(forCounts(0), milliseconds(0));
    EXPECT_EQ(forCounts(-30000), milliseconds(0)) << "a negative count: no pause";
    EXPECT_EQ(forCounts(std::nan("")), milliseconds(0));
    EXPECT_EQ(forCounts(15000.5), milliseconds(2)) << "a fraction: in proportion, rounded";
    EXPECT_EQ(forCounts(4000), milliseconds(0));
    EXPECT_EQ(forCounts(1e300), milliseconds(INT_MAX)) << "cut to the longest timer";
    EXPECT_EQ(forCounts(std::numeric_limits<double>::infinity()), milliseconds(INT_MAX));
}

TEST(Pace, AStepLastsItsPauseWhateverItsDrawingCosts) {
    using namespace std::chrono_literals;
    const std::chrono::steady_clock::time_point due = std::chrono::steady_clock::time_point{} + 3ms;
    EXPECT_EQ(nextStepStart(due, due, 3ms), due);
    EXPECT_EQ(nextStepStart(due, due + 1ms, 3ms), due) << "a late wake-up comes out of the next";
    EXPECT_EQ(nextStepStart(due, due + 50ms, 3ms), due + 47ms)
        << "of a stall, no more than one pause is made up";
    EXPECT_EQ(nextStepStart(due, due + 1ms, 0ms), due + 1ms) << "no pauses, nothing to make up";
}

} // namespace
} // namespace lumorix
