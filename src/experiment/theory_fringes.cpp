#include "theory_fringes.h"

#include "apparatus.h"
#include "core/fatal_error.h"
#include "detector_scan.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumorix {

namespace {

using A = Apparatus;

double pathDifference(const Apparatus& scene, double row) {
    const double across = A::wallX - scene.detectorX;
    return std::hypot(across, row - scene.holeBY()) - std::hypot(across, row - scene.holeAY());
}

// The row where the path from hole B is longer by difference than the path from hole A, one with
// |difference| < 2 |offset|. The points with a given difference of distances from the two holes
// lie on a hyperbola whose foci are the holes: its branch on hole A's side meets the detector
// line at this height from the axis.
double rowOf(const Apparatus& scene, double difference) {
    const double across = A::wallX - scene.detectorX;
    const double halfDifference = difference / 2;
    const double height =
        halfDifference *
        std::sqrt(1 + across * across /
                          (scene.holeOffset * scene.holeOffset - halfDifference * halfDifference));
    return scene.holeOffset > 0 ? A::axisY - height : A::axisY + height;
}

bool scanned(double row) {
    return row >= topScanRow && row <= bottomScanRow;
}

TheoryFringes fringesOf(const Apparatus& scene) {
    TheoryFringes fringes;
    fringes.detectorX = scene.detectorX;
    if (!scene.states.plain() || scene.holeOffset == 0 || scene.frequency == 0)
        return fringes;
    const double wavelength = 2 * std::numbers::pi / std::abs(scene.frequency);
    // The path difference runs monotonically along the detector, so the span's ends bound it.
    const double atTop = pathDifference(scene, topScanRow) / wavelength;
    const double atBottom = pathDifference(scene, bottomScanRow) / wavelength;
    const double lowest = std::min(atTop, atBottom);
    const double highest = std::max(atTop, atBottom);
    if (!std::isfinite(lowest) || !std::isfinite(highest) || highest - lowest > scanSteps)
        return fringes;

    for (int order = static_cast<int>(std::ceil(lowest)); order <= highest; ++order) {
        const double row = rowOf(scene, order * wavelength);
        if (scanned(row))
            fringes.bright.push_back({row, order});
    }
    for (double half = std::ceil(lowest - 0.5) + 0.5; half <= highest; ++half) {
        const double row = rowOf(scene, half * wavelength);
        if (scanned(row))
            fringes.dark.push_back(row);
    }
    std::sort(fringes.bright.begin(), fringes.bright.end(),
              [](const BrightFringe& a, const BrightFringe& b) { return a.row < b.row; });
    std::sort(fringes.dark.begin(), fringes.dark.end());
    return fringes;
}

} // namespace

TheoryFringes theoryFringes(const ParameterFields& fields, const RunStates& states) {
    try {
        return fringesOf(apparatusFor(fields, states));
    } catch (const FatalError&) {
        return {};
    }
}

} // namespace lumorix
