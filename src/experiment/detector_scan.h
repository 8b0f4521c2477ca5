#pragma once

#include "apparatus.h"
#include "parameter_fields.h"

namespace lumorix {

class Canvas;

// The detector point climbs the detector line one pixel row per step, from just above the wall's
// bottom to just below its top.
inline constexpr int scanSteps = 399;
// Every drawInterval-th step shows its arrows, rays, dot and resultant.
inline constexpr int drawInterval = 20;
// Counts of pause per unit of slowdown.
inline constexpr double delayFactor = 30000;

struct ScanPoint {
    int scanStep;
    int scanY;
    bool drawingStep;
};

ScanPoint scanPointAt(int scanStep);

// The raw intensity at the scan point that formPhasors returns, without drawing anything.
double phasorIntensity(const Apparatus& scene, const ScanPoint& point);

// Chains one arrow per hole at the scan point, hole B's first, each turned by its path length
// times the frequency, and returns the raw intensity: four times the squared length of their sum,
// 0 to 10000. Draws the arrows, the rays from the holes, a dot on the point and the resultant on
// drawing steps; leaves the draw width at 2 on every step.
double formPhasors(Canvas& canvas, const Apparatus& scene, const ScanPoint& point);

// The pause after a step, in counts: the slowdown field's number times delayFactor.
double delayCount(const ParameterFields& fields);

} // namespace lumorix
