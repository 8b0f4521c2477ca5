#include "animation_pause.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace lumorix {

namespace {

// A nested loop rather than a sleep, so the window keeps answering the window system and brings
// the step to the screen meanwhile; the user's input waits for the run's end (HeldInput).
void serviceWindowSystemFor(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

AnimationPause::AnimationPause(std::function<void()> showProgress,
                               std::chrono::nanoseconds countDuration)
    : showProgress_(std::move(showProgress))
    , countDuration_(countDuration)
    , stepStart_(StepClock::now()) {}

void AnimationPause::wait(double delayCount) {
    showProgress_();
    const std::chrono::milliseconds pause = pauseDuration(delayCount, countDuration_);
    const StepClock::time_point end = stepStart_ + pause;
    // Even a step that is already late goes through the loop once. Timers count whole
    // milliseconds, so the loop goes on until the step's time is really up.
    do {
        serviceWindowSystemFor(
            std::max(std::chrono::ceil<std::chrono::milliseconds>(end - StepClock::now()),
                     std::chrono::milliseconds(0)));
    } while (StepClock::now() < end);
    stepStart_ = nextStepStart(end, StepClock::now(), pause);
}

} // namespace lumorix
