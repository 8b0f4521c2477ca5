#include "animation_pause.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace lumorix {

std::chrono::milliseconds pauseDuration(double delayCount, std::chrono::nanoseconds countDuration) {
    if (!(delayCount > 0))
        return std::chrono::milliseconds(0);
    const double milliseconds =
        delayCount * static_cast<double>(countDuration.count()) / 1'000'000.0;
    return std::chrono::milliseconds(
        std::llround(std::min(milliseconds, static_cast<double>(INT_MAX))));
}

AnimationPause::AnimationPause(std::function<void()> showProgress,
                               std::chrono::nanoseconds countDuration)
    : showProgress_(std::move(showProgress))
    , countDuration_(countDuration) {}

void AnimationPause::wait(double delayCount) {
    showProgress_();
    // A nested loop rather than a sleep, so the window keeps answering the window system; even a
    // zero pause goes through it once.
    QEventLoop loop;
    QTimer::singleShot(pauseDuration(delayCount, countDuration_), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumorix
