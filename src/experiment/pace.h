#pragma once

#include <algorithm>
#include <chrono>

namespace lumorix {

// How the pause counts of a run become time on a screen, for every front end.

// How long one count of the pause between scan steps lasts: the default slowdown of 1 (30000
// counts) pauses 3 ms per step, the slowest, 20, 60 ms.
inline constexpr std::chrono::nanoseconds pauseCountDuration{100};

// The time that delayCount counts take. A count that is zero, negative or not a number takes no
// time; a fraction of a millisecond is rounded to the nearest millisecond; a pause longer than
// the longest timer (about 24 days) is cut to it.
std::chrono::milliseconds pauseDuration(double delayCount, std::chrono::nanoseconds countDuration);

// Each scan step, its computing and drawing included, lasts as long as its pause, so a run takes
// the sum of its pauses whatever its drawing costs. This is when the next step begins, given when
// the pause was due to end and when it did: on time, so that a late wake-up comes out of the next
// pause. Lateness beyond a whole pause (a stalled window system) is let go rather than made up,
// so the steps after a stall do not rush.
template <typename TimePoint>
TimePoint nextStepStart(TimePoint pauseEnd, TimePoint now, std::chrono::milliseconds pause) {
    return std::max(pauseEnd, TimePoint(now - pause));
}

} // namespace lumorix
