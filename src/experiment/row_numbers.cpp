#include "row_numbers.h"

#include "intensity_model.h"
#include "pattern_plot.h"

#include <numbers>

namespace lumorix {

RowNumbers rowNumbers(const ParameterFields& fields, const Apparatus& scene,
                      const ScanPoint& point) {
    RowNumbers numbers{point,
                       pathLength(scene, scene.holeAY(), point.scanY),
                       pathLength(scene, scene.holeBY(), point.scanY),
                       phasorIntensity(scene, point),
                       0,
                       0};
    const Envelopes envelopes = envelopesAt(scene, point.scanY);
    if (displayMode(fields) == DisplayMode::impact) {
        numbers.plotted = impactIntensity(numbers.rawIntensity, envelopes);
        numbers.impactDots = impactDotCount(numbers.rawIntensity, envelopes);
    } else {
        numbers.plotted = scaleForDisplayMode(fields, numbers.rawIntensity, envelopes);
    }
    return numbers;
}

double inWavelengths(double pathDifference, double frequency) {
    return pathDifference * frequency / (2 * std::numbers::pi);
}

} // namespace lumorix
