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

// The pace of a run: each scan step, its computing and drawing included, lasts as long as its
// pause, so a run takes the sum of its pauses whatever its drawing costs.
using StepClock = std::chrono::steady_clock;

// When the next step begins, given when the pause was due to end and when it did: on time, so
// that a late wake-up comes out of the next pause. Lateness beyond a whole pause (a stalled
// window system) is let go rather than made up, so the steps after a stall do not rush.
StepClock::time_point nextStepStart(StepClock::time_point pauseEnd, StepClock::time_point now,
                                    std::chrono::milliseconds pause);

// The pause between the scan steps of a run on the window. It first has the step shown, then
// waits until the step's time is up, answering the window system meanwhile (repaints, liveness
// pings) but holding back all user input until the run is over.
class AnimationPause final : public Pause {
public:
    // The run, and so its first step, begins at construction.
    AnimationPause(std::function<void()> showProgress, std::chrono::nanoseconds countDuration);

    void wait(double delayCount) override;

private:
    std::function<void()> showProgress_;
    std::chrono::nanoseconds countDuration_;
    StepClock::time_point stepStart_;
};

} // namespace lumorix
