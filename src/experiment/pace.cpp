#include "pace.h"

#include <climits>
#include <cmath>

namespace lumorix {

std::chrono::milliseconds pauseDuration(double delayCount, std::chrono::nanoseconds countDuration) {
    if (!(delayCount > 0))
        return std::chrono::milliseconds(0);
    const double milliseconds =
        delayCount * static_cast<double>(countDuration.count()) / 1'000'000.0;
    return std::chrono::milliseconds(
        std::llround(std::min(milliseconds, static_cast<double>(INT_MAX))));
}

} // namespace lumorix
