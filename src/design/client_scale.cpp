#include "client_scale.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumorix {

namespace {

constexpr double steps[] = {1.0, 1.25, 1.5, 1.75, 2.0};

int scaledEdge(int edge, double scale) {
    return static_cast<int>(std::lround(edge * scale));
}

} // namespace

std::span<const double> zoomSteps() {
    return steps;
}

double zoomStepIn(double zoom) {
    const auto next = std::upper_bound(std::begin(steps), std::end(steps), zoom);
    return next == std::end(steps) ? steps[std::size(steps) - 1] : *next;
}

double zoomStepOut(double zoom) {
    const auto next = std::lower_bound(std::begin(steps), std::end(steps), zoom);
    return next == std::begin(steps) ? steps[0] : *(next - 1);
}

double largestZoomFitting(int width, int height) {
    double largest = steps[0];
    for (const double step : steps) {
        if (zoomedLength(clientWidth, step) <= width && zoomedLength(clientHeight, step) <= height)
            largest = step;
    }
    return largest;
}

ClientPlacement fitClientArea(double width, double height, double pixelRatio) {
    // The board's device pixels come in whole multiples of the proportions, at least one.
    const int proportion = std::gcd(clientWidth, clientHeight);
    const double largest = std::min(width / clientWidth, height / clientHeight) * pixelRatio;
    const double multiples = std::max(1.0, std::floor(largest * proportion + 1e-9));
    const double scale = multiples / (proportion * pixelRatio);
    const auto centred = [&](double room, int designLength) {
        return std::floor((room - designLength * scale) / 2 * pixelRatio + 1e-9) / pixelRatio;
    };
    return {scale, centred(width, clientWidth), centred(height, clientHeight)};
}

int zoomedLength(int designLength, double zoom) {
    return scaledEdge(designLength, zoom);
}

Box scaled(const Box& box, double scale) {
    const int left = scaledEdge(box.left, scale);
    const int top = scaledEdge(box.top, scale);
    return {left, top, scaledEdge(box.left + box.width, scale) - left,
            scaledEdge(box.top + box.height, scale) - top};
}

Box placedClientArea(const ClientPlacement& placement) {
    return placed({0, 0, clientWidth, clientHeight}, placement);
}

Box placed(const Box& box, const ClientPlacement& placement) {
    Box result = scaled(box, placement.scale);
    result.left += static_cast<int>(std::lround(placement.left));
    result.top += static_cast<int>(std::lround(placement.top));
    return result;
}

} // namespace lumorix
