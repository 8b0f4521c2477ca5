#pragma once

#include "apparatus.h"
#include "parameter_fields.h"

#include <optional>
#include <string_view>

namespace lumorix {

// How far the scan point lies from each hole, as squared distances whose horizontal part is
// weighted down, and the sum of their reciprocals: it peaks on the rows level with the holes.
struct Envelopes {
    double envelopeA;
    double envelopeB;
    double envelopeSum;
    // What the light and impact patterns are weighted by: envelopeSum where light passes both
    // holes, twice the open hole's reciprocal where it passes one. So the patterns of each hole
    // alone add up to the pattern of both holes with a which-path detector, row by row.
    double weight;
};

Envelopes envelopesAt(const Apparatus& scene, double scanY);

// The light-mode factor for a detector distance and hole offset given as field texts, or none
// when either text is not a key of the table.
std::optional<double> calibrationFactor(std::string_view distanceText, std::string_view offsetText);

// The raw intensity scaled for the display mode: light mode by the calibration factor and the
// envelopes' weight, photon mode by 0.01; impact mode, and any mode text other than "0" and "1",
// leaves it raw.
double scaleForDisplayMode(const ParameterFields& fields, double intensity,
                           const Envelopes& envelopes);

} // namespace lumorix
