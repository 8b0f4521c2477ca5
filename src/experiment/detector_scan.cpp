#include "detector_scan.h"

#include "canvas/canvas.h"
#include "checked_arithmetic.h"

#include <cmath>

namespace lumorix {

namespace {

// y grows downward, so a growing angle turns the arrow clockwise on the screen.
Arrow arrowFrom(Point start, double angle) {
    return {start,
            {start.x + Apparatus::arrowLength * std::cos(angle),
             start.y + Apparatus::arrowLength * std::sin(angle)}};
}

double squaredLength(Point from, Point to) {
    return squared(from.x - to.x) + squared(from.y - to.y);
}

double squaredLength(const std::optional<Arrow>& arrow) {
    return arrow ? squaredLength(arrow->start, arrow->end) : 0;
}

} // namespace

ScanPoint scanPointAt(int scanStep) {
    return {scanStep, Apparatus::wallBottom - scanStep, scanStep % drawInterval == 0};
}

double pathLength(const Apparatus& scene, double holeY, double scanY) {
    return std::sqrt(squared(Apparatus::wallX - scene.detectorX) + squared(scanY - holeY));
}

double arrowAngle(const Apparatus& scene, double holeY, double scanY) {
    return finiteOrOverflow(pathLength(scene, holeY, scanY) * scene.frequency);
}

double PhasorChain::intensity() const {
    if (!chained)
        return 4 * (squaredLength(arrowB) + squaredLength(arrowA));
    const Point end = arrowA ? arrowA->end : arrowB ? arrowB->end : scanPoint;
    return 4 * squaredLength(scanPoint, end);
}

// No path of a run is longer than the longer of its first step's two, so a turn that overflows
// does so on the first step, which draws nothing: working out both arrows before drawing either
// changes no run.
PhasorChain chainPhasors(const Apparatus& scene, const ScanPoint& point) {
    const Point scanPoint{scene.detectorX, static_cast<double>(point.scanY)};
    PhasorChain chain{scanPoint, std::nullopt, std::nullopt, !scene.states.whichPath};
    if (scene.holeBOpen())
        chain.arrowB = arrowFrom(scanPoint, arrowAngle(scene, scene.holeBY(), scanPoint.y));
    if (scene.holeAOpen()) {
        const Point start = chain.arrowB && chain.chained ? chain.arrowB->end : scanPoint;
        chain.arrowA = arrowFrom(start, arrowAngle(scene, scene.holeAY(), scanPoint.y));
    }
    return chain;
}

double phasorIntensity(const Apparatus& scene, const ScanPoint& point) {
    return chainPhasors(scene, point).intensity();
}

double formPhasors(Canvas& canvas, const Apparatus& scene, const ScanPoint& point) {
    const PhasorChain chain = chainPhasors(scene, point);
    const double x = chain.scanPoint.x;
    const double y = chain.scanPoint.y;
    if (point.drawingStep) {
        const auto drawArrowAndRay = [&](const Arrow& arrow, double holeY) {
            canvas.drawLine(arrow.start.x, arrow.start.y, arrow.end.x, arrow.end.y);
            canvas.drawLine(Apparatus::wallX, holeY, x, y, colours::ray);
        };
        if (chain.arrowB)
            drawArrowAndRay(*chain.arrowB, scene.holeBY());
        // Filled with whatever fill colour is in force: the markers' blue after the first step.
        canvas.drawCircle(x, y, 2);
        if (chain.arrowA)
            drawArrowAndRay(*chain.arrowA, scene.holeAY());
    }

    canvas.setDrawWidth(2);
    if (point.drawingStep && chain.hasResultant())
        canvas.drawLine(x, y, chain.arrowA->end.x, chain.arrowA->end.y, colours::resultant);

    return chain.intensity();
}

double delayCount(const ParameterFields& fields) {
    return finiteOrOverflow(fields.number(ParameterField::nSpomaleni) * delayFactor);
}

} // namespace lumorix
