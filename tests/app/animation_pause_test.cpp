#include "app/animation_pause.h"

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

TEST(AnimationPause, SlowdownsOfTheSliderPauseThreeToSixtyMilliseconds) {
    EXPECT_EQ(forCounts(1 * 30000), milliseconds(3));
    EXPECT_EQ(forCounts(10 * 30000), milliseconds(30));
    EXPECT_EQ(forCounts(20 * 30000), milliseconds(60));
}

TEST(AnimationPause, CountsThatWouldNeverEndTakeTheNearestSoundPause) {
    EXPECT_EQ(forCounts(0), milliseconds(0));
    EXPECT_EQ(forCounts(-30000), milliseconds(0)) << "a negative count: no pause";
    EXPECT_EQ(forCounts(std::nan("")), milliseconds(0));
    EXPECT_EQ(forCounts(15000.5), milliseconds(2)) << "a fraction: in proportion, rounded";
    EXPECT_EQ(forCounts(4000), milliseconds(0));
    EXPECT_EQ(forCounts(1e300), milliseconds(INT_MAX)) << "cut to the longest timer";
    EXPECT_EQ(forCounts(std::numeric_limits<double>::infinity()), milliseconds(INT_MAX));
}

TEST(AnimationPause, ShowsTheStepBeforeWaiting) {
    int shown = 0;
    AnimationPause pause([&shown] { ++shown; }, std::chrono::nanoseconds(0));
    pause.wait(30000);
    pause.wait(0);
    EXPECT_EQ(shown, 2);
}

} // namespace
} // namespace lumorix
