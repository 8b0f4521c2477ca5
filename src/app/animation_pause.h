#pragma once

#include "experiment/pace.h"
#include "experiment/pause.h"

#include <chrono>
#include <functional>

namespace lumorix {

using StepClock = std::chrono::steady_clock;

// The pause between the scan steps of a run on the window. It first has the step shown, then
// waits until the step's time is up, answering the window system meanwhile (repaints, liveness
// pings); the user's input waits for the run's end.
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
