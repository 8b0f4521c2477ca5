#pragma once

#include "apparatus.h"
#include "detector_scan.h"
#include "parameter_fields.h"

namespace lumorix {

// One row of the detector as a run works it out, without drawing it, by the code the run draws
// with: the numbers that the sound, the point readout and the pattern's data take.
struct RowNumbers {
    ScanPoint point;
    // From each hole to the scan point, in pixels: a distance, whether light passes the hole or
    // not.
    double pathA;
    double pathB;
    double rawIntensity;
    // What the display mode plots on the row: the bar's length, or in impact mode the impact
    // intensity, whose whole units are the row's impactDots.
    double plotted;
    int impactDots; // 0 outside impact mode
};

// Throws FatalError where the run's step would.
RowNumbers rowNumbers(const ParameterFields& fields, const Apparatus& scene,
                      const ScanPoint& point);

// A path difference in wavelengths of 2π / frequency pixels, as the arrows turn by it.
double inWavelengths(double pathDifference, double frequency);

} // namespace lumorix
