#pragma once

#include "apparatus.h"
#include "parameter_fields.h"

#include <optional>

namespace lumorix {

class Canvas;

// The detector point climbs the detector line one pixel row per step, from just above the wall's
// bottom to just below its top.
inline constexpr int scanSteps = 399;
// Every drawInterval-th step shows its arrows, rays, dot and resultant.
inline constexpr int drawInterval = 20;
// Counts of pause per unit of slowdown.
inline constexpr double delayFactor = 30000;

// The rows that the scan point reaches, y from the bottom row up to the top row.
inline constexpr int bottomScanRow = Apparatus::wallBottom - 1;
inline constexpr int topScanRow = Apparatus::wallBottom - scanSteps;

struct ScanPoint {
    int scanStep;
    int scanY;
    bool drawingStep;
};

ScanPoint scanPointAt(int scanStep);
inline ScanPoint scanPointOfRow(int scanY) {
    return scanPointAt(Apparatus::wallBottom - scanY);
}

// The straight distance in pixels from the hole at holeY to the point of the detector line on
// row scanY, and the turn of that hole's arrow there in radians: the path length times the
// frequency, never reduced to one turn.
double pathLength(const Apparatus& scene, double holeY, double scanY);
double arrowAngle(const Apparatus& scene, double holeY, double scanY);

struct Point {
    double x, y;
};

struct Arrow {
    Point start, end;
};

// The arrows, arrowLength long, of the holes that light passes, at a scan point. Chained, hole
// B's first, each begins where the one before ends, and the resultant runs from the scan point
// to the end of the chain; with a which-path detector each begins at the scan point on its own.
struct PhasorChain {
    Point scanPoint;
    std::optional<Arrow> arrowB; // none when hole B is covered
    std::optional<Arrow> arrowA;
    bool chained;

    // A resultant of its own is drawn where two arrows chain; with one, it is that arrow.
    bool hasResultant() const { return chained && arrowA && arrowB; }
    // Four times the squared length of the resultant; with a which-path detector the sum of the
    // two arrows' own, since then their probabilities add and the arrows do not.
    double intensity() const;
};

PhasorChain chainPhasors(const Apparatus& scene, const ScanPoint& point);

// The raw intensity at the scan point that formPhasors returns, without drawing anything.
double phasorIntensity(const Apparatus& scene, const ScanPoint& point);

// Chains the arrows of the holes that light passes at the scan point, each turned by its path
// length times the frequency, and returns the raw intensity: 0 to 10000 with both holes open,
// 2500 with one, 5000 with the which-path detector. Draws the arrows, the rays from the open
// holes, a dot on the point and the resultant on drawing steps; leaves the draw width at 2 on
// every step.
double formPhasors(Canvas& canvas, const Apparatus& scene, const ScanPoint& point);

// The pause after a step, in counts: the slowdown field's number times delayFactor.
double delayCount(const ParameterFields& fields);

} // namespace lumorix
