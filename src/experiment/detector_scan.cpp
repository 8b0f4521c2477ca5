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

} // namespace

ScanPoint scanPointAt(int scanStep) {
    return {scanStep, Apparatus::wallBottom - scanStep, scanStep % drawInterval == 0};
}

double formPhasors(Canvas& canvas, const Apparatus& scene, const ScanPoint& point) {
    const Point scanPoint{scene.detectorX, static_cast<double>(point.scanY)};

    const Point endB = arrowEnd(scanPoint, arrowAngle(scene, scene.holeBY(), scanPoint.y));
    if (point.drawingStep) {
        canvas.drawLine(scanPoint.x, scanPoint.y, endB.x, endB.y);
        canvas.drawLine(Apparatus::wallX, scene.holeBY(), scanPoint.x, scanPoint.y, colours::ray);
        // Filled with whatever fill colour is in force: the markers' blue after the first step.
        canvas.drawCircle(scanPoint.x, scanPoint.y, 2);
    }

    const Point endA = arrowEnd(endB, arrowAngle(scene, scene.holeAY(), scanPoint.y));
    if (point.drawingStep) {
        canvas.drawLine(endB.x, endB.y, endA.x, endA.y);
        canvas.drawLine(Apparatus::wallX, scene.holeAY(), scanPoint.x, scanPoint.y, colours::ray);
    }

    canvas.setDrawWidth(2);
    if (point.drawingStep)
        canvas.drawLine(scanPoint.x, scanPoint.y, endA.x, endA.y, colours::resultant);

    return 4 * (squared(scanPoint.x - endA.x) + squared(scanPoint.y - endA.y));
}

double delayCount(const ParameterFields& fields) {
    return finiteOrOverflow(fields.number(ParameterField::nSpomaleni) * delayFactor);
}

} // namespace lumorix
