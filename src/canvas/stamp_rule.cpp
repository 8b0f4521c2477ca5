#include "stamp_rule.h"

#include <cmath>
#include <cstring>

namespace lumorix {

namespace {

bool isStampPen(int penWidth) {
    return penWidth >= 1 && penWidth <= maxStampPenWidth;
}

} // namespace

bool isStampedCircle(float radius, int penWidth) {
    return radius > 0 && radius <= maxStampRadius && isStampPen(penWidth);
}

bool isStampedLine(float x1, float y1, float x2, float y2, int penWidth, Smoothing smoothing) {
    if (!isStampPen(penWidth))
        return false;
    if (smoothing == Smoothing::aliased)
        return x1 == x2 || y1 == y2;
    return std::hypot(double(x2) - x1, double(y2) - y1) <= maxAntialiasedStampLength;
}

bool stampsAt(double pixelRatio, Smoothing smoothing) {
    if (smoothing == Smoothing::aliased)
        return pixelRatio == 1 || pixelRatio == 2;
    return pixelRatio > 0 && std::isfinite(pixelRatio);
}

bool stampsAtNearestPlace(Smoothing smoothing, bool placedAtRandom) {
    return smoothing == Smoothing::antialiased && placedAtRandom;
}

std::optional<GridPosition> gridPosition(double logical, double pixelRatio) {
    const double device = logical * pixelRatio;
    if (!(device >= 64 && device < 65536))
        return std::nullopt;
    // Read straight from the bits, this being the innermost loop of impact mode: the exponent,
    // and the fraction's bits, of which a single-precision value fills only the top 23 - e.
    // (The browser build's library has no std::bit_cast.)
    std::uint64_t bits = 0;
    std::memcpy(&bits, &device, sizeof bits);
    const int exponent = static_cast<int>(bits >> 52) - 1023;
    const std::uint64_t fractionMask = (std::uint64_t{1} << (52 - exponent)) - 1;
    return GridPosition{static_cast<int>(device), exponent,
                        static_cast<std::uint32_t>((bits & fractionMask) >> (52 - 23))};
}

StampPlace nearestPlace(const GridPosition& position) {
    // The fraction's 23 - e bits rounded to the top placeBits of them; e is at most 15.
    const int dropped = 23 - position.exponent - placeBits;
    const auto place =
        static_cast<int>((position.fraction + (std::uint32_t{1} << (dropped - 1))) >> dropped);
    if (place == placesPerPixel)
        return {position.pixel + 1, 0};
    return {position.pixel, place};
}

} // namespace lumorix
