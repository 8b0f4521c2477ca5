#pragma once

#include "apparatus.h"
#include "detector_scan.h"
#include "parameter_fields.h"
#include "run_states.h"

#include <optional>

namespace lumorix {

// What the class reads at one point of the detector line under the settings of the next run:
// the scene, the arrows as a run draws them at that point, and the numbers that turn them.
struct PointReadout {
    Apparatus scene;
    // At run size: to show them larger, scale them about the scan point.
    PhasorChain phasors;
    int row;
    int height; // above the axis, in pixels; negative below it
    double pathA;
    double pathB;
    // pathB − pathA, positive above the axis, in pixels and in wavelengths.
    double pathDifference;
    double wavelengths;
    // The turn of hole B's arrow less hole A's, in degrees, in (−180, 180].
    double phaseDifference;
    // The raw intensity, of the 10000 that two arrows pointing the same way give.
    double brightness;
};

// The readout for a row of the scan (topScanRow to bottomScanRow); none for another row, or for
// fields that a run would fail on.
std::optional<PointReadout> pointReadout(const ParameterFields& fields, const RunStates& states,
                                         int row);

} // namespace lumorix
