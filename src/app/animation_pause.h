#pragma once

#include "experiment/pause.h"

#include <chrono>
#include <functional>

namespace lumorix {

// How long one count of the pause between scan steps lasts: the default slowdown of 1 (30000
// counts) pauses 3 ms per step, the slowest, 20, 60 ms.
inline constexpr std::chrono::nanoseconds pauseCountDuration{100};

// The time that delayCount counts take. A count that is zero, negative or not a number takes no
// time; a fraction of a millisecond is rounded to the nearest millisecond; a pause longer than
// the longest timer (about 24 days) is cut to it.
std::chrono::milliseconds pauseDuration(double delayCount, std::chrono::nanoseconds countDuration);

// The pause between the scan steps of a run on the window. It first shows what the step drew,
// then waits, answering the window system meanwhile (repaints, liveness pings) but holding back
// all user input until the run is over.
class AnimationPause final : public Pause {
public:
    AnimationPause(std::function<void()> showProgress, std::chrono::nanoseconds countDuration);

    void wait(double delayCount) override;

private:
    std::function<void()> showProgress_;
    std::chrono::nanoseconds countDuration_;
};

} // namespace lumorix
