#include "detector_scan.h"

#include "canvas/canvas.h"
#include "checked_arithmetic.h"

#include <cmath>

namespace lumorix {

namespace {

struct Point {
    double x, y;
};

// Radians of turn of the arrow of the hole at holeY; never reduced to one turn.
double arrowAngle(const Apparatus& scene, double holeY, double scanY) {
    const double path =
        std::sqrt(squared(Apparatus::wallX - scene.detectorX) + squared(scanY - holeY));
    return finiteOrOverflow(path * scene.frequency);
}

// y grows downward, so a growing angle turns the arrow clockwise on the screen.
Point arrowEnd(Point start, double angle) {
    return {start.x + Apparatus::arrowLength * std::cos(angle),
            start.y + Apparatus::arrowLength * std::sin(angle)};
}

// The two arrows chained at the scan point, hole B's first.
struct PhasorChain {
    Point scanPoint;
    Point endB; // where hole B's arrow ends and hole A's begins
    Point endA; // the end of the chain: the resultant runs from the scan point to here

    // Four times the squared length of the resultant.
    double intensity() const {
        return 4 * (squared(scanPoint.x - endA.x) + squared(scanPoint.y - endA.y));
    }
};

// No path of a run is longer than the longer of its first step's two, so a turn that overflows
// does so on the first step, which draws nothing: working out both arrows before drawing either
// changes no run.
PhasorChain chainPhasors(const Apparatus& scene, const ScanPoint& point) {
    const Point scanPoint{scene.detectorX, static_cast<double>(point.scanY)};
    const Point endB = arrowEnd(scanPoint, arrowAngle(scene, scene.holeBY(), scanPoint.y));
    const Point endA = arrowEnd(endB, arrowAngle(scene, scene.holeAY(), scanPoint.y));
    return {scanPoint, endB, endA};
}

} // namespace

ScanPoint scanPointAt(int scanStep) {
    return {scanStep, Apparatus::wallBottom - scanStep, scanStep % drawInterval == 0};
}

double phasorIntensity(const Apparatus& scene, const ScanPoint& point) {
    return chainPhasors(scene, point).intensity();
}

double formPhasors(Canvas& canvas, const Apparatus& scene, const ScanPoint& point) {
    const PhasorChain chain = chainPhasors(scene, point);
    const auto [x, y] = chain.scanPoint;
    if (point.drawingStep) {
        canvas.drawLine(x, y, chain.endB.x, chain.endB.y);
        canvas.drawLine(Apparatus::wallX, scene.holeBY(), x, y, colours::ray);
        // Filled with whatever fill colour is in force: the markers' blue after the first step.
        canvas.drawCircle(x, y, 2);
        canvas.drawLine(chain.endB.x, chain.endB.y, chain.endA.x, chain.endA.y);
        canvas.drawLine(Apparatus::wallX, scene.holeAY(), x, y, colours::ray);
    }

    canvas.setDrawWidth(2);
    if (point.drawingStep)
        canvas.drawLine(x, y, chain.endA.x, chain.endA.y, colours::resultant);

    return chain.intensity();
}

double delayCount(const ParameterFields& fields) {
    return finiteOrOverflow(fields.number(ParameterField::nSpomaleni) * delayFactor);
}

} // namespace lumorix
