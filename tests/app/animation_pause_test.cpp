#include "app/animation_pause.h"

#include <gtest/gtest.h>

namespace lumorix {
namespace {

TEST(AnimationPause, ARunIsNeverShorterThanItsPauses) {
    using namespace std::chrono_literals;
    AnimationPause pause([] {}, pauseCountDuration);
    const auto start = StepClock::now();
    for (int step = 0; step < 5; ++step)
        pause.wait(20000); // 2 ms each
    EXPECT_GE(StepClock::now() - start, 10ms);
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
