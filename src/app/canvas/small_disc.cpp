#include "small_disc.h"

#include <algorithm>
#include <cmath>

namespace lumorix {

namespace {

constexpr float maxRadius = 8;
constexpr int maxPenWidth = 4;
// Far enough beyond any image to hold every disc that could still reach it.
constexpr double coordinateLimit = 1 << 20;

} // namespace

bool paintSmallDisc(StampTarget& target, float x, float y, float radius, int penWidth,
                    QRgb colour) {
    if (!(radius > 0 && radius <= maxRadius) || penWidth < 1 || penWidth > maxPenWidth)
        return false;
    const double ratio = target.pixelRatio;
    const double centreX = x * ratio;
    const double centreY = y * ratio;
    if (!(std::abs(centreX) < coordinateLimit && std::abs(centreY) < coordinateLimit))
        return false;
    const double outer = (radius + penWidth / 2.0) * ratio;
    const int top = std::max(0, static_cast<int>(std::ceil(centreY - outer - 0.5)));
    const int bottom = std::min(target.deviceSize.height() - 1,
                                static_cast<int>(std::floor(centreY + outer - 0.5)));
    for (int row = top; row <= bottom; ++row) {
        const double dy = row + 0.5 - centreY;
        const double halfWidth = std::sqrt(std::max(0.0, outer * outer - dy * dy));
        const int from = std::max(0, static_cast<int>(std::ceil(centreX - halfWidth - 0.5)));
        const int to = std::min(target.deviceSize.width() - 1,
                                static_cast<int>(std::floor(centreX + halfWidth - 0.5)));
        auto* pixels = reinterpret_cast<QRgb*>(target.bits + row * target.bytesPerLine);
        std::fill(pixels + std::min(from, to + 1), pixels + to + 1, colour | 0xFF000000);
    }
    return true;
}

} // namespace lumorix
