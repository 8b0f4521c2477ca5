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
};

Envelopes envelopesAt(const Apparatus& scene, double scanY);

// The light-mode factor for a detector distance and hole offset given as field texts, or none
// when either text is not a key of the table.
std::optional<double> calibrationFactor(std::string_view distanceText, std::string_view offsetText);

// The raw intensity scaled for the display mode: light mode by the calibration factor and the
// envelopes, photon mode by 0.01; impact mode, and any mode text other than "0" and "1", leaves
// it raw.
double scaleForDisplayMode(const ParameterFields& fields, double intensity,
                           const Envelopes& envelopes);

} // namespace lumorix
